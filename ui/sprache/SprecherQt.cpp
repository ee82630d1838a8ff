// The voice through Qt TextToSpeech (speech-dispatcher and espeak-ng on Debian); built as
// the plugin lerno_sprache.
#include "ui/Sprecher.h"

#include <QLocale>
#include <QObject>
#include <QTextToSpeech>

namespace {

class SprecherQt : public QObject, public lerno::Sprecher {
public:
    SprecherQt(const QString& engine, QObject* besitzer) : QObject(besitzer), tts_(engine, this) {}

    bool bereit() const override { return tts_.state() != QTextToSpeech::Error; }

    void sprechen(const QString& text, const QString& code) override
    {
        if (!bereit())
            return;
        const QLocale locale(code);
        if (locale != tts_.locale())
            tts_.setLocale(locale);
        tts_.stop();
        tts_.say(text);
    }

private:
    QTextToSpeech tts_;
};

} // namespace

extern "C" Q_DECL_EXPORT lerno::Sprecher* LernoSprecherErzeugen(QObject* besitzer)
{
    const QStringList engines = QTextToSpeech::availableEngines();
    if (engines.isEmpty())
        return nullptr;
    // speech-dispatcher speaks offline through espeak-ng; any other engine is a fallback.
    auto* s = new SprecherQt(engines.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : engines.first(),
                             besitzer);
    if (!s->bereit()) {
        delete s;
        return nullptr;
    }
    return s;
}
