// The editor on long lists: opening the window (reading the list and filling the grid
// in one go) and saving (reading the grid, writing the scratch files, three replaces).
#include "BenchListe.h"
#include "FensterBench.h"
#include "ui/Meldungen.h"
#include "ui/Module1.h"
#include "editor/VokabelGrid.h"
#include "editor/frmVokBearbeiten.h"
#include "editor/modBearbeiten.h"
#include "lists/Programmordner.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lerno;
using namespace benchliste;

namespace {

// A program folder with the list in its Vokabeln folder, where the scratch files go.
struct Ordner {
    explicit Ordner(int n)
    {
        QDir(dir.path()).mkpath("Vokabeln");
        SetzeProgrammordner(dir.path());
        Schreibe(liste(), Liste(n));
    }
    ~Ordner() { SetzeProgrammordner(QString()); }
    QString liste() const { return dir.filePath("Vokabeln/x.dva"); }
    QTemporaryDir dir;
};

void BM_EditorOeffnen(benchmark::State& state)
{
    const int n = int(state.range(0));
    Ordner ordner(n);
    for (auto _ : state) {
        modBearbeiten::ListeLaden(ordner.liste(), nullptr);
        frmVokBearbeiten w(ordner.liste(), modBearbeiten::Zeilen, modBearbeiten::ListeSpeichern);
        if (w.GrdVok->Rows() != n + 1)
            state.SkipWithError("rows missing");
    }
    state.counters["lines"] = n;
}
BENCHMARK(BM_EditorOeffnen)->Arg(500)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_EditorSpeichern(benchmark::State& state)
{
    const int n = int(state.range(0));
    Ordner ordner(n);
    modBearbeiten::ListeLaden(ordner.liste(), nullptr);
    frmVokBearbeiten w(ordner.liste(), modBearbeiten::Zeilen, modBearbeiten::ListeSpeichern);
    for (auto _ : state) {
        if (!modBearbeiten::ListeSpeichern(w))
            state.SkipWithError("save refused");
    }
    state.counters["lines"] = n;
}
BENCHMARK(BM_EditorSpeichern)->Arg(500)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return benchliste::FensterBenchmarks(argc, argv); }
