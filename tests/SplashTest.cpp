#include "app/frmSplash.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QtTest>

// The splash is the program's first impression and its hand-over to the game:
// it must wait its five seconds, hand over exactly once, and disappear.
class SplashTest : public QObject {
    Q_OBJECT

private slots:
    void handsOverOnlyWhenItsFiveSecondTimerFires();
    void handsOverExactlyOnceAndGoesAway();
    void controlsStandAtTheirDesignedPlaces_data();
    void controlsStandAtTheirDesignedPlaces();
    void isAFixedTitleLessWindowOutsideTheTaskbar();
};

void SplashTest::handsOverOnlyWhenItsFiveSecondTimerFires() {
    int gameWindowsShown = 0;
    QPointer<frmSplash> splash = new frmSplash([&] { ++gameWindowsShown; });
    splash->show();

    auto *timer = splash->findChild<QTimer *>(QStringLiteral("tmrSplash"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 5000);
    QVERIFY(timer->isActive());
    QVERIFY(timer->remainingTime() > 4000);
    QTest::qWait(100);
    QCOMPARE(gameWindowsShown, 0);
    delete splash;
}

void SplashTest::handsOverExactlyOnceAndGoesAway() {
    int gameWindowsShown = 0;
    bool splashVisibleAtHandOver = false;
    QPointer<frmSplash> splash;
    splash = new frmSplash([&] {
        ++gameWindowsShown;
        splashVisibleAtHandOver = splash && splash->isVisible();
    });
    splash->show();
    // Shorten the wait; the hand-over itself is what is under test here.
    splash->findChild<QTimer *>(QStringLiteral("tmrSplash"))->setInterval(10);

    QTRY_COMPARE(gameWindowsShown, 1);
    QVERIFY2(splashVisibleAtHandOver, "the splash must stay up while the game window is built");
    QTRY_VERIFY(splash.isNull());
    QTest::qWait(50);
    QCOMPARE(gameWindowsShown, 1);
}

void SplashTest::controlsStandAtTheirDesignedPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("picLogo") << "picLogo" << QRect(240, 2400, 4170, 1380);
    QTest::newRow("picBrivak") << "picBrivak" << QRect(120, 120, 4350, 1380);
    QTest::newRow("lblCopyright") << "lblCopyright" << QRect(120, 3960, 4335, 255);
    QTest::newRow("lblMsg") << "lblMsg" << QRect(480, 4320, 3615, 375);
    QTest::newRow("lblProud") << "lblProud" << QRect(240, 1680, 4230, 495);
}

void SplashTest::controlsStandAtTheirDesignedPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    frmSplash splash([] {});
    const auto *control = splash.findChild<QLabel *>(name);
    QVERIFY(control);
    const QRect expected(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0), qRound(twips.width() / 15.0),
                         qRound(twips.height() / 15.0));
    QCOMPARE(control->geometry(), expected);
    QVERIFY2(!control->accessibleName().isEmpty() || !control->text().isEmpty(),
             "nothing for a screen reader");
    if (name.startsWith(QStringLiteral("pic"))) {
        QVERIFY2(!control->pixmap().isNull(), "picture missing from the resources");
    }
}

void SplashTest::isAFixedTitleLessWindowOutsideTheTaskbar() {
    frmSplash splash([] {});
    QCOMPARE(splash.windowType(), Qt::SplashScreen);
    QCOMPARE(splash.size(), QSize(307, 321));
    QCOMPARE(splash.minimumSize(), splash.maximumSize());
    QCOMPARE(splash.findChild<QLabel *>(QStringLiteral("lblProud"))->text(),
             QStringLiteral("Proudly Presents"));
    QVERIFY(splash.findChild<QLabel *>(QStringLiteral("lblProud"))->font().bold());
}

QTEST_MAIN(SplashTest)
#include "SplashTest.moc"
