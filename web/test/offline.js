// The browser edition without network: the site visited once, the network
// cut, reloaded, and the start page and a lesson still work; a changed build
// replaces the kept files on the next visit of the start page; the single
// file opens a lesson and draws from file://.
//   node web/test/offline.js [build/web]
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { oeffne } = require('./browser');

const quelle = path.resolve(process.argv[2] || path.join(__dirname, '../../build/web'));
const fehler = [];
const pruefe = (ok, text) => {
  console.log(`${ok ? 'ok ' : 'FEHLER'} ${text}`);
  if (!ok) fehler.push(text);
};

// A canvas in the page with more than one colour on it.
const gezeichnet = () => [...document.querySelectorAll('canvas')].some((c) => {
  if (!c.width || !c.height) return false;
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  for (let i = 4; i < d.length; i += 4) if (d[i] !== d[0] || d[i + 1] !== d[1] || d[i + 2] !== d[2] || d[i + 3] !== d[3]) return true;
  return false;
});

async function zeichnetLektion(seite, name) {
  await seite.evaluate((n) => { location.hash = `#/lektion/${n}`; }, name);
  return seite.waitForFunction(gezeichnet, { timeout: 10000 }).then(() => true, () => false);
}

async function startseite(seite) {
  return seite.waitForFunction(() => document.querySelector('[role=menubar]')
    && [...document.images].every((i) => i.complete && i.naturalWidth > 0), { timeout: 10000 }).then(() => true, () => false);
}

const menuepunkt = (name) => `::-p-aria([name="${name}"][role="menuitem"])`;
const ansicht = (seite, name) => seite.waitForSelector(`[role=main][aria-label="${name}"]`, { timeout: 10000 })
  .then(() => true, () => false);

// The start menu opens a lesson and the information; Back and "Schließen" return.
async function wege(b) {
  const seite = await b.seite();
  await seite.goto(b.url);
  await seite.click(menuepunkt('Winkel'));
  await seite.click(menuepunkt('Arten'));
  pruefe(await seite.waitForFunction(gezeichnet, { timeout: 10000 }).then(() => seite.url().endsWith('#/lektion/Winkel1'), () => false),
    'Menü Winkel → Arten öffnet die Lektion');
  await seite.goBack();
  pruefe(await ansicht(seite, 'Geometrie'), 'Zurück führt zur Startseite');
  await seite.click(menuepunkt('Information'));
  pruefe(await ansicht(seite, 'Informationen'), 'Information öffnet die Informationsseite');
  await seite.click(menuepunkt('Schließen'));
  pruefe(await ansicht(seite, 'Geometrie') && (await seite.evaluate(() => history.state.tiefe)) === 0, 'Schließen führt zur Startseite zurück');
  await seite.close();
}

// Visited once with the network on, then reloaded with it cut.
async function ohneNetz(b, ordner) {
  const seite = await b.seite();
  await seite.goto(b.url);
  await seite.evaluate(() => navigator.serviceWorker.ready);
  await seite.reload(); // now under the service worker's control
  pruefe(await startseite(seite), 'Startseite mit Netz');
  const symbole = await seite.evaluate(async () => {
    const m = await (await fetch('manifest.webmanifest')).json();
    return Promise.all(m.icons.map(async (i) => (await fetch(i.src)).ok));
  });
  pruefe(symbole.length > 0 && symbole.every(Boolean), 'jedes Symbol des Manifests ist da');
  b.netz.aus = true;
  await seite.reload();
  pruefe(await startseite(seite), 'Startseite ohne Netz');
  pruefe(await zeichnetLektion(seite, 'Winkel1'), 'Lektion Winkel1 zeichnet ohne Netz');

  // A new build (a changed style sheet) is taken over on the start page.
  b.netz.aus = false;
  fs.appendFileSync(path.join(ordner, 'seite.css'), '\n/* neu */\n');
  execFileSync('node', [path.join(__dirname, '../../tools/web_vorrat.js'), ordner]);
  await seite.goto(b.url);
  // The page reloads itself once the new version has taken over.
  await Promise.all([seite.waitForNavigation({ timeout: 15000 }).catch(() => {}),
    seite.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()))]);
  b.netz.aus = true;
  const neu = await seite.evaluate(() => fetch('seite.css').then((a) => a.text()).then((t) => t.includes('/* neu */'), () => false));
  pruefe(neu, 'nach einem neuen Bau gilt die neue Fassung, auch ohne Netz');
  await seite.close();
}

async function einzeldatei(b, ordner) {
  const seite = await b.seite();
  const fehlgeschlagen = [];
  seite.on('requestfailed', (a) => fehlgeschlagen.push(a.url()));
  seite.on('pageerror', (f) => fehlgeschlagen.push(String(f)));
  await seite.goto(`file://${path.join(ordner, 'geometrie.html')}`);
  pruefe(await startseite(seite), 'Einzeldatei: Startseite');
  pruefe(await zeichnetLektion(seite, 'Dreieck0'), 'Einzeldatei: Lektion Dreieck0 zeichnet');
  pruefe(fehlgeschlagen.length === 0, `Einzeldatei lädt nichts nach${fehlgeschlagen.length ? ': ' + fehlgeschlagen.join(', ') : ''}`);
  await seite.close();
}

async function main() {
  // A copy, since the test changes a file of the build.
  const ordner = fs.mkdtempSync(path.join(os.tmpdir(), 'geometrie-offline-'));
  fs.cpSync(quelle, ordner, { recursive: true, filter: (q) => !/\/(node|cmake)$/.test(q) });
  const b = await oeffne(ordner);
  try {
    await wege(b);
    await ohneNetz(b, ordner);
    await einzeldatei(b, ordner);
  } finally {
    await b.schliesse();
    fs.rmSync(ordner, { recursive: true, force: true });
  }
  if (fehler.length) {
    console.error(`offline: ${fehler.length} Fehler`);
    process.exit(1);
  }
}

main().catch((f) => {
  console.error(f);
  process.exit(1);
});
