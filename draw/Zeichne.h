// The painter: how every repaint of a drawing area begins, and the one place
// where the items of a picture become canvas calls.
#pragma once

#include "draw/Bild.h"
#include "draw/KoordU.h"
#include "draw/Malflaeche.h"

// How every repaint of a drawing area begins: the mapping over the whole area,
// the grid switched on where the lesson wants it, a white fill, then the grid.
void BeginneZeichnung(TMalflaeche& leinwand, int breite, int hoehe, const TWeltRechteck& welt,
                      bool mitGitter = false);

// The axes in grey and a black dot at every whole unit, if gitterAn is set.
void ZeichneGitter(TMalflaeche& leinwand);

// Draws the items in order through the foundation's primitives, in the world
// window that is set.
void Zeichne(TMalflaeche& lw, const TBild& bild);

// One item, as Zeichne draws it (the canvas is reset before it).
void ZeichneTeil(TMalflaeche& lw, const TBildTeil& teil);
