// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// Private by construction: through a whole visit, opened from disk and
// from a web server, the page asks for nothing outside its own folder,
// stores nothing and sends nothing. Its Content-Security-Policy would stop
// a request elsewhere; the error that leaves in the console fails the test
// as well.
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { starteBrowser, kannNicht } = require('./hilfen/browser');
const { zustand, freiesPaar, druecke } = require('./hilfen/spiel');

// A visit that touches everything the page can do.
async function besuche(seite) {
  await seite.click('#FertigKnopf');
  await seite.click('#NeuesSpielKnopf');
  for (let paare = 0; paare < 3; ++paare) {
    const paar = freiesPaar(await zustand(seite));
    if (!paar)
      break;
    await druecke(seite, paar[0]);
    await druecke(seite, paar[1]);
  }
  await seite.fill('#FarbwahlNormal', '#aabbcc');
  await seite.evaluate(async () => {
    const leinwand = new OffscreenCanvas(50, 50);
    leinwand.getContext('2d').fillRect(0, 0, 50, 50);
    for (const datei of [new File([await leinwand.convertToBlob({ type: 'image/jpeg' })], 'foto.jpg'),
                         new File(['kein Bild'], 'kaputt.jpg')]) {
      const uebergabe = new DataTransfer();
      uebergabe.items.add(datei);
      document.getElementById('Spielbrett').dispatchEvent(new DragEvent('drop', { dataTransfer: uebergabe, bubbles: true }));
    }
  });
  await seite.waitForSelector('#Meldung', { state: 'visible' });
  await seite.click('#MeldungOk');
  await seite.click('#NeuesSpielKnopf');
  await seite.click('#ReiterSpiel');
  await seite.click('#HilfeKnopf');
  await seite.click('#EndeKnopf');
  await Promise.all([seite.waitForEvent('load'), seite.click('#NochEinmal')]);
  await seite.waitForSelector('html[data-bereit]');
}

for (const weg of ['datei', 'server']) {
  describe(`Ein ganzer Besuch (${weg === 'datei' ? 'file://' : 'Webserver'})`, () => {
    let browser, besuch;
    before(async () => {
      browser = await starteBrowser();
      besuch = await browser.oeffne(weg);
      await besuche(besuch.seite);
      await browser.sammle();
    });
    after(() => browser.schliesse());

    test('jede Anfrage bleibt im Ordner des Spiels', () => {
      // The rules come embedded as a data: address, and the decoder's
      // worker from a blob: address the page makes of its own script: both
      // stay in the page.
      const inDerSeite = (adresse) => adresse.startsWith('data:') || adresse.startsWith('blob:');
      const fremde = besuch.anfragen.filter((adresse) => !adresse.startsWith(besuch.adresse) && !inDerSeite(adresse));
      assert.deepEqual(fremde, []);
      assert.deepEqual(browser.verstoesse.filter((was) => was.startsWith('gesperrt')), []);
      if (besuch.server)
        assert.deepEqual(besuch.server.nichtGefunden, []);
    });

    test('die Anfragen sind zu sehen', { skip: weg === 'datei' && kannNicht('dateiAnfragen') }, () => {
      assert.ok(besuch.anfragen.length > 10, besuch.anfragen.join('\n'));
    });

    // The look at the storage goes past the traps, and the traps are read
    // after it: a look that used the storage would show.
    test('nichts wird gespeichert oder gesendet', async () => {
      assert.deepEqual(await browser.speicher(), { eintraege: 0, datenbanken: 0, kekse: '', dienste: 0 });
      if (browser.kontext)
        assert.deepEqual(await browser.kontext.cookies(), []);
      await browser.sammle();
      assert.deepEqual(browser.verstoesse, []);
      assert.deepEqual(besuch.fehler, []);
    });
  });
}
