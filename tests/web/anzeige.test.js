// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The window scaled to other screens: small with two device pixels per
// pixel, and large. The board stays sharp, a press lands on the cell under
// it, and the proportions hold.
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { starteBrowser, kannNicht } = require('./hilfen/browser');
const { zustand, steine, druecke, punkt, bildschirm, NORMAL, AUSGEWAEHLT } = require('./hilfen/spiel');

const fensterrahmen = (seite) => seite.$eval('#Form1', (fenster) => {
  const { left, top, width, height } = fenster.getBoundingClientRect();
  return { left, top, width, height, breite: innerWidth, hoehe: innerHeight };
});

// The colours along a line of device pixels across a tile, 5 pixels below
// its top edge: outline, fill, outline, and nothing in between.
function farbfolge(schirm, [spalte, zeile]) {
  const { brett, dpr, bild } = schirm;
  const massstab = (brett.width * dpr) / 400;
  const y = Math.floor((brett.y + (50 * (zeile - 1) + 5) * (brett.width / 400)) * dpr);
  const von = Math.round(brett.x * dpr) + Math.round(50 * (spalte - 1) * massstab);
  const bis = Math.round(brett.x * dpr) + Math.round((50 * (spalte - 1) + 49) * massstab);
  const folge = [];
  for (let x = von; x < bis; ++x) {
    const farbe = String(bild.farbe(x, y));
    if (folge.at(-1)?.farbe === farbe)
      ++folge.at(-1).laenge;
    else
      folge.push({ farbe, laenge: 1 });
  }
  return folge;
}

describe('Klein, mit zwei Gerätepixeln je Pixel', { skip: kannNicht('pixelverhaeltnis') || kannNicht('beruehrung') }, () => {
  let browser, seite;
  before(async () => {
    browser = await starteBrowser({ viewport: { width: 360, height: 300 }, deviceScaleFactor: 2, hasTouch: true });
    ({ seite } = await browser.oeffne());
    await seite.evaluate(() => Spiel.saeeFest(7));
    await seite.tap('#NeuesSpielKnopf');
  });
  after(() => browser.schliesse());

  test('das Fenster passt ganz hinein, mit seinen Proportionen', async () => {
    const rahmen = await fensterrahmen(seite);
    assert.ok(rahmen.left >= 0 && rahmen.top >= 0);
    assert.ok(rahmen.left + rahmen.width <= rahmen.breite + 0.5);
    assert.ok(rahmen.top + rahmen.height <= rahmen.hoehe + 0.5);
    assert.ok(Math.abs(rahmen.width / rahmen.height - 553 / 417) < 0.01);
    assert.ok(rahmen.width > rahmen.breite * 0.95, 'die Breite wird genutzt');
  });

  test('das Brett hat ein Bildpixel je Gerätepixel, und die Steine sind scharf', async () => {
    const brett = await seite.locator('#Spielbrett').boundingBox();
    const leinwand = await seite.$eval('#Spielbrett', (teil) => teil.width);
    assert.equal(leinwand, Math.round(brett.width * 2));
    const schirm = await bildschirm(seite);
    for (const stein of steine(await zustand(seite)).slice(0, 6)) {
      const farben = farbfolge(schirm, stein).map(({ farbe }) => farbe);
      assert.deepEqual(farben, ['0,0,0', String(NORMAL), '0,0,0'], `Stein ${stein}`);
    }
  });

  test('ein Druck trifft die Zelle darunter, bis an ihre Ränder', { skip: kannNicht('bruchteilpixel') }, async () => {
    const stand = await zustand(seite);
    const freie = steine(stand).filter(([spalte, zeile]) => stand.felder[spalte - 1][zeile - 1].frei).slice(0, 3);
    for (const zelle of freie) {
      for (const [x, y] of [[0, 0], [49, 49], [25, 49], [49, 0]]) {
        const stelle = await punkt(seite, zelle, x, y);
        await seite.touchscreen.tap(stelle.x, stelle.y);
        assert.deepEqual((await zustand(seite)).auswahl, zelle, `Zelle ${zelle} bei ${x},${y}`);
        await druecke(seite, zelle, { art: 'tipp' });
        assert.deepEqual((await zustand(seite)).auswahl, [0, 0]);
      }
    }
  });
});

describe('Groß, und nach einer Größenänderung', () => {
  let browser, seite;
  before(async () => {
    browser = await starteBrowser({ viewport: { width: 1400, height: 800 } });
    ({ seite } = await browser.oeffne());
    await seite.click('#NeuesSpielKnopf');
  });
  after(() => browser.schliesse());

  test('das Fenster wächst mit, und nach einer Größenänderung steht das Spiel scharf wie zuvor da', async () => {
    const rahmen = await fensterrahmen(seite);
    assert.ok(Math.abs(rahmen.height - 800) < 2 && Math.abs(rahmen.left - (1400 - rahmen.width) / 2) < 1);
    const stand = await zustand(seite);
    const stein = steine(stand).find(([spalte, zeile]) => stand.felder[spalte - 1][zeile - 1].frei);
    await druecke(seite, stein);
    await seite.setViewportSize({ width: 700, height: 600 });
    await seite.waitForFunction(() => document.getElementById('Spielbrett').width < 600);
    const brett = await seite.locator('#Spielbrett').boundingBox();
    assert.equal(await seite.$eval('#Spielbrett', (teil) => teil.width), Math.round(brett.width));
    const schirm = await bildschirm(seite);
    assert.equal(farbfolge(schirm, stein)[1].farbe, String(AUSGEWAEHLT));
    for (const anderer of steine(stand).filter((zelle) => String(zelle) !== String(stein)).slice(0, 5))
      assert.deepEqual(farbfolge(schirm, anderer).map(({ farbe }) => farbe), ['0,0,0', String(NORMAL), '0,0,0']);
  });
});
