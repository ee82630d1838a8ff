#pragma once
// A list on paper: an A4 PDF with the list's name as title and a two-column table
// word | meaning, a fold line between the columns so one side can be covered, and
// page numbers. Long words wrap inside their column.
#include "lists/Vokabeleintrag.h"

#include <QList>
#include <QString>

class QIODevice;

namespace lerno {

// False when the file cannot be written. Needs a QGuiApplication (fonts).
bool PdfSchreiben(const QString& pfad, const QString& titel, const QList<WortPaar>& paare);

// The PDF itself, into any open device.
bool PdfZeichnen(QIODevice& ziel, const QString& titel, const QList<WortPaar>& paare);

} // namespace lerno
