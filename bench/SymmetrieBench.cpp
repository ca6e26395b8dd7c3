// Repaint cost of the symmetry lessons' drawing areas in their fullest state.
#include "Messen.h"
#include "app/Plattform.h"
#include "app/Steuerelemente.h"
#include "draw/Primitive.h"
#include "app/ModellFenster.h"
#include "lessons/Symmetrie1Modell.h"
#include "lessons/Symmetrie2Modell.h"

#include <benchmark/benchmark.h>

#include <QImage>

namespace {

// "Spiegeln" with five points at the given step.
void SpiegelnFuenfPunkte(benchmark::State& state, int schritt)
{
    SetzeMeldungsHaken([](const QString&) {}); // a refused click must not wait for a dialog
    TModellFenster w(std::make_unique<symmetrie1::TSymmetrie1>());
    w.show();
    auto& spiegeln = w.Modell<symmetrie1::TSymmetrie1>();
    w.Aendere(spiegeln.Steuer("grpAnzahl"), 3);
    const float punkte[5][2] = {{-15, 6}, {-5, 7}, {-0.5f, -2}, {-8, -7}, {-16, -3}};
    for (const auto& p : punkte)
        w.Zeiger(0, lektion::TZeigerArt::Druck, {p[0], p[1]});
    w.Aendere(spiegeln.Steuer("grpSchritt"), schritt);
    const symmetrie1::TZustand& z = spiegeln.zustand;
    Erreicht(state, z.markiert == 5 && z.Schritt == schritt, "five points not marked or step not reached");
    MissNeuzeichnen(state, w.Zeichnung(0));
}

void BM_Spiegeln_Schritt3(benchmark::State& state) { SpiegelnFuenfPunkte(state, 3); }
void BM_Spiegeln_Schritt4(benchmark::State& state) { SpiegelnFuenfPunkte(state, 4); }

// "Symmetralen" with both constructions at their last step.
struct Symmetralen {
    TModellFenster w{std::make_unique<symmetrie2::TSymmetrie2>()};
    Symmetralen()
    {
        SetzeMeldungsHaken([](const QString&) {});
        w.show();
        const auto druck = lektion::TZeigerArt::Druck;
        w.Zeiger(symmetrie2::strecke, druck, {-3, -2});
        w.Zeiger(symmetrie2::strecke, druck, {2, 1.5f});
        for (TWeltPunkt p : {TWeltPunkt{4, -1}, {-2, -3}, {-4, 1}})
            w.Zeiger(symmetrie2::winkel, druck, p);
        const lektion::TLektion& m = w.Modell();
        const symmetrie2::TZustand& z = w.Modell<symmetrie2::TSymmetrie2>().zustand;
        fertig = BisZumLetztenSchritt(w.UpDown(m.Steuer("grpSchritt1")))
                 && BisZumLetztenSchritt(w.UpDown(m.Steuer("grpSchritt2"))) && z.seiten[0].markiert == 2
                 && z.seiten[1].markiert == 3;
    }
    bool fertig = false;
};

void BM_Symmetralen_Strecke(benchmark::State& state)
{
    Symmetralen s;
    Erreicht(state, s.fertig, "constructions not at their last step");
    MissNeuzeichnen(state, s.w.Zeichnung(symmetrie2::strecke));
}

void BM_Symmetralen_Winkel(benchmark::State& state)
{
    Symmetralen s;
    Erreicht(state, s.fertig, "constructions not at their last step");
    MissNeuzeichnen(state, s.w.Zeichnung(symmetrie2::winkel));
}

} // namespace

BENCHMARK(BM_Spiegeln_Schritt3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Spiegeln_Schritt4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Symmetralen_Strecke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Symmetralen_Winkel)->Unit(benchmark::kMicrosecond);
