// "Einteilung der Dreiecke" as a model: the pictures of the boxes for a fixed
// triangle (label points, the whole picture, the text box), and the lesson
// driven through its menu and buttons: switching classifications, one box per
// button, a fresh start at every activation.
#include "lessons/Dreieck0Modell.h"

#include "draw/VektorU.h"

#include <gtest/gtest.h>

#include <cmath>
#include <variant>
#include <vector>

using namespace dreieck0;

namespace {

// Right angle at A, 45 degrees at B and C; counter-clockwise.
const TDreieck rechtwinkelig{-10, -10, 10, -10, -10, 10};

bool Gleich(const TDreieck& p, const TDreieck& q)
{
    return p.ax == q.ax && p.ay == q.ay && p.bx == q.bx && p.by == q.by && p.cx == q.cx && p.cy == q.cy;
}

std::vector<bild::TText> Texte(const TBild& bild, bild::TTextArt art)
{
    std::vector<bild::TText> texte;
    for (const bild::TText& t : Teile<bild::TText>(bild))
        if (t.art == art)
            texte.push_back(t);
    return texte;
}

void ErwartePunkt(const bild::TText& t, const char* text, float x, float y)
{
    EXPECT_EQ(t.text, std::string(text));
    EXPECT_NEAR(t.ort.x, x, 1e-5);
    EXPECT_NEAR(t.ort.y, y, 1e-5);
}

} // namespace

TEST(Dreieck0Bild, SeitenbeschriftungenJeSpitze)
{
    // Each label stands off the side's midpoint on the outward normal.
    const TBild ungleich = DreieckBild(1, einteilungSeiten, spitzeC, rechtwinkelig);
    const std::vector<bild::TText> seiten = Texte(ungleich, bild::TTextArt::Schlicht);
    ASSERT_EQ(seiten.size(), 3u);
    ErwartePunkt(seiten[0], "a", float(1.5 / std::sqrt(2.0)), float(1.5 / std::sqrt(2.0)));
    ErwartePunkt(seiten[1], "b", -11.5f, 0);
    ErwartePunkt(seiten[2], "c", 0, -11.5f);
    EXPECT_TRUE(Teile<bild::TBogen>(ungleich).empty());

    // Sides b (CA, at x = -10) and c (AB, at y = -10) in the isosceles and equilateral boxes.
    const struct {
        int box, spitze;
        const char *b, *c;
        float abstandB, abstandC;
    } faelle[] = {{2, spitzeC, "b=a", "c", 1.8f, 1.5f},
                  {2, spitzeB, "b", "c=a", 1.5f, 1.8f},
                  {2, spitzeA, "b=c", "c", 1.5f, 1.8f},
                  {3, spitzeA, "b=a", "c=a", 1.8f, 1.8f}};
    for (const auto& f : faelle) {
        const auto texte = Texte(DreieckBild(f.box, einteilungSeiten, f.spitze, rechtwinkelig), bild::TTextArt::Schlicht);
        ASSERT_EQ(texte.size(), 3u);
        ErwartePunkt(texte[1], f.b, -10 - f.abstandB, 0);
        ErwartePunkt(texte[2], f.c, 0, -10 - f.abstandC);
    }

    // Vertex names beyond their vertices, away from the midpoint of the opposite side.
    const std::vector<bild::TEckenName> ecken = Teile<bild::TEckenName>(ungleich);
    ASSERT_EQ(ecken.size(), 3u);
    EXPECT_EQ(ecken[0].text, std::string("C"));
    EXPECT_EQ(ecken[0].abstand, 1.4f);
    EXPECT_EQ(ecken[0].q, (TWeltPunkt{0, -10}));
    EXPECT_EQ(ecken[2].text, std::string("A"));
    EXPECT_EQ(ecken[2].abstand, 0.8f);
}

TEST(Dreieck0Bild, DasGanzeDreieckNachSeiten)
{
    // The side labels are written whole in the font the vertex names leave behind.
    using namespace bild;
    const TWeltPunkt a{-10, -10}, b{10, -10}, c{-10, 10};
    const auto seite = [](TWeltPunkt p, TWeltPunkt q) { return TStrecke{p, q, 2, clBlack, linieVoll}; };
    const auto ecke = [](const char* name, TWeltPunkt p, TWeltPunkt q, float abstand) {
        return TEckenName{std::string(name), p, q, abstand, true, clBlack};
    };
    const TSchrift arial{std::string("Arial"), 12, true, clBlack};
    const auto label = [&](const char* text, float abstand) {
        const std::string s = text;
        return TText{TTextArt::Schlicht, s, SeitenPunkt(s, rechtwinkelig, abstand), clBlack, 12, true, clBlack, arial};
    };
    TBild erwartet;
    erwartet << seite(a, b) << seite(b, c) << seite(c, a) << ecke("C", c, {0, -10}, 1.4f)
             << ecke("B", b, {-10, 0}, 0.8f) << ecke("A", a, {0, 0}, 0.8f) << label("a", 1.5f)
             << label("b=c", 1.5f) << label("c", 1.8f);
    EXPECT_EQ(ErsterUnterschied(erwartet, DreieckBild(2, einteilungSeiten, spitzeA, rechtwinkelig)), "");
}

TEST(Dreieck0Bild, WinkelBoegenUndNamen)
{
    const TBild bild = DreieckBild(3, einteilungWinkel, spitzeB, rechtwinkelig);
    const std::vector<bild::TText> seiten = Texte(bild, bild::TTextArt::Schlicht);
    ASSERT_EQ(seiten.size(), 3u);
    for (const bild::TText& s : seiten)
        EXPECT_EQ(s.text.size(), 1); // plain a, b, c in every box
    ErwartePunkt(seiten[1], "b", -11.5f, 0);
    // Names first, then the arcs of radius 4 about A, B, C, drawn last.
    const std::vector<bild::TBogen> boegen = Teile<bild::TBogen>(bild);
    ASSERT_EQ(boegen.size(), 3u);
    EXPECT_TRUE(std::holds_alternative<bild::TBogen>(bild.teile.back()));
    EXPECT_EQ(boegen[0].mitte, (TWeltPunkt{-10, -10}));
    EXPECT_EQ(boegen[0].radius, 4.0f);
    EXPECT_EQ(boegen[0].von, 0.0f);
    EXPECT_EQ(boegen[0].bis, 90.0f);
    EXPECT_FLOAT_EQ(boegen[1].von, 135.0f);
    EXPECT_EQ(boegen[1].bis, 180.0f);
    EXPECT_EQ(boegen[2].von, 270.0f);
    EXPECT_FLOAT_EQ(boegen[2].bis, 315.0f);
    // 2.8 along the middle direction, then shifted by (0.3, 1.0) / (0.3, 0.9) / (0.4, 1.0).
    const std::vector<bild::TText> namen = Texte(bild, bild::TTextArt::SymbolMitte);
    ASSERT_EQ(namen.size(), 3u);
    const float h = float(2.8 / std::sqrt(2.0));
    ErwartePunkt(namen[0], "~a", -10 + h + 0.3f, -10 + h + 1.0f);
    const float bx = float(2.8 * std::cos(157.5 * M_PI / 180)), by = float(2.8 * std::sin(157.5 * M_PI / 180));
    ErwartePunkt(namen[1], "~b", 10 + bx + 0.3f, -10 + by + 0.9f);
    const float cx = float(2.8 * std::cos(292.5 * M_PI / 180)), cy = float(2.8 * std::sin(292.5 * M_PI / 180));
    ErwartePunkt(namen[2], "~g", -10 + cx + 0.4f, 10 + cy + 1.0f);
}

TEST(Dreieck0Bild, TextboxWerte)
{
    TDreieckMasse m;
    m.c = 16.4f, m.a = 16.6f, m.b = 16.55f;
    m.alpha = 89.9999f, m.beta = 45.4f, m.gamma = 44.6f;

    // The headline centred at the top, the values in three columns below it;
    // by angles in maroon through the Symbol renderer.
    using bild::TTextArt;
    const struct {
        int box, einteilung;
        const char* ueberschrift;
        TTextArt art;
        TFarbe farbe;
        const char* werte[3];
    } faelle[] = {
        {1, einteilungSeiten, "Alle drei Seiten sind verschieden lang", TTextArt::Mitte, clNavy,
         {"AB = 16", "BC = 17", "AC = 17"}},
        // The near-equilateral triangle shows the length of AB three times.
        {3, einteilungSeiten, "Alle drei Seiten sind gleich lang", TTextArt::Mitte, clNavy,
         {"AB = 16", "BC = 16", "AC = 16"}},
        {3, einteilungWinkel, "Ein Winkel ist ein rechter", TTextArt::SymbolMitte, clMaroon,
         {"~a = 90°", "~b = 45°", "~g = 45°"}},
        {2, einteilungWinkel, "Ein Winkel ist stumpf", TTextArt::SymbolMitte, clMaroon,
         {"~a = 90°", "~b = 45°", "~g = 45°"}},
    };
    for (const auto& f : faelle) {
        const auto text = [&](TTextArt art, const char* s, TWeltPunkt ort) {
            return bild::TText{art, std::string(s), ort, f.farbe, 12, true};
        };
        TBild erwartet;
        erwartet << text(TTextArt::Mitte, f.ueberschrift, {0, 2}) << text(f.art, f.werte[0], {-11, -1.5f})
                 << text(f.art, f.werte[1], {0, -1.5f}) << text(f.art, f.werte[2], {11, -1.5f});
        EXPECT_EQ(ErsterUnterschied(erwartet, TextBild(f.box, f.einteilung, m)), "") << f.ueberschrift;
    }
}


// The lesson as the window drives it.
struct Einteilung {
    TDreieck0 m;
    explicit Einteilung(unsigned keim = 1) { m.Aktiviere(keim); }
    void Knopf(int box) { m.Geaendert(m.Steuer("btnGrafik" + std::to_string(box)), 0); }
    lektion::TSteuerZustand Art(int box) const { return m.Steuerzustand(m.Steuer("pnlUeb" + std::to_string(box))); }
    const TZustand& z() const { return m.zustand; }
};

TEST(Dreieck0, MenueUndKnoepfe)
{
    Einteilung e;
    EXPECT_EQ(e.z().Einteilung, einteilungSeiten);
    EXPECT_EQ(e.m.Titel(0), "Einteilung der Dreiecke nach den Seitenlängen");
    EXPECT_EQ(e.Art(2).text, "gleichschenkelig");
    EXPECT_EQ(e.Art(2).farbe, clNavy);
    EXPECT_EQ(e.m.Layout().steuer[std::size_t(e.m.Steuer("btnGrafik1"))].text, "Neues Dreieck");

    const TZustand seiten = e.z();
    e.m.Menue(1);
    EXPECT_EQ(e.z().Einteilung, einteilungWinkel);
    EXPECT_EQ(e.m.Titel(0), "Einteilung der Dreiecke nach den Winkeln");
    EXPECT_EQ(e.Art(1).text, "spitzwinkelig");
    EXPECT_EQ(e.Art(3).text, "rechtwinkelig");
    EXPECT_EQ(e.Art(3).farbe, clMaroon);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(Gleich(e.z().SeitenDreieck[i], seiten.SeitenDreieck[i]));
    const TDreieck& r = e.z().WinkelDreieck[2];
    EXPECT_EQ(e.z().DreieckMasse[2].c, Abstand(r.ax, r.ay, r.bx, r.by));
    EXPECT_EQ(ErsterUnterschied(e.m.Bild(3), DreieckBild(3, einteilungWinkel, e.z().Spitze, r)), "");
    EXPECT_EQ(e.m.Beschreibung(6), TextBeschreibung(3, einteilungWinkel, e.z().DreieckMasse[2]));

    // "Neues Dreieck" of box 2 replaces only the triangle of box 2 and its measures.
    const TZustand winkel = e.z();
    const TBild bild1 = e.m.Bild(1), text2 = e.m.Bild(5);
    e.Knopf(2);
    EXPECT_TRUE(Gleich(e.z().WinkelDreieck[0], winkel.WinkelDreieck[0]));
    EXPECT_FALSE(Gleich(e.z().WinkelDreieck[1], winkel.WinkelDreieck[1]));
    EXPECT_TRUE(Gleich(e.z().WinkelDreieck[2], winkel.WinkelDreieck[2]));
    EXPECT_EQ(e.m.Bild(1), bild1);
    EXPECT_FALSE(e.m.Bild(5) == text2);

    // The side classification again: three new side triangles, also when chosen twice.
    e.m.Menue(0);
    EXPECT_EQ(e.Art(1).text, "ungleichseitig");
    const TDreieck erste = e.z().SeitenDreieck[0];
    EXPECT_FALSE(Gleich(erste, seiten.SeitenDreieck[0]));
    e.m.Menue(0);
    EXPECT_FALSE(Gleich(e.z().SeitenDreieck[0], erste));
}

TEST(Dreieck0, AktivierungBeginntMitDenSeitenUndWiederholtSichMitDemKeim)
{
    Einteilung e(7), gleich(7), anders(8);
    e.m.Menue(1);
    e.m.Aktiviere(7);
    EXPECT_EQ(e.z().Einteilung, einteilungSeiten);
    EXPECT_EQ(e.m.Titel(0), "Einteilung der Dreiecke nach den Seitenlängen");
    EXPECT_EQ(e.Art(1).text, "ungleichseitig");
    EXPECT_EQ(e.Art(3).text, "gleichseitig");
    EXPECT_EQ(e.Art(1).farbe, clNavy);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(Gleich(e.z().SeitenDreieck[i], gleich.z().SeitenDreieck[i]));
    EXPECT_FALSE(Gleich(e.z().SeitenDreieck[0], anders.z().SeitenDreieck[0]));
}
