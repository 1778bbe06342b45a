#!/usr/bin/env bash
# The throw's sound played for real: the program under Xvfb and openbox plays into the null sink
# of a private PulseAudio daemon; what the sink's monitor records during a throw is not silent.
# Usage: son_e2e.sh PROGRAM. Exits 77 (skipped) when a tool it needs is missing.
set -euo pipefail
programme=$1

. "$(dirname "$0")/bureau_virtuel.sh" xdotool pulseaudio pactl parec sox
export PULSE_RUNTIME_PATH=$travail/pulse
export PULSE_STATE_PATH=$travail/pulse
export HOME=$travail

en_fond pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
    -L "module-native-protocol-unix" -L "module-null-sink sink_name=nul" >"$travail/pulse.log" 2>&1
attendre pactl info || echec "PulseAudio did not start: $(cat "$travail/pulse.log")"
pactl set-default-sink nul

demarrer_bureau

en_fond "$programme" >"$travail/sortie" 2>&1
attendre xdotool search --onlyvisible --class tavlo32 || echec "the window never mapped"
fenetre=$(xdotool search --onlyvisible --class tavlo32 | head -n1)
eval "$(xdotool getwindowgeometry --shell "$fenetre")" # X and Y of the client area
xdotool search --onlyvisible --class tavlo32 windowactivate --sync %@ 2>/dev/null || true
xdotool key alt+n
sleep 0.5
xdotool key Escape
sleep 0.5

# Record the sink's monitor while the cup is clicked and the dice roll.
en_fond parec -d nul.monitor --format=s16le --rate=11025 --channels=1 >"$travail/son.raw"
sleep 0.5
xdotool mousemove $((X + 592)) $((Y + 100)) click 1
sleep 4
kill -- "-${pids[-1]}"
sox -t raw -r 11025 -e signed -b 16 -c 1 "$travail/son.raw" -n stat 2>"$travail/stat" || true
amplitude=$(awk '/RMS +amplitude/ {print $3}' "$travail/stat")
echo "Recorded $(stat -c %s "$travail/son.raw") bytes, RMS amplitude ${amplitude:-none}"
awk -v a="${amplitude:-0}" 'BEGIN {exit !(a > 0.01)}' || echec "the throw was silent"
echo "PASS"
