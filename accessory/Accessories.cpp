#include "Accessories.h"

#include "InstructionsChannel.h"

#include <QCoreApplication>

Accessories::Accessories()
    : instructions_(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                    instructions::ViewerProgramName) {}

void Accessories::showAbout(const QWidget &) {}

void Accessories::showInstructions() {
    instructions_.show();
}
