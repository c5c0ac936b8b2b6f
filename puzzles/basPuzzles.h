#pragma once

#include "ActivePuzzle.h"

#include <cstdint>

namespace basPuzzles {

// The built-in puzzles are numbered 1 to CatalogSize.
inline constexpr std::int16_t CatalogSize = 50;

// Overwrites every element of ActivePuzzle with the puzzle of that number.
// Any other number is ignored, so ActivePuzzle keeps what it held.
void LoadPuzzle(const std::int16_t &puzzleNumber);

} // namespace basPuzzles
