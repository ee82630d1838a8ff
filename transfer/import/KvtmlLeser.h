#pragma once
// KVTML vocabulary files (1.0 and 2) into rows and cells: one column per language,
// titled by its name; the German one gives the meaning.
#include "transfer/import/ImportTabelle.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <optional>

namespace lerno {

// The parts of a KVTML document Lerno uses: its languages in file order and, per entry,
// the text of each translation by identifier.
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
// A translation's text is the text of its field alone: KVTML 2's <text> (with what is
// nested in it), KVTML 1.0's <o>/<t> without the conjugation or comparison forms nested
// in them. nullopt with a German reason when the file is not a readable KVTML document
// (also when a field nests deeper than any vocabulary file does).
std::optional<KvtmlDokument> KvtmlZerlegen(const QByteArray& bytes, QString* fehler = nullptr);

// The document as a table, numbered by entries; entries without any text are no rows.
// Sets the word and meaning columns in einstellungen: the German language gives the
// meaning, the first other one the word. nullopt with a German reason as KvtmlZerlegen,
// or when the file holds fewer than two languages.
std::optional<ImportTabelle> KvtmlTabelle(const QByteArray& bytes, ImportEinstellungen& einstellungen,
                                          QString* fehler = nullptr);

} // namespace lerno
