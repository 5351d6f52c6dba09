// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The part of Playwright's page the tests use, for the engines that are
// not driven by Playwright. It stands on a few primitives each engine
// gives (run a function in the page, keys, a mouse click, a tap, a
// screenshot, the viewport's size); the rest happens in the page itself,
// the same in every engine. Functions handed to the page travel as their
// source text, so they must not use anything from the test's scope.
const WARTEZEIT_MS = 10000;

// In the page: whether an element shows, as Playwright decides it.
const SICHTBAR = `(teil) => {
  if (!teil) return false;
  const rahmen = teil.getBoundingClientRect();
  return rahmen.width > 0 && rahmen.height > 0 && getComputedStyle(teil).visibility !== 'hidden';
}`;

// The key names of Playwright; "Alt+Shift+n" presses the modifiers in
// order, the key, and lets go in reverse.
const teileTasten = (folge) => (folge.length > 1 && folge.endsWith('+') ? [...folge.slice(0, -2).split('+'), '+'] : folge.split('+'));

function baueSeite(motor) {
  const quelle = (fn) => String(fn);
  const auswerten = (fn, ...argumente) => motor.auswerten(quelle(fn), argumente);

  // Waits in the page until the function answers something true, and
  // returns it. A page left meanwhile is asked again in the next one: the
  // page waits a second at a time, and a question whose page went away
  // unanswered (Firefox forgets it) counts as lost a second later.
  async function waitForFunction(fn, arg, { timeout = WARTEZEIT_MS } = {}) {
    const ende = Date.now() + timeout;
    for (;;) {
      const frist = Math.min(1000, Math.max(0, ende - Date.now()));
      let ergebnis = null;
      let verloren;
      const frage = motor.auswerten(`async (arg, frist) => {
        const ende = performance.now() + frist;
        for (;;) {
          const antwort = await (${quelle(fn)})(arg);
          if (antwort) return { antwort };
          if (performance.now() > ende) return null;
          await new Promise((weiter) => setTimeout(weiter, 20));
        }
      }`, [arg ?? null, frist]);
      frage.catch(() => {}); // a lost question fails on its own, later
      try {
        ergebnis = await Promise.race([
          frage,
          new Promise((_, fehler) => {
            verloren = setTimeout(() => fehler(new Error('waitForFunction: keine Antwort der Seite')), frist + 1000);
          }),
        ]);
      } catch (fehler) {
        if (Date.now() > ende)
          throw fehler;
        await new Promise((weiter) => setTimeout(weiter, 20));
        continue;
      } finally {
        clearTimeout(verloren);
      }
      if (ergebnis !== null)
        return ergebnis.antwort;
      if (Date.now() > ende)
        throw new Error(`waitForFunction: nach ${timeout} ms nicht erfüllt: ${quelle(fn)}`);
    }
  }

  const ZUSTAENDE = {
    visible: `(teil) => (${SICHTBAR})(teil)`,
    hidden: `(teil) => !(${SICHTBAR})(teil)`,
    attached: '(teil) => teil !== null',
    detached: '(teil) => teil === null',
  };
  async function waitForSelector(auswahl, { state = 'visible', timeout } = {}) {
    await waitForFunction(`({ auswahl }) => (${ZUSTAENDE[state]})(document.querySelector(auswahl))`, { auswahl }, { timeout });
  }

  const lokator = (auswahl, nummer) => ({
    nth: (i) => lokator(auswahl, i),
    count: () => auswerten((auswahl) => document.querySelectorAll(auswahl).length, auswahl),
    boundingBox: () => auswerten((auswahl, nummer) => {
      const teil = document.querySelectorAll(auswahl)[nummer];
      if (!teil) return null;
      const { x, y, width, height } = teil.getBoundingClientRect();
      return { x, y, width, height };
    }, auswahl, nummer),
  });

  async function mitte(auswahl) {
    await waitForSelector(auswahl);
    const rahmen = await auswerten((auswahl) => {
      const teil = document.querySelector(auswahl);
      teil.scrollIntoView({ block: 'nearest', inline: 'nearest' });
      const { x, y, width, height } = teil.getBoundingClientRect();
      return { x, y, width, height };
    }, auswahl);
    return { x: rahmen.x + rahmen.width / 2, y: rahmen.y + rahmen.height / 2 };
  }

  // The next file choice the page opens goes to the test: the file input
  // is held instead of showing the browser's dialog.
  async function dateiwahl(timeout) {
    await auswerten(() => {
      const echt = { click: HTMLInputElement.prototype.click, showPicker: HTMLInputElement.prototype.showPicker };
      window.__kalumboDateiwahl = null;
      for (const name of Object.keys(echt))
        HTMLInputElement.prototype[name] = function (...argumente) {
          if (this.type !== 'file')
            return echt[name].apply(this, argumente);
          Object.assign(HTMLInputElement.prototype, echt);
          window.__kalumboDateiwahl = this;
          return undefined;
        };
    });
    // Asked again and again from here: a wait inside the page would hold
    // back the press that opens the choice, where commands queue.
    for (const ende = Date.now() + timeout; !(await auswerten(() => window.__kalumboDateiwahl !== null));) {
      if (Date.now() > ende)
        throw new Error(`waitForEvent('filechooser'): nach ${timeout} ms keine Dateiwahl`);
      await new Promise((weiter) => setTimeout(weiter, 20));
    }
    return {
      setFiles: ({ name, mimeType, buffer }) => auswerten((name, art, inhalt) => {
        const uebergabe = new DataTransfer();
        uebergabe.items.add(new File([new Uint8Array(inhalt)], name, { type: art }));
        const wahl = window.__kalumboDateiwahl;
        wahl.files = uebergabe.files;
        wahl.dispatchEvent(new Event('input', { bubbles: true }));
        wahl.dispatchEvent(new Event('change', { bubbles: true }));
      }, name, mimeType, [...buffer]),
    };
  }

  const keyboard = {
    down: (taste) => motor.tasten([['runter', taste]]),
    up: (taste) => motor.tasten([['hoch', taste]]),
    press: (folge) => {
      const tasten = teileTasten(folge);
      return motor.tasten([...tasten.map((taste) => ['runter', taste]), ...tasten.reverse().map((taste) => ['hoch', taste])]);
    },
  };
  const mouse = { click: (x, y, { button = 'left' } = {}) => motor.klick(x, y, button) };
  const touchscreen = { tap: (x, y) => motor.tippe(x, y) };

  const seite = {
    evaluate: (fn, arg) => auswerten(fn, arg ?? null),
    $eval: (auswahl, fn, arg) =>
      motor.auswerten(`(auswahl, arg) => (${quelle(fn)})(document.querySelector(auswahl), arg)`, [auswahl, arg ?? null]),
    $$eval: (auswahl, fn, arg) =>
      motor.auswerten(`(auswahl, arg) => (${quelle(fn)})([...document.querySelectorAll(auswahl)], arg)`, [auswahl, arg ?? null]),
    waitForFunction,
    waitForSelector,
    locator: (auswahl) => lokator(auswahl, 0),
    title: () => auswerten(() => document.title),
    isVisible: (auswahl) => motor.auswerten(`(auswahl) => (${SICHTBAR})(document.querySelector(auswahl))`, [auswahl]),
    isChecked: (auswahl) => auswerten((auswahl) => document.querySelector(auswahl).checked, auswahl),
    textContent: (auswahl) => auswerten((auswahl) => document.querySelector(auswahl)?.textContent ?? null, auswahl),
    inputValue: (auswahl) => auswerten((auswahl) => document.querySelector(auswahl).value, auswahl),
    focus: (auswahl) => auswerten((auswahl) => document.querySelector(auswahl).focus(), auswahl),
    // As Playwright does: the new value, then "input" and "change".
    fill: (auswahl, wert) => auswerten((auswahl, wert) => {
      const feld = document.querySelector(auswahl);
      feld.focus();
      feld.value = wert;
      feld.dispatchEvent(new Event('input', { bubbles: true }));
      feld.dispatchEvent(new Event('change', { bubbles: true }));
    }, auswahl, wert),
    async click(auswahl, { button = 'left' } = {}) {
      const { x, y } = await mitte(auswahl);
      await mouse.click(x, y, { button });
    },
    async check(auswahl) {
      if (!(await seite.isChecked(auswahl)))
        await seite.click(auswahl);
      if (!(await seite.isChecked(auswahl)))
        throw new Error(`check: ${auswahl} ließ sich nicht wählen`);
    },
    async tap(auswahl) {
      const { x, y } = await mitte(auswahl);
      await touchscreen.tap(x, y);
    },
    keyboard,
    mouse,
    touchscreen,
    screenshot: () => motor.bildschirmfoto(),
    setViewportSize: ({ width, height }) => motor.setzeGroesse(width, height),
    // 'load': the next document in this tab is loaded, as after a reload.
    // 'filechooser': the page opens a file choice; the test, not a dialog,
    // then hands it the files.
    async waitForEvent(art, { timeout = WARTEZEIT_MS } = {}) {
      if (art === 'filechooser')
        return dateiwahl(timeout);
      if (art !== 'load')
        throw new Error(`waitForEvent('${art}') gibt es in ${motor.name} nicht`);
      const vorher = motor.dokument;
      const ende = Date.now() + timeout;
      for (;;) {
        const jetzt = await motor.auswerten('() => document.readyState === "complete" ? performance.timeOrigin : null', []).catch(() => null);
        if (jetzt !== null && jetzt !== vorher) {
          motor.dokument = jetzt;
          return;
        }
        if (Date.now() > ende)
          throw new Error(`waitForEvent('load'): nach ${timeout} ms keine neue Seite`);
        await new Promise((weiter) => setTimeout(weiter, 20));
      }
    },
    // Loads the page again and waits for it, as Playwright's reload does.
    reload: () => Promise.all([seite.waitForEvent('load'), auswerten(() => { setTimeout(() => location.reload()); })]),
    // Loads the address and notes its document, from which the next load
    // is told apart.
    async goto(adresse) {
      await motor.gehe(adresse);
      motor.dokument = await motor.auswerten('() => performance.timeOrigin', []);
    },
  };
  return seite;
}

// Requests and errors as Playwright's and puppeteer's pages report them.
function beobachte(seite, anfragen, fehler) {
  seite.on('request', (anfrage) => anfragen.push(anfrage.url()));
  seite.on('pageerror', (ausnahme) => fehler.push(String(ausnahme)));
  seite.on('console', (meldung) => meldung.type() === 'error' && fehler.push(meldung.text()));
}

module.exports = { baueSeite, beobachte };
