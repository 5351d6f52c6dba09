// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The game on the page: loads the rules, lets them read the settings and
// show their effects, and passes the presses on the board to them. The
// rules decide everything; the page only draws.
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

  // What the rules ask of the page and tell it.
  const seite = {
    itemIndex: (gruppe) => Fenster.itemIndex(gruppe),
    zeichneStein: (spalte, zeile, art, text) => Brett.zeichneStein(spalte, zeile, art, text),
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
    zeigeBravo() {
      bravo.hidden = false;
    },
  };

  // "Neues Spiel": the whole sequence runs in one go, so the player sees
  // only the finished board. A picture that has not arrived yet comes in
  // when it does; one that cannot be read is reported, and the game is
  // played over grey.
  function neuesSpiel() {
    if (regeln === null)
      return;
    bildDesSpiels = Bilder.fuerItem(Math.max(0, Fenster.itemIndex('Bildwahl')));
    Fenster.zeigeHilfe(false);
    regeln._kalumbo_neues_spiel();
    bravo.hidden = true;
    Brett.neuesBild(bildDesSpiels);
    zeichneBrett();
    meldeZug(null);
    meldeUnlesbares(bildDesSpiels);
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
      const [geladen] = await Promise.all([
        ErzeugeRegeln({ seite }),
        document.fonts.load('13px "Kalumbo Sans"'),
        document.fonts.load('bold 21px "Kalumbo Sans"'),
      ]);
      regeln = geladen;
    } catch (fehler) {
      const hinweis = document.createElement('p');
      hinweis.className = 'hinweis';
      hinweis.textContent = Texte.BrowserZuAlt;
      document.body.replaceChildren(hinweis);
      throw fehler;
    }
    Bilder.dekodiereVorab();
    Fenster.zeigeFertig();
    Klassenlink.wendeAn(regeln);
  }

  element('BitBtn1').addEventListener('click', neuesSpiel);
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
