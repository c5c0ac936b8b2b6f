#include "support/GameDriver.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

// The game window's menus as players know them, shortcuts that work wherever
// the focus is, the designed tab order, and pattern controls that never show.
class GameWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { game_ = std::make_unique<GameDriver>(); }
    void cleanup() { game_.reset(); }
    void menusCarryTheirCaptionsShortcutsAndSeparators();
    void menuShortcutsBeatTheFocusedTextBox();
    void tabOrderFollowsTheDesign();
    void patternControlsStayHidden();

private:
    std::unique_ptr<GameDriver> game_;
};

void GameWindowTest::menusCarryTheirCaptionsShortcutsAndSeparators() {
    QStringList items;
    for (const QAction *menu : game_->window().menuBar()->actions()) {
        items << menu->text();
        for (const QAction *item : menu->menu()->actions()) {
            items << item->objectName() + (item->isSeparator()
                                               ? QStringLiteral(" -")
                                               : " " + item->text() + " " + item->shortcut().toString());
        }
    }
    QCOMPARE(items,
             (QStringList{"&Puzzle", "mnuNewGame &New Puzzle F2",
                          "mnuSelectPuzzle &Select Specific Puzzle F3", "mnuSlash -", "mnuExit E&xit Ctrl+X",
                          "&Help", "mnuHowToPlay How To Pla&y F1", "mnuSlash2 -", "mnuAbout &About Ctrl+A"}));
}

void GameWindowTest::menuShortcutsBeatTheFocusedTextBox() {
    // Text boxes claim Ctrl+A for select-all unless the window takes it back.
    for (const char *name : {"txtClue(0)", "txtAns1(1)"}) {
        auto *box = game_->window().findChild<QWidget *>(name);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_F1);
    }
    QCOMPARE(game_->accessories.aboutShown, 2);
    QCOMPARE(game_->accessories.instructionsShown, 2);
}

void GameWindowTest::tabOrderFollowsTheDesign() {
    QStringList expected;
    for (int i = 0; i < 10; ++i) {
        expected << QStringLiteral("txtClue(%1)").arg(i);
    }
    expected << QStringLiteral("cmdCorrectPuz");
    for (int row = 1; row <= 5; ++row) {
        expected << QStringLiteral("cmdHint(%1)").arg(row);
    }
    expected << QStringLiteral("cmdClueHint");

    // Letter boxes may sit between these stops; the fixed controls keep their order.
    QStringList visited;
    QWidget *start = game_->window().findChild<QWidget *>(expected.first());
    QWidget *widget = start;
    do {
        if (expected.contains(widget->objectName())) {
            visited << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != start);
    QCOMPARE(visited, expected);
}

void GameWindowTest::patternControlsStayHidden() {
    game_->choose("mnuNewGame");
    for (const char *name : {"txtAns1(0)", "txtAns5(0)", "txtPClue(0)", "cmdHint(0)"}) {
        QVERIFY2(!game_->window().findChild<QWidget *>(name)->isVisible(), name);
    }
}

QTEST_MAIN(GameWindowTest)
#include "GameWindowTest.moc"
