// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// Debian's Firefox ESR, headless, driven by puppeteer-core over WebDriver
// BiDi. One browser serves a whole run; every group of tests gets a
// context of its own, with nothing shared.
const puppeteer = require('puppeteer-core');
const { baueSeite, beobachte } = require('./seite');

const FIREFOX = process.env.KALUMBO_FIREFOX ?? '/usr/bin/firefox-esr';

// Puppeteer's names for the keys differ from Playwright's only here.
const TASTE = { Control: 'Control', Space: ' ' };

async function starteFirefox() {
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: FIREFOX,
    headless: true,
    protocol: 'webDriverBiDi',
    extraPrefsFirefox: { 'network.proxy.type': 0, 'browser.cache.disk.enable': false },
  });
  return {
    // A context of its own with one page in it, the viewport as asked.
    async neu({ viewport = { width: 553, height: 417 }, deviceScaleFactor = 1 } = {}, fallen, beiVerstoss) {
      const kontext = await browser.createBrowserContext();
      const page = await kontext.newPage();
      const ansicht = { ...viewport, deviceScaleFactor };
      await page.setViewport(ansicht);
      await page.exposeFunction('__kalumboVerstoss', beiVerstoss);
      await page.evaluateOnNewDocument(fallen, true);
      const motor = {
        name: 'Firefox',
        auswerten: (quelle, argumente) => page.evaluate(new Function(`return (${quelle});`)(), ...argumente),
        async tasten(folge) {
          for (const [richtung, taste] of folge)
            await (richtung === 'runter' ? page.keyboard.down(TASTE[taste] ?? taste) : page.keyboard.up(TASTE[taste] ?? taste));
        },
        klick: (x, y, knopf) => page.mouse.click(x, y, { button: knopf }),
        tippe: (x, y) => page.touchscreen.tap(x, y),
        bildschirmfoto: async () => Buffer.from(await page.screenshot()),
        setzeGroesse: (width, height) => page.setViewport({ ...ansicht, width, height }),
        gehe: (adresse) => page.goto(adresse),
      };
      const seite = baueSeite(motor);
      return {
        kontext,
        neueSeite: async () => seite,
        beobachte: (anfragen, fehler) => beobachte(page, anfragen, fehler),
        schliesse: () => kontext.close(),
      };
    },
    schliesse: () => browser.close(),
  };
}

module.exports = { starteFirefox };
