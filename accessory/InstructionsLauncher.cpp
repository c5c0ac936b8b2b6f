#include "InstructionsLauncher.h"

#include "InstructionsChannel.h"
#include "PlatformServices.h"
#include "ui/AppInfo.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QRandomGenerator>
#include <QUrl>

#ifdef Q_OS_LINUX
#include <sys/socket.h>
#endif

namespace {

// Once the game's windows are gone, how long the viewer may take to shut its web
// engine down cleanly before it is stopped by force.
constexpr int ViewerShutdownMilliseconds = 3000;

// A viewer that dies this soon after its start, before following the game, is
// taken for one that cannot run here; after so many in a row it is not tried
// again in this run, sparing the player a wait for each How To Play.
constexpr qint64 QuickFailureMilliseconds = 5000;
constexpr int QuickFailuresUntilBroken = 3;

// Unique to this game process, and hard to guess for anyone else.
QString uniqueChannelName() {
    return QStringLiteral("wordsnarl-instructions-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

// Whether the other end of the channel is the given process. A channel in the
// abstract namespace is open to every process on the machine; elsewhere its
// file's mode already keeps out other users.
bool connectedFrom(const QLocalSocket &socket, qint64 pid) {
#ifdef Q_OS_LINUX
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) ==
               0 &&
           peer.pid == pid;
#else
    Q_UNUSED(socket);
    Q_UNUSED(pid);
    return true;
#endif
}

} // namespace

InstructionsLauncher::InstructionsLauncher(const QString &programFolder, UrlOpener &urls, Dialogs &dialogs,
                                           std::chrono::milliseconds connectDeadline, QObject *parent)
    : QObject(parent)
    , viewerProgram_(QDir(programFolder).filePath(instructions::ViewerProgramName))
    , page_(QDir(programFolder).filePath(instructions::PageFileName))
    , urls_(urls)
    , dialogs_(dialogs) {
    server_.setSocketOptions(instructions::ServerOptions);
    connect(&server_, &QLocalServer::newConnection, this, &InstructionsLauncher::acceptViewer);
    connectDeadline_.setSingleShot(true);
    connectDeadline_.setInterval(connectDeadline);
    connect(&connectDeadline_, &QTimer::timeout, this, &InstructionsLauncher::giveUpOnViewer);
}

InstructionsLauncher::~InstructionsLauncher() {
    letViewerGo();
}

void InstructionsLauncher::show() {
    if (channel_) {
        channel_->write(instructions::ShowCommand);
    } else if (!viewer_) {
        startViewer();
    }
    // Otherwise the viewer is still starting: it opens its window by itself, or fails
    // and the page is shown elsewhere.
}

void InstructionsLauncher::startViewer() {
    if (quickFailures_ >= QuickFailuresUntilBroken || !listen()) {
        showPageElsewhere();
        return;
    }
    auto *process = new QProcess(this);
    process->setProgram(viewerProgram_);
    process->setArguments({instructions::ChannelOption, server_.fullServerName()});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    connect(process, &QProcess::finished, this, [this, process] {
        if (process == viewer_ && channel_) {
            forgetViewer();
        } else if (process == viewer_) {
            viewerFailed(sinceStart_.elapsed() < QuickFailureMilliseconds);
        }
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            if (process == viewer_) {
                viewerFailed(true);
            }
            process->deleteLater();
        }
    });
    viewer_ = process;
    sinceStart_.start();
    connectDeadline_.start();
    process->start();
}

bool InstructionsLauncher::listen() {
    return server_.isListening() || server_.listen(uniqueChannelName());
}

void InstructionsLauncher::acceptViewer() {
    while (QLocalSocket *socket = server_.nextPendingConnection()) {
        // Only the viewer this game started, and only one at a time, may follow it.
        if (channel_ || !viewer_ || !connectedFrom(*socket, viewer_->processId())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        channel_ = socket;
        connectDeadline_.stop();
        quickFailures_ = 0;
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            if (socket == channel_) {
                forgetViewer();
            }
        });
    }
}

// The viewer has gone or is going: the next request starts a new one. A viewer
// still winding down is left to finish on its own.
void InstructionsLauncher::forgetViewer() {
    connectDeadline_.stop();
    if (channel_) {
        channel_->deleteLater();
        channel_ = nullptr;
    }
    viewer_ = nullptr;
}

// A viewer that started but never followed the game would keep How To Play
// silent for the rest of the run; it is stopped and counts as a quick failure.
void InstructionsLauncher::giveUpOnViewer() {
    QProcess *viewer = viewer_;
    viewer->disconnect(this);
    viewer->terminate();
    QTimer::singleShot(ViewerShutdownMilliseconds, viewer, &QProcess::kill);
    viewerFailed(true);
}

// The viewer ended or was given up before following the game, so the request
// that started it was never shown.
void InstructionsLauncher::viewerFailed(bool quickly) {
    quickFailures_ = quickly ? quickFailures_ + 1 : 0;
    forgetViewer();
    showPageElsewhere();
}

// The player pressed How To Play and must see something.
void InstructionsLauncher::showPageElsewhere() {
    if (!urls_.open(QUrl::fromLocalFile(page_))) {
        dialogs_.showMessage(nullptr,
                             tr("The instructions cannot be shown at this time. To read them, open "
                                "this page in a web browser:\n\n%1")
                                 .arg(QDir::toNativeSeparators(page_)),
                             appinfo::Title, Dialogs::Icon::None);
    }
}

void InstructionsLauncher::letViewerGo() {
    QProcess *viewer = viewer_;
    // Closing the channel is what tells the viewer to quit.
    server_.close();
    if (channel_) {
        channel_->abort();
    }
    if (viewer) {
        // Ending with the game is no failure to show the page.
        viewer->disconnect(this);
        // One that never connected does not hear the channel close.
        if (!channel_) {
            viewer->kill();
        }
        viewer->waitForFinished(ViewerShutdownMilliseconds);
    }
}
