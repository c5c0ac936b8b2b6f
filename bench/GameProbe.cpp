#include "GameProbe.h"

#include <QtTest>

GameProbe::GameProbe(QString program)
    : program_(std::move(program)) {
    QObject::connect(&process_, &QProcess::readyReadStandardOutput,
                     [this] { output_ += process_.readAllStandardOutput(); });
    QObject::connect(&process_, &QProcess::readyReadStandardError,
                     [this] { errors_ += process_.readAllStandardError(); });
}

bool GameProbe::start() {
    process_.start(program_, {});
    return waitForOutput("ready", 20000);
}

bool GameProbe::send(const QByteArray &command, int timeoutMs) {
    process_.write(command + '\n');
    return waitForOutput("done " + command, timeoutMs);
}

bool GameProbe::waitForEnd(int timeoutMs) {
    return QTest::qWaitFor([this] { return process_.state() == QProcess::NotRunning; }, timeoutMs);
}

bool GameProbe::waitForError(const QByteArray &text, int timeoutMs) {
    return QTest::qWaitFor([&] { return errors_.contains(text); }, timeoutMs);
}

// Lines are consumed up to and including the awaited one.
bool GameProbe::waitForOutput(const QByteArray &line, int timeoutMs) {
    return QTest::qWaitFor(
        [&] {
            const qsizetype at = output_.indexOf(line + '\n');
            if (at < 0) {
                return false;
            }
            output_.remove(0, at + line.size() + 1);
            return true;
        },
        timeoutMs);
}
