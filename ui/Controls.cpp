#include "Controls.h"

#include "Twips.h"

#include <QFrame>
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

void line(QWidget *parent, const QString &objectName, QPoint from, QPoint to) {
    auto *line = new QFrame(parent);
    line->setObjectName(objectName);
    const bool vertical = from.x() == to.x();
    line->setFrameStyle((vertical ? QFrame::VLine : QFrame::HLine) | QFrame::Plain);
    line->setForegroundRole(QPalette::WindowText);
    const QPoint start = twips::point(from.x(), from.y());
    const QPoint end = twips::point(to.x(), to.y());
    line->setGeometry(vertical ? QRect(start.x(), start.y(), 1, end.y() - start.y() + 1)
                               : QRect(start.x(), start.y(), end.x() - start.x() + 1, 1));
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
