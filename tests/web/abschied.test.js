// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// "Ende" pressed by mistake costs nothing: the goodbye leads back to the
// game exactly as it was.
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { starteBrowser } = require('./hilfen/browser');
const { zustand, freiesPaar, steine, druecke, bildschirm, rgb } = require('./hilfen/spiel');

const GRUEN = '#30c040';

// What the player sees of the game: the rules' state, the texts of the
// page "Spiel", every setting, and the board's colours at three points
// of every cell.
async function spielstand(seite) {
  const schirm = await bildschirm(seite);
  const brett = [];
  for (let spalte = 1; spalte <= 8; ++spalte)
    for (let zeile = 1; zeile <= 8; ++zeile)
      for (const [x, y] of [[3, 3], [25, 40], [49, 49]])
        brett.push(String(schirm.amBrett([spalte, zeile], x, y)));
  return {
    stand: await zustand(seite),
    geloest: await seite.textContent('#Geloest'),
    verlauf: await seite.textContent('#History'),
    einstellungen: await seite.evaluate(() => [...document.querySelectorAll('input[type=radio]:checked')].map((knopf) => knopf.value)),
    spielSichtbar: await seite.isVisible('#Spiel'),
    brett,
  };
}

describe('"Ende" aus Versehen', () => {
  let browser, seite;
  before(async () => {
    browser = await starteBrowser();
    ({ seite } = await browser.oeffne());
    await seite.check('input[name=Form][value="2"]');
    await seite.check('input[name=Zahlen][value="0"]');
    await seite.evaluate((farbe) => {
      const wahl = document.getElementById('FarbwahlNormal');
      wahl.value = farbe;
      wahl.dispatchEvent(new Event('change'));
    }, GRUEN);
    for (let saat = 1; ; ++saat) {
      await seite.evaluate((saat) => Spiel.saeeFest(saat), saat);
      await seite.click('#NeuesSpielKnopf');
      if (freiesPaar(await zustand(seite)))
        break;
    }
    for (const zelle of freiesPaar(await zustand(seite)))
      await druecke(seite, zelle);
    const stand = await zustand(seite);
    await druecke(seite, steine(stand).find(([spalte, zeile]) => stand.felder[spalte - 1][zeile - 1].frei));
    await seite.click('#ReiterSpiel');
  });
  after(() => browser.schliesse());

  test('"Zurück zum Spiel" bringt Brett, Auswahl, Verlauf, Einstellungen und Farben zurück, wie sie waren', async () => {
    const vorher = await spielstand(seite);
    assert.equal(vorher.stand.geloest, 1);
    assert.notDeepEqual(vorher.stand.auswahl, [0, 0]);
    assert.ok(vorher.brett.includes(String(rgb(GRUEN))));

    await seite.click('#EndeKnopf');
    assert.ok(await seite.isVisible('#Abschied'));
    assert.ok(!(await seite.isVisible('#Spielbrett')));
    const abschied = await seite.textContent('#Abschied');
    assert.match(abschied, /Tab kann jetzt geschlossen werden/);
    assert.doesNotMatch(abschied, /Fenster/);
    assert.ok(await seite.isVisible('#NochEinmal'));

    await seite.click('#Weiterspielen');
    assert.ok(!(await seite.isVisible('#Abschied')));
    assert.deepEqual(await spielstand(seite), vorher);
    // The focus is back where the player left: on "Ende", the next stop
    // of the Tab key "Hilfe".
    assert.equal(await seite.evaluate(() => document.activeElement.id), 'EndeKnopf');
    await seite.keyboard.press('Tab');
    assert.equal(await seite.evaluate(() => document.activeElement.id), 'HilfeKnopf');

    // and the game goes on from there
    await druecke(seite, vorher.stand.auswahl);
    assert.deepEqual((await zustand(seite)).auswahl, [0, 0]);
  });
});
