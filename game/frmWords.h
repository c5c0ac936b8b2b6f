#pragma once

#include "GameState.h"
#include "LetterBoxArray.h"
#include "RandomPuzzle.h"
#include "puzzles/OneBasedArray.h"

#include <QMainWindow>

#include <array>
#include <cstdint>

class AccessoryWindows;
class Dialogs;
class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The game window: ten definitions, five answer rows and the final row of
// letter boxes, the hint buttons, the "Correct?" button and the menus.
// Closing it by any means ends the program.
class frmWords final : public QMainWindow {
    Q_OBJECT

public:
    frmWords(Dialogs &dialogs, AccessoryWindows &accessories, PuzzleDraw draw = drawUniform);

    const GameState &state() const { return state_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createDefinitionBoxes();
    void createHintButtons();
    void createClueFrame();
    void createMenus();
    void setDesignTabOrder();
    bool isMenuShortcut(const QKeyEvent &key) const;

    void Form_Load();
    void BuildBoard(const std::int16_t &number);
    void ClearBoard();
    void buildRow(std::int16_t row, const QString &answer, std::int16_t markedPosition);
    void clearRow(std::int16_t row, const QString &answer);
    void LetterBox_Change(std::int16_t row, std::int16_t Index);
    void LetterBox_GotFocus(std::int16_t row, std::int16_t Index);
    void focusFirstAnswerBox();
    void cmdHint_Click(std::int16_t Index);
    void cmdClueHint_Click();
    void revealLeadingLetters(std::int16_t row, std::int16_t &hintCount, const QString &answer);
    void cmdCorrectPuz_Click();

    void mnuNewGame_Click();
    void mnuSelectPuzzle_Click();
    void mnuExit_Click();
    void mnuHowToPlay_Click();
    void mnuAbout_Click();

    Dialogs &dialogs_;
    AccessoryWindows &accessories_;
    PuzzleDraw draw_;
    GameState state_;

    QWidget *client_ = nullptr;
    std::array<QPlainTextEdit *, 10> txtClue{};
    std::array<QPushButton *, 6> cmdHint{};
    QPushButton *cmdClueHint = nullptr;
    QPushButton *cmdCorrectPuz = nullptr;
    QLabel *lblClue = nullptr;
    OneBasedArray<LetterBoxArray *, 6> rows_; // txtAns1 ... txtAns5, then txtPClue
    QList<QAction *> menuActions_;
};
