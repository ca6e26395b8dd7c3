// Shared pieces of the repaint benchmarks.
#pragma once

#include "app/Steuerelemente.h"

#include <QImage>
#include <benchmark/benchmark.h>

// The test run sets GEOMETRIE_BENCH_EINMAL: every benchmark runs once, so a
// fixed number of iterations shrinks to one.
inline int Iterationen(int anzahl)
{
    return qEnvironmentVariableIsSet("GEOMETRIE_BENCH_EINMAL") ? 1 : anzahl;
}

// Set when a benchmark did not reach the state it names; the program then ends
// with a failure, so that a test run that calls it notices.
inline bool& ZustandVerfehlt()
{
    static bool verfehlt = false;
    return verfehlt;
}

// Reports a benchmark as failed unless it reached the state it names.
inline bool Erreicht(benchmark::State& state, bool erreicht, const char* zustand)
{
    if (!erreicht) {
        state.SkipWithError(zustand);
        ZustandVerfehlt() = true;
    }
    return erreicht;
}

// Pixels that differ from the top-left corner's colour: the drawing on its ground.
inline int Gezeichnet(const QImage& bild)
{
    if (bild.isNull())
        return 0;
    const QImage b = bild.convertToFormat(QImage::Format_RGB32);
    const QRgb grund = b.pixel(0, 0);
    int n = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            n += b.pixel(x, y) != grund;
    return n;
}

// Times one full repaint of the drawing area per iteration, rendered off screen;
// fails when the picture is as good as empty.
inline void MissNeuzeichnen(benchmark::State& state, TPaintBox* box)
{
    QImage bild;
    for (auto _ : state) {
        bild = box->Abbild();
        benchmark::DoNotOptimize(bild.constBits());
    }
    Erreicht(state, Gezeichnet(bild) > 500, "nothing drawn");
}

// Steps a construction forward to its last step, as the pupil's clicks would;
// false when the step control stops short of it.
inline bool BisZumLetztenSchritt(TUpDown* schritte)
{
    for (int i = schritte->Position(); i < schritte->Max() && schritte->isEnabled(); ++i)
        schritte->KlickRechts();
    return schritte->Position() == schritte->Max();
}
