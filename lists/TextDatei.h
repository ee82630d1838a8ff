#pragma once
// List files are Windows-1252 with CR LF. All decoding and encoding happens here.
#include "lists/DateiErgebnis.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace lerno {

// Decodes one Windows-1252 byte string; every byte value maps to one character.
QString AusCp1252(const QByteArray& bytes);

// Encodes to Windows-1252; nullopt when a character cannot be represented.
std::optional<QByteArray> NachCp1252(const QString& text);

// True when every character of text has a Windows-1252 byte.
bool IstCp1252(const QString& text);
// The code point of the first character of text that a list file cannot hold, checked
// against the encoder's own table (a surrogate pair as one character, a lone surrogate
// as itself); nullopt when the whole text fits.
std::optional<char32_t> ErstesFremdesZeichen(const QString& text);

// Reads all lines (CR LF, a lone LF, or a last line without line end).
// nullopt when the file cannot be opened or read.
std::optional<QStringList> ZeilenLesen(const QString& pfad);

// The whole file as it lies on disk, or why it cannot be opened or read.
DateiWert<QByteArray> BytesLesen(const QString& pfad);

// The lines of a file's bytes, split as ZeilenLesen does.
QStringList ZeilenAus(const QByteArray& bytes);

// Where each line lies in a file's bytes: CR LF or a lone LF ends a line (a CR elsewhere
// belongs to it); endeLaenge counts the bytes that ended it (0 for a last open line).
struct Zeilenstelle {
    qsizetype anfang = 0;
    qsizetype laenge = 0;
    qsizetype endeLaenge = 0;
};
std::vector<Zeilenstelle> ZeilenStellen(const QByteArray& bytes);

// What appending zeilen to a file holding bisher writes: first the line end its last
// line lacks (only LF after a lone CR, CR LF after anything else but LF), then every
// line + CR LF. nullopt when a line is not cp1252.
std::optional<QByteArray> AnhangBytes(const QByteArray& bisher, const QStringList& zeilen);

// Line nummer (from 1), reading only up to it; nullopt on a read error or when the
// file has fewer lines.
std::optional<QString> ZeileLesen(const QString& pfad, qsizetype nummer);

// Number of lines, without decoding; nullopt on a read error.
std::optional<qsizetype> ZeilenZaehlen(const QString& pfad);

// Appends line + CR LF in one write, creating the file when missing.
// Fails when the file cannot be opened or written, or the text is not cp1252 (no cause).
DateiErgebnis ZeileAnhaengen(const QString& pfad, const QString& zeile);

// Appends every line + CR LF in one write, creating the file when missing.
// Nothing is written when one of the lines is not cp1252; a write that fails or stops
// short is cut back to the old length before the failure is returned. A kill during the
// write can still leave part of a large block: batches go through DateiErsetzen.
DateiErgebnis ZeilenAnhaengen(const QString& pfad, const QStringList& zeilen);

// Test seam for the append's write: called with the number of bytes to write, returns
// how many of them go through before the write fails (negative: all of them).
using AnhaengenFehlerHook = std::function<qint64(qint64 laenge)>;
void SetzeAnhaengenFehlerHook(AnhaengenFehlerHook hook);

// Opens for appending and closes again: creates a missing file empty, leaves an existing one alone.
DateiErgebnis DateiAnlegen(const QString& pfad);

} // namespace lerno
