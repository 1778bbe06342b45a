# Sourced by the end-to-end tests and the shell's benchmark: a private work folder cleaned up on
# exit, helpers to wait and fail, and a virtual X display with the openbox window manager.
# Usage: . bureau_virtuel.sh OUTIL...   (exits 77, "skipped", when a tool is missing)

for outil in Xvfb openbox xprop "$@"; do
    if ! command -v "$outil" >/dev/null; then
        echo "SKIP: $outil is missing"
        exit 77
    fi
done

travail=$(mktemp -d)
chmod 700 "$travail"
export XDG_RUNTIME_DIR=$travail
# The program must reach the X server, whatever platform the other tests run on.
export QT_QPA_PLATFORM=xcb
pids=()
nettoyer() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$travail"
}
trap nettoyer EXIT

echec() {
    echo "FAIL: $*"
    cat "$travail/sortie" 2>/dev/null || true
    exit 1
}

# Waits up to 10 s for a command to succeed.
attendre() {
    for _ in $(seq 200); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.05
    done
    return 1
}

demarrer_bureau() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$travail/ecran" 2>/dev/null &
    pids+=($!)
    attendre test -s "$travail/ecran" || echec "Xvfb did not start"
    export DISPLAY=:$(head -n1 "$travail/ecran")
    openbox >/dev/null 2>&1 &
    pids+=($!)
    attendre sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
        echec "openbox did not start"
}
