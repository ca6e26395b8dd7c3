// A page of the design's size scaled as a whole to the window: landscape or
// portrait, small tablet or projector, nothing cut off and centred. The page
// element is positioned from the top-left of its (full-window) parent.
function skalaFuer(breite, hoehe) {
  const w = document.documentElement.clientWidth || window.innerWidth;
  const h = document.documentElement.clientHeight || window.innerHeight;
  return { w, h, skala: Math.max(0.05, Math.min(w / breite, h / hoehe)) };
}

export function passeEin(element, breite, hoehe, beiSkala) {
  element.style.transformOrigin = '0 0';
  element.style.width = `${breite}px`;
  element.style.height = `${hoehe}px`;
  let alt = 0, altDpr = 0;
  function passe() {
    const { w, h, skala } = skalaFuer(breite, hoehe);
    const dpr = window.devicePixelRatio || 1;
    // The page's corner on a whole device pixel: drawings stay crisp.
    const x = Math.round(((w - breite * skala) / 2) * dpr) / dpr;
    const y = Math.round(((h - hoehe * skala) / 2) * dpr) / dpr;
    element.style.transform = `translate(${x}px, ${y}px) scale(${skala})`;
    if (skala !== alt || dpr !== altDpr) {
      alt = skala;
      altDpr = dpr;
      beiSkala(skala);
    }
  }
  const ab = new AbortController();
  window.addEventListener('resize', passe, { signal: ab.signal });
  window.addEventListener('orientationchange', passe, { signal: ab.signal });
  // A browser zoom or a move to another screen changes the device pixels only.
  let dprAbfrage = null;
  const beobachteDpr = () => {
    dprAbfrage = matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
    dprAbfrage.addEventListener('change', () => { passe(); beobachteDpr(); }, { once: true, signal: ab.signal });
  };
  beobachteDpr();
  passe();
  return () => ab.abort();
}
