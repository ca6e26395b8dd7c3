#include "lessons/Dreieck1Modell.h"

#include "draw/GlobalU.h"
#include "draw/Texte.h"
#include "draw/ZufallU.h"

#include <algorithm>

namespace dreieck1 {

namespace {

using namespace lektion;

// The drawing shows 40 x 20 units, the instruction 40 x 4 units on 1000 x 50
// of its pixels.
constexpr TWeltRechteck weltDreieck1{-20.0f, 20.0f, -10.0f, 10.0f};
constexpr TWeltRechteck weltAnweisung{-20.0f, 20.0f, -2.0f, 2.0f};

enum Steuer { grpSchritt, grpLoesungen, grpWH, pnlStatus1 };

// Title, its colour and the last step of each theorem.
struct TSatzZeile {
    const char* titel;
    TFarbe farbe;
    int maxSchritt;
};
constexpr TSatzZeile saetze[] = {
    {"Seiten – Seiten – Seiten – Satz", palette::violett, 5},
    {"Winkel – Seiten – Winkel – Satz", palette::braun, 5},
    {"Seiten – Winkel – Seiten – Satz", palette::oliv, 5},
    {"Seiten – Seiten – Winkel – Satz", palette::magenta, 6},
};

std::string SchritteCaption(int maxSchritt) { return Satz("Schritte (0–%1)", {maxSchritt}); }

TLayout KonstruktionenLayout()
{
    TLayout l;
    l.caption = "Dreieckskonstruktionen";
    TBereich zeichnung = EinBereich("pntGrafik", weltDreieck1);
    zeichnung.zugName = "Konstruktion";
    zeichnung.status = zeichnung.lblStatus = {};
    // The instruction is drawn as marked-up text on the panel's face.
    TBereich text{"pntStatus", "Anweisung"};
    text.grafik = {2, 2, 1003, 51};
    text.welt = weltAnweisung;
    text.weltBreite = 1000;
    text.weltHoehe = 50;
    text.grund = false;
    text.in = "pnlStatus1";
    text.alsText = true;
    l.bereiche = {zeichnung, text};
    TSteuer schritte{TArt::Schritte, "grpSchritt", {4, 575, 150, 75}, SchritteCaption(5)};
    schritte.max = 5;
    schritte.innen = {15, 25, 120, 25};
    schritte.labelHoehe = 22;
    TSteuer loesungen{TArt::Radiogruppe, "grpLoesungen", {168, 576, 150, 75}, " Lösungen "};
    loesungen.eintraege = {"eine", "zwei"};
    TSteuer wiederholen{TArt::Knopfgruppe, "grpWH", {874, 575, 136, 75}, " Wiederholen  "};
    wiederholen.innen = {20, 30, 100, 30};
    TSteuer status{TArt::Anzeige, "pnlStatus1", {4, 655, 1007, 55}, ""};
    l.steuer = {schritte, loesungen, wiederholen, status};
    l.menue = {"Satz &1 (SSS)", "Satz &2 (WSW)", "Satz &3 (SWS)", "Satz &4 (SSW)"};
    return l;
}

} // namespace

void NeuesDreieck(TZustand& z)
{
    const TDreieck alt{z.A, z.B, z.C};
    TDreieck d = ZieheDreieck(z.Satz, z.Loesungen);
    while (d == alt)
        d = ZieheDreieck(z.Satz, z.Loesungen);
    z.A = d.A;
    z.B = d.B;
    z.C = d.C;
}

void SatzGewaehlt(TZustand& z, int satz)
{
    z.Satz = satz;
    z.MaxSchritt = saetze[satz - 1].maxSchritt;
    z.loesungenSichtbar = satz == satzSsW;
    if (satz == satzSsW)
        z.loesungenFrei = true;
    z.wiederholenFrei = false;
    NeuesDreieck(z);
    z.Schritt = 0;
}

void SchrittGewaehlt(TZustand& z, int schritt)
{
    z.Schritt = std::clamp(schritt, 0, z.MaxSchritt);
    z.loesungenFrei = z.Schritt == 0;
    z.wiederholenFrei = z.Schritt == z.MaxSchritt;
}

void LoesungenGewaehlt(TZustand& z, int loesungen)
{
    z.Loesungen = loesungen;
    NeuesDreieck(z);
}

void Wiederholt(TZustand& z)
{
    z.Schritt = 0;
    z.wiederholenFrei = false;
    if (z.Satz == satzSsW)
        z.loesungenFrei = true;
    NeuesDreieck(z);
}

const TLayout& TDreieck1::Layout() const
{
    static const TLayout layout = KonstruktionenLayout();
    return layout;
}

void TDreieck1::Aktiviere(unsigned keim)
{
    zustand = TZustand{};
    SetzeZufallsKeim(keim);
    const TDreieck d = ZieheEinmal(true);
    zustand.A = d.A;
    zustand.B = d.B;
    zustand.C = d.C;
}

void TDreieck1::Geaendert(int steuer, int wert)
{
    switch (steuer) {
    case grpSchritt: SchrittGewaehlt(zustand, wert); break;
    case grpLoesungen: LoesungenGewaehlt(zustand, wert + 1); break;
    case grpWH: Wiederholt(zustand); break;
    default: break;
    }
}

void TDreieck1::Menue(int punkt) { SatzGewaehlt(zustand, punkt + 1); }

TSteuerZustand TDreieck1::Steuerzustand(int steuer) const
{
    switch (steuer) {
    case grpSchritt: return {.wert = zustand.Schritt, .titel = SchritteCaption(zustand.MaxSchritt), .max = zustand.MaxSchritt};
    case grpLoesungen:
        return {.wert = zustand.Loesungen - 1, .aktiv = zustand.loesungenFrei, .sichtbar = zustand.loesungenSichtbar};
    case grpWH: return {.knopfAktiv = zustand.wiederholenFrei};
    default: return {};
    }
}

std::string TDreieck1::Titel(int bereich) const
{
    return bereich == konstruktion ? saetze[zustand.Satz - 1].titel : "";
}

TFarbe TDreieck1::TitelFarbe(int) const { return saetze[zustand.Satz - 1].farbe; }

TBild TDreieck1::Bild(int bereich) const
{
    if (bereich == anweisung)
        return AnweisungsBild(zustand.Satz, zustand.Schritt, zustand.Loesungen);
    return KonstruktionsBild(zustand.Satz, zustand.Loesungen, zustand.Schritt, {zustand.A, zustand.B, zustand.C});
}

std::string TDreieck1::Beschreibung(int bereich) const
{
    if (bereich == anweisung)
        return Klartext(dreieck1::Anweisung(zustand.Satz, zustand.Schritt, zustand.Loesungen));
    return KonstruktionsBeschreibung(zustand.Satz, zustand.Loesungen, zustand.Schritt, zustand.MaxSchritt,
                                     {zustand.A, zustand.B, zustand.C});
}

} // namespace dreieck1
