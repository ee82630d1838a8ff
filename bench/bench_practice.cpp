// One pick of the practice window (draw a line of the list its session read once, show
// it) on lists far beyond the usual size. The window, and with it the session, is built
// once per size. And what the pupil waits for after Enter until the feedback is painted,
// in a 500-word list whose words all have a memory: with the review written after the
// feedback (as the window does) and, for comparison, written before it.
#include "BenchListe.h"
#include "FensterBench.h"
#include "ui/Meldungen.h"
#include "ui/Module1.h"
#include "learning/Wortgedaechtnis.h"
#include "lists/Vokabeleintrag.h"
#include "lists/Zufall.h"
#include "practice/frmVokUeben.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
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

// Arg 0: as the window does it; 1: the review written on the answer's path.
void BM_AntwortBisRueckmeldung(benchmark::State& state)
{
    const bool sofort = state.range(0) == 1;
    QTemporaryDir dir;
    const QString dva = dir.filePath("x.dva");
    Schreibe(dva, Liste(500));
    for (QChar b : {u'b', u'c', u'd'})
        Schreibe(StufenDatei(dva, b), {});
    Uebung::LetzteZeile = 0;
    ZufallZuruecksetzen();
    frmVokUeben w(dva, 1);
    w.show();
    QCoreApplication::processEvents();
    // Every word answered once already: the memory file has 500 lines.
    Wortgedaechtnis::Woerter g;
    for (int i = 1; i <= 500; ++i)
        g.insert(QString("word number %1#Bedeutung Nummer %1").arg(i), {{2.3065, 2.1181}, QDate(2026, 3, 1), 1, 0});
    if (!Wortgedaechtnis::Schreiben(dva, g))
        std::abort();
    double summe = 0, schreiben = 0;
    for (auto _ : state) {
        w.txtBedeutung->setText(w.Sollantwort());
        QElapsedTimer t;
        t.start();
        w.cmdok->click(); // what Enter in the answer box does
        const bool gezeigt = w.lblRichtig->isVisible();
        if (sofort)
            w.Sitzung().VermerkeSchreiben();
        QCoreApplication::processEvents(); // the feedback painted
        summe += double(t.nsecsElapsed()) / 1e6;
        if (!gezeigt)
            state.SkipWithError("no feedback");
        // Outside the pupil's wait: the review reaches the disk.
        QElapsedTimer s;
        s.start();
        while (w.Sitzung().VermerkeOffen() > 0 && s.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        schreiben += double(s.nsecsElapsed()) / 1e6;
    }
    state.counters["wartet_ms"] = summe / double(state.iterations());
    state.counters["bis_vermerkt_ms"] = schreiben / double(state.iterations());
}
BENCHMARK(BM_AntwortBisRueckmeldung)->Arg(0)->Arg(1)->Iterations(40)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return benchliste::FensterBenchmarks(argc, argv); }
