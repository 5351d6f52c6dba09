// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The two tile colours. They hold for the whole visit, across games, and
// only the buttons "normal" and "ausgewählt" change them, through the
// browser's own colour chooser.
const Farben = (() => {
  const farben = { normal: '#ffd0a0', ausgewaehlt: '#1060a0' };

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
      verbinde('BitBtn3', 'FarbwahlNormal', 'normal', zeichneBrett);
      verbinde('BitBtn4', 'FarbwahlAusgewaehlt', 'ausgewaehlt', zeichneBrett);
    },
    normal: () => farben.normal,
    ausgewaehlt: () => farben.ausgewaehlt,
  };
})();
