// The angle-pairs window: the angle of the slanted segment and its panels,
// dragging its ends within their bands, the two modes with their variants and
// steps, a fresh start at every opening, and the drawings as pictures.
#include "lessons/Winkel3U.h"

#include "TestHilfen.h"
#include "app/Plattform.h"
#include "draw/Primitive.h"
#include "draw/KoordU.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cmath>

using namespace testhilfen;

namespace {

QPoint Pixel(float x, float y)
{
    SetzeWeltfenster(0, 480, 0, 480, -10.0f, 10.0f, -10.0f, 10.0f);
    int px = 0, py = 0;
    WeltZuPixel(x, y, px, py);
    return {px, py};
}

// The middle of an angle mark about (cx, cy) from `von` to `bis` degrees.
QPoint BogenMitte(float cx, float cy, float von, float bis)
{
    const float m = (von + bis) / 2.0f * float(M_PI) / 180.0f;
    return Pixel(cx + 1.5f * std::cos(m), cy + 1.5f * std::sin(m));
}

bool HatBogen(const QImage& bild, float cx, float cy, float von, float bis, TFarbe farbe)
{
    const QPoint p = BogenMitte(cx, cy, von, bis);
    return FarbeNahe(bild, p.x(), p.y(), farbe, 2);
}

void Bewege(QWidget* box, QPoint p)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(box->mapToGlobal(p)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(box, &e);
}

void Ziehe(QWidget* box, QPoint von, QPoint bis)
{
    QTest::mousePress(box, Qt::LeftButton, {}, von);
    QTest::mouseMove(box, (von + bis) / 2);
    QTest::mouseMove(box, bis);
    QTest::mouseRelease(box, Qt::LeftButton, {}, bis);
}

// The start segment from (-7, -7) to (5, 7).
const float alpha = float(std::acos(12.0 / std::sqrt(340.0)) * 180.0 / M_PI);
constexpr float sX = -1.0f;                 // crossing with y = 0
constexpr float s1X = -7.0f + 12.0f * 10 / 14; // with y = 3
constexpr float s2X = -7.0f + 12.0f * 4 / 14;  // with y = -3

class Winkel3 : public ::testing::Test {
protected:
    void SetUp() override
    {
        fenster.show();
        QApplication::processEvents();
    }
    void TearDown() override { fenster.close(); }

    void Schritt(TUpDown* ud, int n)
    {
        for (int i = 0; i < n; ++i)
            QTest::mouseClick(ud->PfeilRechts(), Qt::LeftButton);
    }
    int PanelPixel(TPanel* panel, TFarbe farbe)
    {
        return ZaehleFarbe(panel->grab().toImage(), farbe);
    }

    TfrmWinkel3 fenster;
};

} // namespace

TEST_F(Winkel3, StartStreckeUndIhreWinkel)
{
    EXPECT_NEAR(fenster.kreuzung1.alpha, alpha, 1e-4);

    const QImage links = fenster.pntGrafik1->Abbild();
    const QImage rechts = fenster.pntGrafik2->Abbild();
    EXPECT_EQ(fenster.pnlLW1->Caption(), QStringLiteral("49,40°"));
    EXPECT_EQ(fenster.pnlLW2->Caption(), QStringLiteral("49,40°"));
    EXPECT_EQ(fenster.pnlRW1->Caption(), QStringLiteral("49,40°"));
    EXPECT_EQ(fenster.pnlRW2->Caption(), QStringLiteral("130,60°"));
    EXPECT_GT(PanelPixel(fenster.pnlLW1, farbeBraun), 0);
    EXPECT_GT(PanelPixel(fenster.pnlLW2, clGreen), 0);
    EXPECT_GT(PanelPixel(fenster.pnlRW2, clGreen), 0);

    // Vertical angles on the left, adjacent angles on the right.
    EXPECT_TRUE(HatBogen(links, sX, 0, 0, alpha, farbeBraun));
    EXPECT_TRUE(HatBogen(links, sX, 0, 180, 180 + alpha, clGreen));
    EXPECT_FALSE(HatBogen(links, sX, 0, alpha, 180, clGreen));
    EXPECT_TRUE(HatBogen(rechts, sX, 0, 0, alpha, farbeBraun));
    EXPECT_TRUE(HatBogen(rechts, sX, 0, alpha, 180, clGreen));
    EXPECT_FALSE(HatBogen(rechts, sX, 0, 180, 180 + alpha, clGreen));
}

TEST_F(Winkel3, ZweiteVariante)
{
    QTest::mouseClick(fenster.grpV1->Knopf(1), Qt::LeftButton);
    QTest::mouseClick(fenster.grpV2->Knopf(1), Qt::LeftButton);
    EXPECT_EQ(fenster.variante1, 2);
    EXPECT_EQ(fenster.variante2, 2);
    const QImage links = fenster.pntGrafik1->Abbild();
    const QImage rechts = fenster.pntGrafik2->Abbild();
    EXPECT_EQ(fenster.pnlLW1->Caption(), QStringLiteral("130,60°"));
    EXPECT_EQ(fenster.pnlRW1->Caption(), QStringLiteral("49,40°"));
    EXPECT_GT(PanelPixel(fenster.pnlLW1, farbeOrange), 0);
    EXPECT_TRUE(HatBogen(links, sX, 0, alpha, 180, farbeOrange));
    EXPECT_TRUE(HatBogen(links, sX, 0, 180 + alpha, 360, farbeHimmelblau));
    EXPECT_TRUE(HatBogen(rechts, sX, 0, 180, 180 + alpha, farbeOrange));
    EXPECT_TRUE(HatBogen(rechts, sX, 0, 180 + alpha, 360, farbeHimmelblau));
    EXPECT_FALSE(HatBogen(rechts, sX, 0, 0, alpha, farbeOrange));
}

TEST_F(Winkel3, SenkrechteStreckeGibtUeberall90Grad)
{
    Ziehe(fenster.pntGrafik1, Pixel(5, 7), Pixel(-7, 7));
    Ziehe(fenster.pntGrafik2, Pixel(5, 7), Pixel(-7, 7));
    EXPECT_EQ(fenster.P2X, -7.0f);
    EXPECT_EQ(fenster.Q2Y, 7.0f);
    EXPECT_EQ(fenster.kreuzung1.alpha, 90.0f);
    const QImage links = fenster.pntGrafik1->Abbild();
    const QImage rechts = fenster.pntGrafik2->Abbild();
    for (TPanel* p : {fenster.pnlLW1, fenster.pnlLW2, fenster.pnlRW1, fenster.pnlRW2})
        EXPECT_EQ(p->Caption(), QStringLiteral("90,00°"));
    // Quarter circles about S = (-7, 0).
    EXPECT_TRUE(HatBogen(links, -7, 0, 0, 90, farbeBraun));
    EXPECT_TRUE(HatBogen(links, -7, 0, 180, 270, clGreen));
    EXPECT_TRUE(HatBogen(rechts, -7, 0, 90, 180, clGreen));
    const QPoint vorbei = Pixel(-7.0f + 1.5f * std::cos(1.75f), 1.5f * std::sin(1.75f)); // at about 100°
    EXPECT_FALSE(FarbeNahe(rechts, vorbei.x(), vorbei.y(), farbeBraun, 1));
}

TEST_F(Winkel3, ZiehenNurAnDenEndenUndInIhremBand)
{
    // Pressing away from both ends starts nothing.
    QTest::mousePress(fenster.pntGrafik1, Qt::LeftButton, {}, Pixel(0, 5));
    EXPECT_FALSE(fenster.ziehen1 || fenster.ziehen2);
    EXPECT_FALSE(CursorBegrenzt());
    QTest::mouseRelease(fenster.pntGrafik1, Qt::LeftButton, {}, Pixel(0, 5));
    EXPECT_EQ(fenster.P2X, 5.0f);

    // The upper end stays in its band above the line.
    QTest::mousePress(fenster.pntGrafik1, Qt::LeftButton, {}, Pixel(5, 7));
    EXPECT_TRUE(fenster.ziehen2);
    ASSERT_TRUE(CursorBegrenzt());
    EXPECT_EQ(CursorBereich(), QRect(fenster.pntGrafik1->mapToGlobal(QPoint(45, 10)), QSize(395, 190)));
    QTest::mouseMove(fenster.pntGrafik1, QPoint(470, 400));
    EXPECT_NEAR(fenster.P2X, 8.29f, 0.01f);
    EXPECT_NEAR(fenster.P2Y, 1.71f, 0.01f);
    QTest::mouseRelease(fenster.pntGrafik1, Qt::LeftButton, {}, QPoint(470, 400));
    EXPECT_FALSE(fenster.ziehen2);
    EXPECT_FALSE(CursorBegrenzt());

    // In mode 2 the lower end of the right segment stays below the lower parallel.
    fenster.menArt2->trigger();
    QTest::mousePress(fenster.pntGrafik2, Qt::LeftButton, {}, Pixel(-7, -7));
    EXPECT_TRUE(fenster.ziehen1);
    EXPECT_EQ(CursorBereich(), QRect(fenster.pntGrafik2->mapToGlobal(QPoint(45, 355)), QSize(395, 105)));
    QTest::mouseMove(fenster.pntGrafik2, QPoint(10, 240));
    EXPECT_NEAR(fenster.Q1X, -8.125f, 0.01f);
    EXPECT_LT(fenster.Q1Y, -4.7f);
    QTest::mouseRelease(fenster.pntGrafik2, Qt::LeftButton, {}, QPoint(10, 240));
    EXPECT_EQ(fenster.P1X, -7.0f); // the left drawing is untouched
}

TEST_F(Winkel3, HandZeigerNurNahAmEnde)
{
    const QPoint unten = Pixel(-7, -7);
    Bewege(fenster.pntGrafik2, unten + QPoint(4, 0));
    EXPECT_TRUE(fenster.nahe1);
    EXPECT_EQ(BildschirmCursor(), crHandPoint);
    Bewege(fenster.pntGrafik2, unten + QPoint(6, 0));
    EXPECT_FALSE(fenster.nahe1);
    EXPECT_EQ(BildschirmCursor(), crDefault);
    Bewege(fenster.pntGrafik2, Pixel(5, 7) + QPoint(0, -3));
    EXPECT_TRUE(fenster.nahe2);
    EXPECT_EQ(BildschirmCursor(), crHandPoint);
    Bewege(fenster.pntGrafik2, Pixel(0, 0));
    EXPECT_EQ(BildschirmCursor(), crDefault);
    // Leaving the drawing straight from the end takes the hand away too.
    Bewege(fenster.pntGrafik2, unten + QPoint(4, 0));
    QEvent verlassen(QEvent::Leave);
    QApplication::sendEvent(fenster.pntGrafik2, &verlassen);
    EXPECT_EQ(BildschirmCursor(), crDefault);
}

TEST_F(Winkel3, ModusZweiLinksSchrittweiseDazu)
{
    fenster.menArt2->trigger();
    EXPECT_EQ(fenster.modus, 2);
    EXPECT_TRUE(fenster.grpSchritt1->isVisible());
    EXPECT_TRUE(fenster.grpSchritt2->isVisible());
    EXPECT_FALSE(fenster.pnlLW2->isVisible());
    EXPECT_EQ(fenster.lblUeb1->text(), QStringLiteral("Gleich große Winkel"));

    QImage bild = fenster.pntGrafik1->Abbild();
    EXPECT_TRUE(HatBogen(bild, s1X, 3, 0, alpha, farbeBraun));
    EXPECT_FALSE(HatBogen(bild, s1X, 3, 180, 180 + alpha, clGreen));
    EXPECT_EQ(fenster.pnlLW1->Caption(), QStringLiteral("49,40°"));

    Schritt(fenster.UpDown1, 1);
    EXPECT_TRUE(fenster.pnlLW2->isVisible());
    EXPECT_EQ(fenster.lblUeb1->text(), QStringLiteral("Scheitelwinkel sind immer gleich große Winkel"));
    EXPECT_EQ(fenster.lblSchritte1->text(), QStringLiteral("1"));

    Schritt(fenster.UpDown1, 2);
    EXPECT_EQ(fenster.Schritt1, 3);
    bild = fenster.pntGrafik1->Abbild();
    EXPECT_TRUE(HatBogen(bild, s1X, 3, 0, alpha, farbeBraun));
    EXPECT_TRUE(HatBogen(bild, s1X, 3, 180, 180 + alpha, clGreen));
    EXPECT_TRUE(HatBogen(bild, s2X, -3, 0, alpha, farbeBraun));
    EXPECT_TRUE(HatBogen(bild, s2X, -3, 180, 180 + alpha, clGreen));

    Schritt(fenster.UpDown1, 1); // already at the last step
    EXPECT_EQ(fenster.Schritt1, 3);

    QTest::mouseClick(fenster.UpDown1->PfeilLinks(), Qt::LeftButton);
    bild = fenster.pntGrafik1->Abbild();
    EXPECT_TRUE(HatBogen(bild, s2X, -3, 0, alpha, farbeBraun));
    EXPECT_FALSE(HatBogen(bild, s2X, -3, 180, 180 + alpha, clGreen));
}

TEST_F(Winkel3, ModusZweiRechtsErsetztUndFasstZusammen)
{
    fenster.menArt2->trigger();
    QImage bild = fenster.pntGrafik2->Abbild();
    EXPECT_TRUE(HatBogen(bild, s1X, 3, 0, alpha, farbeBraun));
    EXPECT_TRUE(HatBogen(bild, s1X, 3, alpha, 180, clGreen));
    EXPECT_FALSE(HatBogen(bild, s2X, -3, 0, alpha, farbeBraun));

    Schritt(fenster.UpDown2, 1);
    EXPECT_EQ(fenster.lblUeb2->text(), QStringLiteral("Nebenwinkel ergänzen einander auf 180° (supplementär)"));
    bild = fenster.pntGrafik2->Abbild();
    EXPECT_TRUE(HatBogen(bild, s2X, -3, 0, alpha, farbeBraun));
    EXPECT_TRUE(HatBogen(bild, s2X, -3, alpha, 180, clGreen));

    // Step 2 replaces the pair of step 0.
    Schritt(fenster.UpDown2, 1);
    bild = fenster.pntGrafik2->Abbild();
    EXPECT_FALSE(HatBogen(bild, s1X, 3, 0, alpha, farbeBraun));
    EXPECT_TRUE(HatBogen(bild, s1X, 3, alpha, 180, clGreen));
    EXPECT_TRUE(HatBogen(bild, s1X, 3, 180, 180 + alpha, farbeBraun));
    EXPECT_FALSE(HatBogen(bild, s2X, -3, alpha, 180, clGreen));

    // Step 4 shows both pairs at both crossings, in either variant.
    Schritt(fenster.UpDown2, 2);
    EXPECT_EQ(fenster.Schritt2, 4);
    bild = fenster.pntGrafik2->Abbild();
    for (float cx : {s1X, s2X}) {
        const float cy = cx == s1X ? 3.0f : -3.0f;
        EXPECT_TRUE(HatBogen(bild, cx, cy, 0, alpha, farbeBraun));
        EXPECT_TRUE(HatBogen(bild, cx, cy, alpha, 180, clGreen));
        EXPECT_TRUE(HatBogen(bild, cx, cy, 180, 180 + alpha, farbeBraun));
        EXPECT_EQ(ZaehleNichtWeiss(bild, QRect(BogenMitte(cx, cy, 180 + alpha, 360) - QPoint(2, 2), QSize(5, 5))), 0);
    }
    QTest::mouseClick(fenster.grpV2->Knopf(1), Qt::LeftButton);
    bild = fenster.pntGrafik2->Abbild();
    for (float cx : {s1X, s2X}) {
        const float cy = cx == s1X ? 3.0f : -3.0f;
        EXPECT_TRUE(HatBogen(bild, cx, cy, 180, 180 + alpha, farbeOrange));
        EXPECT_TRUE(HatBogen(bild, cx, cy, 180 + alpha, 360, farbeHimmelblau));
        EXPECT_TRUE(HatBogen(bild, cx, cy, 0, alpha, farbeOrange));
        EXPECT_EQ(ZaehleNichtWeiss(bild, QRect(BogenMitte(cx, cy, alpha, 180) - QPoint(2, 2), QSize(5, 5))), 0);
    }
    EXPECT_EQ(fenster.pnlRW1->Caption(), QStringLiteral("49,40°"));
    EXPECT_EQ(fenster.pnlRW2->Caption(), QStringLiteral("130,60°"));
}

TEST_F(Winkel3, SchrittTastenUndModuswechsel)
{
    fenster.menArt2->trigger();
    fenster.UpDown2->setFocus();
    QTest::keyClick(fenster.UpDown2, Qt::Key_Right);
    QTest::keyClick(fenster.UpDown2, Qt::Key_Right);
    EXPECT_EQ(fenster.Schritt2, 2);
    EXPECT_EQ(fenster.lblSchritte2->text(), QStringLiteral("2"));
    Ziehe(fenster.pntGrafik1, Pixel(5, 7), Pixel(2, 8));

    // Choosing a mode starts it afresh.
    fenster.menArt1->trigger();
    EXPECT_EQ(fenster.modus, 1);
    EXPECT_EQ(fenster.Schritt2, 0);
    EXPECT_EQ(fenster.UpDown2->Position(), 0);
    EXPECT_EQ(fenster.lblSchritte2->text(), QStringLiteral("0"));
    EXPECT_FALSE(fenster.grpSchritt1->isVisible());
    EXPECT_TRUE(fenster.pnlLW2->isVisible());
    EXPECT_EQ(fenster.lblUeb1->text(), QStringLiteral("Scheitelwinkel"));
    EXPECT_EQ(fenster.P2X, 5.0f);
    EXPECT_EQ(fenster.P2Y, 7.0f);
}

TEST_F(Winkel3, JedesOeffnenBeginntVonVorn)
{
    fenster.menArt2->trigger();
    QTest::mouseClick(fenster.grpV1->Knopf(1), Qt::LeftButton);
    Schritt(fenster.UpDown1, 2);
    Schritt(fenster.UpDown2, 3);
    Ziehe(fenster.pntGrafik2, Pixel(5, 7), Pixel(3, 8));
    QTest::mousePress(fenster.pntGrafik1, Qt::LeftButton, {}, Pixel(-7, -7)); // closed mid-drag
    fenster.close();
    EXPECT_FALSE(CursorBegrenzt());

    fenster.show();
    QApplication::processEvents();
    EXPECT_EQ(fenster.modus, 1);
    EXPECT_EQ(fenster.grpV1->ItemIndex(), 0);
    EXPECT_EQ(fenster.UpDown1->Position(), 0);
    EXPECT_EQ(fenster.UpDown2->Position(), 0);
    EXPECT_EQ(fenster.lblSchritte2->text(), QStringLiteral("0"));
    EXPECT_FALSE(fenster.grpSchritt1->isVisible());
    EXPECT_FALSE(fenster.grpSchritt2->isVisible());
    EXPECT_TRUE(fenster.pnlLW2->isVisible());
    EXPECT_FALSE(fenster.ziehen1 || fenster.ziehen2);
    EXPECT_EQ(fenster.Q2X, 5.0f);
    EXPECT_EQ(fenster.lblUeb1->text(), QStringLiteral("Scheitelwinkel sind immer gleich groß"));
    EXPECT_EQ(fenster.pnlLW1->Caption(), QStringLiteral("49,40°"));
    EXPECT_EQ(fenster.pnlRW2->Caption(), QStringLiteral("130,60°"));
    QTest::mouseRelease(fenster.pntGrafik1, Qt::LeftButton, {}, Pixel(-7, -7));
}

TEST(Winkel3Geometrie, WaagrechteStreckeBehaeltDenSchnittpunkt)
{
    TKreuzung k;
    BerechneKreuzung(-7, -7, 5, 7, 0, k);
    EXPECT_NEAR(k.sX, -1.0f, 1e-5);
    BerechneKreuzung(-7, 2, 5, 2, 0, k);
    EXPECT_NEAR(k.sX, -1.0f, 1e-5);
    EXPECT_EQ(k.alpha, 0.0f);
    EXPECT_EQ(k.beta, 180.0f);
}

namespace {

// A drawing's picture painted as its paint box paints it.
QImage Gemalt(const TBild& bild) { return testhilfen::Gemalt(bild, 480, 480, {-10.0f, 10.0f, -10.0f, 10.0f}); }

} // namespace

TEST(Winkel3Bild, GeradenStreckeNamenUndBoegen)
{
    using namespace bild;
    TKreuzung k;
    BerechneKreuzung(-7, -7, 5, 7, 0, k);
    const float a = k.alpha, a180 = float(180.0L + a);
    const auto linie = [](TWeltPunkt p, TWeltPunkt q) { return TStrecke{p, q, 2, clBlack, linieVoll}; };
    const auto name = [](const char* text, float x, float y) {
        return TText{TTextArt::Zentriert, std::string(text), {x + 0.4f, y - 0.4f}, clBlack, 12, true};
    };
    const auto bogen = [](float x, float y, float von, float bis, TFarbe farbe) {
        return TBogen{{x, y}, 1.5f, von, bis, 3, farbe};
    };
    const TStrecke strecke = linie({-7, -7}, {5, 7});

    TBild scheitel; // mode 1, left, variant 1
    scheitel << linie({-10, 0}, {10, 0}) << strecke << name("S", k.sX, k.sY)
             << bogen(k.sX, k.sY, 0, a, farbeBraun) << bogen(k.sX, k.sY, 180, a180, clGreen);
    TBild parallelen; // mode 2, right, variant 2, step 1: one pair at each crossing
    parallelen << linie({-10, 3}, {10, 3}) << linie({-10, -3}, {10, -3}) << strecke << name("S!1", k.s1X, k.s1Y)
               << name("S!2", k.s2X, k.s2Y) << bogen(k.s1X, 3, 180, a180, farbeOrange)
               << bogen(k.s1X, 3, a180, 360, farbeHimmelblau) << bogen(k.s2X, -3, 180, a180, farbeOrange)
               << bogen(k.s2X, -3, a180, 360, farbeHimmelblau);

    EXPECT_EQ(ErsterUnterschied(scheitel, Winkel3Bild(1, {-7, -7}, {5, 7}, 0, k, LinkeMarken(1, 1, 0, k))), "");
    EXPECT_EQ(ErsterUnterschied(parallelen, Winkel3Bild(2, {-7, -7}, {5, 7}, 0, k, RechteMarken(2, 2, 1, k))), "");
}

TEST_F(Winkel3, ZeichnungenZeigenIhrBildUndLassenDiePanelsInRuhe)
{
    fenster.menArt2->trigger();
    Schritt(fenster.UpDown1, 2);
    Schritt(fenster.UpDown2, 3);
    Ziehe(fenster.pntGrafik1, Pixel(5, 7), Pixel(2, 8));
    Ziehe(fenster.pntGrafik2, Pixel(-7, -7), Pixel(-3, -6));
    const TfrmWinkel3& f = fenster;
    const TBild links = Winkel3Bild(2, {f.P1X, f.P1Y}, {f.P2X, f.P2Y}, 0, f.kreuzung1,
                                    LinkeMarken(2, 1, 2, f.kreuzung1));
    const TBild rechts = Winkel3Bild(2, {f.Q1X, f.Q1Y}, {f.Q2X, f.Q2Y}, 0, f.kreuzung2,
                                     RechteMarken(2, 1, 3, f.kreuzung2));
    EXPECT_EQ(GroessteAbweichung(fenster.pntGrafik1->Abbild(), Gemalt(links)), 0);
    EXPECT_EQ(GroessteAbweichung(fenster.pntGrafik2->Abbild(), Gemalt(rechts)), 0);

    // Painting only draws: the panels were set by the handlers.
    fenster.pnlLW1->SetzeCaption(QStringLiteral("x"));
    fenster.pntGrafik1->repaint();
    EXPECT_EQ(fenster.pnlLW1->Caption(), QStringLiteral("x"));
}
