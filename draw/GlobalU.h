// The palette, the variables several windows share, the conversion of whole
// points in the program-wide world window, the line styles, and the points
// that labels and marks are placed at.
#pragma once

#include "draw/Stil.h"

#include <string>

// The palette's colours; a lesson's model draws with these.
namespace palette {
constexpr TFarbe himbeer = RGB(255, 0, 102);
constexpr TFarbe violett = RGB(102, 51, 255);
constexpr TFarbe braun = RGB(153, 102, 51);
constexpr TFarbe meergruen = RGB(51, 204, 153);
constexpr TFarbe lila = RGB(153, 0, 153);
constexpr TFarbe oliv = RGB(102, 153, 51);
constexpr TFarbe orange = RGB(255, 102, 0);
constexpr TFarbe magenta = RGB(204, 51, 153);
constexpr TFarbe himmelblau = RGB(0, 204, 255);
} // namespace palette

// Palette, set by SetzeFarben.
extern TFarbe farbeHimbeer, farbeViolett, farbeBraun, farbeMeergruen, farbeLila,
    farbeOliv, farbeOrange, farbeMagenta, farbeHimmelblau;

// Shared between the windows.
extern bool maximiert;         // the screen is exactly 1024 x 768: windows open maximised
extern TFarbe linienFarbe1;    // construction lines of the symmetry lessons
extern TFarbe linienFarbe2;    // the mirrored figure / results

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

// Point computations.
void NormalVersatz(float p1x, float p1y, float p2x, float p2y, float qx, float qy, float d,
                   float& x, float& y);
void WinkelMitte(float cx, float cy, float r, float startWinkel, float endWinkel,
                 float& x, float& y);
void WinkelNamenPunkt(float bx, float by, float p1x, float p1y, float p2x, float p2y,
                      float q1x, float q1y, float q2x, float q2y, float& x, float& y);

// A number in fixed-point with the decimal comma ("49,40"), as shown to the pupil.
std::string ZahlText(float wert, int stellen);
