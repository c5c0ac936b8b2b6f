#include "app/frmSplash.h"
#include "puzzles/basPuzzles.h"
#include "support/GameDriver.h"
#include "ui/Colours.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

using basPuzzles::ActivePuzzle;

namespace {

// Scrolled to line topLine, why the box shows its text badly, or nothing when
// that line stands wholly in the visible area and no other line is cut by its
// edge (one pixel either way is rounding, no cut).
QString badlyShown(QPlainTextEdit &box, int topLine) {
    box.verticalScrollBar()->setValue(topLine);
    const int visibleHeight = box.viewport()->height();
    const QTextBlock block = box.document()->firstBlock();
    for (int line = 0; line < block.layout()->lineCount(); ++line) {
        QTextCursor start(block);
        start.setPosition(block.position() + block.layout()->lineAt(line).textStart());
        const QRect place = box.cursorRect(start);
        const int shown = std::min(place.bottom(), visibleHeight - 1) - std::max(place.top(), 0) + 1;
        if ((line == topLine || shown > 1) && shown < place.height() - 1)
            return box.objectName() + ": line " + QString::number(line + 1);
    }
    return {};
}

// Whether the box's top line, as drawn, ends in the three dots of an
// ellipsis: three marks in the lower half of the line, within the ellipsis's
// width before the last ink.
bool endsInEllipsis(QPlainTextEdit &box) {
    const QTextLine top = box.document()->firstBlock().layout()->lineAt(box.verticalScrollBar()->value());
    const QImage picture = box.viewport()->grab().toImage();
    const qreal scale = picture.devicePixelRatio();
    const int half = qFloor(top.ascent() * scale / 2), bottom = qFloor(top.height() * scale);
    const auto inked = [&](int x, int fromY, int toY) {
        for (int y = fromY; y < toY; ++y)
            if (picture.pixelColor(x, y) != box.palette().color(QPalette::Base))
                return true;
        return false;
    };
    int right = picture.width() - 1;
    while (right > 0 && !inked(right, 0, bottom))
        --right;
    int marks = 0; // counted from the first blank column, past the end of any letter
    bool blank = false;
    for (int x = right - qCeil(QFontMetricsF(box.font()).horizontalAdvance(QChar(0x2026)) * scale);
         x <= right; ++x) {
        if (blank && inked(x, 0, half))
            return false;
        marks += blank && inked(x, half, bottom) && !inked(x - 1, half, bottom);
        blank = blank || !inked(x, 0, bottom);
    }
    return marks == 3;
}

} // namespace

// How the game looks on desktops other than the one it was drawn on: dark
// palettes, other fonts and scaled screens. Run at normal size and at double
// size (QT_SCALE_FACTOR=2).
class LooksTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QApplication::setPalette(QPalette());
        QApplication::setFont(QFont());
    }

    // The marked boxes are the game's red whatever the desktop, also one that
    // turns dark during the game; the desktop's text colour on it must not
    // decide whether their letters can be read.
    void letterBoxesStayReadableInEveryPalette() {
        // What a dark desktop hands the game: Qt makes its text white on black boxes.
        const QPalette dark(QColor(0x42, 0x42, 0x45), QColor(0x22, 0x20, 0x20));
        for (const QPalette &atStart : {dark, QPalette()}) {
            QApplication::setPalette(atStart);
            GameDriver game;
            QApplication::setPalette(dark);
            QCoreApplication::processEvents(); // widgets hear of it through posted events
            game.selectPuzzle(QStringLiteral("2"));
            for (const QLineEdit *box : game.window().findChildren<QLineEdit *>())
                QVERIFY2(colours::contrastRatio(box->palette().color(QPalette::Text),
                                                box->palette().color(QPalette::Base)) >= 4.5,
                         qPrintable(box->objectName()));
        }
    }

    // A definition longer than its box's one line is read by scrolling it or by
    // its tool tip; the box never shows the top half of its next line. Every
    // row of boxes, ten letters long at most, stays inside the window, and
    // exactly the marked box of each answer row is red, wherever the mark is.
    void everyPuzzleShowsWholeLinesAndWholeRows() {
        QFont font = QApplication::font();
        for (const qreal pointSize : {font.pointSizeF(), 14.0}) { // 14: the largest one line holds
            font.setPointSizeF(pointSize);
            QApplication::setFont(font);
            GameDriver game;
            const QRect client = game.window().centralWidget()->rect();
            for (std::int16_t number = 1; number <= basPuzzles::CatalogSize; ++number) {
                game.selectPuzzle(QString::number(number));
                for (auto *box : game.window().findChildren<QPlainTextEdit *>())
                    QCOMPARE(badlyShown(*box, 0) + badlyShown(*box, 1), QString());
                for (std::int16_t row = 1; row <= 6; ++row)
                    for (std::int16_t index = 1; const QLineEdit *box = game.box(row, index); ++index)
                        QVERIFY2(client.contains(box->geometry()) &&
                                     (box->palette().color(QPalette::Base) == QColor(255, 0, 0)) ==
                                         (row == 6 || index == ActivePuzzle.MarkedPositions(row)),
                                 qPrintable(box->objectName()));
            }
        }
    }

    // Cut after its first line, a definition would pass for a whole one.
    void aCutDefinitionEndsInAnEllipsis() {
        GameDriver game;
        game.selectPuzzle(QStringLiteral("1"));
        auto *cut = game.window().findChild<QPlainTextEdit *>(QStringLiteral("txtClue(3)"));
        QVERIFY(!endsInEllipsis(*game.window().findChild<QPlainTextEdit *>("txtClue(0)")) &&
                endsInEllipsis(*cut));
        cut->verticalScrollBar()->setValue(cut->verticalScrollBar()->maximum());
        QVERIFY2(!endsInEllipsis(*cut), "the end of the definition is no cut");
    }

    // Scaled up from their normal size, the logos would be blurred on a scaled screen.
    void picturesAreDrawnForTheScreensScale() {
        frmSplash splash([] {});
        for (const char *name : {"picLogo", "picBrivak"})
            QCOMPARE(splash.findChild<QLabel *>(name)->pixmap().devicePixelRatio(), qApp->devicePixelRatio());
    }
};

QTEST_MAIN(LooksTest)
#include "LooksTest.moc"
