// What the window "Symmetralen" shows and says, computed from its state: the
// instructions of both constructions, their compass radii, the two drawings as
// pictures and their spoken descriptions.
#pragma once

#include "draw/KoordU.h"
#include "draw/Bild.h"

#include <string>

namespace symmetrie2 {

// Clicked points must lie strictly inside -rahmen..rahmen in x and y.
constexpr float rahmen = 5;

} // namespace symmetrie2

// The instructions of the two constructions at a step (the left one has steps
// 0..3, the right one 0..4); step 0, and any step beyond the last, asks to go
// through the construction step by step.
std::string StreckenAnleitung(int schritt);
std::string WinkelAnleitung(int schritt);

// The compass radius about A and B: more than half of AB, so the two arcs meet.
float StreckenRadius(const TMarkierPunkt& a, const TMarkierPunkt& b);
// The compass radius about the vertex V: a whole number of units, three
// quarters of the shorter leg rounded down.
float WinkelRadius(const TMarkierPunkt& p1, const TMarkierPunkt& v, const TMarkierPunkt& p3);

// The left drawing: the dotted frame and the marked dots while points are
// missing; once A = punkte[1] and B = punkte[2] are marked, the segment AB and
// its construction up to `schritt` with compass radius `radius`. Dots are
// filled with `punktFarbe`.
TBild StreckensymmetraleBild(const TMarkierPunkt* punkte, int markiert, int schritt, float radius,
                             TFarbe punktFarbe);
// The right drawing: frame and dots while points are missing; once the angle
// (punkte[1] on the first leg, the vertex punkte[2], punkte[3] on the second
// leg) is marked, its legs and the construction up to `schritt`.
TBild WinkelsymmetraleBild(const TMarkierPunkt* punkte, int markiert, int schritt, TFarbe punktFarbe);

// What the drawings show, for a screen reader: the marked points or the
// finished segment / angle, and the construction up to the step.
std::string StreckenBeschreibung(const TMarkierPunkt* punkte, int markiert, int schritt);
std::string WinkelBeschreibung(const TMarkierPunkt* punkte, int markiert, int schritt);
