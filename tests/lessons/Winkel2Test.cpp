// The angle-transfer window: the six steps for sum and difference, the rule
// that keeps the result within a full turn, the repeat control, and the
// edit fields' silent corrections, and the construction as a picture.
#include "lessons/Winkel2U.h"

#include "TestHilfen.h"
#include "app/Plattform.h"
#include "draw/Primitive.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"
#include "draw/PolKartU.h"
#include "draw/SchriftU.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cmath>

using namespace testhilfen;

namespace {

// Pixel of a world point in the 1000 x 480 drawing (-20..20, -10..10).
QPoint Pixel(float x, float y)
{
    SetzeWeltfenster(0, 1000, 0, 480, -20.0f, 20.0f, -10.0f, 10.0f);
    int px = 0, py = 0;
    WeltZuPixel(x, y, px, py);
    return {px, py};
}

// Pixel at `winkel` degrees and distance r from a vertex.
QPoint Um(float sx, float winkel, float r)
{
    const float b = winkel * float(M_PI) / 180.0f;
    return Pixel(sx + r * std::cos(b), r * std::sin(b));
}

constexpr float s1 = 10.0f;  // vertex of angle 1
constexpr float s2 = -10.0f; // vertex of angle 2
constexpr float zirkel = 6.75f;

// Types over the field's text and finishes the entry with Return.
void Tippe(QLineEdit* feld, const QString& text)
{
    feld->selectAll();
    QTest::keyClicks(feld, text);
    QTest::keyClick(feld, Qt::Key_Return);
}

class Winkel2 : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetzeMeldungsHaken([this](const QString& t) { meldungen.push_back(t); });
        fenster.show();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        fenster.close();
        EXPECT_TRUE(meldungen.empty());
        SetzeMeldungsHaken({});
    }

    void Vor(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            QTest::mouseClick(fenster.UpDown->PfeilRechts(), Qt::LeftButton);
    }
    void Zurueck() { QTest::mouseClick(fenster.UpDown->PfeilLinks(), Qt::LeftButton); }
    void WaehleArt(int index) { QTest::mouseClick(fenster.grpArt->Knopf(index), Qt::LeftButton); }
    bool EingabenSichtbar() const
    {
        return fenster.scrWinkel1->isVisible() && fenster.scrWinkel2->isVisible() && fenster.edtWinkel1->isVisible()
            && fenster.edtWinkel2->isVisible();
    }
    bool EingabenVerborgen() const
    {
        return !fenster.scrWinkel1->isVisible() && !fenster.scrWinkel2->isVisible()
            && !fenster.edtWinkel1->isVisible() && !fenster.edtWinkel2->isVisible();
    }

    TfrmWinkel2 fenster;
    std::vector<QString> meldungen;
};

} // namespace

TEST_F(Winkel2, AdditionInSechsSchritten)
{
    const char* texte[] = {
        "Verändere die Winkel mit den Bildlaufleisten oder trage die Winkel in die Eingabefeld ein.",
        "Zeichne um den Scheitel des 1.Winkels einen Kreisbogen.",
        "Zeichne um den Scheitel des 2.Winkels einen gleich großen, verlängerten Kreisbogen.",
        "Nimm die Sehne beim 1.Keisbogen in den Zirkel.",
        "Trage diese Sehne beim 2.Keisbogen ab.",
        "Verbinde den Scheitel mit dem neuen Endpunkt am Kreisbogen.",
        "Die Summe der Winkel beträgt 65°",
    };
    EXPECT_EQ(fenster.lblStatus->text(), QString::fromUtf8(texte[0]));
    for (int schritt = 1; schritt <= 6; ++schritt) {
        SCOPED_TRACE(schritt);
        Vor();
        EXPECT_EQ(fenster.Schritt, schritt);
        EXPECT_EQ(fenster.lblSchritte->text(), QString::number(schritt));
        EXPECT_EQ(fenster.lblStatus->text(), QString::fromUtf8(texte[schritt]));
        EXPECT_EQ(EingabenVerborgen(), schritt < 6);
        EXPECT_EQ(fenster.grpArt->isEnabled(), schritt == 6);
    }
    EXPECT_TRUE(EingabenSichtbar());
    EXPECT_TRUE(fenster.btnWH->isEnabled());

    const QImage bild = fenster.pntGrafik->Abbild();
    const auto nahe = [&](QPoint p, TFarbe f) { return FarbeNahe(bild, p.x(), p.y(), f, 2); };
    EXPECT_TRUE(nahe(Um(s1, -5.0f, zirkel), clBlack));      // arc 1 from -10° to 35°
    EXPECT_TRUE(nahe(Um(s2, 70.0f, zirkel), clBlack));      // arc 2 to 75° only
    EXPECT_FALSE(nahe(Um(s2, 80.0f, zirkel), clBlack));
    EXPECT_TRUE(nahe(Um(s2, 65.0f, 7.0f), farbeMeergruen)); // the new leg at 65°
    EXPECT_TRUE(nahe(Um(s2, 20.0f, 8.1f), farbeBraun));     // result arc 0..65
    EXPECT_FALSE(nahe(Um(s2, 80.0f, 8.1f), farbeBraun));
    EXPECT_TRUE(nahe(Um(s2, 32.5f, 9.45f), farbeBraun));    // "65°" in the direction 32.5°
    EXPECT_FALSE(nahe(Um(s2, 60.0f, 9.45f), farbeBraun));
    const QPoint a = Um(s2, 40.0f, zirkel), b = Um(s2, 65.0f, zirkel);
    EXPECT_TRUE(nahe((a + b) / 2, farbeHimbeer));           // the chord marked off

    // Going back draws less: step 5 has no result arc.
    Zurueck();
    const QImage fuenf = fenster.pntGrafik->Abbild();
    const QPoint r = Um(s2, 20.0f, 8.1f);
    EXPECT_FALSE(FarbeNahe(fuenf, r.x(), r.y(), farbeBraun, 2));
    EXPECT_TRUE(fenster.btnWH->isEnabled()); // stays until pressed or an input changes
}

TEST_F(Winkel2, RegelDerAdditionUndVollkreise)
{
    fenster.scrWinkel1->setValue(350);
    EXPECT_EQ(fenster.winkelEins, 320);
    EXPECT_EQ(fenster.scrWinkel1->value(), 320);
    EXPECT_EQ(fenster.edtWinkel1->text(), QStringLiteral("320"));

    Vor(2);
    // 360 + 10 is not below 350: arc 2 is the whole circle.
    const QImage zwei = fenster.pntGrafik->Abbild();
    const QPoint unten = Um(s2, 270.0f, zirkel);
    EXPECT_TRUE(FarbeNahe(zwei, unten.x(), unten.y(), clBlack, 2));
    Vor(4);
    EXPECT_EQ(fenster.lblStatus->text(), QStringLiteral("Die Summe der Winkel beträgt 360°"));
    const QImage sechs = fenster.pntGrafik->Abbild();
    const QPoint ergebnis = Um(s2, 200.0f, 8.1f);
    EXPECT_TRUE(FarbeNahe(sechs, ergebnis.x(), ergebnis.y(), farbeBraun, 2));

    // The label "360°" belongs 0.55 units inside the left edge, less than half
    // its width: it is moved inward and shown whole, left of the result arc.
    QImage allein = WeissesBild(200, 100);
    QPainter maler(&allein);
    Leinwand lw(&maler);
    lw.pinsel.stil = bsClear;
    SchreibeText(lw, QStringLiteral("360°"), 50, 30, 14, true, farbeBraun);
    EXPECT_EQ(ZaehleFarbe(sechs, farbeBraun, QRect(0, 200, 45, 80)), ZaehleFarbe(allein, farbeBraun));
    EXPECT_GT(ZaehleFarbe(sechs, farbeBraun, QRect(0, 200, 3, 80)), 0) << "moved no further than needed";
}

TEST_F(Winkel2, BogenUmDenErstenScheitelOhneVollkreisRegel)
{
    fenster.scrWinkel2->setValue(10);
    fenster.scrWinkel1->setValue(340); // -10° and 350° are the same ray: the whole circle
    Vor();
    QImage bild = fenster.pntGrafik->Abbild();
    QPoint links = Um(s1, 180.0f, zirkel);
    EXPECT_TRUE(FarbeNahe(bild, links.x(), links.y(), clBlack, 2));

    Zurueck();
    fenster.scrWinkel1->setValue(345); // only the short piece from -10° to 355°
    Vor();
    bild = fenster.pntGrafik->Abbild();
    EXPECT_FALSE(FarbeNahe(bild, links.x(), links.y(), clBlack, 2));
    const QPoint kurz = Um(s1, -5.0f, zirkel);
    EXPECT_TRUE(FarbeNahe(bild, kurz.x(), kurz.y(), clBlack, 2));
}

TEST_F(Winkel2, RegelDerSubtraktion)
{
    WaehleArt(1);
    EXPECT_EQ(fenster.art, 2);
    EXPECT_EQ(fenster.lblUeb->text(), QStringLiteral("Übertragen von Winkeln: Subtraktion"));
    fenster.scrWinkel1->setValue(50);
    EXPECT_EQ(fenster.winkelEins, 40);
    fenster.scrWinkel1->setValue(25);
    fenster.scrWinkel2->setValue(10);
    EXPECT_EQ(fenster.winkelZwei, 25);
    EXPECT_EQ(fenster.edtWinkel2->text(), QStringLiteral("25"));

    fenster.scrWinkel2->setValue(40);
    Vor(2);
    EXPECT_EQ(fenster.lblStatus->text(),
              QStringLiteral("Zeichne um den Scheitel des 2.Winkels einen gleich großen Kreisbogen."));
    Vor(4);
    EXPECT_EQ(fenster.lblStatus->text(), QStringLiteral("Die Differenz der Winkel beträgt 15°"));
}

TEST_F(Winkel2, DifferenzNullHatKeinenBogen)
{
    WaehleArt(1);
    fenster.scrWinkel1->setValue(40); // equal to angle 2
    Vor(6);
    EXPECT_EQ(fenster.lblStatus->text(), QStringLiteral("Die Differenz der Winkel beträgt 0°"));
    const QImage bild = fenster.pntGrafik->Abbild();
    const QPoint unten = Um(s2, 270.0f, 8.1f);
    EXPECT_FALSE(FarbeNahe(bild, unten.x(), unten.y(), farbeBraun, 3));
}

TEST_F(Winkel2, ArtwechselBehaeltDieWinkel)
{
    WaehleArt(1);
    fenster.scrWinkel2->setValue(300);
    fenster.scrWinkel1->setValue(200);
    ASSERT_EQ(fenster.winkelEins, 200);
    ASSERT_EQ(fenster.winkelZwei, 300);
    Vor(3);
    WaehleArt(0); // not possible mid-construction: the group is locked
    EXPECT_EQ(fenster.art, 2);
    Zurueck();
    Zurueck();
    Zurueck();
    WaehleArt(0);
    EXPECT_EQ(fenster.art, 1);
    EXPECT_EQ(fenster.winkelEins, 200);
    EXPECT_EQ(fenster.winkelZwei, 300);
    Vor(6);
    EXPECT_EQ(fenster.lblStatus->text(), QStringLiteral("Die Summe der Winkel beträgt 500°"));
    // The ray at 500° is the ray at 140°: the result arc spans 140°.
    const QImage bild = fenster.pntGrafik->Abbild();
    const QPoint innen = Um(s2, 100.0f, 8.1f), aussen = Um(s2, 200.0f, 8.1f);
    EXPECT_TRUE(FarbeNahe(bild, innen.x(), innen.y(), farbeBraun, 2));
    EXPECT_FALSE(FarbeNahe(bild, aussen.x(), aussen.y(), farbeBraun, 2));
    // The next change applies the rule.
    fenster.scrWinkel1->setValue(201);
    EXPECT_EQ(fenster.winkelEins, 60);
}

TEST_F(Winkel2, FelderKorrigierenStill)
{
    Tippe(fenster.edtWinkel1, QStringLiteral("500"));
    EXPECT_EQ(fenster.edtWinkel1->text(), QStringLiteral("320"));
    EXPECT_EQ(fenster.scrWinkel1->value(), 320);

    Tippe(fenster.edtWinkel2, QStringLiteral("045"));
    EXPECT_EQ(fenster.winkelZwei, 40); // 320 + 45 would pass 360
    EXPECT_EQ(fenster.edtWinkel2->text(), QStringLiteral("40"));

    Tippe(fenster.edtWinkel1, QStringLiteral("7"));
    fenster.edtWinkel1->selectAll();
    QTest::keyClick(fenster.edtWinkel1, Qt::Key_Delete);
    EXPECT_EQ(fenster.edtWinkel1->text(), QStringLiteral("7"));

    // Both fields filter: three digits at most, and nothing but digits.
    Tippe(fenster.edtWinkel1, QStringLiteral("99999999999"));
    EXPECT_EQ(fenster.edtWinkel1->text(), QStringLiteral("320"));
    QApplication::clipboard()->setText(QStringLiteral("-1 5"));
    fenster.edtWinkel2->selectAll();
    QTest::keyClick(fenster.edtWinkel2, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(fenster.edtWinkel2->text(), QStringLiteral("15"));
    QTest::keyClick(fenster.edtWinkel2, Qt::Key_Return);
    EXPECT_EQ(fenster.winkelZwei, 15);
}

TEST_F(Winkel2, ZiffernweiseTippenRegelErstAmEnde)
{
    // Subtraction with angle 1 at 25: "1" and "10" break the rule, yet the
    // field keeps the digits until the entry is finished.
    WaehleArt(1);
    QApplication::setActiveWindow(&fenster);
    fenster.edtWinkel2->setFocus();
    fenster.edtWinkel2->selectAll();
    QTest::keyClicks(fenster.edtWinkel2, QStringLiteral("100"));
    EXPECT_EQ(fenster.edtWinkel2->text(), QStringLiteral("100"));
    EXPECT_EQ(fenster.winkelZwei, 40) << "not taken before the entry is finished";
    QTest::keyClick(fenster.edtWinkel2, Qt::Key_Return);
    EXPECT_EQ(fenster.winkelZwei, 100);
    // Tab finishes too; the rule corrects the finished entry everywhere.
    fenster.edtWinkel2->selectAll();
    QTest::keyClicks(fenster.edtWinkel2, QStringLiteral("10"));
    QTest::keyClick(fenster.edtWinkel2, Qt::Key_Tab);
    EXPECT_EQ(fenster.winkelZwei, 25);
    EXPECT_EQ(fenster.edtWinkel2->text(), QStringLiteral("25"));
    EXPECT_EQ(fenster.scrWinkel2->value(), 25);
    EXPECT_EQ(fenster.lblWinkel2->text(), QStringLiteral("25°"));
}

TEST_F(Winkel2, Wiederholen)
{
    Vor(6);
    ASSERT_TRUE(fenster.btnWH->isEnabled());
    QTest::mouseClick(fenster.btnWH, Qt::LeftButton);
    EXPECT_EQ(fenster.UpDown->Position(), 0);
    EXPECT_EQ(fenster.lblSchritte->text(), QStringLiteral("0"));
    EXPECT_FALSE(fenster.btnWH->isEnabled());
    EXPECT_TRUE(EingabenVerborgen());
    EXPECT_FALSE(fenster.grpArt->isEnabled());
    EXPECT_EQ(fenster.winkelEins, 25);

    // Locked through the steps; back to 0 from step 1 unlocks.
    Vor();
    EXPECT_TRUE(EingabenVerborgen());
    Zurueck();
    EXPECT_TRUE(EingabenSichtbar());
    EXPECT_TRUE(fenster.grpArt->isEnabled());

    // Reaching step 6 unlocks as well.
    Vor(6);
    QTest::mouseClick(fenster.btnWH, Qt::LeftButton);
    Vor(6);
    EXPECT_TRUE(EingabenSichtbar());
    EXPECT_TRUE(fenster.btnWH->isEnabled());

    // A scroll bar at step 6 returns to step 0 and leaves the button enabled ...
    QTest::keyClick(fenster.scrWinkel1, Qt::Key_Right);
    EXPECT_EQ(fenster.winkelEins, 26);
    EXPECT_EQ(fenster.Schritt, 0);
    EXPECT_TRUE(fenster.btnWH->isEnabled());
    // ... and pressing it hides the inputs at step 0.
    QTest::mouseClick(fenster.btnWH, Qt::LeftButton);
    EXPECT_TRUE(EingabenVerborgen());

    // Typing into a field does disable the button.
    Zurueck(); // at 0 already: nothing happens
    EXPECT_TRUE(EingabenVerborgen());
    Vor(6);
    Tippe(fenster.edtWinkel1, QStringLiteral("30"));
    EXPECT_FALSE(fenster.btnWH->isEnabled());
    EXPECT_EQ(fenster.Schritt, 0);
}

TEST_F(Winkel2, TastaturErreichtAlleEingaben)
{
    QApplication::setActiveWindow(&fenster);
    fenster.scrWinkel2->setFocus(Qt::TabFocusReason);
    QWidget* erwartet[] = {fenster.edtWinkel2, fenster.scrWinkel1, fenster.edtWinkel1};
    for (QWidget* w : erwartet) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), w);
    }
    // Page Down / Page Up move the steps, but a field and a scroll bar keep those keys.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(fenster.Schritt, 0);
    fenster.scrWinkel1->setFocus();
    QTest::keyClick(fenster.scrWinkel1, Qt::Key_PageDown);
    EXPECT_EQ(fenster.Schritt, 0);
    fenster.UpDown->setFocus();
    QTest::keyClick(fenster.UpDown, Qt::Key_PageDown);
    EXPECT_EQ(fenster.Schritt, 1);
    QTest::keyClick(&fenster, Qt::Key_PageUp);
    EXPECT_EQ(fenster.Schritt, 0);
}

TEST_F(Winkel2, JedesOeffnenBeginntVonVorn)
{
    WaehleArt(1);
    fenster.scrWinkel2->setValue(350);
    fenster.scrWinkel1->setValue(10);
    Vor(6);
    QTest::mouseClick(fenster.btnWH, Qt::LeftButton);
    Vor(3);
    fenster.close();

    // Opened again: addition, 25 and 40 (the last visit's angles must not pull
    // the start values through the rule), step 0, everything unlocked.
    fenster.show();
    QApplication::processEvents();
    EXPECT_EQ(fenster.art, 1);
    EXPECT_EQ(fenster.grpArt->ItemIndex(), 0);
    EXPECT_TRUE(fenster.grpArt->isEnabled());
    EXPECT_EQ(fenster.winkelEins, 25);
    EXPECT_EQ(fenster.winkelZwei, 40);
    EXPECT_EQ(fenster.scrWinkel2->value(), 40);
    EXPECT_EQ(fenster.edtWinkel1->text(), QStringLiteral("25"));
    EXPECT_EQ(fenster.lblWinkel2->text(), QStringLiteral("40°"));
    EXPECT_EQ(fenster.UpDown->Position(), 0);
    EXPECT_EQ(fenster.lblSchritte->text(), QStringLiteral("0"));
    EXPECT_FALSE(fenster.btnWH->isEnabled());
    EXPECT_TRUE(EingabenSichtbar());
    EXPECT_EQ(fenster.lblUeb->text(), QStringLiteral("Übertragen von Winkeln: Addition"));
}

TEST(Winkel2Bild, SchritteAlsBild)
{
    using namespace bild;
    SetzeFarben();
    const TWinkelFigur eins{{10, 0}, {19, 0}, Polar({10, 0}, 25, 9)};
    const TWinkelFigur zwei{{-10, 0}, {-1, 0}, Polar({-10, 0}, 40, 9)};
    const TWeltPunkt s1 = eins.s, s2 = zwei.s;
    const auto linie = [](TWeltPunkt p, TWeltPunkt q, int breite, TFarbe farbe) {
        return TStrecke{p, q, breite, farbe, linieVoll};
    };
    const auto name = [](float x, TSchrift mass) {
        return TText{TTextArt::Zentriert, std::string("S"), {x, 0}, clBlack, 12, true, clBlack, mass};
    };
    TBild winkel; // the two angles of every step
    winkel << linie(s1, eins.fest, 2, farbeMeergruen) << linie(s1, eins.frei, 2, farbeMeergruen)
           << linie(s2, zwei.fest, 2, farbeViolett) << linie(s2, zwei.frei, 2, farbeViolett);

    TBild start = winkel;
    start << name(9.5f, {}) << name(-10.5f, {});
    // The sum 25 + 40 at the end, its arc and size 0.9 and 1.05 legs from S2
    // (rounded as floats); the vertex name after the size is measured in its font.
    TBild summe = winkel;
    summe << TBogen{s1, 6.75f, -10, 35, 1, clBlack} << TBogen{s2, 6.75f, -10, 75, 1, clBlack}
          << linie(Polar(s1, 0, 6.75f), Polar(s1, 25, 6.75f), 3, farbeHimbeer)
          << linie(Polar(s2, 40, 6.75f), Polar(s2, 65, 6.75f), 3, farbeHimbeer)
          << linie(s2, Polar(s2, 65, 9), 2, farbeMeergruen) << TBogen{s2, 0.9f * 9, 0, 65, 2, farbeBraun}
          << TText{TTextArt::Zentriert, std::string("65°"), Polar(s2, 32.5f, 1.05f * 9), farbeBraun, 14, true}
          << name(9.5f, {std::string("Arial"), 14, true, farbeBraun}) << name(-10.5f, {});

    EXPECT_EQ(ErsterUnterschied(start, Winkel2Bild(0, 1, 25, 40, 9, eins, zwei)), "");
    EXPECT_EQ(ErsterUnterschied(summe, Winkel2Bild(6, 1, 25, 40, 9, eins, zwei)), "");
}

TEST_F(Winkel2, ZeichnungZeigtIhrBildUndLaesstDieAnweisungInRuhe)
{
    WaehleArt(1);
    fenster.scrWinkel1->setValue(15);
    Vor(6);
    const TfrmWinkel2& f = fenster;
    EXPECT_EQ(f.eins.frei, Polar(f.eins.s, 15, 9));
    EXPECT_EQ(f.zwei.frei, Polar(f.zwei.s, 40, 9));
    QImage gemalt(1000, 480, QImage::Format_RGB32);
    QPainter maler(&gemalt);
    Leinwand lw(&maler);
    BeginneZeichnung(lw, 1000, 480, {-20.0f, 20.0f, -10.0f, 10.0f});
    Zeichne(lw, Winkel2Bild(6, 2, 15, 40, 9, f.eins, f.zwei));
    maler.end();
    EXPECT_EQ(GroessteAbweichung(fenster.pntGrafik->Abbild(), gemalt), 0);

    // Painting only draws: the instruction was set by the step control.
    fenster.lblStatus->setText(QStringLiteral("x"));
    fenster.pntGrafik->repaint();
    EXPECT_EQ(fenster.lblStatus->text(), QStringLiteral("x"));
}
