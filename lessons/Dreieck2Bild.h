// What the window "Besondere Eigenschaften" (TfrmDreieck2, lessons/Dreieck2U)
// shows, computed from its state: the triangle, the special lines of the chosen
// topic up to the current step with their marks and labels, the instruction of
// the step, and the random triangles of the repeat button. The window's paint
// handlers only draw what these functions return.
#pragma once

#include "draw/KoordU.h"
#include "draw/Leinwand.h"

#include <QString>
#include <variant>
#include <vector>

namespace dreieck2 {

using TPunkt = TWeltPunkt;

// AB horizontal with A left of B, C above: the vertices run counter-clockwise.
struct TDreieck {
    TPunkt A, B, C;
    bool operator==(const TDreieck&) const = default;
};

// The topics, numbered as the menu lists them.
constexpr int hoehen = 1;
constexpr int seitensymmetralen = 2;
constexpr int winkelsymmetralen = 3;
constexpr int schwerlinien = 4;

// The last step of each topic (index 1..4).
constexpr int schritteJeEigenschaft[5] = {0, 4, 5, 5, 4};

// The title of a topic, and its colour (title, lines and centre label).
QString Titel(int eigenschaft);
TFarbe Farbe(int eigenschaft);

// The triangle a window opens with.
constexpr TDreieck startDreieck{{-14, -10}, {14, -10}, {-6, 14}};

// ---------------------------------------------------------------------------
// What a picture consists of. Each element is drawn by the foundation routine
// named beside it, in the order of the list: the order matters, since a label
// is centred with the font the drawing before it left on the canvas.

// Strecke.
struct TLinie {
    int breite;
    TFarbe farbe;
    TPunkt von, bis;
    int stil;
    bool operator==(const TLinie&) const = default;
};
// RechterWinkel, pen width 1, radius 2: the mark at `scheitel` beside the leg
// along `richtung`, on side 'L' or 'R'.
struct TRechtwinkelMarke {
    TFarbe farbe;
    TPunkt richtung, scheitel;
    char seite;
    bool operator==(const TRechtwinkelMarke&) const = default;
};
// Kreis, not filled.
struct TKreisLinie {
    int breite;
    TFarbe farbe;
    TPunkt mitte;
    float radius;
    bool operator==(const TKreisLinie&) const = default;
};
// Bogen, pen width 1, black: the mark of an angle, counter-clockwise.
struct TWinkelMarke {
    TPunkt scheitel;
    float radius, von, bis;
    bool operator==(const TWinkelMarke&) const = default;
};
// Bruch: the Greek name over "2", black, size 10, bold.
struct THalbwinkel {
    QString zaehler;
    TPunkt ort;
    bool operator==(const THalbwinkel&) const = default;
};
// Bold text at a point: TextZentriert (centred both ways), SymbolTextMitte or
// TimesTextMitte (centred across, top at the point).
enum class TTextArt { Zentriert, Symbol, Times };
struct TText {
    TTextArt art;
    QString text;
    TFarbe farbe;
    int groesse;
    TPunkt ort;
    bool operator==(const TText&) const = default;
};
// EckenNameVor (beyond P, away from Q) or EckenNameNach (beyond Q, away from P), black.
struct TEckenName {
    bool vor;
    QString text;
    TPunkt p, q;
    float abstand;
    bool operator==(const TEckenName&) const = default;
};
// SeitenName: beside the longer of the pieces A-K and K-B.
struct TSeitenName {
    QString text;
    TFarbe farbe;
    TPunkt a, b, k;
    float abstand;
    bool operator==(const TSeitenName&) const = default;
};

using TElement = std::variant<TLinie, TRechtwinkelMarke, TKreisLinie, TWinkelMarke, THalbwinkel, TText,
                              TEckenName, TSeitenName>;

struct TBild {
    std::vector<TElement> elemente;
    bool operator==(const TBild&) const = default;
};

// ---------------------------------------------------------------------------
// Geometry.

// Feet of the heights: F_c on AB from C, F_a on BC from A, F_b on AC from B.
// False (outputs unchanged) for a degenerate triangle.
bool Hoehenfusspunkte(const TDreieck& d, TPunkt& fc, TPunkt& fa, TPunkt& fb);
// Where the incircle about I touches AB, BC and AC: the feet of the
// perpendiculars from I.
bool Beruehrpunkte(const TDreieck& d, TPunkt i, TPunkt& tab, TPunkt& tbc, TPunkt& tac);

// The drawing for a topic at a step (0 .. its last step) with the angle marks
// and the line labels switched on or off. Step 0 is the triangle with its
// vertex and side names; each step adds its lines. A triangle without centres
// (its vertices on one line) shows step 0 only: nothing is drawn from a failed
// intersection.
TBild SchrittBild(int eigenschaft, int schritt, bool winkelAn, bool beschriftungAn, const TDreieck& d);

// The instruction of a step: one or two lines in the instruction panel's world
// (x -20..20, y -2..2), navy, size 12.
std::vector<TText> Anweisung(int eigenschaft, int schritt);

// What the drawing shows at a step, for a screen reader: the triangle with its
// vertices, the topic, the step's instruction, what is switched on, the labels
// drawn and the centre with its coordinates once it is drawn.
QString SchrittBeschreibung(int eigenschaft, int schritt, int maxSchritt, bool winkelAn, bool beschriftungAn,
                            const TDreieck& d);
// The instruction of a step as one plain sentence.
QString AnweisungsText(int eigenschaft, int schritt);

// ---------------------------------------------------------------------------
// Random triangles for the repeat button.

// The acceptance test of a topic's rule: AB and AC longer than 20 and, for
// the heights, the orthocentre strictly between y = -18 and y = 18.
bool DreieckZulaessig(int eigenschaft, const TDreieck& d);
// Draws whole-number triangles by the topic's rule from the program's random
// generator until one is accepted. The generator is not seeded here.
TDreieck ZufallsDreieck(int eigenschaft);

// ---------------------------------------------------------------------------
// Drawing.

void Zeichne(Leinwand& lw, const TText& text);
void Zeichne(Leinwand& lw, const TBild& bild);

} // namespace dreieck2
