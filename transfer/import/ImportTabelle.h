#pragma once
// A file from elsewhere as rows and cells, the way each reader (CSV/Anki, KVTML) leaves
// it, and the settings it is read with. The later steps pick the two columns and build
// the pairs from it; the preview shows it as it stands.
#include "transfer/import/Dekodierung.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace lerno {

// A row that gives no pair, with its line (CSV) or entry (KVTML) number from 1.
struct Ausgelassen {
    int stelle = 0;
    QString grund; // German, e.g. "enthält das Zeichen „#“"
};

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

// Called now and then while a file is read, with the part done of the whole; false stops
// the reading (the pupil cancelled), and nothing is returned.
using ImportFortschritt = std::function<bool(qint64 erledigt, qint64 gesamt)>;

} // namespace lerno
