// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The two tile colours are the game's, for the whole visit. The buttons
// "normal" and "ausgewählt" open the browser's own colour chooser at the
// colour that holds now, and hand the game the one chosen.
// Needs: Spiel when a button is pressed.
const Farben = (() => {
  // The game keeps a colour as $00BBGGRR, the page as "#rrggbb".
  const alsHex = (farbe) => `#${[farbe, farbe >> 8, farbe >> 16].map((anteil) => (anteil & 0xff).toString(16).padStart(2, '0')).join('')}`;
  const ausHex = (hex) => [1, 3, 5].reduce((farbe, stelle, i) => farbe | (parseInt(hex.slice(stelle, stelle + 2), 16) << (8 * i)), 0);

  // Welche: 0 the normal colour, 1 the selected tile's, as the game counts.
  function verbinde(knopfId, wahlId, welche) {
    const wahl = document.getElementById(wahlId);
    document.getElementById(knopfId).addEventListener('click', () => {
      wahl.value = alsHex(Spiel.farbe(welche));
      try {
        wahl.showPicker();
      } catch {
        wahl.click();
      }
    });
    wahl.addEventListener('change', () => Spiel.farbeGewaehlt(welche, ausHex(wahl.value)));
  }

  verbinde('FarbeNormalKnopf', 'FarbwahlNormal', 0);
  verbinde('FarbeAusgewaehltKnopf', 'FarbwahlAusgewaehlt', 1);

  return { alsHex };
})();
