#pragma once

#include "Dialogs.h"

// The player's real dialogs: QInputDialog and QMessageBox.
class QtDialogs final : public Dialogs {
public:
    QString askText(QWidget *parent, const QString &prompt, const QString &title) override;
    void showMessage(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    bool askYesNo(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
};
