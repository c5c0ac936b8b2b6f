#include "FocusAnew.h"

#include <QAccessible>
#include <QWidget>

void focusAnew(QWidget &widget, QWidget &restingPlace) {
    restingPlace.setFocus();
    if (QAccessible::isActive()) {
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&widget)));
    }
    widget.setFocus();
}
