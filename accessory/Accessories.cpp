#include "Accessories.h"

void Accessories::showAbout(const QWidget &) {}

void Accessories::showInstructions() {}
