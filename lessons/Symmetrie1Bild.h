// What "Spiegeln" draws and says, computed from its state: the axis with its name, the
// marking frame and the marked dots while points are missing, then the figure,
// the construction of the step and at last the mirrored figure.
#pragma once

#include "draw/KoordU.h"
#include "draw/Bild.h"

namespace symmetrie1 {

// The marking frame: a point counts only strictly inside |x| < 19, |y| < 9.
constexpr float rahmenX = 19;
constexpr float rahmenY = 9;
constexpr int letzterSchritt = 4;

// The drawing for a figure of `anzahl` points of which `markiert` are marked,
// in punkte[1..anzahl] (punkte[1..5] are looked at for dots), at step
// `schritt`: the figure in `figurFarbe`, its image in `bildFarbe`.
TBild Symmetrie1Bild(int anzahl, const TMarkierPunkt* punkte, int markiert, bool alleMarkiert, int schritt,
                     TFarbe figurFarbe, TFarbe bildFarbe);

// The instruction shown at a step.
std::string Anleitung(int schritt);
// What the drawing shows, for a screen reader: the axis, the marked points,
// the construction of the step and the mirrored points.
std::string Beschreibung(int anzahl, const TMarkierPunkt* punkte, int markiert, int schritt);

} // namespace symmetrie1
