// The 2-D canvas every drawing goes through: a thin layer over QPainter that
// keeps pen, brush and font between calls (as the lessons rely on) and draws
// with crisp, unsmoothed pixels. A canvas is bound to a painter only while a
// paint event (or an off-screen rendering) runs; outside of that it can still
// measure text.
#pragma once

#include "draw/Malflaeche.h"
#include "draw/Stil.h"
#include "draw/Textmass.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTransform>
#include <optional>
#include <vector>

class QPainter;

// Draws on whole device pixels whatever scale and device pixel ratio the
// painter has: while it lives, rectangles are given in device pixels.
class TGeraetepixel {
public:
    // `einheit`: painter units per design pixel, for Strich.
    explicit TGeraetepixel(QPainter& maler, qreal einheit = 1);
    ~TGeraetepixel();
    TGeraetepixel(const TGeraetepixel&) = delete;
    TGeraetepixel& operator=(const TGeraetepixel&) = delete;

    // Device pixels per painter unit.
    qreal Faktor() const { return faktor_; }
    // Device pixels across a line one design pixel wide: rounded, at least 1.
    int Strich() const { return strich_; }
    // A rectangle in painter units on device pixels, its edges rounded.
    QRect Rechteck(QRectF r) const;
    QPointF Punkt(QPointF p) const { return hin_.map(p); }
    void Fuelle(QRect geraet, const QColor& farbe);

private:
    QPainter& maler_;
    QTransform hin_;
    qreal faktor_;
    int strich_;
};

// The Qt colour of a program colour; the one conversion everything uses.
inline QColor QtFarbe(TFarbe f) { return QColor(RotAnteil(f), GruenAnteil(f), BlauAnteil(f)); }

// A program text (UTF-8) for Qt.
inline QString QtText(const std::string& text) { return QString::fromStdString(text); }
inline QString QtText(std::u16string_view text) { return QString::fromUtf16(text.data(), qsizetype(text.size())); }

// The Qt font for a font name of the program ("Arial", "Times New Roman",
// "Symbol") at a pixel height. Arial and Times New Roman come from their metric
// twins Liberation Sans and Liberation Serif; Symbol is drawn with Greek letters
// of Liberation Serif (see SymbolZeichen).
QFont QtSchrift(const QString& name, int pixelHoehe, bool fett);

// The Greek letter that the Symbol font shows for a Latin character code
// (a → α, b → β, g → γ, ...); other characters are returned unchanged.
QChar SymbolZeichen(QChar c);

// True once the Liberation fonts are known to Qt (loaded from the system).
bool SchriftenVerfuegbar();

class Leinwand : public TMalflaeche {
public:
    Leinwand() = default;
    explicit Leinwand(QPainter* maler) { Binde(maler); }

    // Attach to a painter for drawing; Loese detaches. Pen, brush and font stay.
    void Binde(QPainter* maler);
    void Loese();
    QPainter* Maler() const { return maler_; }

    void MoveTo(int x, int y) override;
    // Line from the current position to (x, y) with the pen; the end pixel itself is not set.
    void LineTo(int x, int y) override;
    // Ellipse inside the box from (l, t) to (r, b), r and b excluded; filled with the brush.
    void Ellipse(int l, int t, int r, int b) override;
    // Arc of the ellipse in the box, counter-clockwise on screen from the ray through
    // (x1, y1) to the ray through (x2, y2); the whole ellipse when both rays coincide.
    void Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) override;
    // Outline with the pen, inside with the brush; r and b excluded.
    void Rectangle(int l, int t, int r, int b) override;
    // Fills with the brush colour, r and b excluded; the pen is not used.
    void FillRect(int l, int t, int r, int b) override;
    void Pixel(int x, int y, TFarbe farbe);
    // Many single pixels of one colour at once.
    void Punkte(const TPixel* punkte, int anzahl, TFarbe farbe) override;
    TFarbe PixelFarbe(int x, int y) const;

    // One line with a geometric pen made just for it: square end caps, style in the
    // window system's numbering (0 solid, 1 dashed, 2 dotted, 3 dash-dot). The
    // canvas's own pen is untouched.
    void GeometrischeLinie(int x1, int y1, int x2, int y2, int breite, TFarbe farbe, int stil) override;

    // Text with its top-left pixel at (x, y) in the current font. With a solid brush
    // the text's box is filled with the brush colour first, as an opaque text would be.
    void TextOut(int x, int y, const QString& text);
    void TextOut(int x, int y, std::u16string_view text) override { TextOut(x, y, QtText(text)); }
    QSize TextExtent(const QString& text) const;
    TTextMass TextExtent(std::u16string_view text) const override
    {
        const QSize mass = TextExtent(QtText(text));
        return {mass.width(), mass.height()};
    }
    // While set, every TextOut adds its text's box (advance by font height) here,
    // and every LineTo the box of its stroke, with or without a painter: the
    // boxes of a picture's labels are found so.
    std::vector<QRect>* textKaesten = nullptr;
    using TMalflaeche::TextHeight;
    using TMalflaeche::TextWidth;
    int TextWidth(const QString& text) const { return TextExtent(text).width(); }
    int TextHeight(const QString& text) const { return TextExtent(text).height(); }

    // Set while painting on screen: thin lines then go on whole device pixels,
    // round(scale x device pixel ratio) wide, and not on scaled design pixels.
    bool Geraetepixel = false;

    // True while bound to a device that keeps lines and text as vectors.
    bool ZeichnetVektoren() const override { return maler_ && zeichnetVektoren(); }

    int PenX() const { return penX_; }
    int PenY() const { return penY_; }

private:
    // A font in use with its metrics and the widths measured in it so far: a
    // drawing writes its labels character by character in a handful of fonts.
    struct TSchriftMass {
        std::string name;
        int pixel = 0;
        bool fett = false;
        QFont font;
        std::optional<QFontMetrics> fm;
        QHash<QString, int> breiten;
    };
    TSchriftMass& schriftMass() const;
    QFont aktuelleSchrift() const;
    QString sichtbarerText(const QString& text) const;
    void setzeStift(bool mitStift) const;
    void setzePinsel() const;
    // A one-pixel line on device pixels (Geraetepixel on a scaled raster).
    void geraeteLinie(int x0, int y0, int x1, int y1);
    bool aufGeraetepixeln() const;
    // The width of a pen of `breite` design pixels in painter units.
    qreal stiftBreite(int breite) const;
    // A line drawn by QPainter: a wide pen, or any pen on a vector device.
    void linieAlsGanzes(int x0, int y0, int x, int y);
    // True on devices that keep lines as lines (SVG, PDF, printer) and under a
    // scaling transform; there the pixel-exact rasterisation would turn every
    // line into a staircase of little squares.
    bool zeichnetVektoren() const;

    QPainter* maler_ = nullptr;
    mutable TSchriftMass mass_[4];
    mutable int naechstesMass_ = 0;
    int penX_ = 0;
    int penY_ = 0;
};
