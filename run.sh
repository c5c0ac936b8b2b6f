#!/usr/bin/env bash
# Installs what is missing, builds Wordsnarl and starts it.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

ensure_packages $WORDSNARL_BUILD_PACKAGES
configure_and_build "$WORDSNARL_ROOT/build"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: start Wordsnarl from a desktop session." >&2
    exit 1
fi
step "Starting Wordsnarl"
exec "$WORDSNARL_ROOT/build/wordsnarl"
