#include "app/Colours.h"
#include "app/frmSplash.h"
#include "puzzles/basPuzzles.h"
#include "support/GameDriver.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

namespace {

// What a dark desktop hands the game: light text on dark boxes.
QPalette darkDesktop() {
    QPalette palette(QColor(0x42, 0x42, 0x45), QColor(0x22, 0x20, 0x20));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(0x3d, 0x3d, 0x3d));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0x12, 0x60, 0x8a));
    palette.setColor(QPalette::HighlightedText, QColor(0xf9, 0xf9, 0xf9));
    return palette;
}

// Enough for ordinary text by the web's accessibility guidelines.
constexpr double ReadableContrast = 4.5;

// Why the box shows its text badly, or an empty text when line topLine stands
// wholly in the visible area and no other line is cut by its edge. Places of
// lines are rounded to whole pixels, so one pixel row either way is no cut.
QString badlyShown(const QPlainTextEdit &box, int topLine) {
    const int visibleHeight = box.viewport()->height();
    const QTextBlock block = box.document()->firstBlock();
    for (int line = 0; line < block.layout()->lineCount(); ++line) {
        QTextCursor start(block);
        start.setPosition(block.position() + block.layout()->lineAt(line).textStart());
        const QRect place = box.cursorRect(start);
        const int shown = std::min(place.bottom(), visibleHeight - 1) - std::max(place.top(), 0) + 1;
        const bool whole = shown >= place.height() - 1;
        if ((line == topLine && !whole) || (shown > 1 && !whole)) {
            return QStringLiteral("%1: line %2 stands at %3 to %4 of %5 visible pixels")
                .arg(box.objectName())
                .arg(line + 1)
                .arg(place.top())
                .arg(place.bottom())
                .arg(visibleHeight);
        }
    }
    return {};
}

// Whether anything is drawn right after the text of the box's top line.
bool inkAfterTopLine(QPlainTextEdit &box) {
    const QTextLayout &layout = *box.document()->firstBlock().layout();
    const QTextLine top = layout.lineAt(box.verticalScrollBar()->value());
    const QImage picture = box.viewport()->grab().toImage();
    const qreal scale = picture.devicePixelRatio();
    const QColor background = box.palette().color(QPalette::Base);
    const int left = qCeil((top.x() + top.naturalTextWidth()) * scale) + 1;
    for (int x = left; x < std::min(picture.width(), left + qRound(12 * scale)); ++x) {
        for (int y = 0; y < qFloor(top.height() * scale); ++y) {
            if (picture.pixelColor(x, y) != background) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

// How the game looks on desktops other than the one it was drawn on: dark
// palettes, other fonts and scaled screens. Run at normal size and at double
// size (QT_SCALE_FACTOR=2).
class LooksTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void letterBoxesStayReadableInEveryPalette_data();
    void letterBoxesStayReadableInEveryPalette();
    void definitionsNeverShowHalfALine_data();
    void definitionsNeverShowHalfALine();
    void aCutDefinitionEndsInAnEllipsis();
    void picturesAreDrawnForTheScreensScale_data();
    void picturesAreDrawnForTheScreensScale();

private:
    QPalette desktopPalette_;
    QFont desktopFont_;
};

void LooksTest::initTestCase() {
    desktopPalette_ = QApplication::palette();
    desktopFont_ = QApplication::font();
}

void LooksTest::cleanup() {
    QApplication::setPalette(desktopPalette_);
    QApplication::setFont(desktopFont_);
}

void LooksTest::letterBoxesStayReadableInEveryPalette_data() {
    QTest::addColumn<bool>("darkAtStart");
    QTest::addColumn<bool>("darkWhilePlaying");
    QTest::newRow("light desktop") << false << false;
    QTest::newRow("dark desktop") << true << true;
    QTest::newRow("desktop turns dark during the game") << false << true;
    QTest::newRow("desktop turns light during the game") << true << false;
}

// The marked boxes are the game's red whatever the desktop; the desktop's text
// colour on it must not decide whether their letters can be read.
void LooksTest::letterBoxesStayReadableInEveryPalette() {
    QFETCH(bool, darkAtStart);
    QFETCH(bool, darkWhilePlaying);
    QApplication::setPalette(darkAtStart ? darkDesktop() : desktopPalette_);
    GameDriver game;
    game.selectPuzzle(QStringLiteral("1"));
    const QPalette desktop = darkWhilePlaying ? darkDesktop() : desktopPalette_;
    QApplication::setPalette(desktop);
    // Widgets hear of a new desktop palette through posted events.
    QCoreApplication::processEvents();
    game.selectPuzzle(QStringLiteral("2"));

    for (std::int16_t row = 1; row <= 6; ++row) {
        for (const QLineEdit *box : game.visibleBoxes(row)) {
            const QColor text = box->palette().color(QPalette::Text);
            const QColor background = box->palette().color(QPalette::Base);
            QVERIFY2(
                colours::contrastRatio(text, background) >= ReadableContrast,
                qPrintable(
                    QStringLiteral("%1: %2 on %3").arg(box->objectName(), text.name(), background.name())));
            const bool marked = box->accessibleName().endsWith(QStringLiteral(", marked")) || row == 6;
            if (!marked) {
                // Unmarked boxes are the desktop's own.
                QCOMPARE(background, desktop.color(QPalette::Base));
                QCOMPARE(text, desktop.color(QPalette::Text));
            }
        }
    }
}

void LooksTest::definitionsNeverShowHalfALine_data() {
    QTest::addColumn<qreal>("pointSize");
    QTest::newRow("desktop font") << QApplication::font().pointSizeF();
    QTest::newRow("small font") << 7.0;
    QTest::newRow("large font") << 12.0;
    QTest::newRow("largest font one line holds") << 14.0;
}

// A definition longer than its box's one line is read by scrolling it or by its
// tool tip; the box never shows the top half of its next line.
void LooksTest::definitionsNeverShowHalfALine() {
    QFETCH(qreal, pointSize);
    QFont font = QApplication::font();
    font.setPointSizeF(pointSize);
    QApplication::setFont(font);
    GameDriver game;
    int wrapped = 0;
    for (std::int16_t number = 1; number <= basPuzzles::CatalogSize; ++number) {
        game.selectPuzzle(QString::number(number));
        for (int i = 0; i < 10; ++i) {
            auto *box = game.window().findChild<QPlainTextEdit *>(QStringLiteral("txtClue(%1)").arg(i));
            const QString firstLine = badlyShown(*box, 0);
            QVERIFY2(firstLine.isEmpty(), qPrintable(firstLine));
            if (box->verticalScrollBar()->maximum() > 0) {
                ++wrapped;
                box->verticalScrollBar()->setValue(1);
                const QString secondLine = badlyShown(*box, 1);
                QVERIFY2(secondLine.isEmpty(), qPrintable(secondLine));
            }
        }
    }
    QVERIFY2(wrapped > 0, "no definition was long enough to wrap");
}

// Cut after its first line, a definition would pass for a whole one.
void LooksTest::aCutDefinitionEndsInAnEllipsis() {
    GameDriver game;
    game.selectPuzzle(QStringLiteral("1"));
    auto *whole = game.window().findChild<QPlainTextEdit *>(QStringLiteral("txtClue(0)"));
    auto *cut = game.window().findChild<QPlainTextEdit *>(QStringLiteral("txtClue(3)"));
    QCOMPARE(whole->toPlainText(), QStringLiteral("Company"));
    QVERIFY(!inkAfterTopLine(*whole));
    QCOMPARE(cut->toPlainText(), QStringLiteral("A Piece of Baseball Equipment"));
    QVERIFY(inkAfterTopLine(*cut));
    cut->verticalScrollBar()->setValue(cut->verticalScrollBar()->maximum());
    QVERIFY2(!inkAfterTopLine(*cut), "the end of the definition is no cut");
}

void LooksTest::picturesAreDrawnForTheScreensScale_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("designedSize");
    QTest::newRow("game logo") << "picLogo" << QSize(278, 84);
    QTest::newRow("maker's logo") << "picBrivak" << QSize(288, 90);
}

// Scaled up from their normal size, the logos would be blurred on a scaled screen.
void LooksTest::picturesAreDrawnForTheScreensScale() {
    QFETCH(QString, name);
    QFETCH(QSize, designedSize);
    frmSplash splash([] {});
    const QPixmap picture = splash.findChild<QLabel *>(name)->pixmap();
    QCOMPARE(picture.deviceIndependentSize().toSize(), designedSize);
    QCOMPARE(picture.devicePixelRatio(), qApp->devicePixelRatio());
    QCOMPARE(picture.size(), designedSize * qApp->devicePixelRatio());
}

QTEST_MAIN(LooksTest)
#include "LooksTest.moc"
