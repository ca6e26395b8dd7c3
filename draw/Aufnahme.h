// A canvas that draws nothing and writes each call down instead, in design
// pixels and in drawing order, as JSON for a painter elsewhere (a web page's
// canvas). Texts are measured with the core's font tables, so they land where
// the desktop puts them.
#pragma once

#include "draw/Malflaeche.h"

#include <string>
#include <vector>

class TAufnahme : public TMalflaeche {
public:
    // Where the canvas's (0, 0) lies in the recorded picture: a box drawn inside a larger page.
    TPixel ursprung;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int l, int t, int r, int b) override;
    void Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) override;
    void Rectangle(int l, int t, int r, int b) override;
    void FillRect(int l, int t, int r, int b) override;
    void Punkte(const TPixel* punkte, int anzahl, TFarbe farbe) override;
    void GeometrischeLinie(int x1, int y1, int x2, int y2, int breite, TFarbe farbe, int stil) override;
    void TextOut(int x, int y, std::u16string_view text) override;
    TTextMass TextExtent(std::u16string_view text) const override;

    // The operations so far as a JSON array.
    std::string Json() const;

private:
    int X(int x) const { return x + ursprung.x; }
    int Y(int y) const { return y + ursprung.y; }

    std::vector<std::string> ops_;
    int penX_ = 0, penY_ = 0;
};
