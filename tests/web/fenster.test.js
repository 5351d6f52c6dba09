// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The window as the player meets it: at start, opened from disk and from
// a web server; the help panel; the keys; "Ende".
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { starteBrowser, ZUGRIFF, kannNicht } = require('./hilfen/browser');
const { zustand, steine } = require('./hilfen/spiel');
const { Texte, fuelle } = require('./hilfen/texte');
const Lage = require('./hilfen/lage');

// The glyph the build made from the desktop's picture, as the markup holds
// it.
const glyphe = (name) => 'data:image/png;base64,' +
  fs.readFileSync(path.join(process.env.KALUMBO_GLYPHEN, `${name.toLowerCase()}.png`)).toString('base64');

// What the page shows of each control of the layout: its place in the
// window's pixels, whatever the scale, counted from its parent (the window,
// the help panel, the page of the tab control), and what the player reads
// of it. A hidden control, or one on the page behind, is shown for the
// moment it is measured.
const ansicht = (seite) => seite.evaluate(async ({ controls, fenster }) => {
  await Promise.all([...document.querySelectorAll('.knopf img')].map((bild) => bild.decode().catch(() => {})));
  const massstab = Fenster.massstab();
  const pixel = (wert) => Math.round(wert / massstab);
  const zeige = (element) => {
    const verborgen = element.hidden;
    element.hidden = false;
    return () => { element.hidden = verborgen; };
  };
  const ort = (element, um) => {
    const innen = element.getBoundingClientRect();
    const aussen = document.getElementById(um).getBoundingClientRect();
    return [innen.left - aussen.left, innen.top - aussen.top, innen.width, innen.height, innen.right - aussen.left].map(pixel);
  };
  const gesehen = controls.map(({ Name, eltern }) => {
    const teil = document.getElementById(Name);
    const verborgen = teil.hidden;
    const zurueck = [zeige(document.getElementById(eltern)), zeige(teil)];
    const stil = getComputedStyle(teil);
    const glyphe = teil.querySelector('img');
    const ergebnis = {
      verborgen,
      lage: ort(teil, eltern),
      schrift: [parseFloat(stil.fontSize), Number(stil.fontWeight), parseFloat(stil.lineHeight)],
      farbe: stil.color,
      text: teil instanceof HTMLTextAreaElement ? teil.value : (teil.querySelector('span, .titel') ?? teil).textContent,
      hinweis: teil.title,
      taste: teil.getAttribute('aria-keyshortcuts'),
      unterstrichen: teil.querySelector('u')?.textContent ?? null,
      glyphe: glyphe && [glyphe.getAttribute('src'), glyphe.naturalWidth > 0],
      nurLesen: teil.readOnly ?? null,
      eintraege: [...teil.querySelectorAll('label')].map((eintrag) => eintrag.textContent),
      gewaehlt: [...teil.querySelectorAll('input[type=radio]')].findIndex((knopf) => knopf.checked),
    };
    zurueck.reverse().forEach((stelle) => stelle());
    return ergebnis;
  });
  const form1 = document.getElementById(fenster).getBoundingClientRect();
  return { gesehen, fenster: [form1.width, form1.height].map(pixel), zugang: ort(document.getElementById('Brettzugang'), fenster) };
}, { controls: Lage.controls.map(({ Name, eltern }) => ({ Name, eltern })), fenster: Lage.Fenster.Name });

const rgb = (farbe) => `rgb(${[1, 3, 5].map((stelle) => parseInt(farbe.slice(stelle, stelle + 2), 16)).join(', ')})`;

for (const weg of ['datei', 'server']) {
  describe(`Das Fenster beim Start (${weg === 'datei' ? 'file://' : 'Webserver'})`, () => {
    let browser, besuch, seite;
    before(async () => {
      browser = await starteBrowser();
      besuch = await browser.oeffne(weg);
      ({ seite } = besuch);
    });
    after(() => browser.schliesse());

    // The window waits for the tile font and shows in it; the font is
    // asked for once, in the head, not again by the style sheet, and the
    // glyphs and the page's scripts come inside the markup.
    test('das Fenster zeigt sich in seiner Schrift, jede Datei wird einmal angefragt, von den Skripten nur die Regeln',
         { skip: weg === 'datei' && kannNicht('dateiAnfragen') }, async () => {
      assert.deepEqual(await seite.evaluate(() => [...document.fonts].map((schrift) =>
        [schrift.family.replace(/"/g, ''), schrift.weight, schrift.status])),
      [['Kalumbo Sans', '400', 'loaded'], ['Kalumbo Sans', '700', 'loaded']]);
      await browser.sammle();
      const dateien = besuch.anfragen.filter((adresse) => !/^(data|blob):/.test(adresse))
        .map((adresse) => new URL(adresse).pathname.split('/').pop());
      assert.deepEqual(dateien.filter((datei, stelle) => dateien.indexOf(datei) !== stelle), [], dateien.join(' '));
      for (const schnitt of ['Regular', 'Bold'])
        assert.ok(dateien.includes(`LiberationSans-${schnitt}.woff2`), dateien.join(' '));
      assert.ok(!dateien.some((datei) => datei.endsWith('.png')), dateien.join(' '));
      // The page's own scripts come inside the markup; of scripts, the
      // start asks for the rules alone (the decoder waits for an own picture).
      assert.deepEqual(dateien.filter((datei) => datei.endsWith('.js')), ['regeln.js'], dateien.join(' '));
    });

    test('jedes Steuerelement liegt und heißt, wie texte/lage.json sagt', async () => {
      assert.equal(await seite.title(), Texte[Lage.Fenster.Titel]);
      const { gesehen, fenster, zugang } = await ansicht(seite);
      assert.deepEqual(fenster, Lage.Fenster.Groesse);
      Lage.controls.forEach((control, nummer) => {
        const teil = gesehen[nummer];
        const name = control.Name;
        assert.equal(teil.verborgen, Boolean(control.Verborgen), name);
        if (control.Art === 'Bildfeld')
          return; // a picture the page keeps, never shown
        const [links, oben, breite, hoehe, rechts] = teil.lage;
        if (control.Lage)
          assert.deepEqual([links, oben, breite, hoehe], control.Lage, name);
        if (control.Art === 'Beispielstein') {
          const seitenlaenge = Lage.control(control.eltern).Beispielsteingroesse;
          assert.deepEqual([links, oben, breite, hoehe], [...control.Ecke, seitenlaenge, seitenlaenge], name);
        } else if (control.Ecke) {
          assert.deepEqual([links, oben], control.Ecke, name);
        }
        if (control.EckeRechts)
          assert.deepEqual([rechts, oben], control.EckeRechts, name);
        if (control.Hoehe)
          assert.equal(hoehe, control.Hoehe, name);
        if (control.Zugang)
          assert.deepEqual(zugang.slice(0, 4), control.Lage, control.Zugang);
        const schrift = control.Schrift ?? (control.Art === 'Beschriftung' ? Lage.Fenster.Schrift : null);
        if (schrift)
          assert.deepEqual(teil.schrift, [schrift.Pixel, schrift.Fett ? 700 : 400, schrift.Zeile], name);
        if (control.Farbe)
          assert.equal(teil.farbe, rgb(control.Farbe), name);
        const text = control.Text ?? control.Titel;
        if (text)
          assert.equal(teil.text, Texte[text].replace('&', ''), name);
        if (control.Hinweis)
          assert.equal(teil.hinweis, Texte[control.Hinweis], name);
        if (control.Glyphe)
          assert.deepEqual(teil.glyphe, [glyphe(control.Glyphe), true], name);
        if ('NurLesen' in control)
          assert.equal(teil.nurLesen, control.NurLesen, name);
        if (control.Art === 'Knopf') {
          const buchstabe = Texte[control.Text].split('&')[1]?.[0] ?? null;
          assert.equal(teil.unterstrichen, buchstabe, name);
          assert.equal(teil.taste, buchstabe && `Alt+${buchstabe.toUpperCase()}`, name);
        }
        if (control.Art === 'Radiogruppe') {
          assert.deepEqual(teil.eintraege, [...Texte[control.Eintraege]], name);
          assert.equal(teil.gewaehlt, control.Vorgabe, name);
        }
      });
    });

    test('Hilfe vorn, Einstellungen gewählt, noch kein Spiel', async () => {
      assert.ok(await seite.isVisible('#Hilfe'));
      assert.ok(await seite.isVisible('#Einstellungen'));
      assert.ok(!(await seite.isVisible('#Spiel')));
      assert.ok(!(await seite.isVisible('#Bravo')));
      assert.equal(await seite.textContent('#Geloest'), Texte.GeloestAmStart);
      assert.equal(steine(await zustand(seite)).length, 0);
    });

    test('Hinweise als Tooltips, Alt-Tasten an ihren unterstrichenen Buchstaben', async () => {
      const hinweise = await seite.$$eval('#NeuesSpielKnopf, #EndeKnopf, #FarbeNormalKnopf, #FarbeAusgewaehltKnopf, #HilfeKnopf, #FertigKnopf, .radiogruppe',
        (teile) => teile.map((teil) => teil.title));
      assert.ok(hinweise.every((hinweis) => hinweis.length > 10), hinweise.join(' | '));
      // Each key names its underlined letter; every caption with a marked
      // letter has its key.
      const tasten = await seite.$$eval('[aria-keyshortcuts]', (teile) =>
        teile.map((teil) => [teil.id, teil.getAttribute('aria-keyshortcuts'), teil.querySelector('u').textContent]));
      for (const [id, taste, buchstabe] of tasten)
        assert.equal(taste, `Alt+${buchstabe.toUpperCase()}`, id);
      assert.deepEqual(tasten.map(([id]) => id).sort(),
        Lage.controls.filter((control) => Texte[control.Text]?.includes('&')).map((control) => control.Name).sort());
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
    // The stops of the layout; but the board, covered by the help, is no
    // stop, and the tab control's stop is the header of the page in front,
    // since in a browser Control+Tab belongs to the browser.
    const erwartet = Lage.tabfolge.filter((name) => Lage.control(name).Art !== 'Spielbrett')
      .map((name) => (Lage.control(name).Art === 'Seiten' ? `Reiter${Lage.control(name).Vorn}` : name));
    const besucht = [];
    for (let schritt = 0; schritt < erwartet.length; ++schritt) {
      await seite.keyboard.press('Tab');
      besucht.push(await seite.evaluate(() => document.activeElement.name || document.activeElement.id));
    }
    assert.deepEqual(besucht, erwartet);
  });

  test('"Fertig" und "Hilfe" blenden die Hilfe aus und ein', async () => {
    await seite.click('#FertigKnopf');
    assert.ok(!(await seite.isVisible('#Hilfe')));
    await seite.click('#HilfeKnopf');
    assert.ok(await seite.isVisible('#Hilfe'));
  });

  test('Eingabe drückt nur einen Knopf mit dem Fokus, sonst "Fertig"; im Text der Hilfe keinen', async () => {
    await seite.focus('#Erklaerung');
    await seite.keyboard.press('Enter');
    assert.ok(await seite.isVisible('#Hilfe'), 'Eingabe im Text der Hilfe drückte "Fertig"');
    await seite.focus('#ReiterSpiel');
    await seite.keyboard.press('Enter');
    assert.ok(await seite.isVisible('#Spiel'));
    assert.ok(await seite.isVisible('#Hilfe'), 'Eingabe auf einem Knopf drückte auch "Fertig"');
    await seite.click('#ReiterEinstellungen');
    await seite.focus('input[name=Form][value="1"]');
    await seite.keyboard.press('Enter');
    assert.ok(!(await seite.isVisible('#Hilfe')));
  });

  test('nur das Brett nimmt eine fallen gelassene Datei an, und die Meldung gibt den Fokus zurück', async () => {
    // Every text the message box shows, in its order.
    await seite.evaluate(() => {
      const text = document.getElementById('MeldungText');
      window.__meldungen = [];
      new MutationObserver(() => window.__meldungen.push(text.textContent))
        .observe(text, { childList: true, characterData: true, subtree: true });
    });
    await seite.focus('#HilfeKnopf');
    await lasseFallen(seite, '#Seiten', 'daneben.jpg');
    await lasseFallen(seite, '#Spielbrett', 'drauf.jpg');
    await seite.waitForSelector('#Meldung');
    const gezeigt = await seite.evaluate(() => window.__meldungen);
    assert.ok(gezeigt.length > 0 && gezeigt.every((meldung) => meldung.includes('drauf.jpg')), gezeigt.join(' | '));
    await seite.keyboard.press('Enter');
    assert.ok(!(await seite.isVisible('#Meldung')));
    assert.equal(await seite.evaluate(() => document.activeElement.id), 'HilfeKnopf', 'die Meldung gab den Fokus nicht zurück');
  });

  test(`${ZUGRIFF}+N beginnt ein Spiel, gehalten nur eines, ${ZUGRIFF}+H zeigt die Hilfe`, async () => {
    await seite.evaluate(() => Spiel.saeeFest(11));
    await seite.keyboard.press(`${ZUGRIFF}+n`);
    const einmal = await zustand(seite);
    assert.equal(steine(einmal).length, 36);
    // Held, the browser repeats the letter's keydown, marked as such, until
    // it is let go; the same seed then deals the same single game.
    await seite.evaluate(() => Spiel.saeeFest(11));
    const halten = ZUGRIFF.split('+');
    for (const taste of halten)
      await seite.keyboard.down(taste);
    await seite.keyboard.down('n');
    await seite.evaluate((halten) => [1, 2, 3].forEach(() => document.activeElement.dispatchEvent(new KeyboardEvent('keydown', {
      key: 'n', code: 'KeyN', altKey: true, shiftKey: halten.includes('Shift'), ctrlKey: halten.includes('Control'),
      repeat: true, bubbles: true, cancelable: true,
    }))), halten);
    await seite.keyboard.up('n');
    for (const taste of halten.reverse())
      await seite.keyboard.up(taste);
    assert.deepEqual(await zustand(seite), einmal, 'ein gehaltenes Zeichen begann mehr als ein Spiel');
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
