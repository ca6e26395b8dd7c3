// The picture value and its one painter: every item kind lands where its
// primitive puts it, in its own colour, whatever an earlier drawing left on
// the canvas; differing pictures name their first differing item.
#include "TestHilfen.h"
#include "draw/Leinwand.h"
#include "draw/TextKaesten.h"
#include "draw/Bild.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"
#include "draw/SchriftU.h"

#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

using namespace bild;
using namespace testhilfen;

namespace {

constexpr TFarbe rot = RGB(255, 0, 0), gruen = RGB(0, 128, 0), blau = RGB(0, 0, 255);

struct TFall {
    const char* name;
    TBildTeil teil;
    TWeltPunkt probe; // a world point the item paints in its colour (within 2 px)
    TFarbe farbe;
};

// 480 x 480 pixels for -10..10: 24 pixels per unit, origin at (240, 240).
const TFall faelle[] = {
    {"Strecke", TStrecke{{-5, 0}, {5, 0}, 2, rot, linieVoll}, {3, 0}, rot},
    {"dicke Strecke", TStrecke{{0, -5}, {0, 5}, 4, blau, dickVoll, true}, {0, -4}, blau},
    {"Gerade", TGerade{{0, 1}, {1, 2}, 10, 10, 1, gruen, linieVoll}, {-9, -8}, gruen},
    {"Rechteck", TRechteck{{-4, -4}, {4, 4}, 1, rot, linieVoll}, {-4, 2}, rot},
    {"Doppelpfeil", TDoppelpfeil{-6, 6, -3, 1, blau, 'B'}, {-5.9f, -3}, blau},
    {"Kreis gefüllt", TKreis{{2, 2}, 1, 1, rot, int(gruen)}, {2, 2}, gruen},
    {"Kreis punktiert", TKreis{{0, 0}, 5, 1, blau, keineFuellung, psDot}, {5, 0}, blau},
    {"Bogen", TBogen{{0, 0}, 6, 80, 100, 2, rot}, {0, 6}, rot},
    {"rechter Winkel", TRechterWinkel{{1, 0}, {0, 0}, 2, 1, gruen, 'L'}, {0.7f, 0.7f}, gruen},
    {"Text", TText{TTextArt::Zentriert, std::string("W"), {-3, 3}, blau}, {-3, 3}, blau},
    {"Text im Kasten", TText{TTextArt::ImKasten, std::string("W"), {3, -3}, rot}, {3, -3}, rot},
    {"Text schlicht", TText{TTextArt::Schlicht, std::string("W"), {-6, -6}, gruen}, {-6, -6}, gruen},
    {"Symboltext mittig", TText{TTextArt::SymbolMitteMittig, std::string("~a"), {5, 5}, gruen, 14}, {5, 5}, gruen},
    {"Pixeltext", TPixelText{TSchreibArt::Symbol, std::string("~a"), 100, 100, rot}, {-5.6f, 5.3f}, rot},
    {"schlichter Text", TSchlichtText{std::string("M"), 300, 300, {std::string("Arial"), 12, true, gruen}},
     {2.8f, -2.8f}, gruen},
    {"Fläche", TFlaeche{10, 10, 30, 30, gruen}, {-9.2f, 9.2f}, gruen},
    {"Eckenname", TEckenName{std::string("W"), {0, 0}, {0, -1}, 2, true, rot}, {0, 2}, rot},
    {"Streckenname", TStreckenName{std::string("W"), {-2, -6}, {2, -6}, blau}, {0, -6.4f}, blau},
    {"Seitenname", TSeitenName{std::string("W"), {-6, 0}, {6, 0}, {0, 0}, 1, rot}, {-3, 1.5f}, rot},
    {"Bruch", TBruch{std::string("a"), std::string("2"), {0, 0}, 10, true, gruen}, {0, -0.3f}, gruen},
};

QImage Gemalt(const TBild& bild, bool verschmiert)
{
    QImage bildpunkte = WeissesBild(481, 481);
    QPainter maler(&bildpunkte);
    Leinwand lw(&maler);
    SetzeWeltfenster(0, 480, 0, 480, -10, 10, -10, 10);
    if (verschmiert) { // what a careless earlier drawing could leave behind
        lw.stift = {RGB(9, 9, 9), 7, psDashDot};
        lw.pinsel = {RGB(200, 0, 200), bsSolid};
        lw.schrift = {std::string("Times New Roman"), 30, false, RGB(1, 2, 3)};
    }
    Zeichne(lw, bild);
    maler.end();
    return bildpunkte;
}

// A fresh canvas in the world window of `Gemalt`, handed to `malen`.
QImage GemaltVon(const std::function<void(Leinwand&)>& malen)
{
    QImage bildpunkte = WeissesBild(481, 481);
    QPainter maler(&bildpunkte);
    Leinwand lw(&maler);
    SetzeWeltfenster(0, 480, 0, 480, -10, 10, -10, 10);
    malen(lw);
    maler.end();
    return bildpunkte;
}

// Each text kind is drawn by its own routine, pixel for pixel. The probe text
// has a Greek letter, sub- and superscript and a highlight, so that every two
// routines differ in what they draw: a kind sent to a neighbour's routine
// (centred to left, Times to Arial, Greek to plain) fails here.
TEST(Bild, JedeTextArtMaltMitIhrerRoutine)
{
    const std::string probe = "~a W!1^2 #x#";
    const std::string& q = probe;
    const float x = 1.5f, y = -2.5f;
    using F = std::function<void(Leinwand&)>;
    const std::pair<TTextArt, F> arten[] = {
        {TTextArt::Mitte, [&](Leinwand& lw) { TextMitte(lw, q, blau, true, 14, x, y); }},
        {TTextArt::Links, [&](Leinwand& lw) { TextLinks(lw, q, blau, true, 14, x, y); }},
        {TTextArt::SymbolMitte, [&](Leinwand& lw) { SymbolTextMitte(lw, q, blau, true, 14, x, y); }},
        {TTextArt::SymbolLinks, [&](Leinwand& lw) { SymbolTextLinks(lw, q, blau, true, 14, x, y); }},
        {TTextArt::TimesMitte, [&](Leinwand& lw) { TimesTextMitte(lw, q, blau, true, 14, x, y); }},
        {TTextArt::FarbMitte, [&](Leinwand& lw) { FarbTextMitte(lw, q, blau, true, 14, rot, x, y); }},
        {TTextArt::FarbLinks, [&](Leinwand& lw) { FarbTextLinks(lw, q, blau, true, 14, rot, x, y); }},
        {TTextArt::FarbLinksMittig, [&](Leinwand& lw) { FarbTextLinksMittig(lw, q, blau, true, 14, rot, x, y); }},
        {TTextArt::Zentriert, [&](Leinwand& lw) { TextZentriert(lw, q, blau, true, 14, x, y); }},
        {TTextArt::ImKasten, [&](Leinwand& lw) { TextImKasten(lw, q, blau, true, 14, x, y); }},
        {TTextArt::SymbolMitteMittig, [&](Leinwand& lw) { SymbolTextMitteMittig(lw, q, blau, true, 14, x, y); }},
    };
    // On grey, where the white box of TextImKasten shows.
    TBild grund;
    grund << TFlaeche{0, 0, 480, 480, RGB(200, 200, 200)};
    std::vector<QImage> erwartet;
    for (const auto& [art, routine] : arten) {
        SCOPED_TRACE(int(art));
        erwartet.push_back(GemaltVon([&](Leinwand& lw) {
            Zeichne(lw, grund);
            routine(lw);
        }));
        TBild bild = grund;
        bild << TText{art, probe, {x, y}, blau, 14, true, rot};
        EXPECT_EQ(GroessteAbweichung(Gemalt(bild, true), erwartet.back()), 0);
    }
    for (std::size_t i = 0; i < erwartet.size(); ++i)
        for (std::size_t j = i + 1; j < erwartet.size(); ++j)
            EXPECT_GT(GroessteAbweichung(erwartet[i], erwartet[j]), 0) << i << " und " << j << " gleich";
}

// The renderers themselves: a superscript sits higher and a subscript lower
// than the letter before it, both smaller.
TEST(Bild, HochUndTiefGestelltLiegenHoeherUndTiefer)
{
    // Rows that hold paint within the columns [links, rechts).
    const auto zeilen = [](const QImage& b, int links, int rechts) {
        int oben = b.height(), unten = -1;
        for (int py = 0; py < b.height(); ++py)
            for (int px = links; px < rechts; ++px)
                if (b.pixel(px, py) != 0xffffffff) {
                    oben = std::min(oben, py);
                    unten = std::max(unten, py);
                }
        return std::pair{oben, unten};
    };
    const auto schreibe = [](const char* text) {
        return GemaltVon([&](Leinwand& lw) { SchreibeText(lw, text, 100, 100, 20, true, clBlack); });
    };
    const QImage hoch = schreibe("H^2"), tief = schreibe("H!2");
    const QImage h = schreibe("H");
    int hRechts = 100;
    for (int px = 100; px < 200; ++px)
        if (zeilen(h, px, px + 1).second >= 0)
            hRechts = px + 1;
    const auto [hOben, hUnten] = zeilen(h, 100, hRechts);
    const auto [hochOben, hochUnten] = zeilen(hoch, hRechts + 1, 200);
    const auto [tiefOben, tiefUnten] = zeilen(tief, hRechts + 1, 200);
    // A smaller letter drawn from the same top reaches higher anyway: the
    // raised one ends above the H's middle, the lowered one starts below it.
    const int hMitte = (hOben + hUnten) / 2;
    EXPECT_LT(hochOben, hOben);
    EXPECT_LT(hochUnten, hMitte);
    EXPECT_GT(tiefOben, hMitte);
    EXPECT_GT(tiefUnten, hUnten);
    EXPECT_LT(hochUnten - hochOben, hUnten - hOben);
}

TEST(Bild, JedesTeilMaltSeinePrimitiveUnabhaengigVomLeinwandZustand)
{
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.name);
        TBild bild;
        bild << f.teil;
        const QImage sauber = Gemalt(bild, false);
        int px, py;
        WeltZuPixel(f.probe.x, f.probe.y, px, py);
        EXPECT_TRUE(FarbeNahe(sauber, px, py, f.farbe, 2)) << Text(f.teil);
        EXPECT_EQ(GroessteAbweichung(sauber, Gemalt(bild, true)), 0) << Text(f.teil);
    }
}

// Every item that writes text has one box, and everything it paints lies in
// it (the box of a fraction includes its bar); other items have none.
TEST(Bild, TextKaestenUmfassenWasGemaltWird)
{
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.name);
        TBild bild;
        bild << f.teil;
        const std::vector<TTextKasten> kaesten = TextKaesten(bild); // in the world window Gemalt set
        const QImage gemalt = Gemalt(bild, false);
        const bool schreibt = std::holds_alternative<TText>(f.teil) || std::holds_alternative<TPixelText>(f.teil)
            || std::holds_alternative<TSchlichtText>(f.teil) || std::holds_alternative<TEckenName>(f.teil)
            || std::holds_alternative<TStreckenName>(f.teil) || std::holds_alternative<TSeitenName>(f.teil)
            || std::holds_alternative<TBruch>(f.teil);
        ASSERT_EQ(kaesten.size(), schreibt ? 1u : 0u);
        if (!schreibt || (std::holds_alternative<TText>(f.teil) && std::get<TText>(f.teil).art == TTextArt::ImKasten))
            continue; // the white box of TextImKasten lies around its text
        const QRect kasten = kaesten[0].kasten;
        EXPECT_GT(ZaehleFarbe(gemalt, f.farbe, kasten), 10);
        // A bold letter may reach a pixel past its advance.
        EXPECT_EQ(ZaehleNichtWeiss(gemalt), ZaehleNichtWeiss(gemalt, kasten.adjusted(-1, -1, 1, 1)))
            << "outside its box";
    }
}

TEST(Bild, EinTeilHaengtNichtVomVorigenAb)
{
    // A label drawn after a large Times text is measured in its own font.
    TBild allein, danach;
    const TText name{TTextArt::Zentriert, std::string("ABC"), {0, 0}};
    allein << name;
    danach << TText{TTextArt::Links, std::string("x"), {-9, 9}, clBlack, 30} << name;
    const QImage a = Gemalt(allein, false), b = Gemalt(danach, false);
    EXPECT_EQ(GroessteAbweichung(a.copy(100, 200, 280, 80), b.copy(100, 200, 280, 80)), 0);
}

TEST(Bild, UnterschiedNenntDasErsteAbweichendeTeil)
{
    TBild a, b;
    a << TStrecke{{0, 0}, {1, 1}} << TKreis{{0, 0}, 1};
    b << TStrecke{{0, 0}, {1, 1}} << TKreis{{0, 0}, 2};
    EXPECT_EQ(ErsterUnterschied(a, a), "");
    EXPECT_EQ(ErsterUnterschied(a, b), "Teil 1: erwartet Kreis (0|0) r 1 breite 1 farbe #000000 fuellung keine "
                                       "stil 0, gezeichnet Kreis (0|0) r 2 breite 1 farbe #000000 fuellung keine "
                                       "stil 0");
    b.teile.pop_back();
    EXPECT_EQ(ErsterUnterschied(a, b).substr(0, 13), "Teil 1: fehlt");
}

} // namespace
