# Shared by the scripts that build, test, package and check Wordsnarl: install what is missing,
# then configure and build.
# Sourced, not run.

WORDSNARL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# What it takes to build and run the game and its instructions viewer.
WORDSNARL_BUILD_PACKAGES="g++ cmake ninja-build pkg-config qt6-base-dev qt6-webengine-dev libgl-dev fonts-dejavu-core fonts-liberation"

# What the tests need on top: desktop-file and metainfo validators, readelf (binutils) to
# read which libraries the game links; a private X desktop (Xvfb, openbox, xdotool for the
# keys, xprop from x11-utils) to play the real programs, and for the game played by ear its
# own D-Bus session and AT-SPI bus with the Orca screen reader speaking through
# speech-dispatcher. The shell tools they also use (sed, awk, od, gzip, mktemp, timeout) are
# in every Debian, however minimal.
WORDSNARL_TEST_PACKAGES="appstream desktop-file-utils binutils xvfb openbox xdotool x11-utils dbus-daemon at-spi2-core orca speech-dispatcher"

# The Debian packages: dpkg-shlibdeps (dpkg-dev) and file find the libraries the programs need;
# lintian checks the packages against Debian's policy.
WORDSNARL_PACKAGE_PACKAGES="dpkg-dev file lintian"

# Benchmarks (Google Benchmark; XCB's DAMAGE library and xvfb-run, which needs xauth, to time
# windows on an X server); screenshots under a virtual X server, also in a
# dark theme; the Windows syntax check in CI; a fresh Debian for scripts/check-fresh-debian.sh
# and scripts/measure-install-sizes.sh.
WORDSNARL_BENCH_PACKAGES="libbenchmark-dev libxcb-damage0-dev xvfb xauth"
WORDSNARL_SCREENSHOT_PACKAGES="xvfb xdotool imagemagick qt6ct"
WORDSNARL_CI_PACKAGES="g++-mingw-w64-x86-64"
WORDSNARL_FRESH_DEBIAN_PACKAGES="debootstrap"

step() { printf '\n==> %s\n' "$*"; }

# Installs the given Debian packages that are not installed yet.
ensure_packages() {
    local missing=""
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $package"
        fi
    done
    if [ -z "$missing" ]; then
        step "All needed packages are installed"
        return 0
    fi
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null 2>&1 || { echo "Please install as root:$missing" >&2; exit 1; }
        sudo="sudo"
    fi
    step "Installing:$missing"
    $sudo apt-get update
    # Through env: sudo would drop DEBIAN_FRONTEND, and apt could stop to ask questions.
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
}

# configure_and_build BUILD_DIR [extra CMake options...]
configure_and_build() {
    local dir="$1"
    shift
    step "Configuring in $dir"
    cmake -S "$WORDSNARL_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    step "Building in $dir"
    cmake --build "$dir" -j "$(nproc)"
}

# ensure_debian_base BASE [MIRROR]: a minimal Debian 12 in BASE, made once by debootstrap and
# then kept untouched, for the scripts that work on a copy of a fresh system.
ensure_debian_base() {
    local base="$1"
    ensure_packages $WORDSNARL_FRESH_DEBIAN_PACKAGES
    [ ! -x "$base/bin/sh" ] || return 0
    step "Installing a minimal Debian 12 in $base"
    mkdir -p "$(dirname "$base")"
    rm -rf --one-file-system "$base.partial"
    debootstrap --variant=minbase bookworm "$base.partial" ${2:+"$2"}
    mv "$base.partial" "$base"
}
