// "Einteilung der Dreiecke" in its window: what only the real window shows,
// a few pixels of the boxes, the text box and the kind panels.
#include "app/ModellFenster.h"
#include "lessons/Dreieck0Modell.h"

#include "TestHilfen.h"
#include "draw/KoordU.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace testhilfen;
using namespace dreieck0;

namespace {

constexpr unsigned schwarz = 0x000000, navy = 0x000080, maroon = 0x800000;

class Dreieck0Fenster : public ::testing::Test {
protected:
    void SetUp() override
    {
        fenster.show();
        QApplication::processEvents();
    }
    void TearDown() override { fenster.close(); }

    const TZustand& z() const { return fenster.Modell<TDreieck0>().zustand; }

    TModellFenster fenster{std::make_unique<TDreieck0>()};
};

} // namespace

TEST_F(Dreieck0Fenster, BoxenTextboxUndPanels)
{
    // The midpoints of the sides lie on black in every box.
    const TWeltfenster welt(300, 300, {-15, 15, -15, 15});
    for (int box = 1; box <= 3; ++box) {
        const QImage bild = fenster.Zeichnung(box)->Abbild();
        const TDreieck& d = z().Dreieck(box);
        for (const auto& [x, y] : {std::pair{d.ax + d.bx, d.ay + d.by}, {d.bx + d.cx, d.by + d.cy},
                                   {d.cx + d.ax, d.cy + d.ay}}) {
            int px, py;
            welt.ZuPixel({x / 2, y / 2}, px, py);
            EXPECT_TRUE(FarbeNahe(bild, px, py, schwarz, 1)) << "box " << box;
        }
    }

    // By angles the text box is maroon, white also right of its world window.
    fenster.Menue(1);
    const QImage text = fenster.Zeichnung(6)->Abbild();
    EXPECT_EQ(text.width(), 304);
    EXPECT_GT(ZaehleFarbe(text, maroon), 200);
    EXPECT_EQ(ZaehleFarbe(text, navy), 0);
    EXPECT_EQ(Farbe(text, 302, 40), 0xFFFFFFu);

    // Reopened: navy again in the kind panel's caption pixels.
    fenster.close();
    QApplication::processEvents();
    fenster.show();
    QApplication::processEvents();
    const QImage panel = fenster.Panel(fenster.Modell().Steuer("pnlUeb1"))->grab().toImage();
    EXPECT_GT(ZaehleFarbe(panel, navy), 20);
    EXPECT_EQ(ZaehleFarbe(panel, maroon), 0);
}
