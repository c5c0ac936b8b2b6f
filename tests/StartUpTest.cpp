#include "accessory/frmAbout.h"
#include "app/GameProgram.h"
#include "app/frmSplash.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/Keys.h"
#include "support/ScriptedDialogs.h"

#include <QPointer>
#include <QtTest>

namespace {

template <typename Window> Window *shown() {
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<Window *>(window); found && found->isVisible())
            return found;
    return nullptr;
}

// The program's exit code, or 1 when it has not ended itself within a minute,
// which even a busy machine needs far less than.
int runUntilTheProgramEnds() {
    QTimer neverEnds;
    neverEnds.callOnTimeout([] { QCoreApplication::exit(1); });
    neverEnds.start(60000);
    return QApplication::exec();
}

} // namespace

// The program as main() starts it. The splash hands over to the game after
// five seconds, exactly once, still showing while the game window is built,
// and then it goes away; closed before then, it ends the program with no game
// window. The game window's Help menu reaches the About box and the
// instructions, and closing it ends the whole program at once, also with the
// About box open.
class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void handsOverOnceAfterFiveSecondsAndGoesAway() {
        QList<bool> handOvers; // whether the splash was still showing at each
        QPointer<frmSplash> splash = new frmSplash([&] { handOvers << (splash && splash->isVisible()); });
        splash->show();
        auto *timer = splash->findChild<QTimer *>(QStringLiteral("tmrSplash"));
        // One precise timer of five seconds, however long the machine took to get here;
        // a coarse one may cut the splash short by 5 %.
        QVERIFY(timer->isActive() && timer->isSingleShot() && timer->interval() == 5000 &&
                timer->timerType() == Qt::PreciseTimer);
        QTest::qWait(50);
        QVERIFY(handOvers.isEmpty());
        timer->start(10); // the hand-over itself is what is under test here
        QTRY_VERIFY(splash.isNull());
        QTest::qWait(50);
        QCOMPARE(handOvers, QList<bool>{true}); // once, with the splash up while the game window is built
    }

    void closedEarlyItEndsTheProgram() {
        bool handedOver = false;
        auto *splash = new frmSplash([&] { handedOver = true; });
        splash->show();
        QTimer::singleShot(50, splash, &QWidget::close);
        QCOMPARE(runUntilTheProgramEnds(), 0);
        QVERIFY(!handedOver);
    }

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
        QCOMPARE(runUntilTheProgramEnds(), 0);
        QCOMPARE(system.openedUrls.size(), 1);
    }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
