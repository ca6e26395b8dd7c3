#include "lessons/Symmetrie2Bild.h"

#include "draw/Texte.h"
#include "draw/GlobalU.h"
#include "draw/PolKartU.h"
#include "draw/SchnittU.h"
#include "draw/VektorU.h"

#include <vector>
#include <algorithm>
#include <cmath>

using namespace bild;
using symmetrie2::rahmen;

namespace {

const std::string textSchritt0 = "Führe die Konstruktion schrittweise durch.";

// The instructions by step, step 0 first.
const std::string anleitungen1[] = {
    textSchritt0,
    "Zeichne um den 1.Punkt einen Kreisbogen mit einem Radius größer als die halbe Strecke AB.",
    "Zeichne um den 2.Punkt einen Kreisbogen vom selben Radius und ermittle die Schnittpunkte.",
    "Lege durch die beiden Schnittpunkte die Streckensymmetrale.",
};
const std::string anleitungen2[] = {
    textSchritt0,
    "Zeichne um den Scheitel einen nicht zu kleinen Kreisbogen, der die Schenkel schneidet.",
    "Zeichne um den Schnittpunkt A einen Kreis vom selben Radius.",
    "Zeichne um den Schnittpunkt B einen Kreis vom selben Radius.",
    "Lege durch den Scheitel und den Schnittpunkt der Kreise die Winkelsymmetrale.",
};

// A step's instruction; step 0's for any step out of range.
template <int n>
std::string ausTabelle(const std::string (&anleitungen)[n], int schritt)
{
    return schritt >= 1 && schritt < n ? anleitungen[schritt] : anleitungen[0];
}

// A description, then the step with its instruction and what the steps up to
// it have drawn (one entry of `gezeichnet` per step); the description alone at step 0.
std::string mitSchritt(const std::string& text, int schritt, const std::string& anleitung,
                       const std::vector<std::string>& gezeichnet)
{
    if (schritt <= 0)
        return text;
    const std::size_t bisher = std::min(std::size_t(schritt), gezeichnet.size());
    const std::vector<std::string> bisherGezeichnet(gezeichnet.begin(), gezeichnet.begin() + long(bisher));
    return text + Satz(" Schritt %1 von %2: %3 Gezeichnet: %4.",
                       {schritt, gezeichnet.size(), anleitung, Verbunden(bisherGezeichnet, "; ")});
}

TWeltPunkt Ort(const TMarkierPunkt& p) { return {p.x, p.y}; }

// A label centred on its point, black, bold, size 12.
TText Name(const std::string& text, TWeltPunkt ort) { return {TTextArt::Zentriert, text, ort, clBlack, 12, true}; }

// The frame the points must lie in, while points are missing.
TBild MarkierRahmen()
{
    return TBild() << TRechteck{{-rahmen, -rahmen}, {rahmen, rahmen}, 1, clRed, liniePunktiert};
}

// The dots of the marked points 1..n. They show only together with the frame
// and keep the dotted outline of the pen it leaves behind.
TBild MarkierPunkte(const TMarkierPunkt* punkte, int n, TFarbe farbe)
{
    TBild b;
    for (int i = 1; i <= n; ++i) {
        if (punkte[i].gesetzt)
            b << TKreis{Ort(punkte[i]), 0.15f, 1, clBlack, int(farbe), psDot};
    }
    return b;
}

// ---------------------------------------------------------------------------
// Perpendicular bisector

// The arcs about A and B (d = A - B) meet on the perpendicular through the
// midpoint M in S1 and S2; from step 3 the bisector runs through them across
// the whole drawing.
TBild Schnittpunkte(TWeltPunkt a, TWeltPunkt b, TWeltPunkt d, float r, int schritt)
{
    float nx = 0, ny = 0, s1x = 0, s1y = 0, s2x = 0, s2y = 0;
    const TWeltPunkt m = Mittelpunkt(a, b);
    Normale(-d.x, -d.y, nx, ny);
    const TWeltPunkt q = Versetzt(m, nx, ny);
    TBild bild;
    if (!SchnittGeradeKreis(m.x, m.y, q.x, q.y, a.x, a.y, r, s1x, s1y, s2x, s2y))
        return bild;
    // Up and right of an upper point, down and right of a lower one.
    const auto beschrifte = [](const std::string& text, float sx, float sy) {
        return Name(text, {sx + 0.4f, sy >= 0 ? sy + 0.4f : sy - 0.4f});
    };
    bild << beschrifte("S!1", s1x, s1y) << beschrifte("S!2", s2x, s2y);
    if (schritt >= 3)
        bild << TGerade{{s1x, s1y}, {s2x, s2y}, 10, 10, 1, palette::himbeer, linieStrichPunkt};
    return bild;
}

// The segment AB with end ticks and names, and the construction up to `schritt`.
TBild StreckenKonstruktion(TWeltPunkt a, TWeltPunkt b, int schritt, float r)
{
    const TWeltPunkt d = Von(b, a);
    float ux = 0, uy = 0, nx = 0, ny = 0;
    Normieren(d.x, d.y, ux, uy);
    Normale(ux, uy, nx, ny);

    TBild bild;
    bild << TStrecke{a, b, 3, clBlack, linieVoll};
    // End ticks across the segment.
    for (const TWeltPunkt p : {a, b})
        bild << TStrecke{p, {p.x + 0.2f * nx, p.y + 0.2f * ny}, 2, clBlack, linieVoll}
             << TStrecke{p, {p.x - 0.2f * nx, p.y - 0.2f * ny}, 2, clBlack, linieVoll};
    // "A" beyond A, "B" beyond B.
    bild << Name("A", {a.x + 0.6f * ux, a.y + 0.6f * uy})
         << Name("B", {b.x - 0.6f * ux, b.y - 0.6f * uy});

    // Each arc spans 140 degrees about the direction to the other end point.
    const float dAB = Richtungswinkel(-d.x, -d.y);
    const float dBA = Richtungswinkel(d.x, d.y);
    if (schritt >= 1)
        bild << TBogen{a, r, dAB - 70, dAB + 70, 1, clBlack};
    if (schritt >= 2)
        bild << TBogen{b, r, dBA - 70, dBA + 70, 1, clBlack} << Schnittpunkte(a, b, d, r, schritt);
    return bild;
}

// ---------------------------------------------------------------------------
// Angle bisector

// The marked angle at V from the first leg (through P1) to the second (through
// P3), and the rhombus V, PA, X, PB of its construction: PA and PB on the legs
// at the compass radius r from V, X its fourth vertex.
struct TWinkel {
    TWeltPunkt p1, v, p3;
    TWeltPunkt a, b;   // the legs as vectors from V
    TWeltPunkt ua, ub; // and their unit vectors
    float r = 0, dA = 0, dB = 0;
    bool gegenUhrzeiger = false; // the second leg lies counter-clockwise from the first
    TWeltPunkt pa, pb, x;
    TWeltPunkt l; // a little beyond X on the bisector
};

TWinkel Winkel(const TMarkierPunkt* punkte)
{
    TWinkel w;
    w.p1 = Ort(punkte[1]);
    w.v = Ort(punkte[2]);
    w.p3 = Ort(punkte[3]);
    const TWeltPunkt v = w.v;
    w.a = Von(v, w.p1);
    w.b = Von(v, w.p3);
    Normieren(w.a.x, w.a.y, w.ua.x, w.ua.y);
    Normieren(w.b.x, w.b.y, w.ub.x, w.ub.y);
    w.r = WinkelRadius(punkte[1], punkte[2], punkte[3]);
    w.dA = Richtungswinkel(w.a.x, w.a.y);
    w.dB = Richtungswinkel(w.b.x, w.b.y);
    w.gegenUhrzeiger = Kreuzprodukt(w.a.x, w.a.y, w.b.x, w.b.y) >= 0;
    w.pa = {v.x + w.r * w.ua.x, v.y + w.r * w.ua.y};
    w.pb = {v.x + w.r * w.ub.x, v.y + w.r * w.ub.y};
    w.x = {w.pa.x + w.pb.x - v.x, w.pa.y + w.pb.y - v.y};
    w.l = {v.x + 1.1f * (w.x.x - v.x), v.y + 1.1f * (w.x.y - v.y)};
    return w;
}

// Labels: "a" beyond P1, "S" behind the vertex, "b" beyond P3 seen from P1;
// then the legs over them.
TBild Schenkel(const TWinkel& w)
{
    float hx = 0, hy = 0, ucx = 0, ucy = 0;
    TWeltPunkt h;
    Halbierende(w.a.x, w.a.y, w.b.x, w.b.y, h.x, h.y);
    Normieren(h.x, h.y, hx, hy);
    const TWeltPunkt c = Von(w.p1, w.p3);
    Normieren(c.x, c.y, ucx, ucy);
    TBild bild;
    bild << Name("a", {w.p1.x + 0.6f * w.ua.x, w.p1.y + 0.6f * w.ua.y})
         << Name("S", {w.v.x - 0.4f * hx, w.v.y - 0.4f * hy})
         << Name("b", {w.p3.x + 0.6f * ucx, w.p3.y + 0.6f * ucy})
         << TStrecke{w.p1, w.v, 3, clBlack, linieVoll} << TStrecke{w.v, w.p3, 3, clBlack, linieVoll};
    return bild;
}

// A 20-degree arc of radius r about m through X.
TBogen DurchX(const TWinkel& w, TWeltPunkt m)
{
    const float zuX = Richtung(m, w.x);
    return {m, w.r, zuX - 10, zuX + 10, 1, clBlack};
}

// The legs with their names, and the construction up to `schritt`.
TBild WinkelKonstruktion(const TWinkel& w, int schritt)
{
    TBild bild = Schenkel(w);
    // The arc about V runs counter-clockwise across the angle, 10 degrees
    // beyond each leg; A and B stand on its ends.
    const float von = w.gegenUhrzeiger ? w.dA - 10 : w.dB - 10;
    const float bis = w.gegenUhrzeiger ? w.dB + 10 : w.dA + 10;
    if (schritt >= 1)
        bild << TBogen{w.v, w.r, von, bis, 1, clBlack};
    if (schritt >= 2) {
        const TText amAnfang = Name(w.gegenUhrzeiger ? "A" : "B",
                                    Polar(w.v, von, w.r));
        const TText amEnde = Name(w.gegenUhrzeiger ? "B" : "A",
                                  Polar(w.v, bis, w.r));
        bild << amAnfang << amEnde << DurchX(w, w.pa);
    }
    if (schritt >= 3)
        bild << DurchX(w, w.pb) << Name("X", {w.l.x, w.l.y - 0.4f});
    if (schritt >= 4)
        bild << TGerade{w.v, w.l, 10, 10, 1, clRed, linieStrichPunkt};
    return bild;
}

} // namespace

std::string StreckenAnleitung(int schritt) { return ausTabelle(anleitungen1, schritt); }
std::string WinkelAnleitung(int schritt) { return ausTabelle(anleitungen2, schritt); }

float StreckenRadius(const TMarkierPunkt& a, const TMarkierPunkt& b)
{
    return 0.75f * Abstand(a.x, a.y, b.x, b.y);
}

float WinkelRadius(const TMarkierPunkt& p1, const TMarkierPunkt& v, const TMarkierPunkt& p3)
{
    return std::trunc(0.75f * std::min(Abstand(v.x, v.y, p1.x, p1.y), Abstand(v.x, v.y, p3.x, p3.y)));
}

TBild StreckensymmetraleBild(const TMarkierPunkt* punkte, int markiert, int schritt, float radius,
                             TFarbe punktFarbe)
{
    return (markiert < 2 ? MarkierRahmen()
                         : StreckenKonstruktion(Ort(punkte[1]), Ort(punkte[2]), schritt, radius))
        << MarkierPunkte(punkte, 2, punktFarbe);
}

TBild WinkelsymmetraleBild(const TMarkierPunkt* punkte, int markiert, int schritt, TFarbe punktFarbe)
{
    return (markiert < 3 ? MarkierRahmen() : WinkelKonstruktion(Winkel(punkte), schritt))
        << MarkierPunkte(punkte, 3, punktFarbe);
}

std::string StreckenBeschreibung(const TMarkierPunkt* punkte, int markiert, int schritt)
{
    if (markiert < 2)
        return MarkierText(punkte, markiert, 2);
    const TMarkierPunkt &a = punkte[1], &b = punkte[2];
    const std::string text = Satz("Strecke AB mit %1 und %2.", {PunktText("A", a.x, a.y), PunktText("B", b.x, b.y)});
    const std::vector<std::string> gezeichnet{
        Satz("Kreisbogen um A mit dem Radius %1", {ZahlFuerLeser(StreckenRadius(a, b))}),
        "Kreisbogen um B mit demselben Radius, Schnittpunkte S1 und S2",
        "Streckensymmetrale durch S1 und S2",
    };
    return mitSchritt(text, schritt, StreckenAnleitung(schritt), gezeichnet);
}

std::string WinkelBeschreibung(const TMarkierPunkt* punkte, int markiert, int schritt)
{
    if (markiert < 3)
        return MarkierText(punkte, markiert, 3);
    const TMarkierPunkt &p1 = punkte[1], &v = punkte[2], &p3 = punkte[3];
    const std::string text = Satz("Winkel mit dem Scheitel %1, Schenkel a bis %2, Schenkel b bis %3.",
                                  {PunktText("S", v.x, v.y), PunktText("", p1.x, p1.y), PunktText("", p3.x, p3.y)});
    const std::vector<std::string> gezeichnet{
        Satz("Kreisbogen um S mit dem Radius %1", {ZahlFuerLeser(WinkelRadius(p1, v, p3))}),
        "Schnittpunkte A und B, Kreisbogen um A",
        "Kreisbogen um B, Schnittpunkt X",
        "Winkelsymmetrale durch S und X",
    };
    return mitSchritt(text, schritt, WinkelAnleitung(schritt), gezeichnet);
}
