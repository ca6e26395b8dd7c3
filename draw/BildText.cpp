#include "draw/BildText.h"

#include "draw/Json.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The fewest significant digits (1..9) whose text reads back as `wert`.
int Stellen(float wert)
{
    char puffer[40];
    for (int stellen = 1; stellen < 9; ++stellen) {
        std::snprintf(puffer, sizeof puffer, "%.*e", stellen - 1, double(wert));
        if (std::strtof(puffer, nullptr) == wert)
            return stellen;
    }
    return 9;
}

// "12.50" → "12.5", "3.000" → "3"; a text without a point stays.
std::string OhneNullen(std::string text)
{
    if (text.find('.') == std::string::npos)
        return text;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace

std::string KurzZahl(float wert)
{
    if (wert == 0.0f)
        return "0";
    if (!std::isfinite(wert))
        return std::isnan(wert) ? "nan" : (wert > 0 ? "inf" : "-inf");
    const int stellen = Stellen(wert);
    char puffer[64];
    // The decimal exponent after rounding to `stellen` digits (9.996 to 3 is 1.00e+01).
    std::snprintf(puffer, sizeof puffer, "%.*e", stellen - 1, double(wert));
    const int exponent = std::atoi(std::strchr(puffer, 'e') + 1);
    if (exponent < -5 || exponent >= 9) {
        std::string text = puffer;
        const std::size_t e = text.find('e');
        return OhneNullen(text.substr(0, e)) + text.substr(e);
    }
    const int nachkomma = stellen - 1 - exponent;
    std::snprintf(puffer, sizeof puffer, "%.*f", nachkomma > 0 ? nachkomma : 0, double(wert));
    return OhneNullen(puffer);
}

std::string BildAlsText(const TBild& bild)
{
    std::string text;
    for (const TBildTeil& teil : bild.teile)
        text += Text(teil) + '\n';
    return text;
}

namespace {

using json::TWert;
using Felder = std::vector<std::pair<std::string_view, TWert>>;

TWert P(TWeltPunkt p) { return json::Liste(std::vector<TWert>{p.x, p.y}); }
TWert S(const TSchrift& s)
{
    return json::Objekt({{"name", s.name}, {"groesse", s.groesse}, {"fett", s.fett}, {"farbe", json::Farbe(s.farbe)}});
}
TWert Zeichen(char c) { return TWert(std::string_view(&c, 1)); }
TWert Teil(std::string_view art, Felder felder)
{
    felder.insert(felder.begin(), {"art", art});
    return json::Objekt(felder);
}

// Lines and shapes.
struct TLinienJson {
    TWert operator()(const bild::TStrecke& s) const
    {
        return Teil("Strecke", {{"von", P(s.von)}, {"bis", P(s.bis)}, {"breite", s.breite},
                                {"farbe", json::Farbe(s.farbe)}, {"stil", s.stil}, {"dick", s.dick}});
    }
    TWert operator()(const bild::TGerade& g) const
    {
        return Teil("Gerade", {{"p", P(g.p)}, {"q", P(g.q)}, {"wx", g.wx}, {"wy", g.wy}, {"breite", g.breite},
                               {"farbe", json::Farbe(g.farbe)}, {"stil", g.stil}});
    }
    TWert operator()(const bild::TRechteck& r) const
    {
        return Teil("Rechteck", {{"ecke1", P(r.ecke1)}, {"ecke2", P(r.ecke2)}, {"breite", r.breite},
                                 {"farbe", json::Farbe(r.farbe)}, {"stil", r.stil}});
    }
    TWert operator()(const bild::TDoppelpfeil& d) const
    {
        return Teil("Doppelpfeil", {{"x1", d.x1}, {"x2", d.x2}, {"y", d.y}, {"breite", d.breite},
                                    {"farbe", json::Farbe(d.farbe)}, {"pfeile", Zeichen(d.art)}});
    }
    TWert operator()(const bild::TKreis& k) const
    {
        return Teil("Kreis", {{"mitte", P(k.mitte)}, {"radius", k.radius}, {"breite", k.breite},
                              {"farbe", json::Farbe(k.farbe)},
                              {"fuellung", k.fuellung < 0 ? json::Null() : json::Farbe(TFarbe(k.fuellung))},
                              {"stil", int(k.stil)}});
    }
    TWert operator()(const bild::TBogen& b) const
    {
        return Teil("Bogen", {{"mitte", P(b.mitte)}, {"radius", b.radius}, {"von", b.von}, {"bis", b.bis},
                              {"breite", b.breite}, {"farbe", json::Farbe(b.farbe)}});
    }
    TWert operator()(const bild::TRechterWinkel& r) const
    {
        return Teil("RechterWinkel", {{"richtung", P(r.richtung)}, {"scheitel", P(r.scheitel)}, {"radius", r.radius},
                                      {"breite", r.breite}, {"farbe", json::Farbe(r.farbe)}, {"seite", Zeichen(r.seite)}});
    }
    TWert operator()(const bild::TFlaeche& f) const
    {
        return Teil("Flaeche", {{"links", f.links}, {"oben", f.oben}, {"rechts", f.rechts}, {"unten", f.unten},
                                {"farbe", json::Farbe(f.farbe)}});
    }
};

// Texts and names.
struct TTexteJson {
    TWert operator()(const bild::TText& t) const
    {
        return Teil("Text", {{"textArt", int(t.art)}, {"text", t.text}, {"ort", P(t.ort)}, {"farbe", json::Farbe(t.farbe)},
                             {"groesse", t.groesse}, {"fett", t.fett}, {"hervor", json::Farbe(t.hervor)}, {"mass", S(t.mass)}});
    }
    TWert operator()(const bild::TPixelText& t) const
    {
        return Teil("PixelText", {{"schreibArt", int(t.art)}, {"text", t.text}, {"x", t.x}, {"y", t.y},
                                  {"farbe", json::Farbe(t.farbe)}, {"groesse", t.groesse}, {"fett", t.fett},
                                  {"hervor", json::Farbe(t.hervor)}, {"mitteX", t.mitteX}, {"mitteY", t.mitteY},
                                  {"linksMindestens", t.linksMindestens}});
    }
    TWert operator()(const bild::TSchlichtText& t) const
    {
        return Teil("SchlichtText", {{"text", t.text}, {"x", t.x}, {"y", t.y}, {"schrift", S(t.schrift)},
                                     {"pinsel", json::Farbe(t.pinsel.farbe)}, {"pinselStil", int(t.pinsel.stil)}});
    }
    TWert operator()(const bild::TEckenName& e) const
    {
        return Teil("EckenName", {{"text", e.text}, {"p", P(e.p)}, {"q", P(e.q)}, {"abstand", e.abstand}, {"vor", e.vor},
                                  {"farbe", json::Farbe(e.farbe)}, {"mass", S(e.mass)}});
    }
    TWert operator()(const bild::TStreckenName& s) const
    {
        return Teil("StreckenName", {{"text", s.text}, {"von", P(s.von)}, {"bis", P(s.bis)},
                                     {"farbe", json::Farbe(s.farbe)}, {"mass", S(s.mass)}});
    }
    TWert operator()(const bild::TSeitenName& s) const
    {
        return Teil("SeitenName", {{"text", s.text}, {"a", P(s.a)}, {"b", P(s.b)}, {"k", P(s.k)}, {"abstand", s.abstand},
                                   {"farbe", json::Farbe(s.farbe)}, {"mass", S(s.mass)}});
    }
    TWert operator()(const bild::TBruch& b) const
    {
        return Teil("Bruch", {{"zaehler", b.zaehler}, {"nenner", b.nenner}, {"ort", P(b.ort)}, {"groesse", b.groesse},
                              {"fett", b.fett}, {"farbe", json::Farbe(b.farbe)}, {"mass", S(b.mass)}});
    }
};

struct TJsonSchreiber : TLinienJson, TTexteJson {
    using TLinienJson::operator();
    using TTexteJson::operator();
};

} // namespace

std::string BildAlsJson(const TBild& bild)
{
    std::vector<TWert> teile;
    for (const TBildTeil& teil : bild.teile)
        teile.push_back(std::visit(TJsonSchreiber{}, teil));
    return json::Liste(teile).text;
}
