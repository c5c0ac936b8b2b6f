#include "app/frmSplash.h"

#include <QPointer>
#include <QtTest>

// The splash hands over to the game after five seconds, exactly once, still
// showing while the game window is built, and then it goes away. Closed before
// then, it ends the program with no game window.
class SplashTest : public QObject {
    Q_OBJECT

private slots:
    void handsOverOnceAfterFiveSecondsAndGoesAway() {
        int gameWindowsShown = 0;
        bool visibleAtHandOver = false;
        QPointer<frmSplash> splash;
        splash = new frmSplash([&] {
            ++gameWindowsShown;
            visibleAtHandOver = splash && splash->isVisible();
        });
        splash->show();
        auto *timer = splash->findChild<QTimer *>(QStringLiteral("tmrSplash"));
        QVERIFY(timer->isActive() && timer->remainingTime() > 4900 && timer->interval() == 5000);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer); // a coarse one may cut the splash short by 5 %
        QTest::qWait(50);
        QCOMPARE(gameWindowsShown, 0);
        timer->setInterval(10); // the hand-over itself is what is under test here
        timer->start();
        QTRY_VERIFY(splash.isNull());
        QVERIFY2(visibleAtHandOver, "the splash must stay up while the game window is built");
        QTest::qWait(50);
        QCOMPARE(gameWindowsShown, 1);
    }

    void closedEarlyItEndsTheProgram() {
        bool handedOver = false;
        auto *splash = new frmSplash([&] { handedOver = true; });
        splash->show();
        QTimer::singleShot(50, splash, &QWidget::close);
        QTimer neverEnds; // fails the test rather than hang
        neverEnds.callOnTimeout([] { QCoreApplication::exit(1); });
        neverEnds.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!handedOver);
    }
};

QTEST_MAIN(SplashTest)
#include "SplashTest.moc"
