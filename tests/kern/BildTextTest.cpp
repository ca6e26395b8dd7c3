// A picture as text: numbers lossless and short, every item on its line.
#include "draw/BildText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

TEST(BildText, ZahlenKurzUndVerlustfrei)
{
    const struct {
        float wert;
        const char* text;
    } faelle[] = {
        {0.0f, "0"},        {-0.0f, "0"},          {1.0f, "1"},           {100.0f, "100"},
        {-14.9f, "-14.9"},  {0.1f, "0.1"},         {12.5f, "12.5"},       {1e-19f, "1e-19"},
        {-1e-19f, "-1e-19"}, {123456792.0f, "123456792"}, {3e9f, "3e+09"}, {0.00001f, "0.00001"},
        {1.0f / 3.0f, "0.33333334"}, {std::nextafter(1.0f, 2.0f), "1.0000001"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(KurzZahl(f.wert), f.text) << f.text;
    // Every float reads back from its text: walk a spread of bit patterns.
    for (std::uint32_t bits = 0x00800000u; bits < 0x7f000000u; bits += 0x00012345u) {
        float wert;
        std::memcpy(&wert, &bits, sizeof wert);
        EXPECT_EQ(std::strtof(KurzZahl(wert).c_str(), nullptr), wert) << bits;
        EXPECT_EQ(std::strtof(KurzZahl(-wert).c_str(), nullptr), -wert) << bits;
    }
}

TEST(BildText, EineZeileJeTeil)
{
    TBild bild;
    bild << bild::TStrecke{{0, 0}, {1.5f, -2}, 2, clRed, liniePunktiert}
         << bild::TKreis{{0.1f, 0}, 1, 1, clBlack, keineFuellung, psDot}
         << bild::TFlaeche{1, 2, 3, 4, clBlue};
    EXPECT_EQ(BildAlsText(bild), "Strecke (0|0)-(1.5|-2) breite 2 farbe #ff0000 stil 2\n"
                                 "Kreis (0.1|0) r 1 breite 1 farbe #000000 fuellung keine stil 2\n"
                                 "Flaeche 1,2-3,4 farbe #0000ff\n");
    EXPECT_EQ(BildAlsText({}), "");
}

TEST(BildText, AlsJson)
{
    TBild bild;
    bild << bild::TKreis{{0.1f, -2}, 1.5f, 1, clRed, int(clWhite), psSolid}
         << bild::TText{bild::TTextArt::Mitte, "a \"b\"\n", {1, 2}};
    EXPECT_EQ(BildAlsJson(bild),
              R"([{"art":"Kreis","mitte":[0.1,-2],"radius":1.5,"breite":1,"farbe":"#ff0000","fuellung":"#ffffff",)"
              R"("stil":0},{"art":"Text","textArt":0,"text":"a \"b\"\u000a","ort":[1,2],"farbe":"#000000",)"
              R"("groesse":12,"fett":true,"hervor":"#000000","mass":{"name":"Arial","groesse":12,"fett":true,)"
              R"("farbe":"#000000"}}])");
}

#include "draw/PolKartU.h"

TEST(BildText, VierteldrehungenGenau)
{
    // Exact zeros, so that the picture's text is the same in every build.
    const struct {
        float winkel, x, y;
    } faelle[] = {{0, 8, 0}, {90, 0, 8}, {180, -8, 0}, {270, 0, -8}, {360, 8, 0}, {-90, 0, -8}, {450, 0, 8}};
    for (const auto& f : faelle) {
        float x = 1, y = 1;
        PolarZuKartesisch(f.winkel, 8, x, y);
        EXPECT_EQ(KurzZahl(x), KurzZahl(f.x)) << f.winkel;
        EXPECT_EQ(KurzZahl(y), KurzZahl(f.y)) << f.winkel;
    }
}
