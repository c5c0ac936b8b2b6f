#pragma once

#include "accessory/Accessories.h"
#include "accessory/SystemRegistry.h"
#include "accessory/SystemServices.h"
#include "app/QtDialogs.h"
#include "game/frmWords.h"

#include <memory>

// The running game program: the services behind the Help menu, the splash that
// opens the program and the one game window the splash hands over to. main()
// makes one right after the application object and keeps it to the end.
class GameProgram {
public:
    // Names the application, gives it its icon and shows the splash.
    GameProgram();
    GameProgram(const GameProgram &) = delete;
    GameProgram &operator=(const GameProgram &) = delete;

private:
    QtDialogs dialogs_;
    SystemRegistry registry_;
    SystemServices system_;
    Accessories accessories_{{registry_, system_, system_, system_, dialogs_}};
    std::unique_ptr<frmWords> game_;
};
