#include "lessons/Winkel3Modell.h"

#include "draw/VektorU.h"

#include <algorithm>

namespace winkel3 {

namespace {

using namespace lektion;

// Both drawings show 20 x 20 units.
constexpr TWeltRechteck weltWinkel3{-10.0f, 10.0f, -10.0f, 10.0f};
constexpr float naheAbstand = 0.2f;

enum Steuer { grpW1, pnlLW1, pnlLW2, grpW2, pnlRW1, pnlRW2, grpV1, grpV2, grpSchritt1, grpSchritt2 };

TLayout Winkel3Layout()
{
    TLayout l;
    l.caption = "Parallelwinkeln";
    TBereich links = LinkerBereich("pntGrafik1", weltWinkel3);
    // One instruction across the whole window instead of one per drawing.
    links.status = {6, 655, 1007, 55};
    links.lblStatus = {12, 2, 983, 51};
    TBereich rechts = RechterBereich("pntGrafik2", weltWinkel3);
    rechts.statusSichtbar = false;
    for (TBereich* b : {&links, &rechts})
        b->zeiger = b->ziehen = true;
    l.bereiche = {links, rechts};
    // A group " Winkel " with two white panels for the values of a drawing.
    const auto panel = [](const char* name, const char* in, int x) {
        TSteuer p{TArt::Anzeige, name, {x, 24, 100, 41}, ""};
        p.weiss = true;
        p.in = in;
        return p;
    };
    const auto art = [](const char* name, int x) {
        TSteuer a{TArt::Radiogruppe, name, {x, 575, 130, 75}, " Art "};
        a.eintraege = {"Variante 1", "Variante 2"};
        return a;
    };
    // The steps of mode 2.
    const auto schritte = [](const char* name, int x, int max) {
        TSteuer s{TArt::Schritte, name, {x, 575, 108, 75}, " Schritte "};
        s.max = max;
        s.innen = {10, 25, 85, 25};
        return s;
    };
    l.steuer = {{TArt::Gruppe, "grpW1", {5, 575, 240, 75}, " Winkel "},
                panel("pnlLW1", "grpW1", 15),
                panel("pnlLW2", "grpW1", 125),
                {TArt::Gruppe, "grpW2", {525, 575, 240, 75}, " Winkel "},
                panel("pnlRW1", "grpW2", 15),
                panel("pnlRW2", "grpW2", 125),
                art("grpV1", 250),
                art("grpV2", 770),
                schritte("grpSchritt1", 385, 3),
                schritte("grpSchritt2", 905, 4)};
    l.menue = {"Scheitelwinkel / Nebenwinkel", "Gleich groß / Ergängung auf 180!"};
    return l;
}

// One drawing's segment, line and crossings.
struct TSeite {
    TWeltPunkt &unten, &oben;
    float hoehe;
    TKreuzung& kreuzung;
    TWeltPunkt& maus;
};

TSeite Seite(TZustand& z, int seite)
{
    if (seite == 0)
        return {z.P1, z.P2, z.hoehe1, z.kreuzung1, z.maus1};
    return {z.Q1, z.Q2, z.hoehe2, z.kreuzung2, z.maus2};
}

void Kreuze(const TSeite& s) { BerechneKreuzung(s.unten.x, s.unten.y, s.oben.x, s.oben.y, s.hoehe, s.kreuzung); }

// The pointer's position and whether it is near either end.
void Zeige(TZustand& z, const TSeite& s, TWeltPunkt p)
{
    s.maus = p;
    z.nahe1 = Abstand(p.x, p.y, s.unten.x, s.unten.y) <= naheAbstand;
    z.nahe2 = Abstand(p.x, p.y, s.oben.x, s.oben.y) <= naheAbstand;
}

// The panels take what the marks show now.
TZustand MitPanels(TZustand z)
{
    for (int seite : {0, 1}) {
        const TWinkelMarken m = Marken(z, seite);
        if (m.panel1)
            z.panels[std::size_t(2 * seite)] = *m.panel1;
        if (m.panel2)
            z.panels[std::size_t(2 * seite + 1)] = *m.panel2;
    }
    return z;
}

TZustand SetzeStrecken(TZustand z)
{
    z.P1 = z.Q1 = {-7.0f, -7.0f};
    z.P2 = z.Q2 = {5.0f, 7.0f};
    Kreuze(Seite(z, 0));
    Kreuze(Seite(z, 1));
    return z;
}

} // namespace

TZustand Anfang() { return MitPanels(SetzeStrecken(TZustand{})); }

TZustand ModusGewaehlt(TZustand z, int modus)
{
    z.modus = modus;
    z.menueGewaehlt = true;
    z.Schritt1 = z.Schritt2 = 0;
    z.variante1 = z.variante2 = 1;
    return SetzeStrecken(z);
}

TZustand Gedrueckt(TZustand z, int seite, TWeltPunkt p)
{
    const TSeite s = Seite(z, seite);
    // Nearness from where the button went down, also when no move came before.
    Zeige(z, s, p);
    // An end near the pointer is taken up; only on its own side of the line
    // it jumps to the pointer and the pointer is held in the end's band.
    if (z.nahe1) {
        z.ziehen1 = true;
        if (p.y < s.hoehe) {
            z.gehalten = seite;
            z.obenGehalten = false;
            s.unten = p;
        }
    }
    if (z.nahe2) {
        z.ziehen2 = true;
        if (p.y > s.hoehe) {
            z.gehalten = seite;
            z.obenGehalten = true;
            s.oben = p;
        }
    }
    Kreuze(s);
    return z;
}

TZustand Bewegt(TZustand z, int seite, TWeltPunkt p)
{
    const TSeite s = Seite(z, seite);
    Zeige(z, s, p);
    // An end never crosses to the other side of the line.
    if (z.ziehen1 && p.y < s.hoehe)
        s.unten = p;
    if (z.ziehen2 && p.y > s.hoehe)
        s.oben = p;
    Kreuze(s);
    return z;
}

TZustand Losgelassen(TZustand z)
{
    z.nahe1 = z.nahe2 = z.ziehen1 = z.ziehen2 = false;
    z.gehalten = -1;
    return z;
}

TWeltRechteck Ziehband(int modus, bool obererPunkt)
{
    // From x -8.125 to 8.33 both ends stay in the drawing with their arcs;
    // the bands keep the upper end above and the lower end below the line(s),
    // in mode 2 beyond the parallels.
    constexpr float links = -8.125f, rechts = 25.0f / 3, oben = 115.0f / 12;
    if (modus == 2)
        return obererPunkt ? TWeltRechteck{links, rechts, 5.0f, oben} : TWeltRechteck{links, rechts, -55.0f / 6, -115.0f / 24};
    return obererPunkt ? TWeltRechteck{links, rechts, 5.0f / 3, oben} : TWeltRechteck{links, rechts, -9.375f, -1.25f};
}

TWinkelMarken Marken(const TZustand& z, int seite)
{
    if (seite == 0)
        return LinkeMarken(z.modus, z.variante1, z.Schritt1, z.kreuzung1);
    return RechteMarken(z.modus, z.variante2, z.Schritt2, z.kreuzung2);
}

const TLayout& TWinkel3::Layout() const
{
    static const TLayout layout = Winkel3Layout();
    return layout;
}

void TWinkel3::Aktiviere(unsigned) { zustand = Anfang(); }

void TWinkel3::Zeiger(int bereich, TZeigerArt art, TWeltPunkt p)
{
    if (bereich != 0 && bereich != 1)
        return;
    switch (art) {
    case TZeigerArt::Druck: zustand = Gedrueckt(zustand, bereich, p); break;
    case TZeigerArt::Bewegung: zustand = Bewegt(zustand, bereich, p); break;
    case TZeigerArt::Los: zustand = Losgelassen(zustand); break;
    }
    zustand = MitPanels(zustand);
}

void TWinkel3::Geaendert(int steuer, int wert)
{
    switch (steuer) {
    case grpV1: zustand.variante1 = std::clamp(wert, 0, 1) + 1; break;
    case grpV2: zustand.variante2 = std::clamp(wert, 0, 1) + 1; break;
    // The steps belong to the parallels; in mode 1 their controls are hidden.
    case grpSchritt1:
        if (zustand.modus == 2)
            zustand.Schritt1 = std::clamp(wert, 0, 3);
        break;
    case grpSchritt2:
        if (zustand.modus == 2)
            zustand.Schritt2 = std::clamp(wert, 0, 4);
        break;
    default: return;
    }
    zustand = MitPanels(zustand);
}

void TWinkel3::Menue(int punkt)
{
    if (punkt == 0 || punkt == 1)
        zustand = MitPanels(ModusGewaehlt(zustand, punkt + 1));
}

TSteuerZustand TWinkel3::Steuerzustand(int steuer) const
{
    const auto panel = [this](int nummer, bool sichtbar) {
        const TPanelWert& p = zustand.panels[std::size_t(nummer)];
        // A reader hears the colour with the value, as the drawing's description names the arcs.
        return TSteuerZustand{.sichtbar = sichtbar, .text = PanelText(p.wert), .farbe = p.farbe,
                              .zugBeschreibung = Farbname(p.farbe) + " Winkel"};
    };
    const bool parallelen = zustand.modus == 2;
    switch (steuer) {
    case pnlLW1: return panel(0, true);
    case pnlLW2: return panel(1, !parallelen || zustand.Schritt1 > 0);
    case pnlRW1: return panel(2, true);
    case pnlRW2: return panel(3, true);
    case grpV1: return {.wert = zustand.variante1 - 1};
    case grpV2: return {.wert = zustand.variante2 - 1};
    case grpSchritt1: return {.wert = zustand.Schritt1, .sichtbar = parallelen};
    case grpSchritt2: return {.wert = zustand.Schritt2, .sichtbar = parallelen};
    default: return {};
    }
}

std::string TWinkel3::Titel(int bereich) const
{
    const TZustand& z = zustand;
    if (bereich == 0) {
        if (z.modus == 2)
            return z.Schritt1 == 0 ? "Gleich große Winkel" : "Scheitelwinkel sind immer gleich große Winkel";
        return z.menueGewaehlt ? "Scheitelwinkel" : "Scheitelwinkel sind immer gleich groß";
    }
    if (z.modus == 2)
        return z.Schritt2 == 0 ? "Winkel ergänzen einander auf 180°"
                               : "Nebenwinkel ergänzen einander auf 180° (supplementär)";
    return z.menueGewaehlt ? "Nebenwinkel" : "Nebenwinkel ergänzen einander auf 180°";
}

std::string TWinkel3::Anweisung(int bereich) const
{
    if (bereich != 0)
        return "";
    return zustand.modus == 2
        ? "Klicke auf die Endpunkte der schrägen Strecke und ziehe diese mit gedrückter linker Maustaste, "
          "um die Winkel zu verändern."
        : "Klicke auf die Endpunkte der schrägen Strecke und ziehe diese mit gedrückter linker Maustaste, "
          "um den Winkel zu verändern.";
}

TBild TWinkel3::Bild(int bereich) const
{
    const TZustand& z = zustand;
    if (bereich == 0)
        return Winkel3Bild(z.modus, z.P1, z.P2, z.hoehe1, z.kreuzung1, Marken(z, 0));
    return Winkel3Bild(z.modus, z.Q1, z.Q2, z.hoehe2, z.kreuzung2, Marken(z, 1));
}

std::string TWinkel3::Beschreibung(int bereich) const
{
    return MitTasten(bereich, Winkel3Beschreibung(zustand.modus, bereich == 0 ? zustand.kreuzung1 : zustand.kreuzung2,
                                                  Marken(zustand, bereich)));
}

std::string TWinkel3::ZeigerOrt(int bereich, TWeltPunkt p) const
{
    if (bereich != 0 && bereich != 1)
        return TLektion::ZeigerOrt(bereich, p);
    // The nearness a press takes an end by.
    const TWeltPunkt unten = bereich == 0 ? zustand.P1 : zustand.Q1;
    const TWeltPunkt oben = bereich == 0 ? zustand.P2 : zustand.Q2;
    if (Abstand(p.x, p.y, unten.x, unten.y) <= naheAbstand)
        return Ort(p, "auf dem unteren Endpunkt");
    if (Abstand(p.x, p.y, oben.x, oben.y) <= naheAbstand)
        return Ort(p, "auf dem oberen Endpunkt");
    return Ort(p);
}

std::optional<int> TWinkel3::Schritt() const { return std::nullopt; }

std::optional<TWeltRechteck> TWinkel3::Ziehbereich(int bereich) const
{
    if (zustand.gehalten != bereich)
        return std::nullopt;
    return Ziehband(zustand.modus, zustand.obenGehalten);
}

TZeigerForm TWinkel3::Zeigerform(int) const
{
    return zustand.nahe1 || zustand.nahe2 ? TZeigerForm::Hand : TZeigerForm::Pfeil;
}

} // namespace winkel3
