#pragma once
// A list on paper: an A4 PDF with the list's name as title and a two-column table
// word | meaning, a fold line between the columns so one side can be covered, and
// page numbers. Long words wrap inside their column.
#include "lists/Vokabeleintrag.h"

#include <QList>
#include <QString>

class QIODevice;

namespace lerno {

// The list as it is, or a test sheet ("Abfrageblatt"): one column left empty to write
// in, and a line for name and date under the title.
enum class Druckart { Liste, OhneBedeutung, OhneVokabel };

// On Lerno's paper (ui/PdfSeite), put in place whole: a PDF of the same name stays intact
// if anything fails. False when the file cannot be written. Needs a QGuiApplication (fonts).
bool PdfSchreiben(const QString& pfad, const QString& titel, const QList<WortPaar>& paare,
                  Druckart art = Druckart::Liste);

// The PDF itself, into any open device.
bool PdfZeichnen(QIODevice& ziel, const QString& titel, const QList<WortPaar>& paare,
                 Druckart art = Druckart::Liste);

} // namespace lerno
