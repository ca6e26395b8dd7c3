// What a screen reader says of a drawing, for known states, word for word.
#include "app/Vorlesen.h"
#include "draw/Texte.h"
#include "lessons/Dreieck0Bild.h"
#include "lessons/Dreieck2Bild.h"
#include "lessons/Symmetrie1Bild.h"
#include "lessons/Winkel1Bild.h"
#include "lessons/Winkel2Bild.h"
#include "lessons/Winkel3Bild.h"
#include "draw/Primitive.h"

#include <gtest/gtest.h>

namespace {

struct TFall {
    const char* was;
    std::function<std::string()> beschreibung;
    std::string erwartet;
};

} // namespace

TEST(BeschreibungTest, SagtWasDieZeichnungZeigt)
{
    SetzeFarben(); // the lesson colours the arcs are named by
    TMarkierPunkt punkte[6];
    punkte[1] = {-4.0f, 2.5f, true};
    punkte[2] = {6.0f, -0.04f, true};
    const TFall faelle[] = {
        {"ganzer spitzer Winkel", [] { return WinkelBeschreibung(std::string("45°"), WinkelArtGanz(45)); },
         std::string("Winkel von 45° – spitzer Winkel, Scheitel S")},
        {"kein Winkel", [] { return WinkelBeschreibung(std::string("0°"), WinkelArtGanz(0)); },
         std::string("Winkel von 0° – kein Winkel, Scheitel S")},
        {"rechter Winkel in Minuten", [] { return WinkelBeschreibung(GMSText(90.0f), WinkelArtGenau(90.0f)); },
         std::string("Winkel von 90° 0' 0'' – rechter Winkel, Scheitel S")},
        {"Übertragen vor dem ersten Schritt", [] { return Winkel2Beschreibung(0, 1, 25, 40); },
         std::string("Links der 2. Winkel von 40°, rechts der 1. Winkel von 25°, jeweils mit Scheitel S.")},
        {"Differenz am Ende", [] { return Winkel2Beschreibung(6, 2, 25, 40); },
         std::string("Links der 2. Winkel von 40°, rechts der 1. Winkel von 25°, jeweils mit Scheitel S. "
                        "Schritt 6 von 6: Die Differenz der Winkel beträgt 15° Gezeichnet: Kreisbogen um den "
                        "Scheitel des 1. Winkels, Kreisbogen um den Scheitel des 2. Winkels, Sehne beim 1. "
                        "Kreisbogen, Sehne beim 2. Kreisbogen abgetragen, neuer Schenkel, Differenz 15°.")},
        {"Scheitelwinkel",
         [] {
             const TKreuzung k{.alpha = 45.0f, .beta = 135.0f};
             return Winkel3Beschreibung(1, k, LinkeMarken(1, 2, 0, k));
         },
         std::string("Eine Gerade, von einer schrägen Strecke im Punkt S geschnitten. Markiert: oranger Winkel "
                        "links oben bei S: 135,00°; hellblauer Winkel rechts unten bei S: 135,00°.")},
        {"ungleichseitiges Dreieck",
         [] {
             return dreieck0::DreieckBeschreibung(1, dreieck0::einteilungSeiten, {.c = 22.4f, .a = 17.0f, .b = 23.0f});
         },
         std::string("Ungleichseitiges Dreieck ABC: AB = 22, BC = 17, AC = 23; Seiten a, b, c beschriftet.")},
        {"gleichseitiges zeigt dreimal AB",
         [] {
             return dreieck0::TextBeschreibung(3, dreieck0::einteilungSeiten, {.c = 20.0f, .a = 20.1f, .b = 19.9f});
         },
         std::string("Alle drei Seiten sind gleich lang: AB = 20, BC = 20, AC = 20")},
        {"Spiegeln beim Markieren", [&punkte] { return symmetrie1::Beschreibung(3, punkte, 2, 0); },
         std::string("Senkrechte Spiegelachse in der Mitte (x = 0). 2 von 3 Punkten im rot punktierten Rahmen "
                        "markiert: P1(−4|2,5), P2(6|0).")},
        {"Spiegeln am Ende", [&punkte] { return symmetrie1::Beschreibung(2, punkte, 2, 4); },
         std::string("Senkrechte Spiegelachse in der Mitte (x = 0). Strecke P1(−4|2,5), P2(6|0). Schritt 4 "
                        "von 4: Verbinde die gespiegelten Punkte durch Strecke. Gespiegelte Figur P1'(4|2,5), "
                        "P2'(−6|0).")},
        {"Höhenschnittpunkt",
         [] {
             const std::string text =
                 dreieck2::SchrittBeschreibung(dreieck2::hoehen, 4, 4, false, false, dreieck2::startDreieck);
             return text.substr(text.rfind(". ") + 2);
         },
         std::string("Höhenschnittpunkt H(−6|−3,3).")},
        {"Markup als Klartext", [] { return Klartext(std::string("~a = 30,00°, S!1, #Elemente#, w*g, f^2")); },
         std::string("α = 30,00°, S1, Elemente, wγ, f2")},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(f.beschreibung(), f.erwartet) << f.was;
}
