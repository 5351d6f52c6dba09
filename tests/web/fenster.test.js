// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The window as the player meets it: at start, opened from disk and from
// a web server; the help panel; the keys; "Ende".
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { starteBrowser } = require('./hilfen/browser');
const { zustand, steine } = require('./hilfen/spiel');

// Place and size of a control in the window's own pixels, whatever the scale.
const lage = (seite, id) => seite.evaluate((id) => {
  const fenster = document.getElementById('Form1').getBoundingClientRect();
  const teil = document.getElementById(id).getBoundingClientRect();
  const massstab = Fenster.massstab();
  return [teil.left - fenster.left, teil.top - fenster.top, teil.width, teil.height].map((wert) => Math.round(wert / massstab));
}, id);

for (const weg of ['datei', 'server']) {
  describe(`Das Fenster beim Start (${weg === 'datei' ? 'file://' : 'Webserver'})`, () => {
    let browser, seite;
    before(async () => {
      browser = await starteBrowser();
      ({ seite } = await browser.oeffne(weg));
    });
    after(() => browser.schliesse());

    test('die Steuerelemente liegen wie auf dem Desktop', async () => {
      assert.equal(await seite.title(), 'Rechen-Kalumbo');
      assert.deepEqual(await lage(seite, 'Spielbrett'), [8, 8, 400, 400]);
      assert.deepEqual(await lage(seite, 'Hilfe'), [8, 8, 400, 400]);
      assert.deepEqual(await lage(seite, 'BitBtn5'), [424, 8, 57, 25]);
      assert.deepEqual(await lage(seite, 'BitBtn2'), [488, 8, 57, 25]);
      assert.deepEqual(await lage(seite, 'BitBtn1'), [424, 40, 121, 25]);
      assert.deepEqual(await lage(seite, 'PageControl1'), [424, 72, 121, 337]);
      assert.deepEqual(await lage(seite, 'BitBtn4'), [434, 383, 97, 20]);
    });

    test('Hilfe vorn, Einstellungen gewählt, noch kein Spiel', async () => {
      assert.ok(await seite.isVisible('#Hilfe'));
      assert.ok(await seite.isVisible('#Einstellungen'));
      assert.ok(!(await seite.isVisible('#Spiel')));
      assert.ok(!(await seite.isVisible('#Bravo')));
      const gewaehlt = await seite.$$eval('input[type=radio]:checked', (knoepfe) =>
        knoepfe.map((knopf) => `${knopf.name}=${knopf.parentElement.textContent}`));
      assert.deepEqual(gewaehlt, ['Zahlenbereich=50', 'Rechenart=beide', 'Maske=innen', 'Bildwahl=Bild1']);
      assert.equal(await seite.textContent('#Geloest'), '0 von 0 gelöst');
      assert.equal(steine(await zustand(seite)).length, 0);
    });

    test('Hinweise als Tooltips, Alt-Tasten an ihren unterstrichenen Buchstaben', async () => {
      const hinweise = await seite.$$eval('#BitBtn1, #BitBtn2, #BitBtn3, #BitBtn4, #BitBtn5, #BitBtn6, .radiogruppe',
        (teile) => teile.map((teil) => teil.title));
      assert.ok(hinweise.every((hinweis) => hinweis.length > 10), hinweise.join(' | '));
      const tasten = await seite.$$eval('[aria-keyshortcuts]', (teile) =>
        teile.map((teil) => `${teil.getAttribute('aria-keyshortcuts')}:${teil.querySelector('u').textContent}`));
      assert.deepEqual(tasten.sort(), ['Alt+E:E', 'Alt+H:H', 'Alt+N:N']);
    });

    test('jede Zeile der Hilfetexte steht ganz in ihrem Kasten', async () => {
      for (const id of ['Memo1', 'Memo2']) {
        const [hoehe, sichtbar] = await seite.$eval(`#${id}`, (feld) => [feld.scrollHeight, feld.clientHeight]);
        assert.ok(hoehe <= sichtbar, `${id}: ${hoehe} > ${sichtbar}`);
      }
      const zeilen = (await seite.inputValue('#Memo1')).split('\n');
      assert.equal(zeilen.length, 16);
      assert.match(zeilen.slice(10, 14).join(''), /auf das Spielfeld ziehen/);
    });
  });
}

describe('Hilfe, Tasten und Ende', () => {
  let browser, seite;
  before(async () => {
    browser = await starteBrowser();
    ({ seite } = await browser.oeffne());
  });
  after(() => browser.schliesse());

  test('"Fertig" und "Hilfe" blenden die Hilfe aus und ein', async () => {
    await seite.click('#BitBtn6');
    assert.ok(!(await seite.isVisible('#Hilfe')));
    await seite.click('#BitBtn5');
    assert.ok(await seite.isVisible('#Hilfe'));
  });

  test('Eingabe auf einem Optionsfeld drückt "Fertig"', async () => {
    await seite.focus('input[name=Maske][value="1"]');
    await seite.keyboard.press('Enter');
    assert.ok(!(await seite.isVisible('#Hilfe')));
  });

  test('Alt+N beginnt ein Spiel, Alt+H zeigt die Hilfe', async () => {
    await seite.keyboard.press('Alt+n');
    assert.equal(steine(await zustand(seite)).length, 36);
    assert.equal(await seite.textContent('#Geloest'), '0 von 18 gelöst');
    await seite.keyboard.press('Alt+h');
    assert.ok(await seite.isVisible('#Hilfe'));
  });

  test('"Ende" (Alt+E) beendet das Spiel und führt zu einem neuen Start zurück', async () => {
    await seite.keyboard.press('Alt+e');
    assert.ok(await seite.isVisible('#Abschied'));
    assert.ok(!(await seite.isVisible('#Spielbrett')));
    assert.match(await seite.textContent('#Abschied'), /Auf Wiedersehen!/);
    await Promise.all([seite.waitForEvent('load'), seite.click('#NochEinmal')]);
    await seite.waitForSelector('html[data-bereit]');
    assert.ok(await seite.isVisible('#Hilfe'));
    assert.equal(steine(await zustand(seite)).length, 0);
    assert.equal(await seite.textContent('#Geloest'), '0 von 0 gelöst');
  });
});
