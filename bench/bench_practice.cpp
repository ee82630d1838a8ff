// One pick of the practice window (draw a line of the list its session read once, show
// it) on lists far beyond the usual size. The window, and with it the session, is built
// once per size.
#include "BenchListe.h"
#include "FensterBench.h"
#include "ui/Meldungen.h"
#include "ui/Module1.h"
#include "lists/Vokabeleintrag.h"
#include "lists/Zufall.h"
#include "practice/frmVokUeben.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace lerno;
using namespace benchliste;

namespace {

void BM_FrageWaehlen(benchmark::State& state)
{
    const int n = int(state.range(0));
    QTemporaryDir dir;
    const QString dva = dir.filePath("x.dva");
    Schreibe(dva, Liste(n));
    for (QChar b : {u'b', u'c', u'd'})
        Schreibe(StufenDatei(dva, b), {});
    Uebung::LetzteZeile = 0;
    ZufallZuruecksetzen();

    frmVokUeben w(dva, 1);
    int gelesen = 0;
    for (auto _ : state) {
        w.mnuFremd->trigger();
        gelesen += w.AktZeile() > 0;
    }
    if (gelesen != state.iterations())
        state.SkipWithError("a pick failed");
    state.counters["lines"] = n;
}
BENCHMARK(BM_FrageWaehlen)->Arg(500)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return benchliste::FensterBenchmarks(argc, argv); }
