// Polar and cartesian coordinates; angles in degrees, counter-clockwise from
// the positive x axis, y growing upwards.
#pragma once

#include "draw/KoordU.h"

void PolarZuKartesisch(float winkel, float r, float& x, float& y);

// Direction of the vector in degrees, 0 <= result < 360. The zero vector has no
// direction; it gives 0.
float Richtungswinkel(float vx, float vy);

// The same on world points, as values.

// m + the vector of length r in direction `winkel`.
TWeltPunkt Polar(TWeltPunkt m, float winkel, float r);
// Direction of the vector from p to q, 0 <= result < 360.
float Richtung(TWeltPunkt p, TWeltPunkt q);
