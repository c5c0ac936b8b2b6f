#include "accessory/InstructionsLauncher.h"
#include "support/GameProbe.h"
#include "support/ProcessTree.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

// The game keeps at most one instructions viewer, never waits for it, and never
// leaves it behind. A stand-in viewer that logs what reaches it keeps these
// tests free of the web engine, so they also run in sanitizer builds.
class InstructionsLauncherTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void oneViewerServesEveryRequest();
    void aViewerThatDiedIsReplacedAtTheNextRequest();
    void theViewerEndsWithinASecondOfTheGame();
    void aMissingViewerShowsNothingAndStartsNothing();
    void theGameWithoutItsViewerStaysUsable();

private:
    QList<QByteArray> logLines() const;
    QList<qint64> startedViewers() const;
    qsizetype showsReceived() const;

    std::unique_ptr<QTemporaryDir> folder_;
    QString logPath_;
};

void InstructionsLauncherTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    logPath_ = folder_->filePath(QStringLiteral("viewer.log"));
    qputenv("WORDSNARL_FAKE_VIEWER_LOG", QFile::encodeName(logPath_));
}

QList<QByteArray> InstructionsLauncherTest::logLines() const {
    QFile log(logPath_);
    if (!log.open(QIODevice::ReadOnly)) {
        return {};
    }
    return log.readAll().split('\n');
}

QList<qint64> InstructionsLauncherTest::startedViewers() const {
    QList<qint64> pids;
    for (const QByteArray &line : logLines()) {
        if (line.startsWith("started ")) {
            pids.append(line.mid(8).toLongLong());
        }
    }
    return pids;
}

qsizetype InstructionsLauncherTest::showsReceived() const {
    return logLines().count("show");
}

void InstructionsLauncherTest::oneViewerServesEveryRequest() {
    InstructionsLauncher launcher(QStringLiteral(FAKE_VIEWER));
    for (int i = 0; i < 5; ++i) {
        launcher.show(); // while the viewer starts, it opens its window by itself
    }
    QTRY_COMPARE(startedViewers().size(), qsizetype(1));
    // Once it has connected, every request reaches it.
    QVERIFY(QTest::qWaitFor([&] {
        launcher.show();
        return showsReceived() > 0;
    }));
    QTest::qWait(300); // requests still on their way
    const qsizetype before = showsReceived();
    for (int i = 0; i < 3; ++i) {
        launcher.show();
    }
    QTRY_COMPARE(showsReceived(), before + 3);
    QCOMPARE(startedViewers().size(), qsizetype(1));
    QCOMPARE(processtree::descendantsOf(QCoreApplication::applicationPid()).size(), qsizetype(1));
}

void InstructionsLauncherTest::aViewerThatDiedIsReplacedAtTheNextRequest() {
    InstructionsLauncher launcher(QStringLiteral(FAKE_VIEWER));
    launcher.show();
    QTRY_COMPARE(startedViewers().size(), qsizetype(1));
    const qint64 first = startedViewers().constFirst();
    ::kill(static_cast<pid_t>(first), SIGKILL);
    QTRY_VERIFY(!processtree::isAlive(first));

    QVERIFY(QTest::qWaitFor([&] {
        launcher.show();
        return startedViewers().size() == 2;
    }));
    QTest::qWait(200);
    QCOMPARE(startedViewers().size(), qsizetype(2));
    QVERIFY(startedViewers().at(1) != first);
}

void InstructionsLauncherTest::theViewerEndsWithinASecondOfTheGame() {
    auto launcher = std::make_unique<InstructionsLauncher>(QStringLiteral(FAKE_VIEWER));
    launcher->show();
    QTRY_COMPARE(startedViewers().size(), qsizetype(1));
    QVERIFY(QTest::qWaitFor([&] {
        launcher->show();
        return showsReceived() > 0;
    }));
    const qint64 viewer = startedViewers().constFirst();

    QElapsedTimer clock;
    clock.start();
    launcher.reset();
    QTRY_VERIFY_WITH_TIMEOUT(!processtree::isAlive(viewer), 1000);
    QVERIFY2(clock.elapsed() < 1000, "the game waited too long for its viewer");
}

void InstructionsLauncherTest::aMissingViewerShowsNothingAndStartsNothing() {
    InstructionsLauncher launcher(folder_->filePath(QStringLiteral("no-such-viewer")));
    for (int i = 0; i < 3; ++i) {
        launcher.show();
        QTest::qWait(100);
    }
    QVERIFY(processtree::descendantsOf(QCoreApplication::applicationPid()).isEmpty());
}

// The real game window and Help menu, in a folder without the viewer program.
void InstructionsLauncherTest::theGameWithoutItsViewerStaysUsable() {
    const QString lonelyProbe = folder_->filePath(QStringLiteral("game-probe"));
    QVERIFY(QFile::copy(QStringLiteral(GAME_PROBE), lonelyProbe));
    GameProbe game(lonelyProbe);
    QVERIFY(game.start());
    QVERIFY(game.send("howtoplay"));
    QVERIFY(game.send("howtoplay"));
    QVERIFY(game.send("ping"));
    QVERIFY(processtree::descendantsOf(game.pid()).isEmpty());
    QVERIFY(game.send("exit"));
    QVERIFY(game.waitForEnd(5000));
    QCOMPARE(game.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.process().exitCode(), 0);
}

QTEST_GUILESS_MAIN(InstructionsLauncherTest)
#include "InstructionsLauncherTest.moc"
