// One frame of dragging a vertex of the dynamic triangle: the pointer move
// reaches the drawing area, the model moves the vertex and the window repaints
// the whole area with all twelve special lines and the Euler line switched on.
// Besides the mean, every frame is timed on its own for the median and the
// 99th percentile. With a listening screen reader each frame also works out
// what the reader is to hear.
#include "app/ModellFenster.h"
#include "app/Vorlesen.h"
#include "lessons/Dreieck3Modell.h"

#include "Messen.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace {

void Maus(QWidget* box, QEvent::Type art, QPoint p, Qt::MouseButton knopf, Qt::MouseButtons gedrueckt)
{
    QMouseEvent e(art, QPointF(p), QPointF(box->mapToGlobal(p)), knopf, gedrueckt, Qt::NoModifier);
    QApplication::sendEvent(box, &e);
}

// Processor time of the calling thread in microseconds.
double Rechenzeit()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

double Quantil(std::vector<double> werte, double q)
{
    std::sort(werte.begin(), werte.end());
    return werte[std::min(werte.size() - 1, size_t(q * double(werte.size())))];
}

void Dreieck3Ziehen(benchmark::State& state, bool leser)
{
    using namespace dreieck3;
    if (leser) {
        SetzeLeserHaken([](QAccessibleEvent*) {});
        SetzeAnsageHaken([](const QString& text) { benchmark::DoNotOptimize(text.size()); });
    }
    TModellFenster fenster(std::make_unique<TDreieck3>());
    fenster.show();
    QApplication::processEvents();
    for (int kasten : {chkHA, chkHB, chkHC, chkSA, chkSB, chkSC, chkWA, chkWB, chkWC, chkSWA, chkSWB, chkSWC, chkEuler})
        fenster.Aendere(kasten, 1);
    const TZustand& z = fenster.Modell<TDreieck3>().zustand;
    Erreicht(state, z.wahl.zeigeEuler && z.wahl.zeigeSc, "lines not switched on");
    TPaintBox* zeichnung = fenster.Zeichnung(pntGrafik);

    // A at (-14, -16) is pixel (260, 430); it goes back and forth by one unit.
    const QPoint punkte[2] = {QPoint(270, 420), QPoint(260, 430)};
    Maus(zeichnung, QEvent::MouseButtonPress, punkte[1], Qt::LeftButton, Qt::LeftButton);

    // Wall-clock time per frame, and the processor time of this thread, which
    // leaves out the time other processes on a busy machine take.
    std::vector<double> zeiten, rechenzeiten;
    int i = 0;
    for (auto _ : state) {
        const auto anfang = std::chrono::steady_clock::now();
        const double rechenAnfang = Rechenzeit();
        Maus(zeichnung, QEvent::MouseMove, punkte[i++ & 1], Qt::NoButton, Qt::LeftButton);
        rechenzeiten.push_back(Rechenzeit() - rechenAnfang);
        zeiten.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - anfang).count());
    }
    Erreicht(state, z.ziehenA && !zeiten.empty(), "the vertex was not dragged");
    Maus(zeichnung, QEvent::MouseButtonRelease, punkte[0], Qt::LeftButton, Qt::NoButton);
    fenster.close();
    SetzeAnsageHaken({});
    SetzeLeserHaken({});

    if (zeiten.empty())
        return;
    state.counters["median_us"] = Quantil(zeiten, 0.5);
    state.counters["p99_us"] = Quantil(zeiten, 0.99);
    state.counters["cpu_median_us"] = Quantil(rechenzeiten, 0.5);
    state.counters["cpu_p99_us"] = Quantil(rechenzeiten, 0.99);
}

} // namespace

BENCHMARK_CAPTURE(Dreieck3Ziehen, ohneLeser, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Dreieck3Ziehen, mitLeser, true)->Unit(benchmark::kMicrosecond);
