// From the speak request practice issues after a checked answer to the first sample heard,
// with a warm voice (plugin loaded, speech-dispatcher connected, one word said before).
// The program runs its own sound server with a silent sink and records that sink's monitor,
// so "heard" means a sample that actually came out of the audio chain. Without pulseaudio,
// speech-dispatcher or a voice that answers, every benchmark skips.
#include "ui/modAussprache.h"
#include "lists/Listensprache.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;

// Below this the sink counts as silent (speech peaks at several thousand).
constexpr int Schwelle = 300;

qint64 JetztUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(Uhr::now().time_since_epoch()).count();
}

// Runs a helper quietly; true when it ran and succeeded.
bool Befehl(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(programm, argumente);
    return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A private pulseaudio with a null sink, speech-dispatcher spawned into it, and a reader
// that notes when the sink last carried sound and when sound started after being armed.
class Tonstrecke {
public:
    bool starten(QString& fehler)
    {
        if (!laufzeit_.isValid() || !heim_.isValid()) {
            fehler = QStringLiteral("no temporary folder");
            return false;
        }
        QFile::setPermissions(laufzeit_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // speech-dispatcher, spawned by the voice, finds this server and keeps its files here.
        qputenv("XDG_RUNTIME_DIR", laufzeit_.path().toLocal8Bit());
        qputenv("HOME", heim_.path().toLocal8Bit());
        server_.setStandardErrorFile(QProcess::nullDevice());
        server_.start(QStringLiteral("pulseaudio"),
                      {"-n", "--daemonize=no", "--log-target=stderr", "--exit-idle-time=-1", "-L", "module-null-sink sink_name=stumm",
                       "-L", "module-native-protocol-unix"});
        if (!server_.waitForStarted(5000)) {
            fehler = QStringLiteral("pulseaudio not installed");
            return false;
        }
        bool da = false;
        for (int i = 0; i < 100 && !da; ++i) {
            da = Befehl(QStringLiteral("pactl"), {"info"});
            if (!da)
                QThread::msleep(100);
        }
        if (!da || !Befehl(QStringLiteral("pactl"), {"set-default-sink", "stumm"})) {
            fehler = QStringLiteral("no private sound server");
            return false;
        }
        // Small fragments: the arrival of a block is when its samples were played, to a few ms.
        aufnahme_ = popen("exec parec -d stumm.monitor --format=s16le --rate=44100 --channels=1 --raw "
                          "--latency-msec=5 2>/dev/null",
                          "r");
        if (!aufnahme_) {
            fehler = QStringLiteral("parec not started");
            return false;
        }
        leser_ = std::thread([this] { lesen(); });
        return true;
    }

    ~Tonstrecke()
    {
        const QString spd = laufzeit_.path() + QStringLiteral("/speech-dispatcher/pid/speech-dispatcher.pid");
        QFile pid(spd);
        if (pid.open(QIODevice::ReadOnly)) {
            const qint64 n = pid.readAll().trimmed().toLongLong();
            if (n > 0)
                Befehl(QStringLiteral("kill"), {QString::number(n)});
        }
        if (server_.state() != QProcess::NotRunning) {
            server_.terminate();
            server_.waitForFinished(3000);
        }
        // parec ends with the server; its pipe then reaches end of file.
        if (leser_.joinable())
            leser_.join();
        if (aufnahme_)
            pclose(aufnahme_);
    }

    // From now on the next sound counts.
    void scharf() { ersterTon_.store(0); scharf_.store(true); }
    // When sound started after scharf(), in µs of JetztUs(); 0 while none.
    qint64 ersterTon() const { return ersterTon_.load(); }
    // Waits until the sink has been silent for `stilleMs` (at most `maxMs`).
    bool stille(int stilleMs, int maxMs) const
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < maxMs) {
            if (JetztUs() - letzterTon_.load() > stilleMs * 1000LL)
                return true;
            QThread::msleep(10);
        }
        return false;
    }

private:
    void lesen()
    {
        short block[256];
        size_t n;
        while ((n = fread(block, sizeof(short), 256, aufnahme_)) > 0) {
            int spitze = 0;
            for (size_t i = 0; i < n; ++i)
                spitze = std::max(spitze, std::abs(int(block[i])));
            if (spitze <= Schwelle)
                continue;
            const qint64 jetzt = JetztUs();
            letzterTon_.store(jetzt);
            if (scharf_.exchange(false))
                ersterTon_.store(jetzt);
        }
    }

    QTemporaryDir laufzeit_;
    QTemporaryDir heim_;
    QProcess server_;
    FILE* aufnahme_ = nullptr;
    std::thread leser_;
    std::atomic<bool> scharf_{false};
    std::atomic<qint64> ersterTon_{0};
    std::atomic<qint64> letzterTon_{0};
};

std::unique_ptr<Tonstrecke> strecke;
QString streckeFehler;

// Says text in the list's language and waits, with the event loop running, for its first
// sample; the time in ms, or a negative number when nothing was heard within `maxMs`.
double BisZumTon(const QString& text, const QString& sprache, int maxMs)
{
    strecke->scharf();
    const qint64 t0 = JetztUs();
    lerno::modAussprache::Aussprechen(text, lerno::SprachCode(sprache));
    QElapsedTimer t;
    t.start();
    while (strecke->ersterTon() == 0 && t.elapsed() < maxMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QThread::usleep(200);
    }
    const qint64 t1 = strecke->ersterTon();
    return t1 ? (t1 - t0) / 1000.0 : -1.0;
}

// The voice loaded and warmed by one word; the reason when it cannot be.
bool Warm(QString& fehler)
{
    static int ergebnis = 0; // 0 not tried, 1 warm, -1 failed
    static QString grund;
    if (ergebnis == 0) {
        ergebnis = -1;
        strecke = std::make_unique<Tonstrecke>();
        if (!strecke->starten(grund)) {
            fehler = grund;
            return false;
        }
        lerno::modAussprache::Ausspracheok = true;
        lerno::modAussprache::AusspracheLaden();
        if (!lerno::modAussprache::EngineDa())
            grund = QStringLiteral("no speech engine");
        // Spawning speech-dispatcher and espeak-ng takes seconds the first time.
        else if (BisZumTon(QStringLiteral("hello"), QStringLiteral("Englisch"), 20000) < 0)
            grund = QStringLiteral("the voice was not heard (speech-dispatcher or espeak-ng missing?)");
        else if (!strecke->stille(300, 5000))
            grund = QStringLiteral("the sink never fell silent");
        else
            ergebnis = 1;
    }
    fehler = grund;
    return ergebnis == 1;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

// Words as practice asks for them: one list, so one language, or two lists in turn.
void Messen(benchmark::State& state, const std::vector<std::pair<QString, QString>>& woerter)
{
    QString fehler;
    if (!Warm(fehler)) {
        state.SkipWithError(fehler.toStdString().c_str());
        return;
    }
    std::vector<double> zeiten;
    size_t i = 0;
    for (auto _ : state) {
        // A word that is still sounding would count as the next one's first sample.
        if (!strecke->stille(250, 10000)) {
            state.SkipWithError("the sink never fell silent");
            return;
        }
        const auto& [wort, sprache] = woerter[i++ % woerter.size()];
        const double ms = BisZumTon(wort, sprache, 5000);
        if (ms < 0) {
            state.SkipWithError("a word was not heard within 5 s");
            return;
        }
        state.SetIterationTime(ms / 1000.0);
        zeiten.push_back(ms);
    }
    state.counters["median_ms"] = Median(zeiten);
    state.counters["max_ms"] = *std::max_element(zeiten.begin(), zeiten.end());
}

void BM_AntwortBisTon(benchmark::State& state)
{
    Messen(state, {{"house", "Englisch"}, {"window", "Englisch"}, {"garden", "Englisch"}});
}
BENCHMARK(BM_AntwortBisTon)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// Every word in another language: the voice changes each time.
void BM_AntwortBisTonSprachwechsel(benchmark::State& state)
{
    Messen(state, {{"house", "Englisch"}, {"maison", "Französisch"}});
}
BENCHMARK(BM_AntwortBisTonSprachwechsel)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    strecke.reset();
    return 0;
}
