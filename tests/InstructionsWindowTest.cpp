#include "InstructionsViewer.h"
#include "PageColours.h"
#include "ToolbarImages.h"
#include "WebBrowserControl.h"
#include "accessory/InstructionsChannel.h"
#include "accessory/MakerContacts.h"
#include "frmBrowser.h"
#include "support/AccessibleTree.h"
#include "support/InstructionsPages.h"
#include "support/Keys.h"
#include "support/WaitUntil.h"
#include "ui/Twips.h"

#include <QAction>
#include <QComboBox>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

using Pages = InstructionsPages;

// The instructions viewer with the real web engine, on local pages only, and
// how its window looks on a dark desktop and a scaled screen.
class InstructionsWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Chromium shows a page's light colours on a dark desktop unless told, and
    // the player's own flags stay; set before any web engine starts. Toolbar
    // pictures scaled up from 24 pixels would be blurred.
    void looksFollowTheDesktopAndScaledScreens() {
        for (const auto &[dark, before, after] : {std::tuple{false, "--x", "--x"},
                                                  {true, "", "--force-dark-mode"},
                                                  {true, "--x", "--x --force-dark-mode"},
                                                  {true, "--force-dark-mode --x", "--force-dark-mode --x"}}) {
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", before);
            pagecolours::followPalette(QPalette(dark ? Qt::black : Qt::white));
            QCOMPARE(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), QByteArray(after));
        }
        qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        for (const QString key : {"Back", "Forward", "Stop", "Refresh", "Home"}) {
            const QPixmap doubled = toolbarimages::image(key).pixmap(QSize(24, 24), 2.0);
            QVERIFY(doubled.size() == QSize(48, 48) && doubled.devicePixelRatio() == 2.0);
        }
    }

    void cleanup() { delete window_; }

    // The game's requests show the window: it lands on the instructions page,
    // lists each address once, latest first and only on arrival, and goes only
    // where the player asks. The next request shows it as it is, back from the
    // taskbar; after a close, a fresh one.
    void eachRequestShowsTheWindowThatBrowsesAsAsked() {
        QLocalServer game;
        QVERIFY(game.listen(QStringLiteral("wordsnarl-%1").arg(QCoreApplication::applicationPid())));
        InstructionsViewer viewer(pages_.path({}));
        QSignalSpy gameEnded(&viewer, &InstructionsViewer::gameEnded);
        viewer.followGame(QStringLiteral("wordsnarl-no-such-game")); // a game that cannot be reached ends it
        QTRY_VERIFY_WITH_TIMEOUT(!gameEnded.isEmpty(), 1000);
        viewer.followGame(game.fullServerName());
        QVERIFY(game.waitForNewConnection(5000));
        const auto request = [&, channel = game.nextPendingConnection()] {
            channel->write(instructions::ShowCommand);
            return test::waitUntil([&] { return (window_ = viewer.window()) && !window_->isMinimized(); });
        };
        QVERIFY(request() && arriveAt(Pages::InstructionsTitle, 20000));
        const AccessibleControls controls = walkAccessibleTree(*window_);
        QVERIFY2(controls.count >= 6 && controls.unnamed.isEmpty(), qPrintable(controls.unnamed.join(' ')));

        // Enter, either key, goes exactly once to what was typed, also to a listed address.
        QSignalSpy loads(browser(), &QWebEngineView::loadStarted);
        QVERIFY(typeAddress(pages_.path("second.htm"), Qt::Key_Enter));
        QVERIFY(browser()->Busy() && entries().size() == 3 && arriveAt(Pages::SecondTitle));
        QVERIFY(typeAddress(url("GameInstructions.htm")) && arriveAt(Pages::InstructionsTitle));
        QCOMPARE(addressBox()->currentText(), url("GameInstructions.htm"));
        QTRY_COMPARE(entries(), (QStringList{url("GameInstructions.htm"), url("second.htm"),
                                             window_->StartingAddress, maker::HostName}));
        test::press(*window_, Qt::Key_Down);
        QVERIFY(arriveAt(Pages::SecondTitle));
        // Leaving the box with typed text, or the wheel over it, goes nowhere.
        test::press(*window_, Qt::Key_A, Qt::ControlModifier);
        test::type(*window_, url("GameInstructions.htm")); // listed, not the page shown
        test::press(*window_, Qt::Key_Tab);
        QWheelEvent wheel({5, 5}, {}, {}, {0, -120}, {}, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(addressBox(), &wheel);
        QTest::qWait(500);
        QCOMPARE(loads.size(), 3);

        // Back returns to the second page; Home and Forward to the instructions.
        for (const char *button : {"Home", "Back", "Forward"}) {
            window_->findChild<QAction *>(QLatin1String(button))->trigger();
            QVERIFY(arriveAt(button[0] == 'B' ? Pages::SecondTitle : Pages::InstructionsTitle));
        }
        // An address that never starts a load ends the busy caption.
        QVERIFY(typeAddress(QStringLiteral("wordsnarl-test:nowhere")));
        QVERIFY(test::waitUntil([this] { return !timer()->isActive(); }));
        QCOMPARE(window_->windowTitle(), Pages::InstructionsTitle);
        // Stop ends "Working..." on a page still loading.
        QVERIFY(typeAddress(pages_.write(QStringLiteral("slow.htm"), QStringLiteral("Slow"), 100000)));
        QTRY_COMPARE(window_->windowTitle(), QStringLiteral("Working..."));
        window_->findChild<QAction *>(QStringLiteral("Stop"))->trigger();
        QVERIFY(!timer()->isActive() && window_->windowTitle() == browser()->LocationName());

        const QPointer<frmBrowser> shown = window_;
        window_->showMinimized();
        QVERIFY(request() && window_ == shown);
        window_->close();
        QVERIFY(test::waitUntil([&] { return shown.isNull(); }) && request());
        QCOMPARE(entries().size(), 2);
    }

    // Without its instructions page the window still ends its busy caption and
    // browses. Designed client area: 436 x 342 px; address box and view are 100
    // twips narrower than the window, the view ends 100 twips above its bottom
    // edge, and a size that would come out negative is left as it was.
    void aWindowWithoutItsPageStillBrowsesAndFollowsItsSize() {
        const Pages withoutIt(false);
        window_ = new frmBrowser(withoutIt.path({}));
        QCOMPARE(window_->size(), twips::size(6540, 5130));
        QVERIFY(test::waitUntil([this] { return !timer()->isActive(); }, 20000));
        QVERIFY(typeAddress(url("second.htm")) && arriveAt(Pages::SecondTitle));
        for (const auto &[size, view] : {std::pair{QSize(800, 600), QSize(793, 512)},
                                         {QSize(300, 20), QSize(293, 512)},
                                         {QSize(5, 5), QSize(293, 512)}}) {
            window_->resize(size);
            QTRY_COMPARE(window_->size(), size);
            QCOMPARE(browser()->geometry(), QRect(twips::point(50, 1215), view));
            QCOMPARE(QSize(addressBox()->width(), window_->findChild<QWidget *>("picAddress")->width()),
                     QSize(view.width(), size.width()));
        }
    }

private:
    bool arriveAt(const QString &title, int ms = 10000) {
        return test::waitUntil([&] { return window_->windowTitle() == title && !browser()->Busy(); }, ms);
    }
    QTimer *timer() const { return window_->findChild<QTimer *>(QStringLiteral("timTimer")); }
    QComboBox *addressBox() const { return window_->findChild<QComboBox *>(QStringLiteral("cboAddress")); }
    WebBrowserControl *browser() const { return window_->findChild<WebBrowserControl *>(); }
    QString url(const char *page) const { return pages_.url(QString::fromLatin1(page)); }
    // Alt+A, Ctrl+A, the address and Enter, as a player types them into the active window.
    [[nodiscard]] bool typeAddress(const QString &address, Qt::Key enter = Qt::Key_Return) const {
        window_->activateWindow();
        const bool active = QTest::qWaitForWindowActive(window_);
        test::press(*window_, Qt::Key_A, Qt::AltModifier);
        test::press(*window_, Qt::Key_A, Qt::ControlModifier);
        test::type(*window_, address);
        test::press(*window_, enter);
        return active;
    }
    QStringList entries() const {
        QStringList list;
        for (int i = 0; i < addressBox()->count(); ++i) {
            list << addressBox()->itemText(i);
        }
        return list;
    }

    const Pages pages_;
    QPointer<frmBrowser> window_;
};

QTEST_MAIN(InstructionsWindowTest)
#include "InstructionsWindowTest.moc"
