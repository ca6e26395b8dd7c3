// The painter: how every repaint of a drawing area begins, and the one place
// where the items of a picture become canvas calls.
#pragma once

#include "draw/Bild.h"
#include "draw/KoordU.h"
#include "draw/Leinwand.h"

#include <QRect>
#include <vector>

// How every repaint of a drawing area begins: the mapping over the whole area,
// the grid switched on where the lesson wants it, a white fill, then the grid.
void BeginneZeichnung(Leinwand& leinwand, int breite, int hoehe, const TWeltRechteck& welt,
                      bool mitGitter = false);

// The axes in grey and a black dot at every whole unit, if gitterAn is set.
void ZeichneGitter(Leinwand& leinwand);

// Draws the items in order through the foundation's primitives, in the world
// window that is set.
void Zeichne(Leinwand& lw, const TBild& bild);

// Where an item that writes text (a name, a label, a fraction) puts it: the
// pixel box around all its characters, each as wide as its advance and as tall
// as its font, placed as Zeichne places them in the world window that is set.
struct TTextKasten {
    std::size_t teil; // index in the picture
    QRect kasten;
};
// The boxes of a picture's texts in drawing order; items without text are left out.
std::vector<TTextKasten> TextKaesten(const TBild& bild);
// True when two of the boxes share a pixel.
bool KaestenUeberlappen(const std::vector<TTextKasten>& kaesten);
