// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The player's own pictures. A browser has no working directory to put
// "Bild1.jpg" into, so a picture file dropped onto the board takes the
// place of the picture of the chosen "Hintergrund" item. Where nothing can
// be dropped, a long press on an item (or its context menu) selects it and
// opens the file choice. Either way the picture shows from the next new
// game on, as a file beside the desktop program would.
(() => {
  const LANGER_DRUCK_MS = 500;
  const element = (id) => document.getElementById(id);
  const brettflaeche = [element('Spielbrett'), element('Hilfe'), element('Brettrahmen')];
  const dateiwahl = element('Bilddatei');
  const eintraege = [...document.querySelectorAll('#Hintergrund label')];
  const hinweis = element('Hintergrund').title;
  let zielIndex = 0;

  async function uebernimm(index, datei) {
    try {
      await Bilder.uebernimm(index, datei);
      eintraege[index].title = fuelle(Texte.EigenesBild, hinweis, datei.name);
    } catch (fehler) {
      Spiel.melde(fehler.message);
    }
  }

  // Dropping on the board area; anywhere else a dropped file must not take
  // the browser away from the game.
  const aufBrett = (ereignis) => brettflaeche.some((teil) => teil.contains(ereignis.target));
  document.addEventListener('dragover', (ereignis) => {
    ereignis.preventDefault();
    const passt = aufBrett(ereignis) && !Meldung.istOffen();
    ereignis.dataTransfer.dropEffect = passt ? 'copy' : 'none';
    element('Spielbrett').classList.toggle('ablage', passt);
  });
  document.addEventListener('dragleave', () => element('Spielbrett').classList.remove('ablage'));
  document.addEventListener('dragenter', (ereignis) => {
    if (ereignis.dataTransfer?.types.includes('Files'))
      Bilder.kommtBald();
  });
  document.addEventListener('drop', (ereignis) => {
    ereignis.preventDefault();
    element('Spielbrett').classList.remove('ablage');
    const datei = ereignis.dataTransfer?.files[0];
    if (datei && aufBrett(ereignis) && !Meldung.istOffen())
      uebernimm(Math.max(0, Fenster.itemIndex('Hintergrund')), datei);
  });

  function waehleDatei(index) {
    eintraege[index].querySelector('input').checked = true;
    zielIndex = index;
    dateiwahl.value = '';
    Bilder.kommtBald();
    dateiwahl.click();
  }

  dateiwahl.addEventListener('change', () => {
    if (dateiwahl.files.length > 0)
      uebernimm(zielIndex, dateiwahl.files[0]);
  });

  // A long press marks the item once it is long enough; letting go then
  // opens the file choice: a finger's release is what lets a page open it.
  // A right-click opens it at once.
  eintraege.forEach((eintrag, index) => {
    let uhr = 0;
    let mitFinger = false;
    const halte = () => {
      clearTimeout(uhr);
      eintrag.classList.add('gehalten');
    };
    const vergiss = () => {
      clearTimeout(uhr);
      eintrag.classList.remove('gehalten');
    };
    eintrag.addEventListener('pointerdown', (ereignis) => {
      vergiss();
      mitFinger = ereignis.pointerType !== 'mouse';
      if (ereignis.button === 0)
        uhr = setTimeout(halte, LANGER_DRUCK_MS);
    });
    eintrag.addEventListener('pointerup', () => {
      const lang = eintrag.classList.contains('gehalten');
      vergiss();
      if (lang)
        waehleDatei(index);
    });
    eintrag.addEventListener('pointerleave', vergiss);
    eintrag.addEventListener('pointercancel', vergiss);
    // Some browsers answer a long press with the context menu: that press
    // then counts as held, and the release opens the file choice.
    eintrag.addEventListener('contextmenu', (ereignis) => {
      ereignis.preventDefault();
      if (mitFinger) {
        halte();
      } else {
        vergiss();
        waehleDatei(index);
      }
    });
  });
})();
