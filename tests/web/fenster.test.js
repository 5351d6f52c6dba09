// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The window as the player meets it: at start, opened from disk and from
// a web server; the help panel; the keys; "Ende".
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { starteBrowser, ZUGRIFF } = require('./hilfen/browser');
const { zustand, steine } = require('./hilfen/spiel');
const { Texte, fuelle } = require('./hilfen/texte');

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
      assert.equal(await seite.title(), Texte.Titel);
      assert.deepEqual(await lage(seite, 'Spielbrett'), [8, 8, 400, 400]);
      assert.deepEqual(await lage(seite, 'Hilfe'), [8, 8, 400, 400]);
      assert.deepEqual(await lage(seite, 'HilfeKnopf'), [424, 8, 57, 25]);
      assert.deepEqual(await lage(seite, 'EndeKnopf'), [488, 8, 57, 25]);
      assert.deepEqual(await lage(seite, 'NeuesSpielKnopf'), [424, 40, 121, 25]);
      assert.deepEqual(await lage(seite, 'Seiten'), [424, 72, 121, 337]);
      assert.deepEqual(await lage(seite, 'FarbeAusgewaehltKnopf'), [434, 383, 97, 20]);
      // On the help panel, counted from its outer corner as on the desktop,
      // not from inside its edge.
      for (const [id, stelle] of [['Einleitung', [8, 8, 385, 89]], ['BeispielRechnungStein', [136, 103, 50, 50]], ['Erklaerung', [8, 160, 385, 209]], ['FertigKnopf', [314, 370, 75, 24]]])
        assert.deepEqual(await lage(seite, id), [8 + stelle[0], 8 + stelle[1], stelle[2], stelle[3]], id);
    });

    test('Hilfe vorn, Einstellungen gewählt, noch kein Spiel', async () => {
      assert.ok(await seite.isVisible('#Hilfe'));
      assert.ok(await seite.isVisible('#Einstellungen'));
      assert.ok(!(await seite.isVisible('#Spiel')));
      assert.ok(!(await seite.isVisible('#Bravo')));
      const gewaehlt = await seite.$$eval('input[type=radio]:checked', (knoepfe) =>
        knoepfe.map((knopf) => `${knopf.name}=${knopf.parentElement.textContent}`));
      assert.deepEqual(gewaehlt, [`Zahlen=${Texte.ZahlenEintraege[1]}`, `Rechenarten=${Texte.RechenartenEintraege[2]}`,
        `Form=${Texte.FormEintraege[0]}`, `Hintergrund=${Texte.HintergrundEintraege[0]}`]);
      assert.equal(await seite.textContent('#Geloest'), Texte.GeloestAmStart);
      assert.equal(steine(await zustand(seite)).length, 0);
    });

    test('Hinweise als Tooltips, Alt-Tasten an ihren unterstrichenen Buchstaben', async () => {
      const hinweise = await seite.$$eval('#NeuesSpielKnopf, #EndeKnopf, #FarbeNormalKnopf, #FarbeAusgewaehltKnopf, #HilfeKnopf, #FertigKnopf, .radiogruppe',
        (teile) => teile.map((teil) => teil.title));
      assert.ok(hinweise.every((hinweis) => hinweis.length > 10), hinweise.join(' | '));
      const tasten = await seite.$$eval('[aria-keyshortcuts]', (teile) =>
        teile.map((teil) => `${teil.getAttribute('aria-keyshortcuts')}:${teil.querySelector('u').textContent}`));
      assert.deepEqual(tasten.sort(), ['Alt+E:E', 'Alt+H:H', 'Alt+N:N']);
    });

    test('jede Zeile der Hilfetexte steht ganz in ihrem Kasten', async () => {
      for (const id of ['Erklaerung', 'Einleitung']) {
        const [hoehe, sichtbar] = await seite.$eval(`#${id}`, (feld) => [feld.scrollHeight, feld.clientHeight]);
        assert.ok(hoehe <= sichtbar, `${id}: ${hoehe} > ${sichtbar}`);
      }
      const zeilen = (await seite.inputValue('#Erklaerung')).split('\n');
      assert.equal(zeilen.length, 16);
      assert.match(zeilen.slice(10, 14).join(''), /auf das Spielfeld ziehen/);
    });
  });
}

// The goodbye screen shows; the rules' view of the game, the help and the
// page chosen, to see that nothing changed.
const spielbild = async (seite) => ({
  stand: await zustand(seite),
  anzeige: await seite.evaluate(() => ['Hilfe', 'Spiel', 'Einstellungen', 'Abschied'].map((id) => document.getElementById(id).hidden)),
});

// Drops a file that is no picture on a part of the window, as a file
// manager would.
const lasseFallen = (seite, ziel, name) => seite.evaluate(({ ziel, name }) => {
  const uebergabe = new DataTransfer();
  uebergabe.items.add(new File(['kein Bild'], name, { type: 'image/jpeg' }));
  for (const art of ['dragenter', 'dragover', 'drop'])
    document.querySelector(ziel).dispatchEvent(new DragEvent(art, { dataTransfer: uebergabe, bubbles: true, cancelable: true }));
}, { ziel, name });

describe('Hilfe, Tasten und Ende', () => {
  let browser, seite;
  before(async () => {
    browser = await starteBrowser();
    ({ seite } = await browser.oeffne());
  });
  after(() => browser.schliesse());

  test('Tab geht die Bedienelemente in der Reihenfolge des Fensters durch, jede Gruppe einmal', async () => {
    await seite.evaluate(() => document.activeElement?.blur());
    const besucht = [];
    for (let schritt = 0; schritt < 10; ++schritt) {
      await seite.keyboard.press('Tab');
      besucht.push(await seite.evaluate(() => document.activeElement.name || document.activeElement.id));
    }
    // The board, covered by the help, is no stop; the header of the page in
    // front is, since in a browser Control+Tab belongs to the browser.
    assert.deepEqual(besucht, ['NeuesSpielKnopf', 'ReiterEinstellungen', 'Zahlen', 'Rechenarten', 'Form', 'Hintergrund',
      'FarbeNormalKnopf', 'FarbeAusgewaehltKnopf', 'EndeKnopf', 'HilfeKnopf']);
  });

  test('"Fertig" und "Hilfe" blenden die Hilfe aus und ein', async () => {
    await seite.click('#FertigKnopf');
    assert.ok(!(await seite.isVisible('#Hilfe')));
    await seite.click('#HilfeKnopf');
    assert.ok(await seite.isVisible('#Hilfe'));
  });

  test('Eingabe drückt nur einen Knopf mit dem Fokus, sonst "Fertig"', async () => {
    await seite.focus('#ReiterSpiel');
    await seite.keyboard.press('Enter');
    assert.ok(await seite.isVisible('#Spiel'));
    assert.ok(await seite.isVisible('#Hilfe'), 'Eingabe auf einem Knopf drückte auch "Fertig"');
    await seite.click('#ReiterEinstellungen');
    await seite.focus('input[name=Form][value="1"]');
    await seite.keyboard.press('Enter');
    assert.ok(!(await seite.isVisible('#Hilfe')));
  });

  test('nur das Brett nimmt eine fallen gelassene Datei an', async () => {
    // Every text the message box shows, in its order.
    await seite.evaluate(() => {
      const text = document.getElementById('MeldungText');
      window.__meldungen = [];
      new MutationObserver(() => window.__meldungen.push(text.textContent))
        .observe(text, { childList: true, characterData: true, subtree: true });
    });
    await lasseFallen(seite, '#Seiten', 'daneben.jpg');
    await lasseFallen(seite, '#Spielbrett', 'drauf.jpg');
    await seite.waitForSelector('#Meldung');
    const gezeigt = await seite.evaluate(() => window.__meldungen);
    assert.ok(gezeigt.length > 0 && gezeigt.every((meldung) => meldung.includes('drauf.jpg')), gezeigt.join(' | '));
    await seite.click('#MeldungOk');
  });

  test(`${ZUGRIFF}+N beginnt ein Spiel, ${ZUGRIFF}+H zeigt die Hilfe`, async () => {
    await seite.keyboard.press(`${ZUGRIFF}+n`);
    assert.equal(steine(await zustand(seite)).length, 36);
    assert.equal(await seite.textContent('#Geloest'), fuelle(Texte.Fortschritt, 0, 18));
    await seite.keyboard.press(`${ZUGRIFF}+h`);
    assert.ok(await seite.isVisible('#Hilfe'));
  });

  test(`"Ende" (${ZUGRIFF}+E) beendet das Spiel, danach wirkt keine Taste mehr, und es geht zu einem neuen Start`, async () => {
    await seite.keyboard.press(`${ZUGRIFF}+e`);
    assert.ok(await seite.isVisible('#Abschied'));
    assert.ok(!(await seite.isVisible('#Spielbrett')));
    assert.ok((await seite.textContent('#Abschied')).includes(Texte.AbschiedTitel));
    const vorher = await spielbild(seite);
    for (const taste of ['n', 'h', 'e'])
      await seite.keyboard.press(`${ZUGRIFF}+${taste}`);
    assert.deepEqual(await spielbild(seite), vorher);
    await Promise.all([seite.waitForEvent('load'), seite.click('#NochEinmal')]);
    await seite.waitForSelector('html[data-bereit]');
    assert.ok(await seite.isVisible('#Hilfe'));
    assert.equal(steine(await zustand(seite)).length, 0);
    assert.equal(await seite.textContent('#Geloest'), Texte.GeloestAmStart);
  });
});
