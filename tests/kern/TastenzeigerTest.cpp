// The keyboard pointer against a lesson that records what it gets, and in a
// session on a lesson that holds its drags in a band.
#include "lessons/Sitzung.h"
#include "lessons/Tastenzeiger.h"

#include <gtest/gtest.h>

using namespace lektion;

namespace {

using TEingabe = std::tuple<TZeigerArt, int, int>;

TTastenzeiger Z(int x, int y, bool gedrueckt = false, std::optional<TPixelband> band = {})
{
    return {x, y, gedrueckt, band};
}

// A drawing of 100 x 80; a press answers `band`, or is refused with a message.
struct TProbe {
    TTastenzeiger z = Z(50, 50);
    std::vector<TEingabe> eingaben;
    std::optional<TPixelband> band;
    bool verweigert = false;
    TZeigerZiel ziel()
    {
        TZeigerZiel ziel;
        ziel.breite = 100;
        ziel.hoehe = 80;
        ziel.sende = [this](TZeigerArt art, int x, int y) {
            eingaben.emplace_back(art, x, y);
            return band;
        };
        ziel.behaeltTasten = [this] { return !verweigert; };
        return ziel;
    }
    bool Taste(TTaste t, bool shift = false, bool wiederholt = false)
    {
        return lektion::Taste(z, t, shift, wiederholt, ziel());
    }
};

constexpr TZeigerArt D = TZeigerArt::Druck, B = TZeigerArt::Bewegung, L = TZeigerArt::Los;

} // namespace

TEST(Tastenzeiger, SchritteBleibenInDerZeichnung)
{
    EXPECT_EQ(Startzeiger(480, 480), Z(276, 204));
    const struct { TTaste taste; bool shift; int mal, x, y; } faelle[] = {
        {TTaste::Rechts, false, 1, 60, 50}, {TTaste::Links, true, 3, 47, 50}, {TTaste::Hoch, false, 6, 50, 0},
        {TTaste::Runter, false, 4, 50, 79}, {TTaste::Rechts, false, 9, 99, 50}, {TTaste::Links, true, 51, 0, 50}};
    for (const auto& f : faelle) {
        TProbe p;
        for (int i = 0; i < f.mal; ++i)
            EXPECT_TRUE(p.Taste(f.taste, f.shift));
        EXPECT_EQ(p.z, Z(f.x, f.y));
        EXPECT_EQ(p.eingaben.back(), (TEingabe{B, f.x, f.y}));
    }
}

TEST(Tastenzeiger, DrueckenZiehenImBandLoslassen)
{
    const TPixelband band{20, 20, 59, 59};
    const struct {
        TTastenzeiger von;
        std::vector<TTaste> tasten;
        bool verweigert;
        std::vector<TEingabe> eingaben;
        TTastenzeiger bis;
        bool wiederholt = false;
    } faelle[] = {
        {Z(50, 50), {TTaste::Leertaste}, false, {{D, 50, 50}}, Z(50, 50, true, band)},
        {Z(50, 50), {TTaste::Leertaste, TTaste::Rechts, TTaste::Leertaste}, false,
         {{D, 50, 50}, {B, 59, 50}, {L, 59, 50}}, Z(59, 50)},
        // A click outside the band lets go where the drag holds it; the pointer stays.
        {Z(70, 10), {TTaste::Eingabe}, false, {{D, 70, 10}, {L, 59, 20}}, Z(70, 10)},
        {Z(50, 50), {TTaste::Leertaste, TTaste::Eingabe}, false, {{D, 50, 50}, {L, 50, 50}}, Z(50, 50)},
        {Z(50, 50), {TTaste::Leertaste}, true, {{D, 50, 50}, {L, 50, 50}}, Z(50, 50)},
        {Z(50, 50), {TTaste::Leertaste, TTaste::Eingabe}, false, {}, Z(50, 50), true}, // held down: repeats
    };
    for (const auto& f : faelle) {
        TProbe p;
        p.z = f.von;
        p.band = band;
        p.verweigert = f.verweigert;
        for (TTaste t : f.tasten)
            p.Taste(t, false, f.wiederholt);
        EXPECT_EQ(p.eingaben, f.eingaben);
        EXPECT_EQ(p.z, f.bis);
    }
}

TEST(Tastenzeiger, LoslassenWaehrendDesDrueckensUndMaus)
{
    // A message that takes the keys lets go inside the press: once, and nothing is held.
    TProbe p;
    TZeigerZiel ziel = p.ziel();
    ziel.sende = [&](TZeigerArt art, int x, int y) {
        p.eingaben.emplace_back(art, x, y);
        if (art == D)
            Loese(p.z, p.ziel());
        return std::optional(TPixelband{});
    };
    EXPECT_FALSE(Taste(p.z, TTaste::Eingabe, false, false, ziel));
    EXPECT_EQ(p.eingaben, (std::vector<TEingabe>{{D, 50, 50}, {L, 50, 50}}));
    // The mouse ends the keys' drag and takes the keys along where they are.
    for (bool mitTasten : {false, true}) {
        p.Taste(TTaste::Leertaste);
        MausDruck(p.z, 5, 6, mitTasten, p.ziel());
        EXPECT_EQ(p.eingaben.back(), (TEingabe{L, 50, 50}));
        EXPECT_EQ(p.z, mitTasten ? Z(5, 6) : Z(50, 50));
    }
}

// "Dreiecke verändern" holds every drag in pixels 40 to 769 across and 28 to 507 down.
TEST(Tastenzeiger, SitzungHaeltImZiehband)
{
    TSitzung s("Dreieck3");
    s.Aktiviere(1);
    const int b = s.Lektion().Bereich("pntGrafik");
    s.Taste(b, TTaste::Leertaste, false, false);
    EXPECT_EQ(s.Tastenzeiger(b).band, (TPixelband{40, 28, 769, 507}));
    for (int i = 0; i < 60; ++i)
        EXPECT_TRUE(s.Taste(b, TTaste::Links, false, false));
    EXPECT_EQ(s.Tastenzeiger(b).x, 40);
    s.TastenLos(b);
    EXPECT_FALSE(s.Tastenzeiger(b).gedrueckt);
    s.Taste(b, TTaste::Links, false, false);
    EXPECT_EQ(s.Tastenzeiger(b).x, 30) << "released: the drawing's edge only";
}
