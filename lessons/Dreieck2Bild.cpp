#include "lessons/Dreieck2Bild.h"

#include "draw/Texte.h"

#include "draw/PolKartU.h"
#include "draw/SchnittU.h"
#include "draw/Textmass.h"
#include "draw/VektorU.h"
#include "draw/ZufallU.h"

#include <algorithm>

namespace dreieck2 {

namespace {

using bild::TTextArt;

float Winkel(long double w) { return static_cast<float>(w); }

// Labels are placed beside others and kept apart in the drawing's pixels.
const TWeltfenster messwelt(grafikBreite, grafikHoehe, weltGrafik);

// A name that stands for a point or line which coincides with a named vertex
// or side of a right triangle: H at the right angle's vertex, and the two
// heights that run along its legs. It is written beside the other name so
// that both read as one label, "B = H" or, left of the triangle, "H = A".
struct TGleichheit {
    std::string name;     // the triangle's own name: "B", "a"
    std::string zweiter;  // what coincides with it: "H", "h!c"
    bool links;       // written left of the name
};

std::vector<TGleichheit> Gleichheiten(float alpha, float beta)
{
    if (beta == 90.0f) // C above B: H = B, h_c along a, h_a along c
        return {{"a", "h!c", false},
                {"c", "h!a", false},
                {"B", "H", false}};
    if (alpha == 90.0f) // C above A: H = A, h_c along b, h_b along c
        return {{"b", "h!c", true},
                {"A", "H", true},
                {"c", "h!b", false}};
    return {};
}

// ---------------------------------------------------------------------------
// What the steps of the four topics compute from the triangle.

struct TGroessen {
    TDreieck d;
    bool winkelAn = true;
    bool beschriftungAn = true;
    TFarbe farbe = clBlack;
    TPunkt Mab, Mac, Mbc;     // midpoints of the sides
    TPunkt H, S, U, I;        // the centres
    TPunkt Fc, Fa, Fb;        // feet of the heights
    TPunkt Tab, Tbc, Tac;     // where the incircle touches the sides
    float alpha = 0, beta = 0, gamma = 0;
    float rU = 0;             // circumradius |C - U|
    float rho = 0;            // inradius |T_AB - I|
};

// The centres and everything built on them; false for a degenerate triangle.
bool BerechneMittelpunkte(TGroessen& g)
{
    const TDreieck& d = g.d;
    if (!MerkwuerdigePunkte(d.A.x, d.A.y, d.B.x, d.B.y, d.C.x, d.C.y, g.H.x, g.H.y, g.S.x, g.S.y, g.U.x, g.U.y,
                            g.I.x, g.I.y))
        return false;
    if (!Hoehenfusspunkte(d, g.Fc, g.Fa, g.Fb) || !Beruehrpunkte(d, g.I, g.Tab, g.Tbc, g.Tac))
        return false;
    const TPunkt ab = Von(d.A, d.B), ac = Von(d.A, d.C), ba = Von(d.B, d.A), bc = Von(d.B, d.C);
    const TPunkt ca = Von(d.C, d.A), cb = Von(d.C, d.B);
    g.alpha = Zwischenwinkel(ab.x, ab.y, ac.x, ac.y);
    g.beta = Zwischenwinkel(ba.x, ba.y, bc.x, bc.y);
    g.gamma = Zwischenwinkel(ca.x, ca.y, cb.x, cb.y);
    g.rU = Abstand(g.U, d.C);
    g.rho = Abstand(g.I, g.Tab);
    return true;
}

// Drawing vocabulary of the step tables.

void Linie(TBild& b, int breite, TFarbe farbe, TPunkt von, TPunkt bis, int stil = linieVoll)
{
    b << bild::TStrecke{von, bis, breite, farbe, stil};
}

// A right angle's mark: pen width 1, radius 2.
void Rechtwinkel(TBild& b, TFarbe farbe, TPunkt richtung, TPunkt scheitel, char seite)
{
    b << bild::TRechterWinkel{richtung, scheitel, 2, 1, farbe, seite};
}

// Every label of the lesson is bold.
void Text(TBild& b, TTextArt art, const std::string& text, TFarbe farbe, int groesse, TPunkt ort)
{
    b << bild::TText{art, text, ort, farbe, groesse, true};
}

// A centre's letter, size 15.
void Mittelpunktname(TBild& b, TTextArt art, const std::string& text, TFarbe farbe, TPunkt ort)
{
    Text(b, art, text, farbe, 15, ort);
}

void Seitenname(TBild& b, const std::string& text, TFarbe farbe, TPunkt a, TPunkt bis, TPunkt k, float abstand)
{
    b << bild::TSeitenName{text, a, bis, k, abstand, farbe};
}

// The line through P and Q inside the square -18..18; false if there is none.
bool ImQuadrat(TPunkt p, TPunkt q, TPunkt& e1, TPunkt& e2)
{
    return GeradeImRechteck(p.x, p.y, q.x, q.y, 18, 18, e1.x, e1.y, e2.x, e2.y);
}

// Step 0: the triangle, each vertex named outside on the line from the opposite
// side's midpoint, each side named outside its midpoint on the line from the
// opposite vertex.
void ZeichneDreieck(const TGroessen& g, TBild& b)
{
    const TDreieck& d = g.d;
    Linie(b, 2, clBlack, d.A, d.B);
    Linie(b, 2, clBlack, d.A, d.C);
    Linie(b, 2, clBlack, d.B, d.C);
    const auto name = [&b](bool vor, const char* text, TPunkt p, TPunkt q, float abstand) {
        b << bild::TEckenName{std::string(text), p, q, abstand, vor};
    };
    name(true, "A", d.A, g.Mbc, 1);
    name(false, "a", d.A, g.Mbc, 1);
    name(true, "B", d.B, g.Mac, 1);
    name(false, "b", d.B, g.Mac, 1);
    name(true, "C", d.C, g.Mab, 1.5f);
    name(false, "c", d.C, g.Mab, 1);
}

// ---- Topic 1: heights. The dotted black lines prolong a side past a foot
// outside the triangle; the violet ones prolong the heights of a triangle that
// is obtuse at A or at B.

// One row of the heights' table: the height from a vertex to its foot, named
// beside it, its right angle marked unless another height marks it, and the
// lines that prolong sides and heights when the angle at A or at B is obtuse.
struct THoehe {
    TPunkt ecke, fuss;
    std::string name;
    float abstand;
    bool markieren;
    TPunkt richtung;
    char seite;
    std::vector<bild::TStrecke> beiStumpfemAlpha, beiStumpfemBeta;
};

// Where the name of a vertex or side stands (step 0).
TPunkt NamensPunkt(const TGroessen& g, const std::string& name)
{
    const TDreieck& d = g.d;
    if (name == "A")
        return Weiter(g.Mbc, d.A, 1);
    if (name == "B")
        return Weiter(g.Mac, d.B, 1);
    if (name == "a")
        return Weiter(d.A, g.Mbc, 1);
    if (name == "b")
        return Weiter(d.B, g.Mac, 1);
    return Weiter(d.C, g.Mab, 1); // "c"
}

// Writes `zweiter` beside the name it coincides with; false if nothing coincides.
bool Gleichsetzung(const TGroessen& g, TBild& b, const std::string& zweiter)
{
    for (const TGleichheit& gl : Gleichheiten(g.alpha, g.beta)) {
        if (gl.zweiter != zweiter)
            continue;
        const TSchrift namen{"Arial", 12, true, clBlack}; // measured in the names' font only
        const long double halb = textmass::Breite(namen, textmass::Utf16(gl.name)) / 2.0L;
        const long double luecke = textmass::Breite(namen, u" ");
        const std::string text = gl.links ? zweiter + " = " : "= " + zweiter;
        // Left of the name the text ends in its own blank; right of it a blank comes first.
        const long double pixel =
            gl.links ? -(halb + textmass::MarkierteBreite(textmass::Utf16(text), 12, true)) : halb + luecke;
        const TPunkt ort = Versetzt(NamensPunkt(g, gl.name), pixel / messwelt.einheitX, 0);
        b << bild::TText{TTextArt::FarbLinksMittig, text, ort, g.farbe, 12, true, g.farbe};
        return true;
    }
    return false;
}

void Hoehe(const TGroessen& g, TBild& b, const THoehe& h)
{
    Linie(b, 1, g.farbe, h.ecke, h.fuss);
    // A height along a leg of a right triangle is named beside the leg's name.
    if (g.beschriftungAn && !Gleichsetzung(g, b, h.name))
        Seitenname(b, h.name, g.farbe, h.ecke, h.fuss, g.H, h.abstand);
    if (g.winkelAn && h.markieren)
        Rechtwinkel(b, g.farbe, h.richtung, h.fuss, h.seite);
    if (g.alpha > 90.0f)
        for (const bild::TStrecke& s : h.beiStumpfemAlpha)
            b << s;
    if (g.beta > 90.0f)
        for (const bild::TStrecke& s : h.beiStumpfemBeta)
            b << s;
}

// A side prolonged, dotted black; a height prolonged, in the topic's colour.
bild::TStrecke Seite(TPunkt von, TPunkt bis) { return {von, bis, 1, clBlack, liniePunktiert}; }
bild::TStrecke Verlaengerung(const TGroessen& g, TPunkt von, TPunkt bis) { return {von, bis, 1, g.farbe, linieVoll}; }

// How far a height is prolonged past its foot when H lies beyond that foot:
// 6 units, or further where H does, so that the line reaches H and goes on by
// one unit.
float BisUeberH(const TGroessen& g, TPunkt fuss)
{
    const long double bisH = Abstand(fuss, g.H);
    return static_cast<float>(std::max(6.0L, bisH + 1.0L));
}

void HoeheC(const TGroessen& g, TBild& b)
{
    const TDreieck& d = g.d;
    // With the right angle at B the mark belongs to the height from A.
    Hoehe(g, b,
          {d.C, g.Fc, "h!c", 1.2f, g.beta != 90.0f, Von(d.A, d.B), g.Fc.x < d.A.x ? 'R' : 'L',
           {Seite(d.A, Weiter(d.A, g.Fc, 6)), Verlaengerung(g, g.Fc, Weiter(d.C, g.Fc, BisUeberH(g, g.Fc)))},
           {Seite(d.A, Weiter(d.B, g.Fc, 6)), Verlaengerung(g, g.Fc, Weiter(g.Fc, g.H, 6))}});
}

void HoeheA(const TGroessen& g, TBild& b)
{
    const TDreieck& d = g.d;
    Hoehe(g, b,
          {d.A, g.Fa, "h!a", 1.2f, true, Von(d.B, d.C), g.Fa.y < d.B.y ? 'R' : 'L',
           {Verlaengerung(g, d.A, Weiter(d.A, g.H, 6))},
           {Seite(d.B, Weiter(d.B, g.Fa, 6)), Verlaengerung(g, g.Fa, Weiter(g.Fa, g.H, 6))}});
}

void Hoehenschnittpunkt(const TGroessen& g, TBild& b)
{
    if (Gleichsetzung(g, b, "H")) // H is the right angle's vertex
        return;
    const TPunkt ort = g.H.x < g.d.A.x ? Versetzt(g.H, -1.2L, -0.8L) : Versetzt(g.H, 0.8L, -0.8L);
    Mittelpunktname(b, TTextArt::Zentriert, "H", g.farbe, ort);
}

void HoeheB(const TGroessen& g, TBild& b)
{
    const TDreieck& d = g.d;
    // With the right angle at A its mark stands there since the first height.
    Hoehe(g, b,
          {d.B, g.Fb, "h!b", 1.1f, g.alpha != 90.0f, Von(d.C, d.A), g.Fb.y < d.B.y ? 'L' : 'R',
           {Seite(d.A, Weiter(d.A, g.Fb, 6)), Verlaengerung(g, g.Fb, Weiter(d.B, g.Fb, BisUeberH(g, g.Fb)))},
           {Verlaengerung(g, d.B, Weiter(d.B, g.H, 6))}});
}

// ---- Topic 2: perpendicular bisectors of the sides, clipped to the square,
// named at their first end.

void Seitensymmetrale(const TGroessen& g, TBild& b, TPunkt p, TPunkt q, TPunkt m, const std::string& name,
                      TPunkt markenRichtung, char seite)
{
    const TPunkt d = Von(p, q);
    TPunkt n, mn, e1, e2;
    Normale(d.x, d.y, n.x, n.y);
    Summe(m.x, m.y, n.x, n.y, mn.x, mn.y);
    if (!ImQuadrat(m, mn, e1, e2))
        return;
    Linie(b, 1, g.farbe, e1, e2, linieStrichPunkt);
    if (g.beschriftungAn)
        Text(b, TTextArt::Zentriert, name, g.farbe, 12, e1);
    if (g.winkelAn)
        Rechtwinkel(b, g.farbe, markenRichtung, m, seite);
}

void SymmetraleAB(const TGroessen& g, TBild& b)
{
    Seitensymmetrale(g, b, g.d.A, g.d.B, g.Mab, "s!A!B", Von(g.d.A, g.d.B), 'L');
}

void SymmetraleAC(const TGroessen& g, TBild& b)
{
    Seitensymmetrale(g, b, g.d.A, g.d.C, g.Mac, "s!A!C", Von(g.d.C, g.d.A), 'L');
}

void Umkreismittelpunkt(const TGroessen& g, TBild& b)
{
    Mittelpunktname(b, TTextArt::Zentriert, "U", g.farbe, Versetzt(g.U, 0.8L, -0.8L));
}

void SymmetraleBC(const TGroessen& g, TBild& b)
{
    Seitensymmetrale(g, b, g.d.B, g.d.C, g.Mbc, "s!B!C", Von(g.d.B, g.d.C), 'R');
}

void Umkreis(const TGroessen& g, TBild& b)
{
    b << bild::TKreis{g.U, g.rU, 2, g.farbe};
}

// ---- Topic 3: angle bisectors through the incentre, each angle marked by an
// arc of radius 4 and its halves by two fractions.

struct THalbierung {
    std::string name;       // "w*a"
    bool nameBeiE1;     // the name at the first end of the clipped line, else at the second
    std::string winkel;     // "~a"
    float von, bis;     // the arc
    float bruch1, bruch2;   // directions of the two fractions
    float abstand2;         // distance of the second fraction (the first is at 6)
};

void SetzeMessschriften(TBild& b);

// True when the last label of the picture shares a pixel with an earlier one.
bool LetztesLabelUeberdeckt(const TBild& b)
{
    TBild probe = b;
    SetzeMessschriften(probe);
    const std::vector<textmass::TTextKasten> kaesten = textmass::Kaesten(probe, messwelt);
    if (kaesten.empty() || kaesten.back().teil + 1 != probe.teile.size())
        return false;
    return std::any_of(kaesten.begin(), kaesten.end() - 1,
                       [&](const textmass::TTextKasten& k) { return k.kasten.Schneidet(kaesten.back().kasten); });
}

void Winkelsymmetrale(const TGroessen& g, TBild& b, TPunkt v, const THalbierung& h)
{
    TPunkt e1, e2;
    if (!ImQuadrat(v, g.I, e1, e2))
        return;
    Linie(b, 1, g.farbe, e1, e2, linieStrichPunkt);
    if (g.beschriftungAn) {
        const TPunkt ende = h.nameBeiE1 ? e1 : e2;
        Text(b, TTextArt::SymbolMitte, h.name, g.farbe, 12, ende);
        // The end of the line above C can lie just beyond C's name: the line's
        // name then moves on past the end.
        if (LetztesLabelUeberdeckt(b))
            std::get<bild::TText>(b.teile.back()).ort = Weiter(v, ende, 1.5f);
    }
    if (g.winkelAn) {
        // The arc black and thin; each half as the Greek name over "2".
        b << bild::TBogen{v, 4, h.von, h.bis, 1, clBlack};
        b << bild::TBruch{h.winkel, "2", Polar(v, h.bruch1, 6), 10, true, clBlack};
        b << bild::TBruch{h.winkel, "2", Polar(v, h.bruch2, h.abstand2), 10, true, clBlack};
    }
}

// AB is horizontal, so the angle at A starts at 0 and the one at B ends at 180.
void HalbiereAlpha(const TGroessen& g, TBild& b)
{
    const long double a = g.alpha;
    Winkelsymmetrale(g, b, g.d.A,
                     {"w*a", true, "~a", 0, g.alpha, Winkel(a / 4),
                      Winkel(3 * a / 4), 6.5f});
}

void HalbiereBeta(const TGroessen& g, TBild& b)
{
    const long double w = g.beta;
    Winkelsymmetrale(g, b, g.d.B,
                     {"w*b", false, "~b", Winkel(180 - w), 180,
                      Winkel(180 - w / 4), Winkel(180 - 3 * w / 4), 6.5f});
}

void Inkreismittelpunkt(const TGroessen& g, TBild& b)
{
    Mittelpunktname(b, TTextArt::TimesMitte, "~I", g.farbe, Versetzt(g.I, 0.8L, -0.8L));
}

void HalbiereGamma(const TGroessen& g, TBild& b)
{
    const long double start = 180.0L + g.alpha, w = g.gamma;
    Winkelsymmetrale(g, b, g.d.C,
                     {"w*g", true, "~g", Winkel(start), Winkel(start + w),
                      Winkel(start + w / 4), Winkel(start + 3 * w / 4), 6});
}

void Inkreis(const TGroessen& g, TBild& b)
{
    Linie(b, 2, clBlack, g.I, g.Tab, liniePunktiert);
    Linie(b, 2, clBlack, g.I, g.Tac, liniePunktiert);
    Linie(b, 2, clBlack, g.I, g.Tbc, liniePunktiert);
    // "ρ" beside the radius to T_BC, on its right-hand side.
    const TPunkt m = Mittelpunkt(g.I, g.Tbc);
    TPunkt ort;
    NormalVersatz(g.I.x, g.I.y, g.Tbc.x, g.Tbc.y, m.x, m.y, 0.6f, ort.x, ort.y);
    Text(b, TTextArt::SymbolMitte, "~r", g.farbe, 12, ort);
    b << bild::TKreis{g.I, g.rho, 2, g.farbe};
}

// ---- Topic 4: medians from the midpoints to the opposite vertices.

void Schwerlinie(const TGroessen& g, TBild& b, TPunkt mitte, TPunkt ecke, const std::string& name)
{
    Linie(b, 1, g.farbe, mitte, ecke);
    if (g.beschriftungAn)
        Seitenname(b, name, g.farbe, mitte, ecke, g.S, 0.8f);
}

void SchwerlinieC(const TGroessen& g, TBild& b) { Schwerlinie(g, b, g.Mab, g.d.C, "s!C"); }
void SchwerlinieB(const TGroessen& g, TBild& b) { Schwerlinie(g, b, g.Mac, g.d.B, "s!B"); }
void SchwerlinieA(const TGroessen& g, TBild& b) { Schwerlinie(g, b, g.Mbc, g.d.A, "s!A"); }

void Schwerpunkt(const TGroessen& g, TBild& b)
{
    Mittelpunktname(b, TTextArt::Zentriert, "S", g.farbe, Versetzt(g.S, 0.8L, -0.8L));
}

// The steps of each topic: row k is what step k adds.
using TZeile = void (*)(const TGroessen&, TBild&);
const std::vector<TZeile> schrittZeilen[5] = {
    {},
    {HoeheC, HoeheA, Hoehenschnittpunkt, HoeheB},
    {SymmetraleAB, SymmetraleAC, Umkreismittelpunkt, SymmetraleBC, Umkreis},
    {HalbiereAlpha, HalbiereBeta, Inkreismittelpunkt, HalbiereGamma, Inkreis},
    {SchwerlinieC, SchwerlinieB, Schwerpunkt, SchwerlinieA},
};

bool GueltigeEigenschaft(int eigenschaft) { return eigenschaft >= hoehen && eigenschaft <= schwerlinien; }

// ---------------------------------------------------------------------------
// The instructions: one or two lines per step. A single line is centred on
// (0, 0.5); of two lines the first is centred on (0, 1.3) and the second on
// (0, -0.7). Lines with Greek letters hang from their top at the given y.

struct TZeilenVorlage {
    TTextArt art;
    float x, y;
    const char* text; // UTF-8; none for a step with one line
};

struct TAnweisungsVorlage {
    TZeilenVorlage erste;
    TZeilenVorlage zweite;
};

constexpr TZeilenVorlage keine{TTextArt::Zentriert, 0, 0, nullptr};

constexpr TZeilenVorlage einzeln(const char* text) { return {TTextArt::Zentriert, 0, 0.5f, text}; }
constexpr TZeilenVorlage oben(const char* text) { return {TTextArt::Zentriert, 0, 1.3f, text}; }
constexpr TZeilenVorlage unten(const char* text, float x = 0) { return {TTextArt::Zentriert, x, -0.7f, text}; }
constexpr TZeilenVorlage griechisch(const char* text, float y = 0.8f) { return {TTextArt::SymbolMitte, 0, y, text}; }

constexpr TAnweisungsVorlage schritt0{einzeln("Zeichne das Dreieck ABC und beschrifte es entsprechend."), keine};

const std::vector<TAnweisungsVorlage> anweisungen[5] = {
    {},
    {
        {einzeln("Zeichne eine Normale vom Eckpunkt C zur gegenüberligenden Seite AB, um die Höhe h!c zu "
                 "erhalten."),
         keine},
        {einzeln("Zeichne eine Normale vom Eckpunkt A zur gegenüberligenden Seite BC, um die Höhe h!a zu "
                 "erhalten."),
         keine},
        {einzeln("Der Schnittpunkt der beiden Höhen heißt Höhenschnittpunkt H."), keine},
        {oben("Zeichne eine Normale vom Eckpunkt B zur gegenüberligenden Seite AC, um die Höhe h!b zu "
              "erhalten."),
         unten("Alle drei Höhen schneiden sich im Höhenschnittpunkt.")},
    },
    {
        {einzeln("Zeichne eine Normale durch den Mittelpunkt der Strecke AB, um die Seitensymmetrale s!A!B zu "
                 "erhalten."),
         keine},
        {einzeln("Zeichne eine Normale durch den Mittelpunkt der Strecke AC, um die Seitensymmetrale s!A!C zu "
                 "erhalten."),
         keine},
        {einzeln("Der Schnittpunkt der beiden Seitensymmetralen heißt Umkreismittelpunkt U."), keine},
        {oben("Zeichne eine Normale durch den Mittelpunkt der Strecke BC, um die Seitensymmetrale s!B!C zu "
              "erhalten."),
         unten("Alle drei Seitensymmetrale schneiden sich im Umkreismittelpunkt, der von den Eckpunkten des "
               "Dreiecks gleich weit entfernt ist.",
               1)},
        {einzeln("Der Abstand des Umkreismittelpunkts von den Eckpunkten des Dreicks ABC ist der "
                 "Umkreisradius r."),
         keine},
    },
    {
        {griechisch("Halbiere den Winkel ~a beim Punkt A, um die Winkelsymmetrale w*a zu erhalten."), keine},
        {griechisch("Halbiere den Winkel ~b beim Punkt B, um die Winkelsymmetrale w*b zu erhalten."), keine},
        {{TTextArt::TimesMitte, 0, 0.5f,
          "Der Schnittpunkt der beiden Winkelsymmetralen heißt Inkreismittelpunkt ~I."},
         keine},
        {griechisch("Halbiere den Winkel ~g beim Punkt C, um die Winkelsymmetrale w*g zu erhalten.", 1.6f),
         unten("Alle drei Winkelsymmetralen schneiden sich im Inkreismittelpunkt, der von den Seiten des "
               "Dreiecks gleich weit entfernt ist.")},
        {griechisch("Der Abstand des Inkreismittelpunkts von den Seiten des Dreicks ABC ist der "
                    "Inkreisradius ~r."),
         keine},
    },
    {
        {einzeln("Halbiere die Strecke AB und verbinde sie mit dem Eckpunkt C, um die Schwerlinie s!C zu "
                 "erhalten."),
         keine},
        {einzeln("Halbiere die Strecke AC und verbinde sie mit dem Eckpunkt B, um die Schwerlinie s!B zu "
                 "erhalten."),
         keine},
        {einzeln("Der Schnittpunkt der beiden Schwelinien heißt Schwerpunkt S."), keine},
        {oben("Halbiere die Strecke BC und verbinde sie mit dem Eckpunkt A, um die Schwerlinie s!A zu "
              "erhalten."),
         unten("Alle drei Schwerlinien schneiden sich im Schwerpunkt.")},
    },
};

// ---------------------------------------------------------------------------
// The rules for random triangles: each coordinate is vorzeichen * Random(anzahl)
// + versatz, or the fixed value `versatz` where nothing is drawn (anzahl 0).

struct TZufallsZahl {
    int anzahl, vorzeichen, versatz;
};

struct TRegel {
    TZufallsZahl ax, ay, bx, cx, cy;
};

float Ziehe(TZufallsZahl z)
{
    return float(z.anzahl > 0 ? z.vorzeichen * Random(z.anzahl) + z.versatz : z.versatz);
}

const TRegel zufallsRegeln[5] = {
    {},
    {{16, 1, -16}, {7, -1, -10}, {14, 1, 1}, {34, 1, -19}, {7, 1, 10}}, // heights
    {{16, 1, -16}, {0, 0, -10}, {14, 1, 1}, {34, 1, -17}, {0, 0, 17}},  // perpendicular bisectors
    {{14, 1, -14}, {7, -1, -10}, {14, 1, 1}, {34, 1, -17}, {7, 1, 10}}, // angle bisectors
    {{14, 1, -14}, {7, -1, -10}, {14, 1, 1}, {34, 1, -17}, {7, 1, 10}}, // medians, as angle bisectors
};

void FuegeZeile(TBild& b, const TZeilenVorlage& z)
{
    if (z.text)
        b << bild::TText{z.art, std::string(z.text), {z.x, z.y}, clNavy, 12, true};
}

// ---------------------------------------------------------------------------
// A centred label (a vertex or side name, the name of a line or a centre, an
// instruction line) is centred by the size of its whole text in the font that
// the label before it left on the canvas: "h!b" after the large "H" is placed
// as if it were written large. Each centred label carries that font.

void SetzeMessschriften(TBild& b)
{
    const std::string arial = "Arial";
    TSchrift schrift; // what a canvas starts with
    for (TBildTeil& teil : b.teile) {
        if (auto* t = std::get_if<bild::TText>(&teil)) {
            if (t->art == TTextArt::Zentriert)
                t->mass = schrift;
            schrift = SchriftNach(*t);
        } else if (auto* e = std::get_if<bild::TEckenName>(&teil)) {
            e->mass = schrift;
            schrift = {arial, 12, true, e->farbe};
        } else if (auto* n = std::get_if<bild::TSeitenName>(&teil)) {
            n->mass = schrift;
            schrift = {arial, 12, true, n->farbe};
        } else if (const auto* br = std::get_if<bild::TBruch>(&teil)) {
            schrift = {arial, br->groesse, br->fett, br->farbe}; // as the denominator leaves it
        }
    }
}

} // namespace

// ---------------------------------------------------------------------------

std::string Titel(int eigenschaft)
{
    switch (eigenschaft) {
    case seitensymmetralen: return "Seitensymmetralen, Umkreismittelpunkt und Umkreis";
    case winkelsymmetralen: return "Winkelsymmetralen, Inkreismittelpunkt und Inkreis";
    case schwerlinien: return "Schwerlinien und Schwerpunkt";
    default: return "Höhen und Höhenschnittpunkt";
    }
}

TFarbe Farbe(int eigenschaft)
{
    switch (eigenschaft) {
    case seitensymmetralen: return palette::braun;
    case winkelsymmetralen: return palette::oliv;
    case schwerlinien: return palette::magenta;
    default: return palette::violett;
    }
}

bool Hoehenfusspunkte(const TDreieck& d, TPunkt& fc, TPunkt& fa, TPunkt& fb)
{
    TPunkt c, a, b;
    if (!Lotfusspunkt(d.C.x, d.C.y, d.A.x, d.A.y, d.B.x, d.B.y, c.x, c.y)
        || !Lotfusspunkt(d.A.x, d.A.y, d.B.x, d.B.y, d.C.x, d.C.y, a.x, a.y)
        || !Lotfusspunkt(d.B.x, d.B.y, d.A.x, d.A.y, d.C.x, d.C.y, b.x, b.y))
        return false;
    fc = c;
    fa = a;
    fb = b;
    return true;
}

bool Beruehrpunkte(const TDreieck& d, TPunkt i, TPunkt& tab, TPunkt& tbc, TPunkt& tac)
{
    TPunkt ab, bc, ac;
    if (!Lotfusspunkt(i.x, i.y, d.A.x, d.A.y, d.B.x, d.B.y, ab.x, ab.y)
        || !Lotfusspunkt(i.x, i.y, d.B.x, d.B.y, d.C.x, d.C.y, bc.x, bc.y)
        || !Lotfusspunkt(i.x, i.y, d.A.x, d.A.y, d.C.x, d.C.y, ac.x, ac.y))
        return false;
    tab = ab;
    tbc = bc;
    tac = ac;
    return true;
}

TBild SchrittBild(int eigenschaft, int schritt, bool winkelAn, bool beschriftungAn, const TDreieck& d)
{
    TBild zeichnung;
    TGroessen g;
    g.d = d;
    g.winkelAn = winkelAn;
    g.beschriftungAn = beschriftungAn;
    g.farbe = Farbe(eigenschaft);
    g.Mab = Mittelpunkt(d.A, d.B);
    g.Mac = Mittelpunkt(d.A, d.C);
    g.Mbc = Mittelpunkt(d.B, d.C);
    ZeichneDreieck(g, zeichnung);
    if (GueltigeEigenschaft(eigenschaft) && schritt > 0 && BerechneMittelpunkte(g)) {
        const std::vector<TZeile>& zeilen = schrittZeilen[eigenschaft];
        for (int s = 1; s <= schritt && s <= int(zeilen.size()); ++s)
            zeilen[s - 1](g, zeichnung);
    }
    SetzeMessschriften(zeichnung);
    return zeichnung;
}

TBild Anweisung(int eigenschaft, int schritt)
{
    const TAnweisungsVorlage* vorlage = &schritt0;
    if (GueltigeEigenschaft(eigenschaft) && schritt >= 1 && schritt <= int(anweisungen[eigenschaft].size()))
        vorlage = &anweisungen[eigenschaft][schritt - 1];
    TBild zeilen;
    FuegeZeile(zeilen, vorlage->erste);
    FuegeZeile(zeilen, vorlage->zweite);
    SetzeMessschriften(zeilen);
    return zeilen;
}

bool DreieckZulaessig(int eigenschaft, const TDreieck& d)
{
    const float c = Abstand(d.A, d.B);
    const float b = Abstand(d.A, d.C);
    if (!(c > 20 && b > 20))
        return false;
    if (eigenschaft == hoehen) {
        // The height labels and H must stay inside the drawing.
        float hx, hy, sx, sy, ux, uy, ix, iy;
        if (!MerkwuerdigePunkte(d.A.x, d.A.y, d.B.x, d.B.y, d.C.x, d.C.y, hx, hy, sx, sy, ux, uy, ix, iy)
            || !(hy > -18 && hy < 18))
            return false;
    }
    return BeschriftungenFrei(eigenschaft, d);
}

bool BeschriftungenFrei(int eigenschaft, const TDreieck& d)
{
    if (!GueltigeEigenschaft(eigenschaft))
        return true;
    for (int schalter = 0; schalter < 4; ++schalter) {
        const TBild bild = SchrittBild(eigenschaft, schritteJeEigenschaft[eigenschaft], schalter & 1, schalter & 2, d);
        if (textmass::Ueberlappen(textmass::Kaesten(bild, messwelt)))
            return false;
    }
    return true;
}

TDreieck ZufallsKandidat(int eigenschaft)
{
    // The rule of each topic: A.x, A.y, B.x, C.x, C.y, drawn in this order; B.y = A.y.
    const TRegel& regel = zufallsRegeln[GueltigeEigenschaft(eigenschaft) ? eigenschaft : winkelsymmetralen];
    TDreieck d;
    d.A.x = Ziehe(regel.ax);
    d.A.y = Ziehe(regel.ay);
    d.B.x = Ziehe(regel.bx);
    d.B.y = d.A.y;
    d.C.x = Ziehe(regel.cx);
    d.C.y = Ziehe(regel.cy);
    return d;
}

TDreieck ZufallsDreieck(int eigenschaft)
{
    TDreieck d;
    do
        d = ZufallsKandidat(eigenschaft);
    while (!DreieckZulaessig(eigenschaft, d));
    return d;
}

std::string AnweisungsText(int eigenschaft, int schritt)
{
    std::vector<std::string> zeilen;
    for (const TBildTeil& teil : Anweisung(eigenschaft, schritt).teile)
        if (const auto* zeile = std::get_if<bild::TText>(&teil))
            zeilen.push_back(Klartext(zeile->text));
    return Verbunden(zeilen, " ");
}

namespace {

// A name written beside the one it coincides with is read together with it:
// "B" becomes "B = H". False for every other text.
bool Gleichgesetzt(const bild::TText& t, const TDreieck& d, std::vector<std::string>& beschriftet,
                   std::string& mittelpunkt)
{
    const TPunkt ab = Von(d.A, d.B), ac = Von(d.A, d.C), ba = Von(d.B, d.A), bc = Von(d.B, d.C);
    for (const TGleichheit& gl : Gleichheiten(Zwischenwinkel(ab.x, ab.y, ac.x, ac.y),
                                              Zwischenwinkel(ba.x, ba.y, bc.x, bc.y))) {
        if (t.text != (gl.links ? gl.zweiter + " = " : "= " + gl.zweiter))
            continue;
        const std::string eigener = Klartext(gl.name), zweiter = Klartext(gl.zweiter);
        const auto i = std::find(beschriftet.begin(), beschriftet.end(), eigener);
        if (i != beschriftet.end())
            *i = gl.links ? zweiter + " = " + eigener : eigener + " = " + zweiter;
        if (gl.zweiter == "H")
            mittelpunkt = zweiter;
        return true;
    }
    return false;
}

} // namespace

std::string SchrittBeschreibung(int eigenschaft, int schritt, int maxSchritt, bool winkelAn, bool beschriftungAn,
                            const TDreieck& d)
{
    const TBild zeichnung = SchrittBild(eigenschaft, schritt, winkelAn, beschriftungAn, d);
    std::vector<std::string> beschriftet;
    std::string mittelpunkt, kreis;
    const auto neu = [&beschriftet](const std::string& t) {
        if (!t.empty() && std::find(beschriftet.begin(), beschriftet.end(), t) == beschriftet.end())
            beschriftet.push_back(t);
    };
    for (const TBildTeil& e : zeichnung.teile) {
        if (const auto* t = std::get_if<bild::TText>(&e)) {
            if (Gleichgesetzt(*t, d, beschriftet, mittelpunkt))
                continue;
            const std::string name = Klartext(t->text);
            neu(name);
            // A centre's name is drawn larger than every other label.
            if (t->groesse == 15)
                mittelpunkt = name;
        } else if (const auto* n = std::get_if<bild::TEckenName>(&e)) {
            neu(Klartext(n->text));
        } else if (const auto* n = std::get_if<bild::TSeitenName>(&e)) {
            neu(Klartext(n->text));
        } else if (const auto* h = std::get_if<bild::TBruch>(&e)) {
            neu(Klartext(h->zaehler) + "/2");
        } else if (const auto* k = std::get_if<bild::TKreis>(&e)) {
            kreis = Satz("Kreis um %1 mit dem Radius %2", {PunktText(std::string(), k->mitte.x, k->mitte.y), ZahlFuerLeser(k->radius)});
        }
    }
    std::string text = Satz("Dreieck %1, %2, %3; %4 – Schritt %5 von %6: %7", {PunktText("A", d.A.x, d.A.y), PunktText("B", d.B.x, d.B.y), PunktText("C", d.C.x, d.C.y), Titel(eigenschaft), schritt, maxSchritt, AnweisungsText(eigenschaft, schritt)});
    text += Satz(" Winkelmarken %1; Beschriftung %2.", {winkelAn ? "eingeblendet" : "ausgeblendet", beschriftungAn ? "eingeblendet" : "ausgeblendet"});
    if (!beschriftet.empty())
        text += " Beschriftet: " + Verbunden(beschriftet, ", ") + ".";
    TPunkt h, sp, u, i;
    if (!mittelpunkt.empty()
        && MerkwuerdigePunkte(d.A.x, d.A.y, d.B.x, d.B.y, d.C.x, d.C.y, h.x, h.y, sp.x, sp.y, u.x, u.y, i.x, i.y)) {
        const TPunkt& p = mittelpunkt == "H" ? h
            : mittelpunkt == "U"             ? u
            : mittelpunkt == "S"             ? sp
                                                             : i;
        const std::string name = eigenschaft == hoehen ? "Höhenschnittpunkt"
            : eigenschaft == seitensymmetralen     ? "Umkreismittelpunkt"
            : eigenschaft == schwerlinien          ? "Schwerpunkt"
                                                   : "Inkreismittelpunkt";
        text += Satz(" %1 %2.", {name, PunktText(mittelpunkt, p.x, p.y)});
    }
    if (!kreis.empty())
        text += ' ' + kreis + '.';
    return text;
}

} // namespace dreieck2
