// Shared pieces of the repaint benchmarks.
#pragma once

#include "app/Steuerelemente.h"

#include <QImage>
#include <benchmark/benchmark.h>

// Times one full repaint of the drawing area per iteration, rendered off screen.
inline void MissNeuzeichnen(benchmark::State& state, TPaintBox* box)
{
    for (auto _ : state) {
        QImage bild = box->Abbild();
        benchmark::DoNotOptimize(bild.constBits());
    }
}

// Steps a construction forward to its last step, as the pupil's clicks would.
inline void BisZumLetztenSchritt(TUpDown* schritte)
{
    while (schritte->Position() < schritte->Max())
        schritte->KlickRechts();
}
