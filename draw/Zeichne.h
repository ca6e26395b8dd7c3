// The painter: how every repaint of a drawing area begins, and the one place
// where the items of a picture become canvas calls.
#pragma once

#include "draw/Bild.h"
#include "draw/KoordU.h"
#include "draw/Leinwand.h"

// How every repaint of a drawing area begins: the mapping over the whole area,
// the grid switched on where the lesson wants it, a white fill, then the grid.
void BeginneZeichnung(Leinwand& leinwand, int breite, int hoehe, const TWeltRechteck& welt,
                      bool mitGitter = false);

// The axes in grey and a black dot at every whole unit, if gitterAn is set.
void ZeichneGitter(Leinwand& leinwand);

// Draws the items in order through the foundation's primitives, in the world
// window that is set.
void Zeichne(Leinwand& lw, const TBild& bild);
