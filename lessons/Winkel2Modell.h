// "Übertragung von Winkeln" as a model: two angles in whole degrees, set with
// scroll bars or typed in, added or subtracted in a six-step construction
// with the compass.
#pragma once

#include "lessons/Lektion.h"
#include "lessons/Winkel2Bild.h"

#include <optional>
#include <string>

namespace winkel2 {

struct TZustand {
    int art = 1;              // 1 addition, 2 subtraction
    int Schritt = 0;          // 0..6
    int winkelEins = 25;      // angle 1, drawn on the right
    int winkelZwei = 40;      // angle 2, drawn on the left; the result is built on it
    std::string feldEins = "25", feldZwei = "40"; // the edit fields' texts, as typed
    bool eingaben = true;     // scroll bars and edit fields shown
    bool artFrei = true;      // the mode can be chosen
    bool wiederholenFrei = false;
    bool operator==(const TZustand&) const = default;
};

// The result angle: sum or difference.
inline int Ergebnis(const TZustand& z) { return Winkel2Ergebnis(z.art, z.winkelEins, z.winkelZwei); }

// The rules, as pure functions of the state. `eins` picks angle 1, else angle 2.
TZustand ArtGewaehlt(TZustand z, int art);
// The mode's rule moves the angle just set: a sum stays within a full turn,
// angle 1 never exceeds angle 2.
TZustand WinkelGestellt(TZustand z, bool eins, int grad);
// While typing the field keeps the digits; an emptied field falls back to
// the angle, above 360 is "360". The rule waits for the finished entry.
TZustand Getippt(TZustand z, bool eins, const std::string& text);
TZustand EingabeFertig(TZustand z, bool eins);
TZustand SchrittGestellt(TZustand z, int schritt);
TZustand Wiederholt(TZustand z);

class TWinkel2 : public lektion::TLektion {
public:
    TZustand zustand;

    const lektion::TLayout& Layout() const override;
    void Aktiviere(unsigned keim) override;
    void Zeiger(int, lektion::TZeigerArt, TWeltPunkt) override {}
    void Geaendert(int steuer, int wert) override;
    void Text(int steuer, const std::string& text) override;
    void Fertig(int steuer) override;
    lektion::TSteuerZustand Steuerzustand(int steuer) const override;
    std::string Titel(int bereich) const override;
    std::string Anweisung(int bereich) const override;
    TBild Bild(int bereich) const override;
    std::string Beschreibung(int bereich) const override;
    std::optional<int> Schritt() const override;
};

} // namespace winkel2
