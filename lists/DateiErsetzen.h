#pragma once
// Crash-safe replacement of a list file: the new content is written completely to a
// temporary file in the same folder, flushed, and renamed over the old name in one step.
// At every instant the old or the new file exists, whole.
#include "lists/DateiErgebnis.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace lerno {

enum class ErsetzenSchritt { Oeffnen, Schreiben, Flushen, Umbenennen };

// Every function here hands back why it failed (FehlerUrsache).

// Test seam: when set, called before each step; returning false makes that step fail,
// with the errno the hook set (EIO when it set none) as its cause.
using ErsetzenFehlerHook = std::function<bool(ErsetzenSchritt)>;
void SetzeErsetzenFehlerHook(ErsetzenFehlerHook hook);

// Replaces ziel by inhalt. On any failure ziel is unchanged and no temporary file is
// left behind.
DateiErgebnis DateiErsetzen(const QString& ziel, const QByteArray& inhalt);

// The two halves of DateiErsetzen, for changes of several files that must all be written
// before any of them is renamed: ErsetzenVorbereiten writes inhalt completely to a new
// temporary beside ziel and returns its path (on failure nothing is left behind);
// ErsetzenAbschliessen renames it over ziel (on failure ziel is unchanged and the
// temporary removed). A temporary not wanted after all goes with ErsetzenVerwerfen.
DateiWert<QString> ErsetzenVorbereiten(const QString& ziel, const QByteArray& inhalt);
DateiErgebnis ErsetzenAbschliessen(const QString& ziel, const QString& temporaer);
void ErsetzenVerwerfen(const QString& temporaer);

// The temporaries are "." + the target's file name + "." + six letters or digits. For
// such a name, the target's file name; empty for any other name.
QString ErsetzenZiel(const QString& dateiname);

// Replaces ziel by the file quelle (already complete on disk) in one rename step; quelle
// takes ziel's permissions first. On failure ziel is unchanged.
DateiErgebnis DateiErsetzenDurch(const QString& ziel, const QString& quelle);

// Writes all of daten to the open file descriptor fd, going on after a short write or an
// interrupted call. False, with errno telling why, when a write fails.
bool AllesSchreiben(int fd, QByteArrayView daten);

// Writes a scratch file from scratch (a stale one is emptied first), to be handed to
// DateiErsetzenDurch; the hook sees Oeffnen and Schreiben. On failure the scratch file
// is removed.
DateiErgebnis HilfsdateiSchreiben(const QString& pfad, const QByteArray& inhalt);

} // namespace lerno
