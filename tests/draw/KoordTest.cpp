// World window: the worked values of every window in use, round trips, the grid.
#include "TestHilfen.h"
#include "draw/Leinwand.h"
#include "draw/Primitive.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace testhilfen;

TEST(Runden, TiesGoToEven)
{
    EXPECT_EQ(Runden(33.5L), 34);
    EXPECT_EQ(Runden(32.5L), 32);
    EXPECT_EQ(Runden(-0.5L), 0);
    EXPECT_EQ(Runden(-1.5L), -2);
    EXPECT_EQ(Runden(12.4999L), 12);
}

struct Fenster {
    float xMin, xMax, yMin, yMax;
    int rechts, unten;
    int einheitX, einheitY, nullX, nullY;
};

TEST(Weltfenster, WorkedValuesOfEveryWindow)
{
    const Fenster tabelle[] = {
        {-10, 10, -10, 10, 480, 480, 24, 24, 240, 240},
        {-20, 20, -10, 10, 1000, 480, 25, 24, 500, 240},
        {-20, 20, -10, 10, 1000, 670, 25, 34, 500, 335},
        {-25, 25, -20, 20, 1000, 700, 20, 18, 500, 350},
        {-40, 40, -20, 20, 1000, 480, 12, 12, 500, 240},
        {-20, 20, -2, 2, 1000, 50, 25, 12, 500, 25},
        {-15, 15, -4, 4, 300, 80, 10, 10, 150, 40},
        {-15, 15, -15, 15, 300, 300, 10, 10, 150, 150},
        {0, 18, -1, 1, 180, 40, 10, 20, 0, 20},
        {-40, 40, -27, 27, 800, 540, 10, 10, 400, 270},
    };
    for (const Fenster& f : tabelle) {
        SCOPED_TRACE(testing::Message() << f.xMin << ".." << f.xMax << " x " << f.yMin << ".." << f.yMax
                                        << " on " << f.rechts << "x" << f.unten);
        gitterAn = true;
        SetzeWeltfenster(0, f.rechts, 0, f.unten, f.xMin, f.xMax, f.yMin, f.yMax);
        EXPECT_EQ(einheitX, f.einheitX);
        EXPECT_EQ(einheitY, f.einheitY);
        EXPECT_EQ(nullpunktX, f.nullX);
        EXPECT_EQ(nullpunktY, f.nullY);
        EXPECT_FALSE(gitterAn) << "setting the window switches the grid off";
    }
}

TEST(Weltfenster, ConversionsBothWays)
{
    SetzeWeltfenster(0, 1000, 0, 480, -20, 20, -10, 10);
    EXPECT_FLOAT_EQ(WeltZuPixelX(0), 500);
    EXPECT_FLOAT_EQ(WeltZuPixelX(1), 525);
    EXPECT_FLOAT_EQ(PixelZuWeltX(0), -20);

    // 33.5 pixels per unit become 34: the window covers a little less than -10..10.
    SetzeWeltfenster(0, 1000, 0, 670, -20, 20, -10, 10);
    int px, py;
    WeltZuPixel(0, 9.5f, px, py);
    EXPECT_EQ(py, 12);
    EXPECT_FLOAT_EQ(PixelZuWeltY(670), static_cast<float>(-335.0L / 34));

    SetzeWeltfenster(0, 480, 0, 480, -10, 10, -10, 10);
    for (int p = 0; p <= 480; ++p) {
        float x, y;
        PixelZuWelt(p, 480 - p, x, y);
        WeltZuPixel(x, y, px, py);
        ASSERT_EQ(px, p);
        ASSERT_EQ(py, 480 - p);
    }
}

TEST(Weltfenster, ZeroScaleGivesFiniteValues)
{
    SetzeWeltfenster(0, 0, 0, 0, -10, 10, -10, 10);
    EXPECT_EQ(einheitX, 0);
    EXPECT_FLOAT_EQ(PixelZuWeltX(5), 0);
    EXPECT_FLOAT_EQ(PixelZuWeltY(5), 0);
}

TEST(Gitter, DrawsNothingUnlessSwitchedOn)
{
    QImage bild = WeissesBild(481, 481);
    QPainter maler(&bild);
    Leinwand lw(&maler);
    SetzeWeltfenster(0, 480, 0, 480, -10, 10, -10, 10);
    ZeichneGitter(lw);
    maler.end();
    EXPECT_EQ(ZaehleNichtWeiss(bild), 0);
}

TEST(Gitter, AxesAndTwentyOneByTwentyOneDots)
{
    QImage bild = WeissesBild(481, 481);
    QPainter maler(&bild);
    Leinwand lw(&maler);
    SetzeWeltfenster(0, 480, 0, 480, -10, 10, -10, 10);
    gitterAn = true;
    ZeichneGitter(lw);
    maler.end();

    EXPECT_EQ(ZaehleFarbe(bild, Rgb(0, 0, 0)), 21 * 21);
    for (int i = 0; i <= 480; i += 24)
        for (int j = 0; j <= 480; j += 24)
            ASSERT_EQ(Farbe(bild, i, j), Rgb(0, 0, 0)) << i << "," << j;
    // The axes are grey between the dots, and the axes carry black dots.
    EXPECT_EQ(Farbe(bild, 240, 13), Rgb(128, 128, 128));
    EXPECT_EQ(Farbe(bild, 13, 240), Rgb(128, 128, 128));
    EXPECT_EQ(Farbe(bild, 240, 240), Rgb(0, 0, 0));
    EXPECT_EQ(Farbe(bild, 13, 13), Rgb(255, 255, 255));
}
