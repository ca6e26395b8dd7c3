#include "draw/VektorU.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr long double pi = 3.14159265358979323846264338327950288L;

long double L(float wert) { return static_cast<long double>(wert); }
}

float Skalarprodukt(float ax, float ay, float bx, float by)
{
    return static_cast<float>(L(ax) * bx + L(ay) * by);
}

float Kreuzprodukt(float ax, float ay, float bx, float by)
{
    return static_cast<float>(L(ax) * by - L(ay) * bx);
}

float Zwischenwinkel(float ax, float ay, float bx, float by)
{
    const float s = Skalarprodukt(ax, ay, bx, by);
    const float la = Laenge(ax, ay);
    const float lb = Laenge(bx, by);
    if (la == 0.0f || lb == 0.0f)
        return 0.0f;
    long double c = s / (L(la) * lb);
    if (std::isnan(c)) // only for lengths beyond float range
        return 0.0f;
    // Rounding can push the cosine of (anti)parallel vectors just past 1 or -1.
    c = std::clamp(c, -1.0L, 1.0L);
    return static_cast<float>(std::atan2(std::sqrt(1.0L - c * c), c) * 180.0L / pi);
}

void Differenz(float x1, float y1, float x2, float y2, float& x, float& y)
{
    x = static_cast<float>(L(x2) - x1);
    y = static_cast<float>(L(y2) - y1);
}

float Abstand(float x1, float y1, float x2, float y2)
{
    float dx = 0.0f, dy = 0.0f;
    Differenz(x1, y1, x2, y2, dx, dy);
    return Laenge(dx, dy);
}

float Laenge(float vx, float vy)
{
    return static_cast<float>(std::sqrt(L(vx) * vx + L(vy) * vy));
}

void Summe(float ax, float ay, float bx, float by, float& x, float& y)
{
    x = static_cast<float>(L(ax) + bx);
    y = static_cast<float>(L(ay) + by);
}

void Skalieren(float faktor, float vx, float vy, float& x, float& y)
{
    x = static_cast<float>(L(faktor) * vx);
    y = static_cast<float>(L(faktor) * vy);
}

void Mitte(float x1, float y1, float x2, float y2, float& x, float& y)
{
    x = static_cast<float>((L(x1) + x2) / 2.0L);
    y = static_cast<float>((L(y1) + y2) / 2.0L);
}

bool Normieren(float vx, float vy, float& x, float& y)
{
    const float l = Laenge(vx, vy);
    // A length beyond float range would give a zero "unit" vector.
    if (l == 0.0f || !std::isfinite(l))
        return false;
    x = static_cast<float>(vx / L(l));
    y = static_cast<float>(vy / L(l));
    return true;
}

void Normale(float vx, float vy, float& x, float& y)
{
    x = vy;
    y = -vx;
}

void Halbierende(float ax, float ay, float bx, float by, float& x, float& y)
{
    // A zero vector has no direction and adds nothing.
    float eax = 0.0f, eay = 0.0f, ebx = 0.0f, eby = 0.0f;
    Normieren(ax, ay, eax, eay);
    Normieren(bx, by, ebx, eby);
    Summe(eax, eay, ebx, eby, x, y);
}

bool VersetztUm(float px, float py, float vx, float vy, float faktor, float& x, float& y)
{
    float ux = 0, uy = 0;
    if (!Normieren(vx, vy, ux, uy))
        return false;
    Skalieren(faktor, ux, uy, ux, uy);
    Summe(px, py, ux, uy, x, y);
    return true;
}

bool Schnittpunkt(float px, float py, float ux, float uy, float qx, float qy, float wx, float wy,
                  float& x, float& y)
{
    const float c1 = Skalarprodukt(px, py, ux, uy);
    const float c2 = Skalarprodukt(qx, qy, wx, wy);
    const float det = static_cast<float>(L(ux) * wy - L(uy) * wx);
    if (det == 0.0f)
        return false;
    const float sx = static_cast<float>((L(c1) * wy - L(uy) * c2) / det);
    const float sy = static_cast<float>((L(c2) * ux - L(wx) * c1) / det);
    // Nearly parallel lines can meet beyond float range.
    if (!std::isfinite(sx) || !std::isfinite(sy))
        return false;
    x = sx;
    y = sy;
    return true;
}

void PunktImAbstand(float x1, float y1, float x2, float y2, float d, float& x, float& y)
{
    float dx = 0.0f, dy = 0.0f, ex = 0.0f, ey = 0.0f, sx = 0.0f, sy = 0.0f;
    Differenz(x1, y1, x2, y2, dx, dy);
    // P1 = P2 gives no direction; the point is then P2 itself.
    Normieren(dx, dy, ex, ey);
    Skalieren(d, ex, ey, sx, sy);
    Summe(x2, y2, sx, sy, x, y);
}

TWeltPunkt Von(TWeltPunkt p, TWeltPunkt q)
{
    TWeltPunkt v;
    Differenz(p.x, p.y, q.x, q.y, v.x, v.y);
    return v;
}

TWeltPunkt Mittelpunkt(TWeltPunkt p, TWeltPunkt q)
{
    TWeltPunkt m;
    Mitte(p.x, p.y, q.x, q.y, m.x, m.y);
    return m;
}

TWeltPunkt Weiter(TWeltPunkt p, TWeltPunkt q, float abstand)
{
    TWeltPunkt e;
    PunktImAbstand(p.x, p.y, q.x, q.y, abstand, e.x, e.y);
    return e;
}

TWeltPunkt Versetzt(TWeltPunkt p, long double dx, long double dy)
{
    return {static_cast<float>(p.x + dx), static_cast<float>(p.y + dy)};
}

float Abstand(TWeltPunkt p, TWeltPunkt q) { return Abstand(p.x, p.y, q.x, q.y); }
