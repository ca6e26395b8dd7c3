// The controls of a lesson page, built from the layout as native HTML
// controls at their design places. Each control hands its input to
// `eingabe(l => ...)` and shows a control state the core gives it.

export function platziere(el, r) {
  el.style.left = `${r.links}px`;
  el.style.top = `${r.oben}px`;
  el.style.width = `${r.breite}px`;
  el.style.height = `${r.hoehe}px`;
}

function neu(tag, klasse, eltern) {
  const el = document.createElement(tag);
  if (klasse) el.className = klasse;
  if (eltern) eltern.append(el);
  return el;
}

export const ohneFuellung = (t) => (t || '').trim();

function setzeText(el, text) {
  if (el.textContent !== text) el.textContent = text;
}

function setzeAttr(el, name, wert) {
  if (wert === null || wert === undefined || wert === '') el.removeAttribute(name);
  else if (el.getAttribute(name) !== String(wert)) el.setAttribute(name, wert);
}

// A group box: frame, caption, and its inner controls at places counted from its top-left.
function gruppe(s) {
  const el = neu('fieldset', 'gruppe');
  const legende = neu('legend', null, el);
  legende.textContent = s.text;
  if (!ohneFuellung(s.text)) legende.hidden = true;
  platziere(el, s.ort);
  return { el, legende };
}

function radiogruppe(s, index, eingabe) {
  const { el, legende } = gruppe(s);
  const spalten = Math.max(1, s.spalten), n = s.eintraege.length;
  const proSpalte = Math.max(1, Math.ceil(n / spalten));
  const zeile = 19, rest = s.ort.hoehe - zeile - 5;
  const hoehe = Math.max(1, Math.floor(rest / proSpalte)), breite = Math.max(1, Math.floor((s.ort.breite - 10) / spalten));
  const obenRand = zeile + 1 + Math.floor((rest % proSpalte) / 2);
  const name = `radio-${index}-${Math.random().toString(36).slice(2, 8)}`;
  const knoepfe = s.eintraege.map((text, i) => {
    const label = neu('label', 'radio', el);
    platziere(label, { links: Math.floor(i / proSpalte) * breite + 8, oben: (i % proSpalte) * hoehe + obenRand, breite, hoehe });
    const knopf = neu('input', null, label);
    knopf.type = 'radio';
    knopf.name = name;
    label.append(text);
    knopf.addEventListener('change', () => { if (knopf.checked) eingabe((l) => l.geaendert(index, i)); });
    return knopf;
  });
  return {
    el, legende, fokus: knoepfe,
    zeige(z) { knoepfe.forEach((k, i) => { if (k.checked !== (i === z.wert)) k.checked = i === z.wert; }); },
  };
}

// The step control: one stop for the keys, two arrow buttons, the step below.
function schritte(s, index, eingabe) {
  const { el, legende } = gruppe(s);
  const ud = neu('div', 'updown', el);
  ud.setAttribute('role', 'spinbutton');
  ud.tabIndex = 0;
  ud.setAttribute('aria-valuemin', '0');
  ud.dataset.name = s.zugName ? '' : 'gruppe';
  if (s.zugName) ud.setAttribute('aria-label', s.zugName);
  platziere(ud, s.innen);
  const halb = Math.floor(s.innen.breite / 2);
  const pfeil = (text, name, links, breite) => {
    const b = neu('button', 'pfeil', ud);
    b.type = 'button';
    b.tabIndex = -1;
    b.setAttribute('aria-hidden', 'true'); // the keys and the reader use the step control itself
    b.textContent = text;
    b.setAttribute('aria-label', name);
    platziere(b, { links, oben: 0, breite, hoehe: s.innen.hoehe });
    return b;
  };
  const zurueck = pfeil('◀', 'Schritt zurück', 0, halb);
  const weiter = pfeil('▶', 'Schritt weiter', halb, s.innen.breite - halb);
  const label = neu('div', 'schrittlabel', el);
  label.setAttribute('aria-hidden', 'true');
  platziere(label, { links: 0, oben: s.ort.hoehe - 2 - s.labelHoehe, breite: s.ort.breite, hoehe: s.labelHoehe });
  let wert = 0, max = s.max, aktiv = true;
  const gehe = (d) => {
    const neuerWert = wert + d;
    if (!aktiv || neuerWert < 0 || neuerWert > max) return;
    eingabe((l) => l.geaendert(index, neuerWert));
  };
  zurueck.addEventListener('click', () => { ud.focus(); gehe(-1); });
  weiter.addEventListener('click', () => { ud.focus(); gehe(1); });
  ud.addEventListener('keydown', (e) => {
    const d = { ArrowLeft: -1, ArrowDown: -1, ArrowRight: 1, ArrowUp: 1 }[e.key];
    if (!d || e.altKey || e.ctrlKey) return;
    e.preventDefault();
    gehe(d);
  });
  return {
    el, legende, fokus: [ud], schritte: true,
    gehe,
    kannBlaettern: () => aktiv && !el.hidden && !el.disabled,
    zeige(z) {
      if (z.max !== null) max = z.max;
      wert = Math.min(Math.max(z.wert, 0), max);
      aktiv = z.upDownAktiv;
      setzeAttr(ud, 'aria-valuemax', max);
      setzeAttr(ud, 'aria-valuenow', wert);
      setzeAttr(ud, 'aria-disabled', aktiv ? null : 'true');
      zurueck.disabled = weiter.disabled = !aktiv;
      setzeText(label, String(wert));
    },
  };
}

function knopfgruppe(s, index, eingabe) {
  const { el, legende } = gruppe(s);
  const knopf = neu('button', 'knopf', el);
  knopf.type = 'button';
  knopf.textContent = s.knopf;
  platziere(knopf, { links: 20, oben: 30, breite: s.innen.breite || 100, hoehe: 30 });
  knopf.addEventListener('click', () => eingabe((l) => l.geaendert(index, 0)));
  return { el, legende, fokus: [knopf], zeige(z) { knopf.disabled = !z.knopfAktiv; } };
}

// Digits only, at most `stellen`: a change that would give more is refused.
function zifferfeld(eltern, r, stellen, name) {
  const feld = neu('input', 'feld', eltern);
  feld.type = 'text';
  feld.inputMode = 'numeric';
  feld.autocomplete = 'off';
  feld.spellcheck = false;
  feld.setAttribute('aria-label', name);
  platziere(feld, r);
  let gut = '';
  feld.addEventListener('input', (e) => {
    const ziffern = feld.value.replace(/[^0-9]/g, '');
    if (ziffern.length > stellen) {
      feld.value = gut;
      e.stopImmediatePropagation();
      return;
    }
    if (ziffern !== feld.value) feld.value = ziffern;
    gut = ziffern;
  });
  return { feld, merke: (t) => { gut = t; } };
}

function setzeFeld(f, text, alleNeu) {
  // Only a difference: the caret stays where the pupil types.
  if (alleNeu || f.feld.value !== text) {
    f.feld.value = text;
    f.merke(text);
  }
}

function feldgruppe(s, index, eingabe) {
  const { el, legende } = gruppe(s);
  const f = zifferfeld(el, s.innen, s.stellen, ohneFuellung(s.zugName || s.text));
  if (!s.zugName) f.feld.dataset.name = 'gruppe';
  f.feld.addEventListener('input', () => eingabe((l) => l.text(index, f.feld.value)));
  fertigBei(f.feld, () => eingabe((l) => l.fertig(index)));
  return { el, legende, fokus: [f.feld], zeige(z, alleNeu) { setzeFeld(f, z.text, alleNeu); } };
}

function fertigBei(feld, fertig) {
  feld.addEventListener('keydown', (e) => { if (e.key === 'Enter') fertig(); });
  feld.addEventListener('change', fertig); // leaving a changed field
}

// Keys as the desktop's scroll bars: Right/Down up by 1, Left/Up down, Page keys by 10.
const LEISTEN_TASTEN = { ArrowRight: 1, ArrowDown: 1, ArrowLeft: -1, ArrowUp: -1, PageDown: 10, PageUp: -10 };

function leiste(s, index, eingabe) {
  const { el, legende } = gruppe(s);
  const name = ohneFuellung(s.zugName || s.text);
  const bar = neu('input', 'leiste', el);
  bar.type = 'range';
  bar.min = '0';
  bar.max = String(s.max);
  bar.step = '1';
  bar.setAttribute('aria-label', name);
  if (!s.zugName) bar.dataset.name = 'gruppe';
  platziere(bar, s.innen);
  const setze = (w) => {
    w = Math.min(Math.max(w, 0), s.max);
    if (String(w) === bar.value) return;
    bar.value = String(w);
    eingabe((l) => l.geaendert(index, w));
  };
  bar.addEventListener('input', () => eingabe((l) => l.geaendert(index, Number(bar.value))));
  bar.addEventListener('keydown', (e) => {
    const d = LEISTEN_TASTEN[e.key];
    const ziel = d !== undefined ? Number(bar.value) + d : e.key === 'Home' ? 0 : e.key === 'End' ? s.max : null;
    if (ziel === null || e.altKey || e.ctrlKey) return;
    e.preventDefault();
    e.stopPropagation();
    setze(ziel);
  });
  const label = neu('div', 'leistenlabel', el);
  platziere(label, { links: 2, oben: s.ort.hoehe - 2 - s.labelHoehe, breite: s.ort.breite - 4, hoehe: s.labelHoehe });
  let f = null;
  if (s.feld.breite > 0) {
    f = zifferfeld(el, s.feld, s.stellen, `${name}, Eingabe`);
    if (!s.zugName) f.feld.dataset.name = 'gruppe-eingabe';
    f.feld.addEventListener('input', () => eingabe((l) => l.text(index, f.feld.value)));
    fertigBei(f.feld, () => eingabe((l) => l.fertig(index)));
  }
  return {
    el, legende, fokus: f ? [bar, f.feld] : [bar],
    zeige(z, alleNeu) {
      if (bar.value !== String(z.wert)) bar.value = String(z.wert);
      setzeAttr(bar, 'aria-valuetext', `${z.wert}${s.einheit}`);
      setzeText(label, z.text);
      bar.hidden = !z.innenSichtbar;
      if (f) {
        f.feld.hidden = !z.innenSichtbar;
        setzeFeld(f, z.feldText, alleNeu);
      }
    },
  };
}

function anzeige(s) {
  const el = neu('div', 'panel anzeige');
  platziere(el, s.ort);
  el.style.font = `bold ${s.schriftHoehe}px "Liberation Sans", Arial, sans-serif`;
  if (s.weiss) el.classList.add('weiss');
  const text = neu('div', 'caption', el);
  return {
    el, fokus: [],
    zeige(z) {
      setzeText(text, z.text);
      text.hidden = !z.text;
      el.style.color = z.farbe || s.schriftFarbe;
    },
  };
}

function kasten(s, index, eingabe) {
  const el = neu('label', 'kasten');
  platziere(el, s.ort);
  const box = neu('input', null, el);
  box.type = 'checkbox';
  const text = neu('span', null, el);
  text.textContent = s.text;
  if (s.zugName) box.setAttribute('aria-label', s.zugName);
  box.addEventListener('change', () => eingabe((l) => l.geaendert(index, box.checked ? 1 : 0)));
  return {
    el, fokus: [box], kasten: box,
    zeige(z) {
      if (box.checked !== (z.wert !== 0)) box.checked = z.wert !== 0;
      if (z.text) setzeText(text, z.text);
    },
  };
}

function knopf(s, index, eingabe) {
  const el = neu('button', 'knopf');
  el.type = 'button';
  el.textContent = s.text;
  platziere(el, s.ort);
  el.addEventListener('click', () => eingabe((l) => l.geaendert(index, 0)));
  return { el, fokus: [el], zeige() {} };
}

const BAUER = {
  Radiogruppe: radiogruppe, Schritte: schritte, Knopfgruppe: knopfgruppe, Leiste: leiste, Feld: feldgruppe,
  Anzeige: anzeige, Gruppe: (s) => ({ ...gruppe(s), fokus: [], zeige() {} }), Kasten: kasten, Knopf: knopf,
};

// One control of the layout; `zeige(z, alleNeu)` shows a control state the core wrote.
export function baueSteuer(s, index, eingabe) {
  const g = BAUER[s.art](s, index, eingabe);
  g.art = s.art;
  g.el.dataset.steuer = s.name;
  if (s.zugName && g.legende) g.el.setAttribute('aria-label', s.zugName);
  if (s.zugName) g.el.dataset.zug = s.zugName;
  setzeAttr(g.el, 'aria-description', s.zugBeschreibung);
  const zeigeArt = g.zeige;
  g.zeige = (z, alleNeu) => {
    zeigeArt(z, alleNeu);
    if (g.legende && z.titel !== null) {
      setzeText(g.legende, z.titel);
      g.legende.hidden = !ohneFuellung(z.titel);
    }
    if (z.ort) platziere(g.el, z.ort);
    if (z.zugBeschreibung) setzeAttr(g.el, 'aria-description', z.zugBeschreibung);
    if (g.el.tagName === 'FIELDSET' || g.el.tagName === 'BUTTON') g.el.disabled = !z.aktiv;
    else g.el.classList.toggle('aus', !z.aktiv);
    for (const f of g.fokus) if ('disabled' in f && g.el.tagName === 'LABEL') f.disabled = !z.aktiv;
    g.el.hidden = !z.sichtbar;
  };
  return g;
}

// ---------------------------------------------------------------- reading order

export const TAB_ZIELE = 'input, button:not(.pfeil), [tabindex="0"]';
const orte = new WeakMap(); // each Tab target's place when the page was built

// Splits places into bands along one axis: a band grows while the next place
// (in order of its start) begins before the band's far edge.
function baender(plaetze, zeilen) {
  const anfang = (p) => (zeilen ? p.r.top : p.r.left), ende = (p) => (zeilen ? p.r.bottom : p.r.right);
  const sortiert = [...plaetze].sort((a, b) => anfang(a) - anfang(b));
  const ergebnis = [];
  let rand = 0;
  for (const p of sortiert) {
    if (!ergebnis.length || anfang(p) >= rand) {
      ergebnis.push([]);
      rand = ende(p);
    }
    rand = Math.max(rand, ende(p));
    ergebnis.at(-1).push(p);
  }
  return ergebnis;
}

// Rows top to bottom, left to right in a row; rows beside a taller control
// split into columns, each read top to bottom.
function ordne(plaetze, zeilen, gewechselt, folge) {
  const b = baender(plaetze, zeilen);
  if (b.length === 1 && plaetze.length > 1) {
    if (!gewechselt) return ordne(plaetze, !zeilen, true, folge);
    const rest = [...plaetze].sort((x, y) => x.r.top - y.r.top || x.r.left - y.r.left);
    rest.forEach((p) => folge.push(p.el));
    return folge;
  }
  for (const band of b) {
    if (band.length === 1) folge.push(band[0].el);
    else ordne(band, !zeilen, false, folge);
  }
  return folge;
}

// Puts the page's Tab targets in the DOM in reading order, as the desktop
// orders its Tab chain; what takes no keys stays first, below the rest.
export function ordneLesefolge(wurzel) {
  const plaetze = [...wurzel.querySelectorAll(TAB_ZIELE)].map((el) => {
    const r = el.getBoundingClientRect();
    orte.set(el, r);
    return { el, r };
  });
  const rang = new Map(ordne(plaetze, true, false, []).map((el, i) => [el, i]));
  const rangVon = (el) => {
    let m = rang.has(el) ? rang.get(el) : Infinity;
    for (const z of el.querySelectorAll(TAB_ZIELE)) m = Math.min(m, rang.get(z) ?? Infinity);
    return m === Infinity ? -1 : m;
  };
  // Only the boxes controls stand in; a control keeps its own parts in order.
  const behaelter = (el) => el === wurzel || el.matches('fieldset, .panel');
  const sortiere = (el) => {
    const kinder = [...el.children];
    if (!behaelter(el)) return;
    if (kinder.length > 1) {
      const r = new Map(kinder.map((k) => [k, rangVon(k)]));
      kinder.sort((a, b) => r.get(a) - r.get(b)).forEach((k) => el.append(k));
    }
    kinder.forEach(sortiere);
  };
  sortiere(wurzel);
}

// ---------------------------------------------------------------- names

// Words for the places of alike controls: side by side left, in the middle
// and right; one above the other above and below; else numbers.
function ortsWoerter(alike) {
  const r = (el) => orte.get(el) || el.getBoundingClientRect();
  const getrennt = (waagrecht) => {
    alike.sort((a, b) => (waagrecht ? r(a).left - r(b).left : r(a).top - r(b).top));
    return alike.every((el, i) => i === 0 || (waagrecht ? r(el).left >= r(alike[i - 1]).right : r(el).top >= r(alike[i - 1]).bottom));
  };
  if (alike.length <= 3 && getrennt(true))
    return alike.length === 2 ? ['links', 'rechts'] : ['links', 'in der Mitte', 'rechts'];
  if (alike.length === 2 && getrennt(false)) return ['oben', 'unten'];
  getrennt(false);
  return alike.map((_, i) => String(i + 1));
}

function nachName(liste, grund) {
  const m = new Map();
  for (const el of liste) {
    const n = grund(el);
    if (n) m.set(n, [...(m.get(n) || []), el]);
  }
  return m;
}

function gruppenName(el) {
  const g = el.closest('fieldset');
  return g ? g.getAttribute('aria-label') || ohneFuellung(g.querySelector('legend')?.textContent) : '';
}

// Alike names told apart, as the desktop does: groups by their places,
// controls by their groups or places.
export function eindeutigeNamen(wurzel) {
  const gruppen = [...wurzel.querySelectorAll('fieldset')].filter((g) => !g.dataset.zug);
  for (const g of gruppen) g.removeAttribute('aria-label');
  for (const [name, alike] of nachName(gruppen, (g) => ohneFuellung(g.querySelector('legend')?.textContent))) {
    const w = alike.length > 1 ? ortsWoerter(alike) : null;
    alike.forEach((g, i) => { if (w) g.setAttribute('aria-label', `${name} ${w[i]}`); });
  }
  const steuer = [...wurzel.querySelectorAll(TAB_ZIELE)].filter((el) => el.type !== 'radio' && el.tagName !== 'CANVAS');
  const grund = (el) => {
    if (el.dataset.name) return gruppenName(el) + (el.dataset.name === 'gruppe-eingabe' ? ', Eingabe' : '');
    if (el.closest('[data-zug]') && !el.closest('fieldset[data-zug]')) return el.closest('[data-zug]').dataset.zug;
    return ohneFuellung(el.tagName === 'INPUT' ? el.parentElement.textContent : el.textContent);
  };
  for (const [name, alike] of nachName(steuer, grund)) {
    const umgebung = alike.map(gruppenName);
    const verschieden = alike.length > 1 && umgebung.every((u) => u) && new Set(umgebung).size === alike.length;
    const w = alike.length > 1 && !verschieden ? ortsWoerter(alike) : null;
    alike.forEach((el, i) => {
      const neu = alike.length === 1 ? name : verschieden ? `${name}, ${umgebung[i]}` : `${name} ${w[i]}`;
      if (el.getAttribute('aria-label') !== neu) el.setAttribute('aria-label', neu);
    });
  }
}
