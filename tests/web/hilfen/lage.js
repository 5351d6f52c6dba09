// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The window's layout as texte/lage.json holds it, read by the tests
// themselves: a page unlike the file fails, however it came to differ.
const fs = require('fs');
const path = require('path');

const IM_BROWSER = 'ImBrowser';

function ohneKommentare(wert) {
  if (Array.isArray(wert))
    return wert.map(ohneKommentare);
  if (wert && typeof wert === 'object')
    return Object.fromEntries(Object.entries(wert).filter(([name]) => !name.startsWith('//'))
      .map(([name, inhalt]) => [name, ohneKommentare(inhalt)]));
  return wert;
}

const quelle = ohneKommentare(JSON.parse(fs.readFileSync(path.join(__dirname, '../../../texte/lage.json'), 'utf8')));

// Every control the page has, each with the name of its parent: the
// window, the help panel or a page of the tab control.
const controls = [];
function sammle(liste, eltern) {
  for (const control of liste) {
    if (control.ImBrowser !== false)
      controls.push({ ...control, eltern });
    sammle(control.Controls ?? [], control.Name);
    for (const seite of control.Seiten ?? [])
      sammle(seite.Controls, seite.Name);
  }
}
sammle(quelle.Fenster.Controls, quelle.Fenster.Name);

const control = (name) => controls.find((eintrag) => eintrag.Name === name);

module.exports = {
  Fenster: quelle.Fenster,
  controls,
  control,
  seiten: control('Seiten').Seiten,
  // The stops of the Tab key in the page, in their order.
  tabfolge: quelle.Tabfolge.map((stopp) => (stopp.endsWith(IM_BROWSER) ? stopp.slice(0, -IM_BROWSER.length) : stopp)),
};
