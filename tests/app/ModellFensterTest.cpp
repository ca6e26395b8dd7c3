// The one window for every lesson model, with "Spiegeln" as its lesson: what
// only the real window shows — controls built at their places and bound to
// the model, pixels of a drawing, pointer conversion, messages, repaints.
#include "app/ModellFenster.h"

#include "TestHilfen.h"
#include "app/Plattform.h"
#include "app/Steuerelemente.h"
#include "app/Vorlesen.h"
#include "draw/Leinwand.h"
#include "draw/SchriftU.h"
#include "lessons/Symmetrie1Modell.h"
#include "lessons/Winkel1Modell.h"
#include "lessons/Winkel2Modell.h"
#include "lessons/Winkel3Modell.h"
#include "lessons/Symmetrie2Modell.h"

#include <QApplication>
#include <QPainter>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class ModellFensterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetzeMeldungsHaken([this](const QString& text) { meldungen << text; });
        w = std::make_unique<TModellFenster>(std::make_unique<symmetrie1::TSymmetrie1>());
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        const auto zeichne = box()->OnPaint;
        box()->OnPaint = [this, zeichne] { ++neuGezeichnet; zeichne(); };
    }
    void TearDown() override { SetzeMeldungsHaken({}); }

    TPaintBox* box() const { return w->Zeichnung(0); }
    int steuer(const char* name) const { return w->Modell().Steuer(name); }
    const symmetrie1::TZustand& zustand() const { return w->Modell<symmetrie1::TSymmetrie1>().zustand; }
    void Klick(QPoint p) { QTest::mouseClick(box(), Qt::LeftButton, {}, p); }

    std::unique_ptr<TModellFenster> w;
    QStringList meldungen;
    int neuGezeichnet = 0;
};

} // namespace

TEST_F(ModellFensterTest, ZeichnungPixelUndZeigerInWelteinheiten)
{
    EXPECT_EQ(box()->geometry(), QRect(7, 90, 1000, 480));
    EXPECT_EQ(box()->accessibleName(), QStringLiteral("Zeichnung"));
    // The dotted frame; the outline leaves out the last column, as the window system's does.
    const QImage bild = box()->Abbild();
    EXPECT_GT(testhilfen::ZaehleFarbe(bild, 0xFF0000, QRect(25, 24, 1, 432)), 100);
    EXPECT_GT(testhilfen::ZaehleFarbe(bild, 0xFF0000, QRect(974, 24, 1, 432)), 100);
    EXPECT_EQ(testhilfen::ZaehleFarbe(bild, 0xFF0000, QRect(28, 28, 944, 424)), 0);

    // x = -19 at column 25 is outside: a message, no repaint.
    neuGezeichnet = 0;
    Klick({25, 240});
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Der Punkt liegt nicht innerhab der Markierung!")});
    EXPECT_EQ(neuGezeichnet, 0);
    Klick({26, 25});
    EXPECT_FLOAT_EQ(zustand().punkte[1].x, -18.96f);
    EXPECT_FLOAT_EQ(zustand().punkte[1].y, 215.0f / 24);
    EXPECT_EQ(neuGezeichnet, 1);
    EXPECT_TRUE(testhilfen::FarbeNahe(box()->Abbild(), 26, 25, palette::violett, 1));
}

TEST_F(ModellFensterTest, SteuerelementeFolgenDemModell)
{
    auto* anzahl = w->Radiogruppe(steuer("grpAnzahl"));
    TUpDown* schritte = w->UpDown(steuer("grpSchritt"));
    QPushButton* ja = w->Knopf(steuer("grpWH"));
    EXPECT_EQ(anzahl->geometry(), QRect(4, 575, 230, 75));
    EXPECT_EQ(anzahl->title(), QStringLiteral(" Markierungen "));
    EXPECT_FALSE(w->Steuerelement(steuer("grpSchritt"))->isVisibleTo(w.get()));
    EXPECT_FALSE(ja->isEnabled());

    QTest::mouseClick(anzahl->Knopf(1), Qt::LeftButton); // a radio item
    EXPECT_EQ(zustand().anzahlPunkte, 3);
    for (QPoint p : {QPoint(300, 200), QPoint(400, 300), QPoint(350, 100)})
        Klick(p);
    EXPECT_TRUE(w->Steuerelement(steuer("grpSchritt"))->isVisible());
    EXPECT_EQ(w->BildTitel(), QStringLiteral("Spiegeln – Schritt 0"));

    // The Page keys move the one step control, as the model says it can be used.
    for (Qt::Key taste : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp})
        QTest::keyClick(w.get(), taste);
    EXPECT_EQ(zustand().Schritt, 1);
    EXPECT_EQ(w->BildTitel(), QStringLiteral("Spiegeln – Schritt 1"));
    for (int i = 0; i < 3; ++i) // the step control's arrow
        QTest::mouseClick(schritte->PfeilRechts(), Qt::LeftButton);
    EXPECT_EQ(zustand().Schritt, 4);
    EXPECT_EQ(w->AktuelleAnweisung(), QStringLiteral("Verbinde die gespiegelten Punkte durch Strecke."));
    EXPECT_TRUE(ja->isEnabled());
    QTest::mouseClick(ja, Qt::LeftButton); // the button of a group
    EXPECT_EQ(schritte->Position(), 0);
    EXPECT_FALSE(anzahl->isEnabled());
    EXPECT_FALSE(ja->isEnabled());

    // Opening again starts afresh.
    w->hide();
    w->show();
    EXPECT_EQ(anzahl->ItemIndex(), 0);
    EXPECT_TRUE(anzahl->isEnabled());
    EXPECT_EQ(w->BildTitel(), QStringLiteral("Spiegeln"));
}

// Scroll bar, edit field, panel and dragging, with "Arten von Winkeln".
TEST(ModellFensterZiehen, FeldLeistePanelUndZeiger)
{
    SetzeMeldungsHaken([](const QString& text) { ADD_FAILURE() << text.toStdString(); });
    TModellFenster w(std::make_unique<winkel1::TWinkel1>());
    w.show();
    QLineEdit* feld = w.Feld(1);
    EXPECT_EQ(feld->geometry(), QRect(15, 25, 120, 27));
    EXPECT_EQ(w.Leiste(0)->geometry(), QRect(15, 25, 120, 24));
    feld->selectAll();
    QTest::keyClicks(feld, QStringLiteral("3-a1274")); // three digits and nothing else
    EXPECT_EQ(feld->text(), QStringLiteral("312"));
    EXPECT_EQ(w.Leiste(0)->value(), 312);
    feld->selectAll();
    QTest::keyClicks(feld, QStringLiteral("400")); // corrected at once, silently
    EXPECT_EQ(feld->text(), QStringLiteral("360"));
    w.Leiste(0)->setValue(7);
    EXPECT_EQ(feld->text(), QStringLiteral("7"));

    TPaintBox* box = w.Zeichnung(1);
    QMouseEvent schweben(QEvent::MouseMove, QPointF(436, 240), QPointF(box->mapToGlobal(QPoint(436, 240))),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(box, &schweben); // 0.17 from the leg's end
    EXPECT_EQ(BildschirmCursor(), crHandPoint);
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(240, 100));
    ASSERT_TRUE(CursorBegrenzt());
    EXPECT_EQ(CursorBereich(), QRect(box->mapToGlobal(QPoint(0, 0)), QSize(480, 480)));
    EXPECT_EQ(w.Panel(2)->Caption(), QStringLiteral("90° 0' 0''"));
    w.close(); // in the middle of a drag
    EXPECT_FALSE(CursorBegrenzt());
    w.show();
    EXPECT_EQ(feld->text(), QStringLiteral("0"));
    EXPECT_EQ(w.Panel(2)->Caption(), QStringLiteral("0° 0' 0''"));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(240, 100));
    EXPECT_FALSE(CursorBegrenzt());
    EXPECT_EQ(BildschirmCursor(), crDefault);
    SetzeMeldungsHaken({});
}

// The keyboard pointer says its place as it moves; its drag holds only itself,
// and a mouse press ends it before acting.
TEST(ModellFensterZiehen, TastenZeigerSagtDenOrtUndLaesstDieMausFrei)
{
    QStringList angesagt;
    SetzeAnsageHaken([&](const QString& text) { angesagt << text; });
    TModellFenster w(std::make_unique<winkel1::TWinkel1>());
    w.show();
    QApplication::setActiveWindow(&w);
    TPaintBox* box = w.Zeichnung(1);
    box->setFocus(Qt::TabFocusReason);
    for (Qt::Key taste : {Qt::Key_Right, Qt::Key_Space, Qt::Key_Up}) // from 36 pixels up right of the middle
        QTest::keyClick(box, taste);
    EXPECT_EQ(angesagt.value(0), QStringLiteral("(1,9|1,5), Winkel 38°"));
    EXPECT_TRUE(box->TasteGedrueckt());
    EXPECT_FALSE(CursorBegrenzt()) << "a drag by keys confined the mouse";
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(240, 100));
    EXPECT_FALSE(box->TasteGedrueckt());
    EXPECT_EQ(w.Panel(2)->Caption(), QStringLiteral("90° 0' 0''"));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(240, 100));
    EXPECT_FALSE(CursorBegrenzt());
    SetzeAnsageHaken({});
}

TEST(ModellFenster, UpDownWartetInSeinerGruppe)
{
    // "Symmetralen": the step group shows from the start, its control waits for the points.
    TModellFenster w(std::make_unique<symmetrie2::TSymmetrie2>());
    w.show();
    const int schritte = w.Modell().Steuer("grpSchritt1");
    EXPECT_TRUE(w.Steuerelement(schritte)->isEnabled());
    EXPECT_FALSE(w.UpDown(schritte)->isEnabled());
    for (QPoint p : {QPoint(200, 240), QPoint(300, 240)})
        QTest::mouseClick(w.Zeichnung(0), Qt::LeftButton, {}, p);
    EXPECT_TRUE(w.UpDown(schritte)->isEnabled());
    EXPECT_FALSE(w.UpDown(w.Modell().Steuer("grpSchritt2"))->isEnabled());
}

// A scroll bar with an edit field in its group, with "Übertragung von Winkeln":
// the entry is taken when finished, the inputs hide under their label, Tab
// runs through both groups, and a size at the drawing's edge is shown whole.
TEST(ModellFensterLeisteMitFeld, FertigeEingabeVerbergenUndTab)
{
    SetzeMeldungsHaken([](const QString& text) { ADD_FAILURE() << text.toStdString(); });
    TModellFenster w(std::make_unique<winkel2::TWinkel2>());
    w.show();
    QApplication::setActiveWindow(&w);
    QScrollBar* leiste2 = w.Leiste(1);
    QLineEdit* feld2 = w.Feld(1);
    EXPECT_EQ(feld2->geometry(), QRect(180, 25, 60, 27));
    feld2->setFocus();
    feld2->selectAll();
    QTest::keyClicks(feld2, QStringLiteral("1-a0 05"));
    EXPECT_EQ(feld2->text(), QStringLiteral("100"));
    EXPECT_EQ(leiste2->value(), 40);
    QTest::keyClick(feld2, Qt::Key_Tab); // finishes and goes on
    EXPECT_EQ(leiste2->value(), 100);
    QWidget* folge[] = {w.Leiste(2), w.Feld(2)};
    for (QWidget* naechstes : folge) {
        EXPECT_EQ(QApplication::focusWidget(), naechstes);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown); // the field's and scroll bar's own key
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(w.Feld(2)->text(), QStringLiteral("35"));
    EXPECT_EQ(w.Modell<winkel2::TWinkel2>().zustand.Schritt, 0);

    w.Leiste(2)->setValue(320); // the sum is a full turn
    w.UpDown(3)->KlickRechts();
    EXPECT_FALSE(leiste2->isVisible() || feld2->isVisible());
    EXPECT_TRUE(w.Steuerelement(1)->isVisible());
    for (int i = 0; i < 5; ++i)
        w.UpDown(3)->KlickRechts();
    EXPECT_TRUE(leiste2->isVisible() && feld2->isVisible());
    // "360°" belongs 0.55 units inside the left edge, less than half its width:
    // it is moved inward and shown whole.
    const QImage sechs = w.Zeichnung(0)->Abbild();
    QImage allein = testhilfen::WeissesBild(200, 100);
    QPainter maler(&allein);
    Leinwand lw(&maler);
    lw.pinsel.stil = bsClear;
    SchreibeText(lw, "360°", 50, 30, 14, true, palette::braun);
    EXPECT_EQ(testhilfen::ZaehleFarbe(sechs, palette::braun, QRect(0, 200, 45, 80)),
              testhilfen::ZaehleFarbe(allein, palette::braun));
    EXPECT_GT(testhilfen::ZaehleFarbe(sechs, palette::braun, QRect(0, 200, 3, 80)), 0);
    SetzeMeldungsHaken({});
}

// Panels in a group, a hidden instruction panel, menu items and the drag
// bands as pixels, with "Parallelwinkeln".
TEST(ModellFensterPanelsUndBand, ParallelWinkeln)
{
    TModellFenster w(std::make_unique<winkel3::TWinkel3>());
    w.show();
    const lektion::TLektion& m = w.Modell();
    TPanel* panel = w.Panel(m.Steuer("pnlRW2"));
    EXPECT_EQ(panel->parentWidget(), w.Steuerelement(m.Steuer("grpW2")));
    EXPECT_EQ(panel->geometry(), QRect(125, 24, 100, 41));
    EXPECT_EQ(panel->accessibleDescription(), QStringLiteral("grüner Winkel"));
    const QImage bild = panel->grab().toImage();
    EXPECT_EQ(testhilfen::Farbe(bild, 5, 5), 0xFFFFFFu);
    EXPECT_GT(testhilfen::ZaehleFarbe(bild, clGreen), 0);
    w.Radiogruppe(m.Steuer("grpV2"))->Knopf(1)->click();
    EXPECT_EQ(panel->accessibleDescription(), QStringLiteral("hellblauer Winkel"));
    // One instruction across the window; the right drawing's panel is there, hidden.
    int unten = 0;
    for (TPanel* p : w.Zeichnung(1)->parentWidget()->findChildren<TPanel*>(Qt::FindDirectChildrenOnly)) {
        if (p->y() == 655) {
            EXPECT_EQ(p->isHidden(), p->x() == 525) << p->x();
            ++unten;
        }
    }
    EXPECT_EQ(unten, 2);

    // The upper end taken: the pointer is held in its band and the end follows it there.
    TPaintBox* box = w.Zeichnung(0);
    const winkel3::TZustand& z = w.Modell<winkel3::TWinkel3>().zustand;
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(360, 72));
    ASSERT_TRUE(CursorBegrenzt());
    EXPECT_EQ(CursorBereich(), QRect(box->mapToGlobal(QPoint(45, 10)), QSize(395, 190)));
    QTest::mouseMove(box, QPoint(470, 400));
    EXPECT_NEAR(z.P2.x, 8.29f, 0.01f);
    EXPECT_NEAR(z.P2.y, 1.71f, 0.01f);
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(470, 400));
    EXPECT_FALSE(CursorBegrenzt());
    w.Menue(1);
    EXPECT_TRUE(w.UpDown(m.Steuer("grpSchritt1"))->isVisible());
    EXPECT_TRUE(w.Panel(m.Steuer("pnlLW2"))->isHidden());
}
