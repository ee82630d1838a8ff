// A 100,000-line spreadsheet file: the preview shown (read, detected, first rows and
// pairs filled in) and the import after it (pairs built, list written in one step).
#include "FensterBench.h"

#include "lists/TextDatei.h"
#include "transfer/import/ListeErweitern.h"
#include "transfer/dlgImportVorschau.h"

#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cstdlib>

using namespace lerno;

namespace {

// German first under a header, as the preview's defaults have to swap.
QByteArray Csv(int n)
{
    QByteArray out("Deutsch;Englisch;Lektion\r\n");
    for (int i = 1; i <= n; ++i)
        out += QString("die Bedeutung %1 grün;word number %1;%2\r\n").arg(i).arg(i % 20).toUtf8();
    return out;
}

QString Datei(QTemporaryDir& dir, int n)
{
    const QString pfad = dir.filePath("liste.csv");
    QFile f(pfad);
    const QByteArray bytes = Csv(n);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::abort();
    return pfad;
}

void BM_VorschauZeigen(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString quelle = Datei(dir, int(state.range(0)));
    for (auto _ : state) {
        auto vorlage = ImportVorlageLesen(quelle);
        if (!vorlage)
            state.SkipWithError("read failed");
        dlgImportVorschau d(std::move(*vorlage));
        d.show();
        QApplication::processEvents();
        if (d.Anzahl() != state.range(0) || d.tblPaare->item(0, 1)->text() != "word number 1")
            state.SkipWithError("wrong pairs");
    }
}
BENCHMARK(BM_VorschauZeigen)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_NachVorschauImportieren(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString quelle = Datei(dir, int(state.range(0)));
    const auto vorlage = ImportVorlageLesen(quelle);
    int runde = 0;
    for (auto _ : state) {
        const QString liste = dir.filePath(QString("neu%1.dva").arg(++runde));
        // As the menu does after the preview: the pairs built while the list is written.
        if (!PaareAnhaengen(liste, vorlage->tabelle, vorlage->einstellungen))
            state.SkipWithError("import failed");
        state.PauseTiming();
        if (ZeilenZaehlen(liste).value_or(0) != state.range(0))
            state.SkipWithError("wrong pair count");
        for (const char* endung : {"a", "b", "c"})
            QFile::remove(liste.chopped(1) + endung);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NachVorschauImportieren)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return benchliste::FensterBenchmarks(argc, argv); }
