// The random triangles of "Einteilung der Dreiecke": thousands of seeded
// triangles per kind checked against the rules on whole numbers, the apex and
// vertex cases, and the fast search against a plain one that measures every
// candidate, seed by seed.
#include "lessons/Dreieck0Erzeuger.h"

#include "draw/Primitive.h"
#include "draw/VektorU.h"
#include "draw/ZufallU.h"

#include <gtest/gtest.h>

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
// two choices of this program: vertices counter-clockwise, and no exactly
// right angle offered as acute (unless `rechteAlsSpitz`, the rules alone).
TErgebnis SucheWieBeschrieben(Art art, bool rechteAlsSpitz = false)
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
        const auto nahe = [](float p, float q) { return std::fabs(double(p) - q) < 0.2; };
        bool gut = false;
        switch (art) {
        case Art::Ungleichseitig: gut = verschieden; break;
        case Art::Gleichschenkelig:
            e.spitze = fall == 0 ? spitzeC : fall == 1 ? spitzeB : spitzeA;
            gut = fall == 0   ? m.b == m.a && 2.0 * m.c != double(m.a) + m.b
                  : fall == 1 ? m.c == m.a && 2.0 * m.b != double(m.c) + m.a
                              : m.c == m.b && 2.0 * m.a != double(m.c) + m.b;
            break;
        case Art::Gleichseitig: gut = nahe(m.c, m.b) && nahe(m.c, m.a) && nahe(m.b, m.a); break;
        case Art::Spitzwinkelig:
            gut = verschieden && m.alpha < 90 && m.beta < 90 && m.gamma < 90 &&
                  (rechteAlsSpitz || (g.skalarA() != 0 && g.skalarB() != 0 && g.skalarC() != 0));
            break;
        case Art::Stumpfwinkelig:
            gut = verschieden && (fall == 0   ? m.alpha > 91 && m.beta != 0 && m.gamma != 0
                                  : fall == 1 ? m.beta > 91 && m.alpha != 0 && m.gamma != 0
                                              : m.gamma > 91 && m.alpha != 0 && m.beta != 0);
            break;
        case Art::Rechtwinkelig:
            gut = verschieden && (fall == 0 ? g.skalarA() : fall == 1 ? g.skalarB() : g.skalarC()) == 0;
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
        std::string z1 = ZahlText(e.m.c, 0), z2 = ZahlText(e.m.b, 0);
        if (e.spitze == spitzeC) {
            schenkel1 = g.b2(), schenkel2 = g.a2(), basis = g.c2();
            z1 = ZahlText(e.m.b, 0), z2 = ZahlText(e.m.a, 0);
        } else if (e.spitze == spitzeB) {
            schenkel1 = g.c2(), schenkel2 = g.a2(), basis = g.b2();
            z1 = ZahlText(e.m.c, 0), z2 = ZahlText(e.m.a, 0);
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
        ASSERT_EQ(ZahlText(gemessen[ecke], 0), std::string("90"));
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
    EXPECT_EQ(ZahlText(m.beta, 0), std::string("90"));

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
