#!/usr/bin/env bash
# Runs the Quick start on a fresh, minimal Debian 12 (no compiler, make, CMake or git):
# the committed source goes into a debootstrap root, where ./test.sh runs as root; then
# an ordinary user with sudo runs ./package.sh (which installs more) and ./run.sh, whose
# game must still be running after ten seconds. Slow, so not part of CI.
# Usage, as root: scripts/check-fresh-debian.sh [FOLDER]   (default /var/tmp/wordsnarl-fresh-debian)
# FOLDER/base keeps the untouched system for the next check; FOLDER/root is a throwaway copy.
# DEBIAN_MIRROR chooses the mirror (default http://deb.debian.org/debian).
set -euo pipefail
source "$(dirname "$0")/common.sh"

[ "$(id -u)" -eq 0 ] || { echo "Run as root: debootstrap and chroot need it." >&2; exit 1; }
folder="$(realpath -m "${1:-/var/tmp/wordsnarl-fresh-debian}")"
mirror="${DEBIAN_MIRROR:-http://deb.debian.org/debian}"
base="$folder/base"
root="$folder/root"
logs="$folder/logs"

mounted=()
cleanup() {
    # Whatever the checks left running inside the root would keep its mounts busy.
    local proc
    for proc in /proc/[0-9]*; do
        if [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ]; then kill -9 "${proc#/proc/}" 2>/dev/null || true; fi
    done
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" || umount -l "${mounted[i]}"
    done
    mounted=()
}
trap cleanup EXIT

mount_in_root() {
    local type="$1" target="$root$2"
    mkdir -p "$target"
    mount -t "$type" "wordsnarl-$type" "$target"
    mounted+=("$target")
}

# A leftover mount under the old copy would let rm reach into the host.
remove_old_copy() {
    [ -e "$root" ] || return 0
    if grep -qF " $root/" /proc/mounts; then
        echo "Something is still mounted under $root; unmount it first." >&2
        exit 1
    fi
    rm -rf --one-file-system "$root"
}

# in_root USER LOG COMMAND: runs COMMAND with bash inside the root, at low priority, in a clean
# environment, and logs its output with the time of each line.
in_root() {
    local user="$1" log="$2" command="$3" home=/root
    [ "$user" = root ] || home="/home/$user"
    nice -n 10 chroot --userspec="$user:$user" "$root" /usr/bin/env -i HOME="$home" USER="$user" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin TERM=dumb \
        bash -c "$command" 2>&1 |
        while IFS= read -r line; do printf '%(%T)T %s\n' -1 "$line"; done | tee -a "$logs/$log"
}

elapsed() { printf '%dm%02ds' $(($1 / 60)) $(($1 % 60)); }

ensure_debian_base "$base" "$mirror"
mkdir -p "$folder"

step "Copying it to $root"
remove_old_copy
cp -a "$base" "$root"
rm -rf "$logs"
mkdir -p "$logs"
# As an installed system has them; no services are started in the copy.
cat >>"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"
cp /etc/resolv.conf "$root/etc/resolv.conf"
printf '127.0.1.1\t%s\n' "$(hostname)" >>"$root/etc/hosts" # or sudo complains it cannot find its host

step "Copying the committed source to /srv/wordsnarl"
mkdir -p "$root/srv/wordsnarl"
git -C "$WORDSNARL_ROOT" archive HEAD | tar -x -C "$root/srv/wordsnarl"

mount_in_root proc /proc
mount_in_root sysfs /sys
mount_in_root devpts /dev/pts
mount_in_root tmpfs /dev/shm
mount_in_root tmpfs /tmp

step "./test.sh as root"
start=$SECONDS
in_root root test.log 'cd /srv/wordsnarl && ./test.sh'
test_time=$((SECONDS - start))

step "An ordinary user with sudo"
in_root root user.log 'apt-get install -y --no-install-recommends sudo >/dev/null &&
    useradd --create-home player &&
    echo "player ALL=(ALL) NOPASSWD: ALL" >/etc/sudoers.d/player &&
    chown -R player:player /srv/wordsnarl'

step "./package.sh as the user"
start=$SECONDS
in_root player package.log 'cd /srv/wordsnarl && ./package.sh'
package_time=$((SECONDS - start))

step "./run.sh as the user, offscreen, for ten seconds"
status=0
in_root player run.log 'cd /srv/wordsnarl && QT_QPA_PLATFORM=offscreen timeout 10 ./run.sh' || status=$?
# 124: still running when the timeout ended it, as a game waiting for its player should be.
if [ "$status" -ne 124 ]; then
    echo "FAIL: ./run.sh ended with status $status instead of running" >&2
    exit 1
fi

step "Passed"
echo "./test.sh from scratch (install, build, tests): $(elapsed "$test_time")"
grep -h ' ==> ' "$logs/test.log"
echo "./package.sh as the user (sudo install, cpack, checks): $(elapsed "$package_time")"
echo "Logs in $logs"
