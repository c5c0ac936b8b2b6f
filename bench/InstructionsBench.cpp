// How long How To Play takes to show the instructions page's title, and what
// the instructions viewer adds to the game's memory.
//
// First open: the game probe beside the real viewer, from the menu command to
// the viewer's caption showing the page's title, which the viewer reports on
// its caption log; memory is the proportional set size (PSS) of the game's
// whole process tree before and after, and the resident set sizes (RSS) of its
// processes added up after. Reopen: a closed window made again inside a running
// viewer, from the request to the title.
//
// Usage: bench_instructions [runs]   (default 7; medians are printed)
#include "GameProbe.h"
#include "InstructionsViewer.h"
#include "Median.h"
#include "Memory.h"
#include "frmBrowser.h"
#include "support/WaitUntil.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

namespace {

const QString ProgramFolder = QStringLiteral(PROGRAM_FOLDER);

QString pageTitle() {
    QFile page(ProgramFolder + QStringLiteral("/GameInstructions.htm"));
    if (!page.open(QIODevice::ReadOnly)) {
        return {};
    }
    const auto match =
        QRegularExpression(QStringLiteral("<title>(.*)</title>")).match(QString::fromUtf8(page.readAll()));
    return match.captured(1);
}

struct FirstOpen {
    double windowMilliseconds = 0; // to the window's first caption
    double milliseconds = 0;
    double pssBeforeMiB = 0;
    double pssAfterMiB = 0;
    double rssAfterMiB = 0; // added up over the processes, so pages they share count more than once
};

bool measureFirstOpen(const QString &title, FirstOpen &result) {
    GameProbe game(ProgramFolder + QStringLiteral("/instructions_game_probe"));
    if (!game.start()) {
        return false;
    }
    QTest::qWait(500);
    result.pssBeforeMiB = memory::pssKiB(game.pid()) / 1024.0;
    game.clearErrors();
    QElapsedTimer clock;
    clock.start();
    if (!game.send("howtoplay") || !game.waitForError("caption: ", 30000)) {
        return false;
    }
    result.windowMilliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (!game.waitForError("caption: " + title.toUtf8(), 30000)) {
        return false;
    }
    result.milliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    QTest::qWait(1000);
    result.pssAfterMiB = memory::pssKiB(game.pid()) / 1024.0;
    result.rssAfterMiB = memory::rssKiB(game.pid()) / 1024.0;
    return game.send("exit") && game.waitForEnd(5000);
}

bool measureReopens(const QString &title, int runs, QList<double> &reopens) {
    InstructionsViewer viewer(ProgramFolder);
    viewer.show();
    if (!test::waitUntil([&] { return viewer.window()->windowTitle() == title; }, 30000)) {
        return false;
    }
    for (int run = 0; run < runs; ++run) {
        QPointer<frmBrowser> window = viewer.window();
        window->close();
        if (!test::waitUntil([&] { return window.isNull(); })) {
            return false;
        }
        QTest::qWait(300);
        QElapsedTimer clock;
        clock.start();
        viewer.show();
        if (!test::waitUntil([&] { return viewer.window()->windowTitle() == title; }, 10000)) {
            return false;
        }
        reopens.append(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const int runs = std::max(1, app.arguments().value(1, QStringLiteral("7")).toInt());
    const QString title = pageTitle();
    if (title.isEmpty()) {
        std::fprintf(stderr, "No instructions page beside the programs in %s\n", qPrintable(ProgramFolder));
        return 1;
    }
    // The viewer reports its captions only when asked to.
    qputenv("QT_LOGGING_RULES", "wordsnarl.instructions.caption.debug=true");

    QList<double> windowsShown;
    QList<double> firstOpens;
    QList<double> pssBefore;
    QList<double> pssAfter;
    QList<double> rssAfter;
    for (int run = 0; run < runs; ++run) {
        FirstOpen result;
        if (!measureFirstOpen(title, result)) {
            std::fprintf(stderr, "First open failed in run %d\n", run + 1);
            return 1;
        }
        windowsShown.append(result.windowMilliseconds);
        firstOpens.append(result.milliseconds);
        pssBefore.append(result.pssBeforeMiB);
        pssAfter.append(result.pssAfterMiB);
        rssAfter.append(result.rssAfterMiB);
    }
    qunsetenv("QT_LOGGING_RULES");

    QList<double> reopens;
    if (!measureReopens(title, runs, reopens)) {
        std::fprintf(stderr, "Reopening failed\n");
        return 1;
    }

    std::printf("Medians of %d runs:\n", runs);
    std::printf("  How To Play to window shown, first open (viewer started):%7.1f ms\n",
                median(windowsShown));
    std::printf("  How To Play to title shown, first open (viewer started): %7.1f ms\n", median(firstOpens));
    std::printf("  How To Play to title shown, reopen after a close:        %7.1f ms\n", median(reopens));
    std::printf("  Game's process tree PSS before How To Play:              %7.1f MiB\n", median(pssBefore));
    std::printf("  Game's process tree PSS with the instructions shown:     %7.1f MiB\n", median(pssAfter));
    std::printf("  Game's process tree RSS, summed, with the instructions:  %7.1f MiB\n", median(rssAfter));
    return 0;
}
