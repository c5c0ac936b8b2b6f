#pragma once

#include <QAccessible>
#include <QDebug>
#include <QStringList>
#include <QWidget>

// What a screen reader finds in a window: every visible control it can land
// on, and which of them have no name to speak.
struct AccessibleControls {
    int count = 0;
    QStringList unnamed; // the role, class and object name of each control without a name
};

inline void walkAccessibleTree(QAccessibleInterface *node, AccessibleControls &found) {
    static const QList<QAccessible::Role> landedOn{
        QAccessible::PushButton, QAccessible::EditableText, QAccessible::ComboBox, QAccessible::CheckBox,
        QAccessible::MenuItem,   QAccessible::Link,         QAccessible::Graphic};
    if (!node || node->state().invisible)
        return;
    if (landedOn.contains(node->role()) && ++found.count && node->text(QAccessible::Name).trimmed().isEmpty())
        found.unnamed << QDebug::toString(node->role()) + ' ' + QDebug::toString(node->object());
    for (int i = 0; i < node->childCount(); ++i)
        walkAccessibleTree(node->child(i), found);
}

inline AccessibleControls walkAccessibleTree(QWidget &window) {
    AccessibleControls found;
    walkAccessibleTree(QAccessible::queryAccessibleInterface(&window), found);
    return found;
}
