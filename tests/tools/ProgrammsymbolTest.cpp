// The program's icon: the figure's geometry, its PNG and SVG renderings, and
// that the files shipped under packaging/icons are what the drawing code makes.
#include "Symbol.h"

#include "TestHilfen.h"

#include "draw/Primitive.h"

#include <QFile>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

std::vector<TSymbolStrich> Striche(const TSymbol& s, TFarbe farbe)
{
    std::vector<TSymbolStrich> ergebnis;
    for (const TSymbolTeil& t : s.teile)
        if (const auto* strich = std::get_if<TSymbolStrich>(&t); strich && strich->farbe == farbe)
            ergebnis.push_back(*strich);
    return ergebnis;
}

template <class T> int Anzahl(const TSymbol& s)
{
    int n = 0;
    for (const TSymbolTeil& t : s.teile)
        n += std::holds_alternative<T>(t) ? 1 : 0;
    return n;
}

// Distance of P from the line through A and B.
double AbstandVonGerade(double px, double py, double ax, double ay, double bx, double by)
{
    return std::abs((bx - ax) * (py - ay) - (by - ay) * (px - ax)) / std::hypot(bx - ax, by - ay);
}

QString Quelle(const QString& pfad)
{
    return QStringLiteral(GEOMETRIE_QUELLE "/packaging/icons/") + pfad;
}

} // namespace

TEST(Programmsymbol, HeightsStandOnTheSidesAndMeetInTheDot)
{
    SetzeFarben();
    const TSymbol s = Programmsymbol(256);
    const auto hoehen = Striche(s, farbeViolett);
    const auto seiten = Striche(s, RGB(32, 32, 40));
    ASSERT_EQ(hoehen.size(), 3u);
    ASSERT_EQ(seiten.size(), 3u);
    const auto* h = std::get_if<TSymbolPunkt>(&s.teile.back());
    ASSERT_NE(h, nullptr) << "the orthocentre is drawn last, over everything";

    for (const TSymbolStrich& hoehe : hoehen) {
        // The foot lies on exactly one side, at a right angle, and between its ends.
        int getragen = 0;
        for (const TSymbolStrich& seite : seiten) {
            if (AbstandVonGerade(hoehe.x2, hoehe.y2, seite.x1, seite.y1, seite.x2, seite.y2) > 1e-4)
                continue;
            ++getragen;
            const double skalar = (hoehe.x2 - hoehe.x1) * (seite.x2 - seite.x1) + (hoehe.y2 - hoehe.y1) * (seite.y2 - seite.y1);
            EXPECT_NEAR(skalar, 0.0, 1e-3);
            const double t = ((hoehe.x2 - seite.x1) * (seite.x2 - seite.x1) + (hoehe.y2 - seite.y1) * (seite.y2 - seite.y1)) /
                             (std::pow(seite.x2 - seite.x1, 2) + std::pow(seite.y2 - seite.y1, 2));
            EXPECT_GT(t, 0.05);
            EXPECT_LT(t, 0.95);
        }
        EXPECT_EQ(getragen, 1);
        EXPECT_LT(AbstandVonGerade(h->x, h->y, hoehe.x1, hoehe.y1, hoehe.x2, hoehe.y2), 1e-4);
    }

    // Each right-angle mark is a quarter arc about a foot whose end points along the height.
    int boegen = 0;
    for (const TSymbolTeil& t : s.teile) {
        const auto* b = std::get_if<TSymbolBogen>(&t);
        if (!b)
            continue;
        ++boegen;
        EXPECT_FLOAT_EQ(b->bis - b->von, 90.0f);
        bool amFuss = false;
        for (const TSymbolStrich& hoehe : hoehen) {
            if (std::hypot(b->mx - hoehe.x2, b->my - hoehe.y2) > 1e-5)
                continue;
            amFuss = true;
            const double w = std::atan2(hoehe.y1 - hoehe.y2, hoehe.x1 - hoehe.x2) * 180 / M_PI;
            EXPECT_NEAR(std::remainder(w - b->bis, 360.0), 0.0, 1e-3);
        }
        EXPECT_TRUE(amFuss);
    }
    EXPECT_EQ(boegen, 3);
}

TEST(Programmsymbol, SmallSizesDropDetailAndKeepLinesReadable)
{
    for (int groesse : symbolGroessen) {
        SCOPED_TRACE(groesse);
        const TSymbol s = Programmsymbol(groesse);
        const float proEinheit = groesse / TSymbol::kante;
        EXPECT_EQ(Anzahl<TSymbolBogen>(s), groesse >= 128 ? 3 : 0);
        EXPECT_EQ(Striche(s, RGB(196, 218, 240)).empty(), groesse < 64);
        for (const TSymbolStrich& seite : Striche(s, RGB(32, 32, 40)))
            EXPECT_GE(seite.breite * proEinheit, 2.5f - 1e-4f);
        for (const TSymbolStrich& hoehe : Striche(s, farbeViolett))
            EXPECT_GE(hoehe.breite * proEinheit, 1.75f - 1e-4f);

        // Nothing reaches past the sheet's border, round ends included.
        const TSymbolBlatt& b = s.blatt;
        for (const TSymbolTeil& t : s.teile) {
            if (const auto* st = std::get_if<TSymbolStrich>(&t)) {
                for (float x : {st->x1, st->x2}) {
                    EXPECT_GE(x - st->breite / 2, b.links + b.randBreite);
                    EXPECT_LE(x + st->breite / 2, b.rechts - b.randBreite);
                }
                for (float y : {st->y1, st->y2}) {
                    EXPECT_GE(y - st->breite / 2, b.unten + b.randBreite);
                    EXPECT_LE(y + st->breite / 2, b.oben - b.randBreite);
                }
            }
        }
    }
}

TEST(Programmsymbol, PictureIsTheSheetWithTheFigureOnATransparentGround)
{
    SetzeFarben();
    const TSymbol s = Programmsymbol(48);
    const QImage bild = SymbolBild(s, 48);
    ASSERT_EQ(bild.size(), QSize(48, 48));
    // 1.5 pixels per unit: the corners lie outside the rounded sheet.
    for (QPoint ecke : {QPoint(0, 0), QPoint(47, 0), QPoint(0, 47), QPoint(47, 47), QPoint(3, 3)})
        EXPECT_EQ(qAlpha(bild.pixel(ecke)), 0) << ecke.x() << "," << ecke.y();
    // Paper inside the sheet, left of the triangle's apex.
    EXPECT_EQ(bild.pixel(10, 12), qRgba(255, 255, 255, 255));
    // The base at world y = 7 lies on pixel row 48 - 10.5; its middle is dark.
    const QRgb basis = bild.pixel(24, 37);
    EXPECT_LT(qRed(basis) + qGreen(basis) + qBlue(basis), 200);
    // The orthocentre's dot is violet.
    const auto* h = std::get_if<TSymbolPunkt>(&s.teile.back());
    ASSERT_NE(h, nullptr);
    const QRgb mitte = bild.pixel(int(h->x * 1.5f), int(48 - h->y * 1.5f));
    EXPECT_GT(qBlue(mitte), 200);
    EXPECT_LT(qGreen(mitte), 120);
}

TEST(Programmsymbol, SvgHoldsEveryPartOfTheFigure)
{
    const TSymbol s = Programmsymbol(256);
    const QString svg = SymbolSvg(s, 256);
    QXmlStreamReader xml(svg);
    int linien = 0, pfade = 0, kreise = 0, rechtecke = 0;
    QString hx, hy;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("svg")) {
            EXPECT_EQ(xml.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 256 256"));
        } else if (name == QLatin1String("line")) {
            ++linien;
        } else if (name == QLatin1String("path")) {
            ++pfade;
        } else if (name == QLatin1String("rect")) {
            ++rechtecke;
        } else if (name == QLatin1String("circle")) {
            ++kreise;
            hx = xml.attributes().value(QLatin1String("cx")).toString();
            hy = xml.attributes().value(QLatin1String("cy")).toString();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(rechtecke, 1);
    EXPECT_EQ(linien, Anzahl<TSymbolStrich>(s));
    EXPECT_EQ(pfade, Anzahl<TSymbolBogen>(s));
    EXPECT_EQ(kreise, Anzahl<TSymbolPunkt>(s));
    // The last circle is the orthocentre, 8 units per world unit, y turned downwards.
    const auto* h = std::get_if<TSymbolPunkt>(&s.teile.back());
    EXPECT_NEAR(hx.toDouble(), h->x * 8.0, 0.006);
    EXPECT_NEAR(hy.toDouble(), 256 - h->y * 8.0, 0.006);
}

TEST(Programmsymbol, ShippedFilesAreWhatTheDrawingCodeMakes)
{
    QFile svg(Quelle(SymbolPfad(0)));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly)) << svg.fileName().toStdString();
    EXPECT_EQ(QString::fromUtf8(svg.readAll()), SymbolSvg(Programmsymbol(256), 256))
        << "run tools/Programmsymbol to draw packaging/icons anew";

    for (int groesse : symbolGroessen) {
        SCOPED_TRACE(groesse);
        const QImage gespeichert(Quelle(SymbolPfad(groesse)));
        const QImage neu = SymbolBild(Programmsymbol(groesse), groesse);
        ASSERT_EQ(gespeichert.size(), neu.size());
        EXPECT_LE(testhilfen::GroessteAbweichung(gespeichert, neu), 8)
            << "run tools/Programmsymbol to draw packaging/icons anew";
    }
}
