#pragma once
// Puts imported pairs into a list as if each had been typed on the entry screen:
// numbered by the next-number rule, "#0#0#" behind them, all in one crash-safe step
// (the shared rules of lists/Listendateien.h).
#include "lists/DateiErgebnis.h"
#include "transfer/import/ImportPaare.h"

#include <QString>

namespace lerno {

// Appends the pairs to the list (created when missing) by EintraegeAnhaengen, then
// creates the .dvb and .dvc siblings. Fails when the list cannot be read or replaced, a
// pair does not encode, or the list is the scratch list "afile" (the last two without a
// system cause): it is then exactly as before.
DateiErgebnis PaareAnhaengen(const QString& liste, const QList<ImportPaar>& paare);
// The same for the pairs a table gives with these settings (PaareDurchgehen), built and
// written a few thousand at a time: a large file's pairs are never all held at once.
DateiErgebnis PaareAnhaengen(const QString& liste, const ImportTabelle& tabelle, const ImportEinstellungen& einstellungen);

// The closing message: how many pairs went in, how many were skipped, the first ten
// skipped ones with line or entry number and reason.
QString ImportZusammenfassung(const QString& listenname, qsizetype hinzugefuegt, const ImportInhalt& inhalt);

} // namespace lerno
