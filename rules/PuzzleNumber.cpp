#include "PuzzleNumber.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace {

// Longer texts are no puzzle number; they are not even parsed.
constexpr qsizetype MaxNumberLength = 64;

QString invalidTitle(const QString &shown) {
    return QCoreApplication::translate("PuzzleNumber", "%1 is an Invalid Puzzle Number").arg(shown);
}

} // namespace

std::optional<std::int16_t> readPuzzleNumber(const QString &text, const QLocale &locale) {
    if (text.size() > MaxNumberLength) {
        return std::nullopt;
    }
    bool isNumber = false;
    const double value = locale.toDouble(text, &isNumber);
    if (!isNumber || !std::isfinite(value)) {
        return std::nullopt;
    }
    // remainder() rounds its quotient half to even: 2.5 gives 2, 3.5 gives 4.
    const double rounded = value - std::remainder(value, 1.0);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

PuzzleChoice choosePuzzle(const QString &typed, const QLocale &locale, std::int16_t maxPuzzleNumber) {
    if (typed.isEmpty()) {
        return {};
    }
    const std::optional<std::int16_t> number = readPuzzleNumber(typed, locale);
    if (!number) {
        return {PuzzleChoice::Kind::Rejected, 0, invalidTitle(typed), true};
    }
    if (*number < 1 || *number > maxPuzzleNumber) {
        return {PuzzleChoice::Kind::Rejected, *number, invalidTitle(QString::number(*number)), false};
    }
    return {PuzzleChoice::Kind::Play, *number, QString(), true};
}

QString invalidPuzzleNumberMessage(std::int16_t maxPuzzleNumber) {
    return QCoreApplication::translate(
               "PuzzleNumber", "You must enter a number between 1 and %1.  Please hit F3 to try again.")
        .arg(maxPuzzleNumber);
}
