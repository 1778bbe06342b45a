#!/usr/bin/env bash
# The built program as a native Wayland client under a headless sway: the window maps, Ctrl+2
# then Escape starts a game (the names dialog cancelled), Space throws, the dice on the screen
# change, and Alt+Q ends the program with status 0. Keys come from wtype's virtual keyboard,
# screenshots from grim.
# sway refuses to run as root, so as root the compositor, the program and the tools run as
# nobody, in a private runtime folder with a copy of the program.
# Usage: wayland_e2e.sh PROGRAM. Exits 77 (skipped) when a tool is missing or sway cannot start.
set -euo pipefail
programme=$1

for outil in sway swaymsg wtype grim convert; do
    command -v "$outil" >/dev/null || { echo "SKIP: $outil is missing"; exit 77; }
done

. "$(dirname "$0")/travail.sh"

cp "$programme" "$travail/tavlo32"
chmod 755 "$travail/tavlo32"
# The program runs as nobody, who may not read the checkout: the sanitizers' suppressions come
# with it into the work folder.
supp=$(sed -n 's/^\(.*:\)\{0,1\}suppressions=\([^:]*\).*/\2/p' <<<"${LSAN_OPTIONS:-}")
if [ -n "$supp" ]; then
    cp "$supp" "$travail/lsan.supp"
    LSAN_OPTIONS=${LSAN_OPTIONS/"$supp"/$travail/lsan.supp}
fi
printf 'output HEADLESS-1 resolution 1024x768\ndefault_border none\n' >"$travail/sway.conf"
comme=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$travail"
    comme=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
# A command prefix: as the unprivileged user, in the private session.
dans_la_session=("${comme[@]}" env HOME="$travail" XDG_RUNTIME_DIR="$travail"
    WAYLAND_DISPLAY=wayland-1 SWAYSOCK="$travail/sway.sock")

en_fond "${dans_la_session[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    WAYLAND_DISPLAY= sway -c "$travail/sway.conf" >"$travail/sway.log" 2>&1
if ! attendre test -S "$travail/wayland-1"; then
    echo "SKIP: sway could not start here"
    tail -n 5 "$travail/sway.log"
    exit 77
fi
# sway opens its IPC socket where SWAYSOCK says; swaymsg finds it there.
attendre test -S "$travail/sway.sock" || echec "no sway IPC socket"

# Mesa's EGL driver, which Qt's Wayland client loads, keeps no frame pointers: a sanitized
# program needs the slow unwinder for LeakSanitizer to name the system library of a leak there.
en_fond "${dans_la_session[@]}" QT_QPA_PLATFORM=wayland \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0" "$travail/tavlo32" >"$travail/sortie" 2>&1
programme_pid=${pids[-1]}
attendre sh -c "swaymsg -s '$travail/sway.sock' -t get_tree | grep -q '\"app_id\": \"tavlo32\"'" ||
    echec "the window never mapped"

# The dice, below the menu bar: De1 to De3 stand between 104, 168 and 337, 369 in the layout.
capture() { # the screen, and the dice's part of it as raw pixels
    "${dans_la_session[@]}" grim "$travail/$1.png" || echec "grim could not take $1"
    convert "$travail/$1.png" -crop 250x230+100+170 +repage "rgb:$travail/des-$1.rgb"
}
# The headless seat has no keyboard until wtype's virtual one appears: pause before and after.
touches() { "${dans_la_session[@]}" wtype -s 600 "$@" -s 600 || echec "wtype $*"; }

touches -M ctrl 2 -m ctrl
touches -k Escape
capture avant
touches -k space
# The throw shows a frame at each of seven ticks of 500 ms. One screenshot could show the very
# faces of the start by chance; four, taken during and after the throw, will not all do so.
change=0
for n in 1 2 3 4; do
    sleep 1
    capture "apres$n"
    cmp -s "$travail/des-avant.rgb" "$travail/des-apres$n.rgb" || change=1
done
[ "$change" -eq 1 ] || echec "the dice did not change on the screen"

touches -M alt q -m alt
attendre sh -c "! kill -0 $programme_pid" || echec "the program did not end on Alt+Q"
statut=0
wait "$programme_pid" || statut=$?
[ "$statut" -eq 0 ] || echec "exit status $statut"
echo "PASS"
