// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// A phone held upright: the board as wide as the screen, the controls
// below it at a size for a child's finger and eyes, the settings
// scrolling while the board stays. Turned sideways, on a tablet or a
// desktop the window stays as it is.
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { starteBrowser, kannNicht } = require('./hilfen/browser');
const { zustand, steine, punkt, bildschirm, NORMAL, AUSGEWAEHLT } = require('./hilfen/spiel');

const BREITE = 390;
const HOEHE = 844;

// Every control a finger taps that is smaller than 44 x 44 pixels, and
// every text smaller than 14 pixels, among those that show.
const zuKlein = (seite) => seite.evaluate(() => {
  const zeigt = (teil) => teil.getClientRects().length > 0 && getComputedStyle(teil).visibility !== 'hidden';
  const fehler = [];
  for (const teil of document.querySelectorAll('button, [role=tab], label, input:not([type=radio]):not([type=color]):not([type=file])')) {
    const { width, height } = teil.getBoundingClientRect();
    if (zeigt(teil) && (width < 44 || height < 44))
      fehler.push(`${teil.id || teil.textContent.trim()}: ${width.toFixed(0)} x ${height.toFixed(0)}`);
  }
  const gang = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let knoten = gang.nextNode(); knoten; knoten = gang.nextNode()) {
    const teil = knoten.parentElement;
    const groesse = parseFloat(getComputedStyle(teil).fontSize);
    if (knoten.textContent.trim() && !(teil instanceof HTMLTextAreaElement) && zeigt(teil) && groesse < 14)
      fehler.push(`"${knoten.textContent.trim().slice(0, 20)}": ${groesse} px`);
  }
  return fehler;
});

// What the screen shows on each cell, row by row: "gewählt", "Stein" or
// "" for no tile, by the colour just inside a tile's outline.
async function gezeigt(seite) {
  const schirm = await bildschirm(seite);
  return Array.from({ length: 64 }, (_, nummer) => {
    const farbe = String(schirm.amBrett([nummer % 8 + 1, Math.floor(nummer / 8) + 1], 3, 3));
    return { [AUSGEWAEHLT]: 'gewählt', [NORMAL]: 'Stein' }[farbe] ?? '';
  });
}

describe('Ein Telefon hochkant', { skip: kannNicht('pixelverhaeltnis') || kannNicht('beruehrung') }, () => {
  let browser, seite;
  before(async () => {
    browser = await starteBrowser({ viewport: { width: BREITE, height: HOEHE }, deviceScaleFactor: 3, hasTouch: true });
    ({ seite } = await browser.oeffne());
  });
  after(() => browser.schliesse());

  test('das Brett so breit wie der Schirm, die Hilfe darüber, die Knöpfe darunter', async () => {
    const brett = await seite.locator('#Spielbrett').boundingBox();
    assert.ok(brett.x >= 0 && brett.x + brett.width <= BREITE && brett.width >= BREITE - 20, JSON.stringify(brett));
    assert.equal(brett.height, brett.width);
    assert.equal(await seite.evaluate(() => document.getElementById('Spielbrett').width), Math.round(brett.width * 3));
    const hilfe = await seite.locator('#Hilfe').boundingBox();
    assert.ok(hilfe.x <= brett.x && hilfe.y <= brett.y && hilfe.x + hilfe.width >= brett.x + brett.width &&
              hilfe.y + hilfe.height >= brett.y + brett.height, JSON.stringify(hilfe));
    for (const knopf of ['#NeuesSpielKnopf', '#HilfeKnopf', '#EndeKnopf', '#Seiten'])
      assert.ok((await seite.locator(knopf).boundingBox()).y >= brett.y + brett.height, knopf);
  });

  test('alles Getippte misst mindestens 44 x 44 Pixel, jeder Text mindestens 14 Pixel: mit der Hilfe, im Spiel, in den Einstellungen', async () => {
    assert.deepEqual(await zuKlein(seite), []);
    // The tiles' texts, in CSS pixels: the board's canvas maps one to one
    // onto the screen's device pixels.
    await seite.evaluate(() => {
      const schreibe = CanvasRenderingContext2D.prototype.fillText;
      window.steinschriften = [];
      CanvasRenderingContext2D.prototype.fillText = function (...text) {
        if (this.canvas.id === 'Spielbrett')
          window.steinschriften.push(parseFloat(this.font) / window.devicePixelRatio);
        return schreibe.apply(this, text);
      };
    });
    await seite.touchscreen.tap(...Object.values(await mitte(seite, '#NeuesSpielKnopf')));
    await seite.touchscreen.tap(...Object.values(await mitte(seite, '#ReiterSpiel')));
    assert.equal(steine(await zustand(seite)).length, 36);
    assert.deepEqual(await zuKlein(seite), []);
    const steinschriften = await seite.evaluate(() => window.steinschriften);
    assert.equal(steinschriften.length, 36);
    assert.ok(Math.min(...steinschriften) >= 14, `Steinschrift ${Math.min(...steinschriften)} px`);
    await seite.touchscreen.tap(...Object.values(await mitte(seite, '#ReiterEinstellungen')));
    assert.deepEqual(await zuKlein(seite), []);
  });

  test('die Einstellungen rollen bis zum letzten Knopf, das Brett bleibt, wie es ist', async () => {
    const brett = await seite.locator('#Spielbrett').boundingBox();
    await seite.touchscreen.tap(...Object.values(await mitte(seite, '#Hintergrund label:nth-child(4)')));
    assert.ok(await seite.isChecked('input[name=Hintergrund][value="3"]'));
    assert.ok(await seite.evaluate(() => document.querySelector('.seitenrahmen').scrollTop > 0));
    assert.deepEqual(await seite.locator('#Spielbrett').boundingBox(), brett);
  });

  test('ein Tipp trifft die Zelle darunter, bis an ihre Ränder', async () => {
    const stand = await zustand(seite);
    const frei = steine(stand).find(([spalte, zeile]) => stand.felder[spalte - 1][zeile - 1].frei);
    for (const [x, y] of [[0, 0], [49, 49]]) {
      const stelle = await punkt(seite, frei, x, y);
      await seite.touchscreen.tap(stelle.x, stelle.y);
      assert.deepEqual((await zustand(seite)).auswahl, frei, `bei ${x},${y}`);
      await seite.touchscreen.tap(stelle.x, stelle.y);
      assert.deepEqual((await zustand(seite)).auswahl, [0, 0]);
    }
  });

  test('quer das ganze Fenster, hochkant wieder das Brett so breit wie der Schirm, das Spiel scharf und wie es war', async () => {
    await seite.touchscreen.tap(...Object.values(await mitte(seite, '#NeuesSpielKnopf')));
    const stand = await zustand(seite);
    const frei = steine(stand).find(([spalte, zeile]) => stand.felder[spalte - 1][zeile - 1].frei);
    const stelle = await punkt(seite, frei);
    await seite.touchscreen.tap(stelle.x, stelle.y);
    const vorher = await gezeigt(seite);
    assert.equal(vorher.filter((zelle) => zelle === 'gewählt').length, 1);
    assert.equal(vorher.filter((zelle) => zelle !== '').length, 36);

    const brettUndEbene = () => seite.evaluate(() => ['Spielbrett', 'Zeigerebene'].map((id) => {
      const teil = document.getElementById(id);
      const { left, top, width, height } = teil.getBoundingClientRect();
      return { left, top, width, height, pixel: teil.width };
    }));
    for (const [breite, hoehe] of [[HOEHE, BREITE], [BREITE, HOEHE]]) {
      await seite.setViewportSize({ width: breite, height: hoehe });
      await seite.waitForFunction((breite) => document.documentElement.clientWidth === breite, breite);
      const [brett, ebene] = await brettUndEbene();
      assert.deepEqual(ebene, brett, 'die Ebene des Rahmens liegt nicht genau über dem Brett');
      assert.equal(brett.pixel, Math.round(brett.width * 3));
      assert.equal(brett.width > breite - 20, breite === BREITE, `${breite} x ${hoehe}: ${brett.width}`);
      assert.deepEqual(await gezeigt(seite), vorher, `${breite} x ${hoehe}`);
    }
    // The keyboard's frame, too, is where the cursor is.
    await seite.focus('#NeuesSpielKnopf');
    await seite.keyboard.press('Tab');
    assert.deepEqual((await bildschirm(seite)).amBrett(frei, 0, 5), [255, 255, 255]);
  });
});

describe('Quer, auf dem Tablet und am Schreibtisch bleibt das Fenster', () => {
  let browser, seite;
  before(async () => {
    browser = await starteBrowser({ viewport: { width: HOEHE, height: BREITE } });
    ({ seite } = await browser.oeffne());
  });
  after(() => browser.schliesse());

  test('das ganze Fenster in seinen Proportionen, das Brett darin an seinem Platz', async () => {
    for (const [breite, hoehe] of [[HOEHE, BREITE], [768, 1024], [1280, 800]]) {
      await seite.setViewportSize({ width: breite, height: hoehe });
      await seite.waitForFunction((breite) => document.documentElement.clientWidth === breite, breite);
      const [fenster, brett] = await seite.evaluate(() => ['Form1', 'Spielbrett'].map((id) => {
        const { left, top, width, height } = document.getElementById(id).getBoundingClientRect();
        return { left, top, width, height };
      }));
      assert.ok(Math.abs(fenster.width / fenster.height - 553 / 417) < 0.01, `${breite} x ${hoehe}`);
      assert.ok(fenster.width <= breite + 0.5 && fenster.height <= hoehe + 0.5);
      assert.ok(Math.abs(brett.width - (fenster.width * 400) / 553) < 0.5);
    }
  });
});

// The middle of an element, scrolled into view first.
async function mitte(seite, auswahl) {
  await seite.evaluate((auswahl) => document.querySelector(auswahl).scrollIntoView({ block: 'nearest' }), auswahl);
  const rahmen = await seite.locator(auswahl).boundingBox();
  return { x: rahmen.x + rahmen.width / 2, y: rahmen.y + rahmen.height / 2 };
}
