#!/usr/bin/env bash
# Installs what is missing, builds Wordsnarl and its Debian package, then unpacks the
# package into a scratch root and checks it: dependencies declared, the game starts,
# and its instructions page stands beside it.
# Usage: ./package.sh [extra CMake options...]   The package is left in build/packages/.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

ensure_packages $WORDSNARL_BUILD_PACKAGES $WORDSNARL_PACKAGE_PACKAGES
build="$WORDSNARL_ROOT/build"
configure_and_build "$build" "$@"

step "Building the Debian package"
rm -rf "$build/packages"
cpack --config "$build/CPackConfig.cmake" -B "$build/packages"
deb=$(ls "$build"/packages/wordsnarl_*.deb)

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

step "Checking the declared dependencies of $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
depended_on=$(sed 's/ ([^)]*)//g; s/, */\n/g' <<<"$depends")
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-dejavu-core; do
    grep -qxF "$needed" <<<"$depended_on" || fail "the package does not depend on $needed"
done
# Every dependency must be installable here, as on a fresh Debian 12.
apt-get install --simulate --no-install-recommends "$deb" >/dev/null || fail "apt cannot install $deb"

root=$(mktemp -d)
game_pid=""
cleanup() {
    if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; fi
    rm -rf "$root"
}
trap cleanup EXIT
step "Unpacking into $root"
dpkg-deb -x "$deb" "$root"
bindir=$(sed -n 's/^CMAKE_INSTALL_BINDIR:PATH=//p' "$build/CMakeCache.txt")
game="$root/usr/$bindir/wordsnarl"
program_dir=$(dirname "$(readlink -f "$game")")
echo "The game runs from ${program_dir#"$root"}"

# The page reaches the package once the instructions viewer is part of the build.
if [ -f "$build/GameInstructions.htm" ]; then
    [ -f "$program_dir/GameInstructions.htm" ] || fail "GameInstructions.htm is not beside the game"
    [ -x "$program_dir/wordsnarl-instructions" ] || fail "the instructions viewer is not beside the game"
else
    echo "This build has no instructions page yet; not looking for it in the package."
fi

step "Starting the unpacked game for three seconds"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$game" || status=$?
# 124: still running when the timeout ended it, as a game waiting for its player should be.
[ "$status" -eq 124 ] || fail "the unpacked game ended by itself with status $status"

if [ "$failures" -gt 0 ]; then
    exit 1
fi
step "Package ready: $deb"
