#pragma once

#include "accessory/AboutServices.h"
#include "accessory/Accessories.h"
#include "game/frmWords.h"

#include <memory>

// The running game program: the splash that opens the program, the one game
// window the splash hands over to, and the Help menu's windows beside it.
// main() makes one right after the application object and keeps it to the end.
class GameProgram {
public:
    // Names the application, gives it its icon and shows the splash. The
    // services are the system's and the player's dialogs, or a test's.
    explicit GameProgram(const AboutServices &services);
    GameProgram(const GameProgram &) = delete;
    GameProgram &operator=(const GameProgram &) = delete;

private:
    Dialogs &dialogs_;
    Accessories accessories_;
    std::unique_ptr<frmWords> game_;
};
