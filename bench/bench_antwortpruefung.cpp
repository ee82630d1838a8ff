// The answer check as practice and the test call it, once per answer: it must stay far
// below anything a pupil could notice (the aim: under 20 µs against five alternatives).
#include "learning/Abweichung.h"
#include "learning/Antwortpruefung.h"

#include <benchmark/benchmark.h>

using namespace lerno;

namespace {

const QString FuenfAlternativen = QStringLiteral("beginnen, anfangen, starten, loslegen, (etwas) eröffnen");

void Pruefung(benchmark::State& state, const QString& soll, const QString& eingabe, bool grosszuegig,
              const QStringList& andere = {})
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Antwortpruefung::Pruefen(soll, eingabe, grosszuegig, andere));
}

// n answers of a list, as alike to the answer as a list gets: same length and shape.
QStringList Andere(int n)
{
    QStringList liste;
    for (int i = 0; i < n; ++i)
        liste.append(QStringLiteral("die Wortform %1").arg(i, 3, 10, QChar(u'0')));
    return liste;
}

} // namespace

BENCHMARK_CAPTURE(Pruefung, FuenfAlternativen_Tippfehler, FuenfAlternativen, QStringLiteral("anfagen"), true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Pruefung, FuenfAlternativen_Falsch, FuenfAlternativen, QStringLiteral("aufhören"), true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Pruefung, FuenfAlternativen_Richtig, FuenfAlternativen, QStringLiteral("etwas eröffnen"), true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Pruefung, FuenfAlternativen_ZweiTeile, FuenfAlternativen, QStringLiteral("Starten, loslegn"), true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Pruefung, FuenfAlternativen_Streng, FuenfAlternativen, QStringLiteral("anfangen"), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Pruefung, EinWort_Umlaut, QStringLiteral("die Straße"), QStringLiteral("Strasse"), true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Pruefung, Genderform, QStringLiteral("der Lehrer/die Lehrer/-in"), QStringLiteral("Lehrerin"), true)
    ->Unit(benchmark::kMicrosecond);
// Almost right: every other answer of the list is asked whether it explains the input better.
BENCHMARK_CAPTURE(Pruefung, FastRichtig_Liste40, QStringLiteral("die Wortform 007"), QStringLiteral("Wortform 007"),
                  true, Andere(40))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Pruefung, FastRichtig_Liste500, QStringLiteral("die Wortform 007"), QStringLiteral("Wortform 007"),
                  true, Andere(500))
    ->Unit(benchmark::kMicrosecond);

void BM_Unterschiede(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Abweichung::Unterschiede(FuenfAlternativen, QStringLiteral("anfagen"), true));
}
BENCHMARK(BM_Unterschiede)->Unit(benchmark::kMicrosecond);
