#include "app/bilder/Malhilfen.h"

#include <QLineF>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <numbers>

QImage Ueberabgetastet(int breite, int hoehe, QSize groesse,
                       const std::function<void(QPainter&)>& zeichne)
{
    constexpr int faktor = 4;
    if (groesse.isEmpty())
        groesse = QSize(breite, hoehe);
    QImage gross(groesse * faktor, QImage::Format_RGB32);
    gross.fill(Qt::white);
    {
        QPainter p(&gross);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(faktor * qreal(groesse.width()) / breite, faktor * qreal(groesse.height()) / hoehe);
        zeichne(p);
    }
    return gross.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

double Zufall::Wert()
{
    // xorshift32
    zustand_ ^= zustand_ << 13;
    zustand_ ^= zustand_ >> 17;
    zustand_ ^= zustand_ << 5;
    return double(zustand_) / 4294967296.0;
}

QColor Abgewandelt(const QColor& farbe, int streuung, Zufall& zufall)
{
    const int d = int(std::lround(zufall.Zwischen(-streuung, streuung)));
    auto k = [d](int wert) { return std::clamp(wert + d, 0, 255); };
    return QColor(k(farbe.red()), k(farbe.green()), k(farbe.blue()), farbe.alpha());
}

QColor MitAlpha(QColor farbe, int alpha)
{
    farbe.setAlpha(alpha);
    return farbe;
}

void Schraffur(QPainter& p, const QPainterPath& bereich, double winkelGrad, double abstand,
               double breite, const QColor& farbe)
{
    const QRectF rahmen = bereich.boundingRect();
    const QPointF mitte = rahmen.center();
    const double halb = std::hypot(rahmen.width(), rahmen.height()) / 2 + 1;

    p.save();
    p.setClipPath(bereich, Qt::IntersectClip);
    p.translate(mitte);
    p.rotate(-winkelGrad);
    p.setPen(QPen(farbe, breite, Qt::SolidLine, Qt::FlatCap));
    for (double y = -halb; y <= halb; y += abstand)
        p.drawLine(QPointF(-halb, y), QPointF(halb, y));
    p.restore();
}

void Striche(QPainter& p, const QPainterPath& bereich, int anzahl, const Strichart& art, Zufall& zufall)
{
    const QRectF rahmen = bereich.boundingRect();
    p.save();
    p.setClipPath(bereich, Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    int gezeichnet = 0;
    for (int versuch = 0; gezeichnet < anzahl && versuch < anzahl * 20; ++versuch) {
        const QPointF start(zufall.Zwischen(rahmen.left(), rahmen.right()),
                            zufall.Zwischen(rahmen.top(), rahmen.bottom()));
        if (!bereich.contains(start))
            continue;
        ++gezeichnet;
        const double winkel =
            (art.winkelGrad + zufall.Zwischen(-art.streuungGrad, art.streuungGrad)) * std::numbers::pi / 180.0;
        const double laenge = art.laenge * zufall.Zwischen(0.67, 1.33);
        const QPointF richtung(std::cos(winkel), -std::sin(winkel));
        const QPointF ende = start + laenge * richtung;
        const QPointF quer(-richtung.y(), richtung.x());
        const QPointF knick = (start + ende) / 2 + quer * art.kruemmung * zufall.Zwischen(-1, 1);

        QPainterPath strich(start);
        strich.quadTo(knick, ende);
        p.setPen(QPen(MitAlpha(Abgewandelt(art.farbe, art.farbStreuung, zufall), art.alpha), art.breite,
                      Qt::SolidLine, Qt::RoundCap));
        p.drawPath(strich);
    }
    p.restore();
}

QPainterPath Oval(QPointF mitte, double rx, double ry)
{
    QPainterPath pfad;
    pfad.addEllipse(mitte, rx, ry);
    return pfad;
}
