// What the kinds-of-angles window draws and says, computed from its state:
// the kind of an angle, its measure in degrees, minutes and seconds, the
// drawings as pictures and their spoken description.
#pragma once

#include "draw/Bild.h"

#include <string>

// A kind of angle: its name and the colour it is drawn in.
struct TWinkelArt {
    std::string text;
    TFarbe farbe;
};

// The kind of a whole-degree angle 0..360.
TWinkelArt WinkelArtGanz(int grad);
// The kind of an angle on the exact value, without tolerance: only 90.0 itself is right.
TWinkelArt WinkelArtGenau(float grad);

// Splits an angle into degrees, minutes and seconds, each truncated.
void GradInGMS(float winkel, int& grad, int& minuten, int& sekunden);
// "45° 30' 0''"
std::string GMSText(float winkel);

// What an angle drawing shows, for a screen reader: "Winkel von 45° – spitzer
// Winkel", with the measure as the pupil sees it and the kind as the drawing names it.
std::string WinkelBeschreibung(const std::string& mass, const TWinkelArt& art);

// The drawings: the angle at the vertex s between the leg to `fest` and the
// leg to `frei`, its arc and the name of its kind at the top. The left one
// shows a whole-degree angle, the right one an angle as dragged.
TBild Winkel1BildLinks(int grad, TWeltPunkt s, TWeltPunkt fest, TWeltPunkt frei);
TBild Winkel1BildRechts(float grad, TWeltPunkt s, TWeltPunkt fest, TWeltPunkt frei);
