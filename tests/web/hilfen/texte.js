// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The game's texts in the browser's wording, read from the built page's
// own script, so that a test holds no copy of a word the player reads.
const fs = require('fs');
const path = require('path');
const vm = require('vm');
const { ORDNER } = require('./browser');

const umgebung = {};
vm.runInNewContext(`${fs.readFileSync(path.join(ORDNER, 'skripte/texte.js'), 'utf8')}\nthis.Texte = Texte; this.fuelle = fuelle;`, umgebung);

module.exports = { Texte: umgebung.Texte, fuelle: umgebung.fuelle };
