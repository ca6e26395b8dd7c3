// Arc ends on scales that are not square: each end lies on the ray from the
// centre through the pixel image of its point, in every quadrant and on the axes.
#include "TestHilfen.h"
#include "draw/GlobalU.h"
#include "draw/KoordU.h"
#include "draw/PolKartU.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

using namespace testhilfen;

namespace {

struct TMassstab {
    int breite, hoehe; // pixels for the world square -10..10
};

QPointF Pixel(float x, float y)
{
    int px, py;
    WeltZuPixel(x, y, px, py);
    return {double(px), double(py)};
}

// Screen angle of p seen from m in degrees, counter-clockwise, relative to `bezug`, in (-180, 180].
double Relativ(QPointF m, QPointF p, double bezug)
{
    double w = std::atan2(m.y() - p.y(), p.x() - m.x()) * 180.0 / M_PI - bezug;
    while (w <= -180.0)
        w += 360.0;
    while (w > 180.0)
        w -= 360.0;
    return w;
}

double AbstandZumStrahl(QPointF m, QPointF richtung, QPointF p)
{
    const QPointF d = richtung - m, v = p - m;
    return std::fabs(d.x() * v.y() - d.y() * v.x()) / std::hypot(d.x(), d.y());
}

} // namespace

TEST(BogenEnden, LiegenAufIhrenStrahlen)
{
    // 25 x 24 (triangle constructions), 12.5 x 12 (special lines) and two steeper ones.
    const TMassstab massstaebe[] = {{500, 480}, {250, 240}, {200, 240}, {480, 500}};
    const float winkel[] = {0, 20, 45, 70, 90, 110, 135, 160, 180, 200, 225, 250, 270, 290, 315, 340};
    constexpr float r = 8.0f, spanne = 25.0f;
    for (const TMassstab& m : massstaebe) {
        for (float start : winkel) {
            SCOPED_TRACE(testing::Message() << m.breite << " x " << m.hoehe << ", from " << start);
            QImage bild = WeissesBild(m.breite + 1, m.hoehe + 1);
            {
                QPainter maler(&bild);
                Leinwand lw(&maler);
                SetzeWeltfenster(0, m.breite, 0, m.hoehe, -10, 10, -10, 10);
                Bogen(lw, 1, clBlue, 0, 0, r, start, start + spanne);
            }
            const QPointF mitte = Pixel(0, 0);
            float sx, sy, ex, ey;
            PolarZuKartesisch(start, r, sx, sy);
            PolarZuKartesisch(start + spanne, r, ex, ey);
            const QPointF anfang = Pixel(sx, sy), ende = Pixel(ex, ey);
            const double bezug = std::atan2(mitte.y() - anfang.y(), anfang.x() - mitte.x()) * 180.0 / M_PI;

            // The drawn pixels furthest back and furthest on along the arc.
            QPointF erstes, letztes;
            double kleinster = 1e9, groesster = -1e9;
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x) {
                    if (Farbe(bild, x, y) != Rgb(0, 0, 255))
                        continue;
                    const double w = Relativ(mitte, QPointF(x, y), bezug);
                    if (w < kleinster)
                        kleinster = w, erstes = QPointF(x, y);
                    if (w > groesster)
                        groesster = w, letztes = QPointF(x, y);
                }
            ASSERT_LT(kleinster, 1e9) << "nothing drawn";
            EXPECT_LE(AbstandZumStrahl(mitte, anfang, erstes), 1.0);
            EXPECT_LE(AbstandZumStrahl(mitte, ende, letztes), 1.0);
        }
    }
}
