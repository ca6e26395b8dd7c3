// "Besondere Eigenschaften" in the real window: a few pixels of the drawing and
// of the instruction drawn straight onto its panel, switched by the real check
// boxes.
#include "app/ModellFenster.h"
#include "lessons/Dreieck2Modell.h"

#include "TestHilfen.h"
#include "draw/VektorU.h"
#include "draw/SchnittU.h"

#include <QApplication>
#include <QCheckBox>
#include <gtest/gtest.h>

#include <cmath>

using namespace dreieck2;
using testhilfen::FarbeNahe;
using testhilfen::ZaehleFarbe;

namespace {

constexpr unsigned violett = 0x6633FF, braun = 0x996633, navy = 0x000080;

// The drawing maps x -40..40 and y -20..20 onto 1000 x 480: 12 pixels per unit.
QPoint Pixel(TPunkt p) { return {int(std::lround(500 + 12 * p.x)), int(std::lround(240 - 12 * p.y))}; }

} // namespace

TEST(Dreieck2Fenster, BildpunkteJeSchrittUndSchalter)
{
    TModellFenster f(std::make_unique<TDreieck2>());
    f.show();
    QApplication::processEvents();
    const lektion::TLektion& m = f.Modell();
    TPaintBox* grafik = f.Zeichnung(0);
    TPaintBox* status = f.Zeichnung(1);
    const auto hat = [grafik](TPunkt p, unsigned farbe) {
        return FarbeNahe(grafik->Abbild(), Pixel(p).x(), Pixel(p).y(), farbe, 2);
    };
    // Step 0: the black triangle only; one instruction line in the panel's middle.
    EXPECT_TRUE(hat({0, -10}, 0x000000));
    EXPECT_EQ(ZaehleFarbe(grafik->Abbild(), violett), 0);
    const QRect untereZeile(0, 37, 1003, 10);
    EXPECT_GT(ZaehleFarbe(status->Abbild(), navy), 200);
    EXPECT_EQ(ZaehleFarbe(status->Abbild(), navy, untereZeile), 0);

    // Step 1: h_c on x = -6, its mark right of it above AB, "h!c" at (-4.8, 5.8);
    // the real check boxes switch them.
    f.UpDown(m.Steuer("grpSchritt"))->KlickRechts();
    const QRect marke(440, 336, 24, 20), beschriftung(430, 160, 28, 24);
    EXPECT_TRUE(hat({-6, 2}, violett));
    EXPECT_GT(ZaehleFarbe(grafik->Abbild(), violett, marke), 10);
    EXPECT_GT(ZaehleFarbe(grafik->Abbild(), violett, beschriftung), 10);
    QCheckBox* winkel = f.Kasten(m.Steuer("chkWinkel"));
    winkel->click();
    EXPECT_EQ(winkel->text(), QStringLiteral("ausgeschaltet"));
    EXPECT_EQ(ZaehleFarbe(grafik->Abbild(), violett, marke), 0);
    EXPECT_GT(ZaehleFarbe(grafik->Abbild(), violett, beschriftung), 10);
    f.Kasten(m.Steuer("chkBeschriftung"))->click();
    EXPECT_EQ(ZaehleFarbe(grafik->Abbild(), violett, beschriftung), 0);
    EXPECT_TRUE(hat({-6, 2}, violett));
    winkel->click();
    EXPECT_GT(ZaehleFarbe(grafik->Abbild(), violett, marke), 10);
    f.Aendere(m.Steuer("grpSchritt"), 4);
    EXPECT_GT(ZaehleFarbe(status->Abbild(), navy, untereZeile), 50);
    EXPECT_EQ(f.Steuerelement(m.Steuer("grpSchritt"))->property("title").toString(), QStringLiteral("Schritte (0–4)"));

    // The circumcircle at step 5 of topic 2 goes when the pupil steps back.
    TPunkt h, s, u, i;
    ASSERT_TRUE(MerkwuerdigePunkte(-14, -10, 14, -10, -6, 14, h.x, h.y, s.x, s.y, u.x, u.y, i.x, i.y));
    const float r = Abstand(u.x, u.y, -6, 14), w = 250 * float(M_PI) / 180;
    const TPunkt umkreis{u.x + r * std::cos(w), u.y + r * std::sin(w)};
    f.Menue(1);
    EXPECT_EQ(f.UpDown(m.Steuer("grpSchritt"))->Max(), 5);
    f.Aendere(m.Steuer("grpSchritt"), 5);
    EXPECT_TRUE(hat(umkreis, braun));
    EXPECT_TRUE(hat({0, 10}, braun)); // s_AB
    f.UpDown(m.Steuer("grpSchritt"))->KlickLinks();
    EXPECT_FALSE(hat(umkreis, braun));
    f.close();
}
