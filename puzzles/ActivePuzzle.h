#pragma once

#include "OneBasedArray.h"

#include <QString>

#include <cstdint>

namespace basPuzzles {

// The content of one puzzle. Item k ("slot k") is Definitions(2k-1),
// Definitions(2k), Answers(k) and MarkedPositions(k); slot k is answer row k
// of the board.
struct PuzzleRecord {
    OneBasedArray<QString, 10> Definitions;
    OneBasedArray<QString, 5> Answers;
    QString FinalClue;
    QString FinalAnswer;
    OneBasedArray<std::int16_t, 5> MarkedPositions;

    bool operator==(const PuzzleRecord &) const = default;
};

// The puzzle in play, read-only: LoadPuzzle is its only writer. Empty (empty
// texts, positions 0) until the first LoadPuzzle.
extern const PuzzleRecord &ActivePuzzle;

} // namespace basPuzzles
