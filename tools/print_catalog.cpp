// Prints every built-in puzzle as a table, for proofreading the catalog.
#include "puzzles/basPuzzles.h"

#include <QTextStream>

#include <cstdint>

using namespace basPuzzles;

int main() {
    QTextStream out(stdout);
    for (std::int16_t number = 1; number <= CatalogSize; ++number) {
        LoadPuzzle(number);
        out << "Puzzle " << number << ": " << ActivePuzzle.FinalClue << ' ' << ActivePuzzle.FinalAnswer
            << '\n';
        for (std::int16_t slot = 1; slot <= ActivePuzzle.Answers.size(); ++slot) {
            const QString &answer = ActivePuzzle.Answers(slot);
            const std::int16_t position = ActivePuzzle.MarkedPositions(slot);
            out << "  " << answer.leftJustified(11) << position << ' ' << answer.mid(position - 1, 1) << "  "
                << ActivePuzzle.Definitions(static_cast<std::int16_t>(2 * slot - 1)) << " | "
                << ActivePuzzle.Definitions(static_cast<std::int16_t>(2 * slot)) << '\n';
        }
    }
    return 0;
}
