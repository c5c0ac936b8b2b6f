#!/usr/bin/env bash
# Installs the build into a scratch root and checks what a player's desktop relies
# on: the menu entry, icons, software-centre entry and manual page, and the menu's
# program on the PATH as a link that resolves inside the installed tree to the
# game, with the instructions viewer and page beside it.
# Usage: check-installed-layout.sh CMAKE BUILD_DIR APP_ID BINDIR WITH_VIEWER(0|1)
set -euo pipefail
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" "$1" --install "$2" --prefix /usr >/dev/null
cd "$root/usr/share"
ls "applications/$3.desktop" "metainfo/$3.metainfo.xml" man/man6/wordsnarl.6.gz icons/hicolor/{scalable/apps/$3.svg,48x48/apps/$3.png} >/dev/null
game="$(readlink -f "$root/usr/$4/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "applications/$3.desktop")")"
[[ -x "$game" && "$game" == "$root"/* ]] || { echo "FAIL: the menu's program leads to '$game'" >&2; exit 1; }
ls "$(dirname "$game")/GameInstructions.htm" >/dev/null
[ "$5" = 0 ] || ls "$(dirname "$game")/wordsnarl-instructions" >/dev/null
