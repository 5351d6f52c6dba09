// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// Own pictures: dropped onto the board, or chosen after a long press on a
// "Hintergrund" item; decoded as the desktop game decodes them, by the
// game's own decoder, which the page loads with the first own picture;
// used from the next game for that item only, grey beyond a smaller
// picture; a file the decoder cannot read is reported in the game's
// message box with the desktop's error number, and the game goes on.
const fs = require('fs');
const path = require('path');
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { starteBrowser } = require('./hilfen/browser');
const { stoere } = require('./hilfen/server');
const { zustand, freiesPaar, druecke, bildschirm } = require('./hilfen/spiel');
const { grauesJpeg } = require('./hilfen/jpeg');
const { Texte, fuelle } = require('./hilfen/texte');

// The message about a file that is no readable picture, with the JPEG
// library's error number, as both editions word it.
const unlesbar = (datei, nummer) =>
  fuelle(Texte.KeinLesbaresBildWeil, datei, fuelle(Texte.JpegFehlernummer, nummer));

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

// Drops a file onto the board as a file manager would, or only drags it
// over (the first of the events).
const lasseFallen = (seite, inhalt, name, arten = ['dragenter', 'dragover', 'drop']) => seite.evaluate(({ inhalt, name, arten }) => {
  const uebergabe = new DataTransfer();
  uebergabe.items.add(new File([new Uint8Array(inhalt)], name, { type: 'image/jpeg' }));
  const brett = document.getElementById('Spielbrett');
  for (const art of arten)
    brett.dispatchEvent(new DragEvent(art, { dataTransfer: uebergabe, bubbles: true, cancelable: true }));
}, { inhalt, name, arten });

// Drops a file while the item of that index is chosen, and waits until
// the item has taken it or a message has come.
async function uebergib(seite, index, inhalt, name) {
  await seite.check(`input[name=Hintergrund][value="${index}"]`);
  await seite.evaluate((index) => { window.bildVorher = Bilder.fuerItem(index); }, index);
  await lasseFallen(seite, [...inhalt], name);
  await seite.waitForFunction((index) => Bilder.fuerItem(index) !== window.bildVorher || Meldung.istOffen(), index);
}

// The picture the item holds, as width, height and R, G, B of each pixel.
const gehalten = (seite, index) => seite.evaluate((index) => {
  const bild = Bilder.fuerItem(index);
  const leinwand = new OffscreenCanvas(bild.width, bild.height);
  const maler = leinwand.getContext('2d');
  maler.drawImage(bild, 0, 0);
  const rgba = maler.getImageData(0, 0, bild.width, bild.height).data;
  let rgb = '';
  for (let i = 0; i < rgba.length; i += 4)
    rgb += String.fromCharCode(rgba[i], rgba[i + 1], rgba[i + 2]);
  return { breite: bild.width, hoehe: bild.height, rgb: btoa(rgb) };
}, index);

// The greys of the test pictures' blocks: no two neighbours alike, and a
// block moved by a row or a column shows.
const muster = (spalte, zeile) => 40 + ((spalte * 37 + zeile * 91) % 180);

// Pixels of the held picture that differ from the pattern, among the
// first rows (all when not given).
function abweichungen({ breite, hoehe, rgb }, zeilen = hoehe) {
  const bytes = Buffer.from(rgb, 'base64');
  let anzahl = 0;
  for (let y = 0; y < zeilen; ++y)
    for (let x = 0; x < breite; ++x)
      for (let kanal = 0; kanal < 3; ++kanal)
        anzahl += bytes[(y * breite + x) * 3 + kanal] !== muster(x >> 3, y >> 3);
  return anzahl;
}

async function neuesSpielMitFreiemPaar(seite, bild) {
  await seite.check(`input[name=Hintergrund][value="${bild}"]`);
  // A deal may leave no pair free from the start.
  for (;;) {
    await seite.click('#NeuesSpielKnopf');
    const stand = await zustand(seite);
    if (freiesPaar(stand))
      return stand;
  }
}

const aehnlich = (farbe, soll) => farbe.every((wert, i) => Math.abs(wert - soll[i]) <= 8);

async function neuesSpielMit(seite, bild) {
  await seite.check(`input[name=Hintergrund][value="${bild}"]`);
  await seite.click('#NeuesSpielKnopf');
  return bildschirm(seite);
}

describe('Eigene Bilder', () => {
  let browser, seite;
  let besuch;
  before(async () => {
    browser = await starteBrowser({ hasTouch: true });
    besuch = await browser.oeffne();
    ({ seite } = besuch);
  });
  after(() => browser.schliesse());

  test('ein aufs Brett gezogenes Bild gilt ab dem nächsten Spiel, grau daneben; erst mit ihm kommt der Dekoder', async () => {
    const dekoderGeladen = async () => {
      await browser.sammle();
      const angefragt = besuch.anfragen.some((adresse) => adresse.endsWith('/dekoder.js'));
      const da = await seite.evaluate(() => typeof ErzeugeDekoder === 'function');
      assert.equal(angefragt, da);
      return da;
    };
    assert.equal(await dekoderGeladen(), false);
    await lasseFallen(seite, await jpeg(seite, 200, 120, GRUEN), 'wiese.jpg');
    await seite.waitForFunction(() => Bilder.hatEigenes(0));
    assert.equal(await dekoderGeladen(), true);
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

  test('ein eigenes Bild zeigt die Pixel, die das Spiel auf dem Desktop zeigt, oben links bis 400 x 400', async () => {
    // Upright: all its width, the top 400 rows.
    await uebergib(seite, 1, grauesJpeg(264, 520, muster), 'hochkant.jpg');
    const hochkant = await gehalten(seite, 1);
    assert.deepEqual([hochkant.breite, hochkant.hoehe], [264, 400]);
    assert.equal(abweichungen(hochkant), 0);
    // Wider and taller than the board.
    await uebergib(seite, 1, grauesJpeg(1000, 608, muster), 'quer.jpg');
    const quer = await gehalten(seite, 1);
    assert.deepEqual([quer.breite, quer.hoehe], [400, 400]);
    assert.equal(abweichungen(quer), 0);
    assert.ok(!(await seite.isVisible('#Meldung')));
  });

  test('eine abgeschnittene Datei gilt, soweit sie reicht, wie auf dem Desktop', async () => {
    const ganz = grauesJpeg(1000, 608, muster);
    await uebergib(seite, 1, ganz.subarray(0, Math.floor(ganz.length * 0.4)), 'halb.jpg');
    assert.ok(!(await seite.isVisible('#Meldung')));
    const halb = await gehalten(seite, 1);
    assert.deepEqual([halb.breite, halb.hoehe], [400, 400]);
    // The cut lies after the first fifth of the rows.
    assert.equal(abweichungen(halb, 120), 0);
  });

  test('eine kaputte Datei meldet sich mit ihrem Namen und der Fehlernummer des Desktops, und das Spiel geht weiter', async () => {
    const vorher = await neuesSpielMitFreiemPaar(seite, 0);
    // A PNG under a JPEG's name: the desktop's decoder finds no JPEG start.
    const png = await seite.evaluate(async () => {
      const leinwand = new OffscreenCanvas(40, 30);
      leinwand.getContext('2d').fillRect(0, 0, 40, 30);
      return [...new Uint8Array(await (await leinwand.convertToBlob({ type: 'image/png' })).arrayBuffer())];
    });
    await lasseFallen(seite, png, 'kaputt.jpg');
    await seite.waitForSelector('#Meldung', { state: 'visible' });
    assert.equal(await seite.textContent('#MeldungTitel'), 'Rechen-Kalumbo');
    assert.equal(await seite.textContent('#MeldungText'), `${unlesbar('kaputt.jpg', 53)}.`);
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

  test('ein Bild, das den Dekoder lange beschäftigt, hält die Seite nicht an und endet mit der Meldung des Desktops', async () => {
    // Blocks in arithmetic coding made of nothing, over 65,000 rows in
    // many scans: the decoder works until its limit of work, which ends
    // it with the same number on the desktop (JpegFehlerTest.cpp).
    const inhalt = fs.readFileSync(path.join(__dirname, '../../fuzz/korpus/bild/arithmetisch-progressiv-ohne-daten.jpg'));
    await seite.evaluate(() => {
      window.bilderBisZurMeldung = 0;
      const zaehle = () => {
        if (Meldung.istOffen())
          return;
        ++window.bilderBisZurMeldung;
        requestAnimationFrame(zaehle);
      };
      requestAnimationFrame(zaehle);
    });
    await lasseFallen(seite, [...inhalt], 'endlos.jpg');
    await seite.waitForSelector('#Meldung', { state: 'visible' });
    assert.equal(await seite.textContent('#MeldungText'), `${unlesbar('endlos.jpg', 16)}.`);
    // Decoded on the page's own thread, it would have drawn a frame or two.
    assert.ok(await seite.evaluate(() => window.bilderBisZurMeldung) >= 5);
    await seite.click('#MeldungOk');
  });

  test('langes Drücken mit dem Finger auf "Bild3" öffnet die Dateiwahl', async () => {
    const inhalt = Buffer.from(await jpeg(seite, 100, 100, ROT));
    const eintrag = await seite.locator('#Hintergrund label').nth(2).boundingBox();
    const finger = await browser.kontext.newCDPSession(seite);
    const stelle = { x: eintrag.x + eintrag.width / 2, y: eintrag.y + eintrag.height / 2 };
    const dateiwahlOffen = seite.waitForEvent('filechooser');
    await finger.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [stelle] });
    await seite.waitForSelector('#Hintergrund label.gehalten');
    await finger.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    const dateiwahl = await dateiwahlOffen;
    await dateiwahl.setFiles({ name: 'rot.jpg', mimeType: 'image/jpeg', buffer: inhalt });
    await seite.waitForFunction(() => Bilder.hatEigenes(2));
    assert.ok(await seite.isChecked('input[name=Hintergrund][value="2"]'));
    await seite.click('#NeuesSpielKnopf');
    assert.ok(aehnlich((await bildschirm(seite)).amBrett([1, 1], 10, 10), ROT));
  });

  test('das Kontextmenü eines Eintrags öffnet die Dateiwahl ebenso', async () => {
    const [dateiwahl] = await Promise.all([
      seite.waitForEvent('filechooser'),
      seite.click('#Hintergrund label:nth-child(4)', { button: 'right' }),
    ]);
    await dateiwahl.setFiles({ name: 'notiz.jpg', mimeType: 'image/jpeg', buffer: Buffer.from('kein Bild') });
    await seite.waitForSelector('#Meldung', { state: 'visible' });
    assert.equal(await seite.textContent('#MeldungText'), `${unlesbar('notiz.jpg', 53)}.`);
    await seite.keyboard.press('Escape');
    assert.ok(!(await seite.isVisible('#Meldung')));
    assert.ok(await seite.isChecked('input[name=Hintergrund][value="3"]'));
    assert.equal(await seite.evaluate(() => Bilder.hatEigenes(3)), false);
  });
});

describe('Der Dekoder von einem Webserver', () => {
  let browser, besuch, heile = () => {};
  before(async () => {
    browser = await starteBrowser();
    besuch = await browser.oeffne('server');
  });
  after(async () => {
    heile();
    await browser.schliesse();
  });

  const anfragen = () => besuch.server.angefragt.filter((pfad) => pfad === '/dekoder.js').length;
  async function bis(bedingung, was) {
    for (const ende = Date.now() + 10000; !bedingung();) {
      assert.ok(Date.now() < ende, was);
      await new Promise((weiter) => setTimeout(weiter, 20));
    }
  }

  test('eine Datei, über die Seite gezogen, holt ihn schon; kam er nicht, holt ihn das nächste Bild noch einmal', async () => {
    const { seite } = besuch;
    heile = stoere('/dekoder.js', { fehlt: true });
    await lasseFallen(seite, [], 'wiese.jpg', ['dragenter']);
    await bis(() => anfragen() === 1, 'der Dekoder wurde nicht geholt, als die Datei über die Seite kam');

    const wiese = await jpeg(seite, 200, 120, GRUEN);
    await lasseFallen(seite, wiese, 'wiese.jpg');
    await seite.waitForSelector('#Meldung');
    assert.equal(await seite.textContent('#MeldungText'), `${fuelle(Texte.DateiNichtZuLaden, 'dekoder.js')}.`);
    await seite.click('#MeldungOk');

    heile();
    await lasseFallen(seite, wiese, 'wiese.jpg');
    await seite.waitForFunction(() => Bilder.hatEigenes(0) || Meldung.istOffen());
    assert.ok(!(await seite.isVisible('#Meldung')), await seite.textContent('#MeldungText'));
    assert.ok(anfragen() >= 2);
    assert.ok(aehnlich((await neuesSpielMit(seite, 0)).amBrett([1, 1], 10, 10), GRUEN));
  });
});
