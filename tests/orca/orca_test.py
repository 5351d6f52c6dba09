#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind child hears: the screen reader Orca listens while the first
# pair of a known game is taken by keys, in one of the three places the
# game is played:
#
#     orca_test.py desktop  <orca_spiel>
#     orca_test.py firefox  <site folder> <firefox-esr> <node_modules>
#     orca_test.py chromium <site folder> <chromium> <node_modules>
#
# "Neues Spiel" (its Alt letter), Tab onto the board, the arrow keys to a
# free problem, Space three times (chosen, taken back, chosen again), the
# arrow keys to its result with Space twice on the first shut-in tile on
# the way, and Space on the result. After each key it prints the words
# Orca spoke, then checks them.
#
# It runs itself under xvfb-run and dbus-run-session, with a home and XDG
# folders of its own, so that nothing of the machine's settings is read
# or changed. KALUMBO_ORCA_AUFHEBEN=<folder> keeps Orca's whole debug log
# there, and a picture of the screen when the test waited in vain.
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

HIER = os.path.dirname(os.path.abspath(__file__))
QUELLE = os.path.normpath(os.path.join(HIER, "..", ".."))
# The first game it deals has a free problem whose result is free, and a
# shut-in tile on the way from the one to the other.
SAAT = 2020
# Seconds Orca gets to present the focus on "Neues Spiel" before it is
# moved there once more (see spiele).
ERSTER_FOKUS_FRIST = 10

ZUGRIFF = {"desktop": "alt+n", "firefox": "alt+shift+n", "chromium": "alt+n"}


def texte():
    with open(os.path.join(QUELLE, "texte", "texte.json"), encoding="utf-8") as quelle:
        return json.load(quelle)


def fuelle(vorlage, *werte):
    for nummer, wert in enumerate(werte, 1):
        vorlage = vorlage.replace(f"%{nummer}", str(wert))
    return vorlage


# ---------------------------------------------------------------------------
# Outside: a display, a session bus and folders of its own.

def aussen(argumente):
    ordner = tempfile.mkdtemp(prefix="kalumbo-orca-")
    umgebung = dict(os.environ)
    for name, teil in (("HOME", "heim"), ("XDG_CONFIG_HOME", "heim/.config"), ("XDG_DATA_HOME", "heim/.local/share"),
                       ("XDG_CACHE_HOME", "heim/.cache"), ("XDG_RUNTIME_DIR", "laufzeit"), ("TMPDIR", "tmp")):
        umgebung[name] = os.path.join(ordner, teil)
        os.makedirs(umgebung[name], mode=0o700, exist_ok=True)
    # Orca speaks German as its messages' language says.
    umgebung.update(LANGUAGE="de", LANG="C.UTF-8", LC_ALL="C.UTF-8", KALUMBO_ORCA_ORDNER=ordner)
    umgebung.pop("DBUS_SESSION_BUS_ADDRESS", None)
    umgebung.pop("DISPLAY", None)
    try:
        ergebnis = subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", "dbus-run-session", "--",
                                   sys.executable, os.path.abspath(__file__), "--innen", *argumente], env=umgebung)
        return ergebnis.returncode
    finally:
        aufheben = os.environ.get("KALUMBO_ORCA_AUFHEBEN")
        if aufheben:
            os.makedirs(aufheben, exist_ok=True)
            for datei in ("orca-debug.log", "orca-stderr.log", "bildschirm.png"):
                if os.path.exists(os.path.join(ordner, datei)):
                    shutil.copy(os.path.join(ordner, datei), os.path.join(aufheben, f"{argumente[0]}-{datei}"))
        shutil.rmtree(ordner, ignore_errors=True)


# ---------------------------------------------------------------------------
# Inside.

class Feld:
    def __init__(self, paar, seite, frei, text):
        self.paar, self.seite, self.frei, self.text = paar, seite, frei, text


def liest_spiel(zeilen):
    """The game as "Spalte Zeile Paar Seite Frei Text" lines."""
    spiel = {}
    for zeile in zeilen:
        spalte, reihe, paar, seite, frei, text = zeile.split(" ", 5)
        spiel[(int(spalte), int(reihe))] = Feld(int(paar), int(seite), frei == "1", "" if text == "-" else text)
    return spiel


class Desktop:
    """The game's window, from a launcher that deals from the seed and
    tells when it has handled a key."""

    def __init__(self, lauscher, programm):
        umgebung = dict(os.environ, QT_QPA_PLATFORM="xcb")
        self.prozess = lauscher.starte("orca_spiel", [programm, str(SAAT)], stdout=subprocess.PIPE, text=True,
                                       env=umgebung)
        if self.prozess.stdout.readline().strip() != "bereit":
            raise SystemExit("the game's window did not start")
        self.tasten = 0  # keys pressed
        self._erledigt = 0  # keys the window has handled
        self._zeilen = []
        self.gegeben = None
        threading.Thread(target=self._lies, daemon=True).start()

    def _lies(self):
        zeilen = []
        for zeile in self.prozess.stdout:
            zeile = zeile.rstrip("\n")
            if zeile.startswith("taste "):
                self._erledigt = int(zeile.split()[1])
            elif zeile == "gegeben":
                self.gegeben = liest_spiel(zeilen)
                zeilen = []
            else:
                zeilen.append(zeile)

    def nachgezogen(self):
        """Whether the window has handled every key: it tells the bus as it
        changes."""
        return self._erledigt >= self.tasten

    def spiel(self):
        """The game dealt last; None before the first."""
        return self.gegeben


class Seite:
    """The page in a browser, driven by seite.js for what keys cannot do:
    the seed, and the game as the rules hold it."""

    def __init__(self, lauscher, motor, ordner, browser, module):
        umgebung = dict(os.environ, NODE_PATH=module)
        self.prozess = lauscher.starte(motor, ["node", os.path.join(HIER, "seite.js"), motor, browser, ordner, str(SAAT)],
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, env=umgebung)
        if self.prozess.stdout.readline().strip() != "bereit":
            raise SystemExit(f"the page did not open in {motor}")
        # The keys go to the page, not to the address bar: a click into the
        # page in the gap right of the board, as a child's would, again
        # while the window still settles on the screen.
        import lauschen
        import pyatspi
        brett = lauschen.Brett.suche(T["SpielbrettName"])
        self.dokument = dokument = pyatspi.findAncestor(brett.tabelle,
                                                        lambda k: k.getRole() == pyatspi.ROLE_DOCUMENT_WEB)
        geklickt = [0.0]

        def im_fokus():
            if geklickt[0] and pyatspi.STATE_FOCUSED in lauschen.zustaende(dokument):
                return True
            if time.monotonic() - geklickt[0] > 1:
                x, y, breite, hoehe = brett.rechteck()
                subprocess.run(["xdotool", "mousemove", "--sync", str(x + breite + 8), str(y + hoehe // 2), "click", "1"],
                               check=True)
                geklickt[0] = time.monotonic()
            return False
        lauschen.warte(im_fokus, "the focus in the page")
        self.prozess.stdin.write("fokus\n")
        self.prozess.stdin.flush()
        if self.prozess.stdout.readline().strip() != "fokus":
            raise SystemExit("the page's driver ended")
        self.status = None
        self.tasten = 0  # keys pressed

    def nachgezogen(self):
        """Whether the page has handled every key and the bus shows its
        status line as the page does: the browser sends the changes of its
        tree, and the events that go with them, in batches, and the words
        of a press come last."""
        import lauschen
        import pyatspi
        self.prozess.stdin.write("ansage\n")
        self.prozess.stdin.flush()
        erledigt, worte = json.loads(self.prozess.stdout.readline())
        if self.status is None:
            self.status = lauschen.finde(self.dokument, lambda k: k.getRole() == pyatspi.ROLE_STATUS_BAR)
        text = lauschen.frisch(self.status).queryText()
        return erledigt >= self.tasten and text.getText(0, -1).strip(" \n") == worte.strip(" \n")

    def spiel(self):
        """The game as the rules hold it now."""
        self.prozess.stdin.write("spiel\n")
        self.prozess.stdin.flush()
        zeilen = []
        for zeile in self.prozess.stdout:
            if zeile.strip() == "gegeben":
                return liest_spiel(zeilen)
            zeilen.append(zeile.rstrip("\n"))
        raise SystemExit("the page's driver ended")


class Schritt:
    """A key, what Orca said after it, the cell the focus is on afterwards,
    and for a press what it was to do."""

    def __init__(self, taste, worte, zelle=None, was=None):
        self.taste, self.worte, self.zelle, self.was = taste, worte, zelle, was


# What a press on the board is to do.
GEWAEHLT, ABGEWAEHLT, EINGESPERRT, GELOEST = "chosen", "taken back", "shut in", "solved"


def spiele(lauscher, spielort, brett):
    """Plays the first pair by keys; returns the game, the pair and the
    steps."""
    import lauschen
    import pyatspi

    # Orca has presented the window and the focus on "Neues Spiel" before
    # the first key.
    knopf = lauschen.warte(lambda: lauschen.finde(pyatspi.Registry.getDesktop(0), lambda k: k.getRole() ==
                                                  pyatspi.ROLE_PUSH_BUTTON and k.name == NEUES_SPIEL),
                           'the button "Neues Spiel"')
    lauschen.warte(lambda: pyatspi.STATE_FOCUSED in lauschen.zustaende(knopf), 'the focus on "Neues Spiel"')
    fokus_bei_orca = rf"locusOfFocus: \[push button \| {NEUES_SPIEL}\]"
    try:
        lauscher.log.warte_auf(fokus_bei_orca, frist=ERSTER_FOKUS_FRIST)
    except lauschen.Zeitueberschreitung:
        if spielort.art != "desktop":
            raise
        # Orca, started just before the window, now and then misses the
        # window's first focus event (the bus has the button focused):
        # the focus once back and forth with the keys shows it again. What
        # Orca says before the first key is not counted.
        subprocess.run(["xdotool", "key", "shift+Tab"], check=True)
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        lauscher.log.warte_auf(fokus_bei_orca)
    lauscher.ruhe()

    spiel = None

    def druecke(taste, beantwortet, was):
        spielort.tasten += 1
        return lauscher.druecke(taste, lambda: beantwortet() and spielort.nachgezogen(), was)

    def gegeben():
        nonlocal spiel
        spiel = spielort.spiel()
        return spiel is not None and any(feld.text for feld in spiel.values()) and all(
            brett.name(*ort) == (feld.text or T["ZelleLeer"]) for ort, feld in spiel.items())

    schritte = [Schritt("Alt+N", druecke(ZUGRIFF[spielort.art], gegeben, "the new game"))]
    # The first free problem, row by row, whose result is free too.
    problem = next((ort for ort, feld in sorted(spiel.items(), key=lambda e: (e[0][1], e[0][0]))
                    if feld.seite == RECHNUNG and feld.frei
                    and any(f.paar == feld.paar and f.seite == ERGEBNIS and f.frei for f in spiel.values())), None)
    if problem is None:
        raise SystemExit(f"the game of seed {SAAT} has no free problem whose result is free: choose another seed")
    ergebnis = next(ort for ort, feld in spiel.items() if feld.paar == spiel[problem].paar and feld.seite == ERGEBNIS)

    worte = druecke("Tab", brett.fokus, "a focused cell after Tab")
    schritte.append(Schritt("Tab", worte, brett.fokus()))

    def gehe(ziel, unterwegs=lambda ort: None):
        while (jetzt := schritte[-1].zelle) != ziel:
            if jetzt[1] != ziel[1]:
                taste = "Down" if jetzt[1] < ziel[1] else "Up"
            else:
                taste = "Right" if jetzt[0] < ziel[0] else "Left"
            worte = druecke(taste, lambda: brett.fokus() not in (None, jetzt), "the focus to move")
            schritte.append(Schritt(taste, worte, brett.fokus()))
            unterwegs(schritte[-1].zelle)

    def leertaste(was, beantwortet, ort):
        schritte.append(Schritt("Space", druecke("space", beantwortet, was), ort, was))

    gehe(problem)
    leertaste(GEWAEHLT, lambda: brett.ausgewaehlt(*problem), problem)
    leertaste(ABGEWAEHLT, lambda: not brett.ausgewaehlt(*problem), problem)
    leertaste(GEWAEHLT, lambda: brett.ausgewaehlt(*problem), problem)

    # The first shut-in tile on the way is pressed twice: nothing changes,
    # and the same words are said each time.
    def eingesperrt(ort):
        if spiel[ort].text and not spiel[ort].frei and not any(schritt.was == EINGESPERRT for schritt in schritte):
            for _ in range(2):
                leertaste(EINGESPERRT, lambda: True, ort)
    gehe(ergebnis, eingesperrt)
    if not any(schritt.was == EINGESPERRT for schritt in schritte):
        raise SystemExit(f"the game of seed {SAAT} has no shut-in tile on the way to the result: choose another seed")
    leertaste(GELOEST, lambda: brett.name(*problem) == brett.name(*ergebnis) == T["ZelleLeer"], ergebnis)
    return spiel, problem, ergebnis, schritte


T = texte()
NEUES_SPIEL = T["NeuesSpiel"].replace("&", "")
RECHNUNG, ERGEBNIS = 1, 2  # a tile's side, as the game prints it

# Words Orca adds on its own as the focus moves in a table: the row and the
# column it enters, and on the way in the table's name and size and the
# browse mode it leaves.
ORCAS_ZUSAETZE = re.compile(r"^((Zeile|Spalte) \d+|Tabelle mit \d+ Zeilen \d+ Spalten|Fokus-Modus)$")


class Pruefung:
    def __init__(self, schritt, was, gilt):
        self.schritt, self.was, self.gilt = schritt, was, gilt


def gesprochen(schritt):
    """What Orca said after the key as one text, its utterances joined and
    their spaces as a listener hears them."""
    return " ".join(" ".join(schritt.worte.worte).replace("\u00a0", " ").split())


def pruefungen(spiel, problem, ergebnis, schritte):
    """The checks of one run: for each, the step it looks at, what it
    asks, and whether it holds."""
    aufgabe = spiel[problem].text
    zeile = f"{aufgabe} = {spiel[ergebnis].text}"
    paare = sum(1 for feld in spiel.values() if feld.seite == RECHNUNG)
    eingesperrt = T["ZelleEingesperrt"]
    liste = []

    def sagt(schritt, text):
        return sum(1 for wort in schritt.worte.worte if wort.rstrip(".") == text)

    def einmal(schritt, text):
        return Pruefung(schritt, f"says {text!r} once", gesprochen(schritt).count(text) == 1)

    liste.append(einmal(schritte[0], fuelle(T["AnsageNeuesSpiel"], paare)))

    for schritt in schritte[1:]:
        if schritt.taste == "Space":
            continue
        # What the cell must say, as the game was dealt: its tile's text or
        # "leer", and "eingesperrt" for a tile that may not be taken.
        feld = spiel[schritt.zelle]
        name = feld.text or T["ZelleLeer"]
        gesperrt = bool(feld.text) and not feld.frei
        liste.append(Pruefung(schritt, f"names the cell {schritt.zelle}, {name!r}", sagt(schritt, name) >= 1))
        if gesperrt:
            liste.append(Pruefung(schritt, f"says {eingesperrt!r}", sagt(schritt, eingesperrt) == 1))
        # The table's name belongs to the way in; any other words are
        # another cell's.
        uebrig = [wort.rstrip(".") for wort in schritt.worte.worte if not ORCAS_ZUSAETZE.match(wort.rstrip("."))]
        if schritt.taste == "Tab" and uebrig[:1] == [T["SpielbrettName"]]:
            uebrig = uebrig[1:]
        liste.append(Pruefung(schritt, "says this cell alone", uebrig == [name] + ([eingesperrt] if gesperrt else [])))

    # Each press in the words of what it did, once.
    worte = {
        GEWAEHLT: fuelle(T["AnsageAusgewaehlt"], aufgabe),
        ABGEWAEHLT: fuelle(T["AnsageAbgewaehlt"], aufgabe),
        GELOEST: fuelle(T["AnsageGeloest"], zeile, fuelle(T["Fortschritt"], 1, paare)),
    }
    for schritt in schritte:
        if schritt.was == EINGESPERRT:
            liste.append(einmal(schritt, fuelle(T["AnsageEingesperrt"], spiel[schritt.zelle].text)))
        elif schritt.was:
            liste.append(einmal(schritt, worte[schritt.was]))
    abgebrochen = [f"{schritt.taste} {schritt.zelle or ''}" for schritt in schritte if schritt.worte.abgebrochen]
    liste.append(Pruefung(schritte[0], f"no key's words are cut off by its own later words {abgebrochen or ''}",
                          not abgebrochen))
    return liste


def innen(argumente):
    sys.path.insert(0, HIER)
    import lauschen

    art = argumente[0]
    lauscher = lauschen.Lauscher(os.environ["KALUMBO_ORCA_ORDNER"])
    try:
        lauscher.beginne()
        if art == "desktop":
            spielort = Desktop(lauscher, argumente[1])
        else:
            spielort = Seite(lauscher, art, *argumente[1:4])
        spielort.art = art
        brett = lauschen.Brett.suche(T["SpielbrettName"])
        spiel, problem, ergebnis, schritte = spiele(lauscher, spielort, brett)
    except lauschen.Zeitueberschreitung:
        # What the screen showed, for the one who looks into it.
        if os.environ.get("KALUMBO_ORCA_AUFHEBEN") and shutil.which("import"):
            subprocess.run(["import", "-window", "root", os.path.join(os.environ["KALUMBO_ORCA_ORDNER"], "bildschirm.png")])
        raise
    finally:
        lauscher.beende()

    print(f"{art}: seed {SAAT}, problem {problem} {spiel[problem].text!r}, result {ergebnis} {spiel[ergebnis].text!r}")
    print("What Orca said after each key ([key echo]):")
    for schritt in schritte:
        ort = f"{schritt.zelle}" if schritt.zelle else ""
        print(f"  {schritt.taste:<6} {ort:<7} {schritt.worte}")
    fehler = 0
    print("Checks:")
    for pruefung in pruefungen(spiel, problem, ergebnis, schritte):
        fehler += not pruefung.gilt
        print(f"  {pruefung.schritt.taste:<6} {pruefung.was}: {'ok' if pruefung.gilt else 'FAILS'}")
    print(f"{fehler} check(s) failed" if fehler else "all checks hold")
    return 1 if fehler else 0


def main():
    if len(sys.argv) > 1 and sys.argv[1] == "--innen":
        return innen(sys.argv[2:])
    if len(sys.argv) < 3 or sys.argv[1] not in ZUGRIFF:
        print("usage: orca_test.py desktop <orca_spiel> | firefox|chromium <site> <browser> <node_modules>",
              file=sys.stderr)
        return 2
    return aussen(sys.argv[1:])


if __name__ == "__main__":
    sys.exit(main())
