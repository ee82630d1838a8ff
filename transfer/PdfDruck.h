#pragma once
// A list on paper: an A4 PDF with the list's name as title and a two-column table
// word | meaning, a fold line between the columns so one side can be covered, and
// page numbers. Long words wrap inside their column.
#include "lists/Vokabeleintrag.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <functional>

class QIODevice;
class QPainter;

namespace lerno {

// The list as it is, or a test sheet ("Abfrageblatt"): one column left empty to write
// in, and a line for name and date under the title.
enum class Druckart { Liste, OhneBedeutung, OhneVokabel };

// False when the file cannot be written. Needs a QGuiApplication (fonts).
bool PdfSchreiben(const QString& pfad, const QString& titel, const QList<WortPaar>& paare,
                  Druckart art = Druckart::Liste);

// The PDF itself, into any open device.
bool PdfZeichnen(QIODevice& ziel, const QString& titel, const QList<WortPaar>& paare,
                 Druckart art = Druckart::Liste);

// Any single A4 page on the same paper and margins, drawn by zeichnen into seite (device
// pixels, origin at the top-left of the printable area; mm converts millimetres) and put
// in place whole like the list. False when zeichnen or writing fails.
using PdfSeite = std::function<bool(QPainter& p, const QRectF& seite, double mm)>;
bool PdfSeiteSchreiben(const QString& pfad, const QString& titel, const PdfSeite& zeichnen);

} // namespace lerno
