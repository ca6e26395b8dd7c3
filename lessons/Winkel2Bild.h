// What the angle-transfer window draws and says, computed from its state: the
// result angle, the instruction of each step, the construction as a picture
// and its spoken description.
#pragma once

#include "draw/Bild.h"

#include <string>

// The result angle: the sum (art 1) or the difference (art 2) of the two angles.
int Winkel2Ergebnis(int art, int winkelEins, int winkelZwei);

// The instruction for a step of the construction; R is the result angle.
std::string Winkel2Anweisung(int schritt, int art, int ergebnis);

// What the construction drawing shows at a step, for a screen reader: both
// angles, what has been drawn so far and, at the end, the result.
std::string Winkel2Beschreibung(int schritt, int art, int winkelEins, int winkelZwei);

// One angle as drawn: its vertex and the ends of its fixed and its free leg.
struct TWinkelFigur {
    TWeltPunkt s, fest, frei;
};

// The construction at a step: angle 1 (`eins`, drawn on the right) taken off
// with the compass and marked off on the arc about angle 2's vertex, until
// the result angle stands on angle 2.
TBild Winkel2Bild(int schritt, int art, int winkelEins, int winkelZwei, float schenkelRadius,
                  const TWinkelFigur& eins, const TWinkelFigur& zwei);
