// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// axe-core's checks of the page against the rules of WCAG 2.0 to 2.2,
// levels A and AA. Its source comes from the test's node_modules and is
// run as a script of the driver, in every engine alike: the page's
// content security policy forbids a script added to the page itself.
const fs = require('fs');

const REGELWERKE = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'];

// A function that, run in the page, defines window.axe. Read once.
let einrichtung = null;
const axeEinrichtung = () => (einrichtung ??= new Function(fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8')));

// Every violation in the page as it is now, as one line each: the rule,
// the elements it found, and what is wrong with the first of them, so a
// failed comparison with [] says what to mend. Rules named in ohne are
// left out. With eigeneGroesse every target must measure 24 x 24 pixels
// by itself, without WCAG's exception for a smaller one with room around
// it.
async function verstoesse(seite, { ohne = [], eigeneGroesse = false } = {}) {
  if (!(await seite.evaluate(() => typeof window.axe === 'object')))
    await seite.evaluate(axeEinrichtung());
  return seite.evaluate(async ({ regelwerke, ohne, eigeneGroesse }) => {
    window.axe.reset();
    if (eigeneGroesse)
      window.axe.configure({ rules: [{ id: 'target-size', any: ['target-size'] }] });
    const ergebnis = await window.axe.run(document, {
      runOnly: { type: 'tag', values: regelwerke },
      rules: Object.fromEntries(ohne.map((regel) => [regel, { enabled: false }])),
      resultTypes: ['violations'],
    });
    return ergebnis.violations.map(({ id, nodes }) =>
      `${id}: ${nodes.map((knoten) => knoten.target.join(' ')).join(', ')} (${nodes[0].failureSummary.replace(/\s+/g, ' ').trim()})`);
  }, { regelwerke: REGELWERKE, ohne, eigeneGroesse });
}

module.exports = { verstoesse };
