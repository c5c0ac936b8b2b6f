#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <random>

// What a restless player types, pastes and enters as a puzzle number, all
// drawn from one seeded generator so that a run can be replayed.
class RandomEntries {
public:
    explicit RandomEntries(std::uint64_t seed)
        : generator_(seed) {}

    int below(int bound); // 0 to bound - 1
    bool chance(int percent);
    float uniform(); // [0, 1), like the game's own draw

    // One typed character: ASCII letters of either case, digits, blanks and
    // punctuation, and letters and marks from other scripts, some of which
    // change length in upper or lower case or lie outside 16 bits.
    QString character();

    // A paste: usually a few dozen characters, sometimes thousands.
    QString longText();

    // An entry for the puzzle-number dialog, and what it must lead to where
    // that is certain whatever the locale's finer rules.
    struct PuzzleEntry {
        enum class Outcome { Opens, KeepsBoard, Unsure };
        QString text;
        Outcome outcome = Outcome::Unsure;
        std::int16_t number = 0; // the puzzle it opens
    };
    PuzzleEntry puzzleEntry(const QLocale &locale, std::int16_t maxPuzzleNumber);

private:
    PuzzleEntry wholeNumber(const QLocale &locale, std::int16_t maxPuzzleNumber);
    PuzzleEntry decimalNumber(const QLocale &locale, std::int16_t maxPuzzleNumber);
    PuzzleEntry exponentNumber(std::int16_t maxPuzzleNumber);
    PuzzleEntry groupedNumber(const QLocale &locale);
    PuzzleEntry foreignNumber();
    QString blanks();

    std::mt19937_64 generator_;
};
