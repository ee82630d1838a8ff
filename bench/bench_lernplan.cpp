// The plan and the words' memory at scale: today's words of 50 lists of 500 words (each
// with a class test ahead and a memory for most words), with and without reading the
// files, and recording one answer in a 500-word list (read, update, crash-safe write).
// Aims: the plan under 20 ms, one answer under 5 ms; the counters "unter_20ms" and
// "unter_5ms" say whether the mean wall time made it (the slowest run is shown beside it:
// on a shared machine it says more about the neighbours than about Lerno).
#include "BenchListe.h"
#include "learning/Klassenarbeit.h"
#include "learning/Lernplan.h"
#include "learning/Tagesplan.h"
#include "learning/Wortgedaechtnis.h"
#include "lists/DateiErsetzen.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lerno;
using namespace benchliste;

namespace {

constexpr int Listen = 50;
constexpr int Woerter = 500;
const QDate Heute(2026, 3, 2);

// Four words in five have a memory, practised up to three weeks ago.
Wortgedaechtnis::Woerter Gedaechtnis(int liste)
{
    Wortgedaechtnis::Woerter g;
    for (int i = 1; i <= Woerter; ++i) {
        if (i % 5 == 0)
            continue;
        Wortgedaechtnis::Eintrag e;
        e.stand = {0.2 + (i * 7 + liste) % 400 / 10.0, 1.0 + i % 9};
        e.zuletzt = Heute.addDays(-((i + liste) % 21));
        e.wiederholungen = 1 + i % 6;
        e.vergessen = i % 2;
        g.insert(QString("word number %1#Bedeutung Nummer %1").arg(i), e);
    }
    return g;
}

const QTemporaryDir& Ordner()
{
    static QTemporaryDir dir;
    static bool fertig = false;
    if (!fertig) {
        for (int l = 0; l < Listen; ++l) {
            const QString dva = dir.filePath(QString("Liste %1.dva").arg(l, 2, 10, QChar('0')));
            Schreibe(dva, Liste(Woerter));
            if (!Wortgedaechtnis::Schreiben(dva, Gedaechtnis(l))
                || !Klassenarbeit::PlanSetzen(dva, {Heute.addDays(3 + l % 10), 20}))
                std::abort();
        }
        fertig = true;
    }
    return dir;
}

struct Uhr {
    double summe = 0, langsamste = 0;
    void messen(const QElapsedTimer& t)
    {
        const double ms = double(t.nsecsElapsed()) / 1e6;
        summe += ms;
        langsamste = std::max(langsamste, ms);
    }
    void melden(benchmark::State& state, double grenze, const char* name) const
    {
        const double mittel = state.iterations() ? summe / double(state.iterations()) : 0;
        state.counters["mittel_ms"] = mittel;
        state.counters["langsamste_ms"] = langsamste;
        state.counters[name] = mittel < grenze ? 1 : 0;
    }
};

// The planning alone, the words already in memory.
void BM_PlanOhneDateien(benchmark::State& state)
{
    QList<QList<Lernplan::Wort>> listen;
    for (int l = 0; l < Listen; ++l)
        listen.append(Wortgedaechtnis::WoerterLesen(Ordner().filePath(QString("Liste %1.dva").arg(l, 2, 10, QChar('0')))).woerter);
    Uhr uhr;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        int n = 0;
        for (int l = 0; l < Listen; ++l)
            n += int(Lernplan::HeuteUeben(listen[l], Heute, Heute.addDays(3 + l % 10), 20).size());
        benchmark::DoNotOptimize(n);
        uhr.messen(t);
    }
    uhr.melden(state, 20, "unter_20ms");
}
BENCHMARK(BM_PlanOhneDateien)->Unit(benchmark::kMillisecond);

// What the start screen's line needs: every list and memory file read, every list planned.
void BM_HeuteAusDemOrdner(benchmark::State& state)
{
    const QString pfad = Ordner().path();
    Uhr uhr;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        const Tagesplan::Heute h = Tagesplan::Berechnen(pfad, Heute);
        uhr.messen(t);
        if (h.listen.size() != Listen || h.woerter() == 0)
            state.SkipWithError("wrong plan");
    }
    uhr.melden(state, 20, "unter_20ms");
}
BENCHMARK(BM_HeuteAusDemOrdner)->Unit(benchmark::kMillisecond);

void BM_AntwortVermerken(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString dva = dir.filePath("Liste.dva");
    Schreibe(dva, Liste(Woerter));
    if (!Wortgedaechtnis::Schreiben(dva, Gedaechtnis(0)))
        std::abort();
    Uhr uhr;
    int i = 0;
    for (auto _ : state) {
        const int nr = 1 + i++ % Woerter;
        const WortPaar paar{QString("word number %1").arg(nr), QString("Bedeutung Nummer %1").arg(nr)};
        QElapsedTimer t;
        t.start();
        if (!Wortgedaechtnis::AntwortVermerken(dva, paar, 1 + i % 4, Heute))
            state.SkipWithError("not recorded");
        uhr.messen(t);
    }
    uhr.melden(state, 5, "unter_5ms");
}
BENCHMARK(BM_AntwortVermerken)->Unit(benchmark::kMillisecond);

// The yardstick for the one above: the crash-safe replace of a file of the same size alone,
// most of it waiting for the disk (fsync of the file and of its folder).
void BM_NurErsetzen(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("Liste.dvg");
    const QByteArray text = Wortgedaechtnis::Text(Gedaechtnis(0));
    for (auto _ : state)
        if (!DateiErsetzen(pfad, text))
            state.SkipWithError("not written");
}
BENCHMARK(BM_NurErsetzen)->Unit(benchmark::kMillisecond);

} // namespace
