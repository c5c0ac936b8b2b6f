#include "RandomPuzzle.h"

#include <chrono>
#include <cmath>
#include <random>

std::int16_t puzzleNumberForDraw(std::int16_t maxPuzzleNumber, float u) {
    return static_cast<std::int16_t>(std::floor(static_cast<float>(maxPuzzleNumber) * u + 1.0F));
}

float drawUniform() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    std::mt19937 generator(seed);
    // 24 random bits fill a float's mantissa exactly, so the result is never 1.
    constexpr float TwoToMinus24 = 1.0F / 16777216.0F;
    return static_cast<float>(generator() >> 8) * TwoToMinus24;
}
