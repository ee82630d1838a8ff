// The voice through Qt TextToSpeech (speech-dispatcher and espeak-ng on Debian); built as
// the plugin lerno_sprache.
#include "ui/Sprecher.h"

#include <QLocale>
#include <QObject>
#include <QTextToSpeech>
#include <QThread>
#include <atomic>

namespace {

// The engine is made and driven on a thread of its own: connecting to speech-dispatcher
// may spawn it and block for seconds, and the window must never wait for that.
class SprecherQt : public QObject, public lerno::Sprecher {
public:
    SprecherQt(const QString& engine, QObject* besitzer) : QObject(besitzer)
    {
        arbeiter_ = new QObject;
        arbeiter_->moveToThread(faden_);
        faden_->start();
        QMetaObject::invokeMethod(arbeiter_, [this, engine] {
            tts_ = new QTextToSpeech(engine, arbeiter_);
            zustand_ = tts_->state() == QTextToSpeech::Error ? Fehler : Bereit;
        }, Qt::QueuedConnection);
    }

    ~SprecherQt() override
    {
        // This runs as the program ends. The engine may still be reaching speech-dispatcher
        // (or hang talking to it): the program must end all the same. The engine goes on its
        // own thread; if that does not finish at once, the thread is left behind, still
        // reachable, and ends with the process.
        QMetaObject::invokeMethod(arbeiter_, [a = arbeiter_] { delete a; }, Qt::QueuedConnection);
        faden_->quit();
        if (faden_->wait(300))
            delete faden_;
        else
            Zurueckgelassen = faden_;
    }

    // While the engine is still being reached, requests queue behind it.
    bool bereit() const override { return zustand_ != Fehler; }

    void sprechen(const QString& text, const QString& code) override
    {
        QMetaObject::invokeMethod(arbeiter_, [this, text, code] {
            if (!tts_ || zustand_ == Fehler)
                return;
            const QLocale locale(code);
            if (locale != tts_->locale())
                tts_->setLocale(locale);
            tts_->stop();
            tts_->say(text);
        }, Qt::QueuedConnection);
    }

private:
    enum { Unterwegs, Bereit, Fehler };
    QThread* faden_ = new QThread;
    static inline QThread* Zurueckgelassen = nullptr;
    QObject* arbeiter_ = nullptr;
    QTextToSpeech* tts_ = nullptr; // lives on *faden_
    std::atomic<int> zustand_{Unterwegs};
};

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
