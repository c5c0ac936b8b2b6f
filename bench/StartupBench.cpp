// How soon a player sees the game's windows, and what the game takes in
// memory, watched from outside the programs on a real X server.
//
// Splash: the real game program started, to the first pixels of its splash
// reaching the X server. Hand-over: the game program as main() starts it, with
// the splash's wait cut to a second (handover_probe), from its splash timer
// firing to the first pixels of the game window. Memory: resident and
// proportional set size of the real game with its splash and then its game
// window shown.
//
// Usage: bench_startup [runs]   (default 7; medians are printed). Needs an X
// server in DISPLAY with no window manager, as bench.sh gives it under Xvfb.
#include "Median.h"
#include "Memory.h"
#include "WindowWatch.h"

#include <QCoreApplication>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <cstdio>

using namespace std::chrono_literals;

namespace {

using Clock = WindowWatch::Clock;

// Long enough for what a program does just after it first shows a window.
constexpr unsigned long SettleMilliseconds = 1000;

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double mebibytes(qint64 kibibytes) {
    return static_cast<double>(kibibytes) / 1024.0;
}

// Starts the program on the X server, whatever platform the caller's environment names.
Clock::time_point start(QProcess &process, const QString &program) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const Clock::time_point started = Clock::now();
    process.start(program, {});
    process.waitForStarted(5000);
    return started;
}

void stop(QProcess &process) {
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

struct Memory {
    double rssMiB = 0;
    double pssMiB = 0;
};

Memory memoryOf(const QProcess &process) {
    QThread::msleep(SettleMilliseconds);
    return {mebibytes(memory::rssKiB(process.processId())),
            mebibytes(memory::pssKiB(process.processId()))};
}

struct GameRun {
    double splashMilliseconds = 0;
    double gameWindowMilliseconds = 0;
    Memory withSplash;
    Memory withGameWindow;
};

bool measureGame(WindowWatch &watch, GameRun &run) {
    QProcess game;
    const Clock::time_point started = start(game, QStringLiteral(GAME_PROGRAM));
    const auto splash = watch.firstDrawn(game.processId(), WindowWatch::Kind::Splash, 10s);
    if (!splash) {
        stop(game);
        return false;
    }
    run.splashMilliseconds = millisecondsBetween(started, *splash);
    run.withSplash = memoryOf(game);
    const auto gameWindow = watch.firstDrawn(game.processId(), WindowWatch::Kind::Normal, 15s);
    if (!gameWindow) {
        stop(game);
        return false;
    }
    run.gameWindowMilliseconds = millisecondsBetween(started, *gameWindow);
    run.withGameWindow = memoryOf(game);
    stop(game);
    return true;
}

// The probe's report of its splash timer firing, on the steady clock.
std::optional<Clock::time_point> timerFired(QProcess &probe) {
    while (!probe.canReadLine() && probe.waitForReadyRead(5000)) {
    }
    const QByteArray line = probe.readLine().trimmed();
    const QByteArray prefix = "timer fired ";
    bool isNumber = false;
    const qint64 nanoseconds = line.mid(prefix.size()).toLongLong(&isNumber);
    if (!line.startsWith(prefix) || !isNumber) {
        return std::nullopt;
    }
    return Clock::time_point(std::chrono::nanoseconds(nanoseconds));
}

bool measureHandOver(WindowWatch &watch, double &milliseconds) {
    QProcess probe;
    start(probe, QStringLiteral(HANDOVER_PROBE));
    const auto gameWindow = watch.firstDrawn(probe.processId(), WindowWatch::Kind::Normal, 15s);
    const auto fired = gameWindow ? timerFired(probe) : std::nullopt;
    stop(probe);
    if (!fired) {
        return false;
    }
    milliseconds = millisecondsBetween(*fired, *gameWindow);
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = std::max(1, app.arguments().value(1, QStringLiteral("7")).toInt());
    WindowWatch watch;
    if (!watch.isReady()) {
        std::fputs("Needs an X server with the DAMAGE extension in DISPLAY (bench.sh runs Xvfb)\n", stderr);
        return 1;
    }

    QList<double> splashShown;
    QList<double> gameWindowShown;
    QList<double> splashRss;
    QList<double> splashPss;
    QList<double> gameRss;
    QList<double> gamePss;
    QList<double> handOvers;
    for (int run = 0; run < runs; ++run) {
        GameRun game;
        if (!measureGame(watch, game)) {
            std::fprintf(stderr, "The game's windows were not drawn in run %d\n", run + 1);
            return 1;
        }
        splashShown.append(game.splashMilliseconds);
        gameWindowShown.append(game.gameWindowMilliseconds);
        splashRss.append(game.withSplash.rssMiB);
        splashPss.append(game.withSplash.pssMiB);
        gameRss.append(game.withGameWindow.rssMiB);
        gamePss.append(game.withGameWindow.pssMiB);

        double handOver = 0;
        if (!measureHandOver(watch, handOver)) {
            std::fprintf(stderr, "The probe's hand-over was not seen in run %d\n", run + 1);
            return 1;
        }
        handOvers.append(handOver);
    }

    std::printf("Medians of %d runs:\n", runs);
    std::printf("  Program started to splash drawn:             %7.1f ms\n", median(splashShown));
    std::printf("  Splash timer fired to game window drawn:     %7.1f ms\n", median(handOvers));
    std::printf("  Program started to game window drawn:        %7.1f ms\n", median(gameWindowShown));
    std::printf("  Memory with the splash shown:      RSS %5.1f MiB, PSS %5.1f MiB\n", median(splashRss),
                median(splashPss));
    std::printf("  Memory with the game window shown: RSS %5.1f MiB, PSS %5.1f MiB\n", median(gameRss),
                median(gamePss));
    return 0;
}
