#include "frmWords.h"

#include "DefinitionBox.h"
#include "GameMenus.h"
#include "LetterBox.h"
#include "MenuKeysFirst.h"
#include "puzzles/basPuzzles.h"
#include "rules/PuzzleNumber.h"
#include "rules/SolutionCheck.h"
#include "ui/AppInfo.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/FocusAnew.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

using basPuzzles::ActivePuzzle;

namespace {

constexpr std::array<int, 10> DefinitionTops{120, 720, 1440, 2040, 2760, 3360, 4080, 4680, 5400, 6000};
constexpr std::array<int, 5> AnswerRowTops{480, 1800, 3120, 4440, 5760};
constexpr int AnswerRowLeft = 3240;
constexpr QPoint FinalRowPattern{720, 7080};
constexpr int HintButtonSize = 375;

QPushButton *hintButton(QWidget *parent, const QString &objectName, const QRect &geometry,
                        const QString &accessibleName) {
    auto *button = new QPushButton(QStringLiteral("?"), parent);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    button->setFont(fonts::blackSans(15.75));
    button->setAccessibleName(accessibleName);
    return button;
}

} // namespace

frmWords::frmWords(Dialogs &dialogs, PuzzleDraw draw)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint)
    , dialogs_(dialogs)
    , draw_(std::move(draw)) {
    setObjectName(QStringLiteral("frmWords"));
    setWindowTitle(appinfo::Title);
    createControls();
    QList<QAction *> keys = addGameMenus(*menuBar(), {.newPuzzle = [this] { mnuNewGame_Click(); },
                                                      .selectPuzzle = [this] { mnuSelectPuzzle_Click(); },
                                                      .exit = [this] { mnuExit_Click(); },
                                                      .howToPlay = [this] { emit howToPlayRequested(); },
                                                      .about = [this] { emit aboutRequested(); }});
    keys << createHintKey();
    new MenuKeysFirst(*this, keys);
    setDesignTabOrder();

    // The client area keeps its designed size; the window cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    }
    Form_Load();
}

void frmWords::createControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(twips::size(8340, 7620));
    setCentralWidget(client_);

    for (std::size_t i = 0; i < txtClue.size(); ++i) {
        auto *box = new DefinitionBox(client_);
        box->setObjectName(QStringLiteral("txtClue(%1)").arg(i));
        box->setGeometry(twips::rect(120, DefinitionTops[i], 3000, 405));
        box->setAccessibleName(i % 2 == 0 ? tr("Answer %1, first definition").arg(i / 2 + 1)
                                          : tr("Answer %1, second definition").arg(i / 2 + 1));
        txtClue[i] = box;
    }
    for (std::int16_t row = 1; row <= 5; ++row) {
        rows_(row) = new AnswerRow(client_, QStringLiteral("txtAns%1").arg(row), tr("Answer %1").arg(row),
                                   {AnswerRowLeft, AnswerRowTops[static_cast<std::size_t>(row - 1)]});
    }
    rows_(GameState::FinalRow) =
        new AnswerRow(client_, QStringLiteral("txtPClue"), tr("Final answer"), FinalRowPattern);
    rows_(GameState::FinalRow)->setPatternBackground(QColor(255, 0, 0));
    lblClue =
        controls::label(client_, QStringLiteral("lblClue"), twips::rect(1200, 6720, 4935, 255), QString());
    lblClue->setAccessibleDescription(tr("Final clue"));
    createClueFrame();
    createHintButtons();

    cmdCorrectPuz = new QPushButton(tr("Correct?"), client_);
    cmdCorrectPuz->setObjectName(QStringLiteral("cmdCorrectPuz"));
    cmdCorrectPuz->setGeometry(twips::rect(6960, 6840, 1215, 495));
    cmdCorrectPuz->setAccessibleName(tr("Correct?"));
    cmdCorrectPuz->setAccessibleDescription(tr("Tells how many of the six answers are wrong"));
    connect(cmdCorrectPuz, &QPushButton::clicked, this, &frmWords::cmdCorrectPuz_Click);
}

void frmWords::createHintButtons() {
    for (std::int16_t row = 1; row <= 5; ++row) {
        const int top = AnswerRowTops[static_cast<std::size_t>(row - 1)];
        QPushButton *button = hintButton(client_, QStringLiteral("cmdHint(%1)").arg(row),
                                         twips::rect(AnswerRowLeft, top, HintButtonSize, HintButtonSize),
                                         tr("Hint for answer %1").arg(row));
        connect(button, &QPushButton::clicked, this, [this, row] { cmdHint_Click(row); });
        cmdHint(row) = button;
    }
    cmdClueHint =
        hintButton(client_, QStringLiteral("cmdClueHint"),
                   twips::rect(600, 7080, HintButtonSize, HintButtonSize), tr("Hint for the final answer"));
    connect(cmdClueHint, &QPushButton::clicked, this, &frmWords::cmdClueHint_Click);
    describeHintButtons();
}

// Until a hint is shown, a hint button tells a screen reader the key that
// gives its hint from the row itself.
void frmWords::describeHintButtons() {
    for (QPushButton *hint : cmdHint) {
        hint->setAccessibleDescription(tr("Ctrl+H in the row gives this hint"));
    }
    cmdClueHint->setAccessibleDescription(tr("Ctrl+H in the final row gives this hint"));
}

// Ctrl+H is the hint button of the row being typed in, so the keyboard need
// not leave the row for it; a typed "?" stays a letter like any other.
QAction *frmWords::createHintKey() {
    auto *key = new QAction(this);
    key->setShortcut(Qt::CTRL | Qt::Key_H);
    key->setShortcutContext(Qt::WindowShortcut);
    connect(key, &QAction::triggered, this, &frmWords::hintForFocusedRow);
    addAction(key);
    return key;
}

// A row is in use when one of its boxes or one of its definitions has the focus.
void frmWords::hintForFocusedRow() {
    const QWidget *focused = QApplication::focusWidget();
    for (std::int16_t row = 1; row <= 5; ++row) {
        const auto definition = static_cast<std::size_t>(2 * row - 2);
        if (rows_(row)->hasFocus() || focused == txtClue[definition] || focused == txtClue[definition + 1]) {
            cmdHint_Click(row);
            return;
        }
    }
    if (rows_(GameState::FinalRow)->hasFocus()) {
        cmdClueHint_Click();
    }
}

void frmWords::createClueFrame() {
    controls::line(client_, QStringLiteral("Line1"), {1080, 6600}, {1080, 7560});
    controls::line(client_, QStringLiteral("Line2"), {6240, 6600}, {6240, 7560});
    controls::line(client_, QStringLiteral("Line3"), {1080, 6600}, {6240, 6600});
    controls::line(client_, QStringLiteral("Line4"), {1080, 7560}, {6240, 7560});
}

void frmWords::setDesignTabOrder() {
    QList<QWidget *> order(txtClue.begin(), txtClue.end());
    order << cmdCorrectPuz;
    order.append(QList<QWidget *>(cmdHint.begin(), cmdHint.end()));
    order << cmdClueHint;
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void frmWords::Form_Load() {
    state_.MaxPuzzleNumber = 50;
    BuildBoard(0);
}

// 0 draws a puzzle at random.
void frmWords::BuildBoard(std::int16_t number) {
    const std::int16_t chosen = number != 0 ? number : puzzleNumberForDraw(state_.MaxPuzzleNumber, draw_());
    basPuzzles::LoadPuzzle(chosen);
    setWindowTitle(QStringLiteral("Wordsnarl - Puzzle Number %1").arg(chosen));
    for (std::size_t i = 0; i < txtClue.size(); ++i) {
        const QString &definition = ActivePuzzle.Definitions(static_cast<std::int16_t>(i + 1));
        txtClue[i]->setPlainText(definition);
        // A long definition wraps beyond the box's one visible line.
        txtClue[i]->setToolTip(definition);
    }
    // Whoever lands on the board's first box hears which puzzle it is.
    rows_(1)->tell(1, tr("Puzzle Number %1.").arg(chosen));
    // Keyboard users reach a row's boxes right after its definitions.
    for (std::int16_t row = 1; row <= 5; ++row) {
        rows_(row)->build(static_cast<std::int16_t>(ActivePuzzle.Answers(row).size()),
                          ActivePuzzle.MarkedPositions(row),
                          tr("Definitions: %1; %2")
                              .arg(ActivePuzzle.Definitions(static_cast<std::int16_t>(2 * row - 1)),
                                   ActivePuzzle.Definitions(static_cast<std::int16_t>(2 * row))),
                          txtClue[static_cast<std::size_t>(2 * row - 1)]);
    }
    // With a buddy, a "&" would underline the letter after it instead of showing.
    lblClue->setText(QString(ActivePuzzle.FinalClue).replace(u'&', QStringLiteral("&&")));
    lblClue->setAccessibleName(tr("Final clue: %1").arg(ActivePuzzle.FinalClue));
    // The final clue is a label, which the keyboard never reaches: it labels the
    // final row's first box, which tells what the row is for.
    AnswerRow &lastAnswer = *rows_(5);
    AnswerRow &finalRow = *rows_(GameState::FinalRow);
    finalRow.build(static_cast<std::int16_t>(ActivePuzzle.FinalAnswer.size()), 0,
                   tr("Final answer, %1 letters: the marked letters of the five answers, rearranged")
                       .arg(ActivePuzzle.FinalAnswer.size()),
                   &lastAnswer.box(lastAnswer.length()));
    lblClue->setBuddy(&finalRow.box(1));
}

void frmWords::ClearBoard() {
    for (QPlainTextEdit *definition : txtClue) {
        definition->clear();
        definition->setToolTip(QString());
    }
    describeHintButtons();
    for (AnswerRow *row : rows_) {
        row->clear();
    }
    lblClue->clear();
    lblClue->setAccessibleName(QString());
    state_.HintCount = {};
    state_.ClueHintCount = 0;
}

// The board is rebuilt with the focus resting on the board itself: a hidden box
// would hand it on, box after box, and a screen reader would start reading each.
// It then lands once, on the first box, which tells the puzzle number.
void frmWords::playPuzzle(std::int16_t number) {
    client_->setFocus();
    ClearBoard();
    BuildBoard(number);
    focusAnew(rows_(1)->box(1), *client_);
}

void frmWords::focusFirstAnswerBox() {
    rows_(1)->box(1).setFocus();
}

void frmWords::mnuNewGame_Click() {
    playPuzzle(0);
}

void frmWords::mnuSelectPuzzle_Click() {
    const QString typed = dialogs_.askText(
        this,
        tr("Enter the number of the puzzle you wish to play.  Valid numbers are from 1 to %1")
            .arg(state_.MaxPuzzleNumber),
        tr("Enter Puzzle Number"));
    const PuzzleChoice choice = choosePuzzle(typed, QLocale(), state_.MaxPuzzleNumber);
    if (choice.kind == PuzzleChoice::Kind::Nothing) {
        return;
    }
    state_.SelectedPuzzleNumber = choice.number;
    if (choice.kind == PuzzleChoice::Kind::Play) {
        playPuzzle(state_.SelectedPuzzleNumber);
        return;
    }
    dialogs_.showMessage(this, invalidPuzzleNumberMessage(state_.MaxPuzzleNumber), choice.title,
                         Dialogs::Icon::Exclamation);
    if (choice.focusFirstAnswerBox) {
        focusFirstAnswerBox();
    }
}

// Each press writes one more leading letter of the row's answer; the focus
// then moves on as if the letters had been typed.
void frmWords::cmdHint_Click(std::int16_t Index) {
    state_.HintCount(Index) = rows_(Index)->showHint(state_.HintCount(Index), ActivePuzzle.Answers(Index),
                                                     *cmdHint(Index), *client_);
}

void frmWords::cmdClueHint_Click() {
    state_.ClueHintCount =
        rows_(GameState::FinalRow)
            ->showHint(state_.ClueHintCount, ActivePuzzle.FinalAnswer, *cmdClueHint, *client_);
}

// Tells how many of the six items are wrong, never which, and offers a new
// game once everything is right.
void frmWords::cmdCorrectPuz_Click() {
    SixItems rows;
    SixItems answers;
    for (std::int16_t row = 1; row <= GameState::FinalRow; ++row) {
        rows[static_cast<std::size_t>(row - 1)] = rows_(row)->text();
        answers[static_cast<std::size_t>(row - 1)] =
            row == GameState::FinalRow ? ActivePuzzle.FinalAnswer : ActivePuzzle.Answers(row);
    }
    const CheckMessage message = checkMessage(countCorrectItems(rows, answers));
    if (!message.offersNewGame) {
        dialogs_.showMessage(this, message.text, message.title, Dialogs::Icon::Exclamation);
    } else if (dialogs_.askYesNo(this, message.text, message.title, Dialogs::Icon::Exclamation)) {
        mnuNewGame_Click();
    }
}

void frmWords::closeEvent(QCloseEvent *event) {
    // Form_QueryUnload: every close request is granted, without asking.
    event->accept();
    emit closing();
}

void frmWords::mnuExit_Click() {
    close();
}
