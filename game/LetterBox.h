#pragma once

#include <QLineEdit>

// A one-letter box. Its letter is selected whenever it gets the focus, by Tab,
// by a click or by the game moving on, so the next keystroke replaces the
// letter instead of being refused by the one-character limit. It holds one
// whole character at most, never half of one.
class LetterBox final : public QLineEdit {
    Q_OBJECT

public:
    explicit LetterBox(QWidget *parent);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};
