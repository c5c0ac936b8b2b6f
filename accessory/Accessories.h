#pragma once

#include "AboutServices.h"
#include "InstructionsLauncher.h"
#include "game/AccessoryWindows.h"

#include <QPointer>

class frmAbout;

// The real Help-menu windows of the running game.
class Accessories final : public AccessoryWindows {
public:
    explicit Accessories(const AboutServices &aboutServices);
    ~Accessories() override;

    void showAbout(const QWidget &gameWindow) override;
    void showInstructions() override;

private:
    AboutServices aboutServices_;
    QPointer<frmAbout> about_; // null while the box is closed
    InstructionsLauncher instructions_;
};
