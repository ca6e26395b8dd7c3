// The pointer's place as each drawing that takes the pointer tells it, and
// the keys its description names.
#include "lessons/Dreieck3Modell.h"
#include "lessons/Symmetrie1Modell.h"
#include "lessons/Symmetrie2Modell.h"
#include "lessons/Winkel1Modell.h"
#include "lessons/Winkel3Modell.h"

#include <gtest/gtest.h>

TEST(ZeigerOrt, SagtWoEinKlickWirktUndDieBeschreibungDieTasten)
{
    winkel1::TWinkel1 winkel1, gezogen;
    winkel3::TWinkel3 winkel3;
    symmetrie1::TSymmetrie1 spiegeln, gespiegelt;
    symmetrie2::TSymmetrie2 strecke;
    dreieck3::TDreieck3 dreieck;
    using Alle = std::initializer_list<lektion::TLektion*>;
    for (lektion::TLektion* l : Alle{&winkel1, &gezogen, &winkel3, &spiegeln, &gespiegelt, &strecke, &dreieck})
        l->Aktiviere(0);
    for (lektion::TLektion* l : Alle{&gespiegelt, &strecke}) // both points of the left drawing
        for (TWeltPunkt p : {TWeltPunkt{-3, 2}, {4, 1}})
            l->Zeiger(0, lektion::TZeigerArt::Druck, p);
    gezogen.Zeiger(1, lektion::TZeigerArt::Druck, {8.1f, 0}); // the leg held
    const struct { const lektion::TLektion& l; int bereich; TWeltPunkt p; std::string ort; } faelle[] = {
        {winkel1, 1, {8.1f, 0}, "(8,1|0), auf dem Endpunkt, Winkel 0°"},
        {winkel1, 1, {-3, 3}, "(−3|3), Winkel 135°"},
        {gezogen, 1, {-3, 3}, "(−3|3)"}, // the description says the angle
        {winkel3, 1, {-7, -7.1f}, "(−7|−7,1), auf dem unteren Endpunkt"},
        {spiegeln, 0, {3, 2}, "(3|2), im Rahmen"},
        {spiegeln, 0, {-19, 5}, "(−19|5), außerhalb des Rahmens"}, // the frame's line is outside
        {gespiegelt, 0, {-30, 5}, "(−30|5)"},                      // all marked: the frame decides nothing
        {strecke, 0, {7, 1}, "(7|1)"},
        {strecke, 1, {-5, 1}, "(−5|1), außerhalb des Rahmens"},
        {dreieck, 0, {20.2f, 6}, "(20,2|6), auf B"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(f.l.ZeigerOrt(f.bereich, f.p), f.ort);

    // The keys, once, after what each drawing that takes the pointer shows.
    EXPECT_TRUE(winkel1.Beschreibung(1).ends_with(
        "Scheitel S. Pfeiltasten bewegen den Zeiger, Leertaste hält gedrückt, Eingabetaste klickt."));
    EXPECT_TRUE(strecke.Beschreibung(1).ends_with("markiert. Pfeiltasten bewegen den Zeiger, Eingabetaste klickt."));
    for (const std::string& text : {winkel1.Beschreibung(0), dreieck.Beschreibung(dreieck3::pntH)})
        EXPECT_EQ(text.find("Pfeiltasten"), std::string::npos) << text;
}
