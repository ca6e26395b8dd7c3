// Makes the browser edition one HTML file that runs from file:// (a USB stick,
// an e-mail): style sheets inline, pictures and fonts as data: addresses, the
// page's ES modules joined into one classic script (a browser refuses module
// scripts from file://), and the core with its WebAssembly inside, handed to
// the loader as wasmBinary, so nothing is fetched.
//   node tools/web_einzeldatei.js build/web [build/web/geometrie.html]
'use strict';
const fs = require('fs');
const path = require('path');

const ordner = path.resolve(process.argv[2] || 'build/web');
const ziel = path.resolve(process.argv[3] || path.join(ordner, 'geometrie.html'));

const ARTEN = { '.jpg': 'image/jpeg', '.png': 'image/png', '.svg': 'image/svg+xml', '.woff2': 'font/woff2', '.css': 'text/css' };

function fehler(text) {
  console.error(`web_einzeldatei: ${text}`);
  process.exit(1);
}

const lies = (datei) => fs.readFileSync(path.join(ordner, datei), 'utf8');
const datenAdresse = (datei) =>
  `data:${ARTEN[path.extname(datei)]};base64,${fs.readFileSync(path.join(ordner, datei)).toString('base64')}`;

// Every picture, font and style sheet of the build, by its path relative to
// the page; a style sheet with the addresses inside it replaced first.
function beilagen() {
  const liste = {}, stile = [];
  const gehe = (unter) => {
    for (const eintrag of fs.readdirSync(path.join(ordner, unter), { withFileTypes: true })) {
      const rel = path.posix.join(unter, eintrag.name);
      if (eintrag.isDirectory() && !['node', 'cmake'].includes(eintrag.name)) gehe(rel);
      else if (path.extname(rel) === '.css') stile.push(rel);
      else if (ARTEN[path.extname(rel)]) liste[rel] = datenAdresse(rel);
    }
  };
  gehe('');
  for (const rel of stile) {
    liste[rel] = `data:text/css;base64,${Buffer.from(ersetzeAdressen(lies(rel), liste)).toString('base64')}`;
  }
  return liste;
}

// A string literal or CSS url() naming a file of the build gets its data.
function ersetzeAdressen(text, dateien) {
  return text.replace(/(['"`(])((?:\.\/)?[\w\-/.]+\.(?:jpg|png|svg|woff2|css))(['"`)])/g,
    (ganz, vor, rel, nach) => {
      const schluessel = path.posix.normalize(rel);
      return dateien[schluessel] ? `${vor}${dateien[schluessel]}${nach}` : ganz;
    });
}

function baue() {
  const dateien = beilagen();
  const { buendle } = require('./web_buendeln.js');
  let html = lies('index.html');
  const einsetzen = (muster, ersatz) => {
    if (!muster.test(html)) fehler(`index.html: ${muster} fehlt`);
    html = html.replace(muster, ersatz);
  };
  html = html.replace(/<link rel="(manifest|apple-touch-icon|modulepreload|preload)"[^>]*>\n?/g, '');
  html = html.replace(/<link rel="stylesheet" href="([^"]+)"( media="[^"]+")?>/g, (ganz, css, media = '') =>
    fs.existsSync(path.join(ordner, css)) ? `<style${media}>\n${ersetzeAdressen(lies(css), dateien)}</style>` : '');
  html = ersetzeAdressen(html, dateien);
  const wasm = fs.readFileSync(path.join(ordner, 'geokern.wasm')).toString('base64');
  const kernSkript = `${lies('geokern.js')}
;(function () {
  var urform = GeoKern, text = atob('${wasm}'), binaer = new Uint8Array(text.length);
  for (var i = 0; i < text.length; ++i) binaer[i] = text.charCodeAt(i);
  GeoKern = function (modul) { return urform(Object.assign({ wasmBinary: binaer }, modul)); };
})();
globalThis.geometrieDateien = ${JSON.stringify(dateien)};`;
  const seite = ersetzeAdressen(buendle(ordner, 'haupt.js', ['geokern.js', 'sw.js']), dateien);
  // At the end of the body: unlike a module, an inline script does not wait for the page.
  einsetzen(/<script type="module" src="haupt.js"><\/script>\n?/, '');
  einsetzen(/<\/body>/, () => `<script>\n${schuetze(kernSkript)}\n</script>\n<script>\n${schuetze(seite)}\n</script>\n</body>`);
  fs.writeFileSync(ziel, html);
  console.log(`${path.relative(process.cwd(), ziel)}: ${(fs.statSync(ziel).size / 1024).toFixed(0)} KB`);
}

// "</script" inside a script would end it early.
const schuetze = (js) => js.replace(/<\/script/gi, '<\\/script');

module.exports = { ersetzeAdressen };
if (require.main === module) baue();
