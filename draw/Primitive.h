// The drawing primitives that put world figures onto a canvas, in the
// program-wide world window: segments, circles, arcs, marks and labels.
#pragma once

#include "draw/GlobalU.h"
#include "draw/Malflaeche.h"

#include <string_view>

// Segment; style 1 solid, 2 dotted, 3 dash-dot, anything else keeps the pen style.
void Strecke(TMalflaeche& lw, int breite, TFarbe farbe, float x1, float y1, float x2, float y2, int stil);
// Segment with a geometric pen with square ends; style 0 solid, 1 dashed, 2 dotted, 3 dash-dot.
void DickeStrecke(TMalflaeche& lw, int breite, TFarbe farbe, float x1, float y1, float x2, float y2, int stil);
// Axis-parallel outline; style 1 solid, anything else dotted.
void Rechteck(TMalflaeche& lw, int breite, TFarbe farbe, float x1, float y1, float x2, float y2, int stil);
// Horizontal line with heads: 'B' both ends, 'L' at x1, 'R' at x2.
void Doppelpfeil(TMalflaeche& lw, int breite, TFarbe farbe, float x1, float x2, float y, char art);
// Circle of radius r (horizontal scale); fuellung < 0 leaves the inside untouched.
void Kreis(TMalflaeche& lw, int breite, TFarbe farbe, float x, float y, float radius, int fuellung);
void PunktKreis(TMalflaeche& lw, int breite, TFarbe farbe, float x, float y, float radius);
// Arc counter-clockwise from startWinkel to endWinkel; equal rays give the whole circle.
void Bogen(TMalflaeche& lw, int breite, TFarbe farbe, float cx, float cy, float r,
           float startWinkel, float endWinkel);
// Right-angle mark at (cx, cy) beside the leg (vx, vy): 'L' on its left, 'R' beyond.
void RechterWinkel(TMalflaeche& lw, int breite, TFarbe farbe, float vx, float vy,
                   float cx, float cy, float r, char art);

// Labels, bold, size 12, centred on the computed point.
void StreckenName(TMalflaeche& lw, std::string_view text, TFarbe farbe, float x1, float y1, float x2, float y2);
void EckenNameVor(TMalflaeche& lw, std::string_view text, TFarbe farbe, float px, float py, float qx, float qy,
                  float abstand);
void EckenNameNach(TMalflaeche& lw, std::string_view text, TFarbe farbe, float px, float py, float qx, float qy,
                   float abstand);
void SeitenName(TMalflaeche& lw, std::string_view text, TFarbe farbe, float ax, float ay, float bx, float by,
                float cx, float cy, float abstand);

// A fraction label such as a half angle: Greek numerator, bar, denominator.
void Bruch(TMalflaeche& lw, std::string_view zaehler, std::string_view nenner, bool fett, int groesse,
           TFarbe farbe, float x, float y);
