#include "AddressBox.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QWheelEvent>

namespace {

constexpr int EnterKey = 13;

} // namespace

AddressBox::AddressBox(QWidget *parent)
    : QComboBox(parent) {
    setEditable(true);
    // Addresses enter the list only once the browser has actually gone there.
    setInsertPolicy(QComboBox::NoInsert);
    // The address navigated to is exactly the one typed, never a completion of it.
    setCompleter(nullptr);
    connect(this, &QComboBox::activated, this, [this] {
        if (!leaving_) {
            emit Click();
        }
    });
}

void AddressBox::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Kept from the line edit: its end of editing would activate a matching entry, a second navigation.
        event->accept();
        emit KeyPress(EnterKey);
        return;
    }
    QComboBox::keyPressEvent(event);
    if (!event->text().isEmpty()) {
        emit KeyPress(event->text().front().unicode());
    }
}

void AddressBox::focusOutEvent(QFocusEvent *event) {
    // Leaving the box ends the line edit's editing, which activates an entry matching the text.
    const QScopedValueRollback quiet(leaving_, true);
    QComboBox::focusOutEvent(event);
}

void AddressBox::wheelEvent(QWheelEvent *event) {
    // The wheel over the closed box neither steps through the list nor navigates.
    event->ignore();
}
