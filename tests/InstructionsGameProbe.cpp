// The game program as main() starts it, with a stand-in system and the splash
// cut short, driven by the commands on its command line and then one per line
// on standard input ("howtoplay", "about", "ctrl-x", "exit", "close",
// "no-browser"), each answered with "done <command>" once carried out. Each URL
// handed to the desktop and each message shown is reported on standard error.
// Started with "splash-closed-early", it closes the splash before its timer
// fires and fails should a game window follow. Started as the viewer is, with
// the game's channel, it stands in for the viewer without a web engine: it
// follows the game exactly as the viewer does and reports the instructions
// page's caption, as the viewer's caption log would, at first and for every
// request that reaches it.
#include "accessory/InstructionsChannel.h"
#include "app/GameProgram.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"
#include "support/InstructionsPages.h"
#include "support/Keys.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QLocalSocket>

#include <cstdio>
#include <iostream>
#include <thread>

namespace {

// The player's side of the desktop: every URL and message is reported.
class ReportingDesktop final : public UrlOpener, public Dialogs {
public:
    bool urlsOpen = true;
    bool open(const QUrl &url) override {
        std::fprintf(stderr, "url: %s\n", url.toEncoded().constData());
        return urlsOpen;
    }
    void showMessage(QWidget *, const QString &text, const QString &, Icon) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(QString(text).replace('\n', ' ')));
    }
    QString askText(QWidget *, const QString &, const QString &) override { return {}; }
    bool askYesNo(QWidget *, const QString &, const QString &, Icon) override { return false; }
};

frmWords *shownGameWindow() {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *game = qobject_cast<frmWords *>(window); game && game->isVisible()) {
            return game;
        }
    }
    return nullptr;
}

void carryOut(const QByteArray &command, frmWords &game, ReportingDesktop &desktop) {
    game.activateWindow();
    if (!QTest::qWaitForWindowActive(&game)) {
        return;
    }
    if (command == "howtoplay") {
        test::press(game, Qt::Key_F1);
    } else if (command == "about" || command == "ctrl-x") {
        test::press(game, command == "about" ? Qt::Key_A : Qt::Key_X, Qt::ControlModifier);
    } else if (command == "exit") {
        game.findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
    } else if (command == "close") {
        game.close();
    } else if (command == "no-browser") {
        desktop.urlsOpen = false;
    }
    std::printf("done %s\n", command.constData());
    std::fflush(stdout);
}

int standInViewer(const QString &channelName) {
    const QByteArray caption =
        "wordsnarl.instructions.caption: " + InstructionsPages::InstructionsTitle.toUtf8();
    const auto shown = [&] { std::fprintf(stderr, "%s\n", caption.constData()); };
    QLocalSocket channel;
    QObject::connect(&channel, &QLocalSocket::connected, shown);
    QObject::connect(&channel, &QLocalSocket::readyRead, [&] {
        channel.readAll();
        shown();
    });
    QObject::connect(&channel, &QLocalSocket::disconnected, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(&channel, &QLocalSocket::errorOccurred, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    channel.connectToServer(channelName, QIODevice::ReadOnly);
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (app.arguments().value(1) == instructions::ChannelOption) {
        return standInViewer(app.arguments().value(2));
    }
    FakeRegistry registry;
    FakeSystem system;
    ReportingDesktop desktop;
    GameProgram program({registry, system, system, desktop, desktop});
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
    // In order, never one command inside another's wait.
    const auto queue = [&](const QStringList &commands) {
        QMetaObject::invokeMethod(
            &game,
            [&, commands] {
                for (const QString &command : commands) {
                    carryOut(command.toLatin1(), game, desktop);
                }
            },
            Qt::QueuedConnection);
    };
    queue(app.arguments().mid(1));
    // Left running at the end: it only ever waits for the next line.
    std::thread([&] {
        for (std::string line; std::getline(std::cin, line);) {
            queue({QString::fromStdString(line).trimmed()});
        }
    }).detach();
    std::puts("ready");
    std::fflush(stdout);
    return QApplication::exec();
}
