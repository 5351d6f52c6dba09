// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// Playing with the keyboard alone and hearing the board: the board's
// place in the Tab order, the cursor's frame, whole games won with keys,
// keys held down, the help and a message box over the board, what a
// screen reader is given, and the tab headers worked by keys.
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { starteBrowser, kannNicht, ZUGRIFF } = require('./hilfen/browser');
const { zustand, feld, freiesPaar, druecke, bildschirm, NORMAL, AUSGEWAEHLT } = require('./hilfen/spiel');
const { Texte, fuelle } = require('./hilfen/texte');

const SAAT = 7321;

// The cell that has the focus, as [column, row], or null off the board.
const fokuszelle = (seite) => seite.evaluate(() => {
  const zelle = document.activeElement.closest('#Brettzugang [role=gridcell]');
  if (!zelle)
    return null;
  const reihe = zelle.parentElement;
  return [[...reihe.children].indexOf(zelle) + 1, [...reihe.parentElement.children].indexOf(reihe) + 1];
});

// Walks the cursor to the cell with Home, End and the arrow keys, as a
// player would, and checks that it arrived.
async function gehe(seite, [spalte, zeile]) {
  if (spalte === 1)
    await seite.keyboard.press('Home');
  if (spalte === 8)
    await seite.keyboard.press('End');
  for (let schritt = 0; schritt < 16; ++schritt) {
    const [jetztSpalte, jetztZeile] = await fokuszelle(seite);
    if (jetztSpalte === spalte && jetztZeile === zeile)
      return;
    await seite.keyboard.press(jetztZeile < zeile ? 'ArrowDown' : jetztZeile > zeile ? 'ArrowUp'
      : jetztSpalte < spalte ? 'ArrowRight' : 'ArrowLeft');
  }
  assert.deepEqual(await fokuszelle(seite), [spalte, zeile]);
}

// The 64 cells as [column, row], row by row from the top left, as the
// grid lists them.
const ZELLEN = Array.from({ length: 64 }, (_, nummer) => [nummer % 8 + 1, Math.floor(nummer / 8) + 1]);

// Whether a tile stands on the cell that a press would not take now.
const istEingesperrt = (stand, zelle) => feld(stand, zelle).seite !== 0 && !feld(stand, zelle).frei;

// The first tile a press would take, reading row by row.
const ersterFreierStein = (stand) => ZELLEN.find((zelle) => feld(stand, zelle).frei) ?? null;

const ansage = (seite) => seite.evaluate(() => document.getElementById('Ansage').textContent.trim());
// Waits until the status line says the words: those of a new game come a
// frame after the game.
const sagt = (seite, worte) => seite.waitForFunction((worte) => document.getElementById('Ansage').textContent.trim() === worte, worte);

// "Neues Spiel" by keys: back from the board to the button, Space, and on
// to the board again.
async function neuesSpielMitTasten(seite) {
  if (await fokuszelle(seite))
    await seite.keyboard.press('Shift+Tab');
  assert.equal(await seite.evaluate(() => document.activeElement.id), 'NeuesSpielKnopf');
  await seite.keyboard.press('Space');
  await seite.keyboard.press('Tab');
}

// Each group of tests gets a browser of its own, with the game's page
// dealing from the tests' seed, handed over before the group's tests run.
function mitSeite(nimm) {
  let browser;
  before(async () => {
    browser = await starteBrowser();
    const { seite } = await browser.oeffne();
    await seite.evaluate((saat) => Spiel.saeeFest(saat), SAAT);
    nimm(seite);
  });
  after(() => browser.schliesse());
}

describe('Ein ganzes Spiel nur mit der Tastatur', () => {
  let seite;
  mitSeite((offen) => { seite = offen; });

  test('unter der Hilfe ist das Brett kein Halt der Tab-Taste, nach "Neues Spiel" der nächste', async () => {
    await seite.focus('#NeuesSpielKnopf');
    await seite.keyboard.press('Tab');
    assert.equal(await fokuszelle(seite), null, 'das Brett unter der Hilfe nahm den Fokus');
    await seite.focus('#NeuesSpielKnopf');
    await neuesSpielMitTasten(seite);
    assert.deepEqual(await fokuszelle(seite), ersterFreierStein(await zustand(seite)));
    await seite.keyboard.press('Tab');
    assert.equal(await seite.evaluate(() => document.activeElement.id), 'ReiterEinstellungen');
    await seite.keyboard.press('Shift+Tab');
    assert.ok(await fokuszelle(seite));
  });

  test('die Pfeile gehen über alle 64 Felder und halten am Rand, Pos1 und Ende in der Zeile', async () => {
    for (const taste of ['ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowUp', 'Home', 'ArrowLeft'])
      await seite.keyboard.press(taste);
    assert.deepEqual(await fokuszelle(seite), [1, 1]);
    await seite.keyboard.press('End');
    await seite.keyboard.press('ArrowRight');
    assert.deepEqual(await fokuszelle(seite), [8, 1]);
    const besucht = new Set();
    for (let zeile = 1; zeile <= 8; ++zeile) {
      for (let schritt = 0; schritt < 8; ++schritt) {
        besucht.add(String(await fokuszelle(seite)));
        await seite.keyboard.press(zeile % 2 ? 'ArrowLeft' : 'ArrowRight');
      }
      await seite.keyboard.press('ArrowDown');
    }
    assert.equal(besucht.size, 64);
    await seite.keyboard.press('ArrowDown');
    assert.deepEqual(await fokuszelle(seite), [8, 8]);
  });

  test('Leertaste und Eingabe nehmen Paar um Paar, bis alles gelöst ist', async () => {
    for (let versuch = 0; versuch < 20 && (await zustand(seite)).geloest < 18; ++versuch) {
      if (versuch > 0) {
        await neuesSpielMitTasten(seite);
        assert.deepEqual(await fokuszelle(seite), ersterFreierStein(await zustand(seite)));
      }
      for (let paar = freiesPaar(await zustand(seite)); paar; paar = freiesPaar(await zustand(seite))) {
        const vorher = await zustand(seite);
        const [erste, zweite] = paar;
        await gehe(seite, erste);
        await seite.keyboard.press('Space');
        assert.deepEqual((await zustand(seite)).auswahl, erste);
        const [rechnung, ergebnis] = vorher.aufgaben[feld(vorher, erste).paar - 1];
        const text = [rechnung, ergebnis][feld(vorher, erste).seite - 1];
        assert.equal(await ansage(seite), `${text} ausgewählt`);
        await gehe(seite, zweite);
        await seite.keyboard.press('Enter');
        const nachher = await zustand(seite);
        assert.equal(nachher.geloest, vorher.geloest + 1);
        assert.equal(feld(nachher, erste).seite, 0);
        assert.equal(feld(nachher, zweite).seite, 0);
        const zeile = `${rechnung} = ${ergebnis}`;
        assert.equal(await ansage(seite), nachher.geloest < 18
          ? fuelle(Texte.AnsageGeloest, zeile, fuelle(Texte.Fortschritt, nachher.geloest, 18))
          : fuelle(Texte.AnsageFertig, zeile));
      }
    }
    assert.equal((await zustand(seite)).geloest, 18, 'in 20 Spielen keines gewonnen');
    assert.ok(await seite.isVisible('#Bravo'));
    assert.match(await ansage(seite), /Es ist alles gelöst/);
  });
});

describe('Der Rahmen des Zeigers', () => {
  let seite;
  mitSeite((offen) => { seite = offen; });
  before(() => seite.click('#NeuesSpielKnopf'));

  test('ein Druck der Maus verbirgt ihn bis zur nächsten Taste, das Brett bleibt Pixel für Pixel', async () => {
    const stein = ersterFreierStein(await zustand(seite));
    await seite.focus('#NeuesSpielKnopf');
    await seite.keyboard.press('Tab');
    await druecke(seite, stein);
    assert.deepEqual(await fokuszelle(seite), stein, 'die Maus nahm den Zeiger nicht mit');
    const nachDerMaus = await seite.screenshot();

    await seite.keyboard.press('ArrowRight');
    assert.deepEqual(await fokuszelle(seite), stein, 'die erste Taste nach der Maus zeigt den Zeiger nur');
    const schirm = await bildschirm(seite);
    // White on the tile's outline and in the gap, black inside it, the
    // middle of the face untouched.
    assert.deepEqual(schirm.amBrett(stein, 0, 5), [255, 255, 255]);
    assert.deepEqual(schirm.amBrett(stein, -1, 5), [255, 255, 255]);
    assert.deepEqual(schirm.amBrett(stein, 2, 5), [0, 0, 0]);
    assert.deepEqual(schirm.amBrett(stein, 46, 44), [0, 0, 0]);
    assert.deepEqual(schirm.amBrett(stein, 48, 44), [255, 255, 255]);

    await seite.evaluate(() => document.activeElement.blur());
    assert.ok(nachDerMaus.equals(await seite.screenshot()), 'nach dem Mausdruck war ein Rahmen zu sehen');
  });
});

describe('Was ein Druck tat, in Worten, auch im zweiten Spiel', () => {
  let seite;
  mitSeite((offen) => { seite = offen; });

  test('jedes neue Spiel sagt sich an, und seine ersten Paare sagen, was sie taten', async () => {
    for (let spiel = 1; spiel <= 2; ++spiel) {
      await seite.focus('#NeuesSpielKnopf');
      await neuesSpielMitTasten(seite);
      await sagt(seite, fuelle(Texte.AnsageNeuesSpiel, 18));
      for (let geloest = 1; geloest <= 2; ++geloest) {
        const stand = await zustand(seite);
        const [erste, zweite] = freiesPaar(stand);
        const [rechnung, ergebnis] = stand.aufgaben[feld(stand, erste).paar - 1];
        const text = [rechnung, ergebnis][feld(stand, erste).seite - 1];
        await gehe(seite, erste);
        await seite.keyboard.press('Space');
        assert.equal(await ansage(seite), fuelle(Texte.AnsageAusgewaehlt, text), `Spiel ${spiel}`);
        await gehe(seite, zweite);
        await seite.keyboard.press('Space');
        assert.equal(await ansage(seite), fuelle(Texte.AnsageGeloest, `${rechnung} = ${ergebnis}`,
          fuelle(Texte.Fortschritt, geloest, 18)), `Spiel ${spiel}`);
      }
    }
  });
});

// The screen at the cell: its fill just inside the outline, and whether
// the keyboard's frame is around it (white on the tile's outline).
async function amStein(seite, zelle) {
  const schirm = await bildschirm(seite);
  return { fuellung: schirm.amBrett(zelle, 3, 3), rahmen: String(schirm.amBrett(zelle, 0, 5)) === '255,255,255' };
}

// Whether anything is painted on the layer above the board, which holds
// nothing but the keyboard's frame.
const rahmenGemalt = (seite) => seite.$eval('#Zeigerebene', (ebene) =>
  ebene.getContext('2d').getImageData(0, 0, ebene.width, ebene.height).data.some((wert, stelle) => stelle % 4 === 3 && wert > 0));

// Drops a file that is no picture onto the board: the game's message box
// says so.
const lasseFallen = (seite) => seite.evaluate(() => {
  const uebergabe = new DataTransfer();
  uebergabe.items.add(new File(['kein Bild'], 'notiz.jpg', { type: 'image/jpeg' }));
  for (const art of ['dragenter', 'dragover', 'drop'])
    document.getElementById('Spielbrett').dispatchEvent(new DragEvent(art, { dataTransfer: uebergabe, bubbles: true, cancelable: true }));
});

describe('Die Hilfe und eine Meldung über dem Brett, gehaltene Tasten', () => {
  let seite;
  mitSeite((offen) => { seite = offen; });

  test('mit der Hilfe drückt Eingabe "Fertig" und keinen Stein, das Brett ist kein Halt der Tab-Taste', async () => {
    await seite.focus('#NeuesSpielKnopf');
    await neuesSpielMitTasten(seite);
    const stein = await fokuszelle(seite);
    await seite.keyboard.press(`${ZUGRIFF}+h`);
    assert.ok(await seite.isVisible('#Hilfe'));
    await seite.keyboard.press('Space');
    await seite.keyboard.press('Shift+Tab');
    await seite.keyboard.press('Tab');
    assert.equal(await fokuszelle(seite), null, 'das Brett unter der Hilfe nahm den Fokus');
    await seite.focus(`#Zelle${stein[0]}${stein[1]} > *`);
    await seite.keyboard.press('Enter');
    assert.ok(!(await seite.isVisible('#Hilfe')));
    assert.deepEqual(await amStein(seite, stein), { fuellung: NORMAL, rahmen: true });
    await sagt(seite, fuelle(Texte.AnsageNeuesSpiel, 18));
    await seite.keyboard.press('Enter');
    assert.deepEqual(await amStein(seite, stein), { fuellung: AUSGEWAEHLT, rahmen: true });
    assert.match(await ansage(seite), / ausgewählt$/);
  });

  test('eine gehaltene Pfeiltaste geht Feld um Feld, eine gehaltene Leertaste drückt nur einmal', async () => {
    // A held key: after the first the browser repeats the key's keydown,
    // marked as a repetition, until the key is let go; here three times.
    const halte = async (taste) => {
      await seite.keyboard.down(taste);
      await seite.evaluate((taste) => [1, 2, 3].forEach(() => document.activeElement.dispatchEvent(new KeyboardEvent('keydown',
        { key: taste === 'Space' ? ' ' : taste, code: taste, repeat: true, bubbles: true, cancelable: true }))), taste);
      await seite.keyboard.up(taste);
    };
    await seite.keyboard.press('Home');
    const [, zeile] = await fokuszelle(seite);
    await halte('ArrowRight');
    assert.deepEqual(await fokuszelle(seite), [5, zeile]);

    const [erste] = freiesPaar(await zustand(seite));
    await gehe(seite, erste);
    const vorher = (await amStein(seite, erste)).fuellung;
    await halte('Space');
    assert.notDeepEqual((await amStein(seite, erste)).fuellung, vorher, 'die gehaltene Leertaste drückte nicht einmal');
  });

  test('ein eingesperrter Stein sagt es bei jedem Druck von neuem', async () => {
    const stand = await zustand(seite);
    const eingesperrt = ZELLEN.find((zelle) => istEingesperrt(stand, zelle));
    await gehe(seite, eingesperrt);
    const name = await seite.$eval(`#Zelle${eingesperrt[0]}${eingesperrt[1]}`, (zelle) => zelle.textContent);
    const gehoert = [];
    for (let mal = 0; mal < 2; ++mal) {
      await seite.keyboard.press('Space');
      gehoert.push(await seite.textContent('#Ansage'));
    }
    assert.deepEqual(gehoert.map((text) => text.trim()), Array(2).fill(fuelle(Texte.AnsageEingesperrt, name)));
    assert.notEqual(gehoert[0], gehoert[1], 'die zweite Ansage war keine Änderung, die ein Screenreader hört');
  });

  test('nach einer Meldung ist der Fokus wieder auf seiner Zelle, mit dem Rahmen nach Tasten, ohne nach der Maus', async () => {
    await seite.focus('#NeuesSpielKnopf');
    await neuesSpielMitTasten(seite);
    const stein = await fokuszelle(seite);
    assert.equal((await amStein(seite, stein)).rahmen, true);
    await lasseFallen(seite);
    await seite.waitForSelector('#Meldung');
    assert.equal(await rahmenGemalt(seite), false, 'der Rahmen blieb, als die Meldung den Fokus nahm');
    await seite.keyboard.press('Enter');
    assert.ok(!(await seite.isVisible('#Meldung')));
    assert.deepEqual(await fokuszelle(seite), stein);
    assert.equal((await amStein(seite, stein)).rahmen, true, 'nach der Meldung fehlt der Rahmen');

    // After a press of the mouse, OK by Enter or the box left by Escape
    // leave the board exactly as it was: no key was meant for it.
    await druecke(seite, stein);
    assert.deepEqual(await amStein(seite, stein), { fuellung: AUSGEWAEHLT, rahmen: false });
    const vorher = await seite.screenshot();
    for (const taste of ['Enter', 'Escape']) {
      await lasseFallen(seite);
      await seite.waitForSelector('#Meldung');
      await seite.keyboard.press(taste);
      assert.ok(!(await seite.isVisible('#Meldung')));
      assert.deepEqual(await fokuszelle(seite), stein);
      assert.ok(vorher.equals(await seite.screenshot()), `die Meldung, mit ${taste} geschlossen, änderte das Brett`);
    }
    await seite.keyboard.press('ArrowRight');
    assert.deepEqual(await fokuszelle(seite), stein, 'die erste Taste nach der Maus zeigt den Zeiger nur');
    assert.deepEqual(await amStein(seite, stein), { fuellung: AUSGEWAEHLT, rahmen: true });
  });
});

// Chromium's own accessibility tree, as a screen reader reads it: every
// node that is not left out, with its role, name, description and states.
async function baumDerZugaenglichkeit(seite) {
  const cdp = await seite.context().newCDPSession(seite);
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  await cdp.detach();
  const knoten = new Map(nodes.map((teil) => [teil.nodeId, teil]));
  const lies = (teil) => ({
    rolle: teil.role?.value,
    name: teil.name?.value ?? '',
    beschreibung: teil.description?.value ?? '',
    zustand: Object.fromEntries((teil.properties ?? []).map(({ name, value }) => [name, value.value])),
    kinder: (teil.childIds ?? []).map((id) => knoten.get(id)).filter((kind) => kind && !kind.ignored).map(lies),
  });
  return nodes.filter((teil) => !teil.ignored).map(lies);
}

const text = (teil) => teil.kinder.length ? teil.kinder.map(text).join('') : teil.name;

describe('Was ein Screenreader vom Brett erfährt', () => {
  let seite;
  mitSeite((offen) => { seite = offen; });

  test('ein Raster "Spielbrett" aus 8 x 8 Zellen, benannt nach ihren Steinen, mit Auswahl und Ansage', { skip: kannNicht('chromiumProtokoll') }, async () => {
    await seite.focus('#NeuesSpielKnopf');
    await neuesSpielMitTasten(seite);
    const stand = await zustand(seite);
    const steintext = ([spalte, zeile]) => {
      const { paar, seite: seitenteil } = feld(stand, [spalte, zeile]);
      return seitenteil === 0 ? 'leer' : stand.aufgaben[paar - 1][seitenteil - 1];
    };
    await sagt(seite, fuelle(Texte.AnsageNeuesSpiel, 18));
    const vorher = await baumDerZugaenglichkeit(seite);
    const [brett] = vorher.filter((teil) => teil.rolle === 'grid');
    assert.equal(brett?.name, 'Spielbrett');
    assert.ok(!vorher.some((teil) => teil.rolle === 'Canvas'), 'die Leinwand wird neben dem Raster ohne Namen vorgelesen');
    assert.deepEqual(brett.kinder.map((reihe) => [reihe.rolle, reihe.kinder.length]), Array(8).fill(['row', 8]));
    const zellen = brett.kinder.flatMap((reihe) => reihe.kinder);
    const erwartet = ZELLEN.map((zelle) => `${steintext(zelle)}${istEingesperrt(stand, zelle) ? ' (eingesperrt)' : ''}`);
    assert.deepEqual(zellen.map((zelle) => `${zelle.name}${zelle.beschreibung ? ` (${zelle.beschreibung})` : ''}`), erwartet);
    const erster = ersterFreierStein(stand);
    // The focus is on what a cell shows, the cell's one child.
    const imFokus = zellen.filter((zelle) => zelle.kinder.some((teil) => teil.zustand.focused));
    assert.deepEqual(imFokus.map((zelle) => [zelle.rolle, zelle.name, zelle.zustand.selected]), [['gridcell', steintext(erster), false]]);
    const [status] = vorher.filter((teil) => teil.rolle === 'status');
    assert.equal(text(status), fuelle(Texte.AnsageNeuesSpiel, 18));

    await seite.keyboard.press('Enter');
    const nachher = await baumDerZugaenglichkeit(seite);
    const gewaehlt = nachher.filter((teil) => teil.rolle === 'gridcell' && teil.zustand.selected);
    assert.deepEqual(gewaehlt.map((zelle) => [zelle.name, zelle.kinder.some((teil) => teil.zustand.focused)]),
      [[steintext(erster), true]]);
    assert.equal(text(nachher.find((teil) => teil.rolle === 'status')).trim(), `${steintext(erster)} ausgewählt`);
  });

  test('die Liste der gelösten Rechnungen hat ihren Namen', { skip: kannNicht('chromiumProtokoll') }, async () => {
    await seite.click('#ReiterSpiel');
    const baum = await baumDerZugaenglichkeit(seite);
    assert.deepEqual(baum.filter((teil) => teil.rolle === 'log').map((teil) => teil.name), [Texte.VerlaufName]);
  });
});

// What the page's grid says of a cell: its name, and its selected state.
const gitterzelle = (seite, [spalte, zeile]) => seite.$eval(`#Zelle${spalte}${zeile}`, (zelle) =>
  [zelle.textContent, zelle.getAttribute('aria-selected')]);

describe('Ein Screenreader drückt eine Zelle auf seine Weise', () => {
  let seite;
  mitSeite((offen) => { seite = offen; });

  test('ein Klick auf die Zelle, wie VoiceOver ihn schickt, drückt sie; die Zellen sagen, was sich änderte', async () => {
    await seite.click('#NeuesSpielKnopf');
    const stand = await zustand(seite);
    const [erste, zweite] = freiesPaar(stand);
    const klicke = ([spalte, zeile]) => seite.$eval(`#Zelle${spalte}${zeile}`, (zelle) => zelle.click());
    const namen = [erste, zweite].map((zelle) => stand.aufgaben[feld(stand, zelle).paar - 1][feld(stand, zelle).seite - 1]);
    await klicke(erste);
    assert.deepEqual((await zustand(seite)).auswahl, erste);
    assert.deepEqual(await gitterzelle(seite, erste), [namen[0], 'true']);
    await klicke(zweite);
    assert.equal((await zustand(seite)).geloest, 1);
    assert.deepEqual([await gitterzelle(seite, erste), await gitterzelle(seite, zweite)], [['leer', null], ['leer', null]]);
    assert.deepEqual(await fokuszelle(seite), zweite, 'der Fokus folgt dem Druck');
  });

  test('setzt er den Fokus auf eine Zelle, geht der Zeiger mit, und die Leertaste drückt dort', async () => {
    const [erste] = freiesPaar(await zustand(seite));
    await seite.focus(`#Zelle${erste[0]}${erste[1]} > *`);
    await seite.keyboard.press('Space');
    assert.deepEqual((await zustand(seite)).auswahl, erste);
  });
});

describe('Eine andere Form mitten im Spiel', () => {
  let seite;
  mitSeite((offen) => { seite = offen; });

  test('die Zellen sagen gleich, welche Steine nun eingesperrt sind', async () => {
    await seite.click('#NeuesSpielKnopf');
    await seite.click('#ReiterEinstellungen');
    await seite.check('input[name=Form][value="2"]');
    const stand = await zustand(seite);
    const eingesperrt = await seite.$$eval('#Brettzugang [role=gridcell]', (zellen) =>
      zellen.map((zelle) => zelle.getAttribute('aria-describedby') === 'Eingesperrt'));
    assert.deepEqual(eingesperrt, ZELLEN.map((zelle) => istEingesperrt(stand, zelle)));
  });
});

describe('Die Reiter "Spiel" und "Einstellungen" mit der Tastatur', () => {
  let seite;
  mitSeite((offen) => { seite = offen; });

  // Which page is in front, which header says so and which has the focus.
  const reiter = () => seite.evaluate(() => ({
    vorn: ['Spiel', 'Einstellungen'].filter((name) => !document.getElementById(name).hidden),
    gewaehlt: [...document.querySelectorAll('[role=tab][aria-selected=true]')].map((kopf) => kopf.id),
    fokus: document.activeElement.id,
    halt: [...document.querySelectorAll('[role=tab]')].filter((kopf) => kopf.tabIndex === 0).map((kopf) => kopf.id),
  }));
  const zeigt = (seitenname) => ({ vorn: [seitenname], gewaehlt: [`Reiter${seitenname}`], fokus: `Reiter${seitenname}`, halt: [`Reiter${seitenname}`] });

  test('Tab kommt zum Reiter der Seite vorn, die Pfeile, Pos1 und Ende wechseln die Seite', async () => {
    await seite.focus('#NeuesSpielKnopf');
    await seite.keyboard.press('Tab');
    assert.deepEqual(await reiter(), zeigt('Einstellungen'));
    await seite.keyboard.press('ArrowLeft');
    assert.deepEqual(await reiter(), zeigt('Spiel'));
    await seite.keyboard.press('ArrowRight');
    assert.deepEqual(await reiter(), zeigt('Einstellungen'));
    await seite.keyboard.press('ArrowRight');
    assert.deepEqual(await reiter(), zeigt('Spiel'), 'nach dem letzten Reiter kommt der erste');
    await seite.keyboard.press('End');
    assert.deepEqual(await reiter(), zeigt('Einstellungen'));
    await seite.keyboard.press('Home');
    assert.deepEqual(await reiter(), zeigt('Spiel'));
    await seite.keyboard.press('Shift+Tab');
    await seite.keyboard.press('Tab');
    assert.deepEqual(await reiter(), zeigt('Spiel'), 'Tab kommt zum Reiter der Seite vorn');
  });
});
