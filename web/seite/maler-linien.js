// Lines as the desktop canvas draws them: one-pixel lines pixel by pixel (the
// end pixel unset, the dash pattern counted in steps), on whole device pixels
// when scaled; wide lines as bands with round or square ends.
import { MUSTER, musterAn, qRound, mitte } from './maler-pixel.js';

// A one-pixel line at 1:1, stepped from pixel to pixel; pixels that follow
// each other along the longer axis are filled as one run.
function pixelLinie(z, x0, y0, x1, y1, farbe, muster) {
  const dx = Math.abs(x1 - x0), dy = Math.abs(y1 - y0);
  const sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  const waagrecht = dx >= dy;
  const schritte = Math.max(dx, dy);
  let laufX = 0, laufY = 0, laufLaenge = 0;
  const fuelleLauf = () => {
    if (laufLaenge === 0) return;
    if (waagrecht) z.fuelle(sx > 0 ? laufX : laufX - laufLaenge + 1, laufY, laufLaenge, 1, farbe);
    else z.fuelle(laufX, sy > 0 ? laufY : laufY - laufLaenge + 1, 1, laufLaenge, farbe);
    laufLaenge = 0;
  };
  let px = x0, py = y0, fehler = dx - dy;
  for (let i = 0; i < schritte; ++i) {
    if (!muster || musterAn(muster, i)) {
      if (!(laufLaenge > 0 && (waagrecht ? py === laufY : px === laufX))) {
        fuelleLauf();
        laufX = px;
        laufY = py;
      }
      ++laufLaenge;
    } else {
      fuelleLauf();
    }
    const f2 = 2 * fehler;
    if (f2 > -dy) { fehler -= dy; px += sx; }
    if (f2 < dx) { fehler += dx; py += sy; }
  }
  fuelleLauf();
}

// A one-pixel line on a scaled raster: on whole device pixels, `z.d` wide,
// through the centres of the design's start and end pixels.
function geraeteLinie(z, x0, y0, x1, y1, farbe, muster) {
  const waagrecht = Math.abs(x1 - x0) >= Math.abs(y1 - y0);
  const a0 = waagrecht ? x0 : y0, a1 = waagrecht ? x1 : y1, b0 = waagrecht ? y0 : x0;
  if (a0 === a1) return;
  const { k, d } = z;
  const richtung = a1 > a0 ? 1 : -1;
  const steigung = (waagrecht ? y1 - y0 : x1 - x0) / (a1 - a0);
  // From the start pixel up to the end pixel, which stays unset.
  let von = qRound(k * (richtung > 0 ? a0 : a1 + 1));
  let bis = qRound(k * (richtung > 0 ? a1 : a0 + 1));
  von = Math.max(von, -1);
  bis = Math.min(bis, (waagrecht ? z.w : z.h) + 1);
  let laufAnfang = 0, laufOben = 0, laufLaenge = 0;
  const fuelle = () => {
    if (laufLaenge > 0) {
      if (waagrecht) z.fuelle(laufAnfang, laufOben, laufLaenge, d, farbe);
      else z.fuelle(laufOben, laufAnfang, d, laufLaenge, farbe);
    }
    laufLaenge = 0;
  };
  for (let m = von; m < bis; ++m) {
    const u = (m + 0.5) / k;
    const v = b0 + 0.5 + (u - (a0 + 0.5)) * steigung;
    const oben = Math.floor(v * k - d / 2 + 0.5);
    const schritt = richtung > 0 ? Math.floor(u - a0) : Math.floor(a0 + 1 - u);
    const an = !muster || musterAn(muster, Math.max(0, schritt));
    if (an && laufLaenge > 0 && oben === laufOben) {
      ++laufLaenge;
      continue;
    }
    fuelle();
    if (an) {
      laufAnfang = m;
      laufOben = oben;
      laufLaenge = 1;
    }
  }
  fuelle();
}

// The x range [von, bis] where lo <= a*x + b <= hi; null if empty.
function bereich(a, b, lo, hi) {
  if (Math.abs(a) < 1e-12) return b >= lo && b <= hi ? [-Infinity, Infinity] : null;
  const p = (lo - b) / a, q = (hi - b) / a;
  return a > 0 ? [p, q] : [q, p];
}

// A band of half width h from A to B in device units, its ends lengthened by
// e (square ends); round ends when `rund`.
function band(z, ax, ay, bx, by, h, e, rund, farbe) {
  const laenge = Math.hypot(bx - ax, by - ay);
  const ux = laenge ? (bx - ax) / laenge : 1, uy = laenge ? (by - ay) / laenge : 0;
  const rand = h + e + 1;
  const y0 = Math.max(0, Math.floor(Math.min(ay, by) - rand)), y1 = Math.min(z.h - 1, Math.ceil(Math.max(ay, by) + rand));
  for (let y = y0; y <= y1; ++y) {
    const yc = y + 0.5;
    if (laenge) {
      const s = bereich(ux, (yc - ay) * uy - ax * ux, -e, laenge + e);
      const q = bereich(-uy, (yc - ay) * ux + ax * uy, -h, h);
      if (s && q) z.spanne(y, Math.max(s[0], q[0]), Math.min(s[1], q[1]), farbe);
    }
    if (!rund) continue;
    for (const [cx, cy] of [[ax, ay], [bx, by]]) {
      const r2 = h * h - (yc - cy) * (yc - cy);
      if (r2 >= 0) z.spanne(y, cx - Math.sqrt(r2), cx + Math.sqrt(r2), farbe);
    }
  }
}

// Where a wide pen's band lies, relative to the coordinates it is drawn at. At
// 1:1 the desktop fills the band round the very coordinates, a pixel taken
// when its centre lies inside or on the band's bottom or right edge; scaled,
// an odd width lies on the pixel centres.
export function bandVersatz(z, breite) {
  return (z.k === 1 ? 0 : mitte(breite) * z.k) + 1e-3;
}

// Device pixels across a pen of `breite` design pixels.
export function stiftGeraete(z, breite) {
  return breite > 1 ? breite * z.k : z.k === 1 ? 1 : z.d;
}

// LineTo with a pen {farbe, breite, stil}.
export function linie(z, x0, y0, x1, y1, stift) {
  if (stift.stil === 4) return;
  if (stift.breite <= 1) {
    const muster = MUSTER[stift.stil] || null;
    if (z.k === 1) pixelLinie(z, x0, y0, x1, y1, stift.farbe, muster);
    else geraeteLinie(z, x0, y0, x1, y1, stift.farbe, muster);
    return;
  }
  // A wide pen is always solid with round ends.
  const m = bandVersatz(z, stift.breite), k = z.k;
  band(z, x0 * k + m, y0 * k + m, x1 * k + m, y1 * k + m, stift.breite * k / 2, 0, true, stift.farbe);
}

// Dashes of a geometric pen in pen widths, by style (1 dashed, 2 dotted, 3 dash-dot).
const STRICHE = { 1: [4, 2], 2: [1, 2], 3: [4, 2, 1, 2] };

// GeometrischeLinie: square ends on every dash.
export function dickeLinie(z, op) {
  const m = bandVersatz(z, op.breite), k = z.k;
  const w = stiftGeraete(z, op.breite), h = w / 2;
  const ax = op.x1 * k + m, ay = op.y1 * k + m, bx = op.x2 * k + m, by = op.y2 * k + m;
  const striche = STRICHE[op.stil];
  if (!striche) {
    // A solid one takes the pixels on both of its ends' edges.
    band(z, ax, ay, bx, by, h, h + 2e-3, false, op.farbe);
    return;
  }
  const laenge = Math.hypot(bx - ax, by - ay);
  if (!laenge) return;
  const ux = (bx - ax) / laenge, uy = (by - ay) / laenge;
  for (let s = 0, i = 0; s < laenge; s += striche[i] * w, i = (i + 1) % striche.length) {
    if (i % 2) continue;
    const e = Math.min(laenge, s + striche[i] * w);
    band(z, ax + ux * s, ay + uy * s, ax + ux * e, ay + uy * e, h, h, false, op.farbe);
  }
}
