#!/usr/bin/env bash
# Photographs every window of the game under a virtual X server, each in three looks:
# normal size ("plain"), double size ("200", QT_SCALE_FACTOR=2) and a dark desktop
# ("dark": qt6ct's "darker" colours with the Fusion style, the palette a dark desktop
# hands to Qt). Windows are found by their titles and photographed on their own, so
# nothing depends on where they open. The README's pictures go to docs/screenshots,
# made small.
# Usage: scripts/screenshots.sh [BUILD_DIR [OUT_DIR]]   (defaults: build, BUILD_DIR/screenshots)
set -euo pipefail
source "$(dirname "$0")/common.sh"
ensure_packages $WORDSNARL_SCREENSHOT_PACKAGES

build="${1:-$WORDSNARL_ROOT/build}"
out="${2:-$build/screenshots}"
docs="$WORDSNARL_ROOT/docs/screenshots"
for program in wordsnarl wordsnarl-instructions; do
    [ -x "$build/$program" ] || { echo "No $build/$program: build the game first." >&2; exit 1; }
done
mkdir -p "$out" "$docs"

# The game's own settings only: nothing of the desktop this script runs on may leak in.
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS \
    QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI QT_QPA_PLATFORM
# Chromium, inside the instructions viewer, refuses its sandbox when run as root.
if [ "$(id -u)" -eq 0 ]; then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi
export QT_LOGGING_RULES="qt.webenginecontext.info=false"

scratch=$(mktemp -d)
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime"
screen_width=2560
screen_height=1600
# Xvfb picks a free display itself and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -dpi 96 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb=$!
game=""
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
timeout 10 bash -c "until [ -s '$scratch/display' ]; do sleep 0.1; done"
export DISPLAY=":$(cat "$scratch/display")"

# A dark desktop as qt6ct makes it: the same font as the plain look, only the colours differ.
mkdir -p "$scratch/dark/qt6ct"
cat >"$scratch/dark/qt6ct/qt6ct.conf" <<'EOF'
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion
standard_dialogs=default

[Fonts]
general="Sans Serif,9,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
fixed="Monospace,9,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
EOF

# window TITLE_PATTERN: waits for the visible window whose title matches and prints its id.
window() {
    find_window --name "$1"
}

# find_window XDOTOOL_SEARCH_OPTIONS...: waits for the first visible window that matches.
find_window() {
    local id
    id=$(timeout 60 xdotool search --sync --onlyvisible "$@" | head -n 1) || true
    [ -n "$id" ] || { echo "No window came for: $*" >&2; exit 1; }
    echo "$id"
}

# shoot ID FILE: photographs one window once it has painted, with the mouse
# pointer out of the way: it would light up a button or raise a tool tip.
shoot() {
    [ -n "$1" ] || exit 1
    xdotool mousemove $((screen_width - 1)) $((screen_height - 1))
    sleep 0.8
    # Without a window, import would wait for someone to click one.
    xdotool getwindowname "$1" >/dev/null
    timeout 30 import -window "$1" "$out/$2"
    echo "saved $out/$2"
}

# keys ID KEY...: presses keys in the given window.
keys() {
    local id="$1"
    shift
    xdotool windowfocus --sync "$id" key --delay 60 "$@"
    sleep 0.4
}

# click_twips GAME_ID LEFT TOP: clicks the game window at a place of its client area,
# given in twips, at the session's scale. The client area fills the window below
# the menu bar, so its bottom edge is the window's.
click_twips() {
    local id="$1" left="$2" top="$3" height
    height=$(xdotool getwindowgeometry --shell "$id" | sed -n 's/^HEIGHT=//p')
    xdotool mousemove --window "$id" $((left * scale / 15)) $((height - (7620 - top) * scale / 15)) click 1
    sleep 0.3
}

# instructions_window: waits until the instructions viewer shows its page and prints
# its window's id. Its caption reads "Working..." while the page loads, and its
# window may be made anew when the web view first shows.
instructions_window() {
    local id title
    for _ in $(seq 300); do
        for id in $(xdotool search --onlyvisible --classname '^wordsnarl-instructions$' 2>/dev/null); do
            title=$(xdotool getwindowname "$id" 2>/dev/null) || continue
            if [ -n "$title" ] && [ "$title" != "Working..." ]; then
                sleep 1.5 # the page paints after its title arrives
                echo "$id"
                return
            fi
        done
        sleep 0.2
    done
    echo "The instructions window never showed its page" >&2
    exit 1
}

scale=1
# Half a box right and down from a control's left and top, so the click lands inside it.
box_centre=187

# session LOOK SCALE [ENV=VALUE...]: runs the game once in the given look and
# photographs each of its windows.
session() {
    local look="$1"
    scale="$2"
    shift 2
    step "Windows in the $look look"
    env "$@" "$build/wordsnarl" &
    game=$!

    # The splash window has no title; until the game window comes it is the game's only window.
    shoot "$(find_window --pid "$game")" "splash-$look.png"
    local id
    id=$(window '^Wordsnarl - Puzzle Number ')

    keys "$id" F3
    local ask
    ask=$(window '^Enter Puzzle Number$')
    xdotool type --delay 60 1
    shoot "$ask" "select-puzzle-$look.png"
    keys "$ask" Return

    # Puzzle 1: "Firm" typed in row 1 (its marked box last), "Ba" typed in row 2,
    # two hints for row 3, and the final row's hint twice, into its red boxes.
    xdotool windowfocus --sync "$id" type --delay 80 firm
    click_twips "$id" $((3690 + box_centre)) $((1800 + box_centre))
    xdotool type --delay 80 ba
    click_twips "$id" $((3240 + box_centre)) $((3120 + box_centre))
    click_twips "$id" $((3240 + box_centre)) $((3120 + box_centre))
    click_twips "$id" $((600 + box_centre)) $((7080 + box_centre))
    click_twips "$id" $((600 + box_centre)) $((7080 + box_centre))
    shoot "$id" "game-$look.png"

    click_twips "$id" $((6960 + 600)) $((6840 + 240))
    local message
    message=$(window '^Incorrect!$')
    shoot "$message" "correct-$look.png"
    keys "$message" Return

    # Puzzle 5: "Grandstand" typed into row 4, the longest row the board lays out; its
    # last box must stay inside the window in every look.
    keys "$id" F3
    ask=$(window '^Enter Puzzle Number$')
    xdotool type --delay 60 5
    keys "$ask" Return
    click_twips "$id" $((3690 + box_centre)) $((4440 + box_centre))
    xdotool type --delay 80 grandstand
    shoot "$id" "game-long-row-$look.png"

    keys "$id" ctrl+a
    local about
    about=$(window '^About Wordsnarl$')
    shoot "$about" "about-$look.png"
    keys "$about" Escape

    keys "$id" F1
    shoot "$(instructions_window)" "instructions-$look.png"

    kill "$game"
    wait "$game" 2>/dev/null || true
    game=""
}

session plain 1
session 200 2 QT_SCALE_FACTOR=2
session dark 1 XDG_CONFIG_HOME="$scratch/dark" QT_QPA_PLATFORMTHEME=qt6ct

step "The README's pictures, made small, in $docs"
for picture in game-plain game-200 game-dark game-long-row-plain game-long-row-200 game-long-row-dark \
    splash-plain select-puzzle-plain correct-plain about-plain instructions-plain; do
    target="$docs/${picture%-plain}.png"
    convert "$out/$picture.png" -strip +dither -colors 256 -define png:compression-level=9 "PNG8:$target"
    echo "saved $target ($(stat -c %s "$target") bytes)"
done
