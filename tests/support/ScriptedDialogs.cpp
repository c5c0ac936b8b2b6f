#include "ScriptedDialogs.h"

QString ScriptedDialogs::askText(QWidget *, const QString &prompt, const QString &title) {
    shown.append({Kind::AskText, prompt, title, Icon::None});
    return typedTexts.isEmpty() ? QString() : typedTexts.dequeue();
}

void ScriptedDialogs::showMessage(QWidget *, const QString &text, const QString &title, Icon icon) {
    shown.append({Kind::Message, text, title, icon});
}

bool ScriptedDialogs::askYesNo(QWidget *, const QString &text, const QString &title, Icon icon) {
    shown.append({Kind::YesNo, text, title, icon});
    return !yesNoAnswers.isEmpty() && yesNoAnswers.dequeue();
}
