// The same pixel operations as an SVG drawing: lines where the desktop's
// vector output puts them (through the pixel centres, ends where the screen's
// pixels end), arcs and ellipses as curves, labels as text in the same fonts.
import { MUSTER, mitte } from './maler-pixel.js';
import { bogenWinkel } from './maler-kurven.js';

const STRICHE = { 1: [4, 2], 2: [1, 2], 3: [4, 2, 1, 2] };
const FAMILIEN = { 'Liberation Sans': "'Liberation Sans', Arial, Helvetica, sans-serif", 'Liberation Serif': "'Liberation Serif', 'Times New Roman', Times, serif" };

const zahl = (x) => String(Math.round(x * 1000) / 1000);
const schuetze = (t) => t.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

function strich(stift, muster) {
  const dash = muster ? ` stroke-dasharray="${muster.join(' ')}"` : '';
  return `fill="none" stroke="${stift.farbe}" stroke-width="${zahl(stift.breite)}"${dash}`;
}

// A line of a pen: a thin one through the pixel centres, shifted back half a
// step so that it covers the start pixel up to the unset end pixel.
function linie(x0, y0, x1, y1, stift) {
  if (stift.stil === 4) return '';
  if (stift.breite > 1) {
    const m = mitte(stift.breite);
    return `<line x1="${zahl(x0 + m)}" y1="${zahl(y0 + m)}" x2="${zahl(x1 + m)}" y2="${zahl(y1 + m)}" ${strich(stift)} stroke-linecap="round"/>`;
  }
  const schritte = Math.max(Math.abs(x1 - x0), Math.abs(y1 - y0));
  if (!schritte) return '';
  const sx = (x1 - x0) / schritte / 2, sy = (y1 - y0) / schritte / 2;
  return `<line x1="${zahl(x0 + 0.5 - sx)}" y1="${zahl(y0 + 0.5 - sy)}" x2="${zahl(x1 + 0.5 - sx)}" y2="${zahl(y1 + 0.5 - sy)}" ${strich({ ...stift, breite: 1 }, MUSTER[stift.stil])}/>`;
}

function dickeLinie(op) {
  const m = mitte(op.breite), b = Math.max(1, op.breite);
  const muster = STRICHE[op.stil] ? STRICHE[op.stil].map((t) => t * b) : null;
  return `<line x1="${zahl(op.x1 + m)}" y1="${zahl(op.y1 + m)}" x2="${zahl(op.x2 + m)}" y2="${zahl(op.y2 + m)}" ${strich({ farbe: op.farbe, breite: b }, muster)} stroke-linecap="square"/>`;
}

function kurvenStift(stift) {
  if (stift.stil === 4) return 'stroke="none"';
  const muster = stift.breite <= 1 ? MUSTER[stift.stil] : null;
  return strich({ ...stift, breite: Math.max(1, stift.breite) }, muster).replace('fill="none" ', '');
}

function ellipse(op) {
  const m = op.stift.stil === 4 ? 0.5 : mitte(op.stift.breite);
  const rx = (op.r - op.l - 1) / 2, ry = (op.b - op.t - 1) / 2;
  const fuellung = op.pinsel.stil === 1 ? 'none' : op.pinsel.farbe;
  return `<ellipse cx="${zahl(op.l + m + rx)}" cy="${zahl(op.t + m + ry)}" rx="${zahl(rx)}" ry="${zahl(ry)}" fill="${fuellung}" ${kurvenStift(op.stift)}/>`;
}

function bogen(op) {
  if (op.stift.stil === 4) return '';
  const { start, spanne } = bogenWinkel(op);
  const m = mitte(op.stift.breite);
  const rx = (op.r - op.l - 1) / 2, ry = (op.b - op.t - 1) / 2, cx = op.l + m + rx, cy = op.t + m + ry;
  const punkt = (grad) => `${zahl(cx + rx * Math.cos((grad * Math.PI) / 180))} ${zahl(cy - ry * Math.sin((grad * Math.PI) / 180))}`;
  // Counter-clockwise on screen is SVG's negative sweep; a whole turn in two halves.
  const teile = spanne >= 360 ? [start, start + 180, start + 360] : [start, start + spanne];
  let d = `M ${punkt(teile[0])}`;
  for (let i = 1; i < teile.length; ++i) d += ` A ${zahl(rx)} ${zahl(ry)} 0 ${teile[i] - teile[i - 1] > 180 ? 1 : 0} 0 ${punkt(teile[i])}`;
  return `<path d="${d}" fill="none" ${kurvenStift(op.stift)} stroke-linecap="round"/>`;
}

const flaeche = (l, t, r, b, farbe) => (r > l && b > t ? `<rect x="${l}" y="${t}" width="${r - l}" height="${b - t}" fill="${farbe}"/>` : '');

function rechteck(op) {
  let s = op.pinsel.stil === 1 ? '' : flaeche(op.l, op.t, op.r, op.b, op.pinsel.farbe);
  const e = [op.l, op.t, op.r - 1, op.t, op.r - 1, op.b - 1, op.l, op.b - 1, op.l, op.t];
  for (let i = 0; i + 3 < e.length; i += 2) s += linie(e[i], e[i + 1], e[i + 2], e[i + 3], op.stift);
  return s;
}

function punkte(op) {
  let d = '';
  for (let i = 0; i + 1 < op.p.length; i += 2) d += `M${op.p[i]} ${op.p[i + 1]}h1v1h-1z`;
  return d ? `<path d="${d}" fill="${op.farbe}"/>` : '';
}

function text(op) {
  const s = op.schrift;
  const grund = op.grund ? flaeche(op.x, op.y, op.x + op.breite, op.y + op.hoehe, op.grund) : '';
  return `${grund}<text x="${op.x}" y="${op.y + op.oberlaenge}" font-family="${FAMILIEN[s.familie] || s.familie}" font-size="${s.pixel}" font-weight="${s.fett ? 'bold' : 'normal'}" fill="${op.farbe}" xml:space="preserve">${schuetze(op.text)}</text>`;
}

const ARTEN = {
  linie: (op) => linie(op.x1, op.y1, op.x2, op.y2, op.stift),
  dicklinie: dickeLinie,
  ellipse,
  bogen,
  rechteck,
  flaeche: (op) => flaeche(op.l, op.t, op.r, op.b, op.farbe),
  punkte,
  text,
};

// The elements of `ops`; a part (see ausgabe.js) in a group at its place, clipped to itself.
export function svgElemente(ops, zaehler = { n: 0 }) {
  let s = '';
  for (const op of ops) {
    if (op.a === 'teil') {
      const id = `teil${++zaehler.n}`;
      s += `<clipPath id="${id}"><rect width="${op.breite}" height="${op.hoehe}"/></clipPath>`;
      s += `<g transform="translate(${op.x} ${op.y})" clip-path="url(#${id})">${svgElemente(op.ops, zaehler)}</g>`;
    } else if (ARTEN[op.a]) {
      s += ARTEN[op.a](op);
    }
  }
  return s;
}
