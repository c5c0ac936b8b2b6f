#include "puzzles/basPuzzles.h"
#include "support/AccessibleTree.h"
#include "support/GameDriver.h"

#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using Kind = ScriptedDialogs::Kind;

// The game window played as a player plays it, keys sent to the window: the
// board of a chosen puzzle, letter entry, hints, "Correct?" and a new game.
// Puzzle 1 is Firm, Bat, Wait, Volume, Vision and Moist, marked at 4, 3, 3, 2, 3.
class GameWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        game_ = std::make_unique<GameDriver>();
        game_->selectPuzzle(QStringLiteral("1"));
        game_->dialogs.shown.clear();
    }
    void cleanup() { game_.reset(); }

    void aPuzzleIsLaidOutAndPlayedThroughWithTheKeyboardAlone() {
        QCOMPARE(game_->window().windowTitle(), QStringLiteral("Wordsnarl - Puzzle Number 1"));
        QCOMPARE(text("txtClue(0)"), QStringLiteral("Company"));
        QCOMPARE(text("txtClue(3)"), QStringLiteral("A Piece of Baseball Equipment"));
        QCOMPARE(game_->window().findChild<QLabel *>(QStringLiteral("lblClue"))->text(),
                 QStringLiteral("Slightly Wet:"));
        const int marked[] = {4, 3, 3, 2, 3};
        for (std::int16_t row = 1; row <= 6; ++row) {
            QCOMPARE(game_->rowText(row), QString(answer(row).size(), u'_'));
            for (std::int16_t index = 1; index <= answer(row).size(); ++index) {
                const bool red = game_->box(row, index)->palette().color(QPalette::Base) == QColor(255, 0, 0);
                QVERIFY(red == (row == 6 || index == marked[row - 1]));
            }
        }
        QCOMPARE(game_->box(2, 3)->accessibleName(), QStringLiteral("Answer 2, letter 3 of 3, marked"));
        QCOMPARE(game_->box(6, 1)->accessibleName(), QStringLiteral("Final answer, letter 1 of 5"));
        QVERIFY(walkAccessibleTree(game_->window()).unnamed.isEmpty());
        QCOMPARE(focused(), game_->box(1, 1));

        // From each row's last box, Tab passes the next row's two definitions.
        for (std::int16_t row = 1; row <= 6; ++row) {
            game_->type(answer(row).toLower());
            for (int tab = row < 5 ? 3 : 1; tab > 0; --tab) {
                game_->press(Qt::Key_Tab);
            }
        }
        QCOMPARE(focused()->objectName(), QStringLiteral("cmdCorrectPuz"));
        game_->press(Qt::Key_Space);
        QCOMPARE(game_->dialogs.shown.last().title, QStringLiteral("You Solved the Puzzle!  Play Again?"));
        QCOMPARE(game_->dialogs.shown.last().text,
                 QStringLiteral("You Have Everything Correct! Would You Like to Play Again?"));
        QCOMPARE(game_->rowText(6), QStringLiteral("Moist")); // No keeps the board
        game_->dialogs.yesNoAnswers.enqueue(true);
        game_->press(Qt::Key_Space);
        for (std::int16_t row = 1; row <= 6; ++row) {
            QCOMPARE(game_->rowText(row), QString(answer(row).size(), u'_'));
        }
        QCOMPARE(focused(), game_->box(1, 1));
    }

    void choosingAPuzzleByNumber_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("puzzle");        // shown afterwards
        QTest::addColumn<QString>("rejection"); // title of the message, if any
        QTest::addColumn<bool>("focusFirstBox");
        QTest::newRow("Cancel") << "" << 1 << "" << false;
        QTest::newRow("not a number") << "abc" << 1 << "abc is an Invalid Puzzle Number" << true;
        QTest::newRow("out of range") << "51" << 1 << "51 is an Invalid Puzzle Number" << false;
        QTest::newRow("valid, with blanks") << " 7 " << 7 << "" << true;
    }
    void choosingAPuzzleByNumber() {
        QFETCH(QString, typed);
        QFETCH(int, puzzle);
        QFETCH(QString, rejection);
        QFETCH(bool, focusFirstBox);
        game_->typeRow(2, QStringLiteral("bat"));
        QTest::mouseClick(game_->box(3, 2), Qt::LeftButton);
        game_->selectPuzzle(typed);
        const ScriptedDialogs::Shown &asked = game_->dialogs.shown.first();
        QCOMPARE(asked.title, QStringLiteral("Enter Puzzle Number"));
        QCOMPARE(asked.text,
                 QStringLiteral(
                     "Enter the number of the puzzle you wish to play.  Valid numbers are from 1 to 50"));
        QCOMPARE(game_->dialogs.shown.size(), rejection.isEmpty() ? 1 : 2);
        if (!rejection.isEmpty()) {
            QCOMPARE(game_->dialogs.shown.last().title, rejection);
            QCOMPARE(
                game_->dialogs.shown.last().text,
                QStringLiteral("You must enter a number between 1 and 50.  Please hit F3 to try again."));
            QCOMPARE(game_->dialogs.shown.last().icon, Dialogs::Icon::Exclamation);
        }
        QCOMPARE(game_->window().windowTitle(), QStringLiteral("Wordsnarl - Puzzle Number %1").arg(puzzle));
        QCOMPARE(game_->rowText(2).startsWith(QStringLiteral("Bat")), puzzle == 1);
        QCOMPARE(focused(), focusFirstBox ? game_->box(1, 1) : game_->box(3, 2));
    }

    // Each press reveals one more leading letter and moves the focus to the box
    // after the last letter it changed; a press that changes nothing stays put.
    void hintsRevealLeadingLettersInACycle() {
        QWidget *hint = game_->window().findChild<QPushButton *>(QStringLiteral("cmdHint(2)"));
        const std::pair<QString, QWidget *> presses[] = {
            {"B__", game_->box(2, 2)}, {"Ba_", game_->box(2, 3)}, {"Bat", hint}, {"B__", hint}};
        for (const auto &[shown, focus] : presses) {
            game_->click(QStringLiteral("cmdHint(2)"));
            QCOMPARE(game_->rowText(2), shown);
            QCOMPARE(focused(), focus);
        }
        for (const char *shown : {"M____", "Mo___", "Moi__", "Mois_", "Moist", "M____"}) {
            game_->click(QStringLiteral("cmdClueHint"));
            QCOMPARE(game_->rowText(6), QString::fromLatin1(shown));
        }
        game_->typeRow(4, QStringLiteral("xolune"));
        game_->click(QStringLiteral("cmdHint(4)"));
        QCOMPARE(game_->rowText(4), QStringLiteral("V_____"));
        QCOMPARE(game_->window().state().HintCount(4), std::int16_t{1});
        QCOMPARE(game_->window().state().HintCount(2), std::int16_t{1});
        // The hint counts start again with the next puzzle.
        game_->press(Qt::Key_F2);
        game_->selectPuzzle(QStringLiteral("1"));
        game_->click(QStringLiteral("cmdHint(2)"));
        QCOMPARE(game_->rowText(2), QStringLiteral("B__"));
    }

    void correctCountsTheRowsThatMatchExactly() {
        QCOMPARE(verdict(), QStringLiteral("You have 6 items incorrect!  All answers and the clue answer "
                                           "must be correct to win."));
        QCOMPARE(game_->dialogs.shown.last().title, QStringLiteral("Incorrect!"));
        QCOMPARE(game_->dialogs.shown.last().kind, Kind::Message);
        for (std::int16_t row = 1; row <= 6; ++row) {
            game_->typeRow(row, answer(row));
        }
        game_->box(3, 2)->clear();                      // a gap reads "Wit"
        game_->box(5, 3)->setText(QStringLiteral(" ")); // a blank is no letter
        QCOMPARE(verdict(), QStringLiteral("You have 2 items incorrect!  All answers and the clue answer "
                                           "must be correct to win."));
        game_->box(3, 2)->setText(QStringLiteral("A"));
        QCOMPARE(verdict(),
                 QStringLiteral("You have one item incorrect!  One answer or the clue answer is incorrect."));
        QCOMPARE(game_->rowText(3), QStringLiteral("Wait"));
    }

    // The first box takes a capital, later ones small letters; the focus moves
    // on along the row, never past its end, and a box reached is selected so
    // the next key replaces its letter.
    void lettersTakeTheCaseOfTheirBoxAndMoveTheFocusOn() {
        game_->typeRow(2, QStringLiteral("bATx"));
        QCOMPARE(game_->rowText(2), QStringLiteral("Bat"));
        QCOMPARE(focused(), game_->box(2, 3));
        game_->typeRow(3, QStringLiteral("w 4"));
        QCOMPARE(game_->rowText(3), QStringLiteral("W 4_"));
        game_->press(Qt::Key_Backspace);
        game_->press(Qt::Key_Delete);
        QCOMPARE(focused(), game_->box(3, 4));
        QTest::mouseClick(game_->box(2, 1), Qt::LeftButton);
        QCOMPARE(game_->box(2, 1)->selectedText(), QStringLiteral("B"));
        game_->type(QStringLiteral("c"));
        QCOMPARE(game_->box(2, 2)->selectedText(), QStringLiteral("a"));
        game_->press(Qt::Key_Tab);
        QCOMPARE(game_->box(2, 3)->selectedText(), QStringLiteral("t"));
        QCOMPARE(game_->rowText(2), QStringLiteral("Cat"));
        QGuiApplication::clipboard()->setText(QStringLiteral("volume"));
        QTest::mouseClick(game_->box(4, 2), Qt::LeftButton);
        game_->press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(game_->rowText(4), QStringLiteral("_v____"));
        QCOMPARE(focused(), game_->box(4, 3));
        // A program's write is handled like a key, unless it changes nothing.
        game_->box(5, 1)->setText(QStringLiteral("x"));
        QCOMPARE(game_->rowText(5), QStringLiteral("X_____"));
        QCOMPARE(focused(), game_->box(5, 2));
    }

    void charactersBeyondSixteenBitsAreNeverCutInHalf_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("input");
        QTest::newRow("typed") << "type"
                               << "\U0001F600";
        QTest::newRow("pasted") << "paste"
                                << "\U0001D538bc";
        QTest::newRow("written") << "write"
                                 << "\U00020BB7";
    }
    void charactersBeyondSixteenBitsAreNeverCutInHalf() {
        QFETCH(QString, way);
        QFETCH(QString, input);
        game_->typeRow(1, QStringLiteral("fi"));
        QLineEdit *box = game_->box(1, 2);
        QTest::mouseClick(box, Qt::LeftButton);
        if (way == QLatin1String("type")) {
            game_->type(input);
        } else if (way == QLatin1String("paste")) {
            QGuiApplication::clipboard()->setText(input);
            game_->press(Qt::Key_V, Qt::ControlModifier);
        } else {
            box->setText(input);
        }
        QCOMPARE(box->text(), way == QLatin1String("write") ? QString() : QStringLiteral("i"));
        QCOMPARE(focused(), box);
        game_->type(QStringLiteral("b"));
        QCOMPARE(game_->rowText(1), QStringLiteral("Fb__"));
    }

    // The menu's keys act before the focused box, which would otherwise take
    // Ctrl+A and Ctrl+X for its own editing.
    void menuKeysWorkFromAnyBox() {
        QSignalSpy about(&game_->window(), &frmWords::aboutRequested);
        QSignalSpy howToPlay(&game_->window(), &frmWords::howToPlayRequested);
        QSignalSpy closing(&game_->window(), &frmWords::closing);
        for (QWidget *box : {static_cast<QWidget *>(game_->box(4, 2)),
                             game_->window().findChild<QWidget *>(QStringLiteral("txtClue(0)"))}) {
            box->setFocus();
            game_->press(Qt::Key_A, Qt::ControlModifier);
            game_->press(Qt::Key_F1);
        }
        QCOMPARE(about.size(), 2);
        QCOMPARE(howToPlay.size(), 2);
        game_->typeRow(2, QStringLiteral("bat"));
        game_->press(Qt::Key_F2);
        QCOMPARE(game_->rowText(2), QString(answer(2).size(), u'_'));
        QCOMPARE(focused(), game_->box(1, 1));
        game_->press(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(closing.size(), 1);
        QVERIFY(!game_->window().isVisible());
    }

    // A shorter puzzle after a longer one leaves no box, letter, name or undo
    // step of the old one behind.
    void aNewPuzzleKeepsNothingOfTheOldOne() {
        std::int16_t longest = 1;
        std::int16_t shortest = 1;
        for (std::int16_t number = 1; number <= basPuzzles::CatalogSize; ++number) {
            const qsizetype length = basPuzzles::catalogEntry(number)->Answers(1).size();
            longest = length > basPuzzles::catalogEntry(longest)->Answers(1).size() ? number : longest;
            shortest = length < basPuzzles::catalogEntry(shortest)->Answers(1).size() ? number : shortest;
        }
        game_->selectPuzzle(QString::number(longest));
        game_->click(QStringLiteral("cmdHint(1)"));
        QLineEdit *last = game_->box(1, static_cast<std::int16_t>(answer(1).size()));
        game_->selectPuzzle(QString::number(shortest));
        QCOMPARE(game_->rowText(1), QString(answer(1).size(), u'_'));
        QVERIFY(!last->isVisible() && last->text().isEmpty() && last->accessibleName().isEmpty());
        QCOMPARE(game_->window().state().HintCount(1), std::int16_t{0});
        game_->press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(game_->rowText(1), QString(answer(1).size(), u'_'));
    }

    // The first board and every New Puzzle are drawn at random over the whole catalog.
    void puzzlesAreDrawnOverTheWholeCatalog() {
        QList<float> draws{0.999F, 0.0F, 0.5F};
        GameDriver game([&draws] { return draws.takeFirst(); });
        QCOMPARE(game.window().windowTitle(), QStringLiteral("Wordsnarl - Puzzle Number 50"));
        game.press(Qt::Key_F2);
        QCOMPARE(game.window().windowTitle(), QStringLiteral("Wordsnarl - Puzzle Number 1"));
        game.press(Qt::Key_F2);
        QCOMPARE(game.window().windowTitle(), QStringLiteral("Wordsnarl - Puzzle Number 26"));
    }

private:
    QWidget *focused() const { return QApplication::focusWidget(); }
    QString text(const char *definition) const {
        return game_->window().findChild<QPlainTextEdit *>(QLatin1String(definition))->toPlainText();
    }
    static const QString &answer(std::int16_t row) {
        return row == 6 ? basPuzzles::ActivePuzzle.FinalAnswer : basPuzzles::ActivePuzzle.Answers(row);
    }
    // Presses "Correct?" and gives the text of the message it shows.
    QString verdict() {
        game_->click(QStringLiteral("cmdCorrectPuz"));
        return game_->dialogs.shown.isEmpty() ? QString() : game_->dialogs.shown.last().text;
    }

    std::unique_ptr<GameDriver> game_;
};

QTEST_MAIN(GameWindowTest)
#include "GameWindowTest.moc"
