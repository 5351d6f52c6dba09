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

Once the page's scripts are bundled, a second call moves them to the end
of the body:

    bette_ein.py --ans-ende <markup> <folder of the bundle> <markup out>

- each <script defer src="NAME.js"></script> of the head, in its order,
  as an ordinary script at the end of the body, which runs as the deferred
  one would, once the markup has been read; the one whose file lies in the
  folder is written in, with its SHA-256 in the policy, so that the window
  waits for one file less.

A script's lines that hold only a comment stay in its source, as the
bundled scripts' do. The build stops where the policy lacks what it must
allow, or a script would end the element it stands in.
"""
import base64
import hashlib
import os
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


def erlaube(inhalt, markup, summen):
    """Adds the scripts' hashes to the policy's script-src."""
    inhalt, anzahl = re.subn(r"(script-src 'self')", r"\1 " + " ".join(summen), inhalt)
    if anzahl != 1:
        fehler(f"{markup} has no Content-Security-Policy with script-src 'self' for the scripts it holds")
    return inhalt


def geschrieben(pfad, summen):
    text = skript(pfad)
    summen.append("'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode() + "'")
    return f"<script>{text}</script>"


def ans_ende(markup, ordner, ausgabe):
    with open(markup, encoding="utf-8") as datei:
        inhalt = datei.read()
    kopf, ende = inhalt.split("</head>", 1)
    zeilen = re.findall(r'<script defer src="([A-Za-z0-9_]+\.js)"></script>\n', kopf)
    if not zeilen or "</body>" not in ende:
        fehler(f"{markup} has no deferred scripts in its head, or no end of its body")
    summen = []
    skripte = "".join(geschrieben(f"{ordner}/{name}", summen) + "\n" if os.path.exists(f"{ordner}/{name}")
                      else f'<script src="{name}"></script>\n' for name in zeilen)
    if not summen:
        fehler(f"no script of {markup}'s head lies in {ordner}")
    kopf = re.sub(r'<script defer src="[A-Za-z0-9_]+\.js"></script>\n', "", kopf)
    ende = ende.replace("</body>", skripte + "</body>", 1)
    with open(ausgabe, "w", encoding="utf-8") as datei:
        datei.write(erlaube(kopf, markup, summen) + "</head>" + ende)


def main():
    if len(sys.argv) == 5 and sys.argv[1] == "--ans-ende":
        ans_ende(*sys.argv[2:])
        return
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    markup, skripte, glyphen, ausgabe = sys.argv[1:]
    with open(markup, encoding="utf-8") as datei:
        inhalt = datei.read()
    summen = []
    inhalt = re.sub(r'<script src="(skripte/[A-Za-z0-9_]+\.js)"></script>',
                    lambda treffer: geschrieben(f"{skripte}/{treffer.group(1)}", summen), inhalt)
    if summen:
        inhalt = erlaube(inhalt, markup, summen)
    inhalt, anzahl = re.subn(r'src="glyphen/([a-z0-9_]+\.png)"',
                             lambda treffer: f'src="{glyphe(f"{glyphen}/{treffer.group(1)}")}"', inhalt)
    if anzahl and not re.search(r"img-src 'self' data:", inhalt):
        fehler(f"{markup} has no Content-Security-Policy with img-src 'self' data: for the glyphs")
    with open(ausgabe, "w", encoding="utf-8") as datei:
        datei.write(inhalt)


if __name__ == "__main__":
    main()
