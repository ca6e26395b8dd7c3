#include "draw/Bild.h"

#include "draw/SchnittU.h"
#include "draw/SchriftU.h"

#include <ostream>
#include <sstream>

using namespace bild;

namespace {

// ------------------------------------------------------------------ drawing

// Each routine starts from a fresh canvas and sets from the item what its
// primitive reads but does not set itself.
struct TMaler {
    Leinwand& lw;

    void operator()(const TStrecke& s) const
    {
        if (s.dick)
            DickeStrecke(lw, s.breite, s.farbe, s.von.x, s.von.y, s.bis.x, s.bis.y, s.stil);
        else
            Strecke(lw, s.breite, s.farbe, s.von.x, s.von.y, s.bis.x, s.bis.y, s.stil);
    }
    void operator()(const TGerade& g) const
    {
        float x1, y1, x2, y2;
        if (GeradeImRechteck(g.p.x, g.p.y, g.q.x, g.q.y, g.wx, g.wy, x1, y1, x2, y2))
            Strecke(lw, g.breite, g.farbe, x1, y1, x2, y2, g.stil);
    }
    void operator()(const TRechteck& r) const
    {
        Rechteck(lw, r.breite, r.farbe, r.ecke1.x, r.ecke1.y, r.ecke2.x, r.ecke2.y, r.stil);
    }
    void operator()(const TDoppelpfeil& d) const { Doppelpfeil(lw, d.breite, d.farbe, d.x1, d.x2, d.y, d.art); }
    void operator()(const TKreis& k) const
    {
        lw.stift.stil = k.stil;
        Kreis(lw, k.breite, k.farbe, k.mitte.x, k.mitte.y, k.radius, k.fuellung);
    }
    void operator()(const TBogen& b) const
    {
        Bogen(lw, b.breite, b.farbe, b.mitte.x, b.mitte.y, b.radius, b.von, b.bis);
    }
    void operator()(const TRechterWinkel& r) const
    {
        RechterWinkel(lw, r.breite, r.farbe, r.richtung.x, r.richtung.y, r.scheitel.x, r.scheitel.y, r.radius,
                      r.seite);
    }
    void operator()(const TText& t) const
    {
        lw.schrift = t.mass;
        const float x = t.ort.x, y = t.ort.y;
        switch (t.art) {
        case TTextArt::Mitte: TextMitte(lw, t.text, t.farbe, t.fett, t.groesse, x, y); break;
        case TTextArt::Links: TextLinks(lw, t.text, t.farbe, t.fett, t.groesse, x, y); break;
        case TTextArt::SymbolMitte: SymbolTextMitte(lw, t.text, t.farbe, t.fett, t.groesse, x, y); break;
        case TTextArt::SymbolLinks: SymbolTextLinks(lw, t.text, t.farbe, t.fett, t.groesse, x, y); break;
        case TTextArt::TimesMitte: TimesTextMitte(lw, t.text, t.farbe, t.fett, t.groesse, x, y); break;
        case TTextArt::FarbMitte: FarbTextMitte(lw, t.text, t.farbe, t.fett, t.groesse, t.hervor, x, y); break;
        case TTextArt::FarbLinks: FarbTextLinks(lw, t.text, t.farbe, t.fett, t.groesse, t.hervor, x, y); break;
        case TTextArt::FarbLinksMittig:
            FarbTextLinksMittig(lw, t.text, t.farbe, t.fett, t.groesse, t.hervor, x, y);
            break;
        case TTextArt::Zentriert: TextZentriert(lw, t.text, t.farbe, t.fett, t.groesse, x, y); break;
        case TTextArt::ImKasten: TextImKasten(lw, t.text, t.farbe, t.fett, t.groesse, x, y); break;
        case TTextArt::Schlicht: SchlichtZentriert(t); break;
        case TTextArt::SymbolMitteMittig: SymbolTextMitteMittig(lw, t.text, t.farbe, t.fett, t.groesse, x, y); break;
        }
    }
    void SchlichtZentriert(const TText& t) const
    {
        lw.schrift.farbe = t.farbe;
        lw.pinsel.stil = bsClear;
        int px, py;
        WeltZuPixel(t.ort.x, t.ort.y, px, py);
        const QSize mass = lw.TextExtent(t.text);
        lw.TextOut(px - mass.width() / 2, py - mass.height() / 2, t.text);
    }
    void operator()(const TPixelText& t) const
    {
        lw.pinsel.stil = bsClear;
        switch (t.art) {
        case TSchreibArt::Text: SchreibeText(lw, t.text, t.x, t.y, t.groesse, t.fett, t.farbe); break;
        case TSchreibArt::Farb: SchreibeFarbText(lw, t.text, t.x, t.y, t.groesse, t.fett, t.farbe, t.hervor); break;
        case TSchreibArt::Times: SchreibeTimesText(lw, t.text, t.x, t.y, t.groesse, t.fett, t.farbe); break;
        case TSchreibArt::Symbol: SchreibeSymbolText(lw, t.text, t.x, t.y, t.groesse, t.fett, t.farbe); break;
        }
    }
    void operator()(const TSchlichtText& t) const
    {
        lw.schrift = t.schrift;
        lw.pinsel = t.pinsel;
        lw.TextOut(t.x, t.y, t.text);
    }
    void operator()(const TFlaeche& f) const
    {
        lw.pinsel = {f.farbe, bsSolid};
        lw.FillRect(f.links, f.oben, f.rechts, f.unten);
    }
    void operator()(const TEckenName& e) const
    {
        lw.schrift = e.mass;
        if (e.vor)
            EckenNameVor(lw, e.text, e.farbe, e.p.x, e.p.y, e.q.x, e.q.y, e.abstand);
        else
            EckenNameNach(lw, e.text, e.farbe, e.p.x, e.p.y, e.q.x, e.q.y, e.abstand);
    }
    void operator()(const TStreckenName& s) const
    {
        lw.schrift = s.mass;
        StreckenName(lw, s.text, s.farbe, s.von.x, s.von.y, s.bis.x, s.bis.y);
    }
    void operator()(const TSeitenName& s) const
    {
        lw.schrift = s.mass;
        SeitenName(lw, s.text, s.farbe, s.a.x, s.a.y, s.b.x, s.b.y, s.k.x, s.k.y, s.abstand);
    }
    void operator()(const TBruch& b) const
    {
        lw.schrift = b.mass;
        Bruch(lw, b.zaehler, b.nenner, b.fett, b.groesse, b.farbe, b.ort.x, b.ort.y);
    }
};

// ------------------------------------------------------------------ text form

QString P(TWeltPunkt p) { return QStringLiteral("(%1|%2)").arg(double(p.x)).arg(double(p.y)); }
QString F(TFarbe f) { return QStringLiteral("#%1").arg(f, 6, 16, QLatin1Char('0')); }
QString S(const TSchrift& s)
{
    return QStringLiteral("%1 %2%3 %4")
        .arg(s.name)
        .arg(s.groesse)
        .arg(s.fett ? QStringLiteral(" fett") : QString(), F(s.farbe));
}
QString Q(const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); }

struct TSchreiber {
    QString operator()(const TStrecke& s) const
    {
        return QStringLiteral("Strecke%1 %2-%3 breite %4 farbe %5 stil %6")
            .arg(s.dick ? QStringLiteral(" dick") : QString(), P(s.von), P(s.bis))
            .arg(s.breite).arg(F(s.farbe)).arg(s.stil);
    }
    QString operator()(const TGerade& g) const
    {
        return QStringLiteral("Gerade %1-%2 in %3x%4 breite %5 farbe %6 stil %7")
            .arg(P(g.p), P(g.q)).arg(double(g.wx)).arg(double(g.wy)).arg(g.breite).arg(F(g.farbe)).arg(g.stil);
    }
    QString operator()(const TRechteck& r) const
    {
        return QStringLiteral("Rechteck %1-%2 breite %3 farbe %4 stil %5")
            .arg(P(r.ecke1), P(r.ecke2)).arg(r.breite).arg(F(r.farbe)).arg(r.stil);
    }
    QString operator()(const TDoppelpfeil& d) const
    {
        return QStringLiteral("Doppelpfeil x %1..%2 y %3 breite %4 farbe %5 art %6")
            .arg(double(d.x1)).arg(double(d.x2)).arg(double(d.y)).arg(d.breite).arg(F(d.farbe)).arg(QChar(d.art));
    }
    QString operator()(const TKreis& k) const
    {
        return QStringLiteral("Kreis %1 r %2 breite %3 farbe %4 fuellung %5 stil %6")
            .arg(P(k.mitte)).arg(double(k.radius)).arg(k.breite).arg(F(k.farbe))
            .arg(k.fuellung < 0 ? QStringLiteral("keine") : F(TFarbe(k.fuellung))).arg(int(k.stil));
    }
    QString operator()(const TBogen& b) const
    {
        return QStringLiteral("Bogen %1 r %2 von %3 bis %4 breite %5 farbe %6")
            .arg(P(b.mitte)).arg(double(b.radius)).arg(double(b.von)).arg(double(b.bis)).arg(b.breite)
            .arg(F(b.farbe));
    }
    QString operator()(const TRechterWinkel& r) const
    {
        return QStringLiteral("RechterWinkel %1 Schenkel %2 r %3 breite %4 farbe %5 seite %6")
            .arg(P(r.scheitel), P(r.richtung)).arg(double(r.radius)).arg(r.breite).arg(F(r.farbe))
            .arg(QChar(r.seite));
    }
    QString operator()(const TText& t) const
    {
        return QStringLiteral("Text art %1 %2 bei %3 farbe %4 hervor %5 groesse %6%7 in %8")
            .arg(int(t.art)).arg(Q(t.text), P(t.ort), F(t.farbe), F(t.hervor)).arg(t.groesse)
            .arg(t.fett ? QStringLiteral(" fett") : QString(), S(t.mass));
    }
    QString operator()(const TPixelText& t) const
    {
        return QStringLiteral("PixelText art %1 %2 bei %3,%4 farbe %5 hervor %6 groesse %7%8")
            .arg(int(t.art)).arg(Q(t.text)).arg(t.x).arg(t.y).arg(F(t.farbe), F(t.hervor)).arg(t.groesse)
            .arg(t.fett ? QStringLiteral(" fett") : QString());
    }
    QString operator()(const TSchlichtText& t) const
    {
        return QStringLiteral("SchlichtText %1 bei %2,%3 in %4 farbe %5 pinsel %6 %7")
            .arg(Q(t.text)).arg(t.x).arg(t.y).arg(S(t.schrift), F(t.schrift.farbe), F(t.pinsel.farbe))
            .arg(int(t.pinsel.stil));
    }
    QString operator()(const TFlaeche& f) const
    {
        return QStringLiteral("Flaeche %1,%2-%3,%4 farbe %5")
            .arg(f.links).arg(f.oben).arg(f.rechts).arg(f.unten).arg(F(f.farbe));
    }
    QString operator()(const TEckenName& e) const
    {
        return QStringLiteral("EckenName%1 %2 %3 %4 abstand %5 farbe %6 in %7")
            .arg(e.vor ? QStringLiteral("Vor") : QStringLiteral("Nach"), Q(e.text), P(e.p), P(e.q))
            .arg(double(e.abstand)).arg(F(e.farbe), S(e.mass));
    }
    QString operator()(const TStreckenName& s) const
    {
        return QStringLiteral("StreckenName %1 %2-%3 farbe %4 in %5")
            .arg(Q(s.text), P(s.von), P(s.bis), F(s.farbe), S(s.mass));
    }
    QString operator()(const TSeitenName& s) const
    {
        return QStringLiteral("SeitenName %1 %2-%3 bei %4 abstand %5 farbe %6 in %7")
            .arg(Q(s.text), P(s.a), P(s.b), P(s.k)).arg(double(s.abstand)).arg(F(s.farbe), S(s.mass));
    }
    QString operator()(const TBruch& b) const
    {
        return QStringLiteral("Bruch %1/%2 bei %3 groesse %4%5 farbe %6 in %7")
            .arg(Q(b.zaehler), Q(b.nenner), P(b.ort)).arg(b.groesse)
            .arg(b.fett ? QStringLiteral(" fett") : QString(), F(b.farbe), S(b.mass));
    }
};

} // namespace

TSchrift SchriftNach(const bild::TText& t)
{
    using bild::TTextArt;
    const QString& s = t.text;
    const bool griechischeArt =
        t.art == TTextArt::SymbolMitte || t.art == TTextArt::SymbolLinks || t.art == TTextArt::SymbolMitteMittig;
    const auto marke = [](QChar c) { return QStringLiteral("!^~*").contains(c); };
    const bool griechischAmEnde = griechischeArt && s.size() >= 2 && !marke(s.back())
        && (s[s.size() - 2] == QLatin1Char('~') || s[s.size() - 2] == QLatin1Char('*'));
    return {griechischAmEnde ? QStringLiteral("Symbol") : QStringLiteral("Arial"), t.groesse, t.fett, t.farbe};
}

void Zeichne(Leinwand& lw, const TBild& bild)
{
    for (const TBildTeil& teil : bild.teile) {
        lw.Zuruecksetzen();
        std::visit(TMaler{lw}, teil);
    }
}

std::vector<TTextKasten> TextKaesten(const TBild& bild)
{
    // A canvas without a painter measures what it would write.
    Leinwand lw;
    std::vector<QRect> zeichen;
    lw.textKaesten = &zeichen;
    std::vector<TTextKasten> kaesten;
    for (std::size_t i = 0; i < bild.teile.size(); ++i) {
        const TBildTeil& teil = bild.teile[i];
        const bool schreibt = std::holds_alternative<TText>(teil) || std::holds_alternative<TPixelText>(teil)
            || std::holds_alternative<TSchlichtText>(teil) || std::holds_alternative<TEckenName>(teil)
            || std::holds_alternative<TStreckenName>(teil) || std::holds_alternative<TSeitenName>(teil)
            || std::holds_alternative<TBruch>(teil);
        if (!schreibt)
            continue;
        zeichen.clear();
        lw.Zuruecksetzen();
        std::visit(TMaler{lw}, teil);
        QRect kasten;
        for (const QRect& r : zeichen)
            kasten |= r;
        if (!kasten.isEmpty())
            kaesten.push_back({i, kasten});
    }
    return kaesten;
}

bool KaestenUeberlappen(const std::vector<TTextKasten>& kaesten)
{
    for (std::size_t i = 0; i < kaesten.size(); ++i)
        for (std::size_t j = i + 1; j < kaesten.size(); ++j)
            if (kaesten[i].kasten.intersects(kaesten[j].kasten))
                return true;
    return false;
}

std::string Text(const TBildTeil& teil) { return std::visit(TSchreiber{}, teil).toStdString(); }

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
