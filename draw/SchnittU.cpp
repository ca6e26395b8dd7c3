#include "draw/SchnittU.h"

#include "draw/VektorU.h"

#include <cmath>

namespace {
long double L(float wert) { return static_cast<long double>(wert); }

bool Endlich(float a, float b) { return std::isfinite(a) && std::isfinite(b); }
}

bool SchnittGeradeGerade(float p1x, float p1y, float n1x, float n1y,
                         float p2x, float p2y, float n2x, float n2y, float& x, float& y)
{
    // Cramer's rule on N1 . X = N1 . P1 and N2 . X = N2 . P2.
    const float det = static_cast<float>(L(n1x) * n2y - L(n1y) * n2x);
    if (det == 0.0f || !std::isfinite(det))
        return false;
    const float zx = static_cast<float>(
        L(n1x) * n2y * p1x - (L(n2x) * p2x + (L(p2y) - p1y) * n2y) * n1y);
    const float zy = static_cast<float>(
        ((L(p1x) - p2x) * n2x - L(n2y) * p2y) * n1x + L(n1y) * n2x * p1y);
    const float sx = static_cast<float>(zx / L(det));
    const float sy = static_cast<float>(zy / -L(det));
    // Nearly parallel lines can meet beyond float range.
    if (!Endlich(sx, sy))
        return false;
    x = sx;
    y = sy;
    return true;
}

bool Lotfusspunkt(float px, float py, float ax, float ay, float bx, float by, float& x, float& y)
{
    float dx = 0.0f, dy = 0.0f, nx = 0.0f, ny = 0.0f;
    Differenz(ax, ay, bx, by, dx, dy);
    Normale(dx, dy, nx, ny);
    return SchnittGeradeGerade(ax, ay, nx, ny, px, py, dx, dy, x, y);
}

bool SchnittGeradeKreis(float px, float py, float qx, float qy, float mx, float my, float r,
                        float& x1, float& y1, float& x2, float& y2)
{
    if (px == qx && py == qy)
        return false;
    // The line as a x + b y + c = 0.
    const float a = static_cast<float>(L(py) - qy);
    const float b = static_cast<float>(L(qx) - px);
    const float c = static_cast<float>(L(px) * qy - L(py) * qx);
    const long double n = L(a) * a + L(b) * b;
    if (n == 0.0L)
        return false;
    const long double r2 = L(r) * r;
    // r^2 (a^2 + b^2) - (a Mx + b My + c)^2, expanded.
    const float d = static_cast<float>(
        L(a) * a * (r2 - L(mx) * mx) - 2.0L * a * mx * (L(b) * my + c)
        + L(b) * b * (r2 - L(my) * my) - (2.0L * b * my + c) * c);
    if (!(d >= 0.0f)) // the line misses the circle (or D is NaN)
        return false;
    // F is the foot of the perpendicular from M; (-b, a) = P - Q points from Q to P.
    const long double fx = -((L(b) * my + c) * a - L(b) * b * mx) / n;
    const long double fy = (L(a) * a * my - L(a) * b * mx - L(b) * c) / n;
    const long double t = std::sqrt(L(d)) / n;
    const float ex1 = static_cast<float>(fx - t * b);
    const float ey1 = static_cast<float>(fy + t * a);
    const float ex2 = static_cast<float>(fx + t * b);
    const float ey2 = static_cast<float>(fy - t * a);
    if (!Endlich(ex1, ey1) || !Endlich(ex2, ey2))
        return false;
    x1 = ex1;
    y1 = ey1;
    x2 = ex2;
    y2 = ey2;
    return true;
}

namespace {

// One end of the clipped line: on the vertical edge x = rand if it lies within
// the y limits, otherwise on the bottom or top edge. False if that edge point
// does not exist (a horizontal line outside the y limits).
bool Ende(float nx, float ny, float k, float rand, float wy, float& x, float& y)
{
    const float ry = static_cast<float>((L(k) - L(nx) * rand) / ny);
    float ex = rand, ey = ry;
    if (ry < -wy || ry > wy) {
        ey = ry < -wy ? -wy : wy;
        if (nx == 0.0f)
            return false;
        ex = static_cast<float>((L(k) - L(ny) * ey) / nx);
    }
    if (!Endlich(ex, ey))
        return false;
    x = ex;
    y = ey;
    return true;
}

}

bool GeradeImRechteck(float px, float py, float qx, float qy, float wx, float wy,
                      float& x1, float& y1, float& x2, float& y2)
{
    if (px == qx && py == qy)
        return false;
    if (px == qx) { // vertical: from the bottom edge to the top edge
        x1 = px;
        y1 = -wy;
        x2 = px;
        y2 = wy;
        return true;
    }
    // The line as nx x + ny y = k with (nx, ny) the normal of Q - P.
    float dx = 0.0f, dy = 0.0f, nx = 0.0f, ny = 0.0f;
    Differenz(px, py, qx, qy, dx, dy);
    Normale(dx, dy, nx, ny);
    if (ny == 0.0f) // cannot happen for Px != Qx; guards the division below
        return false;
    const float k = Skalarprodukt(nx, ny, px, py);
    float ex1 = 0.0f, ey1 = 0.0f, ex2 = 0.0f, ey2 = 0.0f;
    if (!Ende(nx, ny, k, -wx, wy, ex1, ey1) || !Ende(nx, ny, k, wx, wy, ex2, ey2))
        return false;
    x1 = ex1;
    y1 = ey1;
    x2 = ex2;
    y2 = ey2;
    return true;
}

bool GeradeImQuadrat(float px, float py, float qx, float qy, float w,
                     float& x1, float& y1, float& x2, float& y2)
{
    return GeradeImRechteck(px, py, qx, qy, w, w, x1, y1, x2, y2);
}

bool MerkwuerdigePunkte(float ax, float ay, float bx, float by, float cx, float cy,
                        float& hx, float& hy, float& sx, float& sy,
                        float& ux, float& uy, float& ix, float& iy)
{
    // Coincident vertices are collinear too, so one test covers both.
    const long double kreuz = (L(bx) - ax) * (L(cy) - ay) - (L(by) - ay) * (L(cx) - ax);
    if (kreuz == 0.0L)
        return false;

    float abx, aby, bcx, bcy, acx, acy, bax, bay;
    Differenz(ax, ay, bx, by, abx, aby);
    Differenz(bx, by, cx, cy, bcx, bcy);
    Differenz(ax, ay, cx, cy, acx, acy);
    Differenz(bx, by, ax, ay, bax, bay);

    // Feet of the altitudes from C and from A, then the altitudes through them.
    float fcx, fcy, fax, fay;
    if (!Lotfusspunkt(cx, cy, ax, ay, bx, by, fcx, fcy) || !Lotfusspunkt(ax, ay, bx, by, cx, cy, fax, fay))
        return false;
    float dcx, dcy, dax, day, n1x, n1y, n2x, n2y;
    Differenz(cx, cy, fcx, fcy, dcx, dcy);
    Differenz(ax, ay, fax, fay, dax, day);
    Normale(dcx, dcy, n1x, n1y);
    Normale(dax, day, n2x, n2y);
    float h1, h2;
    if (!SchnittGeradeGerade(cx, cy, n1x, n1y, ax, ay, n2x, n2y, h1, h2))
        return false;

    // Perpendicular bisectors of AB and AC.
    float mabx, maby, macx, macy, u1, u2;
    Mitte(ax, ay, bx, by, mabx, maby);
    Mitte(ax, ay, cx, cy, macx, macy);
    if (!SchnittGeradeGerade(mabx, maby, abx, aby, macx, macy, acx, acy, u1, u2))
        return false;

    // Angle bisectors at A and at B.
    float wax, way, wbx, wby, i1, i2;
    Halbierende(abx, aby, acx, acy, wax, way);
    Halbierende(bcx, bcy, bax, bay, wbx, wby);
    Normale(wax, way, n1x, n1y);
    Normale(wbx, wby, n2x, n2y);
    if (!SchnittGeradeGerade(ax, ay, n1x, n1y, bx, by, n2x, n2y, i1, i2))
        return false;

    hx = h1;
    hy = h2;
    sx = static_cast<float>((L(ax) + bx + cx) / 3.0L);
    sy = static_cast<float>((L(ay) + by + cy) / 3.0L);
    ux = u1;
    uy = u2;
    ix = i1;
    iy = i2;
    return true;
}
