// What every drawing that takes the pointer tells of the pointer's place, and
// the keys its description names.
#include "draw/Texte.h"
#include "lessons/Dreieck3Modell.h"
#include "lessons/Symmetrie1Modell.h"
#include "lessons/Symmetrie2Modell.h"
#include "lessons/Winkel1Modell.h"
#include "lessons/Winkel3Modell.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using lektion::TLektion;
using lektion::TZeigerArt;

namespace {

template <class L>
std::unique_ptr<TLektion> Neu(std::function<void(L&)> vorher = {})
{
    auto l = std::make_unique<L>();
    l->Aktiviere(0);
    if (vorher)
        vorher(*l);
    return l;
}

void Klicks(TLektion& l, int bereich, std::initializer_list<TWeltPunkt> punkte)
{
    for (TWeltPunkt p : punkte)
        l.Zeiger(bereich, TZeigerArt::Druck, p);
}

const std::string ziehen = "Pfeiltasten bewegen den Zeiger, Leertaste hält gedrückt, Eingabetaste klickt.";
const std::string klicken = "Pfeiltasten bewegen den Zeiger, Eingabetaste klickt.";

} // namespace

TEST(ZeigerOrt, SagtWoEinKlickWirkt)
{
    const auto gespiegelt = [](symmetrie1::TSymmetrie1& l) { Klicks(l, 0, {{-3, 2}, {4, 1}}); };
    const auto strecke = [](symmetrie2::TSymmetrie2& l) { Klicks(l, 0, {{-3, -2}, {2, 1.5f}}); };
    const auto thales = [](dreieck3::TDreieck3& l) { l.Menue(dreieck3::menKreis); };
    const auto c = [] {
        dreieck3::TDreieck3 l;
        l.Aktiviere(0);
        l.Menue(dreieck3::menKreis);
        return l.zustand.thalesC;
    }();
    const struct {
        const char* was;
        std::function<std::unique_ptr<TLektion>()> lektion;
        int bereich;
        TWeltPunkt p;
        std::string ort;
    } faelle[] = {
        {"links nur der Ort", [] { return Neu<winkel1::TWinkel1>(); }, 0, {1, 2.5f}, "(1|2,5)"},
        {"Schenkelende", [] { return Neu<winkel1::TWinkel1>(); }, 1, {8.1f, 0}, "(8,1|0), auf dem Endpunkt, Winkel 0°"},
        {"Klickwinkel", [] { return Neu<winkel1::TWinkel1>(); }, 1, {-3, 3}, "(−3|3), Winkel 135°"},
        {"unteres Ende", [] { return Neu<winkel3::TWinkel3>(); }, 0, {-7, -7.1f}, "(−7|−7,1), auf dem unteren Endpunkt"},
        {"oberes Ende rechts", [] { return Neu<winkel3::TWinkel3>(); }, 1, {5, 7}, "(5|7), auf dem oberen Endpunkt"},
        {"neben den Enden", [] { return Neu<winkel3::TWinkel3>(); }, 0, {5, 6.5f}, "(5|6,5)"},
        {"Spiegeln im Rahmen", [] { return Neu<symmetrie1::TSymmetrie1>(); }, 0, {3, 2}, "(3|2), im Rahmen"},
        {"Rahmenlinie ist außen", [] { return Neu<symmetrie1::TSymmetrie1>(); }, 0, {-19, 5},
         "(−19|5), außerhalb des Rahmens"},
        {"alle markiert", [=] { return Neu<symmetrie1::TSymmetrie1>(gespiegelt); }, 0, {-30, 5}, "(−30|5)"},
        {"Strecke im Rahmen", [] { return Neu<symmetrie2::TSymmetrie2>(); }, 0, {4.9f, 0}, "(4,9|0), im Rahmen"},
        {"Winkel außerhalb", [] { return Neu<symmetrie2::TSymmetrie2>(); }, 1, {-5, 1}, "(−5|1), außerhalb des Rahmens"},
        {"Strecke komplett", [=] { return Neu<symmetrie2::TSymmetrie2>(strecke); }, 0, {7, 1}, "(7|1)"},
        {"Winkel unberührt", [=] { return Neu<symmetrie2::TSymmetrie2>(strecke); }, 1, {7, 1},
         "(7|1), außerhalb des Rahmens"},
        {"auf A", [] { return Neu<dreieck3::TDreieck3>(); }, 0, {-14, -16}, "(−14|−16), auf A"},
        {"nahe B", [] { return Neu<dreieck3::TDreieck3>(); }, 0, {20.2f, 6}, "(20,2|6), auf B"},
        {"neben C", [] { return Neu<dreieck3::TDreieck3>(); }, 0, {-6, 19.5f}, "(−6|19,5)"},
        {"Thales auf C", [=] { return Neu<dreieck3::TDreieck3>(thales); }, 0, c, PunktText("", c.x, c.y) + ", auf C"},
        {"Thales neben C", [=] { return Neu<dreieck3::TDreieck3>(thales); }, 0, {0, 0}, "(0|0)"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(f.lektion()->ZeigerOrt(f.bereich, f.p), f.ort) << f.was;
}

TEST(ZeigerOrt, BeschreibungNenntDieTastenEinmal)
{
    const struct {
        std::function<std::unique_ptr<TLektion>()> lektion;
        int bereich;
        std::string tasten; // empty: the drawing takes no pointer
    } faelle[] = {
        {[] { return Neu<winkel1::TWinkel1>(); }, 0, ""},
        {[] { return Neu<winkel1::TWinkel1>(); }, 1, ziehen},
        {[] { return Neu<winkel3::TWinkel3>(); }, 1, ziehen},
        {[] { return Neu<symmetrie1::TSymmetrie1>(); }, 0, klicken},
        {[] { return Neu<symmetrie2::TSymmetrie2>(); }, 1, klicken},
        {[] { return Neu<dreieck3::TDreieck3>(); }, dreieck3::pntGrafik, ziehen},
        {[] { return Neu<dreieck3::TDreieck3>(); }, dreieck3::pntH, ""},
    };
    for (const auto& f : faelle) {
        const std::string text = f.lektion()->Beschreibung(f.bereich);
        SCOPED_TRACE(text);
        EXPECT_EQ(text.find("Pfeiltasten") != std::string::npos, !f.tasten.empty());
        if (!f.tasten.empty()) {
            EXPECT_TRUE(text.ends_with(". " + f.tasten));
            EXPECT_EQ(text.find("Pfeiltasten"), text.rfind("Pfeiltasten"));
        }
    }
}
