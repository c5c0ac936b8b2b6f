#!/usr/bin/env bash
# Takes the README's screenshots of the real windows under a virtual X server.
# Usage: scripts/screenshots.sh [BUILD_DIR]   (default: build)
set -euo pipefail
source "$(dirname "$0")/common.sh"
ensure_packages $WORDSNARL_SCREENSHOT_PACKAGES

build="${1:-$WORDSNARL_ROOT/build}"
out="$WORDSNARL_ROOT/docs/screenshots"
mkdir -p "$out"
display=:97
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
export DISPLAY="$display"

# shoot WINDOW_NAME_PATTERN FILE: captures the first window whose title matches.
shoot() {
    local id
    id=$(xdotool search --sync --onlyvisible --name "$1" | head -n 1)
    import -window "$id" "$out/$2"
    echo "saved $out/$2"
}

step "Splash window and game window"
"$build/wordsnarl" &
game=$!
sleep 1.5
import -window root -crop 307x321+358+223 +repage "$out/splash.png"
echo "saved $out/splash.png"
sleep 5
shoot "Wordsnarl - Puzzle Number" game.png
kill "$game"

step "Game window in a dark desktop theme (qt6ct with its darker colours)"
theme=$(mktemp -d)
mkdir -p "$theme/qt6ct"
printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n' \
    >"$theme/qt6ct/qt6ct.conf"
XDG_CONFIG_HOME="$theme" QT_QPA_PLATFORMTHEME=qt6ct "$build/wordsnarl" &
game=$!
sleep 6.5
shoot "Wordsnarl - Puzzle Number" game-dark.png
kill "$game"
rm -rf "$theme"
