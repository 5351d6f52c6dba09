// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// What the window waits for before it shows, asked for before anything
// else runs: the rules, whose WebAssembly compiles beside the page's
// scripts, and the fonts, which load beside them. The rules' bridge to
// the page is handed over when they have come (spiel.js).
// Needs: ErzeugeRegeln (regeln.js).
const Start = (() => {
  // A browser without WebAssembly throws at once; that, too, arrives as
  // a refusal.
  const regeln = (async () => ErzeugeRegeln())();
  const schriften = Promise.all([
    document.fonts.load('13px "Kalumbo Sans"'),
    document.fonts.load('bold 21px "Kalumbo Sans"'),
  ]);
  return { regeln, schriften };
})();
