#include "support/GameDriver.h"

#include <QClipboard>
#include <QtTest>

// Letter entry with real key events into real boxes: case by position, the
// focus moving on along the row and never elsewhere, and a box's letter
// always selected when it is reached, so typing overwrites it.
class LetterEntryTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { game_.reset(); }

    void typedLettersTakeTheCaseOfTheirBox_data();
    void typedLettersTakeTheCaseOfTheirBox();
    void focusMovesOnAlongTheRowAndStopsInTheLastBox();
    void deletingALetterLeavesTheFocusWhereItIs();
    void programWritesAreHandledLikeTyping();
    void writingTheSameTextChangesNothingAndMovesNothing();
    void retypingTheSameLetterKeepsItAndMovesOn();
    void clickingABoxSelectsItsLetterSoTypingReplacesIt();
    void tabbingIntoABoxSelectsItsLetter();
    void pastingATextIsHandledLikeTyping();
    void charactersBeyondSixteenBitsAreNeverCutInHalf_data();
    void charactersBeyondSixteenBitsAreNeverCutInHalf();

private:
    QWidget *focused() const { return QApplication::focusWidget(); }
    std::unique_ptr<GameDriver> game_;
};

void LetterEntryTest::init() {
    game_ = std::make_unique<GameDriver>();
    game_->selectPuzzle(QStringLiteral("1")); // rows of 4, 3, 4, 6, 6 and 5 boxes
}

void LetterEntryTest::typedLettersTakeTheCaseOfTheirBox_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("first box upper case") << 1 << "firm"
                                          << "Firm";
    QTest::newRow("later boxes lower case") << 2 << "BAT"
                                            << "Bat";
    QTest::newRow("final row follows the same rule") << 6 << "mOiSt"
                                                     << "Moist";
    QTest::newRow("digits and blanks are kept and move on") << 3 << "w 4t"
                                                            << "W_4t";
}

void LetterEntryTest::typedLettersTakeTheCaseOfTheirBox() {
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    game_->typeRow(static_cast<std::int16_t>(row), typed);
    QCOMPARE(game_->rowText(static_cast<std::int16_t>(row)).replace(QLatin1Char(' '), QLatin1Char('_')),
             shown);
}

void LetterEntryTest::focusMovesOnAlongTheRowAndStopsInTheLastBox() {
    QTest::mouseClick(game_->box(2, 1), Qt::LeftButton);
    QTest::keyClick(focused(), Qt::Key_B);
    QCOMPARE(focused(), game_->box(2, 2));
    QTest::keyClick(focused(), Qt::Key_A);
    QCOMPARE(focused(), game_->box(2, 3));
    QTest::keyClick(focused(), Qt::Key_T);
    QCOMPARE(focused(), game_->box(2, 3));
    // A full last box refuses further keys and the focus never leaves the row.
    QTest::keyClick(focused(), Qt::Key_X);
    QCOMPARE(focused(), game_->box(2, 3));
    QCOMPARE(game_->rowText(2), QStringLiteral("Bat"));
    QCOMPARE(game_->rowText(3), QStringLiteral("____"));
}

void LetterEntryTest::deletingALetterLeavesTheFocusWhereItIs() {
    game_->typeRow(1, QStringLiteral("fi"));
    QTest::mouseClick(game_->box(1, 2), Qt::LeftButton);
    QTest::keyClick(focused(), Qt::Key_Delete);
    QCOMPARE(game_->box(1, 2)->text(), QString());
    QCOMPARE(focused(), game_->box(1, 2));
    QTest::keyClick(focused(), Qt::Key_Backspace);
    QCOMPARE(focused(), game_->box(1, 2));
    QCOMPARE(game_->box(1, 1)->text(), QStringLiteral("F"));
}

void LetterEntryTest::programWritesAreHandledLikeTyping() {
    game_->box(4, 3)->setText(QStringLiteral("Q"));
    QCOMPARE(game_->box(4, 3)->text(), QStringLiteral("q"));
    QCOMPARE(focused(), game_->box(4, 4));

    game_->box(5, 1)->setText(QStringLiteral("x"));
    QCOMPARE(game_->box(5, 1)->text(), QStringLiteral("X"));
    QCOMPARE(focused(), game_->box(5, 2));
}

void LetterEntryTest::writingTheSameTextChangesNothingAndMovesNothing() {
    game_->box(1, 1)->setText(QStringLiteral("F"));
    game_->box(3, 1)->setFocus();
    game_->box(1, 1)->setText(QStringLiteral("F"));
    QCOMPARE(focused(), game_->box(3, 1));
}

void LetterEntryTest::retypingTheSameLetterKeepsItAndMovesOn() {
    game_->typeRow(6, QStringLiteral("M"));
    QTest::mouseClick(game_->box(6, 1), Qt::LeftButton);
    QTest::keyClick(focused(), Qt::Key_M);
    QCOMPARE(game_->box(6, 1)->text(), QStringLiteral("M"));
    QCOMPARE(focused(), game_->box(6, 2));
}

void LetterEntryTest::clickingABoxSelectsItsLetterSoTypingReplacesIt() {
    game_->typeRow(2, QStringLiteral("cat"));
    QTest::mouseClick(game_->box(2, 1), Qt::LeftButton);
    QCOMPARE(game_->box(2, 1)->selectedText(), QStringLiteral("C"));
    QTest::keyClick(focused(), Qt::Key_B);
    QCOMPARE(game_->rowText(2), QStringLiteral("Bat"));
    // The automatic move selects the next box's letter too.
    QCOMPARE(focused(), game_->box(2, 2));
    QCOMPARE(game_->box(2, 2)->selectedText(), QStringLiteral("a"));
}

void LetterEntryTest::tabbingIntoABoxSelectsItsLetter() {
    game_->typeRow(3, QStringLiteral("wait"));
    game_->box(3, 2)->setFocus();
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused(), game_->box(3, 3));
    QCOMPARE(game_->box(3, 3)->selectedText(), QStringLiteral("i"));
}

void LetterEntryTest::pastingATextIsHandledLikeTyping() {
    QGuiApplication::clipboard()->setText(QStringLiteral("volume"));
    QTest::mouseClick(game_->box(4, 2), Qt::LeftButton);
    QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
    // The one-letter limit keeps the first character of the paste.
    QCOMPARE(game_->box(4, 2)->text(), QStringLiteral("v"));
    QCOMPARE(focused(), game_->box(4, 3));
}

void LetterEntryTest::charactersBeyondSixteenBitsAreNeverCutInHalf_data() {
    QTest::addColumn<QString>("letter"); // in the box beforehand, selected
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("kept");
    QTest::newRow("emoji typed into an empty box") << ""
                                                   << "type"
                                                   << "\U0001F600"
                                                   << "";
    QTest::newRow("ideograph typed over a letter") << "a"
                                                   << "type"
                                                   << "\U00020BB7"
                                                   << "a";
    QTest::newRow("paste that starts with one") << "a"
                                                << "paste"
                                                << "\U0001D538bc"
                                                << "a";
    QTest::newRow("program write of one") << "a"
                                          << "write"
                                          << "\U0001F600"
                                          << "";
}

void LetterEntryTest::charactersBeyondSixteenBitsAreNeverCutInHalf() {
    QFETCH(QString, letter);
    QFETCH(QString, way);
    QFETCH(QString, input);
    QFETCH(QString, kept);
    QLineEdit *box = game_->box(1, 2);
    QTest::mouseClick(box, Qt::LeftButton);
    if (!letter.isEmpty()) {
        QTest::keyClicks(box, letter);
        QTest::mouseClick(box, Qt::LeftButton);
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

QTEST_MAIN(LetterEntryTest)
#include "LetterEntryTest.moc"
