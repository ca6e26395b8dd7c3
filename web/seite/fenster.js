// A page laid out like a desktop window of the course: a menu bar over a
// client area of design pixels, scaled as a whole to the viewport, with
// drawings the core describes as pixel operations repainted at every scale.
import { passeEin } from './passen.js';
import { baueMenueleiste } from './menue.js';
import { male } from './maler.js';
import { schriftenBereit } from './schriften.js';
import { MENUE_HOEHE } from './lektion.js';

// The menu bar as high as on a lesson page, so the pages do not jump.
export const MENUELEISTE = MENUE_HOEHE;

export function element(art, klasse, eigenschaften = {}) {
  const el = document.createElement(art);
  if (klasse) el.className = klasse;
  for (const [name, wert] of Object.entries(eigenschaften)) el.setAttribute(name, wert);
  return el;
}

// Places `el` at design pixels inside its window.
export function platziere(el, l, t, b, h) {
  Object.assign(el.style, { left: `${l}px`, top: `${t}px`, width: `${b}px`, height: `${h}px` });
  return el;
}

// A picture of a page with its name, and what it shows for a reader.
export function seitenBild(flaeche, b, id) {
  const text = element('span', null, { id, hidden: '' });
  text.textContent = b.beschreibung;
  const img = platziere(element('img', 'bild', {
    src: `bilder/${b.datei}`, alt: b.name, 'aria-describedby': id, draggable: 'false',
  }), b.links, b.oben, b.breite, b.hoehe);
  flaeche.append(img, text);
}

// The core's answer for a drawing: the operations alone or with their size.
export function liesZeichnung(json, breite, hoehe) {
  const z = JSON.parse(json);
  return Array.isArray(z) ? { ops: z, breite, hoehe } : { breite, hoehe, ...z };
}

export function baueFenster(wurzel, { klasse, name, breite, hoehe, menue, beiWahl }) {
  const fenster = element('div', `fenster ${klasse}`, { role: 'main', 'aria-label': name });
  const leiste = element('div', 'leistenplatz');
  leiste.style.height = `${MENUELEISTE}px`;
  const flaeche = platziere(element('div', 'flaeche'), 0, 0, breite, hoehe);
  fenster.append(leiste, flaeche);
  wurzel.replaceChildren(fenster);
  const menueleiste = baueMenueleiste(leiste, menue, beiWahl);

  const zeichnungen = [];
  let faktor = window.devicePixelRatio || 1;
  const mal = (z) => male(z.canvas, z.ops, { breite: z.breite, hoehe: z.hoehe, faktor });
  const halt = passeEin(fenster, breite, hoehe + MENUELEISTE, (skala) => {
    faktor = skala * (window.devicePixelRatio || 1);
    zeichnungen.forEach(mal);
  });
  return {
    fenster, flaeche, menueleiste,
    // A canvas at (l, t) showing the drawing z = {ops, breite, hoehe}; painted
    // once the fonts are there, since the texts are placed by their widths.
    async zeichnung(canvas, z, l = 0, t = 0) {
      platziere(canvas, l, t, z.breite, z.hoehe);
      flaeche.append(canvas);
      const eintrag = { canvas, ...z };
      zeichnungen.push(eintrag);
      await schriftenBereit();
      mal(eintrag);
    },
    entferne() {
      halt();
      menueleiste.entferne?.();
      fenster.remove();
    },
  };
}
