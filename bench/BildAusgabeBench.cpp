// The teacher's copies of the largest picture: the triangle constructions with
// their instruction box (1003 x 618 pixels), SsW with two solutions at the last
// step. Copying to the clipboard, and saving as 3-fold PNG, SVG and PDF, each
// through the temporary file and rename a real save does.
#include "Dreieck1Gross.h"
#include "Messen.h"
#include "app/BildAusgabe.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BildKopieren(benchmark::State& state)
{
    TDreieck1Gross g;
    for (auto _ : state)
        QApplication::clipboard()->setMimeData(BildAlsMimeDaten(BildInhalt(&g.fenster), g.fenster.BildTitel()));
    const QSize groesse = BildInhalt(&g.fenster).groesse;
    state.counters["Breite"] = groesse.width();
    state.counters["Hoehe"] = groesse.height();
}

void BildSpeichern(benchmark::State& state, TBildFormat format, const char* name)
{
    TDreieck1Gross g;
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QString::fromLatin1(name));
    for (auto _ : state) {
        const QString fehler = SpeichereBild(BildInhalt(&g.fenster), datei, format, g.fenster.BildTitel(),
                                             g.fenster.AktuelleAnweisung());
        if (!fehler.isEmpty())
            state.SkipWithError(qPrintable(fehler));
    }
}

} // namespace

BENCHMARK(BildKopieren)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BildSpeichern, Png3fach, TBildFormat::Png3, "bild.png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BildSpeichern, Svg, TBildFormat::Svg, "bild.svg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BildSpeichern, Pdf, TBildFormat::Pdf, "bild.pdf")->Unit(benchmark::kMillisecond);
