// Random triangles by rejection. A candidate's coordinates are drawn in the
// order Ax, Ay, Bx, By, Cx, Cy. Nine candidates in ten already fail the rules
// that concern A and B alone (B right of and above A, AB longer than 15); C is
// drawn only for the others. Every candidate is independent of the one before,
// so leaving out the C of a lost candidate changes nothing in the distribution
// of the triangles found. The rules of a kind are tested twice: first on the
// whole numbers themselves (squared sides, dot and cross products), which is
// exact and turns down nearly every candidate with a few multiplications; then,
// only for what is left, on the single-precision lengths and angles as the
// lesson states them and on the whole numbers the text box will show. The
// whole-number tests only reject candidates that the second test would reject
// as well, so the accepted triangle is the same.
#include "lessons/Dreieck0Erzeuger.h"

#include "draw/PolKartU.h"
#include "draw/VektorU.h"
#include "draw/ZufallU.h"

#include <cmath>
#include <cstdlib>
#include <type_traits>

namespace dreieck0 {

namespace {

long double L(float wert) { return static_cast<long double>(wert); }

// A candidate in whole numbers.
struct TKandidat {
    int ax, ay, bx, by, cx, cy;
};

// Draws A and B of a candidate; false if they already break the common rules
// (then C is not drawn). Otherwise draws C as well. Inlined into the search
// loop, so that the generator's state stays in registers.
[[gnu::always_inline]] inline bool ZieheKandidat(TZiehungen& z, TKandidat& k)
{
    k.ax = z.Random(15) - 13; // -13 .. 1
    k.ay = z.Random(15) - 13; // -13 .. 1
    k.bx = z.Random(27) - 13; // -13 .. 13
    k.by = z.Random(15) - 13; // -13 .. 1
    const int abx = k.bx - k.ax, aby = k.by - k.ay;
    if (!((abx > 0) & (aby > 0) & (abx * abx + aby * aby > 225)))
        return false;
    k.cx = z.Random(27) - 13; // -13 .. 13
    k.cy = z.Random(13) + 1;  //   1 .. 13
    return true;
}

// Whole-number measures of a candidate: squared sides, the cross product of
// B - A and C - A, and the dot product of the two legs at each vertex, each
// computed only where a test asks for it.
struct TGanz {
    int abx, aby, acx, acy, bcx, bcy;

    explicit TGanz(const TKandidat& k)
        : abx(k.bx - k.ax), aby(k.by - k.ay), acx(k.cx - k.ax), acy(k.cy - k.ay), bcx(k.cx - k.bx),
          bcy(k.cy - k.by), geordnet((k.bx > k.ax) & (k.by > k.ay) & (k.cy > k.by))
    {
    }

    int c2() const { return abx * abx + aby * aby; }
    int b2() const { return acx * acx + acy * acy; }
    int a2() const { return bcx * bcx + bcy * bcy; }
    int Skalar(TEcke ecke) const
    {
        switch (ecke) {
        case TEcke::A: return abx * acx + aby * acy;
        case TEcke::B: return -abx * bcx - aby * bcy;
        default: return acx * bcx + acy * bcy;
        }
    }
    bool Verschieden() const { return (c2() != b2()) & (c2() != a2()) & (b2() != a2()); }

    // The rules every kind shares: A below and left of B, C above B, every side
    // longer than 15 (squared above 225; the square root of a whole number up to
    // 225 is at most 15 in any precision), and A, B, C running counter-clockwise,
    // which also turns down three points on one line.
    bool Gemeinsam() const
    {
        return geordnet & (c2() > 225) & (b2() > 225) & (a2() > 225) & (abx * acy - aby * acx > 0);
    }

private:
    bool geordnet;
};

bool GemeinsameRegeln(const TDreieck& d, const TDreieckMasse& m)
{
    const long double kreuz = (L(d.bx) - d.ax) * (L(d.cy) - d.ay) - (L(d.by) - d.ay) * (L(d.cx) - d.ax);
    return m.c > 15 && m.b > 15 && m.a > 15 && d.bx > d.ax && d.by > d.ay && d.cy > d.by && kreuz > 0;
}

bool Verschieden(const TDreieckMasse& m) { return m.c != m.b && m.c != m.a && m.b != m.a; }

// Three lengths that differ can still round to the same whole number (19.105
// and 19.026 both show 19): a scalene triangle must show three numbers.
bool ZeigtVerschiedeneSeiten(const TDreieckMasse& m)
{
    const int c = GezeigteZahl(m.c), a = GezeigteZahl(m.a), b = GezeigteZahl(m.b);
    return c != a && c != b && a != b;
}

// The rounded angles may add up to 179 or 181; the box must show 180.
bool ZeigtWinkelsumme180(const TDreieckMasse& m)
{
    return GezeigteZahl(m.alpha) + GezeigteZahl(m.beta) + GezeigteZahl(m.gamma) == 180;
}

// Draws candidates until one passes. First `ganz`, the kind's most selective
// whole-number test, then the common rules on whole numbers: both may only
// reject what the rules on the single-precision measures reject as well. Then
// the common rules and `regel` on the measures; angles are measured only for
// the angle kinds. The whole-number tests combine with & where && would add
// a branch that goes either way at random.
template <class Ganz, class Regel>
void Suche(TDreieck& d, TDreieckMasse& m, bool mitWinkeln, Ganz ganz, Regel regel)
{
    TZiehungen ziehungen;
    for (;;) {
        TKandidat k;
        if (!ZieheKandidat(ziehungen, k))
            continue;
        const TGanz g(k);
        if (!ganz(g) || !g.Gemeinsam())
            continue;
        d = {float(k.ax), float(k.ay), float(k.bx), float(k.by), float(k.cx), float(k.cy)};
        MissSeiten(d, m);
        if (mitWinkeln)
            MissWinkel(d, m);
        if (GemeinsameRegeln(d, m) && regel(d, m))
            return;
    }
}

TEcke EckeAus(int r) { return r <= 33 ? TEcke::A : r <= 66 ? TEcke::B : TEcke::C; }

// Calls f with the vertex as a compile-time constant.
template <class F>
void MitEcke(TEcke ecke, F f)
{
    switch (ecke) {
    case TEcke::A: f(std::integral_constant<TEcke, TEcke::A>{}); break;
    case TEcke::B: f(std::integral_constant<TEcke, TEcke::B>{}); break;
    case TEcke::C: f(std::integral_constant<TEcke, TEcke::C>{}); break;
    }
}

// The two legs at a vertex, from the vertex to the other two.
void Schenkel(TEcke ecke, const TDreieck& d, float& ux, float& uy, float& vx, float& vy)
{
    switch (ecke) {
    case TEcke::A:
        Differenz(d.ax, d.ay, d.bx, d.by, ux, uy);
        Differenz(d.ax, d.ay, d.cx, d.cy, vx, vy);
        break;
    case TEcke::B:
        Differenz(d.bx, d.by, d.cx, d.cy, ux, uy);
        Differenz(d.bx, d.by, d.ax, d.ay, vx, vy);
        break;
    case TEcke::C:
        Differenz(d.cx, d.cy, d.ax, d.ay, ux, uy);
        Differenz(d.cx, d.cy, d.bx, d.by, vx, vy);
        break;
    }
}

// The legs at the vertex are exactly perpendicular (single-precision dot
// product of whole numbers, so exact).
bool Rechtwinkelig(TEcke ecke, const TDreieck& d)
{
    float ux, uy, vx, vy;
    Schenkel(ecke, d, ux, uy, vx, vy);
    return Skalarprodukt(ux, uy, vx, vy) == 0;
}

float Winkel(TEcke ecke, const TDreieckMasse& m)
{
    return ecke == TEcke::A ? m.alpha : ecke == TEcke::B ? m.beta : m.gamma;
}

// The searches of one case, with the case fixed at compile time so that the
// loop over the candidates carries no choice.
template <int spitze>
void GleichschenkeligMit(TDreieck& d, TDreieckMasse& m)
{
    // Equal lengths of whole-number sides are equal squares. The excluded
    // equation (twice the base is the sum of the legs) means base = leg, the
    // equilateral case, which no whole-number triangle reaches exactly.
    const auto ganz = [](const TGanz& g) {
        if constexpr (spitze == spitzeC)
            return (g.b2() == g.a2()) & (g.c2() != g.a2());
        else if constexpr (spitze == spitzeB)
            return (g.c2() == g.a2()) & (g.b2() != g.a2());
        else
            return (g.c2() == g.b2()) & (g.a2() != g.b2());
    };
    const auto regel = [](const TDreieck&, const TDreieckMasse& m) {
        if constexpr (spitze == spitzeC)
            return m.b == m.a && 2 * L(m.c) != L(m.a) + m.b;
        else if constexpr (spitze == spitzeB)
            return m.c == m.a && 2 * L(m.b) != L(m.c) + m.a;
        else
            return m.c == m.b && 2 * L(m.a) != L(m.c) + m.b;
    };
    Suche(d, m, false, ganz, regel);
}

template <TEcke ecke>
void StumpfwinkeligBei(TDreieck& d, TDreieckMasse& m)
{
    // An angle above 91 degrees has legs with a negative dot product.
    Suche(d, m, true, [](const TGanz& g) { return (g.Skalar(ecke) < 0) & g.Verschieden(); },
          [](const TDreieck&, const TDreieckMasse& m) {
              // The obtuse angle itself is not 0; the other two must not be either.
              return Verschieden(m) && Winkel(ecke, m) > 91 && m.alpha != 0 && m.beta != 0 && m.gamma != 0 &&
                     ZeigtWinkelsumme180(m);
          });
}

template <TEcke ecke>
void RechtwinkeligBei(TDreieck& d, TDreieckMasse& m)
{
    Suche(d, m, true, [](const TGanz& g) { return (g.Skalar(ecke) == 0) && g.Verschieden(); },
          [](const TDreieck& d, const TDreieckMasse& m) {
              return Verschieden(m) && Rechtwinkelig(ecke, d) && ZeigtWinkelsumme180(m);
          });
}

} // namespace

void MissSeiten(const TDreieck& d, TDreieckMasse& m)
{
    float x, y;
    Differenz(d.ax, d.ay, d.bx, d.by, x, y);
    m.c = Laenge(x, y);
    Differenz(d.ax, d.ay, d.cx, d.cy, x, y);
    m.b = Laenge(x, y);
    Differenz(d.bx, d.by, d.cx, d.cy, x, y);
    m.a = Laenge(x, y);
}

void MissWinkel(const TDreieck& d, TDreieckMasse& m)
{
    const auto richtung = [](float x1, float y1, float x2, float y2) {
        float x, y;
        Differenz(x1, y1, x2, y2, x, y);
        return Richtungswinkel(x, y);
    };
    m.richtungAB = richtung(d.ax, d.ay, d.bx, d.by);
    m.richtungAC = richtung(d.ax, d.ay, d.cx, d.cy);
    m.richtungBC = richtung(d.bx, d.by, d.cx, d.cy);
    m.richtungBA = richtung(d.bx, d.by, d.ax, d.ay);
    m.richtungCA = richtung(d.cx, d.cy, d.ax, d.ay);
    m.richtungCB = richtung(d.cx, d.cy, d.bx, d.by);
    m.alpha = static_cast<float>(L(m.richtungAC) - m.richtungAB);
    m.beta = static_cast<float>(L(m.richtungBA) - m.richtungBC);
    m.gamma = static_cast<float>(L(m.richtungCB) - m.richtungCA);
}

void ErzeugeUngleichseitig(TDreieck& d, TDreieckMasse& m)
{
    Suche(d, m, false, [](const TGanz& g) { return g.Verschieden(); },
          [](const TDreieck&, const TDreieckMasse& m) { return Verschieden(m) && ZeigtVerschiedeneSeiten(m); });
}

void ErzeugeGleichschenkelig(TDreieck& d, TDreieckMasse& m, int& spitze)
{
    const int r = Random(100);
    const int gewaehlt = r <= 33 ? spitzeC : r <= 66 ? spitzeB : spitzeA;
    ErzeugeGleichschenkeligMitSpitze(gewaehlt, d, m);
    spitze = gewaehlt;
}

void ErzeugeGleichschenkeligMitSpitze(int spitze, TDreieck& d, TDreieckMasse& m)
{
    switch (spitze) {
    case spitzeC: GleichschenkeligMit<spitzeC>(d, m); break;
    case spitzeB: GleichschenkeligMit<spitzeB>(d, m); break;
    default: GleichschenkeligMit<spitzeA>(d, m); break;
    }
}

void ErzeugeGleichseitig(TDreieck& d, TDreieckMasse& m)
{
    // Two sides that differ by less than 0.2 have squares that differ by less
    // than 0.2 times their sum, and no side is longer than sqrt(26² + 26²) < 36.8:
    // so by at most 14.
    const auto nahe = [](int p, int q) { return std::abs(p - q) <= 14; };
    Suche(d, m, false,
          [nahe](const TGanz& g) { return nahe(g.c2(), g.b2()) & nahe(g.c2(), g.a2()) & nahe(g.b2(), g.a2()); },
          [](const TDreieck&, const TDreieckMasse& m) {
              return std::fabs(L(m.c) - m.b) < 0.2L && std::fabs(L(m.c) - m.a) < 0.2L &&
                     std::fabs(L(m.b) - m.a) < 0.2L;
          });
}

void ErzeugeSpitzwinkelig(TDreieck& d, TDreieckMasse& m)
{
    // Every angle must show at most 89: an angle of 89.7 degrees, or a right
    // one measured a hair below 90 (89.99999), shows 90 and is turned down. An
    // angle of 90 or more has legs with a dot product of at most 0.
    Suche(d, m, true,
          [](const TGanz& g) {
              return (g.Skalar(TEcke::A) > 0) & (g.Skalar(TEcke::B) > 0) & (g.Skalar(TEcke::C) > 0) & g.Verschieden();
          },
          [](const TDreieck&, const TDreieckMasse& m) {
              return Verschieden(m) && GezeigteZahl(m.alpha) < 90 && GezeigteZahl(m.beta) < 90 &&
                     GezeigteZahl(m.gamma) < 90 && ZeigtWinkelsumme180(m);
          });
}

void ErzeugeStumpfwinkelig(TDreieck& d, TDreieckMasse& m)
{
    ErzeugeStumpfwinkeligBei(EckeAus(Random(100)), d, m);
}

void ErzeugeStumpfwinkeligBei(TEcke ecke, TDreieck& d, TDreieckMasse& m)
{
    MitEcke(ecke, [&](auto e) { StumpfwinkeligBei<e.value>(d, m); });
}

void ErzeugeRechtwinkelig(TDreieck& d, TDreieckMasse& m)
{
    ErzeugeRechtwinkeligBei(EckeAus(Random(100)), d, m);
}

void ErzeugeRechtwinkeligBei(TEcke ecke, TDreieck& d, TDreieckMasse& m)
{
    MitEcke(ecke, [&](auto e) { RechtwinkeligBei<e.value>(d, m); });
}

} // namespace dreieck0
