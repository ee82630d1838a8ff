#pragma once
// The last step of reading an import: the pairs a table gives with the chosen settings,
// each field tidied as a list holds it and passed through the one pair check. Every row
// that held something but gives no pair is set aside with its reason.
#include "transfer/import/ImportTabelle.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace lerno {

// One pair as found in the file; stelle is the line (CSV) or entry (KVTML) number from 1.
struct ImportPaar {
    int stelle = 0;
    QString Vokabel;
    QString Bedeutung;
};

struct ImportInhalt {
    QList<ImportPaar> paare;
    QList<Ausgelassen> ausgelassen;
    bool eintraege = false; // numbered by KVTML entries rather than lines
};

// One field as a list holds it: HTML to text when asked (tags removed, <br> a blank,
// character references decoded: every named entity of HTML and numeric ones, an unknown
// one left as it stands), no-break spaces and line breaks as blanks, inner runs of blanks
// made one, outer blanks gone.
QString FeldNormalisieren(const QString& feld, bool html);

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

} // namespace lerno
