// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The game's message box for errors: titled "Rechen-Kalumbo", with an error
// sign, the text and OK. While it is open the window takes no input; after
// OK the game goes on where it was.
const Meldung = (() => {
  const fenster = document.getElementById('Form1');
  const kasten = document.getElementById('Meldung');
  const text = document.getElementById('MeldungText');
  const ok = document.getElementById('MeldungOk');
  let fokusVorher = null;

  // The message as the game words it (see Spiel.melde). A second message
  // while one is open takes its place; OK still goes back to where the
  // player was before the first.
  function zeige(meldung) {
    text.textContent = meldung;
    for (const teil of fenster.children)
      teil.inert = teil !== kasten;
    if (kasten.hidden)
      fokusVorher = document.activeElement;
    kasten.hidden = false;
    ok.focus();
  }

  function schliesse() {
    kasten.hidden = true;
    for (const teil of fenster.children)
      teil.inert = false;
    if (fokusVorher instanceof HTMLElement)
      fokusVorher.focus();
  }

  ok.addEventListener('click', schliesse);
  kasten.addEventListener('keydown', (ereignis) => {
    if (ereignis.key === 'Escape') {
      ereignis.preventDefault();
      schliesse();
    }
  });

  return { zeige, istOffen: () => !kasten.hidden };
})();
