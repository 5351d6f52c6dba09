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
  // nearly, when the file arrives. An instance whose memory a large
  // picture has grown is let go after it.
  const DEKODER_SPEICHER = 32 * 1024 * 1024;
  let dekoder = null;
  function holeDekoder() {
    dekoder ??= new Promise((fertig, fehler) => {
      if (typeof ErzeugeDekoder === 'function')
        return fertig(ErzeugeDekoder());
      const skript = document.createElement('script');
      skript.src = 'dekoder.js';
      skript.onload = () => fertig(ErzeugeDekoder());
      skript.onerror = () => fehler(new Error(fuelle(Texte.DateiNichtZuLaden, skript.getAttribute('src'))));
      document.head.append(skript);
    }).catch((fehler) => {
      dekoder = null;
      throw fehler;
    });
    return dekoder;
  }

  // Fresh code runs slowly until the browser has seen it work and made it
  // fast: a picture of the browser's own making, stripes of many colours
  // in the board's size, goes through the decoder twice while the player
  // is still dragging, and the photo that follows is decoded about a third
  // faster. Where the browser cannot make one, the photo goes first.
  async function waermeAuf(modul) {
    if (typeof OffscreenCanvas !== 'function')
      return;
    const leinwand = new OffscreenCanvas(400, 400);
    const maler = leinwand.getContext('2d');
    for (let x = 0; x < 400; x += 8) {
      maler.fillStyle = `hsl(${x}, 60%, 50%)`;
      maler.fillRect(x, 0, 8, 400);
      maler.fillRect(0, x, 400, 3);
    }
    const daten = new Uint8Array(await (await leinwand.convertToBlob({ type: 'image/jpeg', quality: 0.9 })).arrayBuffer());
    for (let mal = 0; mal < 2; ++mal) {
      const dekodierung = modul._kalumbo_dekodierung_neu();
      modul.HEAPU8.set(daten, modul._kalumbo_dekodierung_platz(dekodierung, daten.length));
      modul._kalumbo_dekodierung_nimm(dekodierung, 1);
      modul._kalumbo_dekodierung_weg(dekodierung);
    }
  }

  // An own picture is on its way: a file dragged over the page, or the
  // file choice opened. A decoder that cannot be loaded is reported when
  // the picture comes.
  let aufgewaermt = null;
  function kommtBald() {
    const geholt = holeDekoder();
    if (aufgewaermt !== geholt) {
      aufgewaermt = geholt;
      geholt.then(waermeAuf).catch(() => {});
    }
  }

  // The file in slices of a megabyte: the visible rows of a baseline photo
  // up to 8000 pixels wide lie in its first, which the browser hands over
  // in one go, and nothing after the slice with the last of them is read.
  const STUECK = 1024 * 1024;

  // Decodes the top-left 400 x 400 pixels of a file into a picture, as
  // the desktop game decodes a picture file beside it.
  async function dekodiere(datei) {
    const modul = await holeDekoder();
    const dekodierung = modul._kalumbo_dekodierung_neu();
    let abgebrochen = false;
    try {
      let stand = 0;
      for (let anfang = 0; stand === 0; anfang += STUECK) {
        let stueck;
        try {
          stueck = new Uint8Array(await datei.slice(anfang, anfang + STUECK).arrayBuffer());
        } catch {
          throw new Error(fuelle(Texte.DateiNichtZuOeffnen, datei.name));
        }
        // Making room may grow the memory, which replaces HEAPU8.
        const platz = modul._kalumbo_dekodierung_platz(dekodierung, stueck.length);
        modul.HEAPU8.set(stueck, platz);
        stand = modul._kalumbo_dekodierung_nimm(dekodierung, anfang + STUECK >= datei.size ? 1 : 0);
      }
      if (stand !== 1) {
        const meldung = modul.UTF8ToString(modul._kalumbo_dekodierung_meldung(dekodierung));
        throw new Error(fuelle(Texte.KeinLesbaresBildWeil, datei.name, meldung));
      }
      const breite = modul._kalumbo_dekodierung_breite(dekodierung);
      const hoehe = modul._kalumbo_dekodierung_hoehe(dekodierung);
      const rgb = modul.HEAPU8.subarray(modul._kalumbo_dekodierung_pixel(dekodierung));
      const pixel = new ImageData(breite, hoehe);
      for (let i = 0, j = 0; j < pixel.data.length; i += 3, j += 4) {
        pixel.data[j] = rgb[i];
        pixel.data[j + 1] = rgb[i + 1];
        pixel.data[j + 2] = rgb[i + 2];
        pixel.data[j + 3] = 255;
      }
      return createImageBitmap(pixel);
    } catch (fehler) {
      // The module ran out of memory: it is done for, the picture too.
      abgebrochen = fehler instanceof WebAssembly.RuntimeError;
      throw abgebrochen ? new Error(fuelle(Texte.KeinLesbaresBild, datei.name)) : fehler;
    } finally {
      if (!abgebrochen)
        modul._kalumbo_dekodierung_weg(dekodierung);
      if (abgebrochen || modul.HEAPU8.length > DEKODER_SPEICHER)
        dekoder = null;
    }
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
