// Plane vector arithmetic on single-precision points. Each routine computes in
// extended precision and rounds every result to float.
#pragma once

#include "draw/KoordU.h"

float Skalarprodukt(float ax, float ay, float bx, float by);
// ax*by - ay*bx: not below 0 when b lies counter-clockwise from a by at most 180 degrees.
float Kreuzprodukt(float ax, float ay, float bx, float by);
// Angle between a and b in degrees, 0..180; 0 when either vector is zero.
float Zwischenwinkel(float ax, float ay, float bx, float by);
// The vector from P1 to P2.
void Differenz(float x1, float y1, float x2, float y2, float& x, float& y);
float Abstand(float x1, float y1, float x2, float y2);
float Laenge(float vx, float vy);
void Summe(float ax, float ay, float bx, float by, float& x, float& y);
void Skalieren(float faktor, float vx, float vy, float& x, float& y);
void Mitte(float x1, float y1, float x2, float y2, float& x, float& y);
// Unit vector; the zero vector leaves the outputs unchanged and gives false.
bool Normieren(float vx, float vy, float& x, float& y);
// P + faktor * unit(v); false (and nothing written) for the zero vector.
bool VersetztUm(float px, float py, float vx, float vy, float faktor, float& x, float& y);
// (vy, -vx): the vector turned clockwise by a right angle.
void Normale(float vx, float vy, float& x, float& y);
// Normieren(a) + Normieren(b): the direction of the bisector of a and b.
void Halbierende(float ax, float ay, float bx, float by, float& x, float& y);
// Meeting point of the line through p with normal u and the line through q with
// normal w; parallel lines leave the outputs unchanged and give false.
bool Schnittpunkt(float px, float py, float ux, float uy, float qx, float qy, float wx, float wy,
                  float& x, float& y);
// P2 + d * unit(P2 - P1): the point on line P1P2 at distance d beyond P2.
void PunktImAbstand(float x1, float y1, float x2, float y2, float d, float& x, float& y);

// The same on world points, as values.

// The vector from p to q (Differenz).
TWeltPunkt Von(TWeltPunkt p, TWeltPunkt q);
// The midpoint of pq (Mitte).
TWeltPunkt Mittelpunkt(TWeltPunkt p, TWeltPunkt q);
// The point `abstand` beyond q on the ray from p through q (PunktImAbstand).
TWeltPunkt Weiter(TWeltPunkt p, TWeltPunkt q, float abstand);
// p + (dx, dy), added in extended precision and rounded once (as Summe does).
TWeltPunkt Versetzt(TWeltPunkt p, long double dx, long double dy);
float Abstand(TWeltPunkt p, TWeltPunkt q);
