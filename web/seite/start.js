// The start page: the course's menu over the green stripes with the title,
// the title picture, the version and the author line. "Beenden" leaves a
// farewell page (zeigeEnde): a browser closes only windows a script opened.
import { kern } from './kern.js';
import { baueFenster, element, platziere, liesZeichnung, seitenBild } from './fenster.js';

const BREITE = 1016, HOEHE = 714;

// Where a menu item leads: a lesson by its name, the information or the end.
function ziel(id, lektionen) {
  if (lektionen.includes(id)) return `#/lektion/${encodeURIComponent(id)}`;
  return { Information: '#/info', Beenden: '#/ende' }[id] ?? null;
}

// The core's menu ({name, text, ziel, punkte}) as the menu bar takes it.
function alsMenue(punkte) {
  return punkte.map((p) => (p.punkte.length
    ? { text: p.text, punkte: alsMenue(p.punkte) }
    : { text: p.text, id: p.ziel }));
}

function beschriftung(flaeche, l, t, b, h, text, klasse) {
  const p = platziere(element('p', `beschriftung ${klasse}`), l, t, b, h);
  p.textContent = text;
  flaeche.append(p);
}

export async function zeigeStart(wurzel, { oeffne, fokus }) {
  const M = await kern();
  const lektionen = JSON.parse(M.lektionsNamen());
  const seite = JSON.parse(M.seitenBilder());
  const fenster = baueFenster(wurzel, {
    klasse: 'start', name: 'Geometrie', breite: BREITE, hoehe: HOEHE,
    menue: alsMenue(JSON.parse(M.startMenue())),
    beiWahl: (id) => {
      const z = ziel(id, lektionen);
      if (z === '#/ende') window.close(); // works in a window a script opened, else the farewell page
      if (z) oeffne(z);
    },
  });
  document.title = 'Geometrie';
  const { flaeche } = fenster;
  // The title as text for readers; the canvas shows the same.
  const h1 = element('h1', 'nur-vorlesen');
  h1.textContent = `${seite.titel}: ${seite.untertitel}`;
  flaeche.append(h1);
  fenster.zeichnung(element('canvas', 'zeichnung', { 'aria-hidden': 'true' }),
    liesZeichnung(M.startZeichnung(), BREITE, HOEHE));
  seitenBild(flaeche, seite.start, 'titelbild-text');
  beschriftung(flaeche, 0, 669, BREITE, 19, seite.version, 'version');
  beschriftung(flaeche, 0, 688, BREITE, 26, seite.autor, 'autor');
  if (fokus) fenster.menueleiste.fokussiere();
  return () => fenster.entferne();
}

// What "Beenden" leaves behind where the browser keeps the window open.
export function zeigeEnde(wurzel, { nochmal }) {
  const seite = element('section', 'ende', { 'aria-labelledby': 'ende-titel' });
  const h1 = element('h1', null, { id: 'ende-titel' });
  h1.textContent = 'Auf Wiedersehen!';
  const p = element('p');
  p.textContent = 'Du kannst dieses Fenster jetzt schließen.';
  const knopf = element('button', null, { type: 'button' });
  knopf.textContent = 'Noch einmal starten';
  knopf.addEventListener('click', nochmal);
  seite.append(h1, p, knopf);
  wurzel.replaceChildren(seite);
  document.title = 'Geometrie';
  knopf.focus();
  return () => seite.remove();
}
