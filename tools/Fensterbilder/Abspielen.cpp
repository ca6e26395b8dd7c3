#include "Abspielen.h"

#include "draw/Leinwand.h"

#include <QJsonObject>
#include <QPainter>
#include <vector>

namespace {

TFarbe Farbe(const QJsonValue& v)
{
    return TFarbe(v.toString().mid(1).toUInt(nullptr, 16));
}

void SetzeStift(Leinwand& lw, const QJsonObject& s)
{
    lw.stift.farbe = Farbe(s["farbe"]);
    lw.stift.breite = s["breite"].toInt(1);
    lw.stift.stil = TPenStyle(s["stil"].toInt());
}

void SetzePinsel(Leinwand& lw, const QJsonObject& p)
{
    lw.pinsel.farbe = Farbe(p["farbe"]);
    lw.pinsel.stil = TBrushStyle(p["stil"].toInt());
}

int I(const QJsonObject& o, const char* name) { return o[QLatin1String(name)].toInt(); }

// TextOut as the canvas does it, in the font the operation names.
void Text(QPainter& p, const QJsonObject& o)
{
    const QJsonObject s = o["schrift"].toObject();
    const bool serif = s["familie"].toString() == QLatin1String("Liberation Serif");
    const QFont schrift = QtSchrift(QLatin1String(serif ? "Times New Roman" : "Arial"), I(s, "pixel"), s["fett"].toBool());
    if (o["grund"].isString())
        p.fillRect(QRect(I(o, "x"), I(o, "y"), I(o, "breite"), I(o, "hoehe")), QtFarbe(Farbe(o["grund"])));
    p.setFont(schrift);
    p.setPen(QtFarbe(Farbe(o["farbe"])));
    p.drawText(I(o, "x"), I(o, "y") + I(o, "oberlaenge"), o["text"].toString());
}

void Punkte(Leinwand& lw, const QJsonObject& o)
{
    const QJsonArray p = o["p"].toArray();
    std::vector<QPoint> punkte;
    for (qsizetype i = 0; i + 1 < p.size(); i += 2)
        punkte.emplace_back(p[i].toInt(), p[i + 1].toInt());
    lw.Punkte(punkte.data(), int(punkte.size()), Farbe(o["farbe"]));
}

void Male(QPainter& p, Leinwand& lw, const QJsonObject& o)
{
    const QString a = o["a"].toString();
    if (o.contains("stift"))
        SetzeStift(lw, o["stift"].toObject());
    if (o.contains("pinsel"))
        SetzePinsel(lw, o["pinsel"].toObject());
    if (a == "linie") {
        lw.MoveTo(I(o, "x1"), I(o, "y1"));
        lw.LineTo(I(o, "x2"), I(o, "y2"));
    } else if (a == "dicklinie") {
        lw.GeometrischeLinie(I(o, "x1"), I(o, "y1"), I(o, "x2"), I(o, "y2"), I(o, "breite"), Farbe(o["farbe"]), I(o, "stil"));
    } else if (a == "ellipse") {
        lw.Ellipse(I(o, "l"), I(o, "t"), I(o, "r"), I(o, "b"));
    } else if (a == "bogen") {
        lw.Arc(I(o, "l"), I(o, "t"), I(o, "r"), I(o, "b"), I(o, "x1"), I(o, "y1"), I(o, "x2"), I(o, "y2"));
    } else if (a == "rechteck") {
        lw.Rectangle(I(o, "l"), I(o, "t"), I(o, "r"), I(o, "b"));
    } else if (a == "flaeche") {
        lw.pinsel.farbe = Farbe(o["farbe"]);
        lw.FillRect(I(o, "l"), I(o, "t"), I(o, "r"), I(o, "b"));
    } else if (a == "punkte") {
        Punkte(lw, o);
    } else if (a == "text") {
        Text(p, o);
    }
}

} // namespace

QImage SpieleAb(const QJsonArray& ops, int breite, int hoehe)
{
    QImage bild(QSize(breite, hoehe), QImage::Format_RGB32);
    bild.fill(QtFarbe(clBtnFace));
    QPainter p(&bild);
    Leinwand lw(&p);
    for (const QJsonValue& v : ops)
        Male(p, lw, v.toObject());
    return bild;
}
