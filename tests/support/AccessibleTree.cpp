#include "AccessibleTree.h"

#include <QAccessible>
#include <QWidget>

namespace {

// The roles of the controls a screen reader lands on.
const QList<QAccessible::Role> InteractiveRoles{
    QAccessible::PushButton, QAccessible::EditableText, QAccessible::ComboBox, QAccessible::CheckBox,
    QAccessible::MenuItem,   QAccessible::Link,         QAccessible::Graphic};

void walk(QAccessibleInterface *node, AccessibleControls &result) {
    if (!node || node->state().invisible) {
        return;
    }
    if (InteractiveRoles.contains(node->role())) {
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
