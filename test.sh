#!/usr/bin/env bash
# Installs what is missing, builds Wordsnarl and runs every test, headless.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

ensure_packages $WORDSNARL_BUILD_PACKAGES $WORDSNARL_TEST_PACKAGES
configure_and_build "$WORDSNARL_ROOT/build" "$@"
step "Running the tests"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$WORDSNARL_ROOT/build" --output-on-failure -j 2
