#include "WebBrowserControl.h"
#include "accessory/MakerContacts.h"
#include "app/Twips.h"
#include "frmBrowser.h"
#include "support/AccessibleTree.h"
#include "support/InstructionsPages.h"
#include "support/WaitUntil.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <memory>

// The instructions window with the real web engine, on local pages only: it
// must land on the instructions page, keep each visited address once with the
// latest first, never list an address before the browser has been there, and
// keep its layout sane at any size.
class InstructionsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensOnTheInstructionsPageWithTheTwoLoadTimeEntries();
    void aTypedAddressIsVisitedOnEnterButListedOnlyOnArrival();
    void aRevisitedAddressIsListedOnceAtTheTop();
    void choosingAListedAddressVisitsIt();
    void homeReturnsToTheInstructionsPage();
    void backAndForwardMoveThroughTheHistory();
    void stopEndsWorkingAndShowsTheCurrentTitle();
    void resizeFollowsTheWindowAndSkipsNegativeSizes_data();
    void resizeFollowsTheWindowAndSkipsNegativeSizes();
    void minimizingAndRestoringKeepsTheLayout();
    void aMissingInstructionsPageStillOpensTheWindow();
    void everyControlHasANameAScreenReaderCanSpeak();

private:
    bool openWindow(const QString &folder);
    QComboBox *addressBox() const { return window_->findChild<QComboBox *>(QStringLiteral("cboAddress")); }
    WebBrowserControl *browser() const {
        return window_->findChild<WebBrowserControl *>(QStringLiteral("brwWebBrowser"));
    }
    QStringList entries() const;
    void click(const char *key) const;
    bool visitByTyping(const QString &address, const QString &title);

    std::unique_ptr<InstructionsPages> pages_;
    QPointer<frmBrowser> window_;
};

void InstructionsWindowTest::init() {
    pages_ = std::make_unique<InstructionsPages>();
    QVERIFY(pages_->isValid());
}

void InstructionsWindowTest::cleanup() {
    delete window_;
}

bool InstructionsWindowTest::openWindow(const QString &folder) {
    window_ = new frmBrowser(folder);
    return test::waitUntil([this] { return window_->windowTitle() == InstructionsPages::InstructionsTitle; },
                           20000);
}

QStringList InstructionsWindowTest::entries() const {
    QStringList list;
    for (int i = 0; i < addressBox()->count(); ++i) {
        list.append(addressBox()->itemText(i));
    }
    return list;
}

void InstructionsWindowTest::click(const char *key) const {
    window_->findChild<QAction *>(QLatin1String(key))->trigger();
}

bool InstructionsWindowTest::visitByTyping(const QString &address, const QString &title) {
    QLineEdit *edit = addressBox()->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, address);
    QTest::keyClick(edit, Qt::Key_Return);
    return test::waitUntil([&] { return window_->windowTitle() == title && !browser()->Busy(); }, 10000);
}

void InstructionsWindowTest::opensOnTheInstructionsPageWithTheTwoLoadTimeEntries() {
    window_ = new frmBrowser(pages_->folder());
    const QString startingAddress =
        QDir::toNativeSeparators(pages_->path(QStringLiteral("GameInstructions.htm")));
    QVERIFY(window_->isVisible());
    QCOMPARE(window_->StartingAddress, startingAddress);
    QCOMPARE(entries(), QStringList({startingAddress, maker::HostName}));
    QCOMPARE(addressBox()->currentText(), startingAddress);

    QTRY_COMPARE_WITH_TIMEOUT(window_->windowTitle(), InstructionsPages::InstructionsTitle, 20000);
    const QString pageUrl = pages_->url(QStringLiteral("GameInstructions.htm"));
    QTRY_COMPARE(entries(), QStringList({pageUrl, startingAddress, maker::HostName}));
    QCOMPARE(addressBox()->currentIndex(), 0);
    QCOMPARE(addressBox()->currentText(), pageUrl);
    QVERIFY(!window_->SuppressNavigation);
    QTRY_VERIFY(!window_->findChild<QTimer *>(QStringLiteral("timTimer"))->isActive());
}

void InstructionsWindowTest::aTypedAddressIsVisitedOnEnterButListedOnlyOnArrival() {
    QVERIFY(openWindow(pages_->folder()));
    const QStringList before = entries();
    QLineEdit *edit = addressBox()->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, pages_->path(QStringLiteral("second.htm")));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(entries(), before);
    QVERIFY(browser()->Busy());

    QTRY_COMPARE(window_->windowTitle(), InstructionsPages::SecondTitle);
    QCOMPARE(entries(), QStringList{pages_->url(QStringLiteral("second.htm"))} + before);
}

void InstructionsWindowTest::aRevisitedAddressIsListedOnceAtTheTop() {
    QVERIFY(openWindow(pages_->folder()));
    const QString second = pages_->url(QStringLiteral("second.htm"));
    const QString third = pages_->url(QStringLiteral("third.htm"));
    QVERIFY(visitByTyping(second, InstructionsPages::SecondTitle));
    QVERIFY(visitByTyping(third, InstructionsPages::ThirdTitle));
    QVERIFY(visitByTyping(second, InstructionsPages::SecondTitle));
    QTRY_COMPARE(entries().value(0), second);
    QCOMPARE(entries().count(second), 1);
    QCOMPARE(entries().value(1), third);
    QCOMPARE(entries().size(), 5);
}

void InstructionsWindowTest::choosingAListedAddressVisitsIt() {
    QVERIFY(openWindow(pages_->folder()));
    QVERIFY(visitByTyping(pages_->url(QStringLiteral("second.htm")), InstructionsPages::SecondTitle));
    QVERIFY(visitByTyping(pages_->url(QStringLiteral("third.htm")), InstructionsPages::ThirdTitle));
    // The list reads third, second, ...: one step down chooses the second page.
    addressBox()->setFocus();
    QTest::keyClick(addressBox(), Qt::Key_Down);
    QTRY_COMPARE(window_->windowTitle(), InstructionsPages::SecondTitle);
    QCOMPARE(browser()->LocationURL(), pages_->url(QStringLiteral("second.htm")));
}

void InstructionsWindowTest::homeReturnsToTheInstructionsPage() {
    QVERIFY(openWindow(pages_->folder()));
    QVERIFY(visitByTyping(pages_->url(QStringLiteral("second.htm")), InstructionsPages::SecondTitle));
    click("Home");
    QTRY_COMPARE(window_->windowTitle(), InstructionsPages::InstructionsTitle);
    QCOMPARE(browser()->LocationURL(), pages_->url(QStringLiteral("GameInstructions.htm")));
}

void InstructionsWindowTest::backAndForwardMoveThroughTheHistory() {
    QVERIFY(openWindow(pages_->folder()));
    QVERIFY(visitByTyping(pages_->url(QStringLiteral("second.htm")), InstructionsPages::SecondTitle));
    click("Back");
    QTRY_COMPARE(window_->windowTitle(), InstructionsPages::InstructionsTitle);
    click("Forward");
    QTRY_COMPARE(window_->windowTitle(), InstructionsPages::SecondTitle);
    // Nothing further ahead: Forward is ignored and the page stays.
    click("Forward");
    QTest::qWait(200);
    QCOMPARE(window_->windowTitle(), InstructionsPages::SecondTitle);
    QVERIFY(!browser()->Busy());
}

void InstructionsWindowTest::stopEndsWorkingAndShowsTheCurrentTitle() {
    QVERIFY(openWindow(pages_->folder()));
    const QString slowPage = pages_->writeSlowPage();
    addressBox()->setEditText(slowPage);
    QTest::keyClick(addressBox()->lineEdit(), Qt::Key_Return);
    QTRY_COMPARE(window_->windowTitle(), QStringLiteral("Working..."));

    click("Stop");
    QVERIFY(window_->windowTitle() != QStringLiteral("Working..."));
    QCOMPARE(window_->windowTitle(), browser()->LocationName());
    QVERIFY(!window_->findChild<QTimer *>(QStringLiteral("timTimer"))->isActive());
    QTest::qWait(300);
    QVERIFY(window_->windowTitle() != QStringLiteral("Working..."));
}

void InstructionsWindowTest::resizeFollowsTheWindowAndSkipsNegativeSizes_data() {
    // Designed client area: 436 x 342 px. Address box and view are 100 twips
    // narrower than the window; the view ends 100 twips above its bottom edge,
    // below the strips that end at 1215 twips.
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<int>("addressWidth");
    QTest::addColumn<QSize>("viewSize");
    QTest::newRow("larger") << QSize(800, 600) << 793 << QSize(793, 512);
    QTest::newRow("smaller") << QSize(300, 200) << 293 << QSize(293, 112);
    QTest::newRow("too low for the view: it keeps its height") << QSize(20, 20) << 13 << QSize(13, 254);
    QTest::newRow("too small for anything: all keep their sizes") << QSize(5, 5) << 429 << QSize(429, 254);
}

void InstructionsWindowTest::resizeFollowsTheWindowAndSkipsNegativeSizes() {
    QFETCH(QSize, windowSize);
    QFETCH(int, addressWidth);
    QFETCH(QSize, viewSize);
    QVERIFY(openWindow(pages_->folder()));
    QCOMPARE(window_->size(), twips::size(6540, 5130));

    window_->resize(windowSize);
    QTRY_COMPARE(window_->size(), windowSize);
    QCOMPARE(addressBox()->width(), addressWidth);
    QCOMPARE(browser()->size(), viewSize);
    QCOMPARE(browser()->pos(), twips::point(50, 1215));
    QCOMPARE(window_->findChild<QWidget *>(QStringLiteral("picAddress"))->width(), windowSize.width());
}

void InstructionsWindowTest::minimizingAndRestoringKeepsTheLayout() {
    QVERIFY(openWindow(pages_->folder()));
    const QRect addressGeometry = addressBox()->geometry();
    const QRect viewGeometry = browser()->geometry();
    window_->showMinimized();
    QTest::qWait(100);
    window_->showNormal();
    QTest::qWait(100);
    QCOMPARE(addressBox()->geometry(), addressGeometry);
    QCOMPARE(browser()->geometry(), viewGeometry);
}

void InstructionsWindowTest::aMissingInstructionsPageStillOpensTheWindow() {
    InstructionsPages withoutInstructions(false);
    window_ = new frmBrowser(withoutInstructions.folder());
    QTRY_VERIFY_WITH_TIMEOUT(!browser()->Busy() && !window_->windowTitle().isEmpty() &&
                                 window_->windowTitle() != QStringLiteral("Working..."),
                             20000);
    QVERIFY(window_->isVisible());
    // The window stays usable: it can still go elsewhere.
    QVERIFY(
        visitByTyping(withoutInstructions.url(QStringLiteral("second.htm")), InstructionsPages::SecondTitle));
}

void InstructionsWindowTest::everyControlHasANameAScreenReaderCanSpeak() {
    QVERIFY(openWindow(pages_->folder()));
    const AccessibleControls result = walkAccessibleTree(*window_);
    QVERIFY2(result.count >= 6, qPrintable(QString::number(result.count))); // five buttons and the address
    QVERIFY2(result.unnamed.isEmpty(), qPrintable(result.unnamed.join(QStringLiteral(", "))));
}

QTEST_MAIN(InstructionsWindowTest)
#include "InstructionsWindowTest.moc"
