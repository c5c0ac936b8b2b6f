#include "InstructionsViewer.h"

#include "accessory/InstructionsChannel.h"
#include "frmBrowser.h"

#include <QLoggingCategory>

namespace {

// Off by default; tools that time the viewer turn it on to see when a page's
// title is shown.
Q_LOGGING_CATEGORY(captionLog, "wordsnarl.instructions.caption", QtWarningMsg)

} // namespace

InstructionsViewer::InstructionsViewer(QString programFolder)
    : programFolder_(std::move(programFolder)) {
    connect(&channel_, &QLocalSocket::readyRead, this, &InstructionsViewer::readRequests);
    connect(&channel_, &QLocalSocket::disconnected, this, &InstructionsViewer::endWithGame);
    connect(&channel_, &QLocalSocket::errorOccurred, this, &InstructionsViewer::endWithGame);
}

InstructionsViewer::~InstructionsViewer() {
    delete window_;
}

void InstructionsViewer::show() {
    if (window_) {
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        window_->show();
        window_->raise();
        window_->activateWindow();
    } else {
        window_ = new frmBrowser(programFolder_);
        connect(window_, &QWidget::windowTitleChanged, this,
                [](const QString &caption) { qCDebug(captionLog).noquote() << caption; });
        window_->activateWindow();
    }
}

void InstructionsViewer::followGame(const QString &channelName) {
    channel_.setSocketOptions(instructions::SocketOptions);
    channel_.connectToServer(channelName, QIODevice::ReadOnly);
}

void InstructionsViewer::readRequests() {
    while (channel_.canReadLine()) {
        if (channel_.readLine() == instructions::ShowCommand) {
            show();
        }
    }
}

void InstructionsViewer::endWithGame() {
    if (window_) {
        window_->hide();
    }
    emit gameEnded();
}

frmBrowser *InstructionsViewer::window() const {
    return window_;
}
