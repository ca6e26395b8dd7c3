// "Arten von Winkeln" as a model: class boundaries on the left, the edit
// field's silent corrections, turning the right leg with the pointer, degrees,
// minutes and seconds, a fresh start at every opening, and the drawings as
// pictures, item by item.
#include "lessons/Winkel1Modell.h"

#include "draw/PolKartU.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using namespace winkel1;
using lektion::TZeigerArt;
using lektion::TZeigerForm;

namespace {

constexpr TWeltPunkt s{0, 0}, fest{8, 0};
constexpr float pixel = 1.0f / 24; // a pixel of either drawing, in world units

// The lesson as the window drives it.
struct Winkel {
    TWinkel1 m;

    Winkel() { m.Aktiviere(0); }
    void Leiste(int grad) { m.Geaendert(m.Steuer("grpWinkel1"), grad); }
    void Tippe(const std::string& text) { m.Text(m.Steuer("grpGrad1"), text); }
    void Zeiger(TZeigerArt art, float x, float y) { m.Zeiger(1, art, {x, y}); }
    std::string Text(const char* steuer) const { return m.Steuerzustand(m.Steuer(steuer)).text; }
    // The kind of angle a drawing names, in its colour.
    bild::TText Art(int bereich) const { return Teile<bild::TText>(m.Bild(bereich)).at(0); }
    const TZustand& z() const { return m.zustand; }
};

bild::TText Art(const char* text, TFarbe farbe)
{
    return bild::TText{bild::TTextArt::Mitte, std::string(text), {0, 10}, farbe, 12, true};
}

} // namespace

TEST(Winkel1, KlassenGrenzenLinks)
{
    const struct {
        int grad;
        const char* text;
        TFarbe farbe;
    } faelle[] = {
        {0, "Kein Winkel", palette::himbeer},          {1, "Spitzer Winkel", palette::violett},
        {89, "Spitzer Winkel", palette::violett},      {90, "Rechter Winkel", palette::himbeer},
        {91, "Stumpfer Winkel", palette::braun},       {179, "Stumpfer Winkel", palette::braun},
        {180, "Gestreckter Winkel", palette::himbeer}, {181, "Erhabener Winkel", palette::meergruen},
        {359, "Erhabener Winkel", palette::meergruen}, {360, "Voller Winkel", palette::himbeer},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.grad);
        Winkel w;
        w.Tippe(std::to_string(f.grad));
        EXPECT_EQ(w.m.Steuerzustand(w.m.Steuer("grpWinkel1")).wert, f.grad);
        EXPECT_EQ(w.Text("grpWinkel1"), std::to_string(f.grad) + "°");
        EXPECT_EQ(w.Art(0), Art(f.text, f.farbe));
        // Both legs in the class colour; the arc from 0° to the angle, none at 0°.
        const TWeltPunkt frei = Polar(s, float(f.grad), 8);
        EXPECT_EQ(Teile<bild::TStrecke>(w.m.Bild(0)),
                  (std::vector<bild::TStrecke>{{s, fest, 2, f.farbe, linieVoll}, {s, frei, 2, f.farbe, linieVoll}}));
        std::vector<bild::TBogen> bogen;
        if (f.grad != 0)
            bogen.push_back({s, 3, 0, float(f.grad), 2, f.farbe});
        EXPECT_EQ(Teile<bild::TBogen>(w.m.Bild(0)), bogen);
    }
}

TEST(Winkel1, LeisteUndFeldKorrigierenStill)
{
    Winkel w;
    // The text typed, then what the field, the scroll bar and its label show.
    const struct {
        const char* getippt;
        const char* feld;
        int grad;
    } schritte[] = {
        {"045", "45", 45}, // a leading zero is tidied, also in front of the same angle
        {"045", "45", 45}, {"400", "360", 360}, {"72", "72", 72},
        {"", "72", 72}, // emptied: the last accepted angle comes back
        {"0", "0", 0},
    };
    for (const auto& t : schritte) {
        w.Tippe(t.getippt);
        EXPECT_EQ(w.Text("grpGrad1"), t.feld) << t.getippt;
        EXPECT_EQ(w.z().winkel1, t.grad) << t.getippt;
        EXPECT_EQ(w.Text("grpWinkel1"), std::to_string(t.grad) + "°") << t.getippt;
    }
    for (int grad : {1, 360, 359}) {
        w.Leiste(grad);
        EXPECT_EQ(w.Text("grpGrad1"), std::to_string(grad));
    }
    EXPECT_FALSE(w.m.NimmMeldung());
}

TEST(Winkel1, KlickGibtGanzeGradZiehenNicht)
{
    const struct {
        TWeltPunkt p;
        float grad;
        const char* gms;
    } klicks[] = {
        {{3, 4}, 53, "53° 0' 0''"}, // 53.13°
        // One pixel below the x axis the direction is about 359.7 degrees; rounded
        // it is the full turn, which is the ray at 0 degrees again.
        {{8, -pixel}, 0, "0° 0' 0''"},
    };
    for (const auto& k : klicks) {
        Winkel w;
        w.Zeiger(TZeigerArt::Druck, k.p.x, k.p.y);
        w.Zeiger(TZeigerArt::Los, k.p.x, k.p.y);
        EXPECT_EQ(w.z().winkel2, k.grad);
        EXPECT_EQ(w.Text("pnlWinkel"), k.gms);
        EXPECT_EQ(w.z().frei2, Polar(s, k.grad, 8));
        EXPECT_FALSE(w.m.Ziehbereich(1));
    }
    Winkel w;
    w.Zeiger(TZeigerArt::Druck, 3, 4);
    EXPECT_EQ(w.Art(1), Art("Spitzer Winkel", palette::violett));
    EXPECT_EQ(w.z().winkel2, 53.0f);
}

TEST(Winkel1, ZiehenDurchDiePositiveYAchse)
{
    Winkel w;
    // Hovering within 0.2 of the leg's end shows the hand, only there.
    const struct {
        float x, y;
        TZeigerForm form;
    } schweben[] = {
        {8.25f, 0, TZeigerForm::Pfeil}, {8 + 4 * pixel, 0, TZeigerForm::Hand}, {-5.8f, -6.6f, TZeigerForm::Pfeil}};
    for (const auto& h : schweben) {
        w.Zeiger(TZeigerArt::Bewegung, h.x, h.y);
        EXPECT_EQ(w.m.Zeigerform(1), h.form) << h.x;
    }
    EXPECT_EQ(w.z().winkel2, 0.0f); // moving without the button turns nothing
    EXPECT_FALSE(w.m.Ziehbereich(1));

    w.Zeiger(TZeigerArt::Druck, 8, 0);
    EXPECT_EQ(w.m.Ziehbereich(1), (TWeltRechteck{-10, 10, -10, 10}));
    EXPECT_FALSE(w.m.Ziehbereich(0));
    // World x = 0 exactly is right; a pixel beside it the angle is no longer right.
    const struct {
        float x;
        const char* art;
        TFarbe farbe;
    } zuege[] = {{pixel, "Spitzer Winkel", palette::violett},
                 {0, "Rechter Winkel", palette::himbeer},
                 {-pixel, "Stumpfer Winkel", palette::braun}};
    for (const auto& z : zuege) {
        w.Zeiger(TZeigerArt::Bewegung, z.x, 5.8f);
        EXPECT_EQ(w.m.Zeigerform(1), TZeigerForm::Hand) << "the hand holds the leg while it is dragged";
        EXPECT_EQ(w.Art(1), Art(z.art, z.farbe));
        // The leg keeps its length of 8 whatever the pointer's distance.
        EXPECT_EQ(w.z().frei2, Polar(s, w.z().winkel2, 8));
    }
    EXPECT_NE(w.z().winkel2, std::round(w.z().winkel2)); // dragged angles are not rounded
    w.Zeiger(TZeigerArt::Bewegung, 0, 5.8f);
    EXPECT_EQ(w.z().winkel2, 90.0f);
    EXPECT_EQ(w.Text("pnlWinkel"), "90° 0' 0''");

    w.Zeiger(TZeigerArt::Los, 0, 5.8f);
    EXPECT_FALSE(w.m.Ziehbereich(1));
    EXPECT_EQ(w.m.Zeigerform(1), TZeigerForm::Pfeil);
}

TEST(Winkel1, GradMinutenSekundenAbgeschnitten)
{
    const struct {
        float grad;
        std::array<int, 3> gms;
    } faelle[] = {{359.5f, {359, 30, 0}}, {30.5f, {30, 30, 0}}, {std::nextafter(11.0f, 0.0f), {10, 59, 59}}};
    for (const auto& f : faelle) {
        std::array<int, 3> gms{};
        GradInGMS(f.grad, gms[0], gms[1], gms[2]);
        EXPECT_EQ(gms, f.gms) << f.grad;
    }
    TWinkel1 m;
    m.zustand.winkel2 = 359.5f;
    EXPECT_EQ(m.Steuerzustand(m.Steuer("pnlWinkel")).text, "359° 30' 0''");
    EXPECT_EQ(Teile<bild::TText>(m.Bild(1)).at(0), Art("Erhabener Winkel", palette::meergruen));
}

TEST(Winkel1, JedesOeffnenBeginntVonVorn)
{
    Winkel w;
    w.Tippe("123");
    w.Zeiger(TZeigerArt::Druck, -3, 4);
    w.Zeiger(TZeigerArt::Bewegung, 8, 0.5f); // closed in the middle of a drag
    w.m.Aktiviere(1);
    EXPECT_EQ(w.z(), TZustand{});
    EXPECT_EQ(w.Text("grpWinkel1"), "0°");
    EXPECT_EQ(w.Text("grpGrad1"), "0");
    EXPECT_EQ(w.Text("pnlWinkel"), "0° 0' 0''");
    EXPECT_FALSE(w.m.Ziehbereich(1));
    EXPECT_EQ(w.m.Zeigerform(1), TZeigerForm::Pfeil);
    for (int bereich : {0, 1})
        EXPECT_EQ(w.Art(bereich), Art("Kein Winkel", palette::himbeer));
}

TEST(Winkel1Bild, SchenkelBogenUndNamen)
{
    using namespace bild;
    // The vertex's name comes last, centred in the font the kind's name left.
    const auto ende = [](TFarbe farbe) {
        TBild b;
        b << TKreis{s, 0.15f, 1, clBlack, int(clBlack)}
          << TText{TTextArt::Zentriert, std::string("S"), {-0.5f, 0}, clBlack, 12, true, clBlack,
                   TSchrift{std::string("Arial"), 12, true, farbe}};
        return b;
    };
    const auto schenkel = [](TWeltPunkt p, TFarbe farbe) { return TStrecke{s, p, 2, farbe, linieVoll}; };
    const TFarbe himbeer = palette::himbeer, meergruen = palette::meergruen;

    TBild kein; // no arc, both legs on the x axis
    kein << schenkel(fest, himbeer) << schenkel(fest, himbeer) << Art("Kein Winkel", himbeer) << ende(himbeer);
    TBild recht;
    recht << TBogen{s, 3, 0, 90, 2, himbeer} << schenkel(fest, himbeer) << schenkel(Polar(s, 90, 8), himbeer)
          << Art("Rechter Winkel", himbeer) << ende(himbeer);
    TBild erhaben; // the right drawing's angle is not rounded
    erhaben << TBogen{s, 3, 0, 359.5f, 2, meergruen} << schenkel(fest, meergruen)
            << schenkel(Polar(s, 359.5f, 8), meergruen) << Art("Erhabener Winkel", meergruen) << ende(meergruen);

    EXPECT_EQ(ErsterUnterschied(kein, Winkel1BildLinks(0, s, fest, fest)), "");
    EXPECT_EQ(ErsterUnterschied(recht, Winkel1BildLinks(90, s, fest, Polar(s, 90, 8))), "");
    EXPECT_EQ(ErsterUnterschied(erhaben, Winkel1BildRechts(359.5f, s, fest, Polar(s, 359.5f, 8))), "");
}
