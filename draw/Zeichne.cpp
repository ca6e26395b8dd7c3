#include "draw/Zeichne.h"

#include "draw/Primitive.h"
#include "draw/SchnittU.h"
#include "draw/SchriftU.h"

#include "draw/Textmass.h"

#include <algorithm>
#include <vector>

using namespace bild;

namespace {

// Each routine starts from a fresh canvas and sets from the item what its
// primitive reads but does not set itself.
struct TMaler {
    TMalflaeche& lw;

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
        const std::string& text = t.text;
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
        const std::u16string text = textmass::Utf16(t.text);
        const TTextMass mass = lw.TextExtent(text);
        lw.TextOut(px - mass.breite / 2, py - mass.hoehe / 2, text);
    }
    void operator()(const TPixelText& t) const
    {
        const std::string& text = t.text;
        int x = t.x, y = t.y;
        if (t.mitteY)
            y = t.y - lw.TextHeight(textmass::Utf16(text)) / 2; // in the canvas's fresh font, Arial 12 bold
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
        lw.TextOut(t.x, t.y, textmass::Utf16(t.text));
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
            EckenNameVor(lw, std::string_view(e.text), e.farbe, e.p.x, e.p.y, e.q.x, e.q.y, e.abstand);
        else
            EckenNameNach(lw, std::string_view(e.text), e.farbe, e.p.x, e.p.y, e.q.x, e.q.y, e.abstand);
    }
    void operator()(const TStreckenName& s) const
    {
        lw.schrift = s.mass;
        StreckenName(lw, std::string_view(s.text), s.farbe, s.von.x, s.von.y, s.bis.x, s.bis.y);
    }
    void operator()(const TSeitenName& s) const
    {
        lw.schrift = s.mass;
        SeitenName(lw, std::string_view(s.text), s.farbe, s.a.x, s.a.y, s.b.x, s.b.y, s.k.x, s.k.y, s.abstand);
    }
    void operator()(const TBruch& b) const
    {
        lw.schrift = b.mass;
        Bruch(lw, std::string_view(b.zaehler), std::string_view(b.nenner), b.fett, b.groesse, b.farbe, b.ort.x, b.ort.y);
    }
};

} // namespace

void ZeichneTeil(TMalflaeche& lw, const TBildTeil& teil)
{
    lw.Zuruecksetzen();
    std::visit(TMaler{lw}, teil);
}

void Zeichne(TMalflaeche& lw, const TBild& bild)
{
    for (const TBildTeil& teil : bild.teile)
        ZeichneTeil(lw, teil);
}

void BeginneZeichnung(TMalflaeche& lw, int breite, int hoehe, const TWeltRechteck& welt, bool mitGitter)
{
    SetzeWeltfenster(breite, hoehe, welt);
    gitterAn = mitGitter;
    lw.pinsel.farbe = clWhite;
    lw.pinsel.stil = bsSolid;
    lw.FillRect(0, 0, breite, hoehe);
    ZeichneGitter(lw);
}

void ZeichneGitter(TMalflaeche& lw)
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
    std::vector<TPixel> punkte;
    punkte.reserve(1024);
    auto spalte = [&](int x) {
        for (int y = achseY; y <= pixUnten; y += einheitY)
            if (y >= pixOben)
                punkte.push_back({x, y});
        for (int y = achseY - einheitY; y >= pixOben; y -= einheitY)
            if (y <= pixUnten)
                punkte.push_back({x, y});
    };
    for (int x = achseX; x <= pixRechts; x += einheitX)
        if (x >= pixLinks)
            spalte(x);
    for (int x = achseX - einheitX; x >= pixLinks; x -= einheitX)
        if (x <= pixRechts)
            spalte(x);
    lw.Punkte(punkte.data(), int(punkte.size()), clBlack);
}
