#pragma once

#include "AnswerRow.h"
#include "GameState.h"
#include "puzzles/OneBasedArray.h"
#include "rules/RandomPuzzle.h"

#include <QMainWindow>

#include <array>
#include <cstdint>

class Dialogs;
class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The game window: ten definitions, five answer rows and the final row of
// letter boxes, the hint buttons, the "Correct?" button and the menus. The
// Help menu's windows and the end of the program are the start-up's business:
// the window only announces them.
class frmWords final : public QMainWindow {
    Q_OBJECT

public:
    frmWords(Dialogs &dialogs, PuzzleDraw draw = drawUniform);

    const GameState &state() const { return state_; }

signals:
    void aboutRequested();
    void howToPlayRequested();
    // Every close request, by any means: the program ends with its window.
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createHintButtons();
    void describeHintButtons();
    QAction *createHintKey();
    void createClueFrame();
    void setDesignTabOrder();

    void Form_Load();
    void BuildBoard(std::int16_t number);
    void ClearBoard();
    void playPuzzle(std::int16_t number);
    void focusFirstAnswerBox();
    void cmdHint_Click(std::int16_t Index);
    void cmdClueHint_Click();
    void hintForFocusedRow();
    void cmdCorrectPuz_Click();
    void mnuNewGame_Click();
    void mnuSelectPuzzle_Click();
    void mnuExit_Click();

    Dialogs &dialogs_;
    PuzzleDraw draw_;
    GameState state_;

    QWidget *client_ = nullptr;
    std::array<QPlainTextEdit *, 10> txtClue{};
    OneBasedArray<QPushButton *, 5> cmdHint;
    QPushButton *cmdClueHint = nullptr;
    QPushButton *cmdCorrectPuz = nullptr;
    QLabel *lblClue = nullptr;
    OneBasedArray<AnswerRow *, 6> rows_; // txtAns1 ... txtAns5, then txtPClue
};
