#include "InstructionsViewer.h"
#include "WebBrowserControl.h"
#include "accessory/InstructionsChannel.h"
#include "accessory/MakerContacts.h"
#include "app/Twips.h"
#include "frmBrowser.h"
#include "support/AccessibleTree.h"
#include "support/InstructionsPages.h"
#include "support/Keys.h"
#include "support/WaitUntil.h"

#include <QAction>
#include <QComboBox>
#include <QWheelEvent>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

// The instructions window with the real web engine, on local pages only: it
// lands on the instructions page, keeps each visited address once with the
// latest first, never lists an address before the browser has been there, and
// keeps its layout sane at any size. The viewer keeps one such window for the
// game, and ends as soon as the game at the other end of the channel is gone.
class InstructionsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        pages_ = std::make_unique<InstructionsPages>();
        QVERIFY(pages_->isValid());
    }
    void cleanup() { delete window_; }

    void opensOnTheInstructionsPageThatScreenReadersCanUse() {
        window_ = new frmBrowser(pages_->folder());
        const QString start = QDir::toNativeSeparators(pages_->path(QStringLiteral("GameInstructions.htm")));
        QCOMPARE(window_->StartingAddress, start);
        QCOMPARE(entries(), QStringList({start, maker::HostName}));
        QVERIFY(arriveAt(InstructionsPages::InstructionsTitle, 20000));
        QTRY_COMPARE(entries(), QStringList({url("GameInstructions.htm"), start, maker::HostName}));
        QCOMPARE(addressBox()->currentText(), url("GameInstructions.htm"));
        QTRY_VERIFY(!window_->findChild<QTimer *>(QStringLiteral("timTimer"))->isActive());
        const AccessibleControls controls = walkAccessibleTree(*window_);
        QVERIFY2(controls.count >= 6,
                 qPrintable(QString::number(controls.count))); // five buttons and the address
        QVERIFY2(controls.unnamed.isEmpty(), qPrintable(controls.unnamed.join(QStringLiteral(", "))));
    }

    void browsingListsEachAddressOnceLatestFirstOnArrivalAndMovesThroughTheHistory() {
        QVERIFY(openWindow());
        const QStringList before = entries();
        QVERIFY(typeAddress(pages_->path(QStringLiteral("second.htm"))));
        QCOMPARE(entries(), before);
        QVERIFY(browser()->Busy());
        QVERIFY(arriveAt(InstructionsPages::SecondTitle));
        QCOMPARE(entries(), QStringList{url("second.htm")} + before);

        QVERIFY(typeAddress(url("third.htm")));
        QVERIFY(arriveAt(InstructionsPages::ThirdTitle));
        QVERIFY(typeAddress(url("second.htm")));
        QVERIFY(arriveAt(InstructionsPages::SecondTitle));
        QTRY_COMPARE(entries(), (QStringList{url("second.htm"), url("third.htm")} + before));
        // Choosing a listed address visits it.
        test::press(*window_, Qt::Key_Down);
        QVERIFY(arriveAt(InstructionsPages::ThirdTitle));

        click("Home");
        QVERIFY(arriveAt(InstructionsPages::InstructionsTitle));
        QCOMPARE(browser()->LocationURL(), url("GameInstructions.htm"));
        click("Back");
        QVERIFY(arriveAt(InstructionsPages::ThirdTitle));
        click("Forward");
        QVERIFY(arriveAt(InstructionsPages::InstructionsTitle));
        // Nothing further ahead: Forward is ignored and the page stays.
        click("Forward");
        QTest::qWait(200);
        QCOMPARE(window_->windowTitle(), InstructionsPages::InstructionsTitle);
        QVERIFY(!browser()->Busy());
    }

    // Enter, either key, goes exactly once to what was typed, also when the list
    // already holds it (a plain combo box would activate that entry as well);
    // leaving the box with typed text, or the wheel over it, goes nowhere.
    void theAddressBoxNavigatesOncePerEnterAndNeverOtherwise() {
        QVERIFY(openWindow());
        QSignalSpy loads(browser(), &QWebEngineView::loadStarted);
        QVERIFY(typeAddress(pages_->path(QStringLiteral("second.htm")), Qt::Key_Enter));
        QVERIFY(arriveAt(InstructionsPages::SecondTitle));
        QVERIFY(typeAddress(url("GameInstructions.htm")));
        QVERIFY(arriveAt(InstructionsPages::InstructionsTitle));
        QCOMPARE(loads.size(), 2);

        test::press(*window_, Qt::Key_A, Qt::ControlModifier);
        test::type(*window_, url("second.htm"));
        test::press(*window_, Qt::Key_Tab);
        QVERIFY(!addressBox()->hasFocus());
        QWheelEvent wheel(QPointF(5, 5), addressBox()->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(addressBox(), &wheel);
        QTest::qWait(500);
        QCOMPARE(loads.size(), 2);
        QCOMPARE(window_->windowTitle(), InstructionsPages::InstructionsTitle);
    }

    // An address the engine hands to another program never starts a load; the
    // caption must not stay at "Working..." with the busy poll running for ever.
    void aNavigationThatNeverLoadsEndsTheBusyCaption() {
        QVERIFY(openWindow());
        QVERIFY(typeAddress(QStringLiteral("wordsnarl-test:nowhere")));
        QVERIFY(test::waitUntil([this] { return !timer()->isActive(); }, 5000));
        QCOMPARE(window_->windowTitle(), InstructionsPages::InstructionsTitle);
    }

    void stopEndsWorkingAndShowsTheCurrentTitle() {
        QVERIFY(openWindow());
        QVERIFY(typeAddress(pages_->writeSlowPage()));
        QTRY_COMPARE(window_->windowTitle(), QStringLiteral("Working..."));
        click("Stop");
        QCOMPARE(window_->windowTitle(), browser()->LocationName());
        QVERIFY(!window_->findChild<QTimer *>(QStringLiteral("timTimer"))->isActive());
        QTest::qWait(300);
        QVERIFY(window_->windowTitle() != QStringLiteral("Working..."));
    }

    // Designed client area: 436 x 342 px. Address box and view are 100 twips
    // narrower than the window; the view ends 100 twips above its bottom edge,
    // below the strips that end at 1215 twips.
    void resizeFollowsTheWindowAndSkipsNegativeSizes_data() {
        QTest::addColumn<QSize>("windowSize");
        QTest::addColumn<int>("addressWidth");
        QTest::addColumn<QSize>("viewSize");
        QTest::newRow("larger") << QSize(800, 600) << 793 << QSize(793, 512);
        QTest::newRow("smaller") << QSize(300, 200) << 293 << QSize(293, 112);
        QTest::newRow("too low for the view: it keeps its height") << QSize(20, 20) << 13 << QSize(13, 254);
        QTest::newRow("too small for anything: all keep their sizes")
            << QSize(5, 5) << 429 << QSize(429, 254);
    }
    void resizeFollowsTheWindowAndSkipsNegativeSizes() {
        QFETCH(QSize, windowSize);
        QFETCH(int, addressWidth);
        QFETCH(QSize, viewSize);
        QVERIFY(openWindow());
        QCOMPARE(window_->size(), twips::size(6540, 5130));
        window_->resize(windowSize);
        QTRY_COMPARE(window_->size(), windowSize);
        QCOMPARE(addressBox()->width(), addressWidth);
        QCOMPARE(browser()->size(), viewSize);
        QCOMPARE(browser()->pos(), twips::point(50, 1215));
        QCOMPARE(window_->findChild<QWidget *>(QStringLiteral("picAddress"))->width(), windowSize.width());
    }

    void aMissingInstructionsPageStillOpensAUsableWindow() {
        pages_ = std::make_unique<InstructionsPages>(false);
        window_ = new frmBrowser(pages_->folder());
        QVERIFY(test::waitUntil(
            [this] {
                return !browser()->Busy() && !window_->windowTitle().isEmpty() &&
                       window_->windowTitle() != QStringLiteral("Working...");
            },
            20000));
        QVERIFY(typeAddress(url("second.htm")));
        QVERIFY(arriveAt(InstructionsPages::SecondTitle));
    }

    // Each request on the game's channel shows the window: the open one as it
    // is, back from the taskbar, and after a close a fresh one.
    void everyRequestShowsTheOpenWindowAsItIsOrAFreshOne() {
        QLocalServer game;
        QVERIFY(
            game.listen(QStringLiteral("wordsnarl-viewer-test-%1").arg(QCoreApplication::applicationPid())));
        InstructionsViewer viewer(pages_->folder());
        viewer.followGame(game.fullServerName());
        QVERIFY(game.waitForNewConnection(5000));
        QLocalSocket *channel = game.nextPendingConnection();
        const auto request = [&] {
            channel->write(instructions::ShowCommand);
            return test::waitUntil([&] { return viewer.window() && !viewer.window()->isMinimized(); });
        };
        QVERIFY(request());
        window_ = viewer.window();
        QVERIFY(arriveAt(InstructionsPages::InstructionsTitle, 20000));
        QVERIFY(typeAddress(url("second.htm")));
        QVERIFY(arriveAt(InstructionsPages::SecondTitle));
        const QStringList visited = entries();
        window_->showMinimized();
        QVERIFY(request());
        QCOMPARE(viewer.window(), window_.data());
        QVERIFY(window_->isVisible());
        QTest::qWait(300);
        QCOMPARE(window_->windowTitle(), InstructionsPages::SecondTitle);
        QCOMPARE(entries(), visited);

        window_->close();
        QVERIFY(test::waitUntil([this] { return window_.isNull(); }));
        QVERIFY(request());
        window_ = viewer.window();
        QCOMPARE(entries().size(), 2);
        QVERIFY(arriveAt(InstructionsPages::InstructionsTitle));
        QCOMPARE(browser()->LocationURL(), url("GameInstructions.htm"));
    }

    void aGameThatCannotBeReachedEndsTheViewer() {
        InstructionsViewer viewer(pages_->folder());
        QSignalSpy gameEnded(&viewer, &InstructionsViewer::gameEnded);
        viewer.followGame(QStringLiteral("wordsnarl-no-such-game"));
        QVERIFY(test::waitUntil([&] { return !gameEnded.isEmpty(); }, 1000));
    }

private:
    bool openWindow() {
        window_ = new frmBrowser(pages_->folder());
        return arriveAt(InstructionsPages::InstructionsTitle, 20000);
    }
    bool arriveAt(const QString &title, int timeoutMs = 10000) {
        return test::waitUntil([&] { return window_->windowTitle() == title && !browser()->Busy(); },
                               timeoutMs);
    }
    QTimer *timer() const { return window_->findChild<QTimer *>(QStringLiteral("timTimer")); }
    QComboBox *addressBox() const { return window_->findChild<QComboBox *>(QStringLiteral("cboAddress")); }
    WebBrowserControl *browser() const { return window_->findChild<WebBrowserControl *>(); }
    QString url(const char *page) const { return pages_->url(QString::fromLatin1(page)); }
    void click(const char *button) const { window_->findChild<QAction *>(QLatin1String(button))->trigger(); }
    // Alt+A, Ctrl+A, the address and Enter, as a player types them into the active window.
    [[nodiscard]] bool typeAddress(const QString &address, Qt::Key enter = Qt::Key_Return) const {
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_)) {
            return false;
        }
        test::press(*window_, Qt::Key_A, Qt::AltModifier);
        test::press(*window_, Qt::Key_A, Qt::ControlModifier);
        test::type(*window_, address);
        test::press(*window_, enter);
        return true;
    }
    QStringList entries() const {
        QStringList list;
        for (int i = 0; i < addressBox()->count(); ++i) {
            list.append(addressBox()->itemText(i));
        }
        return list;
    }

    std::unique_ptr<InstructionsPages> pages_;
    QPointer<frmBrowser> window_;
};

QTEST_MAIN(InstructionsWindowTest)
#include "InstructionsWindowTest.moc"
