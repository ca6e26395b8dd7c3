// "Einteilung der Dreiecke": the rarest random triangles, each accepted
// triangle timed on its own (one benchmark iteration is one triangle, that is
// one click on "Neues Dreieck"), with the median and the 99th percentile as
// counters, by wall clock and by the thread's processor time; and the repaint
// of a box and a text box by angles.
#include "Messen.h"
#include "draw/ZufallU.h"
#include "app/ModellFenster.h"
#include "lessons/Dreieck0Modell.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <vector>

using namespace dreieck0;

namespace {

constexpr int dreiecke = 2000; // accepted triangles per run

double Prozessorzeit()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) * 1e-6;
}

double Quantil(std::vector<double> werte, double q)
{
    std::sort(werte.begin(), werte.end());
    return werte[std::size_t(q * double(werte.size() - 1))];
}

template <class Erzeuge, class Passt>
void ProDreieck(benchmark::State& state, Erzeuge erzeuge, Passt passt, const char* art)
{
    // Another seed for every run, so that the repetitions are independent.
    static std::uint64_t lauf = 0;
    SetzeZufallsKeim(0xD3E1EC0ull + lauf++);
    std::vector<double> uhr, prozessor;
    uhr.reserve(dreiecke);
    prozessor.reserve(dreiecke);
    TDreieck d;
    TDreieckMasse m;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const double startProzessor = Prozessorzeit();
        erzeuge(d, m);
        prozessor.push_back(Prozessorzeit() - startProzessor);
        uhr.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        benchmark::DoNotOptimize(d);
    }
    if (!Erreicht(state, !uhr.empty() && passt(m), art))
        return;
    state.counters["p50_ms"] = Quantil(uhr, 0.5);
    state.counters["p99_ms"] = Quantil(uhr, 0.99);
    state.counters["p50_cpu_ms"] = Quantil(prozessor, 0.5);
    state.counters["p99_cpu_ms"] = Quantil(prozessor, 0.99);
}

void Dreieck0Gleichseitig(benchmark::State& state)
{
    ProDreieck(
        state, [](TDreieck& d, TDreieckMasse& m) { ErzeugeGleichseitig(d, m); },
        [](const TDreieckMasse& m) {
            return std::fmax(std::fmax(m.a, m.b), m.c) - std::fmin(std::fmin(m.a, m.b), m.c) < 0.2f;
        },
        "no equilateral triangle");
}

void Dreieck0RechtwinkeligBeiC(benchmark::State& state)
{
    ProDreieck(
        state, [](TDreieck& d, TDreieckMasse& m) { ErzeugeRechtwinkeligBei(TEcke::C, d, m); },
        [](const TDreieckMasse& m) { return std::fabs(m.gamma - 90) < 1e-2f; }, "no right angle at C");
}

void Dreieck0RechtwinkeligBeiA(benchmark::State& state)
{
    ProDreieck(
        state, [](TDreieck& d, TDreieckMasse& m) { ErzeugeRechtwinkeligBei(TEcke::A, d, m); },
        [](const TDreieckMasse& m) { return std::fabs(m.alpha - 90) < 1e-2f; }, "no right angle at A");
}

// Repaint of one box of the window by angles: arcs, Greek names, values.
void WinkelAbbild(benchmark::State& state, const char* box)
{
    TModellFenster fenster(std::make_unique<TDreieck0>());
    fenster.show();
    QApplication::processEvents();
    fenster.Menue(1);
    Erreicht(state, fenster.Modell<TDreieck0>().zustand.Einteilung == einteilungWinkel, "not classified by angles");
    MissNeuzeichnen(state, fenster.Zeichnung(fenster.Modell().Bereich(box)));
}

void Dreieck0WinkelBox(benchmark::State& state) { WinkelAbbild(state, "pntGrafik2"); }
void Dreieck0WinkelText(benchmark::State& state) { WinkelAbbild(state, "pntTxt2"); }

} // namespace

BENCHMARK(Dreieck0Gleichseitig)->Iterations(Iterationen(dreiecke))->Unit(benchmark::kMillisecond);
BENCHMARK(Dreieck0RechtwinkeligBeiC)->Iterations(Iterationen(dreiecke))->Unit(benchmark::kMillisecond);
BENCHMARK(Dreieck0RechtwinkeligBeiA)->Iterations(Iterationen(dreiecke))->Unit(benchmark::kMillisecond);
BENCHMARK(Dreieck0WinkelBox)->Unit(benchmark::kMicrosecond);
BENCHMARK(Dreieck0WinkelText)->Unit(benchmark::kMicrosecond);
