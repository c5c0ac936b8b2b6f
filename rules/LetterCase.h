#pragma once

#include <QString>

#include <cstdint>

// Stored answers are capitalised words and the check compares exactly, so a
// box's text is kept in the case of its place: the first box of a row upper
// case, every later box lower case.
inline QString caseForBox(const QString &text, std::int16_t index) {
    return index == 1 ? text.toUpper() : text.toLower();
}
