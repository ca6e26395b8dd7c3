#include "draw/KoordU.h"

#include <cmath>

float weltXMin = 0, weltXMax = 0, weltYMin = 0, weltYMax = 0;
int pixLinks = 0, pixRechts = 0, pixOben = 0, pixUnten = 0;
int nullpunktX = 0, nullpunktY = 0;
int einheitX = 0, einheitY = 0;
bool gitterAn = false;

int Runden(long double wert)
{
    // nearbyintl rounds in the default mode: to nearest, ties to even.
    return static_cast<int>(std::nearbyintl(wert));
}

TWeltfenster::TWeltfenster(int links, int rechts, int oben, int unten, float xMin, float xMax, float yMin,
                           float yMax)
    : weltXMin(xMin), weltXMax(xMax), weltYMin(yMin), weltYMax(yMax),
      pixLinks(links), pixRechts(rechts), pixOben(oben), pixUnten(unten)
{
    const float sx = static_cast<float>(static_cast<long double>(rechts - links) /
                                        (static_cast<long double>(xMax) - xMin));
    const float sy = static_cast<float>(static_cast<long double>(unten - oben) /
                                        (static_cast<long double>(yMax) - yMin));
    nullpunktX = Runden(-static_cast<long double>(xMin) * sx);
    nullpunktY = Runden(static_cast<long double>(yMin) * sy) + unten;
    einheitX = Runden(sx);
    einheitY = std::abs(Runden(sy));
}

TWeltfenster::TWeltfenster(int breite, int hoehe, const TWeltRechteck& welt)
    : TWeltfenster(0, breite, 0, hoehe, welt.xMin, welt.xMax, welt.yMin, welt.yMax)
{
}

// A scale of zero (a viewport narrower than half a pixel per unit) would divide
// by zero; such a mapping gives the origin instead of infinity.
TWeltPunkt TWeltfenster::ZuWelt(int px, int py) const
{
    TWeltPunkt p;
    if (einheitX != 0)
        p.x = static_cast<float>(static_cast<long double>(px - pixLinks - nullpunktX) / einheitX);
    if (einheitY != 0)
        p.y = static_cast<float>(static_cast<long double>(nullpunktY - (py - pixOben)) / einheitY);
    return p;
}

void TWeltfenster::ZuPixel(TWeltPunkt p, int& px, int& py) const
{
    const float x = static_cast<float>(static_cast<long double>(einheitX) * p.x + nullpunktX);
    const float y = static_cast<float>(nullpunktY - static_cast<long double>(einheitY) * p.y);
    px = Runden(static_cast<long double>(x) + pixLinks);
    py = Runden(static_cast<long double>(y) + pixOben);
}

void SetzeWeltfenster(int links, int rechts, int oben, int unten,
                      float xMin, float xMax, float yMin, float yMax)
{
    SetzeWeltfenster(TWeltfenster(links, rechts, oben, unten, xMin, xMax, yMin, yMax));
}

void SetzeWeltfenster(const TWeltfenster& w)
{
    weltXMin = w.weltXMin;
    weltXMax = w.weltXMax;
    weltYMin = w.weltYMin;
    weltYMax = w.weltYMax;
    pixLinks = w.pixLinks;
    pixRechts = w.pixRechts;
    pixOben = w.pixOben;
    pixUnten = w.pixUnten;
    nullpunktX = w.nullpunktX;
    nullpunktY = w.nullpunktY;
    einheitX = w.einheitX;
    einheitY = w.einheitY;
    gitterAn = false;
}

TWeltfenster AktuellesWeltfenster()
{
    TWeltfenster w;
    w.weltXMin = weltXMin;
    w.weltXMax = weltXMax;
    w.weltYMin = weltYMin;
    w.weltYMax = weltYMax;
    w.pixLinks = pixLinks;
    w.pixRechts = pixRechts;
    w.pixOben = pixOben;
    w.pixUnten = pixUnten;
    w.nullpunktX = nullpunktX;
    w.nullpunktY = nullpunktY;
    w.einheitX = einheitX;
    w.einheitY = einheitY;
    return w;
}

float PixelZuWeltX(int px)
{
    if (einheitX == 0)
        return 0.0f;
    return static_cast<float>(static_cast<long double>(px - nullpunktX) / einheitX);
}

float PixelZuWeltY(int py)
{
    if (einheitY == 0)
        return 0.0f;
    return static_cast<float>(static_cast<long double>(nullpunktY - py) / einheitY);
}

float WeltZuPixelX(float x)
{
    return static_cast<float>(static_cast<long double>(einheitX) * x + nullpunktX);
}

float WeltZuPixelY(float y)
{
    return static_cast<float>(nullpunktY - static_cast<long double>(einheitY) * y);
}

void SetzeWeltfenster(int breite, int hoehe, const TWeltRechteck& welt)
{
    SetzeWeltfenster(0, breite, 0, hoehe, welt.xMin, welt.xMax, welt.yMin, welt.yMax);
}

