#pragma once

#include "ScriptedDialogs.h"
#include "game/frmWords.h"

#include <QLineEdit>
#include <QString>

#include <cstdint>
#include <memory>

// A real game window on the offscreen platform with scripted dialogs, played
// the way a player plays it: keys to the window, clicks on the controls.
class GameDriver {
public:
    explicit GameDriver(PuzzleDraw draw = drawUniform);

    frmWords &window() { return *window_; }
    ScriptedDialogs dialogs;

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString &text);
    // F3 with the given text typed into the dialog.
    void selectPuzzle(const QString &typed);
    void click(const QString &control);

    // A row's box (rows 1 to 5 are the answers, 6 the final row); nullptr past the row's end.
    QLineEdit *box(std::int16_t row, std::int16_t index) const;
    // The letters of the row's shown boxes, "_" for an empty one.
    QString rowText(std::int16_t row) const;
    // Clicks box 1 of the row and types the text into it.
    void typeRow(std::int16_t row, const QString &text);

private:
    std::unique_ptr<frmWords> window_;
};
