#include "QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon toMessageBoxIcon(Dialogs::Icon icon) {
    return icon == Dialogs::Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon;
}

QMessageBox::StandardButton runMessageBox(QWidget *parent, const QString &text, const QString &title,
                                          Dialogs::Icon icon, QMessageBox::StandardButtons buttons) {
    QMessageBox box(toMessageBoxIcon(icon), title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

QString QtDialogs::askText(QWidget *parent, const QString &prompt, const QString &title) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &accepted);
    return accepted ? text : QString();
}

void QtDialogs::showMessage(QWidget *parent, const QString &text, const QString &title, Icon icon) {
    runMessageBox(parent, text, title, icon, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(QWidget *parent, const QString &text, const QString &title, Icon icon) {
    return runMessageBox(parent, text, title, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
