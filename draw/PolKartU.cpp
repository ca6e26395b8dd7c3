#include "draw/PolKartU.h"
#include "draw/VektorU.h"

#include <cmath>

namespace {
constexpr long double pi = 3.14159265358979323846264338327950288L;
}

void PolarZuKartesisch(float winkel, float r, float& x, float& y)
{
    // Whole quarter turns exactly: pi in long double leaves a rest at 90° that
    // differs with the width of long double (-1e-19 here, +9e-34 in
    // WebAssembly), and a picture would then differ between the builds.
    const float viertel = std::fmod(winkel, 90.0f);
    if (viertel == 0.0f) {
        static constexpr float cosinus[] = {1, 0, -1, 0};
        const int k = int(std::fmod(winkel / 90.0f, 4.0f) + 4.0f) % 4;
        x = r * cosinus[k];
        y = r * cosinus[(k + 3) % 4];
        return;
    }
    const long double bogen = pi * winkel / 180.0L;
    x = static_cast<float>(r * std::cos(bogen));
    y = static_cast<float>(r * std::sin(bogen));
}

float Richtungswinkel(float vx, float vy)
{
    // q: the angle between the vector and the x axis, 0..90; the quadrant decides
    // below how it counts.
    const float bogen = static_cast<float>(
        std::atan2(std::fabs(static_cast<long double>(vy)), std::fabs(static_cast<long double>(vx))));
    const long double q = bogen * 180.0L / pi;
    // The product in long double: in float it can underflow to 0 and look like an axis.
    const long double p = static_cast<long double>(vx) * vy;

    long double winkel = 0.0L; // also the answer for the zero vector
    if (p > 0.0L) {
        winkel = vx > 0.0f ? q : q + 180.0L;
    } else if (p < 0.0L) {
        winkel = vx >= 0.0f ? 360.0L - q : 180.0L - q;
    } else {
        if (vx != 0.0f)
            winkel = vx > 0.0f ? 0.0L : 180.0L;
        if (vy != 0.0f)
            winkel = vy > 0.0f ? 90.0L : 270.0L;
    }
    const float ergebnis = static_cast<float>(winkel);
    // Just below the positive x axis 360 - q can round up to 360 itself.
    return ergebnis >= 360.0f ? 0.0f : ergebnis;
}

TWeltPunkt Polar(TWeltPunkt m, float winkel, float r)
{
    TWeltPunkt v, e;
    PolarZuKartesisch(winkel, r, v.x, v.y);
    Summe(m.x, m.y, v.x, v.y, e.x, e.y);
    return e;
}

float Richtung(TWeltPunkt p, TWeltPunkt q)
{
    const TWeltPunkt v = Von(p, q);
    return Richtungswinkel(v.x, v.y);
}
