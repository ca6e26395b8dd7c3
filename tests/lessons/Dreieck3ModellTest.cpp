// "Dynamische Geometrie" as a model: the pictures of both modes computed with
// exact values, degenerate triangles without stray lines, and the lesson
// driven by pointer, check boxes, scroll bar and menu as the window drives it.
#include "lessons/Dreieck3Modell.h"

#include "draw/GlobalU.h"
#include "draw/KoordU.h"
#include "draw/PolKartU.h"
#include "draw/Texte.h"
#include "draw/VektorU.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <variant>
#include <vector>

namespace {


constexpr TWeltPunkt A0{-14, -16}, B0{20, 6}, C0{-6, 20};

TLinienWahl Alle()
{
    return {true, true, true, true, true, true, true, true, true, true, true, true, true};
}

void ErwartePunkt(TWeltPunkt p, double x, double y, double toleranz = 1e-4)
{
    EXPECT_NEAR(p.x, x, toleranz);
    EXPECT_NEAR(p.y, y, toleranz);
}

// The segments of one colour and style: heights violet with their dotted
// pieces black, perpendicular bisectors brown, angle bisectors olive, medians
// magenta, the Euler line red.
std::vector<bild::TStrecke> Strecken(const TBild& bild, TFarbe farbe, int stil)
{
    std::vector<bild::TStrecke> strecken;
    for (const bild::TStrecke& s : Teile<bild::TStrecke>(bild))
        if (s.farbe == farbe && s.stil == stil)
            strecken.push_back(s);
    return strecken;
}

// The labels placed at world points, one after the other ("HU~IS").
std::string Beschriftung(const TBild& bild)
{
    std::string text;
    for (const bild::TText& t : Teile<bild::TText>(bild))
        text += t.text;
    return text;
}

// Every coordinate the picture hands to the canvas is finite and near the drawing.
void ErwarteEndlich(const TBild& bild)
{
    std::vector<TWeltPunkt> punkte;
    for (const bild::TStrecke& s : Teile<bild::TStrecke>(bild))
        punkte.insert(punkte.end(), {s.von, s.bis});
    for (const bild::TText& t : Teile<bild::TText>(bild))
        punkte.push_back(t.ort);
    for (TWeltPunkt p : punkte)
        for (float v : {p.x, p.y})
            EXPECT_TRUE(std::isfinite(v) && std::fabs(v) <= 1000.0f) << v;
}

} // namespace

// ---------------------------------------------------------------------------
// Mode "Schnittpunkte", computed

TEST(Dreieck3Bild, StartdreieckMitAllenLinien)
{
    using namespace bild;
    const TDreieckPunkte p = BerechneDreieckPunkte(A0, B0, C0);
    ErwartePunkt(p.Fa.value(), 308.0 / 109, 1662.0 / 109);
    ErwartePunkt(p.H.value(), 28.0 / 131, 1362.0 / 131);
    ErwartePunkt(p.U.value(), -14.0 / 131, -26.0 / 131);
    ErwartePunkt(p.I.value(), 0.7592463, 5.2264569);
    ErwartePunkt(p.S, 0, 10.0 / 3);

    const TBild bild = SchnittpunktBild(A0, B0, C0, Alle());
    const TWeltPunkt H = *p.H;
    const auto seite = [](TWeltPunkt von, TWeltPunkt bis) { return TStrecke{von, bis, 2, clBlack, linieVoll}; };
    const auto name = [](const char* text, TWeltPunkt ecke, TWeltPunkt gegenueber, bool vor) {
        return TEckenName{std::string(text), ecke, gegenueber, 1.5f, vor};
    };
    // Each letter is measured in the font the letter before it left: Arial 15 bold in its colour.
    const auto buchstabe = [](TTextArt art, const char* text, TWeltPunkt ort, TFarbe farbe, TSchrift mass) {
        return TText{art, std::string(text), ort, farbe, 15, true, clBlack, mass};
    };
    const auto nach = [](TFarbe farbe) { return TSchrift{std::string("Arial"), 15, true, farbe}; };
    TBild anfang; // the sides and names
    anfang << seite(A0, B0) << seite(A0, C0) << seite(B0, C0) << name("A", A0, p.Ma, true)
           << name("a", A0, p.Ma, false) << name("B", B0, p.Mb, true) << name("b", B0, p.Mb, false)
           << name("C", C0, p.Mc, true) << name("c", C0, p.Mc, false);
    TBild hoehen; // vertex to H and H to the foot in violet, foot to the side's end dotted
    for (auto [ecke, fuss, ende] : {std::tuple{A0, *p.Fa, C0}, {B0, *p.Fb, C0}, {C0, *p.Fc, B0}})
        hoehen << TStrecke{ecke, H, 1, palette::violett, linieVoll} << TStrecke{H, fuss, 1, palette::violett, linieVoll}
               << TStrecke{fuss, ende, 1, clBlack, liniePunktiert};
    hoehen << buchstabe(TTextArt::Zentriert, "H", H, palette::violett, TSchrift{});
    TBild schwerlinien;
    schwerlinien << TStrecke{p.Ma, A0, 1, palette::magenta, linieVoll}
                 << TStrecke{p.Mb, B0, 1, palette::magenta, linieVoll}
                 << TStrecke{p.Mc, C0, 1, palette::magenta, linieVoll}
                 << buchstabe(TTextArt::Zentriert, "S", p.S, palette::magenta, nach(palette::oliv));

    // Sides and names, the Euler line, 9 + 1 heights, 3 + 1 of each other family.
    ASSERT_EQ(bild.teile.size(), 32u);
    const auto stueck = [&bild](std::size_t von, std::size_t anzahl) {
        return TBild{{bild.teile.begin() + long(von), bild.teile.begin() + long(von + anzahl)}};
    };
    EXPECT_EQ(ErsterUnterschied(anfang, stueck(0, 9)), "");
    EXPECT_EQ(ErsterUnterschied(hoehen, stueck(10, 10)), "");
    EXPECT_EQ(ErsterUnterschied(schwerlinien, stueck(28, 4)), "");
    EXPECT_EQ(Beschriftung(bild), std::string("HU~IS"));
    EXPECT_EQ(std::get<TText>(bild.teile[23]), buchstabe(TTextArt::Zentriert, "U", *p.U, palette::braun,
                                                         nach(palette::violett)));
    EXPECT_EQ(std::get<TText>(bild.teile[27]).art, TTextArt::TimesMitte);

    // Whole lines clipped: the angle bisectors at B and C only to |x| <= 18.
    EXPECT_EQ(Strecken(bild, palette::braun, linieStrichPunkt).size(), 3u);
    const auto winkel = Strecken(bild, palette::oliv, linieStrichPunkt);
    ASSERT_EQ(winkel.size(), 3u);
    for (int i = 1; i < 3; ++i)
        for (float x : {winkel[i].von.x, winkel[i].bis.x})
            EXPECT_LE(std::fabs(x), 18.0f);

    // The Euler line through H and S from y = -18 to y = 18, red, three pixels wide.
    const auto euler = std::get<TStrecke>(bild.teile[9]);
    EXPECT_EQ(euler.breite, 3);
    EXPECT_EQ(euler.farbe, clRed);
    const double steigung = (28.0 / 131) / (1362.0 / 131 - 10.0 / 3);
    ErwartePunkt(euler.von, (-18 - 10.0 / 3) * steigung, -18, 1e-3);
    ErwartePunkt(euler.bis, (18 - 10.0 / 3) * steigung, 18, 1e-3);
}

TEST(Dreieck3Bild, EntarteteDreieckeLassenUndefiniertesWeg)
{
    // Three vertices on one line: no H, U, I; the perpendicular bisectors
    // (parallel), the medians and "S" remain.
    TBild bild = SchnittpunktBild({-10, 0}, {10, 0}, {3, 0}, Alle());
    ErwarteEndlich(bild);
    EXPECT_TRUE(Strecken(bild, clRed, linieVoll).empty());
    EXPECT_EQ(Beschriftung(bild), std::string("S"));
    EXPECT_TRUE(Strecken(bild, palette::oliv, linieStrichPunkt).empty());
    EXPECT_TRUE(Strecken(bild, palette::violett, linieVoll).empty());
    EXPECT_EQ(Strecken(bild, clBlack, liniePunktiert).size(), 3u); // only the feet's dotted pieces
    EXPECT_EQ(Strecken(bild, palette::braun, linieStrichPunkt).size(), 3u);
    EXPECT_EQ(Strecken(bild, palette::magenta, linieVoll).size(), 3u);

    // A vertex dropped onto another: AB has no length, so neither its bisector nor the foot on it.
    const TDreieckPunkte p = BerechneDreieckPunkte({20, 6}, {20, 6}, C0);
    EXPECT_FALSE(p.Fc || p.H);
    bild = SchnittpunktBild({20, 6}, {20, 6}, C0, Alle());
    ErwarteEndlich(bild);
    EXPECT_EQ(Strecken(bild, palette::braun, linieStrichPunkt).size(), 2u);
    EXPECT_TRUE(Strecken(bild, clRed, linieVoll).empty());

    // Almost flat: H and U lie thousands of units away; every segment is cut
    // short of them and their letters are left out, but the lines still run
    // through the drawing.
    ASSERT_GT(BerechneDreieckPunkte({-10, 0}, {10, 0}, {0, 0.01f}).H.value().y, 9000.0f);
    bild = SchnittpunktBild({-10, 0}, {10, 0}, {0, 0.01f}, Alle());
    ErwarteEndlich(bild);
    EXPECT_FALSE(Enthaelt(Beschriftung(bild), "H") || Enthaelt(Beschriftung(bild), "U"));
    EXPECT_EQ(Strecken(bild, palette::violett, linieVoll).size() + Strecken(bild, clBlack, liniePunktiert).size(), 9u);
    const auto euler = Strecken(bild, clRed, linieVoll);
    ASSERT_EQ(euler.size(), 1u);
    EXPECT_NEAR(euler[0].von.x, 0.0f, 1e-3f); // the Euler line is the y axis
    EXPECT_NEAR(euler[0].bis.x, 0.0f, 1e-3f);

    // Equilateral: H = S up to rounding gives the Euler line no direction;
    // everything else is drawn.
    const float h = 20.0f * std::sqrt(3.0f);
    bild = SchnittpunktBild({-20, -10}, {20, -10}, {0, h - 10}, Alle());
    ErwarteEndlich(bild);
    EXPECT_TRUE(Strecken(bild, clRed, linieVoll).empty());
    EXPECT_EQ(Beschriftung(bild), std::string("HU~IS"));
    EXPECT_EQ(Strecken(bild, palette::violett, linieVoll).size() + Strecken(bild, clBlack, liniePunktiert).size(), 9u);
}

TEST(Dreieck3Bild, AbstossenVonBeidenNachbarn)
{
    // Put back 4.1 from (0, 0), the vertex is 1.9 from (6, 0): put back from there too.
    TWeltPunkt b{2, 0};
    EXPECT_FALSE(ZieheEcke(b, {0, 9}, {0, 0}, abstossen, {6, 0}, abstossen));
    ErwartePunkt(b, 1.9, 0, 1e-5);
}

// ---------------------------------------------------------------------------
// Mode "Thaleskreis", computed

TEST(Dreieck3Bild, ThalesWinkelUndTabelle)
{
    using namespace bild;
    ErwartePunkt(ThalesStartC(), 12, 12 * std::sqrt(3.0), 1e-4);

    // C straight above M: both angles at the diameter 45 degrees, every value exact.
    const TWeltPunkt M{0, 0}, A{-24, 0}, B{24, 0}, C{0, 24};
    const auto text = [](TTextArt art, const char* inhalt, TWeltPunkt ort, TFarbe farbe, int groesse,
                         TSchrift mass = {}) {
        return TText{art, std::string(inhalt), ort, farbe, groesse, true, clBlack, mass};
    };
    // The font the label before left on the canvas.
    const auto arial = [](int groesse, TFarbe f) { return TSchrift{std::string("Arial"), groesse, true, f}; };
    const auto zeile = [&](float y, const char* name, const char* wert, TFarbe farbe) {
        return TBild{} << text(TTextArt::SymbolLinks, name, {27, y}, farbe, 16)
                       << text(TTextArt::SymbolLinks, "=", {29, y}, farbe, 16)
                       << text(TTextArt::SymbolLinks, wert, {32, y}, farbe, 16);
    };
    TBild erwartet;
    erwartet << TKreis{M, 24, 1, clBlack, keineFuellung, psDot} << TBogen{M, 24, 0, 180, 2, clBlack}
             << TStrecke{M, C, 2, palette::lila, dickGestrichelt, true}
             << text(TTextArt::Zentriert, "r", {-12, -1}, clBlack, 13)
             << text(TTextArt::Zentriert, "r", {12, -1}, clBlack, 13, arial(13, clBlack))
             << text(TTextArt::ImKasten, "r", {0, 12}, palette::lila, 14, arial(13, clBlack))
             << text(TTextArt::Zentriert, "C", {0, 25.5f}, palette::lila, 13, arial(14, palette::lila))
             << TStrecke{A, B, 2, clBlack, linieVoll} << TStrecke{A, C, 2, clBlack, linieVoll}
             << TStrecke{C, B, 2, clBlack, linieVoll}
             << text(TTextArt::Zentriert, "M", {0, -1}, clBlack, 13, arial(13, palette::lila))
             << text(TTextArt::Zentriert, "A", {-25.5f, 0}, clBlack, 13, arial(13, clBlack))
             << text(TTextArt::Zentriert, "B", {25.5f, 0}, clBlack, 13, arial(13, clBlack))
             // The angle at C split by MC, then the marks at A, B and C.
             << TBogen{C, 8, 270, 315, 2, clBlue} << TBogen{C, 8, 225, 270, 2, clRed}
             << TBogen{A, 6, 0, 45, 2, clRed} << TBogen{B, 6, 135, 180, 2, clBlue}
             << TBogen{C, 6, 225, 315, 2, palette::oliv} << TStrecke{{27, 16}, {38, 16}, 2, clBlack, linieVoll}
             << zeile(25, "~a", "45,00°", clRed) << zeile(22, "~b", "45,00°", clBlue)
             << zeile(19, "~g", "90,00°", palette::oliv)
             << text(TTextArt::SymbolLinks, "180,00°", {31, 15.5f}, clBlack, 16);
    EXPECT_EQ(ErsterUnterschied(erwartet, ThalesBild(90, C, {0, 25.5f})), "");

    const auto thales = [](int w) {
        return ThalesBild(w, Polar(thalesM, float(w), 24), Polar(thalesM, float(w), 25.5f));
    };
    // Below the diameter the angles are measured the other way round.
    std::vector<TBogen> boegen = Teile<TBogen>(thales(300));
    ASSERT_EQ(boegen.size(), 6u); // the half circle, two parts at C, marks at A, B, C
    EXPECT_FLOAT_EQ(boegen[0].von, 180.0f);
    EXPECT_NEAR(boegen[3].von, -30.0f, 1e-4f); // at A from -alpha to 360
    EXPECT_NEAR(boegen[4].bis, 240.0f, 1e-4f); // at B from 180 to 180 + beta
    EXPECT_TRUE(Enthaelt(Beschriftung(thales(300)), "~a=30,00°~b=60,00°"));

    // On the diameter there is no triangle: no arcs, no table.
    for (int w : {0, 180, 360}) {
        const TBild bild = thales(w);
        EXPECT_TRUE(Teile<TBogen>(bild).empty()) << w;
        EXPECT_EQ(Beschriftung(bild), std::string("MAB")) << w;
        EXPECT_EQ(Teile<TStrecke>(bild).size(), 3u) << w;
    }

    // Next to a vertex one part of the angle at C is too thin to draw, and the
    // side through that vertex is carried on 8 units both ways.
    for (int w : {1, 179, 181, 359})
        EXPECT_EQ(Teile<TBogen>(thales(w)).size(), 5u) << w;
    const auto verlaengert = [&](int w) { return Strecken(thales(w), clBlack, linieVoll); };
    std::vector<TStrecke> linien = verlaengert(5); // the three sides, two pieces, the table's rule
    ASSERT_EQ(linien.size(), 6u);
    ErwartePunkt(linien[3].von, 24, 0, 0);
    EXPECT_EQ(linien[3].breite, 1);
    EXPECT_NEAR(Abstand(24, 0, linien[3].bis.x, linien[3].bis.y), 8.0f, 1e-4f);
    ErwartePunkt(verlaengert(170)[3].von, -24, 0, 0);
    EXPECT_EQ(verlaengert(195).size(), 4u);

    EXPECT_EQ(TabellenWinkel(5.0f), std::string("05,00°"));
    EXPECT_EQ(TabellenWinkel(29.999998f), std::string("30,00°"));
}

// ---------------------------------------------------------------------------
// The lesson, driven as the window drives it

namespace {

using namespace dreieck3;
using lektion::TZeigerArt;
using lektion::TZeigerForm;

const TWeltfenster welt(800, 540, weltDreieck3);

// The pixel of the drawing a world point falls on, and back as the window converts it.
TWeltPunkt AufPixel(TWeltPunkt p, int dx = 0, int dy = 0)
{
    int px, py;
    welt.ZuPixel(p, px, py);
    return welt.ZuWelt(px + dx, py + dy);
}

struct Dreieck {
    TDreieck3 m;

    Dreieck() { m.Aktiviere(0); }
    const TZustand& z() const { return m.zustand; }
    void Kaesten(std::initializer_list<int> steuer, bool an = true)
    {
        for (int s : steuer)
            m.Geaendert(s, an);
    }
    void Zeiger(TZeigerArt art, TWeltPunkt p) { m.Zeiger(pntGrafik, art, p); }
    // Press, one move, release: a flick.
    void Schnipse(TWeltPunkt von, TWeltPunkt bis)
    {
        Zeiger(TZeigerArt::Druck, von);
        Zeiger(TZeigerArt::Bewegung, bis);
        Zeiger(TZeigerArt::Los, bis);
    }
    lektion::TSteuerZustand S(int steuer) const { return m.Steuerzustand(steuer); }
    std::vector<bild::TStrecke> Linien(TFarbe farbe, int stil) const
    {
        return Strecken(m.Bild(pntGrafik), farbe, stil);
    }
};

} // namespace

TEST(Dreieck3, AnfangLegendenUndJedesOeffnenVonVorn)
{
    Dreieck d;
    EXPECT_EQ(d.z(), Anfang());
    EXPECT_EQ(d.m.Titel(pntGrafik), "");
    EXPECT_EQ(d.S(pnlStatus).text,
              "Ziehe die Eckpunkte des Dreiecks mit gedrückter linker Maustaste. Kleinster Abstand ca. 2 cm.");
    EXPECT_FALSE(d.S(chkEuler).aktiv);
    EXPECT_TRUE(d.S(grpH).sichtbar && d.S(grpEuler).sichtbar && !d.S(grpWinkel).sichtbar);
    EXPECT_EQ(d.S(grpWinkel).text, "60°");
    EXPECT_EQ(d.m.Beschreibung(pntGrafik), "Dreieck A(−14|−16), B(20|6), C(−6|20); keine Linien eingeblendet. "
                                           "Pfeiltasten bewegen den Zeiger, Leertaste hält gedrückt, Eingabetaste klickt.");

    // Each legend label centred on its place but clear of the box on its left
    // (it ends at column 25, 85 or 145): the Greek ones set higher.
    const struct {
        Bereich legende;
        const char* texte[3];
        bild::TSchreibArt art;
        int x0, y;
        const char* gelesen;
    } legenden[] = {{pntH, {"h!a", "h!b", "h!c"}, bild::TSchreibArt::Text, 35, 14, "ha, hb, hc"},
                    {pntS, {"s!A!B", "s!A!C", "s!B!C"}, bild::TSchreibArt::Text, 35, 14, "sAB, sAC, sBC"},
                    {pntW, {"w*a", "w*b", "w*g"}, bild::TSchreibArt::Symbol, 42, 6, "wα, wβ, wγ"},
                    {pntSW, {"s!A", "s!B", "s!C"}, bild::TSchreibArt::Text, 35, 14, "sA, sB, sC"}};
    for (const auto& l : legenden) {
        SCOPED_TRACE(l.gelesen);
        const auto teile = Teile<bild::TPixelText>(d.m.Bild(l.legende));
        ASSERT_EQ(teile.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            bild::TPixelText t{l.art, l.texte[i], l.x0 + 60 * i, l.y, clBlack, 12, true};
            t.mitteX = true;
            t.mitteY = l.art == bild::TSchreibArt::Text;
            t.linksMindestens = 25 + 60 * i;
            EXPECT_EQ(teile[std::size_t(i)], t) << i;
        }
        EXPECT_EQ(d.m.Beschreibung(l.legende), l.gelesen);
    }

    // Lines, a drag held, the other mode with C turned: opening again starts afresh.
    d.Kaesten({chkHA, chkHB, chkSA, chkSB, chkSWA, chkSWB, chkEuler});
    d.Zeiger(TZeigerArt::Druck, d.z().A);
    d.Zeiger(TZeigerArt::Bewegung, {-10, -12});
    d.m.Menue(menKreis);
    d.m.Geaendert(grpWinkel, 200);
    d.m.Aktiviere(1);
    EXPECT_EQ(d.z(), Anfang());
    EXPECT_FALSE(d.m.Ziehbereich(pntGrafik));
    EXPECT_EQ(d.m.Zeigerform(pntGrafik), TZeigerForm::Pfeil);
}

// The hand within 3 pixels of each vertex in every direction and for the
// whole drag; the pointer held in the drag field from press to release.
TEST(Dreieck3, HandUndZiehenVonA)
{
    Dreieck d;
    const std::tuple<int, int, TZeigerForm> faelle[] = {
        {0, 3, TZeigerForm::Hand},  {0, -3, TZeigerForm::Hand},  {3, 0, TZeigerForm::Hand},
        {-3, 0, TZeigerForm::Hand}, {2, -2, TZeigerForm::Hand},  {0, 4, TZeigerForm::Pfeil},
        {-4, 0, TZeigerForm::Pfeil}, {3, 1, TZeigerForm::Pfeil}};
    for (TWeltPunkt ecke : {d.z().A, d.z().B, d.z().C})
        for (const auto& [dx, dy, form] : faelle) {
            d.Zeiger(TZeigerArt::Bewegung, AufPixel(ecke, dx, dy));
            EXPECT_EQ(d.m.Zeigerform(pntGrafik), form) << ecke.x << " | " << ecke.y << " + " << dx << ", " << dy;
        }
    EXPECT_FALSE(d.m.Ziehbereich(pntGrafik));

    d.Zeiger(TZeigerArt::Druck, AufPixel(d.z().A));
    EXPECT_TRUE(d.z().ziehenA && !d.z().ziehenB);
    // Pixels 40 to 770 across and 28 to 508 down.
    const TWeltRechteck feld{-36.0f, 37.0f, -23.8f, 24.2f};
    const auto bereich = d.m.Ziehbereich(pntGrafik);
    ASSERT_TRUE(bereich);
    for (auto [ist, soll] : {std::pair{bereich->xMin, feld.xMin}, {bereich->xMax, feld.xMax},
                             {bereich->yMin, feld.yMin}, {bereich->yMax, feld.yMax}})
        EXPECT_FLOAT_EQ(ist, soll);
    for (int i = 1; i <= 6; ++i) {
        d.Zeiger(TZeigerArt::Bewegung, AufPixel({-14, -16}, 5 * i, 0));
        EXPECT_EQ(d.m.Zeigerform(pntGrafik), TZeigerForm::Hand) << "move " << i;
    }
    d.Zeiger(TZeigerArt::Bewegung, {-10, -12});
    ErwartePunkt(d.z().A, -10, -12, 0);
    d.Zeiger(TZeigerArt::Los, {-10, -12});
    EXPECT_FALSE(d.z().ziehenA || d.m.Ziehbereich(pntGrafik));
    EXPECT_EQ(d.m.Zeigerform(pntGrafik), TZeigerForm::Pfeil);

    // Pressed away from every vertex the pointer is held all the same, and nothing moves.
    d.Zeiger(TZeigerArt::Druck, {0, 0});
    d.Zeiger(TZeigerArt::Bewegung, {5, 5});
    EXPECT_TRUE(d.m.Ziehbereich(pntGrafik));
    ErwartePunkt(d.z().A, -10, -12, 0);
}

TEST(Dreieck3, MindestabstandBeendetDasZiehen)
{
    Dreieck d;
    d.Kaesten({chkHA, chkHB});
    // One fast move drops A exactly onto B; that frame shows no height and no "H".
    d.Zeiger(TZeigerArt::Druck, {-14, -16});
    d.Zeiger(TZeigerArt::Bewegung, {20, 6});
    ErwartePunkt(d.z().A, 20, 6, 0);
    EXPECT_TRUE(d.Linien(palette::violett, linieVoll).empty());
    // The next move puts A 4.2 from B and ends the drag: the figure is back.
    d.Zeiger(TZeigerArt::Bewegung, {0, 0});
    ErwartePunkt(d.z().A, 24.2f, 6, 1e-5);
    EXPECT_FALSE(d.z().ziehenA);
    EXPECT_FALSE(d.Linien(palette::violett, linieVoll).empty());
    d.Zeiger(TZeigerArt::Bewegung, {-20, -20});
    ErwartePunkt(d.z().A, 24.2f, 6, 1e-5);
    EXPECT_TRUE(d.m.Ziehbereich(pntGrafik)) << "held until the button is released";
}

// Pushed vertices stay inside the drag field and 4 from the others, so each
// can be grabbed again, during the drag and after a flick released at once.
TEST(Dreieck3, AbgestosseneEckeBleibtGreifbar)
{
    Dreieck d;
    const auto greifbar = [&d] {
        const TWeltPunkt e[] = {d.z().A, d.z().B, d.z().C};
        for (int i = 0; i < 3; ++i) {
            int px, py;
            welt.ZuPixel(e[i], px, py);
            EXPECT_TRUE(px >= 40 && px < 770 && py >= 28 && py < 508) << e[i].x << " | " << e[i].y;
            EXPECT_GE(Abstand(e[i], e[(i + 1) % 3]), 4.0f) << i;
        }
    };
    // B at the right edge, A pushed on beyond it: 4.2 further right A would
    // stand outside the drawing.
    d.Schnipse(d.z().B, AufPixel({36.8f, 0}));
    d.Zeiger(TZeigerArt::Druck, AufPixel(d.z().A));
    d.Zeiger(TZeigerArt::Bewegung, AufPixel({38, 0}));
    d.Zeiger(TZeigerArt::Bewegung, AufPixel({30, 0}));
    EXPECT_NEAR(Abstand(d.z().A, d.z().B), 4.2f, 1e-3);
    greifbar();
    d.Zeiger(TZeigerArt::Los, AufPixel({30, 0}));
    // C into the corner, then B and A flicked onto it.
    d.Schnipse(d.z().C, AufPixel({36.9f, 24.2f}));
    d.Schnipse(AufPixel(d.z().B), AufPixel(d.z().C));
    greifbar();
    d.Schnipse(AufPixel(d.z().A), AufPixel(d.z().C));
    greifbar();
    EXPECT_FALSE(d.z().ziehenA || d.z().ziehenB || d.z().ziehenC);
}

TEST(Dreieck3, KontrollkaestchenRegeln)
{
    Dreieck d;
    const auto buchstaben = [&d] { return Beschriftung(d.m.Bild(pntGrafik)); };
    d.Kaesten({chkHA});
    EXPECT_EQ(buchstaben(), "");
    d.Kaesten({chkHB});
    EXPECT_TRUE(d.z().wahl.zeigeHa && d.z().wahl.zeigeHb && d.S(chkHB).wert == 1);
    EXPECT_EQ(buchstaben(), "H");
    d.Kaesten({chkHB}, false);
    EXPECT_EQ(buchstaben(), "");
    d.Kaesten({chkHB, chkSA, chkSB, chkSWA});
    EXPECT_FALSE(d.S(chkEuler).aktiv);
    d.m.Geaendert(chkEuler, 1); // a disabled box takes no tick
    EXPECT_FALSE(d.z().wahl.zeigeEuler);
    d.Kaesten({chkSWC});
    ASSERT_TRUE(d.S(chkEuler).aktiv);
    d.Kaesten({chkEuler});
    EXPECT_EQ(d.S(chkEuler).wert, 1);
    EXPECT_EQ(d.Linien(clRed, linieVoll).size(), 1u);

    // The angle bisectors leave "einschalten" alone.
    d.Kaesten({chkWA, chkWB});
    EXPECT_TRUE(d.z().wahl.zeigeEuler);
    EXPECT_EQ(buchstaben(), "HU~IS");

    // One of the six off: "einschalten" unticked and disabled, the Euler line gone.
    d.Kaesten({chkSB}, false);
    EXPECT_EQ(d.S(chkEuler).wert, 0);
    EXPECT_FALSE(d.S(chkEuler).aktiv);
    EXPECT_TRUE(d.Linien(clRed, linieVoll).empty());
}

TEST(Dreieck3, ThaleskreisMitLeisteUndZiehen)
{
    Dreieck d;
    d.Kaesten({chkHA});
    d.m.Menue(menKreis);
    EXPECT_EQ(d.z().art, 2);
    EXPECT_FALSE(d.S(grpH).sichtbar || d.S(grpEuler).sichtbar);
    const lektion::TSteuerZustand winkel = d.S(grpWinkel);
    EXPECT_TRUE(winkel.sichtbar);
    EXPECT_EQ(winkel.ort, (lektion::TRechteck{824, 82, 184, 75}));
    EXPECT_EQ(winkel.titel, " Winkel BMC (0–360) ");
    EXPECT_EQ(d.m.Anweisung(pntGrafik),
              "Ziehe die Ecke C des Dreiecks mit gedrückter linker Maustaste oder verwende die Bildlaufleiste.");
    EXPECT_EQ(d.z().thalesC, ThalesStartC());

    d.m.Geaendert(grpWinkel, 90);
    ErwartePunkt(d.z().thalesC, 0, 24);
    EXPECT_EQ(d.S(grpWinkel).text, "90°");

    // Pressing anywhere and moving turns C to the pointer's direction in whole
    // degrees; the pointer is held in the wider field of this mode.
    d.Zeiger(TZeigerArt::Druck, {-30, -20});
    EXPECT_TRUE(d.z().ziehenC);
    const auto bereich = d.m.Ziehbereich(pntGrafik);
    ASSERT_TRUE(bereich);
    EXPECT_FLOAT_EQ(bereich->xMin, -39.0f);
    EXPECT_FLOAT_EQ(bereich->yMax, 26.2f);
    // Away from C the pointer keeps the shape it has.
    d.Zeiger(TZeigerArt::Bewegung, {-10, 10.3f});
    EXPECT_EQ(d.m.Zeigerform(pntGrafik), TZeigerForm::Bleibt);
    EXPECT_EQ(d.z().winkelBMC, 134);
    EXPECT_EQ(d.S(grpWinkel).wert, 134);
    EXPECT_EQ(d.S(grpWinkel).text, "134°");
    EXPECT_EQ(d.z().thalesC, Polar(thalesM, 134, 24));
    d.Zeiger(TZeigerArt::Bewegung, d.z().thalesC);
    EXPECT_EQ(d.m.Zeigerform(pntGrafik), TZeigerForm::Hand);
    d.Zeiger(TZeigerArt::Los, {0, 0});
    EXPECT_FALSE(d.z().ziehenC || d.m.Ziehbereich(pntGrafik));
    EXPECT_EQ(d.m.Zeigerform(pntGrafik), TZeigerForm::Pfeil);

    // Back to the vertices: the start triangle, the groups, the boxes as they were.
    d.m.Menue(menPunkte);
    EXPECT_TRUE(d.S(grpH).sichtbar && !d.S(grpWinkel).sichtbar && d.S(chkHA).wert == 1);
    EXPECT_EQ(d.z().C, Anfang().C);
    // Into the circle again: the bar, moved back to 60, places C on its own.
    d.m.Menue(menKreis);
    EXPECT_EQ(d.z().thalesC, Polar(thalesM, 60, 24));
    EXPECT_EQ(d.S(grpWinkel).wert, 60);
}
