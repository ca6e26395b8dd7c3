// The teacher's copies of the largest picture: the triangle constructions with
// their instruction box (1003 x 618 pixels), SsW with two solutions at the last
// step. Copying to the clipboard, and saving as 3-fold PNG, SVG and PDF, each
// through the temporary file and rename a real save does.
#include "lessons/Dreieck1U.h"

#include "Messen.h"
#include "app/BildAusgabe.h"
#include "draw/ZufallU.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The busiest state of the largest window, opened and stepped to its end.
struct GrossesBild {
    TfrmDreieck1 fenster;
    GrossesBild()
    {
        fenster.show();
        QApplication::processEvents();
        fenster.menSatz4->trigger();
        fenster.grpLoesungen->SetzeItemIndex(1);
        SetzeZufallsKeim(7);
        fenster.grpLoesungenClick();
        BisZumLetztenSchritt(fenster.UpDown);
    }
    ~GrossesBild() { fenster.close(); }
};

void BildKopieren(benchmark::State& state)
{
    GrossesBild g;
    for (auto _ : state)
        QApplication::clipboard()->setMimeData(BildAlsMimeDaten(BildInhalt(&g.fenster), g.fenster.BildTitel()));
    const QSize groesse = BildInhalt(&g.fenster).groesse;
    state.counters["Breite"] = groesse.width();
    state.counters["Hoehe"] = groesse.height();
}

void BildSpeichern(benchmark::State& state, TBildFormat format, const char* name)
{
    GrossesBild g;
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
