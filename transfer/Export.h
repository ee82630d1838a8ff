#pragma once
// A list as a file spreadsheet programs open directly: UTF-8 with BOM, CR LF, a header
// row, fields quoted where RFC 4180 needs it; semicolons (CSV) or tabs (TSV).
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace lerno {

struct ExportInhalt {
    QByteArray bytes;
    int paare = 0;
    QList<int> unlesbar; // line numbers (from 1) that are no record
};

// trenner ';' or '\t'. Header "Vokabel;Bedeutung;Fehler", then word, meaning, count.
ExportInhalt ExportBauen(const QStringList& zeilen, char trenner);

// Tab for a name ending in ".tsv", else semicolon.
char TrennerFuer(const QString& dateiname);

} // namespace lerno
