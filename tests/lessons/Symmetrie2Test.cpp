// "Symmetralen": both constructions on the real window, driven by clicks at
// pixels computed from world points; drawings checked pixel by pixel and as
// the pictures computed from the state.
#include "lessons/Symmetrie2U.h"

#include "TestHilfen.h"
#include "app/Plattform.h"
#include "app/Steuerelemente.h"
#include "draw/Primitive.h"
#include "draw/KoordU.h"
#include "draw/SchriftU.h"
#include "draw/VektorU.h"

#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <utility>
#include <variant>
#include <vector>

using testhilfen::FarbeNahe;
using testhilfen::ZaehleFarbe;

namespace {

const QString textAusserhalb = QStringLiteral("Der Punkt liegt nicht innerhab der Markierung!");
const QString textAbstand1 = QStringLiteral("Der Abstand zum 1.Punkt ist zu klein!");
const QString textAbstand12 = QStringLiteral("Der Abstand zum 1. oder 2.Punkt ist zu klein!");
const QString textSpitz = QStringLiteral("Der Winkel muss mehr als 20° betragen!");
const QString textGestreckt = QStringLiteral("Der Winkel muss weniger als 180° betragen!");

constexpr unsigned rot = 0xFF0000, schwarz = 0x000000, grau = 0x808080, himbeer = 0xFF0066;
constexpr unsigned violett = 0x6633FF, oliv = 0x669933;

// Both drawings show -10..10 in x and y on 480 x 480 pixels.
QPoint Pixel(float x, float y)
{
    SetzeWeltfenster(0, 480, 0, 480, -10, 10, -10, 10);
    int px = 0, py = 0;
    WeltZuPixel(x, y, px, py);
    return {px, py};
}
QPointF Welt(int px, int py) { return {(px - 240) / 24.0, (240 - py) / 24.0}; }

// True if the label is written near (x, y): every pixel of its shape, as
// TextZentriert writes it alone, is black within a shift of a few pixels (the
// centring measures with the font the canvas was left with).
bool StehtDa(const QImage& bild, const QString& text, float x, float y)
{
    QImage allein = testhilfen::WeissesBild(480, 480);
    {
        QPainter maler(&allein);
        Leinwand lw(&maler);
        Pixel(0, 0);
        TextZentriert(lw, text, clBlack, true, 12, x, y);
        lw.Loese();
    }
    std::vector<QPoint> form;
    for (int py = 0; py < 480; ++py)
        for (int px = 0; px < 480; ++px)
            if (testhilfen::Farbe(allein, px, py) == schwarz)
                form.emplace_back(px, py);
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx)
            if (!form.empty() && std::all_of(form.begin(), form.end(), [&](QPoint p) {
                    p += QPoint(dx, dy);
                    return bild.rect().contains(p) && testhilfen::Farbe(bild, p.x(), p.y()) == schwarz;
                }))
                return true;
    return false;
}

// Checks a construction line: every pixel of the colour is within `toleranz` of
// the line (given as a signed distance in world units), and the pixels reach
// across the whole area.
void PruefeLinie(const QImage& bild, unsigned farbe, const std::function<double(QPointF)>& abstand,
                 double toleranz)
{
    int anzahl = 0, x0 = 480, x1 = -1, y0 = 480, y1 = -1;
    for (int py = 0; py < 480; ++py)
        for (int px = 0; px < 480; ++px)
            if (testhilfen::Farbe(bild, px, py) == farbe) {
                ++anzahl;
                x0 = std::min(x0, px), x1 = std::max(x1, px), y0 = std::min(y0, py), y1 = std::max(y1, py);
                EXPECT_NEAR(abstand(Welt(px, py)), 0.0, toleranz) << px << ", " << py;
            }
    EXPECT_GT(anzahl, 180);
    EXPECT_GE(std::max(x1 - x0, y1 - y0), 470);
}

class Symmetrie2Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetzeMeldungsHaken([this](const QString& text) { meldungen << text; });
        w = std::make_unique<TfrmSymmetrie2>();
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        const auto zeichne = w->pntGrafik2->OnPaint;
        w->pntGrafik2->OnPaint = [this, zeichne] { ++neuGezeichnet2; zeichne(); };
    }
    void TearDown() override
    {
        w.reset();
        SetzeMeldungsHaken({});
    }

    void Links(float x, float y) { QTest::mouseClick(w->pntGrafik1, Qt::LeftButton, {}, Pixel(x, y)); }
    void Rechts(float x, float y) { RechtsPixel(Pixel(x, y)); }
    void RechtsPixel(QPoint p) { QTest::mouseClick(w->pntGrafik2, Qt::LeftButton, {}, p); }
    void Winkel(QPointF p1, QPointF v, QPointF p3)
    {
        for (const QPointF& p : {p1, v, p3})
            Rechts(float(p.x()), float(p.y()));
    }
    // At most a few arrow clicks: a step control that does not move must not hang the test.
    static void GeheZu(TUpDown* upDown, int schritt)
    {
        for (int i = 0; i < 8 && upDown->Position() != schritt; ++i)
            QTest::mouseClick(upDown->Position() < schritt ? upDown->PfeilRechts() : upDown->PfeilLinks(),
                              Qt::LeftButton);
        EXPECT_EQ(upDown->Position(), schritt);
    }
    void NeuerVersuch2() { QTest::mouseClick(w->btnWH2, Qt::LeftButton); }

    std::unique_ptr<TfrmSymmetrie2> w;
    QStringList meldungen;
    int neuGezeichnet2 = 0;
};

} // namespace

TEST_F(Symmetrie2Test, KlickPruefungenMitIhrenMeldungen)
{
    for (const QImage& bild : {w->pntGrafik1->Abbild(), w->pntGrafik2->Abbild()}) {
        EXPECT_EQ(testhilfen::Farbe(bild, 240, 100), grau);  // axes
        EXPECT_EQ(testhilfen::Farbe(bild, 264, 264), schwarz); // unit dot at (1, -1)
        EXPECT_GT(ZaehleFarbe(bild, rot, QRect(120, 120, 1, 240)), 80); // frame at x = -5
        EXPECT_EQ(ZaehleFarbe(bild, rot, QRect(123, 123, 234, 234)), 0);
    }
    EXPECT_FALSE(w->UpDown1->isEnabled());
    EXPECT_FALSE(w->UpDown2->isEnabled());

    // The frame line x = 5, -5 (columns 360, 120), y = 5, -5 (rows 120, 360) is outside.
    neuGezeichnet2 = 0;
    for (const QPoint p : {QPoint(360, 240), QPoint(120, 240), QPoint(240, 120), QPoint(240, 360)}) {
        QTest::mouseClick(w->pntGrafik1, Qt::LeftButton, {}, p);
        RechtsPixel(p);
    }
    EXPECT_EQ(meldungen, QStringList(8, textAusserhalb));
    EXPECT_EQ(w->markiert1 + w->markiert2, 0);

    // Left: 3.99 units from A is too close (95 across, 12 down), exactly 4 is enough.
    meldungen.clear();
    Links(-2, 0);
    const QPointF zuNah = Welt(Pixel(-2, 0).x() + 95, 240 + 12);
    ASSERT_NEAR(Abstand(-2, 0, float(zuNah.x()), float(zuNah.y())), 3.99f, 0.005f);
    QTest::mouseClick(w->pntGrafik1, Qt::LeftButton, {}, QPoint(Pixel(-2, 0).x() + 95, 252));
    EXPECT_EQ(meldungen, QStringList{textAbstand1});
    EXPECT_EQ(w->markiert1, 1);
    Links(2, 0);
    EXPECT_EQ(w->markiert1, 2);
    EXPECT_TRUE(w->UpDown1->isEnabled());
    EXPECT_EQ(w->lblStatus1->text(), QStringLiteral("Führe die Konstruktion schrittweise durch."));

    // Right: vertex at pixel (132, 348), first leg along x; the third point is checked
    // against both points and for the angle: 204 across and 74 up is 19.94 degrees,
    // 206 across and 75 up 20.005 degrees.
    meldungen.clear();
    Rechts(-0.5f, -4.5f);
    Rechts(-2, -3);
    Rechts(-4.5f, -4.5f);
    Rechts(-4.5f, -1);
    Rechts(2.5f, -2);
    RechtsPixel({132 + 204, 348 - 74});
    EXPECT_EQ(meldungen, (QStringList{textAbstand1, textAbstand12, textAbstand12, textSpitz}));
    EXPECT_EQ(w->markiert2, 2);
    EXPECT_EQ(neuGezeichnet2, 2); // only the two stored points repainted
    RechtsPixel({132 + 206, 348 - 75});
    EXPECT_EQ(meldungen.size(), 4);
    EXPECT_EQ(w->markiert2, 3);
    EXPECT_TRUE(w->UpDown2->isEnabled());

    // Complete: further clicks change nothing.
    const QImage vorher = w->pntGrafik2->Abbild();
    Rechts(-1, 3);
    Links(3, 3);
    EXPECT_EQ(meldungen.size(), 4);
    EXPECT_EQ(w->markiert2, 3);
    EXPECT_FLOAT_EQ(w->punkte1[2].x, 2.0f);
    EXPECT_EQ(w->pntGrafik2->Abbild(), vorher);
}

TEST_F(Symmetrie2Test, GenauZwanzigGradGenuegen)
{
    // A third point whose angle at the vertex is exactly 20 degrees in single
    // precision, and the nearest one below it. The float lengths make the angle
    // move in small jumps, so neighbouring floats of both coordinates are searched.
    const float vx = -4.5f, vy = -4.5f, p1x = -0.5f, p1y = -4.5f;
    const auto winkel = [&](float x, float y) {
        float ax = 0, ay = 0, bx = 0, by = 0;
        Differenz(vx, vy, p1x, p1y, ax, ay);
        Differenz(vx, vy, x, y, bx, by);
        return Zwischenwinkel(ax, ay, bx, by);
    };
    const float x0 = vx + 9 * std::cos(0.34906585f), y0 = vy + 9 * std::sin(0.34906585f);
    float yStart = y0;
    for (int j = 0; j < 400; ++j)
        yStart = std::nextafter(yStart, -10.0f);
    float x = x0, y = yStart;
    bool gefunden = false;
    for (int i = 0; i < 400 && !gefunden; ++i) {
        for (int j = 0; j < 800 && !gefunden; ++j) {
            gefunden = winkel(x, y) == 20.0f;
            if (!gefunden)
                y = std::nextafter(y, 10.0f);
        }
        if (!gefunden) {
            x = std::nextafter(x, 10.0f);
            y = yStart;
        }
    }
    ASSERT_TRUE(gefunden);
    float darunter = y;
    while (winkel(x, darunter) >= 20.0f)
        darunter = std::nextafter(darunter, -10.0f);
    ASSERT_GT(winkel(x, darunter), 19.9999f);

    w->MarkierePunkt2(p1x, p1y);
    w->MarkierePunkt2(vx, vy);
    w->MarkierePunkt2(x, darunter);
    EXPECT_EQ(meldungen, QStringList{textSpitz});
    w->MarkierePunkt2(x, y);
    EXPECT_EQ(meldungen.size(), 1);
    EXPECT_EQ(w->markiert2, 3);
}

TEST_F(Symmetrie2Test, StreckensymmetraleSchrittFuerSchritt)
{
    const float ax = -3, ay = -2, bx = 2, by = 1.5f;
    Links(ax, ay);
    Links(bx, by);
    const float l = std::hypot(bx - ax, by - ay), ux = (bx - ax) / l, uy = (by - ay) / l, r = 0.75f * l;
    // Points on the arcs at 60 degrees from AB, seen from A and from B.
    const QPoint aufBogenA = Pixel(ax + r * (0.5f * ux - 0.8660f * uy), ay + r * (0.8660f * ux + 0.5f * uy));
    const QPoint aufBogenB = Pixel(bx - r * (0.5f * ux - 0.8660f * uy), by - r * (0.8660f * ux + 0.5f * uy));
    const auto schwarzBei = [&](QPoint p) { return FarbeNahe(w->pntGrafik1->Abbild(), p.x(), p.y(), schwarz); };

    QImage bild = w->pntGrafik1->Abbild();
    EXPECT_EQ(ZaehleFarbe(bild, rot), 0);
    EXPECT_EQ(ZaehleFarbe(bild, violett), 0); // no dots once both points are there
    EXPECT_TRUE(StehtDa(bild, QStringLiteral("A"), ax - 0.6f * ux, ay - 0.6f * uy));
    EXPECT_TRUE(StehtDa(bild, QStringLiteral("B"), bx + 0.6f * ux, by + 0.6f * uy));
    EXPECT_FALSE(schwarzBei(aufBogenA));

    GeheZu(w->UpDown1, 1);
    EXPECT_TRUE(schwarzBei(aufBogenA));
    EXPECT_FALSE(schwarzBei(aufBogenB));
    GeheZu(w->UpDown1, 2);
    EXPECT_TRUE(schwarzBei(aufBogenB));
    EXPECT_FALSE(w->btnWH1->isEnabled());
    EXPECT_EQ(ZaehleFarbe(w->pntGrafik1->Abbild(), himbeer), 0);

    GeheZu(w->UpDown1, 3); // dash-dot across the area, every pixel as far from A as from B
    EXPECT_TRUE(w->btnWH1->isEnabled());
    PruefeLinie(w->pntGrafik1->Abbild(), himbeer, [&](QPointF p) {
        return std::hypot(p.x() - ax, p.y() - ay) - std::hypot(p.x() - bx, p.y() - by);
    }, 0.12);
    GeheZu(w->UpDown1, 2);
    EXPECT_FALSE(w->btnWH1->isEnabled());

    // AB of the minimum length 4: radius 3, the labels S1 above and S2 below M at 2.24.
    GeheZu(w->UpDown1, 3);
    const QString letzte = w->lblStatus1->text();
    QTest::mouseClick(w->btnWH1, Qt::LeftButton);
    EXPECT_EQ(w->markiert1, 0);
    EXPECT_EQ(w->lblSchritte1->text(), QStringLiteral("0"));
    EXPECT_FALSE(w->UpDown1->isEnabled());
    EXPECT_FALSE(w->btnWH1->isEnabled());
    EXPECT_GT(ZaehleFarbe(w->pntGrafik1->Abbild(), rot), 200);
    Links(-2, 0);
    EXPECT_EQ(w->lblStatus1->text(), letzte); // the last instruction stays until AB is complete
    Links(2, 0);
    EXPECT_EQ(w->lblStatus1->text(), QStringLiteral("Führe die Konstruktion schrittweise durch."));
    GeheZu(w->UpDown1, 2);
    bild = w->pntGrafik1->Abbild();
    EXPECT_FLOAT_EQ(w->radius1, 3.0f);
    EXPECT_TRUE(StehtDa(bild, QStringLiteral("S!1"), 0.4f, std::sqrt(5.0f) + 0.4f));
    EXPECT_TRUE(StehtDa(bild, QStringLiteral("S!2"), 0.4f, -std::sqrt(5.0f) - 0.4f));
}

TEST_F(Symmetrie2Test, WinkelsymmetraleInBeidenUmlaufrichtungen)
{
    // A right angle at (-4, -4) with legs along x and y: r = 6, PA = (2, -4),
    // PB = (-4, 2), X = (2, 2); clicked counter-clockwise, then clockwise.
    const float c10 = std::cos(0.17453f), s10 = std::sin(0.17453f);
    const auto schwarzBei = [&](float x, float y) {
        const QPoint p = Pixel(x, y);
        return FarbeNahe(w->pntGrafik2->Abbild(), p.x(), p.y(), schwarz, 2);
    };
    for (bool imUhrzeigersinn : {false, true}) {
        NeuerVersuch2();
        if (imUhrzeigersinn)
            Winkel({-4, 4}, {-4, -4}, {4, -4});
        else
            Winkel({4, -4}, {-4, -4}, {-4, 4});
        ASSERT_EQ(w->markiert2, 3);
        QImage bild = w->pntGrafik2->Abbild();
        EXPECT_EQ(ZaehleFarbe(bild, rot) + ZaehleFarbe(bild, oliv), 0); // no frame, no dots
        EXPECT_TRUE(w->schenkelGezeichnet);
        EXPECT_TRUE(schwarzBei(0.5f, -4));
        EXPECT_TRUE(StehtDa(bild, QStringLiteral("S"), -4.2828f, -4.2828f));
        EXPECT_FALSE(schwarzBei(0.2426f, 0.2426f)); // the arc about V at 45 degrees

        GeheZu(w->UpDown2, 1);
        EXPECT_TRUE(schwarzBei(0.2426f, 0.2426f));
        EXPECT_FALSE(schwarzBei(-8.2426f, -8.2426f)); // not across the outside
        // Points on the arcs through X: 95 degrees about (2, -4), -5 degrees about
        // (-4, 2). PA is the one on the first leg.
        const QPointF umPA = imUhrzeigersinn ? QPointF(1.9772, 1.4771) : QPointF(1.4771, 1.9772);
        const QPointF umPB = imUhrzeigersinn ? QPointF(1.4771, 1.9772) : QPointF(1.9772, 1.4771);
        EXPECT_FALSE(schwarzBei(float(umPA.x()), float(umPA.y())));

        GeheZu(w->UpDown2, 2); // arc about PA through X, labels A and B on the arc
        bild = w->pntGrafik2->Abbild();
        EXPECT_TRUE(schwarzBei(float(umPA.x()), float(umPA.y())));
        EXPECT_FALSE(schwarzBei(float(umPB.x()), float(umPB.y())));
        const QString erster = imUhrzeigersinn ? QStringLiteral("B") : QStringLiteral("A");
        const QString zweiter = imUhrzeigersinn ? QStringLiteral("A") : QStringLiteral("B");
        EXPECT_TRUE(StehtDa(bild, erster, -4 + 6 * c10, -4 - 6 * s10)) << imUhrzeigersinn;
        EXPECT_TRUE(StehtDa(bild, zweiter, -4 - 6 * s10, -4 + 6 * c10)) << imUhrzeigersinn;
        EXPECT_FALSE(StehtDa(bild, zweiter, -4 + 6 * c10, -4 - 6 * s10)) << imUhrzeigersinn;

        GeheZu(w->UpDown2, 3); // arc about PB and the label X
        EXPECT_TRUE(schwarzBei(float(umPB.x()), float(umPB.y())));
        EXPECT_TRUE(StehtDa(w->pntGrafik2->Abbild(), QStringLiteral("X"), 2.6f, 2.2f));
        EXPECT_FALSE(w->btnWH2->isEnabled());
        EXPECT_EQ(ZaehleFarbe(w->pntGrafik2->Abbild(), rot), 0);

        GeheZu(w->UpDown2, 4); // the red dash-dot bisector y = x
        EXPECT_TRUE(w->btnWH2->isEnabled());
        PruefeLinie(w->pntGrafik2->Abbild(), rot, [](QPointF p) { return p.x() - p.y(); }, 0.1);
    }

    // An obtuse angle, both ways round: the line through V along unit(a) + unit(b).
    const QPointF p1(4, -1), v(-2, -3), p3(-4, 1);
    const QPointF a = p1 - v, b = p3 - v;
    const QPointF h = a / std::hypot(a.x(), a.y()) + b / std::hypot(b.x(), b.y());
    const QPointF e = h / std::hypot(h.x(), h.y());
    for (bool umgekehrt : {false, true}) {
        NeuerVersuch2();
        Winkel(umgekehrt ? p3 : p1, v, umgekehrt ? p1 : p3);
        GeheZu(w->UpDown2, 4);
        PruefeLinie(w->pntGrafik2->Abbild(), rot, [&](QPointF q) {
            return e.x() * (q.y() - v.y()) - e.y() * (q.x() - v.x());
        }, 0.08);
    }

    // "Neuer Versuch": marking again, the last instruction kept.
    const QString letzte = w->lblStatus2->text();
    NeuerVersuch2();
    EXPECT_EQ(w->markiert2, 0);
    EXPECT_FALSE(w->schenkelGezeichnet);
    EXPECT_FALSE(w->UpDown2->isEnabled());
    EXPECT_FALSE(w->btnWH2->isEnabled());
    EXPECT_EQ(w->lblSchritte2->text(), QStringLiteral("0"));
    EXPECT_EQ(w->lblStatus2->text(), letzte);
    EXPECT_GT(ZaehleFarbe(w->pntGrafik2->Abbild(), rot), 200);
}

TEST_F(Symmetrie2Test, ZirkelRadiusIstGanzzahlig)
{
    struct Fall {
        QPointF p1, v, p3;
        float r;
    };
    // Legs 5 and 9 (r = Trunc(3.75) = 3), 4 and 4 (3), 6 and 6 (Trunc(4.5) = 4).
    const Fall faelle[] = {{{0.5, -4.5}, {-4.5, -4.5}, {-4.5, 4.5}, 3},
                           {{0, -4}, {-4, -4}, {-4, 0}, 3},
                           {{2, -4}, {-4, -4}, {-4, 2}, 4}};
    for (const Fall& f : faelle) {
        NeuerVersuch2();
        Winkel(f.p1, f.v, f.p3);
        GeheZu(w->UpDown2, 1);
        const QImage bild = w->pntGrafik2->Abbild();
        // Along the ray at 30 degrees, which the arc crosses between the legs.
        for (float abstand : {f.r - 0.5f, f.r, f.r + 0.5f}) {
            const QPoint p = Pixel(float(f.v.x()) + abstand * 0.8660f, float(f.v.y()) + abstand * 0.5f);
            EXPECT_EQ(FarbeNahe(bild, p.x(), p.y(), schwarz), abstand == f.r) << f.r << " " << abstand;
        }
        GeheZu(w->UpDown2, 4);
    }
}

TEST_F(Symmetrie2Test, GestreckterWinkelWirdAbgelehnt)
{
    // The vertex between two points on one line, on either side of it.
    Winkel({-4, -2}, {0, 0}, {4, 2});
    Rechts(4.5f, 2.25f);
    EXPECT_EQ(meldungen, QStringList(2, textGestreckt));
    EXPECT_EQ(w->markiert2, 2);
    EXPECT_FALSE(w->UpDown2->isEnabled());

    // One pixel off the line is an angle of its own; its bisector is all but
    // perpendicular to the legs, through the vertex.
    const QPoint p3 = Pixel(4, 2);
    RechtsPixel({p3.x(), p3.y() - 1});
    ASSERT_EQ(w->markiert2, 3);
    GeheZu(w->UpDown2, 4);
    PruefeLinie(w->pntGrafik2->Abbild(), rot, [](QPointF q) { return 2 * q.x() + q.y(); }, 0.15);
}

TEST_F(Symmetrie2Test, WiederOeffnenBeginntVonVorn)
{
    Links(-4, 0);
    Links(4, 0);
    GeheZu(w->UpDown1, 3);
    Winkel({4, -4}, {-4, -4}, {-4, 4});
    GeheZu(w->UpDown2, 4);
    w->hide();
    w->show();
    EXPECT_EQ(w->markiert1 + w->markiert2 + w->Schritt1 + w->Schritt2, 0);
    EXPECT_FALSE(w->schenkelGezeichnet);
    for (TUpDown* upDown : {w->UpDown1, w->UpDown2}) {
        EXPECT_EQ(upDown->Position(), 0);
        EXPECT_FALSE(upDown->isEnabled());
    }
    EXPECT_EQ(w->lblSchritte1->text() + w->lblSchritte2->text(), QStringLiteral("00"));
    // Each caption names the last step of its own control.
    EXPECT_EQ(w->grpSchritt1->title(), QStringLiteral(" Schritte(0–3) "));
    EXPECT_EQ(w->grpSchritt2->title(), QStringLiteral(" Schritte(0–4) "));
    EXPECT_EQ(w->UpDown1->Max(), 3);
    EXPECT_FALSE(w->btnWH1->isEnabled());
    EXPECT_FALSE(w->btnWH2->isEnabled());
    EXPECT_TRUE(w->lblStatus1->text().startsWith(QStringLiteral("Markiere die Symmetrieachse")));
    EXPECT_TRUE(w->lblStatus2->text().startsWith(QStringLiteral("Markiere eine Winkel")));
    EXPECT_GT(ZaehleFarbe(w->pntGrafik1->Abbild(), rot), 200);
    EXPECT_GT(ZaehleFarbe(w->pntGrafik2->Abbild(), rot), 200);
}

// ---------------------------------------------------------------------------
// The drawings as pictures of the state.

namespace {

using namespace bild;

// The place of the label `text` in a picture.
TWeltPunkt NameIn(const TBild& bild, const char* text)
{
    for (const TBildTeil& teil : bild.teile)
        if (const auto* t = std::get_if<TText>(&teil); t && t->text == text)
            return t->ort;
    ADD_FAILURE() << "no label " << text;
    return {};
}

void ErwarteNahe(TWeltPunkt p, float x, float y, const char* was)
{
    EXPECT_NEAR(p.x, x, 1e-4) << was;
    EXPECT_NEAR(p.y, y, 1e-4) << was;
}

// A drawing's picture painted as its paint box paints it, on the grid.
QImage Gemalt(const TBild& bild) { return testhilfen::Gemalt(bild, 480, 480, {-10.0f, 10.0f, -10.0f, 10.0f}, true); }

} // namespace

TEST(Symmetrie2Bild, BeimMarkierenRahmenUndPunkte)
{
    // The dots keep the dotted pen of the frame drawn before them.
    const TRechteck rahmen{{-5, -5}, {5, 5}, 1, clRed, liniePunktiert};
    const auto punkt = [](float x, float y) { return TKreis{{x, y}, 0.15f, 1, clBlack, int(clBlue), psDot}; };
    const TMarkierPunkt links[3] = {{}, {-2, 1, true}, {3, 3, false}};
    const TMarkierPunkt rechts[4] = {{}, {1, 1, true}, {-3, 0, true}, {}};
    EXPECT_EQ(StreckensymmetraleBild(links, 1, 0, 0, clBlue), TBild() << rahmen << punkt(-2, 1));
    EXPECT_EQ(WinkelsymmetraleBild(rechts, 2, 0, clBlue), TBild() << rahmen << punkt(1, 1) << punkt(-3, 0));
}

TEST(Symmetrie2Bild, StreckeMitStrichenNamenUndErstemBogen)
{
    const TMarkierPunkt punkte[3] = {{}, {-2, 0}, {2, 0}};
    const auto strich = [](float x, float y) { return TStrecke{{x, 0}, {x, y}, 2, clBlack, linieVoll}; };
    const auto name = [](const char* text, float x) {
        return TText{TTextArt::Zentriert, std::string(text), {x, 0}, clBlack, 12, true};
    };
    TBild erwartet;
    erwartet << TStrecke{{-2, 0}, {2, 0}, 3, clBlack, linieVoll} << strich(-2, 0.2f) << strich(-2, -0.2f)
             << strich(2, 0.2f) << strich(2, -0.2f) << name("A", -2 - 0.6f) << name("B", 2 + 0.6f)
             << TBogen{{-2, 0}, 3, -70, 70, 1, clBlack};
    EXPECT_EQ(StreckensymmetraleBild(punkte, 2, 1, 3, clBlue), erwartet);
}

TEST(Symmetrie2Bild, StreckensymmetraleDurchDieSchnittpunkte)
{
    SetzeFarben();
    using Strecke = std::pair<TWeltPunkt, TWeltPunkt>;
    for (const auto& [a, b] : {Strecke{{-2, 0}, {2, 0}}, Strecke{{-3, -2}, {2, 1.5f}}, Strecke{{4, 4}, {1, -1}}}) {
        const TMarkierPunkt punkte[3] = {{}, {a.x, a.y}, {b.x, b.y}};
        const float r = StreckenRadius(punkte[1], punkte[2]);
        const TBild bild = StreckensymmetraleBild(punkte, 2, 3, r, clBlue);
        const TGerade g = std::get<TGerade>(bild.teile.back());
        EXPECT_EQ(std::pair(g.farbe, g.stil), std::pair(farbeHimbeer, linieStrichPunkt));
        // Through the two points at the radius from both A and B, named beside them.
        for (const TWeltPunkt s : {g.p, g.q}) {
            EXPECT_NEAR(Abstand(s, a), r, 1e-4);
            EXPECT_NEAR(Abstand(s, b), r, 1e-4);
        }
        ErwarteNahe(NameIn(bild, "S!1"), g.p.x + 0.4f, g.p.y + (g.p.y >= 0 ? 0.4f : -0.4f), "S1");
        ErwarteNahe(NameIn(bild, "S!2"), g.q.x + 0.4f, g.q.y + (g.q.y >= 0 ? 0.4f : -0.4f), "S2");
    }
}

TEST(Symmetrie2Bild, WinkelsymmetraleInBeidenUmlaufrichtungen)
{
    // The right angle at (-4, -4) with legs 6 along x and y: r = 4, X = (0, 0),
    // the bisector y = x. A stands 10 degrees beyond the first leg, B beyond the second.
    const TMarkierPunkt v{-4, -4}, aufX{2, -4}, aufY{-4, 2};
    const float c = 4 * std::cos(0.17453293f), s = 4 * std::sin(0.17453293f);
    for (bool imUhrzeigersinn : {false, true}) {
        const TMarkierPunkt punkte[4] = {{}, imUhrzeigersinn ? aufY : aufX, v, imUhrzeigersinn ? aufX : aufY};
        const TBild bild = WinkelsymmetraleBild(punkte, 3, 4, clBlue);
        const TWeltPunkt beiX{-4 + c, -4 - s}, beiY{-4 - s, -4 + c};
        ErwarteNahe(NameIn(bild, "A"), imUhrzeigersinn ? beiY.x : beiX.x, imUhrzeigersinn ? beiY.y : beiX.y, "A");
        ErwarteNahe(NameIn(bild, "B"), imUhrzeigersinn ? beiX.x : beiY.x, imUhrzeigersinn ? beiX.y : beiY.y, "B");
        ErwarteNahe(NameIn(bild, "X"), 0.4f, 0.0f, "X");
        // The arc about V always runs counter-clockwise from the x leg to the y leg.
        EXPECT_EQ(std::get<TBogen>(bild.teile[5]), (TBogen{{-4, -4}, 4, -10, 100, 1, clBlack}));
        const TGerade g = std::get<TGerade>(bild.teile.back());
        ErwarteNahe(g.p, -4, -4, "bisector");
        ErwarteNahe(g.q, 0.4f, 0.4f, "bisector");
        EXPECT_EQ(g.farbe, clRed);
    }
}

TEST_F(Symmetrie2Test, ZeichnungenZeigenIhrBildUndAendernNichts)
{
    Links(-3, -2);
    Links(2, 1.5f);
    Winkel({4, -1}, {-2, -3}, {-4, 1});
    GeheZu(w->UpDown1, 2);
    GeheZu(w->UpDown2, 3);
    EXPECT_EQ(testhilfen::GroessteAbweichung(
                  w->pntGrafik1->Abbild(),
                  Gemalt(StreckensymmetraleBild(w->punkte1, 2, 2, w->radius1, linienFarbe1))), 0);
    EXPECT_EQ(testhilfen::GroessteAbweichung(w->pntGrafik2->Abbild(),
                                             Gemalt(WinkelsymmetraleBild(w->punkte2, 3, 3, linienFarbe2))), 0);

    // Painting only reads: what the handlers set stays as it is.
    w->radius1 = 1;
    w->punkte2[2].gesetzt = true;
    w->schenkelGezeichnet = false;
    w->pntGrafik1->repaint();
    w->pntGrafik2->repaint();
    EXPECT_EQ(w->radius1, 1.0f);
    EXPECT_TRUE(w->punkte2[2].gesetzt);
    EXPECT_FALSE(w->schenkelGezeichnet);
}
