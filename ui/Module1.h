#pragma once
// The sound effects. All six are loaded once, after the start screen is painted; a new
// effect stops the one still playing. A missing or broken file, a missing audio plugin
// or no audio device is silent and never reported.
#include <QString>
#include <functional>

namespace lerno {
class Klangspieler;
}

namespace lerno::Module1 {

// The six effects, named by their sound files; the value is the effect's number.
enum class Klang : int { Applaus = 1, Wusch = 2, Richtig = 3, Falsch = 4, Aus = 5, Tusch = 6 };

// File name of sound 1..6, as it lies in the program folder; empty for other numbers.
QString SoundDatei(int nummer);

// Sound effects on; switched on by the start-up and by the start screen's menu.
inline bool Soundok = false;

// Plays sound 1..6 asynchronously when Soundok is true. Number 7 (asked for
// by two test grades) plays sound 4; other numbers play nothing.
void SoundAbspielen(int nummer);
inline void SoundAbspielen(Klang klang) { SoundAbspielen(static_cast<int>(klang)); }

// Loads the audio plugin and the six effects from the program folder, now. A request
// that came in before is played once its effect is decoded.
void SoundsLaden();

// Loads them in a later turn of the event loop (once); returns at once. The start
// screen calls this after its first paint; a request before that schedules it too.
void SoundsVorbereiten();

// True while an effect is still sounding.
bool SpieltNoch();

// How long effect 1..6, just started, can still be heard, in ms: its playing time when
// sound is on, the effect is loaded and there is an audio device; otherwise 0.
int Nachklang(int nummer);
inline int Nachklang(Klang klang) { return Nachklang(static_cast<int>(klang)); }

// Test seam: when set, requests that pass the Soundok check go here instead of the
// audio device (the real effects are then never loaded).
using SoundBeobachter = std::function<void(int nummer)>;
void SetzeSoundBeobachter(SoundBeobachter beobachter);

// Test seam: where SoundsLaden gets its player from (default: the lerno_klang plugin).
// Resetting it also forgets the loaded player.
using KlangspielerFabrik = std::function<Klangspieler*()>;
void SetzeKlangspielerFabrik(KlangspielerFabrik fabrik);

} // namespace lerno::Module1
