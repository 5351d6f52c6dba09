// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The two tile colours. They hold for the whole visit, across games, and
// only the buttons "normal" and "ausgewählt" change them, through the
// browser's own colour chooser.
const Farben = (() => {
  // The start colours come with the rules.
  const farben = { normal: '#000000', ausgewaehlt: '#000000' };

  // After the chooser the board is drawn again in the colours now chosen.
  function verbinde(knopfId, wahlId, welche, zeichneBrett) {
    const wahl = document.getElementById(wahlId);
    document.getElementById(knopfId).addEventListener('click', () => {
      wahl.value = farben[welche];
      try {
        wahl.showPicker();
      } catch {
        wahl.click();
      }
    });
    wahl.addEventListener('change', () => {
      farben[welche] = wahl.value;
      zeichneBrett();
    });
  }

  return {
    verbinde(zeichneBrett) {
      verbinde('FarbeNormalKnopf', 'FarbwahlNormal', 'normal', zeichneBrett);
      verbinde('FarbeAusgewaehltKnopf', 'FarbwahlAusgewaehlt', 'ausgewaehlt', zeichneBrett);
    },
    richteEin(aussehen) {
      farben.normal = aussehen.normal;
      farben.ausgewaehlt = aussehen.ausgewaehlt;
    },
    normal: () => farben.normal,
    ausgewaehlt: () => farben.ausgewaehlt,
  };
})();
