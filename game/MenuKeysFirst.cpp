#include "MenuKeysFirst.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

MenuKeysFirst::MenuKeysFirst(QWidget &window, QList<QAction *> menuItems)
    : QObject(&window)
    , window_(window)
    , menuItems_(std::move(menuItems)) {
    qApp->installEventFilter(this);
}

bool MenuKeysFirst::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const auto *widget = qobject_cast<QWidget *>(watched);
    const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
    if (widget && widget->window() == &window_ &&
        std::any_of(menuItems_.begin(), menuItems_.end(),
                    [&pressed](const QAction *item) { return item->shortcut() == pressed; })) {
        // Left unaccepted, the key goes to the menu's shortcut instead of the focused box.
        event->ignore();
        return true;
    }
    return false;
}
