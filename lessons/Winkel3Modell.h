// "Parallelwinkeln" as a model: a slanted segment crosses one line (mode 1:
// vertical angles on the left, adjacent angles on the right) or two parallels
// (mode 2, in steps). The pupil drags the segment's ends within their bands;
// coloured arcs mark the angles and panels show their sizes.
#pragma once

#include "lessons/Lektion.h"
#include "lessons/Winkel3Bild.h"

#include <array>
#include <optional>
#include <string>

namespace winkel3 {

struct TZustand {
    int modus = 1; // 1 one line, 2 two parallels
    int variante1 = 1, variante2 = 1;
    int Schritt1 = 0; // 0..3
    int Schritt2 = 0; // 0..4
    TWeltPunkt P1{-7, -7}, P2{5, 7}; // left segment, lower and upper end
    TWeltPunkt Q1{-7, -7}, Q2{5, 7}; // right segment
    float hoehe1 = 0, hoehe2 = 0;    // the line's y in mode 1
    TKreuzung kreuzung1, kreuzung2;
    TWeltPunkt maus1{}, maus2{};
    // Shared by both drawings: only one drag runs at a time.
    bool nahe1 = false, nahe2 = false;   // the pointer is near the lower / upper end
    bool ziehen1 = false, ziehen2 = false; // the lower / upper end is dragged
    int gehalten = -1;      // the drawing whose band holds the pointer while an end is dragged
    bool obenGehalten = false; // the upper end's band
    bool menueGewaehlt = false; // a mode was chosen since the opening: shorter titles in mode 1
    // What pnlLW1, pnlLW2, pnlRW1, pnlRW2 show: a panel without a value in
    // the current marks keeps its last one.
    std::array<TPanelWert, 4> panels{};
};

// The state at the opening.
TZustand Anfang();
// Either mode anew: steps, variants and both segments from the start.
TZustand ModusGewaehlt(TZustand z, int modus);
// Pointer in drawing 0 (left) or 1 (right), in world units.
TZustand Gedrueckt(TZustand z, int seite, TWeltPunkt p);
TZustand Bewegt(TZustand z, int seite, TWeltPunkt p);
TZustand Losgelassen(TZustand z);
// The band an end may be dragged in, in world units.
TWeltRechteck Ziehband(int modus, bool obererPunkt);
// The marks of drawing 0 or 1 as the state has them now.
TWinkelMarken Marken(const TZustand& z, int seite);

class TWinkel3 : public lektion::TLektion {
public:
    TZustand zustand;

    const lektion::TLayout& Layout() const override;
    void Aktiviere(unsigned keim) override;
    void Zeiger(int bereich, lektion::TZeigerArt art, TWeltPunkt p) override;
    void Geaendert(int steuer, int wert) override;
    void Menue(int punkt) override;
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

} // namespace winkel3
