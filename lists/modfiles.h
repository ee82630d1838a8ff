#pragma once
// The shared file operations of the list handling. None of them shows a message:
// the calling window turns a false result into the German report.
#include <QByteArray>
#include <QString>

namespace lerno {

// Mode 1: append unless the file holds a line with the same record key (the file must exist).
// Mode 2: append (the file is created when missing). Other modes: nothing.
// False on a file error.
bool ZeileAnfuegen(const QString& zeile, const QString& datei, int modus);

// Afterwards no file of that name exists; a missing file is no error.
// Deletes directly: emptying first would lose the list if the delete then failed.
bool DateiEntfernen(const QString& pfad);

// Renames source to target; fails when the source is missing or the target exists.
bool DateiUmbenennen(const QString& quelle, const QString& ziel);

} // namespace lerno
