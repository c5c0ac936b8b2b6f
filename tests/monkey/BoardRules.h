#pragma once

#include <QString>

class frmWords;

// What must hold on the game window whatever the player has done: every row
// has exactly one visible box per letter of its answer in ActivePuzzle, no box
// holds more than one whole character, the pattern boxes stay hidden, the hint
// counters stay within their answers, the title names the puzzle in
// ActivePuzzle and the window is still open. Gives the first rule broken, or
// an empty text when all hold.
QString brokenBoardRule(const frmWords &window);
