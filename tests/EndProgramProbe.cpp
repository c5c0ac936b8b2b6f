// A tiny program that opens the game's windows and then ends them in one of
// the ways a player can. The end-program test runs it and watches it exit.
#include "app/frmSplash.h"
#include "game/frmWords.h"
#include "support/FakeAccessories.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <memory>

namespace {

// Exit code for "still running after the close request": the program did not end.
constexpr int StillRunning = 3;

void endGameWindow(const QString &how, frmWords &window) {
    if (how == QLatin1String("exit-menu")) {
        window.findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
    } else if (how == QLatin1String("ctrl-x")) {
        QWidget *box = window.findChild<QLineEdit *>(QStringLiteral("txtAns1(1)"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    } else if (how == QLatin1String("close-button")) {
        window.close();
    }
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QString how = app.arguments().value(1);

    ScriptedDialogs dialogs;
    FakeAccessories accessories;
    std::unique_ptr<frmWords> game;
    QWidget otherWindow; // stands in for the About box or the instructions window

    if (how == QLatin1String("splash-closed-early")) {
        auto *splash = new frmSplash([&] { std::puts("game window shown"); });
        splash->show();
        QTimer::singleShot(50, splash, &QWidget::close);
    } else {
        game = std::make_unique<frmWords>(dialogs, accessories);
        game->show();
        otherWindow.show();
        game->activateWindow();
        if (!QTest::qWaitForWindowActive(game.get())) {
            return StillRunning;
        }
        QTimer::singleShot(50, game.get(), [&] { endGameWindow(how, *game); });
    }
    QTimer::singleShot(5000, &app, [] { QCoreApplication::exit(StillRunning); });
    const int code = QApplication::exec();
    std::puts("program ended");
    return code;
}
