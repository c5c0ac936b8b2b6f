#include "support/GameProbe.h"
#include "support/InstructionsPages.h"
#include "support/ProcessTree.h"
#include "support/WaitUntil.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

#include <csignal>

// The game and its instructions viewer as two programs side by side, in a
// folder of their own with a test page: the game keeps one viewer for all its
// requests, replaces one that died, shows the page elsewhere without one, and
// however the game ends, the viewer and everything it started are gone within
// a second. Built with the real viewer, and with a stand-in that needs no web
// engine, so that sanitizer builds test the game's side too.
class InstructionsProgramsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The viewer reports each caption it shows; the tests watch for the page's title.
        qputenv("QT_LOGGING_RULES", "wordsnarl.instructions.caption.debug=true");
    }
    void init() {
        pages_ = std::make_unique<InstructionsPages>();
        QVERIFY(pages_->isValid());
        QVERIFY(QFile::copy(QStringLiteral(GAME_PROBE), pages_->path(QStringLiteral("game-probe"))));
        QVERIFY(QFile::copy(QStringLiteral(VIEWER), pages_->path(QStringLiteral("wordsnarl-instructions"))));
        game_ = std::make_unique<GameProbe>(pages_->path(QStringLiteral("game-probe")));
        QVERIFY(game_->start());
    }
    void cleanup() { game_.reset(); }

    void oneViewerServesEveryHowToPlay() {
        for (int i = 0; i < 3; ++i) {
            QVERIFY(game_->send("howtoplay"));
        }
        QVERIFY(instructionsShown());
        const QList<qint64> first = viewers();
        QCOMPARE(first.size(), 1);
        game_->clearErrors();
        for (int i = 0; i < 3; ++i) {
            QVERIFY(game_->send("howtoplay"));
            QTest::qWait(100);
        }
#ifdef STAND_IN_VIEWER
        QVERIFY2(instructionsShown(), "a request did not reach the running viewer");
#endif
        QTest::qWait(500);
        QCOMPARE(viewers(), first);
    }

    void endingTheGameLeavesNothingBehind_data() {
        QTest::addColumn<QByteArray>("how");
        QTest::newRow("Exit") << QByteArray("exit");
        QTest::newRow("closing the game window") << QByteArray("close");
        QTest::newRow("killing the game") << QByteArray("kill");
    }
    void endingTheGameLeavesNothingBehind() {
        QFETCH(QByteArray, how);
        QVERIFY(game_->send("howtoplay"));
        QVERIFY(instructionsShown());
        QCOMPARE(viewers().size(), 1);
        const QList<processtree::Process> started = processtree::descendantsOf(game_->pid());
        QElapsedTimer clock;
        clock.start();
        if (how == "kill") {
            ::kill(static_cast<pid_t>(game_->pid()), SIGKILL);
        } else {
            game_->process().write(how + '\n');
        }
        const auto nothingLeft = [&] {
            return std::none_of(started.begin(), started.end(), [](const processtree::Process &process) {
                return processtree::isAlive(process.pid);
            });
        };
        QVERIFY2(test::waitUntil(nothingLeft, 1000),
                 "the viewer or a process of its web engine outlived the game");
        QVERIFY(game_->waitForEnd(1000));
        QVERIFY(clock.elapsed() < 1500);
    }

    void aViewerThatDiedIsReplacedAtTheNextHowToPlay() {
        QVERIFY(game_->send("howtoplay"));
        QVERIFY(instructionsShown());
        const qint64 first = viewers().value(0);
        ::kill(static_cast<pid_t>(first), SIGKILL);
        QVERIFY(test::waitUntil([&] { return !processtree::isAlive(first); }));
        game_->clearErrors();
        QVERIFY(test::waitUntil([&] { return game_->send("howtoplay") && !viewers().isEmpty(); }));
        QVERIFY(instructionsShown());
        QCOMPARE(viewers().size(), 1);
        QVERIFY(viewers().constFirst() != first);
    }

    void withoutAWorkingViewerThePageIsShownElsewhere_data() {
        QTest::addColumn<QByteArray>("viewer"); // the stand-in's script; empty: no viewer at all
        QTest::addColumn<bool>("browser");
        QTest::addColumn<int>("viewerStarts"); // for five How To Plays
        const QByteArray exitsAtOnce = "#!/bin/sh\necho >>\"$0.starts\"\nexit 1\n";
        QTest::newRow("viewer missing") << QByteArray() << true << 0;
        QTest::newRow("viewer exits at once, tried three times") << exitsAtOnce << true << 3;
        QTest::newRow("viewer and browser missing") << QByteArray() << false << 0;
    }
    void withoutAWorkingViewerThePageIsShownElsewhere() {
        QFETCH(QByteArray, viewer);
        QFETCH(bool, browser);
        QFETCH(int, viewerStarts);
        const QString viewerPath = pages_->path(QStringLiteral("wordsnarl-instructions"));
        QVERIFY(QFile::remove(viewerPath));
        if (!viewer.isEmpty()) {
            QFile script(viewerPath);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(viewer);
            script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
        if (!browser) {
            QVERIFY(game_->send("no-browser"));
        }
        const QString page = pages_->path(QStringLiteral("GameInstructions.htm"));
        // Without a browser, a message names the page's path, which no URL has after a space.
        const QByteArray shown =
            browser ? "url: " + QUrl::fromLocalFile(page).toEncoded() + '\n' : ' ' + page.toUtf8() + '\n';
        for (int i = 0; i < 5; ++i) {
            game_->clearErrors();
            QVERIFY(game_->send("howtoplay"));
            QVERIFY2(game_->waitForError(shown, 5000), "How To Play showed nothing");
        }
        QCOMPARE(QFile(viewerPath + ".starts").size(), viewerStarts);
        QVERIFY(game_->send("ping"));
        QVERIFY(processtree::descendantsOf(game_->pid()).isEmpty());
        QVERIFY(game_->send("exit"));
        QVERIFY(game_->waitForEnd(5000));
        QCOMPARE(game_->process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(game_->process().exitCode(), 0);
    }

private:
    bool instructionsShown() {
        return game_->waitForError("caption: " + InstructionsPages::InstructionsTitle.toUtf8(), 30000);
    }

    QList<qint64> viewers() const {
        QList<qint64> found;
        for (const processtree::Process &process : processtree::descendantsOf(game_->pid())) {
            if (QStringLiteral("wordsnarl-instructions").startsWith(process.name)) {
                found.append(process.pid);
            }
        }
        return found;
    }

    std::unique_ptr<InstructionsPages> pages_;
    std::unique_ptr<GameProbe> game_;
};

QTEST_GUILESS_MAIN(InstructionsProgramsTest)
#include "InstructionsProgramsTest.moc"
