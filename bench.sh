#!/usr/bin/env bash
# Installs what is missing, builds Wordsnarl with its benchmarks and runs them all.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

ensure_packages $WORDSNARL_BUILD_PACKAGES $WORDSNARL_BENCH_PACKAGES
configure_and_build "$WORDSNARL_ROOT/build"
bench="$WORDSNARL_ROOT/build/bench"
runs=7

# Windows a player sees are timed on a real X server: a private Xvfb with no window manager.
on_x_server() {
    xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -nolisten tcp" "$@"
}

if [ -x "$bench/bench_game" ]; then
    step "Running bench_game"
    QT_QPA_PLATFORM=offscreen "$bench/bench_game" --benchmark_repetitions=$runs \
        --benchmark_report_aggregates_only=true
fi

if [ -x "$bench/bench_startup" ]; then
    step "Running bench_startup"
    # Starts the game and its hand-over probe on the X server and prints medians.
    on_x_server "$bench/bench_startup" $runs
fi

if [ -x "$bench/bench_instructions" ]; then
    step "Running bench_instructions"
    # Times the game and its instructions viewer together and prints medians.
    # Chromium's sandbox cannot start as root, so this run turns it off.
    QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1 on_x_server "$bench/bench_instructions" $runs
fi
