// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The game's texts in the browser's wording, read from the script the build
// makes of them for the page (which the page gets inside seite.js), so
// that a test holds no copy of a word the player reads.
const fs = require('fs');
const path = require('path');
const vm = require('vm');
const { ORDNER } = require('./browser');

const umgebung = {};
const skript = process.env.KALUMBO_TEXTSKRIPT ?? path.join(ORDNER, '..', 'web/seite/gefuellt/skripte/texte.js');
vm.runInNewContext(`${fs.readFileSync(skript, 'utf8')}\nthis.Texte = Texte; this.fuelle = fuelle;`, umgebung);

module.exports = { Texte: umgebung.Texte, fuelle: umgebung.fuelle };
