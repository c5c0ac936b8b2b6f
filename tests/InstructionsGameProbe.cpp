// The game program as main() starts it, with a stand-in system and scripted
// dialogs and the splash cut short, driven by the commands on its command line
// and then one per line on standard input ("howtoplay", "about", "ctrl-x",
// "exit", "close", "ping", "no-browser"), each answered with "done <command>"
// once carried out. Each URL handed to the desktop and each message shown is
// reported on standard error. Tests and benchmarks use it to play the game's
// part beside the instructions viewer and to end the game the ways a player
// can. Started with "splash-closed-early", it closes the splash before its
// timer fires and fails should a game window follow.
#include "app/GameProgram.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/Keys.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

void say(const QByteArray &line) {
    std::fputs((line + '\n').constData(), stdout);
    std::fflush(stdout);
}

frmWords *shownGameWindow() {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *game = qobject_cast<frmWords *>(window); game && game->isVisible()) {
            return game;
        }
    }
    return nullptr;
}

void carryOut(const QByteArray &command, frmWords &game, FakeSystem &system) {
    game.activateWindow();
    if (!QTest::qWaitForWindowActive(&game)) {
        say("inactive " + command);
        return;
    }
    if (command == "howtoplay") {
        test::press(game, Qt::Key_F1);
    } else if (command == "about") {
        test::press(game, Qt::Key_A, Qt::ControlModifier);
    } else if (command == "ctrl-x") {
        test::press(game, Qt::Key_X, Qt::ControlModifier);
    } else if (command == "exit") {
        game.findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
    } else if (command == "close") {
        game.close();
    } else if (command == "no-browser") {
        system.urlsOpen = false;
    }
    say("done " + command);
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    ScriptedDialogs dialogs;
    FakeRegistry registry;
    FakeSystem system;
    GameProgram program({registry, system, system, system, dialogs});
    QWidget *splash = QApplication::topLevelWidgets().value(0);
    if (app.arguments().value(1) == QLatin1String("splash-closed-early")) {
        QTimer::singleShot(50, splash, &QWidget::close);
        const int code = QApplication::exec();
        return shownGameWindow() ? 1 : code;
    }
    splash->findChild<QTimer *>(QStringLiteral("tmrSplash"))->start(0);
    if (!QTest::qWaitFor([] { return shownGameWindow() != nullptr; })) {
        return 1;
    }
    frmWords &game = *shownGameWindow();

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &game, [&] {
        char buffer[256];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            input.setEnabled(false);
            return;
        }
        pending.append(buffer, count);
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QByteArray command = pending.left(end).trimmed();
            pending.remove(0, end + 1);
            carryOut(command, game, system);
        }
    });
    for (const QString &command : app.arguments().mid(1)) {
        QTimer::singleShot(0, &game, [&, command] { carryOut(command.toLatin1(), game, system); });
    }
    // Whatever the game hands the desktop or says to the player, even long after a command.
    qsizetype urlsReported = 0;
    qsizetype messagesReported = 0;
    QTimer report;
    QObject::connect(&report, &QTimer::timeout, [&] {
        for (; urlsReported < system.openedUrls.size(); ++urlsReported) {
            std::fprintf(stderr, "url: %s\n", system.openedUrls.at(urlsReported).toEncoded().constData());
        }
        for (; messagesReported < dialogs.shown.size(); ++messagesReported) {
            QString text = dialogs.shown.at(messagesReported).text;
            std::fprintf(stderr, "message: %s\n", qPrintable(text.replace('\n', ' ')));
        }
    });
    report.start(20);
    say("ready");
    return QApplication::exec();
}
