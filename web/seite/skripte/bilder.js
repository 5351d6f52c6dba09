// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The background pictures: the four built-in ones, which the browser
// decodes once, and the player's own, one for each "Hintergrund" item,
// held for the visit. Of an own picture only the top-left 400 x 400
// pixels are kept, the only ones the board ever shows.
const Bilder = (() => {
  const SEITE = 400;
  const eingebaute = [1, 2, 3, 4].map((nummer) => document.getElementById('Image' + nummer));
  const eigene = [null, null, null, null];

  // The picture of the item: the player's own when there is one.
  function fuerItem(index) {
    return eigene[index] ?? eingebaute[index];
  }

  // Reads a picture file for the item. A file the browser cannot decode
  // is refused with a message, and the item keeps the picture it had.
  async function uebernimm(index, datei) {
    let ganz;
    try {
      ganz = await createImageBitmap(datei);
    } catch {
      throw new Error(`Die Datei ${datei.name} ist kein lesbares Bild`);
    }
    const ausschnitt = await createImageBitmap(ganz, 0, 0, Math.min(ganz.width, SEITE), Math.min(ganz.height, SEITE));
    ganz.close();
    eigene[index]?.close();
    eigene[index] = ausschnitt;
  }

  function hatEigenes(index) {
    return eigene[index] !== null;
  }

  // The built-in pictures are decoded while the player reads the help.
  function dekodiereVorab() {
    for (const bild of eingebaute)
      bild.decode().catch(() => {});
  }

  return { fuerItem, uebernimm, hatEigenes, dekodiereVorab };
})();
