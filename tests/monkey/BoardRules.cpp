#include "BoardRules.h"

#include "game/frmWords.h"
#include "puzzles/basPuzzles.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <map>

using basPuzzles::ActivePuzzle;

namespace {

const QString &answerOfRow(std::int16_t row) {
    return row == GameState::FinalRow ? ActivePuzzle.FinalAnswer : ActivePuzzle.Answers(row);
}

// The letter boxes by row and index, read from their object names
// ("txtAns3(2)", "txtPClue(0)"), so that a box made by mistake is seen too.
using BoxesByIndex = std::map<int, const QLineEdit *>;
std::array<BoxesByIndex, GameState::FinalRow + 1> letterBoxes(const frmWords &window) {
    static const QRegularExpression name(QStringLiteral("^(?:txtAns([1-5])|txtPClue)\\((\\d+)\\)$"));
    std::array<BoxesByIndex, GameState::FinalRow + 1> rows;
    for (const QLineEdit *box : window.findChildren<QLineEdit *>()) {
        const QRegularExpressionMatch match = name.match(box->objectName());
        if (match.hasMatch()) {
            const int row = match.hasCaptured(1) ? match.captured(1).toInt() : GameState::FinalRow;
            rows.at(static_cast<std::size_t>(row))[match.captured(2).toInt()] = box;
        }
    }
    return rows;
}

// One character: one code point, and never half of one.
bool isAtMostOneCharacter(const QString &text) {
    return text.isEmpty() || (QStringView(text).isValidUtf16() && text.toUcs4().size() == 1);
}

QString brokenRowRule(std::int16_t row, const BoxesByIndex &boxes, std::int16_t rowLength) {
    const auto letters = static_cast<int>(answerOfRow(row).size());
    if (rowLength != letters) {
        return QStringLiteral("row %1 has RowLength %2 for an answer of %3 letters")
            .arg(row)
            .arg(rowLength)
            .arg(letters);
    }
    for (int index = 0; index <= letters; ++index) {
        if (!boxes.contains(index)) {
            return QStringLiteral("row %1 has no box %2").arg(row).arg(index);
        }
    }
    for (const auto &[index, box] : boxes) {
        const bool belongsOnBoard = index >= 1 && index <= letters;
        if (box->isVisible() != belongsOnBoard) {
            return QStringLiteral("%1 is %2 for an answer of %3 letters")
                .arg(box->objectName(), box->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"))
                .arg(letters);
        }
        if (!isAtMostOneCharacter(box->text())) {
            return QStringLiteral("%1 holds \"%2\" (%3 UTF-16 units)")
                .arg(box->objectName(), box->text())
                .arg(box->text().size());
        }
    }
    return {};
}

QString brokenHintRule(const GameState &state) {
    for (std::int16_t row = 1; row < GameState::FinalRow; ++row) {
        if (state.HintCount(row) < 0 || state.HintCount(row) > answerOfRow(row).size()) {
            return QStringLiteral("HintCount(%1) is %2 for \"%3\"")
                .arg(row)
                .arg(state.HintCount(row))
                .arg(answerOfRow(row));
        }
    }
    if (state.ClueHintCount < 0 || state.ClueHintCount > ActivePuzzle.FinalAnswer.size()) {
        return QStringLiteral("ClueHintCount is %1 for \"%2\"")
            .arg(state.ClueHintCount)
            .arg(ActivePuzzle.FinalAnswer);
    }
    return {};
}

// The title's number must load exactly the record in play; ActivePuzzle is
// put back afterwards, since loading is the only way to see a puzzle.
QString brokenTitleRule(const frmWords &window) {
    static const QRegularExpression title(QStringLiteral("^Wordsnarl - Puzzle Number (\\d+)$"));
    const QRegularExpressionMatch match = title.match(window.windowTitle());
    const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
    if (number < 1 || number > basPuzzles::CatalogSize) {
        return QStringLiteral("the title is \"%1\"").arg(window.windowTitle());
    }
    const basPuzzles::PuzzleRecord inPlay = ActivePuzzle;
    basPuzzles::LoadPuzzle(static_cast<std::int16_t>(number));
    const bool same = ActivePuzzle == inPlay;
    ActivePuzzle = inPlay;
    return same ? QString()
                : QStringLiteral("the title names puzzle %1 but the board holds the one answered by \"%2\"")
                      .arg(number)
                      .arg(inPlay.FinalAnswer);
}

} // namespace

QString brokenBoardRule(const frmWords &window) {
    if (!window.isVisible()) {
        return QStringLiteral("the game window has closed");
    }
    const auto rows = letterBoxes(window);
    for (std::int16_t row = 1; row <= GameState::FinalRow; ++row) {
        const QString broken =
            brokenRowRule(row, rows.at(static_cast<std::size_t>(row)), window.state().RowLength(row));
        if (!broken.isEmpty()) {
            return broken;
        }
    }
    const QString brokenHint = brokenHintRule(window.state());
    return brokenHint.isEmpty() ? brokenTitleRule(window) : brokenHint;
}
