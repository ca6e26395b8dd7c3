// The random triangles of "Einteilung der Dreiecke": thousands of seeded
// triangles per kind checked against the rules on whole numbers, the apex and
// vertex cases, the fast search against a plain one that measures every
// candidate, seed by seed, and the whole candidate domain enumerated once.
#include "lessons/Dreieck0Erzeuger.h"

#include "draw/GlobalU.h"
#include "draw/VektorU.h"
#include "draw/ZufallU.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

using namespace dreieck0;

namespace {

enum class Art { Ungleichseitig, Gleichschenkelig, Gleichseitig, Spitzwinkelig, Stumpfwinkelig, Rechtwinkelig };

struct TErgebnis {
    TDreieck d;
    TDreieckMasse m;
    int spitze = 0;
};

// Whole-number view of an accepted triangle.
struct TGanzzahlig {
    int ax, ay, bx, by, cx, cy;
    int c2() const { return (bx - ax) * (bx - ax) + (by - ay) * (by - ay); }
    int b2() const { return (cx - ax) * (cx - ax) + (cy - ay) * (cy - ay); }
    int a2() const { return (cx - bx) * (cx - bx) + (cy - by) * (cy - by); }
    int kreuz() const { return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax); }
    int skalarA() const { return (bx - ax) * (cx - ax) + (by - ay) * (cy - ay); }
    int skalarB() const { return (cx - bx) * (ax - bx) + (cy - by) * (ay - by); }
    int skalarC() const { return (ax - cx) * (bx - cx) + (ay - cy) * (by - cy); }
    bool verschieden() const { return c2() != b2() && c2() != a2() && b2() != a2(); }
};

TGanzzahlig Ganz(const TDreieck& d)
{
    const auto g = [](float v) {
        EXPECT_EQ(v, std::round(v));
        return int(v);
    };
    return {g(d.ax), g(d.ay), g(d.bx), g(d.by), g(d.cx), g(d.cy)};
}

// The lesson's search as written: all six numbers of a candidate, then every
// length (and for the angle kinds every direction), then the rules. With the
// choices of this program: vertices counter-clockwise, and the shown whole
// numbers agree with the kind (unless `nurDieRegeln`: the rules alone).
TErgebnis SucheWieBeschrieben(Art art, bool nurDieRegeln = false)
{
    int fall = -1;
    if (art == Art::Gleichschenkelig || art == Art::Stumpfwinkelig || art == Art::Rechtwinkelig) {
        const int r = Random(100);
        fall = r <= 33 ? 0 : r <= 66 ? 1 : 2;
    }
    const bool winkel = art >= Art::Spitzwinkelig;
    for (;;) {
        TErgebnis e;
        TDreieck& d = e.d;
        d.ax = float(Random(15) - 13);
        d.ay = float(Random(15) - 13);
        d.bx = float(Random(27) - 13);
        d.by = float(Random(15) - 13);
        // C is drawn only for an A and B that keep the rules concerning them.
        float abx, aby;
        Differenz(d.ax, d.ay, d.bx, d.by, abx, aby);
        if (!(d.bx > d.ax && d.by > d.ay && Laenge(abx, aby) > 15))
            continue;
        d.cx = float(Random(27) - 13);
        d.cy = float(Random(13) + 1);
        TDreieckMasse& m = e.m;
        MissSeiten(d, m);
        if (winkel)
            MissWinkel(d, m);
        const TGanzzahlig g = Ganz(d);
        if (!(m.c > 15 && m.b > 15 && m.a > 15 && d.bx > d.ax && d.by > d.ay && d.cy > d.by && g.kreuz() > 0))
            continue;
        const bool verschieden = m.c != m.b && m.c != m.a && m.b != m.a;
        const int zc = GezeigteZahl(m.c), zb = GezeigteZahl(m.b), za = GezeigteZahl(m.a);
        const int zw[3] = {GezeigteZahl(m.alpha), GezeigteZahl(m.beta), GezeigteZahl(m.gamma)};
        const bool zeigtVerschieden = nurDieRegeln || (zc != zb && zc != za && zb != za);
        const bool zeigt180 = nurDieRegeln || zw[0] + zw[1] + zw[2] == 180;
        const bool zeigtSpitz = nurDieRegeln || (zw[0] < 90 && zw[1] < 90 && zw[2] < 90);
        const auto nahe = [](float p, float q) { return std::fabs(double(p) - q) < 0.2; };
        bool gut = false;
        switch (art) {
        case Art::Ungleichseitig: gut = verschieden && zeigtVerschieden; break;
        case Art::Gleichschenkelig:
            e.spitze = fall == 0 ? spitzeC : fall == 1 ? spitzeB : spitzeA;
            gut = fall == 0   ? m.b == m.a && 2.0 * m.c != double(m.a) + m.b
                  : fall == 1 ? m.c == m.a && 2.0 * m.b != double(m.c) + m.a
                              : m.c == m.b && 2.0 * m.a != double(m.c) + m.b;
            break;
        case Art::Gleichseitig: gut = nahe(m.c, m.b) && nahe(m.c, m.a) && nahe(m.b, m.a); break;
        case Art::Spitzwinkelig:
            gut = verschieden && m.alpha < 90 && m.beta < 90 && m.gamma < 90 && zeigtSpitz && zeigt180;
            break;
        case Art::Stumpfwinkelig:
            gut = verschieden && zeigt180 &&
                  (fall == 0   ? m.alpha > 91 && m.beta != 0 && m.gamma != 0
                   : fall == 1 ? m.beta > 91 && m.alpha != 0 && m.gamma != 0
                               : m.gamma > 91 && m.alpha != 0 && m.beta != 0);
            break;
        case Art::Rechtwinkelig:
            gut = verschieden && zeigt180 && (fall == 0 ? g.skalarA() : fall == 1 ? g.skalarB() : g.skalarC()) == 0;
            break;
        }
        if (gut)
            return e;
    }
}

TErgebnis Erzeuge(Art art, TDreieckMasse m = {})
{
    TErgebnis e;
    e.m = m;
    switch (art) {
    case Art::Ungleichseitig: ErzeugeUngleichseitig(e.d, e.m); break;
    case Art::Gleichschenkelig: ErzeugeGleichschenkelig(e.d, e.m, e.spitze); break;
    case Art::Gleichseitig: ErzeugeGleichseitig(e.d, e.m); break;
    case Art::Spitzwinkelig: ErzeugeSpitzwinkelig(e.d, e.m); break;
    case Art::Stumpfwinkelig: ErzeugeStumpfwinkelig(e.d, e.m); break;
    case Art::Rechtwinkelig: ErzeugeRechtwinkelig(e.d, e.m); break;
    }
    return e;
}

// Draws `anzahl` triangles of a kind from a fixed seed, checks the rules every
// kind shares and the measures, and hands each to `pruefe`.
void VieleDreiecke(Art art, int anzahl, const std::function<void(const TErgebnis&, const TGanzzahlig&)>& pruefe)
{
    SetzeZufallsKeim(1000 + int(art));
    const bool winkel = art >= Art::Spitzwinkelig;
    for (int i = 0; i < anzahl; ++i) {
        TDreieckMasse vorher;
        vorher.alpha = vorher.beta = vorher.gamma = -7; // the side kinds leave the angles alone
        const TErgebnis e = Erzeuge(art, vorher);
        const TGanzzahlig g = Ganz(e.d);
        ASSERT_TRUE(g.ax >= -13 && g.ax <= 1 && g.ay >= -13 && g.ay <= 1 && g.bx >= -13 && g.bx <= 13 &&
                    g.by >= -13 && g.by <= 1 && g.cx >= -13 && g.cx <= 13 && g.cy >= 1 && g.cy <= 13);
        ASSERT_TRUE(g.bx > g.ax && g.by > g.ay && g.cy > g.by);
        ASSERT_TRUE(g.c2() > 225 && g.b2() > 225 && g.a2() > 225);
        ASSERT_GT(g.kreuz(), 0) << "clockwise or flat";
        ASSERT_EQ(e.m.c, float(std::sqrt(double(g.c2()))));
        ASSERT_EQ(e.m.a, float(std::sqrt(double(g.a2()))));
        ASSERT_EQ(e.m.b, float(std::sqrt(double(g.b2()))));
        if (winkel)
            ASSERT_NEAR(double(e.m.alpha) + e.m.beta + e.m.gamma, 180.0, 1e-3);
        else
            ASSERT_EQ(e.m.alpha, -7.0f);
        pruefe(e, g);
    }
}

// The angle at a vertex from whole numbers, in degrees.
double Winkel(int skalar, int p2, int q2) { return std::acos(skalar / std::sqrt(double(p2) * q2)) * 180 / M_PI; }

} // namespace

TEST(Dreieck0Erzeuger, SeitenArten)
{
    VieleDreiecke(Art::Ungleichseitig, 2000, [](const TErgebnis&, const TGanzzahlig& g) {
        ASSERT_TRUE(g.verschieden());
    });

    int spitzen[4] = {};
    VieleDreiecke(Art::Gleichschenkelig, 3000, [&](const TErgebnis& e, const TGanzzahlig& g) {
        ++spitzen[e.spitze];
        // Legs of equal squares, a base of another length; the legs show one number.
        int schenkel1 = g.c2(), schenkel2 = g.b2(), basis = g.a2(); // apex A
        int z1 = GezeigteZahl(e.m.c), z2 = GezeigteZahl(e.m.b);
        if (e.spitze == spitzeC) {
            schenkel1 = g.b2(), schenkel2 = g.a2(), basis = g.c2();
            z1 = GezeigteZahl(e.m.b), z2 = GezeigteZahl(e.m.a);
        } else if (e.spitze == spitzeB) {
            schenkel1 = g.c2(), schenkel2 = g.a2(), basis = g.b2();
            z1 = GezeigteZahl(e.m.c), z2 = GezeigteZahl(e.m.a);
        }
        ASSERT_EQ(schenkel1, schenkel2);
        ASSERT_NE(basis, schenkel1);
        ASSERT_EQ(z1, z2);
    });
    EXPECT_EQ(spitzen[0], 0);
    for (int s : {spitzeC, spitzeB, spitzeA})
        EXPECT_GT(spitzen[s], 850) << "apex " << s; // about a third each

    VieleDreiecke(Art::Gleichseitig, 600, [](const TErgebnis&, const TGanzzahlig& g) {
        const double c = std::sqrt(g.c2()), b = std::sqrt(g.b2()), a = std::sqrt(g.a2());
        ASSERT_TRUE(std::fabs(c - b) < 0.2 && std::fabs(c - a) < 0.2 && std::fabs(b - a) < 0.2);
    });
}

TEST(Dreieck0Erzeuger, WinkelArten)
{
    VieleDreiecke(Art::Spitzwinkelig, 2000, [](const TErgebnis& e, const TGanzzahlig& g) {
        ASSERT_TRUE(g.verschieden());
        ASSERT_TRUE(g.skalarA() > 0 && g.skalarB() > 0 && g.skalarC() > 0);
        ASSERT_TRUE(e.m.alpha < 90 && e.m.beta < 90 && e.m.gamma < 90);
    });

    int stumpf[3] = {};
    VieleDreiecke(Art::Stumpfwinkelig, 3000, [&](const TErgebnis& e, const TGanzzahlig& g) {
        ASSERT_TRUE(g.verschieden());
        const double winkel[3] = {Winkel(g.skalarA(), g.c2(), g.b2()), Winkel(g.skalarB(), g.c2(), g.a2()),
                                  Winkel(g.skalarC(), g.b2(), g.a2())};
        const float gemessen[3] = {e.m.alpha, e.m.beta, e.m.gamma};
        int ecke = 0;
        while (ecke < 3 && !(winkel[ecke] > 90))
            ++ecke;
        ASSERT_LT(ecke, 3);
        ASSERT_GT(winkel[ecke], 91 - 1e-4); // never just above 90
        ASSERT_GT(gemessen[ecke], 91.0f);
        ++stumpf[ecke];
        // For counter-clockwise vertices the differences of directions are the interior angles.
        for (int i = 0; i < 3; ++i)
            ASSERT_NEAR(gemessen[i], winkel[i], 1e-3);
    });
    for (int n : stumpf)
        EXPECT_GT(n, 850);

    int recht[3] = {};
    VieleDreiecke(Art::Rechtwinkelig, 600, [&](const TErgebnis& e, const TGanzzahlig& g) {
        ASSERT_TRUE(g.verschieden());
        const int skalar[3] = {g.skalarA(), g.skalarB(), g.skalarC()};
        const float gemessen[3] = {e.m.alpha, e.m.beta, e.m.gamma};
        int ecke = 0;
        while (ecke < 3 && skalar[ecke] != 0)
            ++ecke;
        ASSERT_LT(ecke, 3);
        ++recht[ecke];
        ASSERT_EQ(GezeigteZahl(gemessen[ecke]), 90);
    });
    for (int n : recht)
        EXPECT_GT(n, 140);
}

// The search that tests whole numbers first finds, seed by seed, the very
// triangle that measuring every candidate finds, and leaves the generator in
// the same state.
TEST(Dreieck0Erzeuger, GleichesDreieckWieDieSucheMitAllenMassen)
{
    const struct {
        Art art;
        int keime;
    } arten[] = {{Art::Ungleichseitig, 300}, {Art::Gleichschenkelig, 300}, {Art::Gleichseitig, 25},
                 {Art::Spitzwinkelig, 300},  {Art::Stumpfwinkelig, 300},   {Art::Rechtwinkelig, 25}};
    for (const auto& a : arten) {
        for (int keim = 1; keim <= a.keime; ++keim) {
            SetzeZufallsKeim(std::uint64_t(keim) * 7919);
            const TErgebnis schnell = Erzeuge(a.art);
            const int danach = Random(1 << 30);
            SetzeZufallsKeim(std::uint64_t(keim) * 7919);
            const TErgebnis genau = SucheWieBeschrieben(a.art);
            ASSERT_EQ(Random(1 << 30), danach) << "kind " << int(a.art) << " seed " << keim;
            const TDreieck &s = schnell.d, &g = genau.d;
            ASSERT_TRUE(s.ax == g.ax && s.ay == g.ay && s.bx == g.bx && s.by == g.by && s.cx == g.cx && s.cy == g.cy);
            ASSERT_EQ(schnell.spitze, genau.spitze);
            ASSERT_EQ(schnell.m.c, genau.m.c);
            if (a.art >= Art::Spitzwinkelig) {
                ASSERT_EQ(schnell.m.alpha, genau.m.alpha);
                ASSERT_EQ(schnell.m.richtungCB, genau.m.richtungCB);
            }
        }
    }
}

// A right angle can be measured a hair below 90 degrees (89.99999): by the
// rules alone such a triangle would pass as acute and show "90°" under "Alle
// drei Winkel sind spitz". The generator turns it down.
TEST(Dreieck0Erzeuger, RechterWinkelGiltNichtAlsSpitz)
{
    TDreieck d{-13, -13, 8, -1, 0, 13};
    TDreieckMasse m;
    MissWinkel(d, m);
    EXPECT_LT(m.beta, 90.0f);
    EXPECT_EQ(GezeigteZahl(m.beta), 90);

    // The first seed from which the rules alone give such a triangle.
    std::uint64_t keim = 1;
    for (;; ++keim) {
        SetzeZufallsKeim(keim);
        const TGanzzahlig g = Ganz(SucheWieBeschrieben(Art::Spitzwinkelig, true).d);
        if (g.skalarA() == 0 || g.skalarB() == 0 || g.skalarC() == 0)
            break;
    }
    SetzeZufallsKeim(keim);
    const TGanzzahlig g = Ganz(Erzeuge(Art::Spitzwinkelig).d);
    EXPECT_TRUE(g.skalarA() > 0 && g.skalarB() > 0 && g.skalarC() > 0);
}

TEST(Dreieck0Erzeuger, RichtungenUndWinkel)
{
    // Right angle at A, 45 degrees at B and C.
    TDreieckMasse m;
    MissSeiten({-10, -10, 10, -10, -10, 10}, m);
    MissWinkel({-10, -10, 10, -10, -10, 10}, m);
    EXPECT_EQ(m.c, 20.0f);
    EXPECT_EQ(m.b, 20.0f);
    EXPECT_FLOAT_EQ(m.a, float(std::sqrt(800.0)));
    EXPECT_EQ(m.richtungAB, 0.0f);
    EXPECT_EQ(m.richtungAC, 90.0f);
    EXPECT_FLOAT_EQ(m.richtungBC, 135.0f);
    EXPECT_EQ(m.richtungBA, 180.0f);
    EXPECT_EQ(m.richtungCA, 270.0f);
    EXPECT_FLOAT_EQ(m.richtungCB, 315.0f);
    EXPECT_EQ(m.alpha, 90.0f);
    EXPECT_FLOAT_EQ(m.beta, 45.0f);
    EXPECT_FLOAT_EQ(m.gamma, 45.0f);
}

// ---------------------------------------------------------------------------
// The whole candidate domain, once: for each kind and case the exact set of
// triangles that keep the rules and show numbers that agree with the kind.

namespace {

// A candidate as one number; enumerating in drawing order gives rising keys.
std::uint32_t Schluessel(const TGanzzahlig& g)
{
    return ((((std::uint32_t(g.ax + 13) * 15 + std::uint32_t(g.ay + 13)) * 27 + std::uint32_t(g.bx + 13)) * 15 +
             std::uint32_t(g.by + 13)) * 27 + std::uint32_t(g.cx + 13)) * 13 + std::uint32_t(g.cy - 1);
}

// The length a box shows for a squared side n, by whole numbers: the root k
// rounds up exactly when n > (k + 1/2)², that is n > k² + k.
int GezeigteLaenge(int n)
{
    int k = int(std::sqrt(double(n)));
    while (k * k > n)
        --k;
    while ((k + 1) * (k + 1) <= n)
        ++k;
    return k + (n > k * k + k);
}

// One set per kind and case: 0 scalene, 1..3 isosceles with apex C, B, A,
// 4 equilateral, 5 acute, 6..8 obtuse at A, B, C, 9..11 right at A, B, C.
enum { ungleich = 0, gleichschenkelig = 1, gleichseitig = 4, spitz = 5, stumpf = 6, recht = 9, mengen = 12 };

using TMengen = std::array<std::vector<std::uint32_t>, mengen>;

// Sorts an accepted candidate into the sets of its kinds.
void Einordnen(const TGanzzahlig& g, TMengen& m)
{
    const std::uint32_t k = Schluessel(g);
    const int c = GezeigteLaenge(g.c2()), b = GezeigteLaenge(g.b2()), a = GezeigteLaenge(g.a2());
    if (g.verschieden() && c != b && c != a && b != a)
        m[ungleich].push_back(k);
    const int schenkel[3][3] = {{g.b2(), g.a2(), g.c2()}, {g.c2(), g.a2(), g.b2()}, {g.c2(), g.b2(), g.a2()}};
    for (int s = 0; s < 3; ++s)
        if (schenkel[s][0] == schenkel[s][1] && schenkel[s][2] != schenkel[s][0])
            m[gleichschenkelig + s].push_back(k);
    const TDreieck d{float(g.ax), float(g.ay), float(g.bx), float(g.by), float(g.cx), float(g.cy)};
    TDreieckMasse mass;
    MissSeiten(d, mass);
    const auto nahe = [](float p, float q) { return std::fabs(static_cast<long double>(p) - q) < 0.2L; };
    if (nahe(mass.c, mass.b) && nahe(mass.c, mass.a) && nahe(mass.b, mass.a))
        m[gleichseitig].push_back(k);
    if (!g.verschieden())
        return;
    MissWinkel(d, mass);
    const int gezeigt[3] = {GezeigteZahl(mass.alpha), GezeigteZahl(mass.beta), GezeigteZahl(mass.gamma)};
    const float winkel[3] = {mass.alpha, mass.beta, mass.gamma};
    const int skalar[3] = {g.skalarA(), g.skalarB(), g.skalarC()};
    if (gezeigt[0] + gezeigt[1] + gezeigt[2] != 180)
        return;
    if (gezeigt[0] < 90 && gezeigt[1] < 90 && gezeigt[2] < 90)
        m[spitz].push_back(k);
    for (int e = 0; e < 3; ++e) {
        if (winkel[e] > 91 && winkel[(e + 1) % 3] != 0 && winkel[(e + 2) % 3] != 0)
            m[stumpf + e].push_back(k);
        if (skalar[e] == 0)
            m[recht + e].push_back(k);
    }
}

// All 15 · 15 · 27 · 15 · 27 · 13 candidates; the measures only for those
// that keep the rules every kind shares.
const TMengen& AlleMengen()
{
    static const TMengen alle = [] {
        TMengen m;
        TGanzzahlig g{};
        for (g.ax = -13; g.ax <= 1; ++g.ax)
            for (g.ay = -13; g.ay <= 1; ++g.ay)
                for (g.bx = -13; g.bx <= 13; ++g.bx)
                    for (g.by = -13; g.by <= 1; ++g.by) {
                        if (!(g.bx > g.ax && g.by > g.ay && g.c2() > 225))
                            continue;
                        for (g.cx = -13; g.cx <= 13; ++g.cx)
                            for (g.cy = 1; g.cy <= 13; ++g.cy)
                                if (g.cy > g.by && g.b2() > 225 && g.a2() > 225 && g.kreuz() > 0)
                                    Einordnen(g, m);
                    }
        return m;
    }();
    return alle;
}

} // namespace

// Every set has its exact size; every triangle drawn lies in its set, and
// the draws spread evenly over it (ten bins in key order, chi-square with
// nine degrees of freedom below its 0.1 % bound).
TEST(Dreieck0Erzeuger, GanzerBereichJedeArtGleichverteilt)
{
    using F = std::function<void(TDreieck&, TDreieckMasse&)>;
    const auto mit = [](auto f, auto wert) { return F([=](TDreieck& d, TDreieckMasse& m) { f(wert, d, m); }); };
    const struct {
        int menge;
        std::size_t groesse;
        int ziehungen;
        F erzeuge;
    } faelle[] = {
        // Before the shown numbers counted: 1 272 647 scalene, 990 353 acute,
        // 62 515, 188 987 and 13 961 obtuse.
        {ungleich, 1019197, 3000, F([](TDreieck& d, TDreieckMasse& m) { ErzeugeUngleichseitig(d, m); })},
        {gleichschenkelig, 5170, 2000, mit(ErzeugeGleichschenkeligMitSpitze, spitzeC)},
        {gleichschenkelig + 1, 12307, 2000, mit(ErzeugeGleichschenkeligMitSpitze, spitzeB)},
        {gleichschenkelig + 2, 9692, 2000, mit(ErzeugeGleichschenkeligMitSpitze, spitzeA)},
        {gleichseitig, 988, 1000, F([](TDreieck& d, TDreieckMasse& m) { ErzeugeGleichseitig(d, m); })},
        {spitz, 737335, 3000, F([](TDreieck& d, TDreieckMasse& m) { ErzeugeSpitzwinkelig(d, m); })},
        {stumpf, 47789, 2000, mit(ErzeugeStumpfwinkeligBei, TEcke::A)},
        {stumpf + 1, 141895, 2000, mit(ErzeugeStumpfwinkeligBei, TEcke::B)},
        {stumpf + 2, 10376, 2000, mit(ErzeugeStumpfwinkeligBei, TEcke::C)},
        {recht, 684, 600, mit(ErzeugeRechtwinkeligBei, TEcke::A)},
        {recht + 1, 1067, 600, mit(ErzeugeRechtwinkeligBei, TEcke::B)},
        {recht + 2, 374, 600, mit(ErzeugeRechtwinkeligBei, TEcke::C)},
    };
    const TMengen& alle = AlleMengen();
    for (const auto& f : faelle) {
        const std::vector<std::uint32_t>& menge = alle[f.menge];
        ASSERT_EQ(menge.size(), f.groesse) << "set " << f.menge;
        SetzeZufallsKeim(3000 + f.menge);
        int bins[10] = {};
        for (int i = 0; i < f.ziehungen; ++i) {
            TErgebnis e;
            f.erzeuge(e.d, e.m);
            const auto platz = std::lower_bound(menge.begin(), menge.end(), Schluessel(Ganz(e.d)));
            ASSERT_TRUE(platz != menge.end() && *platz == Schluessel(Ganz(e.d))) << "set " << f.menge;
            ++bins[std::size_t(platz - menge.begin()) * 10 / menge.size()];
        }
        const double erwartet = f.ziehungen / 10.0;
        double chi2 = 0;
        for (int n : bins)
            chi2 += (n - erwartet) * (n - erwartet) / erwartet;
        EXPECT_LT(chi2, 27.88) << "set " << f.menge;
    }
}
