#!/usr/bin/env bash
# Installs the Debian packages Tarvex needs to build, test and run, and only
# those that are missing. Usage: scripts/install-dependencies.sh [extra packages...]
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    qt6-translations-l10n # Qt's own dialogs in the user's language
    libgtest-dev libgmock-dev libbenchmark-dev
    libinih-dev # only the benchmarks use it, as a reference INI parser
    poppler-utils desktop-file-utils dpkg-dev file
    xvfb xauth x11-utils # a test reads a bit editor's X window properties on a virtual X server
    dbus at-spi2-core python3-pyatspi # a test reads and ticks the bit table as a screen reader does
    lintian appstream # the package check runs them
    clang # a test proves that a header defining _BitInt breaks C, which GCC 12 does not know
    fp-compiler # the tests compile the Pascal include files
    fonts-dejavu-core fonts-liberation
    fonts-noto-mono fonts-urw-base35 # common fonts: the named fonts must still resolve to fitting ones
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    # sudo clears the environment, so the setting goes on the command itself.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
