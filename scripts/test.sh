#!/usr/bin/env bash
# Sets up the machine, builds Tavlo32 and runs every test twice: with the normal build, then with
# the whole program (core, shell and program) built under AddressSanitizer and
# UndefinedBehaviorSanitizer, where the monkey also plays the real window. Each phase prints its
# wall-clock and CPU time.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
. tests/sanitizers/environnement.sh

phase() {
    local TIMEFORMAT="== $1: %0R s wall, %0U s user + %0S s system"
    shift
    time "$@"
}
essais() { ctest --test-dir "$1" --output-on-failure --parallel 2 </dev/null; }

phase "normal build" scripts/setup.sh --tests build
phase "normal tests" essais build
phase "sanitized build" scripts/setup.sh --tests build-asan -DTAVLO_SANITIZE=ON \
    -DCMAKE_BUILD_TYPE=Debug
phase "sanitized tests" essais build-asan
echo "All tests passed."
