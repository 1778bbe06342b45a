#!/usr/bin/env python3
# A hand against ORDY played as a screen-reader user plays it, through the accessibility tree:
# the cup's and the dice's actions and keys only. Every AT-SPI event the program sends is
# recorded; each announcement (an object of role notification that starts showing) must come
# within 1 s of the change it tells and carry the faces and rows the tree then shows, and nothing
# hidden may stand in the board's tree.
# Usage: lecteur_ecran.py WORK-FOLDER   (writes WORK-FOLDER/pret once it listens)
import pathlib
import re
import sys
import time

import pyatspi
from gi.repository import GLib

DELAI = 1.0
CONTROLE = 1 << 2  # the X modifier mask
# The X keysyms of the keys the hand uses.
TOUCHES = {"1": 0x31, "Tab": 0xFF09, "Return": 0xFF0D, "F8": 0xFFC5}
evenements = []  # (time, kind, role, name)


def noter(e):
    # An announcement is a new object whose name never changes, so reading it now is safe.
    try:
        evenements.append((time.monotonic(), e.type, e.source.getRoleName(), e.source.name))
    except GLib.Error:
        pass  # an object already gone, such as a closed dialog's


def attendre(condition, quoi):
    fin = time.monotonic() + 10
    while time.monotonic() < fin:
        while GLib.MainContext.default().iteration(False):
            pass
        resultat = condition()
        if resultat:
            return resultat
        time.sleep(0.02)
    raise AssertionError(f"waited in vain for {quoi}; the last events:\n" + "\n".join(
        f"{t:.2f} {genre} {role} {nom!r}" for t, genre, role, nom in evenements[-30:]))


def touche(nom, modificateur=0):
    if modificateur:
        pyatspi.Registry.generateKeyboardEvent(modificateur, None, pyatspi.KEY_LOCKMODIFIERS)
    pyatspi.Registry.generateKeyboardEvent(TOUCHES[nom], None, pyatspi.KEY_SYM)
    if modificateur:
        pyatspi.Registry.generateKeyboardEvent(modificateur, None, pyatspi.KEY_UNLOCKMODIFIERS)


def depuis(t, genre, role=None):
    return [e for e in evenements if e[0] > t and e[1].startswith(genre) and role in (None, e[2])]


def annonce(t, texte, quoi):
    return attendre(lambda: next((e for e in depuis(t, "object:state-changed:showing",
                                                    "notification") if texte in e[3]), None),
                    f"the announcement of {quoi} ({texte!r})")


def plateau():
    return pyatspi.findDescendant(fenetre, lambda o: o.name == "Plateau")


def element(nom):
    return next((o for o in plateau() if o.name == nom), None)


def faces():
    return [element(f"Dé {d}").queryText().getText(0, -1) for d in (1, 2, 3)]


def rangees():
    return [o.name for o in plateau() if " jeton" in o.name]


# What else a throw's or a settlement's announcement says is checked by the shell's Qt test.
def lancer(joueur, t):
    """The throw's announcement: the faces the dice then show, in order, within 1 s of the stop."""
    t, _, _, texte = annonce(t, f"{joueur} : ", f"{joueur}'s throw")
    arret = depuis(0, "object:property-change:accessible-description")[-1][0]
    assert 0 <= t - arret <= DELAI, (texte, t - arret)
    assert texte.startswith(f"{joueur} : {', '.join(faces())}."), (texte, faces())
    return t


def boite(t, texte):
    """A message box is an alert that opens with its text, and its OK button closes it."""
    t = attendre(lambda: depuis(t, "window:activate", "alert"), f"the box {texte!r}")[0][0]
    alerte = next(w for w in programme if w.getRoleName() == "alert")
    lu = [o.name for o in pyatspi.findAllDescendants(alerte, lambda o: o.getRoleName() == "label")]
    assert any(n.startswith(texte) for n in lu), lu
    # Its OK button's action, not a key: a key's release still queued when the game quits is
    # reported as a leak of Qt's by the sanitized build.
    pyatspi.findDescendant(alerte, lambda o: o.getRoleName() == "push button").queryAction().doAction(0)
    attendre(lambda: depuis(t, "window:activate", "frame"), "the box to close")
    return t


for genre in ("object:state-changed:showing", "object:state-changed:checked", "focus:",
              "object:property-change:accessible-name", "window:activate",
              "object:property-change:accessible-description"):
    pyatspi.Registry.registerEventListener(noter, genre)
pathlib.Path(sys.argv[1], "pret").touch()
programme = attendre(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                   if a and a.name == "Tavlo32"), None), "the program")
fenetre = attendre(lambda: programme.childCount and programme[0], "the window")
attendre(lambda: fenetre.getState().contains(pyatspi.STATE_ACTIVE), "the active window")

# A new game against ORDY: Ctrl+1, then the name typed in the names dialog.
touche("1", CONTROLE)
attendre(lambda: depuis(0, "window:activate", "dialog"), "the names dialog")
pyatspi.Registry.generateKeyboardEvent(0, "PAUL", pyatspi.KEY_STRING)
touche("Return")
attendre(lambda: element("Gobelet"), "the cup")
# Every element the tree gives shows on the screen; what the elements read is the shell's Qt
# test's.
for o in plateau():
    assert o.getState().contains(pyatspi.STATE_SHOWING), f"hidden in the tree: {o.name!r}"

# Tab goes from the cup to the dice; the pass button, not yet usable, is left out.
debut = time.monotonic()
for _ in range(4):
    touche("Tab")
ordre = attendre(lambda: len(depuis(debut, "focus:")) >= 4 and depuis(debut, "focus:"), "focus")
assert [e[3] for e in ordre[:4]] == ["Gobelet", "Dé 1", "Dé 2", "Dé 3"], ordre

# Paul throws with the cup's action. He has one throw, so the die's action then does nothing.
debut = time.monotonic()
element("Gobelet").queryAction().doAction(0)
lancer("PAUL", debut)
element("Dé 1").queryAction().doAction(0)

# Enter passes the hand to ORDY, which throws once and passes: the hand is settled.
debut = time.monotonic()
touche("Return")
t = annonce(debut, "Main à ORDY.", "the pass")[0]
assert t - debut <= DELAI, t - debut
fin_ordy = lancer("ORDY", t)
t, _, _, texte = annonce(fin_ordy, " jeton", "the settlement")
# The moment is the rows' new counts, or the "REPOS" label showing after a tie.
moment = (depuis(fin_ordy, "object:property-change:accessible-name", "label")
          + depuis(fin_ordy, "object:state-changed:showing", "label"))[0][0]
assert 0 <= t - moment <= DELAI, (texte, t - moment)
assert all(r in texte for r in rangees()), (texte, rangees())
don = re.match(r"Le pot donne (\d+) jetons? à (\w+)\. ", texte)
perdant = don[2] if don else "PAUL"  # after a tie the first player opens the replay
assert not depuis(0, "object:state-changed:checked"), "a die was set aside in a one-throw hand"

# ORDY, second, says it lost; the scores box opens on F8; the menu's "Quitter" ends the game.
if perdant == "ORDY":
    assert boite(t, "C'est à moi de relancer...") - t <= DELAI
debut = time.monotonic()
touche("F8")
boite(debut, "Manches pour PAUL : 0")
pyatspi.findDescendant(fenetre, lambda o: o.name == "Quitter").queryAction().doAction(0)
