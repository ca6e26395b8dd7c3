// The service worker (sw.js) keeps every file of the course, so that after the
// first visit it runs without network. A new version waits until the start
// page is shown: reloading there loses nothing a pupil has done.
let wartend = null;
let gewollt = false;

const amStart = () => /^#?\/?$/.test(location.hash);

export function registriere() {
  if (!('serviceWorker' in navigator) || !location.protocol.startsWith('http')) return;
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (gewollt) location.reload();
  });
  navigator.serviceWorker.register('sw.js').then((reg) => {
    const merke = () => {
      if (!reg.waiting || !navigator.serviceWorker.controller) return;
      wartend = reg.waiting;
      if (amStart()) aktualisiereAmStart();
    };
    merke();
    reg.addEventListener('updatefound', () => reg.installing?.addEventListener('statechange', merke));
  }).catch((fehler) => console.warn('Ohne Offline-Speicher:', String(fehler)));
}

// Called whenever the start page has been built.
export function aktualisiereAmStart() {
  if (!wartend) return;
  gewollt = true;
  wartend.postMessage('uebernimm');
  wartend = null;
}
