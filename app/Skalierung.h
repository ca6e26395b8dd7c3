// A window shown larger or smaller as a whole: every control at its design
// place times the window's scale, fonts and the style's marks with it, the
// drawings through a scaled painter. At scale 1 nothing differs from the
// design's pixel layout. The design places stay the controls' own: the
// picture output and the pointer positions handed to the lessons are in
// design pixels at every scale.
#pragma once

#include <QRect>

class QWidget;

// The scale the window of `w` is laid out at (1: the design's pixels).
qreal FensterSkala(const QWidget* w);

// A control's place in design pixels, relative to its parent.
QRect EntwurfsOrt(const QWidget* w);
// The place of `w` in design pixels relative to `vorfahr`, one of its ancestors.
QPoint EntwurfsLage(const QWidget* w, const QWidget* vorfahr);
// Moves a control to a place given in design pixels, shown at its window's scale.
void SetzeEntwurfsOrt(QWidget* w, QRect ort);

// A design rectangle at scale `s`: the edges are scaled and rounded, so
// controls that touch in the design touch at every scale.
QRect Skaliert(QRect r, qreal s);

// Lays out `fenster` at scale `s`: its fixed-size client area and every control
// in it, the fonts of the window, its controls, menu bar and menus.
void SkaliereFenster(QWidget* fenster, QWidget* client, qreal s);
