// Repaints of the angle lessons' drawing areas, each in a busy state: every
// arc, leg and label that the state can show is drawn.
#include "Messen.h"
#include "app/ModellFenster.h"
#include "lessons/Winkel1Modell.h"
#include "lessons/Winkel2Modell.h"
#include "lessons/Winkel3U.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void Winkel1Links(benchmark::State& state)
{
    TModellFenster fenster(std::make_unique<winkel1::TWinkel1>());
    fenster.show();
    QApplication::processEvents();
    fenster.Leiste(0)->setValue(200); // reflex angle: the longest arc
    Erreicht(state, fenster.Modell<winkel1::TWinkel1>().zustand.winkel1 == 200, "the angle is not 200 degrees");
    MissNeuzeichnen(state, fenster.Zeichnung(0));
}

void Winkel1Rechts(benchmark::State& state)
{
    TModellFenster fenster(std::make_unique<winkel1::TWinkel1>());
    fenster.show();
    QApplication::processEvents();
    // A leg dragged to an unrounded reflex angle.
    fenster.Zeiger(1, lektion::TZeigerArt::Druck, {8, 0});
    fenster.Zeiger(1, lektion::TZeigerArt::Bewegung, {0.4f, -7.5f});
    fenster.Zeiger(1, lektion::TZeigerArt::Los, {0.4f, -7.5f});
    const float winkel2 = fenster.Modell<winkel1::TWinkel1>().zustand.winkel2;
    Erreicht(state, winkel2 > 180 && winkel2 != std::round(winkel2), "no unrounded reflex angle");
    MissNeuzeichnen(state, fenster.Zeichnung(1));
}

void Winkel2Schritt6(benchmark::State& state)
{
    TModellFenster fenster(std::make_unique<winkel2::TWinkel2>());
    fenster.show();
    QApplication::processEvents();
    TUpDown* schritte = fenster.UpDown(fenster.Modell().Steuer("grpSchritt"));
    for (int i = 0; i < 6; ++i)
        schritte->KlickRechts();
    Erreicht(state, fenster.Modell<winkel2::TWinkel2>().zustand.Schritt == 6, "not at step 6");
    MissNeuzeichnen(state, fenster.Zeichnung(0));
}

void Winkel3Links(benchmark::State& state)
{
    TfrmWinkel3 fenster;
    fenster.show();
    QApplication::processEvents();
    fenster.menArt2->trigger();
    for (int i = 0; i < 3; ++i)
        fenster.UpDown1->KlickRechts();
    Erreicht(state, fenster.modus == 2 && fenster.Schritt1 == 3, "not two parallels at step 3");
    MissNeuzeichnen(state, fenster.pntGrafik1);
}

void Winkel3Rechts(benchmark::State& state)
{
    TfrmWinkel3 fenster;
    fenster.show();
    QApplication::processEvents();
    fenster.menArt2->trigger();
    for (int i = 0; i < 4; ++i)
        fenster.UpDown2->KlickRechts();
    Erreicht(state, fenster.modus == 2 && fenster.Schritt2 == 4, "not two parallels at step 4");
    MissNeuzeichnen(state, fenster.pntGrafik2);
}

} // namespace

BENCHMARK(Winkel1Links)->Unit(benchmark::kMicrosecond);
BENCHMARK(Winkel1Rechts)->Unit(benchmark::kMicrosecond);
BENCHMARK(Winkel2Schritt6)->Unit(benchmark::kMicrosecond);
BENCHMARK(Winkel3Links)->Unit(benchmark::kMicrosecond);
BENCHMARK(Winkel3Rechts)->Unit(benchmark::kMicrosecond);
