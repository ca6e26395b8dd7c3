// What the drawing code needs of a canvas, without saying how it is drawn:
// pen, brush and font kept between calls, and the few operations the
// primitives and the text renderers use. The desktop draws through Qt
// (Leinwand); a recording canvas writes the same calls down for a browser.
#pragma once

#include "draw/Stil.h"

#include <string_view>

struct TPixel {
    int x = 0, y = 0;
};

struct TTextMass {
    int breite = 0, hoehe = 0;
};

class TMalflaeche {
public:
    TStift stift;
    TPinsel pinsel;
    TSchrift schrift;

    virtual ~TMalflaeche() = default;

    // Pen, brush and font back to those of a new canvas.
    void Zuruecksetzen()
    {
        stift = {};
        pinsel = {};
        schrift = {};
    }

    virtual void MoveTo(int x, int y) = 0;
    // Line from the current position to (x, y) with the pen; the end pixel itself is not set.
    virtual void LineTo(int x, int y) = 0;
    // Ellipse inside the box from (l, t) to (r, b), r and b excluded; filled with the brush.
    virtual void Ellipse(int l, int t, int r, int b) = 0;
    // Arc of the ellipse in the box, counter-clockwise on screen from the ray through
    // (x1, y1) to the ray through (x2, y2); the whole ellipse when both rays coincide.
    virtual void Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) = 0;
    // Outline with the pen, inside with the brush; r and b excluded.
    virtual void Rectangle(int l, int t, int r, int b) = 0;
    // Fills with the brush colour, r and b excluded; the pen is not used.
    virtual void FillRect(int l, int t, int r, int b) = 0;
    // Many single pixels of one colour at once.
    virtual void Punkte(const TPixel* punkte, int anzahl, TFarbe farbe) = 0;
    // One line with a geometric pen made just for it: square end caps, style in the
    // window system's numbering (0 solid, 1 dashed, 2 dotted, 3 dash-dot). The
    // canvas's own pen is untouched.
    virtual void GeometrischeLinie(int x1, int y1, int x2, int y2, int breite, TFarbe farbe, int stil) = 0;

    // Text (UTF-16) with its top-left pixel at (x, y) in the current font. With a
    // solid brush the text's box is filled with the brush colour first.
    virtual void TextOut(int x, int y, std::u16string_view text) = 0;
    virtual TTextMass TextExtent(std::u16string_view text) const = 0;
    int TextWidth(std::u16string_view text) const { return TextExtent(text).breite; }
    int TextHeight(std::u16string_view text) const { return TextExtent(text).hoehe; }

    // True where lines and text stay vectors (SVG, PDF): the text renderers then
    // put down words instead of single characters.
    virtual bool ZeichnetVektoren() const { return false; }
};
