#pragma once

#include <QPlainTextEdit>

class QTextLine;

// A definition box: one line high, with a scroll bar for the lines of a longer
// definition. It shows whole lines only, so a definition that wraps never shows
// the top half of its next line; instead an ellipsis ends the part shown after
// its last whole word, and the scroll bar and the tool tip reach the rest.
class DefinitionBox final : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit DefinitionBox(QWidget *parent);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showWholeLinesOnly();
    qreal ellipsisPlace(const QTextLine &line, qreal width, qreal room) const;

    int visibleLines_ = 1;
};
