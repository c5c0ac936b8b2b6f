#include "Accessories.h"

#include "frmAbout.h"

#include <QCoreApplication>

Accessories::Accessories(const AboutServices &aboutServices)
    : aboutServices_(aboutServices)
    , instructions_(QCoreApplication::applicationDirPath(), aboutServices.urls, aboutServices.dialogs) {}

Accessories::~Accessories() {
    delete about_;
}

void Accessories::showAbout(const QWidget &gameWindow) {
    if (!about_) {
        about_ = new frmAbout(gameWindow, aboutServices_);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void Accessories::showInstructions() {
    instructions_.show();
}
