// Repaint of the triangle constructions' drawing area in its busiest state:
// SsW with two solutions at the last step, both triangles and all labels.
#include "lessons/Dreieck1U.h"

#include "Messen.h"
#include "draw/ZufallU.h"

#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void Dreieck1SsWZweiLoesungen(benchmark::State& state)
{
    TfrmDreieck1 fenster;
    fenster.show();
    QApplication::processEvents();
    fenster.menSatz4->trigger();
    fenster.grpLoesungen->SetzeItemIndex(1);
    SetzeZufallsKeim(7);
    fenster.grpLoesungenClick();
    Erreicht(state, BisZumLetztenSchritt(fenster.UpDown), "not at the last step");
    Erreicht(state, fenster.Satz == dreieck1::satzSsW && fenster.Loesungen == 2, "not SsW with two solutions");
    MissNeuzeichnen(state, fenster.pntGrafik);
    fenster.close();
}

} // namespace

BENCHMARK(Dreieck1SsWZweiLoesungen)->Unit(benchmark::kMicrosecond);
