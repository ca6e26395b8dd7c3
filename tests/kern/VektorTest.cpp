// Polar conversion and plane vector arithmetic.
#include "draw/PolKartU.h"
#include "draw/VektorU.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kMarke = 7.5f; // an output value that must survive a refused call

// Difference of two direction angles, reduced to -180..180.
float WinkelAbweichung(float a, float b)
{
    float d = std::fmod(a - b, 360.0f);
    if (d > 180.0f)
        d -= 360.0f;
    if (d < -180.0f)
        d += 360.0f;
    return d;
}

} // namespace

TEST(PolKart, RichtungswinkelDerAchtHimmelsrichtungen)
{
    struct Fall { float vx, vy, winkel; };
    const Fall faelle[] = {{1, 0, 0},    {1, 1, 45},    {0, 1, 90},   {-1, 1, 135},
                           {-1, 0, 180}, {-1, -1, 225}, {0, -1, 270}, {1, -1, 315}};
    for (const Fall& f : faelle)
        EXPECT_FLOAT_EQ(Richtungswinkel(f.vx, f.vy), f.winkel) << f.vx << ", " << f.vy;
    // Only the direction counts, not the length.
    EXPECT_FLOAT_EQ(Richtungswinkel(-0.25f, -0.25f), 225.0f);
    EXPECT_FLOAT_EQ(Richtungswinkel(0, 1e-20f), 90.0f);
}

TEST(PolKart, RichtungswinkelEntartet)
{
    EXPECT_EQ(Richtungswinkel(0, 0), 0.0f);
    // 360 - q rounds to 360 just below the positive x axis; that direction is 0.
    EXPECT_EQ(Richtungswinkel(1, -1e-30f), 0.0f);
    EXPECT_LT(Richtungswinkel(1, -1e-7f), 360.0f);
    // A product of tiny components must not be taken for an axis.
    EXPECT_FLOAT_EQ(Richtungswinkel(1e-30f, -1e-30f), 315.0f);
    EXPECT_FLOAT_EQ(Richtungswinkel(-1e-30f, 1e-30f), 135.0f);
}

TEST(PolKart, PolarZuKartesischUndZurueck)
{
    float x = kMarke, y = kMarke;
    PolarZuKartesisch(90, 2, x, y);
    EXPECT_NEAR(x, 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(y, 2.0f);
    PolarZuKartesisch(30, 2, x, y);
    EXPECT_FLOAT_EQ(x, std::sqrt(3.0f));
    EXPECT_FLOAT_EQ(y, 1.0f);
    PolarZuKartesisch(-90, 1, x, y);
    EXPECT_NEAR(x, 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(y, -1.0f);

    // The direction of a polar point is its angle, all the way round.
    for (float w = 0.0f; w < 360.0f; w += 0.5f) {
        PolarZuKartesisch(w, 3, x, y);
        const float r = Richtungswinkel(x, y);
        EXPECT_GE(r, 0.0f);
        EXPECT_LT(r, 360.0f);
        EXPECT_NEAR(WinkelAbweichung(r, w), 0.0f, 1e-4f) << w;
    }
}

TEST(Vektor, Grundrechenarten)
{
    float x = 0, y = 0;
    Differenz(1, 2, 4, -2, x, y);
    EXPECT_FLOAT_EQ(x, 3.0f);
    EXPECT_FLOAT_EQ(y, -4.0f);
    Summe(1, 2, 0.5f, -3, x, y);
    EXPECT_FLOAT_EQ(x, 1.5f);
    EXPECT_FLOAT_EQ(y, -1.0f);
    Skalieren(-2, 1.5f, 3, x, y);
    EXPECT_FLOAT_EQ(x, -3.0f);
    EXPECT_FLOAT_EQ(y, -6.0f);
    Mitte(-1, 2, 4, 5, x, y);
    EXPECT_FLOAT_EQ(x, 1.5f);
    EXPECT_FLOAT_EQ(y, 3.5f);
    EXPECT_FLOAT_EQ(Skalarprodukt(1, 2, 3, -4), -5.0f);
    EXPECT_FLOAT_EQ(Kreuzprodukt(1, 2, 3, -4), -10.0f);
    EXPECT_EQ(Kreuzprodukt(1, 0, -1, 0), 0.0f); // half a turn still counts as counter-clockwise
    EXPECT_FLOAT_EQ(Laenge(-3, 4), 5.0f);
    EXPECT_FLOAT_EQ(Abstand(1, 1, 4, 5), 5.0f);
    EXPECT_FLOAT_EQ(Abstand(4, 5, 1, 1), 5.0f);
    // Large coordinates: the squares are formed in extended precision.
    EXPECT_FLOAT_EQ(Laenge(3e20f, 4e20f), 5e20f);
    EXPECT_FLOAT_EQ(Laenge(3e-25f, 4e-25f), 5e-25f);
    Normale(1, 0, x, y);
    EXPECT_FLOAT_EQ(x, 0.0f);
    EXPECT_FLOAT_EQ(y, -1.0f);
    Normale(2, 3, x, y);
    EXPECT_FLOAT_EQ(Skalarprodukt(2, 3, x, y), 0.0f);
    EXPECT_GT(WinkelAbweichung(Richtungswinkel(2, 3), Richtungswinkel(x, y)), 0.0f)
        << "the normal is turned clockwise";
}

TEST(Vektor, Zwischenwinkel)
{
    EXPECT_FLOAT_EQ(Zwischenwinkel(1, 0, 0, 3), 90.0f);
    EXPECT_FLOAT_EQ(Zwischenwinkel(1, 0, -2, 0), 180.0f);
    EXPECT_FLOAT_EQ(Zwischenwinkel(1, 0, 1, 1), 45.0f);
    EXPECT_FLOAT_EQ(Zwischenwinkel(1, 1, 1, 0), 45.0f);
    EXPECT_FLOAT_EQ(Zwischenwinkel(1, 0, -1, 1), 135.0f);
    // Parallel vectors whose cosine rounds past +-1 stay at 0 and 180.
    const float paare[][2] = {{0.1f, 0.3f}, {1, 1}, {0.7f, 0.2f}, {3e-3f, 7e-3f}, {123.4f, -56.7f}};
    for (const auto& v : paare) {
        for (float k : {1.0f, 3.0f, 0.1f, 7.3f}) {
            const float gleich = Zwischenwinkel(v[0], v[1], k * v[0], k * v[1]);
            const float gegen = Zwischenwinkel(v[0], v[1], -k * v[0], -k * v[1]);
            ASSERT_FALSE(std::isnan(gleich));
            ASSERT_FALSE(std::isnan(gegen));
            EXPECT_NEAR(gleich, 0.0f, 0.05f);
            EXPECT_NEAR(gegen, 180.0f, 0.05f);
        }
    }
    // A zero vector has no angle to anything.
    EXPECT_EQ(Zwischenwinkel(0, 0, 1, 2), 0.0f);
    EXPECT_EQ(Zwischenwinkel(1, 2, 0, 0), 0.0f);
}

TEST(Vektor, Normieren)
{
    float x = kMarke, y = kMarke;
    EXPECT_TRUE(Normieren(3, 4, x, y));
    EXPECT_FLOAT_EQ(x, 0.6f);
    EXPECT_FLOAT_EQ(y, 0.8f);
    EXPECT_TRUE(Normieren(-1e-20f, 0, x, y));
    EXPECT_FLOAT_EQ(x, -1.0f);
    EXPECT_FLOAT_EQ(y, 0.0f);

    x = kMarke;
    y = kMarke;
    EXPECT_FALSE(Normieren(0, 0, x, y));
    EXPECT_EQ(x, kMarke);
    EXPECT_EQ(y, kMarke);
    // A length beyond float range gives no usable unit vector either.
    EXPECT_FALSE(Normieren(3e38f, 3e38f, x, y));
    EXPECT_EQ(x, kMarke);
}

TEST(Vektor, Halbierende)
{
    float x = 0, y = 0;
    Halbierende(1, 0, 0, 2, x, y);
    EXPECT_FLOAT_EQ(x, 1.0f);
    EXPECT_FLOAT_EQ(y, 1.0f);
    // The bisector direction halves the angle for any lengths.
    Halbierende(5, 0, -3, 3, x, y);
    EXPECT_NEAR(Zwischenwinkel(5, 0, x, y), 67.5f, 1e-4f);
    EXPECT_NEAR(Zwischenwinkel(-3, 3, x, y), 67.5f, 1e-4f);
    // A zero vector contributes nothing.
    Halbierende(0, 0, 0, -4, x, y);
    EXPECT_FLOAT_EQ(x, 0.0f);
    EXPECT_FLOAT_EQ(y, -1.0f);
}

TEST(Vektor, PunktImAbstand)
{
    float x = 0, y = 0;
    PunktImAbstand(0, 0, 1, 0, 2, x, y);
    EXPECT_FLOAT_EQ(x, 3.0f);
    EXPECT_FLOAT_EQ(y, 0.0f);
    PunktImAbstand(1, 1, 4, 5, -10, x, y);
    EXPECT_FLOAT_EQ(x, -2.0f);
    EXPECT_FLOAT_EQ(y, -3.0f);
    // Without a direction the point stays at P2.
    PunktImAbstand(2, 3, 2, 3, 5, x, y);
    EXPECT_FLOAT_EQ(x, 2.0f);
    EXPECT_FLOAT_EQ(y, 3.0f);
}
