#include "lessons/Winkel1Modell.h"

#include "draw/GlobalU.h"
#include "draw/PolKartU.h"
#include "draw/Texte.h"
#include "draw/VektorU.h"

#include <algorithm>

namespace winkel1 {

namespace {

using namespace lektion;

// Both drawings show 20 x 20 units.
constexpr TWeltRechteck weltWinkel1{-10.0f, 10.0f, -10.0f, 10.0f};
constexpr TWeltPunkt s{0, 0};    // the common vertex S
constexpr TWeltPunkt fest{8, 0}; // end of the leg on the positive x axis
constexpr float schenkelLaenge = 8.0f;
constexpr float endeAbstand = 0.2f; // the hand shows this near the free leg's end

enum Bereich { links, rechts };
enum Steuer { grpWinkel1, grpGrad1, pnlWinkel };

TLayout Winkel1Layout()
{
    TLayout l;
    l.caption = "Arten von Winkeln";
    TBereich rechterBereich = RechterBereich("pntGrafik2", weltWinkel1);
    rechterBereich.zeiger = rechterBereich.ziehen = true;
    l.bereiche = {LinkerBereich("pntGrafik1", weltWinkel1), rechterBereich};
    TSteuer leiste{TArt::Leiste, "grpWinkel1", {5, 575, 150, 75}, " Winkel (0°–360°) "};
    leiste.max = 360;
    leiste.innen = {15, 25, 120, 24};
    leiste.labelHoehe = 22;
    leiste.einheit = "°";
    TSteuer feld{TArt::Feld, "grpGrad1", {160, 575, 150, 75}, " Winkel (0°–360°) "};
    feld.innen = {15, 25, 120, 27};
    TSteuer anzeige{TArt::Anzeige, "pnlWinkel", {669, 600, 200, 41}, ""};
    anzeige.schriftHoehe = 19;
    anzeige.schriftFarbe = palette::lila;
    l.steuer = {leiste, feld, anzeige};
    return l;
}

// The leg to `grad`, keeping its length.
TWeltPunkt Schenkel(float grad) { return Polar(s, grad, schenkelLaenge); }

// The angle a press at `p` gives. A direction that rounds up to a full turn is
// the ray at 0 degrees again: a click just below the fixed leg shows "Kein
// Winkel", not "Voller Winkel".
int KlickWinkel(TWeltPunkt p)
{
    const int grad = Runden(Richtung(s, p));
    return grad == 360 ? 0 : grad;
}

} // namespace

TZustand LeisteGestellt(TZustand z, int grad)
{
    z.winkel1 = grad;
    z.feld = std::to_string(grad); // also tidies "045" to "45"
    z.frei1 = Schenkel(float(grad));
    return z;
}

TZustand Getippt(TZustand z, const std::string& text)
{
    // Only digits come in; a value beyond three digits is above 360 all the same.
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        z.feld = std::to_string(z.winkel1);
        return z;
    }
    int wert = 0;
    for (char c : text)
        wert = std::min(wert * 10 + (c - '0'), 1000);
    return LeisteGestellt(z, std::min(wert, 360));
}

TZustand Gedrueckt(TZustand z, TWeltPunkt p)
{
    // No hit test: a press anywhere takes the leg.
    z.maus = p;
    z.ziehen = true;
    z.winkel2 = float(KlickWinkel(z.maus));
    z.frei2 = Schenkel(z.winkel2);
    return z;
}

TZustand Bewegt(TZustand z, TWeltPunkt p)
{
    z.maus = p;
    // The hand shows that the leg's end can be taken; it goes as soon as the
    // pointer leaves the end, except while the leg is being dragged.
    z.hand = Abstand(z.maus, z.frei2) <= endeAbstand || z.ziehen;
    if (z.ziehen) {
        // Dragged angles are not rounded; the leg keeps its length.
        z.winkel2 = Richtung(s, z.maus);
        z.frei2 = Schenkel(z.winkel2);
    }
    return z;
}

TZustand Losgelassen(TZustand z)
{
    z.ziehen = false;
    z.hand = false;
    return z;
}

const TLayout& TWinkel1::Layout() const
{
    static const TLayout layout = Winkel1Layout();
    return layout;
}

void TWinkel1::Aktiviere(unsigned) { zustand = TZustand{}; }

void TWinkel1::Zeiger(int bereich, TZeigerArt art, TWeltPunkt p)
{
    if (bereich != rechts)
        return;
    switch (art) {
    case TZeigerArt::Druck: zustand = Gedrueckt(zustand, p); break;
    case TZeigerArt::Bewegung: zustand = Bewegt(zustand, p); break;
    case TZeigerArt::Los: zustand = Losgelassen(zustand); break;
    }
}

void TWinkel1::Geaendert(int steuer, int wert)
{
    if (steuer == grpWinkel1)
        zustand = LeisteGestellt(zustand, std::clamp(wert, 0, 360));
}

void TWinkel1::Text(int steuer, const std::string& text)
{
    if (steuer == grpGrad1)
        zustand = Getippt(zustand, text);
}

TSteuerZustand TWinkel1::Steuerzustand(int steuer) const
{
    switch (steuer) {
    case grpWinkel1: return {.wert = zustand.winkel1, .text = std::to_string(zustand.winkel1) + "°"};
    case grpGrad1: return {.text = zustand.feld};
    case pnlWinkel: return {.text = GMSText(zustand.winkel2)};
    default: return {};
    }
}

std::string TWinkel1::Titel(int bereich) const
{
    return bereich == links ? "Winkelmaße in Grad" : "Winkelmaße in Grad, Minuten und Sekunden";
}

std::string TWinkel1::Anweisung(int bereich) const
{
    return bereich == links
        ? "Verändere den Winkel mit der Bildlaufleiste oder trage den Winkel in das Eingabefeld ein."
        : "Verändere den Winkel durch Klicken auf den Endpunkts des Schenkel und Ziehen mit der linken Maustaste.";
}

TBild TWinkel1::Bild(int bereich) const
{
    if (bereich == links)
        return Winkel1BildLinks(zustand.winkel1, s, fest, zustand.frei1);
    return Winkel1BildRechts(zustand.winkel2, s, fest, zustand.frei2);
}

std::string TWinkel1::Beschreibung(int bereich) const
{
    if (bereich == links)
        return WinkelBeschreibung(std::to_string(zustand.winkel1) + "°", WinkelArtGanz(zustand.winkel1));
    return MitTasten(rechts, WinkelBeschreibung(GMSText(zustand.winkel2), WinkelArtGenau(zustand.winkel2)));
}

std::string TWinkel1::ZeigerOrt(int bereich, TWeltPunkt p) const
{
    // While the leg is dragged the drawing's description says the angle already.
    if (bereich != rechts || zustand.ziehen)
        return TLektion::ZeigerOrt(bereich, p);
    // A press anywhere turns the leg: the angle it would give tells more than a hit.
    const std::string winkel = Satz("Winkel %1°", {KlickWinkel(p)});
    return Ort(p, Abstand(p, zustand.frei2) <= endeAbstand ? "auf dem Endpunkt, " + winkel : winkel);
}

std::optional<int> TWinkel1::Schritt() const { return std::nullopt; }

std::optional<TWeltRechteck> TWinkel1::Ziehbereich(int bereich) const
{
    // The pointer stays over the right drawing while its leg is dragged.
    if (bereich == rechts && zustand.ziehen)
        return weltWinkel1;
    return std::nullopt;
}

TZeigerForm TWinkel1::Zeigerform(int bereich) const
{
    return bereich == rechts && zustand.hand ? TZeigerForm::Hand : TZeigerForm::Pfeil;
}

} // namespace winkel1
