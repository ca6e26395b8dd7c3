// Ellipses and arcs as the desktop canvas draws them: the outline of a thin pen
// pixel by pixel (no blur), wider ones as rings, the inside row by row.
import { MUSTER, musterAn, mitte } from './maler-pixel.js';
import { stiftGeraete } from './maler-linien.js';

const GRAD = 180 / Math.PI;

// Mirrors a pixel index at a centre c when 2c is whole, so that both halves
// of a figure take the same pixels; else rounds down on its own.
function gegenueber(c, wert, andere) {
  const zwei = 2 * c;
  return Math.abs(zwei - Math.round(zwei)) < 1e-9 ? Math.round(zwei) - 1 - andere : Math.floor(wert);
}

// The pixels of a one-pixel outline of the ellipse (centre, half axes in
// device units), in no particular order: by columns where it is flat, by rows
// where it is steep, so that it is thin and closed.
function umrissPixel(cx, cy, rx, ry) {
  const pixel = [];
  if (rx <= 0 || ry <= 0) {
    for (let y = Math.floor(cy - ry); y <= Math.floor(cy + ry); ++y)
      for (let x = Math.floor(cx - rx); x <= Math.floor(cx + rx); ++x) pixel.push(x, y);
    return pixel;
  }
  for (let x = Math.floor(cx - rx); x <= Math.floor(cx + rx); ++x) {
    const u = x + 0.5 - cx;
    if (Math.abs(u) > rx) continue;
    const v = ry * Math.sqrt(1 - (u / rx) ** 2);
    if (ry * ry * Math.abs(u) > rx * rx * v + 1e-9) continue;
    const unten = Math.floor(cy + v);
    pixel.push(x, unten, x, gegenueber(cy, cy - v, unten));
  }
  for (let y = Math.floor(cy - ry); y <= Math.floor(cy + ry); ++y) {
    const v = y + 0.5 - cy;
    if (Math.abs(v) > ry) continue;
    const u = rx * Math.sqrt(1 - (v / ry) ** 2);
    if (rx * rx * Math.abs(v) > ry * ry * u + 1e-9) continue;
    const rechts = Math.floor(cx + u);
    pixel.push(rechts, y, gegenueber(cx, cx - u, rechts), y);
  }
  return pixel;
}

// The ellipse's parameter (degrees, 0..360, counter-clockwise on screen) of a pixel.
function parameter(e, x, y) {
  const w = Math.atan2(-(y + 0.5 - e.cy) / (e.ry || 1), (x + 0.5 - e.cx) / (e.rx || 1)) * GRAD;
  return w < 0 ? w + 360 : w;
}

// A thin outline: the pixels from `start` through `spanne` degrees (the whole
// ellipse clockwise from 3 o'clock when spanne is null), dashed by steps.
function duennerUmriss(z, e, start, spanne, farbe, muster) {
  const roh = umrissPixel(e.cx, e.cy, e.rx, e.ry);
  const maske = z.maske;
  const liste = [];
  for (let i = 0; i < roh.length; i += 2) {
    if (!maske.setze(roh[i], roh[i + 1])) continue;
    if (!muster && spanne === null) continue;
    const w = parameter(e, roh[i], roh[i + 1]);
    const weg = spanne === null ? (360 - w) % 360 : (w - start + 720) % 360;
    if (spanne === null || weg <= spanne + 1e-6) liste.push([weg, roh[i], roh[i + 1]]);
  }
  if (muster || spanne !== null) {
    // Only what lies on the arc, and on the pattern's dashes, stays.
    maske.male({ fuelle() {} }, farbe);
    liste.sort((a, b) => a[0] - b[0]);
    liste.forEach(([, x, y], i) => { if (!muster || musterAn(muster, i)) maske.setze(x, y); });
  }
  maske.male(z, farbe);
}

// A wider outline: squares (a thin pen on a scaled raster) or discs (a wide
// pen) along the curve, every fraction of a pixel; dashes by length.
function breiterUmriss(z, e, start, spanne, w, rund, farbe, muster) {
  const maske = z.maske;
  const bogen = spanne === null ? -2 * Math.PI : spanne / GRAD;
  const schritt = 0.3 / Math.max(e.rx, e.ry, 1);
  const schritte = Math.ceil(Math.abs(bogen) / schritt);
  const h = w / 2, n = Math.round(w);
  let weg = 0, vorX = 0, vorY = 0;
  for (let i = 0; i <= schritte; ++i) {
    const t = start / GRAD + (bogen * i) / schritte;
    const px = e.cx + e.rx * Math.cos(t), py = e.cy - e.ry * Math.sin(t);
    if (i) weg += Math.hypot(px - vorX, py - vorY);
    vorX = px;
    vorY = py;
    if (muster && !musterAn(muster, Math.floor(weg / z.k))) continue;
    if (!rund) {
      maske.block(Math.floor(px - h + 0.5), Math.floor(py - h + 0.5), n);
      continue;
    }
    for (let y = Math.floor(py - h); y <= py + h; ++y)
      for (let x = Math.floor(px - h); x <= px + h; ++x)
        if ((x + 0.5 - px) ** 2 + (y + 0.5 - py) ** 2 <= h * h) maske.setze(x, y);
  }
  maske.male(z, farbe);
}

// The outline of a pen along the ellipse `e` (device units).
function umriss(z, e, stift, start, spanne) {
  const w = stiftGeraete(z, stift.breite);
  const muster = stift.breite <= 1 ? MUSTER[stift.stil] || null : null;
  if (w <= 1) duennerUmriss(z, e, start, spanne, stift.farbe, muster);
  else breiterUmriss(z, e, spanne === null ? 0 : start, spanne, w, stift.breite > 1, stift.farbe, muster);
}

// The ellipse of the box l, t, r, b (r, b excluded) in device units, its curve
// where the desktop's lies: on pixel centres for a thin or odd pen.
function geometrie(z, op, m) {
  const k = z.k, w = op.r - op.l - 1, h = op.b - op.t - 1;
  return { cx: (op.l + m + w / 2) * k, cy: (op.t + m + h / 2) * k, rx: (w / 2) * k, ry: (h / 2) * k };
}

export function ellipse(z, op) {
  const mitStift = op.stift.stil !== 4;
  const e = geometrie(z, op, mitStift ? mitte(op.stift.breite) : 0.5);
  if (op.pinsel.stil === 0 && e.ry > 0) {
    for (let y = Math.max(0, Math.floor(e.cy - e.ry)); y <= Math.min(z.h - 1, e.cy + e.ry); ++y) {
      const v = (y + 0.5 - e.cy) / e.ry;
      if (Math.abs(v) > 1) continue;
      const u = e.rx * Math.sqrt(1 - v * v);
      z.spanne(y, e.cx - u, e.cx + u, op.pinsel.farbe);
    }
  }
  if (mitStift) umriss(z, e, op.stift, 0, null);
}

// Where an arc starts and how far it runs (degrees of the ellipse's parameter,
// counter-clockwise on screen), as the desktop hands them on: in 1/16 degree.
export function bogenWinkel(op) {
  const mx = (op.l + op.r - 1) / 2, my = (op.t + op.b - 1) / 2;
  const rx = (op.r - op.l - 1) / 2, ry = (op.b - op.t - 1) / 2;
  // The ellipse's parameter of the point on the ray, not the ray's angle.
  const winkel = (x, y) => Math.atan2((my - y) * rx, (x - mx) * ry) * GRAD;
  const start = Math.round(winkel(op.x1, op.y1) * 16) / 16;
  let spanne = (winkel(op.x2, op.y2) - winkel(op.x1, op.y1)) % 360;
  if (spanne <= 0) spanne += 360;
  if ((op.x1 === op.x2 && op.y1 === op.y2) || spanne >= 360) spanne = 360;
  return { start: (start + 360) % 360, spanne: Math.round(spanne * 16) / 16 };
}

// Arc: counter-clockwise from the ray through (x1, y1) to the ray through (x2, y2).
export function bogen(z, op) {
  if (op.stift.stil === 4) return;
  const { start, spanne } = bogenWinkel(op);
  const e = geometrie(z, op, z.k === 1 ? 0.5 : mitte(op.stift.breite));
  umriss(z, e, op.stift, start, spanne);
}
