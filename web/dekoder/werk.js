// SPDX-License-Identifier: GPL-3.0-or-later
// Comes at the end of dekoder.js, after the decoder's module: the page's
// way to its decoder. The decoder works beside the page, in a worker of
// its own, so that the page goes on drawing and answering while a large or
// made-up picture keeps it busy. A page opened from file:// may start no
// worker from a file, so the worker is made from the text of the module's
// maker and of the three functions below that run in it.

// Hands the next piece of a picture's file to its decoding in the module:
// null while it needs the next piece, else the top-left 400 x 400 pixels
// as the desktop game decodes them, { bild } as an ImageBitmap, or
// { meldung } with the decoder's message when it cannot read the picture.
async function NimmStueck(modul, dekodierung, stueck, letztes) {
  // Making room may grow the memory, which replaces HEAPU8.
  const platz = modul._kalumbo_dekodierung_platz(dekodierung, stueck.length);
  modul.HEAPU8.set(stueck, platz);
  const stand = modul._kalumbo_dekodierung_nimm(dekodierung, letztes ? 1 : 0);
  if (stand === 0)
    return null;
  if (stand !== 1)
    return { meldung: modul.UTF8ToString(modul._kalumbo_dekodierung_meldung(dekodierung)) };
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
  return { bild: await createImageBitmap(pixel) };
}

// Fresh code runs slowly until the browser has seen it work and made it
// fast: a picture of the browser's own making, stripes of many colours in
// the board's size, goes through the decoder twice before the first file,
// while the player is still dragging it, and the photo that follows is
// decoded about a third faster. Where the browser cannot make one, the
// photo goes first.
async function WaermeAuf(modul) {
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

// The worker: takes the pieces of files, each with the number of its file,
// and answers each with that number and, once the file is decoded, the
// outcome, or { abgebrochen } when the decoder died on it (having run out
// of memory), and how much memory the decoder holds now.
function DekoderImWerk() {
  const modul = ErzeugeDekoder().then(async (bereit) => {
    await WaermeAuf(bereit).catch(() => {});
    return bereit;
  });
  const dekodierungen = new Map();
  onmessage = async ({ data: { nummer, stueck, letztes } }) => {
    let ausgang;
    try {
      const bereit = await modul;
      if (!dekodierungen.has(nummer))
        dekodierungen.set(nummer, bereit._kalumbo_dekodierung_neu());
      ausgang = await NimmStueck(bereit, dekodierungen.get(nummer), new Uint8Array(stueck), letztes);
      if (ausgang !== null) {
        bereit._kalumbo_dekodierung_weg(dekodierungen.get(nummer));
        dekodierungen.delete(nummer);
      }
    } catch {
      ausgang = { abgebrochen: true };
    }
    const speicher = await modul.then((bereit) => bereit.HEAPU8.length, () => Infinity);
    postMessage({ nummer, speicher, ausgang }, ausgang?.bild ? [ausgang.bild] : []);
  };
}

// The page's side of one worker. dekodiere(datei) reads the file in
// slices of a megabyte and hands them over, as the worker asks for them:
// the visible rows of a baseline photo up to 8000 pixels wide lie in the
// first slice, and nothing after the slice with the last of them is read.
// It gives the outcome as NimmStueck does, { unlesbar } when the file
// cannot be read, or { abgebrochen }. A worker whose decoder died, or
// whose memory a large picture has grown beyond 32 MiB, is verbraucht:
// the page starts another for the next file, and this one ends once its
// files are done.
const Dekoderwerk = (() => {
  const STUECK = 1024 * 1024;
  const SPEICHER = 32 * 1024 * 1024;

  function quelle() {
    // The module's maker reads the address of its script, which the
    // worker has not.
    const teile = ['var _scriptDir;\nvar ErzeugeDekoder = ', ErzeugeDekoder, ';\n'];
    for (const funktion of [NimmStueck, WaermeAuf])
      teile.push(funktion, '\n');
    teile.push('(', DekoderImWerk, ')();\n');
    return new Blob(teile.map(String), { type: 'text/javascript' });
  }

  function starte() {
    const adresse = URL.createObjectURL(quelle());
    const werk = new Worker(adresse);
    URL.revokeObjectURL(adresse);
    const offen = new Map();
    let naechste = 0;
    let laufend = 0;
    let beendet = false;
    const seite = { verbraucht: false };
    const beende = () => {
      seite.verbraucht = true;
      beendet = true;
      werk.terminate();
    };
    werk.onmessage = ({ data: { nummer, speicher, ausgang } }) => {
      const antwort = offen.get(nummer);
      offen.delete(nummer);
      if (ausgang?.abgebrochen || speicher > SPEICHER)
        seite.verbraucht = true;
      antwort(ausgang);
    };
    // A worker that could not start or broke down.
    werk.onerror = (ereignis) => {
      ereignis.preventDefault();
      beende();
      for (const antwort of offen.values())
        antwort({ abgebrochen: true });
      offen.clear();
    };
    const gib = (nummer, stueck, letztes) => new Promise((antwort) => {
      if (beendet)
        return antwort({ abgebrochen: true });
      offen.set(nummer, antwort);
      werk.postMessage({ nummer, stueck, letztes }, [stueck]);
    });

    seite.dekodiere = async (datei) => {
      const nummer = ++naechste;
      ++laufend;
      try {
        for (let anfang = 0; ; anfang += STUECK) {
          let stueck;
          try {
            stueck = await datei.slice(anfang, anfang + STUECK).arrayBuffer();
          } catch {
            // What the worker holds of the file goes with the worker.
            seite.verbraucht = true;
            return { unlesbar: true };
          }
          const ausgang = await gib(nummer, stueck, anfang + STUECK >= datei.size);
          if (ausgang !== null)
            return ausgang;
        }
      } finally {
        if (--laufend === 0 && seite.verbraucht)
          beende();
      }
    };
    return seite;
  }

  return { starte };
})();
