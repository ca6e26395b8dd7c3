#include "draw/Textmass.h"

#include "draw/VektorU.h"

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

// The canvas as far as measuring goes: its font, and its pen for a fraction's bar.
struct TMessung {
    const TWeltfenster& welt;
    std::vector<TKasten>& kaesten;
    TSchrift schrift{};

    void Pixel(float x, float y, int& px, int& py) const { welt.ZuPixel({x, y}, px, py); }
    long double HalbeWelt(int pixel, int einheit) const
    {
        return einheit == 0 ? 0.0L : static_cast<long double>(pixel) / (2.0L * einheit);
    }

    // The painter's renderer: each character in the font its markers set, the
    // whole moved inward to lie inside the area; the canvas keeps the font of
    // the last character.
    void Schreibe(std::u16string_view text, int x0, int y0, int groesse, bool fett, bool farbe, bool griechisch,
                  bool timesArt)
    {
        enum class Modus { Normal, Tief, Hoch, Symbol, Times, SymbolTief } modus = Modus::Normal;
        schrift.name = arial;
        schrift.groesse = groesse;
        schrift.fett = fett;
        const int klein = Runden(0.75L * groesse);
        struct TZeichen { int x, y, breite, hoehe; };
        std::vector<TZeichen> zeichen;
        int a = 0, rechts = 0, oben = 0, unten = 0;
        const auto setze = [&](char16_t c, int dx, int dy, int extra = 0) {
            const int b = Breite(schrift, std::u16string_view(&c, 1)), h = Hoehe(schrift);
            zeichen.push_back({a + dx, dy, b, h});
            rechts = std::max(rechts, a + dx + b);
            oben = std::min(oben, dy);
            unten = std::max(unten, dy + h);
            a += b + extra;
        };
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t c = text[i];
            if (griechisch)
                schrift.name = arial;
            if (c == u'!' || c == u'^') {
                modus = c == u'!' ? Modus::Tief : Modus::Hoch;
                continue;
            }
            if (c == u'~' && (griechisch || timesArt)) {
                modus = griechisch ? Modus::Symbol : Modus::Times;
                continue;
            }
            if ((c == u'*' && griechisch) || (c == u'#' && farbe)) {
                if (c == u'*')
                    modus = Modus::SymbolTief;
                continue;
            }
            switch (modus) {
            case Modus::Normal: setze(c, 0, 0); break;
            case Modus::Hoch: {
                schrift.groesse = klein;
                const bool quadrat = !griechisch && c == u'2' && i >= 2 && text[i - 1] == u'^' && text[i - 2] == u'f';
                setze(c, quadrat ? 3 : 0, -(klein / 2), quadrat ? 3 : 0);
                schrift.groesse = groesse;
                break;
            }
            case Modus::Tief:
                schrift.groesse = klein;
                setze(c, 0, klein);
                schrift.groesse = groesse;
                break;
            case Modus::Symbol:
                schrift.name = symbol;
                setze(c, 0, -2);
                break;
            case Modus::Times:
                schrift.name = times;
                setze(c, 0, 0);
                schrift.name = arial;
                break;
            case Modus::SymbolTief:
                schrift.name = symbol;
                schrift.groesse = klein;
                setze(c, 0, klein);
                schrift.groesse = groesse;
                break;
            }
            modus = Modus::Normal;
        }
        const auto hinein = [](int anfang, int laenge, int von, int bis) {
            if (anfang + laenge > bis)
                anfang = bis - laenge;
            return std::max(anfang, von);
        };
        if (welt.pixRechts > welt.pixLinks && welt.pixUnten > welt.pixOben) {
            x0 = hinein(x0, rechts, welt.pixLinks, welt.pixRechts);
            y0 = hinein(y0 + oben, unten - oben, welt.pixOben, welt.pixUnten) - oben;
        }
        for (const TZeichen& z : zeichen)
            if (z.breite > 0 || z.hoehe > 0)
                kaesten.push_back({x0 + z.x, y0 + z.y, x0 + z.x + z.breite - 1, y0 + z.y + z.hoehe - 1});
    }

    // Centred across on the point by its own width (markers counted, in the
    // canvas font), in the middle up and down by the canvas font's height.
    void Zentriert(std::u16string_view text, bool fett, int groesse, float x, float y)
    {
        const int w = Breite(schrift, text);
        LinksMittig(text, fett, groesse, static_cast<float>(x - HalbeWelt(w, welt.einheitX)), y, true);
    }
    void LinksMittig(std::u16string_view text, bool fett, int groesse, float x, float y, bool farbe)
    {
        const int h = Hoehe(schrift);
        int px, py;
        Pixel(x, static_cast<float>(y + HalbeWelt(h, welt.einheitY)), px, py);
        Schreibe(text, px, py, groesse, fett, farbe, false, false);
    }
    void Links(std::u16string_view text, bool fett, int groesse, float x, float y, bool farbe, bool griechisch)
    {
        int px, py;
        Pixel(x, y, px, py);
        Schreibe(text, px, py, groesse, fett, farbe, griechisch, false);
    }
    // Centred across by the marked-up width.
    void Mitte(std::u16string_view text, bool fett, int groesse, float x, float y, bool farbe, bool griechisch,
               bool timesArt)
    {
        std::u16string ohneMarken(text);
        if (farbe || timesArt)
            std::erase(ohneMarken, u'#');
        const int w = MarkierteBreite(ohneMarken, groesse, fett);
        int px, py;
        Pixel(x, y, px, py);
        Schreibe(text, px - w / 2, py, groesse, fett, farbe, griechisch, timesArt);
    }

    void operator()(const bild::TText& t)
    {
        using bild::TTextArt;
        schrift = t.mass;
        const std::u16string s = Utf16(t.text);
        const float x = t.ort.x, y = t.ort.y;
        switch (t.art) {
        case TTextArt::Mitte: Mitte(s, t.fett, t.groesse, x, y, false, false, false); break;
        case TTextArt::Links: Links(s, t.fett, t.groesse, x, y, false, false); break;
        case TTextArt::SymbolMitte: Mitte(s, t.fett, t.groesse, x, y, false, true, false); break;
        case TTextArt::SymbolLinks: Links(s, t.fett, t.groesse, x, y, false, true); break;
        case TTextArt::TimesMitte: Mitte(s, t.fett, t.groesse, x, y, false, false, true); break;
        case TTextArt::FarbMitte: Mitte(s, t.fett, t.groesse, x, y, true, false, false); break;
        case TTextArt::FarbLinks: Links(s, t.fett, t.groesse, x, y, true, false); break;
        case TTextArt::FarbLinksMittig: LinksMittig(s, t.fett, t.groesse, x, y, true); break;
        case TTextArt::Zentriert: Zentriert(s, t.fett, t.groesse, x, y); break;
        default: break; // boxed, plain and vertically centred Greek labels are not measured here
        }
    }
    void operator()(const bild::TEckenName& e)
    {
        schrift = e.mass;
        float dx, dy, x, y;
        if (e.vor)
            Differenz(e.q.x, e.q.y, e.p.x, e.p.y, dx, dy);
        else
            Differenz(e.p.x, e.p.y, e.q.x, e.q.y, dx, dy);
        const TWeltPunkt von = e.vor ? e.p : e.q;
        if (VersetztUm(von.x, von.y, dx, dy, e.abstand, x, y))
            Zentriert(Utf16(e.text), true, 12, x, y);
    }
    void operator()(const bild::TStreckenName& s)
    {
        schrift = s.mass;
        const std::u16string text = Utf16(s.text);
        float dx, dy, nx, ny, mx, my, x, y;
        Differenz(s.von.x, s.von.y, s.bis.x, s.bis.y, dx, dy);
        Normale(dx, dy, nx, ny);
        ::Mitte(s.von.x, s.von.y, s.bis.x, s.bis.y, mx, my);
        if (VersetztUm(mx, my, nx, ny, text.size() == 1 ? 0.4f : 0.55f, x, y))
            Zentriert(text, true, 12, x, y);
    }
    void operator()(const bild::TSeitenName& s)
    {
        schrift = s.mass;
        const float l1 = Abstand(s.a.x, s.a.y, s.k.x, s.k.y), l2 = Abstand(s.k.x, s.k.y, s.b.x, s.b.y);
        float mx, my, dx, dy;
        if (!(l1 < l2)) {
            ::Mitte(s.a.x, s.a.y, s.k.x, s.k.y, mx, my);
            Differenz(s.k.x, s.k.y, s.a.x, s.a.y, dx, dy);
        } else {
            ::Mitte(s.k.x, s.k.y, s.b.x, s.b.y, mx, my);
            Differenz(s.b.x, s.b.y, s.k.x, s.k.y, dx, dy);
        }
        float nx, ny, x, y;
        Normale(dx, dy, nx, ny);
        if (VersetztUm(mx, my, nx, ny, s.abstand, x, y))
            Zentriert(Utf16(s.text), true, 12, x, static_cast<float>(y + 0.5L));
    }
    void operator()(const bild::TBruch& b)
    {
        schrift = b.mass;
        const auto plus = [](float a, long double d) { return static_cast<float>(a + d); };
        Mitte(Utf16(b.zaehler), b.fett, b.groesse + 2, plus(b.ort.x, 0.4L), plus(b.ort.y, 1.2L), false, true, false);
        // The bar, two pixels wide, belongs to the label.
        int x1, y1, x2, y2;
        Pixel(plus(b.ort.x, -0.5L), plus(b.ort.y, -0.3L), x1, y1);
        Pixel(plus(b.ort.x, 0.5L), plus(b.ort.y, -0.3L), x2, y2);
        kaesten.push_back({std::min(x1, x2) - 1, std::min(y1, y2) - 1, std::max(x1, x2) + 1, std::max(y1, y2) + 1});
        Zentriert(Utf16(b.nenner), b.fett, b.groesse, b.ort.x, plus(b.ort.y, -0.6L));
    }
    template <class T>
    void operator()(const T&)
    {
    }
};

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
    std::vector<TTextKasten> ergebnis;
    std::vector<TKasten> zeichen;
    for (std::size_t i = 0; i < bild.teile.size(); ++i) {
        zeichen.clear();
        TMessung messung{welt, zeichen};
        std::visit(messung, bild.teile[i]);
        TKasten k;
        for (const TKasten& z : zeichen)
            k = k.Leer() ? z
                         : TKasten{std::min(k.links, z.links), std::min(k.oben, z.oben), std::max(k.rechts, z.rechts),
                                   std::max(k.unten, z.unten)};
        if (!k.Leer())
            ergebnis.push_back({i, k});
    }
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
