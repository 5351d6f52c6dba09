#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a screen reader meets it, through the real accessibility
# bus. Run under xvfb-run and dbus-run-session:
#
#     zugang_bus.py <fenster_tests>
#
# Starts the bus, then the window ("fenster_tests --lauf zugang", which
# prints the dealt cells), finds the table "Spielbrett", checks its 64
# cell names against the deal, and takes a pair with keys alone: Tab onto
# the board, the arrow keys, Space and Enter. Then both cells read "leer",
# the progress reads "1 von 18 gelöst", and the bus carried the events of
# the focus, of the changed names, and of each tile that was shut in and
# is free now.
import json
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

FRIST = 30  # seconds for each condition

# The progress after the first pair, worded as the game's text source
# words it.
with open(os.path.join(os.path.dirname(__file__), "..", "..", "texte", "texte.json"), encoding="utf-8") as quelle:
    EIN_PAAR_GELOEST = json.load(quelle)["Fortschritt"].replace("%1", "1").replace("%2", "18")


def warte(bedingung, was):
    ende = time.monotonic() + FRIST
    while time.monotonic() < ende:
        # Lets the events that arrived reach their listeners.
        while GLib.MainContext.default().iteration(False):
            pass
        ergebnis = bedingung()
        if ergebnis:
            return ergebnis
        time.sleep(0.02)
    sys.exit(f"timed out waiting for {was}")


def finde(knoten, passt):
    try:
        if passt(knoten):
            return knoten
        for kind in knoten:
            if kind is not None:
                gefunden = finde(kind, passt)
                if gefunden is not None:
                    return gefunden
    except Exception:
        pass
    return None


def taste(*namen):
    for name in namen:
        subprocess.run(["xdotool", "key", name], check=True)


def main():
    programm = sys.argv[1]
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    # The window looks for the bus as it starts: the launcher must own its
    # name by then.
    warte(lambda: subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                                  "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0,
          "the accessibility bus")
    # The listeners are known before the window starts: it learns which
    # events anybody listens to as it connects to the bus.
    ereignisse = []
    # Each event with its source; the source's name is read afresh when
    # asked, since the reader's cache may still hold the old one.
    def notiere(ereignis):
        ereignisse.append((str(ereignis.type), ereignis.source))
    for art in ("object:property-change:accessible-name", "object:property-change:accessible-description",
                "object:state-changed:focused"):
        pyatspi.Registry.registerEventListener(notiere, art)

    umgebung = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    spiel = subprocess.Popen([programm, "--lauf", "zugang"], stdout=subprocess.PIPE, text=True, env=umgebung)
    try:
        zellen = {}
        for zeile in spiel.stdout:
            if zeile.strip() == "bereit":
                break
            spalte, reihe, paar, text = zeile.rstrip("\n").split(" ", 3)
            zellen[(int(spalte), int(reihe))] = (int(paar), text)
        if len(zellen) != 64:
            sys.exit(f"the run printed {len(zellen)} cells")

        desktop = pyatspi.Registry.getDesktop(0)
        brett = warte(lambda: finde(desktop, lambda k: k.getRoleName() == "table" and k.name == "Spielbrett"),
                      'the table "Spielbrett"')
        tabelle = brett.queryTable()
        if (tabelle.nRows, tabelle.nColumns, brett.childCount) != (8, 8, 64):
            sys.exit(f"table of {tabelle.nRows} x {tabelle.nColumns}, {brett.childCount} cells")
        def zelle(spalte, reihe):
            return tabelle.getAccessibleAt(reihe - 1, spalte - 1)
        for (spalte, reihe), (_, text) in zellen.items():
            if zelle(spalte, reihe).name != text:
                sys.exit(f"cell {spalte},{reihe} reads {zelle(spalte, reihe).name!r}, dealt {text!r}")
        print("Spielbrett: 8 x 8 cells named as dealt")

        # A pair whose cells the reader calls free: named, not "eingesperrt".
        def frei(spalte, reihe):
            z = zelle(spalte, reihe)
            return z.name != "leer" and "eingesperrt" not in z.description
        paare = {}
        for (spalte, reihe), (paar, _) in zellen.items():
            if paar and frei(spalte, reihe):
                paare.setdefault(paar, []).append((spalte, reihe))
        erste, zweite = next(p for p in paare.values() if len(p) == 2)
        eingesperrt = [ort for ort in zellen if "eingesperrt" in zelle(*ort).description]
        if not eingesperrt:
            sys.exit('no cell reads "eingesperrt"')
        print(f"cell {eingesperrt[0]}: name {zelle(*eingesperrt[0]).name!r}, "
              f"description {zelle(*eingesperrt[0]).description!r}")
        z = zelle(*erste)
        print(f"cell {erste}: name {z.name!r}, description {z.description!r}, "
              f"states {sorted(s.value_nick for s in z.getState().getStates())}")

        fenster = subprocess.run(["xdotool", "search", "--sync", "--name", "^Rechen-Kalumbo$"],
                                 capture_output=True, text=True, timeout=FRIST).stdout.split()[0]
        def hat_fokus():
            subprocess.run(["xdotool", "windowfocus", fenster], capture_output=True)
            return subprocess.run(["xdotool", "getwindowfocus"], capture_output=True, text=True).stdout.strip() == fenster
        warte(hat_fokus, "the keyboard focus on the window")

        def fokuszelle():
            for reihe in range(1, 9):
                for spalte in range(1, 9):
                    # The focus is on what the cell shows, its one child.
                    if zelle(spalte, reihe)[0].getState().contains(pyatspi.STATE_FOCUSED):
                        return (spalte, reihe)
            return None
        taste("Tab")
        jetzt = warte(fokuszelle, "a focused cell after Tab")
        print(f"Tab: the focus is on cell {jetzt}, {zelle(*jetzt).name!r}")

        def gehe(ziel):
            nonlocal jetzt
            while jetzt != ziel:
                if jetzt[1] != ziel[1]:
                    taste("Down" if jetzt[1] < ziel[1] else "Up")
                else:
                    taste("Right" if jetzt[0] < ziel[0] else "Left")
                vorher = jetzt
                jetzt = warte(lambda: (f := fokuszelle()) != vorher and f, "the focus to move")
        gehe(erste)
        taste("space")
        warte(lambda: zelle(*erste).getState().contains(pyatspi.STATE_SELECTED), "the first tile selected")
        print(f"Space: cell {erste} states {sorted(s.value_nick for s in zelle(*erste).getState().getStates())}")
        vorher = {ort: zelle(*ort).description for ort in zellen}
        gehe(zweite)
        taste("Return")
        warte(lambda: zelle(*erste).name == "leer" and zelle(*zweite).name == "leer", 'both cells "leer"')
        warte(lambda: finde(desktop, lambda k: k.getRoleName() == "label" and k.name == EIN_PAAR_GELOEST),
              repr(EIN_PAAR_GELOEST))
        z = zelle(*erste)
        print(f"after the pair: cell {erste}: name {z.name!r}, description {z.description!r}, "
              f"states {sorted(s.value_nick for s in z.getState().getStates())}")

        def namensereignisse():
            namen = []
            for art, quelle in ereignisse:
                if art == "object:property-change:accessible-name" and quelle is not None:
                    quelle.clearCache()
                    namen.append(quelle.name)
            return namen
        warte(lambda: namensereignisse().count("leer") >= 2, 'two name events "leer"')
        warte(lambda: EIN_PAAR_GELOEST in namensereignisse(), "the name event of the progress text")
        warte(lambda: any(a.startswith("object:state-changed:focused") for a, _ in ereignisse), "a focus event")

        # The pair's neighbours that it shut in are free now, and the bus
        # says so of each.
        befreit = [ort for ort in zellen if vorher[ort] != zelle(*ort).description]
        if not befreit:
            sys.exit("the pair freed no tile: the run's deal cannot show the events of it")
        def beschrieben():
            return {quelle.getIndexInParent() for art, quelle in ereignisse
                    if art == "object:property-change:accessible-description" and quelle is not None
                    and quelle.getRoleName() == "table cell"}
        for spalte, reihe in befreit:
            warte(lambda: (reihe - 1) * 8 + spalte - 1 in beschrieben(),
                  f"the description event of the freed tile {(spalte, reihe)}")
        print(f"freed by the pair, each with its event: {befreit}")
        print("events:", len(ereignisse), "among them", sorted(set(a for a, _ in ereignisse)))
    finally:
        spiel.terminate()
        spiel.wait(timeout=FRIST)
        bus.terminate()
        bus.wait(timeout=FRIST)


if __name__ == "__main__":
    main()
