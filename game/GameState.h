#pragma once

#include "puzzles/OneBasedArray.h"

#include <cstdint>

// The game window's own counters. Rows 1 to 5 are the answer rows, row 6 the
// final row; each row knows its own length.
struct GameState {
    static constexpr std::int16_t FinalRow = 6;

    std::int16_t MaxPuzzleNumber = 0;
    std::int16_t SelectedPuzzleNumber = 0;
    OneBasedArray<std::int16_t, 5> HintCount;
    std::int16_t ClueHintCount = 0;
};
