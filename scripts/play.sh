#!/usr/bin/env bash
# Sets up the machine, builds Tavlo32 and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
if [ -x build/src/tavlo32 ]; then
    exec build/src/tavlo32
fi
echo "Tavlo32 is built, but the game window does not exist yet: only the game core and its tests."
