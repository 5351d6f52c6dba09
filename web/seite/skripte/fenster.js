// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The window around the board: scaled to the browser's viewport with its
// proportions kept, or laid out anew on a phone held upright; the two
// pages of the tab control, the help panel with its buttons and the Enter
// key, and "Ende".
// Needs: Lage (lage.js), Meldung; Spiel when a key is pressed.
const Fenster = (() => {
  const BREITE = Lage.Fenster.Breite;
  const HOEHE = Lage.Fenster.Hoehe;
  const BRETT = Lage.Brett.Breite;
  const BRETTRAND = Lage.Brett.Links; // the board's left and top edge in the window

  const element = (id) => document.getElementById(id);
  const form1 = element('Form1');
  const hilfe = element('Hilfe');
  const beiNeuerAufloesung = [];
  let massstab = 1;
  const istBeendet = () => form1.classList.contains('beendet');

  // A screen held upright on which the window would be smaller than this
  // is a phone's: the page is laid out for it instead.
  const TELEFON_UNTER = 0.9;
  const TELEFONRAND = 8;

  function passeAn() {
    const dpr = window.devicePixelRatio || 1;
    const breite = document.documentElement.clientWidth;
    const hoehe = document.documentElement.clientHeight;
    const passend = Math.min(breite / BREITE, hoehe / HOEHE);
    const telefon = hoehe > breite && passend < TELEFON_UNTER;
    document.documentElement.classList.toggle('telefon', telefon);
    const brettpixel = telefon ? legeFuerTelefonAus(breite, dpr) : skaliereFenster(breite, hoehe, passend, dpr);
    for (const rueckruf of beiNeuerAufloesung)
      rueckruf(brettpixel);
  }

  // The scale is chosen so that the board covers a whole number of device
  // pixels and starts on one: its canvas then maps one to one onto the
  // screen, and tiles and texts stay sharp.
  function skaliereFenster(breite, hoehe, passend, dpr) {
    const brettpixel = Math.max(1, Math.floor(BRETT * passend * dpr));
    massstab = brettpixel / (BRETT * dpr);
    const aufGeraetepixel = (mitte) =>
      Math.round((mitte + BRETTRAND * massstab) * dpr) / dpr - BRETTRAND * massstab;
    const links = aufGeraetepixel((breite - BREITE * massstab) / 2);
    const oben = aufGeraetepixel((hoehe - HOEHE * massstab) / 2);
    form1.style.transform = `translate(${links}px, ${oben}px) scale(${massstab})`;
    return brettpixel;
  }

  // On a phone the window is not scaled down: the board takes the
  // screen's width, in whole device pixels from a device pixel on, and the
  // style sheet lays the controls out below it at a size for fingers.
  function legeFuerTelefonAus(breite, dpr) {
    const rand = Math.round(TELEFONRAND * dpr) / dpr;
    const brettpixel = Math.max(1, Math.floor((breite - 2 * rand) * dpr));
    massstab = 1;
    form1.style.transform = 'none';
    form1.style.setProperty('--rand', `${rand}px`);
    form1.style.setProperty('--brett', `${brettpixel / dpr}px`);
    return brettpixel;
  }

  // The help's texts keep the lines they were written in for the window;
  // on a phone the same words flow in paragraphs at the screen's width.
  function fliesseHilfetexte() {
    for (const feld of hilfe.querySelectorAll('.hilfetext')) {
      const fluss = document.createElement('div');
      fluss.className = 'hilfefluss';
      fluss.id = feld.id + 'Fluss';
      for (const absatz of feld.value.trim().split(/\n[ \t]*\n/)) {
        const zeilen = document.createElement('p');
        zeilen.textContent = absatz.replace(/\s*\n\s*/g, ' ');
        fluss.append(zeilen);
      }
      feld.after(fluss);
    }
  }

  // Moving the window to another screen changes the pixel ratio without
  // changing the viewport.
  function beobachtePixelverhaeltnis() {
    matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
      passeAn();
      beobachtePixelverhaeltnis();
    }, { once: true });
  }

  // The item chosen in a radio-button group, counted from 0; -1 for none.
  function itemIndex(gruppe) {
    const gewaehlt = form1.querySelector(`input[name="${gruppe}"]:checked`);
    return gewaehlt ? Number(gewaehlt.value) : -1;
  }

  const SEITEN = ['Spiel', 'Einstellungen'];

  // The header of the page in front is the tab control's one stop of the
  // Tab key.
  function zeigeSeite(name) {
    for (const seite of SEITEN) {
      element(seite).hidden = seite !== name;
      const reiter = element('Reiter' + seite);
      reiter.setAttribute('aria-selected', String(seite === name));
      reiter.tabIndex = seite === name ? 0 : -1;
    }
  }

  // On a focused header the arrow keys bring the other page to the front,
  // Home and End the first and the last; the focus goes along.
  function beiReitertaste(ereignis) {
    const reiter = SEITEN.map((seite) => element('Reiter' + seite));
    const jetzt = reiter.indexOf(ereignis.target);
    const ziel = { ArrowLeft: jetzt - 1, ArrowRight: jetzt + 1, Home: 0, End: reiter.length - 1 }[ereignis.key];
    if (jetzt < 0 || ziel === undefined || ereignis.altKey || ereignis.ctrlKey || ereignis.metaKey || ereignis.shiftKey)
      return;
    ereignis.preventDefault();
    const neu = (ziel + reiter.length) % reiter.length;
    zeigeSeite(SEITEN[neu]);
    reiter[neu].focus();
  }

  function zeigeHilfe(sichtbar) {
    hilfe.hidden = !sichtbar;
  }

  // "Ende": a page cannot close its tab. The game steps aside for a
  // goodbye that offers the way back to it, untouched, and a fresh start,
  // as starting the program again would give.
  function beende() {
    form1.classList.add('beendet');
    element('Abschied').hidden = false;
    element('Weiterspielen').focus();
  }

  function kehreZurueck() {
    element('Abschied').hidden = true;
    form1.classList.remove('beendet');
    element('EndeKnopf').focus();
  }

  // Alt with the underlined letter presses its button: "Neues Spiel",
  // "Ende", "Hilfe". While the help is shown, Enter presses "Fertig",
  // unless the focus is on a control that takes Enter itself.
  const ALT_TASTEN = Lage.AltTasten;

  // Where the browser keeps Alt+letter for itself, its way to a page's
  // keys does the same: Alt+Shift in Firefox, Control+Option in Safari.
  // AltGr, which some systems report as Control+Alt, keeps its characters.
  const zugriff = (ereignis) => !(ereignis.ctrlKey && ereignis.shiftKey) && !ereignis.getModifierState('AltGraph');

  function beiTaste(ereignis) {
    if (Meldung.istOffen() || istBeendet() || ereignis.metaKey)
      return;
    if (ereignis.altKey) {
      const knopf = ALT_TASTEN[ereignis.code];
      if (knopf && zugriff(ereignis) && !ereignis.repeat) {
        ereignis.preventDefault();
        element(knopf).click();
      }
      return;
    }
    if (ereignis.ctrlKey)
      return;
    const fokus = document.activeElement;
    if (ereignis.key !== 'Enter' || fokus instanceof HTMLButtonElement || fokus instanceof HTMLTextAreaElement)
      return;
    if (Spiel.eingabetaste())
      ereignis.preventDefault();
  }

  // Shows the window once the rules and the fonts are there, and notes
  // the moment for the measurements. What need not hold up the start is
  // called back once the window is on the screen.
  function zeigeFertig(danach) {
    form1.classList.remove('laedt');
    requestAnimationFrame(() => {
      performance.mark('fenster-fertig');
      document.documentElement.dataset.bereit = 'ja';
      setTimeout(danach);
    });
  }

  element('ReiterSpiel').addEventListener('click', () => zeigeSeite('Spiel'));
  element('ReiterEinstellungen').addEventListener('click', () => zeigeSeite('Einstellungen'));
  element('ReiterSpiel').parentElement.addEventListener('keydown', beiReitertaste);
  element('HilfeKnopf').addEventListener('click', () => Spiel.schalteHilfe());
  element('FertigKnopf').addEventListener('click', () => Spiel.fertig());
  element('EndeKnopf').addEventListener('click', beende);
  element('Weiterspielen').addEventListener('click', kehreZurueck);
  element('NochEinmal').addEventListener('click', () => location.reload());
  document.addEventListener('keydown', beiTaste);
  fliesseHilfetexte();
  window.addEventListener('resize', passeAn);
  beobachtePixelverhaeltnis();

  return {
    itemIndex,
    passeAn,
    zeigeHilfe,
    zeigeFertig,
    istBeendet,
    beiNeuerAufloesung: (rueckruf) => beiNeuerAufloesung.push(rueckruf),
    massstab: () => massstab,
  };
})();
