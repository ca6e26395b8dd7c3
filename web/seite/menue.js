// A menu bar as the desktop windows have it, worked by mouse and keys alike:
// arrows, Home/End, Enter/Space, Escape, Alt plus the underlined letter, F10,
// and the shortcuts of the items ("Ctrl+C").
//   baueMenueleiste(element, [{text: '&Winkel', punkte: [{text: '&Arten', id: 'Winkel1'}]},
//                             {text: '&Beenden', id: 'beenden'}], (id) => ...)
// returns {element, fokussiere(), entferne()}.

// "&Bild" → the letter after the "&" underlined, "&&" a plain "&".
export function zeigeBeschriftung(ziel, text) {
  ziel.textContent = '';
  let taste = null;
  for (let i = 0; i < text.length; ++i) {
    if (text[i] === '&' && i + 1 < text.length) {
      ++i;
      if (text[i] !== '&' && taste === null) {
        taste = text[i].toLowerCase();
        const u = document.createElement('u');
        u.textContent = text[i];
        ziel.append(u);
        continue;
      }
    }
    ziel.append(text[i]);
  }
  return taste;
}

function ohneKaufmannsUnd(text) {
  return text.replace(/&(.)/g, '$1');
}

// "Ctrl+Shift+S" → the key's test for a keydown event, and the ARIA form.
function tastenKuerzel(taste) {
  const teile = taste.split('+');
  const haupt = teile.pop().toLowerCase();
  const ctrl = teile.includes('Ctrl'), shift = teile.includes('Shift'), alt = teile.includes('Alt');
  return {
    passt: (e) => (e.ctrlKey || e.metaKey) === ctrl && e.shiftKey === shift && e.altKey === alt
      && e.key.toLowerCase() === haupt,
    aria: [...teile.map((t) => (t === 'Ctrl' ? 'Control' : t)), haupt.toUpperCase()].join('+'),
  };
}

function neuerPunkt(eintrag, rolle) {
  const el = document.createElement('div');
  el.setAttribute('role', rolle);
  el.tabIndex = -1;
  el.className = 'menuepunkt';
  const text = document.createElement('span');
  const taste = zeigeBeschriftung(text, eintrag.text);
  el.append(text);
  el.setAttribute('aria-label', ohneKaufmannsUnd(eintrag.text));
  if (eintrag.taste) {
    const k = document.createElement('span');
    k.className = 'kuerzel';
    k.textContent = eintrag.taste;
    k.setAttribute('aria-hidden', 'true');
    el.append(k);
    el.setAttribute('aria-keyshortcuts', tastenKuerzel(eintrag.taste).aria);
  }
  return { el, taste, eintrag };
}

// An editable field keeps Ctrl+C and friends for its own text.
function tippt(e) {
  const t = e.target;
  return t instanceof HTMLElement && (t.isContentEditable || t.tagName === 'TEXTAREA'
    || (t.tagName === 'INPUT' && !['checkbox', 'radio', 'range', 'button'].includes(t.type)));
}

const STIL = `
.menueleiste { display: flex; height: 100%; align-items: stretch; background: #f0f0f0;
  font: 15px "Liberation Sans", Arial, sans-serif; color: #000; user-select: none; }
.menuehuelle { position: relative; }
.menueleiste .menuepunkt { padding: 0 9px; height: 100%; display: flex; align-items: center; gap: 24px;
  cursor: default; white-space: nowrap; outline: none; }
.menueleiste .menuepunkt:hover, .menueleiste .menuepunkt:focus,
.menueleiste .menuepunkt[aria-expanded="true"] { background: #cce4f7; }
.menueleiste .menuepunkt:focus-visible { box-shadow: inset 0 0 0 2px #0046c8; }
.menueleiste .menue { position: absolute; left: 0; top: 100%; z-index: 20; min-width: 180px;
  background: #fff; border: 1px solid #a0a0a0; box-shadow: 2px 2px 4px rgba(0,0,0,.25); padding: 2px 0; }
.menueleiste .menue[hidden] { display: none; }
.menueleiste .menue .menuepunkt { height: 26px; justify-content: space-between; padding: 0 12px 0 24px; }
.menueleiste .kuerzel { color: #444; }
`;

// The bar's look travels with it, so every page that builds one shows it alike.
function stilEinmal() {
  if (document.getElementById('menue-stil')) return;
  const s = document.createElement('style');
  s.id = 'menue-stil';
  s.textContent = STIL;
  document.head.append(s);
}

function baueOben(eintrag) {
  const o = neuerPunkt(eintrag, 'menuitem');
  o.huelle = document.createElement('div');
  o.huelle.className = 'menuehuelle';
  o.huelle.append(o.el);
  if (eintrag.punkte) {
    o.el.setAttribute('aria-haspopup', 'menu');
    o.el.setAttribute('aria-expanded', 'false');
    o.menu = document.createElement('div');
    o.menu.setAttribute('role', 'menu');
    o.menu.setAttribute('aria-label', ohneKaufmannsUnd(eintrag.text));
    o.menu.className = 'menue';
    o.menu.hidden = true;
    o.punkte = eintrag.punkte.map((p) => neuerPunkt(p, 'menuitem'));
    o.punkte.forEach((p) => o.menu.append(p.el));
    o.huelle.append(o.menu);
  }
  return o;
}

class Menueleiste {
  constructor(element, eintraege, beiWahl) {
    this.leiste = document.createElement('div');
    this.leiste.setAttribute('role', 'menubar');
    this.leiste.setAttribute('aria-label', 'Menü');
    this.leiste.className = 'menueleiste';
    this.oben = eintraege.map(baueOben);
    this.oben.forEach((o) => this.leiste.append(o.huelle));
    if (this.oben[0]) this.oben[0].el.tabIndex = 0;
    element.append(this.leiste);
    this.beiWahl = beiWahl;
    this.offen = null; // the top item whose menu is open
    this.vorher = null; // where the keys were before the bar took them
    this.kuerzel = eintraege.flatMap((e) => [e, ...(e.punkte || [])]).filter((e) => e.taste)
      .map((e) => ({ e, t: tastenKuerzel(e.taste) }));
    this.ab = new AbortController();
    this.verbinde();
  }

  verbinde() {
    const { leiste, ab } = this;
    for (const o of this.oben) {
      this.halte(o.el, (e) => this.tasteOben(e, o));
      o.el.addEventListener('click', () => {
        this.betrete();
        if (this.offen === o) this.schliesse();
        else if (o.menu) this.oeffne(o);
        else this.waehle(o.eintrag);
      });
      o.el.addEventListener('pointerenter', () => { if (this.offen && this.offen !== o && o.menu) this.oeffne(o); });
      for (const p of o.punkte || []) {
        this.halte(p.el, (e) => this.tastePunkt(e, o, p));
        p.el.addEventListener('click', () => this.waehle(p.eintrag));
        p.el.addEventListener('pointerenter', () => p.el.focus());
      }
    }
    leiste.addEventListener('focusin', (e) => { if (!leiste.contains(e.relatedTarget)) this.betrete(); });
    leiste.addEventListener('focusout', (e) => { if (!leiste.contains(e.relatedTarget)) this.schliesse(); });
    document.addEventListener('keydown', (e) => this.tasteSeite(e), { signal: ab.signal });
    document.addEventListener('pointerdown', (e) => { if (!leiste.contains(e.target)) this.schliesse(); },
      { signal: ab.signal });
  }

  // A key the handler used goes no further.
  halte(el, handler) {
    el.addEventListener('keydown', (e) => {
      if (handler(e)) { e.preventDefault(); e.stopPropagation(); }
    });
  }

  stopp() { return this.oben.find((o) => o.el.tabIndex === 0) || this.oben[0]; }

  setzeStopp(o) {
    for (const x of this.oben) x.el.tabIndex = x === o ? 0 : -1;
  }

  schliesse() {
    if (!this.offen) return;
    this.offen.menu.hidden = true;
    this.offen.el.setAttribute('aria-expanded', 'false');
    this.offen = null;
  }

  oeffne(o, welcher) {
    this.schliesse();
    this.setzeStopp(o);
    if (!o.menu) {
      o.el.focus();
      return;
    }
    this.offen = o;
    o.menu.hidden = false;
    o.el.setAttribute('aria-expanded', 'true');
    if (welcher === undefined) o.el.focus();
    else o.punkte.at(welcher).el.focus();
  }

  betrete() {
    if (!this.leiste.contains(document.activeElement)) this.vorher = document.activeElement;
  }

  // The keys go back where they were.
  verlasse() {
    this.schliesse();
    const zurueck = this.vorher;
    this.vorher = null;
    if (zurueck && zurueck.isConnected) zurueck.focus();
  }

  waehle(eintrag) {
    this.verlasse();
    this.beiWahl(eintrag.id);
  }

  gehe(o) {
    this.schliesse();
    this.setzeStopp(o);
    o.el.focus();
  }

  tasteOben(e, o) {
    const oben = this.oben, i = oben.indexOf(o);
    switch (e.key) {
      case 'ArrowRight': case 'ArrowLeft': {
        const n = oben[(i + (e.key === 'ArrowRight' ? 1 : -1) + oben.length) % oben.length];
        if (this.offen === o && n.menu) this.oeffne(n, 0);
        else this.gehe(n);
        return true;
      }
      case 'Home': this.gehe(oben[0]); return true;
      case 'End': this.gehe(oben.at(-1)); return true;
      case 'ArrowDown': case 'Enter': case ' ':
        if (o.menu) this.oeffne(o, 0);
        else if (e.key !== 'ArrowDown') this.waehle(o.eintrag);
        return true;
      case 'ArrowUp':
        if (o.menu) this.oeffne(o, -1);
        return true;
      case 'Escape':
        if (this.offen === o) this.schliesse();
        else this.verlasse();
        return true;
    }
    return this.buchstabe(e, oben);
  }

  tastePunkt(e, o, p) {
    const punkte = o.punkte, i = punkte.indexOf(p), n = punkte.length;
    switch (e.key) {
      case 'ArrowDown': punkte[(i + 1) % n].el.focus(); return true;
      case 'ArrowUp': punkte[(i - 1 + n) % n].el.focus(); return true;
      case 'Home': punkte[0].el.focus(); return true;
      case 'End': punkte[n - 1].el.focus(); return true;
      case 'Enter': case ' ': this.waehle(p.eintrag); return true;
      case 'Escape': this.schliesse(); o.el.focus(); return true;
      case 'ArrowRight': case 'ArrowLeft': return this.tasteOben(e, o);
      case 'Tab': this.schliesse(); return false;
    }
    return this.buchstabe(e, punkte);
  }

  // A letter chooses the item it is underlined in.
  buchstabe(e, punkte) {
    if (e.key.length !== 1 || e.ctrlKey || e.metaKey) return false;
    const p = punkte.find((x) => x.taste === e.key.toLowerCase());
    if (!p) return false;
    if (p.menu) this.oeffne(p, 0);
    else this.waehle(p.eintrag);
    return true;
  }

  // F10, Alt with a letter, and the items' shortcuts, wherever the keys are.
  tasteSeite(e) {
    if (!this.leiste.isConnected || e.defaultPrevented) return;
    if (e.key === 'F10' && !e.altKey && !e.ctrlKey) {
      e.preventDefault();
      if (this.leiste.contains(document.activeElement)) this.verlasse();
      else this.fokussiere();
      return;
    }
    // By the key's place: with Alt some systems type another letter.
    const code = e.code && e.code.startsWith('Key') ? e.code.slice(3).toLowerCase()
      : e.code && e.code.startsWith('Digit') ? e.code.slice(5) : e.key.toLowerCase();
    if (e.altKey && !e.ctrlKey && code.length === 1) {
      const o = this.oben.find((x) => x.taste === code);
      if (!o) return;
      e.preventDefault();
      this.betrete();
      if (o.menu) this.oeffne(o, 0);
      else this.waehle(o.eintrag);
      return;
    }
    const k = this.kuerzel.find((x) => x.t.passt(e));
    if (k && !tippt(e)) {
      e.preventDefault();
      this.schliesse();
      this.beiWahl(k.e.id);
    }
  }

  fokussiere() {
    this.betrete();
    this.stopp()?.el.focus();
  }

  entferne() {
    this.ab.abort();
    this.leiste.remove();
  }
}

export function baueMenueleiste(element, eintraege, beiWahl) {
  stilEinmal();
  const m = new Menueleiste(element, eintraege, beiWahl);
  return { element: m.leiste, fokussiere: () => m.fokussiere(), entferne: () => m.entferne() };
}
