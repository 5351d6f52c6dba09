// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The board's two canvases: the board picture, and above it a layer that
// holds nothing but the keyboard's frame. The game paints both through the
// few drawing operations below, given in pixels of its board; here they
// are drawn at the screen's resolution, so that tiles and texts stay
// sharp. One rule is the page's own: on a phone the tiles' texts are
// never smaller than a child reads them easily there, and one too wide
// for its tile is narrowed to fit.
// Needs: Farben (farben.js).
const Brett = (() => {
  const SCHRIFT = '"Kalumbo Sans", "Liberation Sans", Arial, sans-serif';
  const GROESSTE_AUFLOESUNG = 4096;
  // On a phone the tiles' text is never smaller than this on the screen,
  // in CSS pixels, and keeps two board pixels from each side of its box.
  const KLEINSTE_TELEFONSCHRIFT = 14;
  const TELEFONABSTAND = 2;

  const leinwand = document.getElementById('Spielbrett');
  const ebene = document.getElementById('Zeigerebene');
  const messer = document.createElement('canvas').getContext('2d');

  // The board's measures in its own pixels, from the game.
  let kante = 0;
  let zellgroesse = 0;
  let steingroesse = 0;

  let faktor = 1;           // device pixels per board pixel
  let hintergrund = null;   // the picture of this game; null: white, before the first game
  let grund = null;         // the picture at the canvas's resolution, and what it was made from
  let aufloesung = '';      // the resolution drawn for, and what the tiles' text depends on

  const telefon = () => document.documentElement.classList.contains('telefon');

  // A board pixel's edge on the screen, counted from the nearer edge of
  // its tile: a tile's outline and the frame's rings come out equally wide
  // on all sides at any scale, and never thinner than a device pixel.
  const geraetepixel = (pixel) => (pixel === 0 ? 0 : Math.max(1, Math.round(pixel * faktor)));
  function geraet(wert) {
    const anfang = Math.floor(wert / zellgroesse) * zellgroesse;
    const ende = anfang + steingroesse;
    if (wert - anfang <= steingroesse / 2)
      return Math.round(anfang * faktor) + geraetepixel(wert - anfang);
    return Math.round(ende * faktor) - geraetepixel(Math.max(0, ende - wert));
  }
  function rechteck(links, oben, breite, hoehe) {
    const x = geraet(links);
    const y = geraet(oben);
    return [x, y, Math.max(0, geraet(links + breite) - x), Math.max(0, geraet(oben + hoehe) - y)];
  }

  // The size of a text in board pixels: on a phone the board is as wide
  // as the screen, in CSS pixels its device pixels over the pixel ratio.
  function schriftpixel(pixel) {
    if (!telefon())
      return pixel;
    const cssProBrettpixel = leinwand.width / (window.devicePixelRatio || 1) / kante;
    return Math.max(pixel, Math.ceil(KLEINSTE_TELEFONSCHRIFT / cssProBrettpixel));
  }
  const schrift = (pixel, fett, massstab) => `${fett ? 'bold ' : ''}${schriftpixel(pixel) * massstab}px ${SCHRIFT}`;
  const telefonzeile = (kastenbreite) => kastenbreite - 2 * TELEFONABSTAND;

  // A built-in picture has no size until it has arrived whole; one that
  // is still on its way, or never comes, draws nothing.
  function groesse(bild) {
    if (!(bild instanceof HTMLImageElement))
      return [bild.width, bild.height];
    return bild.complete ? [bild.naturalWidth, bild.naturalHeight] : [0, 0];
  }

  // The picture's top-left pixels at the canvas's resolution, transparent
  // beyond it; white all over before the first game. Made again when the
  // picture, its arrival or the resolution changes.
  function grundbild() {
    const [breite, hoehe] = hintergrund === null ? [kante, kante] : groesse(hintergrund).map((mass) => Math.min(mass, kante));
    if (grund?.bild === hintergrund && grund.pixel === leinwand.width && grund.breite === breite && grund.hoehe === hoehe)
      return grund.leinwand;
    grund = { bild: hintergrund, pixel: leinwand.width, breite, hoehe, leinwand: document.createElement('canvas') };
    grund.leinwand.width = grund.leinwand.height = leinwand.width;
    const maler = grund.leinwand.getContext('2d');
    if (hintergrund === null) {
      maler.fillStyle = '#fff';
      maler.fillRect(0, 0, leinwand.width, leinwand.width);
    } else if (breite > 0 && hoehe > 0) {
      maler.imageSmoothingQuality = 'high';
      maler.drawImage(hintergrund, 0, 0, breite, hoehe, 0, 0, Math.round(breite * faktor), Math.round(hoehe * faktor));
    }
    return grund.leinwand;
  }

  // The game's drawing operations on one canvas.
  function zeichenflaeche(teil) {
    const maler = teil.getContext('2d');
    return {
      fuelleRechteck(links, oben, breite, hoehe, farbe) {
        maler.fillStyle = Farben.alsHex(farbe);
        maler.fillRect(...rechteck(links, oben, breite, hoehe));
      },
      leere(links, oben, breite, hoehe) {
        maler.clearRect(...rechteck(links, oben, breite, hoehe));
      },
      zeigeHintergrund(links, oben, breite, hoehe) {
        const teilstueck = rechteck(links, oben, breite, hoehe);
        if (teilstueck[2] > 0 && teilstueck[3] > 0)
          maler.drawImage(grundbild(), ...teilstueck, ...teilstueck);
      },
      // In whole board pixels, as the game places texts.
      missText(text, pixel, fett, kastenbreite) {
        messer.font = schrift(pixel, fett, 1);
        const masse = messer.measureText(text);
        const oberlaenge = Math.round(masse.fontBoundingBoxAscent);
        const breite = telefon() ? Math.min(masse.width, telefonzeile(kastenbreite)) : masse.width;
        return { breite: Math.round(breite), hoehe: oberlaenge + Math.round(masse.fontBoundingBoxDescent), oberlaenge };
      },
      schreibeText(text, pixel, fett, farbe, x, grundlinie, links, oben, breite, hoehe) {
        maler.save();
        maler.beginPath();
        maler.rect(...rechteck(links, oben, breite, hoehe));
        maler.clip();
        maler.font = schrift(pixel, fett, faktor);
        maler.fillStyle = Farben.alsHex(farbe);
        if (telefon())
          maler.fillText(text, geraet(x), geraet(grundlinie), telefonzeile(breite) * faktor);
        else
          maler.fillText(text, geraet(x), geraet(grundlinie));
        maler.restore();
      },
    };
  }

  // The game tells the board's measures before it draws anything.
  function legeFest(brettkante, zelle, stein) {
    kante = brettkante;
    zellgroesse = zelle;
    steingroesse = stein;
    faktor = leinwand.width / kante;
  }

  // Both canvases at another resolution, empty. Whether anything changed:
  // then the game must draw the board again.
  function setzeAufloesung(pixel) {
    pixel = Math.min(pixel, GROESSTE_AUFLOESUNG);
    const neu = `${pixel} ${telefon()} ${window.devicePixelRatio}`;
    if (neu === aufloesung)
      return false;
    aufloesung = neu;
    leinwand.width = leinwand.height = ebene.width = ebene.height = pixel;
    faktor = kante > 0 ? pixel / kante : 1;
    return true;
  }

  // The board pixel under a point of the viewport, or null beside the
  // board and before the game has told its measures.
  function pixelAn(clientX, clientY) {
    if (kante === 0)
      return null;
    const rahmen = leinwand.getBoundingClientRect();
    const x = Math.floor(((clientX - rahmen.left) * kante) / rahmen.width);
    const y = Math.floor(((clientY - rahmen.top) * kante) / rahmen.height);
    return x >= 0 && y >= 0 && x < kante && y < kante ? { x, y } : null;
  }

  return {
    legeFest,
    // In the order the game numbers them.
    zeichenflaechen: [zeichenflaeche(leinwand), zeichenflaeche(ebene)],
    // The picture the next drawing of the background takes.
    nimmHintergrund: (bild) => { hintergrund = bild; },
    hintergrund: () => hintergrund,
    setzeAufloesung,
    pixelAn,
    element: leinwand,
  };
})();
