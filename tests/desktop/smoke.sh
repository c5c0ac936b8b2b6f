#!/usr/bin/env bash
# Plays the real game and its instructions viewer on a private X server with a
# window manager, keys typed through the X server as a player's are.
# Typing a whole puzzle through the X server is the screen-reader test's part.
# Usage: smoke.sh GAME
set -euo pipefail
game="$1"
work="$(mktemp -d)"
source "$(dirname "$0")/private-desktop.sh"
trap 'end_all; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; import -window root "${TMPDIR:-/tmp}/smoke-failure.png" 2>/dev/null; exit 1; }
window_named() { xdotool search --onlyvisible --name "^$1\$"; }
active_title() { [[ "$(xdotool getactivewindow getwindowname)" == $1 ]]; }
keys() { xdotool key --delay 40 "$@"; }
type_text() { xdotool type --delay 40 "$1"; }

start_desktop "$work"
export QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1 HOME="$work"
for page in Second Third; do
    printf '<html><head><title>%s Page</title></head></html>' "$page" >"$work/$page.htm"
done

start "$game"
game_pid=$!
splash_shown() {
    for window in $(xdotool search --onlyvisible --pid "$game_pid"); do
        [[ "$(xprop -id "$window" _NET_WM_WINDOW_TYPE)" == *SPLASH* ]] && return 0
    done
    return 1
}
wait_for 10 splash_shown || fail "no splash"
window_named "Wordsnarl - Puzzle Number [0-9]+" && fail "the game window came with the splash"
wait_for 10 window_named "Wordsnarl - Puzzle Number [0-9]+" || fail "no game window after the splash"
wait_for 5 active_title "Wordsnarl - Puzzle Number [0-9]*" || fail "the game window has no focus"

# How To Play, a typed address, and back Home.
keys F1
wait_for 60 active_title "How To Play Wordsnarl" || fail "F1 showed no instructions"
keys alt+a ctrl+a
type_text "$work/Second.htm"
keys Return
wait_for 20 active_title "Second Page" || fail "a typed path and Enter went nowhere"
keys alt+a ctrl+a
type_text "file://$work/Third.htm"
keys KP_Enter
wait_for 20 active_title "Third Page" || fail "a typed URL and the keypad's Enter went nowhere"
xdotool mousemove --window "$(xdotool getactivewindow)" 140 18 click 1
wait_for 20 active_title "How To Play Wordsnarl" || fail "Home did not return to the instructions"

# Closing the viewer's window keeps the viewer ready for the next F1; Ctrl+X
# in the game ends both programs at once.
viewer_pid="$(pgrep -P "$game_pid")" || fail "no viewer beside the game"
keys alt+F4
wait_for 5 active_title "Wordsnarl - Puzzle Number [0-9]*" || fail "the game did not come back"
keys F1
wait_for 5 active_title "How To Play Wordsnarl" || fail "F1 did not show the instructions again"
[ "$(pgrep -P "$game_pid")" = "$viewer_pid" ] || fail "the viewer was not kept ready"
xdotool windowactivate --sync "$(window_named "Wordsnarl - Puzzle Number [0-9]+")"
keys ctrl+x
wait_for 3 sh -c "! kill -0 $game_pid" || fail "the game did not end within 3 s"
wait_for 3 sh -c "! kill -0 $viewer_pid" || fail "the viewer outlived the game"
echo "desktop smoke test passed"
