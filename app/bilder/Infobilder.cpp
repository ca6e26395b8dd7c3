// The five pictures of the information window: small vector drawings with
// gradients, hatching and brush strokes, each drawn supersampled at its size.
#include "app/bilder/Bilder.h"
#include "app/bilder/Malhilfen.h"

#include <QFont>
#include <QLinearGradient>
#include <QPen>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace {

QColor F(int r, int g, int b, int a = 255) { return QColor(r, g, b, a); }

void Fuelle(QPainter& p, const QPainterPath& pfad, const QBrush& pinsel)
{
    p.setPen(Qt::NoPen);
    p.setBrush(pinsel);
    p.drawPath(pfad);
}

void Umriss(QPainter& p, const QPainterPath& pfad, const QColor& farbe, double breite)
{
    p.setPen(QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pfad);
}

void Linie(QPainter& p, QPointF von, QPointF bis, const QColor& farbe, double breite)
{
    p.setPen(QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(von, bis);
}

QPainterPath Kurve(QPointF a, QPointF k, QPointF b)
{
    QPainterPath pfad(a);
    pfad.quadTo(k, b);
    return pfad;
}

// A leg of a pair of compasses: a tapered bar from its top to its end.
QPainterPath Schenkel(QPointF oben, QPointF unten, double breiteOben, double breiteUnten)
{
    const QPointF d = unten - oben;
    const double l = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / l, d.x() / l);
    QPainterPath pfad(oben + n * breiteOben / 2);
    pfad.lineTo(unten + n * breiteUnten / 2);
    pfad.lineTo(unten - n * breiteUnten / 2);
    pfad.lineTo(oben - n * breiteOben / 2);
    pfad.closeSubpath();
    return pfad;
}

QLinearGradient Quer(QPointF oben, QPointF unten, double breite, const QColor& hell, const QColor& mitte,
                     const QColor& dunkel)
{
    const QPointF d = unten - oben;
    const double l = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / l * breite / 2, d.x() / l * breite / 2);
    const QPointF m = (oben + unten) / 2;
    QLinearGradient g(m - n, m + n);
    g.setColorAt(0, hell);
    g.setColorAt(0.45, mitte);
    g.setColorAt(1, dunkel);
    return g;
}

void Vignette(QPainter& p, double breite, double hoehe, int alpha)
{
    QRadialGradient g(QPointF(breite / 2, hoehe * 0.45), std::hypot(breite, hoehe) * 0.6);
    g.setColorAt(0.55, F(0, 0, 0, 0));
    g.setColorAt(1, F(0, 0, 0, alpha));
    p.fillRect(QRectF(0, 0, breite, hoehe), g);
}

} // namespace

// ---------------------------------------------------------------------------
// 1: a marble bust of a bearded thinker before a dark sky with an eclipse.

QImage Infobild1(QSize groesse)
{
    return Ueberabgetastet(120, 171, groesse, [](QPainter& p) {
        Zufall z(1117);

        QLinearGradient himmel(0, 0, 0, 171);
        himmel.setColorAt(0, F(3, 5, 14));
        himmel.setColorAt(0.55, F(12, 17, 36));
        himmel.setColorAt(1, F(30, 34, 54));
        p.fillRect(QRectF(0, 0, 120, 171), himmel);

        p.setPen(Qt::NoPen);
        for (int i = 0; i < 45; ++i) {
            const QPointF stern(z.Zwischen(0, 120), z.Zwischen(0, 120));
            p.setBrush(F(255, 255, 240, int(z.Zwischen(60, 220))));
            const double r = z.Zwischen(0.2, 0.55);
            p.drawEllipse(stern, r, r);
        }

        // The eclipse: corona, faint streamers, the dark moon and its bright rim.
        const QPointF sonne(31, 34);
        const double mond = 13.5;
        QRadialGradient korona(sonne, 36);
        korona.setColorAt(0, F(255, 246, 215));
        korona.setColorAt(mond / 36, F(255, 244, 210));
        korona.setColorAt(0.47, F(255, 214, 140, 150));
        korona.setColorAt(0.7, F(230, 160, 90, 45));
        korona.setColorAt(1, F(200, 120, 60, 0));
        p.setBrush(korona);
        p.drawEllipse(sonne, 36, 36);
        for (int i = 0; i < 18; ++i) {
            const double w = i * 20.0 + z.Zwischen(-6, 6);
            const double bogen = w * std::numbers::pi / 180;
            const QPointF richtung(std::cos(bogen), -std::sin(bogen));
            Linie(p, sonne + richtung * (mond + 1), sonne + richtung * (mond + z.Zwischen(8, 20)),
                  F(255, 235, 190, 50), z.Zwischen(0.5, 1.4));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(F(2, 2, 6));
        p.drawEllipse(sonne, mond, mond);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(F(255, 252, 238, 235), 0.9));
        p.drawEllipse(sonne, mond + 0.3, mond + 0.3);
        const QPointF diamant = sonne + QPointF(-0.72, 0.69) * (mond + 0.3);
        QRadialGradient funkel(diamant, 4.5);
        funkel.setColorAt(0, F(255, 255, 255, 255));
        funkel.setColorAt(0.3, F(255, 250, 230, 180));
        funkel.setColorAt(1, F(255, 240, 200, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(funkel);
        p.drawEllipse(diamant, 4.5, 4.5);

        // Marble, lit from the upper left.
        auto marmor = [](QPointF hell, QPointF dunkel) {
            QLinearGradient g(hell, dunkel);
            g.setColorAt(0, F(246, 243, 236));
            g.setColorAt(0.5, F(214, 210, 201));
            g.setColorAt(1, F(132, 130, 128));
            return g;
        };
        const QColor fuge = F(96, 94, 92, 170);

        // Pedestal.
        QPainterPath sockel;
        sockel.addRect(QRectF(46, 155, 52, 16));
        QPainterPath hals;
        hals.addRect(QRectF(60, 140, 24, 15));
        Fuelle(p, hals, marmor(QPointF(58, 140), QPointF(86, 150)));
        QPainterPath ring;
        ring.addRoundedRect(QRectF(55, 148, 34, 7), 3, 3);
        Fuelle(p, ring, marmor(QPointF(54, 148), QPointF(90, 156)));
        Fuelle(p, sockel, marmor(QPointF(40, 152), QPointF(104, 171)));
        Linie(p, QPointF(46, 159), QPointF(98, 159), fuge, 0.5);

        // Chest and shoulders with a cloak over the left shoulder.
        QPainterPath brust;
        brust.moveTo(28, 141);
        brust.cubicTo(24, 124, 29, 111, 45, 105);
        brust.cubicTo(53, 102, 59, 100, 63, 96);
        brust.lineTo(81, 96);
        brust.cubicTo(85, 100, 91, 102, 99, 105);
        brust.cubicTo(115, 111, 119, 125, 115, 141);
        brust.cubicTo(95, 147, 48, 147, 28, 141);
        Fuelle(p, brust, marmor(QPointF(30, 104), QPointF(112, 140)));
        QPainterPath mantel;
        mantel.moveTo(30, 116);
        mantel.cubicTo(36, 106, 44, 104, 52, 103);
        mantel.cubicTo(70, 116, 92, 130, 108, 144);
        mantel.lineTo(70, 146);
        mantel.cubicTo(58, 134, 42, 124, 30, 116);
        Fuelle(p, mantel, marmor(QPointF(34, 104), QPointF(100, 150)));
        for (int i = 0; i < 5; ++i) {
            const double d = i * 4.2;
            p.setBrush(Qt::NoBrush);
            Umriss(p, Kurve(QPointF(40 + d, 112 + d * 0.3), QPointF(62 + d, 122 + d * 0.2),
                            QPointF(76 + d * 0.9, 143)),
                   F(110, 108, 104, 120), 0.7);
        }
        Umriss(p, mantel, F(120, 118, 114, 150), 0.6);

        // Neck.
        QPainterPath nacken;
        nacken.moveTo(62, 80);
        nacken.lineTo(82, 80);
        nacken.lineTo(81, 99);
        nacken.cubicTo(74, 102, 70, 102, 63, 99);
        nacken.closeSubpath();
        Fuelle(p, nacken, marmor(QPointF(60, 84), QPointF(86, 96)));

        // Head.
        const QPointF kopf(72, 64);
        Fuelle(p, Oval(kopf, 15, 19), marmor(QPointF(58, 50), QPointF(88, 78)));
        // Curls along the crown and the forehead.
        for (int reihe = 0; reihe < 2; ++reihe) {
            const int anzahl = reihe == 0 ? 11 : 7;
            for (int i = 0; i < anzahl; ++i) {
                const double w = (reihe == 0 ? 165.0 - i * 15.0 : 145.0 - i * 18.3) * std::numbers::pi / 180;
                const double r = reihe == 0 ? 1.0 : 0.72;
                const QPointF m = kopf + QPointF(std::cos(w) * 15 * r, -std::sin(w) * 19 * r + (reihe ? -2 : 0));
                const double gr = reihe == 0 ? 4.4 : 3.6;
                Fuelle(p, Oval(m, gr, gr), marmor(m + QPointF(-gr, -gr), m + QPointF(gr, gr)));
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(F(110, 108, 104, 150), 0.55));
                p.drawArc(QRectF(m.x() - gr * 0.55, m.y() - gr * 0.55, gr * 1.1, gr * 1.1), 200 * 16, 230 * 16);
            }
        }

        // Face: blank eyes under the brows, nose, moustache.
        for (double x : {65.5, 78.5}) {
            QRadialGradient hoehle(QPointF(x, 64), 4.5);
            hoehle.setColorAt(0, F(120, 118, 114, 150));
            hoehle.setColorAt(1, F(120, 118, 114, 0));
            Fuelle(p, Oval(QPointF(x, 64), 4.5, 3.2), hoehle);
            QPainterPath auge;
            auge.moveTo(x - 2.8, 64.4);
            auge.quadTo(x, 62.4, x + 2.8, 64.4);
            auge.quadTo(x, 65.8, x - 2.8, 64.4);
            Fuelle(p, auge, F(232, 229, 222));
            Umriss(p, auge, F(100, 98, 95, 200), 0.45);
            Umriss(p, Kurve(QPointF(x - 4, 61.2), QPointF(x, 59.2), QPointF(x + 4, 61.2)), F(105, 103, 100, 170),
                   0.7);
        }
        QPainterPath nase;
        nase.moveTo(72.3, 63);
        nase.cubicTo(71.8, 68, 70, 72, 69.4, 74.6);
        nase.quadTo(72, 76.4, 75.2, 74.6);
        Umriss(p, nase, F(105, 103, 100, 190), 0.7);
        QPainterPath nasenSchatten;
        nasenSchatten.moveTo(73, 64);
        nasenSchatten.cubicTo(74.5, 68, 75.5, 72, 75.2, 74.6);
        nasenSchatten.lineTo(72.6, 74.2);
        nasenSchatten.cubicTo(72.8, 70, 72.6, 67, 73, 64);
        Fuelle(p, nasenSchatten, F(130, 128, 124, 90));

        // Beard with curls, moustache on top.
        QPainterPath bart;
        bart.moveTo(57, 66);
        bart.cubicTo(55, 82, 60, 97, 72, 103);
        bart.cubicTo(84, 97, 89, 82, 87, 66);
        bart.cubicTo(85, 74, 81, 78, 72, 78.5);
        bart.cubicTo(63, 78, 59, 74, 57, 66);
        Fuelle(p, bart, marmor(QPointF(56, 72), QPointF(90, 98)));
        // Rows of carved curls.
        for (int reihe = 0; reihe < 5; ++reihe) {
            const double y = 82.5 + reihe * 4.2;
            for (double x = 57.5 + (reihe % 2) * 2.3; x < 88; x += 4.6) {
                const QPointF m(x, y);
                if (!bart.contains(m + QPointF(0, 1.5)) || !bart.contains(m - QPointF(1.6, 0)) ||
                    !bart.contains(m + QPointF(1.6, 0)))
                    continue;
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(F(112, 110, 106, 190), 0.55));
                p.drawArc(QRectF(m.x() - 2, m.y() - 2, 4, 4), 180 * 16, 200 * 16);
                p.setPen(QPen(F(250, 248, 244, 160), 0.4));
                p.drawArc(QRectF(m.x() - 1.3, m.y() - 2.4, 2.6, 2.6), 30 * 16, 120 * 16);
            }
        }
        Umriss(p, Kurve(QPointF(72, 77), QPointF(66, 77), QPointF(62.5, 82)), F(108, 106, 102, 200), 1.1);
        Umriss(p, Kurve(QPointF(72, 77), QPointF(78, 77), QPointF(81.5, 82)), F(108, 106, 102, 200), 1.1);
        Linie(p, QPointF(69.5, 80.6), QPointF(74.5, 80.6), F(100, 98, 95, 180), 0.6);

        // Faint veins in the stone.
        Strichart ader{F(150, 146, 140), 10, 14, 0.35, -30, 25, 70, 3};
        QPainterPath stein = brust.united(Oval(kopf, 15, 19)).united(sockel);
        Striche(p, stein, 10, ader, z);
    });
}

// ---------------------------------------------------------------------------
// 2: a pair of compasses on light paper with faint formulas.

QImage Infobild2(QSize groesse)
{
    return Ueberabgetastet(77, 113, groesse, [](QPainter& p) {
        QLinearGradient papier(0, 0, 77, 113);
        papier.setColorAt(0, F(249, 246, 238));
        papier.setColorAt(1, F(231, 225, 208));
        p.fillRect(QRectF(0, 0, 77, 113), papier);

        // Faint formulas and a sketch behind the instrument.
        const QColor blass = F(60, 72, 120, 80);
        struct Formel {
            const char* text;
            double x, y, winkel, groesse;
        };
        const Formel formeln[] = {
            {"a² + b² = c²", 3, 11, -7, 7.5},  {"A = π · r²", 42, 31, 4, 7},
            {"u = 2 · π · r", 4, 50, 3, 6.5},  {"α + β + γ = 180°", 17, 70, -4, 6},
            {"sin α = a : c", 3, 90, 6, 6},    {"√2", 56, 90, 0, 7},
        };
        for (const Formel& f : formeln) {
            QFont schrift(QStringLiteral("Liberation Serif"));
            schrift.setItalic(true);
            schrift.setPixelSize(int(std::lround(f.groesse)));
            p.save();
            p.translate(f.x, f.y);
            p.rotate(f.winkel);
            p.setFont(schrift);
            p.setPen(blass);
            p.drawText(QPointF(0, 0), QString::fromUtf8(f.text));
            p.restore();
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(F(60, 72, 120, 45), 0.5));
        p.drawEllipse(QPointF(58, 52), 11, 11);
        p.drawLine(QPointF(47, 52), QPointF(69, 52));
        QPainterPath dreieck;
        dreieck.moveTo(8, 80);
        dreieck.lineTo(30, 80);
        dreieck.lineTo(14, 60);
        dreieck.closeSubpath();
        p.drawPath(dreieck);

        const QPointF gelenk(40, 17);
        const QPointF nadelAnsatz(18.5, 94);
        const QPointF nadelSpitze(15.5, 108);
        const QPointF halter(59.5, 88);
        const QPointF mine(64, 106);

        // The pencil's arc about the needle, drawn a moment ago.
        const double r = std::hypot(mine.x() - nadelSpitze.x(), mine.y() - nadelSpitze.y());
        p.setPen(QPen(F(70, 70, 80, 170), 0.6));
        p.drawArc(QRectF(nadelSpitze.x() - r, nadelSpitze.y() - r, 2 * r, 2 * r), -6 * 16, 18 * 16);

        // Shadow.
        p.save();
        p.translate(2.2, 1.6);
        Fuelle(p, Schenkel(gelenk, nadelAnsatz, 5.5, 2.6), F(60, 50, 30, 40));
        Fuelle(p, Schenkel(gelenk, halter, 5.5, 2.6), F(60, 50, 30, 40));
        p.restore();

        // Legs.
        const QColor hell = F(238, 240, 246), mitte = F(170, 175, 186), dunkel = F(88, 92, 104);
        Fuelle(p, Schenkel(gelenk, nadelAnsatz, 5.5, 2.6), Quer(gelenk, nadelAnsatz, 5.5, hell, mitte, dunkel));
        Fuelle(p, Schenkel(gelenk, halter, 5.5, 2.6), Quer(gelenk, halter, 5.5, hell, mitte, dunkel));
        Umriss(p, Schenkel(gelenk, nadelAnsatz, 5.5, 2.6), F(70, 74, 84, 160), 0.35);
        Umriss(p, Schenkel(gelenk, halter, 5.5, 2.6), F(70, 74, 84, 160), 0.35);

        // Needle.
        Linie(p, nadelAnsatz, nadelSpitze, F(70, 72, 80), 0.9);
        Linie(p, nadelAnsatz, nadelSpitze - QPointF(0.3, -0.2), F(220, 222, 230), 0.3);

        // Lead holder with its clamp screw and the lead.
        Fuelle(p, Schenkel(halter, halter + (mine - halter) * 0.45, 3.6, 3.0),
               Quer(halter, mine, 3.6, F(230, 200, 120), F(190, 150, 60), F(120, 90, 30)));
        Fuelle(p, Oval(halter + QPointF(2.4, 1.5), 1.4, 1.4), F(120, 95, 40));
        QPainterPath spitze;
        const QPointF ansatz = halter + (mine - halter) * 0.45;
        spitze.moveTo(ansatz + QPointF(-1.3, 0.3));
        spitze.lineTo(mine);
        spitze.lineTo(ansatz + QPointF(1.2, -0.4));
        spitze.closeSubpath();
        Fuelle(p, spitze, F(45, 45, 52));

        // Handle and hinge.
        QPainterPath griff;
        griff.addRoundedRect(QRectF(37.4, 2, 5.2, 10), 1.2, 1.2);
        QLinearGradient griffFarbe(37.4, 0, 42.6, 0);
        griffFarbe.setColorAt(0, F(120, 124, 134));
        griffFarbe.setColorAt(0.35, F(240, 242, 248));
        griffFarbe.setColorAt(1, F(90, 94, 104));
        Fuelle(p, griff, griffFarbe);
        for (double y = 3.2; y < 11.5; y += 1.3)
            Linie(p, QPointF(37.6, y), QPointF(42.4, y), F(80, 84, 94, 150), 0.35);
        QRadialGradient scheibe(gelenk + QPointF(-1.8, -1.8), 7);
        scheibe.setColorAt(0, F(250, 251, 255));
        scheibe.setColorAt(0.6, F(170, 175, 186));
        scheibe.setColorAt(1, F(90, 94, 104));
        Fuelle(p, Oval(gelenk, 5.6, 5.6), scheibe);
        Umriss(p, Oval(gelenk, 5.6, 5.6), F(70, 74, 84, 170), 0.4);
        Fuelle(p, Oval(gelenk, 1.4, 1.4), F(90, 94, 104));
    });
}

// ---------------------------------------------------------------------------
// 3: an old philosopher in a red robe pointing upwards, before an arch.

QImage Infobild3(QSize groesse)
{
    return Ueberabgetastet(123, 131, groesse, [](QPainter& p) {
        Zufall z(303);

        QLinearGradient wand(0, 0, 0, 131);
        wand.setColorAt(0, F(160, 128, 86));
        wand.setColorAt(1, F(98, 74, 48));
        p.fillRect(QRectF(0, 0, 123, 131), wand);

        // The arch with the sky behind it.
        QPainterPath bogen;
        bogen.moveTo(24, 131);
        bogen.lineTo(24, 44);
        bogen.arcTo(QRectF(24, 6, 76, 76), 180, -180);
        bogen.lineTo(100, 131);
        bogen.closeSubpath();
        QLinearGradient himmel(0, 6, 0, 131);
        himmel.setColorAt(0, F(126, 164, 204));
        himmel.setColorAt(0.55, F(196, 212, 222));
        himmel.setColorAt(1, F(226, 216, 190));
        Fuelle(p, bogen, himmel);
        Striche(p, bogen, 40, Strichart{F(220, 228, 236), 12, 9, 1.6, 0, 15, 60, 1}, z);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(F(206, 184, 142), 3.2));
        p.drawArc(QRectF(24, 6, 76, 76), 0, 180 * 16);
        p.setPen(QPen(F(126, 100, 68), 1.0));
        p.drawArc(QRectF(21, 3, 82, 82), 0, 180 * 16);
        // Pilasters.
        for (double x : {8.0, 104.0}) {
            QLinearGradient saeule(x, 0, x + 12, 0);
            saeule.setColorAt(0, F(196, 170, 126));
            saeule.setColorAt(1, F(140, 112, 76));
            p.fillRect(QRectF(x, 0, 12, 131), saeule);
            Linie(p, QPointF(x + 3, 0), QPointF(x + 3, 131), F(120, 96, 66, 120), 0.5);
            Linie(p, QPointF(x + 9, 0), QPointF(x + 9, 131), F(120, 96, 66, 120), 0.5);
        }
        Striche(p, QPainterPath(QPointF(0, 0)).united(Oval(QPointF(61, 65), 80, 80)).subtracted(bogen), 160,
                Strichart{F(150, 120, 84), 18, 5, 1.2, 0, 40, 50, 0.8}, z);

        // Robe.
        QPainterPath robe;
        robe.moveTo(14, 131);
        robe.cubicTo(18, 104, 30, 86, 50, 80);
        robe.lineTo(82, 80);
        robe.cubicTo(102, 86, 110, 106, 112, 131);
        robe.closeSubpath();
        QLinearGradient robeFarbe(20, 80, 110, 131);
        robeFarbe.setColorAt(0, F(214, 98, 82));
        robeFarbe.setColorAt(0.5, F(172, 56, 54));
        robeFarbe.setColorAt(1, F(104, 28, 36));
        Fuelle(p, robe, robeFarbe);
        // A violet sash over the left shoulder, down to the right hip.
        QPainterPath schaerpe;
        schaerpe.moveTo(76, 80);
        schaerpe.cubicTo(90, 82, 100, 96, 108, 118);
        schaerpe.lineTo(100, 131);
        schaerpe.cubicTo(94, 110, 82, 94, 62, 86);
        schaerpe.closeSubpath();
        QLinearGradient schaerpeFarbe(60, 84, 110, 130);
        schaerpeFarbe.setColorAt(0, F(148, 112, 168));
        schaerpeFarbe.setColorAt(1, F(76, 52, 96));
        Fuelle(p, schaerpe, schaerpeFarbe);
        for (int i = 0; i < 4; ++i)
            Umriss(p, Kurve(QPointF(36 + i * 9, 95 + i * 2), QPointF(42 + i * 8, 112), QPointF(38 + i * 10, 131)),
                   F(96, 22, 30, 130), 1.0);
        Striche(p, robe, 120, Strichart{F(190, 70, 64), 22, 4, 0.9, 80, 20, 60, 1}, z);

        // The raised right arm: sleeve, forearm, hand with the index finger up.
        Umriss(p, Kurve(QPointF(44, 92), QPointF(28, 78), QPointF(27, 58)), F(176, 60, 56), 12);
        Umriss(p, Kurve(QPointF(44, 92), QPointF(28, 78), QPointF(27, 58)), F(120, 34, 38, 120), 0.8);
        const QColor haut = F(214, 158, 118);
        Umriss(p, Kurve(QPointF(27, 60), QPointF(28, 44), QPointF(31, 29)), haut, 6.5);
        Umriss(p, Kurve(QPointF(29, 60), QPointF(30, 44), QPointF(33, 30)), F(160, 104, 76, 140), 1.4);
        Fuelle(p, Oval(QPointF(31.5, 26), 4.2, 5.0), haut);
        Umriss(p, Kurve(QPointF(31, 22), QPointF(31.2, 14), QPointF(31.8, 9)), haut, 2.6);
        Umriss(p, Oval(QPointF(31.5, 26), 4.2, 5.0), F(150, 98, 70, 150), 0.5);
        Linie(p, QPointF(28.5, 24.5), QPointF(34, 24.5), F(150, 98, 70, 150), 0.45);
        Linie(p, QPointF(28.5, 27.5), QPointF(34, 27.5), F(150, 98, 70, 150), 0.45);
        // The sleeve's hem at the elbow.
        Umriss(p, Kurve(QPointF(21, 60), QPointF(27, 56), QPointF(33, 59)), F(230, 120, 100), 1.4);

        // Long white hair falling to the shoulders, then the head.
        const QPointF kopf(66, 47);
        QPainterPath haar;
        haar.moveTo(53, 44);
        haar.cubicTo(50, 56, 50, 70, 52, 82);
        haar.lineTo(81, 82);
        haar.cubicTo(83, 70, 83, 56, 79, 44);
        haar.cubicTo(75, 32, 57, 32, 53, 44);
        Fuelle(p, haar, F(216, 212, 204));
        Striche(p, haar, 90, Strichart{F(200, 196, 188), 30, 7, 0.5, 265, 10, 180, 1.2}, z);

        QRadialGradient gesicht(kopf + QPointF(-4, -4), 16);
        gesicht.setColorAt(0, F(232, 180, 140));
        gesicht.setColorAt(0.7, F(204, 146, 108));
        gesicht.setColorAt(1, F(160, 104, 76));
        Fuelle(p, Oval(kopf, 11, 13.5), gesicht);
        // Brows, eyes, nose, forehead lines.
        for (double x : {61.5, 70.5}) {
            Umriss(p, Kurve(QPointF(x - 3.2, 44.2), QPointF(x, 42.4), QPointF(x + 3.2, 44.2)), F(236, 234, 228), 1.3);
            Fuelle(p, Oval(QPointF(x, 46.3), 1.8, 0.9), F(250, 246, 240));
            Fuelle(p, Oval(QPointF(x + 0.3, 46.3), 0.8, 0.8), F(60, 40, 30));
        }
        Umriss(p, Kurve(QPointF(66, 45), QPointF(64.5, 51), QPointF(64.5, 53)), F(150, 96, 68, 200), 0.8);
        Umriss(p, Kurve(QPointF(63.5, 53.2), QPointF(66, 54.2), QPointF(68.5, 53)), F(150, 96, 68, 200), 0.7);
        for (int i = 0; i < 3; ++i)
            Umriss(p, Kurve(QPointF(60, 38.5 + i * 1.6), QPointF(66, 37.5 + i * 1.6), QPointF(72, 38.5 + i * 1.6)),
                   F(170, 112, 82, 110), 0.45);

        // The long beard.
        QPainterPath bart;
        bart.moveTo(55.5, 50);
        bart.cubicTo(55, 66, 58, 82, 62, 94);
        bart.lineTo(66, 90);
        bart.lineTo(70, 95);
        bart.cubicTo(75, 82, 78, 66, 76.5, 50);
        bart.cubicTo(74, 56, 70, 57, 66, 57);
        bart.cubicTo(62, 57, 58, 56, 55.5, 50);
        QLinearGradient bartFarbe(55, 50, 78, 94);
        bartFarbe.setColorAt(0, F(240, 238, 232));
        bartFarbe.setColorAt(1, F(176, 172, 164));
        Fuelle(p, bart, bartFarbe);
        Striche(p, bart, 110, Strichart{F(196, 192, 184), 36, 8, 0.45, 268, 10, 190, 1.2}, z);
        Umriss(p, Kurve(QPointF(66, 55.2), QPointF(61, 55.2), QPointF(58.5, 59)), F(236, 234, 228), 1.6);
        Umriss(p, Kurve(QPointF(66, 55.2), QPointF(71, 55.2), QPointF(73.5, 59)), F(226, 224, 218), 1.6);

        Vignette(p, 123, 131, 120);
    });
}

// ---------------------------------------------------------------------------
// 4: an engraving of a scholar in a cap at his table, with compasses.

QImage Infobild4(QSize groesse)
{
    return Ueberabgetastet(110, 131, groesse, [](QPainter& p) {
        Zufall z(404);
        const QColor papier = F(241, 233, 212);
        const QColor tinte = F(42, 32, 24);
        const QColor tinteHalb = F(42, 32, 24, 190);
        p.fillRect(QRectF(0, 0, 110, 131), papier);

        QPainterPath innen;
        innen.addRect(QRectF(5, 5, 100, 121));
        Schraffur(p, innen, 0, 2.1, 0.5, tinteHalb);
        // Lighter round the head: a second, lighter field.
        QPainterPath schein = Oval(QPointF(44, 42), 30, 32).intersected(innen);
        Fuelle(p, schein, papier);
        Schraffur(p, schein, 0, 4.2, 0.4, F(42, 32, 24, 120));

        // The table with a sheet of paper on it.
        QPainterPath tisch;
        tisch.moveTo(50, 98);
        tisch.lineTo(105, 98);
        tisch.lineTo(105, 126);
        tisch.lineTo(50, 126);
        tisch.closeSubpath();
        Fuelle(p, tisch, papier);
        Schraffur(p, tisch, 90, 2.0, 0.6, tinte);
        QPainterPath platte;
        platte.moveTo(56, 96);
        platte.lineTo(105, 96);
        platte.lineTo(105, 104);
        platte.lineTo(50, 104);
        platte.closeSubpath();
        Fuelle(p, platte, papier);
        Schraffur(p, platte, 0, 2.2, 0.3, tinteHalb);
        Umriss(p, platte, tinte, 0.6);
        QPainterPath blatt;
        blatt.moveTo(64, 97);
        blatt.lineTo(102, 97);
        blatt.lineTo(104, 103);
        blatt.lineTo(60, 103);
        blatt.closeSubpath();
        Fuelle(p, blatt, papier);
        Umriss(p, blatt, tinte, 0.45);
        // Figures on the sheet.
        p.setPen(QPen(tinte, 0.45));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(80, 100), 9, 2.2);
        p.drawLine(QPointF(94, 101.6), QPointF(101, 101.6));
        p.drawLine(QPointF(101, 101.6), QPointF(97, 98.2));
        p.drawLine(QPointF(97, 98.2), QPointF(94, 101.6));

        // Robe: dark, cross-hatched, with a lighter fur collar.
        QPainterPath robe;
        robe.moveTo(8, 126);
        robe.cubicTo(10, 96, 18, 74, 32, 67);
        robe.lineTo(60, 66);
        robe.cubicTo(70, 72, 74, 84, 72, 98);
        robe.lineTo(58, 126);
        robe.closeSubpath();
        Fuelle(p, robe, papier);
        Schraffur(p, robe, 65, 2.0, 0.6, tinte);
        Schraffur(p, robe.intersected(Oval(QPointF(60, 110), 34, 40)), -25, 2.3, 0.5, tinteHalb);
        for (int i = 0; i < 4; ++i)
            Umriss(p, Kurve(QPointF(20 + i * 8, 80), QPointF(18 + i * 8, 102), QPointF(16 + i * 9, 126)), papier,
                   0.8);
        Umriss(p, robe, tinte, 0.7);
        QPainterPath kragen;
        kragen.moveTo(27, 70);
        kragen.cubicTo(34, 64, 56, 62, 63, 68);
        kragen.cubicTo(58, 76, 50, 80, 44, 90);
        kragen.cubicTo(38, 80, 32, 76, 27, 70);
        Fuelle(p, kragen, papier);
        Striche(p, kragen, 90, Strichart{tinte, 0, 2.2, 0.35, 270, 30, 200, 0.5}, z);
        Umriss(p, kragen, tinte, 0.5);

        // Arm reaching to the table, the hand holding the compasses.
        QPainterPath aermel;
        aermel.moveTo(56, 70);
        aermel.cubicTo(64, 70, 70, 73, 75, 77);
        aermel.lineTo(70, 84);
        aermel.cubicTo(65, 82, 60, 82, 54, 82);
        aermel.closeSubpath();
        Fuelle(p, aermel, papier);
        Schraffur(p, aermel, 40, 1.9, 0.6, tinte);
        Umriss(p, aermel, tinte, 0.6);
        const QPointF gelenk(80, 74);
        Linie(p, gelenk, QPointF(76.5, 99.8), tinte, 1.0);
        Linie(p, gelenk, QPointF(88.8, 100.4), tinte, 1.0);
        Linie(p, gelenk, gelenk - QPointF(0, 3), tinte, 0.9);
        Fuelle(p, Oval(gelenk, 1.7, 1.7), tinte);
        QPainterPath hand;
        hand.moveTo(73, 76);
        hand.cubicTo(75, 72, 80, 71, 82, 74);
        hand.cubicTo(83, 77, 80, 80, 76, 81);
        hand.cubicTo(72, 81, 71, 78, 73, 76);
        Fuelle(p, hand, papier);
        Schraffur(p, hand, 30, 1.6, 0.35, tinteHalb);
        Umriss(p, hand, tinte, 0.55);

        // Head in three-quarter view, turned to the right.
        const QPointF kopf(44, 42);
        QPainterPath gesicht;
        gesicht.moveTo(34, 36);
        gesicht.cubicTo(33, 48, 37, 58, 45, 60);
        gesicht.cubicTo(52, 59, 56, 52, 56, 46);
        gesicht.lineTo(57.5, 44);
        gesicht.lineTo(55.5, 41);
        gesicht.cubicTo(55, 36, 54, 32, 52, 30);
        gesicht.closeSubpath();
        Fuelle(p, gesicht, papier);
        QPainterPath schatten = gesicht.intersected(Oval(QPointF(32, 46), 8, 16));
        Schraffur(p, schatten, 60, 1.2, 0.35, tinteHalb);
        Umriss(p, gesicht, tinte, 0.6);
        // Eye, brow, nose, ear.
        Umriss(p, Kurve(QPointF(46, 39.4), QPointF(49, 38), QPointF(52.5, 39.4)), tinte, 0.7);
        Fuelle(p, Oval(QPointF(49.5, 41.5), 1.5, 0.8), tinte);
        Umriss(p, Kurve(QPointF(40, 39.6), QPointF(42, 38.6), QPointF(44, 39.6)), tinte, 0.6);
        Fuelle(p, Oval(QPointF(42.2, 41.4), 0.9, 0.6), tinte);
        Umriss(p, Oval(QPointF(35.5, 44), 2, 3.4), tinte, 0.5);
        Umriss(p, Kurve(QPointF(53, 41), QPointF(55, 44), QPointF(54.5, 46)), tinte, 0.45);

        // Pointed beard with wavy lines.
        QPainterPath bart;
        bart.moveTo(35, 46);
        bart.cubicTo(36, 58, 40, 66, 47, 74);
        bart.cubicTo(51, 66, 55, 58, 56, 48);
        bart.cubicTo(52, 52, 48, 51, 44, 50);
        bart.cubicTo(40, 52, 37, 50, 35, 46);
        Fuelle(p, bart, papier);
        Striche(p, bart, 70, Strichart{tinte, 0, 4.5, 0.35, 262, 12, 220, 0.9}, z);
        Umriss(p, bart, tinte, 0.5);
        Umriss(p, Kurve(QPointF(44, 49), QPointF(49, 47), QPointF(54, 49.5)), tinte, 1.0);

        // The cap: a soft round cap with a brim, shaded by cross-hatching.
        QPainterPath muetze;
        muetze.moveTo(30, 35);
        muetze.cubicTo(26, 22, 38, 12, 48, 13);
        muetze.cubicTo(58, 14, 62, 22, 58, 33);
        muetze.cubicTo(50, 30, 40, 31, 30, 35);
        Fuelle(p, muetze, papier);
        Schraffur(p, muetze, 45, 1.8, 0.55, tinte);
        Schraffur(p, muetze.intersected(Oval(QPointF(56, 30), 14, 14)), -45, 2.0, 0.45, tinteHalb);
        Umriss(p, muetze, tinte, 0.7);
        QPainterPath krempe;
        krempe.moveTo(29, 35.5);
        krempe.cubicTo(40, 30, 50, 30, 59, 33);
        krempe.lineTo(58.5, 36);
        krempe.cubicTo(50, 33.5, 40, 34, 30, 38.5);
        krempe.closeSubpath();
        Fuelle(p, krempe, papier);
        Schraffur(p, krempe, 90, 1.0, 0.4, tinte);
        Umriss(p, krempe, tinte, 0.6);

        // Border lines.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(tinte, 1.1));
        p.drawRect(QRectF(2, 2, 106, 127));
        p.setPen(QPen(tinte, 0.5));
        p.drawRect(QRectF(5, 5, 100, 121));
    });
}

// ---------------------------------------------------------------------------
// 5: a bearded man with a fur cap, painted against a dark background.

QImage Infobild5(QSize groesse)
{
    return Ueberabgetastet(117, 130, groesse, [](QPainter& p) {
        Zufall z(505);

        QRadialGradient grund(QPointF(60, 48), 80);
        grund.setColorAt(0, F(96, 84, 58));
        grund.setColorAt(1, F(28, 24, 16));
        p.fillRect(QRectF(0, 0, 117, 130), grund);
        QPainterPath alles;
        alles.addRect(QRectF(0, 0, 117, 130));
        Striche(p, alles, 200, Strichart{F(80, 70, 48), 16, 7, 1.5, 60, 30, 40, 1}, z);

        // Coat with a fur collar.
        QPainterPath mantel;
        mantel.moveTo(6, 130);
        mantel.cubicTo(10, 104, 24, 92, 40, 88);
        mantel.lineTo(78, 88);
        mantel.cubicTo(94, 92, 108, 104, 112, 130);
        mantel.closeSubpath();
        QLinearGradient mantelFarbe(10, 88, 110, 130);
        mantelFarbe.setColorAt(0, F(128, 36, 30));
        mantelFarbe.setColorAt(1, F(58, 16, 16));
        Fuelle(p, mantel, mantelFarbe);
        Striche(p, mantel, 120, Strichart{F(110, 32, 28), 18, 5, 1.0, 75, 25, 70, 1}, z);
        QPainterPath kragen;
        kragen.moveTo(12, 118);
        kragen.cubicTo(18, 100, 30, 90, 42, 87);
        kragen.lineTo(76, 87);
        kragen.cubicTo(88, 90, 100, 100, 106, 118);
        kragen.cubicTo(98, 110, 90, 104, 80, 102);
        kragen.lineTo(38, 102);
        kragen.cubicTo(28, 104, 20, 110, 12, 118);
        Fuelle(p, kragen, F(104, 74, 44));
        Striche(p, kragen, 420, Strichart{F(120, 86, 52), 30, 2.6, 0.5, 90, 60, 210, 0.6}, z);

        // Hair at the sides, then the face.
        const QPointF kopf(59, 58);
        QPainterPath haar;
        haar.moveTo(44, 46);
        haar.cubicTo(40, 60, 40, 76, 44, 90);
        haar.lineTo(74, 90);
        haar.cubicTo(78, 76, 78, 60, 74, 46);
        haar.closeSubpath();
        Fuelle(p, haar, F(92, 74, 56));
        Striche(p, haar, 120, Strichart{F(120, 100, 78), 26, 7, 0.5, 265, 8, 190, 1}, z);

        QRadialGradient haut(kopf + QPointF(-4, -5), 18);
        haut.setColorAt(0, F(236, 194, 158));
        haut.setColorAt(0.7, F(208, 156, 118));
        haut.setColorAt(1, F(156, 104, 76));
        Fuelle(p, Oval(kopf, 12.5, 16), haut);
        Fuelle(p, Oval(QPointF(52, 63), 3.5, 2.5), F(220, 120, 100, 60));
        Fuelle(p, Oval(QPointF(66, 63), 3.5, 2.5), F(220, 120, 100, 60));
        for (double x : {54.0, 64.5}) {
            Umriss(p, Kurve(QPointF(x - 3.4, 53.4), QPointF(x, 51.6), QPointF(x + 3.4, 53.4)), F(70, 52, 38), 1.0);
            Fuelle(p, Oval(QPointF(x, 56), 2.0, 1.0), F(246, 238, 228));
            Fuelle(p, Oval(QPointF(x + 0.5, 56), 0.9, 0.9), F(50, 34, 24));
        }
        Umriss(p, Kurve(QPointF(59.5, 55), QPointF(57.5, 62), QPointF(57.5, 64)), F(150, 96, 68, 200), 0.8);
        Umriss(p, Kurve(QPointF(56.5, 64.5), QPointF(59.5, 65.8), QPointF(62.5, 64.5)), F(150, 96, 68, 200), 0.7);

        // Long forked beard and the moustache.
        QPainterPath bart;
        bart.moveTo(47, 60);
        bart.cubicTo(46, 78, 48, 100, 53, 121);
        bart.lineTo(58.5, 108);
        bart.lineTo(65, 122);
        bart.cubicTo(70, 100, 72, 78, 71, 60);
        bart.cubicTo(68, 68, 64, 70, 59, 70);
        bart.cubicTo(54, 70, 50, 68, 47, 60);
        QLinearGradient bartFarbe(46, 60, 72, 120);
        bartFarbe.setColorAt(0, F(150, 124, 96));
        bartFarbe.setColorAt(1, F(96, 78, 60));
        Fuelle(p, bart, bartFarbe);
        Striche(p, bart, 170, Strichart{F(160, 136, 108), 34, 8, 0.45, 270, 8, 200, 1.2}, z);
        Umriss(p, Kurve(QPointF(59, 66.5), QPointF(53, 66.5), QPointF(50, 72)), F(120, 98, 74), 1.8);
        Umriss(p, Kurve(QPointF(59, 66.5), QPointF(65, 66.5), QPointF(68, 72)), F(112, 90, 68), 1.8);

        // The fur cap: a cloth crown and a thick fur brim.
        QPainterPath krone;
        krone.moveTo(41, 44);
        krone.cubicTo(38, 26, 46, 12, 60, 11);
        krone.cubicTo(74, 12, 81, 26, 77, 44);
        krone.closeSubpath();
        QLinearGradient kroneFarbe(40, 10, 78, 44);
        kroneFarbe.setColorAt(0, F(140, 44, 36));
        kroneFarbe.setColorAt(1, F(70, 20, 18));
        Fuelle(p, krone, kroneFarbe);
        Umriss(p, Kurve(QPointF(50, 16), QPointF(48, 30), QPointF(50, 42)), F(60, 16, 14, 160), 0.8);
        Umriss(p, Kurve(QPointF(66, 15), QPointF(70, 30), QPointF(68, 42)), F(60, 16, 14, 160), 0.8);
        QPainterPath krempe;
        krempe.moveTo(36, 48);
        krempe.cubicTo(36, 38, 46, 34, 59, 34);
        krempe.cubicTo(72, 34, 82, 38, 82, 48);
        krempe.cubicTo(74, 45, 66, 44, 59, 44);
        krempe.cubicTo(52, 44, 44, 45, 36, 48);
        Fuelle(p, krempe, F(92, 64, 38));
        const QPainterPath rand = krempe;
        Striche(p, krempe, 520, Strichart{F(130, 96, 60), 34, 2.6, 0.55, 90, 55, 220, 0.6}, z);
        // Loose hairs over the brim's edge.
        p.save();
        for (int i = 0; i < 90; ++i) {
            const double t = z.Wert();
            const QPointF punkt = rand.pointAtPercent(t);
            const double w = z.Zwischen(0, 2 * std::numbers::pi);
            const QPointF ende = punkt + QPointF(std::cos(w), std::sin(w)) * z.Zwischen(1, 2.4);
            Linie(p, punkt, ende, MitAlpha(Abgewandelt(F(120, 88, 54), 30, z), 200), 0.5);
        }
        p.restore();

        Vignette(p, 117, 130, 110);
    });
}
