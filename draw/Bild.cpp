#include "draw/Bild.h"

#include "draw/BildText.h"
#include "draw/Texte.h"

#include <cstdio>
#include <ostream>

using namespace bild;

namespace {

// Lossless, so that a picture's text tells apart what compares unequal.
std::string Z(float wert) { return KurzZahl(wert); }
std::string P(TWeltPunkt p) { return "(" + Z(p.x) + "|" + Z(p.y) + ")"; }
std::string F(TFarbe f)
{
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "#%06x", unsigned(f));
    return puffer;
}
std::string S(const TSchrift& s) { return Satz("%1 %2%3 %4", {s.name, s.groesse, s.fett ? " fett" : "", F(s.farbe)}); }
std::string Q(const std::string& s) { return '"' + s + '"'; }
std::string Fett(bool fett) { return fett ? " fett" : ""; }

struct TSchreiber {
    std::string operator()(const TStrecke& s) const
    {
        return Satz("Strecke%1 %2-%3 breite %4 farbe %5 stil %6",
                    {s.dick ? " dick" : "", P(s.von), P(s.bis), s.breite, F(s.farbe), s.stil});
    }
    std::string operator()(const TGerade& g) const
    {
        return Satz("Gerade %1-%2 in %3x%4 breite %5 farbe %6 stil %7",
                    {P(g.p), P(g.q), Z(g.wx), Z(g.wy), g.breite, F(g.farbe), g.stil});
    }
    std::string operator()(const TRechteck& r) const
    {
        return Satz("Rechteck %1-%2 breite %3 farbe %4 stil %5",
                    {P(r.ecke1), P(r.ecke2), r.breite, F(r.farbe), r.stil});
    }
    std::string operator()(const TDoppelpfeil& d) const
    {
        return Satz("Doppelpfeil x %1..%2 y %3 breite %4 farbe %5 art %6",
                    {Z(d.x1), Z(d.x2), Z(d.y), d.breite, F(d.farbe), std::string(1, d.art)});
    }
    std::string operator()(const TKreis& k) const
    {
        return Satz("Kreis %1 r %2 breite %3 farbe %4 fuellung %5 stil %6",
                    {P(k.mitte), Z(k.radius), k.breite, F(k.farbe),
                     k.fuellung < 0 ? "keine" : F(TFarbe(k.fuellung)), int(k.stil)});
    }
    std::string operator()(const TBogen& b) const
    {
        return Satz("Bogen %1 r %2 von %3 bis %4 breite %5 farbe %6",
                    {P(b.mitte), Z(b.radius), Z(b.von), Z(b.bis), b.breite, F(b.farbe)});
    }
    std::string operator()(const TRechterWinkel& r) const
    {
        return Satz("RechterWinkel %1 Schenkel %2 r %3 breite %4 farbe %5 seite %6",
                    {P(r.scheitel), P(r.richtung), Z(r.radius), r.breite, F(r.farbe), std::string(1, r.seite)});
    }
    std::string operator()(const TText& t) const
    {
        return Satz("Text art %1 %2 bei %3 farbe %4 hervor %5 groesse %6%7 in %8",
                    {int(t.art), Q(t.text), P(t.ort), F(t.farbe), F(t.hervor), t.groesse, Fett(t.fett), S(t.mass)});
    }
    std::string operator()(const TPixelText& t) const
    {
        return Satz("PixelText art %1 %2 bei %3,%4%9 farbe %5 hervor %6 groesse %7%8",
                    {int(t.art), Q(t.text), t.x, t.y, F(t.farbe), F(t.hervor), t.groesse, Fett(t.fett),
                     (t.mitteX ? Satz(" mitte ab %1", {t.linksMindestens}) : "") + (t.mitteY ? " mittig" : "")});
    }
    std::string operator()(const TSchlichtText& t) const
    {
        return Satz("SchlichtText %1 bei %2,%3 in %4 farbe %5 pinsel %6 %7",
                    {Q(t.text), t.x, t.y, S(t.schrift), F(t.schrift.farbe), F(t.pinsel.farbe), int(t.pinsel.stil)});
    }
    std::string operator()(const TFlaeche& f) const
    {
        return Satz("Flaeche %1,%2-%3,%4 farbe %5", {f.links, f.oben, f.rechts, f.unten, F(f.farbe)});
    }
    std::string operator()(const TEckenName& e) const
    {
        return Satz("EckenName%1 %2 %3 %4 abstand %5 farbe %6 in %7",
                    {e.vor ? "Vor" : "Nach", Q(e.text), P(e.p), P(e.q), Z(e.abstand), F(e.farbe), S(e.mass)});
    }
    std::string operator()(const TStreckenName& s) const
    {
        return Satz("StreckenName %1 %2-%3 farbe %4 in %5", {Q(s.text), P(s.von), P(s.bis), F(s.farbe), S(s.mass)});
    }
    std::string operator()(const TSeitenName& s) const
    {
        return Satz("SeitenName %1 %2-%3 bei %4 abstand %5 farbe %6 in %7",
                    {Q(s.text), P(s.a), P(s.b), P(s.k), Z(s.abstand), F(s.farbe), S(s.mass)});
    }
    std::string operator()(const TBruch& b) const
    {
        return Satz("Bruch %1/%2 bei %3 groesse %4%5 farbe %6 in %7",
                    {Q(b.zaehler), Q(b.nenner), P(b.ort), b.groesse, Fett(b.fett), F(b.farbe), S(b.mass)});
    }
};

} // namespace

TSchrift SchriftNach(const bild::TText& t)
{
    using bild::TTextArt;
    const std::string& s = t.text;
    const bool griechischeArt =
        t.art == TTextArt::SymbolMitte || t.art == TTextArt::SymbolLinks || t.art == TTextArt::SymbolMitteMittig;
    const auto marke = [](char c) { return std::string_view("!^~*").find(c) != std::string_view::npos; };
    const bool griechischAmEnde = griechischeArt && s.size() >= 2 && !marke(s.back())
        && (s[s.size() - 2] == '~' || s[s.size() - 2] == '*');
    return {griechischAmEnde ? "Symbol" : "Arial", t.groesse, t.fett, t.farbe};
}

std::string Text(const TBildTeil& teil) { return std::visit(TSchreiber{}, teil); }

std::string ErsterUnterschied(const TBild& erwartet, const TBild& gezeichnet)
{
    const std::size_t n = std::min(erwartet.teile.size(), gezeichnet.teile.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!(erwartet.teile[i] == gezeichnet.teile[i]))
            return "Teil " + std::to_string(i) + ": erwartet " + Text(erwartet.teile[i]) + ", gezeichnet " +
                   Text(gezeichnet.teile[i]);
    }
    if (erwartet.teile.size() == gezeichnet.teile.size())
        return {};
    const bool mehr = gezeichnet.teile.size() > n;
    return "Teil " + std::to_string(n) + (mehr ? ": zusätzlich gezeichnet " + Text(gezeichnet.teile[n])
                                               : ": fehlt " + Text(erwartet.teile[n]));
}

void PrintTo(const TBild& bild, std::ostream* os)
{
    *os << bild.teile.size() << " Teile";
    for (const TBildTeil& teil : bild.teile)
        *os << "\n  " << Text(teil);
}
