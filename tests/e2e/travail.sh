# Sourced by the end-to-end tests: a private work folder, removed on exit with the processes
# started for the test, and helpers to start, wait and fail.
travail=$(mktemp -d)
chmod 700 "$travail"
pids=()

# Starts a command in the background in a session of its own, so that the clean-up ends it and
# everything it started; its PID is ${pids[-1]}.
en_fond() {
    setsid "$@" &
    pids+=($!)
}

# What the test left running: a process in a session it started, or one of any user with the
# work folder in its environment (every program a test starts has it as a home or runtime folder).
# The PIDs, joined by commas. The list of processes is read before any command here starts.
restes() {
    local environs=(/proc/[0-9]*/environ)
    {
        if [ ${#pids[@]} -gt 0 ]; then
            ps -o pid= -o stat= --sid "$(IFS=,; echo "${pids[*]}")" | awk '$2 !~ /^Z/ {print $1}'
        fi
        grep -lsF -- "$travail" "${environs[@]}" | cut -d/ -f3
    } | sort -u | paste -sd,
    return 0
}

# Ends what the test started, last started first, and fails the test if anything outlives it by
# more than 10 s.
nettoyer() {
    local i reste
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill -- "-${pids[i]}" 2>/dev/null || kill "${pids[i]}" 2>/dev/null || true
    done
    for _ in $(seq 200); do
        reste=$(restes)
        [ -n "$reste" ] || break
        sleep 0.05
    done
    if [ -n "$reste" ]; then
        echo "FAIL: processes outlived the test:"
        ps -o pid,user,sid,args -p "$reste" || true
        kill -KILL ${reste//,/ } 2>/dev/null || true
    fi
    wait 2>/dev/null || true
    rm -rf "$travail"
    [ -z "$reste" ] || exit 1
}
trap nettoyer EXIT
# A test stopped by a signal still ends what it started.
trap 'exit 1' HUP INT TERM

# Fails with the program's output and the end of any log the test kept.
echec() {
    echo "FAIL: $*"
    cat "$travail/sortie" 2>/dev/null || true
    tail -n 20 "$travail"/*.log 2>/dev/null || true
    exit 1
}

# Waits up to 30 s for a command to succeed: a shared CI machine may be busy enough for openbox
# to need more than 10 s to start.
attendre() {
    local fin=$((SECONDS + 30))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$fin" ] || return 1
        sleep 0.05
    done
}
