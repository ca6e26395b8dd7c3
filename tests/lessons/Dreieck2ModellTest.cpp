// "Besondere Eigenschaften": the pictures of the four topics with exact values,
// the random triangles of each topic's rule, the instructions, and the model
// driven through its menu, step control, check boxes and repeat button.
#include "lessons/Dreieck2Modell.h"

#include "draw/GlobalU.h"
#include "draw/Texte.h"
#include "draw/Textmass.h"
#include "draw/PolKartU.h"
#include "draw/SchnittU.h"
#include "draw/VektorU.h"
#include "draw/ZufallU.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace dreieck2;
using bild::TBogen;
using bild::TBruch;
using bild::TEckenName;
using bild::TKreis;
using bild::TRechterWinkel;
using bild::TSeitenName;
using bild::TStrecke;
using bild::TText;
using bild::TTextArt;

namespace {

constexpr unsigned violett = 0x6633FF, braun = 0x996633, oliv = 0x669933, navy = 0x000080;

// Obtuse at A and at B, right-angled at A and at B; all keep the heights' rule.
constexpr TDreieck stumpfBeiA{{-8, -12}, {14, -12}, {-12, 14}};
constexpr TDreieck stumpfBeiB{{-14, -12}, {8, -12}, {12, 14}};
constexpr TDreieck rechtBeiA{{-10, -12}, {12, -12}, {-10, 14}};
constexpr TDreieck rechtBeiB{{-12, -12}, {10, -12}, {10, 14}};

std::vector<TStrecke> Linien(const TBild& bild, TFarbe farbe, int stil)
{
    std::vector<TStrecke> linien;
    for (const TStrecke& l : Teile<TStrecke>(bild))
        if (l.farbe == farbe && l.stil == stil)
            linien.push_back(l);
    return linien;
}

// The texts of the special lines and centres (not the vertex and side names).
std::vector<std::string> Texte(const TBild& bild)
{
    std::vector<std::string> texte;
    for (const TBildTeil& e : bild.teile) {
        if (const TText* t = std::get_if<TText>(&e))
            texte.push_back(t->text);
        if (const TSeitenName* t = std::get_if<TSeitenName>(&e))
            texte.push_back(t->text);
    }
    return texte;
}

struct TMitte {
    TPunkt H, S, U, I;
};
TMitte Mitten(const TDreieck& d)
{
    TMitte m;
    EXPECT_TRUE(MerkwuerdigePunkte(d.A.x, d.A.y, d.B.x, d.B.y, d.C.x, d.C.y, m.H.x, m.H.y, m.S.x, m.S.y, m.U.x,
                                   m.U.y, m.I.x, m.I.y));
    return m;
}

// The angle at `ecke` between the rays to P and to Q.
float Winkel(TPunkt ecke, TPunkt p, TPunkt q)
{
    return Zwischenwinkel(p.x - ecke.x, p.y - ecke.y, q.x - ecke.x, q.y - ecke.y);
}

// The foot of R on the line through P and Q.
TPunkt Fuss(TPunkt p, TPunkt q, TPunkt r)
{
    const long double dx = q.x - p.x, dy = q.y - p.y, t = ((r.x - p.x) * dx + (r.y - p.y) * dy) / (dx * dx + dy * dy);
    return {float(p.x + t * dx), float(p.y + t * dy)};
}

// Where the ray from V through Q leaves the square -18..18.
TPunkt AmRand(TPunkt v, TPunkt q)
{
    const long double dx = q.x - v.x, dy = q.y - v.y;
    const long double t = std::min((dx > 0 ? 18 - v.x : -18 - v.x) / dx, (dy > 0 ? 18 - v.y : -18 - v.y) / dy);
    return {float(v.x + t * dx), float(v.y + t * dy)};
}

// The texts, each where it should stand within a float's rounding.
void ErwarteTexte(const std::vector<TText>& texte, std::vector<TText> soll)
{
    ASSERT_EQ(texte.size(), soll.size());
    for (std::size_t k = 0; k < soll.size(); ++k) {
        EXPECT_NEAR(texte[k].ort.x, soll[k].ort.x, 1e-4) << k;
        EXPECT_NEAR(texte[k].ort.y, soll[k].ort.y, 1e-4) << k;
        soll[k].ort = texte[k].ort;
        EXPECT_EQ(texte[k], soll[k]);
    }
}

// A label's font as another label leaves it on the canvas: the centred labels
// are measured in it.
TSchrift Arial(int groesse, TFarbe farbe) { return {std::string("Arial"), groesse, true, farbe}; }

class Dreieck2Bild : public ::testing::Test {
protected:
    void SetUp() override { SetzeFarben(); }
};

} // namespace

// ---------------------------------------------------------------------------
// Geometry and pictures.

TEST_F(Dreieck2Bild, FusspunkteUndBeruehrpunkte)
{
    // The 3-4-5 triangle: feet from the right angle at A and from B, the
    // incircle about (1, 1) touching at (1, 0), (1.6, 1.8) and (0, 1).
    const TDreieck r{{0, 0}, {4, 0}, {0, 3}};
    TPunkt fc, fa, fb, tab, tbc, tac;
    ASSERT_TRUE(Hoehenfusspunkte(r, fc, fa, fb));
    ASSERT_TRUE(Beruehrpunkte(r, {1, 1}, tab, tbc, tac));
    const TPunkt ist[] = {fc, fa, fb, tab, tbc, tac};
    const TPunkt soll[] = {{0, 0}, {1.44f, 1.92f}, {0, 0}, {1, 0}, {1.6f, 1.8f}, {0, 1}};
    for (int k = 0; k < 6; ++k) {
        EXPECT_NEAR(ist[k].x, soll[k].x, 1e-6) << k;
        EXPECT_NEAR(ist[k].y, soll[k].y, 1e-6) << k;
    }
    // Two equal vertices: false, nothing written.
    fc = fa = fb = {7, 7};
    EXPECT_FALSE(Hoehenfusspunkte({{1, 1}, {1, 1}, {5, 3}}, fc, fa, fb));
    EXPECT_FALSE(Beruehrpunkte({{1, 1}, {1, 1}, {5, 3}}, {2, 2}, fc, fa, fb));
    EXPECT_TRUE(fc == (TPunkt{7, 7}) && fa == fc && fb == fc);
}

// Step 0 is the named triangle; every step keeps what the steps before drew and
// adds to it, so going back one step draws exactly the figure of that step.
TEST_F(Dreieck2Bild, SchrittNullUndJederSchrittBautAuf)
{
    const TDreieck& d = startDreieck;
    const TPunkt mab{0, -10}, mac{-10, 2}, mbc{4, 2};
    const TBild null{{TStrecke{d.A, d.B, 2, clBlack, linieVoll}, TStrecke{d.A, d.C, 2, clBlack, linieVoll},
                      TStrecke{d.B, d.C, 2, clBlack, linieVoll}, TEckenName{"A", d.A, mbc, 1, true},
                      TEckenName{"a", d.A, mbc, 1, false}, TEckenName{"B", d.B, mac, 1, true},
                      TEckenName{"b", d.B, mac, 1, false}, TEckenName{"C", d.C, mab, 1.5f, true},
                      TEckenName{"c", d.C, mab, 1, false}}};
    for (int e = 0; e <= 5; ++e)
        EXPECT_EQ(SchrittBild(e, e == 0 || e == 5 ? 3 : 0, true, true, d), null) << e;

    for (const TDreieck& dr : {startDreieck, stumpfBeiA, stumpfBeiB, rechtBeiA, rechtBeiB})
        for (int e = hoehen; e <= schwerlinien; ++e)
            for (int schalter = 0; schalter < 4; ++schalter) {
                const bool winkel = schalter & 1, beschriftung = schalter & 2;
                const int letzter = schritteJeEigenschaft[e];
                for (int s = 0; s < letzter; ++s) {
                    const TBild vorher = SchrittBild(e, s, winkel, beschriftung, dr);
                    const TBild nachher = SchrittBild(e, s + 1, winkel, beschriftung, dr);
                    ASSERT_GT(nachher.teile.size(), vorher.teile.size());
                    EXPECT_TRUE(std::equal(vorher.teile.begin(), vorher.teile.end(), nachher.teile.begin()))
                        << "topic " << e << " step " << s;
                }
                EXPECT_EQ(SchrittBild(e, letzter + 1, winkel, beschriftung, dr),
                          SchrittBild(e, letzter, winkel, beschriftung, dr));
            }
}

TEST_F(Dreieck2Bild, HoehenAmSpitzwinkligenStartdreieck)
{
    const TDreieck& d = startDreieck;
    const TPunkt fc = Fuss(d.A, d.B, d.C), fa = Fuss(d.B, d.C, d.A), fb = Fuss(d.A, d.C, d.B);
    const TPunkt h = Mitten(d).H;
    const TFarbe v = farbeViolett;
    const TBild bild = SchrittBild(hoehen, 4, true, true, d);
    EXPECT_EQ(Linien(bild, v, linieVoll), (std::vector<TStrecke>{{d.C, fc, 1, v, linieVoll},
                                                                 {d.A, fa, 1, v, linieVoll},
                                                                 {d.B, fb, 1, v, linieVoll}}));
    EXPECT_TRUE(Linien(bild, clBlack, liniePunktiert).empty()); // acute: nothing prolonged
    EXPECT_EQ(Teile<TRechterWinkel>(bild),
              (std::vector<TRechterWinkel>{{{28, 0}, fc, 2, 1, v, 'L'}, {{-20, 24}, fa, 2, 1, v, 'L'},
                                           {{-8, -24}, fb, 2, 1, v, 'R'}}));
    // Each name is measured in the font the label before it left: "h!b" in the large one of "H".
    EXPECT_EQ(Teile<TSeitenName>(bild), (std::vector<TSeitenName>{{"h!c", d.C, fc, h, 1.2f, v, TSchrift{}},
                                                                 {"h!a", d.A, fa, h, 1.2f, v, Arial(12, v)},
                                                                 {"h!b", d.B, fb, h, 1.1f, v, Arial(15, v)}}));
    EXPECT_EQ(Teile<TText>(bild), (std::vector<TText>{{TTextArt::Zentriert, "H", {float(h.x + 0.8L), float(h.y - 0.8L)},
                                                      v, 15, true, clBlack, Arial(12, v)}}));
    // Each switch removes its own things only; H stays, measured after the vertex names.
    EXPECT_EQ(Texte(SchrittBild(hoehen, 4, true, false, d)), std::vector<std::string>{"H"});
    EXPECT_EQ(Teile<TText>(SchrittBild(hoehen, 4, true, false, d))[0].mass, TSchrift{});
    EXPECT_EQ(Teile<TRechterWinkel>(SchrittBild(hoehen, 4, true, false, d)).size(), 3u);
    EXPECT_EQ(Texte(SchrittBild(hoehen, 4, false, true, d)).size(), 4u);
    EXPECT_TRUE(Teile<TRechterWinkel>(SchrittBild(hoehen, 4, false, true, d)).empty());

    // A right angle at A is marked once, at step 1; one at B only at step 2.
    const auto marken = [](const TDreieck& r, int s) {
        return Teile<TRechterWinkel>(SchrittBild(hoehen, s, true, true, r));
    };
    ASSERT_EQ(Winkel(rechtBeiA.A, rechtBeiA.B, rechtBeiA.C), 90.0f);
    ASSERT_EQ(marken(rechtBeiA, 1).size(), 1u);
    EXPECT_EQ(marken(rechtBeiA, 1)[0].scheitel, rechtBeiA.A);
    EXPECT_EQ(marken(rechtBeiA, 4).size(), 2u);
    ASSERT_EQ(Winkel(rechtBeiB.B, rechtBeiB.A, rechtBeiB.C), 90.0f);
    EXPECT_TRUE(marken(rechtBeiB, 1).empty());
    ASSERT_EQ(marken(rechtBeiB, 4).size(), 2u);
    EXPECT_EQ(marken(rechtBeiB, 4)[0].scheitel, rechtBeiB.B);
    for (const TDreieck& r : {rechtBeiA, rechtBeiB})
        EXPECT_TRUE(Linien(SchrittBild(hoehen, 4, true, true, r), clBlack, liniePunktiert).empty());
}

// Obtuse at A or B: sides prolonged dotted past the feet outside, the heights
// violet past their feet or beyond H, as many as the three heights themselves.
TEST_F(Dreieck2Bild, HoehenBeiStumpfemWinkel)
{
    const TFarbe v = farbeViolett;
    {
        const TDreieck& d = stumpfBeiA; // F_c = (-12, -12) left of A, H = (-12, -16)
        const TPunkt fc = Fuss(d.A, d.B, d.C), fb = Fuss(d.A, d.C, d.B);
        const TPunkt h = Mitten(d).H;
        const TBild bild = SchrittBild(hoehen, 4, true, true, d);
        EXPECT_EQ(Linien(bild, clBlack, liniePunktiert),
                  (std::vector<TStrecke>{{d.A, {-18, -12}, 1, clBlack, liniePunktiert},
                                         {d.A, Weiter(d.A, fb, 6), 1, clBlack, liniePunktiert}}));
        const std::vector<TStrecke> hoehenLinien = Linien(bild, v, linieVoll);
        ASSERT_EQ(hoehenLinien.size(), 6u);
        EXPECT_EQ(hoehenLinien[1], (TStrecke{fc, {-12, -18}, 1, v, linieVoll}));
        EXPECT_EQ(hoehenLinien[3], (TStrecke{d.A, Weiter(d.A, h, 6), 1, v, linieVoll}));
        EXPECT_EQ(hoehenLinien[5], (TStrecke{fb, Weiter(d.B, fb, 6), 1, v, linieVoll}));
        EXPECT_EQ(Teile<TRechterWinkel>(bild)[0].seite, 'R');
        EXPECT_EQ(Teile<TText>(bild)[0].ort, (TPunkt{float(h.x - 1.2L), float(h.y - 0.8L)})); // H left of A
    }
    {
        const TDreieck& d = stumpfBeiB; // F_c = (12, -12) right of B, H = (12, -16)
        const TPunkt fc = Fuss(d.A, d.B, d.C), fa = Fuss(d.B, d.C, d.A);
        const TPunkt h = Mitten(d).H;
        const TBild bild = SchrittBild(hoehen, 4, true, true, d);
        EXPECT_EQ(Linien(bild, clBlack, liniePunktiert),
                  (std::vector<TStrecke>{{d.A, {18, -12}, 1, clBlack, liniePunktiert},
                                         {d.B, Weiter(d.B, fa, 6), 1, clBlack, liniePunktiert}}));
        const std::vector<TStrecke> hoehenLinien = Linien(bild, v, linieVoll);
        ASSERT_EQ(hoehenLinien.size(), 6u);
        EXPECT_NEAR(hoehenLinien[1].bis.y, -22, 1e-5);
        EXPECT_EQ(hoehenLinien[1], (TStrecke{fc, Weiter(fc, h, 6), 1, v, linieVoll}));
        EXPECT_EQ(hoehenLinien[3], (TStrecke{fa, Weiter(fa, h, 6), 1, v, linieVoll}));
        EXPECT_EQ(hoehenLinien[5], (TStrecke{d.B, Weiter(d.B, h, 6), 1, v, linieVoll}));
    }
}

// Every height reaches H, prolonged half a unit past it where H lies outside the
// triangle: obtuse at A with H 6.75 below AB, its mirror image, the deepest H the
// heights' rule lets through (7.92 below AB), and the acute start triangle.
TEST_F(Dreieck2Bild, VerlaengerteHoehenReichenUeberH)
{
    for (const TDreieck& d : {TDreieck{{-8, -10}, {14, -10}, {-13, 10}}, TDreieck{{-14, -10}, {8, -10}, {13, 10}},
                              TDreieck{{-13, -10}, {14, -10}, {-19, 15}}, startDreieck}) {
        SCOPED_TRACE(testing::Message() << d.A.x << " " << d.B.x << " " << d.C.x << " " << d.C.y);
        ASSERT_TRUE(DreieckZulaessig(hoehen, d));
        const TPunkt h = Mitten(d).H;
        const std::vector<TStrecke> linien = Linien(SchrittBild(hoehen, 4, true, true, d), farbeViolett, linieVoll);
        for (const auto& [ecke, fuss] : {std::pair{d.A, Fuss(d.B, d.C, d.A)}, std::pair{d.B, Fuss(d.A, d.C, d.B)},
                                         std::pair{d.C, Fuss(d.A, d.B, d.C)}}) {
            // Along the height: t from the vertex towards the foot, and the distance off it.
            const double l = std::hypot(fuss.x - ecke.x, fuss.y - ecke.y);
            const double ux = (fuss.x - ecke.x) / l, uy = (fuss.y - ecke.y) / l;
            const auto t = [&](TPunkt p) { return (p.x - ecke.x) * ux + (p.y - ecke.y) * uy; };
            const auto ab = [&](TPunkt p) { return std::fabs((p.x - ecke.x) * uy - (p.y - ecke.y) * ux); };
            const double tH = t(h), weiter = tH > l ? tH + 0.5 : tH < 0 ? tH - 0.5 : tH;
            const auto gedeckt = [&](double w) {
                return std::any_of(linien.begin(), linien.end(), [&](const TStrecke& li) {
                    return ab(li.von) <= 1e-3 && ab(li.bis) <= 1e-3 && w >= std::min(t(li.von), t(li.bis)) - 1e-3
                           && w <= std::max(t(li.von), t(li.bis)) + 1e-3;
                });
            };
            EXPECT_TRUE(gedeckt(tH) && gedeckt(weiter)) << "height from " << ecke.x << "|" << ecke.y;
        }
    }
}

TEST_F(Dreieck2Bild, SeitensymmetralenUndUmkreis)
{
    const TDreieck& d = startDreieck;
    const TPunkt u = Mitten(d).U;
    const TFarbe f = farbeBraun;
    const TBild bild = SchrittBild(seitensymmetralen, 5, true, true, d);
    const std::vector<TStrecke> linien = Linien(bild, f, linieStrichPunkt);
    ASSERT_EQ(linien.size(), 3u);
    EXPECT_EQ(linien[0], (TStrecke{{0, -18}, {0, 18}, 1, f, linieStrichPunkt})); // the y axis
    const TPunkt mitten[] = {{0, -10}, {-10, 2}, {4, 2}};
    // Each name at its bisector's left end on the square's border (the lower end of the upright one).
    const auto art = TTextArt::Zentriert;
    // Each measured in the font of the label before it: "s!B!C" in the large one of "U".
    ErwarteTexte(Teile<TText>(bild),
                 {{art, "s!A!B", {0, -18}, f, 12, true, clBlack, TSchrift{}},
                  {art, "s!A!C", {-18, 14.0f / 3}, f, 12, true, clBlack, Arial(12, f)},
                  {art, "U", {0.8f, float(u.y - 0.8L)}, f, 15, true, clBlack, Arial(12, f)},
                  {art, "s!B!C", {-18, -49.0f / 3}, f, 12, true, clBlack, Arial(15, f)}});
    EXPECT_EQ(Teile<TRechterWinkel>(bild),
              (std::vector<TRechterWinkel>{{{28, 0}, mitten[0], 2, 1, f, 'L'}, {{-8, -24}, mitten[1], 2, 1, f, 'L'},
                                           {{-20, 24}, mitten[2], 2, 1, f, 'R'}}));
    EXPECT_FLOAT_EQ(u.y, -4.0f / 3.0f);
    EXPECT_EQ(Teile<TKreis>(bild), (std::vector<TKreis>{{u, Abstand(u, d.C), 2, f}}));
    const TBild nackt = SchrittBild(seitensymmetralen, 5, false, false, d);
    EXPECT_EQ(Texte(nackt), std::vector<std::string>{"U"});
    EXPECT_TRUE(Teile<TRechterWinkel>(nackt).empty());
}

TEST_F(Dreieck2Bild, WinkelsymmetralenUndInkreis)
{
    const TDreieck& d = startDreieck;
    // The incentre weighs each vertex by the opposite side; the radius is its distance from AB.
    const long double la = std::hypot(20.0L, 24.0L), lb = std::hypot(8.0L, 24.0L), lc = 28, u = la + lb + lc;
    const TPunkt i{float((la * d.A.x + lb * d.B.x + lc * d.C.x) / u),
                   float((la * d.A.y + lb * d.B.y + lc * d.C.y) / u)};
    const float rho = float(i.y - d.A.y);
    const TFarbe f = farbeOliv;
    const long double a = Winkel(d.A, d.B, d.C), b = Winkel(d.B, d.A, d.C), g = Winkel(d.C, d.A, d.B);
    const TBild bild = SchrittBild(winkelsymmetralen, 5, true, true, d);
    const std::vector<TStrecke> linien = Linien(bild, f, linieStrichPunkt);
    ASSERT_EQ(linien.size(), 3u);
    EXPECT_EQ(Teile<TBogen>(bild),
              (std::vector<TBogen>{{d.A, 4, 0, float(a)}, {d.B, 4, float(180 - b), 180},
                                         {d.C, 4, float(180 + a), float(180 + a + g)}}));
    // Each half: the Greek name over "2", black, size 10.
    const auto halb = [](const char* name, TPunkt ort) { return TBruch{name, "2", ort}; };
    EXPECT_EQ(Teile<TBruch>(bild),
              (std::vector<TBruch>{halb("~a", Polar(d.A, a / 4, 6)), halb("~a", Polar(d.A, 3 * a / 4, 6.5f)),
                                   halb("~b", Polar(d.B, 180 - b / 4, 6)),
                                   halb("~b", Polar(d.B, 180 - 3 * b / 4, 6.5f)),
                                   halb("~g", Polar(d.C, 180 + a + g / 4, 6)),
                                   halb("~g", Polar(d.C, 180 + a + 3 * g / 4, 6))}));
    // Each name beyond its vertex, where the bisector from I through the vertex leaves the square.
    // "ρ" 0.6 right of the middle of the radius to BC.
    const TPunkt t = Fuss(d.B, d.C, i), r{t.x - i.x, t.y - i.y};
    const float n = 0.6f / std::hypot(r.x, r.y);
    const auto s = TTextArt::SymbolMitte;
    ErwarteTexte(Teile<TText>(bild), {{s, "w*a", AmRand(i, d.A), f, 12}, {s, "w*b", AmRand(i, d.B), f, 12},
                                     {TTextArt::TimesMitte, "~I", {i.x + 0.8f, i.y - 0.8f}, f, 15},
                                     // "w*g" would touch "C": it moves on past the line's end.
                                     {s, "w*g", Weiter(d.C, AmRand(i, d.C), 1.5f), f, 12},
                                     {s, "~r", {(i.x + t.x) / 2 + n * r.y, (i.y + t.y) / 2 - n * r.x}, f, 12}});
    // The radii to the touching points and the incircle.
    const auto radien = Linien(bild, clBlack, liniePunktiert);
    ASSERT_EQ(radien.size(), 3u);
    const auto kreis = Teile<TKreis>(bild);
    ASSERT_EQ(kreis.size(), 1u);
    EXPECT_NEAR(kreis[0].radius, rho, 1e-4);
    EXPECT_NEAR(Abstand(kreis[0].mitte.x, kreis[0].mitte.y, i.x, i.y), 0, 1e-4);
    for (const TStrecke& r : radien)
        EXPECT_TRUE(Abstand(r.von.x, r.von.y, i.x, i.y) < 1e-4f && r.breite == 2
                    && std::fabs(Abstand(i.x, i.y, r.bis.x, r.bis.y) - rho) < 1e-4f);

    // Back at step 4 the circle and ρ are gone, the bisectors stay.
    const TBild vier = SchrittBild(winkelsymmetralen, 4, true, true, d);
    EXPECT_TRUE(Teile<TKreis>(vier).empty());
    EXPECT_EQ(Texte(vier), (std::vector<std::string>{"w*a", "w*b", "~I", "w*g"}));
    EXPECT_EQ(Linien(vier, f, linieStrichPunkt), linien);
    // Switched off: no arcs, fractions or bisector names; "~I" and "~r" stay.
    const TBild nackt = SchrittBild(winkelsymmetralen, 5, false, false, d);
    EXPECT_TRUE(Teile<TBogen>(nackt).empty() && Teile<TBruch>(nackt).empty());
    EXPECT_EQ(Texte(nackt), (std::vector<std::string>{"~I", "~r"}));
}

TEST_F(Dreieck2Bild, Schwerlinien)
{
    const TDreieck& d = startDreieck;
    const TPunkt s{-2, -2}, mab{0, -10}, mac{-10, 2}, mbc{4, 2};
    const TFarbe f = farbeMagenta;
    const TBild bild = SchrittBild(schwerlinien, 4, true, true, d);
    EXPECT_EQ(Linien(bild, f, linieVoll), (std::vector<TStrecke>{{mab, d.C, 1, f, linieVoll},
                                                                 {mac, d.B, 1, f, linieVoll},
                                                                 {mbc, d.A, 1, f, linieVoll}}));
    EXPECT_EQ(Teile<TSeitenName>(bild), (std::vector<TSeitenName>{{"s!C", mab, d.C, s, 0.8f, f, TSchrift{}},
                                                                 {"s!B", mac, d.B, s, 0.8f, f, Arial(12, f)},
                                                                 {"s!A", mbc, d.A, s, 0.8f, f, Arial(15, f)}}));
    EXPECT_EQ(Teile<TText>(bild),
              (std::vector<TText>{{TTextArt::Zentriert, "S", {-1.2f, -2.8f}, f, 15, true, clBlack, Arial(12, f)}}));
    EXPECT_EQ(SchrittBild(schwerlinien, 4, false, true, d), bild); // no marks to switch
}

// Without centres (vertices on one line or in one point) there is nothing to
// draw the special lines from: every step shows the triangle only.
TEST_F(Dreieck2Bild, OhneMittelpunkteNurDasDreieck)
{
    for (const TDreieck& d : {TDreieck{{-10, -10}, {10, -10}, {0, -10}}, TDreieck{{1, 1}, {1, 1}, {1, 1}}})
        for (int e = hoehen; e <= schwerlinien; ++e)
            EXPECT_EQ(SchrittBild(e, schritteJeEigenschaft[e], true, true, d), SchrittBild(e, 0, true, true, d));
}

// ---------------------------------------------------------------------------
// Labels never on each other.

namespace {

// The first two labels of a picture that share a pixel, as text; empty if none.
std::string Ueberdeckt(const TBild& bild)
{
    const std::vector<textmass::TTextKasten> k = textmass::Kaesten(bild, {grafikBreite, grafikHoehe, weltGrafik});
    for (std::size_t i = 0; i < k.size(); ++i)
        for (std::size_t j = i + 1; j < k.size(); ++j)
            if (k[i].kasten.Schneidet(k[j].kasten))
                return Text(bild.teile[k[i].teil]) + " / " + Text(bild.teile[k[j].teil]);
    return {};
}

// The box of the label with this text.
textmass::TKasten KastenVon(const TBild& bild, const std::string& text)
{
    for (const textmass::TTextKasten& k : textmass::Kaesten(bild, {grafikBreite, grafikHoehe, weltGrafik})) {
        const TBildTeil& t = bild.teile[k.teil];
        if ((std::holds_alternative<TText>(t) && std::get<TText>(t).text == text)
            || (std::holds_alternative<TEckenName>(t) && std::get<TEckenName>(t).text == text))
            return k.kasten;
    }
    ADD_FAILURE() << "no label " << text;
    return {};
}

} // namespace

// The start triangle and a few hundred of each topic's rule, every step with
// every setting of the switches.
TEST_F(Dreieck2Bild, KeineBeschriftungAufEinerAnderen)
{
    SetzeZufallsKeim(2911);
    for (int e = hoehen; e <= schwerlinien; ++e) {
        std::vector<TDreieck> dreiecke{startDreieck};
        for (int n = 0; n < 250; ++n)
            dreiecke.push_back(ZufallsDreieck(e));
        for (const TDreieck& d : dreiecke)
            for (int s = 0; s <= schritteJeEigenschaft[e]; ++s)
                for (int schalter = 0; schalter < 4; ++schalter)
                    ASSERT_EQ(Ueberdeckt(SchrittBild(e, s, schalter & 1, schalter & 2, d)), "")
                        << "topic " << e << " step " << s << " switches " << schalter << ": " << d.A.x << "|"
                        << d.A.y << " " << d.B.x << " " << d.C.x << "|" << d.C.y;
    }
}

// In a right triangle H is the right angle's vertex and two heights run along
// the legs: each such name stands on the row of the name it equals, just
// beside it (left of the triangle's left names), and is read with it.
TEST_F(Dreieck2Bild, RechterWinkelNenntGleichesNebeneinander)
{
    const struct {
        const TDreieck* d;
        const char *text, *neben, *gelesen;
        bool links;
    } faelle[] = {{&rechtBeiB, "= H", "B", "B = H", false},  {&rechtBeiB, "= h!c", "a", "a = hc", false},
                  {&rechtBeiB, "= h!a", "c", "c = ha", false}, {&rechtBeiA, "H = ", "A", "H = A", true},
                  {&rechtBeiA, "h!c = ", "b", "hc = b", true}, {&rechtBeiA, "= h!b", "c", "c = hb", false}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.gelesen);
        const TBild bild = SchrittBild(hoehen, 4, true, true, *f.d);
        const textmass::TKasten name = KastenVon(bild, f.text), neben = KastenVon(bild, f.neben);
        EXPECT_EQ(name.oben, neben.oben);
        const int luecke = f.links ? neben.links - name.rechts : name.links - neben.rechts;
        EXPECT_TRUE(luecke >= 1 && luecke <= 8) << luecke;
        EXPECT_EQ(Ueberdeckt(bild), "");
        EXPECT_TRUE(Enthaelt(SchrittBeschreibung(hoehen, 4, 4, true, true, *f.d), f.gelesen));
    }
    const std::string b = SchrittBeschreibung(hoehen, 3, 4, true, true, rechtBeiB);
    EXPECT_TRUE(Enthaelt(b, "Höhenschnittpunkt H")) << b;
    EXPECT_FALSE(Enthaelt(b, ", B,")) << b; // read once, as "B = H"
}

namespace {

// The lines of an instruction.
std::vector<TText> Zeilen(int e, int s) { return Teile<TText>(Anweisung(e, s)); }

} // namespace

TEST(Dreieck2Anweisung, TexteJeThemaUndSchritt)
{
    // One or two lines per step, with the texts' own spellings.
    const char* zeilen[] = {"1", "11112", "111121", "111121", "11112"};
    for (int e = 1; e <= 4; ++e)
        for (int s = 0; s <= schritteJeEigenschaft[e]; ++s)
            EXPECT_TRUE(Anweisung(e, s).teile.size() == size_t(zeilen[e][s] - '0')
                        && Zeilen(e, s).size() == Anweisung(e, s).teile.size())
                << e << "/" << s;
    const auto text = [](int e, int s, size_t z) { return Zeilen(e, s)[z].text; };
    EXPECT_EQ(text(2, 0, 0), std::string("Zeichne das Dreieck ABC und beschrifte es entsprechend."));
    EXPECT_EQ(text(1, 1, 0), std::string("Zeichne eine Normale vom Eckpunkt C zur gegenüberligenden Seite AB, "
                                            "um die Höhe h!c zu erhalten."));
    EXPECT_EQ(text(2, 4, 1), std::string("Alle drei Seitensymmetrale schneiden sich im Umkreismittelpunkt, der "
                                            "von den Eckpunkten des Dreiecks gleich weit entfernt ist."));
    EXPECT_EQ(text(2, 5, 0), std::string("Der Abstand des Umkreismittelpunkts von den Eckpunkten des Dreicks ABC "
                                            "ist der Umkreisradius r."));
    EXPECT_EQ(text(3, 3, 0), std::string("Der Schnittpunkt der beiden Winkelsymmetralen heißt "
                                            "Inkreismittelpunkt ~I."));
    EXPECT_EQ(text(3, 4, 0),
              std::string("Halbiere den Winkel ~g beim Punkt C, um die Winkelsymmetrale w*g zu erhalten."));
    EXPECT_EQ(text(4, 3, 0), std::string("Der Schnittpunkt der beiden Schwelinien heißt Schwerpunkt S."));
    // Where and with which letters, navy.
    const auto zeile = [](int e, int s, size_t z) { return std::pair(Zeilen(e, s)[z].art, Zeilen(e, s)[z].ort); };
    using A = TTextArt;
    EXPECT_EQ(zeile(1, 1, 0), std::pair(A::Zentriert, TPunkt{0, 0.5f}));
    EXPECT_EQ(zeile(1, 4, 0), std::pair(A::Zentriert, TPunkt{0, 1.3f}));
    EXPECT_EQ(zeile(1, 4, 1), std::pair(A::Zentriert, TPunkt{0, -0.7f}));
    EXPECT_EQ(zeile(2, 4, 1), std::pair(A::Zentriert, TPunkt{1, -0.7f}));
    for (int s : {1, 2, 5})
        EXPECT_EQ(zeile(3, s, 0), std::pair(A::SymbolMitte, TPunkt{0, 0.8f}));
    EXPECT_EQ(zeile(3, 3, 0), std::pair(A::TimesMitte, TPunkt{0, 0.5f}));
    EXPECT_EQ(zeile(3, 4, 0), std::pair(A::SymbolMitte, TPunkt{0, 1.6f}));
    EXPECT_EQ(Zeilen(4, 4)[1].farbe, clNavy);
    // The second line is centred by its size in the font the first left on the panel.
    EXPECT_EQ(Zeilen(1, 4)[0].mass, TSchrift{});
    EXPECT_EQ(Zeilen(1, 4)[1].mass, Arial(12, clNavy));
}

// ---------------------------------------------------------------------------
// Random triangles.

TEST(Dreieck2Zufall, JedesThemaNachSeinerRegel)
{
    SetzeZufallsKeim(20240611);
    bool stumpfA = false, stumpfB = false, rechtA = false, rechtB = false;
    for (int e = hoehen; e <= schwerlinien; ++e)
        for (int n = 0; n < 400; ++n) {
            const TDreieck d = ZufallsDreieck(e);
            for (float w : {d.A.x, d.A.y, d.B.x, d.C.x, d.C.y})
                ASSERT_EQ(w, std::trunc(w));
            ASSERT_EQ(d.B.y, d.A.y);
            ASSERT_TRUE(d.A.x >= (e <= seitensymmetralen ? -16 : -14) && d.A.x <= -1 && d.B.x >= 1 && d.B.x <= 14);
            ASSERT_TRUE(d.C.x >= (e == hoehen ? -19 : -17) && d.C.x <= (e == hoehen ? 14 : 16));
            if (e == seitensymmetralen) {
                ASSERT_TRUE(d.A.y == -10 && d.C.y == 17);
            } else {
                ASSERT_TRUE(d.A.y >= -16 && d.A.y <= -10 && d.C.y >= 10 && d.C.y <= 16);
            }
            ASSERT_GT(Abstand(d.A.x, d.A.y, d.B.x, d.B.y), 20);
            ASSERT_GT(Abstand(d.A.x, d.A.y, d.C.x, d.C.y), 20);
            if (e != hoehen)
                continue;
            const float hy = Mitten(d).H.y;
            ASSERT_TRUE(hy > -18 && hy < 18);
            const float alpha = Winkel(d.A, d.B, d.C), beta = Winkel(d.B, d.A, d.C);
            stumpfA |= alpha > 90;
            stumpfB |= beta > 90;
            // Exactly 90 when C stands straight above A or B.
            ASSERT_EQ(alpha == 90.0f, d.C.x == d.A.x);
            ASSERT_EQ(beta == 90.0f, d.C.x == d.B.x);
            rechtA |= alpha == 90.0f;
            rechtB |= beta == 90.0f;
        }
    EXPECT_TRUE(stumpfA && stumpfB && rechtA && rechtB);
}

TEST(Dreieck2Zufall, Annahmeregeln)
{
    // H at y = -19, exactly -18, and -16: only the last is good for the heights;
    // the other rules ask for the sides and free labels, and 20 is too short.
    // The angle bisectors of zuTief would put a half of α on "I" and the two
    // halves of β on each other.
    const bool zuTiefGut[] = {false, true, false, true};
    const TDreieck zuTief{{-8, -12}, {14, -12}, {-14, 12}}, grenze{{-16, -16}, {8, -16}, {-18, 10}};
    EXPECT_FLOAT_EQ(Mitten(zuTief).H.y, -19);
    ASSERT_EQ(Mitten(grenze).H.y, -18.0f);
    EXPECT_FALSE(DreieckZulaessig(hoehen, zuTief));
    EXPECT_FALSE(DreieckZulaessig(hoehen, grenze));
    EXPECT_TRUE(DreieckZulaessig(hoehen, stumpfBeiA));
    for (int e = hoehen; e <= schwerlinien; ++e) {
        EXPECT_EQ(DreieckZulaessig(e, zuTief), zuTiefGut[e - 1]) << e;
        EXPECT_FALSE(DreieckZulaessig(e, {{-10, -10}, {10, -10}, {-4, 12}}));
        EXPECT_FALSE(DreieckZulaessig(e, {{-12, -10}, {10, -10}, {-12, 10}}));
    }
}

// ---------------------------------------------------------------------------
// The model.

namespace {

unsigned Hex(TFarbe f) { return unsigned(RotAnteil(f)) << 16 | unsigned(GruenAnteil(f)) << 8 | unsigned(BlauAnteil(f)); }

struct TEigenschaften {
    TDreieck2 m;
    TEigenschaften(unsigned keim = 1) { m.Aktiviere(keim); }
    lektion::TSteuerZustand S(const char* name) const { return m.Steuerzustand(m.Steuer(name)); }
    void Aendere(const char* name, int wert) { m.Geaendert(m.Steuer(name), wert); }
    void Schritte(int n) { Aendere("grpSchritt", m.zustand.Schritt + n); }
    // The step control reached by the arrows one click at a time.
    void BisZumEnde()
    {
        while (m.zustand.Schritt < S("grpSchritt").max)
            Schritte(1);
    }
};

} // namespace

TEST(Dreieck2Modell, JedesAktivierenBeginntVonVorn)
{
    TEigenschaften t;
    const auto pruefeStart = [&t] {
        EXPECT_EQ(t.m.Titel(0), "Höhen und Höhenschnittpunkt");
        EXPECT_EQ(Hex(t.m.TitelFarbe(0)), violett);
        EXPECT_EQ(t.S("grpSchritt"), (lektion::TSteuerZustand{.titel = "Schritte (0–4)", .max = 4}));
        for (const char* chk : {"chkWinkel", "chkBeschriftung"})
            EXPECT_EQ(t.S(chk), (lektion::TSteuerZustand{.wert = 1, .text = "eingeschaltet"})) << chk;
        EXPECT_FALSE(t.S("grpWH").knopfAktiv);
        EXPECT_EQ(t.m.zustand.Dreieck(), startDreieck);
        EXPECT_EQ(t.m.Schritt(), 0);
        // The instruction is drawn only: the printed page names none.
        EXPECT_TRUE(t.m.Anweisung(0).empty() && t.m.Anweisung(1).empty());
    };
    pruefeStart();
    // Medians, a new triangle, labels off; opened again.
    t.m.Menue(3);
    t.BisZumEnde();
    t.Aendere("grpWH", 0);
    t.Schritte(2);
    t.Aendere("chkBeschriftung", 0);
    EXPECT_EQ(t.S("chkBeschriftung"), (lektion::TSteuerZustand{.wert = 0, .text = "ausgeschaltet"}));
    EXPECT_FALSE(t.m.zustand.BeschriftungAn);
    t.m.Aktiviere(2);
    pruefeStart();
}

TEST(Dreieck2Modell, ThemenMenueUndNeuesDreieck)
{
    // The repeat button, there at the last step only, draws by the topic's rule
    // from the generator the opening seeded.
    SetzeZufallsKeim(4711);
    const TDreieck erwartet = ZufallsDreieck(hoehen);
    TEigenschaften t(4711);
    t.Schritte(3);
    EXPECT_FALSE(t.S("grpWH").knopfAktiv);
    t.Schritte(1);
    EXPECT_TRUE(t.S("grpWH").knopfAktiv);
    t.Aendere("grpWH", 0);
    EXPECT_EQ(t.m.zustand.Dreieck(), erwartet);
    EXPECT_TRUE(t.m.zustand.Schritt == 0 && !t.S("grpWH").knopfAktiv);
    EXPECT_EQ(TEigenschaften(4711).m.zustand.Dreieck(), startDreieck);

    // Another topic keeps the triangle and starts at step 0 with its own steps.
    t.Schritte(2);
    t.m.Menue(1);
    EXPECT_EQ(t.m.zustand.Dreieck(), erwartet);
    EXPECT_EQ(t.m.Titel(0), "Seitensymmetralen, Umkreismittelpunkt und Umkreis");
    EXPECT_EQ(Hex(t.m.TitelFarbe(0)), braun);
    EXPECT_EQ(t.S("grpSchritt"), (lektion::TSteuerZustand{.titel = "Schritte (0–5)", .max = 5}));
    t.Aendere("grpSchritt", 9); // beyond the end: the last step
    EXPECT_EQ(t.m.Schritt(), 5);
    t.Aendere("grpWH", 0);
    EXPECT_TRUE(t.m.zustand.A.y == -10 && t.m.zustand.B.y == -10 && t.m.zustand.C.y == 17);
    // The medians have no angle marks to switch; the switch keeps its setting.
    t.m.Menue(3);
    EXPECT_EQ(t.S("chkWinkel"), (lektion::TSteuerZustand{.wert = 1, .aktiv = false, .text = "eingeschaltet"}));
    t.m.Menue(2);
    EXPECT_TRUE(t.S("chkWinkel").aktiv);
    EXPECT_EQ(Hex(t.m.TitelFarbe(0)), oliv);
    EXPECT_EQ(t.m.Titel(0), "Winkelsymmetralen, Inkreismittelpunkt und Inkreis");
}

// Whatever way a state is reached, the drawing, the instruction and what a
// reader hears are those of the state.
TEST(Dreieck2Modell, BildUndBeschreibungFolgenDemZustand)
{
    TEigenschaften t;
    int gezeigt = 0;
    for (int thema = 0; thema < 4; ++thema) {
        t.m.Menue(thema);
        const int e = hoehen + thema;
        for (int schalter = 0; schalter < 4; ++schalter) {
            t.Aendere("chkWinkel", schalter & 1);
            t.Aendere("chkBeschriftung", schalter & 2);
            for (int s : {0, 3, 1, 2, 4, 3}) {
                t.Aendere("grpSchritt", s);
                const bool w = schalter & 1, b = schalter & 2;
                const TDreieck d = t.m.zustand.Dreieck();
                ASSERT_EQ(t.m.Bild(0), SchrittBild(e, s, w, b, d));
                ASSERT_EQ(t.m.Bild(1), Anweisung(e, s));
                ASSERT_EQ(t.m.Beschreibung(0), SchrittBeschreibung(e, s, schritteJeEigenschaft[e], w, b, d));
                ASSERT_EQ(t.m.Beschreibung(1), AnweisungsText(e, s));
                ++gezeigt;
            }
        }
    }
    EXPECT_EQ(gezeigt, 96);
    EXPECT_EQ(t.m.Layout().bereiche[1].zugName, "Anweisung");
    EXPECT_TRUE(t.m.Layout().bereiche[1].alsText);
}

