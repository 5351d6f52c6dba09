#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns a glyph of assets/ into a PNG for the page's buttons: the XPM's
left square, which is the whole picture, or the enabled half of one that
holds a greyed copy beside it (the palette). The colour of the bottom-left
pixel, and "None", are transparent, as on the desktop. A PNG, not an SVG:
the browser decodes it beside the page, where an SVG would be laid out as
a document of its own while the page starts."""
import re
import struct
import sys
import zlib


def lies_xpm(text):
    zeilen = re.findall(r'"([^"]*)"', text)
    breite, hoehe, farben, zeichen = (int(wert) for wert in zeilen[0].split()[:4])
    palette = {}
    for eintrag in zeilen[1:1 + farben]:
        schluessel, rest = eintrag[:zeichen], eintrag[zeichen:]
        palette[schluessel] = rest.split()[-1]
    bild = [zeile[:breite * zeichen] for zeile in zeilen[1 + farben:1 + farben + hoehe]]
    return breite, hoehe, zeichen, palette, bild


def farbe(wert):
    if wert == 'None':
        return None
    wert = wert.lstrip('#')
    return bytes(int(wert[i:i + 2], 16) for i in (0, 2, 4))


def block(art, daten):
    return (struct.pack('>I', len(daten)) + art + daten
            + struct.pack('>I', zlib.crc32(art + daten) & 0xffffffff))


def als_png(breite, hoehe, zeichen, palette, bild):
    seite = min(breite, hoehe)
    durchsichtig = bild[-1][:zeichen]
    zeilen = b''
    for zeile in bild:
        zeilen += b'\0'  # no filter
        for x in range(seite):
            schluessel = zeile[x * zeichen:(x + 1) * zeichen]
            rgb = farbe(palette[schluessel])
            zeilen += b'\0\0\0\0' if schluessel == durchsichtig or rgb is None else rgb + b'\xff'
    kopf = struct.pack('>IIBBBBB', seite, hoehe, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b'\x89PNG\r\n\x1a\n' + block(b'IHDR', kopf)
            + block(b'IDAT', zlib.compress(zeilen, 9)) + block(b'IEND', b''))


def main():
    quelle, ziel = sys.argv[1:3]
    with open(quelle, encoding='ascii') as datei:
        png = als_png(*lies_xpm(datei.read()))
    with open(ziel, 'wb') as datei:
        datei.write(png)


if __name__ == '__main__':
    main()
