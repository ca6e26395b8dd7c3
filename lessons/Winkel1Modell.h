// "Arten von Winkeln" as a model: on the left an angle in whole degrees set
// with a scroll bar or typed in, on the right a leg turned by dragging and
// shown in degrees, minutes and seconds. Both drawings name the kind of the
// angle in its colour.
#pragma once

#include "lessons/Lektion.h"
#include "lessons/Winkel1Bild.h"

#include <optional>
#include <string>

namespace winkel1 {

struct TZustand {
    int winkel1 = 0;             // left angle, whole degrees
    std::string feld = "0";      // the edit field's text
    float winkel2 = 0.0f;        // right angle, degrees
    TWeltPunkt frei1{8, 0};      // free leg ends, left and right
    TWeltPunkt frei2{8, 0};
    TWeltPunkt maus{8, 0};       // latest pointer position over the right drawing
    bool ziehen = false;
    bool hand = false;           // the pointer shows the hand
    bool operator==(const TZustand&) const = default;
};

// The rules, as pure functions of the state.
TZustand LeisteGestellt(TZustand z, int grad);
// An emptied field falls back to the last angle, above 360 is 360; both silently.
TZustand Getippt(TZustand z, const std::string& text);
TZustand Gedrueckt(TZustand z, TWeltPunkt p);
TZustand Bewegt(TZustand z, TWeltPunkt p);
TZustand Losgelassen(TZustand z);

class TWinkel1 : public lektion::TLektion {
public:
    TZustand zustand;

    const lektion::TLayout& Layout() const override;
    void Aktiviere(unsigned keim) override;
    void Zeiger(int bereich, lektion::TZeigerArt art, TWeltPunkt p) override;
    void Geaendert(int steuer, int wert) override;
    void Text(int steuer, const std::string& text) override;
    lektion::TSteuerZustand Steuerzustand(int steuer) const override;
    std::string Titel(int bereich) const override;
    std::string Anweisung(int bereich) const override;
    TBild Bild(int bereich) const override;
    std::string Beschreibung(int bereich) const override;
    std::optional<int> Schritt() const override;
    std::optional<TWeltRechteck> Ziehbereich(int bereich) const override;
    lektion::TZeigerForm Zeigerform(int bereich) const override;
    std::string ZeigerOrt(int bereich, TWeltPunkt p) const override;
};

} // namespace winkel1
