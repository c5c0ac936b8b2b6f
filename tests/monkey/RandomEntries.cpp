#include "RandomEntries.h"

#include <QStringList>

#include <array>

namespace {

using Outcome = RandomEntries::PuzzleEntry::Outcome;

const QString Punctuation = QStringLiteral("!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~");

// Letters whose case mapping changes their length (ß, ŉ, ﬁ, ΐ, İ), final
// sigma, scripts without case, a combining mark, invisible characters and
// two characters that take two UTF-16 units.
const QStringList OtherScripts{
    QStringLiteral("\u00e9"), QStringLiteral("\u00c9"),     QStringLiteral("\u00fc"),
    QStringLiteral("\u00df"), QStringLiteral("\u00ff"),     QStringLiteral("\u0149"),
    QStringLiteral("\ufb01"), QStringLiteral("\u03b1"),     QStringLiteral("\u03a3"),
    QStringLiteral("\u03c2"), QStringLiteral("\u0390"),     QStringLiteral("\u0130"),
    QStringLiteral("\u0131"), QStringLiteral("\u0436"),     QStringLiteral("\u5b57"),
    QStringLiteral("\u8a9e"), QStringLiteral("\ud55c"),     QStringLiteral("\u0628"),
    QStringLiteral("\u0915"), QStringLiteral("\u0301"),     QStringLiteral("\u200d"),
    QStringLiteral("\u00a0"), QStringLiteral("\U0001F600"), QStringLiteral("\U0001D538"),
};

// Digits and numbers of other scripts: whether they count depends on the locale.
const QStringList ForeignNumbers{
    QStringLiteral("\uff17"),       QStringLiteral("\u096d"), QStringLiteral("\u0667"),
    QStringLiteral("\u0661\u0662"), QStringLiteral("\u09ed"), QStringLiteral("\u0e57"),
    QStringLiteral("\u2460"),       QStringLiteral("\u2166"), QStringLiteral("\u4e03"),
    QStringLiteral("\u00bd"),       QStringLiteral("0x1F"),   QStringLiteral("1/2"),
    QStringLiteral("$5"),           QStringLiteral("5%"),     QStringLiteral("--5"),
    QStringLiteral("4 5"),          QStringLiteral("3-"),     QStringLiteral("\u22123"),
};

// Never a number in any locale, or never a finite one.
const QStringList NotNumbers{
    QStringLiteral("abc"),     QStringLiteral("seven"), QStringLiteral("sieben"), QStringLiteral("7a"),
    QStringLiteral("inf"),     QStringLiteral("-inf"),  QStringLiteral("nan"),    QStringLiteral("NaN"),
    QStringLiteral("1e99999"), QStringLiteral("e"),     QStringLiteral("."),      QStringLiteral("-"),
};

Outcome outcomeOf(long long value, std::int16_t maxPuzzleNumber) {
    return value >= 1 && value <= maxPuzzleNumber ? Outcome::Opens : Outcome::KeepsBoard;
}

RandomEntries::PuzzleEntry entryFor(QString text, long long value, std::int16_t maxPuzzleNumber) {
    const Outcome outcome = outcomeOf(value, maxPuzzleNumber);
    return {std::move(text), outcome,
            outcome == Outcome::Opens ? static_cast<std::int16_t>(value) : std::int16_t{0}};
}

} // namespace

int RandomEntries::below(int bound) {
    return std::uniform_int_distribution<int>(0, bound - 1)(generator_);
}

bool RandomEntries::chance(int percent) {
    return below(100) < percent;
}

float RandomEntries::uniform() {
    // 24 bits fill a float's mantissa exactly, so 1 is never reached.
    return static_cast<float>(generator_() >> 40) / 16777216.0F;
}

QString RandomEntries::character() {
    const int kind = below(100);
    if (kind < 40) {
        const QChar letter(u'a' + below(26));
        return chance(50) ? QString(letter.toUpper()) : QString(letter);
    }
    if (kind < 50) {
        return QString(QChar(u'0' + below(10)));
    }
    if (kind < 55) {
        return QStringLiteral(" ");
    }
    if (kind < 65) {
        return QString(Punctuation.at(below(static_cast<int>(Punctuation.size()))));
    }
    return OtherScripts.at(below(static_cast<int>(OtherScripts.size())));
}

QString RandomEntries::longText() {
    const int length = chance(90) ? 2 + below(80) : 1000 + below(4000);
    QString text;
    while (text.size() < length) {
        text += character();
    }
    return text;
}

QString RandomEntries::blanks() {
    return QString(below(3), QLatin1Char(' '));
}

RandomEntries::PuzzleEntry RandomEntries::puzzleEntry(const QLocale &locale, std::int16_t maxPuzzleNumber) {
    switch (below(10)) {
    case 0:
    case 1:
    case 2:
        return wholeNumber(locale, maxPuzzleNumber);
    case 3:
        return decimalNumber(locale, maxPuzzleNumber);
    case 4:
        return exponentNumber(maxPuzzleNumber);
    case 5:
        return groupedNumber(locale);
    case 6:
        return foreignNumber();
    case 7:
        return {NotNumbers.at(below(static_cast<int>(NotNumbers.size()))), Outcome::KeepsBoard};
    case 8:
        return {chance(50) ? QString() : blanks() + QStringLiteral(" "), Outcome::KeepsBoard};
    default:
        return {longText(), Outcome::Unsure};
    }
}

RandomEntries::PuzzleEntry RandomEntries::wholeNumber(const QLocale &locale, std::int16_t maxPuzzleNumber) {
    switch (below(5)) {
    case 0: { // in the locale's own digits
        const int value = below(maxPuzzleNumber + 20) - 5;
        return entryFor(blanks() + locale.toString(value) + blanks(), value, maxPuzzleNumber);
    }
    case 1: { // an explicit sign
        const int value = below(2 * maxPuzzleNumber) - maxPuzzleNumber;
        const QString sign = value < 0 ? QStringLiteral("-") : QStringLiteral("+");
        return entryFor(sign + QString::number(std::abs(value)), value, maxPuzzleNumber);
    }
    case 2: { // leading zeros
        const int value = below(maxPuzzleNumber + 2);
        return entryFor(QString(1 + below(5), QLatin1Char('0')) + QString::number(value), value,
                        maxPuzzleNumber);
    }
    case 3: { // the edges of 16 bits and just beyond
        static constexpr std::array<int, 6> Edges{32767, -32768, 32768, -32769, 65535, 65536};
        const int value = Edges.at(static_cast<std::size_t>(below(Edges.size())));
        return entryFor(QString::number(value), value, maxPuzzleNumber);
    }
    default: { // far too many digits for any puzzle
        QString digits(1, QChar(u'1' + below(9)));
        for (int count = 5 + below(60); count > 0; --count) {
            digits += QChar(u'0' + below(10));
        }
        return {digits, Outcome::KeepsBoard};
    }
    }
}

// A tenth written with the locale's decimal sign, rounded half to even.
RandomEntries::PuzzleEntry RandomEntries::decimalNumber(const QLocale &locale, std::int16_t maxPuzzleNumber) {
    const int whole = below(maxPuzzleNumber + 5);
    const int tenth = below(10);
    const bool roundUp = tenth > 5 || (tenth == 5 && whole % 2 == 1);
    return entryFor(locale.toString(whole) + locale.decimalPoint() + locale.toString(tenth),
                    whole + (roundUp ? 1 : 0), maxPuzzleNumber);
}

RandomEntries::PuzzleEntry RandomEntries::exponentNumber(std::int16_t maxPuzzleNumber) {
    const int mantissa = 1 + below(99);
    const int exponent = below(4);
    long long value = mantissa;
    for (int i = 0; i < exponent; ++i) {
        value *= 10;
    }
    const QString mark = chance(50) ? QStringLiteral("e") : QStringLiteral("E+");
    return entryFor(QString::number(mantissa) + mark + QString::number(exponent), value, maxPuzzleNumber);
}

// Thousands and more with the locale's digit grouping: too big either way.
RandomEntries::PuzzleEntry RandomEntries::groupedNumber(const QLocale &locale) {
    const int value = 1000 + below(10'000'000);
    return {locale.toString(value), Outcome::KeepsBoard};
}

RandomEntries::PuzzleEntry RandomEntries::foreignNumber() {
    return {blanks() + ForeignNumbers.at(below(static_cast<int>(ForeignNumbers.size()))), Outcome::Unsure};
}
