// Prints every built-in puzzle as a table, for proofreading the catalog.
#include "puzzles/basPuzzles.h"

#include <QTextStream>

#include <cstdint>

using namespace basPuzzles;

int main() {
    QTextStream out(stdout);
    for (std::int16_t number = 1; number <= CatalogSize; ++number) {
        const PuzzleRecord puzzle = *catalogEntry(number);
        out << "Puzzle " << number << ": " << puzzle.FinalClue << ' ' << puzzle.FinalAnswer << '\n';
        for (std::int16_t slot = 1; slot <= puzzle.Answers.size(); ++slot) {
            const QString &answer = puzzle.Answers(slot);
            const std::int16_t position = puzzle.MarkedPositions(slot);
            out << "  " << answer.leftJustified(11) << position << ' ' << answer.mid(position - 1, 1) << "  "
                << puzzle.Definitions(static_cast<std::int16_t>(2 * slot - 1)) << " | "
                << puzzle.Definitions(static_cast<std::int16_t>(2 * slot)) << '\n';
        }
    }
    return 0;
}
