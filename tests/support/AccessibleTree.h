#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

// What a screen reader finds in a window: every visible control it can land
// on, and which of them have no name to speak.
struct AccessibleControls {
    int count = 0;
    QStringList unnamed; // "objectName (role)" of each control without a name
};

inline void walkAccessibleTree(QAccessibleInterface *node, AccessibleControls &found) {
    static const QList<QAccessible::Role> landedOn{
        QAccessible::PushButton, QAccessible::EditableText, QAccessible::ComboBox, QAccessible::CheckBox,
        QAccessible::MenuItem,   QAccessible::Link,         QAccessible::Graphic};
    if (!node || node->state().invisible)
        return;
    if (landedOn.contains(node->role()) && ++found.count && node->text(QAccessible::Name).trimmed().isEmpty())
        found.unnamed << QStringLiteral("%1 (role %2)")
                             .arg(node->object() ? node->object()->objectName() : QStringLiteral("?"))
                             .arg(node->role());
    for (int i = 0; i < node->childCount(); ++i)
        walkAccessibleTree(node->child(i), found);
}

inline AccessibleControls walkAccessibleTree(QWidget &window) {
    AccessibleControls found;
    walkAccessibleTree(QAccessible::queryAccessibleInterface(&window), found);
    return found;
}
