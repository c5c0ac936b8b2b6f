// Reads fuzzed text as an entry of the puzzle-number dialog in the locales of
// players with other digits, separators and signs (Latin, Arabic-Indic and
// Bengali digits; full stop, apostrophe and comma between groups), and aborts,
// so that libFuzzer keeps the entry, unless only an empty entry does nothing,
// the puzzle played is the number read and within range, and a rejection names
// the number read or else the text as typed.
#include "rules/PuzzleNumber.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString typed = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Switzerland),
                                  QLocale(QLocale::Arabic, QLocale::Egypt), QLocale(QLocale::Bengali)}) {
        const PuzzleChoice choice = choosePuzzle(typed, locale, 50);
        const std::optional<std::int16_t> number = readPuzzleNumber(typed, locale);
        const bool play = number && *number >= 1 && *number <= 50;
        using enum PuzzleChoice::Kind;
        const PuzzleChoice::Kind expected = typed.isEmpty() ? Nothing : play ? Play : Rejected;
        if (choice.kind != expected || (play && choice.number != *number) ||
            (expected == Rejected &&
             choice.title != (number ? QString::number(*number) : typed) + " is an Invalid Puzzle Number")) {
            std::abort();
        }
    }
    return 0;
}
