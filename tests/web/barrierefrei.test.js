// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The page as axe-core judges it by WCAG 2.0 to 2.2, A and AA: at the
// start, in a game, with the message box open and on the goodbye, on a
// tablet, on a phone held upright and at the window's own size. There the
// desktop's pixel layout stands with its small radio buttons, so only the
// rule of the targets' size is left out.
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { starteBrowser, MOTOR } = require('./hilfen/browser');
const { verstoesse } = require('./hilfen/axe');
const { zustand, freiesPaar, steine, druecke } = require('./hilfen/spiel');

// WebKitGTK's MiniBrowser keeps its window at least 447 pixels wide, for
// its tool bar: there the phone is a wider one, laid out the same.
const TELEFONBREITE = MOTOR === 'webkit' ? 450 : 390;

// On the tablet and the phone every control a finger taps measures at
// least 24 x 24 pixels by itself.
const GROESSEN = [
  { name: 'Auf dem Tablet', breite: 1024, hoehe: 768, telefon: false, pruefung: { eigeneGroesse: true } },
  { name: 'Auf einem Telefon hochkant', breite: TELEFONBREITE, hoehe: 844, telefon: true, pruefung: { eigeneGroesse: true } },
  { name: 'In der eigenen Größe des Fensters', breite: 553, hoehe: 417, telefon: false, pruefung: { ohne: ['target-size'] } },
];

for (const { name, breite, hoehe, telefon, pruefung } of GROESSEN) {
  describe(`${name} (${breite} x ${hoehe}) findet axe-core nichts`, () => {
    let browser, seite;
    before(async () => {
      browser = await starteBrowser({ viewport: { width: breite, height: hoehe } });
      ({ seite } = await browser.oeffne());
    });
    after(() => browser.schliesse());

    test('am Start, mit der Hilfe über dem Brett und den Einstellungen', async () => {
      assert.equal(await seite.evaluate(() => document.documentElement.classList.contains('telefon')), telefon);
      assert.ok(await seite.isVisible('#Hilfe'));
      assert.deepEqual(await verstoesse(seite, pruefung), []);
    });

    test('im Spiel: ein Paar gelöst, ein Stein gewählt, die Seite "Spiel" mit dem Verlauf, der Zeiger der Tastatur auf dem Brett', async () => {
      await seite.evaluate(() => Spiel.saeeFest(1));
      await seite.click('#NeuesSpielKnopf');
      for (const zelle of freiesPaar(await zustand(seite)))
        await druecke(seite, zelle);
      const stand = await zustand(seite);
      await druecke(seite, steine(stand).find(([spalte, zeile]) => stand.felder[spalte - 1][zeile - 1].frei));
      await seite.click('#ReiterSpiel');
      await seite.focus('#NeuesSpielKnopf');
      await seite.keyboard.press('Tab');
      assert.equal((await zustand(seite)).geloest, 1);
      assert.ok(await seite.isVisible('#History'));
      assert.equal(await seite.evaluate(() => document.activeElement.parentElement.getAttribute('role')), 'gridcell');
      assert.deepEqual(await verstoesse(seite, pruefung), []);
    });

    test('mit der Meldung über ein unlesbares Bild', async () => {
      await seite.evaluate(() => {
        const uebergabe = new DataTransfer();
        uebergabe.items.add(new File(['kein Bild'], 'notiz.jpg', { type: 'image/jpeg' }));
        for (const art of ['dragenter', 'dragover', 'drop'])
          document.getElementById('Spielbrett').dispatchEvent(new DragEvent(art, { dataTransfer: uebergabe, bubbles: true, cancelable: true }));
      });
      await seite.waitForSelector('#Meldung');
      assert.deepEqual(await verstoesse(seite, pruefung), []);
      await seite.click('#MeldungOk');
    });

    test('beim Abschied nach "Ende"', async () => {
      await seite.click('#EndeKnopf');
      await seite.waitForSelector('#Abschied');
      assert.deepEqual(await verstoesse(seite, pruefung), []);
    });
  });
}
