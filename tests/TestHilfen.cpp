#include "TestHilfen.h"

#include "draw/Leinwand.h"
#include "draw/Bild.h"
#include "draw/Zeichne.h"

#include <QPainter>

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
        for (int x = 0; x < p.width(); ++x)
            for (int bit = 0; bit < 32; bit += 8) { // blue, green, red, alpha
                const int s = p.pixel(x, y) >> bit & 0xFF, t = q.pixel(x, y) >> bit & 0xFF;
                groesste = std::max(groesste, std::abs(s - t));
            }
    return groesste;
}

QImage Gemalt(const TBild& bild, int breite, int hoehe, const TWeltRechteck& welt, bool mitGitter)
{
    QImage bildpunkte(breite, hoehe, QImage::Format_RGB32);
    QPainter maler(&bildpunkte);
    Leinwand lw(&maler);
    BeginneZeichnung(lw, breite, hoehe, welt, mitGitter);
    Zeichne(lw, bild);
    maler.end();
    return bildpunkte;
}

} // namespace testhilfen
