# Prints the milliseconds from the start of a program to the first window mapped on the screen.
# The X server tells the moment itself (a map notification on the root window), so nothing polls
# and nothing takes the processor from the program while it starts.
# Usage: /usr/bin/python3 bench/fenetre_montree.py PROGRAM [ARGUMENT...]
import select
import subprocess
import sys
import time

from Xlib import X, display

ecran = display.Display()
ecran.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
ecran.sync()
debut = time.monotonic()
programme = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
try:
    while True:
        if not ecran.pending_events() and not select.select([ecran], [], [], 10)[0]:
            sys.exit(f"{sys.argv[1]} showed no window within 10 s")
        if ecran.next_event().type == X.MapNotify:
            print(f"{(time.monotonic() - debut) * 1000:.1f}")
            break
finally:
    programme.kill()
    programme.wait()
