// "Besondere Eigenschaften" as a model: the heights, the perpendicular
// bisectors, the angle bisectors and the medians of a triangle with the centre
// in which each family meets, step by step. The menu chooses the topic, two
// check boxes switch the angle marks and the line labels, and the repeat
// button draws a new random triangle by the topic's rule.
#pragma once

#include "lessons/Dreieck2Bild.h"
#include "lessons/Lektion.h"

namespace dreieck2 {

struct TZustand {
    int Eigenschaft = hoehen; // 1 heights, 2 perpendicular bisectors, 3 angle bisectors, 4 medians
    int Schritt = 0;
    int MaxSchritt = schritteJeEigenschaft[hoehen];
    bool WinkelAn = true;
    bool BeschriftungAn = true;
    TPunkt A = startDreieck.A, B = startDreieck.B, C = startDreieck.C;

    TDreieck Dreieck() const { return {A, B, C}; }
};

// The handlers, as pure functions of the state. A new topic keeps the
// triangle and starts at step 0; the repeat button draws from the program's
// random generator as it stands.
TZustand menEigenClick(TZustand z, int eigenschaft);
TZustand UpDownClick(TZustand z, int schritt);
TZustand chkWinkelClick(TZustand z, bool an);
TZustand chkBeschriftungClick(TZustand z, bool an);
TZustand btnWHClick(TZustand z);

class TDreieck2 : public lektion::TLektion {
public:
    TZustand zustand;

    const lektion::TLayout& Layout() const override;
    // Every opening starts with the heights on the fixed triangle, both
    // switches on; `keim` seeds the random triangles of the repeat button.
    void Aktiviere(unsigned keim) override;
    void Zeiger(int, lektion::TZeigerArt, TWeltPunkt) override {}
    void Geaendert(int steuer, int wert) override;
    void Menue(int punkt) override;
    lektion::TSteuerZustand Steuerzustand(int steuer) const override;
    std::string Titel(int bereich) const override;
    TFarbe TitelFarbe(int bereich) const override;
    // The instruction is drawn, not written in a label: nothing to print.
    std::string Anweisung(int) const override { return {}; }
    TBild Bild(int bereich) const override;
    std::string Beschreibung(int bereich) const override;
    std::optional<int> Schritt() const override { return zustand.Schritt; }
};

} // namespace dreieck2
