#include "Controls.h"

#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace controls {

QPixmap sharpPicture(const QString &imagePath, qreal devicePixelRatio) {
    return QIcon(imagePath).pixmap(QImageReader(imagePath).size(), devicePixelRatio);
}

QLabel *label(QWidget *parent, const QString &objectName, const QRect &geometry, const QString &text,
              Qt::Alignment alignment) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QLabel *picture(QWidget *parent, const QString &objectName, const QRect &geometry, const QString &imagePath,
                QPalette::ColorRole background, const QString &accessibleName) {
    auto *picture = label(parent, objectName, geometry, QString(), Qt::AlignCenter);
    picture->setPixmap(sharpPicture(imagePath, picture->devicePixelRatioF()));
    picture->setBackgroundRole(background);
    picture->setAutoFillBackground(true);
    picture->setAccessibleName(accessibleName);
    return picture;
}

} // namespace controls
