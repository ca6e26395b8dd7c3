// A teacher's output of a drawing: PNG (1:1 or 3-fold), SVG, a download, a
// copy to the clipboard and a printed page (title, drawing, instruction).
//   const blob = await alsPng(ops, breite, hoehe, 3);
//   speichere(blob, 'Winkel.png');
//   druckeBild({ titel, ops, breite, hoehe, anweisung });
import { maleAuf } from './maler.js';
import { schriftenBereit } from './schriften.js';
import { svgElemente } from './ausgabe-svg.js';

const WEISS = '#ffffff';

// Several drawing areas as one picture: [{ops, x, y, breite, hoehe}] → {ops, breite, hoehe},
// each part at its place and clipped to itself, as the desktop's window picture.
export function zusammen(teile) {
  const breite = Math.max(0, ...teile.map((t) => t.x + t.breite));
  const hoehe = Math.max(0, ...teile.map((t) => t.y + t.hoehe));
  return { ops: teile.map((t) => ({ a: 'teil', ...t })), breite, hoehe };
}

// The drawing on white at `faktor` device pixels per design pixel, as a PNG.
export async function alsPng(ops, breite, hoehe, faktor = 1) {
  await schriftenBereit();
  const canvas = document.createElement('canvas');
  canvas.width = Math.round(breite * faktor);
  canvas.height = Math.round(hoehe * faktor);
  const ctx = canvas.getContext('2d');
  ctx.fillStyle = WEISS;
  ctx.fillRect(0, 0, canvas.width, canvas.height);
  maleAuf(ctx, ops, faktor, canvas.width, canvas.height);
  return new Promise((fertig, fehler) => canvas.toBlob((b) => (b ? fertig(b) : fehler(new Error('PNG'))), 'image/png'));
}

// The drawing as an SVG document on white; edges unsmoothed, labels as text.
export function alsSvg(ops, breite, hoehe) {
  return `<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg" width="${breite}" height="${hoehe}" viewBox="0 0 ${breite} ${hoehe}" shape-rendering="crispEdges" style="font-kerning:none">`
    + `<rect width="${breite}" height="${hoehe}" fill="${WEISS}"/>${svgElemente(ops)}</svg>\n`;
}

// Offers `inhalt` (a Blob or a text) as a file to download.
export function speichere(inhalt, dateiname, typ = 'image/svg+xml') {
  const blob = inhalt instanceof Blob ? inhalt : new Blob([inhalt], { type: typ });
  const url = URL.createObjectURL(blob);
  const a = document.createElement('a');
  a.href = url;
  a.download = dateiname;
  a.hidden = true;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// Copies the drawing as PNG where the browser lets a page write images to the
// clipboard; resolves with what to tell the pupil.
export async function kopiere(ops, breite, hoehe) {
  if (!navigator.clipboard?.write || typeof ClipboardItem === 'undefined')
    return { ok: false, text: 'Kopieren geht in diesem Browser nicht. Speichere das Bild als PNG.' };
  try {
    // The promise itself goes into the item: some browsers allow the write only
    // while the click that asked for it is still running.
    await navigator.clipboard.write([new ClipboardItem({ 'image/png': alsPng(ops, breite, hoehe, 1) })]);
    return { ok: true, text: 'Das Bild ist kopiert.' };
  } catch {
    return { ok: false, text: 'Kopieren war nicht möglich. Speichere das Bild als PNG.' };
  }
}

function bindeDruckStil() {
  if (document.querySelector('link[data-druck]')) return;
  const link = document.createElement('link');
  link.rel = 'stylesheet';
  link.href = new URL('druck.css', import.meta.url).href;
  link.dataset.druck = '';
  document.head.append(link);
}

// The print view: title, the drawing (3-fold, so that it stays sharp on paper)
// and the instruction on one landscape A4 page; the rest of the page is not
// printed. Returns a function that removes the view (done after printing).
export async function druckeBild({ titel, ops, breite, hoehe, anweisung, drucken = true }) {
  bindeDruckStil();
  const url = URL.createObjectURL(await alsPng(ops, breite, hoehe, 3));
  const seite = document.createElement('section');
  seite.className = 'druckseite';
  const kopf = document.createElement('h1');
  kopf.textContent = titel;
  const bild = document.createElement('img');
  bild.src = url;
  bild.alt = titel;
  bild.style.aspectRatio = `${breite} / ${hoehe}`;
  const text = document.createElement('p');
  text.textContent = anweisung || '';
  seite.append(kopf, bild, text);
  document.body.append(seite);
  document.body.classList.add('druckt');
  await bild.decode();
  const weg = () => {
    seite.remove();
    document.body.classList.remove('druckt');
    URL.revokeObjectURL(url);
  };
  if (drucken) {
    window.addEventListener('afterprint', weg, { once: true });
    window.print();
  }
  return weg;
}
