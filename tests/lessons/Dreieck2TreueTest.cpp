// "Besondere Eigenschaften": every prolonged height reaches H, and a picture
// depends only on the lesson's state, not on the step shown before it.
#include "lessons/Dreieck2U.h"

#include "draw/GlobalU.h"
#include "draw/SchnittU.h"

#include <QApplication>
#include <QAction>
#include <gtest/gtest.h>

#include <cmath>

using namespace dreieck2;

namespace {

// Where along the line through `von` with direction `u` a point lies, and how far off it.
struct TAufGerade {
    double t, abstand;
};
TAufGerade Lage(TPunkt von, TPunkt u, TPunkt p)
{
    const double dx = p.x - von.x, dy = p.y - von.y;
    return {dx * u.x + dy * u.y, std::fabs(dx * u.y - dy * u.x)};
}

} // namespace

TEST(Dreieck2Treue, VerlaengerteHoehenReichenUeberH)
{
    SetzeFarben();
    // Obtuse at A with H 6.75 below AB, its mirror image obtuse at B, the
    // deepest H the heights' rule lets through (7.92 below AB), and the
    // window's acute start triangle.
    const TDreieck dreiecke[] = {{{-8, -10}, {14, -10}, {-13, 10}}, {{-14, -10}, {8, -10}, {13, 10}},
                                 {{-13, -10}, {14, -10}, {-19, 15}}, startDreieck};
    for (const TDreieck& d : dreiecke) {
        SCOPED_TRACE(testing::Message() << "A " << d.A.x << " B " << d.B.x << " C " << d.C.x << " " << d.C.y);
        ASSERT_TRUE(DreieckZulaessig(hoehen, d));
        TPunkt h, s, um, in, fc, fa, fb;
        ASSERT_TRUE(MerkwuerdigePunkte(d.A.x, d.A.y, d.B.x, d.B.y, d.C.x, d.C.y, h.x, h.y, s.x, s.y, um.x, um.y,
                                       in.x, in.y));
        ASSERT_TRUE(Hoehenfusspunkte(d, fc, fa, fb));
        const TBild bild = SchrittBild(hoehen, 4, true, true, d);
        const std::pair<TPunkt, TPunkt> hoehenLinien[] = {{d.A, fa}, {d.B, fb}, {d.C, fc}};
        for (const auto& [ecke, fuss] : hoehenLinien) {
            const double laenge = std::hypot(fuss.x - ecke.x, fuss.y - ecke.y);
            const TPunkt u{float((fuss.x - ecke.x) / laenge), float((fuss.y - ecke.y) / laenge)};
            // The violet pieces on this height, as intervals along it.
            std::vector<std::pair<double, double>> stuecke;
            for (const TElement& e : bild.elemente) {
                const TLinie* l = std::get_if<TLinie>(&e);
                if (!l || l->farbe != farbeViolett)
                    continue;
                const TAufGerade a = Lage(ecke, u, l->von), b = Lage(ecke, u, l->bis);
                if (a.abstand < 1e-3 && b.abstand < 1e-3)
                    stuecke.push_back(std::minmax(a.t, b.t));
            }
            const auto gezeichnet = [&](double t) {
                for (const auto& [von, bis] : stuecke)
                    if (t >= von - 1e-3 && t <= bis + 1e-3)
                        return true;
                return false;
            };
            const double tH = Lage(ecke, u, h).t;
            EXPECT_TRUE(gezeichnet(tH)) << "H off the height from " << ecke.x << "|" << ecke.y;
            // Outside the triangle the height goes on a little past H.
            if (tH > laenge) {
                EXPECT_TRUE(gezeichnet(tH + 0.5));
            }
            if (tH < 0) {
                EXPECT_TRUE(gezeichnet(tH - 0.5));
            }
        }
    }
}

TEST(Dreieck2Treue, BildHaengtNurVomZustandAb)
{
    TfrmDreieck2 f;
    f.show();
    QApplication::processEvents();
    // The picture of a step painted right after the step before it and right
    // after the step after it: each painting starts with what the last one left.
    const auto nach = [&f](TPaintBox* box, int vorher, int schritt) {
        f.Schritt = vorher;
        box->Abbild();
        f.Schritt = schritt;
        return box->Abbild();
    };
    for (QAction* thema : {f.menEigen1, f.menEigen2, f.menEigen3, f.menEigen4}) {
        thema->trigger();
        for (int schritt = 1; schritt < f.MaxSchritt; ++schritt) {
            SCOPED_TRACE(testing::Message() << thema->text().toStdString() << ", step " << schritt);
            EXPECT_TRUE(nach(f.pntGrafik, schritt - 1, schritt) == nach(f.pntGrafik, schritt + 1, schritt));
            EXPECT_TRUE(nach(f.pntStatus, schritt - 1, schritt) == nach(f.pntStatus, schritt + 1, schritt));
        }
    }
    f.close();
}
