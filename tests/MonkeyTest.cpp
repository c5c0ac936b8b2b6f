#include "puzzles/basPuzzles.h"
#include "support/GameDriver.h"

#include <QClipboard>
#include <QRegularExpression>
#include <QtTest>

#include <functional>
#include <random>

using basPuzzles::ActivePuzzle;

namespace {

constexpr int ActionCount = 20'000;

// Letters whose case mapping changes their length, final sigma, scripts
// without case, a combining mark, invisible characters, characters beyond 16
// bits, and numbers of other scripts, whose reading is the locale's affair.
const QStringList Unusual = QStringLiteral("\u00e9 \u00df \u0149 \ufb01 \u03a3 \u03c2 \u0130 \u0131 \u5b57 "
                                           "\u0628 \u0301 \u200d \u00a0 \U0001F600 \U0001D538 \uff17 \u0667 "
                                           "\u00bd \u22123 0x1F inf 1e99999")
                                .split(u' ');

const QString &answerOf(std::int16_t row) {
    return row == 6 ? ActivePuzzle.FinalAnswer : ActivePuzzle.Answers(row);
}

// What must hold whatever the player did: each row shows one box per letter
// of its answer, no box holds more than one whole character, the hint
// counters stay within their answers, the title names the puzzle on the board,
// and the window is open.
QString brokenBoardRule(GameDriver &game) {
    if (!game.window().isVisible()) {
        return QStringLiteral("the game window has closed");
    }
    for (std::int16_t row = 1; row <= 6; ++row) {
        const qsizetype letters = answerOf(row).size();
        const std::int16_t hints =
            row == 6 ? game.window().state().ClueHintCount : game.window().state().HintCount(row);
        if (game.rowText(row).size() != letters || game.box(row, 0) || hints < 0 || hints > letters) {
            return QStringLiteral("row %1 of %2 shows \"%3\" after %4 hints")
                .arg(row)
                .arg(answerOf(row), game.rowText(row))
                .arg(hints);
        }
    }
    for (const QLineEdit *box : game.window().findChildren<QLineEdit *>()) {
        if (!box->text().isEmpty() &&
            (!QStringView(box->text()).isValidUtf16() || box->text().toUcs4().size() != 1)) {
            return box->objectName() + " holds " + box->text();
        }
    }
    static const QRegularExpression title(QStringLiteral("^Wordsnarl - Puzzle Number (\\d+)$"));
    const auto shown =
        static_cast<std::int16_t>(title.match(game.window().windowTitle()).captured(1).toInt());
    return basPuzzles::catalogEntry(shown) == ActivePuzzle
               ? QString()
               : "the title does not name " + ActivePuzzle.FinalAnswer;
}

} // namespace

// Plays the real game window at random, the way no tester would: every kind of
// character into any box, long pastes, hints, new and chosen puzzles, and the
// check answered either way. After every action the board's rules must hold,
// and a plain number must open its puzzle or keep the one shown.
class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomPlayKeepsTheBoardSound() {
        const QByteArray given = qgetenv("WORDSNARL_MONKEY_SEED");
        const std::uint64_t seed = given.isEmpty() ? std::random_device()() : given.toULongLong();
        random_.seed(seed);
        const QString locales[] = {"en_US", "de_DE", "ar_EG", "hi_IN"};
        QLocale::setDefault(QLocale(locales[below(4)]));
        qInfo() << "Monkey seed" << seed << "(replay with WORDSNARL_MONKEY_SEED), locale" << QLocale().name();
        // The game's own draws come from the seed too, or a replay would differ.
        auto draws = std::make_shared<std::mt19937_64>(seed + 1);
        game_ = std::make_unique<GameDriver>(
            [draws] { return static_cast<float>((*draws)() >> 40) / 16777216.0F; });

        const std::vector<std::pair<int, std::function<QString()>>> actions{
            {40, [this] { return type(character()); }},
            {15, [this] { return clickABox(); }},
            {10, [this] { return press(below(2) ? Qt::Key_Backspace : Qt::Key_Delete); }},
            {4, [this] { return paste(); }},
            {10, [this] { return hint(); }},
            {4, [this] { return typeAnswers(); }},
            {2, [this] { return press(Qt::Key_F2); }},
            {8, [this] { return selectPuzzle(); }},
            {5, [this] { return check(); }},
            {5, [this] { return press(Qt::Key_Tab, below(2) ? Qt::ShiftModifier : Qt::NoModifier); }},
        };
        std::vector<int> weights;
        for (const auto &action : actions) {
            weights.push_back(action.first);
        }
        std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
        for (int number = 1; number <= ActionCount; ++number) {
            expectedTitle_.clear();
            const QString done = actions.at(pick(random_)).second();
            QString broken = brokenBoardRule(*game_);
            if (broken.isEmpty() && !expectedTitle_.isEmpty() &&
                game_->window().windowTitle() != expectedTitle_) {
                broken = "the title is " + game_->window().windowTitle() + ", not " + expectedTitle_;
            }
            QVERIFY2(
                broken.isEmpty(),
                qPrintable(
                    QStringLiteral("Seed %1, action %2 (%3): %4").arg(seed).arg(number).arg(done, broken)));
        }
    }

private:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

    QString character() {
        const int kind = below(100);
        return kind < 50   ? QString(QChar(below(2) ? u'a' + below(26) : u'A' + below(26)))
               : kind < 65 ? QString(QChar(u' ' + below(64)))
                           : Unusual.at(below(static_cast<int>(Unusual.size())));
    }
    QString type(const QString &text) {
        game_->type(text);
        return "type " + text.left(20);
    }
    QString press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        game_->press(key, modifiers);
        return QKeySequence(QKeyCombination(modifiers, key)).toString();
    }
    QString clickABox() {
        const auto row = static_cast<std::int16_t>(1 + below(6));
        QTest::mouseClick(game_->box(row, static_cast<std::int16_t>(1 + below(int(answerOf(row).size())))),
                          Qt::LeftButton);
        return QStringLiteral("click in row %1").arg(row);
    }
    QString paste() {
        QString text;
        for (int length = below(10) ? 2 + below(80) : 2000; text.size() < length;) {
            text += character();
        }
        QGuiApplication::clipboard()->setText(text);
        return clickABox() + ", paste " + text.left(20) + " by " + press(Qt::Key_V, Qt::ControlModifier);
    }
    QString hint() {
        const int row = 1 + below(6);
        game_->click(row == 6 ? QStringLiteral("cmdClueHint") : QStringLiteral("cmdHint(%1)").arg(row));
        return QStringLiteral("hint of row %1").arg(row);
    }
    // The right answers, so that the check sometimes finds a solved board.
    QString typeAnswers() {
        for (std::int16_t row = 1; row <= 6; ++row) {
            game_->typeRow(row, below(2) ? answerOf(row) : answerOf(row).toLower());
        }
        return QStringLiteral("type every answer");
    }
    QString selectPuzzle() {
        const int number = below(60) - 5;
        const bool plain = below(2);
        const QString text =
            plain ? QString::number(number) : Unusual.at(below(static_cast<int>(Unusual.size())));
        if (plain) {
            expectedTitle_ = number >= 1 && number <= 50
                                 ? QStringLiteral("Wordsnarl - Puzzle Number %1").arg(number)
                                 : game_->window().windowTitle();
        }
        game_->dialogs.typedTexts.clear();
        game_->selectPuzzle(text);
        return "F3 with " + text;
    }
    QString check() {
        game_->dialogs.yesNoAnswers.clear();
        game_->dialogs.yesNoAnswers.enqueue(below(2) == 1);
        game_->click(QStringLiteral("cmdCorrectPuz"));
        return QStringLiteral("Correct?");
    }

    std::mt19937_64 random_;
    std::unique_ptr<GameDriver> game_;
    QString expectedTitle_; // after a plain number
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
