// The whole program by keys alone, as a pupil without a mouse works it: every
// window opened from the start menu with F10 and the arrows, its controls in
// reading order by Tab, its menu, its drawings through the keyboard pointer,
// its steps to the end and back, closed with Ctrl+W; the program ends with Alt+B.
// Plus pixel probes of the focus frame and the keyboard pointer.
#include "app/Plattform.h"
#include "app/Programm.h"
#include "app/Tastatur.h"
#include "draw/KoordU.h"
#include "TestHilfen.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Where the window system delivers a key: the open popup menu, else the focused control.
void Taste(Qt::Key taste, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    QWidget* ziel = QApplication::activePopupWidget();
    if (ziel && ziel->focusWidget())
        ziel = ziel->focusWidget();
    if (!ziel) {
        // A window system gives the top window the activation back after a popup closes.
        QWidget* oben = QApplication::activeModalWidget();
        if (oben && QApplication::activeWindow() != oben)
            QApplication::setActiveWindow(oben);
        ziel = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    }
    ASSERT_NE(ziel, nullptr) << "no receiver for key " << taste;
    QTest::keyClick(ziel, taste, mod);
}

void Tasten(Qt::Key taste, int mal, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    for (int i = 0; i < mal; ++i)
        Taste(taste, mod);
}

// Tab until the control has the focus; false if the Tab order never reaches it.
bool TabBis(QWidget* ziel)
{
    for (int i = 0; i < 40 && QApplication::focusWidget() != ziel; ++i)
        Taste(Qt::Key_Tab);
    return QApplication::focusWidget() == ziel;
}

// Moves the keyboard pointer of a focused drawing to a pixel: tens with the
// arrows, the rest with Shift.
void ZeigerNach(TPaintBox* box, QPoint ziel)
{
    for (int i = 0; i < 200 && box->TastenZeiger() != ziel; ++i) {
        const QPoint d = ziel - box->TastenZeiger();
        const bool waagrecht = d.x() != 0;
        const int rest = waagrecht ? d.x() : d.y();
        const Qt::Key taste = waagrecht ? (rest > 0 ? Qt::Key_Right : Qt::Key_Left)
                                        : (rest > 0 ? Qt::Key_Down : Qt::Key_Up);
        Taste(taste, std::abs(rest) >= 10 ? Qt::NoModifier : Qt::ShiftModifier);
    }
    EXPECT_EQ(box->TastenZeiger(), ziel);
}

// The pixel of a world point in a drawing of the given world rectangle.
QPoint Pixel(const TPaintBox* box, const TWeltRechteck& welt, float x, float y)
{
    SetzeWeltfenster(box->width(), box->height(), welt);
    return QPoint(qRound(WeltZuPixelX(x)), qRound(WeltZuPixelY(y)));
}

void Klick(TPaintBox* box, QPoint p)
{
    ASSERT_TRUE(TabBis(box));
    ZeigerNach(box, p);
    Taste(Qt::Key_Return);
}

void Ziehe(TPaintBox* box, QPoint von, QPoint bis)
{
    ASSERT_TRUE(TabBis(box));
    ZeigerNach(box, von);
    Taste(Qt::Key_Space);
    EXPECT_TRUE(box->TasteGedrueckt());
    ZeigerNach(box, bis);
    Taste(Qt::Key_Space);
    EXPECT_FALSE(box->TasteGedrueckt());
    EXPECT_FALSE(CursorBegrenzt()) << "the drag left the pointer confined";
}

// Opens the menu bar with F10 and chooses its item `index` (0 = the first).
void WaehleMenuepunkt(QMenuBar* leiste, int index)
{
    Taste(Qt::Key_F10);
    ASSERT_EQ(leiste->activeAction(), leiste->actions().value(0)) << "F10 did not open the menu bar";
    Tasten(Qt::Key_Right, index);
    ASSERT_EQ(leiste->activeAction(), leiste->actions().value(index));
    Taste(Qt::Key_Return);
}

// A radio button that Tab passes by: of a group with a chosen button, Tab
// stops at the chosen one only (the arrows choose within the group).
bool UebergangenerKnopf(const QWidget* w)
{
    const auto* knopf = qobject_cast<const QRadioButton*>(w);
    if (!knopf || knopf->isChecked() || !knopf->autoExclusive())
        return false;
    for (const QRadioButton* nachbar : knopf->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (nachbar->isChecked() && nachbar->autoExclusive())
            return true;
    return false;
}

// The controls Tab reaches now, in reading order.
QList<QWidget*> Erreichbar(QWidget* fenster)
{
    QList<QWidget*> liste;
    for (QWidget* w : Lesefolge(fenster))
        if (w->isVisibleTo(fenster) && w->isEnabled() && !UebergangenerKnopf(w))
            liste.append(w);
    return liste;
}

struct Fenster {
    const char* menuePunkt;
    int oben, unten; // place in the start menu: bar item, item of its popup (-1: none)
    std::function<QWidget*(TProgramm&)> erstes; // the control that has the keys on opening
    std::function<void(TProgramm&)> zeichnen;   // what the drawings are made to do by keys
};

// Reading order between two controls that Tab visits one after the other:
// the second starts no higher, or stands in a column right of the first.
bool FolgtImLesen(const QWidget* a, const QWidget* b)
{
    const QRect ra(a->mapTo(a->window(), QPoint(0, 0)), a->size());
    const QRect rb(b->mapTo(b->window(), QPoint(0, 0)), b->size());
    return rb.top() >= ra.top() || rb.left() > ra.right();
}

// Winkel1: the free leg dragged from 0 to a right angle.
void WinkelRecht(TProgramm& p)
{
    TfrmWinkel1& f = p.frmWinkel1;
    Ziehe(f.pntGrafik2, QPoint(340, 240), QPoint(240, 137));
    EXPECT_FLOAT_EQ(f.winkel2, 90.0f);
    EXPECT_TRUE(f.pnlWinkel->Caption().startsWith(QStringLiteral("90°"))) << f.pnlWinkel->Caption().toStdString();
}

// Winkel3: the lower end of each line dragged to the right.
void LinienZiehen(TProgramm& p)
{
    TfrmWinkel3& f = p.frmWinkel3;
    const TWeltRechteck welt{-10, 10, -10, 10};
    const QPoint unten1 = Pixel(f.pntGrafik1, welt, f.P1X, f.P1Y);
    Ziehe(f.pntGrafik1, unten1, unten1 + QPoint(30, 0));
    EXPECT_NEAR(f.P1X, -7.0f + 30 / 24.0f, 0.05f);
    const QPoint unten2 = Pixel(f.pntGrafik2, welt, f.Q1X, f.Q1Y);
    Ziehe(f.pntGrafik2, unten2, unten2 + QPoint(30, 0));
    EXPECT_NEAR(f.Q1X, -7.0f + 30 / 24.0f, 0.05f);
}

void Spiegeln(TProgramm& p)
{
    TfrmSymmetrie1& f = p.frmSymmetrie1;
    Klick(f.pntGrafik, QPoint(303, 207));
    Klick(f.pntGrafik, QPoint(401, 296));
    EXPECT_EQ(f.markiert, 2);
    EXPECT_TRUE(f.grpSchritt->isVisible());
}

void Symmetralen(TProgramm& p)
{
    TfrmSymmetrie2& f = p.frmSymmetrie2;
    // Inside the red frame (5 units = 120 pixels round the middle), 4 units apart.
    for (QPoint q : {QPoint(160, 240), QPoint(320, 240)})
        Klick(f.pntGrafik1, q);
    for (QPoint q : {QPoint(160, 240), QPoint(240, 320), QPoint(320, 240)})
        Klick(f.pntGrafik2, q);
    EXPECT_EQ(f.markiert1, 2);
    EXPECT_EQ(f.markiert2, 3);
}

void EckeZiehen(TProgramm& p)
{
    TfrmDreieck3& f = p.frmDreieck3;
    WaehleMenuepunkt(f.MainMenu1(), 1); // "Schnittpunkte": the vertices move
    const TWeltRechteck welt{-40, 40, -27, 27};
    const float x0 = f.A.x, y0 = f.A.y;
    const QPoint a = Pixel(f.pntGrafik, welt, x0, y0);
    Ziehe(f.pntGrafik, a, a + QPoint(50, -30));
    EXPECT_NEAR(f.A.x, x0 + 5, 0.05f);
    EXPECT_NEAR(f.A.y, y0 + 3, 0.05f);
}

QWidget* ErsterKnopf(QWidget* f)
{
    QPushButton* links = nullptr;
    for (QPushButton* k : f->findChildren<QPushButton*>())
        if (!links || k->mapTo(f, QPoint(0, 0)).x() < links->mapTo(f, QPoint(0, 0)).x())
            links = k;
    return links;
}

const Fenster fenster[] = {
    {"menArten", 1, 0, [](TProgramm& p) -> QWidget* { return p.frmWinkel1.pntGrafik2; }, WinkelRecht},
    {"menUebertragen", 1, 1, [](TProgramm& p) -> QWidget* { return p.frmWinkel2.grpArt->Knopf(0); }, nullptr},
    {"menParall", 1, 2, [](TProgramm& p) -> QWidget* { return p.frmWinkel3.pntGrafik1; }, LinienZiehen},
    {"menSpiegeln", 2, 0, [](TProgramm& p) -> QWidget* { return p.frmSymmetrie1.pntGrafik; }, Spiegeln},
    {"menSymmetralen", 2, 1, [](TProgramm& p) -> QWidget* { return p.frmSymmetrie2.pntGrafik1; }, Symmetralen},
    {"menDreieck0", 3, 0, [](TProgramm& p) { return ErsterKnopf(&p.frmDreieck0); }, nullptr},
    {"menDreieck1", 3, 1, [](TProgramm& p) -> QWidget* { return p.frmDreieck1.UpDown; }, nullptr},
    {"menDreieck2", 3, 2, [](TProgramm& p) -> QWidget* { return p.frmDreieck2.UpDown; }, nullptr},
    {"menDreieck3", 3, 3, [](TProgramm& p) -> QWidget* { return p.frmDreieck3.pntGrafik; }, EckeZiehen},
    {"menInformation", 4, -1, [](TProgramm&) -> QWidget* { return nullptr; }, nullptr},
};

// Everything in one opened window, by keys.
void Durchlaufe(TProgramm& p, const Fenster& z, QDialog* f)
{
    ASSERT_EQ(QApplication::activeModalWidget(), f);
    QApplication::setActiveWindow(f);
    auto* leiste = f->findChild<QMenuBar*>();
    ASSERT_NE(leiste, nullptr);

    // The keys start at the first control; Tab and Shift+Tab walk the reading order round.
    const QList<QWidget*> folge = Erreichbar(f);
    QWidget* erstes = z.erstes(p);
    EXPECT_EQ(folge.value(0), erstes);
    for (qsizetype i = 1; i < folge.size(); ++i)
        EXPECT_TRUE(FolgtImLesen(folge[i - 1], folge[i])) << "Tab order " << i;
    if (erstes) {
        EXPECT_EQ(QApplication::focusWidget(), erstes);
        for (qsizetype i = 1; i <= folge.size(); ++i) {
            Taste(Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), folge[i % folge.size()]) << "Tab " << i;
        }
        for (qsizetype i = folge.size() - 1; i >= 0; --i) {
            Taste(Qt::Key_Backtab);
            EXPECT_EQ(QApplication::focusWidget(), folge[i]) << "Shift+Tab to " << i;
        }
    }

    // Every menu item after "Schließen".
    const QList<QAction*> punkte = leiste->actions();
    for (qsizetype i = 1; i < punkte.size(); ++i) {
        int gewaehlt = 0;
        const auto verbindung = QObject::connect(punkte[i], &QAction::triggered, [&] { ++gewaehlt; });
        WaehleMenuepunkt(leiste, int(i));
        QObject::disconnect(verbindung);
        EXPECT_EQ(gewaehlt, 1) << punkte[i]->text().toStdString();
    }

    if (z.zeichnen)
        z.zeichnen(p);

    // Every step control to its last step and back.
    for (TUpDown* ud : f->findChildren<TUpDown*>()) {
        EXPECT_TRUE(ud->isVisible() && ud->isEnabled()) << "a step control out of reach";
        if (!ud->isVisible() || !ud->isEnabled())
            continue;
        ASSERT_TRUE(TabBis(ud));
        Tasten(Qt::Key_Right, ud->Max() + 1);
        EXPECT_EQ(ud->Position(), ud->Max());
        Tasten(Qt::Key_Left, ud->Max() + 1);
        EXPECT_EQ(ud->Position(), 0);
    }

    Taste(Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(f->isVisible()) << "Ctrl+W did not close it";
    if (f->isVisible())
        f->close();
}

} // namespace

TEST(Tastatur, DasGanzeProgrammMitTastenAllein)
{
    QStringList meldungen;
    SetzeMeldungsHaken([&](const QString& text) { meldungen << text; });
    TProgramm p;
    p.frmStart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.frmStart));
    QApplication::setActiveWindow(&p.frmStart);
    QMenuBar* startLeiste = p.frmStart.menuBar();

    for (const Fenster& z : fenster) {
        SCOPED_TRACE(z.menuePunkt);
        QDialog* f = p.frmStart.Fenster(QString::fromLatin1(z.menuePunkt));
        ASSERT_NE(f, nullptr);
        bool gelaufen = false;
        QTimer::singleShot(0, f, [&] {
            gelaufen = true;
            Durchlaufe(p, z, f);
            if (f->isVisible())
                f->close();
        });
        QApplication::setActiveWindow(&p.frmStart);
        Taste(Qt::Key_F10);
        ASSERT_EQ(startLeiste->activeAction(), startLeiste->actions().value(0));
        Tasten(Qt::Key_Right, z.oben);
        if (z.unten >= 0) {
            Taste(Qt::Key_Down); // opens the popup at its first item
            Tasten(Qt::Key_Down, z.unten);
        }
        Taste(Qt::Key_Return);
        EXPECT_TRUE(gelaufen) << "the window did not open";
        EXPECT_TRUE(p.frmStart.isVisible());
    }
    EXPECT_TRUE(meldungen.isEmpty()) << meldungen.join(QLatin1Char('\n')).toStdString();
    SetzeMeldungsHaken({});

    QApplication::setActiveWindow(&p.frmStart);
    Taste(Qt::Key_B, Qt::AltModifier);
    EXPECT_FALSE(p.frmStart.isVisible()) << "Alt+B did not end the program";
}


// The focus frame around each kind of control, and the keyboard pointer in a
// drawing: present with the focus, gone without it.
TEST(Tastatur, FokusrahmenUndZeigerSindZuSehen)
{
    TfrmWinkel1 winkel1;
    TfrmWinkel2 winkel2;
    TfrmDreieck0 dreieck0;
    TfrmDreieck2 dreieck2;
    struct Fall {
        const char* art;
        QWidget* fenster;
        QWidget* control;
    };
    const Fall faelle[] = {
        {"Schrittpfeile", &winkel2, winkel2.UpDown},
        {"Optionsfeld", &winkel2, winkel2.grpArt->Knopf(0)},
        {"Bildlaufleiste", &winkel1, winkel1.scrWinkel1},
        {"Eingabefeld", &winkel1, winkel1.edtWinkel1},
        {"Zeichnung", &winkel1, winkel1.pntGrafik2},
        {"Knopf", &dreieck0, dreieck0.findChild<QPushButton*>()},
        {"Kontrollkästchen", &dreieck2, dreieck2.chkWinkel},
    };
    const unsigned blau = testhilfen::Rgb(RotAnteil(fokusFarbe), GruenAnteil(fokusFarbe), BlauAnteil(fokusFarbe));
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.art);
        ASSERT_NE(f.control, nullptr);
        f.fenster->show();
        QApplication::setActiveWindow(f.fenster);
        f.control->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(f.control->hasFocus());
        const QRect r(f.control->mapTo(f.fenster, QPoint(0, 0)), f.control->size());
        // Both pixels of the frame beside the middle of every edge.
        const QPoint proben[] = {{r.center().x(), r.top() - 1},    {r.center().x(), r.top() - 2},
                                 {r.center().x(), r.bottom() + 1}, {r.center().x(), r.bottom() + 2},
                                 {r.left() - 1, r.center().y()},   {r.left() - 2, r.center().y()},
                                 {r.right() + 1, r.center().y()},  {r.right() + 2, r.center().y()}};
        QImage bild = f.fenster->grab().toImage();
        for (QPoint q : proben)
            EXPECT_EQ(testhilfen::Farbe(bild, q.x(), q.y()), blau) << q.x() << "," << q.y();
        f.control->clearFocus();
        bild = f.fenster->grab().toImage();
        for (QPoint q : proben)
            EXPECT_NE(testhilfen::Farbe(bild, q.x(), q.y()), blau) << "without focus " << q.x() << "," << q.y();
        f.fenster->hide();
    }
}

TEST(Tastatur, ZeigerNurMitFokus)
{
    TfrmWinkel1 f;
    f.show();
    QApplication::setActiveWindow(&f);
    TPaintBox* box = f.pntGrafik2;
    box->setFocus(Qt::TabFocusReason);
    ZeigerNach(box, QPoint(101, 398)); // a blank corner of the drawing
    const QPoint m = box->TastenZeiger();
    const QImage leer = box->Abbild();
    struct Probe {
        int dx, dy;
        unsigned farbe; // with the pointer shown
    };
    const unsigned schwarz = 0x000000, weiss = 0xffffff;
    const Probe proben[] = {{5, 0, schwarz}, {-5, 0, schwarz}, {0, 5, schwarz}, {0, -5, schwarz},
                            {7, 0, schwarz}, {5, 1, weiss},    {0, 0, weiss},   {9, 0, weiss}};
    QImage bild = box->grab().toImage();
    for (const Probe& p : proben) {
        EXPECT_EQ(testhilfen::Farbe(leer, m.x() + p.dx, m.y() + p.dy), weiss) << "the corner is not blank";
        EXPECT_EQ(testhilfen::Farbe(bild, m.x() + p.dx, m.y() + p.dy), p.farbe) << p.dx << "," << p.dy;
    }
    // Gone without the focus; the picture of the drawing never has it.
    f.scrWinkel1->setFocus(Qt::TabFocusReason);
    bild = box->grab().toImage();
    for (const Probe& p : proben)
        EXPECT_EQ(testhilfen::Farbe(bild, m.x() + p.dx, m.y() + p.dy), weiss) << "without focus " << p.dx << "," << p.dy;
}
