#include "rules/HintCycle.h"
#include "rules/LetterCase.h"
#include "rules/PuzzleNumber.h"
#include "rules/RandomPuzzle.h"
#include "rules/SolutionCheck.h"
#include "puzzles/basPuzzles.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(PuzzleChoice::Kind)

// The game's rules without any window: the case of a letter by its box, the
// random choice, the hint cycle, the check's verdict and reading a number.
class RulesTest : public QObject {
    Q_OBJECT

private slots:
    void letterCaseFollowsTheBox_data();
    void letterCaseFollowsTheBox();
    void randomDrawCoversEveryPuzzleAndNoOther();
    void hintCycleRevealsOneMoreLetterAndStartsAgain_data();
    void hintCycleRevealsOneMoreLetterAndStartsAgain();
    void hintEmptiesTheBoxesBehindBeforeWritingLetters();
    void checkCountsExactMatchesOnly();
    void checkMessageForEachCount_data();
    void checkMessageForEachCount();
    void puzzleNumberEntry_data();
    void puzzleNumberEntry();
    void loadingCopiesTheCatalogEntryAndIgnoresOtherNumbers();
};

void RulesTest::letterCaseFollowsTheBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("kept");
    QTest::newRow("lower letter in the first box") << "b" << 1 << "B";
    QTest::newRow("upper letter in a later box") << "A" << 2 << "a";
    QTest::newRow("digit passes unchanged") << "7" << 1 << "7";
    QTest::newRow("blank passes unchanged") << " " << 3 << " ";
    QTest::newRow("non-ASCII letter uses the platform mapping") << "\u00e9" << 1 << "\u00c9";
    QTest::newRow("empty box stays empty") << "" << 1 << "";
}

void RulesTest::letterCaseFollowsTheBox() {
    QFETCH(QString, typed);
    QFETCH(int, index);
    QFETCH(QString, kept);
    QCOMPARE(caseForBox(typed, static_cast<std::int16_t>(index)), kept);
}

void RulesTest::randomDrawCoversEveryPuzzleAndNoOther() {
    QCOMPARE(puzzleNumberForDraw(50, 0.0F), std::int16_t{1});
    QCOMPARE(puzzleNumberForDraw(50, std::nextafter(1.0F, 0.0F)), std::int16_t{50});
    QCOMPARE(puzzleNumberForDraw(50, 0.02F), std::int16_t{2});
    QCOMPARE(puzzleNumberForDraw(50, std::nextafter(0.02F, 0.0F)), std::int16_t{1});
    for (int i = 0; i < 2000; ++i) {
        const float u = drawUniform();
        QVERIFY2(u >= 0.0F && u < 1.0F, qPrintable(QString::number(u)));
    }
}

void RulesTest::hintCycleRevealsOneMoreLetterAndStartsAgain_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QList<int>>("counts");
    QTest::newRow("two letters") << "Ox" << QList<int>{1, 2, 1, 2};
    QTest::newRow("three letters") << "Bat" << QList<int>{1, 2, 3, 1, 2};
    QTest::newRow("ten letters") << "Grandstand" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1};
}

void RulesTest::hintCycleRevealsOneMoreLetterAndStartsAgain() {
    QFETCH(QString, answer);
    QFETCH(QList<int>, counts);
    std::int16_t count = 0;
    for (const int expected : counts) {
        const HintStep step = hintStep(count, answer);
        count = step.count;
        QCOMPARE(int(count), expected);
        // Every box is written once, so the row shows exactly the revealed letters.
        QCOMPARE(qsizetype(step.writes.size()), answer.size());
        QString shown(answer.size(), QLatin1Char('_'));
        for (const BoxWrite &write : step.writes) {
            shown[write.box - 1] = write.text.isEmpty() ? QLatin1Char('_') : write.text.at(0);
        }
        QCOMPARE(shown, answer.left(expected) + QString(answer.size() - expected, QLatin1Char('_')));
    }
}

void RulesTest::hintEmptiesTheBoxesBehindBeforeWritingLetters() {
    const HintStep step = hintStep(0, QStringLiteral("Moist"));
    const std::vector<BoxWrite> expected{{2, {}}, {3, {}}, {4, {}}, {5, {}}, {1, QStringLiteral("M")}};
    QCOMPARE(step.writes, expected);
}

void RulesTest::checkCountsExactMatchesOnly() {
    const SixItems answers{"Firm", "Bat", "Wait", "Volume", "Vision", "Moist"};
    QCOMPARE(countCorrectItems(answers, answers), std::int16_t{6});
    QCOMPARE(countCorrectItems({"Firm", "bat", "Wai", "Volume ", "Vision", "Moist"}, answers),
             std::int16_t{3});
    QCOMPARE(countCorrectItems({"", "", "", "", "", ""}, answers), std::int16_t{0});
}

void RulesTest::checkMessageForEachCount_data() {
    QTest::addColumn<int>("correct");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("offersNewGame");
    const QString incorrect = QStringLiteral("Incorrect!");
    QTest::newRow("nothing right")
        << 0 << "You have 6 items incorrect!  All answers and the clue answer must be correct to win."
        << incorrect << false;
    QTest::newRow("four right")
        << 4 << "You have 2 items incorrect!  All answers and the clue answer must be correct to win."
        << incorrect << false;
    QTest::newRow("five right") << 5
                                << "You have one item incorrect!  One answer or the clue answer is incorrect."
                                << incorrect << false;
    QTest::newRow("all six right") << 6 << "You Have Everything Correct! Would You Like to Play Again?"
                                   << "You Solved the Puzzle!  Play Again?" << true;
}

void RulesTest::checkMessageForEachCount() {
    QFETCH(int, correct);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(bool, offersNewGame);
    const CheckMessage message = checkMessage(static_cast<std::int16_t>(correct));
    QCOMPARE(message.text, text);
    QCOMPARE(message.title, title);
    QCOMPARE(message.offersNewGame, offersNewGame);
}

void RulesTest::puzzleNumberEntry_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<PuzzleChoice::Kind>("kind");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("focusFirstBox");

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    using K = PuzzleChoice::Kind;
    const QString invalid = QStringLiteral(" is an Invalid Puzzle Number");
    QTest::newRow("empty or Cancel") << "" << english << K::Nothing << 0 << "" << false;
    QTest::newRow("blanks only") << "   " << english << K::Rejected << 0 << "   " + invalid << true;
    QTest::newRow("a word") << "abc" << english << K::Rejected << 0 << "abc" + invalid << true;
    QTest::newRow("blanks around") << " 7 " << english << K::Play << 7 << "" << true;
    QTest::newRow("plus sign") << "+7" << english << K::Play << 7 << "" << true;
    QTest::newRow("negative") << "-3" << english << K::Rejected << -3 << "-3" + invalid << false;
    QTest::newRow("zero") << "0" << english << K::Rejected << 0 << "0" + invalid << false;
    QTest::newRow("rounds down to zero") << "0.4" << english << K::Rejected << 0 << "0" + invalid << false;
    QTest::newRow("half to even, down") << "2.5" << english << K::Play << 2 << "" << true;
    QTest::newRow("half to even, up") << "3.5" << english << K::Play << 4 << "" << true;
    QTest::newRow("highest") << "50" << english << K::Play << 50 << "" << true;
    QTest::newRow("one too high") << "51" << english << K::Rejected << 51 << "51" + invalid << false;
    QTest::newRow("group separator") << "1,000" << english << K::Rejected << 1000 << "1000" + invalid
                                     << false;
    QTest::newRow("16-bit maximum") << "32767" << english << K::Rejected << 32767 << "32767" + invalid
                                    << false;
    QTest::newRow("beyond 16 bits") << "32768" << english << K::Rejected << 0 << "32768" + invalid << true;
    QTest::newRow("exponent beyond 16 bits")
        << "1e9" << english << K::Rejected << 0 << "1e9" + invalid << true;
    QTest::newRow("not a finite number") << "inf" << english << K::Rejected << 0 << "inf" + invalid << true;
    const QString longDigits(200, QLatin1Char('1'));
    QTest::newRow("very long text") << longDigits << english << K::Rejected << 0 << longDigits + invalid
                                    << true;
    QTest::newRow("decimal comma") << "2,5" << german << K::Play << 2 << "" << true;
    QTest::newRow("decimal comma rounds up") << "3,5" << german << K::Play << 4 << "" << true;
}

void RulesTest::puzzleNumberEntry() {
    QFETCH(QString, typed);
    QFETCH(QLocale, locale);
    QFETCH(PuzzleChoice::Kind, kind);
    QFETCH(int, number);
    QFETCH(QString, title);
    QFETCH(bool, focusFirstBox);
    const PuzzleChoice choice = choosePuzzle(typed, locale, 50);
    QCOMPARE(choice.kind, kind);
    QCOMPARE(int(choice.number), number);
    QCOMPARE(choice.title, title);
    QCOMPARE(choice.focusFirstAnswerBox, focusFirstBox);
    QCOMPARE(invalidPuzzleNumberMessage(50),
             QStringLiteral("You must enter a number between 1 and 50.  Please hit F3 to try again."));
}

void RulesTest::loadingCopiesTheCatalogEntryAndIgnoresOtherNumbers() {
    using namespace basPuzzles;
    LoadPuzzle(2);
    QCOMPARE(ActivePuzzle, *catalogEntry(2));
    for (const std::int16_t outside : {0, -1, 51}) {
        QVERIFY(!catalogEntry(outside));
        LoadPuzzle(outside);
        QCOMPARE(ActivePuzzle, *catalogEntry(2));
    }
    QCOMPARE(catalogEntry(1)->Answers(2), QStringLiteral("Bat"));
    QCOMPARE(catalogEntry(1)->Definitions(4), QStringLiteral("A Piece of Baseball Equipment"));
    QCOMPARE(catalogEntry(1)->MarkedPositions(1), std::int16_t{4});
    QCOMPARE(catalogEntry(50)->FinalAnswer.size(), 5);
}

QTEST_GUILESS_MAIN(RulesTest)
#include "RulesTest.moc"
