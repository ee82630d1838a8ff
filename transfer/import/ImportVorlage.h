#pragma once
// A file from elsewhere in two steps: first its rows and columns as read, with the
// settings detected for it (encoding, separator, header, which column is which), then
// the pairs for whatever settings the pupil confirms (ImportPaare.h). The preview shows
// the first step; the import stores the second (ListeErweitern.h).
#include "transfer/import/ImportTabelle.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace lerno {

// The file as the preview shows it, ready to be read again with other settings.
struct ImportVorlage {
    QByteArray bytes;
    bool kvtml = false;
    ImportTabelle tabelle;
    ImportEinstellungen einstellungen;
};

// Reads the file (ImportBytesLesen), picks the reader by its ending (".kvtml", else
// CSV/TSV) and detects everything; nullopt with a German reason when the file cannot be
// read, is no text file or no readable KVTML document, or with an empty reason when
// fortschritt stopped it.
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
// it (German name, see lists/Listensprache.h), or else as the script of its first
// thousand words shows (SpracheAusSchrift); empty when nothing tells.
QString ImportSprache(const ImportVorlage& vorlage);

} // namespace lerno
