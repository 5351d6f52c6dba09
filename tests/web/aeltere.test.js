// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// An older Chromium, which compiles at most 4 KB of WebAssembly at once on
// the page's thread and refuses more with a RangeError, still starts the
// game and plays it: the page compiles its rules beside itself there.
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { starteBrowser } = require('./hilfen/browser');
const { zustand, freiesPaar, steine, druecke } = require('./hilfen/spiel');

describe('ein älterer Chromium', () => {
  let browser, seite;
  before(async () => {
    browser = await starteBrowser();
    await browser.kontext.addInitScript(() => {
      const Echt = WebAssembly.Module;
      window.__kalumboAbgelehnt = 0;
      WebAssembly.Module = function Module(bytes, ...weitere) {
        if (bytes.byteLength > 4096) {
          ++window.__kalumboAbgelehnt;
          throw new RangeError('WebAssembly.Compile is disallowed on the main thread, if the buffer size is larger than 4KB.');
        }
        return new Echt(bytes, ...weitere);
      };
      WebAssembly.Module.prototype = Echt.prototype;
    });
    ({ seite } = await browser.oeffne());
  });
  after(() => browser.schliesse());

  test('lehnt das Übersetzen ab, und das Spiel startet und lässt sich spielen', async () => {
    assert.ok(await seite.evaluate(() => window.__kalumboAbgelehnt) > 0, 'the page tried to compile its rules at once');
    await seite.click('#NeuesSpielKnopf');
    const stand = await zustand(seite);
    assert.equal(steine(stand).length, 36);
    const paar = freiesPaar(stand);
    assert.ok(paar, 'a new game has a free pair');
    for (const zelle of paar)
      await druecke(seite, zelle);
    assert.equal((await zustand(seite)).geloest, 1);
  });
});
