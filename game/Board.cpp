// Building and clearing the board: everything in the game window that
// depends on the puzzle in play.
#include "LetterBox.h"
#include "app/Colours.h"
#include "app/Twips.h"
#include "frmWords.h"
#include "puzzles/basPuzzles.h"

#include <QLabel>
#include <QPlainTextEdit>

using basPuzzles::ActivePuzzle;

namespace {

constexpr int BoxGapTwips = 75;
const QColor MarkedRed(255, 0, 0);

QString accessibleBoxName(std::int16_t row, std::int16_t index, std::int16_t length, bool marked) {
    const QString name = row == GameState::FinalRow
                             ? frmWords::tr("Final answer, letter %1 of %2").arg(index).arg(length)
                             : frmWords::tr("Answer %1, letter %2 of %3").arg(row).arg(index).arg(length);
    return marked ? frmWords::tr("%1, marked").arg(name) : name;
}

} // namespace

void frmWords::BuildBoard(const std::int16_t &number) {
    const std::int16_t chosen = number != 0 ? number : puzzleNumberForDraw(state_.MaxPuzzleNumber, draw_());
    basPuzzles::LoadPuzzle(chosen);
    setWindowTitle(QStringLiteral("Wordsnarl - Puzzle Number %1").arg(chosen));

    for (std::size_t i = 0; i < txtClue.size(); ++i) {
        const QString &definition = ActivePuzzle.Definitions(static_cast<std::int16_t>(i + 1));
        txtClue[i]->setPlainText(definition);
        // A long definition wraps beyond the box's one visible line.
        txtClue[i]->setToolTip(definition);
    }
    for (std::int16_t row = 1; row <= 5; ++row) {
        buildRow(row, ActivePuzzle.Answers(row), ActivePuzzle.MarkedPositions(row));
    }
    lblClue->setText(ActivePuzzle.FinalClue);
    lblClue->setAccessibleName(tr("Final clue: %1").arg(ActivePuzzle.FinalClue));
    buildRow(GameState::FinalRow, ActivePuzzle.FinalAnswer, 0);
}

// Loads one box per letter, each 75 twips right of the one before, and marks
// the box at markedPosition (none for 0). Keyboard users reach a row's boxes
// right after the row's definitions.
void frmWords::buildRow(std::int16_t row, const QString &answer, std::int16_t markedPosition) {
    LetterBoxArray &boxes = *rows_(row);
    const auto length = static_cast<std::int16_t>(answer.size());
    state_.RowLength(row) = length;
    QWidget *previousInTabOrder = row == GameState::FinalRow
                                      ? static_cast<QWidget *>(&(*rows_(5))(state_.RowLength(5)))
                                      : txtClue[2 * row - 1];
    for (std::int16_t index = 1; index <= length; ++index) {
        const LetterBox &previous = boxes(static_cast<std::int16_t>(index - 1));
        LetterBox &box = boxes.load(index);
        box.show();
        box.move(twips::toPixels(twips::fromPixels(previous.x()) + twips::fromPixels(previous.width()) +
                                 BoxGapTwips),
                 previous.y());
        box.setAccessibleName(accessibleBoxName(row, index, length, index == markedPosition));
        // The final clue is a label, which the keyboard never reaches: its boxes say it.
        box.setAccessibleDescription(row == GameState::FinalRow ? ActivePuzzle.FinalClue : QString());
        setTabOrder(previousInTabOrder, &box);
        previousInTabOrder = &box;
    }
    if (markedPosition != 0) {
        LetterBox &marked = boxes(markedPosition);
        marked.setPalette(colours::withFixedBackground(marked.palette(), MarkedRed));
    }
}

void frmWords::ClearBoard() {
    for (QPlainTextEdit *definition : txtClue) {
        definition->clear();
        definition->setToolTip(QString());
    }
    for (std::int16_t row = 1; row <= 5; ++row) {
        clearRow(row, ActivePuzzle.Answers(row));
    }
    lblClue->clear();
    lblClue->setAccessibleName(QString());
    clearRow(GameState::FinalRow, ActivePuzzle.FinalAnswer);
    for (std::int16_t &count : state_.HintCount) {
        count = 0;
    }
    state_.ClueHintCount = 0;
}

// The number of boxes comes from the puzzle still in ActivePuzzle, which is
// why a board is always cleared before the next puzzle is loaded.
void frmWords::clearRow(std::int16_t row, const QString &answer) {
    state_.RowLength(row) = static_cast<std::int16_t>(answer.size());
    for (std::int16_t index = 1; index <= state_.RowLength(row); ++index) {
        rows_(row)->unload(index);
    }
}

void frmWords::mnuNewGame_Click() {
    ClearBoard();
    BuildBoard(0);
    focusFirstAnswerBox();
}

void frmWords::focusFirstAnswerBox() {
    (*rows_(1))(1).setFocus();
}
