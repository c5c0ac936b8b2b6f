#pragma once

#include "FakeAccessories.h"
#include "ScriptedDialogs.h"
#include "game/frmWords.h"

#include <QLineEdit>
#include <QString>

#include <cstdint>
#include <memory>

// A real game window on the offscreen platform with scripted dialogs, and the
// few ways a test looks at it or plays it as a player would.
class GameDriver {
public:
    explicit GameDriver(PuzzleDraw draw = drawUniform);

    frmWords &window() { return *window_; }
    ScriptedDialogs dialogs;
    FakeAccessories accessories;

    // Triggers a menu item by its name, as its shortcut or a click would.
    void choose(const char *menuItem);

    // Select Specific Puzzle with the given text typed into the dialog.
    void selectPuzzle(const QString &typed);

    // The box of a row (1 to 5 answer rows, 6 the final row), or nullptr.
    QLineEdit *box(std::int16_t row, std::int16_t index) const;
    QList<QLineEdit *> visibleBoxes(std::int16_t row) const;
    QString rowText(std::int16_t row) const; // letters of the visible boxes, blanks as "_"

    void pressHint(std::int16_t row);
    void pressCorrect();

    // Types the text into a row key by key, starting with a click on box 1.
    void typeRow(std::int16_t row, const QString &text);

private:
    std::unique_ptr<frmWords> window_;
};
