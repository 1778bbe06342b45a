#!/usr/bin/env bash
# The program as a screen-reader user meets it: under Xvfb and openbox, in a private D-Bus session
# with the accessibility bus, lecteur_ecran.py plays a whole hand against ORDY through the
# accessibility tree and keys only, and checks the tree and what is announced.
# Usage: lecteur_ecran_e2e.sh PROGRAM. Exits 77 (skipped) only when a package it needs is missing;
# the accessibility bus that does not start is a failure.
set -euo pipefail
programme=$(realpath "$1")
lanceur=/usr/libexec/at-spi-bus-launcher
# The accessibility client is Debian's: pyatspi stands beside the system's Python only.
python=/usr/bin/python3

if [ -z "${DBUS_SESSION_PRIVEE:-}" ]; then
    for outil in dbus-run-session dbus-send "$lanceur" "$python"; do
        command -v "$outil" >/dev/null || { echo "SKIP: $outil is missing"; exit 77; }
    done
    "$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: pyatspi is missing"; exit 77; }
    DBUS_SESSION_PRIVEE=1 exec dbus-run-session -- "$0" "$@"
fi

. "$(dirname "$0")/bureau_virtuel.sh"
export HOME=$travail
demarrer_bureau

# The accessibility bus, started here rather than by D-Bus activation so that it ends with the
# test; the registry is started by that bus when the client first asks for it.
en_fond "$lanceur" --launch-immediately >"$travail/bus.log" 2>&1
bus() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q true
}
attendre bus || echec "the accessibility bus did not start"

en_fond "$python" "$(dirname "$0")/lecteur_ecran.py" "$travail" >"$travail/client.log" 2>&1
client=${pids[-1]}
attendre test -e "$travail/pret" || echec "the accessibility client did not start"

en_fond env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$programme" >"$travail/sortie" 2>&1
programme_pid=${pids[-1]}
wait "$client" || { cat "$travail/client.log"; echec "the screen reader's hand failed"; }
cat "$travail/client.log"
# The hand ends on "Quitter": the program leaves with status 0, the sanitized one without a report.
attendre sh -c "! kill -0 $programme_pid" || echec "the program did not end on \"Quitter\""
wait "$programme_pid" || echec "exit status $?"
echo "PASS"
