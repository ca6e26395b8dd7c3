#include "draw/GlobalU.h"

#include "draw/KoordU.h"
#include "draw/PolKartU.h"
#include "draw/Texte.h"
#include "draw/VektorU.h"

#include <algorithm>
#include <cmath>

TFarbe farbeHimbeer = 0, farbeViolett = 0, farbeBraun = 0, farbeMeergruen = 0, farbeLila = 0,
       farbeOliv = 0, farbeOrange = 0, farbeMagenta = 0, farbeHimmelblau = 0;

bool maximiert = false;
TFarbe linienFarbe1 = 0;
TFarbe linienFarbe2 = 0;

void SetzeFarben(int)
{
    farbeHimbeer = palette::himbeer;
    farbeViolett = palette::violett;
    farbeBraun = palette::braun;
    farbeMeergruen = palette::meergruen;
    farbeLila = palette::lila;
    farbeOliv = palette::oliv;
    farbeOrange = palette::orange;
    farbeMagenta = palette::magenta;
    farbeHimmelblau = palette::himmelblau;
}

void WeltZuPixel(float x, float y, int& px, int& py)
{
    px = Runden(static_cast<long double>(WeltZuPixelX(x)) + pixLinks);
    py = Runden(static_cast<long double>(WeltZuPixelY(y)) + pixOben);
}

void PixelZuWelt(int px, int py, float& x, float& y)
{
    x = PixelZuWeltX(px - pixLinks);
    y = PixelZuWeltY(py - pixOben);
}

void NormalVersatz(float p1x, float p1y, float p2x, float p2y, float qx, float qy, float d,
                   float& x, float& y)
{
    float dx, dy, nx, ny;
    Differenz(p1x, p1y, p2x, p2y, dx, dy);
    Normale(dx, dy, nx, ny);
    if (!VersetztUm(qx, qy, nx, ny, d, x, y)) {
        // Without a direction there is no normal to move along: Q itself.
        x = qx;
        y = qy;
    }
}

void WinkelMitte(float cx, float cy, float r, float startWinkel, float endWinkel,
                 float& x, float& y)
{
    const float mitte = static_cast<float>(startWinkel + (static_cast<long double>(endWinkel) - startWinkel) / 2);
    float dx, dy;
    PolarZuKartesisch(mitte, static_cast<float>(0.7L * r), dx, dy);
    Summe(cx, cy, dx, dy, x, y);
}

void WinkelNamenPunkt(float bx, float by, float p1x, float p1y, float p2x, float p2y,
                      float q1x, float q1y, float q2x, float q2y, float& x, float& y)
{
    // A zero vector has no unit vector and adds nothing.
    float px = 0, py = 0, qx = 0, qy = 0, dx, dy;
    Differenz(p1x, p1y, p2x, p2y, dx, dy);
    Normieren(dx, dy, px, py);
    Differenz(q1x, q1y, q2x, q2y, dx, dy);
    Normieren(dx, dy, qx, qy);
    Skalieren(1.6f, px, py, px, py);
    Skalieren(2.0f, qx, qy, qx, qy);
    Summe(bx, by, px, py, x, y);
    Summe(x, y, qx, qy, x, y);
}

std::string ZahlText(float wert, int stellen)
{
    std::string text = ZahlFest(static_cast<double>(wert), stellen);
    if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-')
        text.erase(0, 1); // no "-0,00"
    const std::size_t punkt = text.find('.');
    if (punkt != std::string::npos)
        text[punkt] = ',';
    return text;
}
