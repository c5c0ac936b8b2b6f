#pragma once

#include <cstdint>
#include <functional>

// The puzzle for a random draw u from [0, 1): floor(max * u + 1), so every
// number from 1 to max is equally likely.
std::int16_t puzzleNumberForDraw(std::int16_t maxPuzzleNumber, float u);

// A fresh draw from [0, 1), reseeded from the high-resolution clock each time
// so that two quick requests do not share a seed.
float drawUniform();

// Where the game window takes its random draws from; tests hand in a seeded one.
using PuzzleDraw = std::function<float()>;
