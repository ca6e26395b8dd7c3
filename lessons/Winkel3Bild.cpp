#include "lessons/Winkel3Bild.h"

#include "draw/GlobalU.h"
#include "draw/Texte.h"
#include "draw/VektorU.h"

#include <algorithm>

#include <utility>

namespace {

constexpr float markenRadius = 1.5f;
constexpr float parallele = 3.0f; // the parallels of mode 2 lie at y = 3 and y = -3

// The four angles at a crossing, as arcs counter-clockwise.
TWinkelBogen RechtsOben(float cx, float cy, float a, TFarbe f) { return {cx, cy, 0.0f, a, f}; }
TWinkelBogen LinksOben(float cx, float cy, float a, TFarbe f) { return {cx, cy, a, 180.0f, f}; }
TWinkelBogen LinksUnten(float cx, float cy, float a, TFarbe f)
{
    return {cx, cy, 180.0f, float(180.0L + a), f};
}
TWinkelBogen RechtsUnten(float cx, float cy, float a, TFarbe f)
{
    return {cx, cy, float(180.0L + a), 360.0f, f};
}

} // namespace

// ---------------------------------------------------------------------------
// Geometry and marks

void BerechneKreuzung(float ux, float uy, float ox, float oy, float hoehe, TKreuzung& k)
{
    float dx = 0.0f, dy = 0.0f, nx = 0.0f, ny = 0.0f;
    Differenz(ux, uy, ox, oy, dx, dy);
    Normale(dx, dy, nx, ny);
    // A horizontal line has the normal (0, -1); parallel lines leave the points as they were.
    Schnittpunkt(ux, uy, nx, ny, 0.0f, hoehe, 0.0f, -1.0f, k.sX, k.sY);
    Schnittpunkt(ux, uy, nx, ny, 0.0f, parallele, 0.0f, -1.0f, k.s1X, k.s1Y);
    Schnittpunkt(ux, uy, nx, ny, 0.0f, -parallele, 0.0f, -1.0f, k.s2X, k.s2Y);
    k.alpha = Zwischenwinkel(dx, dy, 1.0f, 0.0f);
    k.beta = float(180.0L - k.alpha);
}

TWinkelMarken LinkeMarken(int modus, int variante, int schritt, const TKreuzung& k)
{
    // Variant 1 marks the angle right above a crossing and the one opposite it,
    // variant 2 the angle left above and the one opposite it.
    const bool v1 = variante == 1;
    const auto erster = v1 ? RechtsOben : LinksOben;
    const auto zweiter = v1 ? LinksUnten : RechtsUnten;
    const TFarbe eins = v1 ? palette::braun : palette::orange;
    const TFarbe zwei = v1 ? clGreen : palette::himmelblau;
    const float wert = v1 ? k.alpha : k.beta;
    TWinkelMarken m;
    if (modus == 1) {
        // Vertical angles at S.
        m.boegen = {erster(k.sX, k.sY, k.alpha, eins), zweiter(k.sX, k.sY, k.alpha, zwei)};
        m.panel1 = TPanelWert{wert, eins};
        m.panel2 = TPanelWert{wert, zwei};
        return m;
    }
    // Equal angles at the parallels, one more with each step.
    m.boegen.push_back(erster(k.s1X, k.s1Y, k.alpha, eins));
    m.panel1 = TPanelWert{wert, eins};
    if (schritt >= 1) {
        m.boegen.push_back(zweiter(k.s1X, k.s1Y, k.alpha, zwei));
        m.panel2 = TPanelWert{wert, zwei};
    }
    if (schritt >= 2)
        m.boegen.push_back(erster(k.s2X, k.s2Y, k.alpha, eins));
    if (schritt >= 3)
        m.boegen.push_back(zweiter(k.s2X, k.s2Y, k.alpha, zwei));
    return m;
}

TWinkelMarken RechteMarken(int modus, int variante, int schritt, const TKreuzung& k)
{
    // A pair of adjacent angles at a crossing: variant 1 the angles above the
    // line, variant 2 those below it. The second pair lies left of the segment
    // (variant 1) or right of it (variant 2).
    const bool v1 = variante == 1;
    const TFarbe eins = v1 ? palette::braun : palette::orange;
    const TFarbe zwei = v1 ? clGreen : palette::himmelblau;
    TWinkelMarken m;
    const auto erstesPaar = [&](float cx, float cy) {
        m.boegen.push_back((v1 ? RechtsOben : LinksUnten)(cx, cy, k.alpha, eins));
        m.boegen.push_back((v1 ? LinksOben : RechtsUnten)(cx, cy, k.alpha, zwei));
    };
    const auto zweitesPaar = [&](float cx, float cy) {
        m.boegen.push_back((v1 ? LinksOben : RechtsUnten)(cx, cy, k.alpha, zwei));
        m.boegen.push_back((v1 ? LinksUnten : RechtsOben)(cx, cy, k.alpha, eins));
    };
    if (modus == 1 || schritt <= 1 || schritt == 4) {
        m.panel1 = TPanelWert{k.alpha, eins};
        m.panel2 = TPanelWert{k.beta, zwei};
    }
    if (modus == 1) {
        // Adjacent angles at S.
        erstesPaar(k.sX, k.sY);
        return m;
    }
    // Angles adding up to 180°. Steps 0 and 1 show the first pair at S1 (and
    // S2), steps 2 and 3 replace it by the second pair, step 4 shows both pairs
    // together at both crossings.
    struct TPaare {
        bool erstes, zweites, beideKreuzungen;
    };
    static constexpr TPaare jeSchritt[] = {
        {true, false, false}, {true, false, true}, {false, true, false}, {false, true, true}};
    const TPaare paare = schritt >= 0 && schritt <= 3 ? jeSchritt[schritt] : TPaare{true, true, true};
    for (const auto& [x, y] : {std::pair{k.s1X, k.s1Y}, std::pair{k.s2X, k.s2Y}}) {
        if (paare.erstes)
            erstesPaar(x, y);
        if (paare.zweites)
            zweitesPaar(x, y);
        if (!paare.beideKreuzungen)
            break;
    }
    return m;
}

std::string PanelText(float wert)
{
    return ZahlText(wert, 2) + "°";
}

std::string Farbname(TFarbe f)
{
    if (f == palette::braun)
        return "brauner";
    if (f == clGreen)
        return "grüner";
    if (f == palette::orange)
        return "oranger";
    if (f == palette::himmelblau)
        return "hellblauer";
    return std::string();
}

namespace {

// The quarter an arc marks, from the way the arcs are built about a crossing.
std::string Lage(const TWinkelBogen& b)
{
    if (b.von == 0.0f)
        return "rechts oben";
    if (b.bis == 360.0f)
        return "rechts unten";
    if (b.von == 180.0f)
        return "links unten";
    return "links oben";
}

} // namespace

std::string Winkel3Beschreibung(int modus, const TKreuzung& k, const TWinkelMarken& marken)
{
    std::string text = modus == 1
        ? "Eine Gerade, von einer schrägen Strecke im Punkt S geschnitten."
        : "Zwei parallele Geraden, von einer schrägen Strecke in S1 und S2 geschnitten.";
    std::vector<std::string> winkel;
    for (const TWinkelBogen& b : marken.boegen) {
        const std::string punkt = modus == 1 ? "S"
            : b.cy == k.s1Y              ? "S1"
                                         : "S2";
        const float groesse = float(static_cast<long double>(b.bis) - b.von);
        const std::string eintrag =
            Satz("%1 Winkel %2 bei %3: %4", {Farbname(b.farbe), Lage(b), punkt, PanelText(groesse)});
        // The last step marks one angle from both pairs.
        if (std::find(winkel.begin(), winkel.end(), eintrag) == winkel.end())
            winkel.push_back(eintrag);
    }
    if (!winkel.empty())
        text += " Markiert: " + Verbunden(winkel, "; ") + ".";
    return text;
}

// ---------------------------------------------------------------------------
// Picture

TBild Winkel3Bild(int modus, TWeltPunkt unten, TWeltPunkt oben, float hoehe, const TKreuzung& k,
                  const TWinkelMarken& marken)
{
    const auto gerade = [](float y) { return bild::TStrecke{{-10.0f, y}, {10.0f, y}, 2, clBlack, linieVoll}; };
    // A crossing's name sits a little right of and below it.
    const auto name = [](const std::string& text, float x, float y) {
        return bild::TText{bild::TTextArt::Zentriert, text, {x + 0.4f, y - 0.4f}, clBlack, 12, true};
    };
    const bild::TStrecke strecke{unten, oben, 2, clBlack, linieVoll};

    TBild b;
    if (modus == 1)
        b << gerade(hoehe) << strecke << name("S", k.sX, k.sY);
    else
        b << gerade(parallele) << gerade(-parallele) << strecke << name("S!1", k.s1X, k.s1Y)
          << name("S!2", k.s2X, k.s2Y);
    for (const TWinkelBogen& m : marken.boegen)
        b << bild::TBogen{{m.cx, m.cy}, markenRadius, m.von, m.bis, 3, m.farbe};
    return b;
}
