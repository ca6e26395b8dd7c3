// The information page: the history of geometry drawn by the core, five
// pictures beside their paragraphs, and "Schließen" back to the start page.
import { kern } from './kern.js';
import { baueFenster, element, liesZeichnung, seitenBild } from './fenster.js';

const BREITE = 1016, HOEHE = 722;

// The texts of a drawing line by line, as a reader hears them: the runs of
// one line (same top) joined from left to right.
function zeilenDerZeichnung(ops) {
  const zeilen = new Map();
  for (const op of ops) {
    if (op.a !== 'text') continue;
    if (!zeilen.has(op.y)) zeilen.set(op.y, []);
    zeilen.get(op.y).push(op);
  }
  return [...zeilen.entries()].sort((a, b) => a[0] - b[0])
    .map(([y, laeufe]) => ({ y, laeufe: laeufe.sort((a, b) => a.x - b.x) }));
}

const zeilenText = (zeile) => zeile.laeufe.map((l) => l.text).join('');

// The page's text for readers: the first line a heading, then one paragraph
// per block of lines (a blank line in the drawing is a larger gap), words in
// the second colour emphasised as they are on screen.
function textFuerLeser(ops) {
  const zeilen = zeilenDerZeichnung(ops);
  const artikel = element('article', 'nur-vorlesen', { 'aria-labelledby': 'info-titel' });
  if (!zeilen.length) return artikel;
  const [titel, ...rest] = zeilen;
  const h1 = element('h1', null, { id: 'info-titel' });
  h1.textContent = zeilenText(titel);
  artikel.append(h1);
  const farben = new Map();
  for (const l of rest.flatMap((z) => z.laeufe)) farben.set(l.farbe, (farben.get(l.farbe) || 0) + l.text.length);
  const grund = [...farben.entries()].sort((a, b) => b[1] - a[1])[0]?.[0];
  const abstand = Math.min(...rest.slice(1).map((z, i) => z.y - rest[i].y));
  let absatz = null, vorige = null;
  for (const zeile of rest) {
    if (!absatz || zeile.y - vorige > abstand * 1.5) artikel.append(absatz = element('p'));
    else absatz.append(' ');
    for (const lauf of zeile.laeufe) {
      const teil = lauf.farbe === grund ? document.createTextNode(lauf.text) : element('em');
      if (teil.nodeType !== Node.TEXT_NODE) teil.textContent = lauf.text;
      absatz.append(teil);
    }
    vorige = zeile.y;
  }
  return artikel;
}

export async function zeigeInfo(wurzel, { schliessen, fokus }) {
  const M = await kern();
  const fenster = baueFenster(wurzel, {
    klasse: 'info', name: 'Informationen', breite: BREITE, hoehe: HOEHE,
    menue: [{ text: 'Schließen', id: 'schliessen' }],
    beiWahl: (id) => id === 'schliessen' && schliessen(),
  });
  document.title = 'Informationen';
  const z = liesZeichnung(M.infoZeichnung(), BREITE, HOEHE);
  fenster.zeichnung(element('canvas', 'zeichnung', { 'aria-hidden': 'true' }), z);
  fenster.flaeche.prepend(textFuerLeser(z.ops));
  JSON.parse(M.seitenBilder()).info.forEach((b, i) => seitenBild(fenster.flaeche, b, `infobild-${i + 1}`));
  if (fokus) fenster.menueleiste.fokussiere();
  return () => fenster.entferne();
}
