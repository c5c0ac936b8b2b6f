#include "AccessibleTree.h"

#include <QAccessible>
#include <QWidget>

namespace {

bool isInteractive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::CheckBox:
    case QAccessible::MenuItem:
    case QAccessible::Link:
    case QAccessible::Graphic:
        return true;
    default:
        return false;
    }
}

void walk(QAccessibleInterface *node, AccessibleControls &result) {
    if (!node || node->state().invisible) {
        return;
    }
    if (isInteractive(node->role())) {
        ++result.count;
        if (node->text(QAccessible::Name).trimmed().isEmpty()) {
            const QObject *object = node->object();
            result.unnamed << QStringLiteral("%1 (role %2)")
                                  .arg(object ? object->objectName() : QStringLiteral("?"))
                                  .arg(node->role());
        }
    }
    for (int i = 0; i < node->childCount(); ++i) {
        walk(node->child(i), result);
    }
}

} // namespace

AccessibleControls walkAccessibleTree(QWidget &window) {
    AccessibleControls result;
    walk(QAccessible::queryAccessibleInterface(&window), result);
    return result;
}
