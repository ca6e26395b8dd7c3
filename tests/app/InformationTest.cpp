// The information window: its frame, the history page with its highlighted
// words, and the pictures beside the text.
#include "TestHilfen.h"

#include "app/InformationU.h"
#include "app/seiten/Seiten.h"
#include "draw/Leinwand.h"
#include "draw/KoordU.h"
#include "draw/SchriftU.h"

#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace testhilfen;

namespace {

bool IstRot(unsigned f) { return (f >> 16 & 0xFF) > 200 && (f >> 8 & 0xFF) < 80 && (f & 0xFF) < 80; }
bool IstSchwarz(unsigned f) { return (f >> 16 & 0xFF) < 60 && (f >> 8 & 0xFF) < 60 && (f & 0xFF) < 60; }

int Zaehle(const QImage& bild, QRect bereich, bool (*art)(unsigned))
{
    int n = 0;
    bereich &= bild.rect();
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (art(Farbe(bild, x, y)))
                ++n;
    return n;
}

int PixelZeile(float y) { return 350 - int(18 * y); }

const QRect bildPlaetze[5] = {QRect(880, 80, 120, 171), QRect(776, 192, 77, 113), QRect(880, 288, 123, 131),
                              QRect(792, 432, 110, 131), QRect(752, 576, 117, 130)};

} // namespace

// Caption, size and the frame's style are the shared frame's and the navigation's tests.
TEST(Information, NurSchliessenImMenueBilderPlaetzeUndWeltfenster)
{
    TfrmInformation f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    EXPECT_EQ(f.MainMenu1()->actions(), QList<QAction*>{f.menSchliessen()});
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(f.Bild(i)->geometry(), bildPlaetze[i - 1]) << "img" << i;

    // The activation sets the page's world window: 20 x 18 pixels per unit about (500, 350).
    EXPECT_EQ(einheitX, 20);
    EXPECT_EQ(einheitY, 18);
    EXPECT_EQ(nullpunktX, 500);
    EXPECT_EQ(nullpunktY, 350);
}

TEST(Information, NeunzehnZeilenMitIhrenHervorhebungen)
{
    // Place and number of highlighted runs of every line of the page.
    const float ys[19] = {16.5f, 15, 13.5f, 12, 10.5f, 7.5f, 6, 4.5f, 1.5f, 0,
                          -1.5f, -3, -6, -7.5f, -9, -10.5f, -12, -15, -16.5f};
    const int laeufe[19] = {2, 0, 0, 1, 0, 2, 0, 0, 1, 0, 0, 2, 1, 0, 1, 0, 1, 1, 1};
    const std::vector<seiten::TGeschichtsZeile>& zeilen = seiten::GeschichtsZeilen();
    ASSERT_EQ(zeilen.size(), 19u);
    for (int i = 0; i < 19; ++i) {
        const QString text = QtText(zeilen[i].text);
        EXPECT_EQ(zeilen[i].y, ys[i]) << "line " << i + 1;
        EXPECT_EQ(text.count(QLatin1Char('#')), 2 * laeufe[i]) << "line " << i + 1;
        const qsizetype sichtbar = text.size() - text.count(QLatin1Char('#'));
        EXPECT_GE(sichtbar, 50) << "line " << i + 1;
        EXPECT_LE(sichtbar, 125) << "line " << i + 1;
    }
    EXPECT_TRUE(QtText(zeilen[1].text).contains(QChar(0x2013))) << "the second line carries an en dash";
}

TEST(Information, ZeilenLaufenNichtUnterDieBilder)
{
    Leinwand lw;
    for (const seiten::TGeschichtsZeile& z : seiten::GeschichtsZeilen()) {
        const int oben = PixelZeile(z.y);
        const int breite = TextBreite(lw, z.text, 12, true);
        int grenze = 1016;
        for (const QRect& b : bildPlaetze)
            if (oben < b.bottom() && oben + 19 > b.top())
                grenze = std::min(grenze, b.left());
        EXPECT_LT(20 + breite, grenze) << z.text;
    }
}

TEST(Information, TextSchwarzHervorhebungenRot)
{
    TfrmInformation f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    for (int i = 1; i <= 5; ++i)
        f.Bild(i)->hide(); // probe the text alone
    const QImage bild = f.Client()->grab().toImage();
    ASSERT_EQ(bild.size(), QSize(1016, 722));
    EXPECT_EQ(Farbe(bild, 3, 3), Rgb(255, 255, 255)) << "white window";

    // The blue title with its top at row 8, centred on column 500.
    const QRect titel(0, 8, 1016, 30);
    EXPECT_GT(ZaehleFarbe(bild, Rgb(0, 0, 255), titel), 200);
    EXPECT_EQ(ZaehleFarbe(bild, Rgb(0, 0, 255), QRect(0, 0, 1016, 8)), 0);
    EXPECT_EQ(ZaehleFarbe(bild, Rgb(0, 0, 255), QRect(0, 8, 200, 30)), 0);

    for (const seiten::TGeschichtsZeile& z : seiten::GeschichtsZeilen()) {
        const QRect band(20, PixelZeile(z.y), 996, 19);
        const int rot = Zaehle(bild, band, IstRot);
        EXPECT_GT(Zaehle(bild, band, IstSchwarz), 100) << z.text;
        if (z.text.find('#') != std::string::npos)
            EXPECT_GT(rot, 30) << z.text;
        else
            EXPECT_EQ(rot, 0) << z.text;
        // Nothing left of column 20.
        EXPECT_EQ(ZaehleNichtWeiss(bild, QRect(0, PixelZeile(z.y), 19, 19)), 0);
    }
    // The blank lines between the paragraphs stay white.
    for (float y : {9.0f, 3.0f, -4.5f, -13.5f})
        EXPECT_EQ(ZaehleNichtWeiss(bild, QRect(0, PixelZeile(y) + 2, 1016, 14)), 0) << y;
}
