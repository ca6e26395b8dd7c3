// Polar and cartesian coordinates; angles in degrees, counter-clockwise from
// the positive x axis, y growing upwards.
#pragma once

void PolarZuKartesisch(float winkel, float r, float& x, float& y);

// Direction of the vector in degrees, 0 <= result < 360. The zero vector has no
// direction; it gives 0.
float Richtungswinkel(float vx, float vy);
