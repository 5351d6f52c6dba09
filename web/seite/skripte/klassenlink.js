// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// A teacher's class link: the page's address after "#" names the items
// the game starts with, such as
// index.html#zahlen=30&rechenarten=plus&form=A&hintergrund=2. The rules
// read it, as the desktop reads its start options; the page reads it at
// every load and stores nothing, so "Noch einmal spielen" and a reload
// start with the link again. A part that cannot be read is reported in the
// game's message box, and its group keeps its default.
// Needs: Spiel, once the game has loaded.
const Klassenlink = (() => {
  // Far longer than any class link: a longer address is read up to here.
  const LAENGSTE = 2000;

  // Hands the game the link, which chooses its items in the groups it
  // names; the others keep their defaults. Called once the game is loaded
  // and the window is shown, before the player can touch it.
  function wendeAn() {
    // Every load starts from the page's defaults, also where the browser
    // would bring back the choices made before a reload.
    for (const knopf of document.querySelectorAll('input[type=radio]'))
      knopf.checked = knopf.defaultChecked;
    Spiel.klassenlink(location.hash.slice(0, LAENGSTE));
  }

  // The game chooses an item of a group, as the link names it.
  function waehleItem(gruppe, item) {
    document.querySelector(`input[name="${gruppe}"][value="${item}"]`).checked = true;
  }

  // An address changed by hand starts the game afresh with it, as a new
  // load would.
  window.addEventListener('hashchange', () => location.reload());

  return { wendeAn, waehleItem };
})();
