// Texts of the core: numbers as Qt shows them, sentences with gaps, and what a
// reader says.
#include "draw/Texte.h"

#include <gtest/gtest.h>

TEST(Texte, ZahlFestRundetWieDieAnzeige)
{
    // Ties away from zero on the exact binary value; no sign on negative zero.
    const struct {
        double wert;
        int stellen;
        const char* text;
    } faelle[] = {
        {22.5, 0, "23"},      {2.25, 1, "2.3"},     {0.15, 1, "0.1"},  {0.35, 1, "0.3"},    {0.05, 1, "0.1"},
        {-0.5, 0, "-1"},      {-0.4, 0, "-0"},      {-0.0, 2, "0.00"}, {2.675, 2, "2.67"},  {9.999, 0, "10"},
        {99.95, 1, "100.0"},  {0.125, 2, "0.13"},   {123456789.125, 2, "123456789.13"},     {7, -3, "7"},
        {1e10 + 0.5, 0, "10000000001"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ZahlFest(f.wert, f.stellen), f.text) << f.wert << " mit " << f.stellen;
}

TEST(Texte, SaetzeListenUndGrossschreibung)
{
    EXPECT_EQ(Satz("%1 von %2 Punkten", {2, 3}), "2 von 3 Punkten");
    EXPECT_EQ(Satz("%2%1", {"a", "b"}), "ba");
    EXPECT_EQ(Satz("%1 bleibt", {"%2"}), "%2 bleibt"); // a gap's text is not filled again
    EXPECT_EQ(Satz("100 % und %3", {1}), "100 % und %3");
    EXPECT_EQ(Verbunden({"a", "b", "c"}, ", "), "a, b, c");
    EXPECT_EQ(Verbunden({}, ", "), "");
    EXPECT_EQ(Ersetzt("~a + ~a", "~a", "α"), "α + α");
    EXPECT_EQ(Ersetzt("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(GrossAnfang("ungleichseitig"), "Ungleichseitig");
    EXPECT_EQ(KleinAnfang("Überstumpfer Winkel"), "überstumpfer Winkel");
    EXPECT_EQ(GrossAnfang("äußerer"), "Äußerer");
    EXPECT_EQ(KleinAnfang(""), "");
}

TEST(Texte, WasDerLeserSagt)
{
    EXPECT_EQ(OhneFuellzeichen(" Schritte (0–4)  "), "Schritte (0–4)");
    EXPECT_EQ(OhneFuellzeichen("&Bild  &&  Text"), "Bild & Text");
    EXPECT_EQ(ZahlFuerLeser(-2.5f), "−2,5");
    EXPECT_EQ(ZahlFuerLeser(14.0f), "14");
    EXPECT_EQ(ZahlFuerLeser(-0.04f), "0");
    EXPECT_EQ(PunktText("A", -14.0f, 2.25f, 2), "A(−14|2,25)");
    EXPECT_EQ(Klartext("~a = 30,00°, S!1, #Elemente#, w*g, f^2"), "α = 30,00°, S1, Elemente, wγ, f2");
    EXPECT_EQ(Klartext("~ä"), "ä"); // no Greek key: the letter itself
    TMarkierPunkt punkte[3] = {{}, {2.0f, -3.0f, true}, {}};
    EXPECT_EQ(MarkierText(punkte, 0, 3), "0 von 3 Punkten im rot punktierten Rahmen markiert.");
    EXPECT_EQ(MarkierText(punkte, 1, 3), "1 von 3 Punkten im rot punktierten Rahmen markiert: P1(2|−3).");
}
