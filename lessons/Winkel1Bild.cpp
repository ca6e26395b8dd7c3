#include "lessons/Winkel1Bild.h"

#include "draw/GlobalU.h"
#include "draw/Texte.h"

#include <cmath>

// ---------------------------------------------------------------------------
// Kinds of angles

TWinkelArt WinkelArtGanz(int grad)
{
    if (grad < 0)
        return {std::string(), clBlack};
    return WinkelArtGenau(float(grad));
}

TWinkelArt WinkelArtGenau(float grad)
{
    // The kinds in order of size, each up to its limit or, for the exact kinds,
    // at it. Exact comparisons: a direction a hair beside the y axis is acute
    // or obtuse, never right.
    const struct {
        float grenze;
        bool genau;
        const char* text;
        TFarbe farbe;
    } arten[] = {
        {0.0f, true, "Kein Winkel", palette::himbeer},
        {90.0f, false, "Spitzer Winkel", palette::violett},
        {90.0f, true, "Rechter Winkel", palette::himbeer},
        {180.0f, false, "Stumpfer Winkel", palette::braun},
        {180.0f, true, "Gestreckter Winkel", palette::himbeer},
        {360.0f, false, "Erhabener Winkel", palette::meergruen},
        {360.0f, true, "Voller Winkel", palette::himbeer},
    };
    for (const auto& art : arten) {
        if (art.genau ? grad == art.grenze : grad < art.grenze)
            return {std::string(art.text), art.farbe};
    }
    return {std::string(), clBlack};
}

void GradInGMS(float winkel, int& grad, int& minuten, int& sekunden)
{
    grad = int(std::trunc(winkel));
    const float f = float((static_cast<long double>(winkel) - grad) * 60.0L);
    minuten = int(std::trunc(f));
    const float g = float((static_cast<long double>(f) - minuten) * 60.0L);
    sekunden = int(std::trunc(g));
}

std::string GMSText(float winkel)
{
    int grad = 0, minuten = 0, sekunden = 0;
    GradInGMS(winkel, grad, minuten, sekunden);
    return Satz("%1° %2' %3''", {grad, minuten, sekunden});
}

std::string WinkelBeschreibung(const std::string& mass, const TWinkelArt& art)
{
    return Satz("Winkel von %1 – %2, Scheitel S", {mass, KleinAnfang(art.text)});
}

// ---------------------------------------------------------------------------
// Pictures

namespace {

// Both drawings alike; an angle of 0 has no arc.
TBild WinkelBild(float grad, const TWinkelArt& art, TWeltPunkt s, TWeltPunkt fest, TWeltPunkt frei)
{
    using namespace bild;
    TBild b;
    if (grad != 0.0f)
        b << TBogen{s, 3.0f, 0.0f, grad, 2, art.farbe};
    // The vertex's name is centred in the font the kind's name leaves on the canvas.
    TSchrift mass;
    if (!art.text.empty()) {
        b << TStrecke{s, fest, 2, art.farbe, linieVoll} << TStrecke{s, frei, 2, art.farbe, linieVoll}
          << TText{TTextArt::Mitte, art.text, {0.0f, 10.0f}, art.farbe, 12, true};
        mass.farbe = art.farbe;
    }
    b << TKreis{s, 0.15f, 1, clBlack, int(clBlack)}
      << TText{TTextArt::Zentriert, "S", {-0.5f, 0.0f}, clBlack, 12, true, clBlack, mass};
    return b;
}

} // namespace

TBild Winkel1BildLinks(int grad, TWeltPunkt s, TWeltPunkt fest, TWeltPunkt frei)
{
    return WinkelBild(float(grad), WinkelArtGanz(grad), s, fest, frei);
}

TBild Winkel1BildRechts(float grad, TWeltPunkt s, TWeltPunkt fest, TWeltPunkt frei)
{
    return WinkelBild(grad, WinkelArtGenau(grad), s, fest, frei);
}
