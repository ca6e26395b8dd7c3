// The pointer in a drawing: mouse, finger and pen through Pointer Events, and
// the keyboard pointer, whose rules the core keeps: here its keys are mapped
// and its cross-hair drawn while the drawing has the keys. Every position goes
// to the core in the drawing's design pixels.

const ARM = 14, LUECKE = 4;
const DRUCK = 0, BEWEGUNG = 1, LOS = 2;
// The keys as the core numbers them.
const TASTEN = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3, ' ': 4, Enter: 5 };

class Zeiger {
  // `bereich`: the layout's area; `eingabe(f)` runs an input on the lesson and
  // shows its outcome; `sage(text)` speaks; `faktor()` device pixels per design pixel.
  constructor(canvas, overlay, bereich, index, hilfen) {
    Object.assign(this, { canvas, overlay, bereich, index, ...hilfen });
    this.B = bereich.grafik.breite;
    this.H = bereich.grafik.hoehe;
    this.z = { ...JSON.parse(this.lektion.tastenzeiger(index)), fokus: false };
    this.verbindeMaus();
    this.verbindeTasten();
  }

  entwurf(e) {
    const r = this.canvas.getBoundingClientRect();
    const x = Math.floor(((e.clientX - r.left) * this.B) / r.width);
    const y = Math.floor(((e.clientY - r.top) * this.H) / r.height);
    return { x: Math.min(Math.max(x, 0), this.B - 1), y: Math.min(Math.max(y, 0), this.H - 1) };
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

  // A step of the keyboard pointer in the core; its state comes back.
  tasten(f) {
    const war = this.z.gedrueckt;
    this.eingabe((l) => Object.assign(this.z, JSON.parse(f(l))));
    if (war && !this.z.gedrueckt) this.canvas.style.cursor = '';
    this.zeichneKreuz();
  }

  verbindeMaus() {
    const { canvas, z } = this;
    canvas.addEventListener('pointerdown', (e) => {
      if (e.pointerType === 'mouse' && e.button !== 0) return;
      canvas.setPointerCapture(e.pointerId);
      const p = this.entwurf(e), mitTasten = document.activeElement === canvas;
      if (z.gedrueckt || mitTasten) this.tasten((l) => l.mausDruck(this.index, p.x, p.y, mitTasten));
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
      const taste = TASTEN[e.key];
      if (e.ctrlKey || e.altKey || e.metaKey || taste === undefined) return;
      e.preventDefault();
      this.tasten((l) => l.taste(this.index, taste, e.shiftKey, e.repeat));
      this.sage(z.ort);
    });
    canvas.addEventListener('focus', () => { z.fokus = true; this.zeichneKreuz(); });
    canvas.addEventListener('blur', () => {
      z.fokus = false;
      if (z.gedrueckt) this.tasten((l) => l.tastenLos(this.index));
      this.zeichneKreuz();
    });
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
