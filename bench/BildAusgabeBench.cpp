// The teacher's copies of the largest picture: the triangle constructions with
// their instruction box (1003 x 618 pixels), SsW with two solutions at the last
// step. Copying to the clipboard, and saving as 3-fold PNG, SVG and PDF, each
// through the temporary file and rename a real save does.
#include "Dreieck1Gross.h"
#include "Messen.h"
#include "app/BildAusgabe.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BildKopieren(benchmark::State& state)
{
    TDreieck1Gross g;
    Erreicht(state, g.amEnde, "last step not reached");
    for (auto _ : state)
        QApplication::clipboard()->setMimeData(BildAlsMimeDaten(BildInhalt(&g.fenster), g.fenster.BildTitel()));
    const QSize groesse = BildInhalt(&g.fenster).groesse;
    state.counters["Breite"] = groesse.width();
    state.counters["Hoehe"] = groesse.height();
    // The clipboard holds the picture as PNG and as SVG.
    const QMimeData* daten = QApplication::clipboard()->mimeData();
    Erreicht(state, daten && daten->data(QStringLiteral("image/png")).startsWith("\x89PNG")
                        && daten->data(QStringLiteral("image/svg+xml")).contains("<svg"),
             "no PNG and SVG on the clipboard");
}

// The first bytes every file of the format starts with.
QByteArray Kennung(TBildFormat format)
{
    switch (format) {
    case TBildFormat::Svg: return "<?xml";
    case TBildFormat::Pdf: return "%PDF";
    default: return "\x89PNG";
    }
}

void BildSpeichern(benchmark::State& state, TBildFormat format, const char* name)
{
    TDreieck1Gross g;
    Erreicht(state, g.amEnde, "last step not reached");
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QString::fromLatin1(name));
    for (auto _ : state) {
        const QString fehler = SpeichereBild(BildInhalt(&g.fenster), datei, format, g.fenster.BildTitel(),
                                             g.fenster.AktuelleAnweisung());
        if (!Erreicht(state, fehler.isEmpty(), "the picture was not saved"))
            return;
    }
    // A file of the format, not an empty or cut-off one.
    QFile gespeichert(datei);
    const bool geschrieben = gespeichert.open(QIODevice::ReadOnly) && gespeichert.size() > 1000
                             && gespeichert.read(8).startsWith(Kennung(format));
    Erreicht(state, geschrieben, "no file of the format written");
}

} // namespace

BENCHMARK(BildKopieren)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BildSpeichern, Png3fach, TBildFormat::Png3, "bild.png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BildSpeichern, Svg, TBildFormat::Svg, "bild.svg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BildSpeichern, Pdf, TBildFormat::Pdf, "bild.pdf")->Unit(benchmark::kMillisecond);
