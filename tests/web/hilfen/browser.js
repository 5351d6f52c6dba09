// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The browser the tests play in, one of three engines, chosen by
// KALUMBO_MOTOR: chromium (Debian's Chromium through playwright-core, the
// default), firefox (Firefox ESR through puppeteer-core over WebDriver
// BiDi) or webkit (WebKitGTK's MiniBrowser through WebKitWebDriver, under
// a display). The engine starts once for a whole run; each group of tests
// gets a fresh context in it, with the game's page opened from disk
// (file://) or from a local web server. Every page notes the requests it
// makes and every use of the browser's storage or ways to send data.
//
// The page object offers the part of Playwright's page the tests use; in
// Chromium it is Playwright's page itself.
const path = require('path');
const { pathToFileURL } = require('url');
const { after } = require('node:test');
const { starteServer } = require('./server');
const { stelleFallenAuf } = require('./fallen');
const { beobachte } = require('./seite');

const ORDNER = path.resolve(process.env.KALUMBO_SEITE ?? path.join(__dirname, '../../../build-web/site'));
const MOTOR = process.env.KALUMBO_MOTOR ?? 'chromium';
const CHROMIUM = process.env.KALUMBO_CHROMIUM ?? '/usr/bin/chromium';

const ARGUMENTE = [
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// What an engine cannot do here, and why: a test that needs it is skipped
// there with this reason.
const GRENZEN = {
  chromium: {},
  firefox: {
    dateiAnfragen: 'Firefox meldet die Anfragen einer file://-Seite nicht; fremde Ziele zeigt die Sperre der Seite',
    bruchteilpixel: 'WebDriver BiDi nimmt für einen Druck nur ganze CSS-Pixel',
    chromiumProtokoll: 'Chromiums eigenes Protokoll (CDP) gibt es nur in Chromium',
  },
  webkit: {
    dateiAnfragen: 'WebKitGTK meldet die Anfragen einer file://-Seite nicht; fremde Ziele zeigt die Sperre der Seite',
    beruehrung: 'WebKitWebDriver gibt Berührungen als Mausklicks weiter',
    andereMaustasten: 'WebKitWebDriver lässt die rechte Taste mit Taste 0 los; danach meldet WebKit keinen Zeigerdruck mehr',
    pixelverhaeltnis: 'WebKitWebDriver kann das Pixelverhältnis nicht setzen',
    chromiumProtokoll: 'Chromiums eigenes Protokoll (CDP) gibt es nur in Chromium',
  },
};
if (!GRENZEN[MOTOR])
  throw new Error(`KALUMBO_MOTOR=${MOTOR}: bekannt sind ${Object.keys(GRENZEN).join(', ')}`);

// The reason why the engine cannot do it, or false where it can: for a
// test's skip option.
const kannNicht = (faehigkeit) => GRENZEN[MOTOR][faehigkeit] ?? false;

// The modifiers with which the underlined letter presses its button, as
// each engine leaves them to the page: Firefox keeps Alt+letter for its
// menus, Safari's engine gives pages Control+Option+letter.
const ZUGRIFF = { chromium: 'Alt', firefox: 'Alt+Shift', webkit: 'Control+Alt' }[MOTOR];

async function starteChromium() {
  const { chromium } = require('playwright-core');
  const browser = await chromium.launch({ executablePath: CHROMIUM, headless: true, args: ARGUMENTE });
  return {
    async neu(optionen, fallen, beiVerstoss) {
      const kontext = await browser.newContext({ viewport: { width: 553, height: 417 }, ...optionen });
      await kontext.exposeFunction('__kalumboVerstoss', beiVerstoss);
      await kontext.addInitScript(fallen, true);
      let seite = null;
      return {
        kontext,
        async neueSeite() {
          seite = await kontext.newPage();
          return seite;
        },
        beobachte: (anfragen, fehler) => beobachte(seite, anfragen, fehler),
        schliesse: () => kontext.close(),
      };
    },
    schliesse: () => browser.close(),
  };
}

const STARTER = {
  chromium: starteChromium,
  firefox: () => require('./firefox').starteFirefox(),
  webkit: () => require('./webkit').starteWebkit(),
};

let motor = null;
after(async () => {
  if (motor)
    await (await motor).schliesse();
});

// Starts a fresh context; options as Playwright's context takes them
// (viewport, deviceScaleFactor, hasTouch, isMobile), as far as the engine
// can follow them.
async function starteBrowser(optionen = {}) {
  motor ??= STARTER[MOTOR]();
  const verstoesse = [];
  const offen = await (await motor).neu(optionen, stelleFallenAuf, (was) => verstoesse.push(was));
  const ordner = offen.ordner?.(ORDNER) ?? ORDNER;
  let server = null;
  let besuch = null;
  let abgeholt = 0;
  return {
    kontext: offen.kontext,
    // Every use of storage or of a way to send data, in all pages so far.
    verstoesse,
    // Opens the game, 'datei' from disk or 'server' over HTTP, with anker
    // ("#...") after its address, and waits until its window is complete.
    async oeffne(weg = 'datei', anker = '') {
      let adresse = pathToFileURL(ordner + '/').href;
      if (weg === 'server') {
        server ??= await starteServer(ordner);
        adresse = server.adresse;
      }
      const seite = await offen.neueSeite();
      besuch = { seite, adresse, anfragen: [], fehler: [], server };
      offen.beobachte(besuch.anfragen, besuch.fehler);
      await seite.goto(adresse + 'index.html' + anker);
      await seite.waitForSelector('html[data-bereit]');
      return besuch;
    },
    // Brings verstoesse, anfragen and fehler up to date where the engine
    // reports nothing by itself; to be awaited before they are looked at.
    async sammle() {
      if (!besuch || !offen.ohneEreignisse)
        return;
      const ablage = await offen.ablage();
      verstoesse.push(...ablage.verstoesse.slice(abgeholt));
      abgeholt = ablage.verstoesse.length;
      besuch.fehler.splice(0, Infinity, ...ablage.fehler);
      if (server)
        besuch.anfragen.splice(0, Infinity, ...server.angefragt
          .filter((pfad) => pfad !== '/' + require('./webkit').FALLEN)
          .map((pfad) => new URL(pfad, server.adresse).href));
    },
    // What the page keeps in the browser, looked at past the traps.
    speicher: () => besuch.seite.evaluate(() => window.__kalumboSpeicher()),
    async schliesse() {
      await offen.schliesse();
      if (server)
        await server.schliesse();
    },
  };
}

module.exports = { starteBrowser, ORDNER, MOTOR, ZUGRIFF, kannNicht };
