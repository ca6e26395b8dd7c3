// The dynamic triangle: the pictures of both modes computed with exact values,
// degenerate triangles without stray lines, and the real window driven by
// mouse, check boxes, scroll bar and menu.
#include "lessons/Dreieck3U.h"

#include "TestHilfen.h"
#include "app/Plattform.h"
#include "draw/GlobalU.h"
#include "draw/KoordU.h"
#include "draw/PolKartU.h"
#include "draw/VektorU.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace testhilfen;

namespace {

constexpr TWeltPunkt A0{-14, -16}, B0{20, 6}, C0{-6, 20};

TLinienWahl Alle()
{
    return {true, true, true, true, true, true, true, true, true, true, true, true, true};
}

void ErwartePunkt(TWeltPunkt p, double x, double y, double toleranz = 1e-4)
{
    EXPECT_NEAR(p.x, x, toleranz);
    EXPECT_NEAR(p.y, y, toleranz);
}

// Every coordinate the picture hands to the canvas, so none can be NaN or far away.
std::vector<float> Koordinaten(const TSchnittpunktBild& bild)
{
    std::vector<float> k;
    const auto linien = [&](const std::vector<TLinie>& l) {
        for (const TLinie& s : l)
            k.insert(k.end(), {s.von.x, s.von.y, s.bis.x, s.bis.y});
    };
    linien(bild.seiten);
    if (bild.euler)
        linien({*bild.euler});
    for (const TLinienGruppe* g : {&bild.hoehen, &bild.seitensymmetralen, &bild.winkelsymmetralen, &bild.schwerlinien}) {
        linien(g->linien);
        if (g->name)
            k.insert(k.end(), {g->name->punkt.x, g->name->punkt.y});
    }
    for (const TEckenName& n : bild.namen)
        k.insert(k.end(), {n.ecke.x, n.ecke.y, n.gegenueber.x, n.gegenueber.y});
    return k;
}

void ErwarteEndlich(const TSchnittpunktBild& bild)
{
    for (float v : Koordinaten(bild)) {
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_LE(std::fabs(v), 1000.0f);
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Mode "Schnittpunkte", computed

TEST(Dreieck3Bild, StartdreieckMitAllenLinien)
{
    const TDreieckPunkte p = BerechneDreieckPunkte(A0, B0, C0);
    ErwartePunkt(p.Ma, 7, 13);
    ErwartePunkt(p.Fa.value(), 308.0 / 109, 1662.0 / 109);
    ErwartePunkt(p.Fb.value(), -658.0 / 85, 1034.0 / 85);
    ErwartePunkt(p.Fc.value(), 1652.0 / 205, -354.0 / 205);
    ErwartePunkt(p.H.value(), 28.0 / 131, 1362.0 / 131);
    ErwartePunkt(p.U.value(), -14.0 / 131, -26.0 / 131);
    ErwartePunkt(p.I.value(), 0.7592463, 5.2264569);
    ErwartePunkt(p.S, 0, 10.0 / 3);

    const TSchnittpunktBild bild = SchnittpunktBild(A0, B0, C0, Alle());
    ASSERT_EQ(bild.seiten.size(), 3u);
    EXPECT_EQ(bild.namen.size(), 6u);
    EXPECT_EQ(bild.namen[1].text, QStringLiteral("a"));
    EXPECT_FALSE(bild.namen[1].vor);

    // Heights: vertex to H and H to the foot in violet, foot to the side's end dotted.
    ASSERT_EQ(bild.hoehen.linien.size(), 9u);
    const TLinie& aH = bild.hoehen.linien[0];
    ErwartePunkt(aH.von, -14, -16, 0);
    ErwartePunkt(aH.bis, 28.0 / 131, 1362.0 / 131);
    EXPECT_EQ(aH.farbe, farbeViolett);
    EXPECT_EQ(bild.hoehen.linien[2].farbe, clBlack);
    EXPECT_EQ(bild.hoehen.linien[2].stil, liniePunktiert);
    ErwartePunkt(bild.hoehen.linien[8].bis, 20, 6, 0); // Fc to B
    EXPECT_EQ(bild.hoehen.name->text, QStringLiteral("H"));

    // Whole lines clipped: the bisector of AB across |x| <= 38 / |y| <= 18, the
    // angle bisectors at B and C only to |x| <= 18.
    ASSERT_EQ(bild.seitensymmetralen.linien.size(), 3u);
    for (const TLinie& l : bild.seitensymmetralen.linien) {
        EXPECT_EQ(l.stil, linieStrichPunkt);
        EXPECT_EQ(l.farbe, farbeBraun);
    }
    ASSERT_EQ(bild.winkelsymmetralen.linien.size(), 3u);
    for (int i = 1; i < 3; ++i)
        for (float x : {bild.winkelsymmetralen.linien[i].von.x, bild.winkelsymmetralen.linien[i].bis.x})
            EXPECT_LE(std::fabs(x), 18.0f);
    EXPECT_TRUE(bild.winkelsymmetralen.name->times);
    EXPECT_EQ(bild.winkelsymmetralen.name->text, QStringLiteral("~I"));
    ASSERT_EQ(bild.schwerlinien.linien.size(), 3u);
    ErwartePunkt(bild.schwerlinien.linien[0].von, 7, 13, 0);
    ErwartePunkt(bild.schwerlinien.name->punkt, 0, 10.0 / 3);

    // The Euler line through H and S from y = -18 to y = 18, red, three pixels wide.
    ASSERT_TRUE(bild.euler);
    EXPECT_EQ(bild.euler->breite, 3);
    EXPECT_EQ(bild.euler->farbe, clRed);
    const double steigung = (28.0 / 131) / (1362.0 / 131 - 10.0 / 3);
    ErwartePunkt(bild.euler->von, (-18 - 10.0 / 3) * steigung, -18, 1e-3);
    ErwartePunkt(bild.euler->bis, (18 - 10.0 / 3) * steigung, 18, 1e-3);
}

TEST(Dreieck3Bild, ZentrumsnamenAbZweiLinienUndEulerRegel)
{
    TLinienWahl w;
    w.zeigeHa = true;
    w.zeigeSab = true;
    w.zeigeWc = true;
    w.zeigeSb = true;
    TSchnittpunktBild bild = SchnittpunktBild(A0, B0, C0, w);
    EXPECT_FALSE(bild.hoehen.name || bild.seitensymmetralen.name || bild.winkelsymmetralen.name
                 || bild.schwerlinien.name);
    EXPECT_EQ(bild.hoehen.linien.size(), 3u);
    EXPECT_FALSE(EulerMoeglich(w));

    w.zeigeHc = w.zeigeSbc = w.zeigeWb = w.zeigeSc = true;
    w.zeigeEuler = true;
    bild = SchnittpunktBild(A0, B0, C0, w);
    EXPECT_TRUE(bild.hoehen.name && bild.seitensymmetralen.name && bild.winkelsymmetralen.name
                && bild.schwerlinien.name);
    EXPECT_TRUE(EulerMoeglich(w));
    EXPECT_TRUE(bild.euler);

    // The angle bisectors play no part; each of the other three pairs does.
    w.zeigeWb = w.zeigeWc = false;
    EXPECT_TRUE(EulerMoeglich(w));
    w.zeigeSbc = false;
    EXPECT_FALSE(EulerMoeglich(w));
    EXPECT_TRUE(ZweiVonDrei(true, false, true));
    EXPECT_FALSE(ZweiVonDrei(false, false, true));
}

TEST(Dreieck3Bild, EntarteteDreieckeLassenUndefiniertesWeg)
{
    // Three vertices on one line: no H, U, I; the perpendicular bisectors
    // (parallel), the medians and "S" remain.
    TSchnittpunktBild bild = SchnittpunktBild({-10, 0}, {10, 0}, {3, 0}, Alle());
    ErwarteEndlich(bild);
    EXPECT_FALSE(bild.euler);
    EXPECT_FALSE(bild.hoehen.name || bild.seitensymmetralen.name || bild.winkelsymmetralen.name);
    EXPECT_TRUE(bild.winkelsymmetralen.linien.empty());
    for (const TLinie& l : bild.hoehen.linien)
        EXPECT_EQ(l.stil, liniePunktiert); // only the feet's dotted pieces
    EXPECT_EQ(bild.seitensymmetralen.linien.size(), 3u);
    EXPECT_EQ(bild.schwerlinien.linien.size(), 3u);
    EXPECT_TRUE(bild.schwerlinien.name);

    // A vertex dropped onto another: AB has no length, so neither its bisector nor the foot on it.
    const TDreieckPunkte p = BerechneDreieckPunkte({20, 6}, {20, 6}, C0);
    EXPECT_FALSE(p.Fc || p.H);
    bild = SchnittpunktBild({20, 6}, {20, 6}, C0, Alle());
    ErwarteEndlich(bild);
    EXPECT_EQ(bild.seitensymmetralen.linien.size(), 2u);
    EXPECT_FALSE(bild.euler);

    // Almost flat: H and U lie thousands of units away; every segment is cut
    // short of them and their letters are left out, but the lines still run
    // through the drawing.
    ASSERT_GT(BerechneDreieckPunkte({-10, 0}, {10, 0}, {0, 0.01f}).H.value().y, 9000.0f);
    bild = SchnittpunktBild({-10, 0}, {10, 0}, {0, 0.01f}, Alle());
    ErwarteEndlich(bild);
    EXPECT_FALSE(bild.hoehen.name || bild.seitensymmetralen.name);
    EXPECT_EQ(bild.hoehen.linien.size(), 9u);
    ASSERT_TRUE(bild.euler);
    EXPECT_NEAR(bild.euler->von.x, 0.0f, 1e-3f); // the Euler line is the y axis
    EXPECT_NEAR(bild.euler->bis.x, 0.0f, 1e-3f);

    // Equilateral: H = S up to rounding gives the Euler line no direction;
    // everything else is drawn.
    const float h = 20.0f * std::sqrt(3.0f);
    bild = SchnittpunktBild({-20, -10}, {20, -10}, {0, h - 10}, Alle());
    ErwarteEndlich(bild);
    EXPECT_FALSE(bild.euler);
    EXPECT_TRUE(bild.hoehen.name && bild.seitensymmetralen.name && bild.schwerlinien.name);
    EXPECT_EQ(bild.hoehen.linien.size(), 9u);
}

TEST(Dreieck3Bild, ZiehenMitMindestabstand)
{
    // Far from both others the vertex goes to the pointer.
    TWeltPunkt a = A0;
    EXPECT_TRUE(ZieheEcke(a, {-10, -12}, B0, abstossenAB, C0, abstossen));
    ErwartePunkt(a, -10, -12, 0);

    // Closer than 4 to B: put back 4.2 from B on the ray through it, the pointer is ignored.
    a = {17, 6};
    EXPECT_FALSE(ZieheEcke(a, {19, 6}, B0, abstossenAB, C0, abstossen));
    ErwartePunkt(a, 15.8, 6, 1e-5);

    // Exactly on B (one fast move): the ray has no direction and points along +x.
    a = B0;
    EXPECT_FALSE(ZieheEcke(a, {0, 0}, B0, abstossenAB, C0, abstossen));
    ErwartePunkt(a, 24.2, 6, 1e-5);

    // Pushed from the first vertex into the second, then from that one.
    TWeltPunkt b{2, 0};
    EXPECT_FALSE(ZieheEcke(b, {0, 9}, {0, 0}, abstossen, {6, 0}, abstossen));
    ErwartePunkt(b, 1.9, 0, 1e-5); // 4.1 from (0, 0) is 1.9 from (6, 0): put back from there
}

// ---------------------------------------------------------------------------
// Mode "Thaleskreis", computed

TEST(Dreieck3Bild, ThalesWinkelUndTabelle)
{
    ErwartePunkt(ThalesStartC(), 12, 12 * std::sqrt(3.0), 1e-4);

    TThalesBild bild = ThalesBild(90, KreisPunkt(90, 24), KreisPunkt(90, 25.5f));
    ASSERT_TRUE(bild.mitWinkeln);
    ErwartePunkt(bild.C, 0, 24);
    EXPECT_FLOAT_EQ(bild.alpha, 45.0f);
    EXPECT_FLOAT_EQ(bild.beta, 45.0f);
    EXPECT_EQ(bild.tabelle[2].text, QStringLiteral("45,00°"));
    EXPECT_EQ(bild.tabelle[5].text, QStringLiteral("45,00°"));
    EXPECT_EQ(bild.tabelle[8].text, QStringLiteral("90,00°"));
    EXPECT_EQ(bild.tabelle.back().text, QStringLiteral("180,00°"));
    EXPECT_EQ(bild.tabelle[0].farbe, clRed);
    ErwartePunkt(bild.tabelle[5].links, 32, 22, 0);
    ErwartePunkt(bild.radiusMitte, 0, 12);
    EXPECT_FLOAT_EQ(bild.halbkreis.von, 0.0f);
    EXPECT_FLOAT_EQ(bild.halbkreis.bis, 180.0f);
    ASSERT_EQ(bild.boegen.size(), 5u); // two parts at C, marks at A, B, C
    EXPECT_FLOAT_EQ(bild.boegen[2].bis, 45.0f);  // at A from 0 to alpha
    EXPECT_FLOAT_EQ(bild.boegen[3].von, 135.0f); // at B from q to 180
    EXPECT_EQ(bild.linien.size(), 1u);           // only the table's rule

    // Below the diameter the angles are measured the other way round.
    bild = ThalesBild(300, KreisPunkt(300, 24), KreisPunkt(300, 25.5f));
    EXPECT_NEAR(bild.alpha, 30.0f, 1e-4f);
    EXPECT_NEAR(bild.beta, 60.0f, 1e-4f);
    EXPECT_FLOAT_EQ(bild.halbkreis.von, 180.0f);
    EXPECT_NEAR(bild.boegen[2].von, -30.0f, 1e-4f); // at A from -alpha to 360

    // On the diameter there is no triangle: no arcs, no table.
    for (int w : {0, 180, 360}) {
        bild = ThalesBild(w, KreisPunkt(w, 24), KreisPunkt(w, 25.5f));
        EXPECT_FALSE(bild.mitWinkeln);
        EXPECT_TRUE(bild.boegen.empty() && bild.tabelle.empty() && bild.linien.empty());
    }

    // Next to a vertex one part of the angle at C is too thin to draw, and the
    // side through that vertex is carried on both ways.
    const auto teileBeiC = [](int w) {
        const TThalesBild b = ThalesBild(w, KreisPunkt(w, 24), KreisPunkt(w, 25.5f));
        return std::count_if(b.boegen.begin(), b.boegen.end(), [](const TBogenStueck& s) { return s.r == 8.0f; });
    };
    for (int w : {1, 179, 181, 359})
        EXPECT_EQ(teileBeiC(w), 1) << w;
    EXPECT_EQ(teileBeiC(2), 2);
    bild = ThalesBild(5, KreisPunkt(5, 24), KreisPunkt(5, 25.5f));
    ASSERT_EQ(bild.linien.size(), 3u);
    ErwartePunkt(bild.linien[0].von, 24, 0, 0);
    EXPECT_NEAR(Abstand(bild.linien[0].von.x, bild.linien[0].von.y, bild.linien[0].bis.x, bild.linien[0].bis.y),
                8.0f, 1e-4f);
    bild = ThalesBild(170, KreisPunkt(170, 24), KreisPunkt(170, 25.5f));
    ErwartePunkt(bild.linien[0].von, -24, 0, 0);
    EXPECT_EQ(ThalesBild(195, KreisPunkt(195, 24), {}).linien.size(), 1u);

    EXPECT_EQ(TabellenWinkel(5.0f), QStringLiteral("05,00°"));
    EXPECT_EQ(TabellenWinkel(5.5f), QStringLiteral("05,50°"));
    EXPECT_EQ(TabellenWinkel(45.25f), QStringLiteral("45,25°"));
    EXPECT_EQ(TabellenWinkel(29.999998f), QStringLiteral("30,00°"));
}

// ---------------------------------------------------------------------------
// The window

namespace {

QPoint Pixel(TWeltPunkt p)
{
    SetzeWeltfenster(800, 540, weltDreieck3);
    int px = 0, py = 0;
    WeltZuPixel(p.x, p.y, px, py);
    return {px, py};
}

void Bewege(QWidget* box, QPoint p, Qt::MouseButtons knoepfe = Qt::NoButton)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(box->mapToGlobal(p)), Qt::NoButton, knoepfe,
                  Qt::NoModifier);
    QApplication::sendEvent(box, &e);
}

class Dreieck3 : public ::testing::Test {
protected:
    void SetUp() override
    {
        fenster.show();
        QApplication::processEvents();
    }
    void TearDown() override { fenster.close(); }

    void Druecke(QPoint p) { QTest::mousePress(fenster.pntGrafik, Qt::LeftButton, {}, p); }
    void Ziehe(QPoint p) { Bewege(fenster.pntGrafik, p, Qt::LeftButton); }
    void Loese(QPoint p) { QTest::mouseRelease(fenster.pntGrafik, Qt::LeftButton, {}, p); }
    void AlleAn()
    {
        for (QCheckBox* chk : {fenster.chkHA, fenster.chkHB, fenster.chkHC, fenster.chkSA, fenster.chkSB,
                               fenster.chkSC, fenster.chkWA, fenster.chkWB, fenster.chkWC, fenster.chkSWA,
                               fenster.chkSWB, fenster.chkSWC, fenster.chkEuler})
            chk->click();
    }
    int Pixel(TFarbe farbe) { return ZaehleFarbe(fenster.pntGrafik->Abbild(), farbe); }

    TfrmDreieck3 fenster;
};

} // namespace

TEST_F(Dreieck3, AufbauUndJedesOeffnenVonVorn)
{
    EXPECT_EQ(fenster.windowTitle(), QStringLiteral("Dynamische Geometrie"));
    EXPECT_EQ(fenster.grpH->title(), QStringLiteral("  Höhen "));
    EXPECT_EQ(fenster.menPunkte->text(), QStringLiteral("Schnittpunkte"));
    EXPECT_TRUE(fenster.lblUeb->text().isEmpty());
    EXPECT_FALSE(fenster.chkEuler->isEnabled());
    EXPECT_FALSE(fenster.grpWinkel->isVisible());
    EXPECT_EQ(fenster.pnlStatus->Caption(), QStringLiteral(
        "Ziehe die Eckpunkte des Dreiecks mit gedrückter linker Maustaste. Kleinster Abstand ca. 2 cm."));
    // The legends stand on the group's face, right of their boxes.
    const QImage legende = fenster.pntH->Abbild();
    EXPECT_GT(ZaehleFarbe(legende, clBlack, QRect(25, 0, 30, 40)), 0);
    EXPECT_EQ(ZaehleFarbe(legende, clWhite), 0);

    AlleAn();
    Druecke(::Pixel(A0));
    Ziehe(::Pixel({-10, -12}));
    fenster.menKreis->trigger();
    fenster.scrWinkel->setValue(200);
    Druecke(QPoint(100, 100)); // closed in the middle of a drag
    fenster.close();
    EXPECT_FALSE(CursorBegrenzt());

    fenster.show();
    QApplication::processEvents();
    EXPECT_EQ(fenster.art, 1);
    ErwartePunkt(fenster.A, -14, -16, 0);
    EXPECT_FALSE(fenster.ziehenC);
    EXPECT_FALSE(fenster.wahl.zeigeHa || fenster.wahl.zeigeEuler);
    EXPECT_FALSE(fenster.chkHA->isChecked() || fenster.chkEuler->isChecked());
    EXPECT_FALSE(fenster.chkEuler->isEnabled());
    EXPECT_TRUE(fenster.grpH->isVisible() && fenster.grpEuler->isVisible());
    EXPECT_FALSE(fenster.grpWinkel->isVisible());
    EXPECT_EQ(fenster.scrWinkel->value(), 60);
    EXPECT_EQ(fenster.lblWinkel->text(), QStringLiteral("60°"));
    EXPECT_EQ(Pixel(farbeViolett), 0);
    Loese(QPoint(100, 100));
}

TEST_F(Dreieck3, HandZeigerUndZiehenVonA)
{
    const QPoint a = ::Pixel(A0);
    // A legend painted last leaves its own world window behind; the pointer is
    // still measured in the drawing's.
    fenster.pntSW->Abbild();
    Bewege(fenster.pntGrafik, a + QPoint(0, 3));
    EXPECT_TRUE(fenster.ueberA);
    EXPECT_EQ(BildschirmCursor(), crHandPoint);
    Bewege(fenster.pntGrafik, a + QPoint(4, 0));
    EXPECT_FALSE(fenster.ueberA);
    EXPECT_EQ(BildschirmCursor(), crDefault);

    Druecke(a);
    EXPECT_TRUE(fenster.ziehenA);
    ASSERT_TRUE(CursorBegrenzt());
    EXPECT_EQ(CursorBereich(), QRect(fenster.pntGrafik->mapToGlobal(QPoint(40, 28)), QSize(730, 480)));
    Ziehe(::Pixel({-10, -12}));
    ErwartePunkt(fenster.A, -10, -12, 1e-5);
    // Beyond the confinement the vertex stops at its edge.
    Ziehe(QPoint(5, 535));
    ErwartePunkt(fenster.A, -36, -23.7, 1e-5);
    Loese(QPoint(5, 535));
    EXPECT_FALSE(fenster.ziehenA);
    EXPECT_FALSE(CursorBegrenzt());
    EXPECT_EQ(BildschirmCursor(), crDefault);

    // Pressing away from the vertices confines the pointer but drags nothing.
    Druecke(QPoint(400, 500));
    EXPECT_TRUE(CursorBegrenzt());
    Ziehe(QPoint(420, 480));
    ErwartePunkt(fenster.B, 20, 6, 0);
    Loese(QPoint(420, 480));
}

TEST_F(Dreieck3, MindestabstandBeendetDasZiehen)
{
    fenster.chkHA->click();
    fenster.chkHB->click();
    // One fast move drops A exactly onto B; that frame shows no height and no "H".
    Druecke(::Pixel(A0));
    Ziehe(::Pixel(B0));
    ErwartePunkt(fenster.A, 20, 6, 0);
    EXPECT_EQ(Pixel(farbeViolett), 0);
    // The next move puts A 4.2 from B and ends the drag: the figure is back.
    Ziehe(::Pixel({0, 0}));
    ErwartePunkt(fenster.A, 24.2f, 6, 1e-5);
    EXPECT_FALSE(fenster.ziehenA);
    EXPECT_GT(Pixel(farbeViolett), 0);
    Ziehe(::Pixel({-20, -20}));
    ErwartePunkt(fenster.A, 24.2f, 6, 1e-5);
    Loese(::Pixel({-20, -20}));
}

TEST_F(Dreieck3, KontrollkaestchenRegeln)
{
    // The letter "H" in violet on H once two heights are shown.
    const QRect umH(::Pixel({28.0f / 131, 1362.0f / 131}) - QPoint(10, 10), QSize(21, 21));
    const auto violettBeiH = [&] { return ZaehleFarbe(fenster.pntGrafik->Abbild(), farbeViolett, umH); };
    fenster.chkHA->click();
    const int eineHoehe = violettBeiH();
    fenster.chkHB->click();
    EXPECT_TRUE(fenster.wahl.zeigeHa && fenster.wahl.zeigeHb);
    EXPECT_GT(violettBeiH(), eineHoehe + 40);
    fenster.chkHB->click();
    EXPECT_EQ(violettBeiH(), eineHoehe);
    fenster.chkHB->click();

    for (QCheckBox* chk : {fenster.chkSA, fenster.chkSB, fenster.chkSWA})
        chk->click();
    EXPECT_FALSE(fenster.chkEuler->isEnabled());
    fenster.chkSWC->click();
    ASSERT_TRUE(fenster.chkEuler->isEnabled());
    fenster.chkEuler->click();
    EXPECT_TRUE(fenster.wahl.zeigeEuler);
    EXPECT_GT(Pixel(clRed), 200);

    // The angle bisectors leave "einschalten" alone.
    fenster.chkWA->click();
    fenster.chkWB->click();
    EXPECT_TRUE(fenster.chkEuler->isChecked());

    // One of the six off: "einschalten" unticked and disabled, the Euler line gone.
    fenster.chkSB->click();
    EXPECT_FALSE(fenster.chkEuler->isChecked());
    EXPECT_FALSE(fenster.chkEuler->isEnabled());
    EXPECT_FALSE(fenster.wahl.zeigeEuler);
    EXPECT_EQ(Pixel(clRed), 0);
}

TEST_F(Dreieck3, EntarteteZuegeOhneStreuLinien)
{
    AlleAn();
    // C dragged onto the line AB: (3, -5) lies on it exactly.
    Druecke(::Pixel(C0));
    Ziehe(::Pixel({-2, 8}));
    Ziehe(::Pixel({3, -5}));
    ErwartePunkt(fenster.C, 3, -5, 0);
    QImage bild = fenster.pntGrafik->Abbild();
    EXPECT_EQ(ZaehleFarbe(bild, farbeViolett), 0); // no height through an H that does not exist
    EXPECT_EQ(ZaehleFarbe(bild, farbeOliv), 0);
    EXPECT_EQ(ZaehleFarbe(bild, clRed), 0);
    EXPECT_GT(ZaehleFarbe(bild, farbeMagenta), 0);
    EXPECT_GT(ZaehleFarbe(bild, farbeBraun), 0);
    // Off the line again, everything is back.
    Ziehe(::Pixel({3, -1}));
    Loese(::Pixel({3, -1}));
    bild = fenster.pntGrafik->Abbild();
    EXPECT_GT(ZaehleFarbe(bild, farbeViolett), 0);
    EXPECT_GT(ZaehleFarbe(bild, farbeOliv), 0);
    EXPECT_GT(ZaehleFarbe(bild, clRed), 0);
}

TEST_F(Dreieck3, ThaleskreisMitLeisteUndZiehen)
{
    fenster.menKreis->trigger();
    EXPECT_EQ(fenster.art, 2);
    EXPECT_FALSE(fenster.grpH->isVisible() || fenster.grpEuler->isVisible());
    ASSERT_TRUE(fenster.grpWinkel->isVisible());
    EXPECT_EQ(fenster.grpWinkel->geometry(), QRect(824, 82, 184, 75));
    EXPECT_EQ(fenster.grpWinkel->title(), QStringLiteral(" Winkel BMC (0–360) "));
    EXPECT_EQ(fenster.pnlStatus->Caption(), QStringLiteral(
        "Ziehe die Ecke C des Dreiecks mit gedrückter linker Maustaste oder verwende die Bildlaufleiste."));
    ErwartePunkt(fenster.thalesC, 12, 12 * std::sqrt(3.0), 1e-4);

    fenster.scrWinkel->setValue(90);
    ErwartePunkt(fenster.thalesC, 0, 24);
    EXPECT_EQ(fenster.lblWinkel->text(), QStringLiteral("90°"));
    QImage bild = fenster.pntGrafik->Abbild();
    EXPECT_GT(ZaehleFarbe(bild, clRed), 0);
    EXPECT_GT(ZaehleFarbe(bild, farbeLila), 0);
    // The half circle on C's side is solid, the circle dotted.
    const QRect bei135(::Pixel(KreisPunkt(135, 24)) - QPoint(3, 3), QSize(7, 7));
    EXPECT_GT(ZaehleFarbe(bild, clBlack, bei135), 8);
    for (int w : {0, 180, 360}) {
        fenster.scrWinkel->setValue(w);
        bild = fenster.pntGrafik->Abbild();
        EXPECT_LT(ZaehleFarbe(bild, clBlack, bei135), 6) << w;
        for (TFarbe f : {clRed, clBlue, farbeOliv, farbeLila})
            EXPECT_EQ(ZaehleFarbe(bild, f), 0) << w;
        EXPECT_EQ(ZaehleNichtWeiss(bild, QRect(670, 20, 130, 130)), 0) << w; // no table
    }
    // Without a step control in the window Page Down pages the scroll bar.
    fenster.scrWinkel->setFocus();
    QTest::keyClick(fenster.scrWinkel, Qt::Key_PageDown);
    EXPECT_EQ(fenster.winkelBMC, 350);
    QTest::keyClick(fenster.scrWinkel, Qt::Key_Right);
    EXPECT_EQ(fenster.winkelBMC, 351);

    // Pressing anywhere and moving turns C to the pointer's direction in whole degrees.
    Druecke(QPoint(100, 100));
    EXPECT_TRUE(fenster.ziehenC);
    EXPECT_EQ(CursorBereich(), QRect(fenster.pntGrafik->mapToGlobal(QPoint(10, 8)), QSize(780, 520)));
    Ziehe(::Pixel({-10, 10.3f}));
    const int w = int(std::lround(Richtungswinkel(-10, 10.3f)));
    EXPECT_EQ(w, 134);
    EXPECT_EQ(fenster.winkelBMC, w);
    EXPECT_EQ(fenster.scrWinkel->value(), w);
    EXPECT_EQ(fenster.lblWinkel->text(), QStringLiteral("134°"));
    ErwartePunkt(fenster.thalesC, KreisPunkt(w, 24).x, KreisPunkt(w, 24).y, 0);
    Loese(::Pixel({-10, 10.3f}));
    EXPECT_FALSE(CursorBegrenzt());

    // Back to the vertices: the start triangle, the groups, the boxes as they were.
    fenster.menPunkte->trigger();
    EXPECT_TRUE(fenster.grpH->isVisible());
    EXPECT_FALSE(fenster.grpWinkel->isVisible());
    ErwartePunkt(fenster.C, -6, 20, 0);
}
