// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The board picture, drawn at the screen's resolution in the look the
// rules define for both editions: a tile is a square with a black
// outline, filled in its colour, with its text in the middle; a cell
// without a tile shows the background beneath it. The last column and row
// of every cell keep the background, so a thin line of it shows between
// the tiles.
// Needs: Farben (farben.js).
const Brett = (() => {
  const SCHRIFT = '"Kalumbo Sans", "Liberation Sans", Arial, sans-serif';
  const GROESSTE_AUFLOESUNG = 4096;
  // On a phone the tiles' text is never smaller than this on the screen,
  // in CSS pixels; a text too wide for its tile is then narrowed to fit.
  const KLEINSTE_TELEFONSCHRIFT = 14;

  // The look of the board, as the rules define it for both editions, and
  // where they place a tile's text; both arrive with the rules.
  let aussehen = null;
  let regeln = null;

  const leinwand = document.getElementById('Spielbrett');
  const maler = leinwand.getContext('2d');
  // The background at the board's resolution, from which cleared cells are
  // copied pixel for pixel.
  const grund = document.createElement('canvas');
  const grundmaler = grund.getContext('2d');
  const messer = document.createElement('canvas').getContext('2d');

  let faktor = 1;           // device pixels per board pixel
  let schriftpixel = 0;     // the tiles' text, in board pixels
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
    grundmaler.fillStyle = aussehen.grau;
    grundmaler.fillRect(0, 0, grund.width, grund.height);
    const [breite, hoehe] = groesse(hintergrund).map((mass) => Math.min(mass, aussehen.brett));
    if (breite === 0 || hoehe === 0)
      return;
    grundmaler.imageSmoothingQuality = 'high';
    grundmaler.drawImage(hintergrund, 0, 0, breite, hoehe, 0, 0, geraet(breite), geraet(hoehe));
  }

  const telefon = () => document.documentElement.classList.contains('telefon');
  // On a phone a text keeps two pixels from each side of its tile's inside.
  const telefonzeile = () => aussehen.stein - 2 * aussehen.rand - 4;

  // The text's place, as the rules work it out from the text's width and
  // the font's full height and ascent in whole pixels.
  function textlage(text) {
    messer.font = `${schriftpixel}px ${SCHRIFT}`;
    const masse = messer.measureText(text);
    const oberlaenge = Math.round(masse.fontBoundingBoxAscent);
    const hoehe = oberlaenge + Math.round(masse.fontBoundingBoxDescent);
    const breite = Math.round(telefon() ? Math.min(masse.width, telefonzeile()) : masse.width);
    return { x: regeln._kalumbo_text_x(breite), grundlinie: regeln._kalumbo_text_grundlinie(hoehe, oberlaenge) };
  }

  const FUELLUNG = { Stein: Farben.normal, AusgewaehlterStein: Farben.ausgewaehlt };

  function maleZelle(spalte, zeile, { zellbild, text }) {
    const x0 = aussehen.zelle * (spalte - 1);
    const y0 = aussehen.zelle * (zeile - 1);
    const links = geraet(x0);
    const oben = geraet(y0);
    const breite = geraet(x0 + aussehen.stein) - links;
    const hoehe = geraet(y0 + aussehen.stein) - oben;

    if (zellbild === 'Hintergrund') {
      maler.drawImage(grund, links, oben, breite, hoehe, links, oben, breite, hoehe);
      return;
    }

    const linie = Math.max(1, Math.round(aussehen.rand * faktor));
    maler.fillStyle = '#000';
    maler.fillRect(links, oben, breite, hoehe);
    maler.fillStyle = FUELLUNG[zellbild]();
    maler.fillRect(links + linie, oben + linie, breite - 2 * linie, hoehe - 2 * linie);

    const lage = textlage(text);
    maler.save();
    maler.beginPath();
    maler.rect(links + linie, oben + linie, breite - 2 * linie, hoehe - 2 * linie);
    maler.clip();
    maler.fillStyle = '#000';
    maler.font = `${schriftpixel * faktor}px ${SCHRIFT}`;
    maler.textBaseline = 'alphabetic';
    const x = geraet(x0 + lage.x);
    const y = geraet(y0 + lage.grundlinie);
    if (telefon())
      maler.fillText(text, x, y, telefonzeile() * faktor);
    else
      maler.fillText(text, x, y);
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
  function zeichneStein(spalte, zeile, zellbild, text) {
    if (!angelegt)
      neuesBild(null);
    const zelle = { zellbild, text };
    gezeichnet.set(`${spalte},${zeile}`, zelle);
    maleZelle(spalte, zeile, zelle);
  }

  // The size of the tiles' text for the board's resolution: on a phone
  // the board is as wide as the screen, in CSS pixels its device pixels
  // over the pixel ratio.
  function schriftFuer(pixel) {
    if (!telefon())
      return aussehen.schrift;
    const cssProBrettpixel = pixel / (window.devicePixelRatio || 1) / aussehen.brett;
    return Math.max(aussehen.schrift, Math.ceil(KLEINSTE_TELEFONSCHRIFT / cssProBrettpixel));
  }

  // The same board at another resolution: every cell as it was last drawn.
  // Until the rules have come, only the canvas takes the new size.
  function setzeAufloesung(pixel) {
    pixel = Math.min(pixel, GROESSTE_AUFLOESUNG);
    if (aussehen === null) {
      leinwand.width = leinwand.height = pixel;
      return;
    }
    const schrift = schriftFuer(pixel);
    if (pixel === leinwand.width && schrift === schriftpixel)
      return;
    leinwand.width = leinwand.height = pixel;
    faktor = pixel / aussehen.brett;
    schriftpixel = schrift;
    zeichneNeu();
  }

  // The rules have come: from now on the board is drawn in their look.
  function richteEin(geladen) {
    regeln = geladen;
    aussehen = JSON.parse(regeln.UTF8ToString(regeln._kalumbo_aussehen()));
    faktor = leinwand.width / aussehen.brett;
    schriftpixel = schriftFuer(leinwand.width);
    Farben.richteEin(aussehen);
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

  // The board pixel under a point of the viewport, or null beside the
  // board and before the rules have come.
  function pixelAn(clientX, clientY) {
    if (aussehen === null)
      return null;
    const kante = aussehen.brett;
    const rahmen = leinwand.getBoundingClientRect();
    const x = Math.floor(((clientX - rahmen.left) * kante) / rahmen.width);
    const y = Math.floor(((clientY - rahmen.top) * kante) / rahmen.height);
    return x >= 0 && y >= 0 && x < kante && y < kante ? { x, y } : null;
  }

  return { richteEin, neuesBild, zeichneStein, setzeAufloesung, zeichneNeu, pixelAn, element: leinwand };
})();
