#pragma once

#include <QColor>
#include <QPalette>

// Colours that must stay readable whatever palette the desktop hands the game.
namespace colours {

// The contrast of two colours as the web's accessibility guidelines define it,
// from 1 (none) to 21 (black on white); 4.5 is enough for ordinary text.
double contrastRatio(const QColor &one, const QColor &other);

// Black or white, whichever reads better on the background.
QColor readableTextOn(const QColor &background);

// A palette for a text box with a fixed background: its text keeps a colour
// that reads on it, though the desktop's text colour might not (light text of
// a dark desktop on the game's red).
QPalette withFixedBackground(QPalette palette, const QColor &background);

// True when the desktop's windows are dark.
bool isDark(const QPalette &palette);

} // namespace colours
