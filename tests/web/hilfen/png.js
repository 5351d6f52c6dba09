// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// Reads the screenshots Chromium takes (8-bit RGB or RGBA PNG, not
// interlaced) into pixels, so that a test can look at what the player
// sees. A page opened from file:// may not read its own canvas back, so
// the screen is the one place its pixels can be checked.
const zlib = require('zlib');

function paeth(a, b, c) {
  const p = a + b - c;
  const pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

function lesePng(puffer) {
  let breite = 0, hoehe = 0, kanaele = 0;
  const daten = [];
  for (let stelle = 8; stelle < puffer.length;) {
    const laenge = puffer.readUInt32BE(stelle);
    const art = puffer.toString('latin1', stelle + 4, stelle + 8);
    const inhalt = puffer.subarray(stelle + 8, stelle + 8 + laenge);
    if (art === 'IHDR') {
      breite = inhalt.readUInt32BE(0);
      hoehe = inhalt.readUInt32BE(4);
      const [tiefe, farbart, , , zeilensprung] = inhalt.subarray(8, 13);
      if (tiefe !== 8 || (farbart !== 2 && farbart !== 6) || zeilensprung !== 0)
        throw new Error(`PNG in dieser Form nicht lesbar (Tiefe ${tiefe}, Farbart ${farbart})`);
      kanaele = farbart === 6 ? 4 : 3;
    } else if (art === 'IDAT') {
      daten.push(inhalt);
    }
    stelle += 12 + laenge;
  }

  const roh = zlib.inflateSync(Buffer.concat(daten));
  const zeilenlaenge = breite * kanaele;
  const pixel = Buffer.alloc(hoehe * zeilenlaenge);
  for (let y = 0; y < hoehe; ++y) {
    const filter = roh[y * (zeilenlaenge + 1)];
    const quelle = y * (zeilenlaenge + 1) + 1;
    const ziel = y * zeilenlaenge;
    for (let x = 0; x < zeilenlaenge; ++x) {
      const links = x >= kanaele ? pixel[ziel + x - kanaele] : 0;
      const oben = y > 0 ? pixel[ziel - zeilenlaenge + x] : 0;
      const obenLinks = x >= kanaele && y > 0 ? pixel[ziel - zeilenlaenge + x - kanaele] : 0;
      const vorhersage = [0, links, oben, (links + oben) >> 1, paeth(links, oben, obenLinks)][filter];
      pixel[ziel + x] = (roh[quelle + x] + vorhersage) & 0xff;
    }
  }

  return {
    breite,
    hoehe,
    // [r, g, b] of the pixel at (x, y)
    farbe(x, y) {
      const i = (y * breite + x) * kanaele;
      return [pixel[i], pixel[i + 1], pixel[i + 2]];
    },
  };
}

module.exports = { lesePng };
