// "Dreieckskonstruktionen" as a model: the random triangles and their rules,
// the picture of each theorem step by step with exact values, and the lesson
// driven through its menu, step control, radio group and button.
#include "lessons/Dreieck1Modell.h"

#include "draw/Bild.h"
#include "draw/GlobalU.h"
#include "draw/ZufallU.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace dreieck1;
using bild::TBogen;
using bild::TStrecke;
using bild::TStreckenName;
using bild::TText;
using bild::TTextArt;

namespace {

// A = (-5, -5), C = (3, 3): A→C runs at 45°. The circle about B = (7, -5)
// through C cuts AC again halfway, at C₂ = (-1, -1). With B = (2, -5) instead,
// a = √65 > c = 7: one solution.
const TDreieck zweiLoesungen{{-5, -5}, {7, -5}, {3, 3}};
const TDreieck eineLoesung{{-5, -5}, {2, -5}, {3, 3}};
const TPunkt freiesEnde{float(-5 + 8.8), float(-5 + 8.8)}; // 1.1 |AC| along A→C

// The font a label after a Greek one is measured in; after any other label it is Arial 12.
const TSchrift symbol14{std::string("Symbol"), 14};

// A vertex name, measured in the font the label before it left.
TText Ecke(const char* text, TPunkt p, const TSchrift& mass = {})
{
    return {TTextArt::Mitte, std::string(text), p, clBlack, 12, true, clBlack, mass};
}

bool Hat(const TBild& bild, const TBildTeil& teil)
{
    return std::find(bild.teile.begin(), bild.teile.end(), teil) != bild.teile.end();
}

bool Gleich(TPunkt p, TPunkt q) { return std::fabs(p.x - q.x) < 1e-4f && std::fabs(p.y - q.y) < 1e-4f; }

// The compass arcs about m with radius r.
std::vector<TBogen> BoegenUm(const TBild& bild, TPunkt m, float r)
{
    std::vector<TBogen> boegen;
    for (const TBogen& b : Teile<TBogen>(bild))
        if (b.mitte == m && std::fabs(b.radius - r) < 1e-5f)
            boegen.push_back(b);
    return boegen;
}

bool HatLinie(const TBild& bild, TPunkt von, TPunkt bis, int breite)
{
    const auto linien = Teile<TStrecke>(bild);
    return std::any_of(linien.begin(), linien.end(), [&](const TStrecke& l) {
        return l.breite == breite && Gleich(l.von, von) && Gleich(l.bis, bis);
    });
}

template <class... F> struct Ueberladen : F... {
    using F::operator()...;
};

float Grad(double bogen) { return float(bogen * 180.0 / M_PI); }

} // namespace

TEST(Dreieck1Zufall, JedesGezogeneDreieckHaeltSeineRegeln)
{
    for (int satz = satzSSS; satz <= satzSsW; ++satz)
        for (int loesungen = 1; loesungen <= 2; ++loesungen)
            for (std::uint64_t keim = 1; keim <= 300; ++keim) {
                SetzeZufallsKeim(keim);
                const TDreieck d = ZieheDreieck(satz, loesungen);
                EXPECT_TRUE(d.A.x >= -8 && d.A.x <= -4 && d.A.y >= -8 && d.A.y <= -5 && d.B.x >= 5 && d.B.x <= 10);
                EXPECT_TRUE(d.B.y == d.A.y && d.C.x > d.A.x && d.C.x <= 18 && d.C.y >= 4 && d.C.y <= 9);
                const float a = std::hypot(d.C.x - d.B.x, d.C.y - d.B.y), c = d.B.x - d.A.x;
                EXPECT_TRUE(satz != satzSsW || (loesungen == 1 ? a > c : a < c)) << keim;
            }

    // A right angle at C: the line AC only touches the circle, the two triangles would be one.
    const TDreieck rechtwinklig{{-8, -5}, {10, -5}, {1, 4}};
    EXPECT_FALSE(PasstZumSatz(rechtwinklig, satzSsW, 2));
    // Drawn all the same, its picture holds no point off the plane: every
    // part's points, radii and angles are finite.
    const auto teile = KonstruktionsBild(satzSsW, 2, 6, rechtwinklig).teile;
    EXPECT_GT(teile.size(), 20u);
    const auto endlich = [](auto... w) { return (std::isfinite(float(w)) && ...); };
    const Ueberladen imEndlichen{
        [&](const TStrecke& l) { return endlich(l.von.x, l.von.y, l.bis.x, l.bis.y); },
        [&](const TBogen& b) { return endlich(b.mitte.x, b.mitte.y, b.radius, b.von, b.bis); },
        [&](const TText& x) { return endlich(x.ort.x, x.ort.y); },
        [&](const TStreckenName& n) { return endlich(n.von.x, n.von.y, n.bis.x, n.bis.y); },
        [](const auto&) { return false; }}; // no other kind belongs in the picture
    for (const TBildTeil& t : teile)
        EXPECT_TRUE(std::visit(imEndlichen, t)) << "part " << &t - teile.data();
    EXPECT_TRUE(PasstZumSatz({{-8, -5}, {10, -5}, {1, 5}}, satzSsW, 2));
    EXPECT_FALSE(PasstZumSatz({{-5, -5}, {5, -5}, {5, 5}}, satzSsW, 1)); // a = c serves neither case
    EXPECT_FALSE(PasstZumSatz({{-5, -5}, {5, -5}, {5, 5}}, satzSsW, 2));
}

TEST(Dreieck1Anweisung, SaetzeJeSatzUndSchritt)
{
    EXPECT_EQ(Anweisung(satzSSS, 2, 1), std::string("Beginne deine Zeichnung mit einer Seite (z.B.: c)."));
    EXPECT_EQ(Anweisung(satzSsW, 5, 2),
              std::string("Die Schnittpunkte des Kreisbogens mit dem Schenkel ergeben die Eckpunkte C!1 und C!2."));
    EXPECT_EQ(Anweisung(satzSsW, 6, 1), std::string("Damit erhälst du das Dreieck ABC."));
    EXPECT_EQ(Anweisung(satzSSS, 6, 1), std::string());
}

TEST(Dreieck1Bild, SkizzeGegebeneTeileUndSeiteC)
{
    EXPECT_EQ(SkizzenBild({}), KonstruktionsBild(satzWSW, 1, 0, zweiLoesungen));
    const TBild eins = KonstruktionsBild(satzWSW, 1, 1, zweiLoesungen);
    const TBild skizze = SkizzenBild({false, false, true, true, true, false});
    ASSERT_GT(eins.teile.size(), skizze.teile.size());
    EXPECT_TRUE(std::equal(skizze.teile.begin(), skizze.teile.end(), eins.teile.begin()));
    EXPECT_TRUE(Hat(skizze, TText{TTextArt::SymbolMitte, std::string("~b"), {-12.8f, 5.5f}, clRed, 14, true,
                                  clBlack, {std::string("Symbol"), 14, true, clRed}}));
    EXPECT_TRUE(Hat(eins, TText{TTextArt::SymbolLinks, std::string("Geg.: ~a, ~b, c"), {-19, 3}, clBlack, 12, true,
                                clBlack, symbol14}));
    const TBild zwei = KonstruktionsBild(satzWSW, 1, 2, zweiLoesungen);
    EXPECT_TRUE(Hat(zwei, TStrecke{{-5.4f, -5}, {7.4f, -5}, 2, clBlack, linieVoll}));
    EXPECT_TRUE(Hat(zwei, Ecke("B", {7, -5.3f})));
}

TEST(Dreieck1Bild, SSSBoegenNachHoeheUndFertigOhneBoegen)
{
    // C.y = 7 takes the narrow arc (±6°), C.y = 6 the wide one (±10°).
    const TDreieck hoch{{-5, -5}, {8, -5}, {0, 7}}, tief{{-5, -5}, {7, -5}, {0, 6}};
    const auto schmal = BoegenUm(KonstruktionsBild(satzSSS, 1, 3, hoch), hoch.A, 13.0f);
    const auto breit = BoegenUm(KonstruktionsBild(satzSSS, 1, 4, tief), tief.A, std::sqrt(146.0f));
    ASSERT_EQ(schmal.size(), 1u);
    ASSERT_EQ(breit.size(), 1u);
    EXPECT_NEAR(schmal[0].bis, Grad(std::atan2(12.0, 5.0)) + 6, 1e-4);
    EXPECT_NEAR(breit[0].von, Grad(std::atan2(11.0, 5.0)) - 10, 1e-4);

    const TBild fuenf = KonstruktionsBild(satzSSS, 1, 5, hoch);
    EXPECT_TRUE(BoegenUm(fuenf, hoch.A, 13.0f).empty() && BoegenUm(fuenf, hoch.B, std::sqrt(208.0f)).empty());
    EXPECT_FALSE(HatLinie(fuenf, hoch.B, hoch.C, 1));
    EXPECT_TRUE(Hat(fuenf, TStreckenName{std::string("a"), hoch.B, hoch.C, clBlack}));
    EXPECT_TRUE(Hat(fuenf, Ecke("C", {0, 7.9f})));
}

TEST(Dreieck1Bild, WSWUndSWSFreieSchenkelNurBisZumVorletztenSchritt)
{
    const TDreieck d = zweiLoesungen;
    const TBild vier = KonstruktionsBild(satzWSW, 1, 4, d);
    EXPECT_TRUE(HatLinie(vier, d.A, freiesEnde, 1));
    // The angle names, centred on their places: the second is measured in the
    // Greek font the first left on the canvas.
    std::vector<TText> namen;
    for (const TText& t : Teile<TText>(vier))
        if (t.art == TTextArt::SymbolMitteMittig)
            namen.push_back(t);
    ASSERT_EQ(namen.size(), 2u);
    EXPECT_EQ(namen[0], (TText{TTextArt::SymbolMitteMittig, std::string("~a"), WinkelNamenStelle(d.A, 3, 0, 45),
                               clBlack, 14}));
    const float eps = Grad(M_PI - std::atan(2.0));
    EXPECT_TRUE(Gleich(namen[1].ort, WinkelNamenStelle(d.B, 3, eps, 180)));
    EXPECT_EQ(namen[1].mass, symbol14);
    const TBild fuenf = KonstruktionsBild(satzWSW, 1, 5, d);
    EXPECT_FALSE(HatLinie(fuenf, d.A, freiesEnde, 1));
    EXPECT_TRUE(Hat(fuenf, Ecke("C", {3, 3.7f}, symbol14)));

    // SWS marks b off on the free leg; the mark and the leg go at step 5.
    EXPECT_TRUE(Hat(KonstruktionsBild(satzSWS, 1, 4, d), TBogen{d.A, std::sqrt(128.0f), 40, 50, 1, clBlack}));
    const TBild sws5 = KonstruktionsBild(satzSWS, 1, 5, d);
    EXPECT_TRUE(BoegenUm(sws5, d.A, std::sqrt(128.0f)).empty());
    EXPECT_FALSE(HatLinie(sws5, d.A, freiesEnde, 1));
}

TEST(Dreieck1Bild, SsWEineUndZweiLoesungen)
{
    SetzeFarben();
    // One solution: the arc spans ε ± 10, one "C"; the leg and the arcs go at step 6.
    const TDreieck& e = eineLoesung;
    const auto bogenE = BoegenUm(KonstruktionsBild(satzSsW, 1, 4, e), e.B, std::sqrt(65.0f));
    ASSERT_EQ(bogenE.size(), 1u);
    EXPECT_NEAR(bogenE[0].von, Grad(std::atan2(8.0, 1.0)) - 10, 1e-4);
    EXPECT_NEAR(bogenE[0].bis, Grad(std::atan2(8.0, 1.0)) + 10, 1e-4);
    EXPECT_EQ(Teile<TText>(KonstruktionsBild(satzSsW, 1, 5, e)).back(), Ecke("C", {3, 4}, symbol14));
    const TBild e6 = KonstruktionsBild(satzSsW, 1, 6, e);
    EXPECT_TRUE(BoegenUm(e6, e.B, std::sqrt(65.0f)).empty());
    EXPECT_FALSE(HatLinie(e6, e.A, freiesEnde, 1));
    EXPECT_FALSE(Hat(e6, TBogen{e.A, 3, 0, 45, 1, clBlack}));
    EXPECT_TRUE(Hat(e6, TBogen{e.A, 3, 0, 45, 2, clBlack}));

    // Two solutions: one arc from 10° before C to 10° past C₂, both points named.
    const TDreieck& z = zweiLoesungen;
    TPunkt c2;
    ASSERT_TRUE(ZweiterEckpunkt(z, c2));
    EXPECT_TRUE(Gleich(c2, {-1, -1}));
    const auto bogenZ = BoegenUm(KonstruktionsBild(satzSsW, 2, 4, z), z.B, std::sqrt(80.0f));
    ASSERT_EQ(bogenZ.size(), 1u);
    EXPECT_NEAR(bogenZ[0].von, Grad(M_PI - std::atan(2.0)) - 10, 1e-4);
    EXPECT_NEAR(bogenZ[0].bis, Grad(M_PI - std::atan(0.5)) + 10, 1e-4);
    const auto texte = Teile<TText>(KonstruktionsBild(satzSsW, 2, 5, z));
    EXPECT_EQ(texte[texte.size() - 2].text, std::string("C!1"));
    EXPECT_EQ(texte.back().text, std::string("C!2"));
    EXPECT_TRUE(Gleich(texte.back().ort, {-1.5f, 0}));

    const TBild z6 = KonstruktionsBild(satzSsW, 2, 6, z);
    EXPECT_TRUE(BoegenUm(z6, z.B, std::sqrt(80.0f)).empty());
    EXPECT_TRUE(HatLinie(z6, z.B, c2, 2));
    // b!1 is measured in the font the raspberry "a" before it left.
    EXPECT_TRUE(Hat(z6, TStreckenName{std::string("b!1"), z.C, z.A, clBlack,
                                      {std::string("Arial"), 12, true, farbeHimbeer}}));
    EXPECT_TRUE(Hat(z6, TStreckenName{std::string("b!2"), c2, z.A, farbeHimbeer}));
}

TEST(Dreieck1Bild, WinkelNameBeiSpitzenWinkelnWeiterAussen)
{
    // Below 60° at 0.8 r on the bisector, from 60° on at 0.5 r.
    EXPECT_TRUE(Gleich(WinkelNamenStelle({1, 2}, 3, 10, 50), {float(1 + 2.4 * std::cos(M_PI / 6)), 3.2f}));
    EXPECT_TRUE(Gleich(WinkelNamenStelle({0, 0}, 3, 0, 60), {float(1.5 * std::cos(M_PI / 6)), 0.75f}));
}


namespace {

// The lesson as the window drives it.
struct Konstruktionen {
    TDreieck1 m;
    explicit Konstruktionen(unsigned keim = 1) { m.Aktiviere(keim); }
    void Satz(int satz) { m.Menue(satz - 1); }
    void Schritt(int s) { m.Geaendert(m.Steuer("grpSchritt"), s); }
    void Loesungen(int n) { m.Geaendert(m.Steuer("grpLoesungen"), n - 1); }
    void Wiederholen() { m.Geaendert(m.Steuer("grpWH"), 0); }
    lektion::TSteuerZustand Steuer(const char* name) const { return m.Steuerzustand(m.Steuer(name)); }
    const TZustand& z() const { return m.zustand; }
    TDreieck Dreieck() const { return {z().A, z().B, z().C}; }
};

} // namespace

TEST(Dreieck1, AktivierungBeginntMitSSSBeiSchrittNull)
{
    Konstruktionen k;
    k.Satz(satzSsW);
    k.Loesungen(2);
    k.Schritt(6);
    k.m.Aktiviere(3);
    EXPECT_EQ(k.z().Satz, satzSSS);
    EXPECT_EQ(k.m.Titel(TDreieck1::konstruktion), "Seiten – Seiten – Seiten – Satz");
    EXPECT_EQ(k.m.TitelFarbe(TDreieck1::konstruktion), palette::violett);
    const lektion::TSteuerZustand schritte = k.Steuer("grpSchritt");
    EXPECT_EQ(schritte.titel, "Schritte (0–5)");
    EXPECT_TRUE(schritte.wert == 0 && schritte.max == 5);
    EXPECT_EQ(k.z().Loesungen, 1);
    const lektion::TSteuerZustand loesungen = k.Steuer("grpLoesungen");
    EXPECT_TRUE(loesungen.wert == 0 && !loesungen.sichtbar && loesungen.aktiv);
    EXPECT_FALSE(k.Steuer("grpWH").knopfAktiv);
    EXPECT_TRUE(k.z().C.y >= 1 && k.z().C.y <= 5); // the low apex of the first triangle
    EXPECT_EQ(k.Dreieck(), Konstruktionen(3).Dreieck()); // the seed repeats the triangle
    // The instruction is drawn and spoken, not printed below the picture.
    EXPECT_EQ(k.m.Anweisung(TDreieck1::anweisung), "");
    EXPECT_EQ(k.m.Bild(TDreieck1::anweisung), AnweisungsBild(satzSSS, 0, 1));
    EXPECT_EQ(k.m.Beschreibung(TDreieck1::anweisung), "Plane deinen Konstruktionsgang anhand einer Skizze.");
}

TEST(Dreieck1, SaetzeSchritteUndSperren)
{
    Konstruktionen k;
    const struct {
        int satz;
        const char* titel;
        TFarbe farbe;
        int max;
    } saetze[] = {
        {satzWSW, "Winkel – Seiten – Winkel – Satz", palette::braun, 5},
        {satzSWS, "Seiten – Winkel – Seiten – Satz", palette::oliv, 5},
        {satzSsW, "Seiten – Seiten – Winkel – Satz", palette::magenta, 6},
    };
    for (const auto& s : saetze) {
        SCOPED_TRACE(s.titel);
        k.Schritt(2);
        k.Satz(s.satz);
        EXPECT_EQ(k.m.Titel(0), s.titel);
        EXPECT_EQ(k.m.TitelFarbe(0), s.farbe);
        EXPECT_EQ(k.Steuer("grpSchritt").titel, "Schritte (0–" + std::to_string(s.max) + ")");
        EXPECT_EQ(k.Steuer("grpSchritt").wert, 0);
        EXPECT_EQ(k.Steuer("grpLoesungen").sichtbar, s.max == 6);
        EXPECT_EQ(k.m.Schritt(), 0);
        // Step 0 shows the sketch only.
        EXPECT_EQ(k.m.Bild(0), KonstruktionsBild(s.satz, 1, 0, k.Dreieck()));
        for (int schritt = 1; schritt <= s.max + 1; ++schritt) {
            k.Schritt(schritt);
            EXPECT_FALSE(k.Steuer("grpLoesungen").aktiv);
            EXPECT_EQ(k.Steuer("grpWH").knopfAktiv, k.z().Schritt == s.max);
        }
        EXPECT_EQ(k.z().Schritt, s.max); // no step beyond the last
        k.Schritt(s.max - 1);
        EXPECT_FALSE(k.Steuer("grpWH").knopfAktiv);
    }
    k.Schritt(0);
    EXPECT_TRUE(k.Steuer("grpLoesungen").aktiv);

    // The solutions survive a change of theorem.
    k.Loesungen(2);
    k.Satz(satzWSW);
    k.Satz(satzSsW);
    EXPECT_EQ(k.Steuer("grpLoesungen").wert, 1);
    EXPECT_TRUE(PasstZumSatz(k.Dreieck(), satzSsW, 2));
}

TEST(Dreieck1, WiederholenZiehtEinNeuesDreieck)
{
    Konstruktionen k;
    k.Satz(satzSsW);
    SetzeZufallsKeim(7);
    NeuesDreieck(k.m.zustand);
    const TDreieck alt = k.Dreieck();
    k.Schritt(6);
    SetzeZufallsKeim(7); // the same triangle would come again: the button draws on
    k.Wiederholen();
    EXPECT_NE(k.Dreieck(), alt);
    EXPECT_TRUE(PasstZumSatz(k.Dreieck(), satzSsW, 1));
    EXPECT_TRUE(k.z().Schritt == 0 && !k.Steuer("grpWH").knopfAktiv && k.Steuer("grpLoesungen").aktiv);
}
