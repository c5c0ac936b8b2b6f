#!/usr/bin/env bash
# Installs the build into a scratch root and checks it the way a desktop and the game
# use it: the game on the PATH, started from there, running from the folder that
# holds its instructions; menu entry, icons and software-centre entry under one id.
# Usage: check-installed-layout.sh CMAKE BUILD_DIR APP_ID BINDIR WITH_VIEWER(0|1)
set -euo pipefail
cmake="$1" build="$2" id="$3" bindir="/usr/$4" with_viewer="$5"

root="$(mktemp -d)"
game_pid=""
trap '[ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null; rm -rf "$root"' EXIT
DESTDIR="$root" "$cmake" --install "$build" --prefix /usr >/dev/null

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_file() { [ -f "$root$1" ] || fail "$1 is not installed"; }

share=/usr/share
desktop_entry="$share/applications/$id.desktop"
metainfo="$share/metainfo/$id.metainfo.xml"
for file in "$desktop_entry" "$metainfo" "$share/icons/hicolor/scalable/apps/$id.svg" "$share/man/man6/wordsnarl.6.gz" \
    "$share/doc/wordsnarl/copyright" "$share/doc/wordsnarl/changelog.gz"; do
    expect_file "$file"
done

# A PNG's width sits big-endian in bytes 16 to 19; a picture in the wrong size folder blurs.
png_width() { od -An -tu1 -j16 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }'; }
for size in 16 24 32 48 64 128 256; do
    icon="$share/icons/hicolor/${size}x$size/apps/$id.png"
    expect_file "$icon"
    if [ -f "$root$icon" ] && [ "$(png_width "$root$icon")" != "$size" ]; then
        fail "$icon is $(png_width "$root$icon") pixels wide"
    fi
done

# The menu entry must start a program on the PATH and name the icon and metainfo by the same id.
if [ -f "$root$desktop_entry" ] && [ -f "$root$metainfo" ]; then
    program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$root$desktop_entry")
    [ -x "$root$bindir/$program" ] || fail "the menu entry starts '$program', which is not in $bindir"
    grep -qx "Icon=$id" "$root$desktop_entry" || fail "the menu entry's icon is not $id"
    grep -q "<id>$id</id>" "$root$metainfo" || fail "the metainfo's id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root$metainfo" ||
        fail "the metainfo does not launch $id.desktop"
    grep -q "<binary>$program</binary>" "$root$metainfo" || fail "the metainfo does not provide $program"
fi

# Only programs belong on the PATH; the instructions page and its viewer live with the game.
for file in "$root$bindir"/*; do
    [ -x "$file" ] || fail "$bindir/$(basename "$file") is not a program"
done
link="$root$bindir/wordsnarl"
if [ -L "$link" ]; then
    case "$(readlink "$link")" in
    /*) fail "$bindir/wordsnarl points outside the installed tree: $(readlink "$link")" ;;
    esac
fi
program_dir="$(dirname "$(readlink -f "$link")")"
[ -f "$program_dir/GameInstructions.htm" ] || fail "GameInstructions.htm is not beside the game"
if [ "$with_viewer" = 1 ]; then
    [ -x "$program_dir/wordsnarl-instructions" ] || fail "the instructions viewer is not beside the game"
fi

# Started from the PATH, the game must keep running and see the program folder as its own,
# since that is where it looks for its instructions.
QT_QPA_PLATFORM=offscreen "$link" &
game_pid=$!
sleep 2
if kill -0 "$game_pid" 2>/dev/null; then
    running_from="$(dirname "$(readlink "/proc/$game_pid/exe")")"
    [ "$running_from" = "$program_dir" ] || fail "the game runs from $running_from, not $program_dir"
else
    wait "$game_pid" || true
    fail "the installed game ended within two seconds of starting"
fi
kill "$game_pid" 2>/dev/null || true
wait "$game_pid" 2>/dev/null || true
game_pid=""

[ "$failures" -eq 0 ] || exit 1
echo "installed layout is complete"
