#include "puzzles/basPuzzles.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <algorithm>

using basPuzzles::CatalogSize;
using basPuzzles::PuzzleRecord;

namespace {

const QStringList FinalAnswers = {
    "Moist", "Joint", "Eager", "Child", "Barns", "Snare", "Spurn", "Eager", "Triad", "Rabid",
    "Grift", "Bawdy", "Throb", "Tribe", "First", "Print", "Lover", "Garth", "Glitz", "Grill",
    "Tenor", "Board", "Block", "Prowl", "Crank", "Bated", "Crest", "Blend", "Creed", "Fable",
    "Tower", "Habit", "Mount", "Badge", "Flute", "Grant", "Plane", "Fleet", "Blush", "Slate",
    "Crowd", "Black", "Erode", "Trace", "Track", "Crate", "Snack", "Stone", "Strip", "Route"};

// Plain ASCII in title case: inside a phrase these short words stay lower case, every other
// word is capitalised.
bool isTitleCase(const QString &phrase) {
    static const QStringList shortWords{"of",  "a",  "the", "to",   "for", "or",   "in",  "with", "by",
                                        "and", "an", "on",  "from", "as",  "that", "are", "at"};
    const QStringList words = phrase.split(u' ');
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString bare = QString(words.at(i)).remove(u',');
        const bool shortWordInside = i > 0 && shortWords.contains(bare.toLower());
        if (bare.isEmpty() || (shortWordInside ? bare != bare.toLower() : !bare.at(0).isUpper()))
            return false;
    }
    return std::all_of(phrase.begin(), phrase.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
}

QString sortedLower(QString text) {
    text = text.toLower();
    std::sort(text.begin(), text.end());
    return text;
}

QStringList brokenRules(const PuzzleRecord &puzzle) {
    static const QRegularExpression answerForm(QStringLiteral("^[A-Z][a-z]{1,9}$"));
    static const QRegularExpression finalAnswerForm(QStringLiteral("^[A-Z][a-z]{4}$"));
    QStringList broken;
    QString marked;
    for (std::int16_t slot = 1; slot <= 5; ++slot) {
        const QString &answer = puzzle.Answers(slot);
        const std::int16_t position = puzzle.MarkedPositions(slot);
        if (!answerForm.match(answer).hasMatch())
            broken << "answer \"" + answer + "\" is not one capitalised word of 2 to 10 letters";
        if (position < 1 || position > 9 || position > answer.size())
            broken << QStringLiteral("marked position %1 of \"%2\" is outside 1 to 9 or the word")
                          .arg(position)
                          .arg(answer);
        else
            marked += answer.at(position - 1);
    }
    for (const QString &definition : puzzle.Definitions) {
        if (definition.size() < 3 || definition.size() > 65 || !isTitleCase(definition))
            broken << "definition \"" + definition + "\" is not 3 to 65 characters of ASCII title case";
    }
    const QString &clue = puzzle.FinalClue;
    if (clue.size() < 7 || clue.size() > 57 || !clue.endsWith(u':') ||
        !isTitleCase(clue.chopped(clue.endsWith(QStringLiteral(" :")) ? 2 : 1)))
        broken << "final clue \"" + clue + "\" is not 7 to 57 characters of title case ending with a colon";
    if (!finalAnswerForm.match(puzzle.FinalAnswer).hasMatch())
        broken << "final answer \"" + puzzle.FinalAnswer + "\" is not one capitalised five-letter word";
    if (sortedLower(marked) != sortedLower(puzzle.FinalAnswer))
        broken << "marked letters \"" + marked + "\" do not rearrange to the final answer";
    else if (marked.toLower() == puzzle.FinalAnswer.toLower())
        broken << "marked letters \"" + marked + "\" already spell the final answer";
    return broken;
}

// A puzzle as lines of "first / second / answer / marked position", then "clue / answer".
QStringList describe(const PuzzleRecord &puzzle) {
    QStringList lines;
    for (std::int16_t slot = 1; slot <= 5; ++slot) {
        lines << QStringLiteral("%1 / %2 / %3 / %4")
                     .arg(puzzle.Definitions(static_cast<std::int16_t>(2 * slot - 1)),
                          puzzle.Definitions(static_cast<std::int16_t>(2 * slot)), puzzle.Answers(slot))
                     .arg(puzzle.MarkedPositions(slot));
    }
    return lines << puzzle.FinalClue + " / " + puzzle.FinalAnswer;
}

} // namespace

// Every puzzle is well formed and fair, and the three given ones are exactly as given.
class CatalogTest : public QObject {
    Q_OBJECT

private slots:
    void everyPuzzleIsWellFormed() {
        QStringList broken;
        for (std::int16_t number = 1; number <= CatalogSize; ++number) {
            const PuzzleRecord puzzle = *basPuzzles::catalogEntry(number);
            for (const QString &rule : brokenRules(puzzle))
                broken << QStringLiteral("puzzle %1: %2").arg(number).arg(rule);
            if (puzzle.FinalAnswer != FinalAnswers.at(number - 1))
                broken << QStringLiteral("puzzle %1 has lost its final answer").arg(number);
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join("; ")));
    }

    // No answer twice, no definition twice, five clues with a blank before the
    // colon, and "Eager" twice with different clues. Authored puzzles must also
    // not hand over the final answer by their first letters, and no clue may
    // give it away; the three given puzzles are held to none of this, but their
    // words count as used.
    void theCatalogAsAWholeMakesThePlayerWork() {
        const QList<std::int16_t> given{1, 2, 14};
        QHash<QString, std::int16_t> puzzleOf;
        QStringList broken;
        QList<std::int16_t> blankBeforeColon;
        qsizetype marks = 0;
        qsizetype firstLetterMarks = 0;
        for (std::int16_t number = 1; number <= CatalogSize; ++number) {
            const PuzzleRecord puzzle = *basPuzzles::catalogEntry(number);
            for (const QString &word :
                 QStringList(puzzle.Answers.begin(), puzzle.Answers.end()) +
                     QStringList(puzzle.Definitions.begin(), puzzle.Definitions.end())) {
                if (puzzleOf.contains(word) || FinalAnswers.contains(word))
                    broken << QStringLiteral("puzzle %1 repeats \"%2\"").arg(number).arg(word);
                puzzleOf.insert(word, number);
            }
            if (puzzle.FinalClue.endsWith(QStringLiteral(" :")))
                blankBeforeColon << number;
            if (given.contains(number))
                continue;
            const auto onFirst =
                std::count(puzzle.MarkedPositions.begin(), puzzle.MarkedPositions.end(), std::int16_t{1});
            marks += puzzle.MarkedPositions.size();
            firstLetterMarks += onFirst;
            if (onFirst > 2)
                broken << QStringLiteral("puzzle %1: %2 marks on a first letter").arg(number).arg(onFirst);
            if (puzzle.FinalClue.contains(puzzle.FinalAnswer.left(4), Qt::CaseInsensitive))
                broken << QStringLiteral("puzzle %1: the final clue gives away %2")
                              .arg(number)
                              .arg(puzzle.FinalAnswer);
        }
        if (firstLetterMarks * 100 > marks * 35)
            broken << QStringLiteral("%1 of %2 marks are on a first letter").arg(firstLetterMarks).arg(marks);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join("; ")));
        QCOMPARE(blankBeforeColon.size(), 5);
        QVERIFY(blankBeforeColon.contains(14));
        QVERIFY(basPuzzles::catalogEntry(3)->FinalClue != basPuzzles::catalogEntry(8)->FinalClue);
    }

    void givenPuzzlesAreReproducedExactly() {
        QCOMPARE(describe(*basPuzzles::catalogEntry(1)),
                 (QStringList{"Company / Solid / Firm / 4",
                              "Flying Mammal / A Piece of Baseball Equipment / Bat / 3",
                              "To Serve / To Pause / Wait / 3", "Series of Issues / Loudness / Volume / 2",
                              "Sight / Dream / Vision / 3", "Slightly Wet: / Moist"}));
        QCOMPARE(
            describe(*basPuzzles::catalogEntry(2)),
            (QStringList{"Satisfied / The Meaning or Significance of a Literary Work / Content / 2",
                         "Infuriate / An Aromatic Substance Burned to Produce a Pleasant Odor / Incense / 5",
                         "A Slender Candle / Progressively Narrowed Toward on Edge / Taper / 1",
                         "Exceptionally Small / One Sixtieth of an Hour / Minute / 2",
                         "Express Disapproval of Something / A Material Thing / Object / 3",
                         "Place Where Two Parts are Joined: / Joint"}));
        QCOMPARE(describe(*basPuzzles::catalogEntry(14)),
                 (QStringList{"To Beat Severely / To Moisten at Intervals / Baste / 5",
                              "A Disreputable Bar / Plunge Into Water / Dive / 2",
                              "A Long Piece of Timber Used for Construction / A Ray of Light / Beam / 1",
                              "To Implant Surgically / Illegal Gain / Graft / 2",
                              "Placed Across Something Else / To Oppose Successfully / Thwart / 6",
                              "A Unit of Sociopolitical Organization : / Tribe"}));
    }
};

QTEST_APPLESS_MAIN(CatalogTest)
#include "CatalogTest.moc"
