// The "?" buttons: each press writes one more leading letter of its row's
// answer. The writes go through letter entry, which moves the focus on.
#include "HintCycle.h"
#include "LetterBox.h"
#include "frmWords.h"
#include "puzzles/basPuzzles.h"

using basPuzzles::ActivePuzzle;

void frmWords::cmdHint_Click(std::int16_t Index) {
    revealLeadingLetters(Index, state_.HintCount(Index), ActivePuzzle.Answers(Index));
}

void frmWords::cmdClueHint_Click() {
    revealLeadingLetters(GameState::FinalRow, state_.ClueHintCount, ActivePuzzle.FinalAnswer);
}

void frmWords::revealLeadingLetters(std::int16_t row, std::int16_t &hintCount, const QString &answer) {
    const HintStep step = hintStep(hintCount, answer);
    hintCount = step.count;
    for (const BoxWrite &write : step.writes) {
        (*rows_(row))(write.box).setText(write.text);
    }
}
