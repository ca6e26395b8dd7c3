#include "TestHilfen.h"

#include <algorithm>
#include <cstdlib>

namespace testhilfen {

QImage WeissesBild(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    return bild;
}

unsigned Farbe(const QImage& bild, int x, int y)
{
    return bild.pixel(x, y) & 0xFFFFFFu;
}

int ZaehleFarbe(const QImage& bild, unsigned rgb, QRect bereich)
{
    if (bereich.isEmpty())
        bereich = bild.rect();
    bereich &= bild.rect();
    int anzahl = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (Farbe(bild, x, y) == rgb)
                ++anzahl;
    return anzahl;
}

int ZaehleNichtWeiss(const QImage& bild, QRect bereich)
{
    if (bereich.isEmpty())
        bereich = bild.rect();
    bereich &= bild.rect();
    int anzahl = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (Farbe(bild, x, y) != 0xFFFFFFu)
                ++anzahl;
    return anzahl;
}

bool FarbeNahe(const QImage& bild, int x, int y, unsigned rgb, int radius)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const int px = x + dx, py = y + dy;
            if (bild.rect().contains(px, py) && Farbe(bild, px, py) == rgb)
                return true;
        }
    return false;
}

int GroessteAbweichung(const QImage& a, const QImage& b)
{
    const QImage p = a.convertToFormat(QImage::Format_ARGB32), q = b.convertToFormat(QImage::Format_ARGB32);
    int groesste = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const QRgb s = p.pixel(x, y), t = q.pixel(x, y);
            groesste = std::max({groesste, std::abs(qRed(s) - qRed(t)), std::abs(qGreen(s) - qGreen(t)),
                                 std::abs(qBlue(s) - qBlue(t)), std::abs(qAlpha(s) - qAlpha(t))});
        }
    return groesste;
}

} // namespace testhilfen
