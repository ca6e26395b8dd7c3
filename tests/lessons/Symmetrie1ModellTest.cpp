// "Spiegeln" as a model: its rules, walked through its inputs, and its
// pictures, item by item.
#include "lessons/Symmetrie1Modell.h"

#include <gtest/gtest.h>

using namespace symmetrie1;
using lektion::TZeigerArt;

namespace {

constexpr TFarbe rot = clRed, schwarz = clBlack;
constexpr TFarbe violett = palette::violett, oliv = palette::oliv;

const std::string textAusserhalb = "Der Punkt liegt nicht innerhab der Markierung!";
const std::string textKeinPunkt = "Kein weiterer Punkt möglich!";

// The lesson as the window drives it.
struct Spiegeln {
    TSymmetrie1 m;
    std::vector<std::string> meldungen;

    Spiegeln() { m.Aktiviere(0); }
    void Klick(float x, float y)
    {
        m.Zeiger(0, TZeigerArt::Druck, {x, y});
        if (auto text = m.NimmMeldung())
            meldungen.push_back(*text);
    }
    void Anzahl(int punkte) { m.Geaendert(m.Steuer("grpAnzahl"), punkte - 2); }
    void Schritt(int s) { m.Geaendert(m.Steuer("grpSchritt"), s); }
    void Wiederholen() { m.Geaendert(m.Steuer("grpWH"), 0); }
    lektion::TSteuerZustand Steuer(const char* name) const { return m.Steuerzustand(m.Steuer(name)); }
    const TZustand& z() const { return m.zustand; }
};

} // namespace

TEST(Spiegeln, RahmenGrenzenUndMeldungenAendernNichts)
{
    Spiegeln s;
    // The frame's border counts as outside, on all four sides.
    for (TWeltPunkt p : {TWeltPunkt{-19, 0}, {19, 0}, {0, 9}, {0, -9}})
        s.Klick(p.x, p.y);
    EXPECT_EQ(s.meldungen, std::vector<std::string>(4, textAusserhalb));
    EXPECT_EQ(s.z().markiert, 0);

    s.meldungen.clear();
    s.Klick(-18.96f, 8.96f);
    s.Klick(18.96f, -8.96f);
    EXPECT_TRUE(s.meldungen.empty());
    EXPECT_TRUE(s.z().alleMarkiert);
    EXPECT_TRUE(s.Steuer("grpSchritt").sichtbar);

    // Complete: outside is still outside, inside there is no room for a third point.
    const TZustand vorher = s.z();
    s.Klick(19.5f, 5);
    s.Klick(0, 5);
    EXPECT_EQ(s.meldungen, (std::vector<std::string>{textAusserhalb, textKeinPunkt}));
    EXPECT_EQ(s.z().markiert, 2);
    EXPECT_FLOAT_EQ(s.z().punkte[1].x, -18.96f);
    EXPECT_FALSE(s.z().punkte[3].gesetzt);
    TSymmetrie1 wieVorher;
    wieVorher.zustand = vorher;
    EXPECT_EQ(s.m.Bild(0), wieVorher.Bild(0));
}

TEST(Spiegeln, SchritteSperrenWiederholenUndWiederOeffnen)
{
    Spiegeln s;
    EXPECT_TRUE(s.m.Anweisung(0).starts_with("Wähle die Anzahl"));
    EXPECT_EQ(s.m.Titel(0), "Symmetrische Figuren – Symmetrieachse");
    s.Anzahl(4);
    for (TWeltPunkt p : {TWeltPunkt{-8, 4}, {-4, -5}, {6, -2}, {0.52f, 6}}) {
        EXPECT_FALSE(s.Steuer("grpSchritt").sichtbar);
        EXPECT_FALSE(s.m.Schritt()); // no step in the title while marking
        EXPECT_TRUE(s.m.Anweisung(0).starts_with("Wähle die Anzahl")); // marking asks for the points
        s.Klick(p.x, p.y);
    }
    EXPECT_EQ(s.m.Schritt(), 0);
    EXPECT_EQ(s.m.Anweisung(0), "Führe die Konstruktion schrittweise durch.");

    // Step by step: the number of points is locked between the ends, and
    // reaching the end offers the repeat, also when going back from it.
    const struct {
        int schritt;
        bool anzahlFrei, wiederholenFrei;
    } schritte[] = {{1, false, false}, {2, false, false}, {4, true, true}, {3, false, true}, {4, true, true}};
    for (const auto& t : schritte) {
        s.Schritt(t.schritt);
        EXPECT_EQ(s.Steuer("grpSchritt").wert, t.schritt);
        EXPECT_EQ(s.Steuer("grpAnzahl").aktiv, t.anzahlFrei) << t.schritt;
        EXPECT_EQ(s.Steuer("grpWH").knopfAktiv, t.wiederholenFrei) << t.schritt;
        EXPECT_EQ(s.m.Anweisung(0), Anleitung(t.schritt));
    }

    s.Wiederholen();
    EXPECT_EQ(s.z().Schritt, 0);
    EXPECT_EQ(s.Steuer("grpSchritt").wert, 0);
    EXPECT_EQ(s.m.Anweisung(0), "Führe die Konstruktion schrittweise durch.");
    EXPECT_FALSE(s.Steuer("grpWH").knopfAktiv);
    EXPECT_FALSE(s.Steuer("grpAnzahl").aktiv); // locked until the step control moves
    EXPECT_EQ(s.z().markiert, 4);
    s.Schritt(1);
    s.Schritt(0);
    EXPECT_TRUE(s.Steuer("grpAnzahl").aktiv);

    // Another number of points at step 4 starts the marking over.
    s.Schritt(4);
    s.Anzahl(3);
    EXPECT_EQ(s.z().markiert, 0);
    EXPECT_EQ(s.Steuer("grpSchritt").wert, 0);
    EXPECT_FALSE(s.Steuer("grpSchritt").sichtbar);
    EXPECT_FALSE(s.Steuer("grpWH").knopfAktiv);
    EXPECT_EQ(s.Steuer("grpAnzahl").wert, 1);
    EXPECT_EQ(Teile<bild::TRechteck>(s.m.Bild(0)).size(), 1u); // the frame again
    EXPECT_TRUE(s.m.Anweisung(0).starts_with("Wähle die Anzahl")); // not the last step's instruction

    // Opening again starts afresh, the controls included.
    s.m.Aktiviere(1);
    EXPECT_EQ(s.z().anzahlPunkte, 2);
    EXPECT_FALSE(s.z().punkte[1].gesetzt);
    EXPECT_EQ(s.Steuer("grpAnzahl"), (lektion::TSteuerZustand{.wert = 0}));
    EXPECT_EQ(s.Steuer("grpSchritt"), (lektion::TSteuerZustand{.sichtbar = false}));
    EXPECT_FALSE(s.Steuer("grpWH").knopfAktiv);
    EXPECT_TRUE(s.m.Anweisung(0).starts_with("Wähle die Anzahl"));
}

TEST(Spiegeln, PunktAufDerAchseIstSeinEigenesBild)
{
    // A point on the axis: its normal runs right, and it has no distance bar,
    // no arrow and no arc of radius 0.
    TMarkierPunkt punkte[6] = {{}, {0, 3, true}, {-10, -6, true}};
    const auto bild = [&](int schritt) { return Symmetrie1Bild(2, punkte, 2, true, schritt, violett, oliv); };
    EXPECT_EQ(Teile<bild::TStrecke>(bild(1))[2], (bild::TStrecke{{0, 3}, {19, 3}, 1, rot, liniePunktiert}));
    for (int schritt : {2, 3}) {
        for (const bild::TStrecke& s : Teile<bild::TStrecke>(bild(schritt)))
            EXPECT_FALSE(s.von.y == 2.7f && s.von.x == 0.0f && s.bis.x == 0.0f) << schritt;
        for (const bild::TDoppelpfeil& d : Teile<bild::TDoppelpfeil>(bild(schritt)))
            EXPECT_NE(d.y, 2.7f) << schritt;
        for (const bild::TBogen& b : Teile<bild::TBogen>(bild(schritt)))
            EXPECT_NE(b.radius, 0.0f) << schritt;
    }
    // At the end the point joins nothing; its image is itself.
    for (const bild::TStrecke& s : Teile<bild::TStrecke>(bild(4)))
        EXPECT_FALSE(s.stil == liniePunktiert && s.von.y == 3.0f) << Text(s);
}

namespace {

using namespace bild;

TStrecke Linie(TWeltPunkt p, TWeltPunkt q, int breite, TFarbe farbe, int stil = linieVoll)
{
    return TStrecke{p, q, breite, farbe, stil};
}

// What every state shows: the axis with its name above it.
TBild Achse()
{
    TBild b;
    b << Linie({0, -9}, {0, 9}, 3, schwarz) << TText{TTextArt::Mitte, "Spiegelachse", {0, 10}};
    return b;
}

} // namespace

TEST(Symmetrie1Bild, MarkierenSchrittDreiUndSchrittVier)
{
    // Two points: one left of the axis, one closer to it than a unit.
    TMarkierPunkt punkte[6] = {{}, {-8, 4, true}, {0.5f, -2, true}};
    const TStrecke figur = Linie({-8, 4}, {0.5f, -2}, 2, violett);

    // While marking: the dotted frame and the dots, ringed with the frame's dotted pen.
    TBild markieren = Achse();
    markieren << TRechteck{{-19, -9}, {19, 9}, 1, rot, liniePunktiert}
              << TKreis{{-8, 4}, 0.15f, 1, schwarz, int(violett), psDot}
              << TKreis{{0.5f, -2}, 0.15f, 1, schwarz, int(violett), psDot};
    EXPECT_EQ(ErsterUnterschied(markieren, Symmetrie1Bild(3, punkte, 2, false, 0, violett, oliv)), "");

    // Step 3: normals to the far edge of the frame, the distances (an arrow, or
    // a bar near the axis) with ticks, the same beyond the axis with the arcs.
    TBild schritt3 = Achse();
    schritt3 << figur << Linie({-8, 4}, {19, 4}, 1, rot, liniePunktiert)
             << Linie({0.5f, -2}, {-19, -2}, 1, rot, liniePunktiert) << TDoppelpfeil{-8, 0, 3.7f, 3, rot, 'B'}
             << Linie({-8, 4}, {-8, 3.5f}, 2, schwarz) << Linie({0.5f, -2.3f}, {0, -2.3f}, 3, rot)
             << Linie({0.5f, -2}, {0.5f, -2.5f}, 2, schwarz) << TDoppelpfeil{0, 8, 3.7f, 3, schwarz, 'B'}
             << TBogen{{0, 4}, 8, -10, 10, 2, schwarz} << Linie({-0.5f, -2.3f}, {0, -2.3f}, 3, schwarz)
             << Linie({-0.5f, -2}, {-0.5f, -2.5f}, 2, schwarz) << TBogen{{0, -2}, 0.5f, 170, 190, 2, schwarz};
    EXPECT_EQ(ErsterUnterschied(schritt3, Symmetrie1Bild(2, punkte, 2, true, 3, violett, oliv)), "");

    // Step 4: the joins and the mirrored figure instead of the construction.
    TBild schritt4 = Achse();
    schritt4 << figur << Linie({-8, 4}, {8, 4}, 1, schwarz, liniePunktiert)
             << Linie({0.5f, -2}, {-0.5f, -2}, 1, schwarz, liniePunktiert) << Linie({8, 4}, {-0.5f, -2}, 2, oliv);
    EXPECT_EQ(ErsterUnterschied(schritt4, Symmetrie1Bild(2, punkte, 2, true, 4, violett, oliv)), "");
}
