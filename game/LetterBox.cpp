#include "LetterBox.h"

#include <QMouseEvent>
#include <QValidator>

namespace {

// The one-letter limit counts UTF-16 units, so on its own it would keep the
// first half of a character beyond them (an emoji, a rare CJK ideograph).
// Typed or pasted, such a character is refused whole instead.
class WholeCharacters final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override {
        return QStringView(input).isValidUtf16() ? Acceptable : Invalid;
    }
};

} // namespace

LetterBox::LetterBox(QWidget *parent)
    : QLineEdit(parent) {
    setMaxLength(1);
    setValidator(new WholeCharacters(this));
    setAlignment(Qt::AlignCenter);
}

void LetterBox::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    setSelection(0, 1);
}

void LetterBox::mousePressEvent(QMouseEvent *event) {
    QLineEdit::mousePressEvent(event);
    setSelection(0, 1);
}

void LetterBox::mouseMoveEvent(QMouseEvent *event) {
    // A drag would shrink the selection to nothing in a one-letter box.
    event->ignore();
}
