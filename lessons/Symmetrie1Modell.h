// "Spiegeln" as a model: the pupil chooses how many points the figure has,
// marks them inside the dotted frame and reflects the figure in the y axis
// step by step with ruler and compass.
#pragma once

#include "lessons/Lektion.h"
#include "lessons/Symmetrie1Bild.h"

#include <optional>
#include <string>

namespace symmetrie1 {

struct TZustand {
    int anzahlPunkte = 2;        // points of the figure, 2..5
    int markiert = 0;            // points marked so far
    TMarkierPunkt punkte[6]{};   // punkte[1..anzahlPunkte], in the order of marking
    bool alleMarkiert = false;   // the figure is complete: the step group shows
    int Schritt = 0;             // 0..letzterSchritt
    bool anzahlFrei = true;      // the number of points may be changed
    bool wiederholenFrei = false;
};

// What an input gives: the new state, or the state as it was and a message.
struct TErgebnis {
    TZustand zustand;
    std::optional<std::string> meldung;
};

// The rules, as pure functions of the state.
TZustand AnzahlGewaehlt(TZustand z, int punkte);
// Strictly inside the dotted frame, where a point may be marked.
bool ImRahmen(TWeltPunkt p);
TErgebnis Markiert(TZustand z, TWeltPunkt p);
TZustand SchrittGewaehlt(TZustand z, int schritt);
TZustand Wiederholt(TZustand z);
std::string AnweisungIn(const TZustand& z);

class TSymmetrie1 : public lektion::TLektion {
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

} // namespace symmetrie1
