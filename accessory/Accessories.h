#pragma once

#include "InstructionsLauncher.h"
#include "game/AccessoryWindows.h"

// The real Help-menu windows of the running game.
class Accessories final : public AccessoryWindows {
public:
    Accessories();

    void showAbout(const QWidget &gameWindow) override;
    void showInstructions() override;

private:
    InstructionsLauncher instructions_;
};
