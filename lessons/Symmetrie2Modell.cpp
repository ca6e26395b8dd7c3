#include "lessons/Symmetrie2Modell.h"

#include "draw/GlobalU.h"
#include "draw/VektorU.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace symmetrie2 {

namespace {

using namespace lektion;

// Both drawings show 20 x 20 units.
constexpr TWeltRechteck weltSymmetralen{-10, 10, -10, 10};

constexpr float mindestAbstand = 4;
constexpr float mindestWinkel = 20;

// The step groups first, then the groups " Neuer Versuch ", each left before right.
enum Steuer { grpSchritt1, grpSchritt2, grpWH1, grpWH2 };

const char* const textAusserhalb = "Der Punkt liegt nicht innerhab der Markierung!";
const char* const textAbstand1 = "Der Abstand zum 1.Punkt ist zu klein!";
const char* const textAbstand12 = "Der Abstand zum 1. oder 2.Punkt ist zu klein!";
const char* const textSpitz = "Der Winkel muss mehr als 20° betragen!";
// Three points on one line with the vertex between them: the rhombus of the
// construction collapses onto the vertex, so such an angle is refused too.
const char* const textGestreckt = "Der Winkel muss weniger als 180° betragen!";

// What tells the two constructions apart, by side.
struct TKonstruktion {
    int punkte;         // to be marked
    int letzterSchritt;
    const char* titel;
    const char* anfang; // the request to mark
    std::string (*anleitung)(int schritt);
    TFarbe punktFarbe;
    const char* schritte;  // the step group's caption names its own last step
    const char* versuch;   // the right group's caption has one blank less
    int versuchLinks;
};

const TKonstruktion konstruktionen[2] = {
    {2, 3, "Streckensymmetrale",
     "Markiere die Symmetrieachse durch Klicken von zwei Punkten mit der Maus innerhalb des strichlierten Rahmens.",
     StreckenAnleitung, palette::violett, " Schritte(0–3) ", " Neuer Versuch  ", 334},
    {3, 4, "Winkelsymmetrale",
     "Markiere eine Winkel durch Klicken von drei Punkten mit der Maus innerhalb des strichlierten Rahmens.",
     WinkelAnleitung, palette::oliv, " Schritte(0–4) ", " Neuer Versuch ", 852},
};

TLayout SymmetralenLayout()
{
    TLayout l;
    l.caption = "Symmetralen";
    l.bereiche = {LinkerBereich("pntGrafik1", weltSymmetralen), RechterBereich("pntGrafik2", weltSymmetralen)};
    TSteuer versuche[2];
    for (int seite : {strecke, winkel}) {
        TBereich& b = l.bereiche[std::size_t(seite)];
        b.lblStatus = {7, 2, 474, 46};
        b.gitter = b.zeiger = true;
        const TKonstruktion& k = konstruktionen[seite];
        const std::string nr = std::to_string(seite + 1);
        TSteuer schritte{TArt::Schritte, "grpSchritt" + nr, {seite == strecke ? 5 : 525, 575, 130, 75}, k.schritte};
        schritte.max = k.letzterSchritt;
        schritte.innen = {15, 25, 100, 25};
        l.steuer.push_back(schritte);
        versuche[seite] = {TArt::Knopfgruppe, "grpWH" + nr, {k.versuchLinks, 575, 160, 75}, k.versuch};
        versuche[seite].innen = {20, 30, 120, 30};
    }
    l.steuer.insert(l.steuer.end(), std::begin(versuche), std::end(versuche));
    return l;
}

// Pixels per world unit of both drawings (480 pixels for 20 units).
constexpr double pixelJeEinheit = 24;

// Clicked points lie on the pixel grid, so the cross product of two legs, measured
// in square pixels, is a whole number. Below one half it is zero: the legs lie on
// one line, and pointing apart they form a straight angle.
bool gestreckterWinkel(float ax, float ay, float bx, float by)
{
    const double kreuz = double(ax) * by - double(ay) * bx;
    const double skalar = double(ax) * bx + double(ay) * by;
    return skalar < 0 && std::fabs(kreuz) * pixelJeEinheit * pixelJeEinheit < 0.5;
}

// Why (x, y) cannot be the next point of a figure still missing points; the
// left figure never gets to a third.
std::optional<std::string> Abgelehnt(const TSeite& s, float x, float y)
{
    const int k = s.markiert + 1;
    const TMarkierPunkt& p1 = s.punkte[1];
    const TMarkierPunkt& v = s.punkte[2];
    if (k == 2 && Abstand(x, y, p1.x, p1.y) < mindestAbstand)
        return textAbstand1;
    if (k != 3)
        return std::nullopt;
    if (Abstand(x, y, p1.x, p1.y) < mindestAbstand || Abstand(x, y, v.x, v.y) < mindestAbstand)
        return textAbstand12;
    float ax = 0, ay = 0, bx = 0, by = 0;
    Differenz(v.x, v.y, p1.x, p1.y, ax, ay);
    Differenz(v.x, v.y, x, y, bx, by);
    if (Zwischenwinkel(ax, ay, bx, by) < mindestWinkel)
        return textSpitz;
    if (gestreckterWinkel(ax, ay, bx, by))
        return textGestreckt;
    return std::nullopt;
}

bool Komplett(const TZustand& z, int seite) { return z.seiten[seite].markiert == konstruktionen[seite].punkte; }

// Strictly inside the frame; its border counts as outside.
bool ImRahmen(TWeltPunkt p) { return p.x > -rahmen && p.x < rahmen && p.y > -rahmen && p.y < rahmen; }

} // namespace

TErgebnis Markiert(TZustand z, int seite, TWeltPunkt p)
{
    if (!ImRahmen(p))
        return {z, textAusserhalb};
    TSeite& s = z.seiten[seite];
    if (Komplett(z, seite))
        return {z, std::nullopt}; // a complete figure stays as it is
    if (std::optional<std::string> grund = Abgelehnt(s, p.x, p.y))
        return {z, grund};
    ++s.markiert;
    s.punkte[s.markiert] = {p.x, p.y, true};
    if (Komplett(z, seite)) {
        // The segment or the legs replace the dots.
        for (TMarkierPunkt& q : s.punkte)
            q.gesetzt = false;
        s.anleitung = 0;
    }
    return {z, std::nullopt};
}

TZustand SchrittGewaehlt(TZustand z, int seite, int schritt)
{
    // The step control waits for the points.
    if (!Komplett(z, seite))
        return z;
    TSeite& s = z.seiten[seite];
    s.Schritt = std::clamp(schritt, 0, konstruktionen[seite].letzterSchritt);
    s.anleitung = s.Schritt;
    return z;
}

TZustand NeuerVersuch(TZustand z, int seite)
{
    // Back to marking with no points, and to the request to mark them.
    TSeite& s = z.seiten[seite];
    s.Schritt = 0;
    s.markiert = 0;
    s.anleitung = -1;
    for (TMarkierPunkt& p : s.punkte)
        p.gesetzt = false;
    return z;
}

std::string AnweisungIn(const TZustand& z, int seite)
{
    const int anleitung = z.seiten[seite].anleitung;
    const TKonstruktion& k = konstruktionen[seite];
    return anleitung < 0 ? k.anfang : k.anleitung(anleitung);
}

const TLayout& TSymmetrie2::Layout() const
{
    static const TLayout layout = SymmetralenLayout();
    return layout;
}

void TSymmetrie2::Aktiviere(unsigned) { zustand = TZustand{}; }

void TSymmetrie2::Zeiger(int bereich, TZeigerArt art, TWeltPunkt p)
{
    if (art != TZeigerArt::Druck)
        return;
    TErgebnis e = Markiert(zustand, bereich, p);
    zustand = e.zustand;
    if (e.meldung)
        Melde(*e.meldung);
}

void TSymmetrie2::Geaendert(int steuer, int wert)
{
    switch (steuer) {
    case grpSchritt1:
    case grpSchritt2: zustand = SchrittGewaehlt(zustand, steuer - grpSchritt1, wert); break;
    case grpWH1:
    case grpWH2: zustand = NeuerVersuch(zustand, steuer - grpWH1); break;
    default: break;
    }
}

TSteuerZustand TSymmetrie2::Steuerzustand(int steuer) const
{
    switch (steuer) {
    case grpSchritt1:
    case grpSchritt2: {
        const int seite = steuer - grpSchritt1;
        return {.wert = zustand.seiten[seite].Schritt, .upDownAktiv = Komplett(zustand, seite)};
    }
    case grpWH1:
    case grpWH2: {
        const int seite = steuer - grpWH1;
        return {.knopfAktiv = zustand.seiten[seite].Schritt == konstruktionen[seite].letzterSchritt};
    }
    default: return {};
    }
}

std::string TSymmetrie2::Titel(int bereich) const { return konstruktionen[bereich].titel; }

std::string TSymmetrie2::Anweisung(int bereich) const { return AnweisungIn(zustand, bereich); }

TBild TSymmetrie2::Bild(int bereich) const
{
    const TSeite& s = zustand.seiten[bereich];
    const TFarbe farbe = konstruktionen[bereich].punktFarbe;
    if (bereich == winkel)
        return WinkelsymmetraleBild(s.punkte, s.markiert, s.Schritt, farbe);
    // The compass radius is fixed by the complete segment.
    const float radius = Komplett(zustand, strecke) ? StreckenRadius(s.punkte[1], s.punkte[2]) : 0;
    return StreckensymmetraleBild(s.punkte, s.markiert, s.Schritt, radius, farbe);
}

std::string TSymmetrie2::Beschreibung(int bereich) const
{
    const TSeite& s = zustand.seiten[bereich];
    return MitTasten(bereich, bereich == winkel ? WinkelBeschreibung(s.punkte, s.markiert, s.Schritt)
                                                : StreckenBeschreibung(s.punkte, s.markiert, s.Schritt));
}

std::string TSymmetrie2::ZeigerOrt(int bereich, TWeltPunkt p) const
{
    // The frame decides only while points are still to be marked.
    if (Komplett(zustand, bereich))
        return TLektion::ZeigerOrt(bereich, p);
    return Ort(p, ImRahmen(p) ? "im Rahmen" : "außerhalb des Rahmens");
}

// Two step controls: the window's title names no single step.
std::optional<int> TSymmetrie2::Schritt() const { return std::nullopt; }

} // namespace symmetrie2
