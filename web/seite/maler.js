// Paints the core's pixel operations of a drawing on a canvas, as the desktop
// canvas paints them: at 1:1 pixel for pixel, scaled on whole device pixels
// (thin lines round(faktor) wide), so that nothing is blurred.
//   male(canvas, ops, {breite, hoehe, faktor})
import { Zeichner } from './maler-pixel.js';
import { linie, dickeLinie } from './maler-linien.js';
import { ellipse, bogen } from './maler-kurven.js';

function schriftText(s, k) {
  return `${s.fett ? 'bold ' : ''}${s.pixel * k}px "${s.familie}"`;
}

// TextOut: the box filled first where the text is opaque, the baseline at y + oberlaenge.
function text(z, op) {
  if (op.grund) z.flaeche(op.x, op.y, op.x + op.breite, op.y + op.hoehe, op.grund);
  const ctx = z.ctx;
  const schrift = schriftText(op.schrift, z.k);
  if (schrift !== z.schrift) {
    ctx.font = schrift;
    z.schrift = schrift;
  }
  z.setzeFarbe(op.farbe);
  ctx.fillText(op.text, op.x * z.k, (op.y + op.oberlaenge) * z.k);
}

function rechteck(z, op) {
  if (op.pinsel.stil !== 1) z.flaeche(op.l, op.t, op.r, op.b, op.pinsel.farbe);
  if (op.stift.stil === 4) return;
  const ecken = [op.l, op.t, op.r - 1, op.t, op.r - 1, op.b - 1, op.l, op.b - 1, op.l, op.t];
  for (let i = 0; i + 3 < ecken.length; i += 2) linie(z, ecken[i], ecken[i + 1], ecken[i + 2], ecken[i + 3], op.stift);
}

// Single pixels, on a scaled raster as squares where a thin line through them would lie.
function punkte(z, op) {
  const { k, d } = z, p = op.p;
  for (let i = 0; i + 1 < p.length; i += 2) {
    if (k === 1) z.fuelle(p[i], p[i + 1], 1, 1, op.farbe);
    else z.fuelle(Math.floor((p[i] + 0.5) * k - d / 2 + 0.5), Math.floor((p[i + 1] + 0.5) * k - d / 2 + 0.5), d, d, op.farbe);
  }
}

// A part of a composed picture (ausgabe.js): its own drawing at (x, y), clipped to itself.
function teil(z, op) {
  const { ctx, k } = z;
  const x = Math.round(op.x * k), y = Math.round(op.y * k);
  const w = Math.round(op.breite * k), h = Math.round(op.hoehe * k);
  ctx.save();
  ctx.beginPath();
  ctx.rect(x, y, w, h);
  ctx.clip();
  ctx.translate(x, y);
  maleOps(new Zeichner(ctx, k, w, h), op.ops);
  ctx.restore();
  z.farbe = null;
  z.schrift = null;
}

const ARTEN = {
  linie: (z, op) => linie(z, op.x1, op.y1, op.x2, op.y2, op.stift),
  dicklinie: dickeLinie,
  ellipse,
  bogen,
  rechteck,
  flaeche: (z, op) => z.flaeche(op.l, op.t, op.r, op.b, op.farbe),
  punkte,
  text,
  teil,
};

function maleOps(z, ops) {
  for (const op of ops) {
    const art = ARTEN[op.a];
    if (art) art(z, op);
  }
}

// Draws `ops` onto a 2-D context whose pixels are `w` × `h`, `k` device pixels per design pixel.
export function maleAuf(ctx, ops, k, w, h) {
  ctx.save();
  ctx.setTransform(1, 0, 0, 1, 0, 0);
  ctx.imageSmoothingEnabled = false;
  ctx.textBaseline = 'alphabetic';
  ctx.textAlign = 'left';
  if ('fontKerning' in ctx) ctx.fontKerning = 'none';
  maleOps(new Zeichner(ctx, k, w, h), ops);
  ctx.restore();
}

export function male(canvas, ops, { breite, hoehe, faktor = 1 }) {
  const w = Math.round(breite * faktor), h = Math.round(hoehe * faktor);
  if (canvas.width !== w) canvas.width = w;
  if (canvas.height !== h) canvas.height = h;
  const ctx = canvas.getContext('2d');
  ctx.clearRect(0, 0, w, h);
  maleAuf(ctx, ops, faktor, w, h);
}
