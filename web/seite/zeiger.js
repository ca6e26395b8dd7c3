// The pointer in a drawing: mouse, finger and pen through Pointer Events, and
// the keyboard pointer the desktop has (arrows 10 px, with Shift 1 px, Space
// presses and releases, Return clicks; a cross-hair while the drawing has
// the keys). Every position goes to the core in the drawing's design pixels.

const ARM = 14, LUECKE = 4;
const START = { x: 36, y: -36 }; // from the middle, clear of axes there
const DRUCK = 0, BEWEGUNG = 1, LOS = 2;

class Zeiger {
  // `bereich`: the layout's area; `eingabe(f)` runs an input on the lesson and
  // shows its outcome; `sage(text)` speaks; `faktor()` device pixels per design pixel.
  constructor(canvas, overlay, bereich, index, hilfen) {
    Object.assign(this, { canvas, overlay, bereich, index, ...hilfen });
    this.B = bereich.grafik.breite;
    this.H = bereich.grafik.hoehe;
    this.z = { x: Math.floor(this.B / 2) + START.x, y: Math.floor(this.H / 2) + START.y, gedrueckt: false, fokus: false };
    this.verbindeMaus();
    this.verbindeTasten();
  }

  klemme(x, y) {
    return { x: Math.min(Math.max(x, 0), this.B - 1), y: Math.min(Math.max(y, 0), this.H - 1) };
  }

  entwurf(e) {
    const r = this.canvas.getBoundingClientRect();
    return this.klemme(Math.floor(((e.clientX - r.left) * this.B) / r.width), Math.floor(((e.clientY - r.top) * this.H) / r.height));
  }

  sende(art, p) {
    this.eingabe((l) => l.zeigerPixel(this.index, art, p.x, p.y));
    this.zeigeForm(art);
  }

  // The hand over what can be dragged; a press keeps the shape the moves gave.
  zeigeForm(art) {
    if (art === DRUCK || !this.bereich.ziehen) return;
    const form = this.lektion.zeigerform(this.index);
    if (form !== 'Bleibt') this.canvas.style.cursor = form === 'Hand' ? 'pointer' : '';
  }

  verbindeMaus() {
    const { canvas, z } = this;
    canvas.addEventListener('pointerdown', (e) => {
      if (e.pointerType === 'mouse' && e.button !== 0) return;
      if (z.gedrueckt) this.loese(); // the mouse takes over from the keys
      canvas.setPointerCapture(e.pointerId);
      const p = this.entwurf(e);
      // The keys go on where the mouse acted, if they were here.
      if (document.activeElement === canvas) {
        Object.assign(z, p);
        this.zeichneKreuz();
      }
      this.sende(DRUCK, p);
    });
    canvas.addEventListener('pointermove', (e) => {
      if (z.gedrueckt || !this.bereich.ziehen) return;
      if (e.pointerType !== 'mouse' && !canvas.hasPointerCapture(e.pointerId)) return;
      this.sende(BEWEGUNG, this.entwurf(e));
    });
    const ende = (e) => {
      if (!canvas.hasPointerCapture(e.pointerId)) return;
      canvas.releasePointerCapture(e.pointerId);
      if (!z.gedrueckt && this.bereich.ziehen) this.sende(LOS, this.entwurf(e));
      canvas.style.cursor = '';
    };
    canvas.addEventListener('pointerup', ende);
    canvas.addEventListener('pointercancel', ende);
    canvas.addEventListener('pointerleave', (e) => { if (!e.buttons && !z.gedrueckt) canvas.style.cursor = ''; });
  }

  verbindeTasten() {
    const { canvas, z } = this;
    canvas.addEventListener('keydown', (e) => {
      if (e.ctrlKey || e.altKey || e.metaKey) return;
      const s = e.shiftKey ? 1 : 10;
      const schritt = { ArrowLeft: [-s, 0], ArrowRight: [s, 0], ArrowUp: [0, -s], ArrowDown: [0, s] }[e.key];
      if (schritt) this.bewege(...schritt);
      else if (e.key === ' ' && !e.repeat) z.gedrueckt ? this.loese() : this.druecke();
      else if (e.key === 'Enter' && !e.repeat) {
        if (!z.gedrueckt) this.druecke();
        if (z.gedrueckt) this.loese();
      } else return;
      e.preventDefault();
    });
    canvas.addEventListener('focus', () => { z.fokus = true; this.zeichneKreuz(); });
    canvas.addEventListener('blur', () => {
      z.fokus = false;
      if (z.gedrueckt) this.loese();
      this.zeichneKreuz();
    });
  }

  bewege(dx, dy) {
    const z = this.z;
    Object.assign(z, this.klemme(z.x + dx, z.y + dy));
    if (this.bereich.ziehen) this.eingabe((l) => l.zeigerPixel(this.index, BEWEGUNG, z.x, z.y));
    this.zeichneKreuz();
    this.sage(this.lektion.zeigerOrtPixel(this.index, z.x, z.y));
  }

  druecke() {
    // Pressed first: a message opened by the press takes the keys, and the
    // blur must find the button down to let it go again.
    const z = this.z;
    z.gedrueckt = true;
    this.zeichneKreuz();
    this.eingabe((l) => l.zeigerPixel(this.index, DRUCK, z.x, z.y));
    if (z.gedrueckt && document.activeElement !== this.canvas) this.loese();
  }

  loese() {
    const z = this.z;
    z.gedrueckt = false;
    if (this.bereich.ziehen) this.eingabe((l) => l.zeigerPixel(this.index, LOS, z.x, z.y));
    this.canvas.style.cursor = '';
    this.zeichneKreuz();
  }

  // A dark core two pixels wide in a yellow outline, a ring while the button is held.
  zeichneKreuz() {
    const { overlay, z } = this, f = this.faktor();
    const w = Math.round(this.B * f), h = Math.round(this.H * f);
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
    if (!z.gedrueckt) return;
    for (const [farbe, breite] of [['#ffff00', 4], ['#000000', 2]]) {
      c.strokeStyle = farbe;
      c.lineWidth = breite;
      c.beginPath();
      c.arc(x - 0.5, y - 0.5, LUECKE + 5.5, 0, 2 * Math.PI);
      c.stroke();
    }
  }
}

export function verbindeZeiger(canvas, overlay, bereich, index, hilfen) {
  const z = new Zeiger(canvas, overlay, bereich, index, hilfen);
  return { zeichneKreuz: () => z.zeichneKreuz(), stand: () => ({ ...z.z }) };
}
