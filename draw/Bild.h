// A drawing as a value: the ordered list of what a drawing area shows, one
// item per drawing primitive. A lesson computes its picture from its state as
// a TBild; the paint handler only hands it to Zeichne, the one place where
// items become canvas calls.
//
// Every item carries what its primitive needs from the canvas (colour, width,
// style, and for labels the font the text is measured in), and Zeichne sets
// the canvas from the item alone before each one: a picture never depends on
// what an earlier item left on the canvas.
#pragma once

#include "draw/GlobalU.h"
#include "draw/KoordU.h"
#include "draw/Leinwand.h"

#include <QRect>
#include <QString>
#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

namespace bild {

// Segment (Strecke); `stil` linieVoll, liniePunktiert or linieStrichPunkt.
// A thick segment (DickeStrecke) has square ends and counts its style from
// dickVoll.
struct TStrecke {
    TWeltPunkt von, bis;
    int breite = 1;
    TFarbe farbe = clBlack;
    int stil = linieVoll;
    bool dick = false;
    bool operator==(const TStrecke&) const = default;
};

// The line through p and q, cut off at the border of the rectangle
// -wx..wx, -wy..wy (GeradeImRechteck); nothing where p = q or the line misses it.
struct TGerade {
    TWeltPunkt p, q;
    float wx = 0.0f, wy = 0.0f;
    int breite = 1;
    TFarbe farbe = clBlack;
    int stil = linieVoll;
    bool operator==(const TGerade&) const = default;
};

// Axis-parallel outline (Rechteck); `stil` linieVoll or liniePunktiert.
struct TRechteck {
    TWeltPunkt ecke1, ecke2;
    int breite = 1;
    TFarbe farbe = clBlack;
    int stil = linieVoll;
    bool operator==(const TRechteck&) const = default;
};

// Horizontal arrow (Doppelpfeil): 'B' heads at both ends, 'L' at x1, 'R' at x2.
struct TDoppelpfeil {
    float x1 = 0.0f, x2 = 0.0f, y = 0.0f;
    int breite = 1;
    TFarbe farbe = clBlack;
    char art = 'B';
    bool operator==(const TDoppelpfeil&) const = default;
};

// Circle (Kreis): outline with the pen in `stil` (psDot for a dotted circle),
// inside filled with `fuellung` or left untouched with keineFuellung. A point
// is a small filled circle.
struct TKreis {
    TWeltPunkt mitte;
    float radius = 0.0f;
    int breite = 1;
    TFarbe farbe = clBlack;
    int fuellung = keineFuellung;
    TPenStyle stil = psSolid;
    bool operator==(const TKreis&) const = default;
};

// Arc (Bogen) counter-clockwise about `mitte` from direction `von` to `bis` (degrees).
struct TBogen {
    TWeltPunkt mitte;
    float radius = 0.0f, von = 0.0f, bis = 0.0f;
    int breite = 1;
    TFarbe farbe = clBlack;
    bool operator==(const TBogen&) const = default;
};

// Right-angle mark (RechterWinkel) at `scheitel` beside the leg `richtung`, on side 'L' or 'R'.
struct TRechterWinkel {
    TWeltPunkt richtung, scheitel;
    float radius = 0.0f;
    int breite = 1;
    TFarbe farbe = clBlack;
    char seite = 'L';
    bool operator==(const TRechterWinkel&) const = default;
};

// How a text is placed at its world point, one kind per placement routine of
// the marked-up text ("!" subscript, "^" superscript, "~" Greek, "#" highlight).
enum class TTextArt {
    Mitte,           // TextMitte: centred across, top at the point
    Links,           // TextLinks: top-left corner at the point
    SymbolMitte,     // SymbolTextMitte
    SymbolLinks,     // SymbolTextLinks
    TimesMitte,      // TimesTextMitte
    FarbMitte,       // FarbTextMitte: "#" switches to `hervor` and back
    FarbLinks,       // FarbTextLinks
    FarbLinksMittig, // FarbTextLinksMittig: left edge at the point, centred up and down
    Zentriert,       // TextZentriert: centred on the point both ways
    ImKasten,        // TextImKasten: centred on a white box of its own
    Schlicht,        // no markup: the whole text in the font `mass`, coloured `farbe`,
                     // centred on the point both ways (halves rounded towards zero)
    SymbolMitteMittig, // SymbolTextMitteMittig: centred on the point both ways, Greek
};

// Text at a world point. `mass` is the font the canvas holds before the text
// is drawn: the routines that centre up and down (and TextZentriert across)
// measure the text in it.
struct TText {
    TTextArt art = TTextArt::Zentriert;
    QString text;
    TWeltPunkt ort;
    TFarbe farbe = clBlack;
    int groesse = 12;
    bool fett = true;
    TFarbe hervor = clBlack;
    TSchrift mass{};
    bool operator==(const TText&) const = default;
};

// How a text is rendered at a pixel position: the renderers behind the placements.
enum class TSchreibArt { Text, Farb, Times, Symbol };

// Marked-up text with its top-left corner at a pixel of the drawing area
// (SchreibeText and its kin): legends and tables laid out in pixels.
struct TPixelText {
    TSchreibArt art = TSchreibArt::Text;
    QString text;
    int x = 0, y = 0;
    TFarbe farbe = clBlack;
    int groesse = 12;
    bool fett = true;
    TFarbe hervor = clBlack;
    bool operator==(const TPixelText&) const = default;
};

// Plain text in one font with its top-left corner at a pixel (TextOut); a
// solid `pinsel` fills the text's box first.
struct TSchlichtText {
    QString text;
    int x = 0, y = 0;
    TSchrift schrift{};
    TPinsel pinsel{clWhite, bsClear};
    bool operator==(const TSchlichtText&) const = default;
};

// A pixel rectangle filled with one colour (FillRect), right and bottom excluded.
struct TFlaeche {
    int links = 0, oben = 0, rechts = 0, unten = 0;
    TFarbe farbe = clWhite;
    bool operator==(const TFlaeche&) const = default;
};

// A vertex's name beyond p away from q (EckenNameVor), or beyond q away from p
// (EckenNameNach, `vor` false).
struct TEckenName {
    QString text;
    TWeltPunkt p, q;
    float abstand = 0.0f;
    bool vor = true;
    TFarbe farbe = clBlack;
    TSchrift mass{};
    bool operator==(const TEckenName&) const = default;
};

// A segment's name beside its middle (StreckenName).
struct TStreckenName {
    QString text;
    TWeltPunkt von, bis;
    TFarbe farbe = clBlack;
    TSchrift mass{};
    bool operator==(const TStreckenName&) const = default;
};

// A side's name beside the longer of the pieces a-k and k-b (SeitenName).
struct TSeitenName {
    QString text;
    TWeltPunkt a, b, k;
    float abstand = 0.0f;
    TFarbe farbe = clBlack;
    TSchrift mass{};
    bool operator==(const TSeitenName&) const = default;
};

// A fraction such as a half angle (Bruch): Greek numerator, bar, denominator.
struct TBruch {
    QString zaehler, nenner;
    TWeltPunkt ort;
    int groesse = 10;
    bool fett = true;
    TFarbe farbe = clBlack;
    TSchrift mass{};
    bool operator==(const TBruch&) const = default;
};

} // namespace bild

using TBildTeil = std::variant<bild::TStrecke, bild::TGerade, bild::TRechteck, bild::TDoppelpfeil, bild::TKreis,
                               bild::TBogen, bild::TRechterWinkel, bild::TText, bild::TPixelText,
                               bild::TSchlichtText, bild::TFlaeche, bild::TEckenName, bild::TStreckenName,
                               bild::TSeitenName, bild::TBruch>;

// Everything a drawing shows, in drawing order.
struct TBild {
    std::vector<TBildTeil> teile;

    TBild& operator<<(TBildTeil teil)
    {
        teile.push_back(std::move(teil));
        return *this;
    }
    TBild& operator<<(const TBild& anderes)
    {
        teile.insert(teile.end(), anderes.teile.begin(), anderes.teile.end());
        return *this;
    }
    bool operator==(const TBild&) const = default;
};

// The items of one kind, in drawing order.
template <class T>
std::vector<T> Teile(const TBild& bild)
{
    std::vector<T> teile;
    for (const TBildTeil& teil : bild.teile)
        if (const T* t = std::get_if<T>(&teil))
            teile.push_back(*t);
    return teile;
}

// The font a text leaves on the canvas once drawn: Arial in the text's size,
// weight and colour, but Symbol where a Greek text ends in a Greek letter (the
// renderers end in the font of the last character). A label drawn after it
// that centres itself up and down is measured in this font: its `mass`.
TSchrift SchriftNach(const bild::TText& t);

// Draws the items in order through the foundation's primitives, in the world
// window that is set.
void Zeichne(Leinwand& lw, const TBild& bild);

// Where an item that writes text (a name, a label, a fraction) puts it: the
// pixel box around all its characters, each as wide as its advance and as tall
// as its font, placed as Zeichne places them in the world window that is set.
struct TTextKasten {
    std::size_t teil; // index in the picture
    QRect kasten;
};
// The boxes of a picture's texts in drawing order; items without text are left out.
std::vector<TTextKasten> TextKaesten(const TBild& bild);
// True when two of the boxes share a pixel.
bool KaestenUeberlappen(const std::vector<TTextKasten>& kaesten);

// One item as a line of text ("Strecke (1|2)-(3|4) breite 2 farbe #ff0000 stil 1").
std::string Text(const TBildTeil& teil);
// Empty when both pictures are equal, else where they first differ and how.
std::string ErsterUnterschied(const TBild& erwartet, const TBild& gezeichnet);

// So that a failing comparison prints the items, not their bytes.
void PrintTo(const TBild& bild, std::ostream* os);
