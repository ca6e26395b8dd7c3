// The browser's painter against the desktop's, in headless Chromium.
//   node web/test/maler.js [ZEICHNUNGEN]
// ZEICHNUNGEN: a folder from `Fensterbilder --zeichnungen`, <Zustand>.<Bereich>.png
// with .json beside it. The hand-written operations of maler-proben.json are
// painted by the desktop canvas (Fensterbilder --abspielen) and compared too.
// Every drawing: at least 99 % of its pixels within 48 levels of the desktop's.
// MALER_BILDER=<folder> keeps the browser's drawings there (<name>.web.png).
// At scaled sizes: no blurred pixel, thin lines round(faktor) device pixels wide.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { oeffne } = require('./browser');

const WURZEL = path.resolve(__dirname, '../..');
const FENSTERBILDER = process.env.FENSTERBILDER || path.join(WURZEL, 'build/tests/tools/Fensterbilder/Fensterbilder');
const TOLERANZ = 48, MINDESTENS = 0.99;

// The page files as the build lays them out: modules flat, fonts in schriften/.
function richteOrdnerEin() {
  const ordner = fs.mkdtempSync(path.join(os.tmpdir(), 'maler-'));
  for (const datei of fs.readdirSync(path.join(WURZEL, 'web/seite'))) if (/\.(js|css)$/.test(datei)) fs.copyFileSync(path.join(WURZEL, 'web/seite', datei), path.join(ordner, datei));
  fs.copyFileSync(path.join(__dirname, 'maler-seite.js'), path.join(ordner, 'maler-seite.js'));
  fs.writeFileSync(path.join(ordner, 'index.html'), '<!doctype html><meta charset="utf-8"><body></body>');
  execFileSync(path.join(WURZEL, 'tools/web_schriften.sh'), [path.join(ordner, 'schriften')], { stdio: 'ignore' });
  fs.mkdirSync(path.join(ordner, 'bilder'));
  return ordner;
}

function probenFaelle(ordner) {
  const proben = JSON.parse(fs.readFileSync(path.join(__dirname, 'maler-proben.json'), 'utf8'));
  const env = { ...process.env, QT_QPA_PLATFORM: 'offscreen' };
  return Object.entries(proben).map(([name, ops]) => {
    const basis = path.join(ordner, 'bilder', `probe-${name}`);
    fs.writeFileSync(basis + '.json', JSON.stringify(ops));
    execFileSync(FENSTERBILDER, ['--abspielen', basis + '.json', '240', '160', basis + '.png'], { env, stdio: 'ignore' });
    return { name: `probe-${name}`, json: `bilder/probe-${name}.json`, png: `bilder/probe-${name}.png` };
  });
}

function zustandsFaelle(ordner, quelle) {
  if (!quelle) return [];
  return fs.readdirSync(quelle).filter((d) => d.endsWith('.json') && fs.existsSync(path.join(quelle, d.replace(/json$/, 'png'))))
    .sort().map((d) => {
      const name = d.replace(/\.json$/, '');
      for (const endung of ['.json', '.png']) fs.copyFileSync(path.join(quelle, name + endung), path.join(ordner, 'bilder', name + endung));
      return { name, json: `bilder/${name}.json`, png: `bilder/${name}.png` };
    });
}

async function main() {
  const ordner = richteOrdnerEin();
  const faelle = [...probenFaelle(ordner), ...zustandsFaelle(ordner, process.argv[2])];
  const b = await oeffne(ordner);
  let fehler = 0;
  try {
    const seite = await b.seite();
    seite.on('pageerror', (e) => { console.error('Seite:', e.message); ++fehler; });
    await seite.goto(b.url);
    const ergebnisse = await seite.evaluate(async (f, t, m) => (await import('./maler-seite.js')).vergleicheAlle(f, t, m), faelle, TOLERANZ, Boolean(process.env.MALER_BILDER));
    for (const e of ergebnisse) {
      const gut = e.anteil >= MINDESTENS;
      if (!gut) ++fehler;
      if (e.bild) fs.writeFileSync(path.join(process.env.MALER_BILDER, `${e.name}.web.png`), Buffer.from(e.bild.split(',')[1], 'base64'));
      console.log(`${gut ? 'ok  ' : 'FEHL'} ${e.name.padEnd(44)} ${(100 * e.anteil).toFixed(2).padStart(6)} %  schlimmst ${e.schlimmst}${e.ort ? ` bei ${e.ort}` : ''}`);
    }
    fehler += await pruefeSchaerfe(seite);
    fehler += await pruefeAusgabe(seite);
    const groesste = faelle.reduce((a, f) => (fs.statSync(path.join(ordner, f.json)).size > fs.statSync(path.join(ordner, a.json)).size ? f : a));
    const t = await seite.evaluate(async (f) => (await import('./maler-seite.js')).zeit(f.json, 1000, 480, 41), groesste);
    console.log(`Zeit: ${t.median.toFixed(2)} ms je Zeichnung (${groesste.name}, ${t.ops} Operationen, Median aus 41)`);
  } finally {
    await b.schliesse();
    fs.rmSync(ordner, { recursive: true, force: true });
  }
  console.log(fehler ? `${fehler} Fehler` : 'Alles gleich genug.');
  process.exit(fehler ? 1 : 0);
}

// The lines and shapes of the samples at scaled sizes: only their own colours,
// and the black line from (80, 80) to the right round(faktor) device rows thick.
async function pruefeSchaerfe(seite) {
  const proben = JSON.parse(fs.readFileSync(path.join(__dirname, 'maler-proben.json'), 'utf8'));
  let fehler = 0;
  for (const faktor of [1.5, 2, 3]) {
    for (const name of ['linien', 'kurven', 'flaechen']) {
      const s = await seite.evaluate(async (ops, k) => (await import('./maler-seite.js')).schaerfe(ops, 240, 160, k, 110, 80), proben[name], faktor);
      const gut = s.fremd === 0 && (name !== 'linien' || s.zeilen === Math.round(faktor));
      if (!gut) ++fehler;
      console.log(`${gut ? 'ok  ' : 'FEHL'} scharf ${name} ×${faktor}: ${s.fremd} unscharfe Pixel${name === 'linien' ? `, Linie ${s.zeilen} Pixel dick` : ''}`);
    }
  }
  return fehler;
}

// PNG 1:1 and 3-fold exactly the canvas; SVG close to it; the print view one page with only title, drawing and instruction.
async function pruefeAusgabe(seite) {
  const proben = JSON.parse(fs.readFileSync(path.join(__dirname, 'maler-proben.json'), 'utf8'));
  const a = await seite.evaluate(async (ops) => (await import('./maler-seite.js')).ausgabe(ops, 240, 160), proben.linien);
  const gut = a.png1 === 1 && a.png3 === 1 && a.svgGueltig && a.svg >= 0.97;
  console.log(`${gut ? 'ok  ' : 'FEHL'} Ausgabe: PNG ×1 ${(100 * a.png1).toFixed(2)} %, ×3 ${(100 * a.png3).toFixed(2)} %, SVG ${a.svgGueltig ? 'gültig' : 'UNGÜLTIG'} ${(100 * a.svg).toFixed(2)} %`);
  await seite.evaluate(async (ops) => (await import('./maler-seite.js')).druckAnsicht(ops, 240, 160), proben.kurven);
  await seite.emulateMediaType('print');
  const sichtbar = await seite.evaluate(() => [...document.body.querySelectorAll('*')].filter((e) => e.getClientRects().length).map((e) => e.tagName).join(' '));
  const pdf = Buffer.from(await seite.pdf({ preferCSSPageSize: true })).toString('latin1');
  const seiten = (pdf.match(/\/Type\s*\/Page[^s]/g) || []).length;
  await seite.emulateMediaType(null);
  const druckGut = sichtbar === 'SECTION H1 IMG P' && seiten === 1;
  console.log(`${druckGut ? 'ok  ' : 'FEHL'} Druck: ${seiten} Seite(n), gedruckt: ${sichtbar}`);
  return (gut ? 0 : 1) + (druckGut ? 0 : 1);
}

main().catch((e) => { console.error(e); process.exit(1); });
