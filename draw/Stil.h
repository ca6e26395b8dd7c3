// How a thing is drawn, as plain values: colours, pens, brushes and fonts.
// Pictures carry these; only the painter turns them into Qt's.
#pragma once

#include <cstdint>
#include <string>

// A 24-bit colour, 0xRRGGBB.
using TFarbe = std::uint32_t;

constexpr TFarbe RGB(int r, int g, int b)
{
    return TFarbe((unsigned(r & 0xFF) << 16) | (unsigned(g & 0xFF) << 8) | unsigned(b & 0xFF));
}
constexpr int RotAnteil(TFarbe f) { return int((f >> 16) & 0xFF); }
constexpr int GruenAnteil(TFarbe f) { return int((f >> 8) & 0xFF); }
constexpr int BlauAnteil(TFarbe f) { return int(f & 0xFF); }

// The window system's named colours.
constexpr TFarbe clBlack = RGB(0, 0, 0);
constexpr TFarbe clWhite = RGB(255, 255, 255);
constexpr TFarbe clRed = RGB(255, 0, 0);
constexpr TFarbe clBlue = RGB(0, 0, 255);
constexpr TFarbe clNavy = RGB(0, 0, 128);
constexpr TFarbe clMaroon = RGB(128, 0, 0);
constexpr TFarbe clGreen = RGB(0, 128, 0);
constexpr TFarbe clBtnFace = RGB(240, 240, 240);

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psClear };
enum TBrushStyle { bsSolid, bsClear };

struct TStift {
    TFarbe farbe = clBlack;
    int breite = 1;
    TPenStyle stil = psSolid;
    bool operator==(const TStift&) const = default;
};

struct TPinsel {
    TFarbe farbe = clWhite;
    TBrushStyle stil = bsSolid;
    bool operator==(const TPinsel&) const = default;
};

// A font by the program's name for it: "Arial", "Times New Roman" or "Symbol".
struct TSchrift {
    std::string name = "Arial";
    int groesse = 12; // points; drawn at MulDiv(groesse, 96, 72) pixels
    bool fett = true;
    TFarbe farbe = clBlack;
    bool operator==(const TSchrift&) const = default;
};
