#pragma once
// A file from elsewhere in two steps: first its rows and columns as read, with the
// settings detected for it (encoding, separator, header, which column is which), then
// the pairs for whatever settings the pupil confirms. The preview shows the first step;
// the import stores the second.
#include "transfer/ImportLesen.h"

#include <QStringList>
#include <functional>

namespace lerno {

struct ImportZeile {
    int stelle = 0; // line (CSV) or entry (KVTML) number from 1
    int erstes = 0; // index of its first cell in ImportTabelle::felder
};

// Where a cell's text stands: in ImportTabelle::text, or (negative von, -1 for 0) in
// ImportTabelle::geaendert for a cell that had to be changed while read.
struct ImportFeld {
    qint32 von = 0;
    qint32 laenge = 0;
};

// The text is kept once, as UTF-8 (for a UTF-8 file the file's own bytes), and each cell
// is a place in it: a large file then takes little more memory than its own size.
struct ImportTabelle {
    QList<ImportZeile> zeilen;       // only rows that held something
    QList<ImportFeld> felder;        // the cells of all rows, row after row
    QByteArray text;
    QByteArray geaendert;            // unquoted cells and cells whose line breaks became LF
    QStringList titel;               // KVTML language names or an Anki "#columns:" line
    QStringList kennungen;           // KVTML language identifiers ("en"), one per column
    int spalten = 0;                 // widest row
    QList<Ausgelassen> fehler;       // rows that could not be read at all (open quote)
    bool eintraege = false;          // numbered by KVTML entries

    qsizetype Zeilen() const { return zeilen.size(); }
    int Stelle(qsizetype zeile) const { return zeilen[zeile].stelle; }
    int Felder(qsizetype zeile) const;
    // Empty when the row has no such column.
    QString Zelle(qsizetype zeile, int spalte) const;
    QStringList Zeile(qsizetype zeile) const;
    // Appends a row of cells given as text (KVTML).
    void ZeileAnhaengen(int stelle, const QStringList& zellen);
};

struct ImportEinstellungen {
    Kodierung kodierung = Kodierung::Utf8;
    QChar trenner = u';';
    bool kopfzeile = false;  // the first row is column titles, not a pair
    bool html = false;       // fields are HTML: tags removed, entities decoded
    int wortSpalte = 0;
    int bedeutungSpalte = 1;
};

// The file as the preview shows it, ready to be read again with other settings.
struct ImportVorlage {
    QByteArray bytes;
    bool kvtml = false;
    ImportTabelle tabelle;
    ImportEinstellungen einstellungen;
};

// Called now and then while a file is read, with the part done of the whole; false stops
// the reading (the pupil cancelled), and nothing is returned.
using ImportFortschritt = std::function<bool(qint64 erledigt, qint64 gesamt)>;

// Decodes bytes in the given encoding (a BOM of it dropped); CR LF and a lone CR become LF.
QString ImportDekodieren(const QByteArray& bytes, Kodierung kodierung);
// The same as UTF-8, line ends left as they are; a UTF-8 file's bytes are not copied.
// Sets ab to where the text begins (after a BOM).
QByteArray ImportUtf8(const QByteArray& bytes, Kodierung kodierung, qsizetype& ab);

// Encoding, separator (an Anki "#separator:" line wins), and whether the file says or
// plainly shows that its fields are HTML.
ImportEinstellungen CsvEinstellungenErkennen(const QByteArray& bytes);

// The rows of a CSV/TSV file in the given encoding and separator; Anki's "#key:value"
// lines at the top are not rows.
// nullopt only when fortschritt stopped it.
std::optional<ImportTabelle> CsvTabelle(const QByteArray& bytes, Kodierung kodierung, QChar trenner,
                                        const ImportFortschritt& fortschritt = {});

// Header row and the word and meaning columns for a table: a German or meaning column
// gives the meaning, the first other language or word column the word; without a header a
// German-looking column is the meaning when the other is not. Number-only columns never.
void SpaltenErkennen(const ImportTabelle& tabelle, ImportEinstellungen& einstellungen);

// KVTML 1.0 or 2: one column per language, titled by its name.
std::optional<ImportTabelle> KvtmlTabelle(const QByteArray& bytes, QString* fehler = nullptr);

// The pairs as they will be stored, and every row that held something but gives no pair.
ImportInhalt PaareBilden(const ImportTabelle& tabelle, const ImportEinstellungen& einstellungen);
// The same one pair at a time, in file order, so that a large file's pairs need not all be
// held at once; gives the skipped rows in file order, or nullopt when fortschritt (called
// with rows done and rows in all) stopped it.
std::optional<QList<Ausgelassen>> PaareDurchgehen(const ImportTabelle& tabelle,
                                                  const ImportEinstellungen& einstellungen,
                                                  const std::function<void(ImportPaar&&)>& paar,
                                                  const ImportFortschritt& fortschritt = {});

// What the preview shows of the pairs: how many, the first of them, every skipped row.
struct ImportUebersicht {
    qsizetype anzahl = 0;
    QList<ImportPaar> erste;
    QList<Ausgelassen> ausgelassen;
};
// nullopt when fortschritt stopped it.
std::optional<ImportUebersicht> PaareZaehlen(const ImportTabelle& tabelle, const ImportEinstellungen& einstellungen,
                                             int ersteAnzahl, const ImportFortschritt& fortschritt = {});

// One field as a list holds it: HTML to text when asked, no-break spaces and line breaks
// as blanks, inner runs of blanks made one, outer blanks gone.
QString FeldNormalisieren(const QString& feld, bool html);

// Reads the file and detects everything; nullopt with a German reason as ImportDateiLesen,
// or with an empty reason when fortschritt stopped it.
std::optional<ImportVorlage> ImportVorlageLesen(const QString& pfad, QString* fehler = nullptr,
                                                const ImportFortschritt& fortschritt = {});
std::optional<ImportVorlage> ImportVorlageAus(const QByteArray& bytes, bool kvtml, QString* fehler = nullptr,
                                              const ImportFortschritt& fortschritt = {});

// Reads the table again after the pupil chose another encoding or separator, and detects
// header and columns for it anew. False, with the vorlage as it was, when fortschritt
// stopped it.
bool VorlageNeuLesen(ImportVorlage& vorlage, Kodierung kodierung, QChar trenner,
                     const ImportFortschritt& fortschritt = {});

// The language of the word column, as the file's language identifiers or its header name
// it (German name, see lists/Listensprache.h); empty when it says nothing.
QString ImportSprache(const ImportVorlage& vorlage);

// The encoding's name as the preview offers it.
QString KodierungName(Kodierung kodierung);

} // namespace lerno
