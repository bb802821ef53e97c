# Shared by scripts/play and scripts/test: installs what is missing and builds.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=$(nproc 2>/dev/null || echo 2)

# Debian packages the build and the tests need.
# qt6-translations-l10n: the toolkit's own dialogs and menus in Russian, like the windows.
# libre2-dev: the walkthrough's regular expressions, in linear time; its archive libre2.a needs
# only the threads library, so zuft-cli stays one static program.
# libedit-dev: zuft-cli's line editing and history; it brings the archives it needs (libbsd-dev,
# libmd-dev, and libncurses-dev's libtinfo.a), so zuft-cli stays one static program.
BUILD_PACKAGES=(cmake make g++ pkg-config libutf8proc-dev libre2-dev libedit-dev qt6-base-dev
    libgl-dev libgtest-dev qt6-translations-l10n)
# clang and its runtime for the fuzzers (scripts/fuzz).
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The browser build (scripts/web): the compiler, and node, which runs its scripts and zuft-cli.js.
WEB_PACKAGES=(cmake make emscripten nodejs)
# The web page's test in a real browser; Debian's selenium works with Debian's python.
BROWSER_PACKAGES=(chromium chromium-driver python3-selenium)
# The game window's tests on a real X display: the keys without a window manager, and what a
# screen reader hears through AT-SPI.
DESKTOP_PACKAGES=(xvfb xdotool python3-xlib dbus at-spi2-core python3-pyatspi)
# The Debian package's test: cpack's tools, AppStream's checker, and the editors' highlighter.
PACKAGING_PACKAGES=(dpkg-dev appstream libxml2-utils libkf5syntaxhighlighting-tools)

ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
            missing+=("$package")
    done
    ((${#missing[@]} == 0)) && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        # Another apt (an unattended upgrade, a second script) may hold the lock: wait for it.
        apt-get update -qq -o DPkg::Lock::Timeout=600
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=600 \
            "${missing[@]}" >/dev/null
    else
        echo "Some packages are missing. Run this, then try again:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
}

# configure_and_build DIR [cmake options...] [-- targets...]
# The build's own progress goes to standard error, a line per step: a first build takes minutes.
configure_and_build() {
    local dir=$1
    shift
    local options=() targets=()
    while (($#)); do
        if [ "$1" = "--" ]; then
            shift
            targets=("$@")
            break
        fi
        options+=("$1")
        shift
    done
    echo "== Configure $dir" >&2
    cmake -S "$ROOT" -B "$dir" "${options[@]}" >/dev/null
    if ((${#targets[@]})); then
        cmake --build "$dir" -j"$JOBS" --target "${targets[@]}" >&2
    else
        cmake --build "$dir" -j"$JOBS" >&2
    fi
}
