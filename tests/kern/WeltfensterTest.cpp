// The world window of one drawing area as a value maps exactly as the
// program-wide one that the painter draws in.
#include "draw/GlobalU.h"
#include "draw/KoordU.h"

#include <gtest/gtest.h>

TEST(Weltfenster, RechnetWieDasProgrammweite)
{
    const TWeltRechteck welten[] = {{-10, 10, -10, 10}, {-20, 20, -10, 10}, {0, 18, -1, 1}, {-25, 25, -20, 20}};
    const int groessen[][2] = {{480, 480}, {1000, 480}, {300, 300}, {800, 540}, {1, 1}};
    for (const TWeltRechteck& welt : welten) {
        for (const auto& g : groessen) {
            const TWeltfenster w(g[0], g[1], welt);
            SetzeWeltfenster(g[0], g[1], welt);
            EXPECT_EQ(w, AktuellesWeltfenster());
            for (int px = -3; px <= g[0] + 3; px += 7) {
                for (int py = -3; py <= g[1] + 3; py += 11) {
                    TWeltPunkt global;
                    PixelZuWelt(px, py, global.x, global.y);
                    ASSERT_EQ(w.ZuWelt(px, py), global) << px << "," << py;
                    int x1, y1, x2, y2;
                    w.ZuPixel(global, x1, y1);
                    WeltZuPixel(global.x, global.y, x2, y2);
                    ASSERT_EQ(x1, x2);
                    ASSERT_EQ(y1, y2);
                }
            }
        }
    }
}
