#include "lessons/Dreieck3Modell.h"

#include "draw/GlobalU.h"
#include "draw/KoordU.h"
#include "draw/PolKartU.h"
#include "draw/VektorU.h"

#include <algorithm>
#include <array>
#include <utility>

namespace dreieck3 {

namespace {

using namespace lektion;

const char* const textSchnittpunkte =
    "Ziehe die Eckpunkte des Dreiecks mit gedrückter linker Maustaste. Kleinster Abstand ca. 2 cm.";
const char* const textThaleskreis =
    "Ziehe die Ecke C des Dreiecks mit gedrückter linker Maustaste oder verwende die Bildlaufleiste.";

// The drawing's pixels, and the drag fields in them (left, top, width, height).
constexpr int grafikBreite = 800, grafikHoehe = 540;
constexpr TRechteck ziehPixel1{40, 28, 730, 480};
constexpr TRechteck ziehPixel2{10, 8, 780, 520};

// A vertex is under the pointer within 0.3 units (3 pixels). A pointer exactly
// 3 pixels away measures 0.30000019 in single precision; the allowance keeps
// "within 3 pixels" true in every direction and is far below a pixel.
constexpr float trefferRadius = 0.3f;
constexpr float trefferSpiel = 1e-4f;

bool Nahe(TWeltPunkt punkt, TWeltPunkt zeiger) { return Abstand(punkt, zeiger) <= trefferRadius + trefferSpiel; }

// A line group: its box, caption, legend and how a reader names its lines.
struct TGruppe {
    const char* name;
    TRechteck ort;
    const char* text;
    const char* familie;
    std::array<const char*, 3> namen;
    std::array<std::string, 3> zeichen; // the legend's labels
    bool griechisch;
};

const std::array<TGruppe, 4>& Gruppen()
{
    static const std::array<TGruppe, 4> gruppen{{
        {"grpH", {827, 82, 184, 63}, "  Höhen ", "Höhe", {"ha", "hb", "hc"}, {"h!a", "h!b", "h!c"}, false},
        {"grpS", {827, 162, 184, 63}, " Seitensymmetralen ", "Seitensymmetrale", {"sAB", "sAC", "sBC"},
         {"s!A!B", "s!A!C", "s!B!C"}, false},
        {"grpW", {824, 242, 184, 63}, " Winkelsymmetralen ", "Winkelsymmetrale", {"wα", "wβ", "wγ"},
         {"w*a", "w*b", "w*g"}, true},
        {"grpSW", {824, 322, 184, 63}, " Schwerlinien ", "Schwerlinie", {"sA", "sB", "sC"},
         {"s!A", "s!B", "s!C"}, false},
    }};
    return gruppen;
}

// The three boxes of a group lie in a row 60 pixels apart over its legend.
constexpr TRechteck kastenOrt(int i) { return {10 + 60 * i, 30, 15, 17}; }
constexpr TRechteck legendenOrt{2, 21, 180, 40};

TLayout Dreieck3Layout()
{
    TLayout l;
    l.caption = "Dynamische Geometrie";
    TBereich grafik;
    grafik.name = "pntGrafik";
    grafik.zugName = "Dreieck ABC";
    grafik.ueb = {4, 5, 1007, 70};
    grafik.lblUeb = {10, 2, 987, 66};
    grafik.bevel = {4, 90, 807, 548};
    grafik.grafik = {7, 94, grafikBreite, grafikHoehe};
    grafik.welt = weltDreieck3;
    grafik.zeiger = grafik.ziehen = true;
    l.bereiche = {grafik};

    TSteuer status{TArt::Anzeige, "pnlStatus", {4, 655, 1007, 55}, ""};
    status.schriftFarbe = clNavy;
    l.steuer = {status};
    for (const TGruppe& g : Gruppen()) {
        const std::string grp = g.name;
        l.steuer.push_back({TArt::Gruppe, grp, g.ort, g.text});
        // The legend lies under the boxes; they have no caption of their own:
        // a reader names them by it.
        TBereich legende;
        legende.name = "pnt" + grp.substr(3);
        legende.zugName = std::string("Legende ") + g.familie;
        legende.grafik = legendenOrt;
        legende.welt = weltLegende;
        legende.in = grp;
        legende.alsText = true;
        legende.imBild = false;
        legende.grund = false;
        l.bereiche.push_back(legende);
        const char* const buchstaben = "ABC";
        for (int i = 0; i < 3; ++i) {
            TSteuer kasten{TArt::Kasten, "chk" + grp.substr(3) + buchstaben[i], kastenOrt(i), ""};
            kasten.in = grp;
            kasten.zugName = std::string(g.familie) + ' ' + g.namen[std::size_t(i)];
            l.steuer.push_back(kasten);
        }
    }
    l.steuer.push_back({TArt::Gruppe, "grpEuler", {824, 402, 184, 63}, " Eulergerade "});
    TSteuer euler{TArt::Kasten, "chkEuler", {10, 30, 143, 17}, "einschalten"};
    euler.in = "grpEuler";
    l.steuer.push_back(euler);
    TSteuer winkel{TArt::Leiste, "grpWinkel", {824, 480, 184, 75}, " Winkel (0-360) "};
    winkel.max = 360;
    winkel.innen = {12, 24, 160, 20};
    winkel.labelHoehe = 22;
    winkel.einheit = "°";
    l.steuer.push_back(winkel);
    l.menue = {"Schnittpunkte", "Thaleskreis"};
    return l;
}

// The pointer's pixel in the drawing, in world units.
TWeltPunkt Welt(int px, int py) { return TWeltfenster(grafikBreite, grafikHoehe, weltDreieck3).ZuWelt(px, py); }

// Where a pushed vertex may be put: the pixels of mode 1's drag field.
TWeltRechteck ZiehFeld()
{
    const TRechteck& r = ziehPixel1;
    const TWeltPunkt linksOben = Welt(r.links, r.oben);
    const TWeltPunkt rechtsUnten = Welt(r.links + r.breite - 1, r.oben + r.hoehe - 1);
    return {linksOben.x, rechtsUnten.x, rechtsUnten.y, linksOben.y};
}

// Each vertex being dragged that stands closer than the smallest distance to
// another is put back, inside the drag field. A push away from one neighbour
// may bring it near the other; a few rounds settle it.
void AbstandWiederherstellen(TZustand& z)
{
    const TWeltRechteck feld = ZiehFeld();
    for (int runde = 0; runde < 3; ++runde) {
        if (z.ziehenA)
            ZieheEcke(z.A, z.A, z.B, abstossenAB, z.C, abstossen, &feld);
        if (z.ziehenB)
            ZieheEcke(z.B, z.B, z.A, abstossen, z.C, abstossen, &feld);
        if (z.ziehenC)
            ZieheEcke(z.C, z.C, z.A, abstossen, z.B, abstossen, &feld);
    }
}

void SetzeThalesC(TZustand& z, int grad)
{
    z.winkelBMC = grad;
    z.thalesC = Polar(thalesM, float(grad), thalesRadius);
    z.beschriftungC = Polar(thalesM, float(grad), thalesNamenRadius);
}

// The flag of box `i` (0..2) of line group `gruppe` (0 heights .. 3 medians).
template <class W>
auto& Flagge(W& w, int gruppe, int i)
{
    decltype(&w.zeigeHa) const flaggen[4][3] = {{&w.zeigeHa, &w.zeigeHb, &w.zeigeHc},
                                 {&w.zeigeSab, &w.zeigeSac, &w.zeigeSbc},
                                 {&w.zeigeWa, &w.zeigeWb, &w.zeigeWc},
                                 {&w.zeigeSa, &w.zeigeSb, &w.zeigeSc}};
    return *flaggen[gruppe][std::clamp(i, 0, 2)];
}

// A line box as its group (0..3) and place in it (0..2); nothing for any other control.
std::optional<std::pair<int, int>> Linienkasten(int steuer)
{
    const int nachGruppe = (steuer - grpH) % 4;
    if (steuer <= grpH || steuer >= grpEuler || nachGruppe == 0)
        return std::nullopt;
    return std::pair{(steuer - grpH) / 4, nachGruppe - 1};
}

TZustand LinieSchalten(TZustand z, int gruppe, int i, bool an, bool eulerPruefen)
{
    Flagge(z.wahl, gruppe, i) = an;
    if (eulerPruefen && !EulerMoeglich(z.wahl))
        z.wahl.zeigeEuler = false;
    return z;
}

} // namespace

TZustand Anfang()
{
    TZustand z;
    z.thalesC = ThalesStartC();
    z.beschriftungC = Polar(thalesM, float(z.winkelBMC), thalesNamenRadius);
    return z;
}

TZustand menArtClick(TZustand z, Menue punkt)
{
    // The check boxes keep their state.
    if (punkt == menPunkte) {
        const TZustand start;
        z.art = 1;
        z.A = start.A;
        z.B = start.B;
        z.C = start.C;
        return z;
    }
    z.art = 2;
    // The scroll bar moved back to 60 degrees places C as the bar does; one
    // standing there already leaves C where the construction puts it.
    if (z.winkelBMC != 60)
        SetzeThalesC(z, 60);
    else
        z.thalesC = ThalesStartC();
    z.beschriftungC = Polar(thalesM, 60.0f, thalesNamenRadius);
    return z;
}

TZustand chkHClick(TZustand z, int i, bool an) { return LinieSchalten(z, 0, i, an, true); }
TZustand chkSClick(TZustand z, int i, bool an) { return LinieSchalten(z, 1, i, an, true); }
TZustand chkWClick(TZustand z, int i, bool an) { return LinieSchalten(z, 2, i, an, false); }
TZustand chkSWClick(TZustand z, int i, bool an) { return LinieSchalten(z, 3, i, an, true); }

TZustand chkEulerClick(TZustand z, bool an)
{
    // A disabled box takes no tick.
    z.wahl.zeigeEuler = an && EulerMoeglich(z.wahl);
    return z;
}

TZustand scrWinkelChange(TZustand z, int grad)
{
    SetzeThalesC(z, std::clamp(grad, 0, 360));
    return z;
}

TZustand pntGrafikMouseDown(TZustand z, TWeltPunkt p)
{
    z.gedrueckt = true;
    if (z.art == 2) {
        z.ziehenC = true; // wherever the pointer is
        return z;
    }
    // Over a vertex from where the button went down, also when no move came before.
    z.ueberA = Nahe(z.A, p);
    z.ueberB = Nahe(z.B, p);
    z.ueberC = Nahe(z.C, p);
    z.ziehenA = z.ziehenA || z.ueberA;
    z.ziehenB = z.ziehenB || z.ueberB;
    z.ziehenC = z.ziehenC || z.ueberC;
    return z;
}

TZustand pntGrafikMouseMove(TZustand z, TWeltPunkt p)
{
    if (z.art == 2) {
        z.ueberC = Nahe(z.thalesC, p);
        // Away from C the pointer keeps its shape: a hand stays until the
        // button is released or the pointer leaves the drawing.
        z.zeiger = z.ueberC ? TZeigerForm::Hand : TZeigerForm::Bleibt;
        if (z.ziehenC)
            SetzeThalesC(z, Runden(Richtungswinkel(p.x, p.y)));
        return z;
    }
    const TWeltRechteck feld = ZiehFeld();
    if (z.ziehenA)
        z.ziehenA = ZieheEcke(z.A, p, z.B, abstossenAB, z.C, abstossen, &feld);
    if (z.ziehenB)
        z.ziehenB = ZieheEcke(z.B, p, z.A, abstossen, z.C, abstossen, &feld);
    if (z.ziehenC)
        z.ziehenC = ZieheEcke(z.C, p, z.A, abstossen, z.B, abstossen, &feld);
    // Hover is tested where the vertices stand now, after the move: a dragged
    // vertex is under the pointer and keeps the hand.
    z.ueberA = Nahe(z.A, p);
    z.ueberB = Nahe(z.B, p);
    z.ueberC = Nahe(z.C, p);
    const bool hand = z.ziehenA || z.ziehenB || z.ziehenC || z.ueberA || z.ueberB || z.ueberC;
    z.zeiger = hand ? TZeigerForm::Hand : TZeigerForm::Pfeil;
    return z;
}

TZustand pntGrafikMouseUp(TZustand z)
{
    // A fast flick may have left the vertex on top of another: the smallest
    // distance holds again before the drag ends, not only at the next move.
    if (z.art == 1)
        AbstandWiederherstellen(z);
    z.ziehenA = z.ziehenB = z.ziehenC = false;
    z.gedrueckt = false;
    z.zeiger = TZeigerForm::Pfeil;
    return z;
}

TWeltRechteck Ziehbereich(int art)
{
    const TRechteck& r = art == 2 ? ziehPixel2 : ziehPixel1;
    const TWeltPunkt linksOben = Welt(r.links, r.oben);
    const TWeltPunkt rechtsUnten = Welt(r.links + r.breite, r.oben + r.hoehe);
    return {linksOben.x, rechtsUnten.x, rechtsUnten.y, linksOben.y};
}

const TLayout& TDreieck3::Layout() const
{
    static const TLayout layout = Dreieck3Layout();
    return layout;
}

void TDreieck3::Aktiviere(unsigned) { zustand = Anfang(); }

void TDreieck3::Zeiger(int bereich, TZeigerArt art, TWeltPunkt p)
{
    if (bereich != pntGrafik)
        return;
    switch (art) {
    case TZeigerArt::Druck: zustand = pntGrafikMouseDown(zustand, p); break;
    case TZeigerArt::Bewegung: zustand = pntGrafikMouseMove(zustand, p); break;
    case TZeigerArt::Los: zustand = pntGrafikMouseUp(zustand); break;
    }
}

void TDreieck3::Geaendert(int steuer, int wert)
{
    const bool an = wert != 0;
    if (const auto kasten = Linienkasten(steuer)) {
        using THandler = TZustand (*)(TZustand, int, bool);
        const THandler handler[4] = {chkHClick, chkSClick, chkWClick, chkSWClick};
        zustand = handler[kasten->first](zustand, kasten->second, an);
    } else if (steuer == chkEuler) {
        zustand = chkEulerClick(zustand, an);
    } else if (steuer == grpWinkel) {
        zustand = scrWinkelChange(zustand, wert);
    }
}

void TDreieck3::Menue(int punkt)
{
    if (punkt == menPunkte || punkt == menKreis)
        zustand = menArtClick(zustand, dreieck3::Menue(punkt));
}

TSteuerZustand TDreieck3::Steuerzustand(int steuer) const
{
    const TZustand& z = zustand;
    const bool punkte = z.art == 1;
    switch (steuer) {
    case pnlStatus: return {.text = Anweisung(pntGrafik)};
    case grpH:
    case grpS:
    case grpW:
    case grpSW:
    case grpEuler: return {.sichtbar = punkte};
    case chkEuler: return {.wert = z.wahl.zeigeEuler, .aktiv = EulerMoeglich(z.wahl)};
    case grpWinkel: {
        TSteuerZustand s{.wert = z.winkelBMC, .sichtbar = !punkte, .text = std::to_string(z.winkelBMC) + "°"};
        // Shown, the angle takes the line groups' place and names the angle.
        if (!punkte) {
            s.titel = " Winkel BMC (0–360) ";
            s.ort = TRechteck{824, 82, 184, 75};
        }
        return s;
    }
    default: break;
    }
    if (const auto kasten = Linienkasten(steuer))
        return {.wert = Flagge(z.wahl, kasten->first, kasten->second)};
    return {};
}

std::string TDreieck3::Titel(int) const { return std::string(); }

std::string TDreieck3::Anweisung(int bereich) const
{
    if (bereich != pntGrafik)
        return std::string();
    return zustand.art == 1 ? textSchnittpunkte : textThaleskreis;
}

TBild TDreieck3::Bild(int bereich) const
{
    const TZustand& z = zustand;
    if (bereich == pntGrafik)
        return z.art == 1 ? SchnittpunktBild(z.A, z.B, z.C, z.wahl)
                          : ThalesBild(z.winkelBMC, z.thalesC, z.beschriftungC);
    const TGruppe& g = Gruppen().at(std::size_t(bereich - pntH));
    // Each label clear of the box on its left, which lies above the legend, 2 pixels right of it.
    int frei[3];
    for (int i = 0; i < 3; ++i)
        frei[i] = kastenOrt(i).links + kastenOrt(i).breite - legendenOrt.links + 2;
    const std::string texte[3] = {g.zeichen[0], g.zeichen[1], g.zeichen[2]};
    return LegendenBild(texte, g.griechisch, frei, TWeltfenster(legendenOrt.breite, legendenOrt.hoehe, weltLegende));
}

std::string TDreieck3::Beschreibung(int bereich) const
{
    const TZustand& z = zustand;
    if (bereich == pntGrafik)
        return MitTasten(pntGrafik, z.art == 1 ? SchnittpunktBeschreibung(z.A, z.B, z.C, z.wahl)
                                               : ThalesBeschreibung(z.winkelBMC, z.thalesC));
    const TGruppe& g = Gruppen().at(std::size_t(bereich - pntH));
    return std::string(g.namen[0]) + ", " + g.namen[1] + ", " + g.namen[2];
}

std::string TDreieck3::ZeigerOrt(int bereich, TWeltPunkt p) const
{
    if (bereich != pntGrafik)
        return TLektion::ZeigerOrt(bereich, p);
    // The hit rule of a press; on the Thales circle a press anywhere takes C,
    // and being on it only tells where C is.
    const TZustand& z = zustand;
    if (z.art == 2)
        return Ort(p, Nahe(z.thalesC, p) ? "auf C" : "");
    for (const auto& [ecke, name] : {std::pair{z.A, "auf A"}, {z.B, "auf B"}, {z.C, "auf C"}})
        if (Nahe(ecke, p))
            return Ort(p, name);
    return Ort(p);
}

std::optional<int> TDreieck3::Schritt() const { return std::nullopt; }

std::optional<TWeltRechteck> TDreieck3::Ziehbereich(int bereich) const
{
    if (bereich != pntGrafik || !zustand.gedrueckt)
        return std::nullopt;
    return dreieck3::Ziehbereich(zustand.art);
}

TZeigerForm TDreieck3::Zeigerform(int bereich) const
{
    return bereich == pntGrafik ? zustand.zeiger : TZeigerForm::Pfeil;
}

} // namespace dreieck3
