#!/usr/bin/env bash
# Sets up the machine, builds Tavlo32 and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
exec build/src/tavlo32
