// "Correct?": tells how many of the six items are wrong, never which, and
// offers a new game once everything is right.
#include "LetterBox.h"
#include "SolutionCheck.h"
#include "app/Dialogs.h"
#include "frmWords.h"
#include "puzzles/basPuzzles.h"

using basPuzzles::ActivePuzzle;

void frmWords::cmdCorrectPuz_Click() {
    SixItems rows;
    SixItems answers;
    for (std::int16_t row = 1; row <= GameState::FinalRow; ++row) {
        // An empty box adds nothing, so a row with a gap reads shorter.
        for (std::int16_t box = 1; box <= state_.RowLength(row); ++box) {
            rows[static_cast<std::size_t>(row - 1)] += (*rows_(row))(box).text();
        }
        answers[static_cast<std::size_t>(row - 1)] =
            row == GameState::FinalRow ? ActivePuzzle.FinalAnswer : ActivePuzzle.Answers(row);
    }

    const CheckMessage message = checkMessage(countCorrectItems(rows, answers));
    if (!message.offersNewGame) {
        dialogs_.showMessage(this, message.text, message.title, Dialogs::Icon::Exclamation);
    } else if (dialogs_.askYesNo(this, message.text, message.title, Dialogs::Icon::Exclamation)) {
        ClearBoard();
        BuildBoard(0);
        focusFirstAnswerBox();
    }
}
