// The voice through speech-dispatcher's own client library (espeak-ng behind it on Debian);
// built as the plugin lerno_sprache. It asks for a list's language directly and never for
// the list of every voice (some two thousand with espeak-ng), so a connection costs
// milliseconds and writes nothing to speech-dispatcher's log.
#include "ui/Sprecher.h"

#include <QByteArray>
#include <QObject>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <signal.h>
#include <thread>

#include <libspeechd.h>

namespace {

enum { Unterwegs, Bereit, Fehler };

class SprecherSpd;

struct Auftrag {
    QByteArray text;
    QByteArray code;
};

// What the voice's thread works with. Shared rather than owned by the voice: at the end of
// the program that thread may still wait for a speech-dispatcher that does not answer, and
// is then left behind with nothing freed under it.
struct Geteilt {
    std::mutex mutex;
    std::condition_variable wecker;
    std::optional<Auftrag> naechster; // only the latest request counts
    bool ende = false;
    bool fertig = false;              // the thread has closed its connection
    std::atomic<int> zustand{Unterwegs};
    SprecherSpd* stimme = nullptr;    // under mutex; null once the voice is gone
};

void Ausfall(const std::shared_ptr<Geteilt>& g);

// The message being said, 0 when the voice is silent. Set by the library's event thread;
// one connection per program, so a plain global serves its C callbacks.
std::atomic<size_t> Laufend{0};

void Verklungen(size_t nachricht, size_t, SPDNotificationType)
{
    size_t erwartet = nachricht;
    Laufend.compare_exchange_strong(erwartet, 0);
}

// Connects, then says one request after the other; runs until the voice ends it.
void Laufen(std::shared_ptr<Geteilt> g)
{
    // A write to a speech-dispatcher that went away must fail, not end the program.
    sigset_t sperren;
    sigemptyset(&sperren);
    sigaddset(&sperren, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &sperren, nullptr);

    char* fehler = nullptr;
    // Starts speech-dispatcher when it is not running yet (that may take a second or two).
    SPDConnection* verbindung = spd_open2("lerno", "worte", nullptr, SPD_MODE_THREADED, nullptr, 1, &fehler);
    std::free(fehler);
    if (verbindung) {
        // Told when a word has been said, so a new word cancels only one still sounding:
        // a cancel costs the next word a noticeable pause.
        verbindung->callback_end = Verklungen;
        verbindung->callback_cancel = Verklungen;
        spd_set_notification_on(verbindung, SPD_END);
        spd_set_notification_on(verbindung, SPD_CANCEL);
        g->zustand.store(Bereit);
    } else {
        Ausfall(g);
    }

    QByteArray sprache;
    for (;;) {
        std::unique_lock sperre(g->mutex);
        g->wecker.wait(sperre, [&] { return g->ende || g->naechster; });
        if (g->ende)
            break;
        const Auftrag a = *std::exchange(g->naechster, std::nullopt);
        sperre.unlock();
        if (!verbindung)
            continue;
        // Changing the language costs a round trip; most words keep it.
        bool ok = a.code == sprache || spd_set_language(verbindung, a.code.constData()) == 0;
        sprache = ok ? a.code : QByteArray();
        // A new word cuts off the one still being said.
        if (ok && Laufend.load() != 0)
            ok = spd_cancel(verbindung) == 0;
        const int nachricht = ok ? spd_say(verbindung, SPD_TEXT, a.text.constData()) : -1;
        ok = nachricht >= 0;
        if (ok)
            Laufend.store(size_t(nachricht));
        if (!ok) {
            spd_close(verbindung);
            verbindung = nullptr;
            Ausfall(g);
        }
    }
    if (verbindung)
        spd_close(verbindung);
    std::lock_guard sperre(g->mutex);
    g->fertig = true;
    g->wecker.notify_all();
}

class SprecherSpd : public QObject, public lerno::Sprecher {
public:
    explicit SprecherSpd(QObject* besitzer) : QObject(besitzer)
    {
        geteilt_->stimme = this;
        // Detached: the program's end never waits for it longer than the destructor says.
        std::thread(Laufen, geteilt_).detach();
    }

    ~SprecherSpd() override
    {
        std::unique_lock sperre(geteilt_->mutex);
        geteilt_->stimme = nullptr;
        geteilt_->ende = true;
        geteilt_->wecker.notify_all();
        // This runs as the program ends. A speech-dispatcher that does not answer (stopped,
        // hanging) must not hold it up: at most 300 ms, then the thread is left behind and
        // ends with the process.
        geteilt_->wecker.wait_for(sperre, std::chrono::milliseconds(300), [this] { return geteilt_->fertig; });
    }

    // While speech-dispatcher is still being reached, requests wait for it.
    bool bereit() const override { return geteilt_->zustand.load() != Fehler; }

    void sprechen(const QString& text, const QString& code) override
    {
        if (geteilt_->zustand.load() == Fehler)
            return;
        std::lock_guard sperre(geteilt_->mutex);
        geteilt_->naechster = Auftrag{text.toUtf8(), code.toUtf8()};
        geteilt_->wecker.notify_all();
    }

    void ausfallMelden()
    {
        if (ausgefallen)
            ausgefallen();
    }

private:
    std::shared_ptr<Geteilt> geteilt_ = std::make_shared<Geteilt>();
};

// The engine failed: requests are dropped from now on, and the voice says so once, on the
// main thread (a queued call dies with its target, so a voice deleted meanwhile is fine).
void Ausfall(const std::shared_ptr<Geteilt>& g)
{
    if (g->zustand.exchange(Fehler) == Fehler)
        return;
    std::lock_guard sperre(g->mutex);
    if (SprecherSpd* stimme = g->stimme)
        QMetaObject::invokeMethod(stimme, [stimme] { stimme->ausfallMelden(); }, Qt::QueuedConnection);
}

} // namespace

extern "C" Q_DECL_EXPORT lerno::Sprecher* LernoSprecherErzeugen(QObject* besitzer)
{
    return new SprecherSpd(besitzer);
}
