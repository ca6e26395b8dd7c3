// "Einteilung der Dreiecke" as a model: three random triangles of the kinds
// of one classification (by sides or by angles), their measures, and a new
// triangle per box on request.
#pragma once

#include "lessons/Dreieck0Bild.h"
#include "lessons/Dreieck0Erzeuger.h"
#include "lessons/Lektion.h"

namespace dreieck0 {

// Box k (1..3) uses index k - 1.
struct TZustand {
    int Einteilung = einteilungSeiten;
    TDreieck SeitenDreieck[3]{}; // scalene, isosceles, equilateral
    TDreieck WinkelDreieck[3]{}; // acute, obtuse, right
    TDreieckMasse DreieckMasse[3]{};
    int Spitze = spitzeC; // apex of the isosceles triangle

    // The triangle box k shows in the current classification.
    const TDreieck& Dreieck(int box) const;
};

// The rules. Each new triangle is drawn from the program's random generator.
// Titles, kind panels and three new triangles of a classification:
void SetzeEinteilung(TZustand& z, int einteilung);
// A new random triangle for box k in the current classification:
void NeuesDreieck(TZustand& z, int box);

class TDreieck0 : public lektion::TLektion {
public:
    TZustand zustand;

    // Areas: the title (0), the triangle boxes (1..3) and their text boxes (4..6).
    static constexpr int titelBereich = 0, ersteGrafik = 1, ersterText = 4;

    const lektion::TLayout& Layout() const override;
    // Seeds the program's random generator with `keim` and starts by sides.
    void Aktiviere(unsigned keim) override;
    void Zeiger(int, lektion::TZeigerArt, TWeltPunkt) override {}
    void Geaendert(int steuer, int wert) override;
    void Menue(int punkt) override;
    lektion::TSteuerZustand Steuerzustand(int steuer) const override;
    std::string Titel(int bereich) const override;
    std::string Anweisung(int) const override { return {}; }
    TBild Bild(int bereich) const override;
    std::string Beschreibung(int bereich) const override;
    std::optional<int> Schritt() const override { return std::nullopt; }

    // Handlers: a menu item (0 by sides, 1 by angles), a box's button (1..3).
    void menArtClick(int punkt);
    void btnGrafikClick(int box);
};

} // namespace dreieck0
