#include "accessory/frmAbout.h"
#include "app/frmSplash.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/GameDriver.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QtTest>

namespace {

// Converted here from the design's twips, not by the program's own helper.
QRect pixels(const QRect &twips) {
    return {qRound(twips.x() / 15.0), qRound(twips.y() / 15.0), qRound(twips.width() / 15.0),
            qRound(twips.height() / 15.0)};
}

} // namespace

// Every window's fixed face: controls where the design puts them, each window
// fixed in size and of its kind (a splash without title, a game window that
// cannot be maximised, an About box that never blocks the game), and the game
// window's menus, shortcuts and tab order as players know them.
class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        splash_ = new frmSplash([] {});
        splash_->findChild<QTimer *>(QStringLiteral("tmrSplash"))->stop();
        about_ = new frmAbout(game_.window(), {registry_, system_, system_, system_, game_.dialogs});
    }

    void cleanupTestCase() {
        delete splash_;
        delete about_;
    }

    void controlsStandAtTheirDesignedPlaces_data() {
        QTest::addColumn<QWidget *>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        const auto rowsOf = [](const char *label, QWidget *window) {
            return [=](const QString &name, const QRect &twips) {
                QTest::addRow("%s %s", label, qPrintable(name)) << window << name << twips;
            };
        };
        const auto game = rowsOf("game", game_.window().centralWidget());
        const auto splash = rowsOf("splash", splash_);
        const auto about = rowsOf("about", about_);
        const int clueTops[] = {120, 720, 1440, 2040, 2760, 3360, 4080, 4680, 5400, 6000};
        for (int i = 0; i < 10; ++i) {
            game(QStringLiteral("txtClue(%1)").arg(i), QRect(120, clueTops[i], 3000, 405));
        }
        const int rowTops[] = {0, 480, 1800, 3120, 4440, 5760};
        for (int row = 1; row <= 5; ++row) {
            game(QStringLiteral("txtAns%1(0)").arg(row), QRect(3240, rowTops[row], 375, 375));
        }
        for (int row = 0; row <= 5; ++row) {
            game(QStringLiteral("cmdHint(%1)").arg(row), QRect(3240, rowTops[row], 375, 375));
        }
        game("txtPClue(0)", QRect(720, 7080, 375, 375));
        game("lblClue", QRect(1200, 6720, 4935, 255));
        game("cmdClueHint", QRect(600, 7080, 375, 375));
        game("cmdCorrectPuz", QRect(6960, 6840, 1215, 495));
        // Lines are one pixel wide: their rectangle runs from one end point to the other.
        game("Line1", QRect(1080, 6600, 15, 975));
        game("Line2", QRect(6240, 6600, 15, 975));
        game("Line3", QRect(1080, 6600, 5175, 15));
        game("Line4", QRect(1080, 7560, 5175, 15));

        splash("picLogo", QRect(240, 2400, 4170, 1380));
        splash("picBrivak", QRect(120, 120, 4350, 1380));
        splash("lblCopyright", QRect(120, 3960, 4335, 255));
        splash("lblMsg", QRect(480, 4320, 3615, 375));
        splash("lblProud", QRect(240, 1680, 4230, 495));

        about("picLogo", QRect(720, 120, 4230, 1290));
        about("lblBy", QRect(600, 1440, 4455, 375));
        about("picBrivak", QRect(645, 1920, 4350, 1380));
        about("lblVersion", QRect(645, 3600, 2325, 225));
        about("lblLink", QRect(3000, 3600, 1935, 225));
        about("lblDisclaimer", QRect(135, 4185, 3870, 1185));
        about("cmdOK", QRect(4245, 4185, 1260, 345));
        about("cmdSysInfo", QRect(4260, 4614, 1245, 345));
        about("cmdSupport", QRect(4245, 5040, 1245, 345));
        // The separator's white line is two pixels wide.
        about("Line1(1)", QRect(-30, 4005, 5670, 15));
        about("Line1(0)", QRect(-15, 4020, 5550, 30));
    }
    void controlsStandAtTheirDesignedPlaces() {
        QFETCH(QWidget *, window);
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        const auto *control = window->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name + " missing"));
        QCOMPARE(control->geometry(), pixels(twips));
        if (const auto *picture = qobject_cast<const QLabel *>(control); picture && name.startsWith("pic")) {
            QVERIFY2(!picture->pixmap().isNull(), "picture missing from the resources");
        }
    }

    void windowsAreFixedInSizeAndKind() {
        const frmWords *game = &game_.window();
        QCOMPARE(game->centralWidget()->size(), pixels({0, 0, 8340, 7620}).size());
        QCOMPARE(game->centralWidget()->y(), game->menuBar()->height());
        QCOMPARE(splash_->size(), pixels({0, 0, 4605, 4815}).size());
        QCOMPARE(about_->size(), pixels({0, 0, 5595, 5430}).size());
        for (const QWidget *window : std::initializer_list<const QWidget *>{game, splash_, about_}) {
            QCOMPARE(window->minimumSize(), window->maximumSize());
        }
        QVERIFY(!(game->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(game->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(splash_->windowType(), Qt::SplashScreen);
        QCOMPARE(about_->windowType(), Qt::Dialog);
        QVERIFY(!(about_->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(about_->windowModality(), Qt::NonModal);
        QVERIFY(!about_->parent());
    }

    void menusCarryTheirCaptionsShortcutsAndSeparators() {
        QStringList items;
        for (const QAction *menu : game_.window().menuBar()->actions()) {
            items << menu->text();
            for (const QAction *item : menu->menu()->actions()) {
                items << item->objectName() + (item->isSeparator()
                                                   ? QStringLiteral(" -")
                                                   : " " + item->text() + " " + item->shortcut().toString());
            }
        }
        QCOMPARE(items, (QStringList{"&Puzzle", "mnuNewGame &New Puzzle F2",
                                     "mnuSelectPuzzle &Select Specific Puzzle F3", "mnuSlash -",
                                     "mnuExit E&xit Ctrl+X", "&Help", "mnuHowToPlay How To Pla&y F1",
                                     "mnuSlash2 -", "mnuAbout &About Ctrl+A"}));
    }

    void menuShortcutsBeatTheFocusedTextBox() {
        // Text boxes claim Ctrl+A for select-all unless the window takes it back.
        for (const char *name : {"txtClue(0)", "txtAns1(1)"}) {
            auto *box = game_.window().findChild<QWidget *>(name);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_F1);
        }
        QCOMPARE(game_.accessories.aboutShown, 2);
        QCOMPARE(game_.accessories.instructionsShown, 2);
    }

    void tabOrderFollowsTheDesign() {
        QStringList expected;
        for (int i = 0; i < 10; ++i) {
            expected << QStringLiteral("txtClue(%1)").arg(i);
        }
        expected += {"cmdCorrectPuz", "cmdHint(1)", "cmdHint(2)", "cmdHint(3)",
                     "cmdHint(4)",    "cmdHint(5)", "cmdClueHint"};
        // Letter boxes may sit between these stops; the fixed controls keep their order.
        QStringList visited;
        QWidget *start = game_.window().findChild<QWidget *>(expected.first());
        QWidget *widget = start;
        do {
            if (expected.contains(widget->objectName())) {
                visited << widget->objectName();
            }
            widget = widget->nextInFocusChain();
        } while (widget != start);
        QCOMPARE(visited, expected);
    }

    void patternControlsStayHidden() {
        game_.choose("mnuNewGame");
        for (const char *name : {"txtAns1(0)", "txtAns5(0)", "txtPClue(0)", "cmdHint(0)"}) {
            QVERIFY2(!game_.window().findChild<QWidget *>(name)->isVisible(), name);
        }
    }

private:
    GameDriver game_;
    FakeRegistry registry_;
    FakeSystem system_;
    QPointer<frmSplash> splash_;
    QPointer<frmAbout> about_;
};

QTEST_MAIN(WindowLayoutTest)
#include "WindowLayoutTest.moc"
