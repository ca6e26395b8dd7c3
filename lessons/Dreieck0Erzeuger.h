// The random triangles of "Einteilung der Dreiecke": six generators, one per
// kind, each drawing candidates with whole-number vertices from the program's
// random generator until one meets the rules of its kind. They know nothing
// of the window, so the window, the tests and the benchmark call them alike.
#pragma once

#include <cmath>

namespace dreieck0 {

// A triangle as stored: six single floats holding whole numbers.
struct TDreieck {
    float ax = 0, ay = 0, bx = 0, by = 0, cx = 0, cy = 0;
};

// What a generator measured on the triangle it accepted. Side a = BC,
// b = AC, c = AB; alpha at A, beta at B, gamma at C. The side generators
// write the lengths only and leave angles and directions as they were.
struct TDreieckMasse {
    float c = 0, a = 0, b = 0;
    float alpha = 0, beta = 0, gamma = 0;
    // Direction angles of the rays (0 <= value < 360).
    float richtungAB = 0, richtungAC = 0, richtungBC = 0, richtungBA = 0, richtungCA = 0, richtungCB = 0;
};

// Apex of an isosceles triangle, as `Spitze` holds it.
constexpr int spitzeC = 1; // legs AC and BC
constexpr int spitzeB = 2; // legs AB and BC
constexpr int spitzeA = 3; // legs AB and AC

// The vertex of the obtuse or right angle.
enum class TEcke { A, B, C };

// The whole number a text box shows for a length or an angle: the nearest,
// halves away from zero. The boxes print it, and the generators judge a
// triangle by it, so that what a pupil reads agrees with the kind's caption.
inline int GezeigteZahl(float wert) { return static_cast<int>(std::lround(wert)); }

// Every generator draws A from -13..1 x -13..1, B from -13..13 x -13..1 and C
// from -13..13 x 1..13, in this order, until A lies below and left of B, C
// above B, every side is longer than 15 and A, B, C run counter-clockwise, and
// the triangle is of its kind. Each writes the measures of what it accepted.
// The angle kinds also show three angles that add up to 180.

// Box 1 by sides: three different lengths, shown as three different numbers.
void ErzeugeUngleichseitig(TDreieck& d, TDreieckMasse& m);
// Box 2 by sides: the apex is drawn once (Random(100)), then only that case is searched.
void ErzeugeGleichschenkelig(TDreieck& d, TDreieckMasse& m, int& spitze);
// Box 3 by sides: the three lengths differ by less than 0.2.
void ErzeugeGleichseitig(TDreieck& d, TDreieckMasse& m);
// Box 1 by angles: three different lengths, every angle shown below 90.
void ErzeugeSpitzwinkelig(TDreieck& d, TDreieckMasse& m);
// Box 2 by angles: the vertex is drawn once, its angle is above 91 degrees.
void ErzeugeStumpfwinkelig(TDreieck& d, TDreieckMasse& m);
// Box 3 by angles: the vertex is drawn once, its legs are exactly perpendicular.
void ErzeugeRechtwinkelig(TDreieck& d, TDreieckMasse& m);

// The searches for one fixed case, without the draw that chooses it.
void ErzeugeGleichschenkeligMitSpitze(int spitze, TDreieck& d, TDreieckMasse& m);
void ErzeugeStumpfwinkeligBei(TEcke ecke, TDreieck& d, TDreieckMasse& m);
void ErzeugeRechtwinkeligBei(TEcke ecke, TDreieck& d, TDreieckMasse& m);

// The lengths c, a, b of the triangle's sides.
void MissSeiten(const TDreieck& d, TDreieckMasse& m);
// The directions of the six rays and the angles as their differences, not
// reduced to 0..360: for vertices running counter-clockwise, the interior angles.
void MissWinkel(const TDreieck& d, TDreieckMasse& m);

} // namespace dreieck0
