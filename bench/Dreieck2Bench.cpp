// Repaints of "Besondere Eigenschaften" at the last step of each topic on the
// start triangle, marks and labels on: the fullest picture of each topic.
#include "Messen.h"
#include "lessons/Dreieck2U.h"

#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void LetzterSchritt(benchmark::State& state)
{
    TfrmDreieck2 fenster;
    fenster.show();
    QApplication::processEvents();
    QAction* themen[] = {fenster.menEigen1, fenster.menEigen2, fenster.menEigen3, fenster.menEigen4};
    themen[state.range(0) - 1]->trigger();
    Erreicht(state, BisZumLetztenSchritt(fenster.UpDown), "not at the last step");
    Erreicht(state, fenster.Eigenschaft == state.range(0), "another topic");
    MissNeuzeichnen(state, fenster.pntGrafik);
    fenster.close();
}

} // namespace

// 1 heights, 2 perpendicular bisectors, 3 angle bisectors, 4 medians.
BENCHMARK(LetzterSchritt)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);
