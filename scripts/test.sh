#!/usr/bin/env bash
# Sets up the machine, builds Tavlo32 and runs every test: first the normal build, then the core
# again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

scripts/setup.sh --tests build
ctest --test-dir build --output-on-failure --parallel 2 </dev/null

scripts/setup.sh --tests build-asan -DTAVLO_SANITIZE=ON -DTAVLO_UI=OFF -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir build-asan --output-on-failure --parallel 2 </dev/null
echo "All tests passed."
