// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// A plain static web server for the game's folder, on 127.0.0.1 at a free
// port, as a school server would serve it. It notes every path asked for
// and those it did not find. A test may disturb the answers for a path.
const http = require('http');
const fs = require('fs');
const path = require('path');

const ARTEN = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.svg': 'image/svg+xml',
  '.jpg': 'image/jpeg',
  '.woff2': 'font/woff2',
  '.txt': 'text/plain; charset=utf-8',
};

// Disturbs the answers for paths that end in the given text, in every
// server, until the returned function is called: held back, as by a busy
// server, and sent then; cut short after `laenge` bytes, as a file
// copied in part; or not there at all.
const stoerungen = [];
function stoere(endung, { zurueckhalten = false, laenge = Infinity, fehlt = false } = {}) {
  const stoerung = { endung, zurueckhalten, laenge, fehlt, wartend: [] };
  stoerungen.push(stoerung);
  return () => {
    stoerungen.splice(stoerungen.indexOf(stoerung), 1);
    for (const antworte of stoerung.wartend.splice(0))
      antworte();
  };
}

async function starteServer(ordner) {
  const angefragt = [];
  const nichtGefunden = [];
  const server = http.createServer((anfrage, antwort) => {
    const pfad = decodeURIComponent(new URL(anfrage.url, 'http://127.0.0.1').pathname);
    angefragt.push(pfad);
    const datei = path.join(ordner, pfad.endsWith('/') ? pfad + 'index.html' : pfad);
    if (!datei.startsWith(ordner + path.sep) || !fs.existsSync(datei) || !fs.statSync(datei).isFile()) {
      nichtGefunden.push(pfad);
      antwort.writeHead(404).end();
      return;
    }
    const stoerung = stoerungen.find(({ endung }) => pfad.endsWith(endung));
    if (stoerung?.fehlt) {
      antwort.writeHead(404).end();
      return;
    }
    const antworte = () => {
      antwort.writeHead(200, { 'Content-Type': ARTEN[path.extname(datei)] ?? 'application/octet-stream' });
      fs.createReadStream(datei, { end: (stoerung?.laenge ?? Infinity) - 1 }).pipe(antwort);
    };
    if (stoerung?.zurueckhalten)
      stoerung.wartend.push(antworte);
    else
      antworte();
  });
  await new Promise((fertig) => server.listen(0, '127.0.0.1', fertig));
  return {
    adresse: `http://127.0.0.1:${server.address().port}/`,
    angefragt,
    nichtGefunden,
    schliesse: () => new Promise((fertig) => server.close(fertig)),
  };
}

module.exports = { starteServer, stoere };
