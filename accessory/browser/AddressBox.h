#pragma once

#include <QComboBox>

// The address box: an editable combo box that navigates only when the player
// asks it to. A plain QComboBox also reports an activation when typed text
// happens to match a list entry as editing ends (on Enter, or on leaving the
// box) and on every turn of the mouse wheel, and it hands Enter to its line
// edit directly, past any event filter; here Enter is the box's own key.
class AddressBox final : public QComboBox {
    Q_OBJECT

public:
    explicit AddressBox(QWidget *parent);

signals:
    // An entry was chosen from the list: picked in the drop-down or stepped to with the arrow keys.
    void Click();
    // A key with a character was pressed in the box; Enter (either key) comes as 13.
    void KeyPress(int keyAscii);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool leaving_ = false;
};
