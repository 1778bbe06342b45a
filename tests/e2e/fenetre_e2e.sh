#!/usr/bin/env bash
# The built program under Xvfb with a window manager: the window maps maximised, shows navy at
# its corners and the felt green on the board, stays maximised when its title bar is double
# clicked, the Help menu opens from its key, and "&Quitter" ends the program with status 0. The
# throw, by click or key, and the pass are the shell's Qt tests'; a real click on the cup is
# son_e2e.sh's.
# Usage: fenetre_e2e.sh PROGRAM [LANG]: the program runs under that locale alone (fr_FR.UTF-8
# by default), and an English one must give the English menus ("&Help"). Exits 77 (skipped) when
# a tool it needs is missing.
set -euo pipefail
programme=$1
langue=${2:-fr_FR.UTF-8}
touche_aide=a
[[ $langue != en* ]] || touche_aide=h

. "$(dirname "$0")/bureau_virtuel.sh" xdotool xwininfo import convert
demarrer_bureau

en_fond env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$langue" "$programme" >"$travail/sortie" 2>&1
programme_pid=${pids[-1]}

attendre xdotool search --onlyvisible --class tavlo32 || echec "the window never mapped"
fenetre=$(xdotool search --onlyvisible --class tavlo32 | head -n1)
attendre sh -c "xprop -id $fenetre _NET_WM_STATE | grep -q MAXIMIZED_HORZ" ||
    echec "the window is not maximised: $(xprop -id "$fenetre" _NET_WM_STATE)"
attendre sh -c "xprop -id $fenetre WM_NAME | grep -q '\"Tavlo32\"'" || echec "caption"

eval "$(xdotool getwindowgeometry --shell "$fenetre")" # X, Y, WIDTH and HEIGHT of the client area
x0=$X y0=$Y largeur=$WIDTH hauteur=$HEIGHT
sleep 0.5

# The colour of one pixel of the screen, as "r,g,b".
pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

import -window root "$travail/depart.png"
# The navy ground: the right-hand corners of the client area, beyond the fixed layout, above
# the status bar.
for point in "$((x0 + largeur - 5)) $((y0 + 40))" "$((x0 + largeur - 5)) $((y0 + hauteur - 40))"; do
    # shellcheck disable=SC2086
    couleur=$(pixel "$travail/depart.png" $point)
    [ "$couleur" = "0,0,128" ] || echec "navy expected at $point, got $couleur"
done
# The felt, half-way across the board and well inside its rim.
couleur=$(pixel "$travail/depart.png" $((x0 + 400)) $((y0 + 300)))
[ "$couleur" = "0,117,0" ] || echec "felt green expected on the board, got $couleur"

# The border is not resizable: a double click on the title bar, which makes openbox restore a
# window, leaves it maximised at the same size.
haut=$(xprop -id "$fenetre" _NET_FRAME_EXTENTS | sed -E 's/.*= *[0-9]+, *[0-9]+, *([0-9]+),.*/\1/')
xdotool mousemove $((x0 + largeur / 2)) $((y0 - haut / 2)) click --repeat 2 --delay 80 1
sleep 1
taille=$(xwininfo -id "$fenetre" | awk '/Width|Height/ {printf "%s ", $2}')
[ "$taille" = "$largeur $hauteur " ] || echec "the window was resized to $taille"
xprop -id "$fenetre" _NET_WM_STATE | grep -q MAXIMIZED_HORZ || echec "no longer maximised"

xdotool search --onlyvisible --class tavlo32 windowactivate --sync %@ 2>/dev/null || true
# The Help menu's key is the first letter of its name in the player's language.
xdotool key alt+$touche_aide
attendre sh -c "[ \$(xdotool search --onlyvisible --class tavlo32 | wc -l) -gt 1 ]" ||
    echec "Alt+$touche_aide opened no menu under LANG=$langue"
xdotool key Escape
sleep 0.3

# "&Quitter" ends the program with status 0.
xdotool key alt+q
attendre sh -c "! kill -0 $programme_pid" || echec "the program did not end on \"&Quitter\""
statut=0
wait "$programme_pid" || statut=$?
[ "$statut" -eq 0 ] || echec "exit status $statut"
echo "PASS"
