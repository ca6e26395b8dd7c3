// The WebAssembly core, loaded once for every page: geokern.js is a classic
// script that defines the factory GeoKern; geokern.wasm lies next to it. A
// single-file build defines GeoKern before this module runs.
let geladen = null;

function ladeSkript(url) {
  return new Promise((fertig, fehler) => {
    const s = document.createElement('script');
    s.src = url;
    s.onload = fertig;
    s.onerror = () => fehler(new Error(`${url} fehlt`));
    document.head.append(s);
  });
}

async function lade() {
  const url = new URL('./geokern.js', import.meta.url).href;
  if (typeof globalThis.GeoKern !== 'function') await ladeSkript(url);
  return globalThis.GeoKern({ locateFile: (datei) => new URL(datei, url).href });
}

export function kern() {
  if (!geladen) {
    geladen = lade();
    geladen.catch(() => { geladen = null; }); // a later call tries again
  }
  return geladen;
}
