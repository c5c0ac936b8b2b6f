#pragma once

#include <QFont>

// The game's fonts, each with fallbacks for desktops that lack the original
// Windows face: Liberation fonts are metric twins of Arial and Times New Roman,
// and the desktop's own sans stands in for MS Sans Serif.
namespace fonts {

QFont blackSans(qreal pointSize);                           // Arial Black
QFont desktopSans(qreal pointSize, bool underline = false); // MS Sans Serif
QFont boldSerif(qreal pointSize);                           // Times New Roman, bold

} // namespace fonts
