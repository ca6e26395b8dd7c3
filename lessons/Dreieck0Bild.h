// What "Einteilung der Dreiecke" shows, computed from its state: the texts of
// a classification, the pictures of a triangle box and of a text box, and what
// they show for a screen reader.
#pragma once

#include "draw/Bild.h"
#include "lessons/Dreieck0Erzeuger.h"

#include <string>

namespace dreieck0 {

// The two classifications, as `Einteilung` holds them.
constexpr int einteilungSeiten = 1;
constexpr int einteilungWinkel = 2;

// What changes with the classification.
struct TEinteilungsTexte {
    std::string titel;
    TFarbe farbe;
    std::string arten[3];          // the panels above the boxes
    std::string ueberschriften[3]; // the headlines of the text boxes
};
const TEinteilungsTexte& Texte(int einteilung);

// The point of a side's label, chosen by the text's first character ("a" BC,
// "b" CA, "c" AB), `abstand` from the side's midpoint on its right-hand normal:
// outside the triangle, since A, B, C run counter-clockwise.
TWeltPunkt SeitenPunkt(const std::string& text, const TDreieck& d, float abstand);

// Triangle box 1..3 in the given classification: the sides, the vertex names
// "C", "B", "A", the side labels of a, b, c, and by angles the Greek names and
// the arcs. `spitze` matters for the isosceles box.
TBild DreieckBild(int box, int einteilung, int spitze, const TDreieck& d);
// Text box 1..3: the headline and three values in a row.
TBild TextBild(int box, int einteilung, const TDreieckMasse& m);

// What a triangle box and its text box show, for a screen reader:
// "Ungleichseitiges Dreieck ABC: AB = 22, BC = 17, AC = 23".
std::string DreieckBeschreibung(int box, int einteilung, const TDreieckMasse& m);
std::string TextBeschreibung(int box, int einteilung, const TDreieckMasse& m);

} // namespace dreieck0
