#include "SolutionCheck.h"

#include <QCoreApplication>

std::int16_t countCorrectItems(const SixItems &rows, const SixItems &answers) {
    std::int16_t correct = 0;
    for (std::size_t item = 0; item < rows.size(); ++item) {
        if (rows[item] == answers[item]) {
            ++correct;
        }
    }
    return correct;
}

CheckMessage checkMessage(std::int16_t correctItems) {
    auto tr = [](const char *text) { return QCoreApplication::translate("SolutionCheck", text); };
    if (correctItems == 6) {
        return {tr("You Have Everything Correct! Would You Like to Play Again?"),
                tr("You Solved the Puzzle!  Play Again?"), true};
    }
    if (correctItems == 5) {
        return {tr("You have one item incorrect!  One answer or the clue answer is incorrect."),
                tr("Incorrect!")};
    }
    return {tr("You have %1 items incorrect!  All answers and the clue answer must be correct to win.")
                .arg(6 - correctItems),
            tr("Incorrect!")};
}
