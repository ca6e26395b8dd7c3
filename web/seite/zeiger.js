// The pointer in a drawing: mouse, finger and pen through Pointer Events, and
// the keyboard pointer the desktop has (arrows 10 px, with Shift 1 px, Space
// presses and releases, Return clicks; a cross-hair while the drawing has
// the keys). Every position goes to the core in the drawing's design pixels.

const ARM = 14, LUECKE = 4;
const START = { x: 36, y: -36 }; // from the middle, clear of axes there
const DRUCK = 0, BEWEGUNG = 1, LOS = 2;

// `bereich`: the layout's area; `eingabe(f)` runs an input on the lesson and
// shows its outcome; `sage(text)` speaks; `faktor()` device pixels per design pixel.
export function verbindeZeiger(canvas, overlay, bereich, index, { lektion, eingabe, sage, faktor }) {
  const B = bereich.grafik.breite, H = bereich.grafik.hoehe;
  const z = { x: Math.floor(B / 2) + START.x, y: Math.floor(H / 2) + START.y, gedrueckt: false, fokus: false };
  const klemme = (x, y) => ({ x: Math.min(Math.max(x, 0), B - 1), y: Math.min(Math.max(y, 0), H - 1) });

  function entwurf(e) {
    const r = canvas.getBoundingClientRect();
    return klemme(Math.floor(((e.clientX - r.left) * B) / r.width), Math.floor(((e.clientY - r.top) * H) / r.height));
  }

  function sende(art, p) {
    eingabe((l) => l.zeigerPixel(index, art, p.x, p.y));
    zeigeForm(art);
  }

  // The hand over what can be dragged; a press keeps the shape the moves gave.
  function zeigeForm(art) {
    if (art === DRUCK || !bereich.ziehen) return;
    const form = lektion.zeigerform(index);
    if (form !== 'Bleibt') canvas.style.cursor = form === 'Hand' ? 'pointer' : '';
  }

  canvas.addEventListener('pointerdown', (e) => {
    if (e.pointerType === 'mouse' && e.button !== 0) return;
    if (z.gedrueckt) loese(); // the mouse takes over from the keys
    canvas.setPointerCapture(e.pointerId);
    const p = entwurf(e);
    // The keys go on where the mouse acted, if they were here.
    if (document.activeElement === canvas) {
      Object.assign(z, p);
      zeichneKreuz();
    }
    sende(DRUCK, p);
  });
  canvas.addEventListener('pointermove', (e) => {
    if (z.gedrueckt || !bereich.ziehen) return;
    if (e.pointerType !== 'mouse' && !canvas.hasPointerCapture(e.pointerId)) return;
    sende(BEWEGUNG, entwurf(e));
  });
  const ende = (e) => {
    if (!canvas.hasPointerCapture(e.pointerId)) return;
    canvas.releasePointerCapture(e.pointerId);
    if (!z.gedrueckt && bereich.ziehen) sende(LOS, entwurf(e));
    canvas.style.cursor = '';
  };
  canvas.addEventListener('pointerup', ende);
  canvas.addEventListener('pointercancel', ende);
  canvas.addEventListener('pointerleave', (e) => { if (!e.buttons && !z.gedrueckt) canvas.style.cursor = ''; });

  function bewege(dx, dy) {
    Object.assign(z, klemme(z.x + dx, z.y + dy));
    if (bereich.ziehen) eingabe((l) => l.zeigerPixel(index, BEWEGUNG, z.x, z.y));
    zeichneKreuz();
    sage(lektion.zeigerOrtPixel(index, z.x, z.y));
  }

  function druecke() {
    // Pressed first: a message opened by the press takes the keys, and the
    // blur must find the button down to let it go again.
    z.gedrueckt = true;
    zeichneKreuz();
    eingabe((l) => l.zeigerPixel(index, DRUCK, z.x, z.y));
    if (z.gedrueckt && document.activeElement !== canvas) loese();
  }

  function loese() {
    z.gedrueckt = false;
    if (bereich.ziehen) eingabe((l) => l.zeigerPixel(index, LOS, z.x, z.y));
    canvas.style.cursor = '';
    zeichneKreuz();
  }

  canvas.addEventListener('keydown', (e) => {
    if (e.ctrlKey || e.altKey || e.metaKey) return;
    const s = e.shiftKey ? 1 : 10;
    const schritt = { ArrowLeft: [-s, 0], ArrowRight: [s, 0], ArrowUp: [0, -s], ArrowDown: [0, s] }[e.key];
    if (schritt) bewege(...schritt);
    else if (e.key === ' ' && !e.repeat) z.gedrueckt ? loese() : druecke();
    else if (e.key === 'Enter' && !e.repeat) {
      if (!z.gedrueckt) druecke();
      if (z.gedrueckt) loese();
    } else return;
    e.preventDefault();
  });
  canvas.addEventListener('focus', () => { z.fokus = true; zeichneKreuz(); });
  canvas.addEventListener('blur', () => {
    z.fokus = false;
    if (z.gedrueckt) loese();
    zeichneKreuz();
  });

  // A dark core two pixels wide in a yellow outline, a ring while the button is held.
  function zeichneKreuz() {
    const f = faktor();
    const w = Math.round(B * f), h = Math.round(H * f);
    if (overlay.width !== w || overlay.height !== h) {
      overlay.width = w;
      overlay.height = h;
    }
    const c = overlay.getContext('2d');
    c.setTransform(1, 0, 0, 1, 0, 0);
    c.clearRect(0, 0, w, h);
    if (!z.fokus) return;
    c.setTransform(f, 0, 0, f, 0, 0);
    const { x, y } = z;
    const arme = [[x - ARM, y - 1, ARM - LUECKE + 1, 2], [x + LUECKE - 1, y - 1, ARM - LUECKE + 1, 2],
      [x - 1, y - ARM, 2, ARM - LUECKE + 1], [x - 1, y + LUECKE - 1, 2, ARM - LUECKE + 1]];
    c.fillStyle = '#ffff00';
    for (const [l, o, b, hh] of arme) c.fillRect(l - 1, o - 1, b + 2, hh + 2);
    c.fillStyle = '#000000';
    for (const a of arme) c.fillRect(...a);
    if (z.gedrueckt) {
      const r = LUECKE + 5 + 0.5;
      for (const [farbe, breite] of [['#ffff00', 4], ['#000000', 2]]) {
        c.strokeStyle = farbe;
        c.lineWidth = breite;
        c.beginPath();
        c.arc(x - 0.5, y - 0.5, r, 0, 2 * Math.PI);
        c.stroke();
      }
    }
  }

  return { zeichneKreuz, stand: () => ({ ...z }) };
}
