// Small painting helpers for the information pictures: supersampled drawing,
// a reproducible random source, hatching for an engraved look and short
// brush strokes for hair, fur and a painted surface.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QSize>
#include <cstdint>
#include <functional>

// Draws at four times the size with antialiasing and scales the result down,
// so thin strokes and soft edges come out clean. The picture is designed at
// breite x hoehe and comes out at `groesse` pixels (empty: the design's); the
// painter works in the design's coordinates.
QImage Ueberabgetastet(int breite, int hoehe, QSize groesse,
                       const std::function<void(QPainter&)>& zeichne);

// A tiny generator with a fixed seed: the pictures come out the same on every run.
class Zufall {
public:
    explicit Zufall(std::uint32_t keim) : zustand_(keim ? keim : 1u) {}
    // Uniform in [0, 1).
    double Wert();
    // Uniform in [von, bis).
    double Zwischen(double von, double bis) { return von + (bis - von) * Wert(); }

private:
    std::uint32_t zustand_;
};

// Colour with the components shifted by up to +-streuung (same shift for all three).
QColor Abgewandelt(const QColor& farbe, int streuung, Zufall& zufall);
QColor MitAlpha(QColor farbe, int alpha);

// Parallel lines at winkelGrad across the area, abstand apart.
void Schraffur(QPainter& p, const QPainterPath& bereich, double winkelGrad, double abstand,
               double breite, const QColor& farbe);

// Short strokes at random places inside the area: direction winkelGrad +- streuungGrad,
// length laenge +- a third, colour varied by farbStreuung.
struct Strichart {
    QColor farbe;
    int farbStreuung = 20;
    double laenge = 4;
    double breite = 0.6;
    double winkelGrad = 90;
    double streuungGrad = 20;
    int alpha = 160;
    double kruemmung = 0; // bend of the stroke: sideways offset of its middle, in pixels
};
void Striche(QPainter& p, const QPainterPath& bereich, int anzahl, const Strichart& art, Zufall& zufall);

// Ellipse path around a centre.
QPainterPath Oval(QPointF mitte, double rx, double ry);
