#pragma once
// The shared file operations of the list handling. None of them shows a message:
// the calling window turns a failure into the German report.
#include "lists/DateiErgebnis.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <optional>

namespace lerno {

// Mode 1: append unless the file holds a line with the same record key (the file must exist).
// Mode 2: append (the file is created when missing). Other modes: nothing.
DateiErgebnis ZeileAnfuegen(const QString& zeile, const QString& datei, int modus);

// Afterwards no file of that name exists; a missing file is no error, a missing folder
// is. Deletes directly: emptying first would lose the list if the delete then failed.
DateiErgebnis DateiLoeschen(const QString& pfad);

// Renames source to target; fails when the source is missing or the target exists.
bool DateiUmbenennen(const QString& quelle, const QString& ziel);

// What mode 1 compares: the record key, or for a line shorter than four characters
// the whole line, kept apart from every real key.
QString VergleichsSchluessel(const QString& zeile);

// The comparison keys of every line of datei, read once; nullopt on a read error.
std::optional<QSet<QString>> SchluesselLesen(const QString& datei);

} // namespace lerno
