#!/usr/bin/env bash
# Installs what is missing, builds Wordsnarl and starts it.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

ensure_packages $WORDSNARL_BUILD_PACKAGES
configure_and_build "$WORDSNARL_ROOT/build"
# A chosen Qt platform (offscreen, vnc) needs no desktop session.
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: start Wordsnarl from a desktop session, or set QT_QPA_PLATFORM." >&2
    exit 1
fi
step "Starting Wordsnarl"
exec "$WORDSNARL_ROOT/build/wordsnarl"
