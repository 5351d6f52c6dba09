// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// Measures the browser edition: node web.js <folder> [loads] [--vergleich
// <folder>]. Prints each figure with its median beside the limit it is held
// to. The start-up is held to a yardstick loaded side by side with it: a
// bare page with one button and a 400 x 400 canvas, complete at its first
// frame, and may take at most one and a half times as long. A second build
// of the page (an older one, say) given with --vergleich is loaded, and its
// new games and presses timed, in the same turns, for a before and after
// from one run on a machine whose load comes and goes.
const fs = require('fs');
const os = require('os');
const path = require('path');
const { pathToFileURL } = require('url');
const { chromium } = require('playwright-core');

const argumente = process.argv.slice(2);
const stelle = argumente.indexOf('--vergleich');
const vergleich = stelle >= 0 ? path.resolve(argumente.splice(stelle, 2)[1]) : null;
const ordner = path.resolve(argumente[0] ?? 'build-web/site');
const ladungen = Number(argumente[1] ?? 10);

const mittel = (werte) => werte.reduce((summe, wert) => summe + wert, 0) / werte.length;
const median = (werte) => {
  const sortiert = [...werte].sort((a, b) => a - b);
  const mitte = sortiert.length >> 1;
  return sortiert.length % 2 ? sortiert[mitte] : (sortiert[mitte - 1] + sortiert[mitte]) / 2;
};

function groesse(pfad) {
  const eintrag = fs.statSync(pfad);
  if (!eintrag.isDirectory())
    return eintrag.size;
  return fs.readdirSync(pfad).reduce((summe, name) => summe + groesse(path.join(pfad, name)), 0);
}

function zeile(was, wert, einheit, grenze) {
  const fmt = (zahl) => (zahl >= 100 ? zahl.toFixed(0) : zahl.toFixed(2));
  console.log(`${was.padEnd(44)} ${fmt(wert).padStart(9)} ${einheit.padEnd(3)} (höchstens ${grenze} ${einheit})` +
              (wert <= grenze ? '' : '  ZU VIEL'));
}

// The yardstick, in a folder of its own, timed as the game is: from the
// navigation to the mark its script sets in the first frame.
function legeMassstabAn() {
  const ordner = fs.mkdtempSync(path.join(os.tmpdir(), 'kalumbo-massstab-'));
  fs.writeFileSync(path.join(ordner, 'index.html'), `<!DOCTYPE html>
<html lang="de"><head><meta charset="utf-8"><title>Massstab</title>
<script defer src="seite.js"></script></head>
<body><button type="button">Neues Spiel</button><canvas width="400" height="400"></canvas></body></html>
`);
  fs.writeFileSync(path.join(ordner, 'seite.js'), `'use strict';
const maler = document.querySelector('canvas').getContext('2d');
maler.fillStyle = '#808080';
maler.fillRect(0, 0, 400, 400);
requestAnimationFrame(() => {
  performance.mark('fenster-fertig');
  document.documentElement.dataset.bereit = 'ja';
});
`);
  return ordner;
}

// A new game, timed from the call to the finished board, many times over.
function miss_neuesSpiel(anzahl) {
  const zeiten = [];
  for (let i = 0; i < anzahl; ++i) {
    const anfang = performance.now();
    Spiel.neuesSpiel();
    zeiten.push(performance.now() - anfang);
  }
  return zeiten;
}

// Presses that solve a pair, through the board's own handler: the first
// tile is selected untimed, the press on its partner is timed.
function miss_loesendeDruecke(anzahl) {
  const brett = document.getElementById('Spielbrett');
  const rahmen = brett.getBoundingClientRect();
  const drueckeZelle = ([spalte, zeile]) => brett.dispatchEvent(new PointerEvent('pointerdown', {
    bubbles: true, cancelable: true,
    clientX: rahmen.left + ((spalte - 0.5) * 50 * rahmen.width) / 400,
    clientY: rahmen.top + ((zeile - 0.5) * 50 * rahmen.height) / 400,
  }));
  const freiesPaar = () => {
    const { felder } = Spiel.zustand();
    const frei = [];
    felder.forEach((spalte, s) => spalte.forEach((feld, z) => feld.frei && frei.push([s + 1, z + 1, feld.paar])));
    for (const a of frei)
      for (const b of frei)
        if (a !== b && a[2] === b[2])
          return [a, b];
    return null;
  };
  const zeiten = [];
  while (zeiten.length < anzahl) {
    Spiel.neuesSpiel();
    for (let paar = freiesPaar(); paar && zeiten.length < anzahl; paar = freiesPaar()) {
      drueckeZelle(paar[0]);
      const anfang = performance.now();
      drueckeZelle(paar[1]);
      zeiten.push(performance.now() - anfang);
    }
  }
  return zeiten;
}

(async () => {
  const profil = fs.mkdtempSync(path.join(os.tmpdir(), 'kalumbo-messung-'));
  const kontext = await chromium.launchPersistentContext(profil, {
    executablePath: process.env.KALUMBO_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
    viewport: { width: 553, height: 417 },
  });
  const adresse = pathToFileURL(path.join(ordner, 'index.html')).href;
  const massstab = legeMassstabAn();

  async function startzeit(adresse) {
    const seite = await kontext.newPage();
    await seite.goto(adresse);
    await seite.waitForSelector('html[data-bereit]');
    const zeit = await seite.evaluate(() => performance.getEntriesByName('fenster-fertig')[0].startTime);
    await seite.close();
    return zeit;
  }
  // Each load of the game beside one of the yardstick, taking turns.
  const startzeiten = [];
  const massstabszeiten = [];
  const vergleichszeiten = [];
  for (let i = 0; i < ladungen; ++i) {
    startzeiten.push(await startzeit(adresse));
    massstabszeiten.push(await startzeit(pathToFileURL(path.join(massstab, 'index.html')).href));
    if (vergleich)
      vergleichszeiten.push(await startzeit(pathToFileURL(path.join(vergleich, 'index.html')).href));
  }
  fs.rmSync(massstab, { recursive: true, force: true });

  // New games and presses, 200 of each in rounds of 50, each round in a
  // fresh page; in turns with the comparison's when there is one.
  async function missSpiel(adresse, anzahl, gemessen) {
    const seite = await kontext.newPage();
    await seite.goto(adresse);
    await seite.waitForSelector('html[data-bereit]');
    await seite.evaluate(() => Spiel.saeeFest(1));
    gemessen.neueSpiele.push(...await seite.evaluate(miss_neuesSpiel, anzahl));
    gemessen.druecke.push(...await seite.evaluate(miss_loesendeDruecke, anzahl));
    await seite.close();
  }
  const { neueSpiele, druecke } = { neueSpiele: [], druecke: [] };
  const verglichen = { neueSpiele: [], druecke: [] };
  for (let runde = 0; runde < 4; ++runde) {
    await missSpiel(adresse, 50, { neueSpiele, druecke });
    if (vergleich)
      await missSpiel(pathToFileURL(path.join(vergleich, 'index.html')).href, 50, verglichen);
  }
  await kontext.close();
  fs.rmSync(profil, { recursive: true, force: true });

  console.log(`Chromium headless, ${os.cpus().length} Kerne, Last ${os.loadavg()[0].toFixed(2)}`);
  zeile('Ordner build-web/site', groesse(ordner) / 1024, 'KB', 500);
  zeile('WebAssembly mit Lader (regeln.js)', groesse(path.join(ordner, 'regeln.js')) / 1024, 'KB', 150);
  zeile(`Navigation bis Fenster fertig (Median von ${ladungen})`, median(startzeiten), 'ms', 150);
  console.log(`  einzeln: ${startzeiten.map((zeit) => zeit.toFixed(0)).join(' ')} ms`);
  console.log(`  Maßstab, Knopf und Leinwand: Median ${median(massstabszeiten).toFixed(0)} ms; ` +
              `einzeln: ${massstabszeiten.map((zeit) => zeit.toFixed(0)).join(' ')} ms`);
  zeile('Start im Verhältnis zum Maßstab', median(startzeiten) / median(massstabszeiten), 'x', 1.5);
  if (vergleich) {
    console.log(`  Vergleich ${vergleich}: Median ${median(vergleichszeiten).toFixed(0)} ms, ` +
                `${(median(vergleichszeiten) / median(massstabszeiten)).toFixed(2)} x; ` +
                `einzeln: ${vergleichszeiten.map((zeit) => zeit.toFixed(0)).join(' ')} ms`);
  }
  // The page's clock counts in steps of 0.1 ms; the mean of many presses
  // tells what lies below a step.
  zeile('neues Spiel (Median von 200)', median(neueSpiele), 'ms', 5);
  zeile('lösender Druck (Median von 200)', median(druecke), 'ms', 1);
  console.log(`  Mittel: neues Spiel ${mittel(neueSpiele).toFixed(3)} ms, Druck ${mittel(druecke).toFixed(3)} ms; ` +
              `langsamste: ${Math.max(...neueSpiele).toFixed(1)} ms, ${Math.max(...druecke).toFixed(1)} ms`);
  if (vergleich) {
    console.log(`  Vergleich: neues Spiel Median ${median(verglichen.neueSpiele).toFixed(2)} ms, ` +
                `Mittel ${mittel(verglichen.neueSpiele).toFixed(3)} ms; Druck Median ${median(verglichen.druecke).toFixed(2)} ms, ` +
                `Mittel ${mittel(verglichen.druecke).toFixed(3)} ms`);
  }
})();
