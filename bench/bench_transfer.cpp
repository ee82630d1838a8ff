// Importing a spreadsheet file into a new list: read, check every pair, write the list
// in one crash-safe step.
#include "transfer/import/ImportVorlage.h"
#include "transfer/import/ListeErweitern.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace lerno;

namespace {

// n lines as a German spreadsheet saves them: BOM, header, semicolons, some quoted.
QByteArray Csv(int n)
{
    QByteArray out("\xEF\xBB\xBFVokabel;Bedeutung\r\n");
    for (int i = 1; i <= n; ++i)
        out += (i % 10 == 0 ? QString("\"word %1; quoted\";Bedeutung Nummer %1 grün\r\n")
                            : QString("word number %1;Bedeutung Nummer %1 grün\r\n"))
                   .arg(i)
                   .toUtf8();
    return out;
}

void BM_CsvImportNeueListe(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString quelle = dir.filePath("liste.csv");
    {
        QFile f(quelle);
        const QByteArray bytes = Csv(int(state.range(0)));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            std::abort();
    }
    int runde = 0;
    for (auto _ : state) {
        const QString liste = dir.filePath(QString("neu%1.dva").arg(++runde));
        const auto vorlage = ImportVorlageLesen(quelle);
        const auto inhalt = vorlage ? std::optional(PaareBilden(vorlage->tabelle, vorlage->einstellungen)) : std::nullopt;
        if (!inhalt || inhalt->paare.size() != state.range(0) || !PaareAnhaengen(liste, inhalt->paare))
            state.SkipWithError("import failed");
        state.PauseTiming();
        for (const char* endung : {"a", "b", "c"})
            QFile::remove(liste.chopped(1) + endung);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CsvImportNeueListe)->Arg(500)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
