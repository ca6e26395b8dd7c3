// "Einteilung der Dreiecke": the pictures of the boxes for a fixed triangle
// (label points, the whole picture, the text box), pixel probes, and the window driven through its menu and
// buttons: switching classifications, one box per button, a fresh start at
// every opening.
#include "lessons/Dreieck0U.h"

#include "TestHilfen.h"
#include "draw/Primitive.h"
#include "draw/KoordU.h"
#include "draw/VektorU.h"
#include "draw/ZufallU.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <variant>
#include <vector>

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

std::vector<bild::TText> Texte(const TBild& bild, bild::TTextArt art)
{
    std::vector<bild::TText> texte;
    for (const bild::TText& t : Teile<bild::TText>(bild))
        if (t.art == art)
            texte.push_back(t);
    return texte;
}

void ErwartePunkt(const bild::TText& t, const char* text, float x, float y)
{
    EXPECT_EQ(t.text, std::string(text));
    EXPECT_NEAR(t.ort.x, x, 1e-5);
    EXPECT_NEAR(t.ort.y, y, 1e-5);
}

} // namespace

TEST(Dreieck0Bild, SeitenbeschriftungenJeSpitze)
{
    // Each label stands off the side's midpoint on the outward normal.
    const TBild ungleich = DreieckBild(1, einteilungSeiten, spitzeC, rechtwinkelig);
    const std::vector<bild::TText> seiten = Texte(ungleich, bild::TTextArt::Schlicht);
    ASSERT_EQ(seiten.size(), 3u);
    ErwartePunkt(seiten[0], "a", float(1.5 / std::sqrt(2.0)), float(1.5 / std::sqrt(2.0)));
    ErwartePunkt(seiten[1], "b", -11.5f, 0);
    ErwartePunkt(seiten[2], "c", 0, -11.5f);
    EXPECT_TRUE(Teile<bild::TBogen>(ungleich).empty());

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
        const auto texte = Texte(DreieckBild(f.box, einteilungSeiten, f.spitze, rechtwinkelig), bild::TTextArt::Schlicht);
        ASSERT_EQ(texte.size(), 3u);
        ErwartePunkt(texte[1], f.b, -10 - f.abstandB, 0);
        ErwartePunkt(texte[2], f.c, 0, -10 - f.abstandC);
    }

    // Vertex names beyond their vertices, away from the midpoint of the opposite side.
    const std::vector<bild::TEckenName> ecken = Teile<bild::TEckenName>(ungleich);
    ASSERT_EQ(ecken.size(), 3u);
    EXPECT_EQ(ecken[0].text, std::string("C"));
    EXPECT_EQ(ecken[0].abstand, 1.4f);
    EXPECT_EQ(ecken[0].q, (TWeltPunkt{0, -10}));
    EXPECT_EQ(ecken[2].text, std::string("A"));
    EXPECT_EQ(ecken[2].abstand, 0.8f);
}

TEST(Dreieck0Bild, DasGanzeDreieckNachSeiten)
{
    // The side labels are written whole in the font the vertex names leave behind.
    using namespace bild;
    const TWeltPunkt a{-10, -10}, b{10, -10}, c{-10, 10};
    const auto seite = [](TWeltPunkt p, TWeltPunkt q) { return TStrecke{p, q, 2, clBlack, linieVoll}; };
    const auto ecke = [](const char* name, TWeltPunkt p, TWeltPunkt q, float abstand) {
        return TEckenName{std::string(name), p, q, abstand, true, clBlack};
    };
    const TSchrift arial{std::string("Arial"), 12, true, clBlack};
    const auto label = [&](const char* text, float abstand) {
        const std::string s = text;
        return TText{TTextArt::Schlicht, s, SeitenPunkt(s, rechtwinkelig, abstand), clBlack, 12, true, clBlack, arial};
    };
    TBild erwartet;
    erwartet << seite(a, b) << seite(b, c) << seite(c, a) << ecke("C", c, {0, -10}, 1.4f)
             << ecke("B", b, {-10, 0}, 0.8f) << ecke("A", a, {0, 0}, 0.8f) << label("a", 1.5f)
             << label("b=c", 1.5f) << label("c", 1.8f);
    EXPECT_EQ(ErsterUnterschied(erwartet, DreieckBild(2, einteilungSeiten, spitzeA, rechtwinkelig)), "");
}

TEST(Dreieck0Bild, WinkelBoegenUndNamen)
{
    const TBild bild = DreieckBild(3, einteilungWinkel, spitzeB, rechtwinkelig);
    const std::vector<bild::TText> seiten = Texte(bild, bild::TTextArt::Schlicht);
    ASSERT_EQ(seiten.size(), 3u);
    for (const bild::TText& s : seiten)
        EXPECT_EQ(s.text.size(), 1); // plain a, b, c in every box
    ErwartePunkt(seiten[1], "b", -11.5f, 0);
    // Names first, then the arcs of radius 4 about A, B, C, drawn last.
    const std::vector<bild::TBogen> boegen = Teile<bild::TBogen>(bild);
    ASSERT_EQ(boegen.size(), 3u);
    EXPECT_TRUE(std::holds_alternative<bild::TBogen>(bild.teile.back()));
    EXPECT_EQ(boegen[0].mitte, (TWeltPunkt{-10, -10}));
    EXPECT_EQ(boegen[0].radius, 4.0f);
    EXPECT_EQ(boegen[0].von, 0.0f);
    EXPECT_EQ(boegen[0].bis, 90.0f);
    EXPECT_FLOAT_EQ(boegen[1].von, 135.0f);
    EXPECT_EQ(boegen[1].bis, 180.0f);
    EXPECT_EQ(boegen[2].von, 270.0f);
    EXPECT_FLOAT_EQ(boegen[2].bis, 315.0f);
    // 2.8 along the middle direction, then shifted by (0.3, 1.0) / (0.3, 0.9) / (0.4, 1.0).
    const std::vector<bild::TText> namen = Texte(bild, bild::TTextArt::SymbolMitte);
    ASSERT_EQ(namen.size(), 3u);
    const float h = float(2.8 / std::sqrt(2.0));
    ErwartePunkt(namen[0], "~a", -10 + h + 0.3f, -10 + h + 1.0f);
    const float bx = float(2.8 * std::cos(157.5 * M_PI / 180)), by = float(2.8 * std::sin(157.5 * M_PI / 180));
    ErwartePunkt(namen[1], "~b", 10 + bx + 0.3f, -10 + by + 0.9f);
    const float cx = float(2.8 * std::cos(292.5 * M_PI / 180)), cy = float(2.8 * std::sin(292.5 * M_PI / 180));
    ErwartePunkt(namen[2], "~g", -10 + cx + 0.4f, 10 + cy + 1.0f);
}

TEST(Dreieck0Bild, TextboxWerte)
{
    TDreieckMasse m;
    m.c = 16.4f, m.a = 16.6f, m.b = 16.55f;
    m.alpha = 89.9999f, m.beta = 45.4f, m.gamma = 44.6f;

    // The headline centred at the top, the values in three columns below it;
    // by angles in maroon through the Symbol renderer.
    using bild::TTextArt;
    const struct {
        int box, einteilung;
        const char* ueberschrift;
        TTextArt art;
        TFarbe farbe;
        const char* werte[3];
    } faelle[] = {
        {1, einteilungSeiten, "Alle drei Seiten sind verschieden lang", TTextArt::Mitte, clNavy,
         {"AB = 16", "BC = 17", "AC = 17"}},
        // The near-equilateral triangle shows the length of AB three times.
        {3, einteilungSeiten, "Alle drei Seiten sind gleich lang", TTextArt::Mitte, clNavy,
         {"AB = 16", "BC = 16", "AC = 16"}},
        {3, einteilungWinkel, "Ein Winkel ist ein rechter", TTextArt::SymbolMitte, clMaroon,
         {"~a = 90°", "~b = 45°", "~g = 45°"}},
        {2, einteilungWinkel, "Ein Winkel ist stumpf", TTextArt::SymbolMitte, clMaroon,
         {"~a = 90°", "~b = 45°", "~g = 45°"}},
    };
    for (const auto& f : faelle) {
        const auto text = [&](TTextArt art, const char* s, TWeltPunkt ort) {
            return bild::TText{art, std::string(s), ort, f.farbe, 12, true};
        };
        TBild erwartet;
        erwartet << text(TTextArt::Mitte, f.ueberschrift, {0, 2}) << text(f.art, f.werte[0], {-11, -1.5f})
                 << text(f.art, f.werte[1], {0, -1.5f}) << text(f.art, f.werte[2], {11, -1.5f});
        EXPECT_EQ(ErsterUnterschied(erwartet, TextBild(f.box, f.einteilung, m)), "") << f.ueberschrift;
    }
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
