// Reads fuzzed text as an entry of the puzzle-number dialog in the locales of
// players with other digits, separators and signs, and checks what the
// dialog's handler relies on: a puzzle is played only within the valid range,
// a number the locale reads is never refused as text, every rejection names
// what was entered and moves the focus only for text, and nothing crashes.
#include "rules/PuzzleNumber.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr std::int16_t MaxPuzzleNumber = 50;

// Texts this short are read whenever the locale reads them; longer ones may be
// refused unread, which no one typing a puzzle number would notice.
constexpr qsizetype AlwaysReadLength = 32;

void require(bool holds, const char *rule, const QString &typed, const QLocale &locale) {
    if (!holds) {
        std::fprintf(stderr, "Broken in %s for \"%s\": %s\n", qPrintable(locale.name()), qPrintable(typed),
                     rule);
        std::abort();
    }
}

// Latin, Arabic-Indic, Persian and Bengali digits; full stop, comma, apostrophe
// and narrow blank between groups; minus signs with and without direction marks.
const std::vector<QLocale> &locales() {
    static const std::vector<QLocale> all{
        QLocale::c(),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::German, QLocale::Switzerland),
        QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::Swedish, QLocale::Sweden),
        QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Persian, QLocale::Iran),
        QLocale(QLocale::Bengali, QLocale::Bangladesh),
    };
    return all;
}

// Whether value, rounded half to even, fits a 16-bit puzzle number.
bool roundsIntoSixteenBits(double value) {
    return value >= -32768.5 && value < 32767.5;
}

bool isRoundedHalfToEven(double value, std::int16_t number) {
    const double off = std::abs(value - number);
    return off < 0.5 || (off == 0.5 && number % 2 == 0);
}

void checkEntry(const QString &typed, const QLocale &locale) {
    const QString suffix = QStringLiteral(" is an Invalid Puzzle Number");
    const PuzzleChoice choice = choosePuzzle(typed, locale, MaxPuzzleNumber);
    const std::optional<std::int16_t> number = readPuzzleNumber(typed, locale);
    bool isNumber = false;
    const double value = locale.toDouble(typed, &isNumber);

    if (number) {
        require(isNumber && isRoundedHalfToEven(value, *number),
                "the number read is the locale's value rounded half to even", typed, locale);
    } else if (typed.size() <= AlwaysReadLength) {
        require(!isNumber || !roundsIntoSixteenBits(value), "a number that fits 16 bits is read", typed,
                locale);
    }
    switch (choice.kind) {
    case PuzzleChoice::Kind::Nothing:
        require(typed.isEmpty(), "only an empty entry does nothing", typed, locale);
        break;
    case PuzzleChoice::Kind::Play:
        require(number && *number == choice.number, "the puzzle played is the number read", typed, locale);
        require(choice.number >= 1 && choice.number <= MaxPuzzleNumber, "a puzzle played is within range",
                typed, locale);
        require(choice.focusFirstAnswerBox, "a puzzle played starts in the first box", typed, locale);
        break;
    case PuzzleChoice::Kind::Rejected:
        if (number) {
            require(*number < 1 || *number > MaxPuzzleNumber, "a rejected number is outside the range", typed,
                    locale);
            require(choice.number == *number, "a rejected number is kept", typed, locale);
            require(choice.title == QString::number(*number) + suffix,
                    "a rejected number is named in the title", typed, locale);
            require(!choice.focusFirstAnswerBox, "a rejected number leaves the focus alone", typed, locale);
        } else {
            require(!typed.isEmpty(), "an empty entry is not rejected", typed, locale);
            require(choice.title == typed + suffix, "a rejected text is named in the title as typed", typed,
                    locale);
            require(choice.focusFirstAnswerBox, "a rejected text sends the focus to the first box", typed,
                    locale);
        }
        break;
    }
}

// The bytes as UTF-8, where broken sequences become replacement characters,
// and as UTF-16 in the machine's byte order, where lone surrogates survive.
std::vector<QString> typedTexts(const std::uint8_t *data, std::size_t size) {
    QString utf16(static_cast<qsizetype>(size / sizeof(char16_t)), Qt::Uninitialized);
    if (!utf16.isEmpty()) {
        std::memcpy(utf16.data(), data, static_cast<std::size_t>(utf16.size()) * sizeof(char16_t));
    }
    return {QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)), utf16};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    for (const QString &typed : typedTexts(data, size)) {
        for (const QLocale &locale : locales()) {
            checkEntry(typed, locale);
        }
    }
    return 0;
}
