#include "puzzles/basPuzzles.h"
#include "support/GameDriver.h"

#include <QtTest>

#include <random>

using basPuzzles::ActivePuzzle;

// Plays the real game window at random, the way no tester would: every kind of
// character into any box, long pastes, hints, new and chosen puzzles, and the
// check answered either way. After every action each row shows one box per
// letter of its answer, no box holds more than one whole character, the hint
// counters stay within their answers, the window is open and its title names
// the puzzle on the board.
class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomPlayKeepsTheBoardSound() {
        const QByteArray given = qgetenv("WORDSNARL_MONKEY_SEED");
        const std::uint64_t seed = given.isEmpty() ? std::random_device()() : given.toULongLong();
        random_.seed(seed);
        QLocale::setDefault(QLocale(QStringList{"en_US", "de_DE", "ar_EG", "hi_IN"}.at(below(4))));
        qInfo() << "Monkey seed" << seed << "(replay with WORDSNARL_MONKEY_SEED), locale" << QLocale().name();
        // The game's own draws come from the seed too, or a replay would differ.
        auto draws = std::make_shared<std::mt19937_64>(seed + 1);
        GameDriver game([draws] { return static_cast<float>((*draws)() >> 40) / 16777216.0F; });
        for (int action = 1; action <= 20'000; ++action) {
            const QString done = play(game), broken = brokenRule(game); // in this order
            QVERIFY2(broken.isEmpty(),
                     qPrintable(QStringLiteral("action %1 (%2): %3").arg(action).arg(done, broken)));
        }
    }

private:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

    // Letters whose case mapping changes their length, final sigma, scripts
    // without case, a combining mark, invisible characters, characters beyond
    // 16 bits, and numbers of other scripts, whose reading is the locale's affair.
    QString unusual() {
        static const QStringList texts =
            QStringLiteral("\u00e9 \u00df \u0149 \ufb01 \u03a3 \u03c2 \u0130 \u0131 "
                           "\u5b57 \u0628 \u0301 \u200d \u00a0 \U0001F600 \U0001D538 "
                           "\uff17 \u0667 \u00bd \u22123 0x1F inf 1e99999")
                .split(u' ');
        return texts.at(below(static_cast<int>(texts.size())));
    }
    QString character() {
        const int kind = below(100);
        return kind < 50   ? QString(QChar(below(2) ? u'a' + below(26) : u'A' + below(26)))
               : kind < 65 ? QString(QChar(u' ' + below(64)))
                           : unusual();
    }
    QString clickABox(GameDriver &game, std::int16_t row) {
        const auto index = static_cast<std::int16_t>(1 + below(int(GameDriver::answer(row).size())));
        QTest::mouseClick(game.box(row, index), Qt::LeftButton);
        return QStringLiteral("click box %1 of row %2").arg(index).arg(row);
    }

    QString play(GameDriver &game) {
        game.dialogs = ScriptedDialogs(); // no answer or record left from an earlier action
        const int choice = below(100);
        const auto row = static_cast<std::int16_t>(1 + below(6));
        if (choice < 40) {
            const QString typed = character();
            game.type(typed);
            return "type " + typed;
        }
        if (choice < 55)
            return clickABox(game, row);
        if (choice < 65) {
            static const QKeyCombination keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_F2, Qt::Key_Tab,
                                                   Qt::ShiftModifier | Qt::Key_Tab};
            const QKeyCombination key = keys[below(5)];
            game.press(key.key(), key.keyboardModifiers());
            return QKeySequence(key).toString();
        }
        if (choice < 70) {
            QString text;
            for (int length = below(10) ? 2 + below(80) : 2000; text.size() < length;)
                text += character();
            const QString clicked = clickABox(game, row);
            game.paste(text);
            return clicked + ", paste " + text.left(20);
        }
        if (choice < 80) {
            game.click(row == 6 ? QStringLiteral("cmdClueHint") : QStringLiteral("cmdHint(%1)").arg(row));
            return QStringLiteral("hint of row %1").arg(row);
        }
        if (choice < 84) { // the right answers, so that the check sometimes finds a solved board
            for (std::int16_t each = 1; each <= 6; ++each)
                game.typeRow(each, below(2) ? GameDriver::answer(each) : GameDriver::answer(each).toLower());
            return QStringLiteral("type every answer");
        }
        if (choice < 94) {
            const QString typed = below(2) ? QString::number(below(60) - 5) : unusual();
            game.selectPuzzle(typed);
            return "F3 with " + typed;
        }
        game.dialogs.yesNoAnswers.enqueue(below(2) == 1);
        game.click(QStringLiteral("cmdCorrectPuz"));
        return QStringLiteral("Correct?");
    }

    QString brokenRule(GameDriver &game) const {
        if (!game.window().isVisible())
            return QStringLiteral("the game window has closed");
        for (std::int16_t row = 1; row <= 6; ++row) {
            const std::int16_t hints =
                row == 6 ? game.window().state().ClueHintCount : game.window().state().HintCount(row);
            if (game.rowText(row).size() != GameDriver::answer(row).size() || game.box(row, 0) || hints < 0 ||
                hints > GameDriver::answer(row).size())
                return QStringLiteral("row %1: %2 after %3 hints").arg(row).arg(game.rowText(row)).arg(hints);
        }
        for (const QLineEdit *box : game.window().findChildren<QLineEdit *>())
            if (!box->text().isEmpty() &&
                (!QStringView(box->text()).isValidUtf16() || box->text().toUcs4().size() != 1))
                return box->objectName() + " holds " + box->text();
        const auto shown = static_cast<std::int16_t>(game.window().windowTitle().section(u' ', -1).toInt());
        return basPuzzles::catalogEntry(shown) == ActivePuzzle ? QString() : "the title names another puzzle";
    }

    std::mt19937_64 random_;
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
