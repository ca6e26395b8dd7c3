#include "draw/Textmass.h"

#include "draw/GlobalU.h"
#include "draw/Malflaeche.h"
#include "draw/Zeichne.h"

#include <algorithm>
#include <cstdlib>

int PunktZuPixel(int punkte)
{
    // MulDiv(punkte, 96, 72): exact product, rounded half away from zero.
    const long long zaehler = static_cast<long long>(punkte) * 96;
    long long ergebnis = zaehler / 72;
    const long long rest = zaehler % 72;
    if (2 * std::llabs(rest) >= 72)
        ergebnis += zaehler < 0 ? -1 : 1;
    return static_cast<int>(ergebnis);
}

char16_t SymbolBuchstabe(char16_t c)
{
    // The Symbol font's Greek letters at the positions of the Latin ones.
    static const char16_t klein[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ',
                                       u'κ', u'λ', u'μ', u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ',
                                       u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    static const char16_t gross[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ',
                                       u'Κ', u'Λ', u'Μ', u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ',
                                       u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    if (c >= u'a' && c <= u'z')
        return klein[c - u'a'];
    if (c >= u'A' && c <= u'Z')
        return gross[c - u'A'];
    return c;
}

namespace textmass {

namespace {

const std::string arial = "Arial";
const std::string symbol = "Symbol";
const std::string times = "Times New Roman";

const TSchriftMasse* Masse(const TSchrift& s)
{
    const bool serif = s.name == times || s.name == symbol;
    const int pixel = std::max(1, PunktZuPixel(s.groesse));
    for (const TSchriftMasse& m : schriften)
        if (m.serif == serif && m.pixel == pixel && m.fett == s.fett)
            return &m;
    return nullptr;
}

int Runde64(long sechzigstel) { return int((sechzigstel + 32) >> 6); }

// A canvas that draws nothing and keeps the box of each character it would
// write and of each line (a fraction's bar belongs to its label), measured
// with the font tables.
class TKastenMesser : public TMalflaeche {
public:
    std::vector<TKasten> kaesten;

    void MoveTo(int x, int y) override
    {
        penX_ = x;
        penY_ = y;
    }
    void LineTo(int x, int y) override
    {
        if (stift.stil != psClear) {
            const int halb = std::max(1, stift.breite) / 2;
            kaesten.push_back({std::min(penX_, x) - halb, std::min(penY_, y) - halb, std::max(penX_, x) + halb,
                               std::max(penY_, y) + halb});
        }
        MoveTo(x, y);
    }
    void Ellipse(int, int, int, int) override {}
    void Arc(int, int, int, int, int, int, int, int) override {}
    void FillRect(int, int, int, int) override {}
    void Punkte(const TPixel*, int, TFarbe) override {}
    void GeometrischeLinie(int, int, int x2, int y2, int, TFarbe, int) override { MoveTo(x2, y2); }
    void TextOut(int x, int y, std::u16string_view text) override
    {
        const TTextMass mass = TextExtent(text);
        if (mass.breite > 0 && mass.hoehe > 0)
            kaesten.push_back({x, y, x + mass.breite - 1, y + mass.hoehe - 1});
    }
    TTextMass TextExtent(std::u16string_view text) const override { return {Breite(schrift, text), Hoehe(schrift)}; }
};

// The labels whose boxes a lesson keeps apart: names, side names, fractions,
// and the texts centred, left-aligned or in colour; boxed, plain and
// vertically centred Greek labels are left out.
bool Gemessen(const TBildTeil& teil)
{
    using bild::TTextArt;
    if (const auto* t = std::get_if<bild::TText>(&teil))
        return t->art != TTextArt::ImKasten && t->art != TTextArt::Schlicht && t->art != TTextArt::SymbolMitteMittig;
    return std::holds_alternative<bild::TEckenName>(teil) || std::holds_alternative<bild::TStreckenName>(teil)
        || std::holds_alternative<bild::TSeitenName>(teil) || std::holds_alternative<bild::TBruch>(teil);
}

} // namespace

std::u16string Utf16(std::string_view text)
{
    std::u16string u;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        const int folge = b < 0x80 ? 0 : b >= 0xE0 ? 2 : 1;
        unsigned c = folge == 0 ? b : folge == 1 ? b & 0x1Fu : b & 0x0Fu;
        for (int k = 1; k <= folge && i + std::size_t(k) < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + std::size_t(k)]) & 0x3Fu);
        u += static_cast<char16_t>(c);
        i += std::size_t(folge) + 1;
    }
    return u;
}

int Breite(const TSchrift& schrift, std::u16string_view text)
{
    const TSchriftMasse* m = Masse(schrift);
    if (!m)
        return 0;
    long summe = 0;
    for (char16_t c : text) {
        if (schrift.name == symbol)
            c = SymbolBuchstabe(c);
        const auto stelle = std::lower_bound(zeichen.begin(), zeichen.end(), c);
        if (stelle != zeichen.end() && *stelle == c)
            summe += m->breiten[stelle - zeichen.begin()];
    }
    return Runde64(summe);
}

int Hoehe(const TSchrift& schrift)
{
    const TSchriftMasse* m = Masse(schrift);
    return m ? m->hoehe : 0;
}

int Oberlaenge(const TSchrift& schrift)
{
    const TSchriftMasse* m = Masse(schrift);
    return m ? m->oberlaenge : 0;
}

int MarkierteBreite(std::u16string_view text, int groesse, bool fett)
{
    const TSchrift gross{arial, groesse, fett}, klein{arial, Runden(0.75L * groesse), fett};
    bool markiert = false;
    int breite = 0;
    for (char16_t c : text) {
        if (c == u'!' || c == u'^') {
            markiert = true;
            continue;
        }
        breite += Breite(markiert ? klein : gross, std::u16string_view(&c, 1));
        markiert = false;
    }
    return breite;
}

bool TKasten::Schneidet(const TKasten& k) const
{
    return !Leer() && !k.Leer() && links <= k.rechts && k.links <= rechts && oben <= k.unten && k.oben <= unten;
}

std::vector<TTextKasten> Kaesten(const TBild& bild, const TWeltfenster& welt)
{
    // The painter's own placement runs in the program-wide mapping: lent to `welt` meanwhile.
    const TWeltfenster vorher = AktuellesWeltfenster();
    const bool gitter = gitterAn;
    SetzeWeltfenster(welt);
    std::vector<TTextKasten> ergebnis;
    TKastenMesser messer;
    for (std::size_t i = 0; i < bild.teile.size(); ++i) {
        if (!Gemessen(bild.teile[i]))
            continue;
        messer.kaesten.clear();
        ZeichneTeil(messer, bild.teile[i]);
        TKasten k;
        for (const TKasten& z : messer.kaesten)
            k = k.Leer() ? z
                         : TKasten{std::min(k.links, z.links), std::min(k.oben, z.oben), std::max(k.rechts, z.rechts),
                                   std::max(k.unten, z.unten)};
        if (!k.Leer())
            ergebnis.push_back({i, k});
    }
    SetzeWeltfenster(vorher);
    gitterAn = gitter;
    return ergebnis;
}

bool Ueberlappen(const std::vector<TTextKasten>& kaesten)
{
    for (std::size_t i = 0; i < kaesten.size(); ++i)
        for (std::size_t j = i + 1; j < kaesten.size(); ++j)
            if (kaesten[i].kasten.Schneidet(kaesten[j].kasten))
                return true;
    return false;
}

} // namespace textmass
