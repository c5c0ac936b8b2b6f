#include "puzzles/basPuzzles.h"
#include "rules/LetterCase.h"
#include "rules/PuzzleNumber.h"
#include "rules/RandomPuzzle.h"

#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace basPuzzles;
using Kind = PuzzleChoice::Kind;

// The game's rules and its puzzles, without any window.
class RulesTest : public QObject {
    Q_OBJECT

private slots:
    // A letter of any script takes its box's case; a draw just below a
    // boundary stays in the lower puzzle, and no draw goes past the last one.
    void lettersAndRandomDraws() {
        QCOMPARE(caseForBox(QStringLiteral("\u00e9"), 1) + caseForBox("A", 2), QStringLiteral("\u00c9a"));
        const auto drawn = [](float u) { return puzzleNumberForDraw(50, u); };
        QVERIFY(drawn(0.0F) == 1 && drawn(std::nextafter(0.02F, 0.0F)) == 1 && drawn(0.02F) == 2 &&
                drawn(std::nextafter(1.0F, 0.0F)) == 50);
        for (int i = 0; i < 2000; ++i)
            QVERIFY(std::floor(drawUniform()) == 0.0F); // from 0 up to but not including 1
    }

    // Typed text, what it leads to, the number read, the text the rejection's
    // title shows and whether the focus goes to the first box.
    void aTypedPuzzleNumberIsReadTheLocalesWay() {
        const QString longNumber = QString(64, u'0') + u'7'; // one character longer than any text read
        for (const auto &[typed, kind, number, shownAs, focusFirstBox] :
             {std::tuple<QString, Kind, int, QString, bool>{"   ", Kind::Rejected, 0, "   ", true},
              {" +7 ", Kind::Play, 7, "", true},
              {"-3", Kind::Rejected, -3, "-3", false},
              {"0.4", Kind::Rejected, 0, "0", false},
              {"2.5", Kind::Play, 2, "", true},
              {"3.5", Kind::Play, 4, "", true},
              {"50", Kind::Play, 50, "", true},
              {"1,000", Kind::Rejected, 1000, "1000", false},
              {"32767", Kind::Rejected, 32767, "32767", false},
              {"32768", Kind::Rejected, 0, "32768", true},
              {"1e9", Kind::Rejected, 0, "1e9", true},
              {"inf", Kind::Rejected, 0, "inf", true},
              {longNumber.mid(1), Kind::Play, 7, "", true},
              {longNumber, Kind::Rejected, 0, longNumber, true}}) {
            const PuzzleChoice got = choosePuzzle(typed, QLocale(QLocale::English), 50);
            QVERIFY2(got.kind == kind && got.number == number && got.focusFirstAnswerBox == focusFirstBox &&
                         got.title == (shownAs.isEmpty() ? "" : shownAs + " is an Invalid Puzzle Number"),
                     qPrintable(typed));
        }
        QCOMPARE(choosePuzzle("3,5", QLocale(QLocale::German, QLocale::Germany), 50).number, 4);
    }

    // Other numbers have no entry, and loading one keeps the puzzle in play.
    void loadingIgnoresNumbersOutsideTheCatalog() {
        for (const std::int16_t number : {2, 0, -1, 51})
            LoadPuzzle(number);
        QVERIFY(ActivePuzzle == *catalogEntry(2) && !catalogEntry(0) && !catalogEntry(51));
    }

    // Every puzzle is well formed and fair: answers the boxes can match, marked
    // letters that rearrange to the final answer but do not already spell it,
    // texts in title case that fit their boxes, and no text used twice. Authored
    // puzzles must not hand over the final answer by first letters or by the
    // clue; the three given ones are held to none of this.
    void theCatalogIsWellFormedAndMakesThePlayerWork() {
        const QList<std::int16_t> given{1, 2, 14};
        const QString lower = "(of|a|the|to|for|or|in|with|by|and|an|on|from|as|that|are|at)";
        const QString word = "[A-Z][A-Za-z'-]*,?";
        const QString titleCase = word + "( ((?!(?i:" + lower + ")\\b)" + word + "|" + lower + ",?))*";
        const QRegularExpression definitionForm("^(?=.{3,65}$)" + titleCase + "$"),
            clueForm("^(?=.{7,57}$)" + titleCase + " ?:$"), answerForm("^[A-Z][a-z]{1,9}$");
        QStringList texts; // of every puzzle, none used twice
        QStringList broken;
        qsizetype firstLetterMarks = 0;
        for (std::int16_t number = 1; number <= CatalogSize; ++number) {
            const PuzzleRecord puzzle = *catalogEntry(number);
            const auto tell = [&](const QString &what) { broken << QString::number(number) + ": " + what; };
            QString marked;
            for (std::int16_t slot = 1; slot <= 5; ++slot) {
                const QString &answer = puzzle.Answers(slot);
                const std::int16_t position = puzzle.MarkedPositions(slot);
                if (!answerForm.match(answer).hasMatch() || position < 1 ||
                    position > std::min(answer.size(), qsizetype{9}))
                    tell(QStringLiteral("\"%1\" marked at %2").arg(answer).arg(position));
                marked += answer.mid(position - 1, 1).toLower();
            }
            if (!answerForm.match(puzzle.FinalAnswer).hasMatch() ||
                !std::ranges::is_permutation(marked, puzzle.FinalAnswer.toLower()) ||
                marked == puzzle.FinalAnswer.toLower())
                tell("marked letters \"" + marked + "\" for " + puzzle.FinalAnswer);
            if (!clueForm.match(puzzle.FinalClue).hasMatch())
                tell("final clue \"" + puzzle.FinalClue + "\"");
            texts << puzzle.FinalClue << QStringList(puzzle.Answers.begin(), puzzle.Answers.end())
                  << QStringList(puzzle.Definitions.begin(), puzzle.Definitions.end());
            for (const QString &definition : puzzle.Definitions)
                if (!definitionForm.match(definition).hasMatch())
                    tell("definition \"" + definition + "\"");
            if (given.contains(number))
                continue;
            const auto onFirst = std::ranges::count(puzzle.MarkedPositions, 1);
            firstLetterMarks += onFirst;
            if (onFirst > 2 || puzzle.FinalClue.contains(puzzle.FinalAnswer.left(4), Qt::CaseInsensitive))
                tell("gives away " + puzzle.FinalAnswer);
        }
        for (const QString &text : texts)
            if (texts.count(text) > 1)
                broken << "repeats " + text;
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join("; ")));
        QVERIFY2(firstLetterMarks * 100 <= (CatalogSize - given.size()) * 5 * 35, "first letters marked");
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "RulesTest.moc"
