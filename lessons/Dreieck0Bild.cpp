#include "lessons/Dreieck0Bild.h"

#include "draw/GlobalU.h"
#include "draw/Texte.h"
#include "draw/VektorU.h"

#include <vector>

using namespace bild;

namespace dreieck0 {

namespace {

constexpr float bogenRadius = 4;
constexpr int schrift = 12; // labels and texts: Arial 12 point bold

// The labels of sides a, b, c and their distances from the sides.
struct TSeitenLabel {
    const char* text;
    float abstand;
};
using TSeitenZeile = TSeitenLabel[3];

const TSeitenZeile& SeitenLabels(int box, int einteilung, int spitze)
{
    static const TSeitenZeile einfach = {{"a", 1.5f}, {"b", 1.5f}, {"c", 1.5f}};
    static const TSeitenZeile spitzeBeiC = {{"a", 1.5f}, {"b=a", 1.8f}, {"c", 1.5f}};
    static const TSeitenZeile spitzeBeiB = {{"a", 1.5f}, {"b", 1.5f}, {"c=a", 1.8f}};
    static const TSeitenZeile spitzeBeiA = {{"a", 1.5f}, {"b=c", 1.5f}, {"c", 1.8f}};
    static const TSeitenZeile gleichseitig = {{"a", 1.5f}, {"b=a", 1.8f}, {"c=a", 1.8f}};
    if (einteilung != einteilungSeiten || box == 1)
        return einfach;
    if (box == 3)
        return gleichseitig;
    return spitze == spitzeB ? spitzeBeiB : spitze == spitzeA ? spitzeBeiA : spitzeBeiC;
}

// The angle names and arcs: the Greek names stand above the middle of each
// arc's angle, shifted so that the letter's top-centred box sits in the angle.
void Winkel(TBild& b, const TDreieck& d)
{
    TDreieckMasse r;
    MissWinkel(d, r);
    const struct {
        TWeltPunkt ecke;
        float von, bis;
        const char* name;
        float dx, dy;
    } winkel[3] = {{{d.ax, d.ay}, r.richtungAB, r.richtungAC, "~a", 0.3f, 1.0f},
                   {{d.bx, d.by}, r.richtungBC, r.richtungBA, "~b", 0.3f, 0.9f},
                   {{d.cx, d.cy}, r.richtungCA, r.richtungCB, "~g", 0.4f, 1.0f}};
    for (const auto& w : winkel) {
        TWeltPunkt mitte;
        WinkelMitte(w.ecke.x, w.ecke.y, bogenRadius, w.von, w.bis, mitte.x, mitte.y);
        b << TText{TTextArt::SymbolMitte, std::string(w.name), Versetzt(mitte, w.dx, w.dy), clBlack, schrift,
                   true};
    }
    for (const auto& w : winkel)
        b << TBogen{w.ecke, bogenRadius, w.von, w.bis, 2, clBlack};
}

// The values of a text box as marked-up text: lengths by sides, Greek-named
// angles by angles, each the whole number the generators judged the triangle by.
std::vector<std::string> Werte(int box, int einteilung, const TDreieckMasse& m)
{
    const auto zahl = [](float wert) { return std::to_string(GezeigteZahl(wert)); };
    if (einteilung == einteilungWinkel)
        return {"~a = " + zahl(m.alpha) + "°",
                "~b = " + zahl(m.beta) + "°",
                "~g = " + zahl(m.gamma) + "°"};
    // The equilateral triangle's sides differ by up to 0.2: it shows AB three times.
    const bool gleichseitig = box == 3;
    return {"AB = " + zahl(m.c), "BC = " + zahl(gleichseitig ? m.c : m.a),
            "AC = " + zahl(gleichseitig ? m.c : m.b)};
}

// The values of a text box as plain text, the Greek names spelt out.
std::string WerteText(int box, int einteilung, const TDreieckMasse& m)
{
    std::vector<std::string> werte;
    for (const std::string& w : Werte(box, einteilung, m))
        werte.push_back(Ersetzt(Ersetzt(Ersetzt(w, "~a", "α"), "~b", "β"), "~g", "γ"));
    return Verbunden(werte, ", ");
}

} // namespace

const TEinteilungsTexte& Texte(int einteilung)
{
    static const TEinteilungsTexte seiten{
        "Einteilung der Dreiecke nach den Seitenlängen",
        clNavy,
        {"ungleichseitig", "gleichschenkelig", "gleichseitig"},
        {"Alle drei Seiten sind verschieden lang",
         "Zwei Seiten (Schenkel) sind gleich lang",
         "Alle drei Seiten sind gleich lang"}};
    static const TEinteilungsTexte winkel{
        "Einteilung der Dreiecke nach den Winkeln",
        clMaroon,
        {"spitzwinkelig", "stumpfwinkelig", "rechtwinkelig"},
        {"Alle drei Winkel sind spitz", "Ein Winkel ist stumpf",
         "Ein Winkel ist ein rechter"}};
    return einteilung == einteilungWinkel ? winkel : seiten;
}

TWeltPunkt SeitenPunkt(const std::string& text, const TDreieck& d, float abstand)
{
    float x1 = d.ax, y1 = d.ay, x2 = d.bx, y2 = d.by; // "c": from A to B
    if (text.starts_with('a')) {
        x1 = d.bx, y1 = d.by, x2 = d.cx, y2 = d.cy;
    } else if (text.starts_with('b')) {
        x1 = d.cx, y1 = d.cy, x2 = d.ax, y2 = d.ay;
    }
    const TWeltPunkt m = Mittelpunkt({x1, y1}, {x2, y2});
    TWeltPunkt p;
    NormalVersatz(x1, y1, x2, y2, m.x, m.y, abstand, p.x, p.y);
    return p;
}

TBild DreieckBild(int box, int einteilung, int spitze, const TDreieck& d)
{
    const TWeltPunkt a{d.ax, d.ay}, b{d.bx, d.by}, c{d.cx, d.cy};
    const auto seite = [](TWeltPunkt p, TWeltPunkt q) { return TStrecke{p, q, 2, clBlack, linieVoll}; };
    // A vertex name beyond its vertex, away from the midpoint of the opposite side.
    const auto ecke = [](const char* name, TWeltPunkt p, TWeltPunkt q, float abstand) {
        return TEckenName{std::string(name), p, q, abstand, true, clBlack};
    };
    TBild bild;
    bild << seite(a, b) << seite(b, c) << seite(c, a) << ecke("C", c, Mittelpunkt(a, b), 1.4f)
         << ecke("B", b, Mittelpunkt(a, c), 0.8f) << ecke("A", a, Mittelpunkt(b, c), 0.8f);
    // The side labels are measured and drawn whole in the font the vertex
    // names leave on the canvas.
    const TSchrift eckenSchrift{"Arial", schrift, true, clBlack};
    for (const auto& [text, abstand] : SeitenLabels(box, einteilung, spitze)) {
        const std::string s = std::string(text);
        bild << TText{TTextArt::Schlicht, s, SeitenPunkt(s, d, abstand), clBlack, schrift, true, clBlack, eckenSchrift};
    }
    if (einteilung == einteilungWinkel)
        Winkel(bild, d);
    return bild;
}

TBild TextBild(int box, int einteilung, const TDreieckMasse& m)
{
    const TEinteilungsTexte& texte = Texte(einteilung);
    const auto text = [&](TTextArt art, const std::string& s, TWeltPunkt ort) {
        return TText{art, s, ort, texte.farbe, schrift, true};
    };
    TBild bild;
    bild << text(TTextArt::Mitte, texte.ueberschriften[box - 1], {0, 2});
    // Greek names are marked up: by angles the values go through the Symbol renderer.
    const TTextArt art = einteilung == einteilungWinkel ? TTextArt::SymbolMitte : TTextArt::Mitte;
    const std::vector<std::string> werte = Werte(box, einteilung, m);
    const float spalten[3] = {-11, 0, 11};
    for (int i = 0; i < 3; ++i)
        bild << text(art, werte[i], {spalten[i], -1.5f});
    return bild;
}

std::string DreieckBeschreibung(int box, int einteilung, const TDreieckMasse& m)
{
    const std::string art = GrossAnfang(Texte(einteilung).arten[box - 1]);
    std::string text = Satz("%1es Dreieck ABC: %2", {art, WerteText(box, einteilung, m)});
    text += einteilung == einteilungWinkel ? "; Seiten a, b, c und Winkel α, β, γ beschriftet."
                                          : "; Seiten a, b, c beschriftet.";
    return text;
}

std::string TextBeschreibung(int box, int einteilung, const TDreieckMasse& m)
{
    return Texte(einteilung).ueberschriften[box - 1] + ": " + WerteText(box, einteilung, m);
}

} // namespace dreieck0
