// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The board picture: 400 x 400 pixels of the game, drawn at the screen's
// resolution. A tile is a 49 x 49 square with a black outline, filled in
// its colour, with its text in the middle; a cell without a tile shows the
// background beneath it. The last column and row of every cell keep the
// background, so a thin line of it shows between the tiles.
const Brett = (() => {
  const SEITE = 400;
  const ZELLE = 50;
  const STEIN = 49;
  const GRAU = '#808080';     // where the background picture does not reach
  const SCHRIFT = '"Kalumbo Sans", "Liberation Sans", Arial, sans-serif';
  const SCHRIFTGROESSE = 13;  // pixels, as on the desktop
  const GROESSTE_AUFLOESUNG = 4096;

  // How a cell looks, as the rules hand it over.
  const HINTERGRUND = 0;
  const AUSGEWAEHLT = 2;

  const leinwand = document.getElementById('Spielbrett');
  const maler = leinwand.getContext('2d');
  // The background at the board's resolution, from which cleared cells are
  // copied pixel for pixel.
  const grund = document.createElement('canvas');
  const grundmaler = grund.getContext('2d');
  const messer = document.createElement('canvas').getContext('2d');

  let faktor = 1;           // device pixels per board pixel
  let hintergrund = null;   // the picture of this game; null: white, before the first game
  let angelegt = false;     // nothing has been drawn into the board yet
  const gezeichnet = new Map(); // what every drawn cell shows, to draw it again at another resolution

  const geraet = (wert) => Math.round(wert * faktor);

  // A built-in picture has no size until it has arrived whole; one that
  // is still on its way, or never comes, draws nothing.
  function groesse(bild) {
    if (!(bild instanceof HTMLImageElement))
      return [bild.width, bild.height];
    return bild.complete ? [bild.naturalWidth, bild.naturalHeight] : [0, 0];
  }

  // Grey, and the picture's top-left 400 x 400 pixels over it, as far as
  // the picture is there; white all over before the first game.
  function maleGrund() {
    grund.width = grund.height = leinwand.width;
    if (hintergrund === null) {
      grundmaler.fillStyle = '#fff';
      grundmaler.fillRect(0, 0, grund.width, grund.height);
      return;
    }
    grundmaler.fillStyle = GRAU;
    grundmaler.fillRect(0, 0, grund.width, grund.height);
    const [breite, hoehe] = groesse(hintergrund).map((mass) => Math.min(mass, SEITE));
    if (breite === 0 || hoehe === 0)
      return;
    grundmaler.imageSmoothingQuality = 'high';
    grundmaler.drawImage(hintergrund, 0, 0, breite, hoehe, 0, 0, geraet(breite), geraet(hoehe));
  }

  // The text's place as the desktop computes it: its middle at the tile's
  // middle column, one pixel below its middle row, from the text's width
  // and the font's full height in whole pixels.
  function textlage(text) {
    messer.font = `${SCHRIFTGROESSE}px ${SCHRIFT}`;
    const masse = messer.measureText(text);
    const oberlaenge = Math.round(masse.fontBoundingBoxAscent);
    const hoehe = oberlaenge + Math.round(masse.fontBoundingBoxDescent);
    const breite = Math.round(masse.width);
    return { x: 24 - Math.floor(breite / 2), grundlinie: 25 - Math.floor(hoehe / 2) + oberlaenge };
  }

  function maleZelle(spalte, zeile, { art, text }) {
    const x0 = ZELLE * (spalte - 1);
    const y0 = ZELLE * (zeile - 1);
    const links = geraet(x0);
    const oben = geraet(y0);
    const breite = geraet(x0 + STEIN) - links;
    const hoehe = geraet(y0 + STEIN) - oben;

    if (art === HINTERGRUND) {
      maler.drawImage(grund, links, oben, breite, hoehe, links, oben, breite, hoehe);
      return;
    }

    const linie = Math.max(1, Math.round(faktor));
    maler.fillStyle = '#000';
    maler.fillRect(links, oben, breite, hoehe);
    maler.fillStyle = art === AUSGEWAEHLT ? Farben.ausgewaehlt() : Farben.normal();
    maler.fillRect(links + linie, oben + linie, breite - 2 * linie, hoehe - 2 * linie);

    const lage = textlage(text);
    maler.save();
    maler.beginPath();
    maler.rect(links + linie, oben + linie, breite - 2 * linie, hoehe - 2 * linie);
    maler.clip();
    maler.fillStyle = '#000';
    maler.font = `${SCHRIFTGROESSE * faktor}px ${SCHRIFT}`;
    maler.textBaseline = 'alphabetic';
    maler.fillText(text, geraet(x0 + lage.x), geraet(y0 + lage.grundlinie));
    maler.restore();
  }

  // A new game: grey, then the picture, over the whole board.
  function neuesBild(bild) {
    hintergrund = bild;
    angelegt = true;
    gezeichnet.clear();
    zeichneNeu();
  }

  // A cell drawn before the first game finds a white board.
  function zeichneStein(spalte, zeile, art, text) {
    if (!angelegt)
      neuesBild(null);
    const aussehen = { art, text };
    gezeichnet.set(`${spalte},${zeile}`, aussehen);
    maleZelle(spalte, zeile, aussehen);
  }

  // The same board at another resolution: every cell as it was last drawn.
  function setzeAufloesung(pixel) {
    pixel = Math.min(pixel, GROESSTE_AUFLOESUNG);
    if (pixel === leinwand.width)
      return;
    leinwand.width = leinwand.height = pixel;
    faktor = pixel / SEITE;
    zeichneNeu();
  }

  // The whole board again, the background as it is now, and every cell as
  // it was last drawn: after the picture of the game has come in late.
  function zeichneNeu() {
    if (!angelegt)
      return;
    maleGrund();
    maler.drawImage(grund, 0, 0);
    for (const [zelle, aussehen] of gezeichnet) {
      const [spalte, zeile] = zelle.split(',').map(Number);
      maleZelle(spalte, zeile, aussehen);
    }
  }

  // The board pixel under a point of the viewport, or null beside the board.
  function pixelAn(clientX, clientY) {
    const rahmen = leinwand.getBoundingClientRect();
    const x = Math.floor(((clientX - rahmen.left) * SEITE) / rahmen.width);
    const y = Math.floor(((clientY - rahmen.top) * SEITE) / rahmen.height);
    return x >= 0 && y >= 0 && x < SEITE && y < SEITE ? { x, y } : null;
  }

  return { neuesBild, zeichneStein, setzeAufloesung, zeichneNeu, pixelAn, element: leinwand };
})();
