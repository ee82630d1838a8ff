// List file operations on lists far beyond the usual size.
#include "BenchListe.h"
#include "lists/Listensprache.h"
#include "lists/Reste.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"
#include "lists/Zufall.h"
#include "lists/modfiles.h"
#include "practice/Stufen.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <vector>

using namespace lerno;
using namespace benchliste;

namespace {

void Groessen(benchmark::internal::Benchmark* b)
{
    b->Arg(500)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
}

// A whole list of these bytes read, as every reader of a list does.
void ZeilenLesenMessen(benchmark::State& state, const QByteArray& liste)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dva");
    Schreibe(pfad, liste);
    for (auto _ : state)
        benchmark::DoNotOptimize(ZeilenLesen(pfad));
}

void BM_ZeilenLesen(benchmark::State& state) { ZeilenLesenMessen(state, Liste(int(state.range(0)))); }
BENCHMARK(BM_ZeilenLesen)->Apply(Groessen);

// What the entry screen does before each new record: read the list, take the last line.
void BM_NaechsteNummerDatei(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dva");
    Schreibe(pfad, Liste(int(state.range(0))));
    for (auto _ : state) {
        const auto zeilen = ZeilenLesen(pfad);
        benchmark::DoNotOptimize(NaechsteNummer(zeilen->isEmpty() ? QString() : zeilen->last()));
    }
}
BENCHMARK(BM_NaechsteNummerDatei)->Apply(Groessen);

// Mode 1 with a key that is there (the last line): the whole file is read, nothing written.
void BM_ZeileAnfuegenModus1(benchmark::State& state)
{
    const int n = int(state.range(0));
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dvb");
    Schreibe(pfad, Liste(n));
    const QString zeile = ZeilenLesen(pfad)->last();
    for (auto _ : state)
        benchmark::DoNotOptimize(ZeileAnfuegen(zeile, pfad, 1));
}
BENCHMARK(BM_ZeileAnfuegenModus1)->Apply(Groessen);

// The practice's pick: count the lines, draw one, read up to it.
void BM_NteZeile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dva");
    Schreibe(pfad, Liste(int(state.range(0))));
    ZufallZuruecksetzen();
    for (auto _ : state) {
        const qsizetype zahl = *ZeilenZaehlen(pfad);
        benchmark::DoNotOptimize(ZeileLesen(pfad, Ziehung(int(zahl))));
    }
}
BENCHMARK(BM_NteZeile)->Apply(Groessen);

// A list in Windows-1252 with umlauts against the same list in Cyrillic, UTF-8 with mark
// (about 1.6 times the bytes): reading it whole, and the practice's pick of one line.
QByteArray Schriftliste(int n, bool utf8)
{
    const QString wort = utf8 ? QString::fromUtf8("слово") : QString::fromUtf8("Wörter");
    QString text;
    for (int i = 1; i <= n; ++i)
        text += QStringLiteral("%1#%2 %3#Bedeutung Nummer %3 für %2#%4#0#\r\n")
                    .arg(i % 1000, 3, 10, QChar('0')).arg(wort).arg(i).arg(i % 4);
    return utf8 ? "\xEF\xBB\xBF" + text.toUtf8() : *NachCp1252(text);
}

void Schriften(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"utf8"})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
}

void BM_ZeilenLesenSchrift(benchmark::State& state)
{
    ZeilenLesenMessen(state, Schriftliste(100000, state.range(0) != 0));
}
BENCHMARK(BM_ZeilenLesenSchrift)->Apply(Schriften);

void BM_NteZeileSchrift(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dva");
    Schreibe(pfad, Schriftliste(100000, state.range(0) != 0));
    ZufallZuruecksetzen();
    for (auto _ : state)
        benchmark::DoNotOptimize(ZeileLesen(pfad, Ziehung(100000)));
}
BENCHMARK(BM_NteZeileSchrift)->Apply(Schriften);

// Full stage-1 end: a third of the records reach a stage list; the files are reset
// (outside the timing) before every run so each one does the same work.
void BM_Stufe1Sichern(benchmark::State& state)
{
    const int n = int(state.range(0));
    QTemporaryDir dir;
    const QString dva = dir.filePath("x.dva");
    const QByteArray liste = Liste(n);
    std::vector<int> fehler(n);
    for (int i = 0; i < n; ++i)
        fehler[i] = i % 3;
    for (auto _ : state) {
        state.PauseTiming();
        Schreibe(dva, liste);
        Schreibe(StufenDatei(dva, u'b'), {});
        Schreibe(StufenDatei(dva, u'c'), {});
        Schreibe(StufenDatei(dva, u'd'), {});
        state.ResumeTiming();
        if (!Stufe1Sichern(dva, fehler).Fehlerfrei())
            state.SkipWithError("Stufe1Sichern failed");
    }
}
BENCHMARK(BM_Stufe1Sichern)->Apply(Groessen);

// The start's clean-up of a folder of 10,000 files (lists with both stage lists and a
// language each) where nothing is left to remove: what every start pays.
void BM_ResteEntfernen(benchmark::State& state)
{
    QTemporaryDir dir;
    QByteArray sprachen;
    for (int i = 0; i < 3333; ++i) {
        const QString dva = dir.filePath(QStringLiteral("Liste%1.dva").arg(i));
        for (QChar b : {u'a', u'b', u'c'})
            Schreibe(StufenDatei(dva, b), "001#a#b#0#0#\r\n");
        sprachen += QStringLiteral("Liste%1.dva\tEnglisch\r\n").arg(i).toUtf8();
    }
    Schreibe(dir.filePath(QLatin1String(LISTENSPRACHEN_DATEI)), sprachen);
    for (auto _ : state)
        if (!ResteEntfernen(dir.path()).isEmpty())
            state.SkipWithError("removed a file of a list");
}
BENCHMARK(BM_ResteEntfernen)->Unit(benchmark::kMillisecond);

} // namespace
