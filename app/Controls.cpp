#include "Controls.h"

#include <QLabel>
#include <QPixmap>

namespace controls {

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
    picture->setPixmap(QPixmap(imagePath));
    picture->setBackgroundRole(background);
    picture->setAutoFillBackground(true);
    picture->setAccessibleName(accessibleName);
    return picture;
}

} // namespace controls
