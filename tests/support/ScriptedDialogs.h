#pragma once

#include "ui/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>

// Plays the player's part in modal dialogs: answers come from a script, and
// every dialog shown is recorded as the player would have seen it.
class ScriptedDialogs final : public Dialogs {
public:
    enum class Kind { AskText, Message, YesNo };

    struct Shown {
        Kind kind;
        QString text, title;
        Icon icon;
    };

    QQueue<QString> typedTexts; // answers to askText; empty when the queue is empty
    QQueue<bool> yesNoAnswers;  // answers to askYesNo; No when the queue is empty
    QList<Shown> shown;

    QString askText(QWidget *, const QString &prompt, const QString &title) override {
        shown.append({Kind::AskText, prompt, title, Icon::None});
        return typedTexts.isEmpty() ? QString() : typedTexts.dequeue();
    }
    void showMessage(QWidget *, const QString &text, const QString &title, Icon icon) override {
        shown.append({Kind::Message, text, title, icon});
    }
    bool askYesNo(QWidget *, const QString &text, const QString &title, Icon icon) override {
        shown.append({Kind::YesNo, text, title, icon});
        return !yesNoAnswers.isEmpty() && yesNoAnswers.dequeue();
    }
};
