// "Dynamische Geometrie" as a model: the pupil drags the vertices and the
// special lines chosen with the check boxes follow, with their centres and the
// Euler line (mode "Schnittpunkte"); or C runs round the circle over the
// diameter AB, dragged or set with the scroll bar, and the angles show that
// the one at C stays a right angle (mode "Thaleskreis").
#pragma once

#include "lessons/Dreieck3Bild.h"
#include "lessons/Lektion.h"

#include <optional>
#include <string>

namespace dreieck3 {

// The areas: the drawing, then the legends of the four line groups.
enum Bereich { pntGrafik, pntH, pntS, pntW, pntSW };
// The controls in the order the window builds them: each line group is
// followed by its three boxes (heights from A, B, C; perpendicular bisectors
// of AB, AC, BC; angle bisectors at A, B, C; medians from A, B, C).
enum Steuer {
    pnlStatus,
    grpH, chkHA, chkHB, chkHC,
    grpS, chkSA, chkSB, chkSC,
    grpW, chkWA, chkWB, chkWC,
    grpSW, chkSWA, chkSWB, chkSWC,
    grpEuler, chkEuler,
    grpWinkel,
};
// The lesson's menu items.
enum Menue { menPunkte, menKreis };

struct TZustand {
    int art = 1; // 1 "Schnittpunkte", 2 "Thaleskreis"
    TWeltPunkt A{-14.0f, -16.0f}, B{20.0f, 6.0f}, C{-6.0f, 20.0f};
    TWeltPunkt thalesC{}, beschriftungC{};
    int winkelBMC = 60;
    bool ziehenA = false, ziehenB = false, ziehenC = false;
    bool ueberA = false, ueberB = false, ueberC = false;
    TLinienWahl wahl{};
    bool gedrueckt = false; // the button is held: the pointer stays in the drag field
    lektion::TZeigerForm zeiger = lektion::TZeigerForm::Pfeil; // the pointer's shape after the last input
    bool operator==(const TZustand&) const = default;
};

// The activation: mode "Schnittpunkte" with the start triangle, no lines.
TZustand Anfang();

// The rules, as pure functions of the state.
TZustand menArtClick(TZustand z, Menue punkt);
// Box `i` (0..2) of a line group ticked or not. Heights, perpendicular
// bisectors and medians take the Euler line away once it is no longer possible.
TZustand chkHClick(TZustand z, int i, bool an);
TZustand chkSClick(TZustand z, int i, bool an);
TZustand chkWClick(TZustand z, int i, bool an);
TZustand chkSWClick(TZustand z, int i, bool an);
TZustand chkEulerClick(TZustand z, bool an);
TZustand scrWinkelChange(TZustand z, int grad);
TZustand pntGrafikMouseDown(TZustand z, TWeltPunkt p);
TZustand pntGrafikMouseMove(TZustand z, TWeltPunkt p);
TZustand pntGrafikMouseUp(TZustand z);

// Where the pointer is held while the button is down: mode 1 keeps the
// vertices a margin inside the drawing, mode 2 turns C from almost anywhere.
TWeltRechteck Ziehbereich(int art);

class TDreieck3 : public lektion::TLektion {
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

} // namespace dreieck3
