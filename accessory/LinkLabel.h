#pragma once

#include <QLabel>

// A label that acts as a link: a click on it, Space or Enter while it has the
// focus, or a screen reader's press action emits clicked; screen readers hear
// it as a link. It reports mouse movement over it so that its owner can set
// its pointer.
class LinkLabel final : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString &text, QWidget *parent);

    void click() { emit clicked(); }

signals:
    void clicked();
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
