// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// Grey JPEG files whose decoded pixels are known exactly, for checking
// which pixels of a picture the page shows: every 8 x 8 block is of one
// grey, stored as its DC coefficient alone with a quantizer of 1, which
// any conforming decoder turns back into that grey without rounding. The
// grey of a block is a function of its column and row.

// Huffman codes from the counts per code length, as JPEG assigns them.
function huffmancodes(anzahlen, werte) {
  const codes = new Map();
  let code = 0;
  let k = 0;
  anzahlen.forEach((anzahl, i) => {
    for (let n = 0; n < anzahl; ++n)
      codes.set(werte[k++], { code: code++, laenge: i + 1 });
    code <<= 1;
  });
  return codes;
}

// The usual table for the DC differences of the luminance.
const DC_ANZAHLEN = [0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0];
const DC_WERTE = [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11];
const DC = huffmancodes(DC_ANZAHLEN, DC_WERTE);
// One code only: end of block, the AC coefficients are all 0.
const AC_ANZAHLEN = [1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0];

function segment(marker, inhalt) {
  const laenge = inhalt.length + 2;
  return [0xff, marker, laenge >> 8, laenge & 0xff, ...inhalt];
}

// The bits of the scan, with a 0 stuffed after every 0xFF byte and the
// last byte filled with ones.
class Bitschreiber {
  constructor() {
    this.bytes = [];
    this.puffer = 0;
    this.anzahl = 0;
  }
  schreibe(wert, laenge) {
    for (let i = laenge - 1; i >= 0; --i) {
      this.puffer = (this.puffer << 1) | ((wert >> i) & 1);
      if (++this.anzahl === 8) {
        this.bytes.push(this.puffer);
        if (this.puffer === 0xff)
          this.bytes.push(0);
        this.puffer = 0;
        this.anzahl = 0;
      }
    }
  }
  ende() {
    if (this.anzahl > 0)
      this.schreibe(0xff, 8 - this.anzahl);
    return this.bytes;
  }
}

// A baseline JPEG of breite x hoehe pixels; grau(spalte, zeile) gives the
// grey (0 to 255) of the 8 x 8 block there.
function grauesJpeg(breite, hoehe, grau) {
  const bloeckeBreit = Math.ceil(breite / 8);
  const bloeckeHoch = Math.ceil(hoehe / 8);
  const bits = new Bitschreiber();
  let vorher = 0;
  for (let zeile = 0; zeile < bloeckeHoch; ++zeile) {
    for (let spalte = 0; spalte < bloeckeBreit; ++spalte) {
      const dc = (grau(spalte, zeile) - 128) * 8;
      const differenz = dc - vorher;
      vorher = dc;
      const klasse = differenz === 0 ? 0 : Math.floor(Math.log2(Math.abs(differenz))) + 1;
      const { code, laenge } = DC.get(klasse);
      bits.schreibe(code, laenge);
      if (klasse > 0)
        bits.schreibe(differenz > 0 ? differenz : differenz + (1 << klasse) - 1, klasse);
      bits.schreibe(0, 1); // end of block
    }
  }
  return Buffer.from([
    0xff, 0xd8,
    ...segment(0xdb, [0, ...new Array(64).fill(1)]),
    ...segment(0xc0, [8, hoehe >> 8, hoehe & 0xff, breite >> 8, breite & 0xff, 1, 1, 0x11, 0]),
    ...segment(0xc4, [0x00, ...DC_ANZAHLEN, ...DC_WERTE]),
    ...segment(0xc4, [0x10, ...AC_ANZAHLEN, 0x00]),
    ...segment(0xda, [1, 1, 0x00, 0, 63, 0]),
    ...bits.ende(),
    0xff, 0xd9,
  ]);
}

module.exports = { grauesJpeg };
