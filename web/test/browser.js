// Headless Chromium for the browser tests: a static server on 127.0.0.1 for
// a folder (with the MIME types a browser insists on, .wasm above all) and
// Debian's chromium driven through puppeteer-core.
//   const { oeffne } = require('./browser');
//   const b = await oeffne('build/web');   // b.url, b.browser, b.seite(), b.schliesse()
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const puppeteer = require('puppeteer-core');

const MIME = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8', '.json': 'application/json', '.webmanifest': 'application/manifest+json',
  '.wasm': 'application/wasm', '.woff2': 'font/woff2', '.png': 'image/png', '.jpg': 'image/jpeg',
  '.svg': 'image/svg+xml', '.txt': 'text/plain; charset=utf-8',
};

// Serves `ordner` read-only; `aus` cuts the network (every request fails) for offline checks.
function starteServer(ordner) {
  const wurzel = path.resolve(ordner);
  const zustand = { aus: false };
  const server = http.createServer((anfrage, antwort) => {
    const pfad = decodeURIComponent(new URL(anfrage.url, 'http://x').pathname);
    let datei = path.join(wurzel, pfad.endsWith('/') ? pfad + 'index.html' : pfad);
    if (zustand.aus || !datei.startsWith(wurzel) || !fs.existsSync(datei) || fs.statSync(datei).isDirectory()) {
      antwort.writeHead(zustand.aus ? 503 : 404);
      antwort.end();
      return;
    }
    antwort.writeHead(200, { 'Content-Type': MIME[path.extname(datei)] || 'application/octet-stream' });
    fs.createReadStream(datei).pipe(antwort);
  });
  return new Promise((fertig) => server.listen(0, '127.0.0.1', () => fertig({ server, zustand })));
}

const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';

async function starteChromium() {
  const args = ['--headless=new', '--disable-gpu', '--font-render-hinting=none', '--hide-scrollbars',
    '--force-color-profile=srgb'];
  if (process.getuid && process.getuid() === 0) args.push('--no-sandbox');
  return puppeteer.launch({ executablePath: CHROMIUM, args, defaultViewport: { width: 1024, height: 768 } });
}

// A server for `ordner` and a browser; `seite()` opens a new tab.
async function oeffne(ordner) {
  const { server, zustand } = await starteServer(ordner);
  const browser = await starteChromium();
  const url = `http://127.0.0.1:${server.address().port}/`;
  return {
    url,
    browser,
    netz: zustand,
    seite: () => browser.newPage(),
    schliesse: async () => {
      await browser.close();
      server.close();
    },
  };
}

module.exports = { oeffne, starteServer, starteChromium, MIME };
