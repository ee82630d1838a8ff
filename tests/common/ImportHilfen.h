#pragma once
// A file from elsewhere read as the import menu reads it (the preview's reading with the
// settings it detects, then the pairs), for tests that look at the pairs alone.
#include "transfer/import/ImportPaare.h"
#include "transfer/import/ImportVorlage.h"

#include <optional>

namespace testhilfen {

// nullopt with the reason as ImportVorlageAus gives it.
inline std::optional<lerno::ImportInhalt> Importiert(const QByteArray& bytes, bool kvtml, QString* fehler = nullptr)
{
    const auto v = lerno::ImportVorlageAus(bytes, kvtml, fehler);
    if (!v)
        return std::nullopt;
    return lerno::PaareBilden(v->tabelle, v->einstellungen);
}

// A CSV/TSV file's bytes: always readable.
inline lerno::ImportInhalt CsvImportiert(const QByteArray& bytes) { return *Importiert(bytes, false); }

// The file at pfad, the reader chosen by its ending.
inline std::optional<lerno::ImportInhalt> DateiImportiert(const QString& pfad, QString* fehler = nullptr)
{
    const auto v = lerno::ImportVorlageLesen(pfad, fehler);
    if (!v)
        return std::nullopt;
    return lerno::PaareBilden(v->tabelle, v->einstellungen);
}

} // namespace testhilfen
