// The whole program by keys alone: every window opened from the start menu
// with F10 and the arrows, Tab in reading order, its menu, its drawings through
// the keyboard pointer, its steps to the end and back, Ctrl+W; Alt+B ends it.
// Plus pixel probes of the focus frame and of the keyboard pointer.
#include "app/Plattform.h"
#include "app/Programm.h"
#include "app/Tastatur.h"
#include "draw/KoordU.h"
#include "TestHilfen.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Where the window system delivers a key: the open popup menu, else the focused control.
void Taste(Qt::Key taste, Qt::KeyboardModifiers mod = Qt::NoModifier, int mal = 1)
{
    for (int i = 0; i < mal; ++i) {
        QWidget* ziel = QApplication::activePopupWidget();
        if (!ziel) {
            // The top window gets the activation back after a popup, as a window system gives it.
            if (QWidget* oben = QApplication::activeModalWidget(); oben && QApplication::activeWindow() != oben)
                QApplication::setActiveWindow(oben);
            ziel = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
        }
        ASSERT_NE(ziel, nullptr);
        QTest::keyClick(ziel, taste, mod);
    }
}

bool TabBis(QWidget* ziel)
{
    for (int i = 0; i < 40 && QApplication::focusWidget() != ziel; ++i)
        Taste(Qt::Key_Tab);
    return QApplication::focusWidget() == ziel;
}

// Moves the pointer of a focused drawing: tens with the arrows, the rest with Shift.
void ZeigerNach(TPaintBox* box, QPoint ziel)
{
    for (int i = 0; i < 200 && box->TastenZeiger() != ziel; ++i) {
        const QPoint d = ziel - box->TastenZeiger();
        const int rest = d.x() ? d.x() : d.y();
        const Qt::Key taste = d.x() ? (rest > 0 ? Qt::Key_Right : Qt::Key_Left) : (rest > 0 ? Qt::Key_Down : Qt::Key_Up);
        Taste(taste, std::abs(rest) >= 10 ? Qt::NoModifier : Qt::ShiftModifier);
    }
    EXPECT_EQ(box->TastenZeiger(), ziel);
}

QPoint Pixel(const TPaintBox* box, const TWeltRechteck& welt, float x, float y)
{
    SetzeWeltfenster(box->width(), box->height(), welt);
    return QPoint(qRound(WeltZuPixelX(x)), qRound(WeltZuPixelY(y)));
}

// A click (Return) at `von`, or with `bis` a drag by Space from `von` to `bis`.
void Bediene(TPaintBox* box, QPoint von, std::optional<QPoint> bis = {})
{
    ASSERT_TRUE(TabBis(box));
    ZeigerNach(box, von);
    Taste(bis ? Qt::Key_Space : Qt::Key_Return);
    if (!bis)
        return;
    EXPECT_TRUE(box->TasteGedrueckt());
    ZeigerNach(box, *bis);
    Taste(Qt::Key_Space);
    EXPECT_FALSE(box->TasteGedrueckt());
    EXPECT_FALSE(CursorBegrenzt()) << "the drag left the pointer confined";
    Taste(Qt::Key_Right, Qt::ShiftModifier); // released: moving on drags nothing
}

void WaehleMenuepunkt(QMenuBar* leiste, int index)
{
    Taste(Qt::Key_F10);
    ASSERT_EQ(leiste->activeAction(), leiste->actions().value(0)) << "F10 did not open the menu bar";
    Taste(Qt::Key_Right, Qt::NoModifier, index);
    // The focus frame shows the item the keys are on.
    const auto* rahmen = leiste->window()->findChild<TFokusRahmen*>();
    const QRect punkt = leiste->actionGeometry(leiste->activeAction());
    EXPECT_EQ(rahmen->geometry(), punkt.translated(leiste->mapTo(leiste->window(), QPoint(0, 0))));
    EXPECT_TRUE(rahmen->isVisible());
    Taste(Qt::Key_Return);
}

// The controls Tab reaches now, in reading order. Of a radio group with a
// chosen button Tab stops at the chosen one only.
QList<QWidget*> Erreichbar(QWidget* fenster)
{
    QList<QWidget*> liste;
    for (QWidget* w : Lesefolge(fenster)) {
        const auto* knopf = qobject_cast<QRadioButton*>(w);
        const auto gruppe = w->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        if (w->isVisibleTo(fenster) && w->isEnabled()
            && !(knopf && !knopf->isChecked() && std::ranges::any_of(gruppe, &QRadioButton::isChecked)))
            liste.append(w);
    }
    return liste;
}

// Reading order between two controls Tab visits in turn: the second starts
// no higher, or stands in a column right of the first.
bool FolgtImLesen(const QWidget* a, const QWidget* b)
{
    const QRect ra(a->mapTo(a->window(), QPoint(0, 0)), a->size());
    const QRect rb(b->mapTo(b->window(), QPoint(0, 0)), b->size());
    return rb.top() >= ra.top() || rb.left() > ra.right();
}

struct Fenster {
    const char* menuePunkt;
    int oben, unten;                            // in the start menu: bar item, popup item (-1: none)
    std::function<QWidget*(TProgramm&)> erstes; // has the keys on opening
    std::function<void(TProgramm&)> zeichnen;   // the drawings worked by keys
};

const TWeltRechteck welt20{-10, 10, -10, 10};

const Fenster fenster[] = {
    {"menArten", 1, 0, [](TProgramm& p) -> QWidget* { return p.frmWinkel1.Zeichnung(0); },
     [](TProgramm& p) { // the free leg from 0 to a right angle
         Bediene(p.frmWinkel1.Zeichnung(1), {340, 240}, QPoint(240, 137));
         EXPECT_FLOAT_EQ(p.frmWinkel1.Modell<winkel1::TWinkel1>().zustand.winkel2, 90.0f);
         EXPECT_TRUE(p.frmWinkel1.Panel(2)->Caption().startsWith(QStringLiteral("90°")));
     }},
    {"menUebertragen", 1, 1, [](TProgramm& p) -> QWidget* { return p.frmWinkel2.Zeichnung(0); }, nullptr},
    {"menParall", 1, 2, [](TProgramm& p) -> QWidget* { return p.frmWinkel3.Zeichnung(0); },
     [](TProgramm& p) { // the lower end of each line 30 pixels to the right
         TModellFenster& f = p.frmWinkel3;
         const winkel3::TZustand& z = f.Modell<winkel3::TWinkel3>().zustand;
         const QPoint u1 = Pixel(f.Zeichnung(0), welt20, z.P1.x, z.P1.y);
         const QPoint u2 = Pixel(f.Zeichnung(1), welt20, z.Q1.x, z.Q1.y);
         Bediene(f.Zeichnung(0), u1, u1 + QPoint(30, 0));
         Bediene(f.Zeichnung(1), u2, u2 + QPoint(30, 0));
         EXPECT_NEAR(z.P1.x, -7.0f + 30 / 24.0f, 0.05f);
         EXPECT_NEAR(z.Q1.x, -7.0f + 30 / 24.0f, 0.05f);
     }},
    {"menSpiegeln", 2, 0, [](TProgramm& p) -> QWidget* { return p.frmSymmetrie1.Zeichnung(0); },
     [](TProgramm& p) {
         Bediene(p.frmSymmetrie1.Zeichnung(0), {303, 207});
         Bediene(p.frmSymmetrie1.Zeichnung(0), {401, 296});
         EXPECT_EQ(p.frmSymmetrie1.Modell<symmetrie1::TSymmetrie1>().zustand.markiert, 2);
     }},
    {"menSymmetralen", 2, 1, [](TProgramm& p) -> QWidget* { return p.frmSymmetrie2.Zeichnung(0); },
     [](TProgramm& p) { // inside the red frame (120 pixels round the middle), 4 units apart
         for (QPoint q : {QPoint(160, 240), QPoint(320, 240)})
             Bediene(p.frmSymmetrie2.Zeichnung(0), q);
         for (QPoint q : {QPoint(160, 240), QPoint(240, 320), QPoint(320, 240)})
             Bediene(p.frmSymmetrie2.Zeichnung(1), q);
         const symmetrie2::TZustand& z = p.frmSymmetrie2.Modell<symmetrie2::TSymmetrie2>().zustand;
         EXPECT_EQ(z.seiten[0].markiert * 10 + z.seiten[1].markiert, 23);
     }},
    {"menDreieck0", 3, 0, [](TProgramm& p) -> QWidget* { return p.frmDreieck0.Zeichnung(1); }, nullptr},
    {"menDreieck1", 3, 1, [](TProgramm& p) -> QWidget* { return p.frmDreieck1.Zeichnung(0); }, nullptr},
    {"menDreieck2", 3, 2, [](TProgramm& p) -> QWidget* { return p.frmDreieck2.Zeichnung(0); }, nullptr},
    {"menDreieck3", 3, 3, [](TProgramm& p) -> QWidget* { return p.frmDreieck3.Zeichnung(0); },
     [](TProgramm& p) { // "Schnittpunkte", then vertex A by (5, 3) units
         TModellFenster& f = p.frmDreieck3;
         WaehleMenuepunkt(f.MainMenu1(), 1);
         const TWeltPunkt a = f.Modell<dreieck3::TDreieck3>().zustand.A;
         const QPoint pa = Pixel(f.Zeichnung(0), {-40, 40, -27, 27}, a.x, a.y);
         Bediene(f.Zeichnung(0), pa, pa + QPoint(50, -30));
         EXPECT_NEAR(f.Modell<dreieck3::TDreieck3>().zustand.A.x, a.x + 5, 0.05f);
         EXPECT_NEAR(f.Modell<dreieck3::TDreieck3>().zustand.A.y, a.y + 3, 0.05f);
     }},
    {"menInformation", 4, -1, [](TProgramm&) -> QWidget* { return nullptr; }, nullptr},
    // Opened again: the keys start at the first control, not where they were left.
    {"menUebertragen", 1, 1, [](TProgramm& p) -> QWidget* { return p.frmWinkel2.Zeichnung(0); }, nullptr},
};

int schritteBedient = 0; // step controls worked by keys in the whole walk

void Durchlaufe(TProgramm& p, const Fenster& z, QDialog* f)
{
    ASSERT_EQ(QApplication::activeModalWidget(), f);
    QApplication::setActiveWindow(f);

    const QList<QWidget*> folge = Erreichbar(f);
    QWidget* erstes = z.erstes(p);
    EXPECT_EQ(folge.value(0), erstes);
    EXPECT_EQ(QApplication::focusWidget(), erstes);
    for (qsizetype i = 1; i < folge.size(); ++i)
        EXPECT_TRUE(FolgtImLesen(folge[i - 1], folge[i])) << "Tab order " << i;
    for (qsizetype i = 1; i <= folge.size(); ++i) {
        Taste(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), folge[i % folge.size()]) << "Tab " << i;
    }
    for (qsizetype i = folge.size() - 1; i >= 0; --i) {
        Taste(Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), folge[i]) << "Shift+Tab to " << i;
    }

    QMenuBar* leiste = f->findChild<QMenuBar*>();
    for (qsizetype i = 1; i < leiste->actions().size(); ++i) {
        // Of a menu ("Bild") Return opens it, and Return again chooses its first item.
        QAction* punkt = leiste->actions()[i];
        QAction* ziel = punkt->menu() ? punkt->menu()->actions().value(0) : punkt;
        int gewaehlt = 0;
        const auto v = QObject::connect(ziel, &QAction::triggered, [&] { ++gewaehlt; });
        WaehleMenuepunkt(leiste, int(i));
        if (punkt->menu())
            Taste(Qt::Key_Return);
        QObject::disconnect(v);
        EXPECT_EQ(gewaehlt, 1) << ziel->text().toStdString();
    }

    if (z.zeichnen)
        z.zeichnen(p);

    for (TUpDown* ud : f->findChildren<TUpDown*>()) {
        ASSERT_TRUE(ud->isVisible() && ud->isEnabled() && TabBis(ud)) << "a step control out of reach";
        Taste(Qt::Key_Right, Qt::NoModifier, ud->Max() + 1);
        EXPECT_EQ(ud->Position(), ud->Max());
        Taste(Qt::Key_Left, Qt::NoModifier, ud->Max() + 1);
        EXPECT_EQ(ud->Position(), 0);
        ++schritteBedient;
    }

    Taste(Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(f->isVisible()) << "Ctrl+W did not close it";
}

} // namespace

TEST(Tastatur, DasGanzeProgrammMitTastenAllein)
{
    QStringList meldungen;
    SetzeMeldungsHaken([&](const QString& text) { meldungen << text; });
    TProgramm p;
    p.frmStart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.frmStart));
    for (const Fenster& z : fenster) {
        SCOPED_TRACE(z.menuePunkt);
        QDialog* f = p.frmStart.Fenster(QString::fromLatin1(z.menuePunkt));
        bool gelaufen = false;
        QTimer::singleShot(0, f, [&] {
            gelaufen = true;
            Durchlaufe(p, z, f);
            f->close();
        });
        QApplication::setActiveWindow(&p.frmStart);
        Taste(Qt::Key_F10);
        Taste(Qt::Key_Right, Qt::NoModifier, z.oben);
        if (z.unten >= 0)
            Taste(Qt::Key_Down, Qt::NoModifier, z.unten + 1); // the first opens the popup
        Taste(Qt::Key_Return);
        EXPECT_TRUE(gelaufen) << "the window did not open";
        EXPECT_TRUE(p.frmStart.isVisible());
    }
    EXPECT_TRUE(meldungen.isEmpty()) << meldungen.join(QLatin1Char('\n')).toStdString();
    SetzeMeldungsHaken({});
    // Übertragung (opened twice), Spiegeln, Dreieckskonstruktionen and Besondere
    // Eigenschaften have one step control, Parallelwinkeln and Symmetralen two.
    EXPECT_EQ(schritteBedient, 2 + 1 + 1 + 1 + 2 + 2);

    QApplication::setActiveWindow(&p.frmStart);
    Taste(Qt::Key_B, Qt::AltModifier);
    EXPECT_FALSE(p.frmStart.isVisible()) << "Alt+B did not end the program";
}

// The frame just outside each kind of control, and the keyboard pointer in
// a drawing: there with the focus, gone without it.
TEST(Tastatur, FokusrahmenUndZeigerNurMitFokus)
{
    TModellFenster winkel1(std::make_unique<winkel1::TWinkel1>());
    TModellFenster winkel2(std::make_unique<winkel2::TWinkel2>());
    TModellFenster dreieck0(std::make_unique<dreieck0::TDreieck0>());
    TModellFenster eigenschaften(std::make_unique<dreieck2::TDreieck2>());
    const std::pair<QWidget*, QWidget*> faelle[] = {
        {&winkel2, winkel2.UpDown(3)},     {&winkel2, winkel2.Radiogruppe(0)->Knopf(0)},
        {&winkel1, winkel1.Leiste(0)},     {&winkel1, winkel1.Feld(1)},
        {&winkel1, winkel1.Zeichnung(1)},    {&dreieck0, dreieck0.findChild<QPushButton*>()},
        {&eigenschaften, eigenschaften.Kasten(eigenschaften.Modell().Steuer("chkWinkel"))},
    };
    const unsigned blau = testhilfen::Rgb(RotAnteil(fokusFarbe), GruenAnteil(fokusFarbe), BlauAnteil(fokusFarbe));
    for (const auto& [fenster, control] : faelle) {
        SCOPED_TRACE(control->metaObject()->className());
        fenster->show();
        QApplication::setActiveWindow(fenster);
        control->setFocus(Qt::TabFocusReason);
        auto* box = qobject_cast<TPaintBox*>(control);
        if (box)
            ZeigerNach(box, {101, 398}); // a blank corner of the drawing
        const QRect r(control->mapTo(fenster, QPoint(0, 0)), control->size());
        const QPoint m = r.center(), z = box ? r.topLeft() + QPoint(101, 398) : QPoint();
        // Both pixels of the frame beside the middle of each edge; the pointer's
        // core and outline, and the aimed pixel in its gap.
        const std::pair<QPoint, unsigned> proben[] = {
            {{m.x(), r.top() - 1}, blau},   {{m.x(), r.top() - 2}, blau},   {{m.x(), r.bottom() + 1}, blau},
            {{m.x(), r.bottom() + 2}, blau}, {{r.left() - 1, m.y()}, blau},  {{r.left() - 2, m.y()}, blau},
            {{r.right() + 1, m.y()}, blau}, {{r.right() + 2, m.y()}, blau}, {z + QPoint(5, 0), 0x000000},
            {z + QPoint(-7, -1), 0x000000}, {z + QPoint(1, 5), 0xffff00},   {z, 0xffffff},
        };
        // Without the focus only the aimed pixel's probe still matches: the corner is blank white.
        const auto pruefe = [&](bool fokus) {
            const QImage bild = fenster->grab().toImage();
            for (int i = 0; i < (box ? 12 : 8); ++i)
                EXPECT_EQ(testhilfen::Farbe(bild, proben[i].first.x(), proben[i].first.y()) == proben[i].second,
                          fokus || i == 11) << (fokus ? "with" : "without") << " focus, probe " << i;
        };
        pruefe(true);
        control->clearFocus();
        pruefe(false);
        fenster->hide();
    }
}

// Tab order written down by hand for two windows, as a pupil reads them: the
// drawings (the one that only shows too), then the controls row by row; what
// is disabled (the Euler box before three lines meet) is left out.
TEST(Tastatur, TabfolgeWieGelesen)
{
    using namespace dreieck3;
    TModellFenster arten(std::make_unique<winkel1::TWinkel1>());
    TModellFenster dynamisch(std::make_unique<TDreieck3>());
    QList<QWidget*> linien{dynamisch.Zeichnung(pntGrafik)};
    for (int kasten : {chkHA, chkHB, chkHC, chkSA, chkSB, chkSC, chkWA, chkWB, chkWC, chkSWA, chkSWB, chkSWC})
        linien << dynamisch.Kasten(kasten);
    const std::pair<TModellFenster*, QList<QWidget*>> faelle[] = {
        {&arten, {arten.Zeichnung(0), arten.Zeichnung(1), arten.Leiste(0), arten.Feld(1)}},
        {&dynamisch, linien},
    };
    for (const auto& [fenster, erwartet] : faelle) {
        SCOPED_TRACE(fenster->windowTitle().toStdString());
        fenster->show();
        QApplication::setActiveWindow(fenster);
        ASSERT_EQ(QApplication::focusWidget(), erwartet.first());
        for (qsizetype i = 1; i <= erwartet.size(); ++i) {
            Taste(Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), erwartet[i % erwartet.size()]) << "Tab " << i;
        }
        fenster->hide();
    }
}
