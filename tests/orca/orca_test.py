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
# free problem, Space, the arrow keys to its result, Space. After each key
# it prints the words Orca spoke, then checks them. A check marked as
# waiting (WARTET) is printed with its outcome but does not fail the test
# yet: it waits for the change named there.
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
import time

HIER = os.path.dirname(os.path.abspath(__file__))
QUELLE = os.path.normpath(os.path.join(HIER, "..", ".."))
SAAT = 2020  # the first game it deals has a free problem whose result is free

# What checks wait for. A check that waits is run and printed, but fails
# the test only once its cause is taken out of WARTET_NOCH.
DRUCKBERICHT = "the rules' report of each press"
ZELLE_IN_NEUER_ZEILE = "the desktop's cell read alone as the focus enters a row"
ZELLE_BEIM_EINTRITT = "the page's cell read when Tab enters the board"
WARTET_NOCH = {DRUCKBERICHT}

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
    """The game's window, from a launcher that deals from the seed."""

    def __init__(self, lauscher, programm):
        umgebung = dict(os.environ, QT_QPA_PLATFORM="xcb")
        self.prozess = lauscher.starte("orca_spiel", [programm, str(SAAT)], stdout=subprocess.PIPE, text=True,
                                       env=umgebung)
        if self.prozess.stdout.readline().strip() != "bereit":
            raise SystemExit("the game's window did not start")
        self.gegeben = None

    def nachgezogen(self):
        """The window tells the bus as it changes."""
        return True

    def spiel(self):
        """The game dealt last; waits for the first one."""
        if self.gegeben is None:
            zeilen = []
            for zeile in self.prozess.stdout:
                if zeile.strip() == "gegeben":
                    self.gegeben = liest_spiel(zeilen)
                    return self.gegeben
                zeilen.append(zeile.rstrip("\n"))
            raise SystemExit("the game's window ended")
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

    def nachgezogen(self):
        """Whether the bus shows the page's status line as the page does:
        the browser sends the changes of its tree, and the events that go
        with them, in batches, and the words of a press come last."""
        import lauschen
        import pyatspi
        self.prozess.stdin.write("ansage\n")
        self.prozess.stdin.flush()
        worte = json.loads(self.prozess.stdout.readline())
        if self.status is None:
            self.status = lauschen.finde(self.dokument, lambda k: k.getRole() == pyatspi.ROLE_STATUS_BAR)
        text = lauschen.frisch(self.status).queryText()
        return text.getText(0, -1).strip() == worte.strip()

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
    """A key, what Orca said after it, and the cell the focus is on
    afterwards."""

    def __init__(self, taste, worte, zelle=None):
        self.taste, self.worte, self.zelle = taste, worte, zelle


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
    lauscher.log.warte_auf(rf"locusOfFocus: \[push button \| {NEUES_SPIEL}\]")
    lauscher.ruhe()

    spiel = None

    def druecke(taste, beantwortet, was):
        return lauscher.druecke(taste, lambda: beantwortet() and spielort.nachgezogen(), was)

    def gegeben():
        nonlocal spiel
        spiel = spielort.spiel()
        return any(feld.text for feld in spiel.values()) and all(
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

    def gehe(ziel):
        while (jetzt := schritte[-1].zelle) != ziel:
            if jetzt[1] != ziel[1]:
                taste = "Down" if jetzt[1] < ziel[1] else "Up"
            else:
                taste = "Right" if jetzt[0] < ziel[0] else "Left"
            worte = druecke(taste, lambda: brett.fokus() not in (None, jetzt), "the focus to move")
            schritte.append(Schritt(taste, worte, brett.fokus()))

    gehe(problem)
    worte = druecke("space", lambda: brett.ausgewaehlt(*problem), "the problem selected")
    schritte.append(Schritt("Space", worte, problem))
    gehe(ergebnis)
    worte = druecke("space", lambda: brett.name(*problem) == brett.name(*ergebnis) == T["ZelleLeer"],
                             "the pair solved")
    schritte.append(Schritt("Space", worte, ergebnis))
    return spiel, problem, ergebnis, schritte


T = texte()
NEUES_SPIEL = T["NeuesSpiel"].replace("&", "")
RECHNUNG, ERGEBNIS = 1, 2  # a tile's side, as the game prints it

# Words Orca adds on its own as the focus moves in a table: the row and the
# column it enters, and on the way in the table's name and size and the
# browse mode it leaves.
ORCAS_ZUSAETZE = re.compile(r"^((Zeile|Spalte) \d+|Tabelle mit \d+ Zeilen \d+ Spalten|Fokus-Modus)$")


class Pruefung:
    def __init__(self, schritt, was, gilt, wartet=None):
        self.schritt, self.was, self.gilt, self.wartet = schritt, was, gilt, wartet


def pruefungen(art, spiel, problem, ergebnis, schritte):
    """The checks of one run: for each, the step it looks at, what it
    asks, whether it holds, and what it waits for (None: it must hold)."""
    aufgabe = spiel[problem].text
    zeile = f"{aufgabe} = {spiel[ergebnis].text}"
    paare = sum(1 for feld in spiel.values() if feld.seite == RECHNUNG)
    eingesperrt = T["ZelleEingesperrt"]
    liste = []

    def sagt(schritt, text):
        return sum(1 for wort in schritt.worte.worte if wort.rstrip(".") == text)

    def enthaelt(schritt, text):
        return sum(1 for wort in schritt.worte.worte if text in wort)

    neu = schritte[0]
    liste.append(Pruefung(neu, f"announces the new game with the number of problems ({paare})",
                          any(NEUES_SPIEL in wort and str(paare) in wort for wort in neu.worte.worte), DRUCKBERICHT))

    vorige_zeile = None
    for schritt in schritte[1:]:
        if schritt.taste == "Space":
            continue
        zeilenwechsel = schritt.zelle[1] != vorige_zeile
        vorige_zeile = schritt.zelle[1]
        if schritt.taste == "Tab":
            wartet = ZELLE_IN_NEUER_ZEILE if art == "desktop" else ZELLE_BEIM_EINTRITT
        else:
            wartet = ZELLE_IN_NEUER_ZEILE if art == "desktop" and zeilenwechsel else None
        # What the cell must say, as the game was dealt: its tile's text or
        # "leer", and "eingesperrt" for a tile that may not be taken.
        feld = spiel[schritt.zelle]
        name = feld.text or T["ZelleLeer"]
        gesperrt = bool(feld.text) and not feld.frei
        liste.append(Pruefung(schritt, f"names the cell {schritt.zelle}, {name!r}",
                              sagt(schritt, name) >= 1, wartet if schritt.taste == "Tab" else None))
        if gesperrt:
            liste.append(Pruefung(schritt, f"says {eingesperrt!r}", sagt(schritt, eingesperrt) == 1,
                                  wartet if schritt.taste == "Tab" else None))
        # The table's name belongs to the way in; any other words are
        # another cell's.
        uebrig = [wort.rstrip(".") for wort in schritt.worte.worte if not ORCAS_ZUSAETZE.match(wort.rstrip("."))]
        if schritt.taste == "Tab" and uebrig[:1] == [T["SpielbrettName"]]:
            uebrig = uebrig[1:]
        liste.append(Pruefung(schritt, "says this cell alone",
                              uebrig == [name] + ([eingesperrt] if gesperrt else []), wartet))

    auswahl, loesung = [schritt for schritt in schritte if schritt.taste == "Space"]
    ohne_bericht = DRUCKBERICHT if art == "desktop" else None
    liste.append(Pruefung(auswahl, "says once that the problem is selected",
                          enthaelt(auswahl, fuelle(T["AnsageAusgewaehlt"], aufgabe)) == 1))
    liste.append(Pruefung(loesung, "says once the pair solved, with its line",
                          enthaelt(loesung, fuelle(T["AnsageGeloest"], zeile)) == 1, ohne_bericht))
    liste.append(Pruefung(loesung, "says how many are solved",
                          enthaelt(loesung, fuelle(T["Fortschritt"], 1, paare)) == 1, DRUCKBERICHT))
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
    for pruefung in pruefungen(art, spiel, problem, ergebnis, schritte):
        if pruefung.wartet in WARTET_NOCH:
            urteil = f"waits ({'holds already' if pruefung.gilt else 'fails'}) for {pruefung.wartet}"
        else:
            urteil = "ok" if pruefung.gilt else "FAILS"
            fehler += not pruefung.gilt
        print(f"  {pruefung.schritt.taste:<6} {pruefung.was}: {urteil}")
    print(f"{fehler} check(s) failed" if fehler else "all checks that must hold hold")
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
