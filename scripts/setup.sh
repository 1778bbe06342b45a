#!/usr/bin/env bash
# Installs whatever Tavlo32 needs that this Debian 12 machine lacks, then builds the project.
# Usage: scripts/setup.sh [--tests] [build-dir] [extra cmake arguments...]
# Without --tests only what building and running the game needs is installed, and no test is
# built; with it, the test and benchmark tools too.
set -euo pipefail
cd "$(dirname "$0")/.."

PAQUETS=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev libgl-dev qt6-wayland
    qt6-tools-dev qt6-l10n-tools # lupdate and lrelease, which build the translations
    fonts-liberation
    qt6-translations-l10n # Qt's own texts (menus of the edit fields) in the player's language
)
PAQUETS_TESTS=(
    googletest libgtest-dev libbenchmark-dev
    xvfb xauth openbox x11-utils xdotool python3 python3-xlib imagemagick
    pulseaudio pulseaudio-utils sox
    desktop-file-utils appstream
    dpkg-dev file lintian
    sway wtype grim
    at-spi2-core python3-pyatspi dbus
)

tests=OFF
if [ "${1:-}" = --tests ]; then
    tests=ON
    PAQUETS+=("${PAQUETS_TESTS[@]}")
    shift
fi

manquants=()
for p in "${PAQUETS[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
    echo "Installing: ${manquants[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -q
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${manquants[@]}" </dev/null
fi

build=${1:-build}
shift || true
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=$tests "$@"
cmake --build "$build" --parallel
