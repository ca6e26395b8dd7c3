// Intersections of lines and circles, clipping to the drawing area, triangle centres.
#include "draw/SchnittU.h"
#include "draw/VektorU.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

constexpr float kMarke = 7.5f; // an output value that must survive a refused call

struct Punkt { float x, y; };

// Distance of X from the line through P and Q.
float AbstandZurGeraden(Punkt x, Punkt p, Punkt q)
{
    const float dx = q.x - p.x, dy = q.y - p.y;
    return std::fabs(dx * (x.y - p.y) - dy * (x.x - p.x)) / std::hypot(dx, dy);
}

} // namespace

// Both intersections of two lines, each given by a point and a normal: the
// foundation's and the vector module's. A refused pair leaves x and y alone.
TEST(Schnitt, GeradeGerade)
{
    struct Fall {
        float g[8];
        bool schnitt;
        double x, y;
    };
    const Fall faelle[] = {
        {{0, 0, 0, 1, 2, 5, 1, 0}, true, 2, 0},                        // the x axis and x = 2
        {{0, 1, -1, 1, 3, 0, 2, 1}, true, 5.0 / 3, 8.0 / 3},           // normals of (1, 1) and (1, -2)
        {{1, 2, 1, 1, 3, -1, 2, -1}, true, 10.0 / 3, -1.0 / 3},
        {{-4, 0.5f, 0.3f, -2, 6, 7, 5, 1}, true, 71.8 / 10.3, 37 - 5 * 71.8 / 10.3},
        {{0, 0, 1, 0.001f, 10, 10, 1, -0.001f}, true, 4.995, -4995},   // nearly parallel
        {{0, 0, 1, 1, 5, 1, 2, 2}, false, 0, 0},                       // parallel
        {{0, 0, 1, 1, 0, 0, 1, 1}, false, 0, 0},                       // the same line
        {{0, 0, 0, 0, 5, 1, 1, 0}, false, 0, 0},                       // no normal
        {{0, 0, 1, 0, 1e30f, 0, 1, 1e-40f}, false, 0, 0},              // beyond float range
    };
    for (auto schneide : {SchnittGeradeGerade, Schnittpunkt})
        for (const Fall& f : faelle) {
            SCOPED_TRACE(testing::Message() << f.g[0] << " " << f.g[1] << " " << f.g[4] << " " << f.g[5]);
            const float* g = f.g;
            float x = kMarke, y = kMarke;
            ASSERT_EQ(schneide(g[0], g[1], g[2], g[3], g[4], g[5], g[6], g[7], x, y), f.schnitt);
            EXPECT_NEAR(x, f.schnitt ? f.x : kMarke, 1e-6 * std::max(1.0, std::fabs(f.x)));
            EXPECT_NEAR(y, f.schnitt ? f.y : kMarke, 2e-6 * std::max(1.0, std::fabs(f.y)));
        }
}

TEST(Schnitt, Lotfusspunkt)
{
    float x = kMarke, y = kMarke;
    // Onto a horizontal line, from above and from beyond its end.
    ASSERT_TRUE(Lotfusspunkt(-6, 14, -14, -10, 14, -10, x, y));
    EXPECT_EQ(x, -6.0f);
    EXPECT_EQ(y, -10.0f);
    ASSERT_TRUE(Lotfusspunkt(20, 3, -14, -10, 14, -10, x, y));
    EXPECT_EQ(x, 20.0f);
    EXPECT_EQ(y, -10.0f);
    // Onto a slanted line: from (1, 1) onto the hypotenuse of the 3-4-5 triangle.
    ASSERT_TRUE(Lotfusspunkt(1, 1, 4, 0, 0, 3, x, y));
    EXPECT_FLOAT_EQ(x, 1.6f);
    EXPECT_FLOAT_EQ(y, 1.8f);
    // A point on the line is its own foot.
    ASSERT_TRUE(Lotfusspunkt(2, 2, -1, -1, 3, 3, x, y));
    EXPECT_FLOAT_EQ(x, 2.0f);
    EXPECT_FLOAT_EQ(y, 2.0f);
    // A = B gives no line.
    x = y = kMarke;
    EXPECT_FALSE(Lotfusspunkt(1, 5, 2, 2, 2, 2, x, y));
    EXPECT_EQ(x, kMarke);
    EXPECT_EQ(y, kMarke);
}

TEST(Schnitt, GeradeKreisReihenfolge)
{
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ASSERT_TRUE(SchnittGeradeKreis(-5, 0, 5, 0, 0, 0, 3, x1, y1, x2, y2));
    EXPECT_FLOAT_EQ(x1, -3.0f);
    EXPECT_FLOAT_EQ(y1, 0.0f);
    EXPECT_FLOAT_EQ(x2, 3.0f);
    EXPECT_FLOAT_EQ(y2, 0.0f);
    ASSERT_TRUE(SchnittGeradeKreis(5, 0, -5, 0, 0, 0, 3, x1, y1, x2, y2));
    EXPECT_FLOAT_EQ(x1, 3.0f);
    EXPECT_FLOAT_EQ(x2, -3.0f);

    // Vertical line through an off-centre circle: first towards P (down), then towards Q.
    ASSERT_TRUE(SchnittGeradeKreis(1, -10, 1, 10, 1, 2, 5, x1, y1, x2, y2));
    EXPECT_FLOAT_EQ(x1, 1.0f);
    EXPECT_FLOAT_EQ(y1, -3.0f);
    EXPECT_FLOAT_EQ(x2, 1.0f);
    EXPECT_FLOAT_EQ(y2, 7.0f);

    // A slanted line with P and Q inside the circle: both points on line and circle.
    const Punkt p{0.5f, -0.25f}, q{1.5f, 0.75f}, m{1, 0.5f};
    ASSERT_TRUE(SchnittGeradeKreis(p.x, p.y, q.x, q.y, m.x, m.y, 2.5f, x1, y1, x2, y2));
    for (Punkt s : {Punkt{x1, y1}, Punkt{x2, y2}}) {
        EXPECT_NEAR(Abstand(m.x, m.y, s.x, s.y), 2.5f, 1e-5f);
        EXPECT_NEAR(AbstandZurGeraden(s, p, q), 0.0f, 1e-5f);
    }
    EXPECT_LT(x1, x2) << "the first point lies on the side of P";
}

TEST(Schnitt, GeradeKreisTangenteUndVorbei)
{
    float x1 = kMarke, y1 = kMarke, x2 = kMarke, y2 = kMarke;
    ASSERT_TRUE(SchnittGeradeKreis(-5, 3, 5, 3, 0, 0, 3, x1, y1, x2, y2));
    EXPECT_FLOAT_EQ(x1, 0.0f);
    EXPECT_FLOAT_EQ(y1, 3.0f);
    EXPECT_FLOAT_EQ(x2, 0.0f);
    EXPECT_FLOAT_EQ(y2, 3.0f);

    x1 = y1 = x2 = y2 = kMarke;
    EXPECT_FALSE(SchnittGeradeKreis(-5, 3.1f, 5, 3.1f, 0, 0, 3, x1, y1, x2, y2)); // misses
    EXPECT_FALSE(SchnittGeradeKreis(1, 1, 1, 1, 0, 0, 3, x1, y1, x2, y2));       // P = Q
    EXPECT_EQ(x1, kMarke);
    EXPECT_EQ(y1, kMarke);
    EXPECT_EQ(x2, kMarke);
    EXPECT_EQ(y2, kMarke);
}

TEST(Schnitt, GeradeImQuadrat)
{
    struct Fall { float px, py, qx, qy, x1, y1, x2, y2; };
    const Fall faelle[] = {
        {0, 0, 1, 1, -10, -10, 10, 10},  // diagonal
        {2, -1, 2, 4, 2, -10, 2, 10},    // vertical
        {2, 4, 2, -1, 2, -10, 2, 10},    // vertical, always bottom to top
        {0, 0, 1, 5, -2, -10, 2, 10},    // steep: bottom edge to top edge
        {0, 0, 1, -5, -2, 10, 2, -10},   // steep falling: top edge to bottom edge
        {0, 0, 1, -1, -10, 10, 10, -10}, // falling through the corners
        {0, 3, 1, 3, -10, 3, 10, 3},     // horizontal inside
        {5, 10, -1, 10, -10, 10, 10, 10}, // horizontal on the top edge
        {0, 30, 1, 31, -20, 10, -20, 10}, // outside: twice the same point on the top edge line
    };
    for (const Fall& f : faelle) {
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        ASSERT_TRUE(GeradeImQuadrat(f.px, f.py, f.qx, f.qy, 10, x1, y1, x2, y2));
        EXPECT_FLOAT_EQ(x1, f.x1) << f.px << "," << f.py << " " << f.qx << "," << f.qy;
        EXPECT_FLOAT_EQ(y1, f.y1) << f.px << "," << f.py << " " << f.qx << "," << f.qy;
        EXPECT_FLOAT_EQ(x2, f.x2) << f.px << "," << f.py << " " << f.qx << "," << f.qy;
        EXPECT_FLOAT_EQ(y2, f.y2) << f.px << "," << f.py << " " << f.qx << "," << f.qy;
    }
}

TEST(Schnitt, GeradeImRechteck)
{
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ASSERT_TRUE(GeradeImRechteck(0, 0, 2, 1, 8, 5, x1, y1, x2, y2));
    EXPECT_FLOAT_EQ(x1, -8.0f);
    EXPECT_FLOAT_EQ(y1, -4.0f);
    EXPECT_FLOAT_EQ(x2, 8.0f);
    EXPECT_FLOAT_EQ(y2, 4.0f);
    ASSERT_TRUE(GeradeImRechteck(0, 0, 1, 2, 8, 5, x1, y1, x2, y2));
    EXPECT_FLOAT_EQ(x1, -2.5f);
    EXPECT_FLOAT_EQ(y1, -5.0f);
    EXPECT_FLOAT_EQ(x2, 2.5f);
    EXPECT_FLOAT_EQ(y2, 5.0f);
    ASSERT_TRUE(GeradeImRechteck(1, 7, 1, 8, 8, 5, x1, y1, x2, y2));
    EXPECT_FLOAT_EQ(y1, -5.0f);
    EXPECT_FLOAT_EQ(y2, 5.0f);

    // An off-centre line: both ends on the border and on the line.
    const Punkt p{-3, 1}, q{4, 2.5f};
    ASSERT_TRUE(GeradeImRechteck(p.x, p.y, q.x, q.y, 6, 2, x1, y1, x2, y2));
    for (Punkt e : {Punkt{x1, y1}, Punkt{x2, y2}}) {
        EXPECT_NEAR(AbstandZurGeraden(e, p, q), 0.0f, 1e-5f);
        EXPECT_TRUE(std::fabs(e.x) == 6.0f || std::fabs(e.y) == 2.0f);
    }
    EXPECT_FLOAT_EQ(x1, -6.0f);
    EXPECT_FLOAT_EQ(y2, 2.0f);
}

TEST(Schnitt, GeradeImRechteckOhneErgebnis)
{
    float x1 = kMarke, y1 = kMarke, x2 = kMarke, y2 = kMarke;
    EXPECT_FALSE(GeradeImQuadrat(3, 4, 3, 4, 10, x1, y1, x2, y2));      // P = Q
    EXPECT_FALSE(GeradeImQuadrat(0, 11, 1, 11, 10, x1, y1, x2, y2));    // horizontal above
    EXPECT_FALSE(GeradeImRechteck(0, -6, 9, -6, 8, 5, x1, y1, x2, y2)); // horizontal below
    EXPECT_EQ(x1, kMarke);
    EXPECT_EQ(y1, kMarke);
    EXPECT_EQ(x2, kMarke);
    EXPECT_EQ(y2, kMarke);
}

TEST(Schnitt, MerkwuerdigePunkteGleichseitig)
{
    const float h = std::sqrt(3.0f);
    float hx, hy, sx, sy, ux, uy, ix, iy;
    ASSERT_TRUE(MerkwuerdigePunkte(0, 0, 2, 0, 1, h, hx, hy, sx, sy, ux, uy, ix, iy));
    for (Punkt z : {Punkt{hx, hy}, Punkt{sx, sy}, Punkt{ux, uy}, Punkt{ix, iy}}) {
        EXPECT_NEAR(z.x, 1.0f, 1e-5f);
        EXPECT_NEAR(z.y, h / 3, 1e-5f);
    }
}

TEST(Schnitt, MerkwuerdigePunkteRechtwinklig)
{
    // Right angle at C.
    float hx, hy, sx, sy, ux, uy, ix, iy;
    ASSERT_TRUE(MerkwuerdigePunkte(4, 0, 0, 3, 0, 0, hx, hy, sx, sy, ux, uy, ix, iy));
    EXPECT_NEAR(hx, 0.0f, 1e-6f);
    EXPECT_NEAR(hy, 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(sx, 4.0f / 3.0f);
    EXPECT_FLOAT_EQ(sy, 1.0f);
    EXPECT_FLOAT_EQ(ux, 2.0f);
    EXPECT_FLOAT_EQ(uy, 1.5f);
    EXPECT_FLOAT_EQ(ix, 1.0f); // in-radius (3 + 4 - 5) / 2
    EXPECT_FLOAT_EQ(iy, 1.0f);
    // Right angle at A.
    ASSERT_TRUE(MerkwuerdigePunkte(0, 0, 4, 0, 0, 3, hx, hy, sx, sy, ux, uy, ix, iy));
    EXPECT_NEAR(hx, 0.0f, 1e-6f);
    EXPECT_NEAR(hy, 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(ux, 2.0f);
    EXPECT_FLOAT_EQ(uy, 1.5f);
}

TEST(Schnitt, MerkwuerdigePunkteAllgemein)
{
    // An obtuse, scalene triangle: H lies outside.
    const Punkt a{-2, 1}, b{5, -1}, c{0, 2.5f};
    float hx, hy, sx, sy, ux, uy, ix, iy;
    ASSERT_TRUE(MerkwuerdigePunkte(a.x, a.y, b.x, b.y, c.x, c.y, hx, hy, sx, sy, ux, uy, ix, iy));
    // Euler: H = A + B + C - 2U, and S = (A + B + C) / 3.
    EXPECT_NEAR(hx, a.x + b.x + c.x - 2 * ux, 1e-4f);
    EXPECT_NEAR(hy, a.y + b.y + c.y - 2 * uy, 1e-4f);
    EXPECT_FLOAT_EQ(sx, 1.0f);
    EXPECT_FLOAT_EQ(sy, 2.5f / 3.0f);
    // U is equally far from all vertices; I equally far from all sides.
    const float r = Abstand(ux, uy, a.x, a.y);
    EXPECT_NEAR(Abstand(ux, uy, b.x, b.y), r, 1e-4f);
    EXPECT_NEAR(Abstand(ux, uy, c.x, c.y), r, 1e-4f);
    const Punkt i{ix, iy};
    const float ri = AbstandZurGeraden(i, a, b);
    EXPECT_NEAR(AbstandZurGeraden(i, b, c), ri, 1e-5f);
    EXPECT_NEAR(AbstandZurGeraden(i, c, a), ri, 1e-5f);
    // The altitude from B is perpendicular to AC.
    EXPECT_NEAR(Skalarprodukt(hx - b.x, hy - b.y, c.x - a.x, c.y - a.y), 0.0f, 1e-4f);
}

TEST(Schnitt, MerkwuerdigePunkteEntartet)
{
    const float entartet[][6] = {
        {0, 0, 1, 1, 2, 2},    // collinear
        {0, 0, 4, 0, -3, 0},   // collinear on the x axis
        {1, 2, 1, 2, 5, 6},    // A = B
        {1, 2, 5, 6, 5, 6},    // B = C
        {3, 3, 3, 3, 3, 3},    // one point
    };
    for (const auto& t : entartet) {
        float o[8] = {kMarke, kMarke, kMarke, kMarke, kMarke, kMarke, kMarke, kMarke};
        EXPECT_FALSE(MerkwuerdigePunkte(t[0], t[1], t[2], t[3], t[4], t[5],
                                        o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7]));
        for (float v : o)
            EXPECT_EQ(v, kMarke);
    }
    // Nearly collinear triangles either fail or give finite centres; never NaN.
    const float duenn[][6] = {{0, 0, 1, 1, 2, 2.0000002f}, {0, 0, 1e20f, 1, -1e20f, 0},
                              {0, 0, 1e-30f, 1e-30f, 1, 1.0000001f}, {-1e30f, 0, 1e30f, 0, 0, 1e-30f}};
    for (const auto& t : duenn) {
        float o[8] = {kMarke, kMarke, kMarke, kMarke, kMarke, kMarke, kMarke, kMarke};
        const bool ok = MerkwuerdigePunkte(t[0], t[1], t[2], t[3], t[4], t[5],
                                           o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7]);
        for (float v : o) {
            EXPECT_TRUE(std::isfinite(v));
            if (!ok) {
                EXPECT_EQ(v, kMarke);
            }
        }
    }
}

// Random figures with whole-number coordinates, as the lessons draw them,
// checked against the same equations solved directly in long double.
TEST(SchnittZufall, GeradeGeradeWieDieExakteLoesung)
{
    std::mt19937 zufall(20261208);
    std::uniform_int_distribution<int> koordinate(-20, 20);
    int geprueft = 0;
    for (int i = 0; i < 2000; ++i) {
        const float p1x = koordinate(zufall), p1y = koordinate(zufall), n1x = koordinate(zufall), n1y = koordinate(zufall);
        const float p2x = koordinate(zufall), p2y = koordinate(zufall), n2x = koordinate(zufall), n2y = koordinate(zufall);
        const long double det = static_cast<long double>(n1x) * n2y - static_cast<long double>(n1y) * n2x;
        float x = 1e9f, y = 1e9f;
        const bool ok = SchnittGeradeGerade(p1x, p1y, n1x, n1y, p2x, p2y, n2x, n2y, x, y);
        if (det == 0) {
            EXPECT_FALSE(ok);
            EXPECT_EQ(x, 1e9f);
            continue;
        }
        ASSERT_TRUE(ok);
        const long double c1 = static_cast<long double>(n1x) * p1x + static_cast<long double>(n1y) * p1y;
        const long double c2 = static_cast<long double>(n2x) * p2x + static_cast<long double>(n2y) * p2y;
        const long double rx = (c1 * n2y - n1y * c2) / det;
        const long double ry = (c2 * n1x - n2x * c1) / det;
        // Single precision relative to the size of the numbers involved.
        const long double toleranz = 1e-5L * (1 + std::fabs(rx) + std::fabs(ry));
        EXPECT_NEAR(x, rx, toleranz);
        EXPECT_NEAR(y, ry, toleranz);
        ++geprueft;
    }
    EXPECT_GT(geprueft, 1900);
}

TEST(SchnittZufall, EulerGeradeHSU)
{
    // H, S and U lie on one line, S between them with HS = 2 SU; U is equally far
    // from all vertices.
    std::mt19937 zufall(4711);
    std::uniform_int_distribution<int> koordinate(-15, 15);
    int geprueft = 0;
    for (int i = 0; i < 1000; ++i) {
        const float ax = koordinate(zufall), ay = koordinate(zufall), bx = koordinate(zufall),
                    by = koordinate(zufall), cx = koordinate(zufall), cy = koordinate(zufall);
        const long double flaeche2 = (static_cast<long double>(bx) - ax) * (cy - ay) -
                                     (static_cast<long double>(by) - ay) * (cx - ax);
        float hx, hy, sx, sy, ux, uy, ix, iy;
        const bool ok = MerkwuerdigePunkte(ax, ay, bx, by, cx, cy, hx, hy, sx, sy, ux, uy, ix, iy);
        if (flaeche2 == 0) {
            EXPECT_FALSE(ok);
            continue;
        }
        // Flat triangles push the centres far out; keep to those a lesson would draw.
        if (std::fabs(flaeche2) < 20)
            continue;
        ASSERT_TRUE(ok);
        const long double groesse = 1 + std::fabs(hx) + std::fabs(hy) + std::fabs(ux) + std::fabs(uy);
        const long double toleranz = 2e-4L * groesse;
        EXPECT_NEAR(hx - sx, 2.0L * (sx - ux), toleranz);
        EXPECT_NEAR(hy - sy, 2.0L * (sy - uy), toleranz);
        const long double ra = std::hypot(static_cast<long double>(ax) - ux, static_cast<long double>(ay) - uy);
        const long double rb = std::hypot(static_cast<long double>(bx) - ux, static_cast<long double>(by) - uy);
        const long double rc = std::hypot(static_cast<long double>(cx) - ux, static_cast<long double>(cy) - uy);
        EXPECT_NEAR(ra, rb, toleranz);
        EXPECT_NEAR(ra, rc, toleranz);
        ++geprueft;
    }
    EXPECT_GT(geprueft, 500);
}
