#pragma once
// CSV/TSV from spreadsheets and Anki's text export into rows and cells (RFC 4180 quoting),
// with the settings such a file shows: encoding, separator, whether its fields are HTML.
#include "transfer/import/ImportTabelle.h"

#include <QByteArray>
#include <optional>

namespace lerno {

// Encoding, separator (an Anki "#separator:" line wins; else tab, semicolon or comma: the
// first of these found outside quotes in the first non-empty line, in that order of
// preference; comma when none is there), and whether the file says or plainly shows that
// its fields are HTML.
ImportEinstellungen CsvEinstellungenErkennen(const QByteArray& bytes);

// The rows of a CSV/TSV file in the given encoding and separator; Anki's "#key:value"
// lines at the top are not rows. Every line is part of a row, blank, or (a quote that
// never closes) in ImportTabelle::fehler with its line, and reading goes on after it.
// nullopt only when fortschritt stopped it.
std::optional<ImportTabelle> CsvTabelle(const QByteArray& bytes, Kodierung kodierung, QChar trenner,
                                        const ImportFortschritt& fortschritt = {});

} // namespace lerno
