// "Übertragung von Winkeln" as a model: the rule of each mode, the fields'
// silent corrections and finished entries, the locks of steps and repeat,
// and the construction as a picture.
#include "lessons/Winkel2Modell.h"

#include "draw/PolKartU.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>

using namespace winkel2;

namespace {

constexpr TWeltPunkt s1{10, 0}, s2{-10, 0};

// Runs inputs as the window gives them: "S"/"A" the mode, "1=350" angle 1's
// scroll bar, "2:045" typed into angle 2's field, "2!" that entry finished,
// ">"/"<" a step (the up-down control gives none beyond its ends), "W" repeat.
TWinkel2 Nach(const std::string& eingaben)
{
    TWinkel2 m;
    m.Aktiviere(0);
    std::istringstream folge(eingaben);
    for (std::string e; folge >> e;) {
        const int feld = m.Steuer(e[0] == '1' ? "grpWinkel1" : "grpWinkel2");
        if (e == "A" || e == "S")
            m.Geaendert(m.Steuer("grpArt"), e == "S");
        else if (e == ">" || e == "<")
            m.Geaendert(m.Steuer("grpSchritt"), m.zustand.Schritt + (e == ">" ? 1 : -1));
        else if (e == "W")
            m.Geaendert(m.Steuer("grpWH"), 0);
        else if (e[1] == '=')
            m.Geaendert(feld, std::stoi(e.substr(2)));
        else if (e[1] == ':')
            m.Text(feld, e.substr(2));
        else
            m.Fertig(feld);
    }
    return m;
}

} // namespace

TEST(Winkel2, RegelnFelderUndSperren)
{
    // art, step, angle 1, angle 2, their fields, inputs shown, mode free, repeat free
    const struct {
        const char* eingaben;
        TZustand z;
    } faelle[] = {
        {"1=350", {1, 0, 320, 40, "320", "40", true, true, false}}, // the sum stays within a full turn
        {"S 1=50", {2, 0, 40, 40, "40", "40", true, true, false}},  // angle 1 never exceeds angle 2
        {"S 2=10", {2, 0, 25, 25, "25", "25", true, true, false}},
        {"S 2=300 1=200 A", {1, 0, 200, 300, "200", "300", true, true, false}}, // the mode keeps the angles
        {"S 2=300 1=200 A 1=201", {1, 0, 60, 300, "60", "300", true, true, false}},
        {"1:500", {1, 0, 25, 40, "360", "40", true, true, false}}, // not taken before the entry is finished
        {"1:500 1!", {1, 0, 320, 40, "320", "40", true, true, false}},
        {"1=320 2:045 2!", {1, 0, 320, 40, "320", "40", true, true, false}},
        {"1=7 1:", {1, 0, 7, 40, "7", "40", true, true, false}}, // emptied: the angle comes back
        {"1:025 1!", {1, 0, 25, 40, "25", "40", true, true, false}}, // the same angle, tidied
        {"S 2:1 2:10 2:100", {2, 0, 25, 40, "25", "100", true, true, false}},
        {"S 2:100 2! 2:10 2!", {2, 0, 25, 25, "25", "25", true, true, false}},
        {"> > >", {1, 3, 25, 40, "25", "40", false, false, false}},
        {"> > > S", {1, 3, 25, 40, "25", "40", false, false, false}}, // the mode is locked
        {"> > > > > >", {1, 6, 25, 40, "25", "40", true, true, true}},
        {"> > > > > > <", {1, 5, 25, 40, "25", "40", false, false, true}},
        {"> > > > > > W", {1, 0, 25, 40, "25", "40", false, false, false}},
        {"> > > > > > W > <", {1, 0, 25, 40, "25", "40", true, true, false}},
        {"> > > > > > W > > > > > >", {1, 6, 25, 40, "25", "40", true, true, true}},
        {"> > > > > > 1=26", {1, 0, 26, 40, "26", "40", true, true, true}}, // a scroll bar leaves the repeat
        {"> > > > > > 1=26 W", {1, 0, 26, 40, "26", "40", false, false, false}},
        {"> > > > > > 1:30 1!", {1, 0, 30, 40, "30", "40", true, true, false}}, // typing does not
        {"> > > > > > S", {2, 0, 25, 40, "25", "40", true, true, false}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Nach(f.eingaben).zustand, f.z) << f.eingaben;

    TWinkel2 m = Nach("S 2=300 1=200 A > > >");
    m.Aktiviere(1);
    EXPECT_EQ(m.zustand, TZustand{});
}

TEST(Winkel2, SteuerelementeUndTexte)
{
    const TWinkel2 m = Nach("S 2=300 1=200 2:1 > > > > > >");
    EXPECT_EQ(m.Steuerzustand(m.Steuer("grpArt")), (lektion::TSteuerZustand{.wert = 1}));
    EXPECT_EQ(m.Steuerzustand(m.Steuer("grpWinkel2")),
              (lektion::TSteuerZustand{.wert = 300, .text = "300°", .feldText = "1"}));
    EXPECT_EQ(m.Steuerzustand(m.Steuer("grpSchritt")).wert, 6);
    EXPECT_TRUE(m.Steuerzustand(m.Steuer("grpWH")).knopfAktiv);
    EXPECT_EQ(m.Titel(0), "Übertragen von Winkeln: Subtraktion");
    EXPECT_FALSE(Nach("> >").Steuerzustand(1).innenSichtbar);
    const char* texte[] = {
        "Verändere die Winkel mit den Bildlaufleisten oder trage die Winkel in die Eingabefeld ein.",
        "Zeichne um den Scheitel des 1.Winkels einen Kreisbogen.",
        "Zeichne um den Scheitel des 2.Winkels einen gleich großen, verlängerten Kreisbogen.",
        "Nimm die Sehne beim 1.Keisbogen in den Zirkel.", "Trage diese Sehne beim 2.Keisbogen ab.",
        "Verbinde den Scheitel mit dem neuen Endpunkt am Kreisbogen.", "Die Summe der Winkel beträgt 65°"};
    std::string schritte;
    for (const char* text : texte)
        EXPECT_EQ(Nach(std::exchange(schritte, schritte + "> ")).Anweisung(0), text);
    EXPECT_EQ(Nach("S > >").Anweisung(0), "Zeichne um den Scheitel des 2.Winkels einen gleich großen Kreisbogen.");
}

TEST(Winkel2, BoegenJeSchrittUndArt)
{
    using bild::TBogen;
    const TFarbe braun = palette::braun;
    const struct {
        const char* eingaben;
        std::vector<TBogen> boegen;
    } faelle[] = {
        // Near a full turn the second arc of a sum is the whole circle; the first never is.
        {"1=320 > >", {{s1, 6.75f, -10, 330, 1, clBlack}, {s2, 6.75f, 0, 360, 1, clBlack}}},
        {"2=10 1=340 >", {{s1, 6.75f, -10, 350, 1, clBlack}}},
        {"S 1=40 > > > > > >", {{s1, 6.75f, -10, 50, 1, clBlack}, {s2, 6.75f, -10, 50, 1, clBlack}}}, // 0°: no arc
        {"S 2=300 1=200 A > > > > > >", // 500°: not corrected before the next change
         {{s1, 6.75f, -10, 210, 1, clBlack}, {s2, 6.75f, 0, 360, 1, clBlack}, {s2, 0.9f * 9, 0, 500, 2, braun}}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Teile<TBogen>(Nach(f.eingaben).Bild(0)), f.boegen) << f.eingaben;
}

TEST(Winkel2, ZeichnungAmEnde)
{
    using namespace bild;
    const auto linie = [](TWeltPunkt p, TWeltPunkt q, int breite, TFarbe farbe) {
        return TStrecke{p, q, breite, farbe, linieVoll};
    };
    const TFarbe meergruen = palette::meergruen, braun = palette::braun, himbeer = palette::himbeer;
    // The sum's arc and size 0.9 and 1.05 legs from S2; the first vertex name
    // is centred in the font the size left.
    TBild summe;
    summe << linie(s1, {19, 0}, 2, meergruen) << linie(s1, Polar(s1, 25, 9), 2, meergruen)
          << linie(s2, {-1, 0}, 2, palette::violett) << linie(s2, Polar(s2, 40, 9), 2, palette::violett)
          << TBogen{s1, 6.75f, -10, 35, 1, clBlack} << TBogen{s2, 6.75f, -10, 75, 1, clBlack}
          << linie(Polar(s1, 0, 6.75f), Polar(s1, 25, 6.75f), 3, himbeer)
          << linie(Polar(s2, 40, 6.75f), Polar(s2, 65, 6.75f), 3, himbeer)
          << linie(s2, Polar(s2, 65, 9), 2, meergruen) << TBogen{s2, 0.9f * 9, 0, 65, 2, braun}
          << TText{TTextArt::Zentriert, std::string("65°"), Polar(s2, 32.5f, 1.05f * 9), braun, 14, true}
          << TText{TTextArt::Zentriert, std::string("S"), {9.5f, 0}, clBlack, 12, true, clBlack,
                   TSchrift{std::string("Arial"), 14, true, braun}}
          << TText{TTextArt::Zentriert, std::string("S"), {-10.5f, 0}, clBlack, 12, true};
    EXPECT_EQ(ErsterUnterschied(summe, Nach("> > > > > >").Bild(0)), "");
}
