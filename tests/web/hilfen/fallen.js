// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// Runs in the page before its own scripts: wraps what could store or send
// something, so that a use shows even when nothing goes over the network,
// and notes every request the page's Content-Security-Policy stopped.
// Each use goes to the test at once where the engine lets the page call
// it (window.__kalumboVerstoss, given: mitBindung); elsewhere it is kept
// with what the page reported as errors in the tab's name, which outlives
// a reload, for the test to collect. The originals stay reachable for the test's own look at
// the storage (window.__kalumboSpeicher), which then counts as no use.
function stelleFallenAuf(mitBindung) {
  const fenstername = Object.getOwnPropertyDescriptor(Window.prototype, 'name') ?? Object.getOwnPropertyDescriptor(window, 'name');
  const ablage = {
    lies() {
      try {
        return { verstoesse: [], fehler: [], ...JSON.parse(fenstername.get.call(window) || '{}') };
      } catch {
        return { verstoesse: [], fehler: [] };
      }
    },
    merke(liste, was) {
      const stand = ablage.lies();
      stand[liste].push(was);
      fenstername.set.call(window, JSON.stringify(stand));
    },
  };
  const melde = (was) => (mitBindung ? window.__kalumboVerstoss(was) : ablage.merke('verstoesse', was));
  const echt = {};
  const umhuelle = (ziel, name, wie) => {
    const beschreibung = Object.getOwnPropertyDescriptor(ziel, name);
    if (!beschreibung)
      return false;
    echt[name] = beschreibung;
    const neu = { ...beschreibung };
    if (beschreibung.get && wie !== 'setzen')
      neu.get = function () { melde(name); return beschreibung.get.call(this); };
    if (beschreibung.set)
      neu.set = function (wert) { melde(name); beschreibung.set.call(this, wert); };
    if (typeof beschreibung.value === 'function')
      neu.value = function (...argumente) {
        if (name !== 'fetch' || !String(argumente[0]).startsWith('data:'))
          melde(name);
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

  addEventListener('securitypolicyviolation', (ereignis) => melde(`gesperrt: ${ereignis.blockedURI}`));
  if (!mitBindung) {
    addEventListener('error', (ereignis) => ablage.merke('fehler', String(ereignis.error ?? ereignis.message)));
    addEventListener('unhandledrejection', (ereignis) => ablage.merke('fehler', String(ereignis.reason)));
    const fehler = console.error;
    console.error = (...teile) => {
      ablage.merke('fehler', teile.join(' '));
      fehler.apply(console, teile);
    };
  }

  const lies = (was) => echt[was].get.call(window);
  Object.defineProperty(window, '__kalumboSpeicher', {
    value: async () => ({
      eintraege: lies('localStorage').length + lies('sessionStorage').length,
      datenbanken: (await lies('indexedDB').databases()).length,
      kekse: echt.cookie.get.call(document),
      dienste: await navigator.serviceWorker?.getRegistrations().then((liste) => liste.length, () => 0) ?? 0,
    }),
  });
  Object.defineProperty(window, '__kalumboAblage', { value: () => ablage.lies() });
}

module.exports = { stelleFallenAuf };
