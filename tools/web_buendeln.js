// Joins the page's ES modules into one classic script for the single file.
// The page's modules are plain and written for this: imports and exports at
// the start of a line, named, no cycles, no exported `let`. Anything else
// stops the build with the place, rather than giving a page that fails.
'use strict';
const fs = require('fs');
const path = require('path');

const IMPORT = /^import\s*(?:([\w$]+)\s*,?\s*)?(?:\{([^}]*)\}|\*\s+as\s+([\w$]+))?\s*(?:from\s*)?['"]([^'"]+)['"];?/gm;
const EXPORT_DEKL = /^export\s+(default\s+)?(async\s+function\*?|function\*?|class|const)\s+([\w$]+)/gm;
const EXPORT_LISTE = /^export\s*\{([^}]*)\};?/gm;

function stopp(datei, text) {
  throw new Error(`web_buendeln: ${datei}: ${text}`);
}

// "a, b as c" → [["a", "a"], ["b", "c"]]
const namenListe = (text) => text.split(',').map((t) => t.trim()).filter(Boolean)
  .map((t) => { const [a, b] = t.split(/\s+as\s+/); return [a, b || a]; });

function zerlege(ordner, datei) {
  let quelle = fs.readFileSync(path.join(ordner, datei), 'utf8');
  const abhaengig = [], exporte = [];
  quelle = quelle.replace(IMPORT, (ganz, standard, benannt, stern, von) => {
    const rel = path.posix.normalize(path.posix.join(path.posix.dirname(datei), von));
    if (!von.startsWith('.')) stopp(datei, `Import von "${von}" geht nur über einen relativen Pfad`);
    abhaengig.push(rel);
    const m = `__module[${JSON.stringify(rel)}]`;
    const teile = [];
    if (standard) teile.push(`const ${standard} = ${m}.default;`);
    if (stern) teile.push(`const ${stern} = ${m};`);
    if (benannt) teile.push(`const { ${namenListe(benannt).map(([a, b]) => (a === b ? a : `${a}: ${b}`)).join(', ')} } = ${m};`);
    return teile.join(' ');
  });
  quelle = quelle.replace(EXPORT_DEKL, (ganz, standard, art, name) => {
    exporte.push([name, standard ? 'default' : name]);
    return `${art} ${name}`;
  });
  quelle = quelle.replace(EXPORT_LISTE, (ganz, liste) => {
    exporte.push(...namenListe(liste));
    return '';
  });
  const rest = /^export\b.*$/m.exec(quelle);
  if (rest) stopp(datei, `nicht bündelbar: ${rest[0]}`);
  quelle = quelle.replace(/\bimport\.meta\.url\b/g, 'document.baseURI').replace(/\bimport\s*\(/g, '__lade(');
  return { datei, quelle, abhaengig, exporte };
}

// The modules of the folder, every one after those it imports, `eingang` last.
function ordne(ordner, eingang, ausser) {
  const fertig = new Map(), offen = new Set(), reihe = [];
  const besuche = (datei, von) => {
    if (fertig.has(datei)) return;
    if (offen.has(datei)) stopp(von, `Ring von Importen über ${datei}`);
    if (!fs.existsSync(path.join(ordner, datei))) stopp(von, `${datei} fehlt`);
    offen.add(datei);
    const modul = zerlege(ordner, datei);
    modul.abhaengig.forEach((a) => besuche(a, datei));
    offen.delete(datei);
    fertig.set(datei, modul);
    reihe.push(modul);
  };
  fs.readdirSync(ordner).filter((d) => d.endsWith('.js') && d !== eingang && !ausser.includes(d)).sort()
    .forEach((d) => besuche(d, d));
  besuche(eingang, eingang);
  return reihe;
}

// Each module in a function of its own, run in order; top-level await works
// because the functions are async and awaited one after the other.
function buendle(ordner, eingang, ausser = []) {
  const teile = ordne(ordner, eingang, ausser).map(({ datei, quelle, exporte }) => `// ${datei}
__module[${JSON.stringify(datei)}] = await (async () => {
${quelle}
return { ${exporte.map(([intern, aussen]) => (intern === aussen ? intern : `${JSON.stringify(aussen)}: ${intern}`)).join(', ')} };
})();`);
  return `(async () => {
'use strict';
const __module = {};
const __lade = (pfad) => {
  const datei = new URL(pfad, document.baseURI).pathname.split('/').pop();
  return __module[datei] ? Promise.resolve(__module[datei]) : Promise.reject(new Error(pfad + ' fehlt'));
};
${teile.join('\n')}
})().catch((f) => { console.error(f); });`;
}

module.exports = { buendle, ordne };
