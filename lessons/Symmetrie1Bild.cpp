#include "lessons/Symmetrie1Bild.h"

#include "draw/Texte.h"

#include "draw/GlobalU.h"

#include <algorithm>
#include <cmath>

using namespace bild;

namespace symmetrie1 {

namespace {

TStrecke Linie(float x1, float y1, float x2, float y2, int breite, TFarbe farbe, int stil = linieVoll)
{
    return TStrecke{{x1, y1}, {x2, y2}, breite, farbe, stil};
}

// The figure through the points (a segment for two, else a polygon closed
// back to the first point), or its mirror image.
void Figur(TBild& b, const TMarkierPunkt* punkte, int n, TFarbe farbe, bool gespiegelt)
{
    const float s = gespiegelt ? -1.0f : 1.0f;
    const int kanten = n == 2 ? 1 : n;
    for (int i = 1; i <= kanten; ++i) {
        const TMarkierPunkt& p = punkte[i];
        const TMarkierPunkt& q = punkte[i % n + 1];
        b << Linie(s * p.x, p.y, s * q.x, q.y, 2, farbe);
    }
}

// Step 2: the distance from the axis as a red arrow (a plain bar when the
// point is closer to the axis than a unit) with a black tick at the point.
void Abstand(TBild& b, const TMarkierPunkt& p)
{
    const float yMass = p.y - 0.3f;
    if (std::fabs(p.x) >= 1.0f)
        b << TDoppelpfeil{std::min(p.x, 0.0f), std::max(p.x, 0.0f), yMass, 3, clRed, 'B'};
    else if (p.x != 0)
        b << Linie(p.x, yMass, 0, yMass, 3, clRed);
    b << Linie(p.x, p.y, p.x, p.y - 0.5f, 2, clBlack);
}

// Step 3: the same distance beyond the axis in black, with the compass arc
// about the foot of the normal.
void Abgetragen(TBild& b, const TMarkierPunkt& p)
{
    const float bx = -p.x;
    const float yMass = p.y - 0.3f;
    if (std::fabs(p.x) >= 1.0f) {
        b << TDoppelpfeil{std::min(bx, 0.0f), std::max(bx, 0.0f), yMass, 3, clBlack, 'B'};
    } else {
        if (p.x != 0)
            b << Linie(bx, yMass, 0, yMass, 3, clBlack);
        b << Linie(bx, p.y, bx, p.y - 0.5f, 2, clBlack);
    }
    // A point on the axis is its own image: no arc of radius 0.
    if (p.x < 0)
        b << TBogen{{0, p.y}, -p.x, -10, 10, 2, clBlack};
    else if (p.x > 0)
        b << TBogen{{0, p.y}, p.x, 170, 190, 2, clBlack};
}

// The complete figure and what the step adds to it.
void Konstruktion(TBild& b, const TMarkierPunkt* punkte, int n, int schritt, TFarbe figurFarbe, TFarbe bildFarbe)
{
    Figur(b, punkte, n, figurFarbe, false);
    // Steps 1 to 3: the normals to the axis, dotted, to the far edge of the frame.
    if (schritt >= 1 && schritt <= 3) {
        for (int i = 1; i <= n; ++i) {
            const TMarkierPunkt& p = punkte[i];
            b << Linie(p.x, p.y, p.x <= 0 ? rahmenX : -rahmenX, p.y, 1, clRed, liniePunktiert);
        }
    }
    if (schritt == 2 || schritt == 3) {
        for (int i = 1; i <= n; ++i)
            Abstand(b, punkte[i]);
    }
    if (schritt == 3) {
        for (int i = 1; i <= n; ++i)
            Abgetragen(b, punkte[i]);
    }
    // Step 4: the joins to the images and the mirrored figure replace the
    // construction lines.
    if (schritt >= 4) {
        for (int i = 1; i <= n; ++i) {
            const TMarkierPunkt& p = punkte[i];
            if (p.x != 0)
                b << Linie(p.x, p.y, -p.x, p.y, 1, clBlack, liniePunktiert);
        }
        Figur(b, punkte, n, bildFarbe, true);
    }
}

} // namespace

TBild Symmetrie1Bild(int anzahl, const TMarkierPunkt* punkte, int markiert, bool alleMarkiert, int schritt,
                     TFarbe figurFarbe, TFarbe bildFarbe)
{
    TBild b;
    // The mirror axis with its name above it.
    b << Linie(0, -9, 0, 9, 3, clBlack)
      << TText{TTextArt::Mitte, "Spiegelachse", {0, 10}, clBlack, 12, true};
    if (markiert < anzahl)
        b << TRechteck{{-rahmenX, -rahmenY}, {rahmenX, rahmenY}, 1, clRed, liniePunktiert};
    if (markiert == anzahl)
        Konstruktion(b, punkte, anzahl, schritt, figurFarbe, bildFarbe);
    // The marked dots while the figure is incomplete, ringed with the dotted
    // pen of the frame drawn just before them.
    if (!alleMarkiert) {
        for (int i = 1; i <= 5; ++i) {
            if (punkte[i].gesetzt)
                b << TKreis{{punkte[i].x, punkte[i].y}, 0.15f, 1, clBlack, int(figurFarbe), psDot};
        }
    }
    return b;
}

std::string Anleitung(int schritt)
{
    static const char* const jeSchritt[] = {
        "Führe die Konstruktion schrittweise durch.",
        "Zeichne die Normalen zur Symmetrieachse durch die Punkte.",
        "Nimm den Abstand von der Symmetrieachse zum Punkt in den Zirkel.",
        "Schalge diesen Abstand mit dem Zirkel auf der Normalen ab.",
        "Verbinde die gespiegelten Punkte durch Strecke.",
    };
    return jeSchritt[schritt >= 1 && schritt <= letzterSchritt ? schritt : 0];
}

std::string Beschreibung(int anzahl, const TMarkierPunkt* punkte, int markiert, int schritt)
{
    std::string text = "Senkrechte Spiegelachse in der Mitte (x = 0).";
    if (markiert < anzahl)
        return text + ' ' + MarkierText(punkte, markiert, anzahl);
    std::vector<std::string> gesetzt, bilder;
    for (int i = 1; i <= markiert; ++i) {
        gesetzt.push_back(PunktText(Satz("P%1", {i}), punkte[i].x, punkte[i].y));
        bilder.push_back(PunktText(Satz("P%1'", {i}), -punkte[i].x, punkte[i].y));
    }
    text += (anzahl == 2 ? " Strecke " : " Figur ") + Verbunden(gesetzt, ", ") + ".";
    if (schritt <= 0)
        return text;
    text += Satz(" Schritt %1 von %2: %3", {schritt, letzterSchritt, Anleitung(schritt)});
    if (schritt <= 3)
        text += " Gezeichnet: Normalen zur Spiegelachse";
    if (schritt == 2 || schritt == 3)
        text += ", Abstände von der Achse";
    if (schritt == 3)
        text += ", dieselben Abstände jenseits der Achse mit Kreisbögen abgetragen";
    if (schritt >= 4)
        text += " Gespiegelte Figur " + Verbunden(bilder, ", ");
    return text + ".";
}

} // namespace symmetrie1
