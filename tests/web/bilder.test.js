// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// Own pictures: dropped onto the board, or chosen after a long press on a
// "Hintergrund" item; used from the next game for that item only, grey
// beyond a smaller picture; a file that is no picture is reported in the
// game's message box and the game goes on.
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { starteBrowser } = require('./hilfen/browser');
const { zustand, freiesPaar, druecke, bildschirm } = require('./hilfen/spiel');

const GRUEN = [0, 160, 0];
const ROT = [220, 0, 0];
const GRAU = [128, 128, 128];

// A JPEG of one colour, made by the browser itself.
const jpeg = (seite, breite, hoehe, [r, g, b]) => seite.evaluate(async ({ breite, hoehe, farbe }) => {
  const leinwand = new OffscreenCanvas(breite, hoehe);
  const maler = leinwand.getContext('2d');
  maler.fillStyle = farbe;
  maler.fillRect(0, 0, breite, hoehe);
  const bild = await leinwand.convertToBlob({ type: 'image/jpeg', quality: 1 });
  return [...new Uint8Array(await bild.arrayBuffer())];
}, { breite, hoehe, farbe: `rgb(${r}, ${g}, ${b})` });

// Drops a file onto the board as a file manager would.
const lasseFallen = (seite, inhalt, name) => seite.evaluate(({ inhalt, name }) => {
  const uebergabe = new DataTransfer();
  uebergabe.items.add(new File([new Uint8Array(inhalt)], name, { type: 'image/jpeg' }));
  const brett = document.getElementById('Spielbrett');
  for (const art of ['dragenter', 'dragover', 'drop'])
    brett.dispatchEvent(new DragEvent(art, { dataTransfer: uebergabe, bubbles: true, cancelable: true }));
}, { inhalt, name });

const aehnlich = (farbe, soll) => farbe.every((wert, i) => Math.abs(wert - soll[i]) <= 8);

async function neuesSpielMit(seite, bild) {
  await seite.check(`input[name=Bildwahl][value="${bild}"]`);
  await seite.click('#BitBtn1');
  return bildschirm(seite);
}

describe('Eigene Bilder', () => {
  let browser, seite;
  before(async () => {
    browser = await starteBrowser({ hasTouch: true });
    ({ seite } = await browser.oeffne());
  });
  after(() => browser.schliesse());

  test('ein aufs Brett gezogenes Bild gilt ab dem nächsten Spiel, grau daneben', async () => {
    await lasseFallen(seite, await jpeg(seite, 200, 120, GRUEN), 'wiese.jpg');
    await seite.waitForFunction(() => Bilder.hatEigenes(0));
    const schirm = await neuesSpielMit(seite, 0);
    // In "innen" the cells (1,1), (3,2), (1,3) and (7,1) hold no tile.
    assert.ok(aehnlich(schirm.amBrett([1, 1], 10, 10), GRUEN));
    assert.ok(aehnlich(schirm.amBrett([3, 2], 40, 40), GRUEN));
    assert.ok(aehnlich(schirm.amBrett([1, 3], 10, 15), GRUEN));
    assert.deepEqual(schirm.amBrett([1, 3], 10, 25), GRAU);
    assert.deepEqual(schirm.amBrett([7, 1], 10, 10), GRAU);
  });

  test('das eigene Bild gehört nur zu seinem Eintrag', async () => {
    assert.ok(!aehnlich((await neuesSpielMit(seite, 1)).amBrett([1, 1], 10, 10), GRUEN));
    assert.ok(aehnlich((await neuesSpielMit(seite, 0)).amBrett([1, 1], 10, 10), GRUEN));
  });

  test('eine kaputte Datei meldet sich, und das Spiel geht weiter', async () => {
    const vorher = await zustand(seite);
    await lasseFallen(seite, [...Buffer.from('Das ist kein Bild.')], 'kaputt.jpg');
    await seite.waitForSelector('#Meldung', { state: 'visible' });
    assert.equal(await seite.textContent('#MeldungTitel'), 'Rechen-Kalumbo');
    assert.equal(await seite.textContent('#MeldungText'), 'Die Datei kaputt.jpg ist kein lesbares Bild.');
    // The box is modal: the board takes no press meanwhile.
    await seite.mouse.click(30, 200);
    assert.deepEqual(await zustand(seite), vorher);
    await seite.click('#MeldungOk');
    assert.ok(!(await seite.isVisible('#Meldung')));

    const [erste] = freiesPaar(vorher);
    await druecke(seite, erste);
    assert.deepEqual((await zustand(seite)).auswahl, erste);
    assert.ok(aehnlich((await neuesSpielMit(seite, 0)).amBrett([1, 1], 10, 10), GRUEN));
  });

  test('langes Drücken mit dem Finger auf "Bild3" öffnet die Dateiwahl', async () => {
    const inhalt = Buffer.from(await jpeg(seite, 100, 100, ROT));
    const eintrag = await seite.locator('#Bildwahl label').nth(2).boundingBox();
    const finger = await browser.kontext.newCDPSession(seite);
    const stelle = { x: eintrag.x + eintrag.width / 2, y: eintrag.y + eintrag.height / 2 };
    const dateiwahlOffen = seite.waitForEvent('filechooser');
    await finger.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [stelle] });
    await seite.waitForSelector('#Bildwahl label.gehalten');
    await finger.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    const dateiwahl = await dateiwahlOffen;
    await dateiwahl.setFiles({ name: 'rot.jpg', mimeType: 'image/jpeg', buffer: inhalt });
    await seite.waitForFunction(() => Bilder.hatEigenes(2));
    assert.ok(await seite.isChecked('input[name=Bildwahl][value="2"]'));
    await seite.click('#BitBtn1');
    assert.ok(aehnlich((await bildschirm(seite)).amBrett([1, 1], 10, 10), ROT));
  });

  test('das Kontextmenü eines Eintrags öffnet die Dateiwahl ebenso', async () => {
    const [dateiwahl] = await Promise.all([
      seite.waitForEvent('filechooser'),
      seite.click('#Bildwahl label:nth-child(4)', { button: 'right' }),
    ]);
    await dateiwahl.setFiles({ name: 'notiz.jpg', mimeType: 'image/jpeg', buffer: Buffer.from('kein Bild') });
    await seite.waitForSelector('#Meldung', { state: 'visible' });
    assert.equal(await seite.textContent('#MeldungText'), 'Die Datei notiz.jpg ist kein lesbares Bild.');
    await seite.keyboard.press('Escape');
    assert.ok(!(await seite.isVisible('#Meldung')));
    assert.ok(await seite.isChecked('input[name=Bildwahl][value="3"]'));
    assert.equal(await seite.evaluate(() => Bilder.hatEigenes(3)), false);
  });
});
