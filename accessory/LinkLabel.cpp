#include "LinkLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

class AccessibleLink final : public QAccessibleWidget {
public:
    explicit AccessibleLink(LinkLabel *link)
        : QAccessibleWidget(link, QAccessible::Link) {}

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }

    void doAction(const QString &actionName) override {
        if (actionName == pressAction()) {
            static_cast<LinkLabel *>(widget())->click();
        } else {
            QAccessibleWidget::doAction(actionName);
        }
    }
};

QAccessibleInterface *accessibleLink(const QString &className, QObject *object) {
    if (className == QLatin1String(LinkLabel::staticMetaObject.className())) {
        return new AccessibleLink(static_cast<LinkLabel *>(object));
    }
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent) {
    static const bool accessibleAsLink = (QAccessible::installFactory(accessibleLink), true);
    Q_UNUSED(accessibleAsLink);
    setMouseTracking(true);
    // Reachable from the keyboard too, not only by mouse.
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::mouseMoveEvent(QMouseEvent *event) {
    emit mouseMoved();
    QLabel::mouseMoveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    // A click is a press and release of the left button on the label.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        click();
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QStylePainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}
