#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the scripts the markup loads as <script src="skripte/NAME.js"></script>
(without defer: they run in the head, before anything else has come) into
the markup itself, and lets the page's Content-Security-Policy run exactly
these by their SHA-256:

    skript_im_kopf.py <markup> <folder of the scripts> <markup out>

A script's lines that hold only a comment stay in its source, as the
bundled scripts' do. The build stops where the markup has no script-src to
add to, or a script would end the element it stands in.
"""
import base64
import hashlib
import re
import sys


def fehler(text):
    sys.exit(f"skript_im_kopf.py: {text}")


def eingebettet(pfad):
    with open(pfad, encoding="utf-8") as datei:
        zeilen = datei.read().splitlines()
    # The first line (the licence) stays, as in the bundled scripts.
    code = zeilen[:1] + [zeile for zeile in zeilen[1:] if not re.fullmatch(r"\s*//.*", zeile)]
    inhalt = "\n" + "\n".join(code) + "\n"
    if "</script" in inhalt.lower():
        fehler(f"{pfad} holds '</script', which would end its element")
    return inhalt


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    markup, ordner, ausgabe = sys.argv[1:]
    with open(markup, encoding="utf-8") as datei:
        inhalt = datei.read()
    summen = []

    def bette_ein(treffer):
        skript = eingebettet(f"{ordner}/{treffer.group(1)}")
        summen.append("'sha256-" + base64.b64encode(hashlib.sha256(skript.encode("utf-8")).digest()).decode() + "'")
        return f"<script>{skript}</script>"

    inhalt = re.sub(r'<script src="(skripte/[A-Za-z0-9_]+\.js)"></script>', bette_ein, inhalt)
    if summen:
        inhalt, anzahl = re.subn(r"(script-src 'self')", r"\1 " + " ".join(summen), inhalt)
        if anzahl != 1:
            fehler(f"{markup} has no Content-Security-Policy with script-src 'self' for its scripts in the head")
    with open(ausgabe, "w", encoding="utf-8") as datei:
        datei.write(inhalt)


if __name__ == "__main__":
    main()
