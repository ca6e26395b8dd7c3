// "Besondere Eigenschaften": every prolonged height reaches H, and a picture
// depends only on the lesson's state, not on the step shown before it.
#include "lessons/Dreieck2U.h"

#include "draw/GlobalU.h"
#include "draw/SchnittU.h"

#include <QAction>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace dreieck2;

TEST(Dreieck2Treue, VerlaengerteHoehenReichenUeberH)
{
    SetzeFarben();
    // Obtuse at A with H 6.75 below AB, its mirror image, the deepest H the
    // heights' rule lets through (7.92 below AB), and the acute start triangle.
    for (const TDreieck& d : {TDreieck{{-8, -10}, {14, -10}, {-13, 10}}, TDreieck{{-14, -10}, {8, -10}, {13, 10}},
                              TDreieck{{-13, -10}, {14, -10}, {-19, 15}}, startDreieck}) {
        SCOPED_TRACE(testing::Message() << d.A.x << " " << d.B.x << " " << d.C.x << " " << d.C.y);
        ASSERT_TRUE(DreieckZulaessig(hoehen, d));
        TPunkt h, s, u, i, fc, fa, fb;
        ASSERT_TRUE(MerkwuerdigePunkte(d.A.x, d.A.y, d.B.x, d.B.y, d.C.x, d.C.y, h.x, h.y, s.x, s.y, u.x, u.y, i.x,
                                       i.y) && Hoehenfusspunkte(d, fc, fa, fb));
        const TBild bild = SchrittBild(hoehen, 4, true, true, d);
        for (const auto& [ecke, fuss] : {std::pair{d.A, fa}, std::pair{d.B, fb}, std::pair{d.C, fc}}) {
            // Along the height: t from the vertex towards the foot, and the distance off it.
            const double l = std::hypot(fuss.x - ecke.x, fuss.y - ecke.y);
            const double ux = (fuss.x - ecke.x) / l, uy = (fuss.y - ecke.y) / l;
            const auto t = [&](TPunkt p) { return (p.x - ecke.x) * ux + (p.y - ecke.y) * uy; };
            const auto ab = [&](TPunkt p) { return std::fabs((p.x - ecke.x) * uy - (p.y - ecke.y) * ux); };
            const double tH = t(h), weiter = tH > l ? tH + 0.5 : tH < 0 ? tH - 0.5 : tH;
            bool reichtBisH = false, reichtWeiter = false;
            for (const TElement& e : bild.elemente) {
                const TLinie* li = std::get_if<TLinie>(&e);
                if (!li || li->farbe != farbeViolett || ab(li->von) > 1e-3 || ab(li->bis) > 1e-3)
                    continue;
                const double t1 = t(li->von), t2 = t(li->bis), von = std::min(t1, t2), bis = std::max(t1, t2);
                reichtBisH = reichtBisH || (tH >= von - 1e-3 && tH <= bis + 1e-3);
                reichtWeiter = reichtWeiter || (weiter >= von - 1e-3 && weiter <= bis + 1e-3);
            }
            EXPECT_TRUE(reichtBisH && reichtWeiter) << "height from " << ecke.x << "|" << ecke.y;
        }
    }
}

TEST(Dreieck2Treue, BildHaengtNurVomZustandAb)
{
    TfrmDreieck2 f;
    f.show();
    // A step painted right after the step before it and right after the one after it.
    const auto nach = [&f](TPaintBox* box, int vorher, int schritt) {
        f.Schritt = vorher;
        box->Abbild();
        f.Schritt = schritt;
        return box->Abbild();
    };
    for (QAction* thema : {f.menEigen1, f.menEigen2, f.menEigen3, f.menEigen4}) {
        thema->trigger();
        for (int s = 1; s < f.MaxSchritt; ++s) {
            SCOPED_TRACE(testing::Message() << thema->text().toStdString() << ", step " << s);
            EXPECT_TRUE(nach(f.pntGrafik, s - 1, s) == nach(f.pntGrafik, s + 1, s));
            EXPECT_TRUE(nach(f.pntStatus, s - 1, s) == nach(f.pntStatus, s + 1, s));
        }
    }
    f.close();
}
