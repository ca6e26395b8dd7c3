// "Symmetralen" as a model: on the left the perpendicular bisector of a
// clicked segment AB, on the right the bisector of a clicked angle, each
// constructed step by step with compass and ruler.
#pragma once

#include "lessons/Lektion.h"
#include "lessons/Symmetrie2Bild.h"

#include <optional>
#include <string>

namespace symmetrie2 {

// The two constructions, each in the drawing area of its index.
enum TSeitenNr { strecke = 0, winkel = 1 };

// The state of one construction.
struct TSeite {
    // From [1]: A and B; or the point on the first leg, the vertex, the point on the second leg.
    TMarkierPunkt punkte[4]{};
    int markiert = 0;
    int Schritt = 0;
    int anleitung = -1; // the step whose instruction shows; -1: the request to mark
};

struct TZustand {
    TSeite seiten[2];
};

// What an input gives: the new state, or the state as it was and a message.
struct TErgebnis {
    TZustand zustand;
    std::optional<std::string> meldung;
};

// The rules, as pure functions of the state; `seite` is strecke or winkel.
TErgebnis Markiert(TZustand z, int seite, TWeltPunkt p);
TZustand SchrittGewaehlt(TZustand z, int seite, int schritt);
TZustand NeuerVersuch(TZustand z, int seite);
std::string AnweisungIn(const TZustand& z, int seite);

class TSymmetrie2 : public lektion::TLektion {
public:
    TZustand zustand;

    const lektion::TLayout& Layout() const override;
    void Aktiviere(unsigned keim) override;
    void Zeiger(int bereich, lektion::TZeigerArt art, TWeltPunkt p) override;
    void Geaendert(int steuer, int wert) override;
    lektion::TSteuerZustand Steuerzustand(int steuer) const override;
    std::string Titel(int bereich) const override;
    std::string Anweisung(int bereich) const override;
    TBild Bild(int bereich) const override;
    std::string Beschreibung(int bereich) const override;
    std::optional<int> Schritt() const override;
    std::string ZeigerOrt(int bereich, TWeltPunkt p) const override;
};

} // namespace symmetrie2
