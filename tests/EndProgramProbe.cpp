// Opens the game's windows, ends them in the way named by its argument, and
// exits 0 only if that ended the whole program at once: with another window
// still open, and without a game window appearing after an early-closed splash.
#include "app/frmSplash.h"
#include "game/frmWords.h"
#include "support/FakeAccessories.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QtTest>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QString how = app.arguments().value(1);
    constexpr int StillRunning = 3;
    constexpr int GameWindowAfterSplash = 4;

    ScriptedDialogs dialogs;
    FakeAccessories accessories;
    frmWords game(dialogs, accessories);
    QWidget otherWindow; // stands in for the About box or the instructions window
    bool gameWindowShown = false;
    if (how == QLatin1String("splash-closed-early")) {
        auto *splash = new frmSplash([&] { gameWindowShown = true; });
        splash->show();
        QTimer::singleShot(50, splash, &QWidget::close);
    } else {
        game.show();
        otherWindow.show();
        game.activateWindow();
        if (!QTest::qWaitForWindowActive(&game)) {
            return StillRunning;
        }
        QTimer::singleShot(50, &game, [&] {
            if (how == QLatin1String("exit-menu")) {
                game.findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
            } else if (how == QLatin1String("ctrl-x")) {
                QWidget *box = game.findChild<QWidget *>(QStringLiteral("txtAns1(1)"));
                box->setFocus();
                QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
            } else {
                game.close();
            }
        });
    }
    QTimer::singleShot(5000, &app, [] { QCoreApplication::exit(StillRunning); });
    const int code = QApplication::exec();
    return gameWindowShown ? GameWindowAfterSplash : code;
}
