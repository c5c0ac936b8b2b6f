#include "puzzles/basPuzzles.h"
#include "support/GameDriver.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

const QColor Red(255, 0, 0);

bool isRed(const QLineEdit *box) {
    return box->palette().color(QPalette::Base) == Red;
}

} // namespace

// The board: one box per letter where the design puts it, exactly the marked
// boxes red, and nothing of an earlier puzzle left behind by a rebuild.
class BoardTest : public QObject {
    Q_OBJECT

private slots:
    void init() { game_ = std::make_unique<GameDriver>(); }
    void cleanup() { game_.reset(); }

    void opensOnARandomPuzzleWithItsNumberInTheTitle();
    void puzzleOneIsLaidOutBoxByBox();
    void rebuildToShorterAnswersLeavesNoBoxBehind();
    void newPuzzleStartsEmptyWithTheFocusInTheFirstBox();
    void lettersOfTheOldPuzzleCannotBeUndoneIntoTheNewOne();
    void boxesTellScreenReadersWhereTheyAre();

private:
    std::unique_ptr<GameDriver> game_;
};

void BoardTest::opensOnARandomPuzzleWithItsNumberInTheTitle() {
    static const QRegularExpression title(
        QStringLiteral("^Wordsnarl - Puzzle Number ([1-9]|[1-4][0-9]|50)$"));
    QVERIFY2(title.match(game_->window().windowTitle()).hasMatch(),
             qPrintable(game_->window().windowTitle()));
    QCOMPARE(game_->visibleBoxes(1).size(), basPuzzles::ActivePuzzle.Answers(1).size());
    QCOMPARE(game_->visibleBoxes(6).size(), 5);
}

void BoardTest::puzzleOneIsLaidOutBoxByBox() {
    game_->selectPuzzle(QStringLiteral("1"));
    QCOMPARE(game_->window().windowTitle(), QStringLiteral("Wordsnarl - Puzzle Number 1"));
    QCOMPARE(game_->window().findChild<QLabel *>(QStringLiteral("lblClue"))->text(),
             QStringLiteral("Slightly Wet:"));
    QCOMPARE(game_->window().findChild<QPlainTextEdit *>(QStringLiteral("txtClue(0)"))->toPlainText(),
             QStringLiteral("Company"));
    QCOMPARE(game_->window().findChild<QPlainTextEdit *>(QStringLiteral("txtClue(3)"))->toPlainText(),
             QStringLiteral("A Piece of Baseball Equipment"));

    const QList<int> lengths{4, 3, 4, 6, 6, 5};
    const QList<int> marked{4, 3, 3, 2, 3, 0};
    const QList<int> tops{480, 1800, 3120, 4440, 5760, 7080};
    for (std::int16_t row = 1; row <= 6; ++row) {
        const QList<QLineEdit *> boxes = game_->visibleBoxes(row);
        QCOMPARE(boxes.size(), lengths[row - 1]);
        const int patternLeft = row == 6 ? 720 : 3240;
        for (int i = 1; i <= boxes.size(); ++i) {
            const QLineEdit *box = boxes[i - 1];
            QCOMPARE(box->objectName(), game_->box(row, static_cast<std::int16_t>(i))->objectName());
            QCOMPARE(box->geometry(),
                     QRect(qRound((patternLeft + 450 * i) / 15.0), qRound(tops[row - 1] / 15.0), 25, 25));
            QCOMPARE(box->text(), QString());
            QCOMPARE(box->maxLength(), 1);
            // The final row is red throughout; an answer row only at its marked box.
            QVERIFY2(isRed(box) == (row == 6 || i == marked[row - 1]), qPrintable(box->objectName()));
        }
    }
    QCOMPARE(game_->window().state().RowLength(4), std::int16_t{6});
}

void BoardTest::rebuildToShorterAnswersLeavesNoBoxBehind() {
    // Find the puzzles with the longest and the shortest first answer, leaving
    // the record of the board in play as it was.
    const basPuzzles::PuzzleRecord onBoard = basPuzzles::ActivePuzzle;
    std::int16_t longest = 1;
    std::int16_t shortest = 1;
    qsizetype most = 0;
    qsizetype least = 100;
    for (std::int16_t number = 1; number <= basPuzzles::CatalogSize; ++number) {
        basPuzzles::LoadPuzzle(number);
        const qsizetype length = basPuzzles::ActivePuzzle.Answers(1).size();
        if (length > most) {
            most = length;
            longest = number;
        }
        if (length < least) {
            least = length;
            shortest = number;
        }
    }
    basPuzzles::ActivePuzzle = onBoard;
    game_->selectPuzzle(QString::number(longest));
    game_->pressHint(1);
    game_->selectPuzzle(QString::number(shortest));
    QCOMPARE(game_->visibleBoxes(1).size(), least);
    for (std::int16_t index = static_cast<std::int16_t>(least + 1); index <= most; ++index) {
        const QLineEdit *leftover = game_->box(1, index);
        QVERIFY(!leftover || !leftover->isVisible());
    }
    for (std::int16_t row = 1; row <= 5; ++row) {
        QCOMPARE(game_->visibleBoxes(row).size(), basPuzzles::ActivePuzzle.Answers(row).size());
        QCOMPARE(game_->window().state().HintCount(row), std::int16_t{0});
    }
    QCOMPARE(game_->rowText(1), QString(least, QLatin1Char('_')));
}

void BoardTest::newPuzzleStartsEmptyWithTheFocusInTheFirstBox() {
    game_->selectPuzzle(QStringLiteral("1"));
    game_->typeRow(2, QStringLiteral("bat"));
    game_->pressHint(6);
    game_->window().findChild<QPlainTextEdit *>(QStringLiteral("txtClue(5)"))->setFocus();

    game_->choose("mnuNewGame");
    for (std::int16_t row = 1; row <= 6; ++row) {
        QVERIFY(!game_->rowText(row).contains(QRegularExpression(QStringLiteral("[^_]"))));
    }
    QCOMPARE(game_->window().state().ClueHintCount, std::int16_t{0});
    QCOMPARE(QApplication::focusWidget(), game_->box(1, 1));
    QVERIFY(!isRed(game_->box(1, basPuzzles::ActivePuzzle.MarkedPositions(1) == 1 ? 2 : 1)));
}

void BoardTest::lettersOfTheOldPuzzleCannotBeUndoneIntoTheNewOne() {
    game_->selectPuzzle(QStringLiteral("1"));
    game_->typeRow(1, QStringLiteral("f"));
    game_->selectPuzzle(QStringLiteral("2"));
    QTest::mouseClick(game_->box(1, 1), Qt::LeftButton);
    QTest::keyClick(game_->box(1, 1), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(game_->box(1, 1)->text(), QString());
}

void BoardTest::boxesTellScreenReadersWhereTheyAre() {
    game_->selectPuzzle(QStringLiteral("1"));
    QCOMPARE(game_->box(2, 3)->accessibleName(), QStringLiteral("Answer 2, letter 3 of 3, marked"));
    QCOMPARE(game_->box(4, 1)->accessibleName(), QStringLiteral("Answer 4, letter 1 of 6"));
    QCOMPARE(game_->box(6, 1)->accessibleName(), QStringLiteral("Final answer, letter 1 of 5"));
    QCOMPARE(game_->window().findChild<QPlainTextEdit *>(QStringLiteral("txtClue(1)"))->accessibleName(),
             QStringLiteral("Answer 1, second definition"));
}

QTEST_MAIN(BoardTest)
#include "BoardTest.moc"
