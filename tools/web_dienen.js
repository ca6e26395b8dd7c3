// Serves the browser edition on this machine only, for trying it out.
//   node tools/web_dienen.js [build/web] [8080]
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const { MIME } = require('../web/test/browser.js');

const wurzel = path.resolve(process.argv[2] || 'build/web');
const port = Number(process.argv[3] || 8080);

http.createServer((anfrage, antwort) => {
  const pfad = decodeURIComponent(new URL(anfrage.url, 'http://x').pathname);
  const datei = path.join(wurzel, pfad.endsWith('/') ? pfad + 'index.html' : pfad);
  fs.stat(datei, (fehler, info) => {
    if (fehler || !info.isFile() || !datei.startsWith(wurzel + path.sep)) {
      antwort.writeHead(404, { 'Content-Type': 'text/plain; charset=utf-8' });
      antwort.end('Nicht gefunden\n');
      return;
    }
    // Always asked again: after a new build the page shows it on reload.
    antwort.writeHead(200, { 'Content-Type': MIME[path.extname(datei)] || 'application/octet-stream',
      'Cache-Control': 'no-cache' });
    fs.createReadStream(datei).pipe(antwort);
  });
}).listen(port, '127.0.0.1', () => {
  console.log(`Geometrie im Browser: http://127.0.0.1:${port}/  (beenden mit Strg+C)`);
});
