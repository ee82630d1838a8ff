// The voice through Qt TextToSpeech (speech-dispatcher and espeak-ng on Debian); built as
// the plugin lerno_sprache.
#include "ui/Sprecher.h"

#include <QLocale>
#include <QObject>
#include <QTextToSpeech>
#include <QThread>
#include <atomic>
#include <memory>
#include <mutex>

namespace {

enum { Unterwegs, Bereit, Fehler };

class SprecherQt;

// What the engine's thread works with. It is shared rather than owned by the voice: at the
// program's end that thread may be left behind still reaching speech-dispatcher, and must
// then find nothing freed under it.
struct Geteilt {
    std::atomic<int> zustand{Unterwegs};
    QTextToSpeech* tts = nullptr; // made, used and deleted on the engine's thread only
    std::mutex mutex;
    SprecherQt* stimme = nullptr; // under mutex; null once the voice is gone
};

// The engine failed: from now on requests are dropped, and the voice says so once, on the
// main thread (a queued call dies with its target, so a voice deleted meanwhile is fine).
void Ausfall(const std::shared_ptr<Geteilt>& g);

// The engine is made and driven on a thread of its own: connecting to speech-dispatcher
// may spawn it and block for seconds, and the window must never wait for that.
class SprecherQt : public QObject, public lerno::Sprecher {
public:
    SprecherQt(const QString& engine, QObject* besitzer) : QObject(besitzer)
    {
        geteilt_->stimme = this;
        arbeiter_->moveToThread(faden_);
        faden_->start();
        QMetaObject::invokeMethod(arbeiter_, [g = geteilt_, a = arbeiter_, engine] {
            g->tts = new QTextToSpeech(engine, a);
            QObject::connect(g->tts, &QTextToSpeech::stateChanged, a, [g](QTextToSpeech::State s) {
                if (s == QTextToSpeech::Error)
                    Ausfall(g);
            });
            if (g->tts->state() == QTextToSpeech::Error)
                Ausfall(g);
            else
                g->zustand.store(Bereit);
        }, Qt::QueuedConnection);
    }

    ~SprecherQt() override
    {
        {
            std::lock_guard sperre(geteilt_->mutex);
            geteilt_->stimme = nullptr;
        }
        // This runs as the program ends. The engine may still be reaching speech-dispatcher
        // (or hang talking to it): the program must end all the same. If the thread does not
        // finish at once, it is left behind, still reachable, and ends with the process.
        // Once it has finished the engine is deleted from here: the voice goes with the
        // application object, when a delete queued to the thread would never be run.
        faden_->quit();
        if (faden_->wait(300)) {
            delete arbeiter_;
            delete faden_;
        } else {
            Zurueckgelassen = faden_;
        }
    }

    // While the engine is still being reached, requests queue behind it.
    bool bereit() const override { return geteilt_->zustand.load() != Fehler; }

    void sprechen(const QString& text, const QString& code) override
    {
        QMetaObject::invokeMethod(arbeiter_, [g = geteilt_, text, code] {
            if (!g->tts || g->zustand.load() == Fehler)
                return;
            // Changing the voice costs a round trip to speech-dispatcher; most words keep it.
            const QLocale locale(code);
            if (locale != g->tts->locale())
                g->tts->setLocale(locale);
            g->tts->stop();
            g->tts->say(text);
            if (g->tts->state() == QTextToSpeech::Error)
                Ausfall(g);
        }, Qt::QueuedConnection);
    }

    void ausfallMelden()
    {
        if (ausgefallen)
            ausgefallen();
    }

private:
    std::shared_ptr<Geteilt> geteilt_ = std::make_shared<Geteilt>();
    QThread* faden_ = new QThread;
    static inline QThread* Zurueckgelassen = nullptr;
    QObject* arbeiter_ = new QObject;
};

void Ausfall(const std::shared_ptr<Geteilt>& g)
{
    if (g->zustand.exchange(Fehler) == Fehler)
        return;
    std::lock_guard sperre(g->mutex);
    if (SprecherQt* stimme = g->stimme)
        QMetaObject::invokeMethod(stimme, [stimme] { stimme->ausfallMelden(); }, Qt::QueuedConnection);
}

} // namespace

extern "C" Q_DECL_EXPORT lerno::Sprecher* LernoSprecherErzeugen(QObject* besitzer)
{
    const QStringList engines = QTextToSpeech::availableEngines();
    if (engines.isEmpty())
        return nullptr;
    // speech-dispatcher speaks offline through espeak-ng; any other engine is a fallback.
    return new SprecherQt(engines.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : engines.first(),
                          besitzer);
}
