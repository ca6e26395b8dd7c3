// "Symmetralen" as a model: its click checks and step rules, walked through
// its inputs, and its pictures, item by item.
#include "lessons/Symmetrie2Modell.h"

#include "draw/GlobalU.h"
#include "draw/VektorU.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace symmetrie2;
using lektion::TZeigerArt;

namespace {

const std::string textAusserhalb = "Der Punkt liegt nicht innerhab der Markierung!";
const std::string textAbstand1 = "Der Abstand zum 1.Punkt ist zu klein!";
const std::string textAbstand12 = "Der Abstand zum 1. oder 2.Punkt ist zu klein!";
const std::string textSpitz = "Der Winkel muss mehr als 20° betragen!";
const std::string textGestreckt = "Der Winkel muss weniger als 180° betragen!";
const std::string textKomplett = "Führe die Konstruktion schrittweise durch.";

// The world point of a pixel in either drawing (24 pixels a unit, the origin at 240, 240).
TWeltPunkt Px(int px, int py) { return {float(px - 240) / 24, float(240 - py) / 24}; }

// The lesson as the window drives it.
struct Symmetralen {
    TSymmetrie2 m;
    std::vector<std::string> meldungen;

    Symmetralen() { m.Aktiviere(0); }
    void Klick(int seite, TWeltPunkt p)
    {
        m.Zeiger(seite, TZeigerArt::Druck, p);
        if (auto text = m.NimmMeldung())
            meldungen.push_back(*text);
    }
    void Markiere(int seite, const std::vector<TWeltPunkt>& punkte)
    {
        for (TWeltPunkt p : punkte)
            Klick(seite, p);
    }
    static std::string Name(const char* gruppe, int seite) { return gruppe + std::to_string(seite + 1); }
    void Schritt(int seite, int s) { m.Geaendert(m.Steuer(Name("grpSchritt", seite)), s); }
    void NeuerVersuch(int seite) { m.Geaendert(m.Steuer(Name("grpWH", seite)), 0); }
    lektion::TSteuerZustand Schritte(int seite) const { return m.Steuerzustand(m.Steuer(Name("grpSchritt", seite))); }
    bool Ja(int seite) const { return m.Steuerzustand(m.Steuer(Name("grpWH", seite))).knopfAktiv; }
    const TSeite& s(int seite) const { return m.zustand.seiten[seite]; }
};

bool Rahmen(const TBild& bild) { return Teile<bild::TRechteck>(bild).size() == 1; }

} // namespace

TEST(Symmetralen, KlickPruefungenMitIhrenMeldungen)
{
    const TWeltPunkt p1{-0.5f, -4.5f}, scheitel{-4.5f, -4.5f};
    const struct {
        int seite;
        std::vector<TWeltPunkt> vorher;
        TWeltPunkt klick;
        std::string meldung; // empty: taken
        int markiert;
    } faelle[] = {
        // The frame's border is outside, on all four sides and in both drawings.
        {strecke, {}, {5, 0}, textAusserhalb, 0},
        {strecke, {}, {0, -5}, textAusserhalb, 0},
        {winkel, {}, {-5, 0}, textAusserhalb, 0},
        {winkel, {}, {0, 5}, textAusserhalb, 0},
        // 3.99 units from the first point is too close, exactly 4 is enough.
        {strecke, {{-2, 0}}, {1.99f, 0}, textAbstand1, 1},
        {strecke, {{-2, 0}}, {2, 0}, "", 2},
        {winkel, {p1}, {-2, -3}, textAbstand1, 1},
        // The third point against both points and for the angle: 204 pixels
        // across and 74 up from the vertex is 19.94 degrees, 206 and 75 is 20.005.
        {winkel, {p1, scheitel}, {-4.5f, -1}, textAbstand12, 2},
        {winkel, {p1, scheitel}, {2.5f, -2}, textAbstand12, 2},
        {winkel, {p1, scheitel}, Px(132 + 204, 348 - 74), textSpitz, 2},
        {winkel, {p1, scheitel}, Px(132 + 206, 348 - 75), "", 3},
        // The vertex between two points on one line, on either side of it;
        // one pixel off the line is an angle of its own.
        {winkel, {{-4, -2}, {0, 0}}, {4, 2}, textGestreckt, 2},
        {winkel, {{-4, -2}, {0, 0}}, {4.5f, 2.25f}, textGestreckt, 2},
        {winkel, {{-4, -2}, {0, 0}}, Px(336, 191), "", 3},
        // A complete figure takes no further point and says nothing; outside is still outside.
        {strecke, {{-2, 0}, {2, 0}}, {3, 3}, "", 2},
        {winkel, {{4, -4}, {-4, -4}, {-4, 4}}, {-1, 3}, "", 3},
        {winkel, {{4, -4}, {-4, -4}, {-4, 4}}, {6, 3}, textAusserhalb, 3},
    };
    for (const auto& f : faelle) {
        Symmetralen s;
        s.Markiere(f.seite, f.vorher);
        ASSERT_TRUE(s.meldungen.empty());
        const TBild bildVorher = s.m.Bild(f.seite);
        s.Klick(f.seite, f.klick);
        const std::string meldung = s.meldungen.empty() ? "" : s.meldungen[0];
        EXPECT_EQ(meldung, f.meldung) << f.klick.x << ", " << f.klick.y;
        EXPECT_EQ(s.s(f.seite).markiert, f.markiert) << f.klick.x << ", " << f.klick.y;
        if (s.s(f.seite).markiert == int(f.vorher.size())) {
            EXPECT_EQ(s.m.Bild(f.seite), bildVorher) << "a refused click changes nothing";
        }
        // The step control waits for the points; the other drawing is untouched.
        EXPECT_EQ(s.Schritte(f.seite).upDownAktiv, f.markiert == (f.seite == strecke ? 2 : 3));
        EXPECT_EQ(s.s(1 - f.seite).markiert, 0);
    }
}

TEST(Symmetralen, GenauZwanzigGradGenuegen)
{
    // A third point whose angle at the vertex is exactly 20 degrees in single
    // precision, and the nearest one below it. The float lengths make the angle
    // move in small jumps, so neighbouring floats of both coordinates are searched.
    const float vx = -4.5f, vy = -4.5f, p1x = -0.5f, p1y = -4.5f;
    const auto winkel = [&](float x, float y) {
        float ax = 0, ay = 0, bx = 0, by = 0;
        Differenz(vx, vy, p1x, p1y, ax, ay);
        Differenz(vx, vy, x, y, bx, by);
        return Zwischenwinkel(ax, ay, bx, by);
    };
    const float x0 = vx + 9 * std::cos(0.34906585f), y0 = vy + 9 * std::sin(0.34906585f);
    float yStart = y0;
    for (int j = 0; j < 400; ++j)
        yStart = std::nextafter(yStart, -10.0f);
    float x = x0, y = yStart;
    bool gefunden = false;
    for (int i = 0; i < 400 && !gefunden; ++i) {
        for (int j = 0; j < 800 && !gefunden; ++j) {
            gefunden = winkel(x, y) == 20.0f;
            if (!gefunden)
                y = std::nextafter(y, 10.0f);
        }
        if (!gefunden) {
            x = std::nextafter(x, 10.0f);
            y = yStart;
        }
    }
    ASSERT_TRUE(gefunden);
    float darunter = y;
    while (winkel(x, darunter) >= 20.0f)
        darunter = std::nextafter(darunter, -10.0f);
    ASSERT_GT(winkel(x, darunter), 19.9999f);

    Symmetralen s;
    s.Markiere(symmetrie2::winkel, {{p1x, p1y}, {vx, vy}, {x, darunter}});
    EXPECT_EQ(s.meldungen, std::vector<std::string>{textSpitz});
    s.Klick(symmetrie2::winkel, {x, y});
    EXPECT_EQ(s.meldungen.size(), 1u);
    EXPECT_EQ(s.s(symmetrie2::winkel).markiert, 3);
}

TEST(Symmetralen, SchritteNeuerVersuchUndWiederOeffnen)
{
    const struct {
        int seite;
        std::vector<TWeltPunkt> punkte;
        int letzter;
        std::string anfang, titel, caption;
        std::string (*anleitung)(int);
        TFarbe punkt;
    } seiten[] = {
        {strecke, {{-3, -2}, {2, 1.5f}}, 3, "Markiere die Symmetrieachse", "Streckensymmetrale", " Schritte(0–3) ",
         StreckenAnleitung, palette::violett},
        {winkel, {{4, -1}, {-2, -3}, {-4, 1}}, 4, "Markiere eine Winkel", "Winkelsymmetrale", " Schritte(0–4) ",
         WinkelAnleitung, palette::oliv},
    };
    for (const auto& t : seiten) {
        Symmetralen s;
        EXPECT_EQ(s.m.Titel(t.seite), t.titel);
        const int gruppe = s.m.Steuer(Symmetralen::Name("grpSchritt", t.seite));
        EXPECT_EQ(s.m.Layout().steuer[std::size_t(gruppe)].text, t.caption);
        EXPECT_TRUE(s.m.Anweisung(t.seite).starts_with(t.anfang));
        s.Schritt(t.seite, 2); // no step before the points
        EXPECT_EQ(s.Schritte(t.seite).wert, 0);
        s.Markiere(t.seite, t.punkte);
        EXPECT_EQ(s.m.Anweisung(t.seite), textKomplett);
        EXPECT_FALSE(s.m.Schritt()); // two step controls: none in the window's title

        // "Ja" exactly at the last step, also when coming back to it.
        for (int schritt : {1, t.letzter, t.letzter - 1, 0, t.letzter}) {
            s.Schritt(t.seite, schritt);
            EXPECT_EQ(s.Schritte(t.seite).wert, schritt);
            EXPECT_EQ(s.Ja(t.seite), schritt == t.letzter) << schritt;
            EXPECT_EQ(s.m.Anweisung(t.seite), t.anleitung(schritt));
        }

        // "Neuer Versuch": marking again, with the request to mark.
        s.NeuerVersuch(t.seite);
        EXPECT_EQ(s.s(t.seite).markiert, 0);
        EXPECT_EQ(s.Schritte(t.seite), (lektion::TSteuerZustand{.upDownAktiv = false}));
        EXPECT_FALSE(s.Ja(t.seite));
        EXPECT_TRUE(Rahmen(s.m.Bild(t.seite)));
        EXPECT_TRUE(s.m.Anweisung(t.seite).starts_with(t.anfang));
        s.Markiere(t.seite, {t.punkte[0]});
        EXPECT_TRUE(s.m.Anweisung(t.seite).starts_with(t.anfang));
        EXPECT_EQ(Teile<bild::TKreis>(s.m.Bild(t.seite)).at(0).fuellung, int(t.punkt));
        s.Markiere(t.seite, std::vector<TWeltPunkt>(t.punkte.begin() + 1, t.punkte.end()));
        EXPECT_EQ(s.m.Anweisung(t.seite), textKomplett);
        EXPECT_TRUE(s.m.Anweisung(1 - t.seite).starts_with("Markiere")); // the drawings are independent

        // Opening again starts afresh.
        s.Schritt(t.seite, t.letzter);
        s.m.Aktiviere(1);
        EXPECT_EQ(s.s(t.seite).markiert + s.s(t.seite).Schritt, 0);
        EXPECT_FALSE(s.s(t.seite).punkte[1].gesetzt);
        EXPECT_EQ(s.Schritte(t.seite), (lektion::TSteuerZustand{.upDownAktiv = false}));
        EXPECT_FALSE(s.Ja(t.seite));
        EXPECT_TRUE(s.m.Anweisung(t.seite).starts_with(t.anfang));
        EXPECT_TRUE(Rahmen(s.m.Bild(t.seite)));
    }
}

TEST(Symmetralen, BildUndBeschreibungFolgenDenSchritten)
{
    // What each step adds: the arcs so far, the names, the bisector at the end;
    // the frame and the dots are gone once the figure is complete.
    const struct {
        int seite, schritt;
        std::size_t boegen;
        std::vector<std::string> namen;
        bool gerade;
    } faelle[] = {
        {strecke, 0, 0, {"A", "B"}, false},
        {strecke, 1, 1, {"A", "B"}, false},
        {strecke, 2, 2, {"A", "B", "S!1", "S!2"}, false},
        {strecke, 3, 2, {"A", "B", "S!1", "S!2"}, true},
        {winkel, 0, 0, {"a", "S", "b"}, false},
        {winkel, 1, 1, {"a", "S", "b"}, false},
        {winkel, 2, 2, {"a", "S", "b", "A", "B"}, false},
        {winkel, 3, 3, {"a", "S", "b", "A", "B", "X"}, false},
        {winkel, 4, 3, {"a", "S", "b", "A", "B", "X"}, true},
    };
    Symmetralen s;
    s.Markiere(strecke, {{-3, -2}, {2, 1.5f}});
    s.Markiere(winkel, {{4, -1}, {-2, -3}, {-4, 1}});
    for (const auto& f : faelle) {
        s.Schritt(f.seite, f.schritt);
        const TBild bild = s.m.Bild(f.seite);
        EXPECT_FALSE(Rahmen(bild));
        EXPECT_TRUE(Teile<bild::TKreis>(bild).empty());
        EXPECT_EQ(Teile<bild::TBogen>(bild).size(), f.boegen) << f.seite << " " << f.schritt;
        std::vector<std::string> namen;
        for (const bild::TText& t : Teile<bild::TText>(bild))
            namen.push_back(t.text);
        EXPECT_EQ(namen, f.namen) << f.seite << " " << f.schritt;
        EXPECT_EQ(Teile<bild::TGerade>(bild).size(), f.gerade ? 1u : 0u);
        // The description names the step of its own construction.
        const std::string schritt =
            " Schritt " + std::to_string(f.schritt) + " von " + (f.seite == strecke ? "3" : "4");
        EXPECT_EQ(s.m.Beschreibung(f.seite).find(schritt) != std::string::npos, f.schritt > 0) << schritt;
    }
}

TEST(Symmetralen, ZirkelRadienUndSymmetralen)
{
    // AB of the minimum length 4: radius 3, S1 and S2 2.24 units from M, named beside them.
    Symmetralen s;
    s.Markiere(strecke, {{-2, 0}, {2, 0}});
    s.Schritt(strecke, 2);
    const TBild strecke2 = s.m.Bild(strecke);
    EXPECT_FLOAT_EQ(Teile<bild::TBogen>(strecke2)[1].radius, 3.0f);
    const std::vector<bild::TText> namen = Teile<bild::TText>(strecke2);
    EXPECT_NEAR(namen[2].ort.y, std::sqrt(5.0f) + 0.4f, 1e-4);
    EXPECT_NEAR(namen[3].ort.y, -std::sqrt(5.0f) - 0.4f, 1e-4);

    // The radius about the vertex is whole: legs 5 and 9 give Trunc(3.75) = 3,
    // 4 and 4 give 3, 6 and 6 give 4. The bisector runs from V along unit(a) + unit(b),
    // whichever way round the angle is clicked, also for an angle all but straight.
    const struct {
        TWeltPunkt p1, v, p3;
        float r;
    } faelle[] = {{{0.5f, -4.5f}, {-4.5f, -4.5f}, {-4.5f, 4.5f}, 3}, {{0, -4}, {-4, -4}, {-4, 0}, 3},
                  {{2, -4}, {-4, -4}, {-4, 2}, 4},           {{-4, 2}, {-4, -4}, {2, -4}, 4},
                  {{4, -1}, {-2, -3}, {-4, 1}, 3},           {{-4, 1}, {-2, -3}, {4, -1}, 3},
                  {{-4, -2}, {0, 0}, Px(336, 191), 3}};
    for (const auto& f : faelle) {
        s.NeuerVersuch(winkel);
        s.Markiere(winkel, {f.p1, f.v, f.p3});
        s.Schritt(winkel, 4);
        const TBild bild = s.m.Bild(winkel);
        EXPECT_FLOAT_EQ(Teile<bild::TBogen>(bild)[0].radius, f.r) << f.p1.x;
        const TWeltPunkt a = Von(f.v, f.p1), b = Von(f.v, f.p3);
        const float la = std::hypot(a.x, a.y), lb = std::hypot(b.x, b.y);
        const TWeltPunkt h{a.x / la + b.x / lb, a.y / la + b.y / lb};
        const bild::TGerade g = Teile<bild::TGerade>(bild)[0];
        EXPECT_EQ(g.p, f.v);
        const TWeltPunkt d = Von(f.v, g.q);
        EXPECT_NEAR((d.x * h.y - d.y * h.x) / std::hypot(d.x, d.y) / std::hypot(h.x, h.y), 0, 1e-3) << f.p1.x;
        EXPECT_GT(d.x * h.x + d.y * h.y, 0) << f.p1.x;
    }
}

// ---------------------------------------------------------------------------
// The drawings as pictures of the state.

namespace {

using namespace bild;

// The place of the label `text` in a picture.
TWeltPunkt NameIn(const TBild& bild, const char* text)
{
    for (const TText& t : Teile<TText>(bild))
        if (t.text == text)
            return t.ort;
    ADD_FAILURE() << "no label " << text;
    return {};
}

void ErwarteNahe(TWeltPunkt p, float x, float y, const char* was)
{
    EXPECT_NEAR(p.x, x, 1e-4) << was;
    EXPECT_NEAR(p.y, y, 1e-4) << was;
}

} // namespace

TEST(Symmetrie2Bild, BeimMarkierenRahmenUndPunkte)
{
    // The dots keep the dotted pen of the frame drawn before them.
    const TRechteck rahmen{{-5, -5}, {5, 5}, 1, clRed, liniePunktiert};
    const auto punkt = [](float x, float y) { return TKreis{{x, y}, 0.15f, 1, clBlack, int(clBlue), psDot}; };
    const TMarkierPunkt links[3] = {{}, {-2, 1, true}, {3, 3, false}};
    const TMarkierPunkt rechts[4] = {{}, {1, 1, true}, {-3, 0, true}, {}};
    EXPECT_EQ(StreckensymmetraleBild(links, 1, 0, 0, clBlue), TBild() << rahmen << punkt(-2, 1));
    EXPECT_EQ(WinkelsymmetraleBild(rechts, 2, 0, clBlue), TBild() << rahmen << punkt(1, 1) << punkt(-3, 0));
}

TEST(Symmetrie2Bild, StreckeMitStrichenNamenUndErstemBogen)
{
    const TMarkierPunkt punkte[3] = {{}, {-2, 0}, {2, 0}};
    const auto strich = [](float x, float y) { return TStrecke{{x, 0}, {x, y}, 2, clBlack, linieVoll}; };
    const auto name = [](const char* text, float x) {
        return TText{TTextArt::Zentriert, std::string(text), {x, 0}, clBlack, 12, true};
    };
    TBild erwartet;
    erwartet << TStrecke{{-2, 0}, {2, 0}, 3, clBlack, linieVoll} << strich(-2, 0.2f) << strich(-2, -0.2f)
             << strich(2, 0.2f) << strich(2, -0.2f) << name("A", -2 - 0.6f) << name("B", 2 + 0.6f)
             << TBogen{{-2, 0}, 3, -70, 70, 1, clBlack};
    EXPECT_EQ(StreckensymmetraleBild(punkte, 2, 1, 3, clBlue), erwartet);
}

TEST(Symmetrie2Bild, StreckensymmetraleDurchDieSchnittpunkte)
{
    using Strecke = std::pair<TWeltPunkt, TWeltPunkt>;
    for (const auto& [a, b] : {Strecke{{-2, 0}, {2, 0}}, Strecke{{-3, -2}, {2, 1.5f}}, Strecke{{4, 4}, {1, -1}}}) {
        const TMarkierPunkt punkte[3] = {{}, {a.x, a.y}, {b.x, b.y}};
        const float r = StreckenRadius(punkte[1], punkte[2]);
        const TBild bild = StreckensymmetraleBild(punkte, 2, 3, r, clBlue);
        const TGerade g = std::get<TGerade>(bild.teile.back());
        EXPECT_EQ(std::pair(g.farbe, g.stil), std::pair(palette::himbeer, linieStrichPunkt));
        // Through the two points at the radius from both A and B, named beside them.
        for (const TWeltPunkt s : {g.p, g.q}) {
            EXPECT_NEAR(Abstand(s, a), r, 1e-4);
            EXPECT_NEAR(Abstand(s, b), r, 1e-4);
        }
        ErwarteNahe(NameIn(bild, "S!1"), g.p.x + 0.4f, g.p.y + (g.p.y >= 0 ? 0.4f : -0.4f), "S1");
        ErwarteNahe(NameIn(bild, "S!2"), g.q.x + 0.4f, g.q.y + (g.q.y >= 0 ? 0.4f : -0.4f), "S2");
    }
}

TEST(Symmetrie2Bild, WinkelsymmetraleInBeidenUmlaufrichtungen)
{
    // The right angle at (-4, -4) with legs 6 along x and y: r = 4, X = (0, 0),
    // the bisector y = x. A stands 10 degrees beyond the first leg, B beyond the
    // second; "S" behind the vertex.
    const TMarkierPunkt v{-4, -4}, aufX{2, -4}, aufY{-4, 2};
    const float c = 4 * std::cos(0.17453293f), s = 4 * std::sin(0.17453293f);
    for (bool imUhrzeigersinn : {false, true}) {
        const TMarkierPunkt punkte[4] = {{}, imUhrzeigersinn ? aufY : aufX, v, imUhrzeigersinn ? aufX : aufY};
        const TBild bild = WinkelsymmetraleBild(punkte, 3, 4, clBlue);
        const TWeltPunkt beiX{-4 + c, -4 - s}, beiY{-4 - s, -4 + c};
        ErwarteNahe(NameIn(bild, "A"), imUhrzeigersinn ? beiY.x : beiX.x, imUhrzeigersinn ? beiY.y : beiX.y, "A");
        ErwarteNahe(NameIn(bild, "B"), imUhrzeigersinn ? beiX.x : beiY.x, imUhrzeigersinn ? beiX.y : beiY.y, "B");
        ErwarteNahe(NameIn(bild, "X"), 0.4f, 0.0f, "X");
        ErwarteNahe(NameIn(bild, "S"), -4.2828f, -4.2828f, "S");
        // The arc about V always runs counter-clockwise from the x leg to the y leg.
        EXPECT_EQ(std::get<TBogen>(bild.teile[5]), (TBogen{{-4, -4}, 4, -10, 100, 1, clBlack}));
        const TGerade g = std::get<TGerade>(bild.teile.back());
        ErwarteNahe(g.p, -4, -4, "bisector");
        ErwarteNahe(g.q, 0.4f, 0.4f, "bisector");
        EXPECT_EQ(std::pair(g.farbe, g.stil), std::pair(clRed, linieStrichPunkt));
    }
}
