#pragma once

#include <QLineEdit>

// A one-letter box. A click keeps its letter selected, as reaching it by Tab
// or by the automatic move does, so the next keystroke replaces the letter
// instead of being refused by the one-character limit.
class LetterBox final : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};
