// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The board for a player without a mouse or without sight: over the
// canvas lies a grid of cells, invisible, each named by what it shows,
// for screen readers. The game keeps the keyboard's cursor and paints its
// frame; here the keys, the focus and a screen reader's press on a cell
// are passed to it, and the grid shows what the game tells: the words of
// each cell, the cell under the cursor, whose words have the focus while
// the board has it, and what a press did, in the status line.
// Needs: Texte (texte.js); Spiel when the player does something.
const Zugang = (() => {
  const element = (id) => document.getElementById(id);
  const raster = element('Brettzugang');
  const ansage = element('Ansage');
  const meldung = element('Meldung');

  // The keys the board takes, by the game's number for each.
  const TASTEN = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3, Home: 4, End: 5, ' ': 6, Enter: 6 };
  const DRUCK = 6;
  // How the focus came to the board, by the game's number for each.
  const MAUS = 0;
  const TASTATUR = 1;
  const FENSTER = 2;

  const zellen = [];   // the grid's cells, row by row
  // What takes the focus in a cell: its words, not the cell itself, so
  // that a screen reader entering a row says that row's number and the
  // one cell, not the whole row.
  const ziel = (stelle) => zellen[stelle].firstChild;
  let spalten = 0;
  let zeiger = 0;      // the cell under the cursor
  let mitSpiel = false;
  let hilfeOffen = true;
  let durchMaus = false; // the board is being pressed with the mouse or a finger

  const nummer = (spalte, zeile) => (zeile - 1) * spalten + (spalte - 1);

  // The grid as the game measures the board, every cell empty.
  function baueRaster(neueSpalten, zeilen) {
    spalten = neueSpalten;
    for (let zeile = 0; zeile < zeilen; ++zeile) {
      const reihe = document.createElement('div');
      reihe.className = 'zeile';
      reihe.setAttribute('role', 'row');
      reihe.style.top = `${(100 * zeile) / zeilen}%`;
      reihe.style.height = `${100 / zeilen}%`;
      for (let spalte = 0; spalte < spalten; ++spalte) {
        const zelle = document.createElement('div');
        zelle.className = 'zelle';
        zelle.id = `Zelle${spalte + 1}${zeile + 1}`;
        zelle.setAttribute('role', 'gridcell');
        zelle.style.left = `${(100 * spalte) / spalten}%`;
        zelle.style.width = `${100 / spalten}%`;
        const name = document.createElement('span');
        name.className = 'vorgelesen';
        name.textContent = Texte.ZelleLeer;
        name.tabIndex = -1;
        zelle.append(name);
        reihe.append(zelle);
        zellen.push(zelle);
      }
      raster.append(reihe);
    }
  }

  // The board is in the Tab order once a game lies on it and nothing
  // covers it; the cell under the cursor is its one stop.
  function ordneTabfolge() {
    const erreichbar = mitSpiel && !hilfeOffen;
    zellen.forEach((_, stelle) => {
      ziel(stelle).tabIndex = erreichbar && stelle === zeiger ? 0 : -1;
    });
  }

  // The cursor is on the cell now; the focus follows it while the board
  // has it, and a screen reader hears the new cell.
  function zeigeZeiger(spalte, zeile) {
    zeiger = nummer(spalte, zeile);
    ordneTabfolge();
    if (raster.contains(document.activeElement) && document.activeElement !== ziel(zeiger))
      ziel(zeiger).focus({ preventScroll: durchMaus });
  }

  function meldeZelle(spalte, zeile, { name, stein, ausgewaehlt, eingesperrt }) {
    const zelle = zellen[nummer(spalte, zeile)];
    zelle.firstChild.textContent = name;
    if (stein)
      zelle.setAttribute('aria-selected', String(ausgewaehlt));
    else
      zelle.removeAttribute('aria-selected');
    for (const teil of [zelle, zelle.firstChild])
      if (eingesperrt)
        teil.setAttribute('aria-describedby', 'Eingesperrt');
      else
        teil.removeAttribute('aria-describedby');
  }

  // The same words once more are a change too, by a blank that no one
  // hears, so they are said again.
  function schreibe(text) {
    ansage.textContent = text !== '' && ansage.textContent === text ? text + '\u00a0' : text;
  }

  // The words of a new game wait until the browser has told of the 64
  // cells it changed: amid such a flood of changes Orca drops whatever
  // does not concern the focus. Words that come while others wait take
  // their place.
  let neuGelegt = false;
  let gesagt = 0;
  function sageAn(text) {
    const nummer = ++gesagt;
    if (!neuGelegt) {
      schreibe(text);
      return;
    }
    neuGelegt = false;
    requestAnimationFrame(() => setTimeout(() => {
      if (nummer === gesagt)
        schreibe(text);
    }));
  }

  function beiTaste(ereignis) {
    const taste = TASTEN[ereignis.key];
    if (taste === undefined || ereignis.altKey || ereignis.ctrlKey || ereignis.metaKey || ereignis.shiftKey)
      return;
    if (Spiel.taste(taste, ereignis.repeat))
      ereignis.preventDefault();
  }

  // A screen reader's own press (VoiceOver's action, a reader's browse
  // mode) comes to the cell as a click, and presses it as Space would;
  // the mouse's never does, it goes through to the canvas.
  function beiKlick(ereignis) {
    const zelle = ereignis.target.closest('.zelle');
    if (zelle === null || hilfeOffen)
      return;
    zelle.firstChild.focus();
    Spiel.fokusKommt(TASTATUR);
    Spiel.taste(DRUCK, false);
  }

  // Coming to the board: by the mouse (see drueckeMitMaus), from the
  // window becoming active or a closing message box, or else by the Tab
  // key or a screen reader. A screen reader may put the focus on any
  // cell: the cursor goes there first.
  raster.addEventListener('focusin', (ereignis) => {
    const stelle = zellen.indexOf(ereignis.target.closest('.zelle'));
    if (stelle >= 0 && stelle !== zeiger)
      Spiel.zeigeAuf(stelle % spalten + 1, Math.floor(stelle / spalten) + 1);
    if (raster.contains(ereignis.relatedTarget))
      return;
    const vorher = ereignis.relatedTarget;
    Spiel.fokusKommt(durchMaus ? MAUS : vorher === null || meldung.contains(vorher) ? FENSTER : TASTATUR);
  });
  raster.addEventListener('focusout', (ereignis) => {
    if (!raster.contains(ereignis.relatedTarget))
      Spiel.fokusGeht();
  });
  raster.addEventListener('keydown', beiTaste);
  raster.addEventListener('click', beiKlick);

  return {
    baueRaster,
    zeigeZeiger,
    meldeZelle,
    sageAn,
    zeigeHilfe(sichtbar) {
      hilfeOffen = sichtbar;
      ordneTabfolge();
    },
    // A game lies on the board from now on, a new one each time.
    zeigeBrett() {
      mitSpiel = true;
      neuGelegt = true;
      ordneTabfolge();
    },
    // A press of the mouse or a finger on the board: the board takes the
    // focus, without scrolling, and then the press.
    drueckeMitMaus(druecke) {
      durchMaus = true;
      try {
        ziel(zeiger).focus({ preventScroll: true });
        druecke();
      } finally {
        durchMaus = false;
      }
    },
  };
})();
