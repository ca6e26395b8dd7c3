// Keeps every file of the course for use without network. The build fills in
// the list of files with their content hashes: a changed file changes this
// script, the browser installs the new version beside the old one, and the
// page lets it take over on the start page (speicher.js).
const DATEIEN = {}; // vom Bauen gefüllt

const VERSION = Object.entries(DATEIEN).map(([d, h]) => d + h).join();
const NAME = 'geometrie-' + kurzerHash(VERSION);

function kurzerHash(text) {
  let h = 0x811c9dc5;
  for (let i = 0; i < text.length; ++i) h = Math.imul(h ^ text.charCodeAt(i), 0x01000193) >>> 0;
  return h.toString(16);
}

self.addEventListener('install', (e) => {
  // Past the browser's HTTP cache, so that the files match the list.
  const anfragen = Object.keys(DATEIEN).map((d) => new Request(d, { cache: 'reload' }));
  e.waitUntil(caches.open(NAME).then((c) => c.addAll(anfragen)));
});

self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys()
    .then((namen) => Promise.all(namen.filter((n) => n.startsWith('geometrie-') && n !== NAME).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('message', (e) => {
  if (e.data === 'uebernimm') self.skipWaiting();
});

// The addresses are all one page (the views are in the fragment), so every
// navigation gets index.html.
self.addEventListener('fetch', (e) => {
  const anfrage = e.request;
  if (anfrage.method !== 'GET' || new URL(anfrage.url).origin !== location.origin) return;
  const schluessel = anfrage.mode === 'navigate' ? new URL('index.html', self.registration.scope).href : anfrage;
  e.respondWith(caches.open(NAME)
    .then((c) => c.match(schluessel, { ignoreSearch: true }))
    .then((antwort) => antwort || fetch(anfrage)));
});
