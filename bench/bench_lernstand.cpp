// The overview "Lernstand" for 50 lists of 500 words, each with its stage lists and 40
// tests in the history: reading the folder, and opening the window up to its first paint.
// It has to stay under 300 ms; the counter "unter_300ms" says whether it did.
#include "BenchListe.h"
#include "FensterBench.h"
#include "lernstand/Uebersicht.h"
#include "lernstand/frmLernstand.h"
#include "lists/Vokabeleintrag.h"
#include "ui/modBackground.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lerno;
using namespace benchliste;

namespace {

constexpr int Listen = 50;
constexpr int Woerter = 500;

// The folder, built once for all benchmarks.
const QTemporaryDir& Ordner()
{
    static QTemporaryDir dir;
    static bool fertig = false;
    if (!fertig) {
        modBackground::HintergrundPfade(); // the window's picture, as after start-up
        QByteArray verlauf;
        for (int l = 0; l < Listen; ++l) {
            const QString dva = dir.filePath(QString("Liste %1.dva").arg(l, 2, 10, QChar('0')));
            Schreibe(dva, Liste(Woerter));
            Schreibe(StufenDatei(dva, u'b'), Liste(Woerter / 4));
            Schreibe(StufenDatei(dva, u'c'), Liste(Woerter / 10));
            for (int t = 0; t < 40; ++t)
                verlauf += QString("2026-%1-10 16:%2:00\tFD\t15\t5\t2.9\tListe %3\r\n")
                               .arg(1 + t % 12, 2, 10, QChar('0'))
                               .arg(t, 2, 10, QChar('0'))
                               .arg(l, 2, 10, QChar('0'))
                               .toUtf8();
        }
        Schreibe(dir.filePath("Lernstand.txt"), verlauf);
        fertig = true;
    }
    return dir;
}

void BM_UebersichtLesen(benchmark::State& state)
{
    const QString pfad = Ordner().path();
    for (auto _ : state) {
        const auto u = UebersichtLesen(pfad);
        if (u.Listen.size() != Listen || u.Listen[0].Tests.size() != 40)
            state.SkipWithError("wrong overview");
        benchmark::DoNotOptimize(u);
    }
}
BENCHMARK(BM_UebersichtLesen)->Unit(benchmark::kMillisecond);

void BM_FensterOeffnen(benchmark::State& state)
{
    const QString pfad = Ordner().path();
    double langsamste = 0;
    for (auto _ : state) {
        QElapsedTimer uhr;
        uhr.start();
        frmLernstand w(pfad);
        w.show();
        // The first paint of the whole window, table and chart included.
        QImage bild(w.size(), QImage::Format_ARGB32_Premultiplied);
        w.render(&bild);
        QApplication::processEvents();
        langsamste = std::max(langsamste, double(uhr.nsecsElapsed()) / 1e6);
        if (w.tblListen->rowCount() != Listen)
            state.SkipWithError("wrong table");
    }
    state.counters["langsamste_ms"] = langsamste;
    state.counters["unter_300ms"] = langsamste < 300 ? 1 : 0;
}
BENCHMARK(BM_FensterOeffnen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return benchliste::FensterBenchmarks(argc, argv); }
