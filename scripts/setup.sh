#!/usr/bin/env bash
# Installs whatever Tavlo32 needs that this Debian 12 machine lacks, then builds the project.
# Usage: scripts/setup.sh [build-dir] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

PAQUETS=(
    g++ cmake ninja-build pkg-config
    googletest libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-multimedia-dev libgl-dev
    fonts-liberation xvfb xauth openbox x11-utils xdotool imagemagick
    pulseaudio pulseaudio-utils sox
    desktop-file-utils appstream
)

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
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" --parallel
