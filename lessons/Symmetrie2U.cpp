// "Symmetralen": the perpendicular bisector of a segment and the bisector of an
// angle, each on points that the pupil clicks, constructed step by step.
#include "lessons/Symmetrie2U.h"

#include "app/Plattform.h"
#include "app/Steuerelemente.h"
#include "draw/Primitive.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"
#include "draw/VektorU.h"

#include <cmath>

namespace {

// Both drawings show 20 x 20 units.
constexpr TWeltRechteck weltSymmetralen{-10, 10, -10, 10};

const QString textAusserhalb = QStringLiteral("Der Punkt liegt nicht innerhab der Markierung!");
const QString textAbstand1 = QStringLiteral("Der Abstand zum 1.Punkt ist zu klein!");
const QString textAbstand12 = QStringLiteral("Der Abstand zum 1. oder 2.Punkt ist zu klein!");
const QString textSpitz = QStringLiteral("Der Winkel muss mehr als 20° betragen!");
// Three points on one line with the vertex between them: the rhombus of the
// construction collapses onto the vertex, so such an angle is refused too.
const QString textGestreckt = QStringLiteral("Der Winkel muss weniger als 180° betragen!");
// A step group's caption names its own last step: the left one ends at 3.
QString SchritteText(int letzter) { return QStringLiteral(" Schritte(0–%1) ").arg(letzter); }

// Pixels per world unit of both drawings (480 pixels for 20 units).
constexpr double pixelJeEinheit = 24;

bool ausserhalbRahmen(float x, float y)
{
    const float w = TfrmSymmetrie2::rahmen;
    return x <= -w || x >= w || y <= -w || y >= w;
}

// Clicked points lie on the pixel grid, so the cross product of two legs, measured
// in square pixels, is a whole number. Below one half it is zero: the legs lie on
// one line, and pointing apart they form a straight angle.
bool gestreckterWinkel(float ax, float ay, float bx, float by)
{
    const double kreuz = double(ax) * by - double(ay) * bx;
    const double skalar = double(ax) * bx + double(ay) * by;
    return skalar < 0 && std::fabs(kreuz) * pixelJeEinheit * pixelJeEinheit < 0.5;
}

} // namespace

TfrmSymmetrie2::TfrmSymmetrie2(QWidget* eltern)
    : TLektionsFenster(QStringLiteral("Symmetralen"), eltern)
{
    LinkerBereich().Verteile(pnlUeb1, lblUeb1, bevGrafik1, pntGrafik1, pnlStatus1, lblStatus1);
    RechterBereich().Verteile(pnlUeb2, lblUeb2, bevGrafik2, pntGrafik2, pnlStatus2, lblStatus2);
    lblStatus1->setGeometry(7, 2, 474, 46);
    lblStatus2->setGeometry(7, 2, 474, 46);

    baueSchritte(5, letzterSchritt1, grpSchritt1, UpDown1, lblSchritte1);
    baueSchritte(525, letzterSchritt2, grpSchritt2, UpDown2, lblSchritte2);
    baueNeuerVersuch(334, QStringLiteral(" Neuer Versuch  "), grpWH1, btnWH1);
    baueNeuerVersuch(852, QStringLiteral(" Neuer Versuch "), grpWH2, btnWH2);

    pntGrafik1->OnPaint = [this] { pntGrafik1Paint(); };
    pntGrafik2->OnPaint = [this] { pntGrafik2Paint(); };
    pntGrafik1->OnBeschreibung = [this] { return StreckenBeschreibung(punkte1, markiert1, Schritt1); };
    pntGrafik2->OnBeschreibung = [this] { return WinkelBeschreibung(punkte2, markiert2, Schritt2); };
    pntGrafik1->OnMouseDown = [this](Qt::MouseButton knopf, Qt::KeyboardModifiers tasten, int x, int y) {
        pntGrafik1MouseDown(knopf, tasten, x, y);
    };
    pntGrafik2->OnMouseDown = [this](Qt::MouseButton knopf, Qt::KeyboardModifiers tasten, int x, int y) {
        pntGrafik2MouseDown(knopf, tasten, x, y);
    };
    UpDown1->OnClick = [this](TUpDown* sender) { UpDown1Click(sender); };
    UpDown2->OnClick = [this](TUpDown* sender) { UpDown2Click(sender); };
    connect(btnWH1, &QPushButton::clicked, this, [this] { btnWH1Click(); });
    connect(btnWH2, &QPushButton::clicked, this, [this] { btnWH2Click(); });
}

// A step group at x = links up to step `letzter`; its control waits for the points.
void TfrmSymmetrie2::baueSchritte(int links, int letzter, QGroupBox*& grp, TUpDown*& upDown, QLabel*& lbl)
{
    const TSchrittGruppe g =
        NeueSchrittGruppe(QRect(links, 575, 130, 75), SchritteText(letzter), letzter, QRect(15, 25, 100, 25));
    grp = g.grp;
    upDown = g.UpDown;
    lbl = g.lblSchritte;
    upDown->setEnabled(false);
}

// A group " Neuer Versuch " at x = links; "Ja" waits for the last step.
void TfrmSymmetrie2::baueNeuerVersuch(int links, const QString& caption, QGroupBox*& grp, QPushButton*& btn)
{
    const TWiederholGruppe g = NeueWiederholGruppe(QRect(links, 575, 160, 75), caption, 120);
    grp = g.grp;
    btn = g.btn;
    btn->setEnabled(false);
}

// ---------------------------------------------------------------------------
// Opening the window: both drawings start with no points and no active step control.

void TfrmSymmetrie2::FormActivate()
{
    SetzeFarben();
    linienFarbe1 = farbeViolett;
    linienFarbe2 = farbeOliv;

    lblUeb1->setText(QStringLiteral("Streckensymmetrale"));
    lblUeb2->setText(QStringLiteral("Winkelsymmetrale"));
    lblStatus1->setText(QStringLiteral("Markiere die Symmetrieachse durch Klicken von zwei Punkten mit "
                                       "der Maus innerhalb des strichlierten Rahmens."));
    lblStatus2->setText(QStringLiteral("Markiere eine Winkel durch Klicken von drei Punkten mit der Maus "
                                       "innerhalb des strichlierten Rahmens."));

    anzahlPunkte1 = 2;
    anzahlPunkte2 = 3;
    grpSchritt1->setTitle(SchritteText(letzterSchritt1));
    grpSchritt2->setTitle(SchritteText(letzterSchritt2));
    for (TMarkierPunkt& p : punkte1)
        p = TMarkierPunkt{};
    for (TMarkierPunkt& p : punkte2)
        p = TMarkierPunkt{};
    vonVorn(seite1(), Schritt1, markiert1, punkte1);
    vonVorn(seite2(), Schritt2, markiert2, punkte2);
    schenkelGezeichnet = false;
}

// ---------------------------------------------------------------------------
// Handlers.

// The world point of a click in a drawing.
TWeltPunkt TfrmSymmetrie2::geklickt(const TPaintBox* box, int px, int py)
{
    SetzeWeltfenster(box->width(), box->height(), weltSymmetralen);
    TWeltPunkt p;
    PixelZuWelt(px, py, p.x, p.y);
    return p;
}

void TfrmSymmetrie2::pntGrafik1MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int px, int py)
{
    const TWeltPunkt p = geklickt(pntGrafik1, px, py);
    MarkierePunkt1(p.x, p.y);
}

void TfrmSymmetrie2::pntGrafik2MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int px, int py)
{
    const TWeltPunkt p = geklickt(pntGrafik2, px, py);
    MarkierePunkt2(p.x, p.y);
}

// The checks every click passes first: inside the frame, and a point still
// missing (a click on a complete figure only repaints it).
bool TfrmSymmetrie2::nochOffen(float x, float y, int markiert, int anzahl, TPaintBox* box)
{
    if (ausserhalbRahmen(x, y)) {
        MessageDlg(this, textAusserhalb);
        return false;
    }
    if (markiert >= anzahl) {
        box->repaint();
        return false;
    }
    return true;
}

void TfrmSymmetrie2::MarkierePunkt1(float x, float y)
{
    if (!nochOffen(x, y, markiert1, anzahlPunkte1, pntGrafik1))
        return;
    if (markiert1 == 1 && Abstand(x, y, punkte1[1].x, punkte1[1].y) < mindestAbstand) {
        MessageDlg(this, textAbstand1);
        return;
    }

    ++markiert1;
    punkte1[markiert1] = {x, y, true};
    if (markiert1 == anzahlPunkte1) {
        // The segment replaces the dots and fixes the compass radius (the
        // drawing used to do both when it first showed the segment).
        punkte1[1].gesetzt = punkte1[2].gesetzt = false;
        radius1 = StreckenRadius(punkte1[1], punkte1[2]);
        lblStatus1->setText(QtText(StreckenAnleitung(0)));
        UpDown1->setEnabled(true);
    }
    pntGrafik1->repaint();
}

void TfrmSymmetrie2::MarkierePunkt2(float x, float y)
{
    if (!nochOffen(x, y, markiert2, anzahlPunkte2, pntGrafik2))
        return;

    const int k = markiert2 + 1;
    const TMarkierPunkt& p1 = punkte2[1];
    const TMarkierPunkt& v = punkte2[2];
    if (k == 2 && Abstand(x, y, p1.x, p1.y) < mindestAbstand) {
        MessageDlg(this, textAbstand1);
        return;
    }
    if (k == 3) {
        if (Abstand(x, y, p1.x, p1.y) < mindestAbstand || Abstand(x, y, v.x, v.y) < mindestAbstand) {
            MessageDlg(this, textAbstand12);
            return;
        }
        float ax = 0, ay = 0, bx = 0, by = 0;
        Differenz(v.x, v.y, p1.x, p1.y, ax, ay);
        Differenz(v.x, v.y, x, y, bx, by);
        if (Zwischenwinkel(ax, ay, bx, by) < mindestWinkel) {
            MessageDlg(this, textSpitz);
            return;
        }
        if (gestreckterWinkel(ax, ay, bx, by)) {
            MessageDlg(this, textGestreckt);
            return;
        }
    }

    markiert2 = k;
    punkte2[k] = {x, y, true};
    if (markiert2 == anzahlPunkte2) {
        // The legs replace the dots (the drawing used to switch them over).
        for (TMarkierPunkt& p : punkte2)
            p.gesetzt = false;
        schenkelGezeichnet = true;
        lblStatus2->setText(QtText(WinkelAnleitung(0)));
        UpDown2->setEnabled(true);
    }
    pntGrafik2->repaint();
}

void TfrmSymmetrie2::UpDown1Click(TUpDown*)
{
    Schritt1 = UpDown1->Position();
    zeigeSchritt(seite1(), Schritt1, letzterSchritt1, QtText(StreckenAnleitung(Schritt1)));
}

void TfrmSymmetrie2::UpDown2Click(TUpDown*)
{
    Schritt2 = UpDown2->Position();
    zeigeSchritt(seite2(), Schritt2, letzterSchritt2, QtText(WinkelAnleitung(Schritt2)));
}

// The step's number and instruction, "Ja" at the last step, and the drawing.
void TfrmSymmetrie2::zeigeSchritt(const TSeite& seite, int schritt, int letzter, const QString& anleitung)
{
    ZeigeSchritt(seite.schritte, schritt);
    seite.lblStatus->setText(anleitung);
    seite.btnWH->setEnabled(schritt == letzter);
    seite.pntGrafik->repaint();
}

// "Neuer Versuch": back to marking with no points. The instruction of the last
// step stays until the new points are complete.
void TfrmSymmetrie2::btnWH1Click()
{
    vonVorn(seite1(), Schritt1, markiert1, punkte1);
    pntGrafik1->repaint();
}

void TfrmSymmetrie2::btnWH2Click()
{
    vonVorn(seite2(), Schritt2, markiert2, punkte2);
    schenkelGezeichnet = false;
    pntGrafik2->repaint();
}

// Step 0 and no points marked; the step control and "Ja" wait for new points.
void TfrmSymmetrie2::vonVorn(const TSeite& seite, int& schritt, int& markiert, std::span<TMarkierPunkt> punkte)
{
    schritt = 0;
    seite.schritte.UpDown->SetzePosition(0);
    ZeigeSchritt(seite.schritte, 0);
    markiert = 0;
    for (TMarkierPunkt& p : punkte)
        p.gesetzt = false;
    seite.btnWH->setEnabled(false);
    seite.schritte.UpDown->setEnabled(false);
}

// ---------------------------------------------------------------------------
// Drawing: the picture of the state on the grid.

// World window with the grid, white background, axes and unit dots.
void TfrmSymmetrie2::beginneZeichnung(TPaintBox* box)
{
    BeginneZeichnung(box->Canvas, box->width(), box->height(), weltSymmetralen, true);
}

void TfrmSymmetrie2::pntGrafik1Paint()
{
    beginneZeichnung(pntGrafik1);
    Zeichne(pntGrafik1->Canvas, StreckensymmetraleBild(punkte1, markiert1, Schritt1, radius1, linienFarbe1));
}

void TfrmSymmetrie2::pntGrafik2Paint()
{
    beginneZeichnung(pntGrafik2);
    Zeichne(pntGrafik2->Canvas, WinkelsymmetraleBild(punkte2, markiert2, Schritt2, linienFarbe2));
}
