// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// What a test does on the game's page as a player would, and what it may
// look at: the rules' read-only view of the game, and the screen.
const { lesePng } = require('./png');

const SPALTEN = 8;
const ZEILEN = 8;

const zustand = (seite) => seite.evaluate(() => Spiel.zustand());
const feld = (stand, [spalte, zeile]) => stand.felder[spalte - 1][zeile - 1];

// Two free tiles of one pair, the first found from the top-left, or null.
function freiesPaar(stand) {
  const zellen = [];
  for (let zeile = 1; zeile <= ZEILEN; ++zeile)
    for (let spalte = 1; spalte <= SPALTEN; ++spalte)
      if (feld(stand, [spalte, zeile]).frei)
        zellen.push([spalte, zeile]);
  for (const erste of zellen)
    for (const zweite of zellen)
      if (erste !== zweite && feld(stand, erste).paar === feld(stand, zweite).paar)
        return [erste, zweite];
  return null;
}

// The cells that hold a tile.
function steine(stand) {
  const ergebnis = [];
  for (let spalte = 1; spalte <= SPALTEN; ++spalte)
    for (let zeile = 1; zeile <= ZEILEN; ++zeile)
      if (feld(stand, [spalte, zeile]).seite !== 0)
        ergebnis.push([spalte, zeile]);
  return ergebnis;
}

// A point of the viewport at board pixel (x, y), by default the cell's middle.
async function punkt(seite, [spalte, zeile], x = 25, y = 25) {
  const brett = await seite.locator('#Spielbrett').boundingBox();
  return {
    x: brett.x + ((50 * (spalte - 1) + x + 0.5) * brett.width) / 400,
    y: brett.y + ((50 * (zeile - 1) + y + 0.5) * brett.height) / 400,
  };
}

// A press on a cell: with the mouse (any button) or with a finger.
async function druecke(seite, zelle, { art = 'maus', knopf = 'left' } = {}) {
  const { x, y } = await punkt(seite, zelle);
  if (art === 'tipp')
    await seite.touchscreen.tap(x, y);
  else
    await seite.mouse.click(x, y, { button: knopf });
}

// The screen as the player sees it, with a look-up of the colour at a
// board pixel.
async function bildschirm(seite) {
  const bild = lesePng(await seite.screenshot());
  const brett = await seite.locator('#Spielbrett').boundingBox();
  const dpr = await seite.evaluate(() => devicePixelRatio);
  return {
    bild,
    dpr,
    brett,
    // [r, g, b] at board pixel (x, y) of the cell, logical pixels.
    amBrett([spalte, zeile], x, y) {
      const bx = 50 * (spalte - 1) + x + 0.5;
      const by = 50 * (zeile - 1) + y + 0.5;
      return bild.farbe(Math.floor((brett.x + (bx * brett.width) / 400) * dpr),
                        Math.floor((brett.y + (by * brett.height) / 400) * dpr));
    },
  };
}

const rgb = (hex) => [1, 3, 5].map((stelle) => parseInt(hex.slice(stelle, stelle + 2), 16));
const NORMAL = rgb('#ffd0a0');
const AUSGEWAEHLT = rgb('#1060a0');

module.exports = { zustand, feld, freiesPaar, steine, punkt, druecke, bildschirm, rgb, NORMAL, AUSGEWAEHLT };
