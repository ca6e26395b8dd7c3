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

export function baueMenueleiste(element, eintraege, beiWahl) {
  stilEinmal();
  const leiste = document.createElement('div');
  leiste.setAttribute('role', 'menubar');
  leiste.setAttribute('aria-label', 'Menü');
  leiste.className = 'menueleiste';
  const oben = eintraege.map((e) => baueOben(e));
  oben.forEach((o) => leiste.append(o.huelle));
  oben[0] && (oben[0].el.tabIndex = 0);
  element.append(leiste);

  let offen = null; // the top item whose menu is open
  let vorher = null; // where the keys were before F10 or Alt took them

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

  function setzeStopp(o) {
    for (const x of oben) x.el.tabIndex = x === o ? 0 : -1;
  }

  function schliesse() {
    if (!offen) return;
    offen.menu.hidden = true;
    offen.el.setAttribute('aria-expanded', 'false');
    offen = null;
  }

  function oeffne(o, welcher) {
    schliesse();
    setzeStopp(o);
    if (!o.menu) {
      o.el.focus();
      return;
    }
    offen = o;
    o.menu.hidden = false;
    o.el.setAttribute('aria-expanded', 'true');
    if (welcher === undefined) o.el.focus();
    else o.punkte.at(welcher).el.focus();
  }

  function waehle(eintrag) {
    schliesse();
    const zurueck = vorher;
    vorher = null;
    if (zurueck && zurueck.isConnected) zurueck.focus();
    beiWahl(eintrag.id);
  }

  function nachbar(o, d) {
    return oben[(oben.indexOf(o) + d + oben.length) % oben.length];
  }

  function tasteOben(e, o) {
    const offenHier = offen === o;
    switch (e.key) {
      case 'ArrowRight': case 'ArrowLeft': {
        const n = nachbar(o, e.key === 'ArrowRight' ? 1 : -1);
        if (offenHier && n.menu) oeffne(n, 0);
        else { schliesse(); setzeStopp(n); n.el.focus(); }
        return true;
      }
      case 'Home': case 'End': {
        const n = e.key === 'Home' ? oben[0] : oben.at(-1);
        schliesse(); setzeStopp(n); n.el.focus();
        return true;
      }
      case 'ArrowDown': case 'Enter': case ' ':
        if (o.menu) oeffne(o, 0);
        else if (e.key !== 'ArrowDown') waehle(o.eintrag);
        return true;
      case 'ArrowUp':
        if (o.menu) oeffne(o, -1);
        return true;
      case 'Escape':
        if (offenHier) schliesse();
        else verlasse();
        return true;
    }
    return buchstabe(e, oben);
  }

  function tastePunkt(e, o, p) {
    const i = o.punkte.indexOf(p), n = o.punkte.length;
    switch (e.key) {
      case 'ArrowDown': o.punkte[(i + 1) % n].el.focus(); return true;
      case 'ArrowUp': o.punkte[(i - 1 + n) % n].el.focus(); return true;
      case 'Home': o.punkte[0].el.focus(); return true;
      case 'End': o.punkte[n - 1].el.focus(); return true;
      case 'Enter': case ' ': waehle(p.eintrag); return true;
      case 'Escape': schliesse(); o.el.focus(); return true;
      case 'ArrowRight': case 'ArrowLeft': return tasteOben(e, o);
      case 'Tab': schliesse(); return false;
    }
    return buchstabe(e, o.punkte);
  }

  // A letter chooses the item it is underlined in.
  function buchstabe(e, punkte) {
    if (e.key.length !== 1 || e.ctrlKey || e.metaKey) return false;
    const p = punkte.find((x) => x.taste === e.key.toLowerCase());
    if (!p) return false;
    if (p.menu) oeffne(p, 0);
    else waehle(p.eintrag);
    return true;
  }

  function verlasse() {
    schliesse();
    const zurueck = vorher;
    vorher = null;
    if (zurueck && zurueck.isConnected) zurueck.focus();
  }

  function betrete() {
    if (!leiste.contains(document.activeElement)) vorher = document.activeElement;
  }

  oben.forEach((o) => {
    o.el.addEventListener('keydown', (e) => {
      if (tasteOben(e, o)) { e.preventDefault(); e.stopPropagation(); }
    });
    o.el.addEventListener('click', () => {
      betrete();
      if (offen === o) { schliesse(); return; }
      if (o.menu) oeffne(o);
      else waehle(o.eintrag);
    });
    o.el.addEventListener('pointerenter', () => { if (offen && offen !== o && o.menu) oeffne(o); });
    for (const p of o.punkte || []) {
      p.el.addEventListener('keydown', (e) => {
        if (tastePunkt(e, o, p)) { e.preventDefault(); e.stopPropagation(); }
      });
      p.el.addEventListener('click', () => waehle(p.eintrag));
      p.el.addEventListener('pointerenter', () => p.el.focus());
    }
  });
  leiste.addEventListener('focusin', (e) => { if (!leiste.contains(e.relatedTarget)) betrete(); });
  leiste.addEventListener('focusout', (e) => { if (!leiste.contains(e.relatedTarget)) schliesse(); });

  const kuerzel = eintraege.flatMap((e) => [e, ...(e.punkte || [])]).filter((e) => e.taste)
    .map((e) => ({ e, t: tastenKuerzel(e.taste) }));
  const ab = new AbortController();
  document.addEventListener('keydown', (e) => {
    if (!leiste.isConnected || e.defaultPrevented) return;
    if (e.key === 'F10' && !e.altKey && !e.ctrlKey) {
      e.preventDefault();
      if (leiste.contains(document.activeElement)) verlasse();
      else { betrete(); (oben.find((o) => o.el.tabIndex === 0) || oben[0]).el.focus(); }
      return;
    }
    // By the key's place: with Alt some systems type another letter.
    const code = e.code && e.code.startsWith('Key') ? e.code.slice(3).toLowerCase() : e.key.toLowerCase();
    if (e.altKey && !e.ctrlKey && code.length === 1) {
      const o = oben.find((x) => x.taste === code);
      if (o) { e.preventDefault(); betrete(); if (o.menu) oeffne(o, 0); else waehle(o.eintrag); }
      return;
    }
    const k = kuerzel.find((x) => x.t.passt(e));
    if (k && !tippt(e)) { e.preventDefault(); schliesse(); beiWahl(k.e.id); }
  }, { signal: ab.signal });
  document.addEventListener('pointerdown', (e) => { if (!leiste.contains(e.target)) schliesse(); },
    { signal: ab.signal });

  return {
    element: leiste,
    fokussiere: () => { betrete(); (oben.find((o) => o.el.tabIndex === 0) || oben[0])?.el.focus(); },
    entferne: () => { ab.abort(); leiste.remove(); },
  };
}
