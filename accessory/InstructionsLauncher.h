#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

class QLocalSocket;
class QProcess;

// Keeps the instructions viewer beside the game. The viewer is a program of its
// own so that the game never loads a web engine: it is started at the first
// request, reused for every later one, and follows the game over a local
// channel, so it ends whenever the game does, even if the game is killed.
// Nothing here waits on the viewer: a missing or failing viewer just shows nothing.
class InstructionsLauncher final : public QObject {
    Q_OBJECT

public:
    explicit InstructionsLauncher(QString viewerProgram, QObject *parent = nullptr);
    ~InstructionsLauncher() override;

    // Opens the instructions window, or brings the open one to the front.
    void show();

private:
    void startViewer();
    bool listen();
    void acceptViewer();
    void forgetViewer();
    void letViewerGo();

    QString viewerProgram_;
    QLocalServer server_;
    QProcess *viewer_ = nullptr;      // running, or starting up
    QLocalSocket *channel_ = nullptr; // set once the running viewer has connected
};
