#include "accessory/InstructionsLauncher.h"
#include "accessory/InstructionsChannel.h"
#include "support/FakeSystem.h"
#include "support/ProcessTree.h"
#include "support/ScriptedDialogs.h"
#include "support/WaitUntil.h"

#include <QLocalSocket>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The caption the viewer reports on its log once the instructions page is shown.
const QByteArray Shown = "wordsnarl.instructions.caption: How To Play Wordsnarl\n";

// Started as the viewer is, this program stands in for it without a web engine:
// it reports the page shown at first and for every request, and follows the
// channel as the viewer does.
int standInViewer(const QString &channelName) {
    QLocalSocket channel;
    const auto show = [] { std::fputs(Shown.constData(), stderr); };
    QObject::connect(&channel, &QLocalSocket::connected, show);
    QObject::connect(&channel, &QLocalSocket::readyRead, [&] {
        while (channel.canReadLine() && channel.readLine() == instructions::ShowCommand) {
            show();
        }
    });
    // A closed channel is an error too: the game has gone.
    QObject::connect(&channel, &QLocalSocket::errorOccurred, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    channel.setSocketOptions(instructions::SocketOptions);
    channel.connectToServer(channelName, QIODevice::ReadOnly);
    return QCoreApplication::exec();
}

// Set for the stand-in: it starts, then hangs without ever following the game.
const char *const Hang = "WORDSNARL_TEST_VIEWER_HANGS";

} // namespace

// The launcher with the viewer program beside it, in a folder of its own: the
// real viewer when WORDSNARL_VIEWER names it, else this program standing in,
// so that builds without a web engine test the launcher too.
class InstructionsLauncherTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_.emplace();
        const QString viewer =
            qEnvironmentVariable("WORDSNARL_VIEWER", QCoreApplication::applicationFilePath());
        // The built viewer must have the name the game looks for.
        QVERIFY(viewer == QCoreApplication::applicationFilePath() ||
                QFileInfo(viewer).fileName() == instructions::ViewerProgramName);
        QVERIFY(QFile::link(viewer, path(instructions::ViewerProgramName)));
        // The viewer reports its captions on the game's standard error, which is a file here.
        qputenv("QT_LOGGING_RULES", "wordsnarl.instructions.caption.debug=true");
        const int log =
            ::open(QFile::encodeName(path("log")).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        standardError_ = ::dup(STDERR_FILENO);
        QVERIFY(log >= 0 && ::dup2(log, STDERR_FILENO) >= 0 && ::close(log) == 0);
        // The stand-in connects within a second even under a sanitizer; a short deadline lets
        // the checks outlast it.
        launcher_.emplace(folder_->path(), system_, dialogs_,
                          std::chrono::seconds(qEnvironmentVariableIsSet("WORDSNARL_VIEWER") ? 10 : 3));
    }
    void cleanup() {
        launcher_.reset();
        ::dup2(standardError_, STDERR_FILENO);
        ::close(standardError_);
        system_ = {};
        dialogs_.shown.clear();
    }

    // One viewer serves every request and one that died is replaced; when the
    // game lets it go, the viewer and all it started are gone within seconds.
    void oneViewerServesTheGameAndEndsWithIt() {
        for (int i = 0; i < 3; ++i)
            launcher_->show();
        QVERIFY(test::waitUntil([&] { return timesShown() == 1; }, 30000));
        const QList<qint64> first = processtree::childrenOf(ownPid());
        QCOMPARE(first.size(), 1);
        // A request that comes while the viewer is still starting is left to it.
        QVERIFY2(qEnvironmentVariableIsSet("WORDSNARL_VIEWER") || test::waitUntil([&] {
                     launcher_->show();
                     return timesShown() > 1;
                 }),
                 "a request did not reach the running viewer");
        QTest::qWait(3500); // a viewer that has connected is not given up at its deadline
        QCOMPARE(processtree::childrenOf(ownPid()), first);

        ::kill(static_cast<pid_t>(first[0]), SIGKILL);
        const int before = timesShown();
        const auto replaced = [&] {
            launcher_->show();
            const QList<qint64> viewers = processtree::childrenOf(ownPid());
            return timesShown() > before && viewers.size() == 1 && viewers != first;
        };
        QVERIFY(test::waitUntil(replaced, 30000));
        QVERIFY(system_.openedUrls.isEmpty() && dialogs_.shown.isEmpty());

        const QList<qint64> started = processtree::descendantsOf(ownPid());
        launcher_.reset();
        QVERIFY2(test::waitUntil([&] { return std::ranges::none_of(started, processtree::isAlive); }),
                 "the viewer or a process of its web engine outlived the game");
    }

    // A viewer that never follows the game is stopped after ten seconds and the
    // page shown elsewhere; meanwhile no other process can take its channel,
    // which leaves no file behind. One still hanging never holds the game up.
    void aHungViewerIsGivenUpAndNeverHoldsTheGameUp() {
        if (qEnvironmentVariableIsSet("WORDSNARL_VIEWER"))
            QSKIP("the stand-in viewer's case");
        qputenv(Hang, "1");
        launcher_.emplace(folder_->path(), system_, dialogs_);
        launcher_->show();
        // The channel's name, from the stand-in's command line once it runs.
        QByteArrayList arguments;
        QVERIFY(test::waitUntil([&] {
            QFile commandLine(
                QStringLiteral("/proc/%1/cmdline").arg(processtree::childrenOf(ownPid()).value(0)));
            return commandLine.open(QIODevice::ReadOnly) &&
                   (arguments = commandLine.readAll().split('\0')).size() > 2;
        }));
        const QString channelName = QString::fromLocal8Bit(arguments.at(2));
        QLocalSocket intruder;
        intruder.setSocketOptions(instructions::SocketOptions);
        intruder.connectToServer(channelName);
        QVERIFY(test::waitUntil([&] { return intruder.state() == QLocalSocket::UnconnectedState; }));
        QCOMPARE(intruder.error(), QLocalSocket::PeerClosedError);
        QVERIFY(
            QDir::temp().entryList({QStringLiteral("wordsnarl-instructions-%1-*").arg(ownPid())}).isEmpty());

        QVERIFY(test::waitUntil([&] { return system_.openedUrls.size() == 1; }, 15000));
        QVERIFY(test::waitUntil([&] { return processtree::descendantsOf(ownPid()).isEmpty(); }));
        launcher_->show();
        QVERIFY(test::waitUntil([&] { return !processtree::childrenOf(ownPid()).isEmpty(); }));
        const QDeadlineTimer fiveSeconds(5000);
        launcher_.reset();
        QVERIFY(!fiveSeconds.hasExpired() && processtree::descendantsOf(ownPid()).isEmpty());
        qunsetenv(Hang);
    }

    // Without a working viewer every request shows the page in the browser,
    // or names its path; a viewer that keeps failing at once, or hanging, is
    // given up.
    void withoutAWorkingViewerThePageIsShownElsewhere() {
        // The viewer's script (empty: no viewer at all), whether a browser opens
        // the page, and how many times five requests start the viewer.
        for (const auto &[viewer, browser, viewerStarts] :
             {std::tuple<QByteArray, bool, qint64>{"", true, 0},
              {"#!/bin/sh\necho >>\"$0.starts\"\nexit 1\n", true, 3},
              {"#!/bin/sh\necho >>\"$0.starts\"\nexec sleep 60\n", true, 3},
              {"", false, 0}}) {
            cleanup();
            init();
            launcher_.emplace(folder_->path(), system_, dialogs_, std::chrono::milliseconds(300));
            QVERIFY(QFile::remove(path(instructions::ViewerProgramName)));
            if (!viewer.isEmpty())
                writeViewer(viewer);
            system_.urlsOpen = browser;
            const QString page = path(instructions::PageFileName);
            for (int i = 1; i <= 5; ++i) {
                launcher_->show();
                QVERIFY2(test::waitUntil([&] { return system_.openedUrls.size() == i; }),
                         "How To Play showed nothing");
            }
            QCOMPARE(system_.openedUrls.last(), QUrl::fromLocalFile(page));
            QCOMPARE(dialogs_.shown.size(), browser ? 0 : 5);
            QVERIFY(browser || dialogs_.shown.last().text.endsWith("\n\n" + page));
            QCOMPARE(QFile(path(instructions::ViewerProgramName) + ".starts").size(), viewerStarts);
            QVERIFY(test::waitUntil([] { return processtree::descendantsOf(ownPid()).isEmpty(); }));
        }
    }

private:
    QString path(const QString &name) const { return folder_->filePath(name); }
    int timesShown() const {
        QFile log(path("log"));
        return log.open(QIODevice::ReadOnly) ? int(log.readAll().count(Shown)) : 0;
    }
    static qint64 ownPid() { return QCoreApplication::applicationPid(); }
    void writeViewer(const QByteArray &script) {
        QFile file(path(instructions::ViewerProgramName));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(script) == script.size());
        file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }

    std::optional<QTemporaryDir> folder_;
    int standardError_ = -1; // the test's own, while the launcher's goes to the log
    FakeSystem system_;
    ScriptedDialogs dialogs_;
    std::optional<InstructionsLauncher> launcher_;
};

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (app.arguments().value(1) == instructions::ChannelOption) {
        if (qEnvironmentVariableIsSet(Hang))
            QThread::sleep(60);
        return standInViewer(app.arguments().value(2));
    }
    InstructionsLauncherTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "InstructionsLauncherTest.moc"
