// "Symmetralen": the perpendicular bisector of a segment and the bisector of an
// angle, each on points that the pupil clicks, constructed step by step.
#include "lessons/Symmetrie2U.h"

#include "app/Vorlesen.h"

#include "app/Plattform.h"
#include "app/Steuerelemente.h"
#include "draw/GlobalU.h"
#include "draw/KoordU.h"
#include "draw/PolKartU.h"
#include "draw/SchnittU.h"
#include "draw/SchriftU.h"
#include "draw/VektorU.h"

#include <algorithm>
#include <cmath>

namespace {

// Both drawings show 20 x 20 units.
constexpr TWeltRechteck weltSymmetralen{-10, 10, -10, 10};

const QString textSchritt0 = QStringLiteral("Führe die Konstruktion schrittweise durch.");
const QString textAusserhalb = QStringLiteral("Der Punkt liegt nicht innerhab der Markierung!");
const QString textAbstand1 = QStringLiteral("Der Abstand zum 1.Punkt ist zu klein!");
const QString textAbstand12 = QStringLiteral("Der Abstand zum 1. oder 2.Punkt ist zu klein!");
const QString textSpitz = QStringLiteral("Der Winkel muss mehr als 20° betragen!");
// Three points on one line with the vertex between them: the rhombus of the
// construction collapses onto the vertex, so such an angle is refused too.
const QString textGestreckt = QStringLiteral("Der Winkel muss weniger als 180° betragen!");
const QString textSchritte = QStringLiteral(" Schritte(0–4) ");

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

float Kreuzprodukt(float x1, float y1, float x2, float y2)
{
    return float(double(x1) * y2 - double(y1) * x2);
}

TfrmSymmetrie2::TfrmSymmetrie2(QWidget* eltern)
    : TLektionsFenster(QStringLiteral("Symmetralen"), eltern)
{
    LinkerBereich().Verteile(pnlUeb1, lblUeb1, bevGrafik1, pntGrafik1, pnlStatus1, lblStatus1);

    RechterBereich().Verteile(pnlUeb2, lblUeb2, bevGrafik2, pntGrafik2, pnlStatus2, lblStatus2);

    lblStatus1->setGeometry(7, 2, 474, 46);
    lblStatus2->setGeometry(7, 2, 474, 46);

    const TSchrittGruppe schritte1 =
        NeueSchrittGruppe(QRect(5, 575, 130, 75), textSchritte, letzterSchritt1, QRect(15, 25, 100, 25));
    grpSchritt1 = schritte1.grp;
    UpDown1 = schritte1.UpDown;
    lblSchritte1 = schritte1.lblSchritte;
    UpDown1->setEnabled(false);

    const TSchrittGruppe schritte2 =
        NeueSchrittGruppe(QRect(525, 575, 130, 75), textSchritte, letzterSchritt2, QRect(15, 25, 100, 25));
    grpSchritt2 = schritte2.grp;
    UpDown2 = schritte2.UpDown;
    lblSchritte2 = schritte2.lblSchritte;
    UpDown2->setEnabled(false);

    const TWiederholGruppe neu1 =
        NeueWiederholGruppe(QRect(334, 575, 160, 75), QStringLiteral(" Neuer Versuch  "), 120);
    grpWH1 = neu1.grp;
    btnWH1 = neu1.btn;
    btnWH1->setEnabled(false);

    const TWiederholGruppe neu2 =
        NeueWiederholGruppe(QRect(852, 575, 160, 75), QStringLiteral(" Neuer Versuch "), 120);
    grpWH2 = neu2.grp;
    btnWH2 = neu2.btn;
    btnWH2->setEnabled(false);

    pntGrafik1->OnPaint = [this] { pntGrafik1Paint(); };
    pntGrafik2->OnPaint = [this] { pntGrafik2Paint(); };
    pntGrafik1->OnBeschreibung = [this] { return Beschreibung1(punkte1, markiert1, Schritt1); };
    pntGrafik2->OnBeschreibung = [this] { return Beschreibung2(punkte2, markiert2, Schritt2); };
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

QString TfrmSymmetrie2::Anleitung1(int schritt)
{
    switch (schritt) {
    case 1:
        return QStringLiteral("Zeichne um den 1.Punkt einen Kreisbogen mit einem Radius größer als die "
                              "halbe Strecke AB.");
    case 2:
        return QStringLiteral("Zeichne um den 2.Punkt einen Kreisbogen vom selben Radius und ermittle "
                              "die Schnittpunkte.");
    case 3: return QStringLiteral("Lege durch die beiden Schnittpunkte die Streckensymmetrale.");
    default: return textSchritt0;
    }
}

QString TfrmSymmetrie2::Beschreibung1(const TMarkierPunkt* punkte, int markiert, int schritt)
{
    if (markiert < 2)
        return MarkierText(punkte, markiert, 2);
    const TMarkierPunkt &a = punkte[1], &b = punkte[2];
    const float r = 0.75f * Abstand(a.x, a.y, b.x, b.y);
    QString text = QStringLiteral("Strecke AB mit %1 und %2.")
                       .arg(PunktText(QStringLiteral("A"), a.x, a.y), PunktText(QStringLiteral("B"), b.x, b.y));
    if (schritt <= 0)
        return text;
    QStringList gezeichnet;
    gezeichnet << QStringLiteral("Kreisbogen um A mit dem Radius %1").arg(ZahlFuerLeser(r));
    if (schritt >= 2)
        gezeichnet << QStringLiteral("Kreisbogen um B mit demselben Radius, Schnittpunkte S1 und S2");
    if (schritt >= 3)
        gezeichnet << QStringLiteral("Streckensymmetrale durch S1 und S2");
    return text + QStringLiteral(" Schritt %1 von %2: %3 Gezeichnet: %4.")
                      .arg(schritt)
                      .arg(letzterSchritt1)
                      .arg(Anleitung1(schritt), gezeichnet.join(QStringLiteral("; ")));
}

QString TfrmSymmetrie2::Beschreibung2(const TMarkierPunkt* punkte, int markiert, int schritt)
{
    if (markiert < 3)
        return MarkierText(punkte, markiert, 3);
    const TMarkierPunkt &p1 = punkte[1], &v = punkte[2], &p3 = punkte[3];
    const float r = std::trunc(0.75f
                               * std::min(Abstand(v.x, v.y, p1.x, p1.y), Abstand(v.x, v.y, p3.x, p3.y)));
    QString text = QStringLiteral("Winkel mit dem Scheitel %1, Schenkel a bis %2, Schenkel b bis %3.")
                       .arg(PunktText(QStringLiteral("S"), v.x, v.y), PunktText(QString(), p1.x, p1.y),
                            PunktText(QString(), p3.x, p3.y));
    if (schritt <= 0)
        return text;
    QStringList gezeichnet;
    gezeichnet << QStringLiteral("Kreisbogen um S mit dem Radius %1").arg(ZahlFuerLeser(r));
    if (schritt >= 2)
        gezeichnet << QStringLiteral("Schnittpunkte A und B, Kreisbogen um A");
    if (schritt >= 3)
        gezeichnet << QStringLiteral("Kreisbogen um B, Schnittpunkt X");
    if (schritt >= 4)
        gezeichnet << QStringLiteral("Winkelsymmetrale durch S und X");
    return text + QStringLiteral(" Schritt %1 von %2: %3 Gezeichnet: %4.")
                      .arg(schritt)
                      .arg(letzterSchritt2)
                      .arg(Anleitung2(schritt), gezeichnet.join(QStringLiteral("; ")));
}

QString TfrmSymmetrie2::Anleitung2(int schritt)
{
    switch (schritt) {
    case 1:
        return QStringLiteral("Zeichne um den Scheitel einen nicht zu kleinen Kreisbogen, der die "
                              "Schenkel schneidet.");
    case 2: return QStringLiteral("Zeichne um den Schnittpunkt A einen Kreis vom selben Radius.");
    case 3: return QStringLiteral("Zeichne um den Schnittpunkt B einen Kreis vom selben Radius.");
    case 4:
        return QStringLiteral("Lege durch den Scheitel und den Schnittpunkt der Kreise die "
                              "Winkelsymmetrale.");
    default: return textSchritt0;
    }
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

    markiert1 = 0;
    anzahlPunkte1 = 2;
    markiert2 = 0;
    anzahlPunkte2 = 3;
    Schritt1 = 0;
    Schritt2 = 0;
    grpSchritt1->setTitle(textSchritte);
    grpSchritt2->setTitle(textSchritte);
    for (TMarkierPunkt& p : punkte1)
        p = TMarkierPunkt{};
    for (TMarkierPunkt& p : punkte2)
        p = TMarkierPunkt{};
    schenkelGezeichnet = false;

    UpDown1->SetzePosition(0);
    UpDown2->SetzePosition(0);
    UpDown1->setEnabled(false);
    UpDown2->setEnabled(false);
    ZeigeSchritt({grpSchritt1, UpDown1, lblSchritte1}, 0);
    ZeigeSchritt({grpSchritt2, UpDown2, lblSchritte2}, 0);
    btnWH1->setEnabled(false);
    btnWH2->setEnabled(false);
}

// ---------------------------------------------------------------------------
// Handlers.

void TfrmSymmetrie2::pntGrafik1MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int px, int py)
{
    setzeWeltfenster(pntGrafik1);
    float x = 0, y = 0;
    PixelZuWelt(px, py, x, y);
    MarkierePunkt1(x, y);
}

void TfrmSymmetrie2::pntGrafik2MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int px, int py)
{
    setzeWeltfenster(pntGrafik2);
    float x = 0, y = 0;
    PixelZuWelt(px, py, x, y);
    MarkierePunkt2(x, y);
}

void TfrmSymmetrie2::MarkierePunkt1(float x, float y)
{
    if (ausserhalbRahmen(x, y)) {
        MessageDlg(this, textAusserhalb);
        return;
    }
    if (markiert1 >= anzahlPunkte1) {
        pntGrafik1->repaint();
        return;
    }
    if (markiert1 == 1 && Abstand(x, y, punkte1[1].x, punkte1[1].y) < mindestAbstand) {
        MessageDlg(this, textAbstand1);
        return;
    }

    ++markiert1;
    punkte1[markiert1] = {x, y, true};
    if (markiert1 == anzahlPunkte1) {
        lblStatus1->setText(textSchritt0);
        UpDown1->setEnabled(true);
    }
    pntGrafik1->repaint();
}

void TfrmSymmetrie2::MarkierePunkt2(float x, float y)
{
    if (ausserhalbRahmen(x, y)) {
        MessageDlg(this, textAusserhalb);
        return;
    }
    if (markiert2 >= anzahlPunkte2) {
        pntGrafik2->repaint();
        return;
    }

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
        lblStatus2->setText(textSchritt0);
        UpDown2->setEnabled(true);
    }
    pntGrafik2->repaint();
}

void TfrmSymmetrie2::UpDown1Click(TUpDown*)
{
    Schritt1 = UpDown1->Position();
    ZeigeSchritt({grpSchritt1, UpDown1, lblSchritte1}, Schritt1);
    lblStatus1->setText(Anleitung1(Schritt1));
    btnWH1->setEnabled(Schritt1 == letzterSchritt1);
    pntGrafik1->repaint();
}

void TfrmSymmetrie2::UpDown2Click(TUpDown*)
{
    Schritt2 = UpDown2->Position();
    ZeigeSchritt({grpSchritt2, UpDown2, lblSchritte2}, Schritt2);
    lblStatus2->setText(Anleitung2(Schritt2));
    btnWH2->setEnabled(Schritt2 == letzterSchritt2);
    pntGrafik2->repaint();
}

// "Neuer Versuch": back to marking with no points. The instruction of the last
// step stays until the new points are complete.
void TfrmSymmetrie2::btnWH1Click()
{
    Schritt1 = 0;
    UpDown1->SetzePosition(0);
    ZeigeSchritt({grpSchritt1, UpDown1, lblSchritte1}, 0);
    markiert1 = 0;
    for (TMarkierPunkt& p : punkte1)
        p.gesetzt = false;
    btnWH1->setEnabled(false);
    UpDown1->setEnabled(false);
    pntGrafik1->repaint();
}

void TfrmSymmetrie2::btnWH2Click()
{
    Schritt2 = 0;
    UpDown2->SetzePosition(0);
    ZeigeSchritt({grpSchritt2, UpDown2, lblSchritte2}, 0);
    markiert2 = 0;
    for (TMarkierPunkt& p : punkte2)
        p.gesetzt = false;
    btnWH2->setEnabled(false);
    UpDown2->setEnabled(false);
    schenkelGezeichnet = false;
    pntGrafik2->repaint();
}

// ---------------------------------------------------------------------------
// Drawing.

void TfrmSymmetrie2::setzeWeltfenster(const TPaintBox* box)
{
    SetzeWeltfenster(box->width(), box->height(), weltSymmetralen);
}

// World window with the grid, white background, axes and unit dots; the dotted
// frame is the caller's.
void TfrmSymmetrie2::beginneZeichnung(TPaintBox* box)
{
    BeginneZeichnung(box->Canvas, box->width(), box->height(), weltSymmetralen, true);
}

void TfrmSymmetrie2::pntGrafik1Paint()
{
    Leinwand& lw = pntGrafik1->Canvas;
    beginneZeichnung(pntGrafik1);

    if (markiert1 < anzahlPunkte1)
        Rechteck(lw, 1, clRed, -rahmen, -rahmen, rahmen, rahmen, liniePunktiert);

    if (markiert1 == anzahlPunkte1) {
        TMarkierPunkt& a = punkte1[1];
        TMarkierPunkt& b = punkte1[2];

        Strecke(lw, 3, clBlack, a.x, a.y, b.x, b.y, linieVoll);
        a.gesetzt = false;
        b.gesetzt = false;

        // End ticks across the segment.
        float dx = 0, dy = 0, ux = 0, uy = 0, nx = 0, ny = 0;
        Differenz(b.x, b.y, a.x, a.y, dx, dy);
        Normieren(dx, dy, ux, uy);
        Normale(ux, uy, nx, ny);
        for (const TMarkierPunkt* p : {&a, &b}) {
            Strecke(lw, 2, clBlack, p->x, p->y, p->x + 0.2f * nx, p->y + 0.2f * ny, linieVoll);
            Strecke(lw, 2, clBlack, p->x, p->y, p->x - 0.2f * nx, p->y - 0.2f * ny, linieVoll);
        }

        // "A" beyond A, "B" beyond B.
        TextZentriert(lw, QStringLiteral("A"), clBlack, true, 12, a.x + 0.6f * ux, a.y + 0.6f * uy);
        TextZentriert(lw, QStringLiteral("B"), clBlack, true, 12, b.x - 0.6f * ux, b.y - 0.6f * uy);

        // More than half of AB, so the two arcs meet.
        radius1 = 0.75f * Abstand(a.x, a.y, b.x, b.y);
        const float dAB = Richtungswinkel(-dx, -dy);
        const float dBA = Richtungswinkel(dx, dy);

        if (Schritt1 >= 1)
            Bogen(lw, 1, clBlack, a.x, a.y, radius1, dAB - 70, dAB + 70);

        if (Schritt1 >= 2) {
            Bogen(lw, 1, clBlack, b.x, b.y, radius1, dBA - 70, dBA + 70);

            // The arcs meet on the perpendicular through the midpoint M.
            float mx = 0, my = 0, qx = 0, qy = 0, s1x = 0, s1y = 0, s2x = 0, s2y = 0;
            Mitte(a.x, a.y, b.x, b.y, mx, my);
            Normale(-dx, -dy, nx, ny);
            Summe(mx, my, nx, ny, qx, qy);
            if (SchnittGeradeKreis(mx, my, qx, qy, a.x, a.y, radius1, s1x, s1y, s2x, s2y)) {
                const auto beschrifte = [&lw](const QString& text, float sx, float sy) {
                    TextZentriert(lw, text, clBlack, true, 12, sx + 0.4f, sy >= 0 ? sy + 0.4f : sy - 0.4f);
                };
                beschrifte(QStringLiteral("S!1"), s1x, s1y);
                beschrifte(QStringLiteral("S!2"), s2x, s2y);

                float e1x = 0, e1y = 0, e2x = 0, e2y = 0;
                if (Schritt1 >= 3 && GeradeImQuadrat(s1x, s1y, s2x, s2y, 10, e1x, e1y, e2x, e2y))
                    Strecke(lw, 1, farbeHimbeer, e1x, e1y, e2x, e2y, linieStrichPunkt);
            }
        }
    }

    for (const TMarkierPunkt& p : punkte1) {
        if (p.gesetzt)
            Kreis(lw, 1, clBlack, p.x, p.y, 0.15f, int(linienFarbe1));
    }
}

void TfrmSymmetrie2::zeichneSchenkel()
{
    Leinwand& lw = pntGrafik2->Canvas;
    const TMarkierPunkt& p1 = punkte2[1];
    const TMarkierPunkt& v = punkte2[2];
    const TMarkierPunkt& p3 = punkte2[3];
    Strecke(lw, 3, clBlack, p1.x, p1.y, v.x, v.y, linieVoll);
    Strecke(lw, 3, clBlack, v.x, v.y, p3.x, p3.y, linieVoll);
}

void TfrmSymmetrie2::pntGrafik2Paint()
{
    Leinwand& lw = pntGrafik2->Canvas;
    beginneZeichnung(pntGrafik2);

    if (markiert2 < anzahlPunkte2)
        Rechteck(lw, 1, clRed, -rahmen, -rahmen, rahmen, rahmen, liniePunktiert);

    if (markiert2 == anzahlPunkte2) {
        TMarkierPunkt& p1 = punkte2[1];
        TMarkierPunkt& v = punkte2[2];
        TMarkierPunkt& p3 = punkte2[3];

        // The angle is complete: its legs replace the dots.
        p1.gesetzt = v.gesetzt = p3.gesetzt = false;
        schenkelGezeichnet = true;

        // The legs as vectors from the vertex, and their unit vectors.
        float ax = 0, ay = 0, bx = 0, by = 0;
        Differenz(v.x, v.y, p1.x, p1.y, ax, ay);
        Differenz(v.x, v.y, p3.x, p3.y, bx, by);
        float uax = 0, uay = 0, ubx = 0, uby = 0;
        Normieren(ax, ay, uax, uay);
        Normieren(bx, by, ubx, uby);

        // Labels: "a" beyond P1, "S" behind the vertex, "b" beyond P3 seen from P1.
        float wx = 0, wy = 0, hx = 0, hy = 0;
        Halbierende(ax, ay, bx, by, wx, wy);
        Normieren(wx, wy, hx, hy);
        float cx = 0, cy = 0, ucx = 0, ucy = 0;
        Differenz(p1.x, p1.y, p3.x, p3.y, cx, cy);
        Normieren(cx, cy, ucx, ucy);
        TextZentriert(lw, QStringLiteral("a"), clBlack, true, 12, p1.x + 0.6f * uax, p1.y + 0.6f * uay);
        TextZentriert(lw, QStringLiteral("S"), clBlack, true, 12, v.x - 0.4f * hx, v.y - 0.4f * hy);
        TextZentriert(lw, QStringLiteral("b"), clBlack, true, 12, p3.x + 0.6f * ucx, p3.y + 0.6f * ucy);

        // A whole number of units, at least 3 since both legs are at least 4 long.
        const float r = std::trunc(0.75f * std::min(Laenge(ax, ay), Laenge(bx, by)));
        const float dA = Richtungswinkel(ax, ay);
        const float dB = Richtungswinkel(bx, by);
        const bool gegenUhrzeiger = Kreuzprodukt(ax, ay, bx, by) >= 0;

        // The legs go over the labels.
        zeichneSchenkel();

        if (Schritt2 >= 1) {
            // Counter-clockwise across the angle, 10 degrees beyond each leg.
            if (gegenUhrzeiger)
                Bogen(lw, 1, clBlack, v.x, v.y, r, dA - 10, dB + 10);
            else
                Bogen(lw, 1, clBlack, v.x, v.y, r, dB - 10, dA + 10);
        }

        // The rhombus V, PA, X, PB with sides r: PA and PB on the legs, X its fourth vertex.
        const float pax = v.x + r * uax, pay = v.y + r * uay;
        const float pbx = v.x + r * ubx, pby = v.y + r * uby;
        const float xx = pax + pbx - v.x, xy = pay + pby - v.y;
        const float lx = v.x + 1.1f * (xx - v.x), ly = v.y + 1.1f * (xy - v.y);

        if (Schritt2 >= 2) {
            float ox = 0, oy = 0;
            const auto aufBogen = [&](const QString& text, float winkel) {
                PolarZuKartesisch(winkel, r, ox, oy);
                TextZentriert(lw, text, clBlack, true, 12, v.x + ox, v.y + oy);
            };
            if (gegenUhrzeiger) {
                aufBogen(QStringLiteral("A"), dA - 10);
                aufBogen(QStringLiteral("B"), dB + 10);
            } else {
                aufBogen(QStringLiteral("B"), dB - 10);
                aufBogen(QStringLiteral("A"), dA + 10);
            }
            const float zuX = Richtungswinkel(xx - pax, xy - pay);
            Bogen(lw, 1, clBlack, pax, pay, r, zuX - 10, zuX + 10);
        }

        if (Schritt2 >= 3) {
            const float zuX = Richtungswinkel(xx - pbx, xy - pby);
            Bogen(lw, 1, clBlack, pbx, pby, r, zuX - 10, zuX + 10);
            TextZentriert(lw, QStringLiteral("X"), clBlack, true, 12, lx, ly - 0.4f);
        }

        float e1x = 0, e1y = 0, e2x = 0, e2y = 0;
        if (Schritt2 >= 4 && GeradeImQuadrat(v.x, v.y, lx, ly, 10, e1x, e1y, e2x, e2y))
            Strecke(lw, 1, clRed, e1x, e1y, e2x, e2y, linieStrichPunkt);
    }

    for (const TMarkierPunkt& p : punkte2) {
        if (p.gesetzt)
            Kreis(lw, 1, clBlack, p.x, p.y, 0.15f, int(linienFarbe2));
    }
}
