// The browser edition's budgets in headless Chromium, from the local server:
//   first drawing within 1 s of navigation, cold cache (median of 5, each in a
//   fresh browser context); a drag frame in "Dynamische Geometrie" from input
//   to painted canvas at most 4 ms (median); a random triangle per click in
//   "Einteilung der Dreiecke" at most 10 ms (p99); WebAssembly + JavaScript at
//   most 300 KB gzip, fonts apart. Prints the figures, fails on a broken budget.
// A frame is timed from the moment the page receives the event (a listener
// before all others) to the last canvas operation it causes.
//   node web/test/messen_browser.js [build/web]
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { oeffne } = require('./browser');

const ordner = path.resolve(process.argv[2] || path.join(__dirname, '../../build/web'));
const gebrochen = [];

function budget(name, wert, grenze, einheit) {
  const ok = wert <= grenze;
  console.log(`${ok ? 'ok  ' : 'ZU VIEL'} ${name}: ${wert.toFixed(einheit === 'KB' ? 1 : 2)} ${einheit} (Grenze ${grenze} ${einheit})`);
  if (!ok) gebrochen.push(name);
}

const quantil = (werte, p) => {
  const s = [...werte].sort((a, b) => a - b);
  return s[Math.min(s.length - 1, Math.floor(p * s.length))];
};

// In the page before its scripts: the time of the last canvas operation, and
// of the first frame after the first one (the first drawing on screen).
function uhrImFenster() {
  window.__zeit = { letzte: 0, erstesBild: 0 };
  const proto = CanvasRenderingContext2D.prototype;
  for (const name of ['stroke', 'fill', 'fillRect', 'fillText', 'drawImage', 'putImageData', 'strokeRect']) {
    const ur = proto[name];
    proto[name] = function (...a) {
      const r = ur.apply(this, a);
      window.__zeit.letzte = performance.now();
      if (!window.__zeit.erstesBild) requestAnimationFrame(() => { window.__zeit.erstesBild ||= performance.now(); });
      return r;
    };
  }
}

async function ersteZeichnung(b, adresse) {
  const zeiten = [];
  for (let i = 0; i < 5; ++i) {
    const kontext = await b.browser.createBrowserContext();
    const seite = await kontext.newPage();
    await seite.setCacheEnabled(false);
    await seite.evaluateOnNewDocument(uhrImFenster);
    await seite.goto(b.url + adresse);
    await seite.waitForFunction(() => window.__zeit.erstesBild > 0, { timeout: 10000 });
    zeiten.push(await seite.evaluate(() => window.__zeit.erstesBild));
    await seite.close();
    await kontext.close();
  }
  return quantil(zeiten, 0.5);
}

// Opens a lesson with the clock in place; null if the page has no drawing yet.
async function lektion(b, name) {
  const seite = await b.seite();
  await seite.evaluateOnNewDocument(uhrImFenster);
  await seite.goto(`${b.url}#/lektion/${name}`);
  try {
    await seite.waitForFunction(() => window.__zeit.erstesBild > 0, { timeout: 10000 });
  } catch {
    console.error(`!! FEHLT: ${name} zeichnet nichts — nicht gemessen`);
    return null;
  }
  return seite;
}

// Vertex A of the opening triangle dragged round a circle, as in messen.js.
async function ziehen(b) {
  const seite = await lektion(b, 'Dreieck3');
  if (!seite) return;
  const ort = await seite.evaluate(() => {
    const c = [...document.querySelectorAll('canvas')].sort((x, y) => y.offsetWidth * y.offsetHeight - x.offsetWidth * x.offsetHeight)[0];
    const r = c.getBoundingClientRect();
    return { l: r.left, t: r.top, s: r.width / c.offsetWidth };
  });
  const punkt = (x, y) => [ort.l + x * ort.s, ort.t + y * ort.s];
  await seite.mouse.move(...punkt(260, 430));
  await seite.mouse.down();
  await seite.evaluate(() => {
    window.__rahmen = [];
    window.addEventListener('pointermove', () => { window.__eingabe = performance.now(); }, true);
  });
  const zeiten = [];
  for (let i = 1; i <= 200; ++i) {
    const w = i / 20;
    await seite.evaluate(() => { window.__zeit.letzte = 0; });
    await seite.mouse.move(...punkt(Math.round(260 + 60 * Math.cos(w)), Math.round(400 + 60 * Math.sin(w))));
    const t = await seite.evaluate(() => new Promise((fertig) => requestAnimationFrame(() =>
      fertig(window.__zeit.letzte ? window.__zeit.letzte - window.__eingabe : null))));
    if (t !== null) zeiten.push(t);
  }
  await seite.mouse.up();
  if (zeiten.length < 100) gebrochen.push(`Ziehen: nur ${zeiten.length} von 200 Schritten gezeichnet`);
  else budget('Ziehschritt Dreieck3, Eingabe bis Bild (Median)', quantil(zeiten, 0.5), 4, 'ms');
}

// "Neues Dreieck" clicked again and again: click to painted canvas.
async function zufallsdreiecke(b) {
  const seite = await lektion(b, 'Dreieck0');
  if (!seite) return;
  const knopf = await seite.$('button ::-p-text(Neues Dreieck)');
  if (!knopf) {
    gebrochen.push('Dreieck0: kein Knopf "Neues Dreieck"');
    return;
  }
  await seite.evaluate(() => window.addEventListener('click', () => { window.__eingabe = performance.now(); }, true));
  const zeiten = [];
  for (let i = 0; i < 200; ++i) {
    await knopf.click();
    zeiten.push(await seite.evaluate(() => new Promise((fertig) => requestAnimationFrame(() =>
      fertig(window.__zeit.letzte - window.__eingabe)))));
  }
  budget('Zufallsdreieck Dreieck0, Klick bis Bild (p99)', quantil(zeiten, 0.99), 10, 'ms');
}

// The core and every script of the page, each gzipped as a server would send it.
function groesse() {
  const dateien = fs.readdirSync(ordner).filter((d) => /\.(js|wasm)$/.test(d) && d !== 'sw.js');
  const kb = dateien.reduce((s, d) => s + zlib.gzipSync(fs.readFileSync(path.join(ordner, d)), { level: 9 }).length, 0) / 1024;
  budget(`WebAssembly + JavaScript gzip (${dateien.length} Dateien)`, kb, 300, 'KB');
  const einzeln = path.join(ordner, 'geometrie.html');
  if (fs.existsSync(einzeln)) console.log(`     Einzeldatei geometrie.html: ${(fs.statSync(einzeln).size / 1024).toFixed(0)} KB`);
}

async function main() {
  groesse();
  const b = await oeffne(ordner);
  try {
    budget('Erste Zeichnung der Startseite, kalt (Median von 5)', await ersteZeichnung(b, ''), 1000, 'ms');
    budget('Erste Zeichnung einer Lektion, kalt (Median von 5)', await ersteZeichnung(b, '#/lektion/Dreieck3'), 1000, 'ms');
    await ziehen(b);
    await zufallsdreiecke(b);
  } finally {
    await b.schliesse();
  }
  if (gebrochen.length) {
    console.error(`Budget verfehlt: ${gebrochen.join('; ')}`);
    process.exit(1);
  }
}

main().catch((f) => {
  console.error(f);
  process.exit(1);
});
