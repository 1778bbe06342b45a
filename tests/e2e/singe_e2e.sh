#!/usr/bin/env bash
# The monkey through the real window (singe.py) on a private virtual desktop.
# Usage: singe_e2e.sh PROGRAM. TAVLO_SINGE_DUREE (seconds, 60 by default) and TAVLO_SINGE_GRAINE
# are passed on. Exits 77 (skipped) when a tool it needs is missing.
set -euo pipefail
programme=$1

. "$(dirname "$0")/bureau_virtuel.sh" xdotool
# python3-xlib serves the system's Python, whatever other one comes first in PATH.
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || { echo "SKIP: python3-xlib is missing"; exit 77; }
. "$(dirname "$0")/../sanitizers/environnement.sh"
export HOME=$travail
demarrer_bureau
"$(dirname "$0")/singe.py" "$programme"
