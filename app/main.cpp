#include "accessory/Accessories.h"
#include "app/AppInfo.h"
#include "app/QtDialogs.h"
#include "app/frmSplash.h"
#include "game/frmWords.h"

#include <QApplication>
#include <QIcon>

#include <memory>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(appinfo::Title);
    QApplication::setApplicationVersion(appinfo::versionText());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/wordsnarl.ico")));
    // The game window's close request ends the program, not the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);

    QtDialogs dialogs;
    Accessories accessories;
    std::unique_ptr<frmWords> game;

    auto *splash = new frmSplash([&] {
        if (!game) {
            game = std::make_unique<frmWords>(dialogs, accessories);
        }
        game->show();
    });
    splash->show();
    return QApplication::exec();
}
