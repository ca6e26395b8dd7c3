// What the angle-pairs window draws and says, computed from its state: where
// the slanted segment crosses the line(s), which angles its drawings mark,
// the panels' values, the drawings as pictures and their spoken description.
#pragma once

#include "draw/Bild.h"

#include <string>
#include <optional>
#include <vector>

// Where the slanted segment crosses the line(s), and its angle.
struct TKreuzung {
    float sX = 0.0f, sY = 0.0f;    // with the line y = height (mode 1)
    float s1X = 0.0f, s1Y = 3.0f;  // with the upper parallel y = 3
    float s2X = 0.0f, s2Y = -3.0f; // with the lower parallel y = -3
    float alpha = 0.0f;            // between the line's right half and the segment's upper half
    float beta = 180.0f;           // 180 - alpha
};

// Updates the crossings of the segment from (ux, uy) to (ox, oy). A horizontal
// segment meets no line; its crossings stay where they were.
void BerechneKreuzung(float ux, float uy, float ox, float oy, float hoehe, TKreuzung& k);

// One angle mark: arc about (cx, cy) counter-clockwise from `von` to `bis`.
struct TWinkelBogen {
    float cx, cy, von, bis;
    TFarbe farbe;
};

// What a panel shows: a value and the colour of its arc.
struct TPanelWert {
    float wert;
    TFarbe farbe;
};

// The angles a drawing marks: its arcs and what its two panels show (panels
// without a value keep their last caption).
struct TWinkelMarken {
    std::vector<TWinkelBogen> boegen;
    std::optional<TPanelWert> panel1, panel2;
};

// The marks of the left and the right drawing for mode, variant and step.
TWinkelMarken LinkeMarken(int modus, int variante, int schritt, const TKreuzung& k);
TWinkelMarken RechteMarken(int modus, int variante, int schritt, const TKreuzung& k);

// "49,40°"
std::string PanelText(float wert);
// "brauner", "grüner", "oranger" or "hellblauer": how a reader hears an arc's colour.
std::string Farbname(TFarbe f);

// A drawing: the line at `hoehe` (mode 1) or the two parallels (mode 2), the
// slanted segment from `unten` to `oben`, the names of the crossings and the
// arcs of `marken`.
TBild Winkel3Bild(int modus, TWeltPunkt unten, TWeltPunkt oben, float hoehe, const TKreuzung& k,
                  const TWinkelMarken& marken);

// What a drawing shows, for a screen reader: the line(s), the crossing(s) and
// every marked angle with its place, colour and size as the panels show it.
std::string Winkel3Beschreibung(int modus, const TKreuzung& k, const TWinkelMarken& marken);
