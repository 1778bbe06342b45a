# Sourced by the end-to-end tests: a private work folder, removed on exit with the processes
# started for the test, and helpers to wait and to fail.
travail=$(mktemp -d)
chmod 700 "$travail"
pids=()
nettoyer() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$travail"
}
trap nettoyer EXIT

# Fails with the program's output and the end of any log the test kept.
echec() {
    echo "FAIL: $*"
    cat "$travail/sortie" 2>/dev/null || true
    tail -n 20 "$travail"/*.log 2>/dev/null || true
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
