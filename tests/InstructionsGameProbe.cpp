// The game window with the real Help-menu windows, driven by the commands on
// its command line and then one per line on standard input ("howtoplay",
// "about", "ctrl-x", "exit", "close", "ping", "no-browser"), each answered
// with "done <command>" once carried out. Each URL handed to the desktop and
// each message shown is reported on standard error. Tests and benchmarks use
// it to play the game's part beside the real instructions viewer, and to end
// the game the ways a player can. Started with "splash-closed-early", it shows
// only the splash, closes it before its timer fires, and fails should a game
// window follow.
#include "accessory/Accessories.h"
#include "app/frmSplash.h"
#include "game/frmWords.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

namespace {

void say(const QByteArray &line) {
    std::fputs((line + '\n').constData(), stdout);
    std::fflush(stdout);
}

void carryOut(const QByteArray &command, frmWords &game, FakeSystem &system) {
    if (command == "howtoplay" || command == "about" || command == "exit") {
        const QString item = command == "howtoplay" ? "mnuHowToPlay"
                             : command == "about"   ? "mnuAbout"
                                                    : "mnuExit";
        game.findChild<QAction *>(item)->trigger();
    } else if (command == "ctrl-x") {
        // Text boxes claim Ctrl+X for cutting unless the game window takes it back.
        QWidget *box = game.findChild<QWidget *>(QStringLiteral("txtAns1(1)"));
        game.activateWindow();
        box->setFocus();
        if (QTest::qWaitForWindowActive(&game)) {
            QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        }
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
    QApplication::setQuitOnLastWindowClosed(false);
    if (app.arguments().value(1) == QLatin1String("splash-closed-early")) {
        bool gameWindowShown = false;
        auto *splash = new frmSplash([&] { gameWindowShown = true; });
        splash->show();
        QTimer::singleShot(50, splash, &QWidget::close);
        const int code = QApplication::exec();
        return gameWindowShown ? 1 : code;
    }

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
