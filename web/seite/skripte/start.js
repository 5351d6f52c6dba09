// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// What the window waits for before it shows, asked for before anything
// else runs: the rules, whose WebAssembly is compiled here, and the fonts,
// asked for in the markup's head. The rules' bridge to the page is handed
// over when they have come (spiel.js).
// Needs: ErzeugeRegeln (regeln.js), Schriften (schriften.js, in the
// markup's head).
const Start = (() => {
  // A browser without WebAssembly throws at once; that, too, arrives as
  // a refusal.
  const regeln = (async () => ErzeugeRegeln())();
  return { regeln, schriften: Schriften };
})();
