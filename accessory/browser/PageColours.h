#pragma once

#include <QByteArray>

class QPalette;

// Chromium chooses between a page's light and dark colours by its own idea of
// the desktop, which knows nothing of Qt's palette. On a dark palette it is told
// to prefer dark pages, through the flags it reads as the web engine starts.
namespace pagecolours {

// The web engine's flags, with dark pages asked for when the palette is dark.
QByteArray chromiumFlags(const QByteArray &flags, const QPalette &palette);

// Sets those flags for this process; it must run before the first web view is made.
void followPalette(const QPalette &palette);

} // namespace pagecolours
