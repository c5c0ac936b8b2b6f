#!/usr/bin/env bash
# Installs what is missing, builds Wordsnarl with its benchmarks and runs them all.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

ensure_packages $WORDSNARL_BUILD_PACKAGES $WORDSNARL_BENCH_PACKAGES
configure_and_build "$WORDSNARL_ROOT/build"
export QT_QPA_PLATFORM=offscreen
for benchmark in "$WORDSNARL_ROOT"/build/bench/bench_*; do
    [ -f "$benchmark" ] && [ -x "$benchmark" ] || continue # skips the build's own folders
    step "Running $(basename "$benchmark")"
    if [ "$(basename "$benchmark")" = bench_instructions ]; then
        # Times the game and its instructions viewer together, 7 runs, and prints medians.
        # Chromium's sandbox cannot start as root, so this run turns it off.
        QTWEBENGINE_DISABLE_SANDBOX=1 "$benchmark" 7
    else
        "$benchmark" --benchmark_repetitions=7 --benchmark_report_aggregates_only=true
    fi
done
