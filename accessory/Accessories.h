#pragma once

#include "game/AccessoryWindows.h"

// The real Help-menu windows of the running game.
class Accessories final : public AccessoryWindows {
public:
    void showAbout(const QWidget &gameWindow) override;
    void showInstructions() override;
};
