// What a player waits for while playing: a board rebuild, a typed letter
// moving the focus on, and loading a puzzle from the catalog.
#include "puzzles/basPuzzles.h"
#include "support/GameDriver.h"

#include <QApplication>
#include <QtTest>

#include <benchmark/benchmark.h>

namespace {

// Made in main(), after the application object and destroyed before it.
GameDriver *driver = nullptr;

GameDriver &game() {
    return *driver;
}

void BoardRebuild(benchmark::State &state) {
    for (auto _ : state) {
        game().press(Qt::Key_F2); // ClearBoard, BuildBoard(0), focus to the first box
    }
}
BENCHMARK(BoardRebuild)->Unit(benchmark::kMicrosecond);

void TypedLetter(benchmark::State &state) {
    game().selectPuzzle(QStringLiteral("1"));
    QLineEdit *first = game().box(4, 1);
    const QLineEdit *second = game().box(4, 2);
    for (auto _ : state) {
        state.PauseTiming();
        first->setFocus();
        state.ResumeTiming();
        game().press(Qt::Key_V); // key event through the window to the focus in box 2
        benchmark::DoNotOptimize(QApplication::focusWidget() == second);
    }
}
BENCHMARK(TypedLetter)->Unit(benchmark::kMicrosecond);

void LoadPuzzle(benchmark::State &state) {
    std::int16_t number = 1;
    for (auto _ : state) {
        basPuzzles::LoadPuzzle(number);
        number = static_cast<std::int16_t>(number % basPuzzles::CatalogSize + 1);
    }
}
BENCHMARK(LoadPuzzle)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    auto window = std::make_unique<GameDriver>();
    driver = window.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
