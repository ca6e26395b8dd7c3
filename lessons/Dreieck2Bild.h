// What "Besondere Eigenschaften" (lessons/Dreieck2Modell) shows, computed
// from its state: the triangle, the special lines of the chosen
// topic up to the current step with their marks and labels, the instruction of
// the step, and the random triangles of the repeat button.
#pragma once

#include "draw/Bild.h"

#include <string>

namespace dreieck2 {

using TPunkt = TWeltPunkt;

// AB horizontal with A left of B, C above: the vertices run counter-clockwise.
struct TDreieck {
    TPunkt A, B, C;
    bool operator==(const TDreieck&) const = default;
};

// The topics, numbered as the menu lists them.
constexpr int hoehen = 1;
constexpr int seitensymmetralen = 2;
constexpr int winkelsymmetralen = 3;
constexpr int schwerlinien = 4;

// The last step of each topic (index 1..4).
constexpr int schritteJeEigenschaft[5] = {0, 4, 5, 5, 4};

// The title of a topic, and its colour (title, lines and centre label).
std::string Titel(int eigenschaft);
TFarbe Farbe(int eigenschaft);

// The triangle a window opens with.
constexpr TDreieck startDreieck{{-14, -10}, {14, -10}, {-6, 14}};

// The drawing area: 1000 x 480 pixels showing x from -40 to 40 and y from -20 to 20.
constexpr int grafikBreite = 1000;
constexpr int grafikHoehe = 480;
constexpr TWeltRechteck weltGrafik{-40, 40, -20, 20};

// ---------------------------------------------------------------------------
// Geometry.

// Feet of the heights: F_c on AB from C, F_a on BC from A, F_b on AC from B.
// False (outputs unchanged) for a degenerate triangle.
bool Hoehenfusspunkte(const TDreieck& d, TPunkt& fc, TPunkt& fa, TPunkt& fb);
// Where the incircle about I touches AB, BC and AC: the feet of the
// perpendiculars from I.
bool Beruehrpunkte(const TDreieck& d, TPunkt i, TPunkt& tab, TPunkt& tbc, TPunkt& tac);

// The drawing for a topic at a step (0 .. its last step) with the angle marks
// and the line labels switched on or off. Step 0 is the triangle with its
// vertex and side names; each step adds its lines. A triangle without centres
// (its vertices on one line) shows step 0 only: nothing is drawn from a failed
// intersection.
TBild SchrittBild(int eigenschaft, int schritt, bool winkelAn, bool beschriftungAn, const TDreieck& d);

// The instruction of a step: one or two lines of text in the instruction
// panel's world (x -20..20, y -2..2), navy, size 12.
TBild Anweisung(int eigenschaft, int schritt);

// What the drawing shows at a step, for a screen reader: the triangle with its
// vertices, the topic, the step's instruction, what is switched on, the labels
// drawn and the centre with its coordinates once it is drawn.
std::string SchrittBeschreibung(int eigenschaft, int schritt, int maxSchritt, bool winkelAn, bool beschriftungAn,
                            const TDreieck& d);
// The instruction of a step as one plain sentence.
std::string AnweisungsText(int eigenschaft, int schritt);

// ---------------------------------------------------------------------------
// Random triangles for the repeat button.

// The acceptance test of a topic's rule: AB and AC longer than 20, for the
// heights the orthocentre strictly between y = -18 and y = 18, and no two
// labels of the topic's steps on each other, whatever the switches.
bool DreieckZulaessig(int eigenschaft, const TDreieck& d);
// True when no two labels of the topic's last step share a pixel, with each
// of the four settings of the switches (every step only adds to the one
// before, so the last step holds every label).
bool BeschriftungenFrei(int eigenschaft, const TDreieck& d);
// One whole-number triangle by the topic's rule, accepted or not.
TDreieck ZufallsKandidat(int eigenschaft);
// Draws whole-number triangles by the topic's rule from the program's random
// generator until one is accepted. The generator is not seeded here.
TDreieck ZufallsDreieck(int eigenschaft);

} // namespace dreieck2
