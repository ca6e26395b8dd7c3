#include "lessons/Symmetrie1Modell.h"

#include "draw/GlobalU.h"

#include <algorithm>

namespace symmetrie1 {

namespace {

using namespace lektion;

// The drawing shows 40 x 20 units.
constexpr TWeltRechteck weltSpiegeln{-20, 20, -10, 10};

enum Steuer { grpAnzahl, grpSchritt, grpWH };

const char* const textUeb = "Symmetrische Figuren – Symmetrieachse";
const char* const textAnfang = "Wähle die Anzahl der Punkte aus und markiere diese durch Klicken mit der Maus "
                               "innerhalb des strichlierten Rahmens.";
const char* const textAusserhalb = "Der Punkt liegt nicht innerhab der Markierung!";
const char* const textKeinPunkt = "Kein weiterer Punkt möglich!";

// The number of points may be changed at step 0 and at the last step only.
constexpr bool anzahlFreiBeiSchritt[letzterSchritt + 1] = {true, false, false, false, true};

TLayout SpiegelnLayout()
{
    TLayout l;
    l.caption = "Spiegeln";
    TBereich zeichnung = EinBereich("pntGrafik", weltSpiegeln);
    zeichnung.zeiger = true;
    l.bereiche = {zeichnung};
    TSteuer anzahl{TArt::Radiogruppe, "grpAnzahl", {4, 575, 230, 75}, " Markierungen "};
    anzahl.eintraege = {"2 Punkte", "3 Punkte", "4 Punkte", "5 Punkte"};
    anzahl.spalten = 2;
    TSteuer schritte{TArt::Schritte, "grpSchritt", {729, 575, 130, 75}, "Schritte (0–4)"};
    schritte.max = letzterSchritt;
    schritte.innen = {15, 25, 100, 25};
    TSteuer wiederholen{TArt::Knopfgruppe, "grpWH", {874, 575, 136, 75}, " Wiederholen  "};
    wiederholen.innen = {20, 30, 100, 30};
    l.steuer = {anzahl, schritte, wiederholen};
    return l;
}

} // namespace

TZustand AnzahlGewaehlt(TZustand z, int punkte)
{
    // The points are forgotten; where they were is kept until overwritten.
    for (TMarkierPunkt& p : z.punkte)
        p.gesetzt = false;
    z.markiert = 0;
    z.anzahlPunkte = punkte;
    z.alleMarkiert = false;
    z.Schritt = 0;
    z.wiederholenFrei = false;
    return z;
}

bool ImRahmen(TWeltPunkt p)
{
    // Strictly inside; the border counts as outside. This holds also once the
    // frame is no longer drawn.
    return p.x > -rahmenX && p.x < rahmenX && p.y > -rahmenY && p.y < rahmenY;
}

TErgebnis Markiert(TZustand z, TWeltPunkt p)
{
    if (!ImRahmen(p))
        return {z, textAusserhalb};
    if (z.markiert >= z.anzahlPunkte)
        return {z, textKeinPunkt};
    ++z.markiert;
    z.punkte[z.markiert] = {p.x, p.y, true};
    z.alleMarkiert = z.markiert == z.anzahlPunkte;
    return {z, std::nullopt};
}

TZustand SchrittGewaehlt(TZustand z, int schritt)
{
    z.Schritt = std::clamp(schritt, 0, letzterSchritt);
    z.anzahlFrei = anzahlFreiBeiSchritt[z.Schritt];
    // Reaching the last step offers the repeat; it stays offered until pressed.
    if (z.Schritt == letzterSchritt)
        z.wiederholenFrei = true;
    return z;
}

TZustand Wiederholt(TZustand z)
{
    // The same figure again from step 0; its number stays locked until the
    // step control moves.
    z.Schritt = 0;
    z.wiederholenFrei = false;
    z.anzahlFrei = false;
    return z;
}

// Marking asks for the points, also after another number started it over;
// the steps' instructions come with the complete figure.
std::string AnweisungIn(const TZustand& z) { return z.alleMarkiert ? Anleitung(z.Schritt) : textAnfang; }

const TLayout& TSymmetrie1::Layout() const
{
    static const TLayout layout = SpiegelnLayout();
    return layout;
}

void TSymmetrie1::Aktiviere(unsigned) { zustand = TZustand{}; }

void TSymmetrie1::Zeiger(int, TZeigerArt art, TWeltPunkt p)
{
    if (art != TZeigerArt::Druck)
        return;
    TErgebnis e = Markiert(zustand, p);
    zustand = e.zustand;
    if (e.meldung)
        Melde(*e.meldung);
}

void TSymmetrie1::Geaendert(int steuer, int wert)
{
    switch (steuer) {
    case grpAnzahl: zustand = AnzahlGewaehlt(zustand, wert + 2); break;
    case grpSchritt: zustand = SchrittGewaehlt(zustand, wert); break;
    case grpWH: zustand = Wiederholt(zustand); break;
    default: break;
    }
}

TSteuerZustand TSymmetrie1::Steuerzustand(int steuer) const
{
    switch (steuer) {
    case grpAnzahl: return {.wert = zustand.anzahlPunkte - 2, .aktiv = zustand.anzahlFrei};
    case grpSchritt: return {.wert = zustand.Schritt, .sichtbar = zustand.alleMarkiert};
    case grpWH: return {.knopfAktiv = zustand.wiederholenFrei};
    default: return {};
    }
}

std::string TSymmetrie1::Titel(int) const { return textUeb; }

std::string TSymmetrie1::Anweisung(int) const { return AnweisungIn(zustand); }

TBild TSymmetrie1::Bild(int) const
{
    return Symmetrie1Bild(zustand.anzahlPunkte, zustand.punkte, zustand.markiert, zustand.alleMarkiert,
                          zustand.Schritt, palette::violett, palette::oliv);
}

std::string TSymmetrie1::Beschreibung(int) const
{
    return MitTasten(0, symmetrie1::Beschreibung(zustand.anzahlPunkte, zustand.punkte, zustand.markiert,
                                                 zustand.Schritt));
}

std::string TSymmetrie1::ZeigerOrt(int bereich, TWeltPunkt p) const
{
    // The frame decides only while points are still to be marked.
    if (zustand.markiert >= zustand.anzahlPunkte)
        return TLektion::ZeigerOrt(bereich, p);
    return Ort(p, ImRahmen(p) ? "im Rahmen" : "außerhalb des Rahmens");
}

std::optional<int> TSymmetrie1::Schritt() const
{
    if (!zustand.alleMarkiert)
        return std::nullopt;
    return zustand.Schritt;
}

} // namespace symmetrie1
