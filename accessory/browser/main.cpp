// The instructions viewer: started by the game beside it, or by hand.
#include "InstructionsViewer.h"
#include "PageColours.h"
#include "accessory/InstructionsChannel.h"
#include "ui/AppInfo.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(appinfo::Title);
    QApplication::setApplicationVersion(appinfo::versionText());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/wordsnarl.ico")));
    pagecolours::followPalette(QApplication::palette());

    InstructionsViewer viewer(QCoreApplication::applicationDirPath());
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype channelAt = arguments.indexOf(instructions::ChannelOption);
    if (channelAt >= 0 && channelAt + 1 < arguments.size()) {
        // The game decides when the viewer ends; closing the window keeps it ready.
        QApplication::setQuitOnLastWindowClosed(false);
        // Queued: the game may be gone before the event loop even runs.
        QObject::connect(&viewer, &InstructionsViewer::gameEnded, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        viewer.followGame(arguments.at(channelAt + 1));
    }
    viewer.show();
    return QApplication::exec();
}
