#include "support/GameProbe.h"
#include "support/InstructionsPages.h"
#include "support/ProcessTree.h"
#include "support/WaitUntil.h"

#include <csignal>

// The game and its instructions viewer as two programs side by side, in a
// folder of their own with a test page. Built with the real viewer, and with
// the probe standing in for it, so that sanitizer builds test the game's side too.
class InstructionsProgramsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        // The viewer reports each caption it shows; the tests watch for the page's title.
        qputenv("QT_LOGGING_RULES", "wordsnarl.instructions.caption.debug=true");
        pages_.emplace();
        QVERIFY(QFile::copy(GAME_PROBE, path("game-probe")) &&
                QFile::copy(VIEWER, path("wordsnarl-instructions")));
        QVERIFY(game_.emplace(path("game-probe")).start());
    }
    void cleanup() { game_.reset(); }

    // One viewer serves every request and one that died is replaced; however
    // the game ends, the viewer and all it started are gone within a second.
    void oneViewerFollowsTheGame_data() {
        QTest::addColumn<QByteArray>("how");
        for (const char *how : {"exit", "close", "kill"}) {
            QTest::newRow(how) << QByteArray(how);
        }
    }
    void oneViewerFollowsTheGame() {
        QFETCH(QByteArray, how);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(game_->send("howtoplay"));
        }
        QVERIFY(instructionsShown());
        const QList<qint64> first = viewers();
        QCOMPARE(first.size(), 1);
        QVERIFY(game_->send("howtoplay"));
#ifdef STAND_IN_VIEWER
        QVERIFY2(instructionsShown(), "a request did not reach the running viewer");
#endif
        QTest::qWait(500);
        QCOMPARE(viewers(), first);

        ::kill(static_cast<pid_t>(first[0]), SIGKILL);
        QVERIFY(test::waitUntil([&] { return !processtree::isAlive(first[0]); }));
        QVERIFY(test::waitUntil([&] { return game_->send("howtoplay") && !viewers().isEmpty(); }));
        QVERIFY(instructionsShown());
        QVERIFY(viewers().size() == 1 && viewers()[0] != first[0]);

        const QList<processtree::Process> started = processtree::descendantsOf(game_->pid());
        QElapsedTimer clock;
        clock.start();
        how == "kill" ? void(::kill(static_cast<pid_t>(game_->pid()), SIGKILL))
                      : void(game_->process().write(how + '\n'));
        QVERIFY2(test::waitUntil(
                     [&] {
                         return std::none_of(started.begin(), started.end(),
                                             [](auto &p) { return processtree::isAlive(p.pid); });
                     },
                     1000),
                 "the viewer or a process of its web engine outlived the game");
        QVERIFY(game_->waitForEnd(1000) && clock.elapsed() < 1500);
    }

    // Without a working viewer every request shows the page in the browser,
    // or names its path; a viewer that keeps failing at once is given up.
    void withoutAWorkingViewerThePageIsShownElsewhere_data() {
        QTest::addColumn<QByteArray>("viewer"); // the stand-in's script; empty: no viewer at all
        QTest::addColumn<bool>("browser");
        QTest::addColumn<int>("viewerStarts"); // for five requests
        QTest::newRow("viewer missing") << QByteArray() << true << 0;
        QTest::newRow("viewer fails at once")
            << QByteArray("#!/bin/sh\necho >>\"$0.starts\"\nexit 1\n") << true << 3;
        QTest::newRow("viewer and browser missing") << QByteArray() << false << 0;
    }
    void withoutAWorkingViewerThePageIsShownElsewhere() {
        QFETCH(QByteArray, viewer);
        QFETCH(bool, browser);
        QFETCH(int, viewerStarts);
        QFile script(path("wordsnarl-instructions"));
        QVERIFY(script.remove());
        if (!viewer.isEmpty()) {
            QVERIFY(script.open(QIODevice::WriteOnly) && script.write(viewer) > 0);
            script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
            script.close();
        }
        QVERIFY(browser || game_->send("no-browser"));
        const QString page = path("GameInstructions.htm");
        // A message names the page's path, which no URL has after a space.
        const QByteArray shown =
            browser ? "url: " + QUrl::fromLocalFile(page).toEncoded() : ' ' + page.toUtf8();
        for (int i = 0; i < 5; ++i) {
            game_->clearErrors();
            QVERIFY(game_->send("howtoplay"));
            QVERIFY2(game_->waitForError(shown + '\n', 5000), "How To Play showed nothing");
        }
        QCOMPARE(QFile(script.fileName() + ".starts").size(), viewerStarts);
        QVERIFY(processtree::descendantsOf(game_->pid()).isEmpty());
        QVERIFY(game_->send("exit") && game_->waitForEnd(5000));
        QVERIFY(game_->process().exitStatus() == QProcess::NormalExit && game_->process().exitCode() == 0);
    }

private:
    QString path(const char *name) const {
        return pages_->path(QString::fromLatin1(name));
    }
    bool instructionsShown() {
        const bool shown =
            game_->waitForError("caption: " + InstructionsPages::InstructionsTitle.toUtf8(), 30000);
        game_->clearErrors();
        return shown;
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

    std::optional<InstructionsPages> pages_;
    std::optional<GameProbe> game_;
};

QTEST_GUILESS_MAIN(InstructionsProgramsTest)
#include "InstructionsProgramsTest.moc"
