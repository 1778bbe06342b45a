#!/usr/bin/python3
# A monkey through the real window: the program, on the X display of $DISPLAY with a window
# manager, is given a seeded random stream of clicks on every element of the board, the menu bar
# and the menus, the dialogs and boxes and the help window, and of keys and typed text. The
# program is started again whenever it quits. The run fails, printing its seed and the last
# actions, on a sanitizer report, a crash or a non-zero exit, a window that does not answer
# the window manager's ping within 2 s, or a game that is stuck: no cup, no pass button to
# press, no other window of the program open, no round over and nothing moving on the board,
# for 10 s. Both times leave out the time the program waited for a processor on a busy machine.
#
# Usage: singe.py PROGRAM
#   TAVLO_SINGE_DUREE   seconds to play (60 by default)
#   TAVLO_SINGE_GRAINE  the seed (drawn at random and printed when not given)
#   TAVLO_SINGE_SORTIES folder where each run's output is kept (a private one by default)
# Needs python3-xlib and xdotool. Every process it starts ends with it.

import collections, os, random, re, select, subprocess, sys, tempfile, time
from Xlib import X, display, error
from Xlib.protocol import event

ATTENTE_REPONSE, ATTENTE_BLOCAGE = 2.0, 10.0
RAPPORT = re.compile(r"ERROR: \w+Sanitizer|runtime error:|Sanitizer:DEADLYSIGNAL|SUMMARY: ")
MARINE = b"\x80\x00\x00"  # navy, as the X server lays out a pixel: blue, green, red
# The elements of the board in the client area below the menu bar: x, y, width, height, and how
# often the monkey clicks each, then how often while it only plays. The players' boxes and the
# pot hold the tokens.
ELEMENTS = {
    "Gobelet": (552, 32, 80, 107, 8, 4), "ButStop": (264, 96, 113, 25, 8, 3),
    "De1": (104, 240, 60, 60, 4, 1), "De2": (224, 168, 60, 60, 4, 1),
    "De3": (272, 304, 65, 65, 4, 1), "SelectDe1": (424, 200, 57, 57, 3, 1),
    "SelectDe2": (424, 272, 60, 60, 3, 1), "SelectDe3": (488, 240, 60, 60, 3, 1),
    "Plateau": (4, 120, 629, 313, 2, 0), "NomJoueur1": (104, 0, 201, 89, 3, 0),
    "NomJoueur2": (336, 0, 201, 89, 3, 0), "pot": (8, 80, 120, 95, 4, 0),
    "Eti_Lancer": (538, 144, 38, 21, 1, 0), "CpsMaxi": (240, 392, 169, 19, 1, 0)}
ONZIEMES_JETONS = [(208, 56), (440, 56)]  # where each player's eleventh token shows
# Keys and their weights: the ones that end the program are rare, so that games go on.
TOUCHES = {"space": 6, "1": 4, "2": 4, "3": 4, "Return": 6, "Escape": 5, "Tab": 3, "ctrl+1": 2,
           "ctrl+2": 2, "F8": 2, "F10": 1, "alt+n": 2, "alt+s": 2, "alt+a": 2, "alt+o": 1,
           "alt+e": 1, "alt+x": 1, "Down": 2, "Up": 1, "Left": 1, "Right": 1, "KP_1": 1,
           "ampersand": 1, "eacute": 1, "quotedbl": 1, "shift+Tab": 1, "alt+q": 0.25,
           "alt+F4": 0.25}
TEXTES = ["PAUL", "ordy", "ORDY", "Marie-Ève", "  ", "é", "O'BRIEN", "x" * 40, "Zoë", "123",
          "a b", "\t", "JEAN\nLUC", "ÇA", "ß", "日本", "🎲"]


def xdotool(*arguments):
    return subprocess.run(("xdotool",) + arguments, capture_output=True, text=True,
                          timeout=10).stdout


class Singe:
    def __init__(self, programme, graine, sorties):
        self.programme, self.graine, self.sorties = programme, graine, sorties
        self.hasard, self.d = random.Random(graine), display.Display()
        # A window may go between two requests: those without a reply fail silently, the others
        # raise an error that their caller expects.
        self.d.set_error_handler(lambda *_: None)
        self.racine = self.d.screen().root
        # The pings' answers are sent to the root window, to whoever listens to its structure.
        self.racine.change_attributes(event_mask=X.StructureNotifyMask)
        self.actions = self.lancements = self.calme = 0
        self.dernieres, self.vus = collections.deque(maxlen=40), collections.Counter()
        self.processus, self.autres = None, []

    def demarrer(self):
        self.lancements += 1
        self.sortie = os.path.join(self.sorties, f"run{self.lancements}.txt")
        with open(self.sortie, "w") as f:
            self.processus = subprocess.Popen([self.programme], stdout=f, stderr=subprocess.STDOUT,
                                              stdin=subprocess.DEVNULL)
        self.noter(f"start run {self.lancements} (pid {self.processus.pid})")
        self.fenetre, fin = None, time.monotonic() + 30
        while not self.fenetre and not self.verifier_processus() and time.monotonic() < fin:
            time.sleep(0.1)
            self.fenetre = next(iter(self.fenetres("^Tavlo32$")), None)
        if not self.fenetre:
            self.echouer("the main window never mapped")
        # The client area starts at the window's origin; the board starts below the menu bar,
        # where the navy ground begins on the window's right-hand edge.
        time.sleep(0.3)
        self.fx, self.fy, largeur, _ = self.geometrie(self.fenetre) or self.echouer(
            "the main window went away")
        self.oy = self.fy
        colonne = self.zone(largeur - 5, 0, 1, 80)
        if MARINE not in colonne:
            self.echouer("no navy ground on the right of the window")
        self.menu, self.partie_vue, self.depuis_blocage, self.image = colonne.index(MARINE), \
            False, None, None
        self.suivre()

    # Seconds on a clock that stops while the program waits for a processor, so that a busy
    # machine is not taken for a program that does not answer.
    def horloge(self):
        try:
            with open(f"/proc/{self.processus.pid}/schedstat") as f:
                return time.monotonic() - int(f.read().split()[1]) / 1e9
        except (OSError, IndexError, ValueError):
            return time.monotonic()

    # Fails on a sanitizer report or a non-zero exit; True when the run has ended well.
    def verifier_processus(self):
        with open(self.sortie, errors="replace") as f:
            rapport = RAPPORT.search(f.read())
        if rapport:
            time.sleep(1)  # the rest of the report is on its way
            self.echouer(f"sanitizer report ({rapport[0].strip()})")
        if self.processus.poll():
            self.echouer(f"the program ended with status {self.processus.returncode}")
        return self.processus.returncode == 0

    def echouer(self, raison):
        print(f"FAIL: {raison}\nseed {self.graine}, run {self.lancements}, after {self.actions} "
              "actions\nlast actions:\n" + "".join(f"  {a}\n" for a in self.dernieres))
        with open(self.sortie, errors="replace") as f:
            print(f"--- output of run {self.lancements} ---\n{f.read()[-20000:]}")
        sys.exit(1)

    def noter(self, texte):
        self.dernieres.append(f"{time.monotonic() - self.debut:8.2f} {texte}")

    # The program's viewable windows other than the main one, or those whose name matches: all
    # of them carry the program's _NET_WM_PID, unlike the window manager's frames and buttons.
    def fenetres(self, nom=""):
        ids = xdotool("search", "--all", "--onlyvisible", "--pid", str(self.processus.pid),
                      "--name", nom).split()
        fenetres = (self.d.create_resource_object("window", int(i)) for i in ids)
        return [f for f in fenetres if f != self.fenetre]

    def nom(self, f):
        return xdotool("getwindowname", str(f.id)).strip()

    # The window's x, y on the screen, width and height; None once it is gone.
    def geometrie(self, f):
        try:
            g, o = f.get_geometry(), self.racine.translate_coords(f, 0, 0)
            return o.x, o.y, g.width, g.height
        except error.XError:
            return None

    # The pixels of a rectangle of the board, row after row; none off the screen.
    def zone(self, x, y, largeur, hauteur, brut=False):
        try:
            o = self.racine.get_image(self.fx + x, self.oy + y, largeur, hauteur, X.ZPixmap,
                                      0xFFFFFFFF).data
        except error.XError:
            o = b""
        return o if brut else [o[i:i + 3] for i in range(0, len(o), 4)]

    # The window manager may move the window (its buttons are the user's too).
    def suivre(self):
        self.fx, self.fy = (self.geometrie(self.fenetre) or (self.fx, self.fy))[:2]
        self.oy = self.fy + self.menu

    # True when the window answers the window manager's ping within 2 s of the clock that leaves
    # out the program's wait for a processor.
    def repond(self):
        horodatage = int(time.monotonic() * 1000) & 0xFFFFFFFF or 1
        ping = self.d.get_atom("_NET_WM_PING")
        self.fenetre.send_event(event.ClientMessage(
            window=self.fenetre, client_type=self.d.get_atom("WM_PROTOCOLS"),
            data=(32, [ping, horodatage, self.fenetre.id, 0, 0])))
        self.d.flush()
        debut, debut_mur = self.horloge(), time.monotonic()
        while self.horloge() - debut <= ATTENTE_REPONSE and time.monotonic() - debut_mur < 60:
            select.select([self.d], [], [], 0.05)
            # The answer may have come while this script itself waited for a processor: read
            # what is there before looking at the time.
            while self.d.pending_events():
                e = self.d.next_event()
                if e.type == X.ClientMessage and tuple(e.data[1][:2]) == (ping, horodatage):
                    return True
        return False

    # Checks the program and the game between two actions.
    def surveiller(self):
        # A program that has ended does not answer either: the next check starts it again.
        if not self.repond() and not self.verifier_processus():
            self.echouer(f"the window did not answer a ping within {ATTENTE_REPONSE:.0f} s")
        self.suivre()
        self.autres = self.fenetres()
        etat = {"cup": any(p != MARINE for p in self.zone(560, 40, 64, 70)),
                # The caption of an enabled button is drawn in black, a disabled one's in grey.
                "pass button": sum(max(p) < 40 for p in self.zone(268, 100, 105, 17)) >= 12,
                # A box, a menu, the help window or a tooltip may cover the game.
                "other window": bool(self.autres),
                # A player who holds all eleven tokens shows his eleventh one.
                "round over": any(set(self.zone(x + 4, y + 7, 32, 1)) - set(self.zone(
                    x + 44, y + 4, 1, 1)) for x, y in ONZIEMES_JETONS)}
        self.vus.update(n for n, vu in etat.items() if vu)
        self.partie_vue |= etat["cup"] or etat["pass button"]
        image = self.zone(4, 90, 629, 343, brut=True)
        if not self.partie_vue or any(etat.values()) or image != self.image:
            self.depuis_blocage = self.horloge()
        elif self.horloge() - self.depuis_blocage > ATTENTE_BLOCAGE:
            self.echouer(f"the game is stuck: no cup, no pass button, no other window and the "
                         f"round not over for {ATTENTE_BLOCAGE:.0f} s")
        self.image = image

    # Moves the pointer to x, y and clicks, as the user's hand does.
    def cliquer(self, x, y, nom, bouton=1):
        self.noter(f"click {nom} at {x},{y}" + ("" if bouton == 1 else f" button {bouton}"))
        xdotool("mousemove", str(x), str(y), "click", str(bouton))

    # While the monkey only plays, it clicks the middle of the game's own elements.
    def cliquer_element(self, calme=False):
        h = self.hasard
        nom = h.choices(list(ELEMENTS), [e[5 if calme else 4] for e in ELEMENTS.values()])[0]
        x, y, largeur, hauteur = ELEMENTS[nom][:4]
        if calme:
            return self.cliquer(self.fx + x + largeur // 2, self.oy + y + hauteur // 2, nom)
        self.cliquer(self.fx + x + h.randint(2, largeur - 3), self.oy + y + h.randint(
            2, hauteur - 3), nom, h.choices([1, 2, 3], weights=[20, 1, 1])[0])

    def cliquer_menu(self):
        # The menu bar holds "&Nouvelle Partie", "&Scores", "&Aide" and "&Quitter" from the left.
        h = self.hasard
        x = h.choices([h.randint(6, 88), h.randint(94, 138), h.randint(142, 174),
                       h.randint(178, 220), h.randint(225, 600)], weights=[6, 4, 4, 0.3, 1])[0]
        self.cliquer(self.fx + x, self.fy + h.randint(2, self.menu - 2), "the menu bar")
        time.sleep(0.15)
        if h.random() < 0.7:
            self.cliquer_autre("an item of the open menu")

    # A click somewhere in one of the program's other windows: menu, box, dialog, help.
    def cliquer_autre(self, nom="another window"):
        autres, h = self.fenetres(), self.hasard
        f = h.choice(autres) if autres else None
        x, y, largeur, hauteur = f and self.geometrie(f) or (0, 0, 0, 0)
        if min(largeur, hauteur) < 4:
            return
        if h.random() < 0.4:  # the buttons of boxes and dialogs sit along their bottom edge
            x, y = x + h.randint(largeur // 4, 3 * largeur // 4), y + hauteur - h.randint(8, 30)
        else:
            x, y = x + h.randint(1, largeur - 2), y + h.randint(1, hauteur - 2)
        self.cliquer(x, y, f"{nom} ({self.nom(f)!r})")

    def touche(self, touches=TOUCHES):
        t = self.hasard.choices(list(touches), weights=list(touches.values()))[0]
        self.noter(f"key {t}")
        xdotool("key", t)

    # Typed text only: pasting, with its control characters, is the names dialog test's.
    def taper(self):
        texte = self.hasard.choice(TEXTES)
        self.noter(f"type {texte!r}")
        xdotool("type", "--delay", "5", texte)

    # Activates a window, then presses a key through the real keyboard: Qt ignores a key sent
    # to one window only.
    def activer(self, f, *touche):
        self.noter(f"activate {self.nom(f)!r}" + "".join(f", key {t}" for t in touche))
        xdotool("windowactivate", str(f.id), *(("sleep", "0.1", "key") + touche if touche else ()))

    def agir(self):
        h, calme = self.hasard, time.monotonic() < self.calme
        # Now and then a spell of 15 s spent playing only, as a player does between two visits
        # to the menus: long enough for a stuck game to be seen.
        if calme:
            choix = {lambda: self.cliquer_element(calme=True): 7,
                     lambda: self.touche({"space": 1, "1": 1, "2": 1, "3": 1, "Return": 1}): 3}
        else:
            choix = {self.cliquer_element: 30, self.cliquer_menu: 8, self.touche: 25,
                     lambda: self.activer(self.fenetre): 1}
            if self.autres:
                # The window manager's close key is the only way out of the help window.
                choix.update({self.cliquer_autre: 25, self.taper: 10,
                              lambda: self.activer(h.choice(self.autres), "alt+F4"): 1})
            if h.random() < 1 / 200:
                self.noter("15 s of play only")
                self.calme = time.monotonic() + 15
        h.choices(list(choix), weights=list(choix.values()))[0]()
        self.actions += 1
        time.sleep(h.choice([0.05, 0.1, 0.3] if calme else [0, 0.02, 0.05, 0.1, 0.3]))

    def jouer(self, duree):
        self.debut = controle = time.monotonic()
        self.demarrer()
        while time.monotonic() < self.debut + duree:
            # Whether the program still runs after every action, the whole check twice a second.
            if self.verifier_processus():
                self.noter(f"run {self.lancements} ended with status 0")
                self.demarrer()
            elif time.monotonic() >= controle:
                controle = time.monotonic() + 0.5
                self.surveiller()
            else:
                self.agir()
        self.terminer()

    # Ends the last run as a user does, so that its exit is checked too: each open box, dialog
    # or window of the program closed with Escape or the window manager, then "&Quitter", or the
    # main window closed by the window manager.
    def terminer(self):
        for essai in range(60):
            if self.processus.poll() is not None:
                self.noter("ended by the monkey")
                return self.verifier_processus()
            autres = self.fenetres()
            if autres:
                self.activer(autres[-1], "Escape" if essai % 3 else "alt+F4")
            else:
                self.activer(self.fenetre, "alt+q" if essai % 2 == 0 else "alt+F4")
            time.sleep(0.5)
        self.echouer("the program could not be ended by its menu nor its window's closing")

    # Every process the monkey started ends with it.
    def arreter(self):
        if self.processus is not None and self.processus.poll() is None:
            self.processus.kill()
            self.processus.wait()


if __name__ == "__main__":
    duree = float(os.environ.get("TAVLO_SINGE_DUREE", "60"))
    graine = int(os.environ.get("TAVLO_SINGE_GRAINE") or random.SystemRandom().randrange(1 << 31))
    print(f"monkey: seed {graine}, {duree:.0f} s", flush=True)
    singe = Singe(sys.argv[1], graine, os.environ.get("TAVLO_SINGE_SORTIES") or tempfile.mkdtemp())
    try:
        singe.jouer(duree)
    finally:
        singe.arreter()
    print(f"PASS: {singe.actions} actions, {singe.lancements} runs of the program, seed {graine}")
    print("checks that saw " + ", ".join(f"{nom}: {n}" for nom, n in sorted(singe.vus.items())))
