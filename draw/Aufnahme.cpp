#include "draw/Aufnahme.h"

#include "draw/Json.h"
#include "draw/Textmass.h"

using json::TWert;

namespace {

TWert Stift(const TStift& s)
{
    return json::Objekt({{"farbe", json::Farbe(s.farbe)}, {"breite", s.breite}, {"stil", int(s.stil)}});
}

TWert Pinsel(const TPinsel& p)
{
    return json::Objekt({{"farbe", json::Farbe(p.farbe)}, {"stil", int(p.stil)}});
}

// The text as the font shows it: Symbol's Latin codes are its Greek letters.
std::u16string Sichtbar(const TSchrift& schrift, std::u16string_view text)
{
    std::u16string s(text);
    if (schrift.name == "Symbol")
        for (char16_t& c : s)
            c = SymbolBuchstabe(c);
    return s;
}

// UTF-16 (the characters of the program's texts, no surrogates) as UTF-8.
std::string Utf8(std::u16string_view text)
{
    std::string s;
    for (char16_t c : text) {
        if (c < 0x80) {
            s += char(c);
        } else if (c < 0x800) {
            s += char(0xC0 | (c >> 6));
            s += char(0x80 | (c & 0x3F));
        } else {
            s += char(0xE0 | (c >> 12));
            s += char(0x80 | ((c >> 6) & 0x3F));
            s += char(0x80 | (c & 0x3F));
        }
    }
    return s;
}

} // namespace

void TAufnahme::MoveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void TAufnahme::LineTo(int x, int y)
{
    if (stift.stil != psClear)
        ops_.push_back(json::Objekt({{"a", "linie"}, {"x1", X(penX_)}, {"y1", Y(penY_)}, {"x2", X(x)}, {"y2", Y(y)},
                                     {"stift", Stift(stift)}})
                           .text);
    MoveTo(x, y);
}

void TAufnahme::Ellipse(int l, int t, int r, int b)
{
    ops_.push_back(json::Objekt({{"a", "ellipse"}, {"l", X(l)}, {"t", Y(t)}, {"r", X(r)}, {"b", Y(b)}, {"stift", Stift(stift)},
                                 {"pinsel", Pinsel(pinsel)}})
                       .text);
}

void TAufnahme::Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2)
{
    if (stift.stil == psClear)
        return;
    ops_.push_back(json::Objekt({{"a", "bogen"}, {"l", X(l)}, {"t", Y(t)}, {"r", X(r)}, {"b", Y(b)}, {"x1", X(x1)},
                                 {"y1", Y(y1)}, {"x2", X(x2)}, {"y2", Y(y2)}, {"stift", Stift(stift)}})
                       .text);
}

// As the desktop canvas does it: the inside filled, then the outline as four lines.
void TAufnahme::Rectangle(int l, int t, int r, int b)
{
    if (pinsel.stil != bsClear)
        FillRect(l, t, r, b);
    const int px = penX_, py = penY_;
    MoveTo(l, t);
    LineTo(r - 1, t);
    LineTo(r - 1, b - 1);
    LineTo(l, b - 1);
    LineTo(l, t);
    MoveTo(px, py);
}

void TAufnahme::FillRect(int l, int t, int r, int b)
{
    ops_.push_back(
        json::Objekt({{"a", "flaeche"}, {"l", X(l)}, {"t", Y(t)}, {"r", X(r)}, {"b", Y(b)}, {"farbe", json::Farbe(pinsel.farbe)}})
            .text);
}

void TAufnahme::Punkte(const TPixel* punkte, int anzahl, TFarbe farbe)
{
    if (anzahl <= 0)
        return;
    std::vector<TWert> p;
    p.reserve(2 * std::size_t(anzahl));
    for (int i = 0; i < anzahl; ++i) {
        p.emplace_back(X(punkte[i].x));
        p.emplace_back(Y(punkte[i].y));
    }
    ops_.push_back(json::Objekt({{"a", "punkte"}, {"farbe", json::Farbe(farbe)}, {"p", json::Liste(p)}}).text);
}

void TAufnahme::GeometrischeLinie(int x1, int y1, int x2, int y2, int breite, TFarbe farbe, int stil)
{
    ops_.push_back(json::Objekt({{"a", "dicklinie"}, {"x1", X(x1)}, {"y1", Y(y1)}, {"x2", X(x2)}, {"y2", Y(y2)},
                                 {"breite", breite}, {"farbe", json::Farbe(farbe)}, {"stil", stil}})
                       .text);
    MoveTo(x2, y2);
}

void TAufnahme::TextOut(int x, int y, std::u16string_view text)
{
    if (text.empty())
        return;
    const TTextMass mass = TextExtent(text);
    const bool serif = schrift.name == "Times New Roman" || schrift.name == "Symbol";
    const TWert font = json::Objekt({{"familie", serif ? "Liberation Serif" : "Liberation Sans"},
                                     {"pixel", std::max(1, PunktZuPixel(schrift.groesse))},
                                     {"fett", schrift.fett}});
    const TWert grund = pinsel.stil != bsClear ? json::Farbe(pinsel.farbe) : json::Null();
    ops_.push_back(json::Objekt({{"a", "text"}, {"x", X(x)}, {"y", Y(y)}, {"text", Utf8(Sichtbar(schrift, text))},
                                 {"schrift", font}, {"farbe", json::Farbe(schrift.farbe)},
                                 {"oberlaenge", textmass::Oberlaenge(schrift)}, {"breite", mass.breite},
                                 {"hoehe", mass.hoehe}, {"grund", grund}})
                       .text);
}

TTextMass TAufnahme::TextExtent(std::u16string_view text) const
{
    return {textmass::Breite(schrift, text), textmass::Hoehe(schrift)};
}

std::string TAufnahme::Json() const
{
    std::string s = "[";
    for (std::size_t i = 0; i < ops_.size(); ++i) {
        if (i)
            s += ',';
        s += ops_[i];
    }
    return s + "]";
}
