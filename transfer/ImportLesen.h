#pragma once
// Reading word pairs out of files other programs wrote: CSV/TSV from spreadsheets and
// KVTML 2.0 vocabulary files. Nothing here touches a list; every pair that a list
// could not hold unchanged is set aside with its reason instead.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <optional>

namespace lerno {

// One pair as found in the file; stelle is the line (CSV) or entry (KVTML) number from 1.
struct ImportPaar {
    int stelle = 0;
    QString Vokabel;
    QString Bedeutung;
};

struct Ausgelassen {
    int stelle = 0;
    QString grund; // German, e.g. "enthält das Zeichen „#“"
};

struct ImportInhalt {
    QList<ImportPaar> paare;
    QList<Ausgelassen> ausgelassen;
    bool eintraege = false; // numbered by KVTML entries rather than lines
};

enum class Kodierung { Utf8MitBom, Utf8, Windows1252, Utf16LE, Utf16BE, MacRoman };

// By BOM (UTF-8, UTF-16 LE/BE); else UTF-8 when the bytes are valid UTF-8 or hold more
// valid multi-byte characters than invalid bytes (a few stray bytes do not make a UTF-8
// file Windows-1252); else Windows-1252. Mac Roman is never guessed, only chosen.
Kodierung KodierungErkennen(const QByteArray& bytes);

// Tab, semicolon or comma: the first of these found outside quotes in the first
// non-empty line, in that order of preference; comma when none is there.
char TrennzeichenErkennen(const QByteArray& bytes);
QChar TrennzeichenErkennen(QStringView text);

// One pair as read at stelle: invisible format characters (UnsichtbaresEntfernen) are
// removed, then the pair goes into inhalt.paare if PaarPruefen accepts it, else into
// inhalt.ausgelassen with PaarMeldung's reason.
void ImportPaarAufnehmen(ImportInhalt& inhalt, int stelle, const QString& vokabel, const QString& bedeutung);
// The same for one pair: the pair, or nullopt with the reason in grund.
std::optional<ImportPaar> ImportPaarPruefen(int stelle, const QString& vokabel, const QString& bedeutung,
                                            QString* grund);

// False for what is no text file: NUL bytes, or more than one byte in twenty a control
// byte (or, in a file that is no UTF-8, a byte Windows-1252 leaves undefined).
bool IstTextdatei(const QByteArray& bytes);

// CSV/TSV (RFC 4180 quoting) into pairs with every setting detected (see ImportTabelle.h).
// Every line is a pair, part of one, blank, the header, or reported with its reason; a
// quote that never closes is reported with its line, and reading goes on after it.
ImportInhalt CsvLesen(const QByteArray& bytes);

// The parts of a KVTML 2.0 document Lerno uses: its languages in file order and,
// per entry, the text of each translation by identifier.
struct KvtmlSprache {
    QString id;
    QString name; // as the file names it; empty when it gives none
    bool deutsch = false; // locale "de…" or name "Deutsch"/"German"
    QString locale; // KVTML 2's <locale> ("en", "fr_FR"); empty when it gives none
};
struct KvtmlDokument {
    QList<KvtmlSprache> sprachen;
    QList<QMap<QString, QString>> eintraege;
};
std::optional<KvtmlDokument> KvtmlZerlegen(const QByteArray& bytes, QString* fehler = nullptr);

// KVTML 1.0 and 2: the German identifier gives the meaning, the first other one the word.
// nullopt with a German reason when the file is not a readable KVTML document (also
// when a translation's text nests deeper than any vocabulary file does).
std::optional<ImportInhalt> KvtmlLesen(const QByteArray& bytes, QString* fehler = nullptr);

// Reads the file and picks the reader by its ending (".kvtml", else CSV/TSV).
// nullopt with a German reason when the file cannot be read or is no text file.
std::optional<ImportInhalt> ImportDateiLesen(const QString& pfad, QString* fehler = nullptr);

// The file's bytes when it is readable, not too large and a text file; else nullopt with
// a German reason.
std::optional<QByteArray> ImportBytesLesen(const QString& pfad, QString* fehler = nullptr);

} // namespace lerno
