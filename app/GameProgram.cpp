#include "GameProgram.h"

#include "AppInfo.h"
#include "frmSplash.h"

#include <QApplication>
#include <QIcon>

GameProgram::GameProgram() {
    QApplication::setApplicationName(appinfo::Title);
    QApplication::setApplicationVersion(appinfo::versionText());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/wordsnarl.ico")));
    // The game window's close request ends the program, not the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);

    auto *splash = new frmSplash([this] {
        if (!game_) {
            game_ = std::make_unique<frmWords>(dialogs_, accessories_);
        }
        game_->show();
    });
    splash->show();
}
