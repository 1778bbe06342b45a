#!/usr/bin/env bash
# Measures the program under Xvfb with openbox, in one run, against a bare Qt window built here:
# time from start to the first window mapped, resident memory 5 s after start, CPU time of one
# whole throw and of 10 s idle. Not a test: it prints figures and the goals beside them.
# Usage: bench/ui_bench.sh [PROGRAM]   (default: build/src/tavlo32)
# Needs Xvfb, openbox, xdotool, xprop and g++ with the Qt 6 development files.
set -euo pipefail
cd "$(dirname "$0")/.."
programme=$(realpath "${1:-build/src/tavlo32}")
ESSAIS=7

. tests/e2e/bureau_virtuel.sh xdotool g++ pkg-config

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

maintenant_ms() { echo $(($(date +%s%N) / 1000000)); }

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
demarrage_ms() {
    local classe=$1
    shift
    local debut fin pid
    debut=$(maintenant_ms)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --classname "$classe" >/dev/null 2>&1; do :; done
    fin=$(maintenant_ms)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo $((fin - debut))
}

mediane() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# Alternate the two programs so that both see the same warm caches.
: >"$travail/t_nu"
: >"$travail/t_nutexte"
: >"$travail/t_jeu"
for _ in $(seq $ESSAIS); do
    demarrage_ms nu "$travail/nu" >>"$travail/t_nu"
    demarrage_ms nutexte "$travail/nutexte" >>"$travail/t_nutexte"
    demarrage_ms tavlo32 "$programme" >>"$travail/t_jeu"
done
nu=$(mediane <"$travail/t_nu")
nutexte=$(mediane <"$travail/t_nutexte")
jeu=$(mediane <"$travail/t_jeu")

"$programme" >/dev/null 2>&1 &
pid=$!
pids+=("$pid")
sleep 5
rss_kb=$(awk '/VmRSS/ {print $2}' /proc/"$pid"/status)

# Idle: the 500 ms timer keeps ticking; nothing else happens. The bare window with its idle timer
# is measured over the same 10 s.
"$travail/nutexte" >/dev/null 2>&1 &
pid_nu=$!
pids+=("$pid_nu")
sleep 2
avant=$(cpu_us "$pid")
avant_nu=$(cpu_us "$pid_nu")
sleep 10
repos_us=$(($(cpu_us "$pid") - avant))
repos_nu_us=$(($(cpu_us "$pid_nu") - avant_nu))
kill "$pid_nu"

# One whole throw: open "&Nouvelle Partie", close it, click the cup, wait for the seven frames.
xdotool search --onlyvisible --classname tavlo32 windowactivate --sync %@ >/dev/null 2>&1 || true
xdotool key alt+n
sleep 0.3
xdotool key Escape
sleep 0.5
x0=$(xdotool search --onlyvisible --classname tavlo32 getwindowgeometry | awk '/Position/ {split($2, p, ","); print p[1]; exit}')
y0=$(xdotool search --onlyvisible --classname tavlo32 getwindowgeometry | awk '/Position/ {split($2, p, ","); print p[2]; exit}')
xdotool mousemove $((x0 + 592)) $((y0 + 100))
sleep 0.5
avant=$(cpu_us "$pid")
xdotool click 1
sleep 4
lancer_us=$(($(cpu_us "$pid") - avant))

printf 'Start-up to first window mapped (median of %d): bare Qt window %d ms, Tavlo32 %d ms, ratio %s (goal <= 1.25)\n' \
    "$ESSAIS" "$nu" "$jeu" "$(awk -v a="$jeu" -v b="$nu" 'BEGIN {printf "%.2f", a / b}')"
printf '  (a bare window with one line of text and a 500 ms timer: %d ms, ratio %s)\n' "$nutexte" \
    "$(awk -v a="$jeu" -v b="$nutexte" 'BEGIN {printf "%.2f", a / b}')"
printf 'Resident memory 5 s after start: %.1f MB (goal <= 45 MB)\n' "$(awk -v k="$rss_kb" 'BEGIN {print k / 1024}')"
printf 'CPU time of one whole throw (4 s from the click): %.1f ms (goal <= 20 ms)\n' "$(awk -v u="$lancer_us" 'BEGIN {print u / 1000}')"
printf 'CPU time of 10 s idle: %.1f ms (goal <= 5 ms); a bare window with an idle 500 ms timer: %.1f ms\n' \
    "$(awk -v u="$repos_us" 'BEGIN {print u / 1000}')" "$(awk -v u="$repos_nu_us" 'BEGIN {print u / 1000}')"
