#include "lessons/LektionJson.h"

#include "draw/Json.h"

namespace lektion {

namespace {

using json::TWert;

TWert R(const TRechteck& r)
{
    return json::Objekt({{"links", r.links}, {"oben", r.oben}, {"breite", r.breite}, {"hoehe", r.hoehe}});
}

TWert Welt(const TWeltRechteck& w)
{
    return json::Objekt({{"xMin", w.xMin}, {"xMax", w.xMax}, {"yMin", w.yMin}, {"yMax", w.yMax}});
}

TWert Bereich(const TBereich& b)
{
    return json::Objekt({{"name", b.name}, {"zugName", b.zugName}, {"ueb", R(b.ueb)}, {"lblUeb", R(b.lblUeb)},
                         {"bevel", R(b.bevel)}, {"grafik", R(b.grafik)}, {"status", R(b.status)},
                         {"lblStatus", R(b.lblStatus)}, {"welt", Welt(b.welt)}, {"gitter", b.gitter},
                         {"zeiger", b.zeiger}, {"ziehen", b.ziehen}, {"in", b.in}, {"alsText", b.alsText},
                         {"imBild", b.imBild}, {"nach", b.nach}, {"weltBreite", b.weltBreite},
                         {"weltHoehe", b.weltHoehe}, {"grund", b.grund}, {"statusSichtbar", b.statusSichtbar}});
}

TWert Steuer(const TSteuer& s)
{
    return json::Objekt({{"art", ArtName(s.art)}, {"name", s.name}, {"ort", R(s.ort)}, {"text", s.text},
                         {"eintraege", json::Liste(s.eintraege)}, {"spalten", s.spalten}, {"max", s.max},
                         {"innen", R(s.innen)}, {"labelHoehe", s.labelHoehe}, {"knopf", s.knopf},
                         {"einheit", s.einheit}, {"stellen", s.stellen}, {"schriftHoehe", s.schriftHoehe},
                         {"schriftFarbe", json::Farbe(s.schriftFarbe)}, {"weiss", s.weiss}, {"in", s.in},
                         {"zugName", s.zugName}, {"zugBeschreibung", s.zugBeschreibung}, {"feld", R(s.feld)}});
}

template <class T, class F>
TWert Vielleicht(const std::optional<T>& wert, F schreibe)
{
    return wert ? schreibe(*wert) : json::Null();
}

} // namespace

std::string ArtName(TArt art)
{
    static const char* const namen[] = {"Radiogruppe", "Schritte", "Knopfgruppe", "Leiste", "Feld",
                                        "Anzeige",     "Gruppe",   "Kasten",      "Knopf"};
    return namen[static_cast<int>(art)];
}

std::string LayoutAlsJson(const TLayout& layout)
{
    std::vector<TWert> bereiche, steuer;
    for (const TBereich& b : layout.bereiche)
        bereiche.push_back(Bereich(b));
    for (const TSteuer& s : layout.steuer)
        steuer.push_back(Steuer(s));
    return json::Objekt({{"caption", layout.caption}, {"breite", layout.breite}, {"hoehe", layout.hoehe},
                         {"bereiche", json::Liste(bereiche)}, {"steuer", json::Liste(steuer)},
                         {"menue", json::Liste(layout.menue)}})
        .text;
}

std::string SteuerzustandAlsJson(const TSteuerZustand& z)
{
    return json::Objekt({{"wert", z.wert}, {"aktiv", z.aktiv}, {"sichtbar", z.sichtbar}, {"knopfAktiv", z.knopfAktiv},
                         {"text", z.text}, {"upDownAktiv", z.upDownAktiv},
                         {"farbe", Vielleicht(z.farbe, json::Farbe)},
                         {"titel", Vielleicht(z.titel, [](const std::string& t) { return TWert(t); })},
                         {"ort", Vielleicht(z.ort, R)},
                         {"max", Vielleicht(z.max, [](int m) { return TWert(m); })},
                         {"feldText", z.feldText}, {"innenSichtbar", z.innenSichtbar},
                         {"zugBeschreibung", z.zugBeschreibung}})
        .text;
}

} // namespace lektion
