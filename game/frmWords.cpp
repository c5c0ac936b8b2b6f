#include "frmWords.h"

#include "AccessoryWindows.h"
#include "DefinitionBox.h"
#include "LetterBox.h"
#include "app/AppInfo.h"
#include "app/Controls.h"
#include "app/Fonts.h"
#include "app/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

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

// One edge of the frame drawn around the final clue, in the window's text colour.
void frameLine(QWidget *parent, const QString &objectName, QPoint from, QPoint to) {
    auto *line = new QFrame(parent);
    line->setObjectName(objectName);
    const bool vertical = from.x() == to.x();
    line->setFrameStyle((vertical ? QFrame::VLine : QFrame::HLine) | QFrame::Plain);
    line->setForegroundRole(QPalette::WindowText);
    const QPoint start = twips::point(from.x(), from.y());
    const QPoint end = twips::point(to.x(), to.y());
    line->setGeometry(vertical ? QRect(start.x(), start.y(), 1, end.y() - start.y() + 1)
                               : QRect(start.x(), start.y(), end.x() - start.x() + 1, 1));
}

} // namespace

frmWords::frmWords(Dialogs &dialogs, AccessoryWindows &accessories, PuzzleDraw draw)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint)
    , dialogs_(dialogs)
    , accessories_(accessories)
    , draw_(std::move(draw)) {
    setObjectName(QStringLiteral("frmWords"));
    setWindowTitle(appinfo::Title);
    createControls();
    createMenus();
    setDesignTabOrder();

    // The client area keeps its designed size; the window cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    }

    // Letter boxes would otherwise take Ctrl+X and Ctrl+A for cut and select-all.
    qApp->installEventFilter(this);

    Form_Load();
}

void frmWords::createControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(twips::size(8340, 7620));
    setCentralWidget(client_);

    createDefinitionBoxes();

    for (std::int16_t row = 1; row <= 5; ++row) {
        rows_(row) = new LetterBoxArray(client_, QStringLiteral("txtAns%1").arg(row),
                                        {AnswerRowLeft, AnswerRowTops[static_cast<std::size_t>(row - 1)]});
    }
    rows_(GameState::FinalRow) = new LetterBoxArray(client_, QStringLiteral("txtPClue"), FinalRowPattern);
    rows_(GameState::FinalRow)->setPatternBackground(QColor(255, 0, 0));
    for (std::int16_t row = 1; row <= GameState::FinalRow; ++row) {
        connect(rows_(row), &LetterBoxArray::Change, this,
                [this, row](std::int16_t index) { LetterBox_Change(row, index); });
        connect(rows_(row), &LetterBoxArray::GotFocus, this,
                [this, row](std::int16_t index) { LetterBox_GotFocus(row, index); });
    }

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

void frmWords::createDefinitionBoxes() {
    for (std::size_t i = 0; i < txtClue.size(); ++i) {
        auto *box = new DefinitionBox(client_);
        box->setObjectName(QStringLiteral("txtClue(%1)").arg(i));
        box->setGeometry(twips::rect(120, DefinitionTops[i], 3000, 405));
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setReadOnly(true);
        box->setTabChangesFocus(true);
        box->setAccessibleName(i % 2 == 0 ? tr("Answer %1, first definition").arg(i / 2 + 1)
                                          : tr("Answer %1, second definition").arg(i / 2 + 1));
        txtClue[i] = box;
    }
}

void frmWords::createHintButtons() {
    cmdHint[0] = hintButton(client_, QStringLiteral("cmdHint(0)"),
                            twips::rect(AnswerRowLeft, 0, HintButtonSize, HintButtonSize), QString());
    cmdHint[0]->hide();
    for (std::size_t row = 1; row < cmdHint.size(); ++row) {
        cmdHint[row] =
            hintButton(client_, QStringLiteral("cmdHint(%1)").arg(row),
                       twips::rect(AnswerRowLeft, AnswerRowTops[row - 1], HintButtonSize, HintButtonSize),
                       tr("Hint for answer %1").arg(row));
    }
    cmdClueHint =
        hintButton(client_, QStringLiteral("cmdClueHint"),
                   twips::rect(600, 7080, HintButtonSize, HintButtonSize), tr("Hint for the final answer"));
    for (std::int16_t row = 1; row <= 5; ++row) {
        connect(cmdHint[static_cast<std::size_t>(row)], &QPushButton::clicked, this,
                [this, row] { cmdHint_Click(row); });
    }
    connect(cmdClueHint, &QPushButton::clicked, this, &frmWords::cmdClueHint_Click);
}

void frmWords::createClueFrame() {
    frameLine(client_, QStringLiteral("Line1"), {1080, 6600}, {1080, 7560});
    frameLine(client_, QStringLiteral("Line2"), {6240, 6600}, {6240, 7560});
    frameLine(client_, QStringLiteral("Line3"), {1080, 6600}, {6240, 6600});
    frameLine(client_, QStringLiteral("Line4"), {1080, 7560}, {6240, 7560});
}

void frmWords::createMenus() {
    auto addItem = [this](QMenu *menu, const QString &name, const QString &caption,
                          const QKeySequence &shortcut, void (frmWords::*handler)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        menuActions_.append(action);
    };
    auto addSeparator = [](QMenu *menu, const QString &name) { menu->addSeparator()->setObjectName(name); };

    QMenu *game = menuBar()->addMenu(tr("&Puzzle"));
    game->setObjectName(QStringLiteral("mnuGame"));
    addItem(game, QStringLiteral("mnuNewGame"), tr("&New Puzzle"), Qt::Key_F2, &frmWords::mnuNewGame_Click);
    addItem(game, QStringLiteral("mnuSelectPuzzle"), tr("&Select Specific Puzzle"), Qt::Key_F3,
            &frmWords::mnuSelectPuzzle_Click);
    addSeparator(game, QStringLiteral("mnuSlash"));
    addItem(game, QStringLiteral("mnuExit"), tr("E&xit"), Qt::CTRL | Qt::Key_X, &frmWords::mnuExit_Click);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addItem(help, QStringLiteral("mnuHowToPlay"), tr("How To Pla&y"), Qt::Key_F1,
            &frmWords::mnuHowToPlay_Click);
    addSeparator(help, QStringLiteral("mnuSlash2"));
    addItem(help, QStringLiteral("mnuAbout"), tr("&About"), Qt::CTRL | Qt::Key_A, &frmWords::mnuAbout_Click);
}

void frmWords::setDesignTabOrder() {
    QList<QWidget *> order(txtClue.begin(), txtClue.end());
    order << cmdCorrectPuz;
    order.append(QList<QWidget *>(cmdHint.begin() + 1, cmdHint.end()));
    order << cmdClueHint;
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

bool frmWords::isMenuShortcut(const QKeyEvent &key) const {
    const QKeySequence pressed(key.keyCombination());
    return std::any_of(menuActions_.begin(), menuActions_.end(),
                       [&pressed](const QAction *action) { return action->shortcut() == pressed; });
}

bool frmWords::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this && isMenuShortcut(*static_cast<QKeyEvent *>(event))) {
            // Left unaccepted, the key goes to the menu's shortcut instead of the focused box.
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmWords::Form_Load() {
    state_.MaxPuzzleNumber = 50;
    BuildBoard(0);
}

void frmWords::closeEvent(QCloseEvent *event) {
    // Form_QueryUnload: every close request ends the whole program at once,
    // without asking and without closing the other windows one by one.
    event->accept();
    QCoreApplication::exit(0);
}

void frmWords::mnuExit_Click() {
    close();
}

void frmWords::mnuHowToPlay_Click() {
    accessories_.showInstructions();
}

void frmWords::mnuAbout_Click() {
    accessories_.showAbout(*this);
}
