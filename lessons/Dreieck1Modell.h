// "Dreieckskonstruktionen" as a model: a triangle drawn at random is
// constructed step by step from three given parts, by one of the four
// congruence theorems (SSS, WSW, SWS, and SsW with one or two solutions),
// chosen in the menu.
#pragma once

#include "lessons/Dreieck1Bild.h"
#include "lessons/Lektion.h"

namespace dreieck1 {

struct TZustand {
    int Satz = satzSSS;
    int Schritt = 0;
    int MaxSchritt = 5;
    int Loesungen = 1;
    TPunkt A{}, B{}, C{};
    bool loesungenSichtbar = false; // the solutions group, shown for SsW
    bool loesungenFrei = true;      // and open at step 0
    bool wiederholenFrei = false;   // at the last step
};

// The rules. A new triangle is drawn from the program's random generator for
// the current theorem and solutions, never the one shown before.
void NeuesDreieck(TZustand& z);
void SatzGewaehlt(TZustand& z, int satz);
void SchrittGewaehlt(TZustand& z, int schritt);
void LoesungenGewaehlt(TZustand& z, int loesungen);
void Wiederholt(TZustand& z);

class TDreieck1 : public lektion::TLektion {
public:
    TZustand zustand;

    // The construction and the instruction drawn below it.
    static constexpr int konstruktion = 0, anweisung = 1;

    const lektion::TLayout& Layout() const override;
    // Seeds the program's random generator with `keim`; SSS at step 0 on a
    // triangle with a low apex.
    void Aktiviere(unsigned keim) override;
    void Zeiger(int, lektion::TZeigerArt, TWeltPunkt) override {}
    void Geaendert(int steuer, int wert) override;
    void Menue(int punkt) override;
    lektion::TSteuerZustand Steuerzustand(int steuer) const override;
    std::string Titel(int bereich) const override;
    TFarbe TitelFarbe(int bereich) const override;
    // The instruction is drawn, not a label's text: nothing to print below the picture.
    std::string Anweisung(int) const override { return {}; }
    TBild Bild(int bereich) const override;
    std::string Beschreibung(int bereich) const override;
    std::optional<int> Schritt() const override { return zustand.Schritt; }
};

} // namespace dreieck1
