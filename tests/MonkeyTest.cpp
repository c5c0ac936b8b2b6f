#include "monkey/BoardRules.h"
#include "monkey/RandomEntries.h"
#include "puzzles/basPuzzles.h"
#include "support/GameDriver.h"

#include <QAction>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <functional>

using basPuzzles::ActivePuzzle;
using Outcome = RandomEntries::PuzzleEntry::Outcome;

namespace {

constexpr int ActionCount = 20'000;
const QStringList Locales{"en_US", "de_DE", "ar_EG", "hi_IN", "fr_FR"};

std::uint64_t monkeySeed() {
    bool given = false;
    const std::uint64_t seed = qEnvironmentVariable("WORDSNARL_MONKEY_SEED").toULongLong(&given);
    return given ? seed
                 : static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

QString nameOf(const QObject *object) {
    if (!object) {
        return QStringLiteral("nothing");
    }
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                          : object->objectName();
}

// A visible character for the failure message: "U+1F600" rather than a glyph
// the terminal may not show.
QString shown(const QString &text) {
    if (text.size() > 12) {
        return QStringLiteral("%1 characters starting \"%2\"").arg(text.size()).arg(shown(text.left(6)));
    }
    QString readable;
    for (const char32_t code : text.toUcs4()) {
        readable += code >= 0x20 && code < 0x7f ? QString(QChar(code))
                                                : QStringLiteral("U+%1").arg(code, 4, 16, QChar(u'0'));
    }
    return QStringLiteral("\"%1\"").arg(readable);
}

Qt::Key keyFor(const QString &character) {
    const QChar first = character.isEmpty() ? QChar() : character.front().toUpper();
    return first.unicode() >= 0x20 && first.unicode() < 0xff ? Qt::Key(first.unicode()) : Qt::Key_unknown;
}

} // namespace

// Plays the real game window at random, the way no tester would: every kind
// of character into any box, pastes of thousands of characters, hints, new
// and chosen puzzles with entries that are numbers and are not, and the check
// answered either way. After every action the board's rules must hold, and
// where an action's effect is certain (a number that must open its puzzle, a
// solved board answered Yes) that effect too.
class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomPlayKeepsTheBoardSound();

private:
    struct Action {
        int weight;
        std::function<QString()> perform; // describes what it did; sets surprise_ if the effect is wrong
    };

    QString typeIntoFocus();
    QString clickABoxAndType();
    QString pressKey(Qt::Key key, const char *name);
    QString pasteIntoABox();
    QString writeIntoABox();
    QString pressAHint();
    QString typeAnswers();
    QString newPuzzle();
    QString selectPuzzle();
    QString checkTheBoard();
    QString moveTheFocus();

    QWidget *focused() const;
    QLineEdit *randomBox();
    QString type(QWidget *target, const QString &character);
    QString trigger(const char *action, Qt::Key shortcut);
    QString boardSnapshot() const;
    void expectFreshBoard(const QString &what);
    void expectUnchangedBoard(const QString &before, const QString &what);

    // How often the rarer effects came about, so a run shows that it reached them.
    struct Tally {
        int opened = 0;
        int kept = 0;
        int solvedChecks = 0;
    } tally_;

    std::unique_ptr<RandomEntries> entries_;
    std::unique_ptr<GameDriver> game_;
    QString surprise_;
};

void MonkeyTest::randomPlayKeepsTheBoardSound() {
    const std::uint64_t seed = monkeySeed();
    entries_ = std::make_unique<RandomEntries>(seed);
    const QLocale locale(Locales.at(entries_->below(static_cast<int>(Locales.size()))));
    QLocale::setDefault(locale);
    qInfo("Monkey seed %llu (replay with WORDSNARL_MONKEY_SEED=%llu), locale %s",
          static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed),
          qPrintable(locale.name()));

    // The game's own random puzzles come from the seed too, or a replay would differ.
    auto draws = std::make_shared<RandomEntries>(seed ^ 0x9e3779b97f4a7c15ULL);
    game_ = std::make_unique<GameDriver>([draws] { return draws->uniform(); });

    const std::vector<Action> actions{
        {25, [this] { return typeIntoFocus(); }},
        {15, [this] { return clickABoxAndType(); }},
        {6, [this] { return pressKey(Qt::Key_Backspace, "Backspace"); }},
        {6, [this] { return pressKey(Qt::Key_Delete, "Delete"); }},
        {4, [this] { return pasteIntoABox(); }},
        {4, [this] { return writeIntoABox(); }},
        {10, [this] { return pressAHint(); }},
        {4, [this] { return typeAnswers(); }},
        {2, [this] { return newPuzzle(); }},
        {8, [this] { return selectPuzzle(); }},
        {5, [this] { return checkTheBoard(); }},
        {5, [this] { return moveTheFocus(); }},
    };
    int totalWeight = 0;
    for (const Action &action : actions) {
        totalWeight += action.weight;
    }

    for (int number = 1; number <= ActionCount; ++number) {
        int pick = entries_->below(totalWeight);
        const Action *chosen = actions.data();
        while (pick >= chosen->weight) {
            pick -= chosen->weight;
            ++chosen;
        }
        surprise_.clear();
        game_->dialogs.shown.clear();
        const QString done = chosen->perform();
        const QString broken = surprise_.isEmpty() ? brokenBoardRule(game_->window()) : surprise_;
        if (!broken.isEmpty()) {
            QFAIL(qPrintable(
                QStringLiteral("Seed %1, action %2 (%3): %4").arg(seed).arg(number).arg(done, broken)));
        }
        if (number % 500 == 0) {
            // Let queued paints and deferred deletions run, as an idle moment would.
            QCoreApplication::processEvents();
        }
    }
    qInfo("%d actions: %d puzzles opened and %d boards kept by number entries, %d solved boards checked",
          ActionCount, tally_.opened, tally_.kept, tally_.solvedChecks);
}

QWidget *MonkeyTest::focused() const {
    QWidget *widget = QApplication::focusWidget();
    return widget ? widget : &game_->window();
}

QLineEdit *MonkeyTest::randomBox() {
    const auto row = static_cast<std::int16_t>(1 + entries_->below(GameState::FinalRow));
    const QList<QLineEdit *> boxes = game_->visibleBoxes(row);
    return boxes.at(entries_->below(static_cast<int>(boxes.size())));
}

QString MonkeyTest::type(QWidget *target, const QString &character) {
    QTest::sendKeyEvent(QTest::Click, target, keyFor(character), character, Qt::NoModifier);
    return QStringLiteral("type %1 into %2").arg(shown(character), nameOf(target));
}

QString MonkeyTest::typeIntoFocus() {
    return type(focused(), entries_->character());
}

QString MonkeyTest::clickABoxAndType() {
    QLineEdit *box = randomBox();
    QTest::mouseClick(box, Qt::LeftButton);
    return QStringLiteral("click, then ") + type(box, entries_->character());
}

QString MonkeyTest::pressKey(Qt::Key key, const char *name) {
    QWidget *target = focused();
    QTest::keyClick(target, key);
    return QStringLiteral("press %1 in %2").arg(QLatin1String(name), nameOf(target));
}

QString MonkeyTest::pasteIntoABox() {
    const QString text = entries_->longText();
    QGuiApplication::clipboard()->setText(text);
    QLineEdit *box = randomBox();
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    return QStringLiteral("paste %1 into %2").arg(shown(text), nameOf(box));
}

QString MonkeyTest::writeIntoABox() {
    const QString text = entries_->chance(50) ? entries_->longText() : entries_->character();
    QLineEdit *box = randomBox();
    box->setText(text);
    return QStringLiteral("write %1 into %2").arg(shown(text), nameOf(box));
}

QString MonkeyTest::pressAHint() {
    const auto row = static_cast<std::int16_t>(1 + entries_->below(GameState::FinalRow));
    game_->pressHint(row);
    return QStringLiteral("press the hint of row %1").arg(row);
}

// Types the right answer into one row or, now and then, every row, so that
// the check sometimes finds a solved board.
QString MonkeyTest::typeAnswers() {
    const bool everyRow = entries_->chance(40);
    const auto only = static_cast<std::int16_t>(1 + entries_->below(GameState::FinalRow));
    for (std::int16_t row = 1; row <= GameState::FinalRow; ++row) {
        if (!everyRow && row != only) {
            continue;
        }
        QTest::mouseClick(game_->box(row, 1), Qt::LeftButton);
        const QString answer =
            row == GameState::FinalRow ? ActivePuzzle.FinalAnswer : ActivePuzzle.Answers(row);
        for (const QChar letter : answer) {
            const QString character =
                entries_->chance(50) ? QString(letter.toUpper()) : QString(letter.toLower());
            QTest::sendKeyEvent(QTest::Click, focused(), keyFor(character), character, Qt::NoModifier);
        }
    }
    return everyRow ? QStringLiteral("type every answer")
                    : QStringLiteral("type the answer of row %1").arg(only);
}

QString MonkeyTest::trigger(const char *action, Qt::Key shortcut) {
    if (entries_->chance(50)) {
        game_->choose(action);
        return QStringLiteral("the menu item %1").arg(QLatin1String(action));
    }
    QWidget *target = focused();
    QTest::keyClick(target, shortcut);
    return QStringLiteral("its key in %1").arg(nameOf(target));
}

QString MonkeyTest::newPuzzle() {
    const QString done = QStringLiteral("New Puzzle by ") + trigger("mnuNewGame", Qt::Key_F2);
    expectFreshBoard(QStringLiteral("a new puzzle"));
    return done;
}

QString MonkeyTest::selectPuzzle() {
    const RandomEntries::PuzzleEntry entry =
        entries_->puzzleEntry(QLocale(), game_->window().state().MaxPuzzleNumber);
    const QString before = boardSnapshot();
    game_->dialogs.typedTexts.clear();
    game_->dialogs.typedTexts.enqueue(entry.text);
    const QString done = QStringLiteral("Select Specific Puzzle %1 by ").arg(shown(entry.text)) +
                         trigger("mnuSelectPuzzle", Qt::Key_F3);
    if (entry.outcome == Outcome::Opens) {
        ++tally_.opened;
        const QString title = QStringLiteral("Wordsnarl - Puzzle Number %1").arg(entry.number);
        if (game_->window().windowTitle() != title) {
            surprise_ =
                QStringLiteral("the title is \"%1\", not \"%2\"").arg(game_->window().windowTitle(), title);
        }
        expectFreshBoard(QStringLiteral("the chosen puzzle"));
    } else if (entry.outcome == Outcome::KeepsBoard) {
        ++tally_.kept;
        expectUnchangedBoard(before, QStringLiteral("an entry that is no puzzle number"));
    }
    return done;
}

QString MonkeyTest::checkTheBoard() {
    const bool yes = entries_->chance(50);
    bool solved = true;
    for (std::int16_t row = 1; row <= GameState::FinalRow; ++row) {
        solved = solved && game_->rowText(row) == (row == GameState::FinalRow ? ActivePuzzle.FinalAnswer
                                                                              : ActivePuzzle.Answers(row));
    }
    tally_.solvedChecks += solved ? 1 : 0;
    const QString before = boardSnapshot();
    game_->dialogs.yesNoAnswers.clear();
    game_->dialogs.yesNoAnswers.enqueue(yes);
    game_->pressCorrect();
    if (solved && yes) {
        expectFreshBoard(QStringLiteral("Yes to another game"));
    } else {
        expectUnchangedBoard(before, QStringLiteral("the check"));
    }
    return QStringLiteral("Correct? on a %1 board, answered %2")
        .arg(solved ? QStringLiteral("solved") : QStringLiteral("unsolved"),
             yes ? QStringLiteral("Yes") : QStringLiteral("No"));
}

QString MonkeyTest::moveTheFocus() {
    if (entries_->chance(20)) {
        auto *definition = game_->window().findChild<QPlainTextEdit *>(
            QStringLiteral("txtClue(%1)").arg(entries_->below(10)));
        QTest::mouseClick(definition->viewport(), Qt::LeftButton);
        return QStringLiteral("click %1").arg(nameOf(definition));
    }
    return entries_->chance(50) ? pressKey(Qt::Key_Tab, "Tab") : pressKey(Qt::Key_Backtab, "Shift+Tab");
}

QString MonkeyTest::boardSnapshot() const {
    const GameState &state = game_->window().state();
    QStringList parts{game_->window().windowTitle()};
    for (std::int16_t row = 1; row <= GameState::FinalRow; ++row) {
        parts << game_->rowText(row);
    }
    for (std::int16_t row = 1; row < GameState::FinalRow; ++row) {
        parts << QString::number(state.HintCount(row));
    }
    parts << QString::number(state.ClueHintCount);
    return parts.join(QLatin1Char('|'));
}

void MonkeyTest::expectFreshBoard(const QString &what) {
    const GameState &state = game_->window().state();
    for (std::int16_t row = 1; row <= GameState::FinalRow; ++row) {
        const QString letters = game_->rowText(row);
        if (letters != QString(letters.size(), QLatin1Char('_'))) {
            surprise_ = QStringLiteral("%1 left row %2 as %3").arg(what).arg(row).arg(shown(letters));
            return;
        }
    }
    if (std::any_of(state.HintCount.begin(), state.HintCount.end(),
                    [](std::int16_t count) { return count != 0; }) ||
        state.ClueHintCount != 0) {
        surprise_ = QStringLiteral("%1 kept a hint counter").arg(what);
    } else if (QApplication::focusWidget() != game_->box(1, 1)) {
        surprise_ = QStringLiteral("%1 left the focus in %2").arg(what, nameOf(QApplication::focusWidget()));
    }
}

void MonkeyTest::expectUnchangedBoard(const QString &before, const QString &what) {
    const QString after = boardSnapshot();
    if (after != before) {
        surprise_ = QStringLiteral("%1 changed the board from \"%2\" to \"%3\"").arg(what, before, after);
    }
}

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
