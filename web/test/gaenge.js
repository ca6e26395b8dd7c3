// Walks through every lesson page in headless Chromium: mouse, finger and
// keys, checked on the DOM, the accessibility tree and the canvas pixels.
//   node web/test/gaenge.js [build/web]      exit code 1 on a failure
'use strict';
const assert = require('assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { oeffne } = require('./browser');

// The folder served: the build, with the page modules from the source where the build lacks them.
function bereiteOrdner(quelle) {
  const ziel = fs.mkdtempSync(path.join(os.tmpdir(), 'gaenge-'));
  fs.cpSync(quelle, ziel, { recursive: true });
  const seite = path.join(__dirname, '../seite');
  for (const f of fs.readdirSync(seite))
    if (!fs.existsSync(path.join(ziel, f))) fs.copyFileSync(path.join(seite, f), path.join(ziel, f));
  fs.writeFileSync(path.join(ziel, 'gang.html'), `<!doctype html><html lang="de"><meta charset="utf-8"><title>Gang</title>
<body><script type="module">
import { zeigeLektion } from './lektion.js';
const q = new URLSearchParams(location.search);
window.weg = await zeigeLektion(document.body, q.get('l'), { keim: Number(q.get('k')), schliessen: () => { window.zu = true; } });
window.bereit = true;
</script>`);
  return ziel;
}

// Inputs and looks at one open lesson page.
function werkzeug(seite, cdp) {
  const t = {
    // A point of a drawing in design pixels, on the screen.
    async punkt(bereich, x, y) {
      return seite.$eval(`[data-bereich="${bereich}"] canvas`, (c, x, y) => {
        const r = c.getBoundingClientRect(), s = r.width / c.parentElement.offsetWidth;
        return { x: r.left + (x + 0.5) * s, y: r.top + (y + 0.5) * s };
      }, x, y);
    },
    async maus(bereich, weg) {
      const [a, ...rest] = await Promise.all(weg.map(([x, y]) => t.punkt(bereich, x, y)));
      await seite.mouse.move(a.x, a.y);
      await seite.mouse.down();
      for (const p of rest) await seite.mouse.move(p.x, p.y, { steps: 3 });
      await seite.mouse.up();
    },
    async finger(bereich, weg) {
      const [a, ...rest] = await Promise.all(weg.map(([x, y]) => t.punkt(bereich, x, y)));
      await seite.touchscreen.touchStart(a.x, a.y);
      for (const p of rest) await seite.touchscreen.touchMove(p.x, p.y);
      await seite.touchscreen.touchEnd();
    },
    klick: (sel) => seite.click(sel),
    async tasten(...tasten) {
      for (const k of tasten) {
        const teile = k.split('+'), haupt = teile.pop();
        for (const m of teile) await seite.keyboard.down(m);
        await seite.keyboard.press(haupt);
        for (const m of teile.reverse()) await seite.keyboard.up(m);
      }
    },
    fokus: (sel) => seite.$eval(sel, (el) => el.focus()),
    text: (sel) => seite.$eval(sel, (el) => el.textContent.trim()),
    wert: (sel) => seite.$eval(sel, (el) => el.value),
    attr: (sel, a) => seite.$eval(sel, (el, a) => el.getAttribute(a), a),
    beschreibung: (bereich) => t.attr(`[data-bereich="${bereich}"] canvas`, 'aria-description'),
    aktiv: () => seite.evaluate(() => document.activeElement?.closest('[data-steuer],[data-bereich]')
      ?.dataset.steuer ?? document.activeElement?.closest('[data-bereich]')?.dataset.bereich ?? document.activeElement?.tagName),
    async ax() { return (await cdp.send('Accessibility.getFullAXTree')).nodes.filter((n) => !n.ignored); },
    // A hash of a canvas's pixels, to see that a drawing changed.
    bild: (sel) => seite.$eval(sel, (c) => {
      const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
      let h = 0;
      for (let i = 0; i < d.length; i += 4) h = (h * 31 + d[i] + 7 * d[i + 1] + 13 * d[i + 2]) | 0;
      return h;
    }),
    mitZeichnung: () => seite.evaluate(() => !!document.querySelector('[data-bereich] canvas')?.dataset.gemalt),
  };
  return t;
}

const BEDIENT = new Set(['button', 'checkbox', 'radio', 'slider', 'spinbutton', 'textbox', 'menuitem']);

// Every control named, alike controls told apart, every drawing described.
async function pruefeZugang(t, name) {
  const knoten = await t.ax();
  const namen = [];
  for (const n of knoten) {
    const rolle = n.role?.value, titel = n.name?.value?.trim();
    if (BEDIENT.has(rolle)) {
      assert.ok(titel, `${name}: ${rolle} ohne Namen`);
      if (rolle !== 'radio' && rolle !== 'menuitem') namen.push(titel);
    }
    if (rolle === 'image') {
      assert.ok(titel, `${name}: Zeichnung ohne Namen`);
      assert.ok(n.description?.value, `${name}: Zeichnung "${titel}" ohne Beschreibung`);
    }
  }
  const doppelt = namen.filter((n, i) => namen.indexOf(n) !== i);
  assert.deepStrictEqual(doppelt, [], `${name}: gleiche Namen`);
  assert.ok(knoten.some((n) => n.role?.value === 'menubar'), `${name}: keine Menüleiste`);
}

const S = (name) => `[data-steuer="${name}"]`;
const B = (name) => `[data-bereich="${name}"] canvas`;

// Per lesson: the seed and what the pupil does.
const GAENGE = [
  ['Winkel1', 1, async (t) => {
    const vorher = await t.text(S('pnlWinkel'));
    await t.fokus(`${S('grpWinkel1')} input`);
    await t.tasten('ArrowRight', 'PageDown');
    assert.strictEqual(await t.text(`${S('grpWinkel1')} .leistenlabel`), '11°');
    await t.maus('pntGrafik2', [[400, 240], [380, 150], [120, 130]]);
    const gezogen = await t.text(S('pnlWinkel'));
    assert.notStrictEqual(gezogen, vorher, 'Ziehen mit der Maus ändert den Winkel nicht');
    await t.finger('pntGrafik2', [[400, 240], [239, 400]]);
    assert.notStrictEqual(await t.text(S('pnlWinkel')), gezogen, 'Ziehen mit dem Finger ändert den Winkel nicht');
    await t.klick(`${S('grpGrad1')} input`);
    await t.tasten('Control+A', 'Backspace', '4', 'x', '5');
    assert.strictEqual(await t.wert(`${S('grpGrad1')} input`), '45');
  }],
  ['Winkel2', 3, async (t, seite) => {
    // Tab walks the page in reading order, as on the desktop.
    const folge = [];
    for (let i = 0; i < 6; ++i) { await t.tasten('Tab'); folge.push(await t.aktiv()); }
    assert.deepStrictEqual(folge, ['grpArt', 'grpWinkel2', 'grpWinkel2', 'grpWinkel1', 'grpWinkel1', 'grpSchritt']);
    await t.klick(`${S('grpArt')} label:nth-of-type(2)`);
    assert.match(await t.text('.titel'), /Subtraktion/);
    // The teacher's menu by its shortcut; Escape leaves it where it was.
    await t.tasten('Control+S');
    await seite.waitForSelector('dialog[open]');
    await t.tasten('Escape');
    assert.strictEqual(await t.aktiv(), 'grpArt');
    await t.klick(`${S('grpSchritt')} .pfeil:last-child`);
    assert.strictEqual(await t.text(`${S('grpSchritt')} .schrittlabel`), '1');
    await t.tasten('PageDown', 'ArrowRight');
    assert.strictEqual(await t.attr(`${S('grpSchritt')} [role=spinbutton]`, 'aria-valuenow'), '3');
    // Portrait tablet: the whole page in the window, the drawing at the device's pixels.
    await seite.setViewport({ width: 768, height: 1024, deviceScaleFactor: 2 });
    await seite.waitForFunction(() => document.querySelector('canvas').width === Math.round(1000 * 2 * 768 / 1016));
    const r = await seite.$eval('.lektion', (el) => el.getBoundingClientRect().toJSON());
    assert.ok(r.left >= 0 && r.top >= 0 && r.right <= 768.01 && r.bottom <= 1024.01, JSON.stringify(r));
  }],
  ['Winkel3', 5, async (t) => {
    const vorher = await t.text(S('pnlLW1'));
    await t.maus('pntGrafik1', [[360, 72], [400, 150], [470, 239]]);
    assert.notStrictEqual(await t.text(S('pnlLW1')), vorher);
    await t.klick('[role=menubar] > :nth-child(2) [role=menuitem]');
    const rechts = await t.text(S('pnlRW2'));
    await t.finger('pntGrafik2', [[72, 408], [100, 300], [60, 200]]);
    assert.notStrictEqual(await t.text(S('pnlRW2')), rechts, 'Ziehen mit dem Finger rechts wirkt nicht');
  }],
  ['Symmetrie1', 2, async (t, seite) => {
    await t.fokus(`${S('grpAnzahl')} input:checked`);
    await t.tasten('ArrowDown');
    assert.strictEqual(await seite.$eval(`${S('grpAnzahl')} input:checked`, (r) => r.parentElement.textContent), '3 Punkte');
    await t.finger('pntGrafik', [[125, 384]]);
    assert.match(await t.beschreibung('pntGrafik'), /P1/);
    await t.maus('pntGrafik', [[0, 0]]);
    assert.strictEqual(await t.attr('dialog', 'role'), 'alertdialog');
    assert.match(await t.text('dialog p'), /nicht innerhab der Markierung/);
    await t.tasten('Escape');
    // The dialog's close event follows the key in a task of its own.
    await seite.waitForFunction(() => !document.querySelector('dialog'), { timeout: 2000 }).catch(() => {});
    assert.strictEqual(await seite.$('dialog'), null, 'Escape schließt die Meldung nicht');
    assert.strictEqual(await t.aktiv(), 'pntGrafik', 'die Tasten kommen nicht zurück');
  }],
  ['Symmetrie2', 4, async (t) => {
    const ud = `${S('grpSchritt1')} [role=spinbutton]`;
    assert.strictEqual(await t.attr(ud, 'aria-disabled'), 'true');
    await t.maus('pntGrafik1', [[140, 140]]);
    await t.finger('pntGrafik1', [[340, 340]]);
    assert.strictEqual(await t.attr(ud, 'aria-disabled'), null, 'Schritte bleiben gesperrt');
    const vorher = await t.beschreibung('pntGrafik2');
    await t.fokus(B('pntGrafik2'));
    await t.tasten('ArrowLeft', 'ArrowUp', 'Shift+ArrowUp', 'Enter');
    assert.notStrictEqual(await t.beschreibung('pntGrafik2'), vorher, 'Klick mit der Eingabetaste wirkt nicht');
  }],
  ['Dreieck0', 1, async (t) => {
    const vorher = await t.beschreibung('pntGrafik1');
    await t.klick(S('btnGrafik1'));
    assert.notStrictEqual(await t.beschreibung('pntGrafik1'), vorher, 'kein neues Dreieck');
    const art = await t.text(S('pnlUeb1'));
    await t.tasten('F10', 'ArrowRight', 'ArrowRight', 'Enter');
    assert.notStrictEqual(await t.text(S('pnlUeb1')), art, 'der Menüpunkt wirkt nicht');
  }],
  ['Dreieck1', 6, async (t) => {
    const titel = await t.text('.titel');
    await t.tasten('Alt+2');
    assert.notStrictEqual(await t.text('.titel'), titel, 'Alt+2 wählt keinen Satz');
    await t.fokus(B('pntGrafik'));
    await t.tasten('PageDown', 'PageDown');
    assert.strictEqual(await t.text(`${S('grpSchritt')} .schrittlabel`), '2');
  }],
  ['Dreieck2', 8, async (t, seite) => {
    await t.fokus(`${S('chkWinkel')} input`);
    await t.tasten('Space');
    assert.strictEqual(await seite.$eval(`${S('chkWinkel')} input`, (k) => k.checked), false);
    await t.klick(`${S('grpSchritt')} .pfeil:last-child`);
    assert.strictEqual(await t.text(`${S('grpSchritt')} .schrittlabel`), '1');
  }],
  ['Dreieck3', 9, async (t, seite) => {
    await t.fokus(B('pntGrafik'));
    await t.tasten('ArrowRight');
    await seite.waitForFunction(() => /\(/.test(document.querySelector('.vorleser').textContent));
    // The cross-hair: yellow round a black core, 10 px right of where it started.
    const farbe = await seite.$eval('[data-bereich="pntGrafik"] canvas.kreuz', (c) => {
      const f = c.width / c.parentElement.offsetWidth, p = (x, y) => [...c.getContext('2d').getImageData(Math.floor(x * f), Math.floor(y * f), 1, 1).data];
      return { kern: p(400 + 46 - 8, 270 - 36), rand: p(400 + 46 - 8, 270 - 36 - 2) };
    });
    assert.deepStrictEqual([farbe.kern, farbe.rand], [[0, 0, 0, 255], [255, 255, 0, 255]]);
    const vorher = await t.beschreibung('pntGrafik');
    const bild = await t.bild(B('pntGrafik'));
    await t.maus('pntGrafik', [[260, 430], [240, 410], [150, 300]]);
    assert.notStrictEqual(await t.beschreibung('pntGrafik'), vorher, 'Ziehen mit der Maus bewegt keine Ecke');
    if (await t.mitZeichnung()) assert.notStrictEqual(await t.bild(B('pntGrafik')), bild, 'die Zeichnung bleibt');
    const gezogen = await t.beschreibung('pntGrafik');
    await t.finger('pntGrafik', [[600, 210], [700, 150]]);
    assert.notStrictEqual(await t.beschreibung('pntGrafik'), gezogen, 'Ziehen mit dem Finger bewegt keine Ecke');
    const ziehen = await seite.evaluate(() => {
      const c = document.querySelector('[data-bereich="pntGrafik"] canvas');
      const r = c.getBoundingClientRect(), zeiten = [];
      const ev = (typ, x, y) => new PointerEvent(typ, { clientX: r.left + x, clientY: r.top + y, pointerId: 1, pointerType: 'mouse', buttons: 1, bubbles: true });
      c.dispatchEvent(ev('pointerdown', 150, 300));
      for (let i = 0; i < 120; ++i) {
        const t0 = performance.now();
        c.dispatchEvent(ev('pointermove', 150 + 40 * Math.cos(i / 10), 300 + 40 * Math.sin(i / 10)));
        zeiten.push(performance.now() - t0);
      }
      c.dispatchEvent(ev('pointerup', 150, 300));
      return zeiten.sort((a, b) => a - b)[60];
    });
    console.log(`  Dreieck3: Ziehschritt bis zur gemalten Zeichnung, Median ${ziehen.toFixed(2)} ms`);
    assert.ok(ziehen <= 4, `Ziehschritt ${ziehen} ms`);
    // The keys go on where the mouse pressed; their drag stays 40 pixels from the left edge.
    await t.maus('pntGrafik', [[150, 300]]);
    await t.tasten('Space', ...Array(15).fill('ArrowLeft'));
    const arm = await seite.$eval('[data-bereich="pntGrafik"] canvas.kreuz', (c) => {
      const f = c.width / c.parentElement.offsetWidth;
      return [...c.getContext('2d').getImageData(Math.floor((40 - 13) * f), Math.floor(300 * f), 1, 1).data];
    });
    await t.tasten('Space');
    assert.deepStrictEqual(arm, [0, 0, 0, 255], 'Ziehen mit Tasten bleibt nicht im Ziehbereich');
  }],
];

async function gehe(b, [name, keim, gang]) {
  const seite = await b.seite();
  const fehler = [];
  seite.on('pageerror', (e) => fehler.push(e.message));
  await seite.setViewport({ width: 1016, height: 738 }); // scale 1: pixels probed where they are drawn
  const cdp = await seite.createCDPSession();
  await seite.goto(`${b.url}gang.html?l=${name}&k=${keim}`);
  await seite.waitForFunction('window.bereit', { timeout: 10000 });
  const t = werkzeug(seite, cdp);
  await pruefeZugang(t, name);
  await gang(t, seite);
  await pruefeZugang(t, name);
  assert.deepStrictEqual(fehler, [], `${name}: Fehler in der Seite`);
  await seite.close();
}

async function main() {
  const ordner = bereiteOrdner(path.resolve(process.argv[2] || path.join(__dirname, '../../build/web')));
  const b = await oeffne(ordner);
  let schlecht = 0;
  const nur = process.env.GANG;
  for (const g of GAENGE.filter(([n]) => !nur || n === nur)) {
    const t0 = Date.now();
    try {
      await gehe(b, g);
      console.log(`ok ${g[0]} (${Date.now() - t0} ms)`);
    } catch (e) {
      ++schlecht;
      console.log(`FEHLER ${g[0]}: ${e.message}`);
    }
  }
  await b.schliesse();
  fs.rmSync(ordner, { recursive: true, force: true });
  process.exit(schlecht ? 1 : 0);
}

main().catch((e) => { console.error(e); process.exit(1); });
