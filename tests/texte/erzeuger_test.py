#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""erzeuge_lage.py as the build runs it:

    erzeuger_test.py lage.json texte.json index.html

A control's rectangle, a group's default and a caption's marked letter,
changed in the source files, reach the desktop's header, the page's style
sheet, its markup and its scripts alike; the build stops where the markup's
order of the Tab key is not the layout's, where the layout names a text
that does not exist, and where two buttons share their letter."""
import copy
import html.parser
import json
import os
import re
import sys
import unittest

LAGE, TEXTE, MARKUP = sys.argv[1:4]
sys.path.insert(0, os.path.dirname(LAGE))
import erzeuge_lage  # noqa: E402
from erzeuge_texte import Texte  # noqa: E402


def lies(pfad):
    with open(pfad, encoding='utf-8') as datei:
        return json.load(datei)


def lage_aus(quelle, texte, im_browser):
    return erzeuge_lage.Lage(erzeuge_lage.ohne_kommentare(quelle), Texte(texte, im_browser))


def control(quelle, name):
    offen = [quelle['Fenster']]
    while offen:
        knoten = offen.pop()
        if knoten.get('Name') == name:
            return knoten
        offen += knoten.get('Controls', []) + knoten.get('Seiten', [])
    raise KeyError(name)


class Eingaben(html.parser.HTMLParser):
    """The markup's inputs, by name and value, and its buttons, by id."""

    def __init__(self, markup):
        super().__init__()
        self.eingaben = {}
        self.knoepfe = {}
        self.feed(markup)

    def handle_starttag(self, tag, attribute):
        attribute = dict(attribute)
        if tag == 'input':
            self.eingaben[(attribute.get('name'), attribute.get('value'))] = attribute
        elif tag == 'button':
            self.knoepfe[attribute.get('id')] = attribute


class Ausgaben:
    """What the generator makes of the two files for each edition."""

    def __init__(self, quelle, texte):
        with open(MARKUP, encoding='utf-8') as datei:
            vorlage = datei.read()
        seite = lage_aus(quelle, texte, im_browser=True)
        self.cpp = erzeuge_lage.als_cpp(lage_aus(quelle, texte, im_browser=False))
        self.css = erzeuge_lage.als_css(seite)
        self.js = erzeuge_lage.als_js(seite)
        self.markup = erzeuge_lage.fuelle_controls(seite, vorlage)
        erzeuge_lage.pruefe_tabfolge(seite, self.markup)

    def rechteck_cpp(self, name):
        treffer = re.search(r'\b%s\{"%s", \{(\d+), (\d+), (\d+), (\d+)\}' % (name, name), self.cpp)
        return [int(zahl) for zahl in treffer.groups()]

    def vorgabe_cpp(self, name):
        return int(re.search(r'TRadiogruppe %s\{[^;]*, (\d+), (\d+), Texte::' % name, self.cpp).group(2))

    def rechteck_css(self, name):
        regel = re.search(r'^#%s \{([^}]*)\}' % name, self.css, re.MULTILINE).group(1)
        werte = dict(re.findall(r'([a-z-]+): (-?\d+)px;', regel))
        return [int(werte[art]) for art in ('left', 'top', 'width', 'height')]

    def vorgabe_markup(self, name):
        return [int(wert) for (gruppe, wert), attribute in Eingaben(self.markup).eingaben.items()
                if gruppe == name and 'checked' in attribute]

    def alt_tasten(self):
        tabelle = json.loads(re.search(r'Object\.freeze\((.*)\);', self.js, re.DOTALL).group(1))['AltTasten']
        knoepfe = {knopf: attribute['aria-keyshortcuts'] for knopf, attribute in Eingaben(self.markup).knoepfe.items()
                   if 'aria-keyshortcuts' in attribute}
        return tabelle, knoepfe


class LageErzeuger(unittest.TestCase):
    def setUp(self):
        self.quelle = lies(LAGE)
        self.texte = lies(TEXTE)

    def test_eine_aenderung_erreicht_beide_ausgaben(self):
        geaendert = copy.deepcopy(self.quelle)
        knopf = control(geaendert, 'EndeKnopf')
        knopf['Lage'] = [knopf['Lage'][0] - 3, knopf['Lage'][1] + 2, knopf['Lage'][2] + 5, knopf['Lage'][3] - 1]
        gruppe = control(geaendert, 'Zahlen')
        gruppe['Vorgabe'] = (gruppe['Vorgabe'] + 1) % len(self.texte[gruppe['Eintraege']]['Eintraege'])
        for quelle in (self.quelle, geaendert):
            ausgaben = Ausgaben(quelle, self.texte)
            lage = control(quelle, 'EndeKnopf')['Lage']
            self.assertEqual(ausgaben.rechteck_cpp('EndeKnopf'), lage)
            self.assertEqual(ausgaben.rechteck_css('EndeKnopf'), lage)
            vorgabe = control(quelle, 'Zahlen')['Vorgabe']
            self.assertEqual(ausgaben.vorgabe_cpp('Zahlen'), vorgabe)
            self.assertEqual(ausgaben.vorgabe_markup('Zahlen'), [vorgabe])

    def test_alt_tasten_folgen_dem_markierten_buchstaben(self):
        texte = copy.deepcopy(self.texte)
        texte['Ende'] = texte['Ende'].replace('&', '').replace('d', '&d', 1)
        for quelle in (self.texte, texte):
            tabelle, knoepfe = Ausgaben(self.quelle, quelle).alt_tasten()
            buchstabe = quelle['Ende'].split('&')[1][0].upper()
            self.assertEqual(tabelle['Key' + buchstabe], 'EndeKnopf')
            self.assertEqual(knoepfe['EndeKnopf'], 'Alt+' + buchstabe)
            self.assertEqual(sorted('Alt+' + taste[3:] for taste in tabelle), sorted(knoepfe.values()))

    def test_falsche_tabfolge_haelt_den_bau_an(self):
        with open(MARKUP, encoding='utf-8') as datei:
            vorlage = datei.read()
        seite = lage_aus(self.quelle, self.texte, im_browser=True)
        vertauscht = (vorlage.replace('{{#EndeKnopf}}', '{{#Platz}}').replace('{{#HilfeKnopf}}', '{{#EndeKnopf}}')
                      .replace('{{#Platz}}', '{{#HilfeKnopf}}'))
        ohne_reiter = vorlage.replace('tabindex="0" aria-controls', 'tabindex="-1" aria-controls')
        for falsch in (vertauscht, ohne_reiter):
            with self.assertRaises(SystemExit) as gestoppt:
                erzeuge_lage.pruefe_tabfolge(seite, erzeuge_lage.fuelle_controls(seite, falsch))
            self.assertIn('Tab', str(gestoppt.exception))

    def test_unbekannter_text_und_doppelter_buchstabe_halten_den_bau_an(self):
        falsch = copy.deepcopy(self.quelle)
        control(falsch, 'HilfeKnopf')['Hinweis'] = 'KeinSolcherText'
        doppelt = copy.deepcopy(self.texte)
        doppelt['Ende'] = doppelt['Ende'].replace('&', '').replace('n', '&n', 1)
        for quelle, texte, gemeldet in ((falsch, self.texte, 'KeinSolcherText'), (self.quelle, doppelt, 'N')):
            with self.assertRaises(SystemExit) as gestoppt:
                lage_aus(quelle, texte, im_browser=False)
            self.assertIn(gemeldet, str(gestoppt.exception))


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1])
