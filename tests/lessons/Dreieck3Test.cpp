// "Dynamische Geometrie" in the real window: the legends on the groups' face
// beside their boxes, the pointer held at the edge of the drag field, the
// angle group taking the line groups' place, and the keys after a mode change.
#include "lessons/Dreieck3Modell.h"

#include "TestHilfen.h"
#include "app/ModellFenster.h"
#include "app/Plattform.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace testhilfen;
using namespace dreieck3;

namespace {

class Dreieck3Fenster : public ::testing::Test {
protected:
    void SetUp() override
    {
        fenster.show();
        QApplication::processEvents();
    }
    void TearDown() override { fenster.close(); }

    TPaintBox* zeichnung() const { return fenster.Zeichnung(pntGrafik); }
    const TZustand& z() const { return fenster.Modell<TDreieck3>().zustand; }
    QPoint Pixel(TWeltPunkt p) const
    {
        int px, py;
        TWeltfenster(800, 540, weltDreieck3).ZuPixel(p, px, py);
        return {px, py};
    }
    void Ziehe(QPoint p)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(zeichnung()->mapToGlobal(p)), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(zeichnung(), &e);
    }

    TModellFenster fenster{std::make_unique<TDreieck3>()};
};

} // namespace

// Each legend on the grey face: nothing under its box, its label right of it.
TEST_F(Dreieck3Fenster, LegendenRechtsVomKaestchenAufGrau)
{
    for (int legende : {pntH, pntS, pntW, pntSW}) {
        TPaintBox* box = fenster.Zeichnung(legende);
        SCOPED_TRACE(box->accessibleName().toStdString());
        const QImage bild = box->Abbild();
        EXPECT_EQ(ZaehleFarbe(bild, 0xFFFFFFu), 0) << "white under the letters";
        // Pixels off the face in the columns [von, bis).
        const auto beschriftet = [&bild](int von, int bis) {
            return (bis - von) * bild.height() - ZaehleFarbe(bild, 0xF0F0F0u, QRect(von, 0, bis - von, bild.height()));
        };
        for (int i = 0; i < 3; ++i) {
            const QCheckBox* kaestchen = fenster.Kasten(legende * 4 - 2 + i); // chkHA .. chkSWC
            ASSERT_EQ(kaestchen->parentWidget(), box->parentWidget());
            const QRect k = kaestchen->geometry().translated(-box->pos());
            const int naechstes = i < 2 ? k.left() + 60 : box->width();
            EXPECT_EQ(beschriftet(k.left(), k.right() + 1), 0) << "under box " << i;
            EXPECT_GT(beschriftet(k.right() + 1, naechstes), 20) << "label " << i;
        }
    }
}

TEST_F(Dreieck3Fenster, ZeigerAmRandUndWinkelGruppe)
{
    // Beyond the drag field the vertex stops at its edge; the release frees the pointer.
    QTest::mousePress(zeichnung(), Qt::LeftButton, {}, Pixel(z().A));
    ASSERT_TRUE(CursorBegrenzt());
    EXPECT_EQ(CursorBereich(), QRect(zeichnung()->mapToGlobal(QPoint(40, 28)), QSize(730, 480)));
    Ziehe(QPoint(5, 535));
    EXPECT_FLOAT_EQ(z().A.x, -36.0f);
    EXPECT_FLOAT_EQ(z().A.y, -23.7f);
    EXPECT_EQ(BildschirmCursor(), crHandPoint);
    QTest::mouseRelease(zeichnung(), Qt::LeftButton, {}, QPoint(5, 535));
    EXPECT_FALSE(CursorBegrenzt());
    EXPECT_EQ(BildschirmCursor(), crDefault);

    // The angle group moves up into the line groups' place and names the angle.
    fenster.Menue(menKreis);
    auto* winkel = qobject_cast<QGroupBox*>(fenster.Steuerelement(grpWinkel));
    ASSERT_TRUE(winkel && winkel->isVisible());
    EXPECT_FALSE(fenster.Steuerelement(grpH)->isVisible());
    EXPECT_EQ(winkel->geometry(), QRect(824, 82, 184, 75));
    EXPECT_EQ(winkel->title(), QStringLiteral(" Winkel BMC (0–360) "));
}

// Found by random events: a check box kept the focus when "Thaleskreis" hid
// the line groups, and the space bar still switched a line on and off.
TEST_F(Dreieck3Fenster, VerborgeneKontrollkaestchenNehmenKeineTasten)
{
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    QTest::mouseClick(fenster.Kasten(chkHA), Qt::LeftButton, {}, QPoint(5, 8));
    ASSERT_TRUE(fenster.Kasten(chkHA)->hasFocus());

    fenster.Menue(menKreis);
    const TLinienWahl vorher = z().wahl;
    QTest::keyClick(fenster.windowHandle(), Qt::Key_Space);
    EXPECT_EQ(z().wahl, vorher);
    QWidget* fokus = fenster.focusWidget();
    EXPECT_TRUE(!fokus || fokus->isVisible()) << fokus->metaObject()->className();
}
