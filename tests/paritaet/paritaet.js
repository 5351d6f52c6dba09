// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// Both editions, side by side: the page in Chromium and the desktop window
// (offscreen) play the same seeded game through the same steps, with the
// input events a player makes, and show the same thing:
// - every pixel of the board equal, but for the tiles' texts, whose ink
//   may fall a pixel apart (two font renderers), so each text's ink box
//   lies within one pixel of the other's;
// - every control the desktop shows there in the page too, at the same
//   rectangle, with the same caption.
// Snapshots are taken at the start (help shown), in a game with a pair
// solved, a tile selected and the keyboard's frame on the board, and on
// the page "Spiel" with the history.
//
// Run by CTest (tests/paritaet/CMakeLists.txt sets the paths); with
// KALUMBO_PARITAET_ORDNER the pictures stay in that folder to be looked at.
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { lesePng } = require('../web/hilfen/png');

const SEITE = process.env.KALUMBO_SEITE;
const FENSTER = process.env.KALUMBO_FENSTER;
const SAAT = 20;
const BRETT = { links: 8, oben: 8 }; // the board's corner in the window, for steps only
const ZELLE = 50;

if (!SEITE || !fs.existsSync(path.join(SEITE, 'index.html'))) {
  console.error(`Die Seite fehlt (${SEITE}): erst ./web.sh bauen.`);
  process.exit(1);
}

// ---- The steps, the same for both editions -------------------------------

// From the game as the page deals it: the keyboard goes from the cursor's
// start to a tile of a free pair and presses it, the mouse takes its
// partner, then the mouse selects a tile of the next free pair, and a key
// shows the frame there again.
function schritteFuer(zustand) {
  const frei = (s, z) => zustand.felder[s - 1][z - 1].frei;
  const paar = (s, z) => zustand.felder[s - 1][z - 1].paar;
  const freie = [];
  for (let z = 1; z <= 8; ++z)
    for (let s = 1; s <= 8; ++s)
      if (frei(s, z))
        freie.push([s, z]);
  const freiesPaar = (ohne) => {
    for (const a of freie)
      for (const b of freie)
        if ((a[0] !== b[0] || a[1] !== b[1]) && paar(...a) === paar(...b) && !ohne.includes(paar(...a)))
          return [a, b];
    return null;
  };
  const erstes = freiesPaar([]);
  assert.ok(erstes, 'das Spiel dieser Saat hat ein freies Paar');
  const [start] = freie;
  const schritte = ['taste:Tab'];
  for (let [s, z] = start; s !== erstes[0][0] || z !== erstes[0][1];) {
    const taste = z < erstes[0][1] ? 'Down' : z > erstes[0][1] ? 'Up' : s < erstes[0][0] ? 'Right' : 'Left';
    schritte.push(`taste:${taste}`);
    z += taste === 'Down' ? 1 : taste === 'Up' ? -1 : 0;
    s += taste === 'Right' ? 1 : taste === 'Left' ? -1 : 0;
  }
  schritte.push('taste:Space', `zelle:${erstes[1].join(',')}`);
  const zweites = freie.find(([s, z]) => paar(s, z) !== paar(...erstes[0]));
  // The tab takes the focus from the board in the page, not on the
  // desktop: there only the controls are compared.
  schritte.push(`zelle:${zweites.join(',')}`, 'taste:Right', 'foto:spiel', 'seite:Spiel', 'controls:verlauf');
  return schritte;
}

// ---- The page ------------------------------------------------------------

const PAGE_CONTROLS = () => {
  // Every element with an id, as the desktop's named controls: rectangle
  // in the window, caption as shown.
  const fenster = document.getElementById('Form1').getBoundingClientRect();
  const text = (element) => {
    if (element instanceof HTMLTextAreaElement)
      return element.value;
    const titel = element.querySelector(':scope > .titel');
    if (titel)
      return titel.textContent;
    return element.textContent.trim();
  };
  return Array.from(document.querySelectorAll('#Form1 [id]'))
    .filter((element) => element.checkVisibility())
    .map((element) => {
      const r = element.getBoundingClientRect();
      return {
        name: element.id,
        lage: [r.left - fenster.left, r.top - fenster.top, r.width, r.height],
        text: text(element),
        eintraege: Array.from(element.querySelectorAll('label')).map((label) => label.textContent.trim()),
      };
    });
};

async function spieleSeite(ordner) {
  const { chromium } = require('playwright-core');
  const browser = await chromium.launch({
    executablePath: process.env.KALUMBO_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--force-color-profile=srgb', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  try {
    const seite = await browser.newPage({ viewport: { width: 553, height: 417 }, deviceScaleFactor: 1 });
    await seite.goto(pathToFileURL(path.join(SEITE, 'index.html')).href);
    await seite.waitForFunction(() => document.documentElement.dataset.bereit === 'ja');
    // Every built-in picture there, as on the desktop, before anything is compared.
    await seite.waitForFunction(() => Array.from(document.querySelectorAll('img[data-src]')).every((bild) => bild.complete));
    await seite.evaluate((saat) => Spiel.saeeFest(saat), SAAT);

    const schritte = ['foto:start', 'klicke:NeuesSpielKnopf'];
    let gespielt = 0;
    const spiele = async (schritt) => {
      const [art, wert] = schritt.split(/:(.*)/s);
      if (art === 'klicke') {
        await seite.click(`#${wert}`);
      } else if (art === 'seite') {
        await seite.click(`#Reiter${wert}`);
      } else if (art === 'zelle') {
        const [s, z] = wert.split(',').map(Number);
        await seite.mouse.click(BRETT.links + ZELLE * s - ZELLE / 2, BRETT.oben + ZELLE * z - ZELLE / 2);
      } else if (art === 'taste') {
        await seite.keyboard.press(wert === 'Space' ? ' ' : wert === 'Up' || wert === 'Down' || wert === 'Left' || wert === 'Right' ? `Arrow${wert}` : wert);
      } else if (art === 'foto' || art === 'controls') {
        await seite.evaluate(() => new Promise((fertig) => requestAnimationFrame(() => requestAnimationFrame(fertig))));
        await seite.screenshot({ path: path.join(ordner, `${wert}.seite.png`), clip: { x: 0, y: 0, width: 553, height: 417 } });
        fs.writeFileSync(path.join(ordner, `${wert}.seite.json`), JSON.stringify(await seite.evaluate(PAGE_CONTROLS)));
        fs.writeFileSync(path.join(ordner, `${wert}.zustand.json`), JSON.stringify(await seite.evaluate(() => Spiel.zustand())));
      }
    };
    for (; gespielt < schritte.length; ++gespielt)
      await spiele(schritte[gespielt]);
    schritte.push(...schritteFuer(await seite.evaluate(() => Spiel.zustand())));
    for (; gespielt < schritte.length; ++gespielt)
      await spiele(schritte[gespielt]);
    return schritte;
  } finally {
    await browser.close();
  }
}

// ---- Comparing -------------------------------------------------------------

const gleich = (a, b) => a[0] === b[0] && a[1] === b[1] && a[2] === b[2];

// The box of the pixels in the tile's face that differ from its fill.
function tinte(bild, s, z) {
  const x0 = BRETT.links + ZELLE * (s - 1), y0 = BRETT.oben + ZELLE * (z - 1);
  const fuellung = bild.farbe(x0 + 3, y0 + 3);
  let box = null;
  for (let y = y0 + 3; y < y0 + 46; ++y)
    for (let x = x0 + 3; x < x0 + 46; ++x)
      if (!gleich(bild.farbe(x, y), fuellung))
        box = box ? [Math.min(box[0], x), Math.min(box[1], y), Math.max(box[2], x), Math.max(box[3], y)] : [x, y, x, y];
  return box;
}

function vergleicheBrett(name, fenster, seite, steine) {
  const fehler = [];
  const ausgenommen = [];
  for (const [s, z] of steine) {
    const a = tinte(fenster, s, z), b = tinte(seite, s, z);
    if (!a || !b || a.some((wert, i) => Math.abs(wert - b[i]) > 1))
      fehler.push(`${name}: Text auf ${s},${z}: Tinte ${a} auf dem Desktop, ${b} in der Seite`);
    if (a && b)
      ausgenommen.push([Math.min(a[0], b[0]) - 1, Math.min(a[1], b[1]) - 1, Math.max(a[2], b[2]) + 1, Math.max(a[3], b[3]) + 1]);
  }
  let anders = 0, erstes = null;
  for (let y = BRETT.oben; y < BRETT.oben + 400; ++y)
    for (let x = BRETT.links; x < BRETT.links + 400; ++x) {
      if (ausgenommen.some(([l, o, r, u]) => x >= l && x <= r && y >= o && y <= u))
        continue;
      if (!gleich(fenster.farbe(x, y), seite.farbe(x, y))) {
        ++anders;
        erstes ??= `${x},${y}: ${fenster.farbe(x, y)} gegen ${seite.farbe(x, y)}`;
      }
    }
  if (anders > 0)
    fehler.push(`${name}: ${anders} Pixel des Bretts verschieden, das erste bei ${erstes}`);
  return fehler;
}

function vergleicheControls(name, fenster, seite) {
  const fehler = [];
  const inSeite = new Map(seite.map((control) => [control.name, control]));
  for (const control of fenster) {
    if (control.name.startsWith('qt_'))
      continue;
    const dort = inSeite.get(control.name);
    if (!dort) {
      fehler.push(`${name}: ${control.name} fehlt in der Seite`);
      continue;
    }
    // A label is as large as its text: by a pixel that is the two font
    // renderers' business. Its place is not.
    const spiel = (i) => (control.art === 'beschriftung' && i >= 2 ? 1 : 0);
    if (control.lage.some((wert, i) => Math.abs(Math.round(dort.lage[i]) - wert) > spiel(i)))
      fehler.push(`${name}: ${control.name} liegt auf dem Desktop bei ${control.lage}, in der Seite bei ${dort.lage}`);
    if (control.art !== 'flaeche' && control.text !== dort.text)
      fehler.push(`${name}: ${control.name} zeigt auf dem Desktop ${JSON.stringify(control.text)}, in der Seite ${JSON.stringify(dort.text)}`);
    if (control.art === 'gruppe' && control.eintraege.join('|') !== dort.eintraege.join('|'))
      fehler.push(`${name}: ${control.name} hat auf dem Desktop ${control.eintraege}, in der Seite ${dort.eintraege}`);
  }
  return fehler;
}

async function main() {
  const ordner = process.env.KALUMBO_PARITAET_ORDNER ?? fs.mkdtempSync(path.join(os.tmpdir(), 'paritaet-'));
  fs.mkdirSync(ordner, { recursive: true });
  const schritte = await spieleSeite(ordner);
  execFileSync(FENSTER, [String(SAAT), ordner, ...schritte], { stdio: 'inherit', timeout: 60_000 });

  const fehler = [];
  for (const schritt of schritte.filter((schritt) => /^(foto|controls):/.test(schritt))) {
    const [art, name] = schritt.split(':');
    const fenster = lesePng(fs.readFileSync(path.join(ordner, `${name}.png`)));
    const seite = lesePng(fs.readFileSync(path.join(ordner, `${name}.seite.png`)));
    const controlsFenster = JSON.parse(fs.readFileSync(path.join(ordner, `${name}.json`)));
    const controlsSeite = JSON.parse(fs.readFileSync(path.join(ordner, `${name}.seite.json`)));
    fehler.push(...vergleicheControls(name, controlsFenster, controlsSeite));
    // The board is compared where the help does not cover it.
    if (art === 'foto' && !controlsFenster.some((control) => control.name === 'Hilfe')) {
      const { felder } = JSON.parse(fs.readFileSync(path.join(ordner, `${name}.zustand.json`)));
      const steine = [];
      for (let z = 1; z <= 8; ++z)
        for (let s = 1; s <= 8; ++s)
          if (felder[s - 1][z - 1].seite !== 0)
            steine.push([s, z]);
      fehler.push(...vergleicheBrett(name, fenster, seite, steine));
    }
  }
  console.log(`Schritte: ${schritte.join(' ')}`);
  console.log(`Bilder in ${ordner}`);
  if (fehler.length > 0) {
    console.error(fehler.join('\n'));
    process.exit(1);
  }
  console.log('Beide Ausgaben zeigen das Gleiche.');
}

main().catch((fehler) => {
  console.error(fehler);
  process.exit(1);
});
