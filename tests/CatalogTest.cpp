#include "puzzles/basPuzzles.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <limits>

using basPuzzles::ActivePuzzle;
using basPuzzles::CatalogSize;
using basPuzzles::LoadPuzzle;
using basPuzzles::PuzzleRecord;

Q_DECLARE_METATYPE(basPuzzles::PuzzleRecord)

namespace {

const QStringList FinalAnswers = {
    "Moist", "Joint", "Eager", "Child", "Barns", "Snare", "Spurn", "Eager", "Triad", "Rabid",
    "Grift", "Bawdy", "Throb", "Tribe", "First", "Print", "Lover", "Garth", "Glitz", "Grill",
    "Tenor", "Board", "Block", "Prowl", "Crank", "Bated", "Crest", "Blend", "Creed", "Fable",
    "Tower", "Habit", "Mount", "Badge", "Flute", "Grant", "Plane", "Fleet", "Blush", "Slate",
    "Crowd", "Black", "Erode", "Trace", "Track", "Crate", "Snack", "Stone", "Strip", "Route"};

// Inside a phrase these stay lower case; every other word is capitalised.
const QSet<QString> ShortWords = {"of",  "a",  "the", "to",   "for", "or",   "in",  "with", "by",
                                  "and", "an", "on",  "from", "as",  "that", "are", "at"};

bool isTitleCase(const QString &phrase) {
    const QStringList words = phrase.split(u' ');
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString bare = QString(words.at(i)).remove(u',');
        if (bare.isEmpty())
            return false;
        const bool shortWordInside = i > 0 && ShortWords.contains(bare.toLower());
        if (shortWordInside ? bare != bare.toLower() : !bare.at(0).isUpper())
            return false;
    }
    return true;
}

bool isPlainAscii(const QString &text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
}

QString sortedLowerLetters(const QString &text) {
    QString letters = text.toLower();
    std::sort(letters.begin(), letters.end());
    return letters;
}

QStringList formViolations(const PuzzleRecord &puzzle) {
    static const QRegularExpression answerForm(QStringLiteral("^[A-Z][a-z]{1,9}$"));
    static const QRegularExpression finalAnswerForm(QStringLiteral("^[A-Z][a-z]{4}$"));
    QStringList broken;
    QString marked;
    for (std::int16_t slot = 1; slot <= 5; ++slot) {
        const QString &answer = puzzle.Answers(slot);
        const std::int16_t position = puzzle.MarkedPositions(slot);
        if (!answerForm.match(answer).hasMatch())
            broken << QStringLiteral("answer %1 \"%2\" is not one capitalised word of 2 to 10 letters")
                          .arg(slot)
                          .arg(answer);
        if (position < 1 || position > 9 || position > answer.size())
            broken << QStringLiteral("marked position %1 of \"%2\" is outside 1 to 9 or the word")
                          .arg(position)
                          .arg(answer);
        else
            marked += answer.at(position - 1);
    }
    for (std::int16_t index = 1; index <= 10; ++index) {
        const QString &definition = puzzle.Definitions(index);
        if (definition.size() < 3 || definition.size() > 65)
            broken << QStringLiteral("definition %1 \"%2\" is not 3 to 65 characters")
                          .arg(index)
                          .arg(definition);
        if (!isPlainAscii(definition) || !isTitleCase(definition))
            broken << QStringLiteral("definition %1 \"%2\" is not plain ASCII title case")
                          .arg(index)
                          .arg(definition);
    }
    const QString &clue = puzzle.FinalClue;
    QString cluePhrase = clue.chopped(clue.endsWith(QStringLiteral(" :")) ? 2 : 1);
    if (clue.size() < 7 || clue.size() > 57 || !clue.endsWith(u':'))
        broken << QStringLiteral("final clue \"%1\" is not 7 to 57 characters ending with a colon").arg(clue);
    if (!isPlainAscii(clue) || !isTitleCase(cluePhrase))
        broken << QStringLiteral("final clue \"%1\" is not plain ASCII title case").arg(clue);
    if (!finalAnswerForm.match(puzzle.FinalAnswer).hasMatch())
        broken << QStringLiteral("final answer \"%1\" is not one capitalised five-letter word")
                      .arg(puzzle.FinalAnswer);
    if (sortedLowerLetters(marked) != sortedLowerLetters(puzzle.FinalAnswer))
        broken << QStringLiteral("marked letters \"%1\" do not rearrange to \"%2\"")
                      .arg(marked, puzzle.FinalAnswer);
    else if (marked.toLower() == puzzle.FinalAnswer.toLower())
        broken << QStringLiteral("marked letters \"%1\" already spell the final answer").arg(marked);
    return broken;
}

struct Item {
    const char *first;
    const char *second;
    const char *answer;
    std::int16_t position;
};

PuzzleRecord record(std::initializer_list<Item> items, const char *finalClue, const char *finalAnswer) {
    PuzzleRecord puzzle;
    std::int16_t slot = 1;
    for (const Item &item : items) {
        puzzle.Definitions(static_cast<std::int16_t>(2 * slot - 1)) = item.first;
        puzzle.Definitions(static_cast<std::int16_t>(2 * slot)) = item.second;
        puzzle.Answers(slot) = item.answer;
        puzzle.MarkedPositions(slot) = item.position;
        ++slot;
    }
    puzzle.FinalClue = finalClue;
    puzzle.FinalAnswer = finalAnswer;
    return puzzle;
}

void addOutOfRangeRows() {
    QTest::addColumn<std::int16_t>("number");
    QTest::newRow("zero") << std::int16_t{0};
    QTest::newRow("minus one") << std::int16_t{-1};
    QTest::newRow("one past the end") << static_cast<std::int16_t>(CatalogSize + 1);
    QTest::newRow("lowest 16-bit number") << std::numeric_limits<std::int16_t>::min();
    QTest::newRow("highest 16-bit number") << std::numeric_limits<std::int16_t>::max();
}

} // namespace

class CatalogTest : public QObject {
    Q_OBJECT

private slots:
    // Runs first, while ActivePuzzle still holds nothing.
    void outOfRangeNumberDoesNotFillTheEmptyRecord_data() { addOutOfRangeRows(); }
    void outOfRangeNumberDoesNotFillTheEmptyRecord() {
        QFETCH(const std::int16_t, number);
        std::int16_t callersNumber = number;
        LoadPuzzle(callersNumber);
        QVERIFY(ActivePuzzle == PuzzleRecord{});
        QCOMPARE(callersNumber, number);
    }

    void outOfRangeNumberKeepsTheLoadedPuzzle_data() { addOutOfRangeRows(); }
    void outOfRangeNumberKeepsTheLoadedPuzzle() {
        QFETCH(const std::int16_t, number);
        LoadPuzzle(1);
        const PuzzleRecord before = ActivePuzzle;
        std::int16_t callersNumber = number;
        LoadPuzzle(callersNumber);
        QVERIFY(ActivePuzzle == before);
        QCOMPARE(callersNumber, number);
    }

    void everyPuzzleIsWellFormed_data() {
        QTest::addColumn<std::int16_t>("number");
        for (std::int16_t number = 1; number <= CatalogSize; ++number)
            QTest::addRow("puzzle %d", number) << number;
    }
    void everyPuzzleIsWellFormed() {
        QFETCH(const std::int16_t, number);
        std::int16_t callersNumber = number;
        LoadPuzzle(callersNumber);
        QCOMPARE(callersNumber, number);
        QCOMPARE(ActivePuzzle.FinalAnswer, FinalAnswers.at(number - 1));
        const QStringList broken = formViolations(ActivePuzzle);
        QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("puzzle %1: ").arg(number) + broken.join("; ")));
    }

    void noWordAnswersTwoItemsOrAlsoAFinalClue() {
        QHash<QString, std::int16_t> puzzleOfAnswer;
        QStringList broken;
        for (std::int16_t number = 1; number <= CatalogSize; ++number) {
            LoadPuzzle(number);
            for (const QString &answer : ActivePuzzle.Answers) {
                if (puzzleOfAnswer.contains(answer))
                    broken << QStringLiteral("puzzle %1: \"%2\" already answers an item of puzzle %3")
                                  .arg(number)
                                  .arg(answer)
                                  .arg(puzzleOfAnswer.value(answer));
                if (FinalAnswers.contains(answer))
                    broken << QStringLiteral("puzzle %1: item answer \"%2\" is also a final answer")
                                  .arg(number)
                                  .arg(answer);
                puzzleOfAnswer.insert(answer, number);
            }
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join("; ")));
    }

    void exactlyFiveFinalCluesHaveABlankBeforeTheColon() {
        QList<std::int16_t> withBlank;
        for (std::int16_t number = 1; number <= CatalogSize; ++number) {
            LoadPuzzle(number);
            if (ActivePuzzle.FinalClue.endsWith(QStringLiteral(" :")))
                withBlank << number;
        }
        QCOMPARE(withBlank.size(), 5);
        QVERIFY(withBlank.contains(14));
    }

    void theTwoEagerPuzzlesDifferInTheirClues() {
        LoadPuzzle(3);
        const PuzzleRecord third = ActivePuzzle;
        LoadPuzzle(8);
        QVERIFY(ActivePuzzle.FinalClue != third.FinalClue);
        QVERIFY(ActivePuzzle.Definitions != third.Definitions);
    }

    void fixedPuzzlesAreReproducedExactly_data() {
        QTest::addColumn<std::int16_t>("number");
        QTest::addColumn<PuzzleRecord>("expected");
        QTest::newRow("puzzle 1") << std::int16_t{1}
                                  << record({{"Company", "Solid", "Firm", 4},
                                             {"Flying Mammal", "A Piece of Baseball Equipment", "Bat", 3},
                                             {"To Serve", "To Pause", "Wait", 3},
                                             {"Series of Issues", "Loudness", "Volume", 2},
                                             {"Sight", "Dream", "Vision", 3}},
                                            "Slightly Wet:", "Moist");
        QTest::newRow("puzzle 2")
            << std::int16_t{2}
            << record({{"Satisfied", "The Meaning or Significance of a Literary Work", "Content", 2},
                       {"Infuriate", "An Aromatic Substance Burned to Produce a Pleasant Odor", "Incense", 5},
                       {"A Slender Candle", "Progressively Narrowed Toward on Edge", "Taper", 1},
                       {"Exceptionally Small", "One Sixtieth of an Hour", "Minute", 2},
                       {"Express Disapproval of Something", "A Material Thing", "Object", 3}},
                      "Place Where Two Parts are Joined:", "Joint");
        QTest::newRow("puzzle 14")
            << std::int16_t{14}
            << record({{"To Beat Severely", "To Moisten at Intervals", "Baste", 5},
                       {"A Disreputable Bar", "Plunge Into Water", "Dive", 2},
                       {"A Long Piece of Timber Used for Construction", "A Ray of Light", "Beam", 1},
                       {"To Implant Surgically", "Illegal Gain", "Graft", 2},
                       {"Placed Across Something Else", "To Oppose Successfully", "Thwart", 6}},
                      "A Unit of Sociopolitical Organization :", "Tribe");
    }
    void fixedPuzzlesAreReproducedExactly() {
        QFETCH(const std::int16_t, number);
        QFETCH(const PuzzleRecord, expected);
        LoadPuzzle(number);
        for (std::int16_t index = 1; index <= 10; ++index)
            QCOMPARE(ActivePuzzle.Definitions(index), expected.Definitions(index));
        for (std::int16_t slot = 1; slot <= 5; ++slot) {
            QCOMPARE(ActivePuzzle.Answers(slot), expected.Answers(slot));
            QCOMPARE(ActivePuzzle.MarkedPositions(slot), expected.MarkedPositions(slot));
        }
        QCOMPARE(ActivePuzzle.FinalClue, expected.FinalClue);
        QCOMPARE(ActivePuzzle.FinalAnswer, expected.FinalAnswer);
    }

    // A field that LoadPuzzle forgot to write would keep the previous puzzle's value.
    void previousPuzzleLeavesNoTrace() {
        QStringList broken;
        for (std::int16_t number = 1; number <= CatalogSize; ++number) {
            LoadPuzzle(number);
            const PuzzleRecord reference = ActivePuzzle;
            for (std::int16_t previous = 1; previous <= CatalogSize; ++previous) {
                LoadPuzzle(previous);
                LoadPuzzle(number);
                if (!(ActivePuzzle == reference))
                    broken << QStringLiteral("puzzle %1 loaded after puzzle %2 differs")
                                  .arg(number)
                                  .arg(previous);
            }
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join("; ")));
    }
};

QTEST_APPLESS_MAIN(CatalogTest)
#include "CatalogTest.moc"
