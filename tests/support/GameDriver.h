#pragma once

#include "Keys.h"
#include "ScriptedDialogs.h"
#include "game/frmWords.h"
#include "puzzles/basPuzzles.h"

#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

#include <cstdint>
#include <memory>

// A real game window on the offscreen platform with scripted dialogs, played
// the way a player plays it: keys to the window, clicks on the controls.
class GameDriver {
public:
    explicit GameDriver(PuzzleDraw draw = drawUniform)
        : window_(std::make_unique<frmWords>(dialogs, std::move(draw))) {
        window_->show();
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_.get()))
            qFatal("the game window never became active");
    }

    frmWords &window() { return *window_; }
    ScriptedDialogs dialogs;

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        test::press(*window_, key, modifiers);
    }
    void type(const QString &text) { test::type(*window_, text); }
    // F3 with the given text typed into the dialog.
    void selectPuzzle(const QString &typed) {
        dialogs.typedTexts.enqueue(typed);
        press(Qt::Key_F3);
    }
    QWidget *control(const QString &name) const { return window_->findChild<QWidget *>(name); }
    void click(const QString &name) { QTest::mouseClick(control(name), Qt::LeftButton); }

    // A row's box (rows 1 to 5 are the answers, 6 the final row); nullptr past the row's end.
    QLineEdit *box(std::int16_t row, std::int16_t index) const {
        const QString array = row == 6 ? QStringLiteral("txtPClue") : QStringLiteral("txtAns%1").arg(row);
        auto *found = window_->findChild<QLineEdit *>(QStringLiteral("%1(%2)").arg(array).arg(index));
        return found && found->isVisible() ? found : nullptr;
    }
    // The letters of the row's shown boxes, "_" for an empty one.
    QString rowText(std::int16_t row) const {
        QString text;
        for (std::int16_t index = 1; const QLineEdit *letter = box(row, index); ++index)
            text += letter->text().isEmpty() ? QStringLiteral("_") : letter->text();
        return text;
    }
    // Every row's letters, the final row last.
    QString board() const {
        QStringList rows;
        for (std::int16_t row = 1; row <= 6; ++row)
            rows << rowText(row);
        return rows.join(u' ');
    }
    void paste(const QString &text) {
        QGuiApplication::clipboard()->setText(text);
        press(Qt::Key_V, Qt::ControlModifier);
    }
    // The answer of a row of the puzzle on the board.
    static const QString &answer(std::int16_t row) {
        return row == 6 ? basPuzzles::ActivePuzzle.FinalAnswer : basPuzzles::ActivePuzzle.Answers(row);
    }
    // Clicks box 1 of the row and types the text into it.
    void typeRow(std::int16_t row, const QString &text) {
        QTest::mouseClick(box(row, 1), Qt::LeftButton);
        type(text);
    }

private:
    std::unique_ptr<frmWords> window_;
};
