#pragma once
// Checks that a file is a complete PCM WAV before it is handed to the audio backend:
// Qt 6.4's QSoundEffect never leaves its loading state for an empty or truncated WAV,
// and its destructor then blocks the process at exit.
#include <QByteArray>
#include <QString>

namespace lerno {

// True for RIFF/WAVE with a PCM fmt chunk (8 or 16 bit, 1 or 2 channels) and a
// non-empty data chunk that lies wholly inside the file.
bool IstAbspielbaresWav(const QByteArray& inhalt);
bool IstAbspielbaresWavDatei(const QString& pfad);

// Playing time of a playable WAV in milliseconds; 0 for anything else.
int WavDauerMs(const QByteArray& inhalt);
int WavDateiDauerMs(const QString& pfad);

} // namespace lerno
