#include "puzzles/basPuzzles.h"
#include "support/GameDriver.h"

#include <QClipboard>
#include <QRegularExpression>
#include <QtTest>

#include <random>

using basPuzzles::ActivePuzzle;

namespace {

constexpr int ActionCount = 20'000;
constexpr std::int16_t FinalRow = GameState::FinalRow;

// Letters whose case mapping changes their length (ß, ŉ, ﬁ, ΐ, İ), final sigma,
// scripts without case, a combining mark, invisible characters and two
// characters beyond 16 bits.
const QStringList Unusual = QStringLiteral("\u00e9 \u00c9 \u00df \u0149 \ufb01 \u03a3 \u03c2 \u0390 \u0130 "
                                           "\u0131 \u0436 \u5b57 \ud55c \u0628 \u0915 \u0301 \u200d \u00a0 "
                                           "\U0001F600 \U0001D538")
                                .split(u' ');
// Numbers of other scripts and odd forms: whether they count is the locale's affair.
const QStringList LocaleDecides =
    QStringLiteral("\uff17 \u096d \u0667 \u0661\u0662 \u0e57 \u2460 \u2166 \u4e03 "
                   "\u00bd 0x1F 1/2 $5 5% --5 3- \u22123")
        .split(u' ');
// Never a number in any locale, or never a finite one.
const QStringList NeverNumbers = QStringLiteral("abc seven 7a inf -inf nan 1e99999 e . -").split(u' ');

const QString &answerOf(std::int16_t row) {
    return row == FinalRow ? ActivePuzzle.FinalAnswer : ActivePuzzle.Answers(row);
}

// Cut short for a failure message, with its length in UTF-16 units.
QString readable(const QString &text) {
    return QStringLiteral("\"%1\" (%2 units)").arg(text.left(20)).arg(text.size());
}

// What must hold whatever the player did: each row shows exactly one box per
// letter of its answer and hides its pattern box, no box holds more than one
// whole character, the hint counters stay within their answers, the title
// names the puzzle on the board, and the window is still open.
QString brokenBoardRule(const frmWords &window) {
    if (!window.isVisible()) {
        return QStringLiteral("the game window has closed");
    }
    static const QRegularExpression boxName(QStringLiteral("^(?:txtAns([1-5])|txtPClue)\\((\\d+)\\)$"));
    std::array<int, FinalRow + 1> visible{};
    for (const QLineEdit *box : window.findChildren<QLineEdit *>()) {
        const QString text = box->text();
        if (!text.isEmpty() && (!QStringView(text).isValidUtf16() || text.toUcs4().size() != 1)) {
            return box->objectName() + " holds " + readable(text);
        }
        const QRegularExpressionMatch match = boxName.match(box->objectName());
        const int row = match.hasCaptured(1) ? match.captured(1).toInt() : FinalRow;
        const int index = match.captured(2).toInt();
        if (match.hasMatch() && box->isVisible() != (index >= 1 && index <= answerOf(row).size())) {
            return box->objectName() + (box->isVisible() ? " is shown" : " is hidden");
        }
        visible[row] += match.hasMatch() && box->isVisible() ? 1 : 0;
    }
    const GameState &state = window.state();
    for (std::int16_t row = 1; row <= FinalRow; ++row) {
        const qsizetype letters = answerOf(row).size();
        const std::int16_t hints = row == FinalRow ? state.ClueHintCount : state.HintCount(row);
        if (visible[row] != letters || state.RowLength(row) != letters || hints < 0 || hints > letters) {
            return QStringLiteral("row %1 of \"%2\" shows %3 boxes, has RowLength %4 and %5 hints")
                .arg(row)
                .arg(answerOf(row))
                .arg(visible[row])
                .arg(state.RowLength(row))
                .arg(hints);
        }
    }
    // Loading is the only way to see a puzzle, so ActivePuzzle is put back afterwards.
    static const QRegularExpression title(QStringLiteral("^Wordsnarl - Puzzle Number (\\d+)$"));
    const int number = title.match(window.windowTitle()).captured(1).toInt();
    const basPuzzles::PuzzleRecord inPlay = ActivePuzzle;
    basPuzzles::LoadPuzzle(static_cast<std::int16_t>(number));
    const bool same = number >= 1 && ActivePuzzle == inPlay;
    ActivePuzzle = inPlay;
    return same ? QString()
                : "the title \"" + window.windowTitle() + "\" is not the puzzle of " + inPlay.FinalAnswer;
}

} // namespace

// Plays the real game window at random, the way no tester would: every kind of
// character into any box, pastes of thousands of characters, hints, new and
// chosen puzzles with entries that are numbers and are not, and the check
// answered either way. After every action the board's rules must hold, and an
// entry whose meaning is certain must open its puzzle or keep the one shown.
class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomPlayKeepsTheBoardSound() {
        const QByteArray given = qgetenv("WORDSNARL_MONKEY_SEED");
        const std::uint64_t seed = given.isEmpty() ? std::random_device()() : given.toULongLong();
        random_.seed(seed);
        const QString locales[] = {"en_US", "de_DE", "ar_EG", "hi_IN", "fr_FR"};
        QLocale::setDefault(QLocale(locales[below(5)]));
        qInfo().nospace().noquote() << "Monkey seed " << seed
                                    << " (replay with WORDSNARL_MONKEY_SEED=" << seed << "), locale "
                                    << QLocale().name();
        // The game's own random puzzles come from the seed too, or a replay would differ.
        auto draws = std::make_shared<std::mt19937_64>(seed ^ 0x9e3779b97f4a7c15ULL);
        game_ = std::make_unique<GameDriver>(
            [draws] { return static_cast<float>((*draws)() >> 40) / 16777216.0F; });

        const std::vector<std::pair<int, std::function<QString()>>> actions{
            {25, [this] { return type(focused(), character()); }},
            {15, [this] { return type(clickABox(), character()); }},
            {6, [this] { return press(Qt::Key_Backspace); }},
            {6, [this] { return press(Qt::Key_Delete); }},
            {4, [this] { return pasteIntoABox(); }},
            {10, [this] { return pressAHint(); }},
            {4, [this] { return typeAnswers(); }},
            {2, [this] { return "New Puzzle by " + choose("mnuNewGame", Qt::Key_F2); }},
            {8, [this] { return selectPuzzle(); }},
            {5, [this] { return checkTheBoard(); }},
            {5, [this] { return press(Qt::Key_Tab, chance(50) ? Qt::ShiftModifier : Qt::NoModifier); }},
        };
        std::vector<int> weights;
        for (const auto &action : actions) {
            weights.push_back(action.first);
        }
        std::discrete_distribution<std::size_t> pickAction(weights.begin(), weights.end());
        for (int number = 1; number <= ActionCount; ++number) {
            expectedTitle_.clear();
            const QString done = actions.at(pickAction(random_)).second();
            QString broken = brokenBoardRule(game_->window());
            if (broken.isEmpty() && !expectedTitle_.isEmpty() &&
                game_->window().windowTitle() != expectedTitle_) {
                broken =
                    "the title is \"" + game_->window().windowTitle() + "\", not \"" + expectedTitle_ + '"';
            }
            QVERIFY2(
                broken.isEmpty(),
                qPrintable(
                    QStringLiteral("Seed %1, action %2 (%3): %4").arg(seed).arg(number).arg(done, broken)));
            if (number % 500 == 0) {
                QCoreApplication::processEvents(); // queued paints and deletions, as an idle moment would run
            }
        }
    }

private:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }
    QWidget *focused() const {
        return QApplication::focusWidget() ? QApplication::focusWidget() : &game_->window();
    }
    static QString nameOf(const QWidget *widget) {
        return widget ? widget->objectName() : QStringLiteral("nothing");
    }

    // ASCII letters of either case, digits, blanks, punctuation, and others.
    QString character() {
        const int kind = below(100);
        const QString punctuation = QStringLiteral("!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~");
        return kind < 40   ? QString(QChar(chance(50) ? u'a' + below(26) : u'A' + below(26)))
               : kind < 50 ? QString(QChar(u'0' + below(10)))
               : kind < 55 ? QStringLiteral(" ")
               : kind < 65 ? QString(punctuation.at(below(static_cast<int>(punctuation.size()))))
                           : Unusual.at(below(static_cast<int>(Unusual.size())));
    }

    // Usually a few dozen characters, sometimes thousands.
    QString longText() {
        const int length = chance(90) ? 2 + below(80) : 1000 + below(4000);
        QString text;
        while (text.size() < length) {
            text += character();
        }
        return text;
    }

    QLineEdit *clickABox() {
        const QList<QLineEdit *> boxes = game_->visibleBoxes(static_cast<std::int16_t>(1 + below(FinalRow)));
        QLineEdit *box = boxes.at(below(static_cast<int>(boxes.size())));
        QTest::mouseClick(box, Qt::LeftButton);
        return box;
    }

    QString type(QWidget *target, const QString &character) {
        const QChar first = character.front().toUpper();
        const Qt::Key key =
            first.unicode() >= 0x20 && first.unicode() < 0xff ? Qt::Key(first.unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, target, key, character, Qt::NoModifier);
        return "type " + readable(character) + " into " + nameOf(target);
    }

    QString press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *target = focused();
        QTest::keyClick(target, key, modifiers);
        return QKeySequence(QKeyCombination(modifiers, key)).toString() + " in " + nameOf(target);
    }

    QString pasteIntoABox() {
        const QString text = longText();
        QGuiApplication::clipboard()->setText(text);
        clickABox();
        return "paste " + readable(text) + " by " + press(Qt::Key_V, Qt::ControlModifier);
    }

    QString pressAHint() {
        const auto row = static_cast<std::int16_t>(1 + below(FinalRow));
        game_->pressHint(row);
        return QStringLiteral("hint of row %1").arg(row);
    }

    // A menu item, or its key wherever the focus is.
    QString choose(const char *item, Qt::Key key) {
        if (chance(50)) {
            game_->choose(item);
            return QString::fromLatin1(item);
        }
        return press(key);
    }

    // The right answer into one row or, now and then, every row, so that the
    // check sometimes finds a solved board.
    QString typeAnswers() {
        const bool everyRow = chance(40);
        const auto only = static_cast<std::int16_t>(1 + below(FinalRow));
        for (std::int16_t row = 1; row <= FinalRow; ++row) {
            if (everyRow || row == only) {
                QTest::mouseClick(game_->box(row, 1), Qt::LeftButton);
                for (const QChar letter : answerOf(row)) {
                    type(focused(), chance(50) ? letter.toUpper() : letter.toLower());
                }
            }
        }
        return everyRow ? QStringLiteral("type every answer")
                        : QStringLiteral("type the answer of row %1").arg(only);
    }

    // An entry with valid, invalid, huge, signed, separated and non-ASCII
    // numbers, and what it must lead to where that is certain in every locale:
    // the puzzle it opens, 0 when it keeps the board, -1 when the locale decides.
    std::pair<QString, int> puzzleEntry() {
        const QLocale locale;
        const int max = game_->window().state().MaxPuzzleNumber;
        const auto opening = [max](int value) { return value >= 1 && value <= max ? value : 0; };
        const int n = below(max + 20) - 5;
        const QString blanks(below(3), u' ');
        switch (below(6)) {
        case 0: // valid and invalid, in the locale's digits or signed
            return {blanks + (chance(50) ? locale.toString(n)
                                         : (n < 0 ? "-" : "+") + QString::number(std::abs(n))),
                    opening(n)};
        case 1: { // a tenth, rounded half to even
            const int tenth = below(10);
            const bool up = tenth > 5 || (tenth == 5 && std::abs(n) % 2 == 1);
            return {locale.toString(std::abs(n)) + locale.decimalPoint() + locale.toString(tenth),
                    opening(std::abs(n) + (up ? 1 : 0))};
        }
        case 2: { // grouped thousands, and the edges of 16 bits and far beyond
            const QString huge[] = {locale.toString(1000 + below(10'000'000)),
                                    "32767",
                                    "-32768",
                                    "32768",
                                    "65536",
                                    QString(5 + below(60), u'9')};
            return {huge[below(6)], 0};
        }
        case 3:
            return {blanks + LocaleDecides.at(below(static_cast<int>(LocaleDecides.size()))), -1};
        case 4:
            return {chance(30) ? blanks : NeverNumbers.at(below(static_cast<int>(NeverNumbers.size()))), 0};
        default:
            return {longText(), -1};
        }
    }

    QString selectPuzzle() {
        const auto [text, opens] = puzzleEntry();
        if (opens >= 0) {
            expectedTitle_ = opens == 0 ? game_->window().windowTitle()
                                        : QStringLiteral("Wordsnarl - Puzzle Number %1").arg(opens);
        }
        game_->dialogs.typedTexts.clear();
        game_->dialogs.typedTexts.enqueue(text);
        return "Select Specific Puzzle " + readable(text) + " by " + choose("mnuSelectPuzzle", Qt::Key_F3);
    }

    QString checkTheBoard() {
        const bool yes = chance(50);
        game_->dialogs.yesNoAnswers.clear();
        game_->dialogs.yesNoAnswers.enqueue(yes);
        game_->pressCorrect();
        return yes ? QStringLiteral("Correct?, answered Yes") : QStringLiteral("Correct?, answered No");
    }

    std::mt19937_64 random_;
    std::unique_ptr<GameDriver> game_;
    QString expectedTitle_; // after an entry whose meaning is certain
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
