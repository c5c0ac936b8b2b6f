// Stands in for the instructions viewer where the web engine is not wanted:
// follows the game's channel exactly as the viewer does and writes what it
// sees, one line each, to the file named by WORDSNARL_FAKE_VIEWER_LOG:
// "started <pid>", then "show" for each request.
#include "accessory/InstructionsChannel.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocalSocket>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QFile log(qEnvironmentVariable("WORDSNARL_FAKE_VIEWER_LOG"));
    if (!log.open(QIODevice::Append | QIODevice::Unbuffered)) {
        return 2;
    }
    log.write(QByteArray("started ") + QByteArray::number(QCoreApplication::applicationPid()) + '\n');

    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype channelAt = arguments.indexOf(instructions::ChannelOption);
    if (channelAt < 0 || channelAt + 1 >= arguments.size()) {
        return 2;
    }
    QLocalSocket channel;
    QObject::connect(&channel, &QLocalSocket::readyRead, [&] {
        while (channel.canReadLine()) {
            log.write(channel.readLine());
        }
    });
    QObject::connect(&channel, &QLocalSocket::disconnected, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(&channel, &QLocalSocket::errorOccurred, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    channel.connectToServer(arguments.at(channelAt + 1), QIODevice::ReadOnly);
    return QCoreApplication::exec();
}
