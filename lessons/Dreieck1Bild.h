// What "Dreieckskonstruktionen" computes: the random triangles, the
// instruction of every step, and the pictures of the construction at a step
// and of the instruction below it.
#pragma once

#include "draw/Bild.h"
#include "draw/KoordU.h"

#include <string>

namespace dreieck1 {

// The theorems, in the order of their menu items.
constexpr int satzSSS = 1;
constexpr int satzWSW = 2;
constexpr int satzSWS = 3;
constexpr int satzSsW = 4;

using TPunkt = TWeltPunkt;

// Side c = AB is horizontal, C lies above it: A, B, C run counter-clockwise.
struct TDreieck {
    TPunkt A, B, C;
    bool operator==(const TDreieck&) const = default;
};

// ---------------------------------------------------------------- random triangles

// One draw from the program's generator: A, B and C with whole coordinates,
// C.y from 4 to 9, or from 1 to 5 for the triangle a newly opened window shows.
TDreieck ZieheEinmal(bool startDreieck = false);
// Whether a drawn triangle serves the theorem. SsW with one solution needs
// a = |BC| > c = |AB|; with two solutions a < c, and the line AC must cut the
// circle about B of radius a twice (not touch it at C).
bool PasstZumSatz(const TDreieck& d, int satz, int loesungen);
// Draws until the triangle serves the theorem.
TDreieck ZieheDreieck(int satz, int loesungen);

// ---------------------------------------------------------------- instructions

// The sentence shown at a step (marked-up text: "~a" alpha, "C!1" C with index 1).
std::string Anweisung(int satz, int schritt, int loesungen);

// ---------------------------------------------------------------- the picture

// Which sides and angles the sketch marks as given.
struct TGegeben {
    bool a = false, b = false, c = false;
    bool alpha = false, beta = false, gamma = false;
};

// The fixed reference sketch in the upper left corner; given parts in red.
TBild SkizzenBild(const TGegeben& gegeben);

// The construction of a theorem at a step on the triangle: the sketch, the
// given parts, side c, and every later step's lines, arcs and labels. Most
// construction lines are left out of the finished picture (the last step) and
// come back when the pupil steps back.
TBild KonstruktionsBild(int satz, int loesungen, int schritt, const TDreieck& d);

// The instruction of a step in navy, centred on the status area (40 x 4 units).
TBild AnweisungsBild(int satz, int schritt, int loesungen);

// What the construction drawing shows at a step, for a screen reader: the
// instruction, the sketch with its given parts, the labels drawn and the
// vertices with their coordinates.
std::string KonstruktionsBeschreibung(int satz, int loesungen, int schritt, int maxSchritt, const TDreieck& d);

// Where an angle's name goes for an arc about m of radius r from `von` to
// `bis`: on the bisector, at 0.8 r for an angle below 60 degrees, else at 0.5 r.
TPunkt WinkelNamenStelle(TPunkt m, float r, float von, float bis);

// The second point C₂ where the line from C through A cuts the circle about B
// through C; false where the line only touches the circle (or misses it).
bool ZweiterEckpunkt(const TDreieck& d, TPunkt& c2);

} // namespace dreieck1
