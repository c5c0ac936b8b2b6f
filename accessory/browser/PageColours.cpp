#include "PageColours.h"

#include "ui/Colours.h"

#include <QtGlobal>

namespace pagecolours {

namespace {

constexpr char FlagsVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";
constexpr char DarkPages[] = "--force-dark-mode";

} // namespace

QByteArray chromiumFlags(const QByteArray &flags, const QPalette &palette) {
    if (!colours::isDark(palette) || flags.split(' ').contains(DarkPages)) {
        return flags;
    }
    return flags.isEmpty() ? QByteArray(DarkPages) : flags + ' ' + DarkPages;
}

void followPalette(const QPalette &palette) {
    qputenv(FlagsVariable, chromiumFlags(qgetenv(FlagsVariable), palette));
}

} // namespace pagecolours
