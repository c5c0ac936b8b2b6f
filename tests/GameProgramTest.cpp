#include "app/GameProgram.h"
#include "accessory/frmAbout.h"
#include "app/frmSplash.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/Keys.h"
#include "support/ScriptedDialogs.h"

#include <QtTest>

namespace {

template <typename Window> Window *shown() {
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<Window *>(window); found && found->isVisible())
            return found;
    return nullptr;
}

} // namespace

// The program as main() starts it: the splash hands over to the game window,
// whose Help menu reaches the About box and the instructions, and closing the
// game window ends the whole program at once, also with the About box open.
class GameProgramTest : public QObject {
    Q_OBJECT

private slots:
    void fromTheSplashToTheEnd() {
        FakeRegistry registry;
        FakeSystem system;
        ScriptedDialogs dialogs;
        GameProgram program({registry, system, system, system, dialogs});
        shown<frmSplash>()->findChild<QTimer *>(QStringLiteral("tmrSplash"))->start(0);
        QTimer::singleShot(0, [&] {
            QVERIFY(QTest::qWaitFor([] { return shown<frmWords>(); }));
            frmWords &game = *shown<frmWords>();
            QVERIFY(QTest::qWaitForWindowActive(&game));
            test::press(game, Qt::Key_F1); // no viewer beside this test: the browser shows the page
            test::press(game, Qt::Key_A, Qt::ControlModifier);
            QVERIFY(QTest::qWaitFor([&] { return !system.openedUrls.isEmpty(); }) && shown<frmAbout>());
            QVERIFY(system.openedUrls[0].toLocalFile().endsWith("/GameInstructions.htm"));
            game.close();
        });
        QTimer neverEnds; // fails the test rather than hang
        neverEnds.callOnTimeout([] { QCoreApplication::exit(1); });
        neverEnds.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(system.openedUrls.size(), 1);
    }
};

QTEST_MAIN(GameProgramTest)
#include "GameProgramTest.moc"
