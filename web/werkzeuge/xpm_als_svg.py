#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns the left half of the palette glyph (an XPM of two 16 x 16 images
side by side, the enabled one first) into an SVG of square pixels for the
page's colour buttons. Olive, the colour of the bottom-left pixel, stays
transparent, as on the desktop."""
import re
import sys


def lies_xpm(text):
    zeilen = re.findall(r'"([^"]*)"', text)
    breite, hoehe, farben, zeichen = (int(wert) for wert in zeilen[0].split()[:4])
    palette = {}
    for eintrag in zeilen[1:1 + farben]:
        schluessel, rest = eintrag[:zeichen], eintrag[zeichen:]
        palette[schluessel] = rest.split()[-1]
    bild = [zeile[:breite * zeichen] for zeile in zeilen[1 + farben:1 + farben + hoehe]]
    return breite, hoehe, zeichen, palette, bild


def als_svg(breite, hoehe, zeichen, palette, bild):
    haelfte = breite // 2
    durchsichtig = bild[-1][:zeichen]
    rechtecke = []
    for y, zeile in enumerate(bild):
        x = 0
        while x < haelfte:
            farbe = zeile[x * zeichen:(x + 1) * zeichen]
            lauf = 1
            while x + lauf < haelfte and zeile[(x + lauf) * zeichen:(x + lauf + 1) * zeichen] == farbe:
                lauf += 1
            if farbe != durchsichtig:
                rechtecke.append(f'<rect x="{x}" y="{y}" width="{lauf}" height="1" fill="{palette[farbe]}"/>')
            x += lauf
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{haelfte}" height="{hoehe}" '
            f'viewBox="0 0 {haelfte} {hoehe}" shape-rendering="crispEdges">'
            + ''.join(rechtecke) + '</svg>\n')


def main():
    quelle, ziel = sys.argv[1:3]
    with open(quelle, encoding='ascii') as datei:
        svg = als_svg(*lies_xpm(datei.read()))
    with open(ziel, 'w', encoding='ascii') as datei:
        datei.write(svg)


if __name__ == '__main__':
    main()
