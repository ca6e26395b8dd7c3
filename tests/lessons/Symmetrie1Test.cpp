// "Spiegeln": the real window on the offscreen platform, driven by mouse clicks
// on its drawing and its controls; the drawing is checked pixel by pixel, and
// as the picture computed for a few states.
#include "lessons/Symmetrie1U.h"

#include "TestHilfen.h"
#include "app/Plattform.h"
#include "app/Steuerelemente.h"
#include "draw/Primitive.h"
#include "draw/KoordU.h"

#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

using testhilfen::FarbeNahe;
using testhilfen::ZaehleFarbe;

namespace {

const QString textAusserhalb = QStringLiteral("Der Punkt liegt nicht innerhab der Markierung!");
const QString textKeinPunkt = QStringLiteral("Kein weiterer Punkt möglich!");

constexpr unsigned rot = 0xFF0000, schwarz = 0x000000;
constexpr unsigned violett = 0x6633FF, oliv = 0x669933; // linienFarbe1, linienFarbe2

// Pixel of a world point (x -20..20, y -10..10 on 1000 x 480).
QPoint Pixel(float x, float y)
{
    SetzeWeltfenster(0, 1000, 0, 480, -20, 20, -10, 10);
    int px = 0, py = 0;
    WeltZuPixel(x, y, px, py);
    return {px, py};
}

class Symmetrie1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetzeMeldungsHaken([this](const QString& text) { meldungen << text; });
        w = std::make_unique<TfrmSymmetrie1>();
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        const auto zeichne = w->pntGrafik->OnPaint;
        w->pntGrafik->OnPaint = [this, zeichne] { ++neuGezeichnet; zeichne(); };
    }
    void TearDown() override
    {
        w.reset();
        SetzeMeldungsHaken({});
    }

    void Klick(float x, float y) { KlickPixel(Pixel(x, y)); }
    void KlickPixel(QPoint p) { QTest::mouseClick(w->pntGrafik, Qt::LeftButton, {}, p); }
    // At most a few arrow clicks: a step control that does not move must not hang the test.
    void GeheZu(int schritt)
    {
        for (int i = 0; i < 8 && w->UpDown->Position() != schritt; ++i)
            QTest::mouseClick(w->UpDown->Position() < schritt ? w->UpDown->PfeilRechts() : w->UpDown->PfeilLinks(),
                              Qt::LeftButton);
        EXPECT_EQ(w->UpDown->Position(), schritt);
    }
    void WaehleAnzahl(int punkte) { QTest::mouseClick(w->grpAnzahl->Knopf(punkte - 2), Qt::LeftButton); }
    bool Nahe(float x, float y, unsigned farbe, int radius = 1)
    {
        const QImage bild = w->pntGrafik->Abbild();
        const QPoint p = Pixel(x, y);
        return FarbeNahe(bild, p.x(), p.y(), farbe, radius);
    }
    // Two points left of the axis, one right of it, one closer to it than a unit.
    void MarkiereVierPunkte()
    {
        WaehleAnzahl(4);
        for (const QPointF p : {QPointF(-8, 4), QPointF(-4, -5), QPointF(6, -2), QPointF(0.52, 6)})
            Klick(float(p.x()), float(p.y()));
    }

    std::unique_ptr<TfrmSymmetrie1> w;
    QStringList meldungen;
    int neuGezeichnet = 0;
};

} // namespace

TEST_F(Symmetrie1Test, RahmenlinieIstAussenUndMeldungenAendernNichts)
{
    QImage bild = w->pntGrafik->Abbild();
    // The dotted frame; the outline leaves out the last column, as the window system's does.
    EXPECT_GT(ZaehleFarbe(bild, rot, QRect(25, 24, 1, 432)), 100);
    EXPECT_GT(ZaehleFarbe(bild, rot, QRect(974, 24, 1, 432)), 100);
    EXPECT_EQ(ZaehleFarbe(bild, rot, QRect(28, 28, 944, 424)), 0);

    // x = -19, 19 at columns 25, 975; y = 9, -9 at rows 24, 456.
    neuGezeichnet = 0;
    for (const QPoint p : {QPoint(25, 240), QPoint(975, 240), QPoint(500, 24), QPoint(500, 456)})
        KlickPixel(p);
    EXPECT_EQ(meldungen, QStringList(4, textAusserhalb));
    EXPECT_EQ(w->markiert, 0);
    EXPECT_EQ(neuGezeichnet, 0);

    meldungen.clear();
    KlickPixel({26, 25});
    KlickPixel({974, 455});
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(w->markiert, 2);
    EXPECT_FLOAT_EQ(w->punkte[1].x, -18.96f);

    // Complete: outside is still outside, inside there is no room for a third point.
    KlickPixel({975, 100});
    KlickPixel({500, 100});
    EXPECT_EQ(meldungen, (QStringList{textAusserhalb, textKeinPunkt}));
    EXPECT_EQ(w->markiert, 2);
    EXPECT_FLOAT_EQ(w->punkte[1].x, -18.96f);
    EXPECT_FALSE(w->punkte[3].gesetzt);
}

TEST_F(Symmetrie1Test, ZweiPunkteStreckeFuenfPunkteGeschlossen)
{
    Klick(-10, 5);
    EXPECT_TRUE(Nahe(-10, 5, violett, 0)); // the marked dot with its black ring
    EXPECT_TRUE(Nahe(-10, 5, schwarz, 4));
    EXPECT_FALSE(w->grpSchritt->isVisible());
    Klick(-4, -3);
    EXPECT_TRUE(w->grpSchritt->isVisible());
    EXPECT_EQ(ZaehleFarbe(w->pntGrafik->Abbild(), rot), 0);
    EXPECT_TRUE(Nahe(-7, 1, violett));
    EXPECT_FALSE(Nahe(-10, 5, schwarz, 5)); // no dots once all points are there
    GeheZu(4);
    EXPECT_TRUE(Nahe(7, 1, oliv));
    EXPECT_FALSE(Nahe(12, -1, oliv, 3)); // a segment is not closed

    WaehleAnzahl(5);
    const float xs[] = {-15, -5, -3, -8, -16}, ys[] = {6, 7, -2, -7, -3};
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(w->grpSchritt->isVisible()) << i;
        Klick(xs[i], ys[i]);
    }
    EXPECT_TRUE(w->grpSchritt->isVisible());
    EXPECT_TRUE(Nahe(-15.5f, 1.5f, violett)); // edge from the fifth point back to the first
    GeheZu(4);
    EXPECT_TRUE(Nahe(15.5f, 1.5f, oliv));
    EXPECT_TRUE(Nahe(10, 6.5f, oliv));
}

TEST_F(Symmetrie1Test, JederSchrittFuegtHinzuSchrittVierErsetzt)
{
    MarkiereVierPunkte();
    ASSERT_TRUE(w->alleMarkiert);
    const int zeile1 = Pixel(0, 4).y(), zeile3 = Pixel(0, -2).y();

    GeheZu(1); // dotted red normals to the far edge of the frame
    QImage bild = w->pntGrafik->Abbild();
    EXPECT_GT(ZaehleFarbe(bild, rot, QRect(320, zeile1, 640, 1)), 100);
    EXPECT_EQ(ZaehleFarbe(bild, rot, QRect(30, zeile1, 260, 1)), 0);
    EXPECT_GT(ZaehleFarbe(bild, rot, QRect(40, zeile3, 590, 1)), 100);
    EXPECT_EQ(ZaehleFarbe(bild, rot, QRect(660, zeile3, 310, 1)), 0);
    EXPECT_FALSE(Nahe(-4, 3.7f, rot));

    GeheZu(2); // red distance arrows (a plain bar near the axis) with black ticks
    EXPECT_TRUE(Nahe(-4, 3.7f, rot));
    EXPECT_TRUE(Nahe(3, -2.3f, rot));
    EXPECT_TRUE(Nahe(0.26f, 5.7f, rot));
    EXPECT_TRUE(Nahe(-8, 3.6f, schwarz));
    EXPECT_FALSE(Nahe(4, 3.7f, schwarz));

    GeheZu(3); // the distances beyond the axis in black, with the 20-degree compass arcs
    EXPECT_TRUE(Nahe(4, 3.7f, schwarz));
    EXPECT_TRUE(Nahe(7.9696f, 4.6972f, schwarz));   // 5 degrees on the arc of radius 8 about (0, 4)
    EXPECT_TRUE(Nahe(-5.9772f, -1.4771f, schwarz)); // 175 degrees on the arc of radius 6 about (0, -2)
    EXPECT_FALSE(Nahe(7.7950f, 5.7996f, schwarz));  // 13 degrees: beyond the arc's end
    EXPECT_TRUE(Nahe(-0.26f, 5.7f, schwarz));
    EXPECT_TRUE(Nahe(-0.52f, 5.75f, schwarz));
    EXPECT_GT(ZaehleFarbe(w->pntGrafik->Abbild(), rot), 300);

    GeheZu(4); // joins and the mirrored figure replace the construction
    bild = w->pntGrafik->Abbild();
    EXPECT_EQ(ZaehleFarbe(bild, rot), 0);
    EXPECT_FALSE(Nahe(7.9696f, 4.6972f, schwarz));
    EXPECT_FALSE(Nahe(4, 3.7f, schwarz));
    const int punkte = ZaehleFarbe(bild, schwarz, QRect(520, zeile1, 170, 1));
    EXPECT_GT(punkte, 20); // dotted join from (-8, 4) to (8, 4)
    EXPECT_LT(punkte, 160);
    EXPECT_TRUE(Nahe(6, -0.5f, oliv));    // image of P1P2
    EXPECT_TRUE(Nahe(3.74f, 5, oliv));    // image of the closing edge P4P1
    EXPECT_TRUE(Nahe(-6, -0.5f, violett)); // the figure stays

    GeheZu(3);
    EXPECT_TRUE(Nahe(7.9696f, 4.6972f, schwarz));
    EXPECT_FALSE(Nahe(6, -0.5f, oliv));
}

TEST_F(Symmetrie1Test, SchrittSperrenWiederholenUndWiederOeffnen)
{
    MarkiereVierPunkte();
    GeheZu(1);
    EXPECT_EQ(w->lblSchritte->text(), QStringLiteral("1"));
    EXPECT_FALSE(w->grpAnzahl->isEnabled());
    EXPECT_FALSE(w->btnWH->isEnabled());
    GeheZu(4);
    EXPECT_TRUE(w->btnWH->isEnabled());
    EXPECT_TRUE(w->grpAnzahl->isEnabled());
    GeheZu(3);
    EXPECT_TRUE(w->btnWH->isEnabled()); // going back from 4 leaves "Ja" enabled
    EXPECT_FALSE(w->grpAnzahl->isEnabled());

    GeheZu(4);
    QTest::mouseClick(w->btnWH, Qt::LeftButton);
    EXPECT_EQ(w->Schritt, 0);
    EXPECT_EQ(w->UpDown->Position(), 0);
    EXPECT_EQ(w->lblSchritte->text(), QStringLiteral("0"));
    EXPECT_EQ(w->lblStatus->text(), QStringLiteral("Führe die Konstruktion schrittweise durch."));
    EXPECT_FALSE(w->btnWH->isEnabled());
    EXPECT_FALSE(w->grpAnzahl->isEnabled()); // locked until 1 -> 0 or step 4
    EXPECT_EQ(w->markiert, 4);
    GeheZu(1);
    GeheZu(0);
    EXPECT_TRUE(w->grpAnzahl->isEnabled());

    // Another number of points at step 4 starts the marking over.
    GeheZu(4);
    WaehleAnzahl(3);
    EXPECT_EQ(w->markiert, 0);
    EXPECT_EQ(w->UpDown->Position(), 0);
    EXPECT_FALSE(w->grpSchritt->isVisible());
    EXPECT_FALSE(w->btnWH->isEnabled());
    EXPECT_GT(ZaehleFarbe(w->pntGrafik->Abbild(), rot), 100);

    // Opening again starts afresh, the controls included.
    MarkiereVierPunkte();
    GeheZu(4);
    w->hide();
    w->show();
    EXPECT_EQ(w->anzahlPunkte, 2);
    EXPECT_EQ(w->markiert, 0);
    EXPECT_EQ(w->Schritt, 0);
    EXPECT_FALSE(w->alleMarkiert);
    EXPECT_FALSE(w->punkte[1].gesetzt);
    EXPECT_EQ(w->grpAnzahl->ItemIndex(), 0);
    EXPECT_TRUE(w->grpAnzahl->isEnabled());
    EXPECT_FALSE(w->grpSchritt->isVisible());
    EXPECT_EQ(w->UpDown->Position(), 0);
    EXPECT_EQ(w->lblSchritte->text(), QStringLiteral("0"));
    EXPECT_FALSE(w->btnWH->isEnabled());
    EXPECT_TRUE(w->lblStatus->text().startsWith(QStringLiteral("Wähle die Anzahl")));
}

TEST_F(Symmetrie1Test, PunktAufDerAchseIstSeinEigenesBild)
{
    Klick(0, 3);
    Klick(-10, -6);
    ASSERT_EQ(w->punkte[1].x, 0.0f);
    const QPoint p = Pixel(0, 3);

    GeheZu(1); // its normal runs to the right edge of the frame
    const QImage bild = w->pntGrafik->Abbild();
    EXPECT_GT(ZaehleFarbe(bild, rot, QRect(510, p.y(), 460, 1)), 100);
    EXPECT_EQ(ZaehleFarbe(bild, rot, QRect(30, p.y(), 460, 1)), 0);

    // Zero-length bars and no arc: around the point only the axis, the normal and the figure.
    for (int schritt : {2, 3}) {
        GeheZu(schritt);
        const QImage b = w->pntGrafik->Abbild();
        for (int y = p.y() - 25; y <= p.y() + 25; ++y)
            for (int x = p.x() - 30; x <= p.x() + 30; ++x) {
                if (std::abs(x - 500) <= 3 || y == p.y())
                    continue;
                const unsigned f = testhilfen::Farbe(b, x, y);
                EXPECT_TRUE(f == 0xFFFFFF || f == violett) << schritt << ": " << x << ", " << y;
            }
    }

    GeheZu(4);
    EXPECT_EQ(ZaehleFarbe(w->pntGrafik->Abbild(), rot), 0);
    EXPECT_TRUE(Nahe(5, -1.5f, oliv));
    EXPECT_EQ(ZaehleFarbe(w->pntGrafik->Abbild(), schwarz, QRect(p.x() + 4, p.y() - 1, 40, 3)), 0);
}

namespace {

using namespace bild;

TStrecke Linie(TWeltPunkt p, TWeltPunkt q, int breite, TFarbe farbe, int stil = linieVoll)
{
    return TStrecke{p, q, breite, farbe, stil};
}

// What every state shows: the axis with its name above it.
TBild Achse()
{
    TBild b;
    b << Linie({0, -9}, {0, 9}, 3, schwarz) << TText{TTextArt::Mitte, std::string("Spiegelachse"), {0, 10}};
    return b;
}

} // namespace

TEST(Symmetrie1Bild, MarkierenSchrittDreiUndSchrittVier)
{
    // Two points: one left of the axis, one closer to it than a unit.
    TMarkierPunkt punkte[6] = {{}, {-8, 4, true}, {0.5f, -2, true}};
    const TStrecke figur = Linie({-8, 4}, {0.5f, -2}, 2, violett);

    // While marking: the dotted frame and the dots, ringed with the frame's dotted pen.
    TBild markieren = Achse();
    markieren << TRechteck{{-19, -9}, {19, 9}, 1, rot, liniePunktiert}
              << TKreis{{-8, 4}, 0.15f, 1, schwarz, int(violett), psDot}
              << TKreis{{0.5f, -2}, 0.15f, 1, schwarz, int(violett), psDot};
    EXPECT_EQ(ErsterUnterschied(markieren, symmetrie1::Symmetrie1Bild(3, punkte, 2, false, 0, violett, oliv)), "");

    // Step 3: normals to the far edge of the frame, the distances (an arrow, or
    // a bar near the axis) with ticks, the same beyond the axis with the arcs.
    TBild schritt3 = Achse();
    schritt3 << figur << Linie({-8, 4}, {19, 4}, 1, rot, liniePunktiert)
             << Linie({0.5f, -2}, {-19, -2}, 1, rot, liniePunktiert) << TDoppelpfeil{-8, 0, 3.7f, 3, rot, 'B'}
             << Linie({-8, 4}, {-8, 3.5f}, 2, schwarz) << Linie({0.5f, -2.3f}, {0, -2.3f}, 3, rot)
             << Linie({0.5f, -2}, {0.5f, -2.5f}, 2, schwarz) << TDoppelpfeil{0, 8, 3.7f, 3, schwarz, 'B'}
             << TBogen{{0, 4}, 8, -10, 10, 2, schwarz} << Linie({-0.5f, -2.3f}, {0, -2.3f}, 3, schwarz)
             << Linie({-0.5f, -2}, {-0.5f, -2.5f}, 2, schwarz) << TBogen{{0, -2}, 0.5f, 170, 190, 2, schwarz};
    EXPECT_EQ(ErsterUnterschied(schritt3, symmetrie1::Symmetrie1Bild(2, punkte, 2, true, 3, violett, oliv)), "");

    // Step 4: the joins and the mirrored figure instead of the construction.
    TBild schritt4 = Achse();
    schritt4 << figur << Linie({-8, 4}, {8, 4}, 1, schwarz, liniePunktiert)
             << Linie({0.5f, -2}, {-0.5f, -2}, 1, schwarz, liniePunktiert) << Linie({8, 4}, {-0.5f, -2}, 2, oliv);
    EXPECT_EQ(ErsterUnterschied(schritt4, symmetrie1::Symmetrie1Bild(2, punkte, 2, true, 4, violett, oliv)), "");
}
