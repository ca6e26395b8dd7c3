#include "lessons/Winkel3Bild.h"

#include "draw/GlobalU.h"
#include "draw/VektorU.h"

namespace {

constexpr float markenRadius = 1.5f;
constexpr float parallele = 3.0f; // the parallels of mode 2 lie at y = 3 and y = -3

// The four angles at a crossing, as arcs counter-clockwise.
TWinkelBogen RechtsOben(float cx, float cy, float a, TFarbe f) { return {cx, cy, 0.0f, a, f}; }
TWinkelBogen LinksOben(float cx, float cy, float a, TFarbe f) { return {cx, cy, a, 180.0f, f}; }
TWinkelBogen LinksUnten(float cx, float cy, float a, TFarbe f)
{
    return {cx, cy, 180.0f, float(180.0L + a), f};
}
TWinkelBogen RechtsUnten(float cx, float cy, float a, TFarbe f)
{
    return {cx, cy, float(180.0L + a), 360.0f, f};
}

} // namespace

// ---------------------------------------------------------------------------
// Geometry and marks

void BerechneKreuzung(float ux, float uy, float ox, float oy, float hoehe, TKreuzung& k)
{
    float dx = 0.0f, dy = 0.0f, nx = 0.0f, ny = 0.0f;
    Differenz(ux, uy, ox, oy, dx, dy);
    Normale(dx, dy, nx, ny);
    // A horizontal line has the normal (0, -1); parallel lines leave the points as they were.
    Schnittpunkt(ux, uy, nx, ny, 0.0f, hoehe, 0.0f, -1.0f, k.sX, k.sY);
    Schnittpunkt(ux, uy, nx, ny, 0.0f, parallele, 0.0f, -1.0f, k.s1X, k.s1Y);
    Schnittpunkt(ux, uy, nx, ny, 0.0f, -parallele, 0.0f, -1.0f, k.s2X, k.s2Y);
    k.alpha = Zwischenwinkel(dx, dy, 1.0f, 0.0f);
    k.beta = float(180.0L - k.alpha);
}

TWinkelMarken LinkeMarken(int modus, int variante, int schritt, const TKreuzung& k)
{
    TWinkelMarken bild;
    const float a = k.alpha;
    if (modus == 1) {
        // Vertical angles at S.
        if (variante == 1) {
            bild.boegen.push_back(RechtsOben(k.sX, k.sY, a, farbeBraun));
            bild.boegen.push_back(LinksUnten(k.sX, k.sY, a, clGreen));
            bild.panel1 = TPanelWert{a, farbeBraun};
            bild.panel2 = TPanelWert{a, clGreen};
        } else {
            bild.boegen.push_back(LinksOben(k.sX, k.sY, a, farbeOrange));
            bild.boegen.push_back(RechtsUnten(k.sX, k.sY, a, farbeHimmelblau));
            bild.panel1 = TPanelWert{k.beta, farbeOrange};
            bild.panel2 = TPanelWert{k.beta, farbeHimmelblau};
        }
        return bild;
    }
    // Equal angles at the parallels, one more with each step.
    if (variante == 1) {
        bild.boegen.push_back(RechtsOben(k.s1X, k.s1Y, a, farbeBraun));
        bild.panel1 = TPanelWert{a, farbeBraun};
        if (schritt >= 1) {
            bild.boegen.push_back(LinksUnten(k.s1X, k.s1Y, a, clGreen));
            bild.panel2 = TPanelWert{a, clGreen};
        }
        if (schritt >= 2)
            bild.boegen.push_back(RechtsOben(k.s2X, k.s2Y, a, farbeBraun));
        if (schritt >= 3)
            bild.boegen.push_back(LinksUnten(k.s2X, k.s2Y, a, clGreen));
    } else {
        bild.boegen.push_back(LinksOben(k.s1X, k.s1Y, a, farbeOrange));
        bild.panel1 = TPanelWert{k.beta, farbeOrange};
        if (schritt >= 1) {
            bild.boegen.push_back(RechtsUnten(k.s1X, k.s1Y, a, farbeHimmelblau));
            bild.panel2 = TPanelWert{k.beta, farbeHimmelblau};
        }
        if (schritt >= 2)
            bild.boegen.push_back(LinksOben(k.s2X, k.s2Y, a, farbeOrange));
        if (schritt >= 3)
            bild.boegen.push_back(RechtsUnten(k.s2X, k.s2Y, a, farbeHimmelblau));
    }
    return bild;
}

TWinkelMarken RechteMarken(int modus, int variante, int schritt, const TKreuzung& k)
{
    TWinkelMarken bild;
    const float a = k.alpha;
    if (modus == 1) {
        // Adjacent angles at S.
        if (variante == 1) {
            bild.boegen.push_back(RechtsOben(k.sX, k.sY, a, farbeBraun));
            bild.boegen.push_back(LinksOben(k.sX, k.sY, a, clGreen));
            bild.panel1 = TPanelWert{a, farbeBraun};
            bild.panel2 = TPanelWert{k.beta, clGreen};
        } else {
            bild.boegen.push_back(LinksUnten(k.sX, k.sY, a, farbeOrange));
            bild.boegen.push_back(RechtsUnten(k.sX, k.sY, a, farbeHimmelblau));
            bild.panel1 = TPanelWert{a, farbeOrange};
            bild.panel2 = TPanelWert{k.beta, farbeHimmelblau};
        }
        return bild;
    }

    // Angles adding up to 180°. Steps 0 and 1 show a pair of adjacent angles at
    // S1 (and S2), steps 2 and 3 replace them by the pair across the segment,
    // step 4 shows both pairs together at both crossings.
    const TFarbe eins = variante == 1 ? farbeBraun : farbeOrange;
    const TFarbe zwei = variante == 1 ? clGreen : farbeHimmelblau;
    const auto erstesPaar = [&](float cx, float cy) {
        if (variante == 1) {
            bild.boegen.push_back(RechtsOben(cx, cy, a, eins));
            bild.boegen.push_back(LinksOben(cx, cy, a, zwei));
        } else {
            bild.boegen.push_back(LinksUnten(cx, cy, a, eins));
            bild.boegen.push_back(RechtsUnten(cx, cy, a, zwei));
        }
    };
    const auto zweitesPaar = [&](float cx, float cy) {
        if (variante == 1) {
            bild.boegen.push_back(LinksOben(cx, cy, a, zwei));
            bild.boegen.push_back(LinksUnten(cx, cy, a, eins));
        } else {
            bild.boegen.push_back(RechtsUnten(cx, cy, a, zwei));
            bild.boegen.push_back(RechtsOben(cx, cy, a, eins));
        }
    };
    if (schritt <= 1 || schritt == 4) {
        bild.panel1 = TPanelWert{a, eins};
        bild.panel2 = TPanelWert{k.beta, zwei};
    }
    switch (schritt) {
    case 0:
        erstesPaar(k.s1X, k.s1Y);
        break;
    case 1:
        erstesPaar(k.s1X, k.s1Y);
        erstesPaar(k.s2X, k.s2Y);
        break;
    case 2:
        zweitesPaar(k.s1X, k.s1Y);
        break;
    case 3:
        zweitesPaar(k.s1X, k.s1Y);
        zweitesPaar(k.s2X, k.s2Y);
        break;
    default:
        erstesPaar(k.s1X, k.s1Y);
        zweitesPaar(k.s1X, k.s1Y);
        erstesPaar(k.s2X, k.s2Y);
        zweitesPaar(k.s2X, k.s2Y);
        break;
    }
    return bild;
}

QString PanelText(float wert)
{
    return ZahlText(wert, 2) + QStringLiteral("°");
}

QString Farbname(TFarbe f)
{
    if (f == farbeBraun)
        return QStringLiteral("brauner");
    if (f == clGreen)
        return QStringLiteral("grüner");
    if (f == farbeOrange)
        return QStringLiteral("oranger");
    if (f == farbeHimmelblau)
        return QStringLiteral("hellblauer");
    return QString();
}

namespace {

// The quarter an arc marks, from the way the arcs are built about a crossing.
QString Lage(const TWinkelBogen& b)
{
    if (b.von == 0.0f)
        return QStringLiteral("rechts oben");
    if (b.bis == 360.0f)
        return QStringLiteral("rechts unten");
    if (b.von == 180.0f)
        return QStringLiteral("links unten");
    return QStringLiteral("links oben");
}

} // namespace

QString Winkel3Beschreibung(int modus, const TKreuzung& k, const TWinkelMarken& marken)
{
    QString text = modus == 1
        ? QStringLiteral("Eine Gerade, von einer schrägen Strecke im Punkt S geschnitten.")
        : QStringLiteral("Zwei parallele Geraden, von einer schrägen Strecke in S1 und S2 geschnitten.");
    QStringList winkel;
    for (const TWinkelBogen& b : marken.boegen) {
        const QString punkt = modus == 1 ? QStringLiteral("S")
            : b.cy == k.s1Y              ? QStringLiteral("S1")
                                         : QStringLiteral("S2");
        const QString eintrag = QStringLiteral("%1 Winkel %2 bei %3: %4")
                                    .arg(Farbname(b.farbe), Lage(b), punkt,
                                         PanelText(float(static_cast<long double>(b.bis) - b.von)));
        if (!winkel.contains(eintrag)) // the last step marks one angle from both pairs
            winkel << eintrag;
    }
    if (!winkel.isEmpty())
        text += QStringLiteral(" Markiert: ") + winkel.join(QStringLiteral("; ")) + QStringLiteral(".");
    return text;
}


// ---------------------------------------------------------------------------
// Picture

TBild Winkel3Bild(int modus, TWeltPunkt unten, TWeltPunkt oben, float hoehe, const TKreuzung& k,
                  const TWinkelMarken& marken)
{
    const auto gerade = [](float y) { return bild::TStrecke{{-10.0f, y}, {10.0f, y}, 2, clBlack, linieVoll}; };
    // A crossing's name sits a little right of and below it.
    const auto name = [](const QString& text, float x, float y) {
        return bild::TText{bild::TTextArt::Zentriert, text, {x + 0.4f, y - 0.4f}, clBlack, 12, true};
    };
    const bild::TStrecke strecke{unten, oben, 2, clBlack, linieVoll};

    TBild b;
    if (modus == 1)
        b << gerade(hoehe) << strecke << name(QStringLiteral("S"), k.sX, k.sY);
    else
        b << gerade(parallele) << gerade(-parallele) << strecke << name(QStringLiteral("S!1"), k.s1X, k.s1Y)
          << name(QStringLiteral("S!2"), k.s2X, k.s2Y);
    for (const TWinkelBogen& m : marken.boegen)
        b << bild::TBogen{{m.cx, m.cy}, markenRadius, m.von, m.bis, 3, m.farbe};
    return b;
}
