// The program's icon: an acute triangle with its three heights meeting in H,
// on a rounded sheet of squared paper. The figure is computed once in world
// units (0..32 both ways, y upwards) and then either painted with the drawing
// foundation into a PNG or written out as SVG, so both show the same drawing.
#pragma once

#include "draw/Leinwand.h"

#include <QImage>
#include <QString>
#include <variant>
#include <vector>

// The sizes in pixels the icon is drawn at for the hicolor theme.
inline constexpr int symbolGroessen[] = {48, 64, 128, 256};

// Path of one icon file inside the theme folder: "hicolor/48x48/apps/<id>.png",
// or the scalable SVG for groesse 0.
QString SymbolPfad(int groesse);

// Round-ended segment.
struct TSymbolStrich {
    float x1, y1, x2, y2;
    float breite;
    TFarbe farbe;
};
// Arc counter-clockwise from `von` to `bis` degrees, round ends.
struct TSymbolBogen {
    float mx, my, radius, von, bis;
    float breite;
    TFarbe farbe;
};
// Filled disc.
struct TSymbolPunkt {
    float x, y, radius;
    TFarbe farbe;
};
using TSymbolTeil = std::variant<TSymbolStrich, TSymbolBogen, TSymbolPunkt>;

// Rounded sheet: its outer edge, the corner radius, the width of the border
// that runs inside that edge.
struct TSymbolBlatt {
    float links, unten, rechts, oben;
    float eckRadius;
    float randBreite;
    TFarbe papier;
    TFarbe rand;
};

struct TSymbol {
    static constexpr float kante = 32; // world units across and up
    TSymbolBlatt blatt;
    std::vector<TSymbolTeil> teile; // in drawing order, over the sheet
};

// The figure for an icon of `groesse` pixels. Lines never get thinner than
// what still reads at that size; the right-angle marks and the paper's squares
// appear only where there are enough pixels for them.
TSymbol Programmsymbol(int groesse);

// The figure painted at `groesse` x `groesse` pixels, smoothed, with a
// transparent surround.
QImage SymbolBild(const TSymbol& symbol, int groesse);

// The figure as an SVG document of `groesse` x `groesse` units.
QString SymbolSvg(const TSymbol& symbol, int groesse);
