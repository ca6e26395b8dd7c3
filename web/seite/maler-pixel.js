// The device pixels a drawing is painted on: colours set once per run, whole
// pixel rectangles, a mask that collects single pixels of one colour and paints
// them as runs, and the dash patterns of one-pixel pens.

// Dash patterns of a one-pixel pen, pixels on / off, by pen style (1 dash, 2 dot, 3 dash-dot).
export const MUSTER = { 1: [18, 6], 2: [3, 3], 3: [9, 6, 3, 6] };

// True where step `index` along a line falls on a dash of `muster`.
export function musterAn(muster, index) {
  let periode = 0;
  for (const t of muster) periode += t;
  let pos = index % periode;
  for (let i = 0; i < muster.length; ++i) {
    if (pos < muster[i]) return i % 2 === 0;
    pos -= muster[i];
  }
  return false;
}

// Rounds halves away from zero, as the desktop's integer rounding does.
export function qRound(x) {
  return x >= 0 ? Math.floor(x + 0.5) : Math.ceil(x - 0.5);
}

// Where a pen of `breite` pixels lies relative to the coordinate it is drawn at:
// an odd width centred on the pixel centre, an even one on the pixel edge.
export function mitte(breite) {
  return Math.max(1, breite) % 2 ? 0.5 : 0;
}

let vorrat = null; // one mask per canvas size, reused from drawing to drawing

// Single pixels of one colour, collected and painted as horizontal runs.
export class Pixelmaske {
  static fuer(w, h) {
    if (!vorrat || vorrat.w !== w || vorrat.h !== h) vorrat = new Pixelmaske(w, h);
    return vorrat;
  }

  constructor(w, h) {
    this.w = w;
    this.h = h;
    this.bits = new Uint8Array(w * h);
    this.leere();
  }

  leere() {
    this.x0 = this.w;
    this.y0 = this.h;
    this.x1 = -1;
    this.y1 = -1;
  }

  // Sets the pixel; false if it was set already (or lies outside).
  setze(x, y) {
    if (x < 0 || y < 0 || x >= this.w || y >= this.h) return false;
    const i = y * this.w + x;
    if (this.bits[i]) return false;
    this.bits[i] = 1;
    if (x < this.x0) this.x0 = x;
    if (x > this.x1) this.x1 = x;
    if (y < this.y0) this.y0 = y;
    if (y > this.y1) this.y1 = y;
    return true;
  }

  // An n × n block from (x, y).
  block(x, y, n) {
    for (let j = 0; j < n; ++j) for (let i = 0; i < n; ++i) this.setze(x + i, y + j);
  }

  // Paints what was collected in `farbe` and empties the mask.
  male(z, farbe) {
    const { w, bits } = this;
    for (let y = this.y0; y <= this.y1; ++y) {
      let anfang = -1;
      for (let x = this.x0; x <= this.x1 + 1; ++x) {
        const an = x <= this.x1 && bits[y * w + x];
        if (an) {
          bits[y * w + x] = 0;
          if (anfang < 0) anfang = x;
        } else if (anfang >= 0) {
          z.fuelle(anfang, y, x - anfang, 1, farbe);
          anfang = -1;
        }
      }
    }
    this.leere();
  }
}

const farbwerte = new Map();

// "#rrggbb" as a pixel of an RGBA buffer read as 32-bit words (little endian).
function farbwert(farbe) {
  let wert = farbwerte.get(farbe);
  if (wert === undefined) {
    const n = parseInt(farbe.slice(1), 16);
    wert = 0xff000000 | ((n & 0xff) << 16) | (n & 0xff00) | ((n >> 16) & 0xff); // signed: stays a small integer
    farbwerte.set(farbe, wert);
  }
  return wert;
}

// The pixels of drawings painted on a clear canvas, cleared and used again:
// a drag paints the same size every frame, and fresh memory for each frame
// costs many times what clearing it does. One buffer per size: a page's drawings come in a handful of sizes.
const puffer = new Map();
function leererPuffer(w, h) {
  const schluessel = w * 65536 + h;
  let bild = puffer.get(schluessel);
  if (bild) {
    new Int32Array(bild.data.buffer).fill(0);
    return bild;
  }
  if (puffer.size >= 8) puffer.clear(); // a page resized again and again
  bild = new ImageData(w, h);
  puffer.set(schluessel, bild);
  return bild;
}

// The painter's state for one drawing: the context, device pixels per design
// pixel `k`, and `d`, the device pixels across a one-pixel line. Pixels are
// set in a buffer of their own (a canvas call per run would be far slower)
// that goes onto the canvas before text is drawn and at the end; the canvas
// region from (x0, y0) is read in first unless it is known to be clear.
export class Zeichner {
  constructor(ctx, k, w, h, { x0 = 0, y0 = 0, leer = false } = {}) {
    this.ctx = ctx;
    this.k = k;
    this.d = Math.max(1, qRound(k));
    this.w = w;
    this.h = h;
    this.x0 = x0;
    this.y0 = y0;
    this.farbe = null;
    this.maske = Pixelmaske.fuer(w, h);
    this.bild = leer || !w || !h ? leererPuffer(Math.max(1, w), Math.max(1, h)) : ctx.getImageData(x0, y0, w, h);
    this.px = new Int32Array(this.bild.data.buffer);
    this.schmutzig = null; // [x0, y0, x1, y1] of what the canvas does not show yet
  }

  setzeFarbe(farbe) {
    if (farbe !== this.farbe) {
      this.ctx.fillStyle = farbe;
      this.farbe = farbe;
    }
  }

  // Device pixels, clipped to the drawing.
  fuelle(x, y, w, h, farbe) {
    const x0 = Math.max(0, x), y0 = Math.max(0, y);
    const x1 = Math.min(this.w, x + w), y1 = Math.min(this.h, y + h);
    if (x1 <= x0 || y1 <= y0) return;
    const wert = farbwert(farbe), px = this.px, breite = this.w;
    if (x0 === 0 && x1 === breite) px.fill(wert, y0 * breite, y1 * breite); // whole rows: one run
    else for (let j = y0; j < y1; ++j) {
      const a = j * breite + x0, e = j * breite + x1;
      if (e - a > 32) px.fill(wert, a, e); // typed-array fill pays off only on long runs
      else for (let i = a; i < e; ++i) px[i] = wert;
    }
    const s = this.schmutzig;
    if (!s) this.schmutzig = [x0, y0, x1, y1];
    else {
      if (x0 < s[0]) s[0] = x0;
      if (y0 < s[1]) s[1] = y0;
      if (x1 > s[2]) s[2] = x1;
      if (y1 > s[3]) s[3] = y1;
    }
  }

  // Puts the buffer's new pixels onto the canvas.
  zeige() {
    const s = this.schmutzig;
    if (!s) return;
    this.ctx.putImageData(this.bild, this.x0, this.y0, s[0], s[1], s[2] - s[0], s[3] - s[1]);
    this.schmutzig = null;
  }

  // Takes what the canvas got by other means (text) in the box into the buffer.
  nimm(x, y, w, h) {
    const x0 = Math.max(0, Math.floor(x)), y0 = Math.max(0, Math.floor(y));
    const x1 = Math.min(this.w, Math.ceil(x + w)), y1 = Math.min(this.h, Math.ceil(y + h));
    if (x1 <= x0 || y1 <= y0) return;
    const teil = new Int32Array(this.ctx.getImageData(this.x0 + x0, this.y0 + y0, x1 - x0, y1 - y0).data.buffer);
    for (let j = y0; j < y1; ++j) this.px.set(teil.subarray((j - y0) * (x1 - x0), (j - y0 + 1) * (x1 - x0)), j * this.w + x0);
  }

  // A rectangle in design pixels, r and b excluded, on whole device pixels.
  flaeche(l, t, r, b, farbe) {
    const k = this.k;
    const x0 = qRound(l * k), y0 = qRound(t * k);
    const x1 = qRound(r * k), y1 = qRound(b * k);
    if (x1 > x0 && y1 > y0) this.fuelle(x0, y0, x1 - x0, y1 - y0, farbe);
  }

  // Fills the pixels of row y whose centres lie in [von, bis] (device units).
  spanne(y, von, bis, farbe) {
    const a = Math.max(0, Math.ceil(von - 0.5 - 1e-9));
    const e = Math.min(this.w - 1, Math.floor(bis - 0.5 + 1e-9));
    if (e >= a && y >= 0 && y < this.h) this.fuelle(a, y, e - a + 1, 1, farbe);
  }
}
