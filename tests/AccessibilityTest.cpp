#include "app/frmSplash.h"
#include "puzzles/basPuzzles.h"
#include "support/GameDriver.h"

#include <QAccessible>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

namespace {

bool isInteractive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::CheckBox:
    case QAccessible::MenuItem:
    case QAccessible::Link:
    case QAccessible::Graphic:
        return true;
    default:
        return false;
    }
}

struct Walk {
    int controls = 0;    // visible controls a screen reader can land on
    QStringList unnamed; // those of them with nothing to say
};

void walk(QAccessibleInterface *node, Walk &result) {
    if (!node || node->state().invisible) {
        return;
    }
    if (isInteractive(node->role())) {
        ++result.controls;
        if (node->text(QAccessible::Name).trimmed().isEmpty()) {
            const QObject *object = node->object();
            result.unnamed << QStringLiteral("%1 (role %2)")
                                  .arg(object ? object->objectName() : QStringLiteral("?"))
                                  .arg(node->role());
        }
    }
    for (int i = 0; i < node->childCount(); ++i) {
        walk(node->child(i), result);
    }
}

Walk walkWindow(QWidget &window) {
    Walk result;
    walk(QAccessible::queryAccessibleInterface(&window), result);
    return result;
}

} // namespace

// A player who cannot see the screen must hear every control, and one who
// cannot use a mouse must be able to play a whole puzzle.
class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void splashControlsAllHaveNames();
    void gameWindowControlsAllHaveNames();
    void aWholePuzzleCanBePlayedWithTheKeyboardAlone();
};

void AccessibilityTest::splashControlsAllHaveNames() {
    frmSplash splash([] {});
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    const Walk result = walkWindow(splash);
    QCOMPARE(result.controls, 2); // the two logos
    QVERIFY2(result.unnamed.isEmpty(), qPrintable(result.unnamed.join(QStringLiteral(", "))));
}

void AccessibilityTest::gameWindowControlsAllHaveNames() {
    GameDriver game;
    const Walk result = walkWindow(game.window());
    // Two menus, ten definitions, six hint buttons, "Correct?" and one box per letter.
    qsizetype letters = basPuzzles::ActivePuzzle.FinalAnswer.size();
    for (const QString &answer : basPuzzles::ActivePuzzle.Answers) {
        letters += answer.size();
    }
    QCOMPARE(result.controls, 19 + letters);
    QVERIFY2(result.unnamed.isEmpty(), qPrintable(result.unnamed.join(QStringLiteral(", "))));
    for (QAction *item : game.window().menuBar()->actions()) {
        QVERIFY(!item->text().isEmpty());
    }
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
