#!/usr/bin/env bash
# Rebuilds every stored picture, sound and icon, and assets/planche.png, from the generator's
# source. Needs a C++ compiler, CMake and Qt 6 (Gui); the game's own build needs none of this.
# Usage: assets/generer.sh [build folder, default: a temporary one]
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
construction=${1:-}
if [ -z "$construction" ]; then
    construction=$(mktemp -d)
    trap 'rm -rf "$construction"' EXIT
fi
generateur=(-G Ninja)
command -v ninja >/dev/null || generateur=()
cmake -S "$ici/generateur" -B "$construction" "${generateur[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$construction" >/dev/null
"$construction/tavlo_generateur" "$ici"
echo "assets regenerated in $ici"
