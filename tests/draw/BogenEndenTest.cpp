// Arc ends on scales that are not square lie on the rays from the centre
// through the pixel images of their points, in every quadrant and on the axes.
#include "TestHilfen.h"
#include "draw/GlobalU.h"
#include "draw/KoordU.h"
#include "draw/PolKartU.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

TEST(BogenEnden, LiegenAufIhrenStrahlen)
{
    // 25 x 24 (constructions), 12.5 x 12 (special lines) and two steeper scales.
    for (QSize bild : {QSize(500, 480), QSize(250, 240), QSize(200, 240), QSize(480, 500)}) {
        for (float start = 0; start < 360; start += 22.5f) {
            SCOPED_TRACE(testing::Message() << bild.width() << " x " << bild.height() << " from " << start);
            QImage b = testhilfen::WeissesBild(bild.width() + 1, bild.height() + 1);
            QPainter maler(&b);
            Leinwand lw(&maler);
            SetzeWeltfenster(0, bild.width(), 0, bild.height(), -10, 10, -10, 10);
            Bogen(lw, 1, clBlue, 0, 0, 8, start, start + 25);
            maler.end();
            // Direction of a pixel from the centre, in degrees counted from the start ray.
            int mx, my, ex[2], ey[2];
            WeltZuPixel(0, 0, mx, my);
            for (int i = 0; i < 2; ++i) {
                float x, y;
                PolarZuKartesisch(start + 25 * i, 8, x, y);
                WeltZuPixel(x, y, ex[i], ey[i]);
            }
            const auto richtung = [&](double x, double y) {
                const double w = std::atan2(my - y, x - mx) - std::atan2(my - ey[0], ex[0] - mx);
                return std::remainder(w, 2 * M_PI);
            };
            // The drawn pixels furthest back and furthest on lie on the rays.
            QPoint ende[2];
            double grenze[2] = {1e9, -1e9};
            for (int y = 0; y < b.height(); ++y)
                for (int x = 0; x < b.width(); ++x)
                    if (testhilfen::Farbe(b, x, y) == 0x0000FFu) {
                        const double w = richtung(x, y);
                        if (w < grenze[0])
                            grenze[0] = w, ende[0] = QPoint(x, y);
                        if (w > grenze[1])
                            grenze[1] = w, ende[1] = QPoint(x, y);
                    }
            for (int i = 0; i < 2; ++i) {
                const double dx = ex[i] - mx, dy = ey[i] - my, px = ende[i].x() - mx, py = ende[i].y() - my;
                EXPECT_LE(std::fabs(dx * py - dy * px) / std::hypot(dx, dy), 1.0) << (i ? "end" : "start");
            }
        }
    }
}
