#!/usr/bin/env bash
# Installs what is missing, builds Wordsnarl and its two Debian packages (the game, and
# the instructions viewer that alone needs Qt WebEngine), then checks them: declared
# dependencies, the files in each, lintian, and, unpacked into a scratch root, that the
# game starts on its own and that the viewer beside it shows the game's page.
# Usage: ./package.sh [extra CMake options...]   The packages are left in build/packages/.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

ensure_packages $WORDSNARL_BUILD_PACKAGES $WORDSNARL_PACKAGE_PACKAGES
build="$WORDSNARL_ROOT/build"
configure_and_build "$build" "$@"

step "Building the Debian packages"
rm -rf "$build/packages"
cpack --config "$build/CPackConfig.cmake" -B "$build/packages"
game_deb=$(ls "$build"/packages/wordsnarl_*.deb)
viewer_deb=$(ls "$build"/packages/wordsnarl-instructions_*.deb)

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# field_names DEB FIELD: the package names in a control field, one a line, without versions.
field_names() { dpkg-deb -f "$1" "$2" | sed 's/ ([^)]*)//g; s/, */\n/g'; }
expect_named() {
    local deb="$1" field="$2" name="$3"
    field_names "$deb" "$field" | grep -qxF "$name" || fail "$(basename "$deb"): $field does not name $name"
}

step "Checking the declared dependencies"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-dejavu-core; do
    expect_named "$game_deb" Depends "$needed"
done
# A light install: the game alone never pulls in Chromium.
if field_names "$game_deb" Depends | grep -i webengine; then
    fail "$(basename "$game_deb") depends on Qt WebEngine"
fi
expect_named "$game_deb" Recommends wordsnarl-instructions
for needed in libqt6webenginewidgets6 libqt6webenginecore6 libqt6webenginecore6-bin wordsnarl; do
    expect_named "$viewer_deb" Depends "$needed"
done
# Every dependency must be installable here, as on a fresh Debian 12.
apt-get install --simulate --no-install-recommends "$game_deb" >/dev/null || fail "apt cannot install the game alone"
apt-get install --simulate --no-install-recommends "$game_deb" "$viewer_deb" >/dev/null ||
    fail "apt cannot install the game and its viewer"

step "Checking the files in each package"
# Installed paths stay where they were before the split; only programs are executable.
files() { dpkg-deb -c "$1" | awk '$1 !~ /^d/ { print substr($1, 1, 1), substr($6, 2) }'; }
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
bindir=$(sed -n 's/^CMAKE_INSTALL_BINDIR:PATH=//p' "$build/CMakeCache.txt")
program_dir="/usr/$libdir/wordsnarl"
game_files=$(files "$game_deb")
for file in "$program_dir/wordsnarl" "$program_dir/GameInstructions.htm" "/usr/$bindir/wordsnarl" \
    /usr/share/applications/org.brivak.Wordsnarl.desktop /usr/share/metainfo/org.brivak.Wordsnarl.metainfo.xml \
    /usr/share/icons/hicolor/{scalable/apps/org.brivak.Wordsnarl.svg,48x48/apps/org.brivak.Wordsnarl.png} \
    /usr/share/man/man6/wordsnarl.6.gz \
    /usr/share/doc/wordsnarl/copyright /usr/share/doc/wordsnarl/changelog.gz; do
    grep -q " $file$" <<<"$game_files" || fail "$(basename "$game_deb") lacks $file"
done
grep -q "wordsnarl-instructions" <<<"$game_files" && fail "$(basename "$game_deb") holds the viewer"
viewer_files=$(files "$viewer_deb")
expected="- $program_dir/wordsnarl-instructions
- /usr/share/doc/wordsnarl-instructions/changelog.gz
- /usr/share/doc/wordsnarl-instructions/copyright"
[ "$(sort <<<"$viewer_files")" = "$expected" ] ||
    fail "$(basename "$viewer_deb") holds other files than the viewer and its notices:"$'\n'"$viewer_files"

step "lintian"
# Pedantic and informational tags are shown; only errors and warnings fail the check.
lintian --display-info --pedantic --fail-on error,warning "$game_deb" "$viewer_deb" ||
    fail "lintian found errors or warnings"

root=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    rm -rf "$root"
}
trap cleanup EXIT

step "Starting the menu entry's program unpacked alone into $root for three seconds"
dpkg-deb -x "$game_deb" "$root"
game="$root/usr/$bindir/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$root"/usr/share/applications/*.desktop)"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$game" || status=$?
# 124: still running when the timeout ended it, as a game waiting for its player should be.
[ "$status" -eq 124 ] || fail "the unpacked game ended by itself with status $status"

step "Opening the game's page in the viewer unpacked beside it"
dpkg-deb -x "$viewer_deb" "$root"
viewer="$(dirname "$(readlink -f "$game")")/wordsnarl-instructions"
title=$(sed -n 's|.*<title>\(.*\)</title>.*|\1|p' "$root$program_dir/GameInstructions.htm")
log="$root/viewer.log"
# Chromium refuses its sandbox as root; the viewer logs each caption it shows.
QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 QT_LOGGING_RULES="wordsnarl.instructions.caption.debug=true" \
    "$viewer" 2>"$log" &
pid=$!
for _ in $(seq 60); do
    grep -qF "$title" "$log" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
done
grep -qF "$title" "$log" || fail "the unpacked viewer did not show \"$title\":"$'\n'"$(cat "$log")"

if [ "$failures" -gt 0 ]; then
    exit 1
fi
step "Packages ready: $game_deb $viewer_deb"
