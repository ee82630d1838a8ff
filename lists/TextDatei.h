#pragma once
// List files are Windows-1252 with CR LF; a list that holds a character Windows-1252 lacks
// is UTF-8 with a byte-order mark, and one copied from elsewhere may be UTF-8 without it.
// All decoding and encoding happens here, and so does the rule when a file turns UTF-8.
#include "lists/DateiErgebnis.h"

#include <QByteArray>
#include <QByteArrayView>
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
// The code point of the first character no list file can hold in any encoding: an
// unpaired surrogate, a private-use or an unassigned code point (noncharacters included).
// A surrogate pair counts as one character. nullopt when the whole text can be stored.
std::optional<char32_t> ErstesUnspeicherbaresZeichen(const QString& text);

// How a file's bytes are text. A UTF-8 byte-order mark makes it UTF-8, and so does valid
// UTF-8 holding at least one non-ASCII character (Windows-1252 text with umlauts is never
// valid UTF-8); everything else is Windows-1252, where both agree for pure ASCII.
enum class Listenkodierung { Cp1252, Utf8, Utf8MitMarke };
Listenkodierung KodierungErkennen(QByteArrayView bytes);

// Bytes a file in that encoding begins with: the mark, or nothing.
QByteArrayView Kopf(Listenkodierung k);

// One line's bytes (without line end or mark) as text. In UTF-8, a byte that is no UTF-8
// (a damaged list with the mark) is kept as a lone surrogate (lists/Utf8Roh.h).
QString Dekodieren(QByteArrayView bytes, Listenkodierung k);

// Text as bytes of that encoding, kept bytes as they were; nullopt when Windows-1252
// cannot hold a character or a lone surrogate stands for no byte.
std::optional<QByteArray> Kodieren(const QString& text, Listenkodierung k);

// A whole file of lines in that encoding: the mark (if any), then every line + CR LF.
// nullopt when a line cannot be encoded.
std::optional<QByteArray> DateiInhalt(const QStringList& zeilen, Listenkodierung k);

// Reads all lines (CR LF, a lone LF, or a last line without line end), decoded in the
// file's own encoding. nullopt when the file cannot be opened or read.
std::optional<QStringList> ZeilenLesen(const QString& pfad);

// The whole file as it lies on disk, or why it cannot be opened or read.
DateiWert<QByteArray> BytesLesen(const QString& pfad);

// The lines of a file's bytes, split and decoded as ZeilenLesen does.
QStringList ZeilenAus(const QByteArray& bytes);

// Where each line lies in a file's bytes: CR LF or a lone LF ends a line (a CR elsewhere
// belongs to it); endeLaenge counts the bytes that ended it (0 for a last open line).
// A UTF-8 mark at the start belongs to no line.
struct Zeilenstelle {
    qsizetype anfang = 0;
    qsizetype laenge = 0;
    qsizetype endeLaenge = 0;
};
std::vector<Zeilenstelle> ZeilenStellen(const QByteArray& bytes);

// What appending zeilen to a file holding bisher writes: first the line end its last
// line lacks (only LF after a lone CR, CR LF after anything else but LF), then every
// line + CR LF, in bisher's encoding; a file that is empty or holds only ASCII takes
// `sonst` (a mark only at the start of an empty file). nullopt when a line cannot be
// encoded so.
std::optional<QByteArray> AnhangBytes(const QByteArray& bisher, const QStringList& zeilen,
                                      Listenkodierung sonst = Listenkodierung::Cp1252);

// A file's bytes as UTF-8 with mark: every line decoded in the file's encoding and
// encoded again, each keeping the line end it had. A UTF-8 file comes back as it is.
QByteArray AlsUtf8(const QByteArray& bytes);

// Appends zeilen to a file's content held in inhalt, as AnhangBytes does. A Windows-1252
// content (ASCII included) is first rewritten whole as UTF-8 with mark (AlsUtf8) when a
// line holds a character Windows-1252 lacks, or when sonst is Utf8MitMarke (a stage list
// follows its main list). False, with inhalt unchanged, only for a line no encoding holds.
bool InhaltErweitern(QByteArray& inhalt, const QStringList& zeilen,
                     Listenkodierung sonst = Listenkodierung::Cp1252);

// Line nummer (from 1), reading only up to it while it is ASCII (then both encodings
// agree); nullopt on a read error or when the file has fewer lines.
std::optional<QString> ZeileLesen(const QString& pfad, qsizetype nummer);

// Number of lines, without decoding; nullopt on a read error.
std::optional<qsizetype> ZeilenZaehlen(const QString& pfad);

// Appends line + CR LF in one write, creating the file when missing, in the file's own
// encoding; a Windows-1252 file turns UTF-8 with mark when the line needs it (see
// ZeilenAnhaengen). Fails when the file cannot be opened or written, or the text cannot be
// stored at all (no cause).
DateiErgebnis ZeileAnhaengen(const QString& pfad, const QString& zeile);

// Appends every line + CR LF in one write, creating the file when missing. When a line
// needs a character a Windows-1252 file lacks, the file is instead replaced whole
// (DateiErsetzen) by its content as UTF-8 with mark and the new lines (InhaltErweitern).
// Nothing is written when a line cannot be stored at all; a write that
// fails or stops short is cut back to the old length before the failure is returned. A kill during the
// write can still leave part of a large block: batches go through DateiErsetzen.
DateiErgebnis ZeilenAnhaengen(const QString& pfad, const QStringList& zeilen);

// Test seam for the append's write: called with the number of bytes to write, returns
// how many of them go through before the write fails (negative: all of them).
using AnhaengenFehlerHook = std::function<qint64(qint64 laenge)>;
void SetzeAnhaengenFehlerHook(AnhaengenFehlerHook hook);

// Opens for appending and closes again: creates a missing file empty, leaves an existing one alone.
DateiErgebnis DateiAnlegen(const QString& pfad);

} // namespace lerno
