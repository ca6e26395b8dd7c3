// Repaint of the triangle constructions' drawing area in its busiest state:
// SsW with two solutions at the last step, both triangles and all labels.
#include "Dreieck1Gross.h"
#include "Messen.h"

#include <benchmark/benchmark.h>

namespace {

void Dreieck1SsWZweiLoesungen(benchmark::State& state)
{
    TDreieck1Gross g;
    Erreicht(state, g.amEnde, "not at the last step");
    Erreicht(state, g.zustand().Satz == dreieck1::satzSsW && g.zustand().Loesungen == 2, "not SsW with two solutions");
    MissNeuzeichnen(state, g.fenster.Zeichnung(0));
}

} // namespace

BENCHMARK(Dreieck1SsWZweiLoesungen)->Unit(benchmark::kMicrosecond);
