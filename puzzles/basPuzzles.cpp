#include "basPuzzles.h"

#include "PuzzleCatalog.h"

#include <QString>

#include <cstddef>
#include <string_view>
#include <tuple>

namespace basPuzzles {
namespace {

static_assert(std::tuple_size_v<decltype(CatalogPuzzle::Items)> == decltype(PuzzleRecord::Answers)::size(),
              "a catalog puzzle has one item per answer row");

QString toQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void LoadPuzzle(const std::int16_t &puzzleNumber) {
    if (puzzleNumber < 1 || puzzleNumber > CatalogSize)
        return;

    const CatalogPuzzle &puzzle = PuzzleCatalog.at(static_cast<std::size_t>(puzzleNumber - 1));
    for (std::int16_t slot = 1; slot <= ActivePuzzle.Answers.size(); ++slot) {
        const CatalogItem &item = puzzle.Items.at(static_cast<std::size_t>(slot - 1));
        ActivePuzzle.Definitions(static_cast<std::int16_t>(2 * slot - 1)) = toQString(item.FirstDefinition);
        ActivePuzzle.Definitions(static_cast<std::int16_t>(2 * slot)) = toQString(item.SecondDefinition);
        ActivePuzzle.Answers(slot) = toQString(item.Answer);
        ActivePuzzle.MarkedPositions(slot) = item.MarkedPosition;
    }
    ActivePuzzle.FinalClue = toQString(puzzle.FinalClue);
    ActivePuzzle.FinalAnswer = toQString(puzzle.FinalAnswer);
}

} // namespace basPuzzles
