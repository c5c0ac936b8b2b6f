#include "accessory/frmAbout.h"
#include "app/frmSplash.h"
#include "puzzles/basPuzzles.h"
#include "support/AccessibleTree.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/GameDriver.h"

#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

// A player who cannot see the screen must hear every control, and one who
// cannot use a mouse must be able to play a whole puzzle.
class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void splashControlsAllHaveNames();
    void gameWindowControlsAllHaveNames();
    void aboutBoxControlsAllHaveNames();
    void aWholePuzzleCanBePlayedWithTheKeyboardAlone();
};

void AccessibilityTest::splashControlsAllHaveNames() {
    frmSplash splash([] {});
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    const AccessibleControls result = walkAccessibleTree(splash);
    QCOMPARE(result.count, 2); // the two logos
    QVERIFY2(result.unnamed.isEmpty(), qPrintable(result.unnamed.join(QStringLiteral(", "))));
}

void AccessibilityTest::gameWindowControlsAllHaveNames() {
    GameDriver game;
    const AccessibleControls result = walkAccessibleTree(game.window());
    // Two menus, ten definitions, six hint buttons, "Correct?" and one box per letter.
    qsizetype letters = basPuzzles::ActivePuzzle.FinalAnswer.size();
    for (const QString &answer : basPuzzles::ActivePuzzle.Answers) {
        letters += answer.size();
    }
    QCOMPARE(result.count, 19 + letters);
    QVERIFY2(result.unnamed.isEmpty(), qPrintable(result.unnamed.join(QStringLiteral(", "))));
    for (QAction *item : game.window().menuBar()->actions()) {
        QVERIFY(!item->text().isEmpty());
    }
}

void AccessibilityTest::aboutBoxControlsAllHaveNames() {
    FakeRegistry registry;
    FakeSystem system;
    ScriptedDialogs dialogs;
    QWidget gameWindow;
    auto *box = new frmAbout(gameWindow, {registry, system, system, system, dialogs});
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box));
    const AccessibleControls result = walkAccessibleTree(*box);
    QCOMPARE(result.count, 6); // two logos, the web-site link and three buttons
    QVERIFY2(result.unnamed.isEmpty(), qPrintable(result.unnamed.join(QStringLiteral(", "))));
    delete box;
}

void AccessibilityTest::aWholePuzzleCanBePlayedWithTheKeyboardAlone() {
    GameDriver game;
    auto press = [](QKeyCombination key) {
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    };
    auto type = [](const QString &text) {
        for (const QChar letter : text) {
            QTest::keyClicks(QApplication::focusWidget(), QString(letter));
        }
    };

    game.dialogs.typedTexts.enqueue(QStringLiteral("14"));
    game.window().findChild<QPushButton *>(QStringLiteral("cmdCorrectPuz"))->setFocus();
    press(Qt::Key_F3);
    QCOMPARE(game.window().windowTitle(), QStringLiteral("Wordsnarl - Puzzle Number 14"));

    // From each row's last box, Tab passes the next row's two definitions.
    for (std::int16_t row = 1; row <= 5; ++row) {
        type(basPuzzles::ActivePuzzle.Answers(row).toLower());
        press(Qt::Key_Tab);
        if (row < 5) {
            press(Qt::Key_Tab);
            press(Qt::Key_Tab);
        }
    }
    QCOMPARE(QApplication::focusWidget(), game.box(6, 1));
    type(QStringLiteral("tribe"));
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdCorrectPuz"));
    game.dialogs.yesNoAnswers.enqueue(true);
    press(Qt::Key_Space);
    QCOMPARE(game.dialogs.shown.last().title, QStringLiteral("You Solved the Puzzle!  Play Again?"));
    QCOMPARE(QApplication::focusWidget(), game.box(1, 1));
}

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
