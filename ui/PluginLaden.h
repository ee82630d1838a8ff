#pragma once
// lerno's plugins (the audio player, the voice) are loaded only after the start screen is
// painted. Each lies beside the program once installed; tests and benchmarks run from other
// folders and find it where the build put it.
#include <QString>
#include <QtGlobal>

namespace lerno {

// The entry point `einstieg` of the plugin file `datei` beside the program or, failing that,
// at `baupfad` (may be null); nullptr when neither has it. The library stays loaded: the
// objects made through the entry point live in its code.
QFunctionPointer PluginEinstieg(const QString& datei, const char* baupfad, const char* einstieg);

// Whether the plugin file is there (beside the program or at baupfad), without loading it.
bool PluginVorhanden(const QString& datei, const char* baupfad);

template <typename Fn>
Fn PluginEinstieg(const QString& datei, const char* baupfad, const char* einstieg)
{
    return reinterpret_cast<Fn>(PluginEinstieg(datei, baupfad, einstieg));
}

} // namespace lerno
