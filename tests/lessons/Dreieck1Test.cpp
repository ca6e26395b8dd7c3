// "Dreieckskonstruktionen" in its window: pixels of the construction with two
// solutions step by step, and the instruction drawn as marked-up text on the
// panel's face.
#include "app/ModellFenster.h"
#include "lessons/Dreieck1Modell.h"

#include "TestHilfen.h"
#include "draw/GlobalU.h"
#include "draw/KoordU.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

using namespace dreieck1;
using namespace testhilfen;

namespace {

// A = (-5, -5), C = (3, 3), B = (7, -5): the circle about B through C cuts AC
// again at C₂ = (-1, -1).
const TDreieck zweiLoesungen{{-5, -5}, {7, -5}, {3, 3}};

// The pixel at `winkel` degrees and distance r from m in the drawing.
QPoint Um(TPunkt m, float winkel, float r)
{
    int px = 0, py = 0;
    TWeltfenster(1000, 480, {-20.0f, 20.0f, -10.0f, 10.0f})
        .ZuPixel({float(m.x + r * std::cos(winkel * M_PI / 180)), float(m.y + r * std::sin(winkel * M_PI / 180))}, px, py);
    return {px, py};
}
QPoint Pixel(float x, float y) { return Um({x, y}, 0, 0); }

class Dreieck1Fenster : public ::testing::Test {
protected:
    void SetUp() override
    {
        fenster.show();
        QApplication::processEvents();
    }
    void TearDown() override { fenster.close(); }

    TUpDown* UpDown() const { return fenster.UpDown(fenster.Modell().Steuer("grpSchritt")); }
    void Vor(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            QTest::mouseClick(UpDown()->PfeilRechts(), Qt::LeftButton);
    }
    void WaehleZwei() // a click on the label "zwei"
    {
        QRadioButton* zwei = fenster.Radiogruppe(fenster.Modell().Steuer("grpLoesungen"))->Knopf(1);
        QTest::mouseClick(zwei, Qt::LeftButton, {}, QPoint(10, zwei->height() / 2));
    }
    // Shown from the next input on.
    void Setze(const TDreieck& d)
    {
        TZustand& z = fenster.Modell<TDreieck1>().zustand;
        z.A = d.A;
        z.B = d.B;
        z.C = d.C;
    }
    bool Nahe(QPoint p, TFarbe farbe, int radius = 1)
    {
        return FarbeNahe(fenster.Zeichnung(0)->Abbild(), p.x(), p.y(), farbe, radius);
    }
    QPushButton* Wiederholen() const { return fenster.Knopf(fenster.Modell().Steuer("grpWH")); }

    TModellFenster fenster{std::make_unique<TDreieck1>()};
};

// The lowest row with a navy pixel.
int UntersteZeile(const QImage& bild)
{
    for (int y = bild.height() - 1; y >= 0; --y)
        if (ZaehleFarbe(bild, clNavy, QRect(0, y, bild.width(), 1)) > 0)
            return y;
    return -1;
}

} // namespace

TEST_F(Dreieck1Fenster, ZweiLoesungenSchrittFuerSchritt)
{
    // SsW with two solutions: one arc through both points, then the second triangle in raspberry.
    fenster.Menue(satzSsW - 1);
    WaehleZwei();
    Setze(zweiLoesungen);
    Vor(4);
    const QPoint zwischen = Um(zweiLoesungen.B, 135, std::sqrt(80.0f)); // on the arc between C and C₂
    EXPECT_TRUE(Nahe(zwischen, clBlack));
    Vor(2);
    EXPECT_FALSE(Nahe(zwischen, clBlack, 2));
    EXPECT_TRUE(Nahe(Pixel(3, -3), palette::himbeer));  // B→C₂
    EXPECT_TRUE(Nahe(Pixel(-3, -3), palette::himbeer)); // A→C₂
    EXPECT_TRUE(Nahe(Pixel(1, 1), clBlack));        // C₂→C, part of side b
}

TEST_F(Dreieck1Fenster, AnweisungAlsMarkierterText)
{
    fenster.Menue(satzSsW - 1);
    Vor(6);
    const QImage eine = fenster.Zeichnung(1)->Abbild();
    QTest::mouseClick(Wiederholen(), Qt::LeftButton);
    WaehleZwei();
    Vor(6);
    const QImage zwei = fenster.Zeichnung(1)->Abbild();
    // "ABC!1 und ABC!2": the indices hang below the line.
    ASSERT_GT(UntersteZeile(eine), 0);
    EXPECT_GT(UntersteZeile(zwei), UntersteZeile(eine) + 3);
    // No fill of its own: the panel's face shows behind the text.
    EXPECT_EQ(Farbe(zwei, 2, 2), QtFarbe(clBtnFace).rgb() & 0xFFFFFFu);
}
