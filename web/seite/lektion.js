// The lesson page: any of the lessons built from its model's layout, as the
// desktop window builds it. Every input goes to the core; afterwards the page
// reads what the core says now and changes only what differs.
import { kern } from './kern.js';
import { baueMenueleiste } from './menue.js';
import { passeEin } from './passen.js';
import { baueSteuer, platziere, ordneLesefolge, eindeutigeNamen } from './steuer.js';
import { verbindeZeiger } from './zeiger.js';

export const MENUE_HOEHE = 24; // the menu bar above the design's client area

// Another helper's module: the page works without it, only that part is missing.
const optional = (pfad) => import(pfad).catch(() => null);

function neu(tag, klasse, eltern) {
  const el = document.createElement(tag);
  if (klasse) el.className = klasse;
  if (eltern) eltern.append(el);
  return el;
}

// A title or instruction panel with its label.
function panel(client, ort, labelOrt, klasse) {
  const p = neu('div', 'panel', client);
  platziere(p, ort);
  const label = neu('div', klasse, p);
  platziere(label, labelOrt);
  return { p, label };
}

function baueBereich(seite, b, index, behaelter) {
  const w = { b, index };
  if (b.ueb.breite > 0) ({ label: w.titel, p: w.titelPanel } = panel(seite.client, b.ueb, b.lblUeb, 'titel'));
  if (b.bevel.breite > 0) platziere(neu('div', 'bevel', seite.client), b.bevel);
  if (b.grafik.breite <= 0) return w;
  const huelle = neu('div', 'zeichnung', behaelter(b.in));
  huelle.dataset.bereich = b.name;
  platziere(huelle, b.grafik);
  w.canvas = neu('canvas', null, huelle);
  w.canvas.setAttribute('role', 'img');
  w.canvas.setAttribute('aria-label', b.zugName);
  w.canvas.classList.toggle('nimmt', b.zeiger);
  if (b.zeiger || !b.alsText) w.canvas.tabIndex = 0;
  if (b.zeiger) w.overlay = neu('canvas', 'kreuz', huelle);
  if (b.status.breite > 0) {
    ({ label: w.status, p: w.statusPanel } = panel(seite.client, b.status, b.lblStatus, 'anweisung'));
    w.statusPanel.hidden = !b.statusSichtbar;
  }
  return w;
}

// The menu bar: "Schließen", the lesson's items, the teacher's picture menu.
function menueEintraege(layout) {
  return [
    { text: 'Schließen', id: 'schliessen' },
    ...layout.menue.map((text, i) => ({ text, id: `menue:${i}` })),
    {
      text: '&Bild',
      punkte: [
        { text: 'Kopieren', id: 'kopieren', taste: 'Ctrl+C' },
        { text: 'Speichern unter …', id: 'speichern', taste: 'Ctrl+S' },
        { text: 'Drucken …', id: 'drucken', taste: 'Ctrl+P' },
      ],
    },
  ];
}

// The page's style sheet lies next to this module; the places are measured after it came.
let stil = null;
function ladeStil() {
  stil ||= new Promise((fertig) => {
    const link = document.createElement('link');
    link.rel = 'stylesheet';
    link.href = new URL('./lektion.css', import.meta.url).href;
    link.onload = link.onerror = fertig;
    document.head.append(link);
  });
  return stil;
}

function baueSeite(wurzel, layout) {
  const buehne = neu('div', 'lektion-buehne', wurzel);
  const seite = neu('div', 'lektion', buehne);
  seite.setAttribute('role', 'main');
  seite.setAttribute('aria-label', layout.caption);
  const kopf = neu('div', 'kopf', seite);
  const client = neu('div', 'client', seite);
  client.style.width = `${layout.breite}px`;
  client.style.height = `${layout.hoehe}px`;
  const live = neu('div', 'vorleser', seite);
  live.setAttribute('aria-live', 'polite');
  live.setAttribute('role', 'status');
  return { buehne, seite, kopf, client, live };
}

// Areas and controls in the desktop's order of building: the drawings on the
// client area first, a drawing in or after a control right after that control.
function baueInhalt(seite, layout, eingabe) {
  const namen = new Map();
  const behaelter = (name) => (name ? namen.get(name) : seite.client);
  const bereiche = new Array(layout.bereiche.length);
  layout.bereiche.forEach((b, i) => {
    if (!b.in && !b.nach) bereiche[i] = baueBereich(seite, b, i, behaelter);
  });
  const steuer = layout.steuer.map((s, i) => {
    const g = baueSteuer(s, i, eingabe);
    behaelter(s.in).append(g.el);
    namen.set(s.name, g.el);
    layout.bereiche.forEach((b, j) => {
      if (b.in === s.name || b.nach === s.name) bereiche[j] = baueBereich(seite, b, j, behaelter);
    });
    return g;
  });
  return { bereiche, steuer };
}

export async function zeigeLektion(wurzel, name, { schliessen = () => {}, keim } = {}) {
  const [M, maler, schriften] = await Promise.all([kern(), optional('./maler.js'), optional('./schriften.js'), ladeStil()]);
  if (schriften?.schriftenBereit) await schriften.schriftenBereit().catch(() => {});
  const l = new M.Lektion(name);
  if (!l.gueltig()) {
    l.delete();
    throw new Error(`Keine Lektion "${name}"`);
  }
  const layout = JSON.parse(l.layout());
  const s = new Seite(wurzel, l, layout, maler, schliessen);
  s.starte(keim ?? ((Date.now() ^ (performance.now() * 1000)) >>> 0));
  return () => s.entferne();
}

class Seite {
  constructor(wurzel, l, layout, maler, schliessen) {
    Object.assign(this, { l, layout, maler, schliessen, skala: 1, alt: { steuer: [], bereiche: [] } });
    this.dom = baueSeite(wurzel, layout);
    this.menue = baueMenueleiste(this.dom.kopf, menueEintraege(layout), (id) => this.waehle(id));
    ({ bereiche: this.bereiche, steuer: this.steuer } = baueInhalt(this.dom, layout, (f) => this.eingabe(f)));
    const hilfen = { lektion: l, eingabe: (f) => this.eingabe(f, true), sage: (t) => this.sage(t), faktor: () => this.faktor() };
    this.zeiger = this.bereiche.filter((w) => w.overlay)
      .map((w) => verbindeZeiger(w.canvas, w.overlay, w.b, w.index, hilfen));
    ordneLesefolge(this.dom.client);
    eindeutigeNamen(this.dom.client);
    const schritte = this.steuer.filter((g) => g.schritte);
    this.seitenSchritte = schritte.length === 1 ? schritte[0] : null;
    this.ab = new AbortController();
    document.addEventListener('keydown', (e) => this.taste(e), { signal: this.ab.signal });
  }

  starte(keim) {
    const { l, layout, dom } = this;
    l.vorlesen(true);
    l.aktiviere(keim);
    this.stopp = passeEin(dom.seite, layout.breite, layout.hoehe + MENUE_HOEHE, (skala) => {
      this.skala = skala;
      this.maleAlle();
    });
    this.abgleichen(true);
    const erstes = [...dom.client.querySelectorAll('input, button, [tabindex="0"]')].find((el) => this.erreichbar(el));
    (erstes || this.menue.element).focus?.({ preventScroll: true });
  }

  faktor() { return this.skala * (window.devicePixelRatio || 1); }

  erreichbar(el) {
    return el.offsetParent !== null && !el.disabled && !(el.type === 'radio' && !el.checked && this.gewaehlt(el));
  }

  gewaehlt(radio) {
    return [...document.getElementsByName(radio.name)].some((r) => r.checked);
  }

  // One input: the core changes its state, the page shows what it says now,
  // a reader hears what changed, a refused input brings its message.
  eingabe(f, zeiger = false) {
    if (!this.l) return;
    f(this.l);
    this.abgleichen(false);
    this.sage(this.l.ansage());
    if (!zeiger) eindeutigeNamen(this.dom.client);
    const meldung = this.l.meldung();
    if (meldung) zeigeMeldung(this.dom.seite, 'Information', meldung);
  }

  sage(text) {
    if (!text) return;
    const live = this.dom.live;
    // Emptied first, so that the same words twice are spoken twice.
    live.textContent = '';
    requestAnimationFrame(() => { live.textContent = text; });
  }

  abgleichen(alleNeu) {
    const { l, alt } = this;
    this.steuer.forEach((g, i) => {
      const z = l.steuerzustand(i);
      if (!alleNeu && z === alt.steuer[i]) return;
      alt.steuer[i] = z;
      g.zeige(JSON.parse(z), alleNeu);
    });
    this.bereiche.forEach((w, i) => this.zeigeBereich(w, i, alleNeu));
    this.halteFokus();
  }

  zeigeBereich(w, i, alleNeu) {
    const { l } = this;
    const a = (this.alt.bereiche[i] ||= {});
    if (w.titel) {
      const titel = l.titel(i), farbe = l.titelFarbe(i);
      if (titel !== a.titel) w.titel.textContent = a.titel = titel;
      if (farbe !== a.farbe) w.titel.style.color = JSON.parse(a.farbe = farbe) || '';
    }
    if (w.status) {
      const text = l.anweisung(i);
      if (text !== a.anweisung) w.status.textContent = a.anweisung = text;
    }
    if (!w.canvas) return;
    const beschreibung = l.beschreibung(i);
    if (beschreibung !== a.beschreibung) w.canvas.setAttribute('aria-description', a.beschreibung = beschreibung);
    const ops = this.zeichnung(i);
    if (alleNeu || ops !== a.ops) {
      a.ops = ops;
      this.male(w, ops);
    }
  }

  zeichnung(i) {
    return typeof this.l.zeichnung === 'function' ? this.l.zeichnung(i) : '[]';
  }

  male(w, ops) {
    const b = w.b, faktor = this.faktor();
    if (this.maler?.male) {
      this.maler.male(w.canvas, JSON.parse(ops), { breite: b.grafik.breite, hoehe: b.grafik.hoehe, faktor });
      w.canvas.dataset.gemalt = typeof this.l.zeichnung === 'function' ? '1' : '';
    } else {
      // Without the painter: the drawing's ground only.
      w.canvas.width = Math.round(b.grafik.breite * faktor);
      w.canvas.height = Math.round(b.grafik.hoehe * faktor);
      const c = w.canvas.getContext('2d');
      c.fillStyle = b.grund ? '#ffffff' : '#f0f0f0';
      c.fillRect(0, 0, w.canvas.width, w.canvas.height);
    }
  }

  maleAlle() {
    this.bereiche.forEach((w) => { if (w.canvas) this.male(w, this.alt.bereiche[w.index]?.ops ?? this.zeichnung(w.index)); });
    for (const z of this.zeiger) z.zeichneKreuz();
  }

  // A control the change hid or disabled gives the keys to the nearest one.
  halteFokus() {
    const aktiv = document.activeElement;
    if (!aktiv || !this.dom.client.contains(aktiv) || this.erreichbar(aktiv)) return;
    const alle = [...this.dom.client.querySelectorAll('input, button, [tabindex="0"]')];
    const hier = alle.indexOf(aktiv);
    for (let d = 1; d < alle.length; ++d)
      for (const j of [hier + d, hier - d])
        if (alle[j] && this.erreichbar(alle[j])) { alle[j].focus({ preventScroll: true }); return; }
  }

  async waehle(id) {
    if (id === 'schliessen') { this.schliessen(); return; }
    if (id.startsWith('menue:')) { this.eingabe((l) => l.menue(Number(id.slice(6)))); return; }
    await bildAusgabe(id, this).catch((fehler) => zeigeMeldung(this.dom.seite, 'Bild', String(fehler.message || fehler)));
  }

  // Page Down and Page Up move the page's only step control, where the focused control lets them pass.
  taste(e) {
    if (!['PageDown', 'PageUp'].includes(e.key) || e.defaultPrevented || e.altKey || e.ctrlKey || e.shiftKey) return;
    const t = e.target;
    if (t.tagName === 'INPUT' && t.type === 'text') return;
    e.preventDefault();
    if (this.seitenSchritte?.kannBlaettern()) this.seitenSchritte.gehe(e.key === 'PageDown' ? 1 : -1);
  }

  entferne() {
    this.ab.abort();
    this.stopp?.();
    this.menue.entferne?.();
    this.dom.buehne.remove();
    this.l.delete();
    this.l = null;
  }
}

// ---------------------------------------------------------------- message

// The design's message box: caption, text, OK; Escape closes it and the keys
// go back where they were.
export function zeigeMeldung(seite, titel, text, knoepfe = [{ text: 'OK', wert: 'ok' }]) {
  const vorher = document.activeElement;
  const d = neu('dialog', 'meldung', seite);
  d.setAttribute('role', 'alertdialog');
  d.setAttribute('aria-modal', 'true');
  const kopf = neu('h2', null, d);
  kopf.id = `meldung-${Date.now().toString(36)}`;
  kopf.textContent = titel;
  const inhalt = neu('p', null, d);
  inhalt.id = `${kopf.id}-text`;
  inhalt.textContent = text;
  d.setAttribute('aria-labelledby', kopf.id);
  d.setAttribute('aria-describedby', inhalt.id);
  const reihe = neu('div', 'knoepfe', d);
  return new Promise((fertig) => {
    for (const k of knoepfe) {
      const b = neu('button', null, reihe);
      b.type = 'button';
      b.textContent = k.text;
      b.addEventListener('click', () => d.close(k.wert));
    }
    d.addEventListener('close', () => {
      d.remove();
      if (vorher?.isConnected) vorher.focus({ preventScroll: true });
      fertig(d.returnValue || null);
    });
    d.addEventListener('cancel', () => { d.returnValue = ''; });
    d.showModal();
    reihe.querySelector('button').focus();
  });
}

// ---------------------------------------------------------------- the teacher's picture

// A drawing's operations moved by (dx, dy), to join several areas into one picture.
function verschiebe(op, dx, dy) {
  const o = { ...op };
  for (const k of ['x', 'x1', 'x2', 'l', 'r']) if (k in o) o[k] += dx;
  for (const k of ['y', 'y1', 'y2', 't', 'b']) if (k in o) o[k] += dy;
  if (o.p) o.p = o.p.map((v, i) => v + (i % 2 ? dy : dx));
  return o;
}

// The areas that belong to the picture, side by side as on the page.
function bildInhalt(seite) {
  const teile = seite.bereiche.filter((w) => w.canvas && w.b.imBild && !w.b.in);
  const links = Math.min(...teile.map((w) => w.b.grafik.links)), oben = Math.min(...teile.map((w) => w.b.grafik.oben));
  const rechts = Math.max(...teile.map((w) => w.b.grafik.links + w.b.grafik.breite));
  const unten = Math.max(...teile.map((w) => w.b.grafik.oben + w.b.grafik.hoehe));
  const ops = teile.flatMap((w) => {
    const eigen = JSON.parse(seite.zeichnung(w.index));
    const g = w.b.grafik, dx = g.links - links, dy = g.oben - oben;
    const grund = { a: 'flaeche', l: 0, t: 0, r: g.breite, b: g.hoehe, farbe: w.b.grund ? '#ffffff' : '#f0f0f0' };
    return [grund, ...eigen].map((op) => (dx || dy ? verschiebe(op, dx, dy) : op));
  });
  return { ops, breite: rechts - links, hoehe: unten - oben };
}

function bildTitel(seite) {
  const schritt = seite.l.schritt();
  return schritt === null ? seite.layout.caption : `${seite.layout.caption} – Schritt ${schritt}`;
}

function anweisung(seite) {
  return seite.layout.bereiche.map((b, i) => seite.l.anweisung(i).replace(/\s+/g, ' ').trim())
    .filter((t) => t).join('\n');
}

function lade(blob, datei) {
  const a = document.createElement('a');
  a.href = URL.createObjectURL(blob);
  a.download = datei;
  a.click();
  setTimeout(() => URL.revokeObjectURL(a.href), 10000);
}

async function bildAusgabe(id, seite) {
  const aus = await optional('./ausgabe.js');
  if (!aus) throw new Error('Die Bildausgabe fehlt in dieser Fassung.');
  const { ops, breite, hoehe } = bildInhalt(seite);
  const titel = bildTitel(seite);
  if (id === 'kopieren') {
    await navigator.clipboard.write([new ClipboardItem({ 'image/png': aus.alsPng(ops, breite, hoehe, 1) })]);
  } else if (id === 'drucken') {
    aus.druckeBild(ops, breite, hoehe, titel, anweisung(seite));
  } else if (id === 'speichern') {
    const art = await zeigeMeldung(seite.dom.seite, 'Speichern unter', 'Wie soll das Bild gespeichert werden?', [
      { text: 'PNG 1:1', wert: 'png1' }, { text: 'PNG 3-fach', wert: 'png3' }, { text: 'SVG', wert: 'svg' },
      { text: 'Abbrechen', wert: '' }]);
    if (art === 'svg') lade(new Blob([aus.alsSvg(ops, breite, hoehe)], { type: 'image/svg+xml' }), `${titel}.svg`);
    else if (art) lade(await aus.alsPng(ops, breite, hoehe, art === 'png3' ? 3 : 1), `${titel}.png`);
  }
}
