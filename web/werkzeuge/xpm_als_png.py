#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns the left half of the palette glyph (an XPM of two 16 x 16 images
side by side, the enabled one first) into a PNG for the page's colour
buttons. Olive, the colour of the bottom-left pixel, becomes transparent,
as on the desktop. A PNG, not an SVG: the browser decodes it beside the
page, where an SVG would be laid out as a document of its own while the
page starts."""
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
    wert = wert.lstrip('#')
    return bytes(int(wert[i:i + 2], 16) for i in (0, 2, 4))


def block(art, daten):
    return (struct.pack('>I', len(daten)) + art + daten
            + struct.pack('>I', zlib.crc32(art + daten) & 0xffffffff))


def als_png(breite, hoehe, zeichen, palette, bild):
    haelfte = breite // 2
    durchsichtig = bild[-1][:zeichen]
    zeilen = b''
    for zeile in bild:
        zeilen += b'\0'  # no filter
        for x in range(haelfte):
            schluessel = zeile[x * zeichen:(x + 1) * zeichen]
            zeilen += b'\0\0\0\0' if schluessel == durchsichtig else farbe(palette[schluessel]) + b'\xff'
    kopf = struct.pack('>IIBBBBB', haelfte, hoehe, 8, 6, 0, 0, 0)  # 8-bit RGBA
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
