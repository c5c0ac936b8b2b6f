#include "Accessories.h"

#include "frmAbout.h"

Accessories::Accessories(const AboutServices &aboutServices)
    : aboutServices_(aboutServices) {}

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

void Accessories::showInstructions() {}
