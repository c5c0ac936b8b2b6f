#include "app/frmSplash.h"

#include <QPointer>
#include <QtTest>

// The splash hands over to the game: after five seconds, exactly once, still
// showing while the game window is built, and then it goes away.
class SplashTest : public QObject {
    Q_OBJECT

private slots:
    void handsOverOnlyWhenItsFiveSecondTimerFires();
    void handsOverExactlyOnceAndGoesAway();
};

void SplashTest::handsOverOnlyWhenItsFiveSecondTimerFires() {
    int gameWindowsShown = 0;
    frmSplash splash([&] { ++gameWindowsShown; });
    splash.show();
    const auto *timer = splash.findChild<QTimer *>(QStringLiteral("tmrSplash"));
    QCOMPARE(timer->interval(), 5000);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer); // a coarse one may cut the splash short by 5 %
    QVERIFY(timer->isActive() && timer->remainingTime() > 4000);
    QTest::qWait(100);
    QCOMPARE(gameWindowsShown, 0);
}

void SplashTest::handsOverExactlyOnceAndGoesAway() {
    int gameWindowsShown = 0;
    bool visibleAtHandOver = false;
    QPointer<frmSplash> splash;
    splash = new frmSplash([&] {
        ++gameWindowsShown;
        visibleAtHandOver = splash && splash->isVisible();
    });
    splash->show();
    // Shorten the wait; the hand-over itself is what is under test here.
    splash->findChild<QTimer *>(QStringLiteral("tmrSplash"))->setInterval(10);
    QTRY_VERIFY(splash.isNull());
    QVERIFY2(visibleAtHandOver, "the splash must stay up while the game window is built");
    QTest::qWait(50);
    QCOMPARE(gameWindowsShown, 1);
}

QTEST_MAIN(SplashTest)
#include "SplashTest.moc"
