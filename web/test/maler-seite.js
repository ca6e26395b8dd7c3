// Runs in the test page (served next to maler.js): draws pixel operations with
// the browser's painter and compares them with a desktop rendering.
import { male } from './maler.js';
import { schriftenBereit } from './schriften.js';

async function bildPixel(url) {
  const bild = new Image();
  bild.src = url;
  await bild.decode();
  const c = new OffscreenCanvas(bild.naturalWidth, bild.naturalHeight);
  const ctx = c.getContext('2d');
  ctx.drawImage(bild, 0, 0);
  return ctx.getImageData(0, 0, c.width, c.height);
}

// The browser's drawing over the window face, as the desktop's rendering has it under.
function webPixel(ops, breite, hoehe, faktor) {
  const canvas = document.createElement('canvas');
  male(canvas, ops, { breite, hoehe, faktor });
  const c = new OffscreenCanvas(canvas.width, canvas.height);
  const ctx = c.getContext('2d');
  ctx.fillStyle = '#f0f0f0';
  ctx.fillRect(0, 0, c.width, c.height);
  ctx.drawImage(canvas, 0, 0);
  const pixel = ctx.getImageData(0, 0, c.width, c.height);
  pixel.leinwand = c;
  return pixel;
}

async function alsDatenUrl(c) {
  const blob = await c.convertToBlob({ type: 'image/png' });
  return new Promise((fertig) => { const r = new FileReader(); r.onload = () => fertig(r.result); r.readAsDataURL(blob); });
}

// Share of pixels within `toleranz` levels per channel, the worst difference and where.
function vergleiche(a, b, toleranz) {
  let gleich = 0, schlimmst = 0, ort = null;
  const n = a.width * a.height;
  for (let i = 0; i < n; ++i) {
    const d = Math.max(Math.abs(a.data[4 * i] - b.data[4 * i]), Math.abs(a.data[4 * i + 1] - b.data[4 * i + 1]),
      Math.abs(a.data[4 * i + 2] - b.data[4 * i + 2]));
    if (d <= toleranz) ++gleich;
    if (d > schlimmst) { schlimmst = d; ort = [i % a.width, Math.floor(i / a.width)]; }
  }
  return { anteil: gleich / n, schlimmst, ort };
}

// With `mitBild` each result carries the browser's drawing as a data: URL.
export async function vergleicheAlle(faelle, toleranz, mitBild) {
  await schriftenBereit();
  const ergebnisse = [];
  for (const f of faelle) {
    const ops = await (await fetch(f.json)).json();
    const tisch = await bildPixel(f.png);
    const web = webPixel(ops, tisch.width, tisch.height, 1);
    if (web.width !== tisch.width || web.height !== tisch.height) ergebnisse.push({ name: f.name, anteil: 0, schlimmst: 255 });
    else ergebnisse.push({ name: f.name, ...vergleiche(tisch, web, toleranz), bild: mitBild ? await alsDatenUrl(web.leinwand) : null });
  }
  return ergebnisse;
}

// Pixels at `faktor` whose colour is none of the drawing's own (a blurred edge),
// and the device rows across the horizontal line through (x, y).
export function schaerfe(ops, breite, hoehe, faktor, x, y) {
  const farben = new Set(['#f0f0f0']);
  for (const op of ops) for (const f of [op.farbe, op.stift?.farbe, op.pinsel?.farbe]) if (f) farben.add(f);
  const px = webPixel(ops, breite, hoehe, faktor);
  const hex = (i) => '#' + [0, 1, 2].map((j) => px.data[4 * i + j].toString(16).padStart(2, '0')).join('');
  let fremd = 0;
  for (let i = 0; i < px.width * px.height; ++i) if (!farben.has(hex(i))) ++fremd;
  const spalte = Math.floor((x + 0.5) * faktor);
  let zeilen = 0;
  for (let j = Math.floor((y - 2) * faktor); j < (y + 3) * faktor; ++j) if (hex(j * px.width + spalte) === '#000000') ++zeilen;
  return { fremd, zeilen };
}

// Milliseconds per drawing: the median of `mal` runs.
export async function zeit(url, breite, hoehe, mal) {
  const ops = await (await fetch(url)).json();
  const canvas = document.createElement('canvas');
  const zeiten = [];
  for (let i = 0; i < mal; ++i) {
    const t = performance.now();
    male(canvas, ops, { breite, hoehe, faktor: 1 });
    canvas.getContext('2d').getImageData(0, 0, 1, 1); // waits for the drawing to be done
    zeiten.push(performance.now() - t);
  }
  zeiten.sort((a, b) => a - b);
  return { median: zeiten[Math.floor(mal / 2)], ops: ops.length };
}

// PNG at 1:1 and 3-fold, SVG drawn by the browser, against the canvas: shares within 48 levels.
export async function ausgabe(ops, breite, hoehe) {
  const { alsPng, alsSvg } = await import('./ausgabe.js');
  const aufWeiss = (k) => {
    const c = document.createElement('canvas');
    male(c, ops, { breite, hoehe, faktor: k });
    const w = new OffscreenCanvas(c.width, c.height).getContext('2d');
    w.fillStyle = '#ffffff';
    w.fillRect(0, 0, c.width, c.height);
    w.drawImage(c, 0, 0);
    return w.getImageData(0, 0, c.width, c.height);
  };
  const ergebnis = {};
  for (const k of [1, 3]) {
    const url = URL.createObjectURL(await alsPng(ops, breite, hoehe, k));
    ergebnis[`png${k}`] = vergleiche(await bildPixel(url), aufWeiss(k), 0).anteil;
  }
  const svg = alsSvg(ops, breite, hoehe);
  ergebnis.svgGueltig = !new DOMParser().parseFromString(svg, 'image/svg+xml').querySelector('parsererror');
  const url = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
  ergebnis.svg = vergleiche(await bildPixel(url), aufWeiss(1), 48).anteil;
  return ergebnis;
}

// The print view without the dialog: what is shown in print, and the page count of its PDF is checked outside.
export async function druckAnsicht(ops, breite, hoehe) {
  const { druckeBild } = await import('./ausgabe.js');
  document.body.innerHTML = '<main><p>Seite</p></main>';
  await druckeBild({ titel: 'Arten von Winkeln', ops, breite, hoehe, anweisung: 'Ziehe den Punkt.', drucken: false });
  await new Promise((f) => setTimeout(f, 100));
}
