// Runs the table of lesson inputs (ablaeufe.txt) on the WebAssembly build of
// the core and on the native one (tools/Kernvergleich) and compares what both
// print after each input, line for line; reports the first difference.
//   node web/test/vergleich.js [build/web/node/geokern.js] [Kernvergleich]
// Plain Node, no packages.
'use strict';
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');

const wurzel = path.resolve(__dirname, '../..');
const modulPfad = path.resolve(process.argv[2] || path.join(wurzel, 'build/web/node/geokern.js'));
const nativPfad = path.resolve(process.argv[3] || path.join(wurzel, 'build/tests/tools/Kernvergleich/Kernvergleich'));
const tabelle = path.join(__dirname, 'ablaeufe.txt');

const FORMEN = { Pfeil: 0, Hand: 1, Bleibt: 2 };
const ARTEN = { druck: 0, zieh: 1, los: 2 };

function zeige(l, aus) {
  const schritt = l.schritt();
  aus.push(`ansage: ${l.ansage()}`, `meldung: ${l.meldung()}`, `schritt: ${schritt === null ? '' : schritt}`);
  const layout = JSON.parse(l.layout());
  layout.bereiche.forEach((_, b) => {
    aus.push(`bereich ${b} titel: ${l.titel(b)}`, `anweisung: ${l.anweisung(b)}`,
      `beschreibung: ${l.beschreibung(b)}`, 'bild:');
    const bild = l.bild(b);
    if (bild) aus.push(bild.replace(/\n$/, ''));
  });
  layout.steuer.forEach((_, i) => aus.push(`steuer ${i}: ${l.steuerzustand(i)}`));
}

// xorshift32, the same numbers as in tools/Kernvergleich.
function wuerfel(keim) {
  let z = keim >>> 0;
  return (n) => {
    z = (z ^ (z << 13)) >>> 0;
    z = (z ^ (z >>> 17)) >>> 0;
    z = (z ^ (z << 5)) >>> 0;
    return z % n;
  };
}

function wert(s, w) {
  if (s.art === 'Leiste' || s.art === 'Schritte') return w(s.max + 1);
  if (s.art === 'Radiogruppe') return w(s.eintraege.length);
  if (s.art === 'Kasten') return w(2);
  if (['Knopf', 'Knopfgruppe', 'Feld'].includes(s.art)) return 0;
  return null;
}

// One random input a pupil could make, said as a line "~ …".
function zufall(l, w, aus) {
  const layout = JSON.parse(l.layout());
  const k = w(10);
  if (k < 4) {
    const b = w(layout.bereiche.length);
    const g = layout.bereiche[b].grafik;
    const art = w(3), x = w(g.breite + 1), y = w(g.hoehe + 1);
    aus.push(`~ zeiger ${b} ${art} ${x} ${y}`);
    l.zeigerPixel(b, art, x, y);
  } else if (k < 9 || layout.menue.length === 0) {
    const i = w(layout.steuer.length);
    const z = JSON.parse(l.steuerzustand(i));
    const s = layout.steuer[i];
    const v = z.aktiv && z.sichtbar ? wert(s, w) : null;
    if (v === null) {
      aus.push('~ nichts');
      return;
    }
    aus.push(`~ steuer ${i} ${v}`);
    if (s.art === 'Feld') {
      l.text(i, String(w(400)));
      l.fertig(i);
    } else l.geaendert(i, v);
  } else {
    const punkt = w(layout.menue.length);
    aus.push(`~ menue ${punkt}`);
    l.menue(punkt);
  }
}

function index(layout, liste, name) {
  const i = layout[liste].findIndex((e) => e.name === name);
  if (i < 0) throw new Error(`unbekannt: ${name}`);
  return i;
}

// One line of the table on the lesson `l` (a new one for "lektion").
function fuehre(m, l, teile, aus) {
  const [befehl, name, a, b] = teile;
  if (befehl === 'lektion') {
    if (l) l.delete();
    l = new m.Lektion(name);
    if (!l.gueltig()) throw new Error(`keine Lektion ${name}`);
    l.aktiviere(parseInt(a, 10) >>> 0);
    return l;
  }
  const layout = JSON.parse(l.layout());
  if (befehl === 'aendere') l.geaendert(index(layout, 'steuer', name), parseInt(a, 10));
  else if (befehl === 'text') l.text(index(layout, 'steuer', name), a === '-' ? '' : a);
  else if (befehl === 'fertig') l.fertig(index(layout, 'steuer', name));
  else if (befehl === 'zufall') {
    const anzahl = parseInt(name, 10), w = wuerfel(parseInt(a, 10));
    for (let i = 0; i < anzahl; ++i) {
      zufall(l, w, aus);
      if (i + 1 < anzahl) zeige(l, aus);
    }
  } else if (befehl === 'menue') l.menue(parseInt(name, 10));
  else if (befehl in ARTEN) {
    const bereich = index(layout, 'bereiche', name);
    const x = parseInt(a, 10), y = parseInt(b, 10);
    l.zeigerPixel(bereich, ARTEN[befehl], x, y);
    aus.push(`ort: ${l.zeigerOrtPixel(bereich, x, y)}`, `form: ${FORMEN[l.zeigerform(bereich)]}`);
  } else throw new Error(`unbekannt: ${befehl}`);
  return l;
}

function wasmZeilen() {
  const m = require(modulPfad)();
  const aus = [];
  let l = null;
  for (const zeile of fs.readFileSync(tabelle, 'utf8').split('\n')) {
    if (zeile === '' || zeile.startsWith('#')) continue;
    aus.push(`> ${zeile}`);
    l = fuehre(m, l, zeile.trim().split(/\s+/), aus);
    zeige(l, aus);
  }
  if (l) l.delete();
  return aus.join('\n').split('\n');
}

function nativZeilen() {
  // What the native run says on stderr (a sanitizer's report) goes straight through.
  const text = execFileSync(nativPfad, [tabelle], { encoding: 'utf8', maxBuffer: 1 << 28, stdio: ['ignore', 'pipe', 'inherit'] });
  return text.replace(/\n$/, '').split('\n');
}

function vergleiche(nativ, wasm) {
  const n = Math.max(nativ.length, wasm.length);
  let befehl = '';
  for (let i = 0; i < n; ++i) {
    if (nativ[i] !== undefined && nativ[i].startsWith('> ')) befehl = nativ[i];
    if (nativ[i] !== wasm[i]) {
      console.log(`Erster Unterschied in Zeile ${i + 1}, nach "${befehl.slice(2)}":`);
      console.log(`  nativ: ${nativ[i] === undefined ? '(Ende)' : nativ[i]}`);
      console.log(`  wasm:  ${wasm[i] === undefined ? '(Ende)' : wasm[i]}`);
      return false;
    }
  }
  const eingaben = nativ.filter((z) => z.startsWith('> ')).length;
  console.log(`Gleich: ${eingaben} Eingaben, ${n} Zeilen.`);
  return true;
}

let nativ;
try {
  nativ = nativZeilen();
} catch (fehler) {
  console.log(`${path.basename(nativPfad)} ist gescheitert (${fehler.status ?? fehler.message}).`);
  process.exit(1);
}
process.exitCode = vergleiche(nativ, wasmZeilen()) ? 0 : 1;
