#include "lessons/Winkel2Modell.h"

#include "draw/PolKartU.h"

#include <algorithm>

namespace winkel2 {

namespace {

using namespace lektion;

// The drawing shows 40 x 20 units.
constexpr TWeltRechteck weltWinkel2{-20.0f, 20.0f, -10.0f, 10.0f};
constexpr float schenkelRadius = 9.0f;
constexpr TWeltPunkt s1{10.0f, 0.0f}, s2{-10.0f, 0.0f}; // the vertices of angle 1 and angle 2

enum Steuer { grpArt, grpWinkel2, grpWinkel1, grpSchritt, grpWH };

TLayout Winkel2Layout()
{
    TLayout l;
    l.caption = "Übertragung von Winkeln";
    l.bereiche = {EinBereich("pntGrafik", weltWinkel2)};
    TSteuer art{TArt::Radiogruppe, "grpArt", {4, 575, 180, 75}, " Übertragungsart "};
    art.eintraege = {"Addition", "Subtraktion"};
    const auto winkel = [](const char* name, int links, const char* text) {
        TSteuer w{TArt::Leiste, name, {links, 575, 250, 75}, text};
        w.max = 360;
        w.innen = {10, 25, 150, 25};
        w.feld = {180, 25, 60, 27};
        w.einheit = "°";
        return w;
    };
    TSteuer schritte{TArt::Schritte, "grpSchritt", {729, 575, 130, 75}, " Schritte (0–6) "};
    schritte.max = 6;
    schritte.innen = {15, 25, 100, 25};
    TSteuer wiederholen{TArt::Knopfgruppe, "grpWH", {874, 575, 136, 75}, " Wiederholen  "};
    wiederholen.innen = {20, 30, 100, 30};
    l.steuer = {art, winkel("grpWinkel2", 200, " Winkel 2 (0–360°) "),
                winkel("grpWinkel1", 460, " Winkel 1 (0–360°) "), schritte, wiederholen};
    return l;
}

// Digits only come in (at most three); anything else reads as no number.
std::optional<int> Zahl(const std::string& text)
{
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(text);
}

TWinkelFigur Figur(TWeltPunkt s, int grad)
{
    return {s, {s.x + schenkelRadius, s.y}, Polar(s, float(grad), schenkelRadius)};
}

} // namespace

TZustand ArtGewaehlt(TZustand z, int art)
{
    // The angles keep their values; the next change of either applies the new mode's rule.
    z.wiederholenFrei = false;
    z.art = art;
    z.Schritt = 0;
    return z;
}

TZustand WinkelGestellt(TZustand z, bool eins, int grad)
{
    z.Schritt = 0; // the repeat button keeps its state
    int& winkel = eins ? z.winkelEins : z.winkelZwei;
    const int anderer = eins ? z.winkelZwei : z.winkelEins;
    winkel = grad;
    if (z.art == 1) {
        if (z.winkelEins + z.winkelZwei >= 360)
            winkel = 360 - anderer;
    } else if (z.winkelEins >= z.winkelZwei) {
        winkel = anderer;
    }
    (eins ? z.feldEins : z.feldZwei) = std::to_string(winkel); // also tidies "045"
    return z;
}

TZustand Getippt(TZustand z, bool eins, const std::string& text)
{
    z.wiederholenFrei = false;
    const std::optional<int> wert = Zahl(text);
    std::string& feld = eins ? z.feldEins : z.feldZwei;
    if (!wert)
        feld = std::to_string(eins ? z.winkelEins : z.winkelZwei);
    else if (*wert > 360)
        feld = "360";
    else
        feld = text;
    return z;
}

TZustand EingabeFertig(TZustand z, bool eins)
{
    // Taken as if the scroll bar had been moved there, unless nothing changed.
    const std::string& feld = eins ? z.feldEins : z.feldZwei;
    const std::optional<int> wert = Zahl(feld);
    if (!wert || feld == std::to_string(eins ? z.winkelEins : z.winkelZwei))
        return z;
    return WinkelGestellt(z, eins, std::min(*wert, 360));
}

TZustand SchrittGestellt(TZustand z, int schritt)
{
    // Inputs and mode wait while the construction runs; its end frees them
    // and offers the repeat.
    z.Schritt = schritt;
    z.eingaben = z.artFrei = schritt == 0 || schritt == 6;
    if (schritt == 6)
        z.wiederholenFrei = true;
    return z;
}

TZustand Wiederholt(TZustand z)
{
    // The same construction again: the inputs stay locked until the steps go
    // back to 0 from step 1 or reach the last step.
    z.Schritt = 0;
    z.wiederholenFrei = false;
    z.eingaben = z.artFrei = false;
    return z;
}

const TLayout& TWinkel2::Layout() const
{
    static const TLayout layout = Winkel2Layout();
    return layout;
}

void TWinkel2::Aktiviere(unsigned) { zustand = TZustand{}; }

void TWinkel2::Geaendert(int steuer, int wert)
{
    switch (steuer) {
    case grpArt:
        if (zustand.artFrei)
            zustand = ArtGewaehlt(zustand, wert + 1);
        break;
    case grpWinkel1:
    case grpWinkel2: zustand = WinkelGestellt(zustand, steuer == grpWinkel1, std::clamp(wert, 0, 360)); break;
    case grpSchritt: zustand = SchrittGestellt(zustand, std::clamp(wert, 0, 6)); break;
    case grpWH:
        if (zustand.wiederholenFrei)
            zustand = Wiederholt(zustand);
        break;
    }
}

void TWinkel2::Text(int steuer, const std::string& text)
{
    if (steuer == grpWinkel1 || steuer == grpWinkel2)
        zustand = Getippt(zustand, steuer == grpWinkel1, text);
}

void TWinkel2::Fertig(int steuer)
{
    if (steuer == grpWinkel1 || steuer == grpWinkel2)
        zustand = EingabeFertig(zustand, steuer == grpWinkel1);
}

TSteuerZustand TWinkel2::Steuerzustand(int steuer) const
{
    const auto winkel = [this](int grad, const std::string& feld) {
        return TSteuerZustand{.wert = grad,
                              .text = std::to_string(grad) + "°",
                              .feldText = feld,
                              .innenSichtbar = zustand.eingaben};
    };
    switch (steuer) {
    case grpArt: return {.wert = zustand.art - 1, .aktiv = zustand.artFrei};
    case grpWinkel2: return winkel(zustand.winkelZwei, zustand.feldZwei);
    case grpWinkel1: return winkel(zustand.winkelEins, zustand.feldEins);
    case grpSchritt: return {.wert = zustand.Schritt};
    case grpWH: return {.knopfAktiv = zustand.wiederholenFrei};
    default: return {};
    }
}

std::string TWinkel2::Titel(int) const
{
    return zustand.art == 1 ? "Übertragen von Winkeln: Addition" : "Übertragen von Winkeln: Subtraktion";
}

std::string TWinkel2::Anweisung(int) const { return Winkel2Anweisung(zustand.Schritt, zustand.art, Ergebnis(zustand)); }

TBild TWinkel2::Bild(int) const
{
    return Winkel2Bild(zustand.Schritt, zustand.art, zustand.winkelEins, zustand.winkelZwei, schenkelRadius,
                       Figur(s1, zustand.winkelEins), Figur(s2, zustand.winkelZwei));
}

std::string TWinkel2::Beschreibung(int) const
{
    return Winkel2Beschreibung(zustand.Schritt, zustand.art, zustand.winkelEins, zustand.winkelZwei);
}

std::optional<int> TWinkel2::Schritt() const { return zustand.Schritt; }

} // namespace winkel2
