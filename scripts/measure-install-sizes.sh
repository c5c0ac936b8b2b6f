#!/usr/bin/env bash
# What installing the packages from ./package.sh costs on a fresh Debian 12, for the game
# alone and for the game with its viewer: the packages apt would add, what it would
# download and the disk space they would take, counting everything pulled in. Measured on
# a minimal system without recommended packages, and on top of the GNOME desktop, with
# them, as a player would install. apt only works it out: nothing is installed.
# Usage, as root: scripts/measure-install-sizes.sh [FOLDER]   (default /var/tmp/wordsnarl-fresh-debian)
# FOLDER/base is the untouched system that scripts/check-fresh-debian.sh also uses.
set -euo pipefail
source "$(dirname "$0")/common.sh"

[ "$(id -u)" -eq 0 ] || { echo "Run as root: debootstrap and chroot need it." >&2; exit 1; }
folder="$(realpath -m "${1:-/var/tmp/wordsnarl-fresh-debian}")"
base="$folder/base"
root="$folder/sizes"
packages="$WORDSNARL_ROOT/build/packages"
game=/tmp/$(basename "$(ls "$packages"/wordsnarl_*.deb)")
viewer=/tmp/$(basename "$(ls "$packages"/wordsnarl-instructions_*.deb)")

ensure_debian_base "$base"

step "Copying it to $root"
rm -rf --one-file-system "$root"
cp -a "$base" "$root"
trap 'rm -rf --one-file-system "$root"' EXIT
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$packages"/*.deb "$root/tmp/"
chroot "$root" apt-get update -qq

# installs ARGS...: what `apt-get install ARGS` would add, one "name=version" a line, sorted.
installs() {
    chroot "$root" env LC_ALL=C apt-get install --simulate "$@" |
        awk '$1 == "Inst" { print $2 "=" substr($3, 2) }' | sort
}

# report TITLE: the packages listed on standard input, with their download and installed
# sizes; this build's own packages count as installed only, being at hand.
report() {
    local list archive ours=0 deb
    list=$(cat)
    archive=$(grep -v '=local-deb$' <<<"$list" || true)
    for deb in $(grep -o '^wordsnarl[^=]*' <<<"$list"); do
        ours=$((ours + $(dpkg-deb -f "$root/tmp/${deb}_"*.deb Installed-Size)))
    done
    chroot "$root" apt-cache show --no-all-versions $archive |
        awk -v title="$1" -v count="$(wc -l <<<"$list")" -v ours="$ours" '
            /^Size:/ { download += $2 }
            /^Installed-Size:/ { installed += $2 }
            END { printf "%-36s %4d packages %8.1f MB download %8.1f MB installed\n",
                         title, count, download / 1e6, (installed + ours) * 1024 / 1e6 }'
}

step "The packages themselves"
for deb in "$game" "$viewer"; do
    echo "$(basename "$deb"): $(stat -c %s "$root$deb") bytes, $(dpkg-deb -f "$root$deb" Installed-Size) KiB installed"
done

step "On a minimal Debian 12, without recommended packages"
installs --no-install-recommends "$game" | report "the game alone"
installs --no-install-recommends "$game" "$viewer" | report "the game and its viewer"

step "On the GNOME desktop of Debian 12, with recommended packages"
desktop=$(installs task-gnome-desktop)
comm -13 <(echo "$desktop") <(installs task-gnome-desktop "$game") | report "the game alone"
comm -13 <(echo "$desktop") <(installs task-gnome-desktop "$game" "$viewer") | report "the game and its viewer"
