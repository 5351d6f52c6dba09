// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The background pictures: the four built-in ones, which the browser
// loads beside the game and decodes once, and the player's own, one for
// each "Hintergrund" item, held for the visit. Of an own picture only the
// top-left 400 x 400 pixels are kept, the only ones the board ever shows.
const Bilder = (() => {
  const eingebaute = [1, 2, 3, 4].map((nummer) => document.getElementById('EingebautesBild' + nummer));
  const eigene = [null, null, null, null];

  // A built-in picture is asked for once the window has shown, so that
  // the start does not wait for it, or earlier when a game wants it.
  function frage(bild) {
    if (!bild.hasAttribute('src'))
      bild.src = bild.dataset.src;
  }

  // The picture of the item: the player's own when there is one.
  function fuerItem(index) {
    if (eigene[index] !== null)
      return eigene[index];
    frage(eingebaute[index]);
    return eingebaute[index];
  }

  // The game's own picture decoder, a script of its own that comes with
  // the first own picture: the start does not wait for it. It is fetched
  // as soon as a picture is on its way (see kommtBald), so it is there, or
  // nearly, when the file arrives. It decodes beside the page, in a worker
  // (Dekoderwerk in dekoder.js), which the page lets go and starts afresh
  // when a picture has used it up.
  let dekoder = null;
  function holeDekoder() {
    dekoder ??= new Promise((fertig, fehler) => {
      if (typeof Dekoderwerk === 'object')
        return fertig(Dekoderwerk.starte());
      const skript = document.createElement('script');
      skript.src = 'dekoder.js';
      skript.onload = () => fertig(Dekoderwerk.starte());
      skript.onerror = () => fehler(new Error(fuelle(Texte.DateiNichtZuLaden, skript.getAttribute('src'))));
      document.head.append(skript);
    }).catch((fehler) => {
      dekoder = null;
      throw fehler;
    });
    return dekoder;
  }

  // An own picture is on its way: a file dragged over the page, or the
  // file choice opened. A decoder that cannot be loaded is reported when
  // the picture comes.
  function kommtBald() {
    holeDekoder().catch(() => {});
  }

  // Decodes the top-left 400 x 400 pixels of a file into a picture, as
  // the desktop game decodes a picture file beside it.
  async function dekodiere(datei) {
    const geholt = holeDekoder();
    const werk = await geholt;
    const { bild, meldung, unlesbar, abgebrochen } = await werk.dekodiere(datei);
    if (werk.verbraucht && dekoder === geholt)
      dekoder = null;
    if (unlesbar)
      throw new Error(fuelle(Texte.DateiNichtZuOeffnen, datei.name));
    if (abgebrochen)
      throw new Error(fuelle(Texte.KeinLesbaresBild, datei.name));
    if (meldung !== undefined)
      throw new Error(fuelle(Texte.KeinLesbaresBildWeil, datei.name, meldung));
    return bild;
  }

  // Reads a picture file for the item. A file the decoder cannot read is
  // refused with a message that names it, and the item keeps the picture
  // it had.
  async function uebernimm(index, datei) {
    const ausschnitt = await dekodiere(datei);
    eigene[index]?.close();
    eigene[index] = ausschnitt;
  }

  function hatEigenes(index) {
    return eigene[index] !== null;
  }

  // The built-in pictures are loaded and decoded while the player reads
  // the help.
  function holeEingebaute() {
    for (const bild of eingebaute) {
      frage(bild);
      bild.decode().catch(() => {});
    }
  }

  // A built-in picture the browser could not load or decode, such as a
  // file cut short in copying the folder: the message that says so, worded
  // as for an own picture. Null for any other picture.
  function fehlerBei(bild) {
    const kaputt = bild instanceof HTMLImageElement && bild.complete && bild.naturalWidth === 0;
    return kaputt ? fuelle(Texte.KeinLesbaresBild, bild.getAttribute('src')) : null;
  }

  // Calls back with a built-in picture when it arrives, or turns out not
  // to, after the page has shown: a slow server sends them late.
  function beiAnkunft(rueckruf) {
    for (const bild of eingebaute)
      for (const art of ['load', 'error'])
        bild.addEventListener(art, () => rueckruf(bild));
  }

  return { fuerItem, kommtBald, uebernimm, hatEigenes, holeEingebaute, fehlerBei, beiAnkunft };
})();
