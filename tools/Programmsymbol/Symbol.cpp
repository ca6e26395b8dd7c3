#include "Symbol.h"

#include "draw/Leinwand.h"
#include "draw/Primitive.h"
#include "draw/KoordU.h"
#include "draw/PolKartU.h"
#include "draw/SchnittU.h"
#include "draw/VektorU.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

QString SymbolPfad(int groesse)
{
    const QString name = QStringLiteral(GEOMETRIE_ID);
    if (groesse == 0)
        return QStringLiteral("hicolor/scalable/apps/%1.svg").arg(name);
    return QStringLiteral("hicolor/%1x%1/apps/%2.png").arg(groesse).arg(name);
}

namespace {

struct Punkt {
    float x = 0;
    float y = 0;
};

// Foot of the perpendicular from P onto the line through Q and R: Q plus the
// projection of QP onto the side's direction.
Punkt Fusspunkt(Punkt p, Punkt q, Punkt r)
{
    float dx, dy, ux = 0, uy = 0, qpx, qpy;
    Differenz(q.x, q.y, r.x, r.y, dx, dy);
    Normieren(dx, dy, ux, uy);
    Differenz(q.x, q.y, p.x, p.y, qpx, qpy);
    float vx, vy;
    Skalieren(Skalarprodukt(qpx, qpy, ux, uy), ux, uy, vx, vy);
    Punkt f;
    Summe(q.x, q.y, vx, vy, f.x, f.y);
    return f;
}

constexpr TFarbe farbeSeite = RGB(32, 32, 40);
constexpr TFarbe farbeKaro = RGB(196, 218, 240);
constexpr TFarbe farbePapier = clWhite;
constexpr TFarbe farbeRand = RGB(150, 156, 170);

} // namespace

TSymbol Programmsymbol(int groesse)
{
    SetzeFarben();
    // Pixels per world unit at this size; a width never falls below what a
    // line needs to stay visible there.
    const float proEinheit = float(groesse) / TSymbol::kante;
    auto breite = [proEinheit](float welt, float mindestPixel) {
        return std::max(welt, mindestPixel / proEinheit);
    };

    TSymbol s;
    s.blatt = TSymbolBlatt{2, 2, 30, 30, 3.5f, breite(0.15f, 1.0f), farbePapier, farbeRand};

    // Squared paper, inset from the sheet's edge.
    if (groesse >= 64) {
        const float kb = breite(0.12f, 0.75f);
        for (int k = 4; k <= 28; k += 2) {
            s.teile.push_back(TSymbolStrich{float(k), 4, float(k), 28, kb, farbeKaro});
            s.teile.push_back(TSymbolStrich{4, float(k), 28, float(k), kb, farbeKaro});
        }
    }

    const Punkt ecken[3] = {{5.0f, 7.0f}, {27.0f, 7.0f}, {17.5f, 25.0f}};
    Punkt h, sp, u, i;
    MerkwuerdigePunkte(ecken[0].x, ecken[0].y, ecken[1].x, ecken[1].y, ecken[2].x, ecken[2].y, h.x, h.y,
                       sp.x, sp.y, u.x, u.y, i.x, i.y);

    const float hb = breite(0.6f, 1.75f);
    Punkt fuesse[3];
    for (int e = 0; e < 3; ++e) {
        fuesse[e] = Fusspunkt(ecken[e], ecken[(e + 1) % 3], ecken[(e + 2) % 3]);
        s.teile.push_back(TSymbolStrich{ecken[e].x, ecken[e].y, fuesse[e].x, fuesse[e].y, hb, farbeViolett});
    }

    // Right-angle marks at the feet, on the side clockwise of each height: a
    // quarter arc from the side to the height with a dot in its middle.
    if (groesse >= 128) {
        const float r = 2.6f;
        for (int e = 0; e < 3; ++e) {
            float dx, dy, vx, vy;
            Differenz(fuesse[e].x, fuesse[e].y, ecken[e].x, ecken[e].y, dx, dy);
            Normale(dx, dy, vx, vy);
            const float von = Richtungswinkel(vx, vy);
            s.teile.push_back(TSymbolBogen{fuesse[e].x, fuesse[e].y, r, von, von + 90, 0.7f * hb, farbeViolett});
            float px, py;
            PolarZuKartesisch(von + 45, r / 2, px, py);
            s.teile.push_back(TSymbolPunkt{fuesse[e].x + px, fuesse[e].y + py, 0.45f, farbeViolett});
        }
    }

    // The sides over the heights' ends, then the orthocentre on top.
    const float sb = breite(1.0f, 2.5f);
    for (int e = 0; e < 3; ++e) {
        const Punkt p = ecken[e], q = ecken[(e + 1) % 3];
        s.teile.push_back(TSymbolStrich{p.x, p.y, q.x, q.y, sb, farbeSeite});
    }
    s.teile.push_back(TSymbolPunkt{h.x, h.y, breite(0.9f, 2.25f), farbeViolett});
    return s;
}

namespace {

// Rounded rectangle filled with one colour: two crossing bands and a disc in
// each corner.
void RundesRechteck(Leinwand& lw, float l, float u, float r, float o, float radius, TFarbe farbe)
{
    int pl, pu, pr, po;
    WeltZuPixel(l, u, pl, pu);
    WeltZuPixel(r, o, pr, po);
    const int pr0 = Runden(static_cast<long double>(einheitX) * radius);
    lw.pinsel = TPinsel{farbe, bsSolid};
    lw.FillRect(pl + pr0, po, pr - pr0, pu);
    lw.FillRect(pl, po + pr0, pr, pu - pr0);
    const float ecken[4][2] = {{l + radius, u + radius}, {r - radius, u + radius},
                               {r - radius, o - radius}, {l + radius, o - radius}};
    for (const auto& e : ecken)
        Kreis(lw, 1, farbe, e[0], e[1], radius, int(farbe));
}

int Pixelbreite(float welt)
{
    return std::max(1, Runden(static_cast<long double>(einheitX) * welt));
}

// The world window of an icon drawn `pixel` pixels across.
void SetzeSymbolfenster(int pixel)
{
    SetzeWeltfenster(0, pixel, 0, pixel, 0, TSymbol::kante, 0, TSymbol::kante);
}

} // namespace

QImage SymbolBild(const TSymbol& s, int groesse)
{
    // Drawn eight times as large with the foundation's crisp pixels, then
    // averaged down: the edges come out smooth at every size.
    constexpr int faktor = 8;
    const int gross = groesse * faktor;
    QImage bild(gross, gross, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    Leinwand lw(&maler);
    SetzeSymbolfenster(gross);

    const TSymbolBlatt& b = s.blatt;
    RundesRechteck(lw, b.links, b.unten, b.rechts, b.oben, b.eckRadius, b.rand);
    RundesRechteck(lw, b.links + b.randBreite, b.unten + b.randBreite, b.rechts - b.randBreite,
                   b.oben - b.randBreite, b.eckRadius - b.randBreite, b.papier);

    for (const TSymbolTeil& teil : s.teile) {
        if (const auto* t = std::get_if<TSymbolStrich>(&teil))
            Strecke(lw, Pixelbreite(t->breite), t->farbe, t->x1, t->y1, t->x2, t->y2, 1);
        else if (const auto* t = std::get_if<TSymbolBogen>(&teil))
            Bogen(lw, Pixelbreite(t->breite), t->farbe, t->mx, t->my, t->radius, t->von, t->bis);
        else if (const auto* t = std::get_if<TSymbolPunkt>(&teil))
            Kreis(lw, 1, t->farbe, t->x, t->y, t->radius, int(t->farbe));
    }
    lw.Loese();
    maler.end();
    QImage ergebnis = bild.scaled(groesse, groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .convertToFormat(QImage::Format_ARGB32);
    // 96 dots per inch, written into the PNG whatever screen the tool runs on.
    ergebnis.setDotsPerMeterX(3780);
    ergebnis.setDotsPerMeterY(3780);
    return ergebnis;
}

namespace {

QString Zahl(float wert)
{
    QString text = QString::number(double(wert), 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString Farbe(TFarbe f) { return QStringLiteral("#%1").arg(f, 6, 16, QLatin1Char('0')); }

QString X(float x) { return Zahl(WeltZuPixelX(x)); }
QString Y(float y) { return Zahl(WeltZuPixelY(y)); }
QString Laenge(float welt) { return Zahl(float(einheitX) * welt); }

} // namespace

QString SymbolSvg(const TSymbol& s, int groesse)
{
    SetzeSymbolfenster(groesse);
    const QString g = QString::number(groesse);
    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
               .arg(g);

    // The border is stroked on the middle of its band, inside the sheet's edge.
    const TSymbolBlatt& b = s.blatt;
    const float halb = b.randBreite / 2;
    svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\" stroke=\"%7\" "
                          "stroke-width=\"%8\"/>\n")
               .arg(X(b.links + halb), Y(b.oben - halb), Laenge(b.rechts - b.links - b.randBreite),
                    Laenge(b.oben - b.unten - b.randBreite), Laenge(b.eckRadius - halb), Farbe(b.papier),
                    Farbe(b.rand), Laenge(b.randBreite));

    svg += QStringLiteral("  <g fill=\"none\" stroke-linecap=\"round\">\n");
    for (const TSymbolTeil& teil : s.teile) {
        if (const auto* t = std::get_if<TSymbolStrich>(&teil)) {
            svg += QStringLiteral("    <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" stroke-width=\"%6\"/>\n")
                       .arg(X(t->x1), Y(t->y1), X(t->x2), Y(t->y2), Farbe(t->farbe), Laenge(t->breite));
        } else if (const auto* t = std::get_if<TSymbolBogen>(&teil)) {
            float ax, ay, ex, ey;
            PolarZuKartesisch(t->von, t->radius, ax, ay);
            PolarZuKartesisch(t->bis, t->radius, ex, ey);
            long double spanne = std::fmod(static_cast<long double>(t->bis) - t->von, 360.0L);
            if (spanne < 0)
                spanne += 360;
            // Counter-clockwise with y upwards is counter-clockwise on screen too:
            // SVG's sweep flag 0.
            svg += QStringLiteral("    <path d=\"M %1 %2 A %3 %3 0 %4 0 %5 %6\" stroke=\"%7\" stroke-width=\"%8\"/>\n")
                       .arg(X(t->mx + ax), Y(t->my + ay), Laenge(t->radius),
                            spanne > 180 ? QStringLiteral("1") : QStringLiteral("0"), X(t->mx + ex),
                            Y(t->my + ey), Farbe(t->farbe), Laenge(t->breite));
        } else if (const auto* t = std::get_if<TSymbolPunkt>(&teil)) {
            svg += QStringLiteral("    <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                       .arg(X(t->x), Y(t->y), Laenge(t->radius), Farbe(t->farbe));
        }
    }
    svg += QStringLiteral("  </g>\n</svg>\n");
    return svg;
}
