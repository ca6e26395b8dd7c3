#include "lessons/Dreieck0Modell.h"

#include "draw/Texte.h"
#include "draw/ZufallU.h"

namespace dreieck0 {

namespace {

using namespace lektion;

// A drawing box shows 30 x 30 units, a text box 30 x 8 units over 300 x 80 of
// its 304 x 80 pixels.
constexpr TWeltRechteck weltDreieck{-15, 15, -15, 15};
constexpr TWeltRechteck weltText{-15, 15, -4, 4};

// Per box: its kind panel, text panel and button, in this order.
constexpr int steuerJeBox = 3;

TLayout EinteilungLayout()
{
    TLayout l;
    l.caption = "Einteilung der Dreiecke";
    l.hoehe = 716;
    TBereich titel;
    titel.name = "pnlUeb";
    titel.ueb = {10, 5, 1000, 70};
    titel.lblUeb = {10, 2, 980, 66};
    l.bereiche.push_back(titel);
    const int links[3] = {10, 355, 702};
    const int boxLinks[3] = {14, 360, 706};
    std::vector<TBereich> texte;
    for (int i = 0; i < 3; ++i) {
        const std::string k = std::to_string(i + 1);
        // Each drawing after its kind panel, each text in its panel: the order
        // a screen reader walks them box by box.
        TBereich grafik{"pntGrafik" + k, "Dreieck " + k};
        grafik.bevel = {links[i], 200, 308, 308};
        grafik.grafik = {boxLinks[i], 204, 300, 300};
        grafik.welt = weltDreieck;
        grafik.nach = "pnlUeb" + k;
        l.bereiche.push_back(grafik);
        TBereich text{"pntTxt" + k, "Maße von Dreieck " + k};
        text.grafik = {2, 2, 304, 80};
        text.welt = weltText;
        text.weltBreite = 300;
        text.in = "pnlTxt" + k;
        text.alsText = true;
        texte.push_back(text);

        TSteuer art{TArt::Anzeige, "pnlUeb" + k, {links[i], 100, 308, 40}, ""};
        art.weiss = true;
        TSteuer panel{TArt::Anzeige, "pnlTxt" + k, {links[i], 540, 308, 84}, ""};
        TSteuer knopf{TArt::Knopf, "btnGrafik" + k, {links[i], 650, 308, 30}, "Neues Dreieck"};
        knopf.zugBeschreibung = "für Dreieck " + k;
        l.steuer.insert(l.steuer.end(), {art, panel, knopf});
    }
    l.bereiche.insert(l.bereiche.end(), texte.begin(), texte.end());
    l.menue = {"Einteilung nach Seitenlängen", "Einteilung nach Winkeln"};
    return l;
}

} // namespace

const TDreieck& TZustand::Dreieck(int box) const
{
    return Einteilung == einteilungWinkel ? WinkelDreieck[box - 1] : SeitenDreieck[box - 1];
}

void SetzeEinteilung(TZustand& z, int einteilung)
{
    z.Einteilung = einteilung;
    for (int box = 1; box <= 3; ++box)
        NeuesDreieck(z, box);
}

void NeuesDreieck(TZustand& z, int box)
{
    TDreieckMasse& m = z.DreieckMasse[box - 1];
    if (z.Einteilung == einteilungWinkel) {
        TDreieck& d = z.WinkelDreieck[box - 1];
        switch (box) {
        case 1: ErzeugeSpitzwinkelig(d, m); break;
        case 2: ErzeugeStumpfwinkelig(d, m); break;
        default: ErzeugeRechtwinkelig(d, m); break;
        }
    } else {
        TDreieck& d = z.SeitenDreieck[box - 1];
        switch (box) {
        case 1: ErzeugeUngleichseitig(d, m); break;
        case 2: ErzeugeGleichschenkelig(d, m, z.Spitze); break;
        default: ErzeugeGleichseitig(d, m); break;
        }
    }
}

const TLayout& TDreieck0::Layout() const
{
    static const TLayout layout = EinteilungLayout();
    return layout;
}

// Every opening starts by sides with three new triangles.
void TDreieck0::Aktiviere(unsigned keim)
{
    SetzeZufallsKeim(keim);
    zustand = TZustand{};
    SetzeEinteilung(zustand, einteilungSeiten);
}

void TDreieck0::menArtClick(int punkt) { SetzeEinteilung(zustand, punkt == 1 ? einteilungWinkel : einteilungSeiten); }

void TDreieck0::btnGrafikClick(int box) { NeuesDreieck(zustand, box); }

void TDreieck0::Geaendert(int steuer, int)
{
    if (steuer % steuerJeBox == 2)
        btnGrafikClick(steuer / steuerJeBox + 1);
}

void TDreieck0::Menue(int punkt) { menArtClick(punkt); }

TSteuerZustand TDreieck0::Steuerzustand(int steuer) const
{
    if (steuer % steuerJeBox != 0)
        return {};
    const TEinteilungsTexte& texte = Texte(zustand.Einteilung);
    return {.text = texte.arten[steuer / steuerJeBox], .farbe = texte.farbe};
}

std::string TDreieck0::Titel(int bereich) const
{
    return bereich == titelBereich ? Texte(zustand.Einteilung).titel : std::string();
}

TBild TDreieck0::Bild(int bereich) const
{
    if (bereich >= ersterText)
        return TextBild(bereich - ersterText + 1, zustand.Einteilung, zustand.DreieckMasse[bereich - ersterText]);
    if (bereich >= ersteGrafik)
        return DreieckBild(bereich, zustand.Einteilung, zustand.Spitze, zustand.Dreieck(bereich));
    return {};
}

std::string TDreieck0::Beschreibung(int bereich) const
{
    if (bereich >= ersterText)
        return TextBeschreibung(bereich - ersterText + 1, zustand.Einteilung, zustand.DreieckMasse[bereich - ersterText]);
    if (bereich >= ersteGrafik)
        return DreieckBeschreibung(bereich, zustand.Einteilung, zustand.DreieckMasse[bereich - 1]);
    return {};
}

} // namespace dreieck0
