// Writes the list of the build's files with their content hashes into the
// service worker (build/web/sw.js), which keeps them for use offline. The
// Node build, the cmake folder and the single file are not part of the page.
// Before that, index.html gets a preload line for every module, font and the
// core: the browser fetches them at once instead of one import after another.
//   node tools/web_vorrat.js build/web
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

const ordner = path.resolve(process.argv[2] || 'build/web');
const AUSSER = new Set(['node', 'cmake', 'sw.js', 'geometrie.html']);

function dateien(unter = '') {
  return fs.readdirSync(path.join(ordner, unter), { withFileTypes: true })
    .filter((e) => !AUSSER.has(path.posix.join(unter, e.name)) && !e.name.startsWith('.'))
    .flatMap((e) => {
      const rel = path.posix.join(unter, e.name);
      return e.isDirectory() ? dateien(rel) : [rel];
    });
}

function vorladen() {
  const html = path.join(ordner, 'index.html');
  const alle = dateien();
  const zeilen = [
    ...alle.filter((d) => d.endsWith('.js') && !['sw.js', 'geokern.js'].includes(d))
      .map((d) => `<link rel="modulepreload" href="${d}">`),
    '<link rel="preload" href="geokern.js" as="script">',
    '<link rel="preload" href="geokern.wasm" as="fetch" type="application/wasm" crossorigin>',
    // The lesson's and the print style sheets, which their modules ask for only when they run.
    ...alle.filter((d) => d.endsWith('.css') && d !== 'seite.css').map((d) => `<link rel="preload" href="${d}" as="style">`),
    ...alle.filter((d) => d.endsWith('.woff2'))
      .map((d) => `<link rel="preload" href="${d}" as="font" type="font/woff2" crossorigin>`),
  ];
  const text = fs.readFileSync(html, 'utf8');
  if (!text.includes('<!-- vorladen -->')) return;
  fs.writeFileSync(html, text.replace('<!-- vorladen -->', zeilen.join('\n')));
}

vorladen();
const liste = {};
for (const rel of dateien().sort()) {
  liste[rel] = crypto.createHash('sha256').update(fs.readFileSync(path.join(ordner, rel))).digest('hex').slice(0, 16);
}
const sw = path.join(ordner, 'sw.js');
const zeile = /^const DATEIEN = \{.*$/m;
const alt = fs.readFileSync(sw, 'utf8');
if (!zeile.test(alt)) {
  console.error('web_vorrat: in sw.js fehlt die Zeile "const DATEIEN = {…"');
  process.exit(1);
}
fs.writeFileSync(sw, alt.replace(zeile, () => `const DATEIEN = ${JSON.stringify(liste)};`));
console.log(`sw.js: ${Object.keys(liste).length} Dateien für den Offline-Speicher`);
