// Repaint of the triangle constructions' drawing area in its busiest state:
// SsW with two solutions at the last step, both triangles and all labels.
#include "lessons/Dreieck1U.h"

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
    while (fenster.UpDown->Position() < fenster.UpDown->Max())
        fenster.UpDown->KlickRechts();
    for (auto _ : state) {
        QImage bild = fenster.pntGrafik->Abbild();
        benchmark::DoNotOptimize(bild.constBits());
    }
    fenster.close();
}

} // namespace

BENCHMARK(Dreieck1SsWZweiLoesungen)->Unit(benchmark::kMicrosecond);
