#pragma once

class QWidget;

// The Help menu's windows. The game window only asks for them to be shown;
// each is a single instance that lives beside the game, never modal.
class AccessoryWindows {
public:
    virtual ~AccessoryWindows() = default;

    // The About box, placed relative to the game window's current position.
    virtual void showAbout(const QWidget &gameWindow) = 0;

    // The instructions page in its own viewer window, or wherever else it can be shown.
    virtual void showInstructions() = 0;
};
