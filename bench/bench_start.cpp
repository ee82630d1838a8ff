// Start-up cost of the start screen against an empty QMainWindow with a menu (a
// separate program linked to Qt Widgets only): from process start to the first paint
// of the window, and the peak resident memory at that moment. Every measurement is a
// fresh child process; the side-by-side benchmark alternates the two, so both see the
// same machine load, and reports the medians and their ratio.
#include "ErsterPaint.h"
#include "ui/Schriften.h"
#include "app/frmStart.h"
#include "lists/Programmordner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

using erster_paint::JetztMs;

int Kind(int argc, char** argv, const QString& programmordner)
{
    QApplication app(argc, argv);
    erster_paint::Melder melder;
    lerno::SchriftenEinrichten();
    lerno::SetzeProgrammordner(programmordner);
    lerno::frmStart start;
    start.centralWidget()->installEventFilter(&melder);
    start.showMaximized();
    return app.exec();
}

QString ProgrammordnerKopie(QTemporaryDir& dir)
{
    // The generated sounds and pictures lie beside the lerno executable, one level up.
    const QDir build(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
    for (const QString& n : build.entryList({"*.wav", "*.WAV", "*.bmp"}, QDir::Files))
        QFile::copy(build.filePath(n), dir.filePath(n));
    return dir.path();
}

struct Messung {
    double ms;
    long rssKb;
};

// One child from fork to its first paint; nothing when it did not paint.
std::optional<Messung> Messen(bool lerno, const char* plattform, const QString& pfad)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(plattform));
    p.setProcessEnvironment(env);
    const double t0 = JetztMs();
    if (lerno)
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--kind"), pfad});
    else
        p.start(QStringLiteral(LERNO_LEERES_FENSTER), {});
    p.waitForFinished(30000);
    const QList<QByteArray> teile = p.readAllStandardOutput().trimmed().split(' ');
    QDir(pfad + QStringLiteral("/Vokabeln")).removeRecursively();
    if (teile.size() != 2)
        return std::nullopt;
    return Messung{teile[0].toDouble() - t0, teile[1].toLong()};
}

bool OhneAnzeige(benchmark::State& state, const char* plattform)
{
    if (QString::fromLatin1(plattform) == QLatin1String("xcb") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("no DISPLAY for xcb");
        return true;
    }
    return false;
}

void Start(benchmark::State& state, bool lerno, const char* plattform)
{
    if (OhneAnzeige(state, plattform))
        return;
    QTemporaryDir ordner;
    const QString pfad = ProgrammordnerKopie(ordner);
    long rss = 0;
    for (auto _ : state) {
        const auto m = Messen(lerno, plattform, pfad);
        if (!m) {
            state.SkipWithError("child did not paint");
            return;
        }
        state.SetIterationTime(m->ms / 1000.0);
        rss = m->rssKb;
    }
    state.counters["peak_rss_kB"] = static_cast<double>(rss);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

// Each iteration starts both, in turn; the iteration time is the start screen's.
void Nebeneinander(benchmark::State& state, const char* plattform)
{
    if (OhneAnzeige(state, plattform))
        return;
    QTemporaryDir ordner;
    const QString pfad = ProgrammordnerKopie(ordner);
    std::vector<double> lernoMs, leerMs, lernoRss, leerRss;
    bool lernoZuerst = true;
    for (auto _ : state) {
        std::optional<Messung> l, e;
        if (lernoZuerst) {
            l = Messen(true, plattform, pfad);
            e = Messen(false, plattform, pfad);
        } else {
            e = Messen(false, plattform, pfad);
            l = Messen(true, plattform, pfad);
        }
        lernoZuerst = !lernoZuerst;
        if (!l || !e) {
            state.SkipWithError("child did not paint");
            return;
        }
        state.SetIterationTime(l->ms / 1000.0);
        lernoMs.push_back(l->ms);
        leerMs.push_back(e->ms);
        lernoRss.push_back(l->rssKb / 1024.0);
        leerRss.push_back(e->rssKb / 1024.0);
    }
    state.counters["lerno_ms"] = Median(lernoMs);
    state.counters["leer_ms"] = Median(leerMs);
    state.counters["ratio"] = Median(lernoMs) / Median(leerMs);
    state.counters["lerno_MB"] = Median(lernoRss);
    state.counters["leer_MB"] = Median(leerRss);
}

} // namespace

BENCHMARK_CAPTURE(Start, frmStart_offscreen, true, "offscreen")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(Start, leeresFenster_offscreen, false, "offscreen")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(Start, frmStart_xcb, true, "xcb")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(Start, leeresFenster_xcb, false, "xcb")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(Nebeneinander, xcb, "xcb")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(16);

int main(int argc, char** argv)
{
    if (argc >= 3 && QByteArray(argv[1]) == "--kind")
        return Kind(argc, argv, QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv); // for applicationFilePath()
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
