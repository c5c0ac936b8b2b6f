#pragma once

#include <QList>

#include <functional>

class QAction;
class QMenuBar;

// What the game window's menu items do.
struct GameMenuActions {
    std::function<void()> newPuzzle;
    std::function<void()> selectPuzzle;
    std::function<void()> exit;
    std::function<void()> howToPlay;
    std::function<void()> about;
};

// Adds the Puzzle and Help menus to the bar and gives their items, whose keys
// must act before the focused box takes them for its own editing.
QList<QAction *> addGameMenus(QMenuBar &bar, const GameMenuActions &actions);
