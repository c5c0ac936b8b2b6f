// Stands in for the instructions viewer where the web engine is not wanted:
// follows the game's channel exactly as the viewer does, and reports on
// standard error, as the viewer's caption log would, the instructions page's
// title once it follows the game and again for every request that reaches it.
#include "accessory/InstructionsChannel.h"
#include "support/InstructionsPages.h"

#include <QCoreApplication>
#include <QLocalSocket>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QByteArray shown =
        "wordsnarl.instructions.caption: " + InstructionsPages::InstructionsTitle.toUtf8() + '\n';
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype channelAt = arguments.indexOf(instructions::ChannelOption);
    if (channelAt < 0 || channelAt + 1 >= arguments.size()) {
        return 2;
    }
    QLocalSocket channel;
    QObject::connect(&channel, &QLocalSocket::connected, [&] { std::fputs(shown.constData(), stderr); });
    QObject::connect(&channel, &QLocalSocket::readyRead, [&] {
        while (channel.canReadLine()) {
            if (channel.readLine() == instructions::ShowCommand) {
                std::fputs(shown.constData(), stderr);
            }
        }
    });
    QObject::connect(&channel, &QLocalSocket::disconnected, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(&channel, &QLocalSocket::errorOccurred, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    channel.connectToServer(arguments.at(channelAt + 1), QIODevice::ReadOnly);
    return QCoreApplication::exec();
}
