#include "draw/SchriftU.h"

#include "draw/GlobalU.h"
#include "draw/KoordU.h"

#include "draw/Textmass.h"

#include <algorithm>
#include <vector>

namespace {

const std::string arial = "Arial";
const std::string symbol = "Symbol";
const std::string times = "Times New Roman";

// The blanks after which a word ends (as Qt's isSpace for the characters the texts use).
bool istLeer(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == 0xA0 || c == 0x2009 || c == 0x202F; }

// Which markers a renderer understands besides "!" and "^".
enum class Renderer { Text, Farb, Times, Symbol };

enum class Modus { Normal, Tief, Hoch, Symbol, Times, SymbolTief };

// The start of a run of `laenge` pixels moved just far enough to lie within
// [von, bis); a run longer than that begins at von.
int hinein(int anfang, int laenge, int von, int bis)
{
    if (anfang + laenge > bis)
        anfang = bis - laenge;
    return std::max(anfang, von);
}

// The box a renderer fills, relative to the text's top-left pixel: from column
// 0 to `rechts` and from row `oben` (raised characters lie above 0) to `unten`.
struct TTextKasten {
    int rechts = 0, oben = 0, unten = 0;
};

// One character as the renderer places it: where (relative to the text's
// top-left pixel), in which font and in which colour.
struct TZeichen {
    char16_t c;
    std::string name;
    int groesse;
    TFarbe farbe;
    int x, y;
};

// Lays a text out character by character with the canvas font as the markers
// set it, measuring each character once; drawing then only puts them down.
struct Setzer {
    TMalflaeche& lw;
    int klein;
    int a = 0;
    std::vector<TZeichen> zeichen;
    TTextKasten kasten;

    // Places one character at the advance plus dx, dy and moves the advance on.
    void zeichne(char16_t c, int dx, int dy, int extra = 0)
    {
        const TTextMass mass = lw.TextExtent(std::u16string_view(&c, 1));
        zeichen.push_back({c, lw.schrift.name, lw.schrift.groesse, lw.schrift.farbe, a + dx, dy});
        kasten.rechts = std::max(kasten.rechts, a + dx + mass.breite);
        kasten.oben = std::min(kasten.oben, dy);
        kasten.unten = std::max(kasten.unten, dy + mass.hoehe);
        a += mass.breite + extra;
    }
};

// Puts the laid-out characters down. On screen each stands at its own pixel;
// where lines stay vectors (SVG, PDF) the characters of a word that follow each
// other in one font, colour, size and baseline go down as one run, so that a
// word stays a word for whoever edits or searches the file. Each word starts
// where the screen has it: a reader's own letter widths move the letters of a
// word a little, never the words of a long line.
void setze(TMalflaeche& lw, const std::vector<TZeichen>& zeichen, int x0, int y0)
{
    // The canvas font ends as the last character left it.
    const TSchrift ende = lw.schrift;
    const bool laeufe = lw.ZeichnetVektoren();
    for (std::size_t i = 0; i < zeichen.size();) {
        const TZeichen& erstes = zeichen[i];
        lw.schrift.name = erstes.name;
        lw.schrift.groesse = erstes.groesse;
        lw.schrift.farbe = erstes.farbe;
        std::u16string lauf(1, erstes.c);
        int weiter = erstes.x + lw.TextWidth(lauf);
        for (++i; laeufe && i < zeichen.size(); ++i) {
            const TZeichen& z = zeichen[i];
            if (z.name != erstes.name || z.groesse != erstes.groesse || z.farbe != erstes.farbe || z.y != erstes.y
                || z.x != weiter || istLeer(zeichen[i - 1].c))
                break;
            lauf += z.c;
            weiter += lw.TextWidth(std::u16string_view(&z.c, 1));
        }
        lw.TextOut(x0 + erstes.x, y0 + erstes.y, lauf);
    }
    lw.schrift = ende;
}

// The renderer shared by the four Schreibe routines. With `imBereich` the text
// is first moved inward just as far as it takes to lie whole inside the
// drawing area of the current world window: a label computed near the edge of
// a drawing is shown whole instead of cut off.
void schreibe(TMalflaeche& lw, std::string_view utf8, int x0, int y0, int groesse, bool fett, TFarbe normal,
              TFarbe hervor, Renderer art, bool imBereich = false)
{
    const std::u16string text = textmass::Utf16(utf8);
    lw.schrift.name = arial;
    lw.schrift.farbe = normal;
    lw.schrift.groesse = groesse;
    lw.schrift.fett = fett;
    Setzer z{lw, KleineGroesse(groesse), 0, {}, {}};
    Modus modus = Modus::Normal;
    bool hervorgehoben = false;

    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (art == Renderer::Symbol)
            lw.schrift.name = arial;
        if (c == u'!') {
            modus = Modus::Tief;
            continue;
        }
        if (c == u'^') {
            modus = Modus::Hoch;
            continue;
        }
        if (c == u'~' && art == Renderer::Symbol) {
            modus = Modus::Symbol;
            continue;
        }
        if (c == u'~' && art == Renderer::Times) {
            modus = Modus::Times;
            continue;
        }
        if (c == u'*' && art == Renderer::Symbol) {
            modus = Modus::SymbolTief;
            continue;
        }
        if (c == u'#' && art == Renderer::Farb) {
            hervorgehoben = !hervorgehoben;
            lw.schrift.farbe = hervorgehoben ? hervor : normal;
            continue;
        }

        switch (modus) {
        case Modus::Normal:
            z.zeichne(c, 0, 0);
            break;
        case Modus::Hoch: {
            lw.schrift.groesse = z.klein;
            // "f^2" (an area in square units): the 2 keeps clear of the f.
            const bool quadrat = art != Renderer::Symbol && c == u'2' && i >= 2 &&
                                 text[i - 1] == u'^' && text[i - 2] == u'f';
            z.zeichne(c, quadrat ? 3 : 0, -(z.klein / 2), quadrat ? 3 : 0);
            lw.schrift.groesse = groesse;
            break;
        }
        case Modus::Tief:
            lw.schrift.groesse = z.klein;
            z.zeichne(c, 0, z.klein);
            lw.schrift.groesse = groesse;
            break;
        case Modus::Symbol:
            lw.schrift.name = symbol;
            z.zeichne(c, 0, -2);
            break;
        case Modus::Times:
            lw.schrift.name = times;
            z.zeichne(c, 0, 0);
            lw.schrift.name = arial;
            break;
        case Modus::SymbolTief:
            lw.schrift.name = symbol;
            lw.schrift.groesse = z.klein;
            z.zeichne(c, 0, z.klein);
            lw.schrift.groesse = groesse;
            break;
        }
        modus = Modus::Normal;
    }

    if (imBereich && pixRechts > pixLinks && pixUnten > pixOben) {
        const TTextKasten& k = z.kasten;
        x0 = hinein(x0, k.rechts, pixLinks, pixRechts);
        y0 = hinein(y0 + k.oben, k.unten - k.oben, pixOben, pixUnten) - k.oben;
    }
    setze(lw, z.zeichen, x0, y0);
}

// The pixel position of a world point, `verschiebungX` further right.
void platz(float x, float y, int verschiebungX, int& px, int& py)
{
    WeltZuPixel(x, y, px, py);
    px += verschiebungX;
}

std::string ohneFarbmarken(std::string_view text)
{
    std::string s(text);
    s.erase(std::remove(s.begin(), s.end(), '#'), s.end());
    return s;
}


float plus(float a, long double b) { return static_cast<float>(a + b); }

// Half a pixel extent in world units; a zero scale gives no shift.
long double halbeWelt(int pixel, int einheit)
{
    return einheit == 0 ? 0.0L : static_cast<long double>(pixel) / (2.0L * einheit);
}

} // namespace

int KleineGroesse(int groesse) { return Runden(0.75L * groesse); }

int TextBreite(TMalflaeche& lw, std::string_view utf8, int groesse, bool fett)
{
    lw.schrift.name = arial;
    lw.schrift.groesse = groesse;
    lw.schrift.fett = fett;
    const int klein = KleineGroesse(groesse);
    bool markiert = false;
    int breite = 0;
    for (char16_t c : textmass::Utf16(utf8)) {
        if (c == u'!' || c == u'^') {
            markiert = true;
            continue;
        }
        lw.schrift.groesse = markiert ? klein : groesse;
        breite += lw.TextWidth(std::u16string_view(&c, 1));
        lw.schrift.groesse = groesse;
        markiert = false;
    }
    return breite;
}

void SchreibeText(TMalflaeche& lw, std::string_view text, int x0, int y0, int groesse, bool fett, TFarbe farbe)
{
    schreibe(lw, text, x0, y0, groesse, fett, farbe, farbe, Renderer::Text);
}

void SchreibeFarbText(TMalflaeche& lw, std::string_view text, int x0, int y0, int groesse, bool fett,
                      TFarbe normalFarbe, TFarbe hervorFarbe)
{
    schreibe(lw, text, x0, y0, groesse, fett, normalFarbe, hervorFarbe, Renderer::Farb);
}

void SchreibeTimesText(TMalflaeche& lw, std::string_view text, int x0, int y0, int groesse, bool fett, TFarbe farbe)
{
    schreibe(lw, text, x0, y0, groesse, fett, farbe, farbe, Renderer::Times);
}

void SchreibeSymbolText(TMalflaeche& lw, std::string_view text, int x0, int y0, int groesse, bool fett, TFarbe farbe)
{
    schreibe(lw, text, x0, y0, groesse, fett, farbe, farbe, Renderer::Symbol);
}

void TextMitte(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x, float y)
{
    lw.pinsel.stil = bsClear;
    const int w = TextBreite(lw, text, groesse, fett);
    int px, py;
    platz(x, y, -(w / 2), px, py);
    schreibe(lw, text, px, py, groesse, fett, farbe, farbe, Renderer::Text, true);
}

void TextLinks(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x, float y)
{
    lw.pinsel.stil = bsClear;
    int px, py;
    platz(x, y, 0, px, py);
    schreibe(lw, text, px, py, groesse, fett, farbe, farbe, Renderer::Text, true);
}

void SymbolTextMitte(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x, float y)
{
    // A label has no box of its own: on a grey face a solid brush left by
    // earlier drawing would put each letter on a white patch.
    lw.pinsel.stil = bsClear;
    const int w = TextBreite(lw, text, groesse, fett);
    int px, py;
    platz(x, y, -(w / 2), px, py);
    schreibe(lw, text, px, py, groesse, fett, farbe, farbe, Renderer::Symbol, true);
}

void SymbolTextLinks(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x, float y)
{
    lw.pinsel.stil = bsClear;
    int px, py;
    platz(x, y, 0, px, py);
    schreibe(lw, text, px, py, groesse, fett, farbe, farbe, Renderer::Symbol, true);
}

void FarbTextLinks(TMalflaeche& lw, std::string_view text, TFarbe normalFarbe, bool fett, int groesse,
                   TFarbe hervorFarbe, float x, float y)
{
    lw.pinsel.stil = bsClear;
    int px, py;
    platz(x, y, 0, px, py);
    schreibe(lw, text, px, py, groesse, fett, normalFarbe, hervorFarbe, Renderer::Farb, true);
}

void FarbTextMitte(TMalflaeche& lw, std::string_view text, TFarbe normalFarbe, bool fett, int groesse,
                   TFarbe hervorFarbe, float x, float y)
{
    const int w = TextBreite(lw, ohneFarbmarken(text), groesse, fett);
    lw.stift.stil = psClear;
    lw.pinsel.stil = bsClear;
    int px, py;
    platz(x, y, -(w / 2), px, py);
    schreibe(lw, text, px, py, groesse, fett, normalFarbe, hervorFarbe, Renderer::Farb, true);
}

void FarbTextLinksMittig(TMalflaeche& lw, std::string_view text, TFarbe normalFarbe, bool fett, int groesse,
                         TFarbe hervorFarbe, float x, float y)
{
    // Measured with the font the canvas has before this call.
    const int h = lw.TextHeight(textmass::Utf16(text));
    FarbTextLinks(lw, text, normalFarbe, fett, groesse, hervorFarbe, x, plus(y, halbeWelt(h, einheitY)));
}

void TextZentriert(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x, float y)
{
    const int w = lw.TextWidth(textmass::Utf16(text));
    FarbTextLinksMittig(lw, text, farbe, fett, groesse, farbe, plus(x, -halbeWelt(w, einheitX)), y);
}

void SymbolTextMitteMittig(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x,
                           float y)
{
    const int h = lw.TextHeight(textmass::Utf16(text));
    SymbolTextMitte(lw, text, farbe, fett, groesse, x, plus(y, halbeWelt(h, einheitY)));
}

void TimesTextMitte(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x, float y)
{
    const int w = TextBreite(lw, ohneFarbmarken(text), groesse, fett);
    lw.stift.stil = psClear;
    lw.pinsel.stil = bsClear;
    int px, py;
    platz(x, y, -(w / 2), px, py);
    schreibe(lw, text, px, py, groesse, fett, farbe, farbe, Renderer::Times, true);
}

void TextImKasten(TMalflaeche& lw, std::string_view text, TFarbe farbe, bool fett, int groesse, float x, float y)
{
    const TTextMass mass = lw.TextExtent(textmass::Utf16(text));
    const int w = mass.breite, h = mass.hoehe;
    int px, py;
    WeltZuPixel(x, y, px, py);
    // The box moves into the drawing area as a text would, and takes its text along.
    int links = px - w / 2 - 1, oben = py - h / 2 - 1;
    const int breite = 2 * (w / 2 + 1), hoehe = 2 * (h / 2 + 1);
    if (pixRechts > pixLinks && pixUnten > pixOben) {
        links = hinein(links, breite, pixLinks, pixRechts);
        oben = hinein(oben, hoehe, pixOben, pixUnten);
    }
    const int dx = links - (px - w / 2 - 1), dy = oben - (py - h / 2 - 1);
    lw.pinsel.stil = bsSolid;
    lw.pinsel.farbe = clWhite;
    lw.FillRect(links, oben, links + breite, oben + hoehe);
    FarbTextLinksMittig(lw, text, farbe, fett, groesse, farbe,
                        plus(x, -halbeWelt(w - 2 * dx, einheitX)), plus(y, -halbeWelt(2 * dy, einheitY)));
}
