#include "support/GameProbe.h"
#include "support/InstructionsPages.h"
#include "support/ProcessTree.h"
#include "support/WaitUntil.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

#include <csignal>
#include <memory>

// The game and its instructions viewer as two programs side by side, in a
// folder of their own with a test page: the game keeps one viewer for all its
// requests, and however the game ends, the viewer and everything it started
// are gone within a second.
class InstructionsProgramsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void oneViewerServesEveryHowToPlay();
    void endingTheGameLeavesNothingBehind_data();
    void endingTheGameLeavesNothingBehind();
    void aViewerThatDiedIsReplacedAtTheNextHowToPlay();

private:
    QList<qint64> viewersOf(const GameProbe &game) const;
    bool waitForInstructionsShown(GameProbe &game) const;

    std::unique_ptr<InstructionsPages> pages_;
    QString gameProgram_;
};

void InstructionsProgramsTest::initTestCase() {
    // The viewer reports each caption it shows; the tests watch for the page's title.
    qputenv("QT_LOGGING_RULES", "wordsnarl.instructions.caption.debug=true");
}

void InstructionsProgramsTest::init() {
    pages_ = std::make_unique<InstructionsPages>();
    QVERIFY(pages_->isValid());
    gameProgram_ = pages_->path(QStringLiteral("game-probe"));
    QVERIFY(QFile::copy(QStringLiteral(GAME_PROBE), gameProgram_));
    QVERIFY(QFile::copy(QStringLiteral(VIEWER), pages_->path(QStringLiteral("wordsnarl-instructions"))));
}

QList<qint64> InstructionsProgramsTest::viewersOf(const GameProbe &game) const {
    QList<qint64> viewers;
    for (const processtree::Process &process : processtree::descendantsOf(game.pid())) {
        if (QStringLiteral("wordsnarl-instructions").startsWith(process.name)) {
            viewers.append(process.pid);
        }
    }
    return viewers;
}

bool InstructionsProgramsTest::waitForInstructionsShown(GameProbe &game) const {
    return game.waitForError("caption: " + InstructionsPages::InstructionsTitle.toUtf8(), 30000);
}

void InstructionsProgramsTest::oneViewerServesEveryHowToPlay() {
    GameProbe game(gameProgram_);
    QVERIFY(game.start());
    for (int i = 0; i < 3; ++i) {
        QVERIFY(game.send("howtoplay"));
    }
    QVERIFY(waitForInstructionsShown(game));
    const QList<qint64> viewers = viewersOf(game);
    QCOMPARE(viewers.size(), 1);

    for (int i = 0; i < 3; ++i) {
        QVERIFY(game.send("howtoplay"));
        QTest::qWait(100);
    }
    QTest::qWait(500);
    QCOMPARE(viewersOf(game), viewers);
    QVERIFY(game.send("exit"));
}

void InstructionsProgramsTest::endingTheGameLeavesNothingBehind_data() {
    QTest::addColumn<QByteArray>("how");
    QTest::newRow("Exit") << QByteArray("exit");
    QTest::newRow("closing the game window") << QByteArray("close");
    QTest::newRow("killing the game") << QByteArray("kill");
}

void InstructionsProgramsTest::endingTheGameLeavesNothingBehind() {
    QFETCH(QByteArray, how);
    GameProbe game(gameProgram_);
    QVERIFY(game.start());
    QVERIFY(game.send("howtoplay"));
    QVERIFY(waitForInstructionsShown(game));
    QCOMPARE(viewersOf(game).size(), 1);
    const QList<processtree::Process> started = processtree::descendantsOf(game.pid());

    QElapsedTimer clock;
    clock.start();
    if (how == "kill") {
        ::kill(static_cast<pid_t>(game.pid()), SIGKILL);
    } else {
        game.process().write(how + '\n');
    }
    const auto nothingLeft = [&] {
        return std::none_of(started.begin(), started.end(), [](const processtree::Process &process) {
            return processtree::isAlive(process.pid);
        });
    };
    QVERIFY2(test::waitUntil(nothingLeft, 1000),
             "the viewer or a process of its web engine outlived the game");
    QVERIFY(game.waitForEnd(1000));
    QVERIFY(clock.elapsed() < 1500);
}

void InstructionsProgramsTest::aViewerThatDiedIsReplacedAtTheNextHowToPlay() {
    GameProbe game(gameProgram_);
    QVERIFY(game.start());
    QVERIFY(game.send("howtoplay"));
    QVERIFY(waitForInstructionsShown(game));
    const qint64 first = viewersOf(game).value(0);
    ::kill(static_cast<pid_t>(first), SIGKILL);
    QVERIFY(test::waitUntil([&] { return !processtree::isAlive(first); }));

    game.clearErrors();
    QVERIFY(test::waitUntil(
        [&] {
            game.send("howtoplay");
            return !viewersOf(game).isEmpty();
        },
        5000));
    QVERIFY(waitForInstructionsShown(game));
    QCOMPARE(viewersOf(game).size(), 1);
    QVERIFY(viewersOf(game).constFirst() != first);
    QVERIFY(game.send("exit"));
}

QTEST_GUILESS_MAIN(InstructionsProgramsTest)
#include "InstructionsProgramsTest.moc"
