// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The game on the page: takes it when its WebAssembly has loaded, passes
// it the player's events, and does what it asks of the page: read the
// settings, draw on the board's canvases, show its texts. The game
// decides everything; the page only shows.
// Needs: Start, Texte, Meldung, Fenster, Bilder, Brett, Zugang,
// Klassenlink.
const Spiel = (() => {
  const element = (id) => document.getElementById(id);
  const bravo = element('Bravo');
  const verlauf = element('History');
  let regeln = null;

  // What the game asks of the page and tells it, in the order it does.
  const oberflaeche = {
    legeBrettFest(spalten, zeilen, zellgroesse, steingroesse) {
      Brett.legeFest(spalten * zellgroesse, zellgroesse, steingroesse);
      Zugang.baueRaster(spalten, zeilen);
    },
    zeichenflaechen: Brett.zeichenflaechen,
    itemIndex: (gruppe) => Fenster.itemIndex(gruppe),
    waehleItem: (gruppe, item) => Klassenlink.waehleItem(gruppe, item),
    zeigeHilfe(sichtbar) {
      Fenster.zeigeHilfe(sichtbar);
      Zugang.zeigeHilfe(sichtbar);
    },
    zeigeBravo(sichtbar) {
      bravo.hidden = !sichtbar;
    },
    zeigeFortschritt(text) {
      element('Geloest').textContent = text;
    },
    ergaenzeVerlauf(zeile) {
      const neue = document.createElement('div');
      neue.textContent = zeile;
      verlauf.append(neue);
    },
    leereVerlauf() {
      verlauf.replaceChildren();
    },
    // A picture that has not arrived yet comes in when it does.
    bereiteHintergrundVor() {
      Brett.nimmHintergrund(Bilder.fuerItem(Math.max(0, Fenster.itemIndex('Hintergrund'))));
    },
    zeigeBrett: () => Zugang.zeigeBrett(),
    zeigeZeiger: (spalte, zeile) => Zugang.zeigeZeiger(spalte, zeile),
    meldeZelle: (spalte, zeile, zelle) => Zugang.meldeZelle(spalte, zeile, zelle),
    sageAn: (text) => Zugang.sageAn(text),
    zeigeMeldung: (text) => Meldung.zeige(text),
  };

  // Every event reaches the game through here and runs to its end before
  // the next. One that arises while the game is still answering (a focus
  // the page moved when told to) waits until it has answered: nothing
  // calls into the game from inside it. Before the game has loaded there
  // is no one to tell.
  let imSpiel = false;
  const wartende = [];
  function sende(ruf) {
    if (regeln === null)
      return 0;
    if (imSpiel) {
      wartende.push(ruf);
      return 0;
    }
    imSpiel = true;
    try {
      return ruf(regeln);
    } finally {
      imSpiel = false;
      if (wartende.length > 0)
        sende(wartende.shift());
    }
  }

  // A text for the game goes into its text room first.
  const mitText = (text, ruf) => sende((spiel) => {
    const bytes = new TextEncoder().encode(text);
    spiel.HEAPU8.set(bytes, spiel._kalumbo_textraum(bytes.length));
    return ruf(spiel);
  });

  const melde = (text) => mitText(text, (spiel) => spiel._kalumbo_melde());

  // A built-in picture that cannot be read is reported, and the game is
  // played over grey.
  function meldeUnlesbares(bild) {
    const meldung = Bilder.fehlerBei(bild);
    if (meldung !== null)
      melde(meldung);
  }

  // "Neues Spiel": the whole sequence runs in one go, so the player sees
  // only the finished board.
  function neuesSpiel() {
    sende((spiel) => spiel._kalumbo_neues_spiel());
    meldeUnlesbares(Brett.hintergrund());
  }

  function beiAnkunft(bild) {
    if (bild !== Brett.hintergrund())
      return;
    sende((spiel) => spiel._kalumbo_zeichne_alles_neu());
    meldeUnlesbares(bild);
  }

  // Any button, a finger or a pen: every press on the board counts.
  function beiDruck(ereignis) {
    ereignis.preventDefault();
    const pixel = Brett.pixelAn(ereignis.clientX, ereignis.clientY);
    if (regeln !== null && pixel !== null)
      Zugang.drueckeMitMaus(() => sende((spiel) => spiel._kalumbo_maus(pixel.x, pixel.y)));
  }

  async function lade() {
    try {
      const [geladen] = await Promise.all([Start.regeln, Start.schriften]);
      geladen.oberflaeche = oberflaeche;
      regeln = geladen;
      sende((spiel) => spiel._kalumbo_beginne());
    } catch (fehler) {
      const hinweis = document.createElement('p');
      hinweis.className = 'hinweis';
      hinweis.textContent = Texte.BrowserZuAlt;
      document.body.replaceChildren(hinweis);
      throw fehler;
    }
    Fenster.zeigeFertig(Bilder.holeEingebaute);
    Klassenlink.wendeAn();
  }

  element('NeuesSpielKnopf').addEventListener('click', neuesSpiel);
  Brett.element.addEventListener('pointerdown', beiDruck);
  Brett.element.addEventListener('contextmenu', (ereignis) => ereignis.preventDefault());
  // A choice on the settings page may shut other tiles in.
  element('Einstellungen').addEventListener('change', (ereignis) => {
    if (ereignis.target.type === 'radio')
      sende((spiel) => spiel._kalumbo_einstellung_geaendert());
  });
  Bilder.beiAnkunft(beiAnkunft);
  Fenster.beiNeuerAufloesung((pixel) => {
    if (Brett.setzeAufloesung(pixel))
      sende((spiel) => spiel._kalumbo_zeichne_alles_neu());
  });
  Fenster.passeAn();
  lade();

  return {
    neuesSpiel,
    schalteHilfe: () => sende((spiel) => spiel._kalumbo_schalte_hilfe()),
    fertig: () => sende((spiel) => spiel._kalumbo_fertig()),
    // Whether the game took Enter, to press "Fertig".
    eingabetaste: () => sende((spiel) => spiel._kalumbo_eingabetaste()) !== 0,
    // A key on the board, by the game's number; whether the board took it.
    taste: (taste, wiederholt) => sende((spiel) => spiel._kalumbo_taste(taste, wiederholt ? 1 : 0)) !== 0,
    fokusKommt: (weg) => sende((spiel) => spiel._kalumbo_fokus_kommt(weg)),
    fokusGeht: () => sende((spiel) => spiel._kalumbo_fokus_geht()),
    zeigeAuf: (spalte, zeile) => sende((spiel) => spiel._kalumbo_zeige_auf(spalte, zeile)),
    // The tile colour that holds now (0 normal, 1 selected), and a new one.
    farbe: (welche) => regeln._kalumbo_farbe(welche),
    farbeGewaehlt: (welche, farbe) => sende((spiel) => spiel._kalumbo_farbe_gewaehlt(welche, farbe)),
    // A message for the game's message box, which words it.
    melde,
    // The page's address after "#", a teacher's class link.
    klassenlink: (adresse) => mitText(adresse, (spiel) => spiel._kalumbo_klassenlink()),
    // For tests and measurements: the game as it stands.
    zustand: () => JSON.parse(regeln.UTF8ToString(regeln._kalumbo_zustand())),
    // For tests: from now on every game comes from this seed.
    saeeFest: (saat) => sende((spiel) => spiel._kalumbo_saee_fest(saat)),
  };
})();
