#include "accessory/Accessories.h"
#include "accessory/MakerContacts.h"
#include "accessory/frmAbout.h"
#include "game/frmWords.h"
#include "puzzles/ActivePuzzle.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/ScriptedDialogs.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

QRect pixelsFromTwips(const QRect &twips) {
    return {qRound(twips.x() / 15.0), qRound(twips.y() / 15.0), qRound(twips.width() / 15.0),
            qRound(twips.height() / 15.0)};
}

} // namespace

// The About box as the player meets it from the game window's Help menu: one
// box at a time, placed by the game window, closed by OK, Enter or Esc, and
// never touching the game.
class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void choosingAboutAgainShowsTheSameBox();
    void boxOpensDownAndRightOfWhereTheGameWindowIsNow();
    void captionAndVersionComeFromTheApplication();
    void controlsStandAtTheirDesignedPlaces_data();
    void controlsStandAtTheirDesignedPlaces();
    void boxIsAFixedDialogThatLeavesTheGameUsable();
    void okEnterEscAndTheCloseBoxCloseIt_data();
    void okEnterEscAndTheCloseBoxCloseIt();
    void linkAndSupportHandTheirAddressesToTheDesktop_data();
    void linkAndSupportHandTheirAddressesToTheDesktop();
    void linkShowsItsOwnPointingHand();
    void linkAndNoticeStayReadableOnLightAndDarkDesktops_data();
    void linkAndNoticeStayReadableOnLightAndDarkDesktops();
    void unavailableSystemInfoSaysSoAndTheBoxStays();
    void keyboardReachesTheButtonsThenTheLink();
    void aboutBoxChangesNoGameState();

private:
    frmAbout *openAbout();
    static QList<frmAbout *> aboutBoxes();

    FakeRegistry registry_;
    FakeSystem system_;
    ScriptedDialogs dialogs_;
    Accessories *accessories_ = nullptr;
    frmWords *game_ = nullptr;
};

void AboutBoxTest::init() {
    registry_ = {};
    system_ = {};
    dialogs_ = {};
    accessories_ = new Accessories({registry_, system_, system_, system_, dialogs_});
    game_ = new frmWords(dialogs_, *accessories_);
    game_->move(120, 80);
    game_->show();
    QVERIFY(QTest::qWaitForWindowActive(game_));
}

void AboutBoxTest::cleanup() {
    delete game_;
    delete accessories_;
}

// Help > About, by its shortcut on the game window, which has to be active for it.
frmAbout *AboutBoxTest::openAbout() {
    game_->activateWindow();
    if (!QTest::qWaitForWindowActive(game_)) {
        return nullptr;
    }
    QTest::keyClick(game_, Qt::Key_A, Qt::ControlModifier);
    const QList<frmAbout *> boxes = aboutBoxes();
    return boxes.size() == 1 ? boxes.first() : nullptr;
}

QList<frmAbout *> AboutBoxTest::aboutBoxes() {
    QList<frmAbout *> boxes;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<frmAbout *>(window); box && box->isVisible()) {
            boxes.append(box);
        }
    }
    return boxes;
}

void AboutBoxTest::choosingAboutAgainShowsTheSameBox() {
    QPointer<frmAbout> first = openAbout();
    QVERIFY(first);
    QCOMPARE(openAbout(), first.data());
    QCOMPARE(openAbout(), first.data());
    const auto windows = QApplication::topLevelWidgets();
    QCOMPARE(
        std::count_if(windows.begin(), windows.end(), [](QWidget *w) { return qobject_cast<frmAbout *>(w); }),
        1);
}

void AboutBoxTest::boxOpensDownAndRightOfWhereTheGameWindowIsNow() {
    QPointer<frmAbout> box = openAbout();
    QCOMPARE(box->pos(), game_->pos() + QPoint(100, 100));

    box->close();
    QTRY_VERIFY(box.isNull());
    game_->move(300, 200);
    box = openAbout();
    QCOMPARE(box->pos(), QPoint(400, 300));
}

void AboutBoxTest::captionAndVersionComeFromTheApplication() {
    const frmAbout *box = openAbout();
    QCOMPARE(box->windowTitle(), QStringLiteral("About Wordsnarl"));
    QCOMPARE(box->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Version " WORDSNARL_PROJECT_VERSION));
}

void AboutBoxTest::controlsStandAtTheirDesignedPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("picLogo") << "picLogo" << QRect(720, 120, 4230, 1290);
    QTest::newRow("lblBy") << "lblBy" << QRect(600, 1440, 4455, 375);
    QTest::newRow("picBrivak") << "picBrivak" << QRect(645, 1920, 4350, 1380);
    QTest::newRow("lblVersion") << "lblVersion" << QRect(645, 3600, 2325, 225);
    QTest::newRow("lblLink") << "lblLink" << QRect(3000, 3600, 1935, 225);
    QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(135, 4185, 3870, 1185);
    QTest::newRow("cmdOK") << "cmdOK" << QRect(4245, 4185, 1260, 345);
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(4260, 4614, 1245, 345);
    QTest::newRow("cmdSupport") << "cmdSupport" << QRect(4245, 5040, 1245, 345);
    // The separator's lines run from end point to end point; the white one is two pixels wide.
    QTest::newRow("Line1(1)") << "Line1(1)" << QRect(-30, 4005, 5670, 15);
    QTest::newRow("Line1(0)") << "Line1(0)" << QRect(-15, 4020, 5550, 30);
}

void AboutBoxTest::controlsStandAtTheirDesignedPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const auto *control = openAbout()->findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name + " missing"));
    QCOMPARE(control->geometry(), pixelsFromTwips(twips));
}

void AboutBoxTest::boxIsAFixedDialogThatLeavesTheGameUsable() {
    const frmAbout *box = openAbout();
    QCOMPARE(box->size(), QSize(373, 362));
    QCOMPARE(box->minimumSize(), box->maximumSize());
    QCOMPARE(box->windowType(), Qt::Dialog);
    QVERIFY(!(box->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(box->windowModality(), Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(box->parent() == nullptr);
}

void AboutBoxTest::okEnterEscAndTheCloseBoxCloseIt_data() {
    QTest::addColumn<int>("key"); // 0: click OK; -1: the window's close box
    QTest::newRow("OK") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("close box") << -1;
}

void AboutBoxTest::okEnterEscAndTheCloseBoxCloseIt() {
    QFETCH(int, key);
    QPointer<frmAbout> box = openAbout();
    QVERIFY(QTest::qWaitForWindowActive(box));
    if (key == 0) {
        QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    } else if (key == -1) {
        box->close();
    } else {
        // Not on a button: Enter must reach OK as the default button.
        box->findChild<QWidget *>(QStringLiteral("lblDisclaimer"))->setFocus();
        QTest::keyClick(box, Qt::Key(key));
    }
    QTRY_VERIFY(box.isNull());
    QVERIFY(game_->isVisible());
}

void AboutBoxTest::linkAndSupportHandTheirAddressesToTheDesktop_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key"); // 0: a mouse click; -1: a screen reader's press action
    QTest::addColumn<QUrl>("expectedUrl");
    const QUrl site(QStringLiteral("http://www.brivak.example/"));
    const QUrl mail(QStringLiteral("mailto:support@brivak.example"));
    QTest::newRow("link clicked") << "lblLink" << 0 << site;
    QTest::newRow("link by Space") << "lblLink" << int(Qt::Key_Space) << site;
    QTest::newRow("link by Enter, which must not close the box") << "lblLink" << int(Qt::Key_Return) << site;
    QTest::newRow("link pressed by a screen reader") << "lblLink" << -1 << site;
    QTest::newRow("Support clicked") << "cmdSupport" << 0 << mail;
}

void AboutBoxTest::linkAndSupportHandTheirAddressesToTheDesktop() {
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QUrl, expectedUrl);
    QPointer<frmAbout> box = openAbout();
    auto *widget = box->findChild<QWidget *>(control);
    if (key == 0) {
        QTest::mouseClick(widget, Qt::LeftButton);
    } else if (key == -1) {
        QAccessibleInterface *link = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(link->role(), QAccessible::Link);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    } else {
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key(key));
    }
    QCOMPARE(system_.openedUrls, QList<QUrl>{expectedUrl});
    QVERIFY(box && box->isVisible());
}

void AboutBoxTest::linkShowsItsOwnPointingHand() {
    frmAbout *box = openAbout();
    QVERIFY(QTest::qWaitForWindowExposed(box));
    auto *link = box->findChild<QLabel *>(QStringLiteral("lblLink"));
    QCOMPARE(link->text(), maker::HostName);
    QCOMPARE(QUrl(maker::WebSiteUrl).host(), maker::HostName);

    // Through the window, as the window system delivers it: the widget overload only moves the cursor.
    QTest::mouseMove(box->windowHandle(), link->mapTo(box, link->rect().center()));
    QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(link->cursor().hotSpot(), QPoint(12, 1));
    QCOMPARE(link->cursor().pixmap().size(), QSize(32, 32));
}

void AboutBoxTest::linkAndNoticeStayReadableOnLightAndDarkDesktops_data() {
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("link");
    QTest::addColumn<QColor>("expectedLink");
    QTest::newRow("light: the designed blue")
        << QColor(240, 240, 240) << QColor(Qt::black) << QColor(0, 0, 238) << QColor(0, 0, 255);
    QTest::newRow("dark: the desktop's own link colour")
        << QColor(53, 53, 53) << QColor(Qt::white) << QColor(42, 130, 218) << QColor(42, 130, 218);
}

void AboutBoxTest::linkAndNoticeStayReadableOnLightAndDarkDesktops() {
    QFETCH(QColor, window);
    QFETCH(QColor, text);
    QFETCH(QColor, link);
    QFETCH(QColor, expectedLink);
    const QPalette original = QApplication::palette();
    QPalette desktop = original;
    desktop.setColor(QPalette::Window, window);
    desktop.setColor(QPalette::WindowText, text);
    desktop.setColor(QPalette::Link, link);
    QApplication::setPalette(desktop);

    const frmAbout *box = openAbout();
    const auto *lblLink = box->findChild<QLabel *>(QStringLiteral("lblLink"));
    const QColor linkColour = lblLink->palette().color(QPalette::WindowText);
    const QColor noticeColour =
        box->findChild<QLabel *>(QStringLiteral("lblDisclaimer"))->palette().color(QPalette::WindowText);
    const bool underlined = lblLink->font().underline();
    QApplication::setPalette(original);

    QCOMPARE(linkColour, expectedLink);
    QCOMPARE(noticeColour, text);
    QVERIFY(underlined);
}

void AboutBoxTest::unavailableSystemInfoSaysSoAndTheBoxStays() {
    QPointer<frmAbout> box = openAbout();
    QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
    QCOMPARE(dialogs_.shown.size(), 1);
    QCOMPARE(dialogs_.shown.first().text, QStringLiteral("System Information Is Unavailable At This Time"));
    QVERIFY(system_.startAttempts.isEmpty());
    QVERIFY(box && box->isVisible());
}

void AboutBoxTest::keyboardReachesTheButtonsThenTheLink() {
    frmAbout *box = openAbout();
    QVERIFY(QTest::qWaitForWindowActive(box));
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, (QStringList{"cmdOK", "cmdSysInfo", "cmdSupport", "lblLink"}));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
}

void AboutBoxTest::aboutBoxChangesNoGameState() {
    registry_.setValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", {registry::Sz, "tool"});
    system_.startablePrograms = {QStringLiteral("tool")};
    const GameState state = game_->state();
    const basPuzzles::PuzzleRecord puzzle = basPuzzles::ActivePuzzle;
    const QString title = game_->windowTitle();
    const QRect geometry = game_->geometry();

    QPointer<frmAbout> box = openAbout();
    for (const char *button : {"cmdSysInfo", "cmdSupport", "cmdOK"}) {
        QTest::mouseClick(box->findChild<QPushButton *>(button), Qt::LeftButton);
    }
    QTRY_VERIFY(box.isNull());

    const GameState &after = game_->state();
    QCOMPARE(after.MaxPuzzleNumber, state.MaxPuzzleNumber);
    QCOMPARE(after.SelectedPuzzleNumber, state.SelectedPuzzleNumber);
    QCOMPARE(after.ClueHintCount, state.ClueHintCount);
    QVERIFY(after.RowLength == state.RowLength);
    QVERIFY(after.HintCount == state.HintCount);
    QVERIFY(basPuzzles::ActivePuzzle == puzzle);
    QCOMPARE(game_->windowTitle(), title);
    QCOMPARE(game_->geometry(), geometry);
}

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
