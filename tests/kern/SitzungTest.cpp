// A lesson driven by name as a web page drives it: inputs outside the layout
// or where an area takes no pointer are ignored, and each input leaves what a
// reader hears and a refused input's message.
#include "lessons/Sitzung.h"

#include <gtest/gtest.h>

using lektion::TSitzung;
using lektion::TZeigerArt;

TEST(Sitzung, NurWasDasLayoutKennt)
{
    EXPECT_FALSE(TSitzung("Winkel9").Gueltig());
    TSitzung dreiecke("Dreieck0");
    ASSERT_TRUE(dreiecke.Gueltig());
    dreiecke.Aktiviere(1);
    // The title panel has no drawing and no world: nothing to convert, nothing happens.
    EXPECT_EQ(dreiecke.ZuWelt(0, 10, 10), TWeltPunkt{});
    for (const TZeigerArt art : {TZeigerArt::Druck, TZeigerArt::Bewegung, TZeigerArt::Los})
        dreiecke.ZeigerPixel(0, art, 10, 10);
    dreiecke.Geaendert(-1, 0);
    dreiecke.Geaendert(99, 0);
    dreiecke.Menue(7);
    dreiecke.Text(99, "12");
    dreiecke.Fertig(-3);
    EXPECT_EQ(dreiecke.Ansage(), "");
    EXPECT_EQ(dreiecke.Meldung(), "");
}

TEST(Sitzung, AnsageUndMeldung)
{
    TSitzung winkel("Winkel1");
    winkel.Aktiviere(1);
    winkel.Geaendert(winkel.Lektion().Steuer("grpWinkel1"), 137);
    EXPECT_EQ(winkel.Ansage(), "Winkel von 137° – stumpfer Winkel, Scheitel S");
    winkel.SetzeVorlesen(false);
    winkel.Geaendert(winkel.Lektion().Steuer("grpWinkel1"), 90);
    EXPECT_EQ(winkel.Ansage(), "");

    // A mark outside the frame is refused with a message, given once.
    TSitzung spiegeln("Symmetrie2");
    spiegeln.Aktiviere(4);
    spiegeln.ZeigerPixel(0, TZeigerArt::Druck, 100, 100);
    EXPECT_EQ(spiegeln.Meldung(), "Der Punkt liegt nicht innerhab der Markierung!");
    spiegeln.Geaendert(spiegeln.Lektion().Steuer("grpWH1"), 0);
    EXPECT_EQ(spiegeln.Meldung(), "");
}
