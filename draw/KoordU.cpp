#include "draw/KoordU.h"

#include "draw/Leinwand.h"

#include <QPoint>
#include <QVarLengthArray>
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

void SetzeWeltfenster(int links, int rechts, int oben, int unten,
                      float xMin, float xMax, float yMin, float yMax)
{
    pixLinks = links;
    pixRechts = rechts;
    pixOben = oben;
    pixUnten = unten;
    weltXMin = xMin;
    weltXMax = xMax;
    weltYMin = yMin;
    weltYMax = yMax;
    const float sx = static_cast<float>(static_cast<long double>(rechts - links) /
                                        (static_cast<long double>(xMax) - xMin));
    const float sy = static_cast<float>(static_cast<long double>(unten - oben) /
                                        (static_cast<long double>(yMax) - yMin));
    nullpunktX = Runden(-static_cast<long double>(xMin) * sx);
    nullpunktY = Runden(static_cast<long double>(yMin) * sy) + unten;
    einheitX = Runden(sx);
    einheitY = std::abs(Runden(sy));
    gitterAn = false;
}

// A scale of zero (a viewport narrower than half a pixel per unit) would divide
// by zero; such a mapping gives the origin instead of infinity.
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

void BeginneZeichnung(Leinwand& lw, int breite, int hoehe, const TWeltRechteck& welt, bool mitGitter)
{
    SetzeWeltfenster(breite, hoehe, welt);
    gitterAn = mitGitter;
    lw.pinsel.farbe = clWhite;
    lw.pinsel.stil = bsSolid;
    lw.FillRect(0, 0, breite, hoehe);
    ZeichneGitter(lw);
}

void ZeichneGitter(Leinwand& lw)
{
    if (!gitterAn)
        return;
    lw.stift.farbe = RGB(128, 128, 128);
    lw.stift.breite = 1;
    lw.stift.stil = psSolid;
    const int achseX = pixLinks + nullpunktX;
    const int achseY = pixOben + nullpunktY;
    lw.MoveTo(achseX, pixOben);
    lw.LineTo(achseX, pixUnten);
    lw.MoveTo(pixLinks, achseY);
    lw.LineTo(pixRechts, achseY);
    if (einheitX <= 0 || einheitY <= 0)
        return;

    // A black dot at every whole unit inside the viewport, bounds included,
    // set after the axes so that the axes carry them too.
    QVarLengthArray<QPoint, 1024> punkte;
    auto spalte = [&](int x) {
        for (int y = achseY; y <= pixUnten; y += einheitY)
            if (y >= pixOben)
                punkte.append(QPoint(x, y));
        for (int y = achseY - einheitY; y >= pixOben; y -= einheitY)
            if (y <= pixUnten)
                punkte.append(QPoint(x, y));
    };
    for (int x = achseX; x <= pixRechts; x += einheitX)
        if (x >= pixLinks)
            spalte(x);
    for (int x = achseX - einheitX; x >= pixLinks; x -= einheitX)
        if (x <= pixRechts)
            spalte(x);
    lw.Punkte(punkte.constData(), int(punkte.size()), clBlack);
}
