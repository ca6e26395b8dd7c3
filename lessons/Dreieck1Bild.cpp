// The computing half of "Dreieckskonstruktionen" (lessons/Dreieck1Modell.cpp holds the state).
#include "lessons/Dreieck1Bild.h"

#include "draw/Texte.h"

#include "draw/Bild.h"
#include "draw/GlobalU.h"
#include "draw/PolKartU.h"
#include "draw/SchnittU.h"
#include "draw/VektorU.h"
#include "draw/ZufallU.h"

#include <algorithm>
#include <span>

namespace dreieck1 {
namespace {

long double L(float wert) { return static_cast<long double>(wert); }

// An angle plus some degrees, as a float.
float Grad(float winkel, long double plus) { return float(L(winkel) + plus); }

// ---------------------------------------------------------------- steps as data

// The steps at which a row of a step table is drawn.
struct TSchritte {
    unsigned maske;
    constexpr TSchritte ausser(int schritt) const { return {maske & ~(1u << schritt)}; }
    constexpr bool bei(int schritt) const { return schritt >= 0 && schritt < 32 && ((maske >> schritt) & 1u) != 0; }
};
// From step n on, in every later step.
constexpr TSchritte ab(int n) { return {~0u << n}; }
constexpr TSchritte nurBei(int n) { return {1u << n}; }
constexpr TSchritte nurBei(int n, int m) { return {(1u << n) | (1u << m)}; }

// What every row may need, computed once per picture.
struct TMasse {
    int satz;
    int loesungen;
    TPunkt A, B, C;
    float delta;   // direction A→C
    float epsilon; // direction B→C
    float rb;      // |AC|
    float ra;      // |BC|
    TPunkt P;      // end of the free leg at A: 1.1 |AC| along A→C
    TPunkt Q;      // end of the free leg at B: 1.1 |BC| along B→C
    bool mitC2;    // two solutions and the second point exists
    TPunkt C2;
    float epsilon2; // direction B→C₂
};

using bild::TTextArt;

// Appends to a picture, black unless a colour is given. Labels that centre
// themselves up and down are measured in the font the label before left on
// the canvas, so the builder carries that font along.
struct TBau {
    TBild& ziel;
    TSchrift schrift{};

    void strecke(int breite, TPunkt p, TPunkt q, TFarbe f = clBlack)
    {
        ziel << bild::TStrecke{p, q, breite, f, linieVoll};
    }
    void bogen(int breite, TPunkt m, float r, float von, float bis, TFarbe f = clBlack)
    {
        ziel << bild::TBogen{m, r, von, bis, breite, f};
    }
    void text(TTextArt art, const std::string& t, TPunkt p, int groesse = 12, TFarbe f = clBlack)
    {
        const bild::TText text{art, t, p, f, groesse, true, clBlack, schrift};
        ziel << text;
        schrift = SchriftNach(text);
    }
    // A vertex name: centred across, its top edge at the point.
    void ecke(const std::string& t, TPunkt p) { text(TTextArt::Mitte, t, p); }
    // A side's name beside the middle of p→q, on its right-hand side.
    void seite(const std::string& t, TPunkt p, TPunkt q, TFarbe f = clBlack)
    {
        ziel << bild::TStreckenName{t, p, q, f, schrift};
        schrift = SchriftNach({TTextArt::Zentriert, t, {}, f}); // in label size, 12
    }
    // An angle's name inside the arc about m from `von` to `bis`.
    void winkel(const std::string& t, TPunkt m, float r, float von, float bis)
    {
        text(TTextArt::SymbolMitteMittig, t, WinkelNamenStelle(m, r, von, bis), 14);
    }
};

// The reference sketch; given parts in red.
void Skizze(TBau& z, const TGegeben& g)
{
    const auto farbe = [](bool gegeben) { return gegeben ? clRed : clBlack; };
    z.text(TTextArt::Links, "Skizze", {-19.0f, 9.5f});
    z.text(TTextArt::Zentriert, "A", {-19.2f, 4.3f});
    z.text(TTextArt::Zentriert, "B", {-11.6f, 4.3f});
    z.text(TTextArt::Zentriert, "C", {-14.0f, 9.4f});

    const TPunkt a{-19.0f, 4.5f}, b{-12.0f, 4.5f}, c{-14.0f, 9.0f};
    z.strecke(2, a, b, farbe(g.c));
    z.text(TTextArt::Zentriert, "c", {-15.5f, 4.1f}, 12, farbe(g.c));
    z.strecke(2, a, c, farbe(g.b));
    z.text(TTextArt::Zentriert, "b", {-16.5f, 7.5f}, 12, farbe(g.b));
    z.strecke(2, c, b, farbe(g.a));
    z.text(TTextArt::Zentriert, "a", {-12.7f, 7.5f}, 12, farbe(g.a));

    z.bogen(2, a, 2.0f, 0.0f, 40.0f, farbe(g.alpha));
    z.text(TTextArt::SymbolMitte, "~a", {-17.5f, 5.5f}, 14, farbe(g.alpha));
    z.bogen(2, b, 2.0f, 115.0f, 180.0f, farbe(g.beta));
    z.text(TTextArt::SymbolMitte, "~b", {-12.8f, 5.5f}, 14, farbe(g.beta));
    z.bogen(2, c, 2.0f, 225.0f, 295.0f, farbe(g.gamma));
    z.text(TTextArt::SymbolMitte, "~g", {-14.4f, 8.5f}, 14, farbe(g.gamma));
}

struct TZeile {
    TSchritte wann;
    void (*zeichne)(const TMasse& m, TBau& z);
};

// The given parts per theorem: what the sketch marks red and what step 1 lists.
struct TGegebenZeile {
    TGegeben teile;
    const char* text;
};
const TGegebenZeile gegebenJeSatz[] = {
    {{true, true, true, false, false, false}, "Geg.: a, b, c"},
    {{false, false, true, true, true, false}, "Geg.: ~a, ~b, c"},
    {{false, true, true, true, false, false}, "Geg.: ~a, b, c"},
    {{true, false, true, true, false, false}, "Geg.: ~a, a, c"},
};

const TGegebenZeile* GegebenFuer(int satz)
{
    return satz >= satzSSS && satz <= satzSsW ? &gegebenJeSatz[satz - 1] : nullptr;
}

// Rows of every theorem: the sketch, the given parts, side c.
const TZeile alleSaetze[] = {
    {nurBei(0), [](const TMasse&, TBau& z) { Skizze(z, {}); }},
    {ab(1),
     [](const TMasse& m, TBau& z) {
         const TGegebenZeile* g = GegebenFuer(m.satz);
         if (!g)
             return;
         Skizze(z, g->teile);
         const std::string text = g->text;
         z.text(Enthaelt(text, "~") ? TTextArt::SymbolLinks : TTextArt::Links, text, {-19.0f, 3.0f});
     }},
    {ab(2),
     [](const TMasse& m, TBau& z) {
         z.strecke(2, Versetzt(m.A, -0.4L, 0), Versetzt(m.B, 0.4L, 0));
         z.strecke(2, Versetzt(m.A, 0, -0.2L), Versetzt(m.A, 0, 0.2L));
         z.strecke(2, Versetzt(m.B, 0, -0.2L), Versetzt(m.B, 0, 0.2L));
         z.ecke("A", Versetzt(m.A, 0, -0.3L));
         z.ecke("B", Versetzt(m.B, 0, -0.3L));
         z.seite("c", m.A, m.B);
     }},
};

// The angle at A with its free leg (WSW, SWS step 3).
void WinkelBeiA(const TMasse& m, TBau& z)
{
    z.bogen(1, m.A, 3.0f, 0.0f, m.delta);
    z.winkel("~a", m.A, 3.0f, 0.0f, m.delta);
}

// The finished triangle's sides a and b.
void SeitenAB(const TMasse& m, TBau& z)
{
    z.strecke(2, m.A, m.C);
    z.strecke(2, m.B, m.C);
}

const TZeile sss[] = {
    // The compass opened to b about A, and the radius it was taken with,
    // turned a little off the final side. A high apex takes a narrower arc.
    {nurBei(3, 4),
     [](const TMasse& m, TBau& z) {
         const long double spanne = m.C.y > 6.0f ? 6.0L : 10.0L;
         z.bogen(1, m.A, m.rb, Grad(m.delta, -spanne), Grad(m.delta, spanne));
         const TPunkt r = Polar(m.A, Grad(m.delta, spanne / 2), m.rb);
         z.strecke(1, m.A, r);
         z.seite("b", r, m.A);
     }},
    {ab(4).ausser(5), [](const TMasse& m, TBau& z) { z.bogen(1, m.B, m.ra, Grad(m.epsilon, -4), Grad(m.epsilon, 4)); }},
    {nurBei(4), [](const TMasse& m, TBau& z) { z.strecke(1, m.B, m.C); }},
    {nurBei(4, 5), [](const TMasse& m, TBau& z) { z.seite("a", m.B, m.C); }},
    {ab(5),
     [](const TMasse& m, TBau& z) {
         z.ecke("C", Versetzt(m.C, 0, 0.9L));
         SeitenAB(m, z);
         z.seite("b", m.C, m.A);
     }},
};

const TZeile wsw[] = {
    {ab(3).ausser(5), [](const TMasse& m, TBau& z) { z.strecke(1, m.A, m.P); }},
    {ab(3), WinkelBeiA},
    {ab(4).ausser(5), [](const TMasse& m, TBau& z) { z.strecke(1, m.B, m.Q); }},
    {ab(4),
     [](const TMasse& m, TBau& z) {
         z.bogen(1, m.B, 3.0f, m.epsilon, 180.0f);
         z.winkel("~b", m.B, 3.0f, m.epsilon, 180.0f);
     }},
    {ab(5),
     [](const TMasse& m, TBau& z) {
         SeitenAB(m, z);
         z.ecke("C", Versetzt(m.C, 0, 0.7L));
         z.seite("a", m.B, m.C);
         z.seite("b", m.C, m.A);
     }},
};

const TZeile sws[] = {
    {ab(3).ausser(5), [](const TMasse& m, TBau& z) { z.strecke(1, m.A, m.P); }},
    {ab(3), WinkelBeiA},
    // b marked off on the free leg.
    {ab(4).ausser(5), [](const TMasse& m, TBau& z) { z.bogen(1, m.A, m.rb, Grad(m.delta, -5), Grad(m.delta, 5)); }},
    {ab(4),
     [](const TMasse& m, TBau& z) {
         z.ecke("C", Versetzt(m.C, 0, 0.8L));
         z.seite("b", m.C, m.A);
     }},
    {ab(5),
     [](const TMasse& m, TBau& z) {
         SeitenAB(m, z);
         z.seite("a", m.B, m.C);
     }},
};

const TZeile ssw[] = {
    {ab(3).ausser(6),
     [](const TMasse& m, TBau& z) {
         z.strecke(1, m.A, m.P);
         z.bogen(1, m.A, 3.0f, 0.0f, m.delta);
     }},
    {ab(3), [](const TMasse& m, TBau& z) { z.winkel("~a", m.A, 3.0f, 0.0f, m.delta); }},
    // The compass opened to a about B; with two solutions one arc through both points.
    {ab(4).ausser(6),
     [](const TMasse& m, TBau& z) {
         const float bis = m.mitC2 ? Grad(m.epsilon2, 10) : Grad(m.epsilon, 10);
         z.bogen(1, m.B, m.ra, Grad(m.epsilon, -10), bis);
     }},
    {ab(5),
     [](const TMasse& m, TBau& z) {
         if (m.loesungen != 2) {
             z.ecke("C", Versetzt(m.C, 0, 1));
             return;
         }
         z.ecke("C!1", Versetzt(m.C, 0, 1));
         if (m.mitC2)
             z.ecke("C!2", Versetzt(m.C2, -0.5L, 1));
     }},
    {ab(6),
     [](const TMasse& m, TBau& z) {
         if (m.loesungen != 2) {
             z.strecke(2, m.A, m.C);
             z.bogen(2, m.A, 3.0f, 0.0f, m.delta);
             z.strecke(2, m.B, m.C);
             z.seite("a", m.B, m.C);
             z.seite("b", m.C, m.A);
             return;
         }
         SeitenAB(m, z);
         z.bogen(2, m.A, 3.0f, 0.0f, m.delta);
         if (m.mitC2) {
             z.strecke(2, m.B, m.C2, palette::himbeer);
             z.strecke(2, m.A, m.C2, palette::himbeer);
             z.strecke(1, m.A, m.B, palette::himbeer);
         }
         z.seite("a", m.B, m.C);
         if (m.mitC2)
             z.seite("a", m.B, m.C2, palette::himbeer);
         z.seite("b!1", m.C, m.A);
         // The second triangle's side b gets its own index, so the two can be told apart.
         if (m.mitC2)
             z.seite("b!2", m.C2, m.A, palette::himbeer);
     }},
};

void Anhaengen(std::span<const TZeile> tabelle, const TMasse& m, int schritt, TBau& z)
{
    for (const TZeile& zeile : tabelle)
        if (zeile.wann.bei(schritt))
            zeile.zeichne(m, z);
}

TMasse Masse(int satz, int loesungen, const TDreieck& d)
{
    TMasse m{};
    m.satz = satz;
    m.loesungen = loesungen;
    m.A = d.A;
    m.B = d.B;
    m.C = d.C;
    m.delta = Richtung(d.A, d.C);
    m.epsilon = Richtung(d.B, d.C);
    m.rb = Abstand(d.A, d.C);
    m.ra = Abstand(d.B, d.C);
    m.P = Polar(d.A, m.delta, float(1.1L * m.rb));
    m.Q = Polar(d.B, m.epsilon, float(1.1L * m.ra));
    m.mitC2 = satz == satzSsW && loesungen == 2 && ZweiterEckpunkt(d, m.C2);
    m.epsilon2 = m.mitC2 ? Richtung(d.B, m.C2) : 0.0f;
    return m;
}

// ---------------------------------------------------------------- instructions

const char* const plane = "Plane deinen Konstruktionsgang anhand einer Skizze.";
const char* const markiere = "Markiere die gegebenen Bestimmungsstücke.";
const char* const mitSeiteC = "Beginne deine Zeichnung mit der Seite c.";
const char* const beimWinkel = "Beginne deine Zeichnung beim anliegenden Winkel an die Seite c.";
const char* const winkelAlpha = "Zeichne den Winkel ~a mit dem entsprechenden Schenkel.";
const char* const bogenUmB = "Zeichne um den anderen Eckpunkt einen Kreisbogen mit dem Radius der Seite a.";

// Per step: SSS, WSW, SWS, SsW with one solution, SsW with two.
const char* const anweisungen[7][5] = {
    {plane, plane, plane, plane, plane},
    {markiere, markiere, markiere, markiere, markiere},
    {"Beginne deine Zeichnung mit einer Seite (z.B.: c).", mitSeiteC, mitSeiteC, beimWinkel, beimWinkel},
    {"Zeichne um A einen Kreisbogen mit dem Radius der Seite b.", winkelAlpha, winkelAlpha, winkelAlpha,
     winkelAlpha},
    {"Zeichne um B einen zweiten Kreisbogen mit dem Radius a.",
     "Zeichne den Winkel ~b mit dem entsprechenden Schenkel.", "Trage auf dem Schenkel die Seite b auf.", bogenUmB,
     bogenUmB},
    {"Verbinde den Schnittpunkt C mit den Punkten A und B.",
     "Der Schnittpunkt der beiden Schenkel liefert den Eckpunkt C.",
     "Zeichne das Dreieck durch die Punkte A, B und C.",
     "Der Schnittpunkt des Kreisbogens mit dem Schenkel ergibt den Eckpunkt C.",
     "Die Schnittpunkte des Kreisbogens mit dem Schenkel ergeben die Eckpunkte C!1 und C!2."},
    {"", "", "", "Damit erhälst du das Dreieck ABC.", "Damit erhälst du die Dreiecke ABC!1 und ABC!2."},
};

} // namespace

// ---------------------------------------------------------------- random triangles

TDreieck ZieheEinmal(bool startDreieck)
{
    TDreieck d;
    d.A.x = float(-(Random(5) + 4));
    d.A.y = float(-(Random(4) + 5));
    d.B.x = float(Random(6) + 5);
    d.B.y = d.A.y;
    do
        d.C.x = float(Random(25) - 6);
    while (!(d.C.x > d.A.x));
    d.C.y = float(startDreieck ? Random(5) + 1 : Random(6) + 4);
    return d;
}

bool PasstZumSatz(const TDreieck& d, int satz, int loesungen)
{
    if (satz != satzSsW)
        return true;
    const float a = Abstand(d.B, d.C);
    const float c = Abstand(d.A, d.B);
    if (loesungen != 2)
        return a > c;
    // With a right angle at C the line AC only touches the circle: C₂ would
    // fall onto C and the two triangles would be one. The coordinates are whole
    // numbers, so the product is exact.
    const long double spitz = (L(d.A.x) - d.C.x) * (L(d.B.x) - d.C.x) + (L(d.A.y) - d.C.y) * (L(d.B.y) - d.C.y);
    return a < c && spitz > 0.0L;
}

TDreieck ZieheDreieck(int satz, int loesungen)
{
    TDreieck d = ZieheEinmal();
    while (!PasstZumSatz(d, satz, loesungen))
        d = ZieheEinmal();
    return d;
}

// ---------------------------------------------------------------- instructions

std::string Anweisung(int satz, int schritt, int loesungen)
{
    if (satz < satzSSS || satz > satzSsW || schritt < 0 || schritt > 6)
        return {};
    const int spalte = satz == satzSsW && loesungen == 2 ? 4 : satz - 1;
    return std::string(anweisungen[schritt][spalte]);
}

// ---------------------------------------------------------------- the picture

TBild SkizzenBild(const TGegeben& g)
{
    TBild b;
    TBau z{b};
    Skizze(z, g);
    return b;
}

namespace {

void OhneDoppelte(std::vector<std::string>& liste, const std::string& text)
{
    if (std::find(liste.begin(), liste.end(), text) == liste.end())
        liste.push_back(text);
}

} // namespace

std::string KonstruktionsBeschreibung(int satz, int loesungen, int schritt, int maxSchritt, const TDreieck& d)
{
    const TBild gezeichnet = KonstruktionsBild(satz, loesungen, schritt, d);
    TPunkt c2 = d.C;
    const bool zweiLoesungen = ZweiterEckpunkt(d, c2);
    std::vector<std::string> skizze, gegeben, beschriftet, ecken;
    for (const TBildTeil& teil : gezeichnet.teile) {
        if (const auto* t = std::get_if<bild::TText>(&teil)) {
            const std::string klar = Klartext(t->text);
            if (t->art == TTextArt::SymbolMitteMittig) {
                OhneDoppelte(beschriftet, "Winkel " + klar);
            } else if (t->art == TTextArt::Zentriert || t->art == TTextArt::SymbolMitte) {
                OhneDoppelte(skizze, klar);
                if (t->farbe == clRed)
                    OhneDoppelte(gegeben, klar);
            } else if (t->art == TTextArt::Mitte) {
                // A vertex name: said with the vertex it names.
                const bool zweite = t->text == "C!2" && zweiLoesungen;
                const TPunkt& p = t->text == "A" ? d.A
                    : t->text == "B"             ? d.B
                    : zweite                                     ? c2
                                                                 : d.C;
                OhneDoppelte(ecken, PunktText(klar, p.x, p.y, 0));
            } else if (klar != "Skizze") {
                OhneDoppelte(beschriftet, klar);
            }
        } else if (const auto* s = std::get_if<bild::TStreckenName>(&teil)) {
            OhneDoppelte(beschriftet, "Seite " + Klartext(s->text));
        }
    }
    std::string text =
        Satz("Schritt %1 von %2: %3", {schritt, maxSchritt, Klartext(Anweisung(satz, schritt, loesungen))});
    if (!skizze.empty())
        text += " Skizze mit " + Verbunden(skizze, ", ")
            + (gegeben.empty() ? "."
                                 : "; rot gegeben: " + Verbunden(gegeben, ", ")
                                       + ".");
    if (!ecken.empty())
        text += " Eckpunkte " + Verbunden(ecken, ", ") + ".";
    if (!beschriftet.empty())
        text += " Beschriftet: " + Verbunden(beschriftet, ", ") + ".";
    return text;
}

TBild KonstruktionsBild(int satz, int loesungen, int schritt, const TDreieck& d)
{
    TBild b;
    TBau z{b};
    const TMasse m = Masse(satz, loesungen, d);
    Anhaengen(alleSaetze, m, schritt, z);
    const std::span<const TZeile> jeSatz[] = {sss, wsw, sws, ssw};
    if (satz >= satzSSS && satz <= satzSsW)
        Anhaengen(jeSatz[satz - 1], m, schritt, z);
    return b;
}

TBild AnweisungsBild(int satz, int schritt, int loesungen)
{
    // Greek letters are placed by their top edge, a little above the middle.
    const std::string text = Anweisung(satz, schritt, loesungen);
    const bool griechisch = Enthaelt(text, "~");
    TBild b;
    b << bild::TText{griechisch ? TTextArt::SymbolMitte : TTextArt::Zentriert, text, {0.0f, griechisch ? 0.8f : 0.5f},
                     clNavy, 12, true};
    return b;
}

TPunkt WinkelNamenStelle(TPunkt m, float r, float von, float bis)
{
    const float spanne = float(L(bis) - von);
    const float abstand = float((spanne < 60.0f ? 0.8L : 0.5L) * r);
    return Polar(m, float(L(von) + L(spanne) / 2), abstand);
}

bool ZweiterEckpunkt(const TDreieck& d, TPunkt& c2)
{
    // The line from C towards A: the first intersection is C, the second lies towards A.
    float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
    if (!SchnittGeradeKreis(d.C.x, d.C.y, d.A.x, d.A.y, d.B.x, d.B.y, Abstand(d.B, d.C), x1, y1, x2, y2))
        return false;
    c2 = {x2, y2};
    return true;
}

} // namespace dreieck1
