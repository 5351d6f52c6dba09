// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The game on the page: takes the rules when they have loaded, lets them
// read the settings and show their effects, and passes the presses on
// the board to them. The rules decide everything; the page only draws.
// Needs: Start, Texte, Meldung, Fenster, Farben, Bilder, Brett,
// Klassenlink.
const Spiel = (() => {
  const element = (id) => document.getElementById(id);
  const bravo = element('Bravo');
  const verlauf = element('History');
  let regeln = null;
  let bildDesSpiels = null;
  // Who follows the game beside the board, told with the rules after a new
  // game is dealt (pixel null) and after every press on the board.
  const zuschauer = [];
  const meldeZug = (pixel) => zuschauer.forEach((rueckruf) => rueckruf(regeln, pixel));

  // What the rules ask of the page and tell it, in the order they do.
  const bruecke = {
    itemIndex: (gruppe) => Fenster.itemIndex(gruppe),
    zeichneStein: (spalte, zeile, zellbild, text) => Brett.zeichneStein(spalte, zeile, zellbild, text),
    zeigeFortschritt(text) {
      element('Geloest').textContent = text;
    },
    ergaenzeVerlauf(zeile) {
      const neue = document.createElement('div');
      neue.textContent = zeile;
      verlauf.append(neue);
    },
    zeigeBravo() {
      bravo.hidden = false;
    },
    // The steps of a new game that are the page's own.
    verbergeHilfe: () => Fenster.zeigeHilfe(false),
    leereVerlauf() {
      verlauf.replaceChildren();
    },
    verbergeBravo() {
      bravo.hidden = true;
    },
    // A picture that has not arrived yet comes in when it does.
    legeBrettAn() {
      bildDesSpiels = Bilder.fuerItem(Math.max(0, Fenster.itemIndex('Hintergrund')));
      Brett.neuesBild(bildDesSpiels);
    },
    // One that cannot be read is reported, and the game is played over grey.
    zeigeBrett() {
      meldeUnlesbares(bildDesSpiels);
    },
  };

  // "Neues Spiel": the whole sequence runs in one go, so the player sees
  // only the finished board.
  function neuesSpiel() {
    if (regeln === null)
      return;
    regeln._kalumbo_neues_spiel();
    meldeZug(null);
  }

  function meldeUnlesbares(bild) {
    const meldung = Bilder.fehlerBei(bild);
    if (meldung !== null)
      Meldung.zeige(meldung);
  }

  function beiAnkunft(bild) {
    if (bild !== bildDesSpiels)
      return;
    Brett.zeichneNeu();
    meldeUnlesbares(bild);
  }

  function zeichneBrett() {
    if (regeln !== null)
      regeln._kalumbo_zeichne_brett();
  }

  // Any button, a finger or a pen: every press on the board counts.
  function beiDruck(ereignis) {
    ereignis.preventDefault();
    const pixel = Brett.pixelAn(ereignis.clientX, ereignis.clientY);
    if (regeln === null || pixel === null)
      return;
    regeln._kalumbo_druck(pixel.x, pixel.y);
    meldeZug(pixel);
  }

  async function lade() {
    try {
      const [geladen] = await Promise.all([Start.regeln, Start.schriften]);
      geladen.bruecke = bruecke;
      regeln = geladen;
      Brett.richteEin(regeln);
    } catch (fehler) {
      const hinweis = document.createElement('p');
      hinweis.className = 'hinweis';
      hinweis.textContent = Texte.BrowserZuAlt;
      document.body.replaceChildren(hinweis);
      throw fehler;
    }
    Fenster.zeigeFertig(Bilder.holeEingebaute);
    Klassenlink.wendeAn(regeln);
  }

  element('NeuesSpielKnopf').addEventListener('click', neuesSpiel);
  Brett.element.addEventListener('pointerdown', beiDruck);
  Brett.element.addEventListener('contextmenu', (ereignis) => ereignis.preventDefault());
  Farben.verbinde(zeichneBrett);
  Bilder.beiAnkunft(beiAnkunft);
  Fenster.beiNeuerAufloesung(Brett.setzeAufloesung);
  Fenster.passeAn();
  lade();

  return {
    neuesSpiel,
    // For tests and measurements: the game as the rules hold it.
    zustand: () => JSON.parse(regeln.UTF8ToString(regeln._kalumbo_zustand())),
    // For tests: from now on every game comes from this seed.
    saeeFest: (saat) => regeln._kalumbo_saee_fest(saat),
    beiZug: (rueckruf) => zuschauer.push(rueckruf),
  };
})();
