#include "DefinitionBox.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// The usual space between the frame and the text, kept while it leaves room for a line.
constexpr int UsualMargin = 4;

} // namespace

DefinitionBox::DefinitionBox(QWidget *parent)
    : QPlainTextEdit(parent) {
    // The strip below the last whole line belongs to the box, not to the window behind it.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setReadOnly(true);
    setTabChangesFocus(true);
    showWholeLinesOnly();
}

void DefinitionBox::changeEvent(QEvent *event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        showWholeLinesOnly();
    }
}

void DefinitionBox::resizeEvent(QResizeEvent *event) {
    QPlainTextEdit::resizeEvent(event);
    showWholeLinesOnly();
}

// The text area holds whole lines, and the margin stays outside it, where it
// neither counts as text to scroll to nor shows part of a line. The text area
// is one pixel taller than its lines: the scroll bar counts a line as shown
// only then. A large desktop font gives up the margin before a line is cut; a
// font too large for even one line shows as much of it as there is room for.
void DefinitionBox::showWholeLinesOnly() {
    const int room = contentsRect().height();
    const int line = static_cast<int>(std::ceil(QFontMetricsF(font()).height()));
    const int margin = std::clamp((room - line - 1) / 2, 0, UsualMargin);
    visibleLines_ = std::max(1, (room - margin - 1) / line);
    document()->setDocumentMargin(0);
    setViewportMargins(margin, margin, margin, std::max(0, room - margin - visibleLines_ * line - 1));
}

// A definition is one paragraph, and the box scrolls it line by line.
void DefinitionBox::paintEvent(QPaintEvent *event) {
    QPlainTextEdit::paintEvent(event);
    const int topLine = verticalScrollBar()->value();
    if (topLine >= verticalScrollBar()->maximum()) {
        return;
    }
    const QTextLayout &layout = *document()->firstBlock().layout();
    const QTextLine top = layout.lineAt(topLine);
    const QTextLine last = layout.lineAt(std::min(topLine + visibleLines_, layout.lineCount()) - 1);
    if (!top.isValid() || !last.isValid()) {
        return;
    }
    const QString ellipsis(QChar(0x2026));
    const qreal width = QFontMetricsF(font()).horizontalAdvance(ellipsis);
    const QRectF place(std::min(last.x() + last.naturalTextWidth(), viewport()->width() - width),
                       last.y() - top.y(), width, last.height());
    QPainter painter(viewport());
    painter.fillRect(place, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    painter.setFont(font());
    painter.drawText(QPointF(place.left(), place.top() + last.ascent()), ellipsis);
}
