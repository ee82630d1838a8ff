#pragma once
// Crash-safe replacement of a list file: the new content is written completely to a
// temporary file in the same folder, flushed, and renamed over the old name in one step.
// At every instant the old or the new file exists, whole.
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace lerno {

enum class ErsetzenSchritt { Oeffnen, Schreiben, Flushen, Umbenennen };

// Every function here that returns false leaves errno telling why (FehlerUrsache).

// Test seam: when set, called before each step; returning false makes that step fail,
// with the errno the hook set (EIO when it set none).
using ErsetzenFehlerHook = std::function<bool(ErsetzenSchritt)>;
void SetzeErsetzenFehlerHook(ErsetzenFehlerHook hook);

// Replaces ziel by inhalt. False on any failure; ziel is then unchanged and no
// temporary file is left behind.
bool DateiErsetzen(const QString& ziel, const QByteArray& inhalt);

// The two halves of DateiErsetzen, for changes of several files that must all be written
// before any of them is renamed: ErsetzenVorbereiten writes inhalt completely to a new
// temporary beside ziel and returns its path (nullopt on failure, nothing left behind);
// ErsetzenAbschliessen renames it over ziel (false on failure: ziel unchanged, the
// temporary removed). A temporary not wanted after all goes with ErsetzenVerwerfen.
std::optional<QString> ErsetzenVorbereiten(const QString& ziel, const QByteArray& inhalt);
bool ErsetzenAbschliessen(const QString& ziel, const QString& temporaer);
void ErsetzenVerwerfen(const QString& temporaer);

// The temporaries are "." + the target's file name + "." + six letters or digits. For
// such a name, the target's file name; empty for any other name.
QString ErsetzenZiel(const QString& dateiname);

// Replaces ziel by the file quelle (already complete on disk) in one rename step; quelle
// takes ziel's permissions first. False on failure; ziel is then unchanged.
bool DateiErsetzenDurch(const QString& ziel, const QString& quelle);

// Writes a scratch file from scratch (a stale one is emptied first), to be handed to
// DateiErsetzenDurch; the hook sees Oeffnen and Schreiben. On failure the scratch file
// is removed.
bool HilfsdateiSchreiben(const QString& pfad, const QByteArray& inhalt);

} // namespace lerno
