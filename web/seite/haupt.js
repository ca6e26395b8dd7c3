// The page's entry: one view at a time, chosen by the address.
//   #/                 the start page
//   #/info             the information page
//   #/lektion/<Name>   a lesson ("Winkel1" … "Dreieck3")
//   #/ende             what "Beenden" leaves behind
// Every view is opened by a push onto the history, so the browser's Back
// button does what closing the window does on the desktop.
import { zeigeStart, zeigeEnde } from './start.js';
import { zeigeInfo } from './info.js';
import { zeigeLektion } from './lektion.js';
import { kern } from './kern.js';
import { schriftenBereit } from './schriften.js';
import { registriere, aktualisiereAmStart } from './speicher.js';

const wurzel = document.getElementById('wurzel');
let aktuell = { weg: null, entferne: () => {} };
let auftrag = 0;
// On the first view the page has no focus to keep; later the menu bar gets it,
// so that a keyboard is not left on an emptied page.
let ersteAnsicht = true;

function weg() {
  const hash = decodeURIComponent(location.hash.replace(/^#\/?/, ''));
  const teile = hash.split('/');
  if (teile[0] === 'lektion' && teile[1]) return { art: 'lektion', name: teile[1] };
  if (teile[0] === 'info' || teile[0] === 'ende') return { art: teile[0] };
  return { art: 'start' };
}

const gleich = (a, b) => a && b && a.art === b.art && a.name === b.name;

// Opens a view above the current one; Back returns.
export function geheZu(ziel) {
  history.pushState({ tiefe: (history.state?.tiefe ?? 0) + 1 }, '', ziel);
  zeige();
}

// Closing a view: back to the page it was opened from, or to the start page
// when the address was opened directly (Back would leave the course).
export function schliesse() {
  if ((history.state?.tiefe ?? 0) > 0) history.back();
  else {
    history.replaceState({ tiefe: 0 }, '', '#/');
    zeige();
  }
}

async function baue(ziel) {
  switch (ziel.art) {
    case 'info': return zeigeInfo(wurzel, { schliessen: schliesse, fokus: !ersteAnsicht });
    case 'ende': return zeigeEnde(wurzel, { nochmal: () => geheZu('#/') });
    case 'lektion': {
      const namen = JSON.parse((await kern()).lektionsNamen());
      if (!namen.includes(ziel.name)) break;
      document.title = 'Geometrie';
      return zeigeLektion(wurzel, ziel.name, { schliessen: schliesse });
    }
    default: break;
  }
  if (ziel.art !== 'start') history.replaceState(history.state, '', '#/');
  return zeigeStart(wurzel, { oeffne: geheZu, fokus: !ersteAnsicht });
}

async function zeige() {
  const ziel = weg();
  if (gleich(ziel, aktuell.weg)) return;
  const nummer = ++auftrag;
  aktuell.entferne();
  aktuell = { weg: ziel, entferne: () => {} };
  wurzel.setAttribute('aria-busy', 'true');
  try {
    const entferne = await baue(ziel);
    if (nummer !== auftrag) entferne();
    else aktuell = { weg: weg(), entferne: entferne || (() => {}) };
  } catch (fehler) {
    zeigeFehler(fehler);
  } finally {
    if (nummer === auftrag) wurzel.removeAttribute('aria-busy');
    ersteAnsicht = false;
  }
  if (nummer === auftrag && aktuell.weg.art === 'start') aktualisiereAmStart();
}

function zeigeFehler(fehler) {
  console.error(fehler);
  const p = document.createElement('p');
  p.className = 'hinweis';
  p.setAttribute('role', 'alert');
  p.textContent = 'Der Kurs konnte nicht geladen werden. Bitte lade die Seite neu.';
  wurzel.replaceChildren(p);
}

window.addEventListener('popstate', zeige);
window.addEventListener('hashchange', zeige);
if (history.state === null) history.replaceState({ tiefe: 0 }, '', location.href);
// The fonts load while the core starts. In the single file they are data:
// addresses (geometrieDateien); whoever asks first sets where they come from.
schriftenBereit((name) => {
  const rel = `schriften/${name}.woff2`;
  return globalThis.geometrieDateien?.[rel] ?? new URL(rel, document.baseURI).href;
}).catch((f) => console.warn(String(f)));
registriere();
zeige();
