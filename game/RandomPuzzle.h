#pragma once

#include <cstdint>

// The puzzle for a random draw u from [0, 1): floor(max * u + 1), so every
// number from 1 to max is equally likely.
std::int16_t puzzleNumberForDraw(std::int16_t maxPuzzleNumber, float u);

// A fresh draw from [0, 1), reseeded from the high-resolution clock each time
// so that two quick requests do not share a seed.
float drawUniform();
