// The start picture: an acute triangle with its three heights, drawn with the
// program's own primitives at 20 pixels per unit, just as a lesson would draw it.
#include "app/bilder/Bilder.h"

#include "draw/Primitive.h"
#include "draw/KoordU.h"
#include "draw/Leinwand.h"
#include "draw/SchnittU.h"
#include "draw/SchriftU.h"
#include "draw/VektorU.h"

#include <QPainter>

namespace {

struct Punkt {
    float x = 0;
    float y = 0;
};

// Foot of the perpendicular from P onto the line through Q and R.
Punkt Lotfusspunkt(Punkt p, Punkt q, Punkt r)
{
    float dx, dy;
    Differenz(q.x, q.y, r.x, r.y, dx, dy);
    float nx, ny;
    Normale(dx, dy, nx, ny);
    Punkt f;
    // The side has normal n; the height through P has the side's direction as its normal.
    SchnittGeradeGerade(q.x, q.y, nx, ny, p.x, p.y, dx, dy, f.x, f.y);
    return f;
}

// Height from the vertex to its foot, the right-angle mark at the foot on the
// side where the figure leaves room, and the label beside the height.
void ZeichneHoehe(Leinwand& lw, Punkt ecke, Punkt fuss, std::string_view name, float anteil)
{
    Strecke(lw, 2, farbeViolett, ecke.x, ecke.y, fuss.x, fuss.y, linieVoll);

    float dx, dy;
    Differenz(fuss.x, fuss.y, ecke.x, ecke.y, dx, dy);
    // The leg along the side that lies clockwise of the height: the quarter arc
    // from there counter-clockwise ends on the height.
    float vx, vy;
    Normale(dx, dy, vx, vy);
    RechterWinkel(lw, 1, farbeViolett, vx, vy, fuss.x, fuss.y, 1.2f, 'L');

    // Label on the other side of the height, at the given share of the way
    // from the foot to the vertex.
    float nx, ny;
    Normieren(vx, vy, nx, ny);
    const float lx = fuss.x + anteil * dx - 0.75f * nx;
    const float ly = fuss.y + anteil * dy - 0.75f * ny;
    TextZentriert(lw, name, farbeViolett, true, 14, lx, ly);
}

// Draws in the program-wide world window and gives back the one it found, so
// that a window drawing this picture keeps its own.
class TEigenesWeltfenster {
public:
    TEigenesWeltfenster() : vorher_(AktuellesWeltfenster()), gitter_(gitterAn)
    {
        SetzeWeltfenster(0, 440, 0, 440, -11, 11, -11, 11);
    }
    ~TEigenesWeltfenster()
    {
        // Put back as found, even if nothing was set yet.
        const TWeltfenster& w = vorher_;
        weltXMin = w.weltXMin, weltXMax = w.weltXMax, weltYMin = w.weltYMin, weltYMax = w.weltYMax;
        pixLinks = w.pixLinks, pixRechts = w.pixRechts, pixOben = w.pixOben, pixUnten = w.pixUnten;
        nullpunktX = w.nullpunktX, nullpunktY = w.nullpunktY, einheitX = w.einheitX, einheitY = w.einheitY;
        gitterAn = gitter_;
    }
    TEigenesWeltfenster(const TEigenesWeltfenster&) = delete;
    TEigenesWeltfenster& operator=(const TEigenesWeltfenster&) = delete;

private:
    TWeltfenster vorher_;
    bool gitter_;
};

} // namespace

QImage Startbild(QSize groesse)
{
    if (groesse.isEmpty())
        groesse = QSize(440, 440);
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    // At another size the same drawing on a scaled painter, thin lines
    // on whole pixels as on screen.
    const qreal faktor = qMin(groesse.width(), groesse.height()) / 440.0;
    maler.scale(faktor, faktor);
    Leinwand lw(&maler);
    lw.Geraetepixel = true;

    SetzeFarben();
    TEigenesWeltfenster welt;

    // Thin grey frame.
    lw.stift = TStift{RGB(150, 150, 150), 1, psSolid};
    lw.pinsel = TPinsel{clWhite, bsClear};
    lw.Rectangle(6, 6, 434, 434);

    const Punkt a{-8.0f, -6.0f};
    const Punkt b{8.5f, -6.0f};
    const Punkt c{1.5f, 7.5f};

    const Punkt fa = Lotfusspunkt(a, b, c);
    const Punkt fb = Lotfusspunkt(b, c, a);
    const Punkt fc = Lotfusspunkt(c, a, b);
    Punkt h, s, u, i;
    MerkwuerdigePunkte(a.x, a.y, b.x, b.y, c.x, c.y, h.x, h.y, s.x, s.y, u.x, u.y, i.x, i.y);

    // h_a and h_b are labelled between H and their vertex, h_c below H.
    ZeichneHoehe(lw, a, fa, "h!a", 0.6f);
    ZeichneHoehe(lw, b, fb, "h!b", 0.6f);
    ZeichneHoehe(lw, c, fc, "h!c", 0.28f);

    // The sides over the heights' ends.
    Strecke(lw, 2, clBlack, a.x, a.y, b.x, b.y, linieVoll);
    Strecke(lw, 2, clBlack, b.x, b.y, c.x, c.y, linieVoll);
    Strecke(lw, 2, clBlack, c.x, c.y, a.x, a.y, linieVoll);

    // The orthocentre.
    Kreis(lw, 1, farbeViolett, h.x, h.y, 0.2f, int(farbeViolett));
    // Its label in the gap between h_c and h_b above it.
    TextZentriert(lw, "H", farbeViolett, true, 16, h.x - 0.6f, h.y + 1.05f);

    // Vertices beyond the corners, sides outside their midpoints.
    Punkt ma, mb, mc;
    Mitte(b.x, b.y, c.x, c.y, ma.x, ma.y);
    Mitte(c.x, c.y, a.x, a.y, mb.x, mb.y);
    Mitte(a.x, a.y, b.x, b.y, mc.x, mc.y);
    EckenNameVor(lw, "A", clBlack, a.x, a.y, ma.x, ma.y, 0.8f);
    EckenNameVor(lw, "B", clBlack, b.x, b.y, mb.x, mb.y, 0.8f);
    EckenNameVor(lw, "C", clBlack, c.x, c.y, mc.x, mc.y, 0.9f);
    EckenNameNach(lw, "a", clBlack, a.x, a.y, ma.x, ma.y, 0.8f);
    EckenNameNach(lw, "b", clBlack, b.x, b.y, mb.x, mb.y, 0.8f);
    EckenNameNach(lw, "c", clBlack, c.x, c.y, mc.x, mc.y, 0.8f);

    lw.Loese();
    return bild;
}
