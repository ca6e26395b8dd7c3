#include "lessons/Tastenzeiger.h"

#include <algorithm>

namespace lektion {

namespace {

constexpr int startX = 36, startY = -36; // from the middle

void bewege(TTastenzeiger& z, int dx, int dy, const TZeigerZiel& ziel)
{
    z = Bewegt(z, dx, dy, ziel.breite, ziel.hoehe, z.band ? z.band : ziel.halt);
    ziel.sende(TZeigerArt::Bewegung, z.x, z.y);
}

void druecke(TTastenzeiger& z, const TZeigerZiel& ziel)
{
    // Pressed first: a message the press brings takes the keys, and that must
    // find the button down to let it go again.
    z.gedrueckt = true;
    z.band.reset();
    const std::optional<TPixelband> band = ziel.sende(TZeigerArt::Druck, z.x, z.y);
    if (!z.gedrueckt) // let go again while the lesson took the press
        return;
    z.band = band;
    if (ziel.behaeltTasten && !ziel.behaeltTasten())
        Loese(z, ziel);
}

} // namespace

TTastenzeiger Startzeiger(int breite, int hoehe)
{
    TTastenzeiger z;
    z.x = breite / 2 + startX;
    z.y = hoehe / 2 + startY;
    return z;
}

int ImBand(int wert, int von, int bis) { return wert < von ? von : bis < wert ? bis : wert; }

TTastenzeiger Bewegt(TTastenzeiger z, int dx, int dy, int breite, int hoehe, const std::optional<TPixelband>& halt)
{
    z.x = std::clamp(z.x + dx, 0, std::max(0, breite - 1));
    z.y = std::clamp(z.y + dy, 0, std::max(0, hoehe - 1));
    if (halt) {
        z.x = ImBand(z.x, halt->links, halt->rechts);
        z.y = ImBand(z.y, halt->oben, halt->unten);
    }
    return z;
}

bool Taste(TTastenzeiger& z, TTaste taste, bool shift, bool wiederholt, const TZeigerZiel& ziel)
{
    const int s = shift ? 1 : 10;
    switch (taste) {
    case TTaste::Links: bewege(z, -s, 0, ziel); return true;
    case TTaste::Rechts: bewege(z, s, 0, ziel); return true;
    case TTaste::Hoch: bewege(z, 0, -s, ziel); return true;
    case TTaste::Runter: bewege(z, 0, s, ziel); return true;
    case TTaste::Leertaste:
        if (!wiederholt) {
            if (z.gedrueckt)
                Loese(z, ziel);
            else
                druecke(z, ziel);
        }
        return false;
    case TTaste::Eingabe:
        // A click; with the button held it only lets go.
        if (!wiederholt) {
            if (!z.gedrueckt)
                druecke(z, ziel);
            Loese(z, ziel);
        }
        return false;
    }
    return false;
}

void Loese(TTastenzeiger& z, const TZeigerZiel& ziel)
{
    if (!z.gedrueckt)
        return;
    // The pointer itself stays where it was aimed; the release comes where the drag holds it.
    const std::optional<TPixelband> halt = z.band ? z.band : ziel.halt;
    const int x = halt ? ImBand(z.x, halt->links, halt->rechts) : z.x;
    const int y = halt ? ImBand(z.y, halt->oben, halt->unten) : z.y;
    z.gedrueckt = false;
    z.band.reset();
    ziel.sende(TZeigerArt::Los, x, y);
}

void MausDruck(TTastenzeiger& z, int x, int y, bool mitTasten, const TZeigerZiel& ziel)
{
    Loese(z, ziel);
    if (mitTasten) {
        z.x = x;
        z.y = y;
    }
}

std::optional<TPixelband> Ziehband(const TLektion& l, int bereich)
{
    const std::optional<TWeltRechteck> r = l.Ziehbereich(bereich);
    const TBereich& b = l.Layout().bereiche[std::size_t(bereich)];
    if (!r || b.grafik.breite <= 0 || b.grafik.hoehe <= 0)
        return std::nullopt;
    const TWeltfenster welt(b.grafik.breite, b.grafik.hoehe, b.welt);
    TPixelband band;
    welt.ZuPixel({r->xMin, r->yMax}, band.links, band.oben);
    welt.ZuPixel({r->xMax, r->yMin}, band.rechts, band.unten);
    // The band's far edges are the first pixels beyond it.
    --band.rechts;
    --band.unten;
    return band;
}

} // namespace lektion
