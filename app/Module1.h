#pragma once
// The sound effects. All six are loaded once; a new effect stops the one still playing.
// A missing or broken file, or no audio device, is silent and never reported.
#include <QString>
#include <functional>

namespace lerno::Module1 {

// File name of sound 1..6, as it lies in the program folder; empty for other numbers.
QString SoundDatei(int nummer);

// Plays sound 1..6 asynchronously when frmStart::Soundok is true. Number 7 (asked for
// by two test grades) plays sound 4; other numbers play nothing.
void SoundAbspielen(int nummer);

// Loads the six effects from the program folder; called once at start-up.
void SoundsLaden();

// True while an effect is still sounding.
bool SpieltNoch();

// How long effect 1..6, just started, can still be heard, in ms: its playing time when
// sound is on, the effect is loaded and there is an audio device; otherwise 0.
int Nachklang(int nummer);

// Test seam: when set, requests that pass the Soundok check go here instead of the
// audio device (the real effects are then never loaded).
using SoundBeobachter = std::function<void(int nummer)>;
void SetzeSoundBeobachter(SoundBeobachter beobachter);

} // namespace lerno::Module1
