#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes into the markup what the page would otherwise wait for as files
of their own:

    bette_ein.py <markup> <folder of the scripts> <folder of the glyphs> <markup out>

- the scripts it loads as <script src="skripte/NAME.js"></script> (without
  defer: they run in the head, before anything else has come), with their
  SHA-256 added to the Content-Security-Policy's script-src, which lets the
  page run exactly these;
- the buttons' glyphs, src="glyphen/NAME.png", as data: addresses, which
  the policy's img-src must allow.

A script's lines that hold only a comment stay in its source, as the
bundled scripts' do. The build stops where the policy lacks what it must
allow, or a script would end the element it stands in.
"""
import base64
import hashlib
import re
import sys


def fehler(text):
    sys.exit(f"bette_ein.py: {text}")


def skript(pfad):
    with open(pfad, encoding="utf-8") as datei:
        zeilen = datei.read().splitlines()
    # The first line (the licence) stays, as in the bundled scripts.
    code = zeilen[:1] + [zeile for zeile in zeilen[1:] if not re.fullmatch(r"\s*//.*", zeile)]
    inhalt = "\n" + "\n".join(code) + "\n"
    if "</script" in inhalt.lower():
        fehler(f"{pfad} holds '</script', which would end its element")
    return inhalt


def glyphe(pfad):
    with open(pfad, "rb") as datei:
        return "data:image/png;base64," + base64.b64encode(datei.read()).decode()


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    markup, skripte, glyphen, ausgabe = sys.argv[1:]
    with open(markup, encoding="utf-8") as datei:
        inhalt = datei.read()
    summen = []

    def bette_skript_ein(treffer):
        text = skript(f"{skripte}/{treffer.group(1)}")
        summen.append("'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode() + "'")
        return f"<script>{text}</script>"

    inhalt = re.sub(r'<script src="(skripte/[A-Za-z0-9_]+\.js)"></script>', bette_skript_ein, inhalt)
    if summen:
        inhalt, anzahl = re.subn(r"(script-src 'self')", r"\1 " + " ".join(summen), inhalt)
        if anzahl != 1:
            fehler(f"{markup} has no Content-Security-Policy with script-src 'self' for its scripts in the head")
    inhalt, anzahl = re.subn(r'src="glyphen/([a-z0-9_]+\.png)"',
                             lambda treffer: f'src="{glyphe(f"{glyphen}/{treffer.group(1)}")}"', inhalt)
    if anzahl and not re.search(r"img-src 'self' data:", inhalt):
        fehler(f"{markup} has no Content-Security-Policy with img-src 'self' data: for the glyphs")
    with open(ausgabe, "w", encoding="utf-8") as datei:
        datei.write(inhalt)


if __name__ == "__main__":
    main()
