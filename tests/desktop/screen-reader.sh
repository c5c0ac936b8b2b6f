#!/usr/bin/env bash
# Plays a puzzle by ear: Orca, Debian's screen reader, on a private X desktop with its own
# D-Bus session and AT-SPI bus; after each key, the check reads what Orca spoke in its debug
# file. Its speech goes to speech-dispatcher's generic module, which only appends to a file.
# Usage: screen-reader.sh GAME_PROGRAM
set -euo pipefail
game="$(realpath "$1")"
here="$(dirname "$(realpath "$0")")"
run="$(mktemp -d)"
# Every program started in the background ends when the test ends.
pids=()
# start COMMAND...: runs it in the background until the test ends.
start() { "$@" & pids+=($!); }
# wait_for SECONDS COMMAND...: retries the command until it succeeds.
wait_for() {
    local deadline=$((SECONDS + $1)); shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
wm_running() { [[ "$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null)" == *"window id"* ]]; }
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    kill "$(cat "$run/runtime/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null)" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$run"
}
trap cleanup EXIT
export HOME="$run/home" XDG_CONFIG_HOME="$run/config" XDG_DATA_HOME="$run/data"
export XDG_CACHE_HOME="$run/cache" XDG_RUNTIME_DIR="$run/runtime" GSETTINGS_BACKEND=memory
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/orca" "$XDG_CACHE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
cp -r "$here/speech-dispatcher" "$XDG_CONFIG_HOME/"
# The debug file is written in blocks; each line at once lets the checks wait for it.
printf '%s\n' 'from orca import debug' 'debug.debugFile.reconfigure(line_buffering=True)' \
    >"$XDG_DATA_HOME/orca/orca-customizations.py"

# A private X server, whose display number it writes itself, with a window manager.
start Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$run/display" 2>"$run/xvfb.log"
wait_for 10 test -s "$run/display" || { echo "FAIL: no X server" >&2; exit 1; }
export DISPLAY=":$(cat "$run/display")"
start openbox --sm-disable >"$run/openbox.log" 2>&1
wait_for 10 wm_running || { echo "FAIL: no window manager" >&2; exit 1; }
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$run/bus" 4>"$run/bus.pid"
pids+=("$(cat "$run/bus.pid")")
export DBUS_SESSION_BUS_ADDRESS="$(cat "$run/bus")"
speech-dispatcher --spawn -t 0 >"$run/speech-dispatcher.log" 2>&1
start orca --debug-file="$run/orca.debug" >"$run/orca.log" 2>&1

mark=0
spoken() { sed -n "s/^.* SPEECH OUTPUT: '\(.*\)' \?{.*$/\1/p" "$run/orca.debug" 2>/dev/null; }
since() { spoken | tail -n +$((mark + 1)); }
fail() { printf 'FAIL: %s\nOrca said since the last key:\n%s\n' "$1" "$(since)" >&2; exit 1; }
# hear PATTERN: waits until Orca has said it since the last key.
hear() {
    for _ in $(seq 150); do since | grep -qE -- "$1" && return; sleep 0.1; done
    fail "Orca never said: $1"
}
# step KEYS HEARD [ONCE [NEVER]]: presses the keys and, once Orca has said HEARD and
# fallen silent, shows all it said; it must have said ONCE once, and NEVER not at all.
step() {
    mark=$(spoken | wc -l)
    xdotool key --delay 150 $1
    hear "$2"
    sleep 1
    printf '[%s]\n' "$1"
    since | sed 's/^/    /'
    [ -z "${3:-}" ] || [ "$(since | grep -cE -- "$3")" -eq 1 ] || fail "Orca did not say once: $3"
    [ -z "${4:-}" ] || ! since | grep -qE -- "$4" || fail "Orca said: $4"
}

hear 'Screen reader on'
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start "$game" >"$run/game.log" 2>&1
hear '^Wordsnarl - Puzzle Number [0-9]+ frame'

# Puzzle 1: Firm, Bat, Wait, Volume, Vision; the final row, Moist, answers "Slightly Wet:".
step F3 'Enter Puzzle Number'
step '1 Return' '^Puzzle Number 1\. Answer 1, letter 1 of 4 text'
step shift+Tab '^Solid\.$' '^Solid'
step Tab '^Answer 1, letter 1 of 4 text'
step KP_Enter '^Definitions: Company; Solid'
step f '^Answer 1, letter 2 of 4 text' '' 'Definitions'
step 'i r m Tab' '^Flying Mammal\.$' '^Flying Mammal'
step Tab '^A Piece of Baseball Equipment\.$' '^A Piece of Baseball'
step Tab '^Answer 2, letter 1 of 3 text'
step ctrl+h '^Hint: B\. Answer 2, letter 2 of 3 text'
# A typed "?" is a letter like any other, and the row's next hint is its first.
step 'a t Tab Tab Tab w a i t Tab Tab Tab v o l question' '^Answer 4, letter 5 of 6 text' '' 'Hint'
step ctrl+h '^Hint: V\. Answer 4, letter 5 of 6 text'
step 'shift+Tab shift+Tab shift+Tab o l u m e Tab Tab Tab v i s i o n Tab' \
    '^Final answer, 5 letters: the marked letters of the five answers, rearranged' '^Final clue: Slightly Wet:'
step 'm o i s t Tab space' 'Play Again'
step Return '^Puzzle Number [0-9]+\. Answer 1, letter 1 of [0-9]+'
step F2 '^Puzzle Number [0-9]+\. Answer 1, letter 1 of [0-9]+'
echo "Orca told the whole game"
