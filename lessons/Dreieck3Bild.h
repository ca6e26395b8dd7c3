// What the dynamic triangle (dreieck3::TDreieck3) shows, computed from its state:
// the triangle with the special lines the pupil switched on and their centres
// (mode "Schnittpunkte"), and the triangle in the circle over a diameter with
// its angles (mode "Thaleskreis"), and the legends below the check boxes. The
// window draws these pictures and nothing else. Whatever a degenerate triangle
// leaves undefined is left out.
#pragma once

#include "draw/Bild.h"
#include "draw/KoordU.h"

#include <string>
#include <optional>

// The drawing area shows 80 x 54 units, 10 pixels each.
constexpr TWeltRechteck weltDreieck3{-40.0f, 40.0f, -27.0f, 27.0f};
// A legend below a group's check boxes: 180 x 40 pixels for 18 x 2 units.
constexpr TWeltRechteck weltLegende{0.0f, 18.0f, -1.0f, 1.0f};

// Which lines the check boxes switch on.
struct TLinienWahl {
    bool zeigeHa = false, zeigeHb = false, zeigeHc = false;    // heights from A, B, C
    bool zeigeSab = false, zeigeSac = false, zeigeSbc = false; // perpendicular bisectors of AB, AC, BC
    bool zeigeWa = false, zeigeWb = false, zeigeWc = false;    // angle bisectors at A, B, C
    bool zeigeSa = false, zeigeSb = false, zeigeSc = false;    // medians from A, B, C
    bool zeigeEuler = false;
    bool operator==(const TLinienWahl&) const = default;
};

// At least two of the three.
bool ZweiVonDrei(bool a, bool b, bool c);
// The Euler line may be switched on: two heights, two perpendicular bisectors
// and two medians are shown (the angle bisectors play no part).
bool EulerMoeglich(const TLinienWahl& wahl);

// Smallest distance between two vertices, and how far a vertex that came
// closer is put back.
constexpr float kleinsterAbstand = 4.0f;
constexpr float abstossenAB = 4.2f; // A away from B
constexpr float abstossen = 4.1f;   // every other pair

// Moves a dragged vertex to the pointer. If it already stands closer than
// `kleinsterAbstand` to `erste` (or then to `zweite`), it is put back on the
// ray from that vertex through its position at the given distance instead,
// and the result is false: the drag ends there. With a `feld` the vertex is
// never put back outside it nor closer to the other neighbour: where the ray
// leads there, the nearest allowed point at that distance is taken.
bool ZieheEcke(TWeltPunkt& ecke, TWeltPunkt zeiger, TWeltPunkt erste, float abstand1, TWeltPunkt zweite,
               float abstand2, const TWeltRechteck* feld = nullptr);

// The point at distance `abstand` from `mitte` in the direction `winkel`
// (degrees), or, where that lies outside `feld` or closer than
// `kleinsterAbstand` to `meiden`, the allowed point at that distance whose
// direction is nearest to it. Where no direction is allowed (a corner with the
// other vertex in it), the distance grows by half units until one is.
TWeltPunkt AbstandImFeld(TWeltPunkt mitte, float winkel, float abstand, const TWeltRechteck& feld,
                         TWeltPunkt meiden);

// Side midpoints, feet of the heights and the centres of a triangle. Feet of a
// side without length and the centres of a flat triangle stay empty.
struct TDreieckPunkte {
    TWeltPunkt Ma, Mb, Mc;              // midpoints of BC, AC, AB
    std::optional<TWeltPunkt> Fa, Fb, Fc; // feet of the heights on BC, AC, AB
    std::optional<TWeltPunkt> H, U, I;  // orthocentre, circumcentre, incentre
    TWeltPunkt S;                       // centroid, always defined
};
TDreieckPunkte BerechneDreieckPunkte(TWeltPunkt A, TWeltPunkt B, TWeltPunkt C);

// The picture of mode "Schnittpunkte", in drawing order: the sides, the names of the
// vertices and sides, the Euler line, then the heights, perpendicular
// bisectors, angle bisectors and medians, each family followed by the letter
// of its centre once two of its lines are shown and the centre lies in the
// drawing.
TBild SchnittpunktBild(TWeltPunkt A, TWeltPunkt B, TWeltPunkt C, const TLinienWahl& wahl);

// Mode "Thaleskreis": A and B on a diameter of the circle about M = (0, 0).
constexpr float thalesRadius = 24.0f;
constexpr float thalesNamenRadius = 25.5f;
constexpr TWeltPunkt thalesM{0.0f, 0.0f};
constexpr TWeltPunkt thalesA{-24.0f, 0.0f};
constexpr TWeltPunkt thalesB{24.0f, 0.0f};

// Where C stands when the mode opens: the line from A at 30 degrees meets the
// circle again at the point of 60 degrees.
TWeltPunkt ThalesStartC();

// The picture of mode "Thaleskreis": the dotted circle, and while C lies off the diameter
// (not at 0, 180 or 360 degrees) the half circle on C's side, the radius MC
// with its boxed "r" and the name of C. Then the triangle with M, A and B
// named; off the diameter also the angle marks, the side through a near
// vertex carried on past it, and the table of the angles.
TBild ThalesBild(int winkelBMC, TWeltPunkt C, TWeltPunkt beschriftungC);

// A legend's three labels, "!" subscripts or (griechisch) "*" Greek letters
// set low, each centred on its place in the legend's world window `welt` by
// the width it is drawn with, but never left of the pixel column `frei`: the
// check box on its left lies above the legend and would hide it.
TBild LegendenBild(const std::string (&texte)[3], bool griechisch, const int (&frei)[3], const TWeltfenster& welt);

// An angle of the table: two decimals, decimal comma, at least five
// characters with a leading zero, and the degree sign ("05,00°", "45,25°").
std::string TabellenWinkel(float grad);

// What the drawing shows, for a screen reader. Mode "Schnittpunkte": the
// triangle, the lines switched on and the centres they meet in, with
// coordinates; mode "Thaleskreis": the circle, C and the table of angles.
std::string SchnittpunktBeschreibung(TWeltPunkt A, TWeltPunkt B, TWeltPunkt C, const TLinienWahl& wahl);
std::string ThalesBeschreibung(int winkelBMC, TWeltPunkt C);
