#include "draw/Leinwand.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QVarLengthArray>
#include <QtMath>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace {

struct Familien {
    QString sans = QStringLiteral("Liberation Sans");
    QString serif = QStringLiteral("Liberation Serif");
    bool vollstaendig = false;
};

// The Liberation fonts are loaded from the system once, so that "Arial" and
// "Times New Roman" always mean their metric twins, whatever fontconfig would pick.
const Familien& familien()
{
    static const Familien geladen = [] {
        Familien f;
        const QString ordner = QStringLiteral("/usr/share/fonts/truetype/liberation/");
        struct Datei { const char* name; QString* familie; };
        const Datei dateien[] = {{"LiberationSans-Regular.ttf", &f.sans},
                                 {"LiberationSans-Bold.ttf", &f.sans},
                                 {"LiberationSerif-Regular.ttf", &f.serif},
                                 {"LiberationSerif-Bold.ttf", &f.serif}};
        int anzahl = 0;
        for (const Datei& d : dateien) {
            const int id = QFontDatabase::addApplicationFont(ordner + QLatin1String(d.name));
            if (id < 0)
                continue;
            const QStringList namen = QFontDatabase::applicationFontFamilies(id);
            if (!namen.isEmpty()) {
                *d.familie = namen.first();
                ++anzahl;
            }
        }
        f.vollstaendig = anzahl == 4;
        return f;
    }();
    return geladen;
}

// Dash patterns of a one-pixel pen, in pixels on / off, as the window system draws them.
struct Muster {
    int laenge;
    int teile[4];
};
constexpr Muster musterStrich{2, {18, 6, 0, 0}};
constexpr Muster musterPunkt{2, {3, 3, 0, 0}};
constexpr Muster musterStrichPunkt{4, {9, 6, 3, 6}};

const Muster* musterFuer(TPenStyle stil)
{
    switch (stil) {
    case psDash: return &musterStrich;
    case psDot: return &musterPunkt;
    case psDashDot: return &musterStrichPunkt;
    default: return nullptr;
    }
}

bool musterAn(const Muster& m, int index)
{
    int periode = 0;
    for (int i = 0; i < m.laenge; ++i)
        periode += m.teile[i];
    int pos = index % periode;
    for (int i = 0; i < m.laenge; ++i) {
        if (pos < m.teile[i])
            return i % 2 == 0;
        pos -= m.teile[i];
    }
    return false;
}

// A one-pixel line as a real line: through the pixel centres, with flat ends
// and shifted back by half a step along the longer axis (the screen's step
// from pixel to pixel), so that it covers the pixels from the start up to the
// end pixel, which stays unset as on screen, and its dash pattern begins where
// the screen's does.
void vektorLinie(QPainter& maler, int x0, int y0, int x1, int y1, TFarbe farbe, const Muster* muster)
{
    const int schritte = qMax(std::abs(x1 - x0), std::abs(y1 - y0));
    if (schritte == 0)
        return;
    const qreal sx = qreal(x1 - x0) / schritte, sy = qreal(y1 - y0) / schritte;
    QPen pen(QtFarbe(farbe), 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (muster) {
        QList<qreal> striche;
        for (int i = 0; i < muster->laenge; ++i)
            striche << muster->teile[i];
        pen.setDashPattern(striche);
    }
    maler.setPen(pen);
    maler.drawLine(QPointF(x0 + 0.5 - sx / 2, y0 + 0.5 - sy / 2), QPointF(x1 + 0.5 - sx / 2, y1 + 0.5 - sy / 2));
}

// Where a pen of `breite` pixels lies on screen, relative to the integer
// coordinate it is drawn at: an odd width centred on the pixel centre, an even
// one on the pixel edge.
qreal mitte(int breite) { return qMax(1, breite) % 2 ? 0.5 : 0.0; }

} // namespace

bool SchriftenVerfuegbar() { return familien().vollstaendig; }

TGeraetepixel::TGeraetepixel(QPainter& maler, qreal einheit)
    : maler_(maler), hin_(maler.deviceTransform()), faktor_(hin_.m11()),
      strich_(qMax(1, qRound(einheit * faktor_)))
{
    maler_.save();
    // Device pixel for device pixel: the device's own scaling undone.
    maler_.setWorldTransform(hin_.inverted() * maler_.worldTransform());
}

TGeraetepixel::~TGeraetepixel() { maler_.restore(); }

QRect TGeraetepixel::Rechteck(QRectF r) const
{
    const QRectF g = hin_.mapRect(r);
    return QRect(QPoint(qRound(g.left()), qRound(g.top())), QPoint(qRound(g.right()) - 1, qRound(g.bottom()) - 1));
}

void TGeraetepixel::Fuelle(QRect geraet, const QColor& farbe) { maler_.fillRect(geraet, farbe); }

QFont QtSchrift(const QString& name, int pixelHoehe, bool fett)
{
    const Familien& f = familien();
    const bool serif = name == QLatin1String("Times New Roman") || name == QLatin1String("Symbol");
    QFont schrift(serif ? f.serif : f.sans);
    schrift.setPixelSize(qMax(1, pixelHoehe));
    schrift.setBold(fett);
    schrift.setKerning(false);
    return schrift;
}

QChar SymbolZeichen(QChar c) { return QChar(SymbolBuchstabe(c.unicode())); }

void Leinwand::Binde(QPainter* maler)
{
    maler_ = maler;
    if (maler_)
        maler_->setRenderHint(QPainter::Antialiasing, false);
}

void Leinwand::Loese() { maler_ = nullptr; }

QFont Leinwand::aktuelleSchrift() const
{
    return schriftMass().font;
}

Leinwand::TSchriftMass& Leinwand::schriftMass() const
{
    const int pixel = PunktZuPixel(schrift.groesse);
    for (TSchriftMass& m : mass_)
        if (m.fm && m.pixel == pixel && m.fett == schrift.fett && m.name == schrift.name)
            return m;
    TSchriftMass& neu = mass_[naechstesMass_];
    naechstesMass_ = (naechstesMass_ + 1) % std::size(mass_);
    neu.name = schrift.name;
    neu.pixel = pixel;
    neu.fett = schrift.fett;
    neu.font = QtSchrift(QString::fromStdString(schrift.name), pixel, schrift.fett);
    neu.fm.emplace(neu.font);
    neu.breiten.clear();
    return neu;
}

QString Leinwand::sichtbarerText(const QString& text) const
{
    if (schrift.name != "Symbol")
        return text;
    QString griechisch = text;
    for (QChar& c : griechisch)
        c = SymbolZeichen(c);
    return griechisch;
}

void Leinwand::setzeStift(bool mitStift) const
{
    if (!mitStift || stift.stil == psClear) {
        maler_->setPen(Qt::NoPen);
        return;
    }
    QPen pen(QtFarbe(stift.farbe));
    if (aufGeraetepixeln())
        pen.setWidthF(stiftBreite(stift.breite));
    else
        pen.setWidth(qMax(1, stift.breite));
    if (stift.breite > 1) {
        // A wide pen of the window system is always solid with round ends.
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else if (const Muster* m = musterFuer(stift.stil)) {
        // The pattern counts in pen widths.
        QList<qreal> striche;
        for (int i = 0; i < m->laenge; ++i)
            striche << m->teile[i] / pen.widthF();
        pen.setDashPattern(striche);
    }
    maler_->setPen(pen);
}

bool Leinwand::aufGeraetepixeln() const
{
    if (!Geraetepixel || !maler_)
        return false;
    const QPaintEngine* motor = maler_->paintEngine();
    return motor && motor->type() == QPaintEngine::Raster && maler_->deviceTransform().m11() != 1.0;
}

qreal Leinwand::stiftBreite(int breite) const
{
    if (breite > 1 || !aufGeraetepixeln())
        return qMax(1, breite);
    // A one-pixel pen as wide as the scaled design pixel, in whole device pixels.
    const qreal faktor = maler_->deviceTransform().m11();
    return qMax(1, qRound(faktor)) / faktor;
}

void Leinwand::geraeteLinie(int x0, int y0, int x1, int y1)
{
    const bool waagrecht = std::abs(x1 - x0) >= std::abs(y1 - y0);
    // a: the longer axis, b: the other; in design pixels.
    const int a0 = waagrecht ? x0 : y0, a1 = waagrecht ? x1 : y1, b0 = waagrecht ? y0 : x0;
    if (a0 == a1)
        return;
    TGeraetepixel g(*maler_);
    const qreal k = g.Faktor();
    const int d = g.Strich();
    const int richtung = a1 > a0 ? 1 : -1;
    const qreal steigung = qreal(waagrecht ? y1 - y0 : x1 - x0) / (a1 - a0);
    const QPointF ursprung = g.Punkt(QPointF(0, 0));
    const qreal oa = waagrecht ? ursprung.x() : ursprung.y(), ob = waagrecht ? ursprung.y() : ursprung.x();
    // From the start pixel up to the end pixel, which stays unset.
    const int von = qRound(oa + k * (richtung > 0 ? a0 : a1 + 1));
    const int bis = qRound(oa + k * (richtung > 0 ? a1 : a0 + 1));
    const Muster* muster = musterFuer(stift.stil);
    const QColor farbe = QtFarbe(stift.farbe);
    int laufAnfang = 0, laufOben = 0, laufLaenge = 0;
    const auto fuelle = [&] {
        if (laufLaenge > 0)
            g.Fuelle(waagrecht ? QRect(laufAnfang, laufOben, laufLaenge, d) : QRect(laufOben, laufAnfang, d, laufLaenge),
                     farbe);
        laufLaenge = 0;
    };
    for (int m = von; m < bis; ++m) {
        // Through the centres of the design's start and end pixels.
        const qreal u = (m + 0.5 - oa) / k;
        const qreal v = b0 + 0.5 + (u - (a0 + 0.5)) * steigung;
        const int oben = qFloor(ob + v * k - d / 2.0 + 0.5);
        const int schritt = richtung > 0 ? qFloor(u - a0) : qFloor(a0 + 1 - u);
        const bool an = !muster || musterAn(*muster, qMax(0, schritt));
        if (an && laufLaenge > 0 && oben == laufOben) {
            ++laufLaenge;
            continue;
        }
        fuelle();
        if (an) {
            laufAnfang = m;
            laufOben = oben;
            laufLaenge = 1;
        }
    }
    fuelle();
}

void Leinwand::setzePinsel() const
{
    if (pinsel.stil == bsClear)
        maler_->setBrush(Qt::NoBrush);
    else
        maler_->setBrush(QtFarbe(pinsel.farbe));
}

void Leinwand::MoveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void Leinwand::LineTo(int x, int y)
{
    const int x0 = penX_, y0 = penY_;
    penX_ = x;
    penY_ = y;
    if (textKaesten && stift.stil != psClear) { // a fraction's bar belongs to its label
        const int halb = std::max(1, stift.breite) / 2;
        textKaesten->push_back(QRect(QPoint(std::min(x0, x) - halb, std::min(y0, y) - halb),
                                     QPoint(std::max(x0, x) + halb, std::max(y0, y) + halb)));
    }
    if (!maler_ || stift.stil == psClear)
        return;
    if (stift.breite <= 1 && aufGeraetepixeln()) {
        geraeteLinie(x0, y0, x, y);
        return;
    }
    if (zeichnetVektoren() || stift.breite > 1) {
        linieAlsGanzes(x0, y0, x, y);
        return;
    }
    // One-pixel lines are rasterised here so that the end pixel stays unset and
    // the dash pattern runs pixel by pixel along the line. Pixels that follow each
    // other along the major axis are filled as one run.
    const Muster* muster = musterFuer(stift.stil);
    const int dx = std::abs(x - x0), dy = std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
    const bool waagrecht = dx >= dy;
    const int schritte = qMax(dx, dy);
    const QColor farbe = QtFarbe(stift.farbe);
    int laufX = 0, laufY = 0, laufLaenge = 0;
    auto fuelleLauf = [&] {
        if (laufLaenge == 0)
            return;
        if (waagrecht)
            maler_->fillRect(sx > 0 ? laufX : laufX - laufLaenge + 1, laufY, laufLaenge, 1, farbe);
        else
            maler_->fillRect(laufX, sy > 0 ? laufY : laufY - laufLaenge + 1, 1, laufLaenge, farbe);
        laufLaenge = 0;
    };
    int px = x0, py = y0, fehler = dx - dy;
    for (int i = 0; i < schritte; ++i) {
        if (!muster || musterAn(*muster, i)) {
            const bool fortsetzung = laufLaenge > 0 && (waagrecht ? py == laufY : px == laufX);
            if (!fortsetzung) {
                fuelleLauf();
                laufX = px;
                laufY = py;
            }
            ++laufLaenge;
        } else {
            fuelleLauf();
        }
        const int f2 = 2 * fehler;
        if (f2 > -dy) {
            fehler -= dy;
            px += sx;
        }
        if (f2 < dx) {
            fehler += dx;
            py += sy;
        }
    }
    fuelleLauf();
}

void Leinwand::linieAlsGanzes(int x0, int y0, int x, int y)
{
    if (stift.breite <= 1) {
        vektorLinie(*maler_, x0, y0, x, y, stift.farbe, musterFuer(stift.stil));
        return;
    }
    setzeStift(true);
    if (zeichnetVektoren()) { // on the rows and columns the screen fills
        const qreal m = mitte(stift.breite);
        maler_->drawLine(QPointF(x0 + m, y0 + m), QPointF(x + m, y + m));
    } else {
        maler_->drawLine(x0, y0, x, y);
    }
}

bool Leinwand::zeichnetVektoren() const
{
    const QPaintEngine* motor = maler_->paintEngine();
    return (motor && motor->type() != QPaintEngine::Raster) || maler_->transform().type() > QTransform::TxTranslate;
}

void Leinwand::Punkte(const TPixel* punkte, int anzahl, TFarbe farbe)
{
    if (!maler_ || anzahl <= 0)
        return;
    if (zeichnetVektoren()) {
        // A point of zero length vanishes in vector output: a pixel-sized square instead.
        for (int i = 0; i < anzahl; ++i)
            maler_->fillRect(QRect(punkte[i].x, punkte[i].y, 1, 1), QtFarbe(farbe));
        return;
    }
    QVarLengthArray<QPoint, 1024> qt;
    for (int i = 0; i < anzahl; ++i)
        qt.append(QPoint(punkte[i].x, punkte[i].y));
    maler_->setPen(QPen(QtFarbe(farbe), 1));
    maler_->drawPoints(qt.constData(), anzahl);
}

void Leinwand::Ellipse(int l, int t, int r, int b)
{
    if (!maler_)
        return;
    setzeStift(true);
    setzePinsel();
    if (zeichnetVektoren()) {
        const qreal m = stift.stil == psClear ? 0.5 : mitte(stift.breite);
        maler_->drawEllipse(QRectF(l + m, t + m, r - l - 1, b - t - 1));
    }
    else
        maler_->drawEllipse(QRect(l, t, r - l - 1, b - t - 1));
}

void Leinwand::Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2)
{
    if (!maler_ || stift.stil == psClear)
        return;
    // The ellipse drawn below has its centre here, counted in whole pixels,
    // and these half axes.
    const qreal mx = (l + r - 1) / 2.0, my = (t + b - 1) / 2.0;
    const qreal rx = (r - l - 1) / 2.0, ry = (b - t - 1) / 2.0;
    // QPainter takes the ellipse's parametric angle, not the angle of the ray:
    // on an ellipse that is wider than high they differ by up to a degree or
    // more. The point of the ellipse on the ray through (x, y) has the
    // parameter atan2(dy / ry, dx / rx). Screen y grows downwards;
    // counter-clockwise on screen is the positive sense.
    const auto parameter = [&](int x, int y) {
        return qRadiansToDegrees(std::atan2((my - y) * rx, (x - mx) * ry));
    };
    const qreal start = parameter(x1, y1);
    const qreal ende = parameter(x2, y2);
    qreal spanne = std::fmod(ende - start, 360.0);
    if (spanne <= 0)
        spanne += 360.0;
    if ((x1 == x2 && y1 == y2) || spanne >= 360.0)
        spanne = 360.0;
    setzeStift(true);
    maler_->setBrush(Qt::NoBrush);
    // On the same pixels as Ellipse's outline.
    const qreal m = zeichnetVektoren() ? mitte(stift.breite) : 0.5;
    maler_->drawArc(QRectF(l + m, t + m, r - l - 1, b - t - 1), qRound(start * 16), qRound(spanne * 16));
}

void Leinwand::Rectangle(int l, int t, int r, int b)
{
    if (!maler_)
        return;
    if (pinsel.stil != bsClear)
        maler_->fillRect(QRect(l, t, r - l, b - t), QtFarbe(pinsel.farbe));
    if (stift.stil == psClear)
        return;
    const int px = penX_, py = penY_;
    MoveTo(l, t);
    LineTo(r - 1, t);
    LineTo(r - 1, b - 1);
    LineTo(l, b - 1);
    LineTo(l, t);
    MoveTo(px, py);
}

void Leinwand::FillRect(int l, int t, int r, int b)
{
    if (maler_)
        maler_->fillRect(QRect(l, t, r - l, b - t), QtFarbe(pinsel.farbe));
}

void Leinwand::Pixel(int x, int y, TFarbe farbe)
{
    if (!maler_)
        return;
    if (zeichnetVektoren()) {
        maler_->fillRect(QRect(x, y, 1, 1), QtFarbe(farbe));
        return;
    }
    maler_->setPen(QPen(QtFarbe(farbe), 1));
    maler_->drawPoint(x, y);
}

TFarbe Leinwand::PixelFarbe(int x, int y) const
{
    if (!maler_ || maler_->device()->devType() != QInternal::Image)
        return clWhite;
    const auto* bild = static_cast<const QImage*>(maler_->device());
    if (!bild->rect().contains(x, y))
        return clWhite;
    return TFarbe(bild->pixel(x, y) & 0xFFFFFFu);
}

void Leinwand::GeometrischeLinie(int x1, int y1, int x2, int y2, int breite, TFarbe farbe, int stil)
{
    if (!maler_)
        return;
    static const Qt::PenStyle stile[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
    const Qt::PenStyle qtStil = (stil >= 0 && stil <= 3) ? stile[stil] : Qt::SolidLine;
    QPen pen(QBrush(QtFarbe(farbe)), stiftBreite(breite), qtStil, Qt::SquareCap, Qt::MiterJoin);
    maler_->setPen(pen);
    if (zeichnetVektoren()) {
        const qreal m = mitte(breite);
        maler_->drawLine(QPointF(x1 + m, y1 + m), QPointF(x2 + m, y2 + m));
    } else {
        maler_->drawLine(x1, y1, x2, y2);
    }
    penX_ = x2;
    penY_ = y2;
}

void Leinwand::TextOut(int x, int y, const QString& text)
{
    if ((!maler_ && !textKaesten) || text.isEmpty())
        return;
    const TSchriftMass& m = schriftMass();
    const QString sichtbar = sichtbarerText(text);
    const QFontMetrics& fm = *m.fm;
    if (textKaesten)
        textKaesten->push_back(QRect(x, y, fm.horizontalAdvance(sichtbar), fm.height()));
    if (!maler_)
        return;
    if (pinsel.stil != bsClear)
        maler_->fillRect(QRect(x, y, fm.horizontalAdvance(sichtbar), fm.height()), QtFarbe(pinsel.farbe));
    maler_->setFont(m.font);
    maler_->setPen(QtFarbe(schrift.farbe));
    maler_->drawText(x, y + fm.ascent(), sichtbar);
}

QSize Leinwand::TextExtent(const QString& text) const
{
    TSchriftMass& m = schriftMass();
    auto breite = m.breiten.constFind(text);
    if (breite == m.breiten.constEnd()) {
        if (m.breiten.size() >= 512) // texts that change as the pupil drags
            m.breiten.clear();
        breite = m.breiten.insert(text, m.fm->horizontalAdvance(sichtbarerText(text)));
    }
    return QSize(*breite, m.fm->height());
}
