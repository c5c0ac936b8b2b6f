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
    const char *drawing;
};

constexpr std::array<Picture, 5> Pictures{{
    {"Back", "go-previous", "back"},
    {"Forward", "go-next", "forward"},
    {"Stop", "process-stop", "stop"},
    {"Refresh", "view-refresh", "refresh"},
    {"Home", "go-home", "home"},
}};

// Light grey is the drawings' see-through colour.
const QColor MaskColour(192, 192, 192);

QPixmap masked(const QString &path, qreal devicePixelRatio) {
    QPixmap pixmap(path);
    if (!pixmap.isNull()) {
        pixmap.setMask(pixmap.createMaskFromColor(MaskColour, Qt::MaskInColor));
        pixmap.setDevicePixelRatio(devicePixelRatio);
    }
    return pixmap;
}

// The 24-pixel drawing, and the 48-pixel one that scaled screens show instead.
QIcon drawing(const QString &name) {
    QIcon icon;
    icon.addPixmap(masked(QStringLiteral(":/toolbar/%1.png").arg(name), 1));
    icon.addPixmap(masked(QStringLiteral(":/toolbar/%1@2x.png").arg(name), 2));
    return icon;
}

} // namespace

QIcon image(const QString &key) {
    for (const Picture &picture : Pictures) {
        if (key == QLatin1String(picture.key)) {
            return QIcon::fromTheme(QLatin1String(picture.themeName),
                                    drawing(QLatin1String(picture.drawing)));
        }
    }
    return {};
}

} // namespace toolbarimages
