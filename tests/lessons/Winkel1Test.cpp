// The kinds-of-angles window: class boundaries on the left, the edit field's
// silent corrections, turning the right leg with the mouse, degrees, minutes
// and seconds, a fresh start at every opening, and the drawings as pictures.
#include "lessons/Winkel1U.h"

#include "TestHilfen.h"
#include "app/Plattform.h"
#include "draw/Primitive.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"
#include "draw/PolKartU.h"
#include "draw/SchriftU.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
#include <cmath>

using namespace testhilfen;

namespace {

// Pixel of a world point in either 480 x 480 drawing (-10..10 both ways).
QPoint Pixel(float x, float y)
{
    SetzeWeltfenster(0, 480, 0, 480, -10.0f, 10.0f, -10.0f, 10.0f);
    int px = 0, py = 0;
    WeltZuPixel(x, y, px, py);
    return {px, py};
}

QPoint PolarPixel(float winkel, float r)
{
    return Pixel(r * std::cos(winkel * float(M_PI) / 180.0f), r * std::sin(winkel * float(M_PI) / 180.0f));
}

// The class text alone, as the drawing writes it at the top edge.
QImage KlassenText(const QString& text, TFarbe farbe)
{
    QImage bild(480, 480, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    Leinwand lw(&maler);
    SetzeWeltfenster(0, 480, 0, 480, -10.0f, 10.0f, -10.0f, 10.0f);
    TextMitte(lw, text, farbe, true, 12, 0.0f, 10.0f);
    lw.Loese();
    return bild;
}

// The top band of the drawing holds nothing but the class text.
bool ZeigtKlasse(const QImage& bild, const QString& text, TFarbe farbe)
{
    const QImage erwartet = KlassenText(text, farbe);
    if (ZaehleFarbe(erwartet, farbe, QRect(0, 0, 480, 30)) == 0)
        return false;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 480; ++x)
            if (Farbe(bild, x, y) != Farbe(erwartet, x, y))
                return false;
    return true;
}

void Tippe(QLineEdit* feld, const QString& text)
{
    feld->selectAll();
    QTest::keyClicks(feld, text);
}

void Bewege(QWidget* box, QPoint p)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(box->mapToGlobal(p)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(box, &e);
}

class Winkel1 : public ::testing::Test {
protected:
    void SetUp() override
    {
        fenster.show();
        QApplication::processEvents();
    }
    void TearDown() override { fenster.close(); }

    TfrmWinkel1 fenster;
};

} // namespace

TEST_F(Winkel1, KlassenGrenzenLinks)
{
    struct Fall {
        int grad;
        const char* text;
        TFarbe* farbe;
    };
    const Fall faelle[] = {
        {0, "Kein Winkel", &farbeHimbeer},          {1, "Spitzer Winkel", &farbeViolett},
        {89, "Spitzer Winkel", &farbeViolett},      {90, "Rechter Winkel", &farbeHimbeer},
        {91, "Stumpfer Winkel", &farbeBraun},       {179, "Stumpfer Winkel", &farbeBraun},
        {180, "Gestreckter Winkel", &farbeHimbeer}, {181, "Erhabener Winkel", &farbeMeergruen},
        {359, "Erhabener Winkel", &farbeMeergruen}, {360, "Voller Winkel", &farbeHimbeer},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.grad);
        Tippe(fenster.edtWinkel1, QString::number(f.grad));
        EXPECT_EQ(fenster.winkel1, f.grad);
        EXPECT_EQ(fenster.scrWinkel1->value(), f.grad);
        EXPECT_EQ(fenster.lblWinkel1->text(), QString::number(f.grad) + QStringLiteral("°"));

        const QImage bild = fenster.pntGrafik1->Abbild();
        EXPECT_TRUE(ZeigtKlasse(bild, QString::fromUtf8(f.text), *f.farbe));
        // Both legs in the class colour: the fixed one on the x axis, the free one at the angle.
        const QPoint fest = Pixel(6.0f, 0.0f);
        EXPECT_TRUE(FarbeNahe(bild, fest.x(), fest.y(), *f.farbe));
        const QPoint frei = PolarPixel(float(f.grad), 6.0f);
        EXPECT_TRUE(FarbeNahe(bild, frei.x(), frei.y(), *f.farbe, 2));
        // The arc runs from 0° to the angle (below the vertex only past 270°); 0° has none.
        const QPoint unten = Pixel(0.0f, -3.0f);
        EXPECT_EQ(FarbeNahe(bild, unten.x(), unten.y(), *f.farbe, 2), f.grad >= 271);
        if (f.grad >= 89) {
            const QPoint mitte = PolarPixel(float(f.grad) / 2.0f, 3.0f);
            EXPECT_TRUE(FarbeNahe(bild, mitte.x(), mitte.y(), *f.farbe, 2));
        }
        if (f.grad == 0) {
            const QPoint schraeg = PolarPixel(45.0f, 3.0f);
            EXPECT_EQ(ZaehleNichtWeiss(bild, QRect(schraeg - QPoint(4, 4), QSize(9, 9))), 0);
        }
    }
}

TEST_F(Winkel1, ScrollbarUndFeldGehenMiteinander)
{
    fenster.scrWinkel1->setFocus();
    QTest::keyClick(fenster.scrWinkel1, Qt::Key_Right);
    EXPECT_EQ(fenster.winkel1, 1);
    EXPECT_EQ(fenster.edtWinkel1->text(), QStringLiteral("1"));
    QTest::keyClick(fenster.scrWinkel1, Qt::Key_End);
    EXPECT_EQ(fenster.winkel1, 360);
    EXPECT_EQ(fenster.edtWinkel1->text(), QStringLiteral("360"));
    EXPECT_EQ(fenster.lblWinkel1->text(), QStringLiteral("360°"));
    QTest::keyClick(fenster.scrWinkel1, Qt::Key_Left);
    EXPECT_EQ(fenster.edtWinkel1->text(), QStringLiteral("359"));
}

TEST_F(Winkel1, FeldKorrigiertStill)
{
    std::vector<QString> meldungen;
    SetzeMeldungsHaken([&](const QString& t) { meldungen.push_back(t); });

    Tippe(fenster.edtWinkel1, QStringLiteral("045"));
    EXPECT_EQ(fenster.edtWinkel1->text(), QStringLiteral("45"));
    EXPECT_EQ(fenster.winkel1, 45);

    // A leading zero in front of the same angle is tidied too.
    fenster.edtWinkel1->setCursorPosition(0);
    QTest::keyClick(fenster.edtWinkel1, Qt::Key_0);
    EXPECT_EQ(fenster.edtWinkel1->text(), QStringLiteral("45"));

    Tippe(fenster.edtWinkel1, QStringLiteral("400"));
    EXPECT_EQ(fenster.edtWinkel1->text(), QStringLiteral("360"));
    EXPECT_EQ(fenster.scrWinkel1->value(), 360);

    // Emptying the field brings back the last accepted angle.
    Tippe(fenster.edtWinkel1, QStringLiteral("72"));
    fenster.edtWinkel1->selectAll();
    QTest::keyClick(fenster.edtWinkel1, Qt::Key_Backspace);
    EXPECT_EQ(fenster.edtWinkel1->text(), QStringLiteral("72"));
    EXPECT_EQ(fenster.winkel1, 72);

    // The field lets three digits in and nothing else.
    Tippe(fenster.edtWinkel1, QStringLiteral("3-a1274"));
    EXPECT_EQ(fenster.edtWinkel1->text(), QStringLiteral("312"));
    EXPECT_EQ(fenster.scrWinkel1->value(), 312);

    EXPECT_TRUE(meldungen.empty());
    SetzeMeldungsHaken({});
}

TEST_F(Winkel1, KlickOhneBewegungGibtGanzeGrad)
{
    QTest::mouseClick(fenster.pntGrafik2, Qt::LeftButton, {}, Pixel(3.0f, 4.0f)); // 53.13°
    EXPECT_EQ(fenster.winkel2, 53.0f);
    EXPECT_EQ(fenster.pnlWinkel->Caption(), QStringLiteral("53° 0' 0''"));
    const QPoint frei = PolarPixel(53.0f, 6.0f);
    EXPECT_TRUE(FarbeNahe(fenster.pntGrafik2->Abbild(), frei.x(), frei.y(), farbeViolett, 1));
    EXPECT_FALSE(CursorBegrenzt());
}

TEST_F(Winkel1, KlickKnappUnterDemFestenSchenkelIstKeinWinkel)
{
    // One pixel below the x axis the direction is about 359.7 degrees; rounded it is
    // the full turn, which is the ray at 0 degrees again.
    const QPoint knappDarunter = Pixel(8.0f, 0.0f) + QPoint(0, 1);
    QTest::mouseClick(fenster.pntGrafik2, Qt::LeftButton, {}, knappDarunter);
    EXPECT_EQ(fenster.winkel2, 0.0f);
    EXPECT_EQ(fenster.pnlWinkel->Caption(), QStringLiteral("0° 0' 0''"));
    EXPECT_TRUE(ZeigtKlasse(fenster.pntGrafik2->Abbild(), QStringLiteral("Kein Winkel"), farbeHimbeer));
}

TEST_F(Winkel1, ZiehenDurchDiePositiveYAchse)
{
    // Hovering within 0.2 of the leg's end shows the hand, only there: moving
    // away or leaving the drawing brings the arrow back.
    const QPoint ende = Pixel(8.0f, 0.0f);
    Bewege(fenster.pntGrafik2, ende + QPoint(6, 0)); // 0.25 away
    EXPECT_EQ(BildschirmCursor(), crDefault);
    Bewege(fenster.pntGrafik2, ende + QPoint(4, 0)); // 0.17 away
    EXPECT_EQ(BildschirmCursor(), crHandPoint);
    Bewege(fenster.pntGrafik2, QPoint(100, 400));
    EXPECT_EQ(BildschirmCursor(), crDefault);
    EXPECT_EQ(fenster.winkel2, 0.0f); // moving without the button turns nothing
    Bewege(fenster.pntGrafik2, ende + QPoint(4, 0));
    QEvent verlassen(QEvent::Leave);
    QApplication::sendEvent(fenster.pntGrafik2, &verlassen);
    EXPECT_EQ(BildschirmCursor(), crDefault);

    QTest::mousePress(fenster.pntGrafik2, Qt::LeftButton, {}, ende);
    EXPECT_TRUE(fenster.ziehen);
    ASSERT_TRUE(CursorBegrenzt());
    EXPECT_EQ(CursorBereich(), QRect(fenster.pntGrafik2->mapToGlobal(QPoint(0, 0)), QSize(480, 480)));

    // Column 240 is world x = 0 exactly; one pixel beside it the angle is no longer right.
    QTest::mouseMove(fenster.pntGrafik2, QPoint(241, 100));
    EXPECT_EQ(BildschirmCursor(), crHandPoint) << "the hand holds the leg while it is dragged";
    EXPECT_TRUE(ZeigtKlasse(fenster.pntGrafik2->Abbild(), QStringLiteral("Spitzer Winkel"), farbeViolett));

    QTest::mouseMove(fenster.pntGrafik2, QPoint(240, 100));
    EXPECT_EQ(fenster.winkel2, 90.0f);
    EXPECT_EQ(fenster.pnlWinkel->Caption(), QStringLiteral("90° 0' 0''"));
    EXPECT_TRUE(ZeigtKlasse(fenster.pntGrafik2->Abbild(), QStringLiteral("Rechter Winkel"), farbeHimbeer));

    QTest::mouseMove(fenster.pntGrafik2, QPoint(239, 100));
    const QImage bild = fenster.pntGrafik2->Abbild();
    EXPECT_TRUE(ZeigtKlasse(bild, QStringLiteral("Stumpfer Winkel"), farbeBraun));
    // The leg keeps its length of 8 whatever the pointer's distance.
    const QPoint frei = PolarPixel(fenster.winkel2, 7.8f);
    EXPECT_TRUE(FarbeNahe(bild, frei.x(), frei.y(), farbeBraun, 1));
    // Dragged angles are not rounded.
    EXPECT_NE(fenster.winkel2, std::round(fenster.winkel2));

    QTest::mouseRelease(fenster.pntGrafik2, Qt::LeftButton, {}, QPoint(239, 100));
    EXPECT_FALSE(fenster.ziehen);
    EXPECT_FALSE(CursorBegrenzt());
    EXPECT_EQ(BildschirmCursor(), crDefault);
}

TEST_F(Winkel1, GradMinutenSekundenAbgeschnitten)
{
    int g = 0, m = 0, s = 0;
    GradInGMS(359.5f, g, m, s);
    EXPECT_EQ((std::array{g, m, s}), (std::array{359, 30, 0}));
    GradInGMS(30.5f, g, m, s);
    EXPECT_EQ((std::array{g, m, s}), (std::array{30, 30, 0}));
    GradInGMS(std::nextafter(11.0f, 0.0f), g, m, s);
    EXPECT_EQ((std::array{g, m, s}), (std::array{10, 59, 59}));

    fenster.DreheSchenkel(359.5f);
    const QImage bild = fenster.pntGrafik2->Abbild();
    EXPECT_EQ(fenster.pnlWinkel->Caption(), QStringLiteral("359° 30' 0''"));
    EXPECT_TRUE(ZeigtKlasse(bild, QStringLiteral("Erhabener Winkel"), farbeMeergruen));
}

TEST_F(Winkel1, TabErreichtLeisteUndFeld)
{
    QApplication::setActiveWindow(&fenster);
    fenster.scrWinkel1->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), fenster.scrWinkel1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), fenster.edtWinkel1);
    // The drawing whose leg turns by drag is in the Tab order too, above both.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), fenster.pntGrafik2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), fenster.scrWinkel1);
}

TEST_F(Winkel1, JedesOeffnenBeginntVonVorn)
{
    Tippe(fenster.edtWinkel1, QStringLiteral("123"));
    QTest::mouseClick(fenster.pntGrafik2, Qt::LeftButton, {}, Pixel(-3.0f, 4.0f));
    // Closed in the middle of a drag.
    QTest::mousePress(fenster.pntGrafik2, Qt::LeftButton, {}, Pixel(0.0f, -5.0f));
    ASSERT_TRUE(CursorBegrenzt());
    fenster.close();
    EXPECT_FALSE(CursorBegrenzt());

    fenster.show();
    QApplication::processEvents();
    EXPECT_EQ(fenster.winkel1, 0);
    EXPECT_EQ(fenster.scrWinkel1->value(), 0);
    EXPECT_EQ(fenster.edtWinkel1->text(), QStringLiteral("0"));
    EXPECT_EQ(fenster.lblWinkel1->text(), QStringLiteral("0°"));
    EXPECT_FALSE(fenster.ziehen);
    EXPECT_EQ(fenster.pnlWinkel->Caption(), QStringLiteral("0° 0' 0''"));
    EXPECT_EQ(BildschirmCursor(), crDefault);
    EXPECT_TRUE(ZeigtKlasse(fenster.pntGrafik1->Abbild(), QStringLiteral("Kein Winkel"), farbeHimbeer));
    EXPECT_TRUE(ZeigtKlasse(fenster.pntGrafik2->Abbild(), QStringLiteral("Kein Winkel"), farbeHimbeer));
    QTest::mouseRelease(fenster.pntGrafik2, Qt::LeftButton, {}, Pixel(0.0f, -5.0f));
}

namespace {

// A drawing's picture painted as its paint box paints it.
QImage Gemalt(const TBild& bild)
{
    QImage bildpunkte(480, 480, QImage::Format_RGB32);
    QPainter maler(&bildpunkte);
    Leinwand lw(&maler);
    BeginneZeichnung(lw, 480, 480, {-10.0f, 10.0f, -10.0f, 10.0f});
    Zeichne(lw, bild);
    maler.end();
    return bildpunkte;
}

} // namespace

TEST(Winkel1Bild, SchenkelBogenUndNamen)
{
    using namespace bild;
    SetzeFarben();
    const TWeltPunkt s{0, 0}, fest{8, 0};
    // The vertex's name comes last, centred in the font the kind's name left.
    const auto ende = [s](TFarbe farbe) {
        TBild b;
        b << TKreis{s, 0.15f, 1, clBlack, int(clBlack)}
          << TText{TTextArt::Zentriert, std::string("S"), {-0.5f, 0}, clBlack, 12, true, clBlack,
                   TSchrift{std::string("Arial"), 12, true, farbe}};
        return b;
    };
    const auto art = [](const char* text, TFarbe farbe) {
        return TText{TTextArt::Mitte, std::string(text), {0, 10}, farbe, 12, true};
    };
    const auto schenkel = [s](TWeltPunkt p, TFarbe farbe) { return TStrecke{s, p, 2, farbe, linieVoll}; };

    TBild kein; // no arc, both legs on the x axis
    kein << schenkel(fest, farbeHimbeer) << schenkel(fest, farbeHimbeer) << art("Kein Winkel", farbeHimbeer)
         << ende(farbeHimbeer);
    TBild recht;
    recht << TBogen{s, 3, 0, 90, 2, farbeHimbeer} << schenkel(fest, farbeHimbeer)
          << schenkel(Polar(s, 90, 8), farbeHimbeer) << art("Rechter Winkel", farbeHimbeer) << ende(farbeHimbeer);
    TBild erhaben; // the right drawing's angle is not rounded
    erhaben << TBogen{s, 3, 0, 359.5f, 2, farbeMeergruen} << schenkel(fest, farbeMeergruen)
            << schenkel(Polar(s, 359.5f, 8), farbeMeergruen) << art("Erhabener Winkel", farbeMeergruen)
            << ende(farbeMeergruen);

    EXPECT_EQ(ErsterUnterschied(kein, Winkel1BildLinks(0, s, fest, fest)), "");
    EXPECT_EQ(ErsterUnterschied(recht, Winkel1BildLinks(90, s, fest, Polar(s, 90, 8))), "");
    EXPECT_EQ(ErsterUnterschied(erhaben, Winkel1BildRechts(359.5f, s, fest, Polar(s, 359.5f, 8))), "");
}

TEST_F(Winkel1, ZeichnungenZeigenIhrBildUndLassenDasPanelInRuhe)
{
    Tippe(fenster.edtWinkel1, QStringLiteral("123"));
    QTest::mousePress(fenster.pntGrafik2, Qt::LeftButton, {}, Pixel(8.0f, 0.0f));
    QTest::mouseMove(fenster.pntGrafik2, Pixel(-3.0f, -4.0f));
    QTest::mouseRelease(fenster.pntGrafik2, Qt::LeftButton, {}, Pixel(-3.0f, -4.0f));
    const TfrmWinkel1& f = fenster;
    EXPECT_EQ(f.frei1, Polar(f.s, 123, 8));
    EXPECT_EQ(f.frei2, Polar(f.s, f.winkel2, 8));
    EXPECT_EQ(GroessteAbweichung(f.pntGrafik1->Abbild(), Gemalt(Winkel1BildLinks(123, f.s, f.fest1, f.frei1))), 0);
    EXPECT_EQ(GroessteAbweichung(f.pntGrafik2->Abbild(), Gemalt(Winkel1BildRechts(f.winkel2, f.s, f.fest2, f.frei2))),
              0);

    // Painting only draws: the panel was set where the leg turned.
    fenster.pnlWinkel->SetzeCaption(QStringLiteral("x"));
    fenster.pntGrafik2->repaint();
    EXPECT_EQ(fenster.pnlWinkel->Caption(), QStringLiteral("x"));
}
