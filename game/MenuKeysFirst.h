#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

// Gives a window's menu keys precedence over its text boxes, which would
// otherwise take Ctrl+X and Ctrl+A for cutting and selecting.
class MenuKeysFirst final : public QObject {
    Q_OBJECT

public:
    MenuKeysFirst(QWidget &window, QList<QAction *> menuItems);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &window_;
    QList<QAction *> menuItems_;
};
