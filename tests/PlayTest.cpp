#include "puzzles/basPuzzles.h"
#include "support/GameDriver.h"

#include <QPushButton>
#include <QtTest>

using basPuzzles::ActivePuzzle;
using Kind = ScriptedDialogs::Kind;

// A game from start to end through the window: choosing a puzzle by number,
// hints, "Correct?" and the offer to play again.
class PlayTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        game_ = std::make_unique<GameDriver>();
        game_->selectPuzzle(QStringLiteral("1"));
        game_->dialogs.shown.clear();
    }
    void cleanup() { game_.reset(); }

    void choosingAPuzzleByNumber_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("rebuilt");
        QTest::addColumn<QString>("messageTitle"); // empty: no message
        QTest::addColumn<bool>("focusInFirstBox");
        const auto row = [](const char *name, const char *typed, bool rebuilt, const char *title,
                            bool focus) {
            QTest::newRow(name) << QString(typed) << rebuilt << QString(title) << focus;
        };
        row("Cancel or nothing typed", "", false, "", false);
        row("not a number", "abc", false, "abc is an Invalid Puzzle Number", true);
        row("blanks only", "  ", false, "   is an Invalid Puzzle Number", true);
        row("too big for any puzzle", "99999", false, "99999 is an Invalid Puzzle Number", true);
        row("below the range", "0", false, "0 is an Invalid Puzzle Number", false);
        row("above the range", "51", false, "51 is an Invalid Puzzle Number", false);
        row("negative", "-3", false, "-3 is an Invalid Puzzle Number", false);
        row("valid with blanks", " 7 ", true, "", true);
        row("the puzzle already shown", "1", true, "", true);
    }
    void choosingAPuzzleByNumber() {
        QFETCH(QString, typed);
        QFETCH(bool, rebuilt);
        QFETCH(QString, messageTitle);
        QFETCH(bool, focusInFirstBox);
        game_->typeRow(2, QStringLiteral("bat"));
        game_->box(3, 2)->setFocus();
        const QString titleBefore = game_->window().windowTitle();
        game_->selectPuzzle(typed);

        const ScriptedDialogs::Shown &asked = game_->dialogs.shown.first();
        QCOMPARE(asked.kind, Kind::AskText);
        QCOMPARE(asked.title, QStringLiteral("Enter Puzzle Number"));
        QCOMPARE(asked.text, QStringLiteral("Enter the number of the puzzle you wish to play.  "
                                            "Valid numbers are from 1 to 50"));
        QCOMPARE(game_->dialogs.shown.size(), messageTitle.isEmpty() ? 1 : 2);
        if (!messageTitle.isEmpty()) {
            const ScriptedDialogs::Shown &message = game_->dialogs.shown.last();
            QCOMPARE(message.kind, Kind::Message);
            QCOMPARE(message.title, messageTitle);
            QCOMPARE(message.text, QStringLiteral("You must enter a number between 1 and 50.  "
                                                  "Please hit F3 to try again."));
            QCOMPARE(message.icon, Dialogs::Icon::Exclamation);
        }
        QCOMPARE(game_->window().windowTitle(),
                 rebuilt ? QStringLiteral("Wordsnarl - Puzzle Number %1").arg(typed.trimmed()) : titleBefore);
        QCOMPARE(game_->rowText(2),
                 rebuilt ? QString(game_->visibleBoxes(2).size(), u'_') : QStringLiteral("Bat"));
        QCOMPARE(focused(), focusInFirstBox ? game_->box(1, 1) : game_->box(3, 2));
    }

    // Row 2 is "Bat", row 6 the final answer "Moist". Only a box that receives a
    // new letter moves the focus on; otherwise it stays on the hint button.
    void hintsRevealLeadingLettersAndMoveTheFocus() {
        const auto *hint = game_->window().findChild<QPushButton *>(QStringLiteral("cmdHint(2)"));
        const QList<std::pair<QString, QWidget *>> presses{
            {"B__", game_->box(2, 2)}, {"Ba_", game_->box(2, 3)}, {"Bat", nullptr}, {"B__", nullptr}};
        for (const auto &[shown, focus] : presses) {
            game_->pressHint(2);
            QCOMPARE(game_->rowText(2), shown);
            QCOMPARE(focused(), focus ? focus : hint);
        }
        for (const QString expected : {"M____", "Mo___", "Moi__", "Mois_", "Moist", "M____"}) {
            game_->pressHint(6);
            QCOMPARE(game_->rowText(6), expected);
        }
        QCOMPARE(focused(), game_->window().findChild<QPushButton *>(QStringLiteral("cmdClueHint")));
    }

    void hintOverwritesOnlyWrongLettersAndCountsEachRowApart() {
        game_->typeRow(4, QStringLiteral("xolune"));
        game_->pressHint(2);
        game_->pressHint(2);
        game_->pressHint(4);
        QCOMPARE(game_->rowText(4), QStringLiteral("V_____"));
        QCOMPARE(focused(), game_->box(4, 2));
        QCOMPARE(game_->window().state().HintCount(2), std::int16_t{2});
        QCOMPARE(game_->window().state().HintCount(4), std::int16_t{1});
        // A first press on a row whose first letter is right changes nothing.
        game_->typeRow(3, QStringLiteral("w"));
        game_->pressHint(3);
        QCOMPARE(game_->rowText(3), QStringLiteral("W___"));
        QCOMPARE(focused(), game_->window().findChild<QPushButton *>(QStringLiteral("cmdHint(3)")));
    }

    void correctCountsOnlyExactRowsAndChangesNothing() {
        const QString many =
            QStringLiteral("You have %1 items incorrect!  All answers and the clue answer must "
                           "be correct to win.");
        QCOMPARE(verdict(), many.arg(6));
        QCOMPARE(game_->dialogs.shown.first().title, QStringLiteral("Incorrect!"));
        QCOMPARE(game_->dialogs.shown.first().icon, Dialogs::Icon::Exclamation);
        typeSolution();
        game_->box(3, 2)->setText(QString());           // a gap: "Wat"
        game_->box(5, 3)->setText(QStringLiteral(" ")); // a blank for a letter
        QCOMPARE(verdict(), many.arg(2));
        game_->box(3, 2)->setText(QStringLiteral("a"));
        QCOMPARE(verdict(),
                 QStringLiteral("You have one item incorrect!  One answer or the clue answer is incorrect."));
        QCOMPARE(game_->dialogs.shown.first().kind, Kind::Message);
        QCOMPARE(game_->rowText(5), QStringLiteral("Vi ion"));
    }

    void noAfterASolvedBoardKeepsItAndYesStartsAfresh() {
        typeSolution();
        game_->dialogs.yesNoAnswers.enqueue(false);
        QCOMPARE(verdict(), QStringLiteral("You Have Everything Correct! Would You Like to Play Again?"));
        QCOMPARE(game_->dialogs.shown.first().kind, Kind::YesNo);
        QCOMPARE(game_->dialogs.shown.first().title, QStringLiteral("You Solved the Puzzle!  Play Again?"));
        QCOMPARE(game_->rowText(6), QStringLiteral("Moist"));
        QCOMPARE(game_->window().windowTitle(), QStringLiteral("Wordsnarl - Puzzle Number 1"));

        game_->pressHint(1); // row 1 reduced to "F": not solved any more
        game_->dialogs.yesNoAnswers.enqueue(true);
        verdict();
        QCOMPARE(game_->dialogs.shown.first().kind, Kind::Message);
        game_->typeRow(1, QStringLiteral("firm"));
        verdict();
        for (std::int16_t row = 1; row <= 6; ++row) {
            QCOMPARE(game_->rowText(row), QString(game_->visibleBoxes(row).size(), u'_'));
        }
        QCOMPARE(game_->window().state().HintCount(1), std::int16_t{0});
        QCOMPARE(focused(), game_->box(1, 1));
    }

    // The answers come from the catalog, so any puzzle can be played through.
    void wholePuzzlesCanBePlayedFromStartToFinish() {
        for (const char *number : {"2", "14", "26", "50"}) {
            game_->selectPuzzle(QString::fromLatin1(number));
            QCOMPARE(game_->window().windowTitle(), QStringLiteral("Wordsnarl - Puzzle Number ") + number);
            typeSolution();
            game_->dialogs.yesNoAnswers.enqueue(true);
            QCOMPARE(verdict(), QStringLiteral("You Have Everything Correct! Would You Like to Play Again?"));
            QCOMPARE(focused(), game_->box(1, 1));
            QCOMPARE(game_->rowText(1), QString(ActivePuzzle.Answers(1).size(), u'_'));
        }
    }

private:
    QWidget *focused() const { return QApplication::focusWidget(); }

    // Presses "Correct?" and gives the text of the one message it shows.
    QString verdict() {
        game_->dialogs.shown.clear();
        game_->pressCorrect();
        return game_->dialogs.shown.size() == 1 ? game_->dialogs.shown.first().text : QString();
    }

    // Types every answer of the puzzle in play in lower case, as a player might.
    void typeSolution() {
        for (std::int16_t row = 1; row <= 5; ++row) {
            game_->typeRow(row, ActivePuzzle.Answers(row).toLower());
        }
        game_->typeRow(6, ActivePuzzle.FinalAnswer.toLower());
    }

    std::unique_ptr<GameDriver> game_;
};

QTEST_MAIN(PlayTest)
#include "PlayTest.moc"
