#pragma once

#include <QString>

class QWidget;

// Every word the game says to the player goes through a modal dialog. Windows
// receive this interface so that tests can script the player's answers.
class Dialogs {
public:
    enum class Icon { None, Exclamation };

    virtual ~Dialogs() = default;

    // Asks for a line of text with OK and Cancel; Cancel gives an empty text.
    virtual QString askText(QWidget *parent, const QString &prompt, const QString &title) = 0;

    // A message with an OK button.
    virtual void showMessage(QWidget *parent, const QString &text, const QString &title, Icon icon) = 0;

    // A question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &text, const QString &title, Icon icon) = 0;
};
