#include "draw/Zeichne.h"

#include "draw/Primitive.h"
#include "draw/SchnittU.h"
#include "draw/SchriftU.h"

#include <QPoint>
#include <algorithm>
#include <QVarLengthArray>

using namespace bild;

namespace {

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
        const QString text = QtText(t.text);
        const float x = t.ort.x, y = t.ort.y;
        switch (t.art) {
        case TTextArt::Mitte: TextMitte(lw, text, t.farbe, t.fett, t.groesse, x, y); break;
        case TTextArt::Links: TextLinks(lw, text, t.farbe, t.fett, t.groesse, x, y); break;
        case TTextArt::SymbolMitte: SymbolTextMitte(lw, text, t.farbe, t.fett, t.groesse, x, y); break;
        case TTextArt::SymbolLinks: SymbolTextLinks(lw, text, t.farbe, t.fett, t.groesse, x, y); break;
        case TTextArt::TimesMitte: TimesTextMitte(lw, text, t.farbe, t.fett, t.groesse, x, y); break;
        case TTextArt::FarbMitte: FarbTextMitte(lw, text, t.farbe, t.fett, t.groesse, t.hervor, x, y); break;
        case TTextArt::FarbLinks: FarbTextLinks(lw, text, t.farbe, t.fett, t.groesse, t.hervor, x, y); break;
        case TTextArt::FarbLinksMittig:
            FarbTextLinksMittig(lw, text, t.farbe, t.fett, t.groesse, t.hervor, x, y);
            break;
        case TTextArt::Zentriert: TextZentriert(lw, text, t.farbe, t.fett, t.groesse, x, y); break;
        case TTextArt::ImKasten: TextImKasten(lw, text, t.farbe, t.fett, t.groesse, x, y); break;
        case TTextArt::Schlicht: SchlichtZentriert(t); break;
        case TTextArt::SymbolMitteMittig:
            SymbolTextMitteMittig(lw, text, t.farbe, t.fett, t.groesse, x, y);
            break;
        }
    }
    void SchlichtZentriert(const TText& t) const
    {
        lw.schrift.farbe = t.farbe;
        lw.pinsel.stil = bsClear;
        int px, py;
        WeltZuPixel(t.ort.x, t.ort.y, px, py);
        const QSize mass = lw.TextExtent(QtText(t.text));
        lw.TextOut(px - mass.width() / 2, py - mass.height() / 2, QtText(t.text));
    }
    void operator()(const TPixelText& t) const
    {
        const QString text = QtText(t.text);
        int x = t.x, y = t.y;
        if (t.mitteY)
            y = t.y - lw.TextHeight(text) / 2; // in the canvas's fresh font, Arial 12 bold
        if (t.mitteX)
            x = std::max(t.x - TextBreite(lw, text, t.groesse, t.fett) / 2, t.linksMindestens);
        lw.pinsel.stil = bsClear;
        switch (t.art) {
        case TSchreibArt::Text: SchreibeText(lw, text, x, y, t.groesse, t.fett, t.farbe); break;
        case TSchreibArt::Farb: SchreibeFarbText(lw, text, x, y, t.groesse, t.fett, t.farbe, t.hervor); break;
        case TSchreibArt::Times: SchreibeTimesText(lw, text, x, y, t.groesse, t.fett, t.farbe); break;
        case TSchreibArt::Symbol: SchreibeSymbolText(lw, text, x, y, t.groesse, t.fett, t.farbe); break;
        }
    }
    void operator()(const TSchlichtText& t) const
    {
        lw.schrift = t.schrift;
        lw.pinsel = t.pinsel;
        lw.TextOut(t.x, t.y, QtText(t.text));
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
            EckenNameVor(lw, QtText(e.text), e.farbe, e.p.x, e.p.y, e.q.x, e.q.y, e.abstand);
        else
            EckenNameNach(lw, QtText(e.text), e.farbe, e.p.x, e.p.y, e.q.x, e.q.y, e.abstand);
    }
    void operator()(const TStreckenName& s) const
    {
        lw.schrift = s.mass;
        StreckenName(lw, QtText(s.text), s.farbe, s.von.x, s.von.y, s.bis.x, s.bis.y);
    }
    void operator()(const TSeitenName& s) const
    {
        lw.schrift = s.mass;
        SeitenName(lw, QtText(s.text), s.farbe, s.a.x, s.a.y, s.b.x, s.b.y, s.k.x, s.k.y, s.abstand);
    }
    void operator()(const TBruch& b) const
    {
        lw.schrift = b.mass;
        Bruch(lw, QtText(b.zaehler), QtText(b.nenner), b.fett, b.groesse, b.farbe, b.ort.x, b.ort.y);
    }
};

} // namespace

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

void BeginneZeichnung(Leinwand& lw, int breite, int hoehe, const TWeltRechteck& welt, bool mitGitter)
{
    SetzeWeltfenster(breite, hoehe, welt);
    gitterAn = mitGitter;
    lw.pinsel.farbe = clWhite;
    lw.pinsel.stil = bsSolid;
    lw.FillRect(0, 0, breite, hoehe);
    ZeichneGitter(lw);
}

void ZeichneGitter(Leinwand& lw)
{
    if (!gitterAn)
        return;
    lw.stift.farbe = RGB(128, 128, 128);
    lw.stift.breite = 1;
    lw.stift.stil = psSolid;
    const int achseX = pixLinks + nullpunktX;
    const int achseY = pixOben + nullpunktY;
    lw.MoveTo(achseX, pixOben);
    lw.LineTo(achseX, pixUnten);
    lw.MoveTo(pixLinks, achseY);
    lw.LineTo(pixRechts, achseY);
    if (einheitX <= 0 || einheitY <= 0)
        return;

    // A black dot at every whole unit inside the viewport, bounds included,
    // set after the axes so that the axes carry them too.
    QVarLengthArray<QPoint, 1024> punkte;
    auto spalte = [&](int x) {
        for (int y = achseY; y <= pixUnten; y += einheitY)
            if (y >= pixOben)
                punkte.append(QPoint(x, y));
        for (int y = achseY - einheitY; y >= pixOben; y -= einheitY)
            if (y <= pixUnten)
                punkte.append(QPoint(x, y));
    };
    for (int x = achseX; x <= pixRechts; x += einheitX)
        if (x >= pixLinks)
            spalte(x);
    for (int x = achseX - einheitX; x >= pixLinks; x -= einheitX)
        if (x <= pixRechts)
            spalte(x);
    lw.Punkte(punkte.constData(), int(punkte.size()), clBlack);
}
