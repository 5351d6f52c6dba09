#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the game's German texts for both editions from texte.json.

    erzeuge_texte.py texte.json cpp  Texte.h            for the desktop
    erzeuge_texte.py texte.json js   texte.js           for the page's scripts
    erzeuge_texte.py texte.json html index.html OUT     fills the page's markup

What texte.json holds:
- a text: a string, or a list of lines (joined by line breaks);
- a list of items, such as the choices of a radio-button group:
  {"Eintraege": [...]};
- the browser's own wording of a text: the same name followed by
  "ImBrowser"; the desktop never sees it;
- "{Name}" inside a text stands for the text of that name, in the wording
  of the edition being made;
- "%1" to "%9" inside a text are parts filled in when it is shown (a file
  name, a number): by Texte::Fuelle (texte/Fuellen.h) or QString::arg on
  the desktop, by fuelle() of texte.js on the page. The browser's wording
  of a text has the same parts as the desktop's.

In the page's markup, {{Name}} is the text, {{Name.N}} item N of a list
(counted from 0), and {{Name:taste}} a caption whose "&" marks the letter
of its keyboard shortcut, which is then underlined. Every name must exist
and every marker be filled, or nothing is written.
"""
import html
import json
import re
import sys

IM_BROWSER = 'ImBrowser'
VERWEIS = re.compile(r'\{([A-Za-z0-9]+)\}')
MARKE = re.compile(r'\{\{([A-Za-z0-9]+)(?:\.([0-9]+)|:(taste))?\}\}')
BEZEICHNER = re.compile(r'[A-Z][A-Za-z0-9]*\Z')
TEIL = re.compile(r'%[1-9]')


class Texte:
    def __init__(self, quelle, im_browser):
        self.quelle = quelle
        self.im_browser = im_browser

    def namen(self):
        return [name for name in self.quelle if not name.endswith(IM_BROWSER)]

    def roh(self, name):
        if self.im_browser and name + IM_BROWSER in self.quelle:
            return self.quelle[name + IM_BROWSER]
        if name not in self.quelle:
            raise SystemExit(f'texte.json: no text named "{name}"')
        return self.quelle[name]

    def pruefe_teile(self):
        for name in self.namen():
            variante = self.quelle.get(name + IM_BROWSER)
            if isinstance(variante, (str, list)) and teile(self.quelle[name]) != teile(variante):
                raise SystemExit(f'texte.json: "{name}{IM_BROWSER}" fills other parts than "{name}"')

    def ist_liste(self, name):
        return isinstance(self.roh(name), dict)

    def text(self, name, kette=()):
        if name in kette:
            raise SystemExit(f'texte.json: "{name}" refers to itself')
        wert = self.roh(name)
        if isinstance(wert, dict):
            raise SystemExit(f'texte.json: "{name}" is a list, not a text')
        if isinstance(wert, list):
            wert = '\n'.join(wert)
        return VERWEIS.sub(lambda treffer: self.text(treffer.group(1), kette + (name,)), wert)

    def liste(self, name):
        wert = self.roh(name)
        if not isinstance(wert, dict) or list(wert) != ['Eintraege']:
            raise SystemExit(f'texte.json: "{name}" is not a list of items')
        return wert['Eintraege']


def teile(wert):
    zeilen = wert if isinstance(wert, list) else [wert]
    return sorted({teil for zeile in zeilen for teil in TEIL.findall(zeile)})


def als_cpp(texte):
    zeilen = [
        '// Made by texte/erzeuge_texte.py from texte/texte.json: change the texts there.',
        '#pragma once',
        '',
        '#include <array>',
        '',
        'namespace kalumbo::Texte {',
        '',
    ]
    for name in texte.namen():
        if not BEZEICHNER.match(name):
            raise SystemExit(f'texte.json: "{name}" is no name for C++')
        if texte.ist_liste(name):
            eintraege = texte.liste(name)
            werte = ', '.join(json.dumps(eintrag, ensure_ascii=False) for eintrag in eintraege)
            zeilen.append(f'inline constexpr std::array<const char*, {len(eintraege)}> {name}{{{werte}}};')
        else:
            zeilen.append(f'inline constexpr char {name}[] = {json.dumps(texte.text(name), ensure_ascii=False)};')
    zeilen += ['', '} // namespace kalumbo::Texte', '']
    return '\n'.join(zeilen)


def als_js(texte):
    werte = {name: texte.liste(name) if texte.ist_liste(name) else texte.text(name) for name in texte.namen()}
    return ('// Made by texte/erzeuge_texte.py from texte/texte.json: change the texts there.\n'
            "'use strict';\n"
            '// The game\'s German texts, in the browser\'s wording.\n'
            f'const Texte = Object.freeze({json.dumps(werte, ensure_ascii=False, indent=2)});\n'
            '\n'
            '// A text with its parts "%1" to "%9" filled in, in one pass.\n'
            'function fuelle(text, ...werte) {\n'
            "  return text.replace(/%([1-9])/g, (teil, nummer) => String(werte[nummer - 1] ?? teil));\n"
            '}\n')


def html_text(text):
    # Attributes in the markup stand in double quotes.
    return html.escape(text, quote=False).replace('"', '&quot;')


def mit_taste(text):
    vor, und, nach = text.partition('&')
    if not und or not nach:
        raise SystemExit(f'texte.json: "{text}" marks no shortcut letter')
    return html_text(vor) + '<u>' + html_text(nach[0]) + '</u>' + html_text(nach[1:])


def fuelle_html(texte, vorlage):
    def ersetze(treffer):
        name, nummer, taste = treffer.groups()
        if nummer is not None:
            eintraege = texte.liste(name)
            if int(nummer) >= len(eintraege):
                raise SystemExit(f'index.html: "{name}" has no item {nummer}')
            return html_text(eintraege[int(nummer)])
        if taste:
            return mit_taste(texte.text(name))
        return html_text(texte.text(name))

    ergebnis = MARKE.sub(ersetze, vorlage)
    if '{{' in ergebnis:
        raise SystemExit('index.html: a marker was not understood: ' + ergebnis[ergebnis.index('{{'):][:40])
    return ergebnis


def main(argumente):
    if len(argumente) < 3 or argumente[1] not in ('cpp', 'js', 'html'):
        raise SystemExit(__doc__)
    with open(argumente[0], encoding='utf-8') as datei:
        quelle = json.load(datei)
    art = argumente[1]
    texte = Texte(quelle, im_browser=art != 'cpp')
    texte.pruefe_teile()
    if art == 'cpp':
        inhalt, ziel = als_cpp(texte), argumente[2]
    elif art == 'js':
        inhalt, ziel = als_js(texte), argumente[2]
    else:
        with open(argumente[2], encoding='utf-8') as datei:
            inhalt = fuelle_html(texte, datei.read())
        ziel = argumente[3]
    with open(ziel, 'w', encoding='utf-8') as datei:
        datei.write(inhalt)


if __name__ == '__main__':
    main(sys.argv[1:])
