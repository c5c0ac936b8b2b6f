#pragma once

#include <QStringList>

class QWidget;

// What a screen reader finds in a window: every visible control it can land
// on, and which of them have no name to speak.
struct AccessibleControls {
    int count = 0;
    QStringList unnamed; // "objectName (role)" of each control without a name
};

AccessibleControls walkAccessibleTree(QWidget &window);
