#include "game/frmWords.h"
#include "support/FakeAccessories.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QRect pixelsFromTwips(int left, int top, int width, int height) {
    return {qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0), qRound(height / 15.0)};
}

} // namespace

// The game window's fixed face: every control where the design puts it, the
// menus as players know them, and shortcuts that work wherever the focus is.
class GameWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsStandAtTheirDesignedPlaces_data();
    void controlsStandAtTheirDesignedPlaces();
    void hiddenPatternControlsStayHidden();
    void clientAreaIsFixedAndCannotBeMaximised();
    void menusCarryTheirCaptionsShortcutsAndSeparators();
    void menuShortcutsBeatTheFocusedTextBox();
    void tabOrderFollowsTheDesign();
    void everyVisibleControlHasSomethingToSpeak();

private:
    ScriptedDialogs dialogs_;
    FakeAccessories accessories_;
    frmWords *window_ = nullptr;
};

void GameWindowTest::init() {
    accessories_ = {};
    window_ = new frmWords(dialogs_, accessories_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void GameWindowTest::cleanup() {
    delete window_;
}

void GameWindowTest::controlsStandAtTheirDesignedPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    const int clueTops[] = {120, 720, 1440, 2040, 2760, 3360, 4080, 4680, 5400, 6000};
    for (int i = 0; i < 10; ++i) {
        const QString name = QStringLiteral("txtClue(%1)").arg(i);
        QTest::newRow(qPrintable(name)) << name << QRect(120, clueTops[i], 3000, 405);
    }
    const int rowTops[] = {480, 1800, 3120, 4440, 5760};
    for (int row = 1; row <= 5; ++row) {
        const QString box = QStringLiteral("txtAns%1(0)").arg(row);
        QTest::newRow(qPrintable(box)) << box << QRect(3240, rowTops[row - 1], 375, 375);
        const QString hint = QStringLiteral("cmdHint(%1)").arg(row);
        QTest::newRow(qPrintable(hint)) << hint << QRect(3240, rowTops[row - 1], 375, 375);
    }
    QTest::newRow("cmdHint(0)") << "cmdHint(0)" << QRect(3240, 0, 375, 375);
    QTest::newRow("txtPClue(0)") << "txtPClue(0)" << QRect(720, 7080, 375, 375);
    QTest::newRow("lblClue") << "lblClue" << QRect(1200, 6720, 4935, 255);
    QTest::newRow("cmdClueHint") << "cmdClueHint" << QRect(600, 7080, 375, 375);
    QTest::newRow("cmdCorrectPuz") << "cmdCorrectPuz" << QRect(6960, 6840, 1215, 495);
    // Lines are one pixel wide: their rectangle runs from one end point to the other.
    QTest::newRow("Line1") << "Line1" << QRect(1080, 6600, 15, 975);
    QTest::newRow("Line2") << "Line2" << QRect(6240, 6600, 15, 975);
    QTest::newRow("Line3") << "Line3" << QRect(1080, 6600, 5175, 15);
    QTest::newRow("Line4") << "Line4" << QRect(1080, 7560, 5175, 15);
}

void GameWindowTest::controlsStandAtTheirDesignedPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const auto *control = window_->centralWidget()->findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name + " missing"));
    QCOMPARE(control->geometry(), pixelsFromTwips(twips.x(), twips.y(), twips.width(), twips.height()));
}

void GameWindowTest::hiddenPatternControlsStayHidden() {
    for (const QString &name : {QStringLiteral("txtAns1(0)"), QStringLiteral("txtAns5(0)"),
                                QStringLiteral("txtPClue(0)"), QStringLiteral("cmdHint(0)")}) {
        QVERIFY2(!window_->findChild<QWidget *>(name)->isVisible(), qPrintable(name));
    }
    const auto *finalPattern = window_->findChild<QLineEdit *>(QStringLiteral("txtPClue(0)"));
    QCOMPARE(finalPattern->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(finalPattern->maxLength(), 1);
    QCOMPARE(window_->findChild<QPushButton *>(QStringLiteral("cmdCorrectPuz"))->text(),
             QStringLiteral("Correct?"));
    QCOMPARE(window_->findChild<QPushButton *>(QStringLiteral("cmdHint(3)"))->text(), QStringLiteral("?"));
}

void GameWindowTest::clientAreaIsFixedAndCannotBeMaximised() {
    QCOMPARE(window_->centralWidget()->size(), QSize(556, 508));
    QCOMPARE(window_->centralWidget()->y(), window_->menuBar()->height());
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(window_->windowTitle().startsWith(QStringLiteral("Wordsnarl")));
}

void GameWindowTest::menusCarryTheirCaptionsShortcutsAndSeparators() {
    const QList<QAction *> menus = window_->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QStringLiteral("&Puzzle"));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Help"));

    struct Item {
        const char *name;
        const char *caption;
        QKeySequence shortcut;
    };
    const QList<QList<Item>> expected{
        {{"mnuNewGame", "&New Puzzle", QKeySequence(Qt::Key_F2)},
         {"mnuSelectPuzzle", "&Select Specific Puzzle", QKeySequence(Qt::Key_F3)},
         {"mnuSlash", "", QKeySequence()},
         {"mnuExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X)}},
        {{"mnuHowToPlay", "How To Pla&y", QKeySequence(Qt::Key_F1)},
         {"mnuSlash2", "", QKeySequence()},
         {"mnuAbout", "&About", QKeySequence(Qt::CTRL | Qt::Key_A)}}};
    for (qsizetype m = 0; m < menus.size(); ++m) {
        const QList<QAction *> items = menus[m]->menu()->actions();
        QCOMPARE(items.size(), expected[m].size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            const Item &item = expected[m][i];
            QCOMPARE(items[i]->objectName(), QString::fromLatin1(item.name));
            QCOMPARE(items[i]->isSeparator(), QByteArray(item.caption).isEmpty());
            QCOMPARE(items[i]->text(), QString::fromLatin1(item.caption));
            QCOMPARE(items[i]->shortcut(), item.shortcut);
        }
    }
}

void GameWindowTest::menuShortcutsBeatTheFocusedTextBox() {
    // A text box claims Ctrl+A for select-all unless the window takes it back.
    auto *definition = window_->findChild<QPlainTextEdit *>(QStringLiteral("txtClue(0)"));
    definition->setFocus();
    QVERIFY(definition->hasFocus());
    QTest::keyClick(definition, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(accessories_.aboutShown, 1);
    QTest::keyClick(definition, Qt::Key_F1);
    QCOMPARE(accessories_.instructionsShown, 1);
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

    QStringList visited;
    QWidget *start = window_->findChild<QWidget *>(expected.first());
    QWidget *widget = start;
    do {
        if (expected.contains(widget->objectName())) {
            visited << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != start);
    // Letter boxes may sit between these stops; the fixed controls keep their order.
    QCOMPARE(visited, expected);
}

void GameWindowTest::everyVisibleControlHasSomethingToSpeak() {
    for (const QWidget *control : window_->centralWidget()->findChildren<QWidget *>()) {
        const bool interactive = qobject_cast<const QAbstractButton *>(control) ||
                                 qobject_cast<const QLineEdit *>(control) ||
                                 qobject_cast<const QPlainTextEdit *>(control);
        if (interactive && control->isVisible()) {
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
    }
}

QTEST_MAIN(GameWindowTest)
#include "GameWindowTest.moc"
