// The foundation's share of a repaint: grid, segments, arcs and labels on a
// 1000 x 480 area, and the conversions every mouse move makes.
#include "draw/Leinwand.h"
#include "draw/Primitive.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"
#include "draw/SchriftU.h"

#include "Messen.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

// A typical construction: 20 segments, 6 arcs and 10 labels on the grid.
static void BM_TypischeFigur(benchmark::State& state)
{
    QImage bild(1000, 480, QImage::Format_RGB32);
    SetzeFarben();
    const char* const namen[10] = {"A", "B", "C", "h!c", "S!1", "~a", "~b", "M", "a", "b"};
    for (auto _ : state) {
        QPainter maler(&bild);
        Leinwand lw(&maler);
        SetzeWeltfenster(0, 1000, 0, 480, -20, 20, -10, 10);
        gitterAn = true;
        lw.pinsel = {clWhite, bsSolid};
        lw.FillRect(0, 0, 1000, 480);
        ZeichneGitter(lw);
        for (int i = 0; i < 10; ++i) {
            Strecke(lw, 2, clBlack, -18, -8 + i, 18, 8 - i, 1);
            Strecke(lw, 1, farbeHimbeer, -18, 8 - i, 18, -8 + i, 3);
        }
        for (int i = 0; i < 6; ++i)
            Bogen(lw, 1, farbeViolett, 0, 0, 1.0f + i * 1.2f, 15.0f * i, 200.0f + 10 * i);
        for (int i = 0; i < 10; ++i)
            SymbolTextMitte(lw, namen[i], clBlue, true, 12, -15.0f + 3 * i, 5.0f - i);
        benchmark::DoNotOptimize(bild.bits());
    }
    Erreicht(state, Gezeichnet(bild) > 5000, "nothing drawn");
}
BENCHMARK(BM_TypischeFigur)->Unit(benchmark::kMicrosecond);

static void BM_PixelZuWeltUndZurueck(benchmark::State& state)
{
    SetzeWeltfenster(0, 480, 0, 480, -10, 10, -10, 10);
    int px = 0, py = 0;
    for (auto _ : state) {
        float x, y;
        PixelZuWelt(px % 480, py % 480, x, y);
        WeltZuPixel(x, y, px, py);
        ++px;
        py += 3;
        benchmark::DoNotOptimize(px);
    }
    float x, y;
    PixelZuWelt(123, 45, x, y);
    WeltZuPixel(x, y, px, py);
    Erreicht(state, px == 123 && py == 45, "the pixel does not come back");
}
BENCHMARK(BM_PixelZuWeltUndZurueck);
