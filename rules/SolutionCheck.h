#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The six items of a puzzle: the five answers, then the final answer.
using SixItems = std::array<QString, 6>;

// How many rows match their answers exactly: case-sensitive, no trimming.
std::int16_t countCorrectItems(const SixItems &rows, const SixItems &answers);

// What "Correct?" tells the player. Only a fully solved puzzle asks a
// question: whether to play again.
struct CheckMessage {
    QString text;
    QString title;
    bool offersNewGame = false;
};

CheckMessage checkMessage(std::int16_t correctItems);
