// Small helpers shared by the test programs: blank images, pixel probes.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include "draw/KoordU.h"

struct TBild;

namespace testhilfen {

// A white ARGB image of the given size, as a paint box starts every repaint.
QImage WeissesBild(int breite, int hoehe);

// Colour of one pixel as 0xRRGGBB.
unsigned Farbe(const QImage& bild, int x, int y);
inline unsigned Rgb(int r, int g, int b) { return unsigned((r << 16) | (g << 8) | b); }

// Number of pixels of exactly this colour inside the rectangle (whole image if empty).
int ZaehleFarbe(const QImage& bild, unsigned rgb, QRect bereich = QRect());

// Number of pixels that are not white inside the rectangle.
int ZaehleNichtWeiss(const QImage& bild, QRect bereich = QRect());

// True if any pixel of this colour lies within `radius` pixels of (x, y).
bool FarbeNahe(const QImage& bild, int x, int y, unsigned rgb, int radius = 1);
// The largest difference of one channel (alpha included) between two images of one size.
int GroessteAbweichung(const QImage& a, const QImage& b);

// A picture as a drawing area of this size paints it: the area's usual
// beginning (BeginneZeichnung over `welt`), then the picture.
QImage Gemalt(const TBild& bild, int breite, int hoehe, const TWeltRechteck& welt, bool mitGitter = false);

} // namespace testhilfen
