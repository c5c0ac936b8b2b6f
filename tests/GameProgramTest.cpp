#include "app/GameProgram.h"
#include "accessory/frmAbout.h"
#include "app/frmSplash.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/Keys.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QtTest>

namespace {

template <typename Window> Window *shown() {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<Window *>(window); found && found->isVisible()) {
            return found;
        }
    }
    return nullptr;
}

} // namespace

// The program as main() starts it: the splash hands over to the game window,
// whose Help menu reaches the About box and the instructions, and every way of
// ending the game ends the whole program at once, also with the About box
// open. Closing the splash early ends it without a game window ever shown.
class GameProgramTest : public QObject {
    Q_OBJECT

private slots:
    void everyEndingEndsTheProgramAtOnce_data() {
        QTest::addColumn<QString>("ending");
        for (const char *ending : {"Exit", "Ctrl+X", "close box", "splash closed early"}) {
            QTest::newRow(ending) << QString::fromLatin1(ending);
        }
    }
    void everyEndingEndsTheProgramAtOnce() {
        QFETCH(QString, ending);
        FakeRegistry registry;
        FakeSystem system;
        ScriptedDialogs dialogs;
        GameProgram program({registry, system, system, system, dialogs});
        auto *splash = shown<frmSplash>();
        QVERIFY(splash);
        const bool early = ending == "splash closed early";
        if (early) {
            QTimer::singleShot(50, splash, &QWidget::close);
        } else {
            splash->findChild<QTimer *>(QStringLiteral("tmrSplash"))->start(0);
            QTimer::singleShot(0, [&] {
                if (!QTest::qWaitFor([] { return shown<frmWords>(); })) {
                    return;
                }
                frmWords &game = *shown<frmWords>();
                QVERIFY(QTest::qWaitForWindowActive(&game));
                test::press(game, Qt::Key_F1); // no viewer beside this test: the browser shows the page
                test::press(game, Qt::Key_A, Qt::ControlModifier);
                QVERIFY(QTest::qWaitFor([&] { return !system.openedUrls.isEmpty(); }) && shown<frmAbout>());
                QVERIFY(system.openedUrls[0].toLocalFile().endsWith("/GameInstructions.htm"));
                game.activateWindow(); // back from the About box, which stays open
                QVERIFY(QTest::qWaitForWindowActive(&game));
                if (ending == "Exit") {
                    game.findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
                } else if (ending == "Ctrl+X") {
                    test::press(game, Qt::Key_X, Qt::ControlModifier);
                } else {
                    game.close();
                }
            });
        }
        QTimer neverEnds; // fails the row rather than hang
        neverEnds.callOnTimeout([] { QCoreApplication::exit(1); });
        neverEnds.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!shown<frmWords>() && system.openedUrls.size() == (early ? 0 : 1));
    }
};

QTEST_MAIN(GameProgramTest)
#include "GameProgramTest.moc"
