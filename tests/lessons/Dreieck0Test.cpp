// "Einteilung der Dreiecke": what the boxes show for a fixed triangle (exact
// label points, pixel probes), and the window driven through its menu and
// buttons: switching classifications, one box per button, a fresh start at
// every opening.
#include "lessons/Dreieck0U.h"

#include "TestHilfen.h"
#include "draw/GlobalU.h"
#include "draw/KoordU.h"
#include "draw/VektorU.h"
#include "draw/ZufallU.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace testhilfen;
using namespace dreieck0;

namespace {

// Right angle at A, 45 degrees at B and C; counter-clockwise.
const TDreieck rechtwinkelig{-10, -10, 10, -10, -10, 10};

constexpr unsigned schwarz = 0x000000, navy = 0x000080, maroon = 0x800000;

bool Gleich(const TDreieck& p, const TDreieck& q)
{
    return p.ax == q.ax && p.ay == q.ay && p.bx == q.bx && p.by == q.by && p.cx == q.cx && p.cy == q.cy;
}

// Pixel of a world point in a 300 x 300 drawing box.
QPoint Pixel(float x, float y)
{
    SetzeWeltfenster(0, 300, 0, 300, -15, 15, -15, 15);
    int px, py;
    WeltZuPixel(x, y, px, py);
    return {px, py};
}

void ErwartePunkt(const TBeschriftung& b, const char* text, float x, float y)
{
    EXPECT_EQ(b.text, QString::fromLatin1(text));
    EXPECT_NEAR(b.x, x, 1e-5);
    EXPECT_NEAR(b.y, y, 1e-5);
}

} // namespace

TEST(Dreieck0Bild, SeitenbeschriftungenJeSpitze)
{
    // Each label stands off the side's midpoint on the outward normal.
    const TDreieckBild ungleich = DreieckBild(1, einteilungSeiten, spitzeC, rechtwinkelig);
    ErwartePunkt(ungleich.seiten[0], "a", float(1.5 / std::sqrt(2.0)), float(1.5 / std::sqrt(2.0)));
    ErwartePunkt(ungleich.seiten[1], "b", -11.5f, 0);
    ErwartePunkt(ungleich.seiten[2], "c", 0, -11.5f);
    EXPECT_FALSE(ungleich.mitWinkeln);

    // Sides b (CA, at x = -10) and c (AB, at y = -10) in the isosceles and equilateral boxes.
    const struct {
        int box, spitze;
        const char *b, *c;
        float abstandB, abstandC;
    } faelle[] = {{2, spitzeC, "b=a", "c", 1.8f, 1.5f},
                  {2, spitzeB, "b", "c=a", 1.5f, 1.8f},
                  {2, spitzeA, "b=c", "c", 1.5f, 1.8f},
                  {3, spitzeA, "b=a", "c=a", 1.8f, 1.8f}};
    for (const auto& f : faelle) {
        const TDreieckBild bild = DreieckBild(f.box, einteilungSeiten, f.spitze, rechtwinkelig);
        ErwartePunkt(bild.seiten[1], f.b, -10 - f.abstandB, 0);
        ErwartePunkt(bild.seiten[2], f.c, 0, -10 - f.abstandC);
    }

    // Vertex names beyond their vertices, away from the midpoint of the opposite side.
    EXPECT_EQ(ungleich.ecken[0].text, QStringLiteral("C"));
    EXPECT_EQ(ungleich.ecken[0].abstand, 1.4f);
    EXPECT_EQ(ungleich.ecken[0].qx, 0.0f);
    EXPECT_EQ(ungleich.ecken[0].qy, -10.0f);
    EXPECT_EQ(ungleich.ecken[2].text, QStringLiteral("A"));
    EXPECT_EQ(ungleich.ecken[2].abstand, 0.8f);
}

TEST(Dreieck0Bild, WinkelBoegenUndNamen)
{
    const TDreieckBild bild = DreieckBild(3, einteilungWinkel, spitzeB, rechtwinkelig);
    ASSERT_TRUE(bild.mitWinkeln);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(bild.seiten[i].text.size(), 1); // plain a, b, c in every box
    ErwartePunkt(bild.seiten[1], "b", -11.5f, 0);
    EXPECT_EQ(bild.boegen[0].von, 0.0f);
    EXPECT_EQ(bild.boegen[0].bis, 90.0f);
    EXPECT_FLOAT_EQ(bild.boegen[1].von, 135.0f);
    EXPECT_EQ(bild.boegen[1].bis, 180.0f);
    EXPECT_EQ(bild.boegen[2].von, 270.0f);
    EXPECT_FLOAT_EQ(bild.boegen[2].bis, 315.0f);
    // 2.8 along the middle direction, then shifted by (0.3, 1.0) / (0.3, 0.9) / (0.4, 1.0).
    const float h = float(2.8 / std::sqrt(2.0));
    ErwartePunkt(bild.winkelNamen[0], "~a", -10 + h + 0.3f, -10 + h + 1.0f);
    const float bx = float(2.8 * std::cos(157.5 * M_PI / 180)), by = float(2.8 * std::sin(157.5 * M_PI / 180));
    ErwartePunkt(bild.winkelNamen[1], "~b", 10 + bx + 0.3f, -10 + by + 0.9f);
    const float cx = float(2.8 * std::cos(292.5 * M_PI / 180)), cy = float(2.8 * std::sin(292.5 * M_PI / 180));
    ErwartePunkt(bild.winkelNamen[2], "~g", -10 + cx + 0.4f, 10 + cy + 1.0f);
}

TEST(Dreieck0Bild, TextboxWerte)
{
    TDreieckMasse m;
    m.c = 16.4f, m.a = 16.6f, m.b = 16.55f;
    m.alpha = 89.9999f, m.beta = 45.4f, m.gamma = 44.6f;

    const auto erwarte = [](const TTextBild& bild, const QString& ueberschrift, TFarbe farbe,
                            const QStringList& werte) {
        EXPECT_EQ(bild.ueberschrift, ueberschrift);
        EXPECT_EQ(bild.farbe, farbe);
        EXPECT_EQ(bild.griechisch, farbe == clMaroon);
        EXPECT_EQ(QStringList(std::begin(bild.werte), std::end(bild.werte)), werte);
    };
    erwarte(TextBild(1, einteilungSeiten, m), QStringLiteral("Alle drei Seiten sind verschieden lang"), clNavy,
            {QStringLiteral("AB = 16"), QStringLiteral("BC = 17"), QStringLiteral("AC = 17")});
    // The near-equilateral triangle shows the length of AB three times.
    erwarte(TextBild(3, einteilungSeiten, m), QStringLiteral("Alle drei Seiten sind gleich lang"), clNavy,
            {QStringLiteral("AB = 16"), QStringLiteral("BC = 16"), QStringLiteral("AC = 16")});
    erwarte(TextBild(3, einteilungWinkel, m), QStringLiteral("Ein Winkel ist ein rechter"), clMaroon,
            {QStringLiteral("~a = 90°"), QStringLiteral("~b = 45°"), QStringLiteral("~g = 45°")});
    EXPECT_EQ(TextBild(2, einteilungWinkel, m).ueberschrift, QStringLiteral("Ein Winkel ist stumpf"));
}

class Dreieck0 : public ::testing::Test {
protected:
    void SetUp() override
    {
        fenster.show();
        QApplication::processEvents();
    }
    void TearDown() override { fenster.close(); }

    TfrmDreieck0 fenster;
};

TEST_F(Dreieck0, ZeichnungDerBoxen)
{
    fenster.SeitenDreieck[1] = rechtwinkelig;
    fenster.Spitze = spitzeA;
    QImage bild = fenster.pntGrafik2->Abbild();
    // Sides: the midpoints of AB, BC and CA lie on black.
    for (const QPoint p : {Pixel(0, -10), Pixel(0, 0), Pixel(-10, 0)})
        EXPECT_TRUE(FarbeNahe(bild, p.x(), p.y(), schwarz, 1));
    // Labels "b=c" at 1.5 and "c" at 1.8 from their sides, nothing on the angle arcs.
    const QPoint b = Pixel(-11.5f, 0), c = Pixel(0, -11.8f), bogen = Pixel(-10 + 2.83f, -10 + 2.83f);
    EXPECT_GT(ZaehleFarbe(bild, schwarz, QRect(b.x() - 8, b.y() - 20, 16, 40)), 20);
    EXPECT_GT(ZaehleFarbe(bild, schwarz, QRect(c.x() - 5, c.y() - 6, 10, 12)), 10);
    EXPECT_FALSE(FarbeNahe(bild, bogen.x(), bogen.y(), schwarz, 1));

    // By angles the arcs are drawn.
    fenster.menWinkel->trigger();
    fenster.WinkelDreieck[2] = rechtwinkelig;
    bild = fenster.pntGrafik3->Abbild();
    EXPECT_TRUE(FarbeNahe(bild, bogen.x(), bogen.y(), schwarz, 1));

    // The text box in the classification's colour.
    const QImage text = fenster.pntTxt3->Abbild();
    EXPECT_EQ(text.width(), 304);
    EXPECT_GT(ZaehleFarbe(text, maroon), 200);
    EXPECT_EQ(ZaehleFarbe(text, navy), 0);
    EXPECT_EQ(Farbe(text, 302, 40), 0xFFFFFFu);
}

TEST_F(Dreieck0, MenueUndKnoepfe)
{
    EXPECT_EQ(fenster.Einteilung, einteilungSeiten);
    EXPECT_EQ(fenster.lblUeb->text(), QStringLiteral("Einteilung der Dreiecke nach den Seitenlängen"));
    EXPECT_EQ(fenster.pnlUeb2->Caption(), QStringLiteral("gleichschenkelig"));
    EXPECT_EQ(fenster.btnGrafik1->text(), QStringLiteral("Neues Dreieck"));
    EXPECT_FALSE(fenster.btnGrafik1->autoDefault());

    SetzeZufallsKeim(5);
    const TDreieck seiten[3] = {fenster.SeitenDreieck[0], fenster.SeitenDreieck[1], fenster.SeitenDreieck[2]};
    fenster.menWinkel->trigger();
    EXPECT_EQ(fenster.Einteilung, einteilungWinkel);
    EXPECT_EQ(fenster.lblUeb->text(), QStringLiteral("Einteilung der Dreiecke nach den Winkeln"));
    EXPECT_EQ(fenster.pnlUeb1->Caption(), QStringLiteral("spitzwinkelig"));
    EXPECT_EQ(fenster.pnlUeb3->Caption(), QStringLiteral("rechtwinkelig"));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(Gleich(fenster.SeitenDreieck[i], seiten[i]));
    EXPECT_EQ(fenster.DreieckMasse[2].c, Abstand(fenster.WinkelDreieck[2].ax, fenster.WinkelDreieck[2].ay,
                                                 fenster.WinkelDreieck[2].bx, fenster.WinkelDreieck[2].by));

    // "Neues Dreieck" of box 2 replaces only the triangle of box 2.
    const TDreieck winkel[3] = {fenster.WinkelDreieck[0], fenster.WinkelDreieck[1], fenster.WinkelDreieck[2]};
    const QImage vorher1 = fenster.pntGrafik1->Abbild(), vorher2 = fenster.pntGrafik2->Abbild();
    EXPECT_EQ(fenster.pntGrafik2->Abbild(), vorher2); // a repaint shows the same
    QTest::mouseClick(fenster.btnGrafik2, Qt::LeftButton);
    EXPECT_TRUE(Gleich(fenster.WinkelDreieck[0], winkel[0]));
    EXPECT_FALSE(Gleich(fenster.WinkelDreieck[1], winkel[1]));
    EXPECT_TRUE(Gleich(fenster.WinkelDreieck[2], winkel[2]));
    EXPECT_EQ(fenster.pntGrafik1->Abbild(), vorher1);
    EXPECT_NE(fenster.pntGrafik2->Abbild(), vorher2);

    // The side classification again: three new side triangles, also when chosen twice.
    fenster.menSeiten->trigger();
    EXPECT_EQ(fenster.pnlUeb1->Caption(), QStringLiteral("ungleichseitig"));
    const TDreieck erste = fenster.SeitenDreieck[0];
    EXPECT_FALSE(Gleich(erste, seiten[0]));
    fenster.menSeiten->trigger();
    EXPECT_FALSE(Gleich(fenster.SeitenDreieck[0], erste));
}

TEST_F(Dreieck0, OeffnenBeginntMitDenSeiten)
{
    fenster.menWinkel->trigger();
    fenster.close();
    QApplication::processEvents();
    fenster.show();
    QApplication::processEvents();
    EXPECT_EQ(fenster.Einteilung, einteilungSeiten);
    EXPECT_EQ(fenster.lblUeb->text(), QStringLiteral("Einteilung der Dreiecke nach den Seitenlängen"));
    EXPECT_EQ(fenster.pnlUeb1->Caption(), QStringLiteral("ungleichseitig"));
    EXPECT_EQ(fenster.pnlUeb3->Caption(), QStringLiteral("gleichseitig"));
    // Navy again: the panel's caption pixels.
    const QImage panel = fenster.pnlUeb1->grab().toImage();
    EXPECT_GT(ZaehleFarbe(panel, navy), 20);
    EXPECT_EQ(ZaehleFarbe(panel, maroon), 0);
}
