#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the game window's layout for both editions from lage.json.

    erzeuge_lage.py lage.json texte.json cpp  Lage.h              for the desktop
    erzeuge_lage.py lage.json texte.json css  OUT [stil.css]      the page's places,
                                                                  then its look
    erzeuge_lage.py lage.json texte.json js   lage.js             for the page's scripts
    erzeuge_lage.py lage.json texte.json html index.html OUT      the page's controls
    erzeuge_lage.py lage.json texte.json glyphen                  the glyphs' names

What lage.json holds:
- "Fenster": the window's "Name", its "Titel" (a text's name), its client area's
  "Groesse" [width, height], its "Schrift" (see below) and its "Controls";
- a control: its "Name" (the desktop's object name, the page's id), its
  "Art", and its place: "Lage" [left, top, width, height] within its
  parent; or, for a label as large as its text, "Ecke" [left, top], or
  "EckeRechts" [right, top] for one that grows to the left. "Verborgen":
  hidden at the start. "ImBrowser": false for a control the page does not
  have;
- by its "Art":
  "Knopf": "Text" and "Hinweis" (names of texts; an "&" in the text marks
    the letter that Alt presses it with) and "Glyphe", a file of assets/
    without ".xpm";
  "Radiogruppe": "Titel", "Eintraege" (a list of texts), "Spalten", the
    chosen item "Vorgabe" counted from 0, "Hinweis";
  "Beschriftung": "Text", and at will "Schrift", "Farbe" ("#RRGGBB") and
    "Hoehe" when it is not the font's line;
  "Textfeld": "Text" and "NurLesen";
  "Spielbrett": "Zugang", the page's grid over the board, which lies where
    the board lies and is its stop of the Tab key, and "Ebene", the page's
    canvas for the keyboard's frame, which lies there too;
  "Hilfe": "Beispielsteingroesse", the example tiles' side, the
    "Zeichenabstand" of its text boxes, and "Controls";
  "Beispielstein": an example tile of the help, at its "Ecke";
  "Seiten": the tab control's "Seiten", each with its "Name", "Titel" and
    "Controls", and the page in front at the start, "Vorn";
- a "Schrift": "Pixel", "Fett" when bold, and "Zeile", the height of a
  line of it;
- "Tabfolge": the names of the stops of the Tab key in their order; a
  name followed by "ImBrowser" is a stop of the page alone;
- a key beginning with "//" is a comment.

In the page's markup, {{#Name}} stands for the control of that name: a
button or a radio-button group with its items, its captions left as
markers for erzeuge_texte.py. The markup's focusable controls must
follow "Tabfolge", or nothing is written.
"""
import html.parser
import json
import math
import re
import sys

from erzeuge_texte import Texte

IM_BROWSER = 'ImBrowser'
STEUERMARKE = re.compile(r'^([ \t]*)\{\{#([A-Za-z0-9]+)\}\}[ \t]*$', re.MULTILINE)
FARBE = re.compile(r'#[0-9A-Fa-f]{6}\Z')
KOPF = 'Made by texte/erzeuge_lage.py from texte/lage.json: change the layout there.'


def ohne_kommentare(wert):
    if isinstance(wert, dict):
        return {name: ohne_kommentare(inhalt) for name, inhalt in wert.items() if not name.startswith('//')}
    if isinstance(wert, list):
        return [ohne_kommentare(inhalt) for inhalt in wert]
    return wert


def fehler(text):
    raise SystemExit('lage.json: ' + text)


class Lage:
    """The window's controls, each with its parent's name."""

    def __init__(self, quelle, texte):
        self.texte = texte
        self.fenster = quelle['Fenster']
        self.controls = {}   # name -> control, in the order they are made
        self.eltern = {}     # name -> its parent's name
        self.seiten = []
        self._sammle(self.fenster['Controls'], self.fenster['Name'])
        self.tabfolge = quelle['Tabfolge']
        self._pruefe()

    def _sammle(self, controls, eltern):
        for control in controls:
            name = control['Name']
            if name in self.controls:
                fehler(f'two controls named "{name}"')
            self.controls[name] = control
            self.eltern[name] = eltern
            self._sammle(control.get('Controls', []), name)
            for seite in control.get('Seiten', []):
                self.seiten.append(seite)
                self._sammle(seite['Controls'], seite['Name'])

    def _pruefe(self):
        for name, control in self.controls.items():
            orte = [ort for ort in ('Lage', 'Ecke', 'EckeRechts') if ort in control]
            if len(orte) != 1:
                fehler(f'"{name}" needs one of "Lage", "Ecke" or "EckeRechts"')
            for text in ('Text', 'Hinweis', 'Titel'):
                if text in control:
                    self.texte.text(control[text])
            if 'Eintraege' in control:
                anzahl = len(self.texte.liste(control['Eintraege']))
                if not 0 <= control['Vorgabe'] < anzahl:
                    fehler(f'"{name}" has no item {control["Vorgabe"]}')
            if 'Farbe' in control and not FARBE.match(control['Farbe']):
                fehler(f'"{name}": "{control["Farbe"]}" is no colour "#RRGGBB"')
        buchstaben = {}
        for name, control in self.art('Knopf'):
            buchstabe = self.alt_taste(control)
            if buchstabe in buchstaben:
                fehler(f'"{name}" and "{buchstaben[buchstabe]}" are both pressed with Alt+{buchstabe}')
            if buchstabe:
                buchstaben[buchstabe] = name
        for stopp in self.tabfolge:
            if self.ohne_browser(stopp) not in self.controls:
                fehler(f'the Tab order names "{stopp}", which is no control')
        vorn = self.controls['Seiten']['Vorn']
        if vorn not in [seite['Name'] for seite in self.seiten]:
            fehler(f'"Vorn": there is no page "{vorn}"')

    @staticmethod
    def ohne_browser(stopp):
        return stopp[:-len(IM_BROWSER)] if stopp.endswith(IM_BROWSER) else stopp

    def tabfolge_desktop(self):
        return [stopp for stopp in self.tabfolge if not stopp.endswith(IM_BROWSER)]

    def tabfolge_browser(self):
        return [self.ohne_browser(stopp) for stopp in self.tabfolge]

    def art(self, art):
        return [(name, control) for name, control in self.controls.items() if control['Art'] == art]

    def rechteck(self, control):
        """[left, top, width, height]; None where the size follows a text."""
        if 'Lage' in control:
            return control['Lage']
        if control['Art'] == 'Beispielstein':
            seite = self.controls[self.eltern[control['Name']]]['Beispielsteingroesse']
            return control['Ecke'] + [seite, seite]
        return None

    def schrift(self, control):
        return control.get('Schrift', self.fenster['Schrift'])

    def glyphen(self):
        return sorted({control['Glyphe'] for _, control in self.art('Knopf')})

    def alt_taste(self, control):
        """The letter Alt presses the button with, or None."""
        vor, und, nach = self.texte.text(control['Text']).partition('&')
        return nach[0].upper() if und and nach else None


# The desktop: a header of constants, one for each control.

def cpp_text(name):
    return f'Texte::{name}'


def cpp_rechteck(werte):
    return '{' + ', '.join(str(wert) for wert in werte) + '}'


def cpp_wahr(wert):
    return 'true' if wert else 'false'


def cpp_schrift(schrift):
    return f'{{{schrift["Pixel"]}, {cpp_wahr(schrift.get("Fett", False))}}}'


def cpp_farbe(farbe):
    if farbe is None:
        return 'std::nullopt'
    return 'qRgb(' + ', '.join(str(int(farbe[i:i + 2], 16)) for i in (1, 3, 5)) + ')'


def als_cpp(lage):
    glyphen = lage.glyphen()
    zeilen = [
        f'// {KOPF}',
        '#pragma once',
        '',
        '#include "texte/Lagearten.h"',
        '#include "texte/Texte.h"',
        '',
        '#include <QSize>',
        '',
        '#include <array>',
        '',
        'namespace kalumbo::Lage {',
        '',
        '// The game\'s own glyphs, each a picture in assets/.',
        f'enum class TGlyphe {{ {", ".join(glyphen)} }};',
        '',
        f'inline constexpr const char* Fenstername = "{lage.fenster["Name"]}";',
        f'inline constexpr const char* Fenstertitel = {cpp_text(lage.fenster["Titel"])};',
        f'inline constexpr QSize Fenstergroesse{cpp_rechteck(lage.fenster["Groesse"])};',
        f'inline constexpr TSchrift Fensterschrift{cpp_schrift(lage.fenster["Schrift"])};',
        '',
    ]
    for name, control in lage.controls.items():
        art = control['Art']
        verborgen = cpp_wahr(control.get('Verborgen', False))
        if art == 'Knopf':
            zeilen.append(f'inline constexpr TKnopf {name}{{"{name}", {cpp_rechteck(control["Lage"])}, '
                          f'{cpp_text(control["Text"])}, {cpp_text(control["Hinweis"])}, '
                          f'TGlyphe::{control["Glyphe"]}}};')
        elif art == 'Radiogruppe':
            zeilen.append(f'inline constexpr TRadiogruppe {name}{{"{name}", {cpp_rechteck(control["Lage"])}, '
                          f'{cpp_text(control["Titel"])}, {cpp_text(control["Eintraege"])}, '
                          f'{control["Spalten"]}, {control["Vorgabe"]}, {cpp_text(control["Hinweis"])}}};')
        elif art == 'Beschriftung':
            rechts = 'EckeRechts' in control
            zeilen.append(f'inline constexpr TBeschriftung {name}{{"{name}", '
                          f'{cpp_rechteck(control["EckeRechts" if rechts else "Ecke"])}, {cpp_wahr(rechts)}, '
                          f'{control.get("Hoehe", 0)}, {cpp_text(control["Text"])}, '
                          f'{cpp_schrift(lage.schrift(control))}, {cpp_farbe(control.get("Farbe"))}, {verborgen}}};')
        elif art == 'Textfeld':
            zeilen.append(f'inline constexpr TTextfeld {name}{{"{name}", {cpp_rechteck(control["Lage"])}, '
                          f'{cpp_text(control["Text"])}, {cpp_wahr(control["NurLesen"])}}};')
        else:
            zeilen.append(f'inline constexpr TControl {name}{{"{name}", '
                          f'{cpp_rechteck(lage.rechteck(control))}, {verborgen}}};')
        if art == 'Hilfe':
            zeilen.append(f'inline constexpr qreal Zeichenabstand = {control["Zeichenabstand"]};')
    for seite in lage.seiten:
        zeilen.append(f'inline constexpr TSeite {seite["Name"]}{{"{seite["Name"]}", {cpp_text(seite["Titel"])}}};')
    seiten = ', '.join(seite['Name'] for seite in lage.seiten)
    tabfolge = ', '.join(f'"{stopp}"' for stopp in lage.tabfolge_desktop())
    zeilen += [
        '',
        '// The pages of the tab control, in their order, and the one in front at the start.',
        f'inline constexpr std::array Seitenfolge{{{seiten}}};',
        f'inline constexpr const char* VordereSeite = "{lage.controls["Seiten"]["Vorn"]}";',
        '',
        '// The stops of the Tab key, in their order; a radio-button group is',
        '// one stop, at its chosen item.',
        f'inline constexpr std::array<const char*, {len(lage.tabfolge_desktop())}> Tabfolge{{{tabfolge}}};',
        '',
        '} // namespace kalumbo::Lage',
        '',
    ]
    return '\n'.join(zeilen)


# The page: its places as a style sheet.

def css_schrift(schrift):
    zeilen = [f'font-size: {schrift["Pixel"]}px;', f'line-height: {schrift["Zeile"]}px;']
    if schrift.get('Fett'):
        zeilen.append('font-weight: 700;')
    return zeilen


def css_regel(auswahl, zeilen):
    return f'{auswahl} {{ {" ".join(zeilen)} }}'


def css_control(lage, name, control):
    auswahl = ', '.join(f'#{teil}' for teil in [name] + [control[art] for art in ('Ebene', 'Zugang') if art in control])
    rechteck = lage.rechteck(control)
    if rechteck:
        links, oben, breite, hoehe = rechteck
        zeilen = [f'left: {links}px;', f'top: {oben}px;', f'width: {breite}px;', f'height: {hoehe}px;']
    elif 'EckeRechts' in control:
        rechts, oben = control['EckeRechts']
        # The parent's width is the page's: its right edge stays where it is.
        zeilen = [f'right: calc(100% - {rechts}px);', f'top: {oben}px;']
    else:
        links, oben = control['Ecke']
        zeilen = [f'left: {links}px;', f'top: {oben}px;']
    if 'Hoehe' in control:
        zeilen.append(f'height: {control["Hoehe"]}px;')
    if 'Schrift' in control:
        zeilen += css_schrift(control['Schrift'])
    if 'Farbe' in control:
        zeilen.append(f'color: {control["Farbe"]};')
    if control['Art'] == 'Textfeld':
        zeilen.append(f'letter-spacing: {lage.controls[lage.eltern[name]]["Zeichenabstand"]}px;')
    regeln = [css_regel(auswahl, zeilen)]
    if control['Art'] == 'Radiogruppe':
        eintraege = len(lage.texte.liste(control['Eintraege']))
        zeilen_je_spalte = math.ceil(eintraege / control['Spalten'])
        regeln.append(css_regel(f'#{name} .rahmen', [f'grid-template-rows: repeat({zeilen_je_spalte}, 1fr);']))
    return regeln


def als_css(lage):
    breite, hoehe = lage.fenster['Groesse']
    regeln = [
        f'/* {KOPF} */',
        '/* The window and each control at its place within its parent. */',
        css_regel(f'#{lage.fenster["Name"]}', [f'width: {breite}px;', f'height: {hoehe}px;']
                  + css_schrift(lage.fenster['Schrift'])),
    ]
    for name, control in lage.controls.items():
        if control.get('ImBrowser', True):
            regeln += css_control(lage, name, control)
    return '\n'.join(regeln) + '\n'


# The page: what its scripts need to know of the layout.

def als_js(lage):
    breite, hoehe = lage.fenster['Groesse']
    links, oben, brettbreite, bretthoehe = lage.controls['Spielbrett']['Lage']
    if links != oben or brettbreite != bretthoehe:
        fehler('the page scales the window about a square board as far from its left edge as from its top')
    alt_tasten = {}
    for name, control in lage.art('Knopf'):
        buchstabe = lage.alt_taste(control)
        if buchstabe:
            alt_tasten['Key' + buchstabe] = name
    daten = {
        'Fenster': {'Breite': breite, 'Hoehe': hoehe},
        'Brett': {'Links': links, 'Oben': oben, 'Breite': brettbreite, 'Hoehe': bretthoehe},
        'AltTasten': alt_tasten,
    }
    return (f'// {KOPF}\n'
            "'use strict';\n"
            '// The window\'s size, the board\'s place in it, and the buttons that Alt\n'
            '// with their underlined letter presses, by the letter\'s key.\n'
            f'const Lage = Object.freeze({json.dumps(daten, indent=2)});\n')


# The page: the controls' markup, and its order of the Tab key.

def html_knopf(lage, name, control):
    attribute = [f'id="{name}"', 'type="button"', 'class="knopf"']
    if name not in lage.tabfolge_browser():
        attribute.append('tabindex="-1"')
    buchstabe = lage.alt_taste(control)
    if buchstabe:
        attribute.append(f'aria-keyshortcuts="Alt+{buchstabe}"')
        beschriftung = f'{{{{{control["Text"]}:taste}}}}'
    else:
        beschriftung = f'{{{{{control["Text"]}}}}}'
    attribute.append(f'title="{{{{{control["Hinweis"]}}}}}"')
    glyphe = f'<img src="glyphen/{control["Glyphe"].lower()}.png" alt="">'
    return [f'<button {" ".join(attribute)}>{glyphe}<span>{beschriftung}</span></button>']


def html_radiogruppe(lage, name, control):
    eintraege = lage.texte.liste(control['Eintraege'])
    zeilen = [
        f'<div id="{name}" class="radiogruppe" role="radiogroup" aria-labelledby="Titel{name}" '
        f'title="{{{{{control["Hinweis"]}}}}}">',
        f'  <div id="Titel{name}" class="titel">{{{{{control["Titel"]}}}}}</div>',
        '  <div class="rahmen">',
    ]
    for nummer in range(len(eintraege)):
        gewaehlt = ' checked' if nummer == control['Vorgabe'] else ''
        zeilen.append(f'    <label><input type="radio" name="{name}" value="{nummer}"{gewaehlt}>'
                      f'<span>{{{{{control["Eintraege"]}.{nummer}}}}}</span></label>')
    zeilen += ['  </div>', '</div>']
    return zeilen


def fuelle_controls(lage, vorlage):
    def ersetze(treffer):
        einzug, name = treffer.groups()
        control = lage.controls.get(name)
        if control is None:
            raise SystemExit(f'index.html: {{{{#{name}}}}} names no control of lage.json')
        if control['Art'] == 'Knopf':
            zeilen = html_knopf(lage, name, control)
        elif control['Art'] == 'Radiogruppe':
            zeilen = html_radiogruppe(lage, name, control)
        else:
            raise SystemExit(f'index.html: {{{{#{name}}}}}: a {control["Art"]} is written by hand')
        return '\n'.join(einzug + zeile for zeile in zeilen)

    return STEUERMARKE.sub(ersetze, vorlage)


class Tabstopps(html.parser.HTMLParser):
    """The markup's stops of the Tab key at the start, each named by the
    control of lage.json it belongs to: the nearest element, itself or
    around it, whose id names a control (or the grid over the board)."""

    LEER = {'area', 'base', 'br', 'col', 'embed', 'hr', 'img', 'input', 'link', 'meta', 'source', 'track', 'wbr'}

    def __init__(self, namen):
        super().__init__()
        self.namen = namen      # id -> control name
        self.offen = []         # (tag, its control's name or None, hidden)
        self.stopps = []

    def handle_starttag(self, tag, attribute):
        attribute = dict(attribute)
        control = self.namen.get(attribute.get('id'))
        um = next((eintrag[1] for eintrag in reversed(self.offen) if eintrag[1]), None)
        verborgen = 'hidden' in attribute or any(eintrag[2] for eintrag in self.offen)
        if not verborgen and self._ist_stopp(tag, attribute):
            stopp = control or um
            if stopp is None:
                raise SystemExit(f'index.html: <{tag} id="{attribute.get("id", "")}"> takes the focus '
                                 'but belongs to no control of lage.json')
            if not self.stopps or self.stopps[-1] != stopp:
                self.stopps.append(stopp)
        if tag not in self.LEER:
            self.offen.append((tag, control or um, verborgen))

    def handle_endtag(self, tag):
        while self.offen:
            if self.offen.pop()[0] == tag:
                break

    @staticmethod
    def _ist_stopp(tag, attribute):
        tabindex = attribute.get('tabindex')
        if tabindex is not None:
            return int(tabindex) >= 0
        if attribute.get('role') == 'grid':
            return True  # its cells, made by a script, take the focus one at a time
        if tag == 'input':
            return attribute.get('type') != 'hidden'
        return tag in ('button', 'select', 'textarea') or (tag == 'a' and 'href' in attribute)


def pruefe_tabfolge(lage, markup):
    namen = {name: name for name in lage.controls}
    for name, control in lage.controls.items():
        if 'Zugang' in control:
            namen[control['Zugang']] = name
    leser = Tabstopps(namen)
    leser.feed(markup)
    if leser.stopps != lage.tabfolge_browser():
        raise SystemExit('index.html: the Tab key would visit\n  ' + ', '.join(leser.stopps)
                         + '\nbut lage.json says\n  ' + ', '.join(lage.tabfolge_browser()))


def main(argumente):
    if len(argumente) < 3 or argumente[2] not in ('cpp', 'css', 'js', 'html', 'glyphen'):
        raise SystemExit(__doc__)
    with open(argumente[0], encoding='utf-8') as datei:
        quelle = ohne_kommentare(json.load(datei))
    with open(argumente[1], encoding='utf-8') as datei:
        texte = Texte(json.load(datei), im_browser=argumente[2] != 'cpp')
    lage = Lage(quelle, texte)
    art = argumente[2]
    if art == 'glyphen':
        print(';'.join(lage.glyphen()))
        return
    if art == 'html':
        with open(argumente[3], encoding='utf-8') as datei:
            inhalt = fuelle_controls(lage, datei.read())
        pruefe_tabfolge(lage, inhalt)
        ziel = argumente[4]
    else:
        inhalt = {'cpp': als_cpp, 'css': als_css, 'js': als_js}[art](lage)
        ziel = argumente[3]
        if art == 'css' and len(argumente) > 4:
            with open(argumente[4], encoding='utf-8') as datei:
                inhalt += '\n' + datei.read()
    with open(ziel, 'w', encoding='utf-8') as datei:
        datei.write(inhalt)


if __name__ == '__main__':
    main(sys.argv[1:])
