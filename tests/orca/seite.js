// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The page for the listening test, in a window of its own on the display
// where Orca listens:
//
//     node seite.js chromium|firefox <browser> <site folder> <Saat>
//
// Opens the game from disk, has every game dealt from the seed and prints
// "bereit". Then it answers a line "fokus" by putting the focus on "Neues
// Spiel" and printing "fokus", a line "ansage" with the number of keys
// the page has handled and the status line's words, as JSON, and each
// line "spiel" with the game as the
// rules hold it, one cell a line as
// "Spalte Zeile Paar Seite Frei Text" ("-" for a cell without a tile),
// then "gegeben". The keys come from the display, as a child's would.
const fs = require('fs');
const os = require('os');
const path = require('path');
const readline = require('readline');
const { pathToFileURL } = require('url');

const [motor, programm, ordner, saat] = process.argv.slice(2);
const ADRESSE = pathToFileURL(path.join(path.resolve(ordner), 'index.html')).href;

async function oeffne() {
  if (motor === 'chromium') {
    const { chromium } = require('playwright-core');
    // Chromium here speaks English and would offer to translate the German
    // page, a question that takes the focus: its profile turns that off.
    const profil = fs.mkdtempSync(path.join(os.tmpdir(), 'chromium-'));
    fs.mkdirSync(path.join(profil, 'Default'));
    fs.writeFileSync(path.join(profil, 'Default', 'Preferences'), JSON.stringify({ translate: { enabled: false } }));
    // The renderer builds its accessibility tree only when asked to.
    const browser = await chromium.launchPersistentContext(profil, {
      executablePath: programm,
      headless: false,
      args: ['--force-renderer-accessibility', '--no-sandbox', '--disable-gpu', '--no-first-run'],
      viewport: { width: 553, height: 417 },
    });
    const seite = browser.pages()[0] ?? (await browser.newPage());
    return { browser, seite };
  }
  const puppeteer = require('puppeteer-core');
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: programm,
    headless: false,
    protocol: 'webDriverBiDi',
    extraPrefsFirefox: { 'network.proxy.type': 0 },
  });
  const seite = (await browser.pages())[0] ?? (await browser.newPage());
  await seite.setViewport({ width: 553, height: 417 });
  return { browser, seite };
}

async function main() {
  const { browser, seite } = await oeffne();
  await seite.goto(ADRESSE);
  await seite.waitForSelector('html[data-bereit]');
  await seite.evaluate((s) => Spiel.saeeFest(s), Number(saat));
  // A key is handled once it is let go; Alt and Shift only go with others.
  await seite.evaluate(() => {
    window.erledigteTasten = 0;
    addEventListener('keyup', (ereignis) => {
      if (!['Alt', 'Shift', 'Control', 'Meta'].includes(ereignis.key))
        ++window.erledigteTasten;
    });
  });
  process.stdout.write('bereit\n');

  for await (const zeile of readline.createInterface({ input: process.stdin })) {
    if (zeile.trim() === 'fokus') {
      await seite.focus('#NeuesSpielKnopf');
      process.stdout.write('fokus\n');
    }
    if (zeile.trim() === 'ansage')
      process.stdout.write(JSON.stringify(await seite.evaluate(() =>
        [window.erledigteTasten, document.getElementById('Ansage').textContent])) + '\n');
    if (zeile.trim() !== 'spiel')
      continue;
    const { felder, aufgaben } = await seite.evaluate(() => Spiel.zustand());
    const zeilen = [];
    for (let reihe = 1; reihe <= 8; ++reihe)
      for (let spalte = 1; spalte <= 8; ++spalte) {
        const { paar, seite: art, frei } = felder[spalte - 1][reihe - 1];
        const text = art === 0 ? '-' : aufgaben[paar - 1][art - 1];
        zeilen.push(`${spalte} ${reihe} ${paar} ${art} ${frei ? 1 : 0} ${text}`);
      }
    process.stdout.write(zeilen.join('\n') + '\ngegeben\n');
  }
  await browser.close();
}

main().catch((fehler) => {
  console.error(fehler);
  process.exit(1);
});
