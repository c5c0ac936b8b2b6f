#include "puzzles/basPuzzles.h"
#include "rules/HintCycle.h"
#include "rules/LetterCase.h"
#include "rules/PuzzleNumber.h"
#include "rules/RandomPuzzle.h"
#include "rules/SolutionCheck.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <cmath>

using namespace basPuzzles;
using Kind = PuzzleChoice::Kind;

namespace {

// Plain ASCII in title case; inside a phrase the short words stay lower case.
bool isTitleCase(const QString &phrase) {
    static const QStringList shortWords =
        QStringLiteral("of a the to for or in with by and an on from as that are at").split(u' ');
    const QStringList words = phrase.split(u' ');
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString bare = QString(words.at(i)).remove(u',');
        const bool shortInside = i > 0 && shortWords.contains(bare.toLower());
        if (bare.isEmpty() || (shortInside ? bare != bare.toLower() : !bare.at(0).isUpper()))
            return false;
    }
    return std::all_of(phrase.begin(), phrase.end(), [](QChar c) { return c >= u' ' && c < u'\x7f'; });
}

QString sortedLower(QString text) {
    text = text.toLower();
    std::sort(text.begin(), text.end());
    return text;
}

QStringList brokenRules(const PuzzleRecord &puzzle) {
    static const QRegularExpression answerForm(QStringLiteral("^[A-Z][a-z]{1,9}$"));
    QStringList broken;
    QString marked;
    for (std::int16_t slot = 1; slot <= 5; ++slot) {
        const QString &answer = puzzle.Answers(slot);
        const std::int16_t position = puzzle.MarkedPositions(slot);
        if (!answerForm.match(answer).hasMatch() || position < 1 || position > 9 || position > answer.size())
            broken << QStringLiteral("\"%1\" marked at %2").arg(answer).arg(position);
        else
            marked += answer.at(position - 1);
    }
    for (const QString &definition : puzzle.Definitions)
        if (definition.size() < 3 || definition.size() > 65 || !isTitleCase(definition))
            broken << "definition \"" + definition + "\"";
    const QString &clue = puzzle.FinalClue;
    if (clue.size() < 7 || clue.size() > 57 || !clue.endsWith(u':') ||
        !isTitleCase(clue.chopped(clue.endsWith(QStringLiteral(" :")) ? 2 : 1)))
        broken << "final clue \"" + clue + "\"";
    if (sortedLower(marked) != sortedLower(puzzle.FinalAnswer) || marked == puzzle.FinalAnswer.toLower())
        broken << "marked letters \"" + marked + "\" for " + puzzle.FinalAnswer;
    return broken;
}

} // namespace

// The game's rules and its puzzles, without any window.
class RulesTest : public QObject {
    Q_OBJECT

private slots:
    void lettersRandomDrawsAndTheCount() {
        QCOMPARE(caseForBox(QStringLiteral("\u00e9"), 1) + caseForBox(QStringLiteral("A"), 2),
                 QStringLiteral("\u00c9a"));
        for (const auto &[u, number] : {std::pair{0.0F, 1},
                                        {std::nextafter(0.02F, 0.0F), 1},
                                        {0.02F, 2},
                                        {std::nextafter(1.0F, 0.0F), 50}})
            QCOMPARE(int(puzzleNumberForDraw(50, u)), number);
        for (int i = 0; i < 2000; ++i) {
            const float u = drawUniform();
            QVERIFY2(u >= 0.0F && u < 1.0F, qPrintable(QString::number(u)));
        }
        const SixItems answers{"Firm", "Bat", "Wait", "Volume", "Vision", "Moist"};
        QCOMPARE(int(countCorrectItems(answers, answers)), 6);
        QCOMPARE(int(countCorrectItems({"Firm", "bat", "Wai", "Volume ", "Vision", "Moist"}, answers)), 3);
    }

    // Each press reveals one more leading letter, starting again after the
    // whole answer; the boxes behind are emptied before the letters are written.
    void hintsCycleThroughTheAnswer() {
        using Writes = std::vector<BoxWrite>;
        QCOMPARE(hintStep(0, QStringLiteral("Ox")).writes, (Writes{{2, ""}, {1, "O"}}));
        QCOMPARE(hintStep(1, QStringLiteral("Ox")).writes, (Writes{{1, "O"}, {2, "x"}}));
        QCOMPARE(int(hintStep(2, QStringLiteral("Ox")).count), 1);
        QCOMPARE(int(hintStep(9, QStringLiteral("Grandstand")).count), 10);
        QCOMPARE(int(hintStep(10, QStringLiteral("Grandstand")).count), 1);
    }

    void aTypedPuzzleNumberIsReadTheLocalesWay() {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        struct Row {
            QString typed;
            Kind kind;
            int number;
            QString shownAs; // in the rejection's title
            bool focusFirstBox;
            QLocale locale;
        };
        const Row rows[] = {
            {"", Kind::Nothing, 0, "", false, english},
            {"   ", Kind::Rejected, 0, "   ", true, english},
            {"abc", Kind::Rejected, 0, "abc", true, english},
            {" +7 ", Kind::Play, 7, "", true, english},
            {"-3", Kind::Rejected, -3, "-3", false, english},
            {"0.4", Kind::Rejected, 0, "0", false, english},
            {"2.5", Kind::Play, 2, "", true, english},
            {"3.5", Kind::Play, 4, "", true, english},
            {"50", Kind::Play, 50, "", true, english},
            {"1,000", Kind::Rejected, 1000, "1000", false, english},
            {"32767", Kind::Rejected, 32767, "32767", false, english},
            {"32768", Kind::Rejected, 0, "32768", true, english},
            {"1e9", Kind::Rejected, 0, "1e9", true, english},
            {"inf", Kind::Rejected, 0, "inf", true, english},
            {QString(200, u'1'), Kind::Rejected, 0, QString(200, u'1'), true, english},
            {"3,5", Kind::Play, 4, "", true, QLocale(QLocale::German, QLocale::Germany)},
        };
        for (const Row &row : rows) {
            const PuzzleChoice choice = choosePuzzle(row.typed, row.locale, 50);
            const QString title =
                row.shownAs.isEmpty() ? QString() : row.shownAs + " is an Invalid Puzzle Number";
            QVERIFY2(choice.kind == row.kind && choice.number == row.number && choice.title == title &&
                         choice.focusFirstAnswerBox == row.focusFirstBox,
                     qPrintable(row.typed.left(20)));
        }
    }

    void loadingCopiesTheEntryAndIgnoresOtherNumbers() {
        LoadPuzzle(2);
        for (const std::int16_t outside : {0, -1, 51}) {
            QVERIFY(!catalogEntry(outside));
            LoadPuzzle(outside);
        }
        QCOMPARE(ActivePuzzle, *catalogEntry(2));
        QCOMPARE(catalogEntry(50)->FinalAnswer, QStringLiteral("Route"));
    }

    // Every puzzle is well formed and fair; no answer, definition or final
    // answer is used twice, but for "Eager" with two different clues. Authored
    // puzzles must not hand over the final answer by first letters or by the
    // clue; the three given ones are held to none of this.
    void theCatalogIsWellFormedAndMakesThePlayerWork() {
        const QList<std::int16_t> given{1, 2, 14};
        QSet<QString> finalAnswers;
        for (std::int16_t number = 1; number <= CatalogSize; ++number)
            finalAnswers << catalogEntry(number)->FinalAnswer;
        QCOMPARE(finalAnswers.size(), CatalogSize - 1); // "Eager" twice
        QSet<QString> used;
        QStringList broken;
        QList<std::int16_t> blankBeforeColon;
        qsizetype firstLetterMarks = 0;
        for (std::int16_t number = 1; number <= CatalogSize; ++number) {
            const PuzzleRecord puzzle = *catalogEntry(number);
            const auto tell = [&](const QString &what) {
                broken << QStringLiteral("%1: %2").arg(number).arg(what);
            };
            for (const QString &rule : brokenRules(puzzle))
                tell(rule);
            for (const QString &word :
                 QStringList(puzzle.Answers.begin(), puzzle.Answers.end()) +
                     QStringList(puzzle.Definitions.begin(), puzzle.Definitions.end())) {
                if (used.contains(word) || finalAnswers.contains(word))
                    tell("repeats " + word);
                used.insert(word);
            }
            if (puzzle.FinalClue.endsWith(QStringLiteral(" :")))
                blankBeforeColon << number;
            if (given.contains(number))
                continue;
            const auto onFirst =
                std::count(puzzle.MarkedPositions.begin(), puzzle.MarkedPositions.end(), std::int16_t{1});
            firstLetterMarks += onFirst;
            if (onFirst > 2 || puzzle.FinalClue.contains(puzzle.FinalAnswer.left(4), Qt::CaseInsensitive))
                tell("gives away " + puzzle.FinalAnswer);
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join("; ")));
        QVERIFY2(firstLetterMarks * 100 <= (CatalogSize - given.size()) * 5 * 35,
                 "too many marks on a first letter");
        QCOMPARE(blankBeforeColon.size(), 5);
        QVERIFY(blankBeforeColon.contains(14));
        QVERIFY(catalogEntry(3)->FinalClue != catalogEntry(8)->FinalClue);
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "RulesTest.moc"
