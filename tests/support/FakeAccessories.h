#pragma once

#include "game/AccessoryWindows.h"

// Counts how often the game window asks for its Help-menu windows.
class FakeAccessories final : public AccessoryWindows {
public:
    int aboutShown = 0;
    int instructionsShown = 0;

    void showAbout(const QWidget &) override { ++aboutShown; }
    void showInstructions() override { ++instructionsShown; }
};
