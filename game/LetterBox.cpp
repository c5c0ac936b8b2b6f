#include "LetterBox.h"

#include <QMouseEvent>

void LetterBox::mousePressEvent(QMouseEvent *event) {
    QLineEdit::mousePressEvent(event);
    setSelection(0, 1);
}

void LetterBox::mouseMoveEvent(QMouseEvent *event) {
    // A drag would shrink the selection to nothing in a one-letter box.
    event->ignore();
}
