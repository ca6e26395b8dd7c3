// The start page: the course's menu over the green stripes with the title,
// the title picture, the version and the author line. "Beenden" leaves a
// farewell page (zeigeEnde): a browser closes only windows a script opened.
import { kern } from './kern.js';
import { baueFenster, element, platziere, liesZeichnung, zeilenDerZeichnung, zeilenText } from './fenster.js';

const BREITE = 1016, HOEHE = 714;

const TITELBILD = 'Ein spitzwinkeliges Dreieck ABC mit den Seiten a, b und c und seinen drei Höhen ha, hb '
  + 'und hc. Jede Höhe steht im rechten Winkel auf ihrer Seite; die drei Höhen schneiden '
  + 'einander im Höhenschnittpunkt H.';

// Where a menu item leads: a lesson by its name, the information or the end.
function ziel(id, lektionen) {
  if (lektionen.includes(id)) return `#/lektion/${encodeURIComponent(id)}`;
  if (/info/i.test(id)) return '#/info';
  if (/beenden/i.test(id)) return '#/ende';
  return null;
}

function beschriftung(flaeche, l, t, b, h, text, klasse) {
  const p = platziere(element('p', `beschriftung ${klasse}`), l, t, b, h);
  p.textContent = text;
  flaeche.append(p);
}

function titelbild(flaeche) {
  const beschreibung = element('span', null, { id: 'titelbild-text', hidden: '' });
  beschreibung.textContent = TITELBILD;
  const bild = platziere(element('img', 'bild', {
    src: 'bilder/start.jpg', alt: 'Titelbild', 'aria-describedby': beschreibung.id, draggable: 'false',
  }), 287, 202, 440, 440);
  flaeche.append(bild, beschreibung);
}

// The title as text for readers; the canvas shows the same.
function titelText(flaeche, ops) {
  const zeilen = zeilenDerZeichnung(ops).map(zeilenText);
  if (!zeilen.length) return;
  const h1 = element('h1', 'nur-vorlesen');
  h1.textContent = zeilen.join(': ');
  flaeche.prepend(h1);
}

export async function zeigeStart(wurzel, { oeffne }) {
  const M = await kern();
  const lektionen = JSON.parse(M.lektionsNamen());
  const menue = M.startMenue ? JSON.parse(M.startMenue()) : [];
  const fenster = baueFenster(wurzel, {
    klasse: 'start', name: 'Geometrie', breite: BREITE, hoehe: HOEHE, menue,
    beiWahl: (id) => {
      const z = ziel(id, lektionen);
      if (z === '#/ende') window.close(); // works in a window a script opened, else the farewell page
      if (z) oeffne(z);
    },
  });
  document.title = 'Geometrie';
  const { flaeche } = fenster;
  if (M.startZeichnung) {
    const z = liesZeichnung(M.startZeichnung(), BREITE, HOEHE);
    fenster.zeichnung(element('canvas', 'zeichnung', { 'aria-hidden': 'true' }), z);
    titelText(flaeche, z.ops);
  }
  titelbild(flaeche);
  beschriftung(flaeche, 0, 669, BREITE, 19, 'Version 2.0', 'version');
  beschriftung(flaeche, 0, 688, BREITE, 26, 'Ein Geometriekurs für die Unterstufe', 'autor');
  fenster.menueleiste.fokussiere();
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
