// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// Playing in the browser: the settings reach the rules, the board shows
// the tiles where the rules laid them, presses on the canvas play a whole
// game to the end, the colours can be changed, and a finger does it all.
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { Texte, fuelle } = require('./hilfen/texte');
const { starteBrowser, kannNicht } = require('./hilfen/browser');
const { zustand, feld, freiesPaar, steine, druecke, bildschirm, rgb, NORMAL, AUSGEWAEHLT } = require('./hilfen/spiel');

const SAAT = 20260;

async function waehle(seite, gruppe, index) {
  await seite.click('#ReiterEinstellungen');
  await seite.check(`input[name=${gruppe}][value="${index}"]`);
}

// Which cells the screen shows as tiles: filled with the normal colour
// inside, black at the outline.
async function gezeigteSteine(seite) {
  const schirm = await bildschirm(seite);
  const gezeigt = [];
  for (let spalte = 1; spalte <= 8; ++spalte)
    for (let zeile = 1; zeile <= 8; ++zeile)
      if (String(schirm.amBrett([spalte, zeile], 3, 3)) === String(NORMAL) &&
          String(schirm.amBrett([spalte, zeile], 0, 3)) === '0,0,0')
        gezeigt.push([spalte, zeile]);
  return gezeigt;
}

// Each group of tests gets a browser of its own, whose page deals from the
// tests' seed; the page is handed over before the group's tests run.
function mitGesaeterSeite(nimm, optionen) {
  let browser;
  before(async () => {
    browser = await starteBrowser(optionen);
    const { seite } = await browser.oeffne();
    await seite.evaluate((saat) => Spiel.saeeFest(saat), SAAT);
    nimm(seite);
  });
  after(() => browser.schliesse());
}

describe('Einstellungen und Brett', () => {
  let seite;
  mitGesaeterSeite((offen) => { seite = offen; });

  test('ein neues Spiel in jeder Form zeigt die Steine, wo die Regeln sie legten', async () => {
    const formen = [];
    for (const form of [0, 1, 2, 3]) {
      await waehle(seite, 'Form', form);
      await seite.click('#NeuesSpielKnopf');
      const gelegt = steine(await zustand(seite));
      assert.equal(gelegt.length, 36);
      assert.deepEqual(await gezeigteSteine(seite), gelegt, `Form ${form}`);
      formen.push(String(gelegt));
    }
    assert.equal(new Set(formen).size, 4, 'jede Form legt die Steine anders');
    assert.ok(!(await seite.isVisible('#Hilfe')));
  });

  test('Zahlen und Rechenarten gelten ab dem nächsten Spiel', async () => {
    await waehle(seite, 'Zahlen', 1);
    await waehle(seite, 'Rechenarten', 2);
    await seite.click('#NeuesSpielKnopf');
    const vorher = (await zustand(seite)).aufgaben;
    assert.ok(vorher.some(([rechnung]) => !rechnung.includes('*')));
    await waehle(seite, 'Zahlen', 3);
    await waehle(seite, 'Rechenarten', 4);
    assert.deepEqual((await zustand(seite)).aufgaben, vorher, 'das laufende Spiel bleibt');
    await seite.click('#NeuesSpielKnopf');
    for (const [rechnung, ergebnis] of (await zustand(seite)).aufgaben) {
      assert.match(rechnung, /^\d+\*\d+$/);
      assert.ok(Number(ergebnis) <= 1000);
    }
  });
});

describe('Ein ganzes Spiel mit Drücken auf das Brett', () => {
  let seite;
  mitGesaeterSeite((offen) => { seite = offen; });

  test('Auswahl, Fortschritt, Verlauf und das rote "B R A V O"', async () => {
    // Not every deal can be played to the end; the next one is tried then.
    for (let spiele = 0; spiele < 30 && !(await seite.isVisible('#Bravo')); ++spiele) {
      await seite.click('#NeuesSpielKnopf');
      await seite.click('#ReiterSpiel');
      assert.equal(await seite.textContent('#Geloest'), fuelle(Texte.Fortschritt, 0, 18));
      assert.equal(await seite.locator('#History > div').count(), 0);
      for (let stand = await zustand(seite), paar = freiesPaar(stand); paar; paar = freiesPaar(stand)) {
        const [rechnung, ergebnis] = stand.aufgaben[feld(stand, paar[0]).paar - 1];
        await druecke(seite, paar[0]);
        assert.deepEqual((await zustand(seite)).auswahl, paar[0]);
        await druecke(seite, paar[1]);
        stand = await zustand(seite);
        assert.equal(await seite.textContent('#Geloest'), fuelle(Texte.Fortschritt, stand.geloest, 18));
        assert.equal(await seite.locator('#History > div').count(), stand.geloest);
        assert.equal(await seite.textContent('#History > div:last-child'), `${rechnung} = ${ergebnis}`);
      }
    }
    assert.ok(await seite.isVisible('#Bravo'), 'kein Spiel ließ sich zu Ende spielen');
    assert.equal(await seite.textContent('#Bravo'), Texte.Bravo);
    assert.equal(await seite.$eval('#Bravo', (bravo) => getComputedStyle(bravo).color), 'rgb(255, 0, 0)');
    assert.equal(steine(await zustand(seite)).length, 0);
    assert.deepEqual(await gezeigteSteine(seite), []);
  });

  test('ein neues Spiel mitten im Spiel beginnt ohne Verlauf und ohne Auswahl', async () => {
    await seite.click('#NeuesSpielKnopf');
    let paar = freiesPaar(await zustand(seite));
    for (let spiele = 0; !paar && spiele < 30; ++spiele) {
      await seite.click('#NeuesSpielKnopf');
      paar = freiesPaar(await zustand(seite));
    }
    await druecke(seite, paar[0]);
    await druecke(seite, paar[1]);
    const nachher = await zustand(seite);
    const naechste = steine(nachher).find((zelle) => feld(nachher, zelle).frei);
    await druecke(seite, naechste);
    assert.deepEqual((await zustand(seite)).auswahl, naechste);
    await seite.click('#ReiterSpiel');
    assert.equal(await seite.locator('#History > div').count(), 1);
    await seite.click('#NeuesSpielKnopf');
    const stand = await zustand(seite);
    assert.deepEqual(stand.auswahl, [0, 0]);
    assert.equal(stand.geloest, 0);
    assert.equal(await seite.textContent('#Geloest'), fuelle(Texte.Fortschritt, 0, 18));
    assert.equal(await seite.locator('#History > div').count(), 0);
    assert.deepEqual(await gezeigteSteine(seite), steine(stand));
  });
});

// The browser's colour chooser, played by the test: it notes the colour
// it opens with and answers with the given one, as a player would.
async function waehleFarbe(seite, knopf, farbe) {
  await seite.evaluate((farbe) => {
    window.__farbwahl = { echt: HTMLInputElement.prototype.showPicker, geoeffnetMit: null };
    HTMLInputElement.prototype.showPicker = function () {
      window.__farbwahl.geoeffnetMit = this.value;
      this.value = farbe;
      this.dispatchEvent(new Event('input', { bubbles: true }));
      this.dispatchEvent(new Event('change', { bubbles: true }));
    };
  }, farbe);
  await seite.click('#ReiterEinstellungen');
  await seite.click(knopf);
  return seite.evaluate(() => {
    HTMLInputElement.prototype.showPicker = window.__farbwahl.echt;
    return window.__farbwahl.geoeffnetMit;
  });
}

describe('Farben und Tasten', () => {
  let seite;
  mitGesaeterSeite((offen) => { seite = offen; });
  before(() => seite.click('#NeuesSpielKnopf'));

  test('jede Maustaste wählt aus, und die Auswahl zeigt ihre Farbe', { skip: kannNicht('andereMaustasten') }, async () => {
    const [erste] = freiesPaar(await zustand(seite));
    await druecke(seite, erste, { knopf: 'right' });
    assert.deepEqual((await zustand(seite)).auswahl, erste);
    assert.deepEqual((await bildschirm(seite)).amBrett(erste, 3, 3), AUSGEWAEHLT);
    await druecke(seite, erste, { knopf: 'middle' });
    assert.deepEqual((await zustand(seite)).auswahl, [0, 0]);
    assert.deepEqual((await bildschirm(seite)).amBrett(erste, 3, 3), NORMAL);
  });

  test('die Farbwahl beginnt bei der Farbe, die gilt; die gewählte gilt sofort und für das nächste Spiel', async () => {
    const [erste] = freiesPaar(await zustand(seite));
    await druecke(seite, erste);
    // A browser that restores a form after a reload leaves other values in it.
    await seite.evaluate(() => document.querySelectorAll('.farbwahl').forEach((wahl) => { wahl.value = '#000000'; }));
    assert.equal(await waehleFarbe(seite, '#FarbeNormalKnopf', '#20c040'), '#ffd0a0');
    assert.equal(await waehleFarbe(seite, '#FarbeAusgewaehltKnopf', '#c02080'), '#1060a0');
    const schirm = await bildschirm(seite);
    assert.deepEqual(schirm.amBrett(erste, 3, 3), rgb('#c02080'));
    const andere = steine(await zustand(seite)).find((zelle) => String(zelle) !== String(erste));
    assert.deepEqual(schirm.amBrett(andere, 3, 3), rgb('#20c040'));
    await seite.click('#NeuesSpielKnopf');
    const neu = steine(await zustand(seite))[0];
    assert.deepEqual((await bildschirm(seite)).amBrett(neu, 3, 3), rgb('#20c040'));
    assert.equal(await waehleFarbe(seite, '#FarbeNormalKnopf', '#ffd0a0'), '#20c040');
  });
});

describe('Mit dem Finger', { skip: kannNicht('beruehrung') }, () => {
  let seite;
  mitGesaeterSeite((offen) => { seite = offen; },
    { hasTouch: true, isMobile: true, viewport: { width: 740, height: 360 }, deviceScaleFactor: 2 });

  test('Tippen beginnt ein Spiel, wählt aus, löst ein Paar und wechselt die Seite', async () => {
    await seite.tap('#NeuesSpielKnopf');
    const paar = freiesPaar(await zustand(seite));
    await druecke(seite, paar[0], { art: 'tipp' });
    assert.deepEqual((await zustand(seite)).auswahl, paar[0]);
    await druecke(seite, paar[1], { art: 'tipp' });
    assert.equal((await zustand(seite)).geloest, 1);
    await seite.tap('#ReiterSpiel');
    assert.ok(await seite.isVisible('#History'));
    assert.equal(await seite.textContent('#Geloest'), fuelle(Texte.Fortschritt, 1, 18));
    await seite.tap('#HilfeKnopf');
    assert.ok(await seite.isVisible('#Hilfe'));
    await seite.tap('#FertigKnopf');
    assert.ok(!(await seite.isVisible('#Hilfe')));
  });
});
