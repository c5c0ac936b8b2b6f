#pragma once

#include "ActivePuzzle.h"

#include <cstdint>
#include <optional>

namespace basPuzzles {

// The built-in puzzles are numbered 1 to CatalogSize.
inline constexpr std::int16_t CatalogSize = 50;

// The built-in puzzle of that number, or nothing outside 1 to CatalogSize.
std::optional<PuzzleRecord> catalogEntry(std::int16_t puzzleNumber);

// Overwrites every element of ActivePuzzle with the puzzle of that number.
// Any other number is ignored, so ActivePuzzle keeps what it held.
void LoadPuzzle(std::int16_t puzzleNumber);

} // namespace basPuzzles
