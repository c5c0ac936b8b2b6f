// The game window with the real Help-menu windows, driven one command per line
// on standard input ("howtoplay", "exit", "close", "ping"), each answered with
// "done <command>" once carried out. Tests and benchmarks use it to play the
// game's part beside the real instructions viewer.
#include "accessory/Accessories.h"
#include "game/frmWords.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace {

void say(const QByteArray &line) {
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void carryOut(const QByteArray &command, frmWords &game) {
    if (command == "howtoplay") {
        game.findChild<QAction *>(QStringLiteral("mnuHowToPlay"))->trigger();
    } else if (command == "exit") {
        game.findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
    } else if (command == "close") {
        game.close();
    }
    say("done " + command);
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    ScriptedDialogs dialogs;
    FakeRegistry registry;
    FakeSystem system;
    Accessories accessories({registry, system, system, system, dialogs});
    frmWords game(dialogs, accessories);
    game.show();

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
            carryOut(command, game);
        }
    });
    say("ready");
    return QApplication::exec();
}
