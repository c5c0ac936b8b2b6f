#pragma once

#include <QElapsedTimer>
#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

class Dialogs;
class QLocalSocket;
class QProcess;
class UrlOpener;

// Keeps the instructions viewer beside the game. The viewer is a program of its
// own so that the game never loads a web engine: it is started at the first
// request, reused for every later one, and follows the game over a local
// channel, so it ends whenever the game does, even if the game is killed.
// The viewer comes in a package of its own and may be missing or unable to run:
// then the desktop's web browser shows the page, or failing that the player is
// told where it is. Nothing here waits on the viewer or the browser.
class InstructionsLauncher final : public QObject {
    Q_OBJECT

public:
    // programFolder holds the viewer and the instructions page. A viewer that
    // has not connected within connectDeadline of its start counts as failed.
    InstructionsLauncher(const QString &programFolder, UrlOpener &urls, Dialogs &dialogs,
                         std::chrono::milliseconds connectDeadline = std::chrono::seconds(10),
                         QObject *parent = nullptr);
    ~InstructionsLauncher() override;

    // Opens the instructions window, or brings the open one to the front.
    void show();

private:
    void startViewer();
    bool listen();
    void acceptViewer();
    void forgetViewer();
    void giveUpOnViewer();
    void viewerFailed(bool quickly);
    void showPageElsewhere();
    void letViewerGo();

    QString viewerProgram_;
    QString page_;
    UrlOpener &urls_;
    Dialogs &dialogs_;
    QLocalServer server_;
    QProcess *viewer_ = nullptr;      // running, or starting up
    QLocalSocket *channel_ = nullptr; // set once the running viewer has connected
    QElapsedTimer sinceStart_;        // of the latest viewer
    QTimer connectDeadline_;          // of the latest viewer
    int quickFailures_ = 0;           // in a row
};
