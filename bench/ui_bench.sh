#!/usr/bin/env bash
# Measures the program under Xvfb with openbox, in one run, against a bare Qt window built here:
# time from start to the first window mapped, resident memory 5 s after start, CPU time of a
# whole throw (the first of the run, and the median of the next ones) and of 30 s idle. Not a
# test: it prints figures, their ratios to the bare window, and a verdict against the goals.
# Given a second program, an earlier build, it measures that one's throws in the same run, as
# the throw's goal is to cost no more than before.
# Usage: bench/ui_bench.sh [PROGRAM [EARLIER-PROGRAM]]   (default: build/src/tavlo32)
# Needs Xvfb, openbox, xdotool, xprop, the system's Python with python3-xlib, and g++ with the Qt 6
# development files.
set -euo pipefail
# A desktop session has a message bus, which the screen reader's bridge of every Qt window asks at
# start-up; without one, each start would first try to launch a bus.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$0" "$@"
fi
cd "$(dirname "$0")/.."
programme=$(realpath "${1:-build/src/tavlo32}")
avant_programme=${2:+$(realpath "$2")}
ESSAIS=11

. tests/e2e/bureau_virtuel.sh xdotool g++ pkg-config
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || { echo "SKIP: python3-xlib is missing"; exit 77; }

# The bare window: a QMainWindow shown maximised, nothing else. Built a second time with one
# line of text and an idle 500 ms timer (-DTEXTE), to show what loading the fonts and ticking
# cost any window that has them.
cat >"$travail/nu.cpp" <<'CPP'
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow fenetre;
    fenetre.setWindowTitle("Nu");
#ifdef TEXTE
    fenetre.setCentralWidget(new QLabel("Nu"));
    // The same 500 ms timer as the game's, doing nothing: what ticking alone costs.
    QTimer minuterie;
    minuterie.start(500);
#endif
    fenetre.showMaximized();
    return application.exec();
}
CPP
g++ -std=c++20 -O2 -fPIC "$travail/nu.cpp" -o "$travail/nu" $(pkg-config --cflags --libs Qt6Widgets)
g++ -std=c++20 -O2 -fPIC -DTEXTE "$travail/nu.cpp" -o "$travail/nutexte" $(pkg-config --cflags --libs Qt6Widgets)

demarrer_bureau

# CPU time used so far by every thread of a process, in microseconds (scheduler statistics, which
# count nanoseconds rather than clock ticks).
cpu_us() {
    local total=0 ns
    for f in /proc/"$1"/task/*/schedstat; do
        read -r ns _ <"$f" || ns=0
        total=$((total + ns))
    done
    echo $((total / 1000))
}

# Milliseconds from the start of a program to its first window mapped.
demarrage_ms() { /usr/bin/python3 bench/fenetre_montree.py "$@"; }

mediane() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# Alternate the two programs so that both see the same warm caches.
: >"$travail/t_nu"
: >"$travail/t_nutexte"
: >"$travail/t_jeu"
for _ in $(seq $ESSAIS); do
    demarrage_ms "$travail/nu" >>"$travail/t_nu"
    demarrage_ms "$travail/nutexte" >>"$travail/t_nutexte"
    demarrage_ms "$programme" >>"$travail/t_jeu"
done
nu=$(mediane <"$travail/t_nu")
nutexte=$(mediane <"$travail/t_nutexte")
jeu=$(mediane <"$travail/t_jeu")

# Resident memory 5 s after start, in kB, of the program and of the bare window.
memoire_kb() {
    "$@" >/dev/null 2>&1 &
    local p=$!
    sleep 5
    awk '/VmRSS/ {print $2}' /proc/"$p"/status
    kill "$p"
    wait "$p" 2>/dev/null || true
}
rss_nu_kb=$(memoire_kb "$travail/nu")
rss_nutexte_kb=$(memoire_kb "$travail/nutexte")

"$programme" >/dev/null 2>&1 &
pid=$!
pids+=("$pid")
sleep 5
rss_kb=$(awk '/VmRSS/ {print $2}' /proc/"$pid"/status)

# Idle: the 500 ms timer keeps ticking; nothing else happens. The bare window with its idle timer
# is measured over the same 30 s: an idle tick costs so little that a shorter time is mostly noise.
"$travail/nutexte" >/dev/null 2>&1 &
pid_nu=$!
pids+=("$pid_nu")
sleep 2
avant=$(cpu_us "$pid")
avant_nu=$(cpu_us "$pid_nu")
sleep 30
repos_us=$(($(cpu_us "$pid") - avant))
repos_nu_us=$(($(cpu_us "$pid_nu") - avant_nu))
kill "$pid_nu"

# One whole throw: open "&Nouvelle Partie", close it, click the cup, wait for the seven frames.
# Prints the CPU time it took, in microseconds.
lancer_us() {
    local p=$1 fenetre X Y avant
    # The main window, taken before any menu or tooltip opens a window of the same class.
    fenetre=$(xdotool search --onlyvisible --classname tavlo32 | head -n1)
    xdotool windowactivate --sync "$fenetre" >/dev/null 2>&1 || true
    xdotool key alt+n
    sleep 0.3
    xdotool key Escape
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$fenetre" | grep -E '^[XY]=')"
    # Away first, so that the pointer enters the cup even where the previous program left it.
    xdotool mousemove 0 0
    sleep 0.2
    xdotool mousemove $((X + 592)) $((Y + 100))
    sleep 0.5
    avant=$(cpu_us "$p")
    xdotool click 1
    sleep 4
    echo $(($(cpu_us "$p") - avant))
}
# The first throw of a run also pays what is loaded at the first sound; the median of the next
# ones is what every throw after it costs, and is held to the goal.
LANCERS=5
lancers_us() {
    local i
    for i in $(seq $LANCERS); do lancer_us "$1"; done | mediane
}
premier_lancer=$(lancer_us "$pid")
lancer=$(lancers_us "$pid")
kill "$pid"
wait "$pid" 2>/dev/null || true
lancer_avant=
if [ -n "$avant_programme" ]; then
    "$avant_programme" >/dev/null 2>&1 &
    pid_avant=$!
    pids+=("$pid_avant")
    until xdotool search --onlyvisible --classname tavlo32 >/dev/null 2>&1; do :; done
    sleep 5 # as long as the program had run before its own throw's menu, at the least
    premier_lancer_avant=$(lancer_us "$pid_avant")
    lancer_avant=$(lancers_us "$pid_avant")
    kill "$pid_avant"
fi

ms() { awk -v u="$1" 'BEGIN {printf "%.1f", u / 1000}'; }
mb() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.2f", a / b; else print "inf"}'; }
# Prints "met" or "MISSED" after a figure, as its comparison with the goal holds or not.
verdict() { if awk "BEGIN {exit !($1)}"; then echo met; else echo MISSED; fi; }

r_demarrage=$(ratio "$jeu" "$nu")
r_repos=$(ratio "$repos_us" "$repos_nu_us")
rss_plus_mb=$(awk -v a="$rss_kb" -v b="$rss_nu_kb" 'BEGIN {printf "%.1f", (a - b) / 1024}')
printf 'Start-up to first window mapped (median of %d): bare window %s ms, with a label and a timer %s ms, Tavlo32 %s ms\n' \
    "$ESSAIS" "$nu" "$nutexte" "$jeu"
printf '  ratio to the bare window %s (goal <= 1.15): %s; to the window with a label %s\n' "$r_demarrage" \
    "$(verdict "$r_demarrage <= 1.15")" "$(ratio "$jeu" "$nutexte")"
printf 'Resident memory 5 s after start: bare window %s MB, with a label and a timer %s MB, Tavlo32 %s MB\n' \
    "$(mb "$rss_nu_kb")" "$(mb "$rss_nutexte_kb")" "$(mb "$rss_kb")"
printf '  Tavlo32 minus the bare window %s MB (goal <= 5 MB): %s; minus the window with a label %s MB\n' \
    "$rss_plus_mb" "$(verdict "$rss_plus_mb <= 5")" "$(mb $((rss_kb - rss_nutexte_kb)))"
printf 'CPU time of 30 s idle: bare window with a label and a 500 ms timer %s ms, Tavlo32 %s ms\n' \
    "$(ms "$repos_nu_us")" "$(ms "$repos_us")"
printf '  ratio %s (goal <= 1.2): %s\n' "$r_repos" "$(verdict "$repos_us <= 1.2 * $repos_nu_us")"
if [ -n "$lancer_avant" ]; then
    printf 'CPU time of the first throw (4 s from the click): earlier program %s ms, Tavlo32 %s ms\n' \
        "$(ms "$premier_lancer_avant")" "$(ms "$premier_lancer")"
    printf 'CPU time of the next throws (4 s from the click, median of %d): earlier program %s ms, Tavlo32 %s ms\n' \
        "$LANCERS" "$(ms "$lancer_avant")" "$(ms "$lancer")"
    printf '  ratio %s (goal <= 1, no higher than before): %s\n' "$(ratio "$lancer" "$lancer_avant")" \
        "$(verdict "$lancer <= $lancer_avant")"
else
    printf 'CPU time of the first throw %s ms, of the next ones %s ms (4 s from the click, median of %d; give the earlier program to compare)\n' \
        "$(ms "$premier_lancer")" "$(ms "$lancer")" "$LANCERS"
fi
