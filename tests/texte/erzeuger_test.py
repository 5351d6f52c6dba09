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
        return datei.read() if pfad.endswith('.html') else json.load(datei)


def lage_aus(quelle, texte, im_browser=True):
    return erzeuge_lage.Lage(erzeuge_lage.ohne_kommentare(quelle), Texte(texte, im_browser))


def control(quelle, name):
    offen = [quelle['Fenster']]
    while offen:
        knoten = offen.pop()
        if knoten.get('Name') == name:
            return knoten
        offen += knoten.get('Controls', []) + knoten.get('Seiten', [])
    raise KeyError(name)


def ausgaben(quelle, texte):
    """The header, the style sheet, the markup and the script made of the files."""
    seite = lage_aus(quelle, texte)
    markup = erzeuge_lage.fuelle_controls(seite, lies(MARKUP))
    erzeuge_lage.pruefe_tabfolge(seite, markup)
    return (erzeuge_lage.als_cpp(lage_aus(quelle, texte, im_browser=False)), erzeuge_lage.als_css(seite), markup,
            json.loads(re.search(r'Object\.freeze\((.*)\);', erzeuge_lage.als_js(seite), re.DOTALL).group(1)))


class LageErzeuger(unittest.TestCase):
    def setUp(self):
        self.quelle = lies(LAGE)
        self.texte = lies(TEXTE)

    def test_eine_aenderung_erreicht_beide_ausgaben(self):
        geaendert = copy.deepcopy(self.quelle)
        links, oben, breite, hoehe = control(geaendert, 'EndeKnopf')['Lage']
        control(geaendert, 'EndeKnopf')['Lage'] = [links - 3, oben + 2, breite + 5, hoehe - 1]
        gruppe = control(geaendert, 'Zahlen')
        gruppe['Vorgabe'] = (gruppe['Vorgabe'] + 1) % len(self.texte[gruppe['Eintraege']]['Eintraege'])
        for quelle in (self.quelle, geaendert):
            cpp, css, markup, _ = ausgaben(quelle, self.texte)
            lage, vorgabe = control(quelle, 'EndeKnopf')['Lage'], control(quelle, 'Zahlen')['Vorgabe']
            knopf = re.search(r'EndeKnopf\{"EndeKnopf", \{(\d+), (\d+), (\d+), (\d+)\}', cpp).groups()
            self.assertEqual([int(zahl) for zahl in knopf], lage)
            regel = re.search(r'^#EndeKnopf \{([^}]*)\}', css, re.MULTILINE).group(1)
            self.assertEqual(re.findall(r'(?:left|top|width|height): (\d+)px', regel), [str(zahl) for zahl in lage])
            self.assertEqual(int(re.search(r'TRadiogruppe Zahlen\{[^;]*, \d+, (\d+), Texte::', cpp).group(1)), vorgabe)
            self.assertEqual(re.findall(r'name="Zahlen" value="(\d+)" checked', markup), [str(vorgabe)])

    def test_alt_tasten_folgen_dem_markierten_buchstaben(self):
        geaendert = copy.deepcopy(self.texte)
        geaendert['Ende'] = geaendert['Ende'].replace('&', '').replace('d', '&d', 1)
        for texte in (self.texte, geaendert):
            _, _, markup, skript = ausgaben(self.quelle, texte)
            buchstabe = texte['Ende'].split('&')[1][0].upper()
            self.assertEqual(skript['AltTasten']['Key' + buchstabe], 'EndeKnopf')
            self.assertIn(f'id="EndeKnopf" type="button" class="knopf" aria-keyshortcuts="Alt+{buchstabe}"', markup)
            self.assertEqual(sorted(taste[3:] for taste in skript['AltTasten']),
                             sorted(re.findall(r'aria-keyshortcuts="Alt\+(.)"', markup)))

    def test_falsche_tabfolge_haelt_den_bau_an(self):
        vorlage = lies(MARKUP)
        vertauscht = (vorlage.replace('{{#EndeKnopf}}', '{{#Platz}}').replace('{{#HilfeKnopf}}', '{{#EndeKnopf}}')
                      .replace('{{#Platz}}', '{{#HilfeKnopf}}'))
        ohne_reiter = vorlage.replace('tabindex="0" aria-controls', 'tabindex="-1" aria-controls')
        seite = lage_aus(self.quelle, self.texte)
        for falsch in (vertauscht, ohne_reiter):
            with self.assertRaisesRegex(SystemExit, 'Tab key'):
                erzeuge_lage.pruefe_tabfolge(seite, erzeuge_lage.fuelle_controls(seite, falsch))

    def test_unbekannter_text_und_doppelter_buchstabe_halten_den_bau_an(self):
        falsch = copy.deepcopy(self.quelle)
        control(falsch, 'HilfeKnopf')['Hinweis'] = 'KeinSolcherText'
        doppelt = copy.deepcopy(self.texte)
        doppelt['Ende'] = doppelt['Ende'].replace('&', '').replace('n', '&n', 1)
        for quelle, texte, gemeldet in ((falsch, self.texte, 'KeinSolcherText'), (self.quelle, doppelt, 'Alt\\+N')):
            with self.assertRaisesRegex(SystemExit, gemeldet):
                lage_aus(quelle, texte)


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1])
