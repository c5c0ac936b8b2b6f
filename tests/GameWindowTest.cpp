#include "support/AccessibleTree.h"
#include "support/GameDriver.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

// The game window played as a player plays it, keys sent to the window: the
// board of a chosen puzzle, letter entry, hints, "Correct?" and a new game.
// Puzzle 1 is Firm, Bat, Wait, Volume, Vision and Moist.
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
        QCOMPARE(game_->window().findChild<QLabel *>(QStringLiteral("lblClue"))->text(),
                 QStringLiteral("Slightly Wet:"));
        QCOMPARE(game_->box(2, 3)->accessibleName(), QStringLiteral("Answer 2, letter 3 of 3, marked"));
        QCOMPARE(game_->box(6, 1)->accessibleName(), QStringLiteral("Final answer, letter 1 of 5"));
        QCOMPARE(game_->control("txtClue(2)")->accessibleName(),
                 QStringLiteral("Answer 2, first definition"));
        const QRect hint = game_->control("cmdHint(2)")->geometry(), first = game_->box(2, 1)->geometry();
        QVERIFY(hint.right() < first.left() && hint.top() == first.top()); // the row's ? leads it
        QVERIFY(walkAccessibleTree(game_->window()).unnamed.isEmpty());
        QCOMPARE(focused(), game_->box(1, 1));
        QCOMPARE(game_->board(), QStringLiteral("____ ___ ____ ______ ______ _____"));

        // From each row's last box, Tab passes the next row's two definitions.
        for (std::int16_t row = 1; row <= 6; ++row) {
            game_->type(GameDriver::answer(row).toLower());
            for (int tab = row < 5 ? 3 : 1; tab > 0; --tab)
                game_->press(Qt::Key_Tab);
        }
        QCOMPARE(focused()->objectName(), QStringLiteral("cmdCorrectPuz"));
        game_->press(Qt::Key_Space);
        QCOMPARE(game_->dialogs.shown.last().title, QStringLiteral("You Solved the Puzzle!  Play Again?"));
        QCOMPARE(game_->board(), QStringLiteral("Firm Bat Wait Volume Vision Moist")); // No keeps it
        game_->dialogs.yesNoAnswers.enqueue(true);
        game_->press(Qt::Key_Space);
        QCOMPARE(game_->rowText(1), QString(GameDriver::answer(1).size(), u'_'));
        QCOMPARE(focused(), game_->box(1, 1));
    }

    // What the player is asked and told, and where play goes on afterwards.
    void choosingAPuzzleByNumber() {
        const QString asked = "Enter Puzzle Number: Enter the number of the puzzle you wish to play.  Valid "
                              "numbers are from 1 to 50";
        const QString rejected = " is an Invalid Puzzle Number: You must enter a number between 1 and 50.  "
                                 "Please hit F3 to try again. (!)";
        for (const auto &[typed, puzzle, told, focusFirstBox] :
             {std::tuple<QString, int, QString, bool>{"", 1, asked, false},
              {"abc", 1, asked + "\nabc" + rejected, true},
              {"51", 1, asked + "\n51" + rejected, false},
              {" 7 ", 7, asked, true}}) {
            init();
            game_->typeRow(1, QStringLiteral("firm"));
            QTest::mouseClick(game_->box(3, 2), Qt::LeftButton);
            game_->selectPuzzle(typed);
            QStringList shown;
            for (const ScriptedDialogs::Shown &dialog : game_->dialogs.shown)
                shown << dialog.title + ": " + dialog.text +
                             (dialog.icon == Dialogs::Icon::Exclamation ? " (!)" : "");
            QCOMPARE(shown.join(u'\n'), told);
            QCOMPARE(game_->window().windowTitle(),
                     QStringLiteral("Wordsnarl - Puzzle Number %1").arg(puzzle));
            QCOMPARE(game_->rowText(1) == QStringLiteral("Firm"), puzzle == 1);
            QCOMPARE(focused(), focusFirstBox ? game_->box(1, 1) : game_->box(3, 2));
            // A box the game gives the focus to is selected, so the next key replaces its letter.
            QCOMPARE(focused()->property("selectedText").toString(), focused()->property("text").toString());
        }
    }

    // Each press reveals one more leading letter and moves the focus to the box
    // after the last letter it changed; a press that changes nothing stays put.
    void hintsRevealLeadingLettersInACycle() {
        QWidget *hint = game_->control(QStringLiteral("cmdHint(2)"));
        const std::pair<QString, QWidget *> presses[] = {
            {"B__", game_->box(2, 2)}, {"Ba_", game_->box(2, 3)}, {"Bat", hint}, {"B__", hint}};
        for (const auto &[shown, focus] : presses) {
            game_->click(QStringLiteral("cmdHint(2)"));
            QCOMPARE(game_->rowText(2), shown);
            QCOMPARE(focused(), focus);
        }
        // What a screen reader tells of the button.
        QCOMPARE(hint->accessibleName() + ": " + hint->accessibleDescription(),
                 "Hint for answer 2: Hint: B.");
        for (const char *shown : {"M____", "Mo___", "Moi__", "Mois_", "Moist", "M____"}) {
            game_->click(QStringLiteral("cmdClueHint"));
            QCOMPARE(game_->rowText(6), QString::fromLatin1(shown));
        }
        // A "?" stands for an unknown letter like any other character, and
        // leaves the row's hint count alone.
        game_->typeRow(4, QStringLiteral("vol?"));
        QCOMPARE(game_->rowText(4), QStringLiteral("Vol?__"));
        QCOMPARE(focused(), game_->box(4, 5));
        game_->click(QStringLiteral("cmdHint(4)"));
        QCOMPARE(game_->rowText(4), QStringLiteral("V_____"));
        // Ctrl+H is the hint button of the row in use: from one of its boxes or
        // definitions, or from the final row; anywhere else it does nothing.
        const std::pair<QWidget *, const char *> hintKeys[] = {
            {game_->box(3, 3), "____ B__ W___ V_____ ______ M____"},
            {game_->control("txtClue(5)"), "____ B__ Wa__ V_____ ______ M____"},
            {game_->box(6, 2), "____ B__ Wa__ V_____ ______ Mo___"},
            {game_->control("cmdCorrectPuz"), "____ B__ Wa__ V_____ ______ Mo___"},
        };
        for (const auto &[place, board] : hintKeys) {
            place->setFocus();
            game_->press(Qt::Key_H, Qt::ControlModifier);
            QCOMPARE(game_->board(), QString::fromLatin1(board));
        }
        // The hint counts start again with the next puzzle.
        game_->press(Qt::Key_F2);
        game_->selectPuzzle(QStringLiteral("1"));
        QCOMPARE(hint->accessibleDescription(), QStringLiteral("Ctrl+H in the row gives this hint"));
        game_->click(QStringLiteral("cmdHint(2)"));
        QCOMPARE(game_->rowText(2), QStringLiteral("B__"));
    }

    void correctCountsTheRowsThatMatchExactly() {
        QCOMPARE(verdict(), QStringLiteral("You have 6 items incorrect!  All answers and the clue answer "
                                           "must be correct to win."));
        for (std::int16_t row = 1; row <= 6; ++row)
            game_->typeRow(row, GameDriver::answer(row));
        game_->box(3, 2)->clear();                      // a gap reads "Wit"
        game_->box(5, 3)->setText(QStringLiteral(" ")); // a blank is no letter
        QVERIFY(verdict().startsWith(QStringLiteral("You have 2 items incorrect!")));
        game_->box(3, 2)->setText(QStringLiteral("A"));
        QCOMPARE(verdict(),
                 QStringLiteral("You have one item incorrect!  One answer or the clue answer is incorrect."));
        QVERIFY(game_->dialogs.shown.last().title == QStringLiteral("Incorrect!") &&
                game_->dialogs.shown.last().kind == ScriptedDialogs::Kind::Message);
        QCOMPARE(game_->rowText(3), QStringLiteral("Wait"));
    }

    // The first box takes a capital, later ones small letters; the focus moves
    // on along the row, never past its end, and a box reached is selected so
    // the next key replaces its letter. Half a character never stays in a box.
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

        QTest::mouseClick(game_->box(4, 2), Qt::LeftButton);
        game_->paste(QStringLiteral("volume"));
        QCOMPARE(game_->rowText(4), QStringLiteral("_v____"));
        QCOMPARE(focused(), game_->box(4, 3));
        // A character of two UTF-16 units is refused whole, typed or pasted
        // over a letter, which stays.
        QTest::mouseClick(game_->box(4, 2), Qt::LeftButton);
        game_->type(QStringLiteral("\U0001F600"));
        game_->paste(QStringLiteral("\U0001D538bc"));
        QCOMPARE(game_->rowText(4), QStringLiteral("_v____"));
        QCOMPARE(focused(), game_->box(4, 2));
        // A program's write is not validated: half a character it leaves goes.
        game_->box(5, 1)->setText(QStringLiteral("\U00020BB7"));
        QCOMPARE(game_->rowText(5), QStringLiteral("______"));
    }

    // The menu's keys act before the focused box, which would otherwise take
    // Ctrl+A and Ctrl+X for its own editing.
    void menuKeysWorkFromAnyBox() {
        QSignalSpy about(&game_->window(), &frmWords::aboutRequested);
        QSignalSpy howToPlay(&game_->window(), &frmWords::howToPlayRequested);
        QSignalSpy closing(&game_->window(), &frmWords::closing);
        for (QWidget *box :
             {static_cast<QWidget *>(game_->box(4, 2)), game_->control(QStringLiteral("txtClue(0)"))}) {
            box->setFocus();
            game_->press(Qt::Key_A, Qt::ControlModifier);
            game_->press(Qt::Key_F1);
        }
        QCOMPARE(about.size() + howToPlay.size(), 4);
        game_->press(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(closing.size(), 1);
        QVERIFY(!game_->window().isVisible());
    }

    // A shorter puzzle after a longer one leaves no box, letter, name, hint or
    // undo step of the old one behind.
    void aNewPuzzleKeepsNothingOfTheOldOne() {
        game_->selectPuzzle(QStringLiteral("5")); // "Grandstand" in row 4
        QLineEdit *last = game_->box(4, 10);
        game_->click(QStringLiteral("cmdHint(4)"));
        game_->selectPuzzle(QStringLiteral("1"));
        QVERIFY(!last->isVisible() && last->text().isEmpty() && last->accessibleName().isEmpty());
        QTest::mouseClick(game_->box(4, 1), Qt::LeftButton);
        game_->press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(game_->rowText(4), QStringLiteral("______"));
    }

    // The first board and every New Puzzle are drawn at random over the whole catalog.
    void puzzlesAreDrawnOverTheWholeCatalog() {
        QList<float> draws{0.999F, 0.0F, 0.5F};
        GameDriver game([&draws] { return draws.takeFirst(); });
        QCOMPARE(game.window().windowTitle(), QStringLiteral("Wordsnarl - Puzzle Number 50"));
        for (const char *number : {"1", "26"}) {
            game.press(Qt::Key_F2);
            QCOMPARE(game.window().windowTitle(), QStringLiteral("Wordsnarl - Puzzle Number ") + number);
        }
    }

private:
    QWidget *focused() const { return QApplication::focusWidget(); }
    // Presses "Correct?" and gives the text of the message it shows.
    QString verdict() {
        game_->click(QStringLiteral("cmdCorrectPuz"));
        return game_->dialogs.shown.isEmpty() ? QString() : game_->dialogs.shown.last().text;
    }

    std::unique_ptr<GameDriver> game_;
};

QTEST_MAIN(GameWindowTest)
#include "GameWindowTest.moc"
