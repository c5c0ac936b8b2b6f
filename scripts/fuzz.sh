#!/usr/bin/env bash
# Installs what is missing, builds the libFuzzer targets with clang and runs each
# for a bounded time on a copy of its seed corpus, so the repository stays as it is.
# Usage: scripts/fuzz.sh [seconds per target, default 60] [extra CMake options...]
# An input that breaks a target is kept in build-fuzz/crashes/ and ends the script.
set -euo pipefail
source "$(dirname "$0")/common.sh"

seconds="${1:-60}"
shift || true
dir="$WORDSNARL_ROOT/build-fuzz"
targets=(puzzle_number get_key_value)

ensure_packages $WORDSNARL_BUILD_PACKAGES $WORDSNARL_FUZZ_PACKAGES

# Only the targets are built: they compile the code under test themselves and
# need neither the game nor the instructions viewer.
step "Configuring the fuzz targets in $dir"
cmake -S "$WORDSNARL_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DWORDSNARL_FUZZ=ON -DWORDSNARL_INSTRUCTIONS_VIEWER=OFF "$@"
step "Building the fuzz targets"
cmake --build "$dir" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

corpora="$(mktemp -d)"
trap 'rm -rf "$corpora"' EXIT
mkdir -p "$dir/crashes"
for target in "${targets[@]}"; do
    cp -r "$WORDSNARL_ROOT/fuzz/corpus/$target" "$corpora/$target"
    options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$dir/crashes/$target-")
    if [ -f "$WORDSNARL_ROOT/fuzz/$target.dict" ]; then
        options+=(-dict="$WORDSNARL_ROOT/fuzz/$target.dict")
    fi
    step "Fuzzing $target for $seconds s"
    "$dir/fuzz/fuzz_$target" "${options[@]}" "$corpora/$target"
done
step "No fuzz target found a fault"
