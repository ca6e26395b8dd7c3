#include "lessons/Dreieck2Modell.h"

#include "draw/Texte.h"
#include "draw/ZufallU.h"

#include <algorithm>

namespace dreieck2 {

namespace {

using namespace lektion;

enum Steuer { grpSchritt, grpWinkel, chkWinkel, grpBeschriftung, chkBeschriftung, grpWH, pnlStatus1 };
enum Bereich { pntGrafik, pntStatus };

// The instruction panel's paint box: x from -20 to 20 and y from -2 to 2 on
// 1000 x 50 of its pixels, written straight onto the panel's face.
constexpr TWeltRechteck weltStatus{-20, 20, -2, 2};

const char* const textEin = "eingeschaltet";
const char* const textAus = "ausgeschaltet";

TSteuer Schalter(const char* gruppe, const char* name, int links, const char* caption, std::vector<TSteuer>& s)
{
    s.push_back({TArt::Gruppe, gruppe, {links, 575, 160, 75}, caption});
    TSteuer kasten{TArt::Kasten, name, {16, 32, 129, 17}, textEin};
    kasten.in = gruppe;
    return kasten;
}

TLayout EigenschaftenLayout()
{
    TLayout l;
    l.caption = "Besondere Eigenschaften";
    TBereich zeichnung = EinBereich("pntGrafik", weltGrafik);
    zeichnung.zugName = "Dreieck ABC";
    zeichnung.status = zeichnung.lblStatus = {};
    TBereich anweisung{"pntStatus", "Anweisung"};
    anweisung.grafik = {2, 2, 1003, 51};
    anweisung.welt = weltStatus;
    anweisung.weltBreite = 1000;
    anweisung.weltHoehe = 50;
    anweisung.grund = false;
    anweisung.in = "pnlStatus1";
    anweisung.alsText = true;
    l.bereiche = {zeichnung, anweisung};
    TSteuer schritte{TArt::Schritte, "grpSchritt", {4, 575, 150, 75}, "Schritte (0–4)"};
    schritte.max = schritteJeEigenschaft[hoehen];
    schritte.innen = {15, 25, 120, 25};
    schritte.labelHoehe = 22;
    l.steuer = {schritte};
    l.steuer.push_back(Schalter("grpWinkel", "chkWinkel", 170, " Winkel ", l.steuer));
    l.steuer.push_back(Schalter("grpBeschriftung", "chkBeschriftung", 350, " Beschriftung ", l.steuer));
    TSteuer wiederholen{TArt::Knopfgruppe, "grpWH", {874, 575, 136, 75}, " Wiederholen  "};
    wiederholen.innen = {20, 30, 100, 30};
    l.steuer.push_back(wiederholen);
    l.steuer.push_back({TArt::Anzeige, "pnlStatus1", {4, 655, 1007, 55}, ""});
    l.menue = {"Höhen", "Seitensymmetralen", "Winkelsymmetralen", "Schwerlinien"};
    return l;
}

TSteuerZustand Schalterzustand(bool an, bool aktiv)
{
    return {.wert = an ? 1 : 0, .aktiv = aktiv, .text = an ? textEin : textAus};
}

} // namespace

TZustand menEigenClick(TZustand z, int eigenschaft)
{
    z.Eigenschaft = std::clamp(eigenschaft, hoehen, schwerlinien);
    z.MaxSchritt = schritteJeEigenschaft[z.Eigenschaft];
    z.Schritt = 0;
    return z;
}

TZustand UpDownClick(TZustand z, int schritt)
{
    z.Schritt = std::clamp(schritt, 0, z.MaxSchritt);
    return z;
}

TZustand chkWinkelClick(TZustand z, bool an)
{
    z.WinkelAn = an;
    return z;
}

TZustand chkBeschriftungClick(TZustand z, bool an)
{
    z.BeschriftungAn = an;
    return z;
}

TZustand btnWHClick(TZustand z)
{
    const TDreieck neu = ZufallsDreieck(z.Eigenschaft);
    z.A = neu.A;
    z.B = neu.B;
    z.C = neu.C;
    z.Schritt = 0;
    return z;
}

const TLayout& TDreieck2::Layout() const
{
    static const TLayout layout = EigenschaftenLayout();
    return layout;
}

void TDreieck2::Aktiviere(unsigned keim)
{
    zustand = TZustand{};
    SetzeZufallsKeim(keim);
}

void TDreieck2::Geaendert(int steuer, int wert)
{
    switch (steuer) {
    case grpSchritt: zustand = UpDownClick(zustand, wert); break;
    case chkWinkel: zustand = chkWinkelClick(zustand, wert != 0); break;
    case chkBeschriftung: zustand = chkBeschriftungClick(zustand, wert != 0); break;
    case grpWH: zustand = btnWHClick(zustand); break;
    default: break;
    }
}

void TDreieck2::Menue(int punkt) { zustand = menEigenClick(zustand, hoehen + punkt); }

TSteuerZustand TDreieck2::Steuerzustand(int steuer) const
{
    const TZustand& z = zustand;
    switch (steuer) {
    case grpSchritt:
        return {.wert = z.Schritt, .titel = Satz("Schritte (0–%1)", {z.MaxSchritt}), .max = z.MaxSchritt};
    // The medians have no angle marks to switch.
    case chkWinkel: return Schalterzustand(z.WinkelAn, z.Eigenschaft != schwerlinien);
    case chkBeschriftung: return Schalterzustand(z.BeschriftungAn, true);
    case grpWH: return {.knopfAktiv = z.Schritt == z.MaxSchritt};
    default: return {};
    }
}

std::string TDreieck2::Titel(int bereich) const
{
    return bereich == pntGrafik ? dreieck2::Titel(zustand.Eigenschaft) : std::string();
}

TFarbe TDreieck2::TitelFarbe(int) const { return Farbe(zustand.Eigenschaft); }

TBild TDreieck2::Bild(int bereich) const
{
    const TZustand& z = zustand;
    if (bereich == pntStatus)
        return dreieck2::Anweisung(z.Eigenschaft, z.Schritt);
    return SchrittBild(z.Eigenschaft, z.Schritt, z.WinkelAn, z.BeschriftungAn, z.Dreieck());
}

std::string TDreieck2::Beschreibung(int bereich) const
{
    const TZustand& z = zustand;
    if (bereich == pntStatus)
        return AnweisungsText(z.Eigenschaft, z.Schritt);
    return SchrittBeschreibung(z.Eigenschaft, z.Schritt, z.MaxSchritt, z.WinkelAn, z.BeschriftungAn, z.Dreieck());
}

} // namespace dreieck2
