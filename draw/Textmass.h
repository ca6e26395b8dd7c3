// Text widths and label boxes without a painter. The advances of the fonts the
// labels use were measured once from the installed Liberation fonts, as the
// painter draws them (tools/Schriftmasse writes draw/Schriftmasse.cpp); from
// them the boxes of a picture's labels are found exactly where the painter
// puts the characters, so that a lesson can keep its labels apart without Qt.
#pragma once

#include "draw/Bild.h"
#include "draw/KoordU.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Font size in points to pixels at 96 dots per inch, rounded like MulDiv.
int PunktZuPixel(int punkte);

// The Greek letter that the Symbol font shows for a Latin character code
// (a → α, b → β, g → γ, ...); other characters are returned unchanged.
char16_t SymbolBuchstabe(char16_t c);

namespace textmass {

// One font of the table: serif (Times New Roman, Symbol) or sans (Arial), its
// pixel height, bold or not, its line height, its ascent (the baseline's
// distance from the top of a line), and the advance of each character of
// `zeichen` in 1/64 pixel.
struct TSchriftMasse {
    bool serif;
    int pixel;
    bool fett;
    int hoehe;
    int oberlaenge;
    const std::uint16_t* breiten;
};

// The measured characters, in ascending order, and the measured fonts.
extern const std::u16string_view zeichen;
extern const std::vector<TSchriftMasse> schriften;

// A program text (UTF-8) as the painter indexes it.
std::u16string Utf16(std::string_view text);

// Width and height in pixels of a text in one font, as the canvas measures it
// (Symbol shows its Greek letters); characters outside the table count nothing.
int Breite(const TSchrift& schrift, std::u16string_view text);
int Hoehe(const TSchrift& schrift);
int Oberlaenge(const TSchrift& schrift);
// The width of a marked-up Arial text as the painter centres it: a character
// after "!" or "^" in the small size, the markers themselves not counted.
int MarkierteBreite(std::u16string_view text, int groesse, bool fett);

// A pixel box, both corners included.
struct TKasten {
    int links = 0, oben = 0, rechts = -1, unten = -1;
    bool Leer() const { return rechts < links || unten < oben; }
    bool Schneidet(const TKasten& k) const;
    bool operator==(const TKasten&) const = default;
};

struct TTextKasten {
    std::size_t teil; // index in the picture
    TKasten kasten;
};
// The boxes of a picture's labels in drawing order, each around all its
// characters (each as wide as its advance and as tall as its font) and a
// fraction's bar, placed as the painter places them in the world window
// `welt`. Labels as names, side names, centred, left-aligned and fraction
// labels; other items are left out.
std::vector<TTextKasten> Kaesten(const TBild& bild, const TWeltfenster& welt);
// True when two of the boxes share a pixel.
bool Ueberlappen(const std::vector<TTextKasten>& kaesten);

} // namespace textmass
