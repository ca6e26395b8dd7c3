// Dragging the vertices of the dynamic triangle: the hand within 3 pixels in
// every direction and for the whole drag, pushed vertices that stay where they
// can be grabbed, and the smallest distance restored when the button goes up.
// And the legends of the line groups: on the grey face, right of their boxes.
#include "lessons/Dreieck3U.h"

#include "TestHilfen.h"
#include "app/Plattform.h"
#include "draw/GlobalU.h"
#include "draw/KoordU.h"
#include "draw/VektorU.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPoint Pixel(TWeltPunkt p)
{
    SetzeWeltfenster(800, 540, weltDreieck3);
    int px, py;
    WeltZuPixel(p.x, p.y, px, py);
    return {px, py};
}

class Dreieck3Ziehen : public ::testing::Test {
protected:
    void SetUp() override { f.show(); }
    void TearDown() override { f.close(); }
    void Bewege(QPoint p, bool gedrueckt = true)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(f.pntGrafik->mapToGlobal(p)), Qt::NoButton,
                      gedrueckt ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f.pntGrafik, &e);
    }
    // Press on a vertex, one move to `bis`, release there.
    void Schnipse(TWeltPunkt von, QPoint bis)
    {
        QTest::mousePress(f.pntGrafik, Qt::LeftButton, {}, Pixel(von));
        Bewege(bis);
        QTest::mouseRelease(f.pntGrafik, Qt::LeftButton, {}, bis);
    }
    // Every vertex inside the confinement and at least 4 from the others.
    void ErwarteGreifbar()
    {
        const TWeltPunkt e[] = {f.A, f.B, f.C};
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(TfrmDreieck3::ZiehBereichImBild(1).contains(Pixel(e[i]))) << e[i].x << " | " << e[i].y;
            EXPECT_GE(Abstand(e[i].x, e[i].y, e[(i + 1) % 3].x, e[(i + 1) % 3].y), 4.0f) << i;
        }
    }
    TfrmDreieck3 f;
};

} // namespace

TEST_F(Dreieck3Ziehen, HandInnerhalbVonDreiPixelnUndBeimZiehen)
{
    const std::pair<QPoint, bool> faelle[] = {{{0, 3}, true},  {{0, -3}, true}, {{3, 0}, true},  {{-3, 0}, true},
                                              {{2, -2}, true}, {{0, 4}, false}, {{-4, 0}, false}, {{3, 1}, false}};
    for (TWeltPunkt ecke : {f.A, f.B, f.C})
        for (const auto& [versatz, hand] : faelle) {
            Bewege(Pixel(ecke) + versatz, false);
            EXPECT_EQ(BildschirmCursor(), hand ? crHandPoint : crDefault)
                << ecke.x << " | " << ecke.y << " + " << versatz.x() << ", " << versatz.y();
        }
    // 5 pixels a move: the pointer is never within 3 pixels of where A stood before.
    QTest::mousePress(f.pntGrafik, Qt::LeftButton, {}, Pixel(f.A));
    for (int i = 1; i <= 6; ++i) {
        Bewege(Pixel({-14, -16}) + QPoint(5 * i, 0));
        EXPECT_EQ(BildschirmCursor(), crHandPoint) << "move " << i;
    }
}

TEST_F(Dreieck3Ziehen, AbgestosseneEckeBleibtGreifbar)
{
    // B at the right edge, A flicked onto it and on beyond: 4.2 further right
    // A would stand outside the drawing, where it could never be grabbed.
    Schnipse(f.B, Pixel({36.8f, 0}));
    QTest::mousePress(f.pntGrafik, Qt::LeftButton, {}, Pixel(f.A));
    Bewege(Pixel({38, 0}));
    Bewege(Pixel({30, 0}));
    EXPECT_NEAR(Abstand(f.A.x, f.A.y, f.B.x, f.B.y), 4.2f, 1e-3);
    ErwarteGreifbar();
    QTest::mouseRelease(f.pntGrafik, Qt::LeftButton, {}, Pixel({30, 0}));
    // Flicked and released at once: C into the corner, then B and A onto it.
    Schnipse(f.C, Pixel({36.9f, 24.2f}));
    Schnipse(f.B, Pixel(f.C));
    ErwarteGreifbar();
    Schnipse(f.A, Pixel(f.C));
    ErwarteGreifbar();
    EXPECT_FALSE(f.ziehenA || f.ziehenB || f.ziehenC);
}

TEST(Dreieck3Legenden, RechtsVomKaestchenAufGrau)
{
    TfrmDreieck3 f;
    const std::pair<TPaintBox*, std::array<QCheckBox*, 3>> legenden[] = {{f.pntH, {f.chkHA, f.chkHB, f.chkHC}},
                                                                         {f.pntS, {f.chkSA, f.chkSB, f.chkSC}},
                                                                         {f.pntW, {f.chkWA, f.chkWB, f.chkWC}},
                                                                         {f.pntSW, {f.chkSWA, f.chkSWB, f.chkSWC}}};
    for (const auto& [box, kaestchen] : legenden) {
        SCOPED_TRACE(box->objectName().toStdString() + " at " + std::to_string(box->parentWidget()->y()));
        const QImage bild = box->Abbild();
        EXPECT_EQ(testhilfen::ZaehleFarbe(bild, 0xFFFFFFu), 0) << "white under the letters";
        // Pixels off the face in the columns [von, bis) of the legend.
        const auto beschriftet = [&bild](int von, int bis) {
            const QRect r(von, 0, bis - von, bild.height());
            return r.width() * r.height() - testhilfen::ZaehleFarbe(bild, 0xF0F0F0u, r);
        };
        for (int i = 0; i < 3; ++i) {
            const QRect k = kaestchen[i]->geometry().translated(-box->pos());
            const int naechstes = i < 2 ? kaestchen[i + 1]->x() - box->x() : box->width();
            EXPECT_EQ(beschriftet(k.left(), k.right() + 1), 0) << "under box " << i;
            EXPECT_GT(beschriftet(k.right() + 1, naechstes), 20) << "label " << i;
        }
    }
}
