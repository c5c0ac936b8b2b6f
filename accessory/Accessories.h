#pragma once

#include "AboutServices.h"
#include "InstructionsLauncher.h"

#include <QPointer>

class QWidget;
class frmAbout;

// The Help menu's windows of the running game: each a single instance that
// lives beside the game, never modal.
class Accessories final {
public:
    explicit Accessories(const AboutServices &aboutServices);
    ~Accessories();
    Accessories(const Accessories &) = delete;
    Accessories &operator=(const Accessories &) = delete;

    // The About box, placed relative to the game window's current position.
    void showAbout(const QWidget &gameWindow);

    // The instructions page in its own viewer window.
    void showInstructions();

private:
    AboutServices aboutServices_;
    QPointer<frmAbout> about_; // null while the box is closed
    InstructionsLauncher instructions_;
};
