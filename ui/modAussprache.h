#pragma once
// Pronunciation of foreign words. The voice is loaded once, when the first window that can
// speak opens (practice, editor: they call AusspracheVorbereiten), never at start; without a
// speech engine (package missing, no speech-dispatcher, no audio) every request is silent and
// nothing waits, and the program's end never waits for it longer than about 300 ms.
// Independent of the sound effects (Module1::Soundok).
#include <QString>
#include <functional>

class QObject;

namespace lerno {
class Sprecher;
}

namespace lerno::modAussprache {

// Pronunciation switched on; not remembered between runs. The start screen's menu sets it.
inline bool Ausspracheok = true;

// Says text in the voice of the language code ("en", "fr"; callers take it from the list's
// language) when Ausspracheok is true, a voice is there and both are non-empty. A request before the voice
// is loaded is said once it is (the latest only).
void Aussprechen(const QString& text, const QString& code);

// Loads the voice now.
void AusspracheLaden();

// Loads it in a later turn of the event loop (once); returns at once. Every window that can
// speak calls this from its constructor, so the voice is connected by its first word.
void AusspracheVorbereiten();

// The voice is loaded (whether or not an engine was found).
bool Geladen();

// Speech can be switched on: before loading, when the voice plugin is installed; after,
// when its engine answered (and has not failed since).
bool EngineDa();

// Calls f (while kontext lives) once the voice is loaded, at once when it already is, and
// again when its engine fails later (EngineDa() turns false).
void WennGeladen(QObject* kontext, std::function<void()> f);

// Test seam: when set, requests that pass the checks go here (text and voice code)
// instead of a voice, and an engine counts as found.
using AussprachBeobachter = std::function<void(const QString& text, const QString& code)>;
void SetzeAussprachBeobachter(AussprachBeobachter beobachter);

// Test seam: where AusspracheLaden gets its voice from (default: the lerno_sprache plugin).
// Resetting it also forgets the loaded voice.
using SprecherFabrik = std::function<Sprecher*()>;
void SetzeSprecherFabrik(SprecherFabrik fabrik);

} // namespace lerno::modAussprache
