#!/usr/bin/env bash
# Installs what is missing, builds Wordsnarl with its benchmarks and runs them all.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

ensure_packages $WORDSNARL_BUILD_PACKAGES libbenchmark-dev
configure_and_build "$WORDSNARL_ROOT/build"
export QT_QPA_PLATFORM=offscreen
for benchmark in "$WORDSNARL_ROOT"/build/bench/bench_*; do
    step "Running $(basename "$benchmark")"
    "$benchmark" --benchmark_repetitions=7 --benchmark_report_aggregates_only=true
done
