// Select Specific Puzzle: play a puzzle by its number.
#include "PuzzleNumber.h"
#include "app/Dialogs.h"
#include "frmWords.h"

void frmWords::mnuSelectPuzzle_Click() {
    const QString typed = dialogs_.askText(
        this,
        tr("Enter the number of the puzzle you wish to play.  Valid numbers are from 1 to %1")
            .arg(state_.MaxPuzzleNumber),
        tr("Enter Puzzle Number"));
    const PuzzleChoice choice = choosePuzzle(typed, QLocale(), state_.MaxPuzzleNumber);
    switch (choice.kind) {
    case PuzzleChoice::Kind::Nothing:
        return;
    case PuzzleChoice::Kind::Rejected:
        state_.SelectedPuzzleNumber = choice.number;
        dialogs_.showMessage(this, invalidPuzzleNumberMessage(state_.MaxPuzzleNumber), choice.title,
                             Dialogs::Icon::Exclamation);
        break;
    case PuzzleChoice::Kind::Play:
        state_.SelectedPuzzleNumber = choice.number;
        ClearBoard();
        BuildBoard(state_.SelectedPuzzleNumber);
        break;
    }
    if (choice.focusFirstAnswerBox) {
        focusFirstAnswerBox();
    }
}
