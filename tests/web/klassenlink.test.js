// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// A teacher's class link: the settings after "#" in the page's address
// are chosen at the load, from disk and from a web server, and again after
// "Noch einmal spielen" and a reload; the rules deal from them; a wrong
// part is reported with what is allowed and leaves its group at the
// default, and the game goes on; nothing is stored.
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { starteBrowser } = require('./hilfen/browser');
const { zustand, steine } = require('./hilfen/spiel');
const { Texte } = require('./hilfen/texte');
const Lage = require('./hilfen/lage');

// The chosen item of each group, with its caption: "Form=2:außen".
const gewaehlt = (seite) => seite.evaluate(() =>
  [...document.querySelectorAll('input[type=radio]:checked')].map((knopf) =>
    `${knopf.name}=${knopf.value}:${knopf.parentElement.textContent}`));

// Waits for the next load of the page to complete: the page now open is
// marked, and the wait ends on a complete page without the mark.
async function nachNeuemLaden(seite, ausloeser) {
  await seite.evaluate(() => { window.__alteSeite = true; });
  await ausloeser();
  await seite.waitForFunction(() => !window.__alteSeite && document.documentElement.dataset.bereit === 'ja');
}

const LINK = '#zahlen=30&rechenarten=plus&form=au%C3%9Fen&hintergrund=Bild4';
const AUS_DEM_LINK = ['Zahlen=0:30', 'Rechenarten=0:plus', 'Form=2:außen', 'Hintergrund=3:Bild4'];

// A group as the page starts it, with the default of the layout.
const vorgabe = (name) => {
  const { Vorgabe, Eintraege } = Lage.control(name);
  return `${name}=${Vorgabe}:${Texte[Eintraege][Vorgabe]}`;
};

for (const weg of ['datei', 'server']) {
  describe(`Ein Klassenlink mit allen vier Einstellungen (${weg === 'datei' ? 'file://' : 'Webserver'})`, () => {
    let browser, seite;
    before(async () => {
      browser = await starteBrowser();
      ({ seite } = await browser.oeffne(weg, LINK));
    });
    after(() => browser.schliesse());

    test('die Einstellungen sind nach dem Laden gewählt, ohne Meldung', async () => {
      assert.deepEqual(await gewaehlt(seite), AUS_DEM_LINK);
      assert.ok(!(await seite.isVisible('#Meldung')));
      assert.ok(await seite.isVisible('#Hilfe'));
      assert.equal(steine(await zustand(seite)).length, 0);
    });

    test('das Spiel rechnet mit ihnen: nur Plusaufgaben bis 30', async () => {
      await seite.click('#NeuesSpielKnopf');
      const { aufgaben } = await zustand(seite);
      assert.equal(aufgaben.length, 18);
      for (const [rechnung, ergebnis] of aufgaben) {
        assert.match(rechnung, /^\d+ \+ \d+$/);
        assert.ok(Number(ergebnis) <= 30, `${rechnung} = ${ergebnis}`);
      }
    });

    test('"Noch einmal spielen" und ein Neuladen beginnen wieder mit dem Link', async () => {
      await seite.check('input[name="Zahlen"][value="3"]');
      await seite.check('input[name="Form"][value="0"]');
      await seite.click('#EndeKnopf');
      await nachNeuemLaden(seite, () => seite.click('#NochEinmal'));
      assert.deepEqual(await gewaehlt(seite), AUS_DEM_LINK);

      await seite.check('input[name="Rechenarten"][value="5"]');
      await nachNeuemLaden(seite, () => seite.reload());
      assert.deepEqual(await gewaehlt(seite), AUS_DEM_LINK);
      assert.ok(!(await seite.isVisible('#Meldung')));
    });

    test('nichts wird gespeichert', async () => {
      await browser.sammle?.();
      assert.deepEqual(browser.verstoesse, []);
    });
  });
}

describe('Ein Klassenlink mit falschen Teilen', () => {
  let browser, seite;
  before(async () => {
    browser = await starteBrowser();
    ({ seite } = await browser.oeffne('datei', '#zahlen=100&form=quer&farbe=rot'));
  });
  after(() => browser.schliesse());

  test('die Meldung nennt jeden falschen Teil und was erlaubt ist', async () => {
    assert.ok(await seite.isVisible('#Meldung'));
    const text = await seite.textContent('#MeldungText');
    assert.match(text, /„quer“ ist kein erlaubter Wert für form\. Erlaubt sind: innen, A, aussen, S\./);
    assert.match(text, /„farbe“ ist keine Einstellung des Klassenlinks\. Erlaubt sind: zahlen, rechenarten, form, hintergrund\./);
    assert.match(text, /Voreinstellung/);
  });

  test('der falsche Teil bleibt bei der Voreinstellung, der richtige gilt, das Spiel geht weiter', async () => {
    await seite.click('#MeldungOk');
    assert.ok(!(await seite.isVisible('#Meldung')));
    assert.deepEqual(await gewaehlt(seite), ['Zahlen=2:100', vorgabe('Rechenarten'), vorgabe('Form'), vorgabe('Hintergrund')]);
    await seite.click('#NeuesSpielKnopf');
    assert.equal(steine(await zustand(seite)).length, 36);
  });

  test('ein von Hand geänderter Link beginnt das Spiel neu mit ihm', async () => {
    await nachNeuemLaden(seite, () => seite.evaluate(() => { location.hash = 'form=S&hintergrund=2'; }));
    assert.deepEqual(await gewaehlt(seite), [vorgabe('Zahlen'), vorgabe('Rechenarten'), 'Form=3:S', 'Hintergrund=1:Bild2']);
    assert.ok(!(await seite.isVisible('#Meldung')));
    await browser.sammle?.();
    assert.deepEqual(browser.verstoesse, []);
  });
});
