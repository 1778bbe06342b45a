# Sourced by the end-to-end tests and the shell's benchmark: the private work folder and helpers of
# travail.sh, and a virtual X display with the openbox window manager.
# Usage: . bureau_virtuel.sh OUTIL...   (exits 77, "skipped", when a tool is missing)

for outil in Xvfb openbox xprop "$@"; do
    if ! command -v "$outil" >/dev/null; then
        echo "SKIP: $outil is missing"
        exit 77
    fi
done

. "$(dirname "${BASH_SOURCE[0]}")/travail.sh"
export XDG_RUNTIME_DIR=$travail
# The program must reach the X server, whatever platform the other tests run on.
export QT_QPA_PLATFORM=xcb

demarrer_bureau() {
    en_fond Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$travail/ecran" 2>/dev/null
    attendre test -s "$travail/ecran" || echec "Xvfb did not start"
    export DISPLAY=:$(head -n1 "$travail/ecran")
    en_fond openbox >"$travail/openbox.log" 2>&1
    attendre sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
        echec "openbox did not start: $(cat "$travail/openbox.log")"
}
