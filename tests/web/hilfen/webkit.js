// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// WebKitGTK's MiniBrowser, driven through WebKitWebDriver over plain
// WebDriver HTTP. It needs a display (the tests run under xvfb-run). One
// session serves a whole run; every group of tests starts from a blank
// page in its one window. WebDriver has no scripts run before the page's
// own and no network events: the page is served from a copy of the game's
// folder whose index.html loads the traps first, and the requests are
// what the test's web server saw.
const { spawn } = require('child_process');
const fs = require('fs');
const net = require('net');
const os = require('os');
const path = require('path');
const { baueSeite } = require('./seite');

const WEBKITDRIVER = process.env.KALUMBO_WEBKITDRIVER ?? '/usr/bin/WebKitWebDriver';
const MINIBROWSER = process.env.KALUMBO_MINIBROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const BEFEHLSFRIST_MS = 60000;
const FALLEN = 'kalumbo-fallen.js';

// WebDriver's codes for the keys that are no characters.
const TASTE = {
  Alt: '\uE00A', Shift: '\uE008', Control: '\uE009', Meta: '\uE03D',
  Enter: '\uE007', Tab: '\uE004', Escape: '\uE00C', Space: ' ', Backspace: '\uE003',
  ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015', Home: '\uE011', End: '\uE010',
};
const KNOPF = { left: 0, middle: 1, right: 2 };

const freierPort = () => new Promise((fertig, fehler) => {
  const server = net.createServer().listen(0, '127.0.0.1', () => {
    const { port } = server.address();
    server.close(() => fertig(port));
  }).on('error', fehler);
});

// A copy of the game's folder whose page loads the traps before anything.
function kopiereMitFallen(ordner, fallen) {
  const kopie = fs.mkdtempSync(path.join(os.tmpdir(), 'kalumbo-webkit-'));
  fs.cpSync(ordner, kopie, { recursive: true });
  const seite = path.join(kopie, 'index.html');
  const html = fs.readFileSync(seite, 'utf8');
  if (!/<head>/.test(html))
    throw new Error('index.html ohne <head>');
  fs.writeFileSync(seite, html.replace('<head>', `<head><script src="${FALLEN}"></script>`));
  fs.writeFileSync(path.join(kopie, FALLEN), `(${fallen})(false);\n`);
  return kopie;
}

async function starteWebkit() {
  if (!process.env.DISPLAY)
    throw new Error('WebKitGTK braucht einen Bildschirm: unter xvfb-run starten');
  const port = await freierPort();
  const treiber = spawn(WEBKITDRIVER, [`--port=${port}`], { stdio: ['ignore', 'ignore', 'inherit'] });
  const basis = `http://127.0.0.1:${port}`;
  const rufe = async (methode, pfad, koerper) => {
    const antwort = await fetch(basis + pfad, {
      method: methode,
      headers: { 'Content-Type': 'application/json' },
      body: koerper === undefined ? undefined : JSON.stringify(koerper),
      signal: AbortSignal.timeout(BEFEHLSFRIST_MS),
    });
    const { value } = await antwort.json();
    if (value?.error)
      throw new Error(`WebDriver ${methode} ${pfad}: ${value.error}: ${value.message}`);
    return value;
  };
  for (const ende = Date.now() + 10000; ;) {
    try {
      await rufe('GET', '/status');
      break;
    } catch (fehler) {
      if (Date.now() > ende)
        throw fehler;
      await new Promise((weiter) => setTimeout(weiter, 50));
    }
  }
  const { sessionId } = await rufe('POST', '/session', {
    capabilities: {
      alwaysMatch: {
        browserName: 'MiniBrowser',
        'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] },
      },
    },
  });
  const sitzung = `/session/${sessionId}`;
  // One command after the other, in the order they were given.
  let zuletzt = Promise.resolve();
  const befehl = (methode, pfad, koerper) => {
    const antwort = zuletzt.then(() => rufe(methode, sitzung + pfad, koerper));
    zuletzt = antwort.catch(() => {});
    return antwort;
  };

  // The page's notes of every document so far, brought along by every
  // script run: a reload from file:// empties the tab's name.
  const ablagen = new Map();
  const auswerten = async (quelle, argumente) => {
    const antwort = await befehl('POST', '/execute/async', {
      script: `const fertig = arguments[arguments.length - 1];
        const argumente = Array.prototype.slice.call(arguments, 0, -1);
        Promise.resolve().then(() => (${quelle})(...argumente)).then(
          (wert) => fertig({ wert: wert === undefined ? null : wert, seite: performance.timeOrigin,
            ablage: typeof window.__kalumboAblage === 'function' ? window.__kalumboAblage() : null }),
          (fehler) => fertig({ fehler: String(fehler && fehler.stack || fehler) }));`,
      args: argumente,
    });
    if ('fehler' in antwort)
      throw new Error(antwort.fehler);
    if (antwort.ablage)
      ablagen.set(antwort.seite, antwort.ablage);
    return antwort.wert;
  };
  const zeiger = (art, x, y, knopf) => befehl('POST', '/actions', {
    actions: [{
      type: 'pointer', id: art, parameters: { pointerType: art },
      actions: [
        { type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport' },
        { type: 'pointerDown', button: knopf },
        { type: 'pointerUp', button: knopf },
      ],
    }],
  });

  // The window is larger than its page by the browser's tool bar.
  let rand = null;
  async function setzeGroesse(breite, hoehe) {
    if (rand === null) {
      await befehl('POST', '/window/rect', { width: breite, height: hoehe });
      const [innen, aussen] = await auswerten('() => [[innerWidth, innerHeight], [outerWidth, outerHeight]]', []);
      rand = { breite: aussen[0] - innen[0], hoehe: aussen[1] - innen[1] };
    }
    await befehl('POST', '/window/rect', { width: breite + rand.breite, height: hoehe + rand.hoehe });
    await auswerten(`async (breite, hoehe) => {
      for (const ende = performance.now() + 5000; performance.now() < ende; )
        if (innerWidth === breite && innerHeight === hoehe) return;
        else await new Promise((weiter) => setTimeout(weiter, 20));
      throw new Error('Fenster nicht ' + breite + ' x ' + hoehe + ' groß, sondern ' + innerWidth + ' x ' + innerHeight);
    }`, [breite, hoehe]);
  }

  const kopien = new Map();
  return {
    // The one window, blank, the viewport as asked.
    async neu({ viewport = { width: 553, height: 417 } } = {}, fallen) {
      await befehl('POST', '/url', { url: 'about:blank' });
      await auswerten('() => { window.name = ""; }', []);
      ablagen.clear();
      await setzeGroesse(viewport.width, viewport.height);
      const motor = {
        name: 'WebKitGTK',
        auswerten,
        async tasten(folge) {
          await befehl('POST', '/actions', {
            actions: [{
              type: 'key', id: 'tastatur',
              actions: folge.map(([richtung, taste]) => ({ type: richtung === 'runter' ? 'keyDown' : 'keyUp', value: TASTE[taste] ?? taste })),
            }],
          });
          await befehl('DELETE', '/actions');
        },
        klick: (x, y, knopf) => zeiger('mouse', x, y, KNOPF[knopf]),
        tippe: () => {
          throw new Error('WebKitWebDriver gibt Berührungen als Maus weiter');
        },
        // After two frames: the last change has then reached the screen.
        async bildschirmfoto() {
          await auswerten('() => new Promise((weiter) => requestAnimationFrame(() => requestAnimationFrame(weiter)))', []);
          return Buffer.from(await befehl('GET', '/screenshot'), 'base64');
        },
        setzeGroesse,
        gehe: (adresse) => befehl('POST', '/url', { url: adresse }),
      };
      const seite = baueSeite(motor);
      return {
        kontext: null,
        neueSeite: async () => seite,
        // The page comes from a copy of the folder with the traps in front.
        ordner(ordner) {
          if (!kopien.has(ordner))
            kopien.set(ordner, kopiereMitFallen(ordner, fallen));
          return kopien.get(ordner);
        },
        // Requests, errors and uses come from the page's own notes.
        ohneEreignisse: true,
        async ablage() {
          await auswerten('() => null', []);
          const alle = [...ablagen.values()];
          return { verstoesse: alle.flatMap((ablage) => ablage.verstoesse), fehler: alle.flatMap((ablage) => ablage.fehler) };
        },
        beobachte() {},
        async schliesse() {
          await befehl('POST', '/url', { url: 'about:blank' });
        },
      };
    },
    async schliesse() {
      await rufe('DELETE', sitzung).catch(() => {});
      treiber.kill();
      for (const kopie of kopien.values())
        fs.rmSync(kopie, { recursive: true, force: true });
    },
  };
}

module.exports = { starteWebkit, FALLEN };
