#include "GameMenus.h"

#include <QCoreApplication>
#include <QMenuBar>

namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("GameMenus", text);
}

} // namespace

QList<QAction *> addGameMenus(QMenuBar &bar, const GameMenuActions &actions) {
    QList<QAction *> items;
    auto addItem = [&items](QMenu *menu, const QString &name, const QString &caption,
                            const QKeySequence &shortcut, const std::function<void()> &handler) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, action, handler);
        items.append(action);
    };
    auto addSeparator = [](QMenu *menu, const QString &name) { menu->addSeparator()->setObjectName(name); };

    QMenu *game = bar.addMenu(tr("&Puzzle"));
    game->setObjectName(QStringLiteral("mnuGame"));
    addItem(game, QStringLiteral("mnuNewGame"), tr("&New Puzzle"), Qt::Key_F2, actions.newPuzzle);
    addItem(game, QStringLiteral("mnuSelectPuzzle"), tr("&Select Specific Puzzle"), Qt::Key_F3,
            actions.selectPuzzle);
    addSeparator(game, QStringLiteral("mnuSlash"));
    addItem(game, QStringLiteral("mnuExit"), tr("E&xit"), Qt::CTRL | Qt::Key_X, actions.exit);

    QMenu *help = bar.addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addItem(help, QStringLiteral("mnuHowToPlay"), tr("How To Pla&y"), Qt::Key_F1, actions.howToPlay);
    addSeparator(help, QStringLiteral("mnuSlash2"));
    addItem(help, QStringLiteral("mnuAbout"), tr("&About"), Qt::CTRL | Qt::Key_A, actions.about);
    return items;
}
