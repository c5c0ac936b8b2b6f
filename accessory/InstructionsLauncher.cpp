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

} // namespace

InstructionsLauncher::InstructionsLauncher(const QString &programFolder, UrlOpener &urls, Dialogs &dialogs,
                                           QObject *parent)
    : QObject(parent)
    , viewerProgram_(QDir(programFolder).filePath(instructions::ViewerProgramName))
    , page_(QDir(programFolder).filePath(instructions::PageFileName))
    , urls_(urls)
    , dialogs_(dialogs) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &InstructionsLauncher::acceptViewer);
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
            viewerFailed();
        }
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            if (process == viewer_) {
                viewerFailed();
            }
            process->deleteLater();
        }
    });
    viewer_ = process;
    sinceStart_.start();
    process->start();
}

bool InstructionsLauncher::listen() {
    return server_.isListening() || server_.listen(uniqueChannelName());
}

void InstructionsLauncher::acceptViewer() {
    while (QLocalSocket *socket = server_.nextPendingConnection()) {
        // Only the viewer this game started, and only one at a time, may follow it.
        if (channel_ || !viewer_) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        channel_ = socket;
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
    if (channel_) {
        channel_->deleteLater();
        channel_ = nullptr;
    }
    viewer_ = nullptr;
}

// The viewer ended before following the game, so the request that started it was never shown.
void InstructionsLauncher::viewerFailed() {
    quickFailures_ = sinceStart_.elapsed() < QuickFailureMilliseconds ? quickFailures_ + 1 : 0;
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
        viewer->waitForFinished(ViewerShutdownMilliseconds);
    }
}
