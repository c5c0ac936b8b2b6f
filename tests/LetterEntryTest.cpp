#include "support/GameDriver.h"

#include <QClipboard>
#include <QtTest>

// Letter entry with real key events into real boxes: case by position, the
// focus moving on along the row and never elsewhere, and a box's letter
// always selected when it is reached, so typing overwrites it.
class LetterEntryTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        game_ = std::make_unique<GameDriver>();
        game_->selectPuzzle(QStringLiteral("1")); // rows of 4, 3, 4, 6, 6 and 5 boxes
    }
    void cleanup() { game_.reset(); }
    void typedLettersTakeTheCaseOfTheirBox_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, int row, const char *typed, const char *shown) {
            QTest::newRow(name) << row << QString(typed) << QString(shown);
        };
        row("first box upper case, later boxes lower case", 2, "bAT", "Bat");
        row("final row follows the same rule", 6, "mOiSt", "Moist");
        row("digits and blanks are kept and move on", 3, "w 4t", "W 4t");
    }
    void typedLettersTakeTheCaseOfTheirBox() {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        game_->typeRow(static_cast<std::int16_t>(row), typed);
        QCOMPARE(game_->rowText(static_cast<std::int16_t>(row)), shown);
    }

    void focusMovesOnAlongTheRowAndStopsInTheLastBox() {
        click(2, 1);
        const std::pair<Qt::Key, std::int16_t> keysAndNextBoxes[] = {
            {Qt::Key_B, 2}, {Qt::Key_A, 3}, {Qt::Key_T, 3}, {Qt::Key_X, 3}};
        for (const auto &[key, next] : keysAndNextBoxes) {
            QTest::keyClick(focused(), key);
            QCOMPARE(focused(), game_->box(2, next));
        }
        // A full last box refuses further keys.
        QCOMPARE(game_->rowText(2), QStringLiteral("Bat"));
        QCOMPARE(game_->rowText(3), QStringLiteral("____"));
    }

    void deletingALetterLeavesTheFocusWhereItIs() {
        game_->typeRow(1, QStringLiteral("fi"));
        click(1, 2);
        QTest::keyClick(focused(), Qt::Key_Delete);
        QTest::keyClick(focused(), Qt::Key_Backspace);
        QCOMPARE(focused(), game_->box(1, 2));
        QCOMPARE(game_->rowText(1), QStringLiteral("F___"));
    }

    void programWritesAreHandledLikeTypingUnlessNothingChanges() {
        game_->box(4, 3)->setText(QStringLiteral("Q"));
        QCOMPARE(game_->box(4, 3)->text(), QStringLiteral("q"));
        QCOMPARE(focused(), game_->box(4, 4));
        game_->box(5, 1)->setText(QStringLiteral("x"));
        QCOMPARE(game_->box(5, 1)->text(), QStringLiteral("X"));
        QCOMPARE(focused(), game_->box(5, 2));
        game_->box(3, 1)->setFocus();
        game_->box(5, 1)->setText(QStringLiteral("X"));
        QCOMPARE(focused(), game_->box(3, 1));
    }

    void clickingOrTabbingIntoABoxSelectsItsLetterForTheNextKey() {
        game_->typeRow(2, QStringLiteral("cat"));
        click(2, 1);
        QCOMPARE(game_->box(2, 1)->selectedText(), QStringLiteral("C"));
        QTest::keyClick(focused(), Qt::Key_B);
        QCOMPARE(game_->rowText(2), QStringLiteral("Bat"));
        QCOMPARE(game_->box(2, 2)->selectedText(), QStringLiteral("a")); // the automatic move
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), game_->box(2, 3));
        QCOMPARE(game_->box(2, 3)->selectedText(), QStringLiteral("t"));
        // Typing the letter a box already holds changes no text, yet moves on all the same.
        click(2, 1);
        QTest::keyClick(focused(), Qt::Key_B);
        QCOMPARE(focused(), game_->box(2, 2));
        QCOMPARE(game_->rowText(2), QStringLiteral("Bat"));
    }

    void pastingKeepsTheFirstCharacterAndMovesOn() {
        QGuiApplication::clipboard()->setText(QStringLiteral("volume"));
        click(4, 2);
        QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(game_->box(4, 2)->text(), QStringLiteral("v"));
        QCOMPARE(focused(), game_->box(4, 3));
    }

    void charactersBeyondSixteenBitsAreNeverCutInHalf_data() {
        QTest::addColumn<QString>("letter"); // in the box beforehand, selected
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("kept");
        const auto row = [](const char *name, const char *letter, const char *way, const char *input,
                            const char *kept) {
            QTest::newRow(name) << QString(letter) << QString(way) << QString(input) << QString(kept);
        };
        row("emoji typed into an empty box", "", "type", "\U0001F600", "");
        row("ideograph typed over a letter", "a", "type", "\U00020BB7", "a");
        row("paste that starts with one", "a", "paste", "\U0001D538bc", "a");
        row("program write of one", "a", "write", "\U0001F600", "");
    }
    void charactersBeyondSixteenBitsAreNeverCutInHalf() {
        QFETCH(QString, letter);
        QFETCH(QString, way);
        QFETCH(QString, input);
        QFETCH(QString, kept);
        QLineEdit *box = game_->box(1, 2);
        click(1, 2);
        if (!letter.isEmpty()) {
            QTest::keyClicks(box, letter);
            click(1, 2);
        }
        if (way == QLatin1String("type")) {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, input, Qt::NoModifier);
        } else if (way == QLatin1String("paste")) {
            QGuiApplication::clipboard()->setText(input);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else {
            box->setText(input);
        }
        QCOMPARE(box->text(), kept);
        QCOMPARE(focused(), box);
        // A refused character leaves the letter selected, so the next key replaces it.
        QTest::keyClicks(box, QStringLiteral("b"));
        QCOMPARE(box->text(), QStringLiteral("b"));
        QCOMPARE(focused(), game_->box(1, 3));
    }

private:
    QWidget *focused() const { return QApplication::focusWidget(); }
    void click(std::int16_t row, std::int16_t index) {
        QTest::mouseClick(game_->box(row, index), Qt::LeftButton);
    }
    std::unique_ptr<GameDriver> game_;
};

QTEST_MAIN(LetterEntryTest)
#include "LetterEntryTest.moc"
