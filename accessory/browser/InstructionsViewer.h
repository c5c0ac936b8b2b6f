#pragma once

#include <QLocalSocket>
#include <QObject>
#include <QPointer>
#include <QString>

class frmBrowser;

// The instructions window's one instance in the viewer program. Started by the
// game, the viewer follows the game's channel: each request shows the window
// (creating it afresh if it was closed) and the channel closing means the game
// has ended, so the viewer must end too.
class InstructionsViewer final : public QObject {
    Q_OBJECT

public:
    // programFolder: where the instructions page lies.
    explicit InstructionsViewer(QString programFolder);
    ~InstructionsViewer() override;

    // Brings the open window to the front as it is, or opens a new one.
    void show();

    // Connects to the game's channel and from then on serves its requests.
    void followGame(const QString &channelName);

    frmBrowser *window() const;

signals:
    // The game has gone, or could not be reached.
    void gameEnded();

private:
    void readRequests();
    void endWithGame();

    QString programFolder_;
    QPointer<frmBrowser> window_;
    QLocalSocket channel_;
};
