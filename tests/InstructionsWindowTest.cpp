#include "InstructionsViewer.h"
#include "PageColours.h"
#include "ToolbarImages.h"
#include "WebBrowserControl.h"
#include "accessory/InstructionsChannel.h"
#include "frmBrowser.h"
#include "support/AccessibleTree.h"
#include "support/Keys.h"
#include "support/WaitUntil.h"

#include <QAction>
#include <QComboBox>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEngineHistory>
#include <QWheelEvent>
#include <QtTest>

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

    // The game's requests show the window: it lands on the instructions page,
    // lists each address once, latest first and only on arrival, and goes only
    // where the player asks. The next request shows it as it is, back from the
    // taskbar; after a close, a fresh one, which keeps its margins as it grows.
    void eachRequestShowsTheWindowThatBrowsesAsAsked() {
        QVERIFY(write("GameInstructions.htm", Instructions) && write("second.htm", Second) &&
                write("slow.htm", "Slow", 100000));
        QLocalServer game;
        game.setSocketOptions(instructions::ServerOptions);
        QVERIFY(game.listen(QStringLiteral("wordsnarl-%1").arg(QCoreApplication::applicationPid())));
        InstructionsViewer viewer(folder_.path());
        QSignalSpy gameEnded(&viewer, &InstructionsViewer::gameEnded);
        viewer.followGame(QStringLiteral("wordsnarl-no-such-game")); // a game that cannot be reached ends it
        QTRY_VERIFY(!gameEnded.isEmpty());
        viewer.followGame(game.fullServerName());
        QVERIFY(game.waitForNewConnection(5000));
        const auto request = [&, channel = game.nextPendingConnection()] {
            channel->write(instructions::ShowCommand);
            return test::waitUntil([&] { return (window_ = viewer.window()) && !window_->isMinimized(); });
        };
        QVERIFY(request() && arriveAt(Instructions, 20000));
        const AccessibleControls controls = walkAccessibleTree(*window_);
        QVERIFY2(controls.count >= 6 && controls.unnamed.isEmpty(), qPrintable(controls.unnamed.join(' ')));

        // Enter, either key, goes exactly once to what was typed, also to a listed address.
        QSignalSpy loads(browser(), &QWebEngineView::loadStarted);
        QVERIFY(typeAddress(folder_.filePath("second.htm")));
        QVERIFY(browser()->Busy() && addressBox()->count() == 3 && arriveAt(Second));
        QVERIFY(typeAddress(url("GameInstructions.htm"), Qt::Key_Enter) && arriveAt(Instructions));
        QTRY_VERIFY(addressBox()->count() == 4 && addressBox()->itemText(0) == url("GameInstructions.htm") &&
                    addressBox()->itemText(1) == url("second.htm"));
        test::press(*window_, Qt::Key_Down);
        QVERIFY(arriveAt(Second));
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
            QVERIFY(arriveAt(button[0] == 'B' ? Second : Instructions));
        }
        QVERIFY(!browser()->history()->canGoForward());
        // A page that is missing, or an address of a kind the engine refuses, ends the busy caption.
        for (const QString &address : {folder_.filePath("missing.htm"), QStringLiteral("wordsnarl-test:x")})
            QVERIFY(typeAddress(address) && test::waitUntil([this] { return !timer()->isActive(); }) &&
                    window_->windowTitle() == browser()->LocationName());
        // Stop ends "Working..." on a page still loading.
        QVERIFY(typeAddress(folder_.filePath("slow.htm")));
        QTRY_COMPARE(window_->windowTitle(), QStringLiteral("Working..."));
        window_->findChild<QAction *>(QStringLiteral("Stop"))->trigger();
        QVERIFY(!timer()->isActive() && window_->windowTitle() == browser()->LocationName());

        const QPointer<frmBrowser> shown = window_;
        window_->showMinimized();
        QVERIFY(request() && window_ == shown);
        window_->close();
        QVERIFY(test::waitUntil([&] { return shown.isNull(); }) && request());
        QCOMPARE(addressBox()->count(), 2);

        // The view ends inside the window, and it and the address box keep their
        // margins as the window grows; a size that would come out negative stays.
        const QSize margins = window_->size() - browser()->size();
        QVERIFY(browser()->y() > addressBox()->parentWidget()->geometry().bottom() &&
                browser()->geometry().bottom() < window_->height());
        const QSize grown = QSize(800, 600) - margins, narrow(300 - margins.width(), grown.height());
        for (const auto &[size, view] :
             {std::pair{QSize(800, 600), grown}, {QSize(300, 20), narrow}, {QSize(5, 5), narrow}}) {
            window_->resize(size);
            QTRY_COMPARE(window_->size(), size);
            QCOMPARE(browser()->size(), view);
            QCOMPARE(QSize(addressBox()->width(), addressBox()->parentWidget()->width()),
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
    QString url(const char *page) const { return QUrl::fromLocalFile(folder_.filePath(page)).toString(); }
    // Writes a local page; one of many paragraphs is still loading a moment after it was asked for.
    bool write(const char *fileName, const QString &title, int paragraphs = 1) const {
        QFile page(folder_.filePath(fileName));
        const QByteArray body = ("<p>" + QByteArray(200, 'w') + "</p>\n").repeated(paragraphs);
        return page.open(QIODevice::WriteOnly) &&
               page.write("<title>" + title.toUtf8() + "</title>" + body) > 0;
    }
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

    const QTemporaryDir folder_; // nothing is ever fetched from a network
    QPointer<frmBrowser> window_;
    static inline const QString Instructions = QStringLiteral("Test Instructions");
    static inline const QString Second = QStringLiteral("Second Page");
};

QTEST_MAIN(InstructionsWindowTest)
#include "InstructionsWindowTest.moc"
