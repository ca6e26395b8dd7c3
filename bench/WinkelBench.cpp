// Repaints of the angle lessons' drawing areas, each in a busy state: every
// arc, leg and label that the state can show is drawn.
#include "Messen.h"
#include "app/ModellFenster.h"
#include "lessons/Winkel1Modell.h"
#include "lessons/Winkel2Modell.h"
#include "lessons/Winkel3Modell.h"

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
    TModellFenster fenster(std::make_unique<winkel3::TWinkel3>());
    fenster.show();
    QApplication::processEvents();
    fenster.Menue(1);
    for (int i = 0; i < 3; ++i)
        fenster.UpDown(fenster.Modell().Steuer("grpSchritt1"))->KlickRechts();
    const winkel3::TZustand& z = fenster.Modell<winkel3::TWinkel3>().zustand;
    Erreicht(state, z.modus == 2 && z.Schritt1 == 3, "not two parallels at step 3");
    MissNeuzeichnen(state, fenster.Zeichnung(0));
}

void Winkel3Rechts(benchmark::State& state)
{
    TModellFenster fenster(std::make_unique<winkel3::TWinkel3>());
    fenster.show();
    QApplication::processEvents();
    fenster.Menue(1);
    for (int i = 0; i < 4; ++i)
        fenster.UpDown(fenster.Modell().Steuer("grpSchritt2"))->KlickRechts();
    const winkel3::TZustand& z = fenster.Modell<winkel3::TWinkel3>().zustand;
    Erreicht(state, z.modus == 2 && z.Schritt2 == 4, "not two parallels at step 4");
    MissNeuzeichnen(state, fenster.Zeichnung(1));
}

} // namespace

BENCHMARK(Winkel1Links)->Unit(benchmark::kMicrosecond);
BENCHMARK(Winkel1Rechts)->Unit(benchmark::kMicrosecond);
BENCHMARK(Winkel2Schritt6)->Unit(benchmark::kMicrosecond);
BENCHMARK(Winkel3Links)->Unit(benchmark::kMicrosecond);
BENCHMARK(Winkel3Rechts)->Unit(benchmark::kMicrosecond);
