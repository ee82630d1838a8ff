#pragma once
// The voice behind the pronunciation. It lives in a plugin (lerno_sprache, Qt TextToSpeech)
// loaded only once the start screen is painted, so the speech libraries never delay the start.
#include <QString>
#include <functional>

class QObject;

namespace lerno {

class Sprecher {
public:
    virtual ~Sprecher() = default;
    // An engine answered: speech can be heard.
    virtual bool bereit() const = 0;
    // Says text in the voice for the locale code ("en", "fr"), cutting off what it still says.
    virtual void sprechen(const QString& text, const QString& code) = 0;

    // Set by whoever loaded the voice. The plugin calls it on the main thread when its
    // engine fails after it was made (speech-dispatcher gone or refusing); bereit() is false
    // from then on and requests are dropped at once.
    std::function<void()> ausgefallen;
};

} // namespace lerno

// The plugin's one entry point; the voice belongs to `besitzer` (the application object).
// nullptr when no speech engine is installed.
extern "C" {
using SprecherErzeugenFn = lerno::Sprecher* (*)(QObject* besitzer);
}
inline constexpr const char* SprecherEinstieg = "LernoSprecherErzeugen";
