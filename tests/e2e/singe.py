#!/usr/bin/env python3
# A monkey through the real window: the program, on the X display of $DISPLAY with a window
# manager, is given a seeded random stream of clicks on every element of the board, the menu bar
# and the menus, the dialogs and boxes and the help window, and of keys, typed text and pasted
# text. The program is started again whenever it quits. The run fails, printing its seed and the
# last actions, on a sanitizer report, a crash or a non-zero exit, a window that does not answer
# the window manager's ping within 2 s, or a game that is stuck: no cup, no pass button to
# press, no dialog, box or menu open, no round over and nothing moving on the board, for 10 s.
# Both times leave out the time the program waited for a processor on a busy machine.
#
# Usage: singe.py PROGRAM
#   TAVLO_SINGE_DUREE   seconds to play (60 by default)
#   TAVLO_SINGE_GRAINE  the seed (drawn at random and printed when not given)
#   TAVLO_SINGE_SORTIES folder where each run's output is kept (a private one by default)
# Needs xdotool and xclip; reads the screen and pings the window itself over the X protocol.

import collections
import hashlib
import os
import random
import socket
import struct
import subprocess
import sys
import tempfile
import time

ATTENTE_REPONSE = 2.0
ATTENTE_BLOCAGE = 10.0
MARINE = (0, 0, 128)
RAPPORTS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
            "AddressSanitizer:DEADLYSIGNAL", "SUMMARY: ")


class Echec(Exception):
    pass


class X:
    """Just enough of the X protocol to read pixels, read properties and ping a window."""

    def __init__(self, affichage):
        numero = affichage.split(":")[1].split(".")[0]
        self.s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.s.connect(f"/tmp/.X11-unix/X{numero}")
        self.s.sendall(struct.pack("<BxHHHHxx", 0x6C, 11, 0, 0, 0))
        tete = self._lire(8)
        if tete[0] != 1:
            raise Echec("the X server refused the connection")
        donnees = self._lire(struct.unpack_from("<H", tete, 6)[0] * 4)
        longueur_vendeur, = struct.unpack_from("<H", donnees, 16)
        nb_formats = donnees[21]
        ecran = 32 + (longueur_vendeur + 3) // 4 * 4 + 8 * nb_formats
        self.racine, = struct.unpack_from("<I", donnees, ecran)
        self.seq = 0
        self.evenements = collections.deque()
        self.atomes = {}
        for nom in ("WM_PROTOCOLS", "_NET_WM_PING", "_NET_WM_PID", "_NET_WM_WINDOW_TYPE",
                    "_NET_WM_STATE",
                    "_NET_WM_STATE_MODAL", "_NET_WM_WINDOW_TYPE_DIALOG",
                    "_NET_WM_WINDOW_TYPE_NORMAL",
                    "_NET_WM_WINDOW_TYPE_POPUP_MENU", "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU"):
            self.atomes[nom] = self.atome(nom)
        p = self._reponse(self._requete(98, 0, struct.pack("<HH", 5, 0) + b"XTEST\0\0\0"))
        if not p[8]:
            raise Echec("the X server has no XTEST extension")
        self.xtest = p[9]
        # The pings' answers are sent to the root window, to whoever listens to its structure.
        self._requete(2, 0, struct.pack("<III", self.racine, 0x800, 0x20000))

    def _lire(self, n):
        morceaux = b""
        while len(morceaux) < n:
            bout = self.s.recv(n - len(morceaux))
            if not bout:
                raise Echec("the X server closed the connection")
            morceaux += bout
        return morceaux

    def _requete(self, code, octet, corps):
        self.s.sendall(struct.pack("<BBH", code, octet, 1 + len(corps) // 4) + corps)
        self.seq = (self.seq + 1) & 0xFFFF
        return self.seq

    def _paquet(self):
        p = self._lire(32)
        if p[0] == 1:
            p += self._lire(struct.unpack_from("<I", p, 4)[0] * 4)
        return p

    def _reponse(self, seq):
        while True:
            p = self._paquet()
            if p[0] in (0, 1) and struct.unpack_from("<H", p, 2)[0] == seq:
                return p if p[0] == 1 else None
            if p[0] > 1:
                self.evenements.append(p)

    def atome(self, nom):
        b = nom.encode()
        corps = struct.pack("<HH", len(b), 0) + b + b"\0" * (-len(b) % 4)
        return struct.unpack_from("<I", self._reponse(self._requete(16, 0, corps)), 8)[0]

    def pixels(self, x, y, l, h):
        """The screen's rectangle as rows of (r, g, b); None when it is off the screen."""
        p = self._reponse(self._requete(73, 2, struct.pack("<IhhHHI", self.racine, x, y, l, h,
                                                           0xFFFFFFFF)))
        if p is None:
            return None
        donnees = p[32:]
        return [[(donnees[i + 2], donnees[i + 1], donnees[i])
                 for i in range(r * l * 4, (r + 1) * l * 4, 4)] for r in range(h)]

    def empreinte(self, x, y, l, h):
        p = self._reponse(self._requete(73, 2, struct.pack("<IhhHHI", self.racine, x, y, l, h,
                                                           0xFFFFFFFF)))
        return hashlib.sha1(p[32:]).hexdigest() if p else ""

    def _entree(self, genre, detail, x=0, y=0):
        self.s.sendall(struct.pack("<BBHBBHIIIIhhIHBB", self.xtest, 2, 9, genre, detail, 0, 0,
                                   self.racine if genre == 6 else 0, 0, 0, x, y, 0, 0, 0, 0))
        self.seq = (self.seq + 1) & 0xFFFF

    def cliquer(self, x, y, bouton):
        """Moves the pointer to x, y and clicks, as the user's hand does, through XTEST."""
        self._entree(6, 0, x, y)
        self._entree(4, bouton)
        self._entree(5, bouton)
        self.atome("WM_PROTOCOLS")  # waits until the server has taken the three

    def geometrie(self, fenetre):
        """The window's x, y on the screen, width and height; None once it is gone."""
        p = self._reponse(self._requete(14, 0, struct.pack("<I", fenetre)))
        if p is None:
            return None
        l, h = struct.unpack_from("<HH", p, 16)
        p = self._reponse(self._requete(40, 0, struct.pack("<IIhh", fenetre, self.racine, 0, 0)))
        if p is None:
            return None
        x, y = struct.unpack_from("<hh", p, 12)
        return x, y, l, h

    def atomes_propriete(self, fenetre, propriete):
        """The 32-bit values of a window's property, whatever its type."""
        p = self._reponse(self._requete(20, 0, struct.pack("<IIIII", fenetre,
                                                           self.atomes[propriete], 0, 0, 64)))
        if p is None:
            return []
        n, = struct.unpack_from("<I", p, 16)
        return list(struct.unpack_from(f"<{n}I", p, 32))

    def pinguer(self, fenetre, delai, horloge):
        """True when the window answers the window manager's ping within delai seconds of
        horloge, which leaves out the time the program waited for a processor."""
        horodatage = int(time.monotonic() * 1000) & 0xFFFFFFFF or 1
        message = struct.pack("<BBHII5I", 33, 32, 0, fenetre, self.atomes["WM_PROTOCOLS"],
                              self.atomes["_NET_WM_PING"], horodatage, fenetre, 0, 0)
        self._requete(25, 0, struct.pack("<II", fenetre, 0) + message)
        debut, debut_mur = horloge(), time.monotonic()
        while True:
            # The answer may have come while this script itself waited for a processor: read
            # what is there before looking at the time.
            self.s.settimeout(0.05)
            try:
                while True:
                    self.evenements.append(self._paquet())
            except (socket.timeout, TimeoutError):
                pass
            finally:
                self.s.settimeout(None)
            while self.evenements:
                p = self.evenements.popleft()
                if p[0] & 0x7F == 33:
                    protocole, temps = struct.unpack_from("<II", p, 12)
                    if protocole == self.atomes["_NET_WM_PING"] and temps == horodatage:
                        return True
            if horloge() - debut > delai or time.monotonic() - debut_mur > 60:
                return False


def outil(*commande, entree=None):
    try:
        return subprocess.run(commande, input=entree, capture_output=True, text=True,
                              timeout=10).stdout
    except subprocess.TimeoutExpired:
        return ""


# The elements of the board, in the layout of the client area below the menu bar.
ELEMENTS = {
    "Gobelet": (552, 32, 80, 107),
    "De1": (104, 240, 60, 60), "De2": (224, 168, 60, 60), "De3": (272, 304, 65, 65),
    "SelectDe1": (424, 200, 57, 57), "SelectDe2": (424, 272, 60, 60),
    "SelectDe3": (488, 240, 60, 60),
    "ButStop": (264, 96, 113, 25),
    "Plateau": (4, 120, 629, 313),
    "NomJoueur1": (104, 0, 201, 89), "NomJoueur2": (336, 0, 201, 89),
    "Eti_Lancer": (538, 144, 38, 21), "CpsMaxi": (240, 392, 169, 19),
}
JETONS_POT = [(8, 80), (40, 96), (8, 112), (56, 112), (8, 128), (48, 128), (88, 128), (32, 144),
              (72, 144), (8, 160), (48, 160)]


def jeton_joueur(joueur, slot):
    colonne, rangee = (slot - 1) % 4, (slot - 1) // 4
    return (104 if joueur == 1 else 336) + 8 + 48 * colonne, 24 + 16 * rangee


# Keys and their weights: the ones that end the program are rare, so that games go on.
TOUCHES = {"space": 6, "1": 4, "2": 4, "3": 4, "Return": 6, "Escape": 5, "Tab": 3, "ctrl+1": 2,
           "ctrl+2": 2, "F8": 2, "F10": 1, "alt+n": 2, "alt+s": 2, "alt+a": 2, "alt+o": 1,
           "alt+e": 1, "alt+x": 1, "Down": 2, "Up": 1, "Left": 1, "Right": 1, "KP_1": 1,
           "ampersand": 1, "eacute": 1, "quotedbl": 1, "shift+Tab": 1, "alt+q": 0.25,
           "alt+F4": 0.25}
TEXTES = ["PAUL", "ordy", "ORDY", "Marie-Ève", "  ", "é", "O'BRIEN", "x" * 40, "Zoë", "123",
          "a b", "\t", "JEAN\nLUC", "ÇA", "ß", "日本", "🎲"]


class Singe:
    def __init__(self, programme, graine, duree, sorties):
        self.programme = programme
        self.graine = graine
        self.hasard = random.Random(graine)
        self.duree = duree
        self.sorties = sorties
        self.x = X(os.environ["DISPLAY"])
        self.actions = 0
        self.lancements = 0
        self.dernieres = collections.deque(maxlen=40)
        self.processus = None
        self.vus = collections.Counter()
        self.calme = 0.0

    # The program's runs.

    def demarrer(self):
        self.lancements += 1
        self.sortie = os.path.join(self.sorties, f"run{self.lancements}.txt")
        with open(self.sortie, "w") as f:
            self.processus = subprocess.Popen([self.programme], stdout=f, stderr=subprocess.STDOUT,
                                              stdin=subprocess.DEVNULL)
        self.noter(f"start run {self.lancements} (pid {self.processus.pid})")
        fin = time.monotonic() + 30
        while time.monotonic() < fin:
            self.verifier_processus()
            trouve = outil("xdotool", "search", "--onlyvisible", "--pid",
                           str(self.processus.pid), "--class", "tavlo32").split()
            for f in trouve:
                if outil("xdotool", "getwindowname", f).strip() == "Tavlo32":
                    self.fenetre = int(f)
                    break
            else:
                time.sleep(0.1)
                continue
            break
        else:
            self.echouer("the main window never mapped")
        # The client area starts at the window's origin; the board starts below the menu bar,
        # where the navy ground begins on the window's right-hand edge.
        time.sleep(0.3)
        geo = self.x.geometrie(self.fenetre)
        if geo is None:
            self.echouer("the main window went away")
        self.fx, self.fy, self.fl, self.fh = geo
        colonne = self.x.pixels(self.fx + self.fl - 5, self.fy, 1, 80)
        haut = next((i for i, r in enumerate(colonne) if r[0] == MARINE), None)
        if haut is None:
            self.echouer("no navy ground on the right of the window")
        self.oy = self.fy + haut
        self.partie_vue = False
        self.depuis_blocage = None
        self.derniere_empreinte = None

    def horloge(self):
        """Seconds on a clock that stops while the program waits for a processor, so that a busy
        machine is not taken for a program that does not answer."""
        attente = 0
        try:
            with open(f"/proc/{self.processus.pid}/schedstat") as f:
                attente = int(f.read().split()[1])
        except (OSError, IndexError, ValueError):
            pass
        return time.monotonic() - attente / 1e9

    def verifier_processus(self):
        self.chercher_rapport()
        statut = self.processus.poll()
        if statut is None:
            return False
        if statut != 0:
            self.echouer(f"the program ended with status {statut}")
        self.noter(f"run {self.lancements} ended with status 0")
        return True

    def chercher_rapport(self):
        with open(self.sortie, errors="replace") as f:
            texte = f.read()
        for motif in RAPPORTS:
            if motif in texte:
                if self.processus.poll() is None:
                    time.sleep(1)  # the rest of the report is on its way
                self.echouer(f"sanitizer report ({motif.strip()})")

    def echouer(self, raison):
        print(f"FAIL: {raison}")
        print(f"seed {self.graine}, run {self.lancements}, after {self.actions} actions")
        print("last actions:")
        for a in self.dernieres:
            print("  " + a)
        if self.processus is not None:
            print(f"--- output of run {self.lancements} ---")
            with open(self.sortie, errors="replace") as f:
                print(f.read()[-20000:])
        raise Echec(raison)

    def noter(self, texte):
        self.dernieres.append(f"{time.monotonic() - self.debut:8.2f} {texte}")

    # What the window shows.

    def fenetres(self):
        """The program's visible windows other than the main one."""
        ids = outil("xdotool", "search", "--onlyvisible", "--pid", str(self.processus.pid),
                    "--name", "").split()
        # xdotool also lists windows that carry no process id at all (the root, the window
        # manager's frames and buttons): keep only the program's own.
        pid = self.processus.pid
        return [int(f) for f in ids if int(f) != self.fenetre
                and self.x.atomes_propriete(int(f), "_NET_WM_PID") == [pid]]

    def boite_ouverte(self, autres):
        for f in autres:
            types = set(self.x.atomes_propriete(f, "_NET_WM_WINDOW_TYPE"))
            etats = set(self.x.atomes_propriete(f, "_NET_WM_STATE"))
            if types & {self.x.atomes[n] for n in ("_NET_WM_WINDOW_TYPE_DIALOG",
                                                    "_NET_WM_WINDOW_TYPE_POPUP_MENU",
                                                    "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU")}:
                return True
            if self.x.atomes["_NET_WM_STATE_MODAL"] in etats:
                return True
        return False

    def masque(self, autres):
        """True when another window (the help window, a tooltip) covers part of the game, whose
        pixels then tell nothing."""
        for f in autres:
            geo = self.x.geometrie(f)
            if geo and geo[0] < self.fx + 640 and geo[1] < self.oy + 440 and \
                    geo[0] + geo[2] > self.fx and geo[1] + geo[3] > self.fy:
                return True
        return False

    def zone(self, x, y, l, h):
        return self.x.pixels(self.fx + x, self.oy + y, l, h) or [[]]

    def gobelet_visible(self):
        return any(p != MARINE for rangee in self.zone(560, 40, 64, 70)[::6] for p in rangee[::4])

    def bouton_actif(self):
        # The caption of an enabled button is drawn in black, a disabled one's in grey.
        return sum(1 for rangee in self.zone(268, 100, 105, 17) for p in rangee
                   if max(p) < 40) >= 12

    def manche_finie(self):
        # A player who holds all eleven tokens shows his eleventh one.
        for joueur in (1, 2):
            x, y = jeton_joueur(joueur, 11)
            fond = self.zone(x + 44, y + 4, 1, 1)[0][0]
            if any(p != fond for p in self.zone(x + 4, y + 4, 32, 7)[3]):
                return True
        return False

    def surveiller(self):
        """Checks the program between two actions; False when it has ended."""
        if self.verifier_processus():
            return False
        if not self.x.pinguer(self.fenetre, ATTENTE_REPONSE, self.horloge):
            if self.verifier_processus():
                return False
            self.echouer(f"the window did not answer a ping within {ATTENTE_REPONSE:.0f} s")
        # The window manager may have moved the window (its buttons are the user's too).
        geo = self.x.geometrie(self.fenetre)
        if geo is not None and geo[:2] != (self.fx, self.fy):
            self.oy += geo[1] - self.fy
            self.fx, self.fy, self.fl, self.fh = geo
        autres = self.fenetres()
        cup = self.gobelet_visible()
        bouton = self.bouton_actif()
        self.partie_vue |= cup or bouton
        empreinte = self.x.empreinte(self.fx + 4, self.oy + 90, 629, 343)
        boite = self.boite_ouverte(autres)
        fini = self.manche_finie()
        bloque = (self.partie_vue and not cup and not bouton and not boite and not fini
                  and empreinte == self.derniere_empreinte and not self.masque(autres))
        self.derniere_empreinte = empreinte
        for vu, nom in ((cup, "cup"), (bouton, "pass button"), (boite, "box or menu"),
                        (fini, "round over")):
            self.vus[nom] += vu
        if not bloque:
            self.depuis_blocage = None
        elif self.depuis_blocage is None:
            self.depuis_blocage = self.horloge()
        elif self.horloge() - self.depuis_blocage > ATTENTE_BLOCAGE:
            self.echouer(f"the game is stuck: no cup, no pass button, no box open and the round "
                         f"not over for {ATTENTE_BLOCAGE:.0f} s")
        self.autres = autres
        return True

    # The actions.

    def cliquer(self, x, y, nom, bouton=1):
        self.noter(f"click {nom} at {x},{y}" + ("" if bouton == 1 else f" button {bouton}"))
        self.x.cliquer(x, y, bouton)

    def cliquer_element(self):
        h = self.hasard
        tirage = h.random()
        if tirage < 0.08:
            x, y = h.choice(JETONS_POT)
            self.cliquer(self.fx + x + 20, self.oy + y + 7, "a pot token")
            return
        if tirage < 0.14:
            j, s = h.randint(1, 2), h.randint(1, 11)
            x, y = jeton_joueur(j, s)
            self.cliquer(self.fx + x + 20, self.oy + y + 7, f"token {s} of player {j}")
            return
        nom = h.choices(list(ELEMENTS), weights=[8, 4, 4, 4, 3, 3, 3, 8, 2, 1, 1, 1, 1])[0]
        x, y, l, hauteur = ELEMENTS[nom]
        self.cliquer(self.fx + x + h.randint(2, l - 3), self.oy + y + h.randint(2, hauteur - 3),
                     nom, bouton=h.choices([1, 2, 3], weights=[20, 1, 1])[0])

    def cliquer_menu(self):
        # The menu bar holds "&Nouvelle Partie", "&Scores", "&Aide" and "&Quitter" from the left.
        h = self.hasard
        x = h.choices([h.randint(6, 88), h.randint(94, 138), h.randint(142, 174),
                       h.randint(178, 220), h.randint(225, 600)], weights=[6, 4, 4, 0.3, 1])[0]
        self.cliquer(self.fx + x, self.fy + h.randint(2, self.oy - self.fy - 2), "the menu bar")
        time.sleep(0.15)
        if h.random() < 0.7:
            self.cliquer_autre("an item of the open menu")

    def cliquer_autre(self, nom):
        """A click somewhere in one of the program's other windows: menu, box, dialog, help."""
        autres = self.fenetres()
        if not autres:
            return
        f = self.hasard.choice(autres)
        geo = self.x.geometrie(f)
        if geo is None:
            return
        x, y, l, hauteur = geo
        if l < 4 or hauteur < 4:
            return
        h = self.hasard
        if h.random() < 0.4:
            # The buttons of boxes and dialogs sit along their bottom edge.
            px, py = x + h.randint(l // 4, 3 * l // 4), y + hauteur - h.randint(8, 30)
        else:
            px, py = x + h.randint(1, l - 2), y + h.randint(1, hauteur - 2)
        self.cliquer(px, py, f"{nom} ({outil('xdotool', 'getwindowname', str(f)).strip()!r})")

    def touche(self):
        t = self.hasard.choices(list(TOUCHES), weights=list(TOUCHES.values()))[0]
        self.noter(f"key {t}")
        outil("xdotool", "key", t)

    def taper(self):
        texte = self.hasard.choice(TEXTES)
        if self.hasard.random() < 0.5:
            self.noter(f"type {texte!r}")
            outil("xdotool", "type", "--delay", "5", texte)
        else:
            self.noter(f"paste {texte!r}")
            self.coller(texte)

    def coller(self, texte):
        # xclip stays behind to serve the clipboard until the next one takes it over.
        subprocess.Popen(["xclip", "-selection", "clipboard"],
                         stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL).communicate(texte.encode(), timeout=5)
        outil("xdotool", "key", self.hasard.choice(["ctrl+v", "shift+Insert"]))

    def fermer_aide(self):
        """Closes the help window through the window manager, as its close button does."""
        for f in self.autres:
            if self.x.atomes["_NET_WM_WINDOW_TYPE_NORMAL"] in self.x.atomes_propriete(
                    f, "_NET_WM_WINDOW_TYPE"):
                self.noter("close the help window")
                outil("xdotool", "windowactivate", str(f), "sleep", "0.1", "key", "alt+F4")
                return

    def activer(self):
        self.noter("activate the main window")
        outil("xdotool", "windowactivate", str(self.fenetre))

    def jouer_calmement(self):
        """Only what plays the game: the board's elements and keys, and Enter for a box."""
        h = self.hasard
        if h.random() < 0.3:
            t = h.choice(["space", "1", "2", "3", "Return"])
            self.noter(f"key {t}")
            outil("xdotool", "key", t)
            return
        nom = h.choices(["Gobelet", "De1", "De2", "De3", "SelectDe1", "SelectDe2", "SelectDe3",
                         "ButStop"], weights=[4, 1, 1, 1, 1, 1, 1, 3])[0]
        x, y, l, hauteur = ELEMENTS[nom]
        self.cliquer(self.fx + x + l // 2, self.oy + y + hauteur // 2, nom)

    def agir(self):
        h = self.hasard
        # Now and then a spell of 15 s spent playing only, as a player does between two visits
        # to the menus: long enough for a stuck game to be seen.
        if time.monotonic() < self.calme:
            self.jouer_calmement()
            self.actions += 1
            time.sleep(h.choice([0.05, 0.1, 0.3]))
            return
        if h.random() < 1 / 200:
            self.noter("15 s of play only")
            self.calme = time.monotonic() + 15
        choix = [(self.cliquer_element, 30), (self.cliquer_menu, 8), (self.touche, 25),
                 (self.activer, 1)]
        if self.autres:
            choix += [(lambda: self.cliquer_autre("another window"), 25), (self.taper, 10),
                      (self.fermer_aide, 2)]
        action = h.choices([a for a, _ in choix], weights=[p for _, p in choix])[0]
        action()
        self.actions += 1
        time.sleep(h.choice([0, 0.02, 0.05, 0.1, 0.3]))

    def jouer(self):
        self.debut = time.monotonic()
        fin = self.debut + self.duree
        self.demarrer()
        controle = 0.0
        while time.monotonic() < fin:
            # The whole check twice a second; whether the program still runs after every action.
            if time.monotonic() >= controle:
                controle = time.monotonic() + 0.5
                vivant = self.surveiller()
            else:
                vivant = not self.verifier_processus()
            if not vivant:
                self.demarrer()
                controle = 0.0
                continue
            self.agir()
        self.terminer()

    def terminer(self):
        """Ends the last run as a user does, so that its exit is checked too: each open box,
        dialog or window of the program closed with Escape or the window manager, then
        "&Quitter", or the main window closed by the window manager."""
        for essai in range(60):
            if self.processus.poll() is not None:
                break
            autres = self.fenetres()
            if autres:
                outil("xdotool", "windowactivate", str(autres[-1]), "sleep", "0.1", "key",
                      "Escape" if essai % 3 else "alt+F4")
            else:
                outil("xdotool", "windowactivate", str(self.fenetre), "sleep", "0.1", "key",
                      "alt+q" if essai % 2 == 0 else "alt+F4")
            time.sleep(0.5)
        else:
            self.processus.kill()
            self.processus.wait()
            self.echouer("the program could not be ended by its menu nor its window's closing")
        self.noter("ended by the monkey")
        self.verifier_processus()


def main():
    programme = sys.argv[1]
    duree = float(os.environ.get("TAVLO_SINGE_DUREE", "60"))
    graine = int(os.environ.get("TAVLO_SINGE_GRAINE") or random.SystemRandom().randrange(1 << 31))
    sorties = os.environ.get("TAVLO_SINGE_SORTIES") or tempfile.mkdtemp(prefix="singe.")
    print(f"monkey: seed {graine}, {duree:.0f} s", flush=True)
    singe = Singe(programme, graine, duree, sorties)
    try:
        singe.jouer()
    except Echec:
        return 1
    print(f"PASS: {singe.actions} actions, {singe.lancements} runs of the program, seed {graine}")
    print("checks that saw " + ", ".join(f"{nom}: {n}" for nom, n in sorted(singe.vus.items())))
    return 0


if __name__ == "__main__":
    sys.exit(main())
