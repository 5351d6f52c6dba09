// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The captions the page shows, read off the page as the player sees
// them, against the game's text source: every button, tab, group and
// item, and the texts of the help, the message box and the goodbye.
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { starteBrowser } = require('./hilfen/browser');
const { Texte } = require('./hilfen/texte');

// Which text of the source stands on which part of the page.
const BESCHRIFTUNGEN = {
  NeuesSpielKnopf: 'NeuesSpiel', EndeKnopf: 'Ende', HilfeKnopf: 'Hilfe', FertigKnopf: 'Fertig',
  ReiterSpiel: 'SeiteSpiel', ReiterEinstellungen: 'SeiteEinstellungen',
  TitelZahlen: 'Zahlen', TitelRechenarten: 'Rechenarten', TitelForm: 'Form', TitelHintergrund: 'Hintergrund',
  FarbenTitel: 'Farben', FarbeNormalKnopf: 'FarbeNormal', FarbeAusgewaehltKnopf: 'FarbeAusgewaehlt',
  BeispielRechnung: 'BeispielRechnung', BeispielErgebnis: 'BeispielErgebnis', Version: 'Version',
  Einleitung: 'Einleitung', Erklaerung: 'Erklaerung',
  MeldungTitel: 'Titel', MeldungOk: 'MeldungOk', Weiterspielen: 'Weiterspielen', NochEinmal: 'NochEinmal',
};

describe('Die Beschriftungen der Seite', () => {
  let browser, seite;
  before(async () => {
    browser = await starteBrowser();
    ({ seite } = await browser.oeffne());
  });
  after(() => browser.schliesse());

  test('jeder Knopf, Reiter, Titel und Hilfetext zeigt seinen Text; "&" markiert nur den Buchstaben für Alt', async () => {
    const gezeigt = await seite.evaluate((ids) => Object.fromEntries(ids.map((id) => {
      const teil = document.getElementById(id);
      return [id, teil instanceof HTMLTextAreaElement ? teil.value : teil.textContent.trim()];
    })), Object.keys(BESCHRIFTUNGEN));
    assert.deepEqual(gezeigt, Object.fromEntries(Object.entries(BESCHRIFTUNGEN).map(([id, name]) => [id, Texte[name].replace('&', '')])));
  });

  test('jede Gruppe zeigt ihre Einträge in ihrer Ordnung, der Abschied seine Worte', async () => {
    for (const gruppe of ['Zahlen', 'Rechenarten', 'Form', 'Hintergrund'])
      assert.deepEqual(await seite.$$eval(`#${gruppe} label`, (eintraege) => eintraege.map((eintrag) => eintrag.textContent.trim())),
        [...Texte[`${gruppe}Eintraege`]], gruppe);
    assert.deepEqual(await seite.$$eval('#Abschied .abschiedstitel, #Abschied p', (teile) => teile.map((teil) => teil.textContent)),
      [Texte.AbschiedTitel, Texte.Abschied]);
  });
});
