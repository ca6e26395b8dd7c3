// The core bound to JavaScript: a lesson opened by name, its inputs, and its
// outputs as strings the core wrote (texts, JSON, pictures as text), so that a
// page shows exactly what the desktop shows. No rule of a lesson lives here.
#include "draw/BildText.h"
#include "draw/Json.h"
#include "lessons/LektionJson.h"
#include "lessons/Lektionen.h"
#include "lessons/Lesefolge.h"
#include "lessons/Sitzung.h"
#include "lessons/Unterscheidung.h"
#include "lessons/Zeichnung.h"
#include "app/seiten/Seiten.h"

#include <emscripten/bind.h>

using emscripten::val;
using lektion::TSitzung;
using lektion::TZeigerArt;

namespace {

TZeigerArt Art(int art)
{
    return art == 1 ? TZeigerArt::Bewegung : art == 2 ? TZeigerArt::Los : TZeigerArt::Druck;
}

// One lesson for a page. Indices outside the layout give empty answers.
class TWebLektion {
public:
    explicit TWebLektion(const std::string& name) : sitzung_(name) {}

    bool gueltig() const { return sitzung_.Gueltig(); }
    void aktiviere(unsigned keim) { sitzung_.Aktiviere(keim); }
    void zeiger(int b, int art, float x, float y) { sitzung_.Zeiger(b, Art(art), {x, y}); }
    void zeigerPixel(int b, int art, int x, int y) { sitzung_.ZeigerPixel(b, Art(art), x, y); }
    void geaendert(int s, int wert) { sitzung_.Geaendert(s, wert); }
    void menue(int punkt) { sitzung_.Menue(punkt); }
    void text(int s, const std::string& t) { sitzung_.Text(s, t); }
    void fertig(int s) { sitzung_.Fertig(s); }
    void vorlesen(bool an) { sitzung_.SetzeVorlesen(an); }
    std::string ansage() const { return sitzung_.Ansage(); }
    std::string meldung() const { return sitzung_.Meldung(); }

    std::string layout() const { return gueltig() ? lektion::LayoutAlsJson(l().Layout()) : "null"; }
    std::string steuerzustand(int s) const
    {
        return sitzung_.IstSteuer(s) ? lektion::SteuerzustandAlsJson(l().Steuerzustand(s)) : "null";
    }
    std::string titel(int b) const { return sitzung_.IstBereich(b) ? l().Titel(b) : ""; }
    std::string titelFarbe(int b) const
    {
        return sitzung_.IstBereich(b) ? json::Farbe(l().TitelFarbe(b)).text : "null";
    }
    std::string anweisung(int b) const { return sitzung_.IstBereich(b) ? l().Anweisung(b) : ""; }
    std::string beschreibung(int b) const { return sitzung_.IstBereich(b) ? l().Beschreibung(b) : ""; }
    std::string bild(int b) const { return sitzung_.IstBereich(b) ? BildAlsText(l().Bild(b)) : ""; }
    std::string bildJson(int b) const { return sitzung_.IstBereich(b) ? BildAlsJson(l().Bild(b)) : "[]"; }
    // What the area's canvas shows, as the desktop's canvas calls in design pixels.
    std::string zeichnung(int b) const
    {
        return sitzung_.IstBereich(b) ? lektion::BereichAlsJson(l().Layout().bereiche[std::size_t(b)], l().Bild(b))
                                      : "[]";
    }
    val schritt() const
    {
        const std::optional<int> s = gueltig() ? l().Schritt() : std::nullopt;
        return s ? val(*s) : val::null();
    }
    std::string zeigerOrt(int b, float x, float y) const { return sitzung_.IstBereich(b) ? l().ZeigerOrt(b, {x, y}) : ""; }
    std::string zeigerOrtPixel(int b, int x, int y) const { return zeigerOrt(b, zuWelt(b, x, y).x, zuWelt(b, x, y).y); }
    std::string ziehbereich(int b) const;
    std::string zeigerform(int b) const;
    // The keyboard pointer: its state as JSON, with the place a reader hears once a key aimed it.
    std::string tastenzeiger(int b) const { return zeigerJson(b, ""); }
    std::string taste(int b, int taste, bool shift, bool wiederholt);
    std::string tastenLos(int b)
    {
        sitzung_.TastenLos(b);
        return tastenzeiger(b);
    }
    std::string mausDruck(int b, int x, int y, bool mitTasten)
    {
        sitzung_.MausDruck(b, x, y, mitTasten);
        return tastenzeiger(b);
    }

private:
    const lektion::TLektion& l() const { return sitzung_.Lektion(); }
    TWeltPunkt zuWelt(int b, int x, int y) const { return sitzung_.ZuWelt(b, x, y); }
    std::string zeigerJson(int b, const std::string& ort) const;
    TSitzung sitzung_;
};

// The rectangle a drag holds the pointer in, as JSON; null while none.
std::string TWebLektion::ziehbereich(int b) const
{
    const std::optional<TWeltRechteck> r = sitzung_.IstBereich(b) ? l().Ziehbereich(b) : std::nullopt;
    if (!r)
        return "null";
    return json::Objekt({{"xMin", r->xMin}, {"xMax", r->xMax}, {"yMin", r->yMin}, {"yMax", r->yMax}}).text;
}

// The keys as the page numbers them: the arrows left, right, up, down, Space, Return.
std::string TWebLektion::taste(int b, int taste, bool shift, bool wiederholt)
{
    if (taste < 0 || taste > int(lektion::TTaste::Eingabe))
        return tastenzeiger(b);
    const bool gezielt = sitzung_.Taste(b, lektion::TTaste(taste), shift, wiederholt);
    const lektion::TTastenzeiger& z = sitzung_.Tastenzeiger(b);
    return zeigerJson(b, gezielt ? zeigerOrtPixel(b, z.x, z.y) : "");
}

std::string TWebLektion::zeigerJson(int b, const std::string& ort) const
{
    const lektion::TTastenzeiger& z = sitzung_.Tastenzeiger(b);
    return json::Objekt({{"x", z.x}, {"y", z.y}, {"gedrueckt", z.gedrueckt}, {"ort", ort}}).text;
}

std::string TWebLektion::zeigerform(int b) const
{
    if (!sitzung_.IstBereich(b))
        return "Pfeil";
    switch (l().Zeigerform(b)) {
    case lektion::TZeigerForm::Hand: return "Hand";
    case lektion::TZeigerForm::Bleibt: return "Bleibt";
    default: return "Pfeil";
    }
}

std::string Namen() { return json::Liste(lektion::LektionsNamen()).text; }

// A page's rectangle as [links, oben, breite, hoehe] in design pixels.
lektion::TRechteck Rechteck(const val& r)
{
    return {r[0].as<int>(), r[1].as<int>(), r[2].as<int>(), r[3].as<int>()};
}

// The Tab order of a page's controls: their rectangles in, their indices in reading order out (JSON).
std::string Lesefolge(const val& orte)
{
    std::vector<lektion::TRechteck> r;
    for (int i = 0, n = orte["length"].as<int>(); i < n; ++i)
        r.push_back(Rechteck(orte[i]));
    std::vector<json::TWert> folge;
    for (int i : lektion::Lesefolge(r))
        folge.emplace_back(i);
    return json::Liste(folge).text;
}

// Names that tell alike controls apart: [{name, gruppe, ort}] in, one name per control out (JSON, "" keeps its own).
std::string Unterscheide(const val& steuer)
{
    std::vector<lektion::TBenannt> s;
    for (int i = 0, n = steuer["length"].as<int>(); i < n; ++i)
        s.push_back({steuer[i]["name"].as<std::string>(), steuer[i]["gruppe"].as<std::string>(),
                     Rechteck(steuer[i]["ort"])});
    return json::Liste(lektion::Unterscheide(s)).text;
}

} // namespace

EMSCRIPTEN_BINDINGS(geokern)
{
    emscripten::function("lektionsNamen", &Namen);
    emscripten::function("kurzZahl", &KurzZahl);
    emscripten::function("startZeichnung", &seiten::StartseiteAlsJson);
    emscripten::function("infoZeichnung", &seiten::InfoseiteAlsJson);
    emscripten::function("startMenue", &seiten::StartMenueAlsJson);
    emscripten::function("seitenBilder", &seiten::SeitenBilderAlsJson);
    emscripten::function("lesefolge", &Lesefolge);
    emscripten::function("unterscheide", &Unterscheide);
    emscripten::class_<TWebLektion>("Lektion")
        .constructor<const std::string&>()
        .function("gueltig", &TWebLektion::gueltig)
        .function("aktiviere", &TWebLektion::aktiviere)
        .function("zeiger", &TWebLektion::zeiger)
        .function("zeigerPixel", &TWebLektion::zeigerPixel)
        .function("geaendert", &TWebLektion::geaendert)
        .function("menue", &TWebLektion::menue)
        .function("text", &TWebLektion::text)
        .function("fertig", &TWebLektion::fertig)
        .function("vorlesen", &TWebLektion::vorlesen)
        .function("ansage", &TWebLektion::ansage)
        .function("meldung", &TWebLektion::meldung)
        .function("layout", &TWebLektion::layout)
        .function("steuerzustand", &TWebLektion::steuerzustand)
        .function("titel", &TWebLektion::titel)
        .function("titelFarbe", &TWebLektion::titelFarbe)
        .function("anweisung", &TWebLektion::anweisung)
        .function("beschreibung", &TWebLektion::beschreibung)
        .function("bild", &TWebLektion::bild)
        .function("bildJson", &TWebLektion::bildJson)
        .function("zeichnung", &TWebLektion::zeichnung)
        .function("schritt", &TWebLektion::schritt)
        .function("zeigerOrt", &TWebLektion::zeigerOrt)
        .function("zeigerOrtPixel", &TWebLektion::zeigerOrtPixel)
        .function("ziehbereich", &TWebLektion::ziehbereich)
        .function("zeigerform", &TWebLektion::zeigerform)
        .function("tastenzeiger", &TWebLektion::tastenzeiger)
        .function("taste", &TWebLektion::taste)
        .function("tastenLos", &TWebLektion::tastenLos)
        .function("mausDruck", &TWebLektion::mausDruck);
}
