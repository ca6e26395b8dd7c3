// The canvas: crisp lines without their end pixel, dash patterns, opaque text and the
// font handling every label relies on.
#include "TestHilfen.h"
#include "draw/Leinwand.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace testhilfen;

TEST(Schrift, PointsToPixelsAtNinetySixDpi)
{
    EXPECT_EQ(PunktZuPixel(12), 16);
    EXPECT_EQ(PunktZuPixel(9), 12);
    EXPECT_EQ(PunktZuPixel(36), 48);
    EXPECT_EQ(PunktZuPixel(10), 13);
    EXPECT_EQ(PunktZuPixel(27), 36);
}

TEST(Schrift, LiberationFontsStandInForArialAndTimes)
{
    ASSERT_TRUE(SchriftenVerfuegbar()) << "fonts-liberation is not installed";
    EXPECT_TRUE(QtSchrift("Arial", 16, true).family().startsWith("Liberation Sans"));
    EXPECT_TRUE(QtSchrift("Times New Roman", 16, false).family().startsWith("Liberation Serif"));
    EXPECT_EQ(QtSchrift("Arial", 16, true).pixelSize(), 16);
}

TEST(Schrift, SymbolLettersBecomeGreek)
{
    EXPECT_EQ(SymbolZeichen('a'), QChar(u'α'));
    EXPECT_EQ(SymbolZeichen('b'), QChar(u'β'));
    EXPECT_EQ(SymbolZeichen('g'), QChar(u'γ'));
    EXPECT_EQ(SymbolZeichen('d'), QChar(u'δ'));
    EXPECT_EQ(SymbolZeichen('e'), QChar(u'ε'));
    EXPECT_EQ(SymbolZeichen('r'), QChar(u'ρ'));
    EXPECT_EQ(SymbolZeichen('w'), QChar(u'ω'));
    EXPECT_EQ(SymbolZeichen('D'), QChar(u'Δ'));
    EXPECT_EQ(SymbolZeichen('W'), QChar(u'Ω'));
    EXPECT_EQ(SymbolZeichen('1'), QChar('1'));
}

TEST(Schrift, MassFolgtDerSchrift)
{
    // Widths are remembered per font: each change of name, size or weight measures anew.
    Leinwand lw;
    const auto breite = [&](const char* name, int groesse, bool fett) {
        lw.schrift.name = name;
        lw.schrift.groesse = groesse;
        lw.schrift.fett = fett;
        return lw.TextExtent(QStringLiteral("Wm")).width();
    };
    for (int runde = 0; runde < 2; ++runde)
        for (const char* name : {"Arial", "Times New Roman", "Symbol"})
            for (int groesse : {9, 12, 24, 36})
                for (bool fett : {false, true})
                    EXPECT_EQ(breite(name, groesse, fett),
                              QFontMetrics(QtSchrift(QString::fromLatin1(name), PunktZuPixel(groesse), fett))
                                  .horizontalAdvance(QString::fromLatin1(name) == QLatin1String("Symbol")
                                                         ? QStringLiteral("Ωμ")
                                                         : QStringLiteral("Wm")))
                        << name << groesse << fett;
}

class LeinwandBild : public testing::Test {
protected:
    QImage bild = WeissesBild(100, 100);
    QPainter maler{&bild};
    Leinwand lw{&maler};
    QImage fertig()
    {
        maler.end();
        return bild;
    }
};

TEST_F(LeinwandBild, LineLeavesItsEndPixelUnset)
{
    // Start, the pixel before the end and the end, in every direction; the
    // first line is exactly its 20 pixels.
    const QPoint linien[][3] = {{{10, 10}, {29, 10}, {30, 10}}, {{10, 20}, {29, 39}, {30, 40}},
                                {{90, 60}, {90, 79}, {90, 80}}, {{60, 95}, {41, 95}, {40, 95}}};
    lw.stift.farbe = clRed;
    for (const auto& l : linien) {
        lw.MoveTo(l[0].x(), l[0].y());
        lw.LineTo(l[2].x(), l[2].y());
    }
    const QImage b = fertig();
    for (const auto& l : linien) {
        EXPECT_EQ(Farbe(b, l[0].x(), l[0].y()), Rgb(255, 0, 0)) << l[2].x() << "," << l[2].y();
        EXPECT_EQ(Farbe(b, l[1].x(), l[1].y()), Rgb(255, 0, 0)) << l[2].x() << "," << l[2].y();
        EXPECT_EQ(Farbe(b, l[2].x(), l[2].y()), Rgb(255, 255, 255)) << l[2].x() << "," << l[2].y();
    }
    EXPECT_EQ(ZaehleFarbe(b, Rgb(255, 0, 0), QRect(0, 0, 100, 15)), 20);
}

TEST_F(LeinwandBild, DottedAndClearPens)
{
    lw.stift.stil = psDot;
    lw.MoveTo(0, 5);
    lw.LineTo(60, 5);
    lw.stift.stil = psClear;
    lw.MoveTo(0, 50);
    lw.LineTo(60, 50);
    const QImage b = fertig();
    const int schwarz = ZaehleFarbe(b, 0, QRect(0, 5, 60, 1));
    EXPECT_GT(schwarz, 20);
    EXPECT_LT(schwarz, 40);
    EXPECT_EQ(ZaehleNichtWeiss(b, QRect(0, 45, 100, 10)), 0);
}

TEST_F(LeinwandBild, OpaqueTextFillsItsBoxWithTheBrush)
{
    lw.pinsel.stil = bsSolid;
    lw.pinsel.farbe = RGB(0, 255, 0);
    lw.TextOut(5, 5, "ii");
    lw.pinsel.stil = bsClear;
    lw.TextOut(5, 50, "ii");
    const QImage b = fertig();
    EXPECT_GT(ZaehleFarbe(b, Rgb(0, 255, 0), QRect(0, 0, 100, 40)), 20);
    EXPECT_EQ(ZaehleFarbe(b, Rgb(0, 255, 0), QRect(0, 45, 100, 40)), 0);
    EXPECT_GT(ZaehleNichtWeiss(b, QRect(0, 45, 100, 40)), 5);
}

TEST_F(LeinwandBild, GeometricLineKeepsTheCanvasPen)
{
    lw.stift.farbe = clRed;
    lw.stift.breite = 1;
    lw.GeometrischeLinie(20, 20, 60, 20, 6, clBlue, 0);
    lw.MoveTo(20, 60);
    lw.LineTo(60, 60);
    const QImage b = fertig();
    // Square caps reach half the width beyond the end point.
    EXPECT_EQ(Farbe(b, 62, 20), Rgb(0, 0, 255));
    EXPECT_EQ(Farbe(b, 40, 18), Rgb(0, 0, 255));
    EXPECT_EQ(Farbe(b, 40, 60), Rgb(255, 0, 0));
    EXPECT_EQ(lw.stift.breite, 1);
}
