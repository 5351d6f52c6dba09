# SPDX-License-Identifier: GPL-3.0-or-later
# Listening to the game with the screen reader Orca, as a blind child
# does: the accessibility bus, a window manager, Orca with a speech server
# that only writes what it says into Orca's debug log, and that log read
# as it is written. Runs inside xvfb-run and dbus-run-session, with HOME
# and the XDG folders in a folder of the test's own (orca_test.py sees to
# all of that).
#
# After each key, Lauscher.druecke() waits until the game has answered it
# (a condition the caller gives, read from the bus), then until Orca has
# taken in and handled everything the game sent, and returns the words
# Orca spoke in between.
import json
import os
import pty
import re
import shutil
import subprocess
import threading
import time
import tty

import pyatspi

FRIST = 30  # seconds for each condition
HIER = os.path.dirname(os.path.abspath(__file__))


class Zeitueberschreitung(Exception):
    pass


def warte(bedingung, was, frist=FRIST):
    """Asks again and again until the condition answers something true,
    and returns that."""
    ende = time.monotonic() + frist
    while True:
        ergebnis = bedingung()
        if ergebnis:
            return ergebnis
        if time.monotonic() > ende:
            raise Zeitueberschreitung(f"timed out after {frist} s waiting for {was}")
        time.sleep(0.02)


class Orcalog:
    """Orca's debug log, read from a pseudo-terminal as Orca writes it:
    to a regular file Python writes it only in blocks of 8 KB."""

    def __init__(self, mitschrift):
        self._leser, self._schreiber = pty.openpty()
        tty.setraw(self._schreiber)
        self.pfad = os.ttyname(self._schreiber)
        self.zeilen = []
        self._bedingung = threading.Condition()
        self._mitschrift = open(mitschrift, "w", encoding="utf-8")
        threading.Thread(target=self._lies, daemon=True).start()

    def _lies(self):
        rest = b""
        while True:
            try:
                block = os.read(self._leser, 65536)
            except OSError:
                return
            if not block:
                return
            rest += block
            *fertig, rest = rest.split(b"\n")
            with self._bedingung:
                for zeile in fertig:
                    text = zeile.decode("utf-8", "replace").rstrip("\r")
                    self.zeilen.append(text)
                    self._mitschrift.write(text + "\n")
                self._mitschrift.flush()
                self._bedingung.notify_all()

    def warte_auf(self, muster, ab=0, frist=FRIST):
        """The number of the first line from line ab on that matches."""
        ausdruck = re.compile(muster)
        ende = time.monotonic() + frist
        with self._bedingung:
            while True:
                for nummer in range(ab, len(self.zeilen)):
                    if ausdruck.search(self.zeilen[nummer]):
                        return nummer
                ab = max(ab, len(self.zeilen))
                rest = ende - time.monotonic()
                if rest <= 0:
                    raise Zeitueberschreitung(f"timed out after {frist} s waiting for {muster!r} in Orca's log")
                self._bedingung.wait(rest)

    def abschnitt(self, von, bis):
        with self._bedingung:
            return self.zeilen[von:bis]


STIMME = re.compile(r"STIMME (sagt|Taste): (\".*\")$")


class Worte:
    """What Orca said between two marks: the words, utterance by
    utterance, the names of the keys it echoed, and whether it fell silent
    after it had begun to speak (cutting off what it said)."""

    def __init__(self, zeilen):
        self.worte, self.tasten, self.abgebrochen = [], [], False
        for zeile in zeilen:
            if zeile.endswith("STIMME still") and self.worte:
                self.abgebrochen = True
            treffer = STIMME.search(zeile)
            if treffer:
                (self.worte if treffer.group(1) == "sagt" else self.tasten).append(json.loads(treffer.group(2)))

    def __str__(self):
        return " | ".join([f"[{taste}]" for taste in self.tasten] + self.worte) or "(nichts)"


class Lauscher:
    """The bus, the window manager and Orca, started once for a test."""

    def __init__(self, ordner):
        self.ordner = ordner
        self.prozesse = []
        self.marke = 0
        self.log = None
        self._letzte_marke = 0

    def starte(self, name, argumente, **optionen):
        prozess = subprocess.Popen(argumente, **optionen)
        self.prozesse.append((name, prozess))
        return prozess

    def beginne(self):
        self.starte("at-spi-bus-launcher", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        warte(lambda: subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                                      "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0,
              "the accessibility bus")
        subprocess.run(["gsettings", "set", "org.gnome.desktop.a11y.applications", "screen-reader-enabled", "true"],
                       check=True)
        # Without a window manager no window becomes active, and Orca
        # presents only the active one.
        self.starte("openbox", ["openbox", "--sm-disable"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        einstellungen = os.path.join(self.ordner, "orca")
        os.makedirs(einstellungen)
        shutil.copy(os.path.join(HIER, "orca-customizations.py"), einstellungen)
        self._fifo = os.path.join(einstellungen, "marke")
        os.mkfifo(self._fifo)
        self.log = Orcalog(os.path.join(self.ordner, "orca-debug.log"))
        self.starte("orca", ["orca", "--replace", "-u", einstellungen, "--debug-file", self.log.pfad],
                    stdout=subprocess.DEVNULL, stderr=open(os.path.join(self.ordner, "orca-stderr.log"), "w"))
        self.log.warte_auf(r"MARKE bereit")
        self._schreiber = os.open(self._fifo, os.O_RDWR)
        # Orca listens to events once its registry runs.
        self.log.warte_auf(r"ORCA: Starting registry")

    def markiere(self):
        """Waits until Orca has handled everything the active application
        sent so far; returns the number of the log line that says so."""
        self.marke += 1
        os.write(self._schreiber, f"{self.marke}\n".encode())
        zeile = self.log.warte_auf(rf"MARKE {self.marke}$", self._letzte_marke)
        von, self._letzte_marke = self._letzte_marke, zeile
        return von, zeile

    def ruhe(self):
        """Marks the log: what Orca says from here on belongs to the next key."""
        self.markiere()

    def druecke(self, taste, beantwortet, was):
        """Presses the key (xdotool's name), waits until the game has
        answered it (beantwortet, read from the bus) and Orca has handled
        all it was sent; returns what Orca said since the last mark."""
        subprocess.run(["xdotool", "key", taste], check=True)
        warte(beantwortet, was)
        von, bis = self.markiere()
        return Worte(self.log.abschnitt(von, bis))

    def beende(self):
        for name, prozess in reversed(self.prozesse):
            if prozess.poll() is None:
                prozess.terminate()
                try:
                    prozess.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    prozess.kill()
                    prozess.wait()


# The bus, as the test reads it: objects are looked at afresh each time.

def frisch(objekt):
    try:
        objekt.clearCache()
    except Exception:
        pass
    return objekt


def finde(knoten, passt, tiefe=40):
    """The first object below knoten (depth first) that passes."""
    try:
        if passt(knoten):
            return knoten
        if tiefe == 0:
            return None
        for kind in knoten:
            if kind is not None:
                gefunden = finde(kind, passt, tiefe - 1)
                if gefunden is not None:
                    return gefunden
    except Exception:
        pass
    return None


def zustaende(objekt):
    return set(frisch(objekt).getState().getStates())


class Brett:
    """The board on the bus: a table named "Spielbrett" of 8 x 8 cells."""

    def __init__(self, tabelle):
        self.tabelle = tabelle

    @staticmethod
    def suche(name):
        desktop = pyatspi.Registry.getDesktop(0)
        tabelle = warte(lambda: finde(desktop, lambda k: k.getRole() == pyatspi.ROLE_TABLE and k.name == name),
                        f'the table "{name}" on the bus')
        return Brett(tabelle)

    def rechteck(self):
        """Where the board is on the screen: x, y, width, height."""
        ausmass = frisch(self.tabelle).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return ausmass.x, ausmass.y, ausmass.width, ausmass.height

    def zelle(self, spalte, zeile):
        return self.tabelle.queryTable().getAccessibleAt(zeile - 1, spalte - 1)

    def name(self, spalte, zeile):
        return frisch(self.zelle(spalte, zeile)).name

    def fokus(self):
        """The cell that holds the focus, itself or in what it holds, or None."""
        frisch(self.tabelle)
        for zeile in range(1, 9):
            for spalte in range(1, 9):
                zelle = self.zelle(spalte, zeile)
                if any(pyatspi.STATE_FOCUSED in zustaende(teil) for teil in [zelle, *zelle]):
                    return (spalte, zeile)
        return None

    def ausgewaehlt(self, spalte, zeile):
        return pyatspi.STATE_SELECTED in zustaende(self.zelle(spalte, zeile))
