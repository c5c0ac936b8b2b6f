#include "ToolbarImages.h"

#include <QBitmap>
#include <QColor>
#include <QPixmap>

#include <array>

namespace toolbarimages {

namespace {

struct Picture {
    const char *key;
    const char *themeName;
    const char *fallback;
};

constexpr std::array<Picture, 5> Pictures{{
    {"Back", "go-previous", ":/toolbar/back.png"},
    {"Forward", "go-next", ":/toolbar/forward.png"},
    {"Stop", "process-stop", ":/toolbar/stop.png"},
    {"Refresh", "view-refresh", ":/toolbar/refresh.png"},
    {"Home", "go-home", ":/toolbar/home.png"},
}};

// Light grey is the drawings' see-through colour.
const QColor MaskColour(192, 192, 192);

QIcon drawing(const QString &path) {
    QPixmap pixmap(path);
    if (!pixmap.isNull()) {
        pixmap.setMask(pixmap.createMaskFromColor(MaskColour, Qt::MaskInColor));
    }
    return QIcon(pixmap);
}

} // namespace

QIcon image(const QString &key) {
    for (const Picture &picture : Pictures) {
        if (key == QLatin1String(picture.key)) {
            return QIcon::fromTheme(QLatin1String(picture.themeName),
                                    drawing(QLatin1String(picture.fallback)));
        }
    }
    return {};
}

} // namespace toolbarimages
