#include "InstructionsLauncher.h"

#include "InstructionsChannel.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QRandomGenerator>

namespace {

// Once the game's windows are gone, how long the viewer may take to shut its web
// engine down cleanly before it is stopped by force.
constexpr int ViewerShutdownMilliseconds = 3000;

// Unique to this game process, and hard to guess for anyone else.
QString uniqueChannelName() {
    return QStringLiteral("wordsnarl-instructions-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

} // namespace

InstructionsLauncher::InstructionsLauncher(QString viewerProgram, QObject *parent)
    : QObject(parent)
    , viewerProgram_(std::move(viewerProgram)) {
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
    // Otherwise the viewer is still starting, and opens its window by itself.
}

void InstructionsLauncher::startViewer() {
    if (!listen()) {
        return;
    }
    auto *process = new QProcess(this);
    process->setProgram(viewerProgram_);
    process->setArguments({instructions::ChannelOption, server_.fullServerName()});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    connect(process, &QProcess::finished, this, [this, process] {
        if (process == viewer_) {
            forgetViewer();
        }
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            if (process == viewer_) {
                forgetViewer();
            }
            process->deleteLater();
        }
    });
    viewer_ = process;
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

void InstructionsLauncher::letViewerGo() {
    QProcess *viewer = viewer_;
    // Closing the channel is what tells the viewer to quit.
    server_.close();
    if (channel_) {
        channel_->abort();
    }
    if (viewer) {
        viewer->waitForFinished(ViewerShutdownMilliseconds);
    }
}
