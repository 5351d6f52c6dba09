// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// Debian's Chromium, headless, driven by playwright-core, with a fresh
// profile for every start, and the game's page in it: opened from disk
// (file://) or from a local web server. Every page notes the requests it
// makes and every use of the browser's storage or ways to send data.
const fs = require('fs');
const os = require('os');
const path = require('path');
const { pathToFileURL } = require('url');
const { chromium } = require('playwright-core');
const { starteServer } = require('./server');

const ORDNER = path.resolve(process.env.KALUMBO_SEITE ?? path.join(__dirname, '../../../build-web/site'));
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

// Runs in the page before its own scripts: wraps what could store or send
// something, so that a use shows even when nothing goes over the network.
// Each use is reported to the test at once, also from a page that has
// since been left.
function stelleFallenAuf() {
  const verstoesse = { push: (was) => window.__kalumboVerstoss(was) };
  const umhuelle = (ziel, name, wie) => {
    const beschreibung = Object.getOwnPropertyDescriptor(ziel, name);
    if (!beschreibung)
      return false;
    const neu = { ...beschreibung };
    if (beschreibung.get && wie !== 'setzen')
      neu.get = function () { verstoesse.push(name); return beschreibung.get.call(this); };
    if (beschreibung.set)
      neu.set = function (wert) { verstoesse.push(name); beschreibung.set.call(this, wert); };
    if (typeof beschreibung.value === 'function')
      neu.value = function (...argumente) {
        if (name !== 'fetch' || !String(argumente[0]).startsWith('data:'))
          verstoesse.push(name);
        return beschreibung.value.apply(this, argumente);
      };
    Object.defineProperty(ziel, name, neu);
    return true;
  };
  for (const name of ['localStorage', 'sessionStorage', 'indexedDB', 'caches', 'fetch', 'WebSocket', 'EventSource', 'RTCPeerConnection'])
    umhuelle(window, name) || umhuelle(Window.prototype, name);
  umhuelle(Document.prototype, 'cookie');
  umhuelle(XMLHttpRequest.prototype, 'open');
  umhuelle(Navigator.prototype, 'sendBeacon');
  if (window.ServiceWorkerContainer)
    umhuelle(ServiceWorkerContainer.prototype, 'register');
}

// Starts a browser; options go to Playwright's context (viewport,
// deviceScaleFactor, hasTouch).
async function starteBrowser(optionen = {}) {
  const profil = fs.mkdtempSync(path.join(os.tmpdir(), 'kalumbo-chromium-'));
  const kontext = await chromium.launchPersistentContext(profil, {
    executablePath: CHROMIUM,
    headless: true,
    args: ARGUMENTE,
    viewport: { width: 553, height: 417 },
    ...optionen,
  });
  const verstoesse = [];
  await kontext.exposeFunction('__kalumboVerstoss', (was) => verstoesse.push(was));
  await kontext.addInitScript(stelleFallenAuf);
  let server = null;
  return {
    kontext,
    // Every use of storage or of a way to send data, in all pages so far.
    verstoesse,
    // Opens the game, 'datei' from disk or 'server' over HTTP, and waits
    // until its window is complete.
    async oeffne(weg = 'datei') {
      let adresse = pathToFileURL(ORDNER + '/').href;
      if (weg === 'server') {
        server ??= await starteServer(ORDNER);
        adresse = server.adresse;
      }
      const seite = await kontext.newPage();
      const anfragen = [];
      const fehler = [];
      seite.on('request', (anfrage) => anfragen.push(anfrage.url()));
      seite.on('pageerror', (ausnahme) => fehler.push(String(ausnahme)));
      seite.on('console', (meldung) => meldung.type() === 'error' && fehler.push(meldung.text()));
      await seite.goto(adresse + 'index.html');
      await seite.waitForSelector('html[data-bereit]');
      return { seite, adresse, anfragen, fehler, server };
    },
    async schliesse() {
      await kontext.close();
      if (server)
        await server.schliesse();
      fs.rmSync(profil, { recursive: true, force: true });
    },
  };
}

module.exports = { starteBrowser, ORDNER };
