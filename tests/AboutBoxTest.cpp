#include "accessory/Accessories.h"
#include "accessory/frmAbout.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/ScriptedDialogs.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

// The About box as the player meets it from the game window's Help menu: one
// box at a time, placed by the game window, closed by OK, Enter or Esc, and
// never touching the game.
class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        registry_ = {};
        system_ = {};
        dialogs_ = {};
        accessories_ =
            std::make_unique<Accessories>(AboutServices{registry_, system_, system_, system_, dialogs_});
        game_ = std::make_unique<QWidget>();
        game_->move(120, 80);
        game_->show();
        QVERIFY(QTest::qWaitForWindowActive(game_.get()));
    }
    void cleanup() {
        game_.reset();
        accessories_.reset();
    }

    void oneBoxOpensDownAndRightOfWhereTheGameWindowIsNow() {
        QPointer<frmAbout> box = openAbout();
        QCOMPARE(box->pos(), game_->pos() + QPoint(100, 100));
        QCOMPARE(openAbout(), box.data());
        QCOMPARE(box->windowTitle(), QStringLiteral("About Wordsnarl"));
        QCOMPARE(box->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Version " WORDSNARL_PROJECT_VERSION));
        box->close();
        QTRY_VERIFY(box.isNull());
        game_->move(300, 200);
        QCOMPARE(openAbout()->pos(), QPoint(400, 300));
    }

    void everyWayOfActingOnTheBox_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("act");     // a key, or one of the acts below
        QTest::addColumn<QUrl>("opened"); // none: the act closes the box
        const auto row = [](const char *name, const char *control, int act, const QUrl &opened) {
            QTest::newRow(name) << QString(control) << act << opened;
        };
        const QUrl site(QStringLiteral("http://www.brivak.example/"));
        row("OK clicked", "cmdOK", Click, {});
        row("Enter away from the buttons reaches OK", "lblDisclaimer", Qt::Key_Return, {});
        row("Esc", "lblDisclaimer", Qt::Key_Escape, {});
        row("the window's close box", "cmdOK", CloseBox, {});
        row("link clicked", "lblLink", Click, site);
        row("link by Space", "lblLink", Qt::Key_Space, site);
        row("link by Enter, which must not close the box", "lblLink", Qt::Key_Return, site);
        row("link pressed by a screen reader", "lblLink", ReaderPress, site);
        row("Support clicked", "cmdSupport", Click, QUrl(QStringLiteral("mailto:support@brivak.example")));
    }
    void everyWayOfActingOnTheBox() {
        QFETCH(QString, control);
        QFETCH(int, act);
        QFETCH(QUrl, opened);
        QPointer<frmAbout> box = openAbout();
        QVERIFY(QTest::qWaitForWindowActive(box));
        auto *widget = box->findChild<QWidget *>(control);
        if (act == Click) {
            QTest::mouseClick(widget, Qt::LeftButton);
        } else if (act == ReaderPress) {
            QAccessibleActionInterface *actions =
                QAccessible::queryAccessibleInterface(widget)->actionInterface();
            QVERIFY(actions);
            actions->doAction(QAccessibleActionInterface::pressAction());
        } else if (act == CloseBox) {
            box->close();
        } else {
            widget->setFocus();
            QTest::keyClick(widget, Qt::Key(act));
        }
        QCOMPARE(system_.openedUrls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{opened});
        if (opened.isEmpty()) {
            QTRY_VERIFY(box.isNull());
        } else {
            QVERIFY(box && box->isVisible());
        }
        QVERIFY(game_->isVisible());
    }

    void linkShowsItsOwnPointingHand() {
        frmAbout *box = openAbout();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        auto *link = box->findChild<QLabel *>(QStringLiteral("lblLink"));
        // Through the window, as the window system delivers it: the widget overload only moves the cursor.
        QTest::mouseMove(box->windowHandle(), link->mapTo(box, link->rect().center()));
        QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(link->cursor().hotSpot(), QPoint(12, 1));
        QCOMPARE(link->cursor().pixmap().size(), QSize(32, 32));
    }

    void linkAndNoticeStayReadableOnLightAndDarkDesktops_data() {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("link");
        QTest::addColumn<QColor>("expectedLink");
        QTest::newRow("light: the designed blue")
            << QColor(240, 240, 240) << QColor(Qt::black) << QColor(0, 0, 238) << QColor(0, 0, 255);
        QTest::newRow("dark: the desktop's own link colour")
            << QColor(53, 53, 53) << QColor(Qt::white) << QColor(42, 130, 218) << QColor(42, 130, 218);
    }
    void linkAndNoticeStayReadableOnLightAndDarkDesktops() {
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
        QApplication::setPalette(original);
        const auto colourOf = [box](const char *name) {
            return box->findChild<QLabel *>(name)->palette().color(QPalette::WindowText);
        };
        QCOMPARE(colourOf("lblLink"), expectedLink);
        QCOMPARE(colourOf("lblDisclaimer"), text);
        QVERIFY(box->findChild<QLabel *>(QStringLiteral("lblLink"))->font().underline());
    }

    void keyboardReachesTheButtonsThenTheLink() {
        QVERIFY(QTest::qWaitForWindowActive(openAbout()));
        QStringList visited;
        for (int i = 0; i < 5; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, (QStringList{"cmdOK", "cmdSysInfo", "cmdSupport", "lblLink", "cmdOK"}));
    }

    void systemInfoStartsTheToolAndKeepsTheBoxOpen() {
        QPointer<frmAbout> box = openAbout();
        registry_.setValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", {registry::Sz, "tool"});
        system_.startablePrograms = {QStringLiteral("tool")};
        QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
        QCOMPARE(system_.startAttempts, QStringList{"tool"});
        QVERIFY(box && box->isVisible());
    }

private:
    enum { Click = -1, ReaderPress = -2, CloseBox = -3 };

    frmAbout *openAbout() {
        accessories_->showAbout(*game_);
        QList<frmAbout *> boxes;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<frmAbout *>(window)) {
                boxes.append(box);
            }
        }
        return boxes.size() == 1 && boxes.first()->isVisible() ? boxes.first() : nullptr;
    }

    FakeRegistry registry_;
    FakeSystem system_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<Accessories> accessories_;
    std::unique_ptr<QWidget> game_; // where the game window stands
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
