#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

// Runs the instructions game probe and talks to it: one command per line, each
// answered with "done <command>". Whatever the probe and the programs it starts
// write to standard error is kept for inspection.
class GameProbe {
public:
    explicit GameProbe(QString program);

    // Starts the probe and waits until its game window is up.
    bool start();
    bool send(const QByteArray &command, int timeoutMs = 10000);
    bool waitForEnd(int timeoutMs);
    bool waitForError(const QByteArray &text, int timeoutMs);

    qint64 pid() const { return process_.processId(); }
    // Forgets the errors seen so far, so that a wait looks only at new ones.
    void clearErrors() { errors_.clear(); }

private:
    bool waitForOutput(const QByteArray &line, int timeoutMs);

    QString program_;
    QProcess process_;
    QByteArray output_;
    QByteArray errors_;
};
