#include "PageColours.h"
#include "ToolbarImages.h"

#include <QPalette>
#include <QtTest>

// How the instructions window looks on a dark desktop and a scaled screen. No
// web engine is started here.
class ViewerLooksTest : public QObject {
    Q_OBJECT

private slots:
    void pagesAreDarkOnlyOnADarkDesktop_data();
    void pagesAreDarkOnlyOnADarkDesktop();
    void toolbarImagesAreSharpOnScaledScreens_data();
    void toolbarImagesAreSharpOnScaledScreens();
};

void ViewerLooksTest::pagesAreDarkOnlyOnADarkDesktop_data() {
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<QByteArray>("expected");
    const QColor light(0xef, 0xef, 0xef);
    const QColor dark(0x22, 0x20, 0x20);
    QTest::newRow("light desktop") << light << QByteArray() << QByteArray();
    QTest::newRow("light desktop keeps the user's flags")
        << light << QByteArray("--disable-gpu") << QByteArray("--disable-gpu");
    QTest::newRow("dark desktop") << dark << QByteArray() << QByteArray("--force-dark-mode");
    QTest::newRow("dark desktop adds to the user's flags")
        << dark << QByteArray("--disable-gpu") << QByteArray("--disable-gpu --force-dark-mode");
    QTest::newRow("dark desktop asks only once") << dark << QByteArray("--force-dark-mode --disable-gpu")
                                                 << QByteArray("--force-dark-mode --disable-gpu");
}

// The instructions page has light and dark colours; without being told,
// Chromium shows the light ones on a dark desktop.
void ViewerLooksTest::pagesAreDarkOnlyOnADarkDesktop() {
    QFETCH(QColor, window);
    QFETCH(QByteArray, flags);
    QFETCH(QByteArray, expected);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    QCOMPARE(pagecolours::chromiumFlags(flags, palette), expected);
}

void ViewerLooksTest::toolbarImagesAreSharpOnScaledScreens_data() {
    QTest::addColumn<QString>("key");
    for (const char *key : {"Back", "Forward", "Stop", "Refresh", "Home"}) {
        QTest::newRow(key) << QString::fromLatin1(key);
    }
}

// Scaled up from 24 pixels, the pictures would be blurred.
void ViewerLooksTest::toolbarImagesAreSharpOnScaledScreens() {
    QFETCH(QString, key);
    const QIcon image = toolbarimages::image(key);
    const QSize size(toolbarimages::Size, toolbarimages::Size);
    QCOMPARE(image.pixmap(size, 1.0).size(), size);
    const QPixmap doubled = image.pixmap(size, 2.0);
    QCOMPARE(doubled.size(), size * 2);
    QCOMPARE(doubled.devicePixelRatio(), 2.0);
}

QTEST_MAIN(ViewerLooksTest)
#include "ViewerLooksTest.moc"
