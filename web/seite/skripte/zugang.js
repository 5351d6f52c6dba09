// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The board for a player without a mouse or without sight: over the
// canvas lies a grid of 8 x 8 cells, invisible, each named by what it
// shows, for screen readers. While a cell of it has the focus a frame
// marks it: the arrow keys, Home and End move the frame, Space and Enter
// press the cell as a mouse press at its middle would. A press of the
// mouse or a finger hides the frame until the next key, so a player with
// the mouse sees the board as it is drawn. After every press the cells
// say what changed, and the status line says what the press did. Where
// the cursor goes and what a cell is called are the rules' answers.
// Needs: Texte, fuelle (texte.js), Spiel.
(() => {
  const element = (id) => document.getElementById(id);
  const raster = element('Brettzugang');
  const ansage = element('Ansage');
  const hilfe = element('Hilfe');
  const ZEILEN = 8;
  const SPALTEN = 8;

  // The keys that move the cursor, by the rules' number for each.
  const RICHTUNG = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3, Home: 4, End: 5 };
  const DRUCKTASTEN = [' ', 'Enter'];

  const ANSAGEN = {
    ausgewaehlt: Texte.AnsageAusgewaehlt,
    abgewaehlt: Texte.AnsageAbgewaehlt,
    eingesperrt: Texte.AnsageEingesperrt,
    geloest: Texte.AnsageGeloest,
    fertig: Texte.AnsageFertig,
  };

  const zellen = [];   // the grid's cells, row by row
  const gezeigt = [];  // what each cell says now, as the rules described it
  let regeln = null;   // there from the first game on
  let zeiger = 0;      // the cell under the cursor
  let verborgen = false; // a press of the mouse hid the frame
  let durchMaus = false;  // the focus comes to the board with a press of the mouse

  function baueRaster() {
    for (let zeile = 0; zeile < ZEILEN; ++zeile) {
      const reihe = document.createElement('div');
      reihe.className = 'zeile';
      reihe.setAttribute('role', 'row');
      reihe.style.top = `${(100 * zeile) / ZEILEN}%`;
      for (let spalte = 0; spalte < SPALTEN; ++spalte) {
        const zelle = document.createElement('div');
        zelle.className = 'zelle';
        zelle.id = `Zelle${spalte + 1}${zeile + 1}`;
        zelle.setAttribute('role', 'gridcell');
        zelle.tabIndex = -1;
        zelle.style.left = `${(100 * spalte) / SPALTEN}%`;
        const name = document.createElement('span');
        name.className = 'vorgelesen';
        name.textContent = Texte.ZelleLeer;
        zelle.append(name);
        reihe.append(zelle);
        zellen.push(zelle);
        gezeigt.push(null);
      }
      raster.append(reihe);
    }
  }

  // The cells whose words changed take the new ones.
  function aktualisiere() {
    const beschreibungen = JSON.parse(regeln.UTF8ToString(regeln._kalumbo_zellen()));
    beschreibungen.forEach((neu, nummer) => {
      const text = JSON.stringify(neu);
      if (text === gezeigt[nummer])
        return;
      gezeigt[nummer] = text;
      const zelle = zellen[nummer];
      zelle.firstChild.textContent = neu.name;
      zelle.classList.toggle('stein', neu.stein);
      if (neu.stein)
        zelle.setAttribute('aria-selected', String(neu.ausgewaehlt));
      else
        zelle.removeAttribute('aria-selected');
      if (neu.eingesperrt)
        zelle.setAttribute('aria-describedby', 'Eingesperrt');
      else
        zelle.removeAttribute('aria-describedby');
    });
  }

  // The board is in the Tab order once a game lies on it and nothing
  // covers it; the cell under the cursor is its one stop.
  function ordneTabfolge() {
    const erreichbar = regeln !== null && hilfe.hidden;
    zellen.forEach((zelle, nummer) => {
      zelle.tabIndex = erreichbar && nummer === zeiger ? 0 : -1;
    });
  }

  const hatFokus = () => raster.contains(document.activeElement);

  function zeigeRahmen() {
    raster.classList.toggle('zeigt', hatFokus() && !verborgen);
  }

  // Moves the cursor; the focus follows it while the board has it, and a
  // screen reader hears the new cell.
  function setzeZeiger(nummer) {
    const hatteFokus = hatFokus();
    zellen[zeiger].classList.remove('zeiger');
    zeiger = nummer;
    zellen[zeiger].classList.add('zeiger');
    ordneTabfolge();
    if (hatteFokus)
      zellen[zeiger].focus({ preventScroll: verborgen });
    zeigeRahmen();
  }

  // What the press did, in the status line. The same words once more are
  // a change too, by a blank that no one hears, so they are said again.
  function sageAn() {
    const { art, text } = JSON.parse(regeln.UTF8ToString(regeln._kalumbo_ansage()));
    if (!ANSAGEN[art])
      return;
    const neu = fuelle(ANSAGEN[art], text);
    ansage.textContent = ansage.textContent === neu ? neu + '\u00a0' : neu;
  }

  // Told by the game after a new game is dealt (pixel null) and after every
  // press on the board with the mouse or a finger.
  function nachZug(geladen, pixel) {
    regeln = geladen;
    if (pixel === null) {
      ansage.textContent = '';
      setzeZeiger(regeln._kalumbo_zeiger_beginne());
      aktualisiere();
      return;
    }
    verborgen = true;
    durchMaus = true;
    setzeZeiger(regeln._kalumbo_zeiger_setze(pixel.x, pixel.y));
    zellen[zeiger].focus({ preventScroll: true });
    durchMaus = false;
    aktualisiere();
    sageAn();
  }

  function beiTaste(ereignis) {
    if (regeln === null || ereignis.altKey || ereignis.ctrlKey || ereignis.metaKey || ereignis.shiftKey)
      return;
    const richtung = RICHTUNG[ereignis.key];
    const druck = DRUCKTASTEN.includes(ereignis.key);
    // A press on a board that the help covers is no press on the board:
    // Enter goes on to the window.
    if ((richtung === undefined && !druck) || (druck && !hilfe.hidden))
      return;
    ereignis.preventDefault();
    // The first key after a press of the mouse shows the cursor where it stands.
    if (verborgen) {
      verborgen = false;
      zeigeRahmen();
      return;
    }
    if (richtung !== undefined) {
      setzeZeiger(regeln._kalumbo_zeiger_bewege(richtung));
      return;
    }
    // Holding the key down presses once.
    if (!ereignis.repeat)
      drueckeZeiger();
  }

  function drueckeZeiger() {
    regeln._kalumbo_zeiger_druck();
    aktualisiere();
    sageAn();
  }

  // A screen reader's own press (VoiceOver's action, a reader's browse
  // mode) comes to the cell as a click; the mouse's never does, it goes
  // through to the canvas.
  function beiKlick(ereignis) {
    const nummer = zellen.indexOf(ereignis.target.closest('.zelle'));
    if (regeln === null || nummer < 0 || !hilfe.hidden)
      return;
    setzeZeiger(regeln._kalumbo_zeiger_nimm(nummer));
    zellen[zeiger].focus();
    drueckeZeiger();
  }

  baueRaster();
  zellen[zeiger].classList.add('zeiger');
  raster.addEventListener('keydown', beiTaste);
  raster.addEventListener('click', beiKlick);
  // Coming to the board by Tab shows the frame, as any key does. A screen
  // reader may put the focus on any cell: the cursor goes there too.
  raster.addEventListener('focusin', (ereignis) => {
    if (!durchMaus && !raster.contains(ereignis.relatedTarget))
      verborgen = false;
    const nummer = zellen.indexOf(ereignis.target);
    if (regeln !== null && nummer >= 0 && nummer !== zeiger)
      setzeZeiger(regeln._kalumbo_zeiger_nimm(nummer));
    zeigeRahmen();
  });
  raster.addEventListener('focusout', () => raster.classList.remove('zeigt'));
  new MutationObserver(ordneTabfolge).observe(hilfe, { attributes: true, attributeFilter: ['hidden'] });
  // Another form decides anew which tiles are shut in.
  element('Form').addEventListener('change', () => regeln !== null && aktualisiere());
  Spiel.beiZug(nachZug);
})();
