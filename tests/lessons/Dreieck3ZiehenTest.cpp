// Dragging the vertices of the dynamic triangle: the hand within 3 pixels in
// every direction and for the whole drag, pushed vertices that stay where they
// can be grabbed, and the smallest distance restored when the button goes up.
#include "lessons/Dreieck3U.h"

#include "app/Plattform.h"
#include "draw/GlobalU.h"
#include "draw/KoordU.h"
#include "draw/VektorU.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPoint Pixel(TWeltPunkt p)
{
    SetzeWeltfenster(800, 540, weltDreieck3);
    int px = 0, py = 0;
    WeltZuPixel(p.x, p.y, px, py);
    return {px, py};
}

float Entfernung(TWeltPunkt p, TWeltPunkt q) { return Abstand(p.x, p.y, q.x, q.y); }

class Dreieck3Ziehen : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.show();
        QApplication::processEvents();
    }
    void TearDown() override { f.close(); }

    void Bewege(QPoint p, bool gedrueckt = true)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(f.pntGrafik->mapToGlobal(p)), Qt::NoButton,
                      gedrueckt ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f.pntGrafik, &e);
    }
    void Druecke(QPoint p) { QTest::mousePress(f.pntGrafik, Qt::LeftButton, {}, p); }
    void Loese(QPoint p) { QTest::mouseRelease(f.pntGrafik, Qt::LeftButton, {}, p); }
    // Press on a vertex, one move to `bis`, release there.
    void Schnipse(TWeltPunkt von, QPoint bis)
    {
        Druecke(Pixel(von));
        Bewege(bis);
        Loese(bis);
    }
    // Every vertex lies in the confinement and at least 4 from the others.
    void ErwarteGreifbar()
    {
        const QRect feld = TfrmDreieck3::ZiehBereichImBild(1);
        for (TWeltPunkt p : {f.A, f.B, f.C})
            EXPECT_TRUE(feld.contains(Pixel(p))) << p.x << " | " << p.y;
        EXPECT_GE(Entfernung(f.A, f.B), 4.0f);
        EXPECT_GE(Entfernung(f.A, f.C), 4.0f);
        EXPECT_GE(Entfernung(f.B, f.C), 4.0f);
    }

    TfrmDreieck3 f;
};

} // namespace

TEST_F(Dreieck3Ziehen, HandInnerhalbVonDreiPixelnRingsum)
{
    struct TFall {
        QPoint versatz;
        bool hand;
    };
    const TFall faelle[] = {{{0, 3}, true},  {{0, -3}, true},  {{3, 0}, true},  {{-3, 0}, true},
                            {{2, 2}, true},  {{-2, -2}, true}, {{0, 4}, false}, {{0, -4}, false},
                            {{4, 0}, false}, {{-4, 0}, false}, {{3, 1}, false}};
    for (TWeltPunkt ecke : {f.A, f.B, f.C}) {
        for (const TFall& fall : faelle) {
            SCOPED_TRACE(testing::Message() << ecke.x << " | " << ecke.y << " + " << fall.versatz.x() << ", "
                                            << fall.versatz.y());
            Bewege(Pixel(ecke) + fall.versatz, false);
            EXPECT_EQ(BildschirmCursor(), fall.hand ? crHandPoint : crDefault);
        }
    }
}

TEST_F(Dreieck3Ziehen, HandWaehrendDesGanzenZiehens)
{
    // 5 pixels a move: the pointer is never within 3 pixels of where A stood before.
    Druecke(Pixel(f.A));
    for (int i = 1; i <= 10; ++i) {
        Bewege(Pixel({-14, -16}) + QPoint(5 * i, 0));
        EXPECT_EQ(BildschirmCursor(), crHandPoint) << "move " << i;
    }
    EXPECT_TRUE(f.ziehenA);
    Loese(Pixel(f.A));
    EXPECT_EQ(BildschirmCursor(), crDefault);
}

TEST_F(Dreieck3Ziehen, AbgestosseneEckeBleibtImFeld)
{
    // B at the right edge, A flicked onto it: pushed out 4.2 to the right it
    // would stand beyond the edge, where it could never be grabbed again.
    Schnipse(f.B, Pixel({36.8f, 0}));
    ASSERT_FLOAT_EQ(f.B.x, 36.8f);
    Druecke(Pixel(f.A));
    Bewege(Pixel({38, 0}));
    Bewege(Pixel({30, 0}));
    Loese(Pixel({30, 0}));
    ErwarteGreifbar();
    EXPECT_NEAR(Entfernung(f.A, f.B), 4.2f, 1e-3);
    // And it can be grabbed there.
    Bewege(Pixel(f.A), false);
    EXPECT_TRUE(f.ueberA);

    // The same into a corner: C in the top right one, B flicked onto it.
    Schnipse(f.C, Pixel({36.9f, 24.2f}));
    Schnipse(f.B, Pixel(f.C));
    ErwarteGreifbar();
    // Then A onto C as well: the corner holds C and B, A goes where both leave room.
    Schnipse(f.A, Pixel(f.C));
    ErwarteGreifbar();
}

TEST_F(Dreieck3Ziehen, LoslassenStelltDenAbstandHer)
{
    // Flicked and released at once, A and then C onto B: nothing stays stacked.
    Schnipse(f.A, Pixel(f.B));
    ErwarteGreifbar();
    Schnipse(f.C, Pixel(f.B));
    ErwarteGreifbar();
    EXPECT_FALSE(f.ziehenA || f.ziehenB || f.ziehenC);
}
