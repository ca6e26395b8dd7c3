// The window rules every front end shares: the keys' reading order and names a
// reader can tell apart.
#include "lessons/Lesefolge.h"
#include "lessons/Unterscheidung.h"

#include <gtest/gtest.h>

using lektion::TRechteck;

TEST(Fensterregeln, Lesefolge)
{
    const struct {
        const char* fall;
        std::vector<TRechteck> orte;
        std::vector<int> folge;
    } faelle[] = {
        {"leer", {}, {}},
        {"Zeilen, links nach rechts", {{0, 30, 100, 20}, {120, 0, 100, 20}, {0, 0, 100, 20}}, {2, 1, 0}},
        {"Kante an Kante: zwei Zeilen", {{60, 20, 30, 20}, {100, 0, 50, 20}, {0, 0, 50, 20}}, {2, 1, 0}},
        {"Zeichnung neben Kästchen, Knopf darunter",
         {{0, 420, 100, 30}, {420, 30, 100, 20}, {0, 0, 400, 400}, {420, 0, 100, 20}, {420, 60, 100, 20}},
         {2, 3, 1, 4, 0}},
        {"Spalten in der Zeile, jede von oben", {{0, 0, 50, 100}, {60, 50, 50, 50}, {60, 0, 50, 40}}, {0, 2, 1}},
        {"überlappt in beiden Richtungen: oben links zuerst", {{0, 50, 100, 100}, {10, 10, 100, 100}}, {1, 0}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(lektion::Lesefolge(f.orte), f.folge) << f.fall;
}

TEST(Fensterregeln, Ortswoerter)
{
    using W = std::vector<std::string>;
    const struct {
        std::vector<TRechteck> orte;
        W woerter;
    } faelle[] = {
        {{{300, 0, 100, 20}, {0, 0, 100, 20}}, {"rechts", "links"}},
        {{{0, 0, 100, 20}, {100, 0, 100, 20}}, {"links", "rechts"}}, // touching is apart
        {{{200, 0, 90, 20}, {0, 5, 90, 20}, {100, 0, 90, 20}}, {"rechts", "links", "in der Mitte"}},
        {{{0, 50, 100, 20}, {0, 0, 100, 50}}, {"unten", "oben"}},
        {{{0, 10, 100, 100}, {50, 0, 100, 100}}, {"2", "1"}},
        {{{20, 0, 10, 10}, {30, 0, 10, 10}, {0, 0, 10, 10}, {10, 0, 10, 10}}, {"3", "4", "1", "2"}},
        {{{0, 0, 100, 10}, {10, 0, 100, 10}, {0, 5, 100, 10}}, {"1", "2", "3"}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(lektion::Ortswoerter(f.orte), f.woerter) << f.woerter.front();
}

TEST(Fensterregeln, Unterscheide)
{
    const TRechteck l{0, 0, 100, 20}, r{200, 0, 100, 20};
    using W = std::vector<std::string>;
    const struct {
        const char* fall;
        std::vector<lektion::TBenannt> steuer;
        W namen;
    } faelle[] = {
        {"allein und ohne Namen", {{"Ja", "", l}, {"Nein", "", r}, {"", "", l}, {"", "", r}}, {"", "", "", ""}},
        {"in verschieden benannten Gruppen", {{"Ja", "A", r}, {"Ja", "B", l}}, {"Ja, A", "Ja, B"}},
        {"Gruppen gleichen Namens: Orte", {{"Ja", "A", r}, {"Ja", "A", l}}, {"Ja rechts", "Ja links"}},
        {"eine ohne Gruppe: Orte", {{"Ja", "A", r}, {"Ja", "", l}, {"Nein", "", l}}, {"Ja rechts", "Ja links", ""}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(lektion::Unterscheide(f.steuer), f.namen) << f.fall;
}
