// Time per call of the WebAssembly core under Node: a drag step in
// "Dynamische Geometrie" and a random triangle in "Einteilung der Dreiecke",
// each with the picture a page paints after it. Prints median and p99.
//   node web/test/messen.js [build/web/node/geokern.js]
'use strict';
const path = require('path');
const { performance } = require('perf_hooks');

const modulPfad = path.resolve(process.argv[2] || path.join(__dirname, '../../build/web/node/geokern.js'));
const m = require(modulPfad)();

function kennzahlen(name, zeiten) {
  zeiten.sort((a, b) => a - b);
  const q = (p) => zeiten[Math.min(zeiten.length - 1, Math.floor(p * zeiten.length))];
  console.log(`${name}: Median ${q(0.5).toFixed(3)} ms, p99 ${q(0.99).toFixed(3)} ms, max ${zeiten[zeiten.length - 1].toFixed(3)} ms (${zeiten.length} Aufrufe)`);
}

function miss(n, schritt) {
  const zeiten = [];
  for (let i = 0; i < n; ++i) {
    const t0 = performance.now();
    schritt(i);
    zeiten.push(performance.now() - t0);
  }
  return zeiten;
}

// Vertex A of the opening triangle dragged on a circle, every construction on.
function ziehen(vorlesen, mitBild) {
  const l = new m.Lektion('Dreieck3');
  l.aktiviere(9);
  const layout = JSON.parse(l.layout());
  const steuer = (name) => layout.steuer.findIndex((s) => s.name === name);
  for (const k of ['chkHA', 'chkSB', 'chkWC', 'chkSWA', 'chkEuler']) l.geaendert(steuer(k), 1);
  l.vorlesen(vorlesen);
  l.zeigerPixel(0, 0, 260, 430);
  const zeiten = miss(2000, (i) => {
    const w = i / 50;
    l.zeigerPixel(0, 1, Math.round(260 + 60 * Math.cos(w)), Math.round(400 + 60 * Math.sin(w)));
    if (mitBild) l.bildJson(0);
  });
  l.delete();
  return zeiten;
}

// Per classification (menu item) and box: each box draws its own kind of triangle.
function dreiecke(mitBild) {
  const l = new m.Lektion('Dreieck0');
  const alle = [], jeArt = {};
  for (let keim = 1; keim <= 40; ++keim) {
    l.aktiviere(keim);
    const punkt = keim % 2;
    l.menue(punkt);
    for (let box = 0; box < 3; ++box) {
      const zeiten = miss(10, () => {
        l.geaendert(2 + 3 * box, 0); // btnGrafik1..3
        if (mitBild) l.bildJson(1 + box);
      });
      alle.push(...zeiten);
      (jeArt[`Menü ${punkt} Bild ${box + 1}`] ||= []).push(...zeiten);
    }
  }
  l.delete();
  return { alle, jeArt };
}

ziehen(false, true); // warm up
kennzahlen('Ziehschritt (Eingabe)', ziehen(false, false));
kennzahlen('Ziehschritt (Eingabe + Bild als JSON)', ziehen(false, true));
kennzahlen('Ziehschritt (Eingabe + Ansage + Bild als JSON)', ziehen(true, true));
kennzahlen('Zufallsdreieck (Klick)', dreiecke(false).alle);
const mitBild = dreiecke(true);
kennzahlen('Zufallsdreieck (Klick + Bild als JSON)', mitBild.alle);
for (const [art, zeiten] of Object.entries(mitBild.jeArt)) kennzahlen(`  ${art}`, zeiten);
