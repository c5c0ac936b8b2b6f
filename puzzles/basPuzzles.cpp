#include "basPuzzles.h"

#include "PuzzleCatalog.h"

#include <QString>

#include <cstddef>
#include <string_view>
#include <tuple>
#include <utility>

namespace basPuzzles {
namespace {

static_assert(std::tuple_size_v<decltype(CatalogPuzzle::Items)> == decltype(PuzzleRecord::Answers)::size(),
              "a catalog puzzle has one item per answer row");

QString toQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Only LoadPuzzle writes the puzzle in play; everyone else reads it as ActivePuzzle.
PuzzleRecord activePuzzle;

} // namespace

const PuzzleRecord &ActivePuzzle = activePuzzle;

std::optional<PuzzleRecord> catalogEntry(std::int16_t puzzleNumber) {
    if (puzzleNumber < 1 || puzzleNumber > CatalogSize) {
        return std::nullopt;
    }
    const CatalogPuzzle &puzzle = PuzzleCatalog.at(static_cast<std::size_t>(puzzleNumber - 1));
    PuzzleRecord record;
    for (std::int16_t slot = 1; slot <= record.Answers.size(); ++slot) {
        const CatalogItem &item = puzzle.Items.at(static_cast<std::size_t>(slot - 1));
        record.Definitions(static_cast<std::int16_t>(2 * slot - 1)) = toQString(item.FirstDefinition);
        record.Definitions(static_cast<std::int16_t>(2 * slot)) = toQString(item.SecondDefinition);
        record.Answers(slot) = toQString(item.Answer);
        record.MarkedPositions(slot) = item.MarkedPosition;
    }
    record.FinalClue = toQString(puzzle.FinalClue);
    record.FinalAnswer = toQString(puzzle.FinalAnswer);
    return record;
}

void LoadPuzzle(std::int16_t puzzleNumber) {
    if (std::optional<PuzzleRecord> puzzle = catalogEntry(puzzleNumber)) {
        activePuzzle = std::move(*puzzle);
    }
}

} // namespace basPuzzles
