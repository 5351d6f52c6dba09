// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// How long the browser edition takes for a picture file, and whether the
// page goes on drawing meanwhile, in headless Chromium:
//   node langsame.js <folder> <picture>... [--laeufe N]
// For each picture, in N fresh pages: handed over as the file choice does
// (the decoder comes with the file), then once more in the same page (the
// decoder is there): the milliseconds from the file handed over to the
// picture held or the message shown, and the longest time between two
// frames the page drew meanwhile. The medians of the times, the longest
// gap of all runs.
const fs = require('fs');
const path = require('path');
const { pathToFileURL } = require('url');
const { chromium } = require('playwright-core');

const argumente = process.argv.slice(2);
const stelle = argumente.indexOf('--laeufe');
const laeufe = stelle >= 0 ? Number(argumente.splice(stelle, 2)[1]) : 3;
const [ordner, ...bilder] = argumente.map((pfad) => path.resolve(pfad));

const median = (werte) => [...werte].sort((a, b) => a - b)[werte.length >> 1];

// Hands the file over and waits for the outcome, counting the frames.
async function miss(seite, bild) {
  await seite.evaluate(() => {
    document.getElementById('Bilddatei').value = '';
    const echt = Bilder.uebernimm;
    const bilder = [];
    let laeuft = true;
    const zeichne = (zeit) => {
      bilder.push(zeit);
      if (laeuft)
        requestAnimationFrame(zeichne);
    };
    requestAnimationFrame(zeichne);
    window.messung = new Promise((fertig) => {
      Bilder.uebernimm = async (index, datei) => {
        Bilder.uebernimm = echt;
        const anfang = performance.now();
        let ausgang = 'Bild';
        try {
          await echt(index, datei);
        } catch (fehler) {
          ausgang = fehler.message;
        }
        const ms = performance.now() - anfang;
        await new Promise((weiter) => requestAnimationFrame(weiter));
        laeuft = false;
        const zwischen = bilder.slice(1).map((zeit, i) => zeit - bilder[i]);
        fertig({ ms, ausgang, luecke: Math.max(0, ...zwischen) });
      };
    });
  });
  await seite.setInputFiles('#Bilddatei', bild);
  return seite.evaluate(() => window.messung);
}

(async () => {
  const browser = await chromium.launch({
    executablePath: process.env.KALUMBO_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
  const kontext = await browser.newContext({ viewport: { width: 553, height: 417 } });
  const adresse = pathToFileURL(ordner + '/index.html').href;
  console.log('   erstes ms   zweites ms  Lücke ms  Ausgang');
  for (const bild of bilder) {
    const erste = [];
    const zweite = [];
    let luecke = 0;
    let ausgang = '';
    for (let lauf = 0; lauf < laeufe; ++lauf) {
      const seite = await kontext.newPage();
      await seite.goto(adresse);
      await seite.waitForSelector('html[data-bereit]');
      for (const liste of [erste, zweite]) {
        const messung = await miss(seite, bild);
        liste.push(messung.ms);
        luecke = Math.max(luecke, messung.luecke);
        ausgang = messung.ausgang;
      }
      await seite.close();
    }
    console.log(`${median(erste).toFixed(1).padStart(11)} ${median(zweite).toFixed(1).padStart(12)} ` +
                `${luecke.toFixed(1).padStart(9)}  ${ausgang.slice(-24).padEnd(24)}  ${path.basename(bild)}`);
  }
  await browser.close();
})();
