#include "puzzles/basPuzzles.h"
#include "rules/HintCycle.h"
#include "rules/LetterCase.h"
#include "rules/PuzzleNumber.h"
#include "rules/RandomPuzzle.h"
#include "rules/SolutionCheck.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(PuzzleChoice::Kind)

// The game's rules without any window: the case of a letter by its box, the
// random choice, the hint cycle, the check's verdict, reading a puzzle number
// and loading a puzzle.
class RulesTest : public QObject {
    Q_OBJECT

private slots:
    void letterCaseFollowsTheBox() {
        QCOMPARE(caseForBox(QStringLiteral("b"), 1), QStringLiteral("B"));
        QCOMPARE(caseForBox(QStringLiteral("A"), 2), QStringLiteral("a"));
        QCOMPARE(caseForBox(QStringLiteral("\u00e9"), 1), QStringLiteral("\u00c9"));
        QCOMPARE(caseForBox(QStringLiteral("7"), 1), QStringLiteral("7"));
    }

    void randomDrawCoversEveryPuzzleAndNoOther() {
        QCOMPARE(puzzleNumberForDraw(50, 0.0F), std::int16_t{1});
        QCOMPARE(puzzleNumberForDraw(50, std::nextafter(0.02F, 0.0F)), std::int16_t{1});
        QCOMPARE(puzzleNumberForDraw(50, 0.02F), std::int16_t{2});
        QCOMPARE(puzzleNumberForDraw(50, std::nextafter(1.0F, 0.0F)), std::int16_t{50});
        for (int i = 0; i < 2000; ++i) {
            const float u = drawUniform();
            QVERIFY2(u >= 0.0F && u < 1.0F, qPrintable(QString::number(u)));
        }
    }

    // Each press reveals one more leading letter, starting again after the
    // whole answer; the boxes behind are emptied before the letters are written.
    void hintCycle_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QList<int>>("counts");
        QTest::newRow("two letters") << "Ox" << QList<int>{1, 2, 1};
        QTest::newRow("ten letters") << "Grandstand" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1};
    }
    void hintCycle() {
        QFETCH(QString, answer);
        QFETCH(QList<int>, counts);
        std::int16_t count = 0;
        for (const int expected : counts) {
            const HintStep step = hintStep(count, answer);
            count = step.count;
            QCOMPARE(int(count), expected);
            std::vector<BoxWrite> writes;
            for (int box = expected + 1; box <= answer.size(); ++box) {
                writes.push_back({static_cast<std::int16_t>(box), QString()});
            }
            for (int box = 1; box <= expected; ++box) {
                writes.push_back({static_cast<std::int16_t>(box), answer.mid(box - 1, 1)});
            }
            QCOMPARE(step.writes, writes);
        }
    }

    void checkCountsExactRowsAndNamesTheVerdict() {
        const SixItems answers{"Firm", "Bat", "Wait", "Volume", "Vision", "Moist"};
        QCOMPARE(countCorrectItems(answers, answers), std::int16_t{6});
        QCOMPARE(countCorrectItems({"Firm", "bat", "Wai", "Volume ", "Vision", "Moist"}, answers),
                 std::int16_t{3});
        const QString many =
            QStringLiteral("You have %1 items incorrect!  All answers and the clue answer must be "
                           "correct to win.");
        QCOMPARE(checkMessage(0).text, many.arg(6));
        QCOMPARE(checkMessage(4).text, many.arg(2));
        QCOMPARE(checkMessage(4).title, QStringLiteral("Incorrect!"));
        QCOMPARE(checkMessage(5).text,
                 QStringLiteral("You have one item incorrect!  One answer or the clue answer is incorrect."));
        QVERIFY(!checkMessage(5).offersNewGame);
        QCOMPARE(checkMessage(6).text,
                 QStringLiteral("You Have Everything Correct! Would You Like to Play Again?"));
        QCOMPARE(checkMessage(6).title, QStringLiteral("You Solved the Puzzle!  Play Again?"));
        QVERIFY(checkMessage(6).offersNewGame);
    }

    void puzzleNumberEntry_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<PuzzleChoice::Kind>("kind");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("shownAs"); // in the rejection's title
        QTest::addColumn<bool>("focusFirstBox");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        using K = PuzzleChoice::Kind;
        const auto row = [&](const char *name, const QString &typed, K kind, int number, const QString &shown,
                             bool focus, const QLocale &locale) {
            QTest::newRow(name) << typed << locale << kind << number << shown << focus;
        };
        row("empty or Cancel", "", K::Nothing, 0, "", false, english);
        row("blanks only", "   ", K::Rejected, 0, "   ", true, english);
        row("a word", "abc", K::Rejected, 0, "abc", true, english);
        row("blanks around and a sign", " +7 ", K::Play, 7, "", true, english);
        row("negative", "-3", K::Rejected, -3, "-3", false, english);
        row("rounds down to zero", "0.4", K::Rejected, 0, "0", false, english);
        row("half to even, down", "2.5", K::Play, 2, "", true, english);
        row("half to even, up", "3.5", K::Play, 4, "", true, english);
        row("highest", "50", K::Play, 50, "", true, english);
        row("one too high, grouped", "1,000", K::Rejected, 1000, "1000", false, english);
        row("16-bit maximum", "32767", K::Rejected, 32767, "32767", false, english);
        row("beyond 16 bits", "32768", K::Rejected, 0, "32768", true, english);
        row("exponent beyond 16 bits", "1e9", K::Rejected, 0, "1e9", true, english);
        row("not a finite number", "inf", K::Rejected, 0, "inf", true, english);
        row("very long text", QString(200, u'1'), K::Rejected, 0, QString(200, u'1'), true, english);
        row("decimal comma", "3,5", K::Play, 4, "", true, german);
    }
    void puzzleNumberEntry() {
        QFETCH(QString, typed);
        QFETCH(QLocale, locale);
        QFETCH(PuzzleChoice::Kind, kind);
        QFETCH(int, number);
        QFETCH(QString, shownAs);
        QFETCH(bool, focusFirstBox);
        const PuzzleChoice choice = choosePuzzle(typed, locale, 50);
        QCOMPARE(choice.kind, kind);
        QCOMPARE(int(choice.number), number);
        QCOMPARE(choice.title, shownAs.isEmpty() ? QString() : shownAs + " is an Invalid Puzzle Number");
        QCOMPARE(choice.focusFirstAnswerBox, focusFirstBox);
    }

    void loadingCopiesTheCatalogEntryAndIgnoresOtherNumbers() {
        using namespace basPuzzles;
        LoadPuzzle(2);
        QCOMPARE(ActivePuzzle, *catalogEntry(2));
        for (const std::int16_t outside : {0, -1, 51}) {
            QVERIFY(!catalogEntry(outside));
            LoadPuzzle(outside);
            QCOMPARE(ActivePuzzle, *catalogEntry(2));
        }
        const PuzzleRecord first = *catalogEntry(1);
        QCOMPARE(first.Definitions(3), QStringLiteral("Flying Mammal"));
        QCOMPARE(first.Definitions(4), QStringLiteral("A Piece of Baseball Equipment"));
        QCOMPARE(first.Answers(2), QStringLiteral("Bat"));
        QCOMPARE(first.MarkedPositions(1), std::int16_t{4});
        QCOMPARE(first.FinalClue, QStringLiteral("Slightly Wet:"));
        QCOMPARE(catalogEntry(50)->FinalAnswer.size(), 5);
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "RulesTest.moc"
