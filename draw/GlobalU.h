// The palette, the variables several windows share, the conversion of whole
// points, and the drawing primitives that put world figures onto a canvas.
#pragma once

#include "draw/Leinwand.h"

#include <QString>

// Palette, set by SetzeFarben.
extern TFarbe farbeHimbeer, farbeViolett, farbeBraun, farbeMeergruen, farbeLila,
    farbeOliv, farbeOrange, farbeMagenta, farbeHimmelblau;

// Shared between the windows.
extern bool maximiert;         // the screen is exactly 1024 x 768: windows open maximised
extern TFarbe linienFarbe1;    // construction lines of the symmetry lessons
extern TFarbe linienFarbe2;    // the mirrored figure / results
extern int rahmenHoehe;        // outer minus client height of an angle window

void SetzeFarben(int unbenutzt = 0);

// World point to pixel, rounded to nearest (ties to even).
void WeltZuPixel(float x, float y, int& px, int& py);
void PixelZuWelt(int px, int py, float& x, float& y);

// Value given to Kreis for an outline without filling.
constexpr int keineFuellung = -1;

// Line styles of Strecke and Rechteck (Rechteck knows solid and dotted only).
constexpr int linieVoll = 1;
constexpr int liniePunktiert = 2;
constexpr int linieStrichPunkt = 3;
constexpr int linieWieBisher = 4; // keeps whatever style the pen has
// Styles of DickeStrecke, whose geometric pen counts from 0.
constexpr int dickVoll = 0;
constexpr int dickGestrichelt = 1;
constexpr int dickPunktiert = 2;
constexpr int dickStrichPunkt = 3;

// Segment; style 1 solid, 2 dotted, 3 dash-dot, anything else keeps the pen style.
void Strecke(Leinwand& lw, int breite, TFarbe farbe, float x1, float y1, float x2, float y2, int stil);
// Segment with a geometric pen with square ends; style 0 solid, 1 dashed, 2 dotted, 3 dash-dot.
void DickeStrecke(Leinwand& lw, int breite, TFarbe farbe, float x1, float y1, float x2, float y2, int stil);
// Axis-parallel outline; style 1 solid, anything else dotted.
void Rechteck(Leinwand& lw, int breite, TFarbe farbe, float x1, float y1, float x2, float y2, int stil);
// Horizontal line with heads: 'B' both ends, 'L' at x1, 'R' at x2.
void Doppelpfeil(Leinwand& lw, int breite, TFarbe farbe, float x1, float x2, float y, char art);
// Circle of radius r (horizontal scale); fuellung < 0 leaves the inside untouched.
void Kreis(Leinwand& lw, int breite, TFarbe farbe, float x, float y, float radius, int fuellung);
void PunktKreis(Leinwand& lw, int breite, TFarbe farbe, float x, float y, float radius);
// Arc counter-clockwise from startWinkel to endWinkel; equal rays give the whole circle.
void Bogen(Leinwand& lw, int breite, TFarbe farbe, float cx, float cy, float r,
           float startWinkel, float endWinkel);
// Right-angle mark at (cx, cy) beside the leg (vx, vy): 'L' on its left, 'R' beyond.
void RechterWinkel(Leinwand& lw, int breite, TFarbe farbe, float vx, float vy,
                   float cx, float cy, float r, char art);

// Labels, bold, size 12, centred on the computed point.
void StreckenName(Leinwand& lw, const QString& text, TFarbe farbe, float x1, float y1, float x2, float y2);
void EckenNameVor(Leinwand& lw, const QString& text, TFarbe farbe, float px, float py, float qx, float qy,
                  float abstand);
void EckenNameNach(Leinwand& lw, const QString& text, TFarbe farbe, float px, float py, float qx, float qy,
                   float abstand);
void SeitenName(Leinwand& lw, const QString& text, TFarbe farbe, float ax, float ay, float bx, float by,
                float cx, float cy, float abstand);

// Point computations.
void NormalVersatz(float p1x, float p1y, float p2x, float p2y, float qx, float qy, float d,
                   float& x, float& y);
void WinkelMitte(Leinwand& lw, float cx, float cy, float r, float startWinkel, float endWinkel,
                 float& x, float& y);
void WinkelNamenPunkt(float bx, float by, float p1x, float p1y, float p2x, float p2y,
                      float q1x, float q1y, float q2x, float q2y, float& x, float& y);

// A fraction label such as a half angle: Greek numerator, bar, denominator.
void Bruch(Leinwand& lw, const QString& zaehler, const QString& nenner, bool fett, int groesse,
           TFarbe farbe, float x, float y);

// A number in fixed-point with the decimal comma ("49,40"), as shown to the pupil.
QString ZahlText(float wert, int stellen);
