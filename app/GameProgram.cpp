#include "GameProgram.h"

#include "frmSplash.h"
#include "ui/AppInfo.h"

#include <QApplication>
#include <QIcon>

GameProgram::GameProgram(const AboutServices &services)
    : dialogs_(services.dialogs)
    , accessories_(services) {
    QApplication::setApplicationName(appinfo::Title);
    QApplication::setApplicationVersion(appinfo::versionText());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/wordsnarl.ico")));
    // The game window's close request ends the program, not the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);

    auto *splash = new frmSplash([this] {
        if (!game_) {
            game_ = std::make_unique<frmWords>(dialogs_);
            QObject::connect(game_.get(), &frmWords::aboutRequested, game_.get(),
                             [this] { accessories_.showAbout(*game_); });
            QObject::connect(game_.get(), &frmWords::howToPlayRequested, game_.get(),
                             [this] { accessories_.showInstructions(); });
            // Closing the game window ends the program at once, the other windows with it.
            QObject::connect(game_.get(), &frmWords::closing, game_.get(), [] { QCoreApplication::exit(0); });
        }
        game_->show();
    });
    splash->show();
}
