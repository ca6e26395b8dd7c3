// Repaints of "Besondere Eigenschaften" at the last step of each topic on the
// start triangle, marks and labels on: the fullest picture of each topic.
#include "Messen.h"
#include "app/ModellFenster.h"
#include "lessons/Dreieck2Modell.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void LetzterSchritt(benchmark::State& state)
{
    TModellFenster fenster(std::make_unique<dreieck2::TDreieck2>());
    fenster.show();
    QApplication::processEvents();
    fenster.Menue(int(state.range(0)) - 1);
    const lektion::TLektion& m = fenster.Modell();
    Erreicht(state, BisZumLetztenSchritt(fenster.UpDown(m.Steuer("grpSchritt"))), "not at the last step");
    Erreicht(state, fenster.Modell<dreieck2::TDreieck2>().zustand.Eigenschaft == state.range(0), "another topic");
    MissNeuzeichnen(state, fenster.Zeichnung(0));
    fenster.close();
}

} // namespace

// 1 heights, 2 perpendicular bisectors, 3 angle bisectors, 4 medians.
BENCHMARK(LetzterSchritt)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);
