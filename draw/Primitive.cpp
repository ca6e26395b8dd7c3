#include "draw/Primitive.h"

#include "draw/KoordU.h"
#include "draw/PolKartU.h"
#include "draw/SchriftU.h"
#include "draw/Textmass.h"
#include "draw/VektorU.h"

#include <algorithm>
#include <cmath>

namespace {

// x + d and the like, computed in extended precision and rounded to float.
float plus(float a, long double b) { return static_cast<float>(a + b); }

void linie(TMalflaeche& lw, float x1, float y1, float x2, float y2)
{
    int px1, py1, px2, py2;
    WeltZuPixel(x1, y1, px1, py1);
    WeltZuPixel(x2, y2, px2, py2);
    lw.MoveTo(px1, py1);
    lw.LineTo(px2, py2);
}

constexpr int labelGroesse = 12;

} // namespace

void Strecke(TMalflaeche& lw, int breite, TFarbe farbe, float x1, float y1, float x2, float y2, int stil)
{
    lw.stift.breite = breite;
    lw.stift.farbe = farbe;
    switch (stil) {
    case linieVoll: lw.stift.stil = psSolid; break;
    case liniePunktiert: lw.stift.stil = psDot; break;
    case linieStrichPunkt: lw.stift.stil = psDashDot; break;
    default: break; // keeps the style the pen had
    }
    lw.pinsel.stil = bsClear;
    linie(lw, x1, y1, x2, y2);
}

void DickeStrecke(TMalflaeche& lw, int breite, TFarbe farbe, float x1, float y1, float x2, float y2, int stil)
{
    int px1, py1, px2, py2;
    WeltZuPixel(x1, y1, px1, py1);
    WeltZuPixel(x2, y2, px2, py2);
    lw.GeometrischeLinie(px1, py1, px2, py2, breite, farbe, stil);
}

void Rechteck(TMalflaeche& lw, int breite, TFarbe farbe, float x1, float y1, float x2, float y2, int stil)
{
    lw.stift.breite = breite;
    lw.stift.farbe = farbe;
    lw.stift.stil = stil == linieVoll ? psSolid : psDot;
    lw.pinsel.stil = bsClear;
    int px1, py1, px2, py2;
    WeltZuPixel(x1, y1, px1, py1);
    WeltZuPixel(x2, y2, px2, py2);
    lw.Rectangle(std::min(px1, px2), std::min(py1, py2), std::max(px1, px2), std::max(py1, py2));
}

void Doppelpfeil(TMalflaeche& lw, int breite, TFarbe farbe, float x1, float x2, float y, char art)
{
    Strecke(lw, breite, farbe, x1, y, x2, y, linieVoll);
    if (art == 'B' || art == 'L') {
        Strecke(lw, 2, farbe, x1, y, plus(x1, 0.4L), plus(y, 0.2L), linieVoll);
        Strecke(lw, 2, farbe, x1, y, plus(x1, 0.4L), plus(y, -0.2L), linieVoll);
    }
    if (art == 'B' || art == 'R') {
        Strecke(lw, 2, farbe, plus(x2, -0.4L), plus(y, 0.2L), x2, y, linieVoll);
        Strecke(lw, 2, farbe, plus(x2, -0.4L), plus(y, -0.2L), x2, y, linieVoll);
    }
}

void Kreis(TMalflaeche& lw, int breite, TFarbe farbe, float x, float y, float radius, int fuellung)
{
    const int r = Runden(static_cast<long double>(einheitX) * radius);
    int px, py;
    WeltZuPixel(x, y, px, py);
    lw.stift.breite = breite;
    lw.stift.farbe = farbe;
    if (fuellung < 0) {
        lw.pinsel.stil = bsClear;
    } else {
        lw.pinsel.stil = bsSolid;
        lw.pinsel.farbe = TFarbe(fuellung);
    }
    lw.Ellipse(px - r, py - r, px + r, py + r);
}

void PunktKreis(TMalflaeche& lw, int breite, TFarbe farbe, float x, float y, float radius)
{
    const int r = Runden(static_cast<long double>(einheitX) * radius);
    int px, py;
    WeltZuPixel(x, y, px, py);
    lw.stift.breite = breite;
    lw.stift.farbe = farbe;
    lw.stift.stil = psDot;
    lw.pinsel.stil = bsClear;
    lw.Ellipse(px - r, py - r, px + r, py + r);
}

void Bogen(TMalflaeche& lw, int breite, TFarbe farbe, float cx, float cy, float r,
           float startWinkel, float endWinkel)
{
    int links, unten, rechts, oben;
    WeltZuPixel(plus(cx, -static_cast<long double>(r)), plus(cy, -static_cast<long double>(r)), links, unten);
    WeltZuPixel(plus(cx, r), plus(cy, r), rechts, oben);
    float sx, sy, ex, ey;
    PolarZuKartesisch(startWinkel, r, sx, sy);
    PolarZuKartesisch(endWinkel, r, ex, ey);
    int psx, psy, pex, pey;
    WeltZuPixel(plus(cx, sx), plus(cy, sy), psx, psy);
    WeltZuPixel(plus(cx, ex), plus(cy, ey), pex, pey);
    // The canvas draws the whole circle when both rays meet in one pixel, which is
    // what a full turn (0 to 360, -10 to 350) needs. A sliver of a few hundredths of
    // a degree whose ends fall on the same pixel is too short to see: it is left out
    // rather than shown as a full circle.
    long double spanne = std::fmod(static_cast<long double>(endWinkel) - startWinkel, 360.0L);
    if (spanne < 0)
        spanne += 360;
    if (psx == pex && psy == pey && spanne > 0 && spanne < 180)
        return;
    lw.stift.breite = breite;
    lw.stift.farbe = farbe;
    lw.stift.stil = psSolid;
    lw.Arc(std::min(links, rechts), std::min(oben, unten), std::max(links, rechts), std::max(oben, unten),
           psx, psy, pex, pey);
}

void RechterWinkel(TMalflaeche& lw, int breite, TFarbe farbe, float vx, float vy,
                   float cx, float cy, float r, char art)
{
    if (vx == 0 && vy == 0)
        return; // a leg without direction has no right angle beside it
    const float w = Richtungswinkel(vx, vy);
    const float a1 = art == 'L' ? w : plus(w, 90);
    const float a2 = art == 'L' ? plus(w, 90) : plus(w, 180);
    Bogen(lw, breite, farbe, cx, cy, r, a1, a2);
    const float mitte = static_cast<float>(a1 + (static_cast<long double>(a2) - a1) / 2);
    float dx, dy, px, py;
    PolarZuKartesisch(mitte, static_cast<float>(r / 2.0L), dx, dy);
    Summe(cx, cy, dx, dy, px, py);
    Kreis(lw, 1, farbe, px, py, 0.2f, int(farbe));
}

void StreckenName(TMalflaeche& lw, std::string_view text, TFarbe farbe, float x1, float y1, float x2, float y2)
{
    float dx, dy, nx, ny, mx, my, x, y;
    Differenz(x1, y1, x2, y2, dx, dy);
    Normale(dx, dy, nx, ny);
    Mitte(x1, y1, x2, y2, mx, my);
    if (!VersetztUm(mx, my, nx, ny, textmass::Utf16(text).size() == 1 ? 0.4f : 0.55f, x, y))
        return;
    TextZentriert(lw, text, farbe, true, labelGroesse, x, y);
}

void EckenNameVor(TMalflaeche& lw, std::string_view text, TFarbe farbe, float px, float py, float qx, float qy,
                  float abstand)
{
    float dx, dy, x, y;
    Differenz(qx, qy, px, py, dx, dy);
    if (VersetztUm(px, py, dx, dy, abstand, x, y))
        TextZentriert(lw, text, farbe, true, labelGroesse, x, y);
}

void EckenNameNach(TMalflaeche& lw, std::string_view text, TFarbe farbe, float px, float py, float qx, float qy,
                   float abstand)
{
    float dx, dy, x, y;
    Differenz(px, py, qx, qy, dx, dy);
    if (VersetztUm(qx, qy, dx, dy, abstand, x, y))
        TextZentriert(lw, text, farbe, true, labelGroesse, x, y);
}

void SeitenName(TMalflaeche& lw, std::string_view text, TFarbe farbe, float ax, float ay, float bx, float by,
                float cx, float cy, float abstand)
{
    const float l1 = Abstand(ax, ay, cx, cy);
    const float l2 = Abstand(cx, cy, bx, by);
    float mx, my, dx, dy;
    if (!(l1 < l2)) {
        Mitte(ax, ay, cx, cy, mx, my);
        Differenz(cx, cy, ax, ay, dx, dy);
    } else {
        Mitte(cx, cy, bx, by, mx, my);
        Differenz(bx, by, cx, cy, dx, dy);
    }
    float nx, ny, x, y;
    Normale(dx, dy, nx, ny);
    if (!VersetztUm(mx, my, nx, ny, abstand, x, y))
        return;
    TextZentriert(lw, text, farbe, true, labelGroesse, x, plus(y, 0.5L));
}

void Bruch(TMalflaeche& lw, std::string_view zaehler, std::string_view nenner, bool fett, int groesse,
           TFarbe farbe, float x, float y)
{
    SymbolTextMitte(lw, zaehler, farbe, fett, groesse + 2, plus(x, 0.4L), plus(y, 1.2L));
    Strecke(lw, 2, farbe, plus(x, -0.5L), plus(y, -0.3L), plus(x, 0.5L), plus(y, -0.3L), linieVoll);
    TextZentriert(lw, nenner, farbe, fett, groesse, x, plus(y, -0.6L));
}

