// Start-up cost of the start screen against an empty QMainWindow: from process start to
// the first paint of the window, and the peak resident memory at that moment.
// The benchmark re-runs itself as a child process for every measurement.
#include "app/Schriften.h"
#include "app/frmStart.h"
#include "lists/Programmordner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace {

double JetztMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

long SpitzenRssKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& z : f.readAll().split('\n'))
        if (z.startsWith("VmHWM:"))
            return z.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Prints "<time of first paint> <peak RSS kB>" and leaves at once.
class ErsterPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            std::printf("%.3f %ld\n", JetztMs(), SpitzenRssKb());
            std::fflush(stdout);
            _exit(0);
        }
        return false;
    }
};

int Kind(int argc, char** argv, const QString& art, const QString& programmordner)
{
    QApplication app(argc, argv);
    ErsterPaint filter;
    if (art == QLatin1String("leer")) {
        QMainWindow w;
        w.installEventFilter(&filter);
        w.showMaximized();
        return app.exec();
    }
    lerno::SchriftenEinrichten();
    lerno::SetzeProgrammordner(programmordner);
    lerno::frmStart start;
    start.centralWidget()->installEventFilter(&filter);
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

void Start(benchmark::State& state, const char* art, const char* plattform)
{
    if (QString::fromLatin1(plattform) == QLatin1String("xcb") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("no DISPLAY for xcb");
        return;
    }
    QTemporaryDir ordner;
    const QString pfad = ProgrammordnerKopie(ordner);
    long rss = 0;
    for (auto _ : state) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(plattform));
        p.setProcessEnvironment(env);
        const double t0 = JetztMs();
        p.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--kind"), QString::fromLatin1(art), pfad});
        p.waitForFinished(30000);
        const QList<QByteArray> teile = p.readAllStandardOutput().trimmed().split(' ');
        if (teile.size() != 2) {
            state.SkipWithError("child did not paint");
            return;
        }
        state.SetIterationTime((teile[0].toDouble() - t0) / 1000.0);
        rss = teile[1].toLong();
        QDir(pfad + QStringLiteral("/Vokabeln")).removeRecursively();
    }
    state.counters["peak_rss_kB"] = static_cast<double>(rss);
}

} // namespace

BENCHMARK_CAPTURE(Start, frmStart_offscreen, "lerno", "offscreen")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(Start, leeresFenster_offscreen, "leer", "offscreen")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(Start, frmStart_xcb, "lerno", "xcb")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(Start, leeresFenster_xcb, "leer", "xcb")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv)
{
    if (argc >= 4 && QByteArray(argv[1]) == "--kind")
        return Kind(argc, argv, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    QCoreApplication app(argc, argv); // for applicationFilePath()
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
