// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// Measures own pictures in the browser edition, in headless Chromium:
//   node eigenesbild.js <folder> <picture>... [--laeufe N]
// For each picture file, in N fresh pages: the time from the file handed to
// the page to the picture held, and the renderer's peak memory above what
// it held before; first as the first own picture of the visit, handed
// over as the file choice does but without the choice having opened (the
// decoder comes with the file), then dropped onto the board after being
// dragged over the page for a moment (the decoder comes with the drag, as
// when a player drags a file from elsewhere), then once more through the
// file choice. Then the folder's size and what the page loads at start.
const fs = require('fs');
const path = require('path');
const { pathToFileURL } = require('url');
const { chromium } = require('playwright-core');

const argumente = process.argv.slice(2);
const stelle = argumente.indexOf('--laeufe');
const laeufe = stelle >= 0 ? Number(argumente.splice(stelle, 2)[1]) : 5;
const [ordner, ...bilder] = argumente.map((pfad) => path.resolve(pfad));
const MIB = 1024 * 1024;

const median = (werte) => {
  const sortiert = [...werte].sort((a, b) => a - b);
  const mitte = sortiert.length >> 1;
  return sortiert.length % 2 ? sortiert[mitte] : (sortiert[mitte - 1] + sortiert[mitte]) / 2;
};

function dateigroesse(pfad) {
  const eintrag = fs.statSync(pfad);
  if (!eintrag.isDirectory())
    return eintrag.size;
  return fs.readdirSync(pfad).reduce((summe, name) => summe + dateigroesse(path.join(pfad, name)), 0);
}

// The renderer processes among the descendants of a process.
function renderer(vorfahr) {
  const kinder = (pid) => {
    const liste = [];
    for (const eintrag of fs.readdirSync('/proc')) {
      if (!/^\d+$/.test(eintrag))
        continue;
      try {
        const status = fs.readFileSync(`/proc/${eintrag}/status`, 'utf8');
        if (Number(/PPid:\s+(\d+)/.exec(status)[1]) === pid)
          liste.push(Number(eintrag));
      } catch {
        // gone meanwhile
      }
    }
    return liste;
  };
  const alle = [];
  const offen = [vorfahr];
  while (offen.length > 0) {
    const pid = offen.pop();
    for (const kind of kinder(pid)) {
      alle.push(kind);
      offen.push(kind);
    }
  }
  return alle.filter((pid) => {
    try {
      return fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8').includes('--type=renderer');
    } catch {
      return false;
    }
  });
}

// Resident and peak resident memory of a process in bytes.
function speicher(pid) {
  const status = fs.readFileSync(`/proc/${pid}/status`, 'utf8');
  const wert = (name) => Number(new RegExp(`${name}:\\s+(\\d+) kB`).exec(status)[1]) * 1024;
  return { jetzt: wert('VmRSS'), spitze: wert('VmHWM') };
}

// Starts the peak afresh: from now on VmHWM counts from VmRSS.
function setzeSpitzeZurueck(pid) {
  fs.writeFileSync(`/proc/${pid}/clear_refs`, '5');
}

// How long a dragged file is over the page before it is dropped: a drag
// from a file manager to the board takes longer than this.
const SCHWEBEN_MS = 300;

// Hands the file to the page, by the file choice or dropped onto the board,
// and waits until the item holds the picture. Milliseconds from the file
// handed over to the picture held, and peak bytes above before.
async function miss(seite, sitzung, pids, bild, fallen = false) {
  if (fallen) {
    // The file reaches the page by a field of the measurement's own, which
    // the game does not know, before the drag begins.
    await seite.evaluate(() => {
      const feld = document.createElement('input');
      feld.type = 'file';
      feld.id = 'Messdatei';
      feld.hidden = true;
      document.body.append(feld);
    });
    await seite.setInputFiles('#Messdatei', bild);
  }
  await sitzung.send('HeapProfiler.collectGarbage');
  const vorher = new Map(pids.map((pid) => [pid, speicher(pid).jetzt]));
  pids.forEach(setzeSpitzeZurueck);
  await seite.evaluate(() => {
    // The same file again must count as a new choice.
    document.getElementById('Bilddatei').value = '';
    const echt = Bilder.uebernimm;
    window.messung = new Promise((fertig, fehler) => {
      Bilder.uebernimm = async (index, datei) => {
        Bilder.uebernimm = echt;
        const anfang = performance.now();
        try {
          await echt(index, datei);
          fertig(performance.now() - anfang);
        } catch (ausnahme) {
          fehler(ausnahme);
        }
      };
    });
  });
  if (fallen) {
    await seite.evaluate(async (schweben) => {
      const feld = document.getElementById('Messdatei');
      const uebergabe = new DataTransfer();
      uebergabe.items.add(feld.files[0]);
      feld.remove();
      const brett = document.getElementById('Spielbrett');
      const ziehe = (art) => brett.dispatchEvent(new DragEvent(art, { dataTransfer: uebergabe, bubbles: true, cancelable: true }));
      ziehe('dragenter');
      ziehe('dragover');
      await new Promise((weiter) => setTimeout(weiter, schweben));
      ziehe('drop');
    }, SCHWEBEN_MS);
  } else {
    await seite.setInputFiles('#Bilddatei', bild);
  }
  const ms = await seite.evaluate(() => window.messung);
  const mehr = Math.max(...pids.map((pid) => speicher(pid).spitze - vorher.get(pid)));
  return { ms, mehr };
}

(async () => {
  const browser = await chromium.launch({
    executablePath: process.env.KALUMBO_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--js-flags=--expose-gc'],
  });
  const kontext = await browser.newContext({ viewport: { width: 553, height: 417 } });
  const adresse = pathToFileURL(ordner + '/index.html').href;

  let dekoderAmStart = false;
  for (const bild of bilder) {
    const erste = [];
    const gezogene = [];
    const zweite = [];
    for (let lauf = 0; lauf < laeufe; ++lauf) {
      const seite = await kontext.newPage();
      const angefragt = [];
      seite.on('request', (anfrage) => angefragt.push(anfrage.url()));
      await seite.goto(adresse);
      await seite.waitForSelector('html[data-bereit]');
      dekoderAmStart ||= angefragt.some((url) => url.endsWith('/dekoder.js'));
      const sitzung = await kontext.newCDPSession(seite);
      const pids = renderer(process.pid);
      erste.push(await miss(seite, sitzung, pids, bild));
      await seite.close();
      // A fresh page: the first own picture again, dropped this time.
      const zweiteSeite = await kontext.newPage();
      await zweiteSeite.goto(adresse);
      await zweiteSeite.waitForSelector('html[data-bereit]');
      const zweiteSitzung = await kontext.newCDPSession(zweiteSeite);
      const zweitePids = renderer(process.pid);
      gezogene.push(await miss(zweiteSeite, zweiteSitzung, zweitePids, bild, true));
      zweite.push(await miss(zweiteSeite, zweiteSitzung, zweitePids, bild));
      await zweiteSeite.close();
    }
    const name = `${path.basename(bild)} (${(fs.statSync(bild).size / 1e6).toFixed(1)} MB)`;
    for (const [art, werte] of [['erstes, ohne Vorlauf', erste], [`erstes, ${SCHWEBEN_MS} ms gezogen`, gezogene], ['zweites', zweite]])
      console.log(`${name.padEnd(38)} ${art.padEnd(22)} ${median(werte.map((w) => w.ms)).toFixed(1).padStart(7)} ms` +
                  `  +${median(werte.map((w) => w.mehr / MIB)).toFixed(1).padStart(6)} MiB` +
                  `   (Läufe: ${werte.map((w) => w.ms.toFixed(0)).join(' ')} ms)`);
  }
  await browser.close();

  const regeln = fs.statSync(path.join(ordner, 'regeln.js')).size;
  const dekoder = fs.statSync(path.join(ordner, 'dekoder.js')).size;
  console.log(`Ordner                              ${(dateigroesse(ordner) / 1000).toFixed(1)} KB (höchstens 500 KB)`);
  console.log(`WebAssembly beim Start (regeln.js)  ${(regeln / 1000).toFixed(1)} KB (höchstens 150 KB)`);
  console.log(`Dekoder (dekoder.js)                ${(dekoder / 1000).toFixed(1)} KB, beim Start ${dekoderAmStart ? 'GELADEN' : 'nicht geladen'}`);
})();
