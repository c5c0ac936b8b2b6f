#pragma once

#include <QPalette>
#include <QPixmap>
#include <QString>

class QLabel;
class QPoint;
class QRect;
class QWidget;

// Small factories for the fixed controls that several windows share in kind.
namespace controls {

// A label at a fixed place, named for tests and screen readers.
QLabel *label(QWidget *parent, const QString &objectName, const QRect &geometry, const QString &text,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// A one-pixel line from one end point to the other, given in twips, in the window's text colour.
void line(QWidget *parent, const QString &objectName, QPoint from, QPoint to);

// A resource image at its own size in device-independent pixels. On a scaled
// screen it is the double-size drawing beside it ("name@2x.gif"), so that it
// stays sharp.
QPixmap sharpPicture(const QString &imagePath, qreal devicePixelRatio);

// A picture box: a resource image on a background of the given palette role.
QLabel *picture(QWidget *parent, const QString &objectName, const QRect &geometry, const QString &imagePath,
                QPalette::ColorRole background, const QString &accessibleName);

} // namespace controls
