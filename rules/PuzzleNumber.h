#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

// Reads a typed puzzle number the way the player's locale writes numbers:
// blanks around it, a sign, digit-group separators and a decimal part are
// fine; the value is rounded half to even. Gives nothing for a text that is
// not a number, or whose rounded value does not fit 16 bits.
std::optional<std::int16_t> readPuzzleNumber(const QString &text, const QLocale &locale);

// What an entry in the puzzle-number dialog leads to.
struct PuzzleChoice {
    enum class Kind { Nothing, Rejected, Play };

    Kind kind = Kind::Nothing;
    std::int16_t number = 0;          // the number read, when there is one
    QString title;                    // title of the rejection message
    bool focusFirstAnswerBox = false; // after a rejection
};

PuzzleChoice choosePuzzle(const QString &typed, const QLocale &locale, std::int16_t maxPuzzleNumber);

// The rejection message, which names the valid range and how to try again.
QString invalidPuzzleNumberMessage(std::int16_t maxPuzzleNumber);
