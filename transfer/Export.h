#pragma once
// A list as a file spreadsheet programs open directly: UTF-8 with BOM, CR LF, a header
// row, fields quoted where RFC 4180 needs it; semicolons (CSV) or tabs (TSV).
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "lists/Vokabeleintrag.h"

namespace lerno {

struct ExportInhalt {
    QByteArray bytes;
    int paare = 0;
    QList<int> unlesbar; // line numbers (from 1) that are no record
};

// A list's pairs in order, each with its count of wrong answers, and the numbers (from 1)
// of the lines that are no record: the one reading of a list behind export and print.
struct ListenPaare {
    QList<WortPaar> paare;
    QList<int> fehler; // fehler[i] belongs to paare[i]
    QList<int> unlesbar;
};
ListenPaare PaareAusZeilen(const QStringList& zeilen);

// trenner ';' or '\t'. Header "Vokabel;Bedeutung;Fehler", then word, meaning, count.
ExportInhalt ExportBauen(const QStringList& zeilen, char trenner);

// Tab for a name ending in ".tsv", else semicolon.
char TrennerFuer(const QString& dateiname);

} // namespace lerno
