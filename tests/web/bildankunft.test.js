// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The built-in pictures as a busy school server or a half-copied folder
// hands them over: late, or unreadable. A game dealt before its picture
// arrived gets it the moment it comes, cleared cells included; a picture
// that cannot be read is reported by its file's name, and the new game is
// played over grey.
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { Texte, fuelle } = require('./hilfen/texte');
const { starteBrowser, MOTOR } = require('./hilfen/browser');
const { stoere } = require('./hilfen/server');
const { zustand, freiesPaar, steine, druecke, bildschirm, NORMAL, AUSGEWAEHLT } = require('./hilfen/spiel');

const GRAU = [128, 128, 128];
const aehnlich = (farbe, soll) => farbe.every((wert, i) => Math.abs(wert - soll[i]) <= 8);

// A seed whose deal has a free pair from the start.
async function neuesSpielMitPaar(seite) {
  for (let saat = 1; ; ++saat) {
    await seite.evaluate((saat) => Spiel.saeeFest(saat), saat);
    await seite.click('#NeuesSpielKnopf');
    const stand = await zustand(seite);
    if (freiesPaar(stand))
      return stand;
  }
}

// WebKitWebDriver waits for a page to load before its next command, and
// a held-back picture holds the load up.
const OHNE_ZURUECKHALTEN = MOTOR === 'webkit' && 'WebKitWebDriver wartet auf das Laden der Seite, das ein zurückgehaltenes Bild aufhält';

describe('Ein langsamer Server', { skip: OHNE_ZURUECKHALTEN }, () => {
  let browser, seite, server, gibFrei = () => {}, gibKaputtFrei = () => {};
  before(async () => {
    browser = await starteBrowser();
    ({ seite, server } = await browser.oeffne('server'));
    // The page once more, now with its first picture held back, and its
    // third held back and then cut short: the browser's own loading waits
    // for them, the window must not.
    gibFrei = stoere('/bilder/Bild1.jpg', { zurueckhalten: true });
    gibKaputtFrei = stoere('/bilder/Bild3.jpg', { zurueckhalten: true, laenge: 300 });
    // Left a moment after the question is answered: Firefox forgets a
    // question whose page is left while it is asked.
    await seite.evaluate(() => {
      setTimeout(() => location.assign('index.html?langsam'));
    });
    await seite.waitForFunction(() => location.search === '?langsam' && document.documentElement.dataset.bereit === 'ja');
    // The pictures are asked for once the window shows.
    while (server.angefragt.filter((pfad) => pfad === '/bilder/Bild1.jpg').length < 2)
      await new Promise((weiter) => setTimeout(weiter, 20));
  });
  after(async () => {
    gibFrei();
    gibKaputtFrei();
    await browser.schliesse();
  });

  test('ein Spiel vor seinem Bild bekommt es, sobald es kommt, auch in den gelösten Feldern', async () => {
    const paar = freiesPaar(await neuesSpielMitPaar(seite));
    for (const zelle of paar)
      await druecke(seite, zelle);
    assert.equal((await zustand(seite)).geloest, 1);
    const vorher = await bildschirm(seite);
    assert.deepEqual(vorher.amBrett([1, 1], 10, 10), GRAU);
    assert.deepEqual(vorher.amBrett(paar[0], 20, 20), GRAU);

    gibFrei();
    // Until the board shows the picture's pixel at (10, 10) of cell (1, 1).
    await seite.waitForFunction(() => {
      const bild = document.getElementById('EingebautesBild1');
      const brett = document.getElementById('Spielbrett');
      if (!bild.complete || bild.naturalWidth === 0)
        return false;
      const probe = document.createElement('canvas').getContext('2d');
      probe.drawImage(bild, 10, 10, 1, 1, 0, 0, 1, 1);
      const soll = probe.getImageData(0, 0, 1, 1).data;
      const faktor = brett.width / 400;
      const ist = brett.getContext('2d').getImageData(Math.floor(10.5 * faktor), Math.floor(10.5 * faktor), 1, 1).data;
      return [0, 1, 2].every((i) => Math.abs(ist[i] - soll[i]) <= 8);
    });

    // The picture's own pixels, as the browser decodes it.
    const bildpunkte = await seite.evaluate((stellen) => {
      const probe = document.createElement('canvas').getContext('2d', { willReadFrequently: true });
      return stellen.map(([x, y]) => {
        probe.drawImage(document.getElementById('EingebautesBild1'), x, y, 1, 1, 0, 0, 1, 1);
        return [...probe.getImageData(0, 0, 1, 1).data.slice(0, 3)];
      });
    }, paar.map(([spalte, zeile]) => [50 * (spalte - 1) + 20, 50 * (zeile - 1) + 20]));
    const nachher = await bildschirm(seite);
    paar.forEach((zelle, i) => assert.ok(aehnlich(nachher.amBrett(zelle, 20, 20), bildpunkte[i]),
      `gelöstes Feld ${zelle}: ${nachher.amBrett(zelle, 20, 20)} statt ${bildpunkte[i]}`));
    const stand = await zustand(seite);
    for (const stein of steine(stand))
      assert.deepEqual(nachher.amBrett(stein, 3, 3), NORMAL, `Stein ${stein}`);
  });

  test('ein Bild, das spät und unlesbar kommt, meldet sich dann; danach ist der Fokus, wo er war, und das Spiel geht weiter', async () => {
    await seite.check('input[name=Hintergrund][value="2"]');
    const paar = freiesPaar(await neuesSpielMitPaar(seite));
    assert.ok(!(await seite.isVisible('#Meldung')));
    assert.deepEqual((await bildschirm(seite)).amBrett([1, 1], 10, 10), GRAU);

    gibKaputtFrei();
    await seite.waitForSelector('#Meldung');
    assert.equal(await seite.textContent('#MeldungText'), `${fuelle(Texte.KeinLesbaresBild, 'bilder/Bild3.jpg')}.`);
    await seite.keyboard.press('Enter');
    assert.ok(!(await seite.isVisible('#Meldung')));
    assert.equal(await seite.evaluate(() => document.activeElement.id), 'NeuesSpielKnopf');
    const schirm = await bildschirm(seite);
    assert.deepEqual(schirm.amBrett([1, 1], 10, 10), GRAU);
    assert.deepEqual(schirm.amBrett(paar[0], 3, 3), NORMAL);
    await druecke(seite, paar[0]);
    assert.deepEqual((await bildschirm(seite)).amBrett(paar[0], 3, 3), AUSGEWAEHLT);
  });
});

describe('Ein Bild, das nicht zu lesen ist', () => {
  let browser, besuch, heile;
  before(async () => {
    // Bild2.jpg as a copy that was pulled too early leaves it.
    heile = stoere('/bilder/Bild2.jpg', { laenge: 300 });
    browser = await starteBrowser();
    besuch = await browser.oeffne('server');
  });
  after(async () => {
    heile();
    await browser.schliesse();
  });

  test('mitten im Spiel gewählt, meldet es sich mit dem Namen der Datei, und das neue Spiel läuft über Grau', async () => {
    const { seite } = besuch;
    const alt = await neuesSpielMitPaar(seite);
    await druecke(seite, freiesPaar(alt)[0]);
    await seite.check('input[name=Hintergrund][value="1"]');
    await seite.click('#NeuesSpielKnopf');
    await seite.waitForSelector('#Meldung');
    assert.equal(await seite.textContent('#MeldungText'), `${fuelle(Texte.KeinLesbaresBild, 'bilder/Bild2.jpg')}.`);
    await seite.click('#MeldungOk');

    // The new deal, all of it, with nothing of the old one left.
    const neu = await zustand(seite);
    assert.notDeepEqual(neu.aufgaben, alt.aufgaben);
    assert.deepEqual(neu.auswahl, [0, 0]);
    assert.equal(await seite.textContent('#Geloest'), fuelle(Texte.Fortschritt, 0, 18));
    const schirm = await bildschirm(seite);
    assert.deepEqual(schirm.amBrett([1, 1], 10, 10), GRAU);
    for (const stein of steine(neu))
      assert.deepEqual(schirm.amBrett(stein, 3, 3), NORMAL, `Stein ${stein}`);

    const paar = freiesPaar(neu);
    if (paar) {
      for (const zelle of paar)
        await druecke(seite, zelle);
      assert.equal((await zustand(seite)).geloest, 1);
    }
    await browser.sammle();
    assert.deepEqual(besuch.fehler, []);
  });
});
