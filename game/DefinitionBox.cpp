#include "DefinitionBox.h"

#include <QAccessibleWidget>
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

// A screen reader reads a text box by its lines, and Qt gives it the lines as
// wrapped on screen: the first would be a definition cut short, and the tool
// tip, which Qt offers as the description, would then repeat it whole. Here a
// definition is one line and the description only what is set as such.
class AccessibleDefinition final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleDefinition(DefinitionBox *box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Description ? widget()->accessibleDescription()
                                                : QAccessibleWidget::text(kind);
    }
    void *interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    QString text(int startOffset, int endOffset) const override {
        return box().toPlainText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(box().toPlainText().size()); }
    int cursorPosition() const override { return box().textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }
    int selectionCount() const override { return box().textCursor().hasSelection() ? 1 : 0; }
    void selection(int, int *startOffset, int *endOffset) const override {
        *startOffset = box().textCursor().selectionStart();
        *endOffset = box().textCursor().selectionEnd();
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { setCursorPosition(cursorPosition()); }
    void setSelection(int, int startOffset, int endOffset) override {
        QTextCursor cursor = box().textCursor();
        cursor.setPosition(startOffset);
        cursor.setPosition(endOffset, QTextCursor::KeepAnchor);
        box().setTextCursor(cursor);
    }
    QRect characterRect(int offset) const override {
        QTextCursor cursor = box().textCursor();
        cursor.setPosition(offset);
        const QRect place = box().cursorRect(cursor);
        return {box().viewport()->mapToGlobal(place.topLeft()), place.size()};
    }
    int offsetAtPoint(const QPoint &point) const override {
        return box().cursorForPosition(box().viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int startIndex, int) override {
        setCursorPosition(startIndex);
        box().ensureCursorVisible();
    }
    QString attributes(int, int *startOffset, int *endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    DefinitionBox &box() const { return *static_cast<DefinitionBox *>(widget()); }
};

QAccessibleInterface *accessibleDefinition(const QString &className, QObject *object) {
    if (className == QLatin1String(DefinitionBox::staticMetaObject.className())) {
        return new AccessibleDefinition(static_cast<DefinitionBox *>(object));
    }
    return nullptr;
}

} // namespace

DefinitionBox::DefinitionBox(QWidget *parent)
    : QPlainTextEdit(parent) {
    static const bool accessibleAsOneLine = (QAccessible::installFactory(accessibleDefinition), true);
    Q_UNUSED(accessibleAsOneLine);
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

// Where an ellipsis of the given width may start on a line of text cut at
// room: after the line's last whole word that leaves room for it, so that it
// never stands over a letter.
qreal DefinitionBox::ellipsisPlace(const QTextLine &line, qreal width, qreal room) const {
    const QString text = document()->firstBlock().text();
    qsizetype cut = line.textStart() + line.textLength();
    qreal end = line.x() + line.naturalTextWidth();
    while (end + width > room) {
        cut = text.lastIndexOf(u' ', cut - 1);
        if (cut <= line.textStart()) {
            return room - width; // one word wider than the box
        }
        end = line.cursorToX(static_cast<int>(cut));
    }
    return end;
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
    const qreal left = ellipsisPlace(last, width, viewport()->width());
    const QRectF place(left, last.y() - top.y(), viewport()->width() - left, last.height());
    QPainter painter(viewport());
    painter.fillRect(place, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    painter.setFont(font());
    painter.drawText(QPointF(place.left(), place.top() + last.ascent()), ellipsis);
}
