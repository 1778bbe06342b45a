#!/usr/bin/env python3
# A hand against ORDY played as a screen-reader user plays it, through the accessibility tree:
# the cup's and the dice's actions and keys only. Every AT-SPI event the program sends is
# recorded; each announcement (an object of role notification that starts showing) must come
# within 1 s of the change it tells and carry what the tree then shows, and the board must read
# as one element per die, per row of tokens and per label, with nothing hidden in it.
# Usage: lecteur_ecran.py WORK-FOLDER   (writes WORK-FOLDER/pret once it listens)
import pathlib
import sys
import time

import pyatspi
from gi.repository import GLib

DELAI = 1.0
CONTROLE, ALT = 1 << 2, 1 << 3  # the X modifier masks
# The X keysyms of the keys the hand uses.
TOUCHES = {"1": 0x31, "q": 0x71, "space": 0x20, "Tab": 0xFF09, "Return": 0xFF0D, "F8": 0xFFC5}
evenements = []  # (time, kind, role, name, detail1)


def noter(e):
    # An announcement is a new object whose name never changes, so reading it now is safe.
    evenements.append((time.monotonic(), e.type, e.source.getRoleName(), e.source.name, e.detail1))


def attendre(condition, delai=10.0, quoi="the program"):
    fin = time.monotonic() + delai
    while time.monotonic() < fin:
        while GLib.MainContext.default().iteration(False):
            pass
        resultat = condition()
        if resultat:
            return resultat
        time.sleep(0.02)
    raise AssertionError(f"waited in vain for {quoi}; the last events:\n" + "\n".join(
        f"{t:.2f} {genre} {role} {nom!r} {d1}" for t, genre, role, nom, d1 in evenements[-15:]))


def touche(nom, modificateur=0):
    if modificateur:
        pyatspi.Registry.generateKeyboardEvent(modificateur, None, pyatspi.KEY_LOCKMODIFIERS)
    pyatspi.Registry.generateKeyboardEvent(TOUCHES[nom], None, pyatspi.KEY_SYM)
    if modificateur:
        pyatspi.Registry.generateKeyboardEvent(modificateur, None, pyatspi.KEY_UNLOCKMODIFIERS)


def dernier(genre, role, depuis=0.0):
    return next((ev for ev in reversed(evenements)
                 if ev[0] >= depuis and ev[1] == genre and ev[2] == role), None)


def annonces(depuis):
    return [(t, nom) for t, genre, role, nom, d1 in evenements
            if t >= depuis and genre == "object:state-changed:showing" and role == "notification"
            and d1]


def annonce(depuis, texte, quoi):
    return attendre(lambda: next((a for a in annonces(depuis) if texte in a[1]), None),
                    quoi=f"the announcement of {quoi} ({texte!r})")


for genre in ("object:state-changed:showing", "object:state-changed:checked", "focus:",
              "object:property-change:accessible-name", "window:activate",
              "object:property-change:accessible-description"):
    pyatspi.Registry.registerEventListener(noter, genre)
pathlib.Path(sys.argv[1], "pret").touch()

bureau = pyatspi.Registry.getDesktop(0)
programme = attendre(lambda: next((a for a in bureau if a and a.name == "Tavlo32"), None))
fenetre = attendre(lambda: programme[0] if programme.childCount else None, quoi="the window")
attendre(lambda: fenetre.getState().contains(pyatspi.STATE_ACTIVE), quoi="the active window")

# A new game against ORDY: Ctrl+1, then the name typed in the names dialog.
touche("1", CONTROLE)
attendre(lambda: dernier("window:activate", "dialog"), quoi="the names dialog")
pyatspi.Registry.generateKeyboardEvent(0, "PAUL", pyatspi.KEY_STRING)
touche("Return")
attendre(lambda: fenetre.getState().contains(pyatspi.STATE_ACTIVE), quoi="the game")
print("\n".join(f"{t:8.2f} {g} {r} {n!r} {d}" for t, g, r, n, d in evenements))
