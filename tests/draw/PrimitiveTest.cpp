// Drawing primitives in world units, probed pixel by pixel on a 480 x 480 area
// with 24 pixels per unit and the origin in the middle.
#include "TestHilfen.h"
#include "draw/Leinwand.h"
#include "draw/Primitive.h"
#include "draw/KoordU.h"
#include "draw/PolKartU.h"
#include "draw/SchriftU.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

using namespace testhilfen;

namespace {

class Primitive : public testing::Test {
protected:
    QImage bild = WeissesBild(481, 481);
    QPainter maler{&bild};
    Leinwand lw{&maler};

    void SetUp() override
    {
        SetzeFarben();
        SetzeWeltfenster(0, 480, 0, 480, -10, 10, -10, 10);
    }
    QImage fertig()
    {
        if (maler.isActive())
            maler.end();
        return bild;
    }
    static QPoint pixel(float x, float y)
    {
        int px, py;
        WeltZuPixel(x, y, px, py);
        return {px, py};
    }
    // Centre of the bounding box of all pixels of a colour.
    static QPointF mitteDerFarbe(const QImage& b, unsigned rgb)
    {
        QRect box;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (Farbe(b, x, y) == rgb)
                    box |= QRect(x, y, 1, 1);
        return QRectF(box).center();
    }
};

} // namespace

TEST_F(Primitive, SegmentStyleFourKeepsThePreviousStyle)
{
    Strecke(lw, 1, clBlack, -8, 5, 8, 5, 2);
    Strecke(lw, 1, clBlack, -8, -5, 8, -5, 4);
    EXPECT_EQ(lw.stift.stil, psDot);
    EXPECT_EQ(lw.pinsel.stil, bsClear);
    const QImage b = fertig();
    const int gepunktet = ZaehleFarbe(b, 0, QRect(0, pixel(0, 5).y(), 481, 1));
    const int vierter = ZaehleFarbe(b, 0, QRect(0, pixel(0, -5).y(), 481, 1));
    EXPECT_EQ(gepunktet, vierter);
    EXPECT_LT(vierter, 16 * 24 * 3 / 4) << "a dotted line leaves gaps";
}

TEST_F(Primitive, CircleWithoutFillLeavesTheInsideAlone)
{
    maler.fillRect(QRect(230, 230, 20, 20), QColor(0, 255, 0));
    Kreis(lw, 1, clBlack, 0, 0, 2, keineFuellung);
    const QImage b = fertig();
    EXPECT_EQ(Farbe(b, 240, 240), Rgb(0, 255, 0));
    EXPECT_TRUE(FarbeNahe(b, 288, 240, 0, 1)) << "outline at radius 48 pixels";
    EXPECT_EQ(lw.pinsel.stil, bsClear);
}

TEST_F(Primitive, FilledCircleLeavesItsBrushBehind)
{
    maler.fillRect(QRect(230, 230, 20, 20), QColor(0, 255, 0));
    Kreis(lw, 1, clBlack, 0, 0, 2, int(clWhite));
    EXPECT_EQ(lw.pinsel.stil, bsSolid);
    EXPECT_EQ(lw.pinsel.farbe, clWhite);
    // The brush stays solid white: opaque text drawn next gets a white box.
    lw.pinsel.farbe = RGB(0, 0, 255);
    lw.TextOut(10, 10, "M");
    const QImage b = fertig();
    EXPECT_EQ(Farbe(b, 240, 240), Rgb(255, 255, 255));
    EXPECT_GT(ZaehleFarbe(b, Rgb(0, 0, 255), QRect(0, 0, 60, 40)), 10);
}

TEST_F(Primitive, ArcTooShortForAPixelIsNotAFullCircle)
{
    // 0.3 degrees on a radius of 72 pixels: both ends round to the same pixel.
    Bogen(lw, 2, clBlue, 0, 0, 3, 0, 0.3f);
    // Just short of a full turn the same pixel means the whole circle.
    Bogen(lw, 1, clRed, 0, 0, 6, 0.1f, 359.9f);
    const QImage b = fertig();
    EXPECT_EQ(ZaehleFarbe(b, Rgb(0, 0, 255)), 0);
    // The box runs from 96 to 384 with its right and bottom edge excluded.
    EXPECT_EQ(Farbe(b, 96, 240), Rgb(255, 0, 0));
    EXPECT_EQ(Farbe(b, 240, 383), Rgb(255, 0, 0));
}

// An arc runs counter-clockwise on screen from its first angle: of the four
// quarters' middles, those it covers are drawn and no other. A full turn, from
// wherever it starts, is the whole circle.
TEST_F(Primitive, ArcCoversOnlyItsAngle)
{
    const std::tuple<float, float, int> boegen[] = {{0, 90, 0b0001},    {90, 180, 0b0010}, {180, 270, 0b0100},
                                                    {270, 360, 0b1000}, {0, 360, 0b1111},  {-10, 350, 0b1111}};
    for (auto [von, bis, viertel] : boegen) {
        bild.fill(Qt::white);
        Bogen(lw, 1, clBlue, 0, 0, 4, von, bis);
        maler.end();
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(FarbeNahe(bild, k == 0 || k == 3 ? 308 : 172, k < 2 ? 172 : 308, Rgb(0, 0, 255), 2),
                      bool(viertel >> k & 1))
                << "arc " << von << " to " << bis << ", middle of quarter " << k;
        maler.begin(&bild);
        lw.Binde(&maler);
    }
}

TEST_F(Primitive, DoubleArrowHeadsOnlyWhereAsked)
{
    Doppelpfeil(lw, 1, clRed, 0, 5, 1, 'L');
    const QImage b = fertig();
    // Head lines (0,1)-(0.4,1.2) and (0,1)-(0.4,0.8): ending about 10 pixels right and 5 up or down.
    EXPECT_TRUE(FarbeNahe(b, 245, 213, Rgb(255, 0, 0), 1));
    EXPECT_TRUE(FarbeNahe(b, 245, 219, Rgb(255, 0, 0), 1));
    EXPECT_FALSE(FarbeNahe(b, 355, 213, Rgb(255, 0, 0), 1)) << "no head at the x2 end";
    EXPECT_FALSE(FarbeNahe(b, 355, 219, Rgb(255, 0, 0), 1));
    EXPECT_EQ(Farbe(b, 300, 216), Rgb(255, 0, 0));
}

TEST_F(Primitive, RightAngleMarkHasItsDotOnTheBisector)
{
    const TFarbe lila = farbeLila;
    RechterWinkel(lw, 1, lila, 1, 0, 0, 0, 2, 'L');
    const QImage b = fertig();
    // Arc from 0 to 90 degrees, dot at 45 degrees and half the radius: (0.707, 0.707).
    const QPoint dot = pixel(0.7071f, 0.7071f);
    EXPECT_EQ(Farbe(b, dot.x(), dot.y()), Rgb(153, 0, 153));
    EXPECT_TRUE(FarbeNahe(b, 240 + 34, 240 - 34, Rgb(153, 0, 153), 2));
    EXPECT_FALSE(FarbeNahe(b, 240 - 34, 240 + 34, Rgb(153, 0, 153), 3));
}

TEST_F(Primitive, DegenerateDirectionsDrawNothing)
{
    RechterWinkel(lw, 1, clRed, 0, 0, 0, 0, 2, 'L');
    StreckenName(lw, "c", clRed, 1, 1, 1, 1);
    EckenNameVor(lw, "A", clRed, 1, 1, 1, 1, 0.5f);
    EckenNameNach(lw, "B", clRed, 1, 1, 1, 1, 0.5f);
    SeitenName(lw, "a", clRed, 1, 1, 1, 1, 1, 1, 0.5f);
    EXPECT_EQ(ZaehleNichtWeiss(fertig()), 0);
    float x = 7, y = 7;
    NormalVersatz(1, 1, 1, 1, 2, 3, 0.5f, x, y);
    EXPECT_FLOAT_EQ(x, 2);
    EXPECT_FLOAT_EQ(y, 3);
}

TEST_F(Primitive, SegmentNameSitsRightOfTheDirection)
{
    StreckenName(lw, "c", clRed, 0, 0, 4, 0);
    QImage b = fertig();
    const QPointF mitte = mitteDerFarbe(b, Rgb(255, 0, 0));
    EXPECT_NEAR(mitte.x(), 240 + 48, 3);
    EXPECT_NEAR(mitte.y(), 240 + 0.4 * 24, 4);

    b.fill(Qt::white);
    maler.begin(&b);
    lw.Binde(&maler);
    StreckenName(lw, "AB", clRed, 0, 0, 4, 0);
    maler.end();
    EXPECT_NEAR(mitteDerFarbe(b, Rgb(255, 0, 0)).y(), 240 + 0.55 * 24, 4);
}

TEST(PunktRechnung, AngleMiddleAndNamePoint)
{
    float x, y;
    WinkelMitte(0, 0, 2, 0, 90, x, y);
    EXPECT_NEAR(x, 1.4f * std::cos(M_PI / 4), 1e-5);
    EXPECT_NEAR(y, 1.4f * std::sin(M_PI / 4), 1e-5);

    WinkelNamenPunkt(1, 1, 0, 0, 3, 0, 0, 0, 0, -5, x, y);
    EXPECT_FLOAT_EQ(x, 2.6f);
    EXPECT_FLOAT_EQ(y, -1.0f);

    NormalVersatz(0, 0, 2, 0, 1, 1, 0.5f, x, y);
    EXPECT_FLOAT_EQ(x, 1);
    EXPECT_FLOAT_EQ(y, 0.5f);
}

TEST(Zahlen, FixedPointWithDecimalComma)
{
    EXPECT_EQ(ZahlText(49.4f, 2), "49,40");
    EXPECT_EQ(ZahlText(130.6f, 2), "130,60");
    EXPECT_EQ(ZahlText(90.0f, 0), "90");
    EXPECT_EQ(ZahlText(-0.001f, 2), "0,00");
    EXPECT_EQ(ZahlText(-3.5f, 1), "-3,5");
}

TEST(Palette, ColoursOfTheCourse)
{
    SetzeFarben();
    EXPECT_EQ(farbeHimbeer, RGB(255, 0, 102));
    EXPECT_EQ(farbeViolett, RGB(102, 51, 255));
    EXPECT_EQ(farbeBraun, RGB(153, 102, 51));
    EXPECT_EQ(farbeMeergruen, RGB(51, 204, 153));
    EXPECT_EQ(farbeLila, RGB(153, 0, 153));
    EXPECT_EQ(farbeOliv, RGB(102, 153, 51));
    EXPECT_EQ(farbeOrange, RGB(255, 102, 0));
    EXPECT_EQ(farbeMagenta, RGB(204, 51, 153));
    EXPECT_EQ(farbeHimmelblau, RGB(0, 204, 255));
}

// Arc ends on scales that are not square lie on the rays from the centre through
// the pixel images of their points, in every quadrant and on the axes: 25 x 24
// (constructions), 12.5 x 12 (special lines) and two steeper scales.
TEST(BogenEnden, LiegenAufIhrenStrahlen)
{
    for (QSize groesse : {QSize(500, 480), QSize(250, 240), QSize(200, 240), QSize(480, 500)})
        for (float start = 0; start < 360; start += 22.5f) {
            SCOPED_TRACE(testing::Message() << groesse.width() << " x " << groesse.height() << " from " << start);
            QImage b = WeissesBild(groesse.width() + 1, groesse.height() + 1);
            QPainter maler(&b);
            Leinwand lw(&maler);
            SetzeWeltfenster(0, groesse.width(), 0, groesse.height(), -10, 10, -10, 10);
            Bogen(lw, 1, clBlue, 0, 0, 8, start, start + 25);
            maler.end();
            int mx, my, ex[2], ey[2];
            WeltZuPixel(0, 0, mx, my);
            for (int i = 0; i < 2; ++i) {
                float x, y;
                PolarZuKartesisch(start + 25 * i, 8, x, y);
                WeltZuPixel(x, y, ex[i], ey[i]);
            }
            // The drawn pixels furthest back and furthest on, by direction from the start ray.
            QPoint ende[2];
            double grenze[2] = {1e9, -1e9};
            for (int y = 0; y < b.height(); ++y)
                for (int x = 0; x < b.width(); ++x)
                    if (Farbe(b, x, y) == 0x0000FFu) {
                        const double w = std::remainder(
                            std::atan2(my - y, x - mx) - std::atan2(my - ey[0], ex[0] - mx), 2 * M_PI);
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
