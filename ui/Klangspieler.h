#pragma once
// The audio side of the sound effects. It lives in a plugin (lerno_klang) that is
// loaded only once the start screen is painted, so the multimedia libraries never
// delay the start.
#include <QString>

class QObject;

namespace lerno {

class Klangspieler {
public:
    virtual ~Klangspieler() = default;
    // Prepares effect 1..6 from a checked WAV file; decoding goes on in the background.
    virtual void laden(int nummer, const QString& pfad) = 0;
    // Starts effect `nummer` (once its decoding is done), cutting off any other effect.
    virtual void spielen(int nummer) = 0;
    virtual bool spieltNoch() const = 0;
    // Effect `nummer` is loaded and there is an audio device to hear it on.
    virtual bool hoerbar(int nummer) const = 0;
};

} // namespace lerno

// The plugin's one entry point. The player belongs to `besitzer` (the application
// object), so it goes before the audio backend's own statics do.
extern "C" {
using KlangspielerErzeugenFn = lerno::Klangspieler* (*)(QObject* besitzer);
}
inline constexpr const char* KlangspielerEinstieg = "LernoKlangspielerErzeugen";
