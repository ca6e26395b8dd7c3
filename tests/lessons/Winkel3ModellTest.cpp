// "Parallelwinkeln" as a model: the angle of the slanted segment and the
// panels, dragging the ends within their bands, both modes with variants and
// steps, a fresh start at every opening, and the drawings as pictures.
#include "lessons/Winkel3Modell.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace winkel3;
using bild::TBogen;
using lektion::TZeigerForm;

namespace {

const float alpha = float(std::acos(12.0 / std::sqrt(340.0)) * 180.0 / M_PI); // of the start segment
const float a180 = float(180.0L + alpha);
constexpr float sX = -1.0f, s1X = -7.0f + 12.0f * 10 / 14, s2X = -7.0f + 12.0f * 4 / 14; // its crossings
const TFarbe braun = palette::braun, orange = palette::orange, blau = palette::himmelblau;

TBogen Bogen(float x, float y, float von, float bis, TFarbe farbe) { return {{x, y}, 1.5f, von, bis, 3, farbe}; }

// Runs inputs as the window gives them: "M2" a mode from the menu, "V1" the
// variant 2 of drawing 1 ("V0": its variant 1 ... by drawing and item),
// ">0"/"<1" a step of drawing 0 or 1 (none beyond the ends), and "d0:5,7",
// "m0:5,7", "u0" a pointer pressed, moved, released in drawing 0 at (5, 7).
struct Winkel {
    TWinkel3 m;
    Winkel(const std::string& eingaben = "")
    {
        m.Aktiviere(0);
        (*this)(eingaben);
    }
    Winkel& operator()(const std::string& eingaben)
    {
        std::istringstream folge(eingaben);
        for (std::string e; folge >> e;) {
            const int n = e[1] - '0';
            float x = 0, y = 0;
            std::sscanf(e.c_str() + std::min<std::size_t>(3, e.size()), "%f,%f", &x, &y);
            const int schritt = n == 0 ? m.zustand.Schritt1 : m.zustand.Schritt2;
            if (e[0] == 'M')
                m.Menue(n - 1);
            else if (e[0] == 'V')
                m.Geaendert(m.Steuer(n < 2 ? "grpV1" : "grpV2"), n % 2);
            else if ((e[0] == '>' && schritt < 3 + n) || (e[0] == '<' && schritt > 0))
                m.Geaendert(m.Steuer(n == 0 ? "grpSchritt1" : "grpSchritt2"), schritt + (e[0] == '>' ? 1 : -1));
            else if (e[0] == 'd' || e[0] == 'm' || e[0] == 'u')
                m.Zeiger(n, e[0] == 'd' ? lektion::TZeigerArt::Druck
                             : e[0] == 'm' ? lektion::TZeigerArt::Bewegung
                                           : lektion::TZeigerArt::Los,
                         {x, y});
        }
        return *this;
    }
    std::vector<TBogen> Boegen(int seite) const { return Teile<TBogen>(m.Bild(seite)); }
    lektion::TSteuerZustand Panel(const char* name) const { return m.Steuerzustand(m.Steuer(name)); }
    const TZustand& z() const { return m.zustand; }
};

} // namespace

TEST(Winkel3, WinkelUndPanelsJeVariante)
{
    const struct {
        const char* eingaben;
        std::vector<TBogen> links, rechts;
        const char* panels[4];
        TFarbe farben[4];
    } faelle[] = {
        {"", {Bogen(sX, 0, 0, alpha, braun), Bogen(sX, 0, 180, a180, clGreen)},
         {Bogen(sX, 0, 0, alpha, braun), Bogen(sX, 0, alpha, 180, clGreen)},
         {"49,40°", "49,40°", "49,40°", "130,60°"}, {braun, clGreen, braun, clGreen}},
        {"V1 V3", {Bogen(sX, 0, alpha, 180, orange), Bogen(sX, 0, a180, 360, blau)},
         {Bogen(sX, 0, 180, a180, orange), Bogen(sX, 0, a180, 360, blau)},
         {"130,60°", "130,60°", "49,40°", "130,60°"}, {orange, blau, orange, blau}},
        // A vertical segment: quarter circles about S = (-7, 0), 90° everywhere.
        {"d0:5,7 m0:-7,7 u0 d1:5,7 m1:-7,7 u1", {Bogen(-7, 0, 0, 90, braun), Bogen(-7, 0, 180, 270, clGreen)},
         {Bogen(-7, 0, 0, 90, braun), Bogen(-7, 0, 90, 180, clGreen)},
         {"90,00°", "90,00°", "90,00°", "90,00°"}, {braun, clGreen, braun, clGreen}},
    };
    const char* panels[] = {"pnlLW1", "pnlLW2", "pnlRW1", "pnlRW2"};
    for (const auto& f : faelle) {
        const Winkel w(f.eingaben);
        EXPECT_EQ(w.Boegen(0), f.links) << f.eingaben;
        EXPECT_EQ(w.Boegen(1), f.rechts) << f.eingaben;
        for (int i = 0; i < 4; ++i) {
            const lektion::TSteuerZustand p = w.Panel(panels[i]);
            EXPECT_EQ(p.text, f.panels[i]) << f.eingaben << ' ' << i;
            EXPECT_EQ(p.farbe, f.farben[i]) << f.eingaben << ' ' << i;
            EXPECT_EQ(p.zugBeschreibung, Farbname(f.farben[i]) + " Winkel");
        }
    }
    EXPECT_NEAR(Winkel().z().kreuzung1.alpha, alpha, 1e-4);
}

TEST(Winkel3, ZiehenNurAnDenEndenUndInIhremBand)
{
    Winkel w;
    const struct {
        const char* eingabe;
        TZeigerForm form;
    } schweben[] = {{"m1:-6.833,-7", TZeigerForm::Hand}, {"m1:-6.75,-7", TZeigerForm::Pfeil},
                    {"m1:5,6.875", TZeigerForm::Hand}, {"m1:0,0", TZeigerForm::Pfeil}};
    for (const auto& s : schweben)
        EXPECT_EQ(w(s.eingabe).m.Zeigerform(1), s.form) << s.eingabe; // within 0.2 of an end only

    w("d0:0,5"); // away from both ends: nothing taken
    EXPECT_FALSE(w.z().ziehen1 || w.z().ziehen2 || w.m.Ziehbereich(0));
    w("u0 d0:5,7");
    EXPECT_TRUE(w.z().ziehen2);
    EXPECT_EQ(w.m.Ziehbereich(0), (TWeltRechteck{-8.125f, 25.0f / 3, 5.0f / 3, 115.0f / 12}));
    EXPECT_FALSE(w.m.Ziehbereich(1));
    w("m0:4,-1"); // never to the other side of the line
    EXPECT_EQ(w.z().P2, (TWeltPunkt{5, 7}));
    w("m0:8.29,1.71 u0");
    EXPECT_EQ(w.z().P2, (TWeltPunkt{8.29f, 1.71f}));
    EXPECT_FALSE(w.z().ziehen2 || w.m.Ziehbereich(0));
    EXPECT_EQ(w.m.Zeigerform(0), TZeigerForm::Pfeil);

    // In mode 2 the lower end stays below the lower parallel; the other drawing is untouched.
    w("M2 d1:-7,-7");
    EXPECT_TRUE(w.z().ziehen1);
    EXPECT_EQ(w.m.Ziehbereich(1), (TWeltRechteck{-8.125f, 25.0f / 3, -55.0f / 6, -115.0f / 24}));
    w("m1:-8.125,-4.8 u1");
    EXPECT_EQ(w.z().Q1, (TWeltPunkt{-8.125f, -4.8f}));
    EXPECT_EQ(w.z().P1, (TWeltPunkt{-7, -7}));
    // A press on the wrong side of the line takes the end but holds no pointer.
    EXPECT_FALSE(Winkel("d0:-7,-7 m0:-7,0.1 u0 d0:-7,0.1").m.Ziehbereich(0));
}

TEST(Winkel3, ParallelenSchrittweise)
{
    const TKreuzung k = Winkel("M2").z().kreuzung1;
    ASSERT_NEAR(k.s1X, s1X, 1e-5);
    ASSERT_NEAR(k.s2X, s2X, 1e-5);
    const auto paar = [](float x, float y, TFarbe eins, TFarbe zwei, bool erstes) {
        return erstes ? std::vector{Bogen(x, y, 0, alpha, eins), Bogen(x, y, alpha, 180, zwei)}
                      : std::vector{Bogen(x, y, alpha, 180, zwei), Bogen(x, y, 180, a180, eins)};
    };
    const auto und = [](std::vector<TBogen> a, const std::vector<TBogen>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::vector<TBogen> oben1 = paar(k.s1X, 3, braun, clGreen, true), unten1 = paar(k.s2X, -3, braun, clGreen, true);
    const std::vector<TBogen> oben2 = paar(k.s1X, 3, braun, clGreen, false), unten2 = paar(k.s2X, -3, braun, clGreen, false);
    // Left: one more arc with each step; right: steps 2 and 3 replace the pair of 0 and 1.
    const struct {
        const char* eingaben;
        std::vector<TBogen> links, rechts;
        const char *titelLinks, *titelRechts;
        bool panelLW2;
    } faelle[] = {
        {"M2", {Bogen(k.s1X, 3, 0, alpha, braun)}, oben1, "Gleich große Winkel", "Winkel ergänzen einander auf 180°",
         false},
        {"M2 >0 >1", {Bogen(k.s1X, 3, 0, alpha, braun), Bogen(k.s1X, 3, 180, a180, clGreen)}, und(oben1, unten1),
         "Scheitelwinkel sind immer gleich große Winkel", "Nebenwinkel ergänzen einander auf 180° (supplementär)",
         true},
        {"M2 >0 >0 >0 >0 >1 >1", // the left ends at step 3
         {Bogen(k.s1X, 3, 0, alpha, braun), Bogen(k.s1X, 3, 180, a180, clGreen), Bogen(k.s2X, -3, 0, alpha, braun),
          Bogen(k.s2X, -3, 180, a180, clGreen)},
         oben2, "Scheitelwinkel sind immer gleich große Winkel",
         "Nebenwinkel ergänzen einander auf 180° (supplementär)", true},
        {"M2 >1 >1 >1", {Bogen(k.s1X, 3, 0, alpha, braun)}, und(oben2, unten2), "Gleich große Winkel",
         "Nebenwinkel ergänzen einander auf 180° (supplementär)", false},
        {"M2 >1 >1 >1 >1", {Bogen(k.s1X, 3, 0, alpha, braun)}, und(und(oben1, oben2), und(unten1, unten2)),
         "Gleich große Winkel", "Nebenwinkel ergänzen einander auf 180° (supplementär)", false}, // both pairs
        {"M2 V3 >1 >1 >1 >1",
         {Bogen(k.s1X, 3, 0, alpha, braun)},
         {Bogen(k.s1X, 3, 180, a180, orange), Bogen(k.s1X, 3, a180, 360, blau), Bogen(k.s1X, 3, a180, 360, blau),
          Bogen(k.s1X, 3, 0, alpha, orange), Bogen(k.s2X, -3, 180, a180, orange), Bogen(k.s2X, -3, a180, 360, blau),
          Bogen(k.s2X, -3, a180, 360, blau), Bogen(k.s2X, -3, 0, alpha, orange)},
         "Gleich große Winkel", "Nebenwinkel ergänzen einander auf 180° (supplementär)", false},
        {"M2 >0 >1 M1", {Bogen(sX, 0, 0, alpha, braun), Bogen(sX, 0, 180, a180, clGreen)},
         {Bogen(sX, 0, 0, alpha, braun), Bogen(sX, 0, alpha, 180, clGreen)}, "Scheitelwinkel", "Nebenwinkel", true},
    };
    for (const auto& f : faelle) {
        const Winkel w(f.eingaben);
        EXPECT_EQ(w.Boegen(0), f.links) << f.eingaben;
        EXPECT_EQ(w.Boegen(1), f.rechts) << f.eingaben;
        EXPECT_EQ(w.m.Titel(0), f.titelLinks) << f.eingaben;
        EXPECT_EQ(w.m.Titel(1), f.titelRechts) << f.eingaben;
        EXPECT_EQ(w.Panel("pnlLW2").sichtbar, f.panelLW2) << f.eingaben;
    }
    // Steps 2 and 3 on the right write no panel: they keep the values of step 1 while the segment moves.
    Winkel w("M2 >1 >1 d1:5,7 m1:-7,7 u1");
    EXPECT_EQ(w.Panel("pnlRW2").text, "130,60°");
    EXPECT_EQ(w(">1 >1").Panel("pnlRW2").text, "90,00°");
    EXPECT_TRUE(w.m.Steuerzustand(w.m.Steuer("grpSchritt2")).sichtbar);
    EXPECT_EQ(w.m.Anweisung(0), "Klicke auf die Endpunkte der schrägen Strecke und ziehe diese mit gedrückter "
                                "linker Maustaste, um die Winkel zu verändern.");
    // Another mode starts afresh: steps, variants, segments.
    w("V1 d0:5,7 m0:2,8 u0 M1");
    EXPECT_EQ(w.z().Schritt2, 0);
    EXPECT_EQ(w.z().variante1, 1);
    EXPECT_EQ(w.z().P2, (TWeltPunkt{5, 7}));
    EXPECT_FALSE(w.m.Steuerzustand(w.m.Steuer("grpSchritt2")).sichtbar);
    EXPECT_EQ(w(">0").z().Schritt1, 0); // mode 1 has no steps
}

TEST(Winkel3, JedesOeffnenBeginntVonVorn)
{
    Winkel w("M2 V1 >0 >0 >1 >1 >1 d1:5,7 m1:3,8 u1 d0:-7,-7"); // closed in the middle of a drag
    w.m.Aktiviere(1);
    const Winkel neu;
    EXPECT_EQ(w.z().modus, 1);
    EXPECT_EQ(w.z().variante1, 1);
    EXPECT_EQ(w.z().Schritt1 + w.z().Schritt2, 0);
    EXPECT_FALSE(w.z().ziehen1 || w.m.Ziehbereich(0));
    EXPECT_EQ(w.z().Q2, (TWeltPunkt{5, 7}));
    EXPECT_EQ(w.m.Titel(0), "Scheitelwinkel sind immer gleich groß");
    EXPECT_EQ(w.m.Titel(1), "Nebenwinkel ergänzen einander auf 180°");
    EXPECT_EQ(w.Boegen(1), neu.Boegen(1));
    EXPECT_EQ(w.Panel("pnlRW2"), neu.Panel("pnlRW2"));
    EXPECT_TRUE(w.Panel("pnlLW2").sichtbar);
}

TEST(Winkel3Geometrie, WaagrechteStreckeBehaeltDenSchnittpunkt)
{
    TKreuzung k;
    BerechneKreuzung(-7, -7, 5, 7, 0, k);
    EXPECT_NEAR(k.sX, -1.0f, 1e-5);
    BerechneKreuzung(-7, 2, 5, 2, 0, k);
    EXPECT_NEAR(k.sX, -1.0f, 1e-5);
    EXPECT_EQ(k.alpha, 0.0f);
    EXPECT_EQ(k.beta, 180.0f);
}

TEST(Winkel3Bild, GeradenStreckeNamenUndBoegen)
{
    using namespace bild;
    const Winkel w("M2 V3 >1");
    const TKreuzung& k = w.z().kreuzung2;
    const auto linie = [](TWeltPunkt p, TWeltPunkt q) { return TStrecke{p, q, 2, clBlack, linieVoll}; };
    const auto name = [](const char* text, float x, float y) {
        return TText{TTextArt::Zentriert, std::string(text), {x + 0.4f, y - 0.4f}, clBlack, 12, true};
    };
    const TStrecke strecke = linie({-7, -7}, {5, 7});
    TBild scheitel; // mode 1, left, variant 1
    scheitel << linie({-10, 0}, {10, 0}) << strecke << name("S", sX, 0) << Bogen(sX, 0, 0, alpha, braun)
             << Bogen(sX, 0, 180, a180, clGreen);
    TBild parallelen; // mode 2, right, variant 2, step 1: one pair at each crossing
    parallelen << linie({-10, 3}, {10, 3}) << linie({-10, -3}, {10, -3}) << strecke << name("S!1", k.s1X, k.s1Y)
               << name("S!2", k.s2X, k.s2Y) << Bogen(k.s1X, 3, 180, a180, orange) << Bogen(k.s1X, 3, a180, 360, blau)
               << Bogen(k.s2X, -3, 180, a180, orange) << Bogen(k.s2X, -3, a180, 360, blau);
    EXPECT_EQ(ErsterUnterschied(scheitel, Winkel().m.Bild(0)), "");
    EXPECT_EQ(ErsterUnterschied(parallelen, w.m.Bild(1)), "");
}
