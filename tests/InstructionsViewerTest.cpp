#include "InstructionsViewer.h"
#include "WebBrowserControl.h"
#include "accessory/InstructionsChannel.h"
#include "frmBrowser.h"
#include "support/InstructionsPages.h"
#include "support/WaitUntil.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The viewer program keeps one instructions window for the game: asked again
// while it is open, it brings that window forward as it is; once closed, the
// window is made afresh. And the viewer must notice at once when the game, at
// the other end of the channel, is gone.
class InstructionsViewerTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void askingAgainWhileOpenKeepsTheSameWindowAndPage();
    void askingAfterACloseOpensAFreshWindow();
    void eachRequestOnTheChannelShowsTheWindow();
    void theGameClosingTheChannelEndsTheViewer();
    void aGameThatCannotBeReachedEndsTheViewer();

private:
    bool showsInstructions(const frmBrowser *window) const;
    bool visitSecondPage(frmBrowser *window) const;

    std::unique_ptr<InstructionsPages> pages_;
};

void InstructionsViewerTest::init() {
    pages_ = std::make_unique<InstructionsPages>();
    QVERIFY(pages_->isValid());
}

bool InstructionsViewerTest::showsInstructions(const frmBrowser *window) const {
    return window && window->windowTitle() == InstructionsPages::InstructionsTitle;
}

bool InstructionsViewerTest::visitSecondPage(frmBrowser *window) const {
    auto *address = window->findChild<QComboBox *>(QStringLiteral("cboAddress"));
    address->setEditText(pages_->url(QStringLiteral("second.htm")));
    QTest::keyClick(address->lineEdit(), Qt::Key_Return);
    return test::waitUntil([&] { return window->windowTitle() == InstructionsPages::SecondTitle; });
}

void InstructionsViewerTest::askingAgainWhileOpenKeepsTheSameWindowAndPage() {
    InstructionsViewer viewer(pages_->folder());
    viewer.show();
    QPointer<frmBrowser> window = viewer.window();
    QVERIFY(test::waitUntil([&] { return showsInstructions(window); }, 20000));
    QVERIFY(visitSecondPage(window));
    const int entries = window->findChild<QComboBox *>(QStringLiteral("cboAddress"))->count();
    window->showMinimized();

    viewer.show();
    QCOMPARE(viewer.window(), window.data());
    QVERIFY(!window->isMinimized());
    QVERIFY(window->isVisible());
    QTest::qWait(300);
    QCOMPARE(window->windowTitle(), InstructionsPages::SecondTitle);
    QCOMPARE(window->findChild<QComboBox *>(QStringLiteral("cboAddress"))->count(), entries);
}

void InstructionsViewerTest::askingAfterACloseOpensAFreshWindow() {
    InstructionsViewer viewer(pages_->folder());
    viewer.show();
    QPointer<frmBrowser> first = viewer.window();
    QVERIFY(test::waitUntil([&] { return showsInstructions(first); }, 20000));
    QVERIFY(visitSecondPage(first));

    first->close();
    QVERIFY(test::waitUntil([&] { return first.isNull(); }));
    QVERIFY(!viewer.window());

    viewer.show();
    frmBrowser *second = viewer.window();
    QVERIFY(second);
    QCOMPARE(second->findChild<QComboBox *>(QStringLiteral("cboAddress"))->count(), 2);
    QVERIFY(test::waitUntil([&] { return showsInstructions(second); }));
    QCOMPARE(second->findChild<WebBrowserControl *>()->LocationURL(),
             pages_->url(QStringLiteral("GameInstructions.htm")));
}

void InstructionsViewerTest::eachRequestOnTheChannelShowsTheWindow() {
    QLocalServer game;
    QVERIFY(game.listen(QStringLiteral("wordsnarl-viewer-test-%1").arg(QCoreApplication::applicationPid())));
    InstructionsViewer viewer(pages_->folder());
    viewer.followGame(game.fullServerName());
    QVERIFY(game.waitForNewConnection(5000));
    QLocalSocket *channel = game.nextPendingConnection();
    QVERIFY(!viewer.window());

    channel->write(instructions::ShowCommand);
    QVERIFY(test::waitUntil([&] { return viewer.window() != nullptr; }));
    QPointer<frmBrowser> window = viewer.window();
    QVERIFY(test::waitUntil([&] { return showsInstructions(window); }, 20000));
    window->close();
    QVERIFY(test::waitUntil([&] { return window.isNull(); }));

    channel->write(instructions::ShowCommand);
    QVERIFY(test::waitUntil([&] { return viewer.window() != nullptr; }));
    QVERIFY(viewer.window()->isVisible());
}

void InstructionsViewerTest::theGameClosingTheChannelEndsTheViewer() {
    QLocalServer game;
    QVERIFY(game.listen(QStringLiteral("wordsnarl-viewer-test-%1").arg(QCoreApplication::applicationPid())));
    InstructionsViewer viewer(pages_->folder());
    QSignalSpy gameEnded(&viewer, &InstructionsViewer::gameEnded);
    viewer.followGame(game.fullServerName());
    QVERIFY(game.waitForNewConnection(5000));
    QLocalSocket *channel = game.nextPendingConnection();
    viewer.show();
    QVERIFY(test::waitUntil([&] { return showsInstructions(viewer.window()); }, 20000));
    QVERIFY(gameEnded.isEmpty());

    channel->abort();
    QVERIFY(test::waitUntil([&] { return !gameEnded.isEmpty(); }, 1000));
    QVERIFY(!viewer.window()->isVisible());
}

void InstructionsViewerTest::aGameThatCannotBeReachedEndsTheViewer() {
    InstructionsViewer viewer(pages_->folder());
    QSignalSpy gameEnded(&viewer, &InstructionsViewer::gameEnded);
    viewer.followGame(QStringLiteral("wordsnarl-no-such-game"));
    QVERIFY(test::waitUntil([&] { return !gameEnded.isEmpty(); }, 1000));
}

QTEST_MAIN(InstructionsViewerTest)
#include "InstructionsViewerTest.moc"
