#include "puzzles/basPuzzles.h"
#include "support/GameDriver.h"

#include <QPushButton>
#include <QtTest>

using basPuzzles::ActivePuzzle;
using Kind = ScriptedDialogs::Kind;

Q_DECLARE_METATYPE(ScriptedDialogs::Kind)

// A game from start to end through the window: choosing a puzzle by number,
// hints, "Correct?" and the offer to play again.
class PlayTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { game_.reset(); }

    void choosingAPuzzleByNumber_data();
    void choosingAPuzzleByNumber();
    void theDialogAsksForANumberUpToTheLastPuzzle();
    void hintsRevealLeadingLettersAndMoveTheFocus();
    void hintOverwritesWrongLettersAndWipesTheRest();
    void hintOnACorrectFirstLetterChangesNothing();
    void hintButtonsOfDifferentRowsAreIndependent();
    void correctCountsOnlyExactRows();
    void noAfterASolvedBoardKeepsItAndYesStartsAfresh();
    void wholePuzzlesCanBePlayedFromStartToFinish_data();
    void wholePuzzlesCanBePlayedFromStartToFinish();

private:
    QWidget *focused() const { return QApplication::focusWidget(); }
    void typeSolution();
    std::unique_ptr<GameDriver> game_;
};

void PlayTest::init() {
    game_ = std::make_unique<GameDriver>();
    game_->selectPuzzle(QStringLiteral("1"));
    game_->dialogs.shown.clear();
}

void PlayTest::choosingAPuzzleByNumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("rebuilt");
    QTest::addColumn<QString>("messageTitle"); // empty: no message
    QTest::addColumn<bool>("focusInFirstBox");

    QTest::newRow("Cancel or nothing typed") << "" << false << "" << false;
    QTest::newRow("not a number") << "abc" << false << "abc is an Invalid Puzzle Number" << true;
    QTest::newRow("blanks only") << "  " << false << "   is an Invalid Puzzle Number" << true;
    QTest::newRow("too big for any puzzle")
        << "99999" << false << "99999 is an Invalid Puzzle Number" << true;
    QTest::newRow("below the range") << "0" << false << "0 is an Invalid Puzzle Number" << false;
    QTest::newRow("above the range") << "51" << false << "51 is an Invalid Puzzle Number" << false;
    QTest::newRow("negative") << "-3" << false << "-3 is an Invalid Puzzle Number" << false;
    QTest::newRow("valid with blanks") << " 7 " << true << "" << true;
    QTest::newRow("the puzzle already shown") << "1" << true << "" << true;
}

void PlayTest::choosingAPuzzleByNumber() {
    QFETCH(QString, typed);
    QFETCH(bool, rebuilt);
    QFETCH(QString, messageTitle);
    QFETCH(bool, focusInFirstBox);

    game_->typeRow(2, QStringLiteral("bat"));
    game_->box(3, 2)->setFocus();
    const QString titleBefore = game_->window().windowTitle();
    game_->selectPuzzle(typed);

    QCOMPARE(game_->dialogs.shown.size(), messageTitle.isEmpty() ? 1 : 2);
    if (!messageTitle.isEmpty()) {
        const ScriptedDialogs::Shown &message = game_->dialogs.shown.last();
        QCOMPARE(message.kind, Kind::Message);
        QCOMPARE(message.title, messageTitle);
        QCOMPARE(message.text,
                 QStringLiteral("You must enter a number between 1 and 50.  Please hit F3 to try again."));
        QCOMPARE(message.icon, Dialogs::Icon::Exclamation);
    }
    if (rebuilt) {
        QCOMPARE(game_->window().windowTitle(),
                 QStringLiteral("Wordsnarl - Puzzle Number %1").arg(typed.trimmed()));
        QVERIFY(!game_->rowText(2).contains(QLatin1Char('B')) || game_->rowText(2) == QStringLiteral("___"));
    } else {
        QCOMPARE(game_->window().windowTitle(), titleBefore);
        QCOMPARE(game_->rowText(2), QStringLiteral("Bat"));
    }
    QCOMPARE(focused(), focusInFirstBox ? game_->box(1, 1) : game_->box(3, 2));
}

void PlayTest::theDialogAsksForANumberUpToTheLastPuzzle() {
    game_->selectPuzzle(QString());
    const ScriptedDialogs::Shown &asked = game_->dialogs.shown.first();
    QCOMPARE(asked.kind, Kind::AskText);
    QCOMPARE(asked.title, QStringLiteral("Enter Puzzle Number"));
    QCOMPARE(
        asked.text,
        QStringLiteral("Enter the number of the puzzle you wish to play.  Valid numbers are from 1 to 50"));
}

void PlayTest::hintsRevealLeadingLettersAndMoveTheFocus() {
    // Row 2 is "Bat"; row 6 the final answer "Moist".
    const QPushButton *hint = game_->window().findChild<QPushButton *>(QStringLiteral("cmdHint(2)"));
    const QStringList shown{"B__", "Ba_", "Bat", "B__"};
    // Only a box that receives a new letter moves the focus on: the third press
    // adds just the last letter, and the fourth finds "B" already in place.
    const QList<QWidget *> focus{game_->box(2, 2), game_->box(2, 3), nullptr, nullptr};
    for (qsizetype press = 0; press < shown.size(); ++press) {
        game_->pressHint(2);
        QCOMPARE(game_->rowText(2), shown[press]);
        QCOMPARE(focused(), focus[press] ? focus[press] : hint);
    }
    for (const QString expected : {"M____", "Mo___", "Moi__", "Mois_", "Moist", "M____"}) {
        game_->pressHint(6);
        QCOMPARE(game_->rowText(6), expected);
    }
    QCOMPARE(focused(), game_->window().findChild<QPushButton *>(QStringLiteral("cmdClueHint")));
}

void PlayTest::hintOverwritesWrongLettersAndWipesTheRest() {
    game_->typeRow(4, QStringLiteral("xolune"));
    game_->pressHint(4);
    QCOMPARE(game_->rowText(4), QStringLiteral("V_____"));
    QCOMPARE(focused(), game_->box(4, 2));
    QTest::keyClicks(focused(), QStringLiteral("o"));
    QCOMPARE(game_->rowText(4), QStringLiteral("Vo____"));
}

void PlayTest::hintOnACorrectFirstLetterChangesNothing() {
    game_->typeRow(3, QStringLiteral("w"));
    game_->pressHint(3);
    QCOMPARE(game_->rowText(3), QStringLiteral("W___"));
    QCOMPARE(focused(), game_->window().findChild<QPushButton *>(QStringLiteral("cmdHint(3)")));
}

void PlayTest::hintButtonsOfDifferentRowsAreIndependent() {
    for (int press = 0; press < 3; ++press) {
        game_->pressHint(2);
    }
    game_->pressHint(4);
    QCOMPARE(game_->rowText(4), QStringLiteral("V_____"));
    QCOMPARE(game_->window().state().HintCount(2), std::int16_t{3});
    QCOMPARE(game_->window().state().HintCount(4), std::int16_t{1});
}

void PlayTest::correctCountsOnlyExactRows() {
    auto verdict = [this] {
        game_->dialogs.shown.clear();
        game_->pressCorrect();
        return game_->dialogs.shown.value(0).text;
    };
    const QString two =
        QStringLiteral("You have %1 items incorrect!  All answers and the clue answer must be "
                       "correct to win.");
    QCOMPARE(verdict(), two.arg(6));
    QCOMPARE(game_->dialogs.shown.first().title, QStringLiteral("Incorrect!"));
    QCOMPARE(game_->dialogs.shown.first().icon, Dialogs::Icon::Exclamation);

    typeSolution();
    game_->box(3, 2)->setText(QString());           // a gap: "Wat"
    game_->box(5, 3)->setText(QStringLiteral(" ")); // a blank for a letter
    QCOMPARE(verdict(), two.arg(2));
    game_->box(3, 2)->setText(QStringLiteral("a"));
    QCOMPARE(verdict(),
             QStringLiteral("You have one item incorrect!  One answer or the clue answer is incorrect."));
    QCOMPARE(game_->dialogs.shown.first().kind, Kind::Message);
    // Checking changes nothing on the board.
    QCOMPARE(game_->rowText(5), QStringLiteral("Vi ion"));
}

void PlayTest::noAfterASolvedBoardKeepsItAndYesStartsAfresh() {
    typeSolution();
    game_->dialogs.yesNoAnswers.enqueue(false);
    game_->pressCorrect();
    QCOMPARE(game_->dialogs.shown.last().kind, Kind::YesNo);
    QCOMPARE(game_->dialogs.shown.last().title, QStringLiteral("You Solved the Puzzle!  Play Again?"));
    QCOMPARE(game_->rowText(6), QStringLiteral("Moist"));
    QCOMPARE(game_->window().windowTitle(), QStringLiteral("Wordsnarl - Puzzle Number 1"));

    game_->dialogs.yesNoAnswers.enqueue(true);
    game_->pressHint(1);
    game_->pressCorrect(); // row 1 reduced to "F": not solved any more
    QCOMPARE(game_->dialogs.shown.last().kind, Kind::Message);
    game_->typeRow(1, QStringLiteral("firm"));
    game_->pressCorrect();
    QCOMPARE(game_->dialogs.shown.last().kind, Kind::YesNo);
    for (std::int16_t row = 1; row <= 6; ++row) {
        QCOMPARE(game_->rowText(row), QString(game_->visibleBoxes(row).size(), QLatin1Char('_')));
    }
    QCOMPARE(game_->window().state().HintCount(1), std::int16_t{0});
    QCOMPARE(focused(), game_->box(1, 1));
}

void PlayTest::wholePuzzlesCanBePlayedFromStartToFinish_data() {
    QTest::addColumn<int>("number");
    for (const int number : {2, 14, 26, 50}) {
        QTest::newRow(qPrintable(QStringLiteral("puzzle %1").arg(number))) << number;
    }
}

void PlayTest::wholePuzzlesCanBePlayedFromStartToFinish() {
    QFETCH(int, number);
    game_->selectPuzzle(QString::number(number));
    QCOMPARE(game_->window().windowTitle(), QStringLiteral("Wordsnarl - Puzzle Number %1").arg(number));
    typeSolution();
    game_->dialogs.yesNoAnswers.enqueue(true);
    game_->pressCorrect();
    QCOMPARE(game_->dialogs.shown.last().text,
             QStringLiteral("You Have Everything Correct! Would You Like to Play Again?"));
    QCOMPARE(focused(), game_->box(1, 1));
    QCOMPARE(game_->rowText(1), QString(ActivePuzzle.Answers(1).size(), QLatin1Char('_')));
}

// Types every answer of the puzzle in play in lower case, as a player might.
void PlayTest::typeSolution() {
    for (std::int16_t row = 1; row <= 5; ++row) {
        game_->typeRow(row, ActivePuzzle.Answers(row).toLower());
    }
    game_->typeRow(6, ActivePuzzle.FinalAnswer.toLower());
}

QTEST_MAIN(PlayTest)
#include "PlayTest.moc"
