// The game program as main() starts it, with a stand-in system and the splash
// cut short, driven by commands on standard input, one per line ("howtoplay",
// "exit"), each answered with "done <command>" once carried out. Whatever the
// viewer it starts reports goes to standard error.
#include "app/GameProgram.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/Keys.h"
#include "support/ScriptedDialogs.h"

#include <QAction>

#include <cstdio>
#include <iostream>
#include <thread>

namespace {

frmWords *shownGameWindow() {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *game = qobject_cast<frmWords *>(window); game && game->isVisible()) {
            return game;
        }
    }
    return nullptr;
}

void carryOut(const QByteArray &command, frmWords &game) {
    if (command == "howtoplay") {
        // The key goes to the active window; the viewer's may have taken its place.
        game.activateWindow();
        if (!QTest::qWaitForWindowActive(&game)) {
            return;
        }
        test::press(game, Qt::Key_F1);
    } else if (command == "exit") {
        game.findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
    }
    std::printf("done %s\n", command.constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    FakeRegistry registry;
    FakeSystem system;
    ScriptedDialogs dialogs;
    GameProgram program({registry, system, system, system, dialogs});
    QApplication::topLevelWidgets().value(0)->findChild<QTimer *>(QStringLiteral("tmrSplash"))->start(0);
    if (!QTest::qWaitFor([] { return shownGameWindow() != nullptr; })) {
        return 1;
    }
    frmWords &game = *shownGameWindow();
    // Left running at the end: it only ever waits for the next line.
    std::thread([&] {
        for (std::string line; std::getline(std::cin, line);) {
            const QByteArray command = QByteArray::fromStdString(line).trimmed();
            // In order, never one command inside another's wait.
            QMetaObject::invokeMethod(
                &game, [&game, command] { carryOut(command, game); }, Qt::QueuedConnection);
        }
    }).detach();
    std::puts("ready");
    std::fflush(stdout);
    return QApplication::exec();
}
