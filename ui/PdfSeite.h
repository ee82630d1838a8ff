#pragma once
// The paper every PDF of Lerno is printed on: A4 portrait, 18 mm side and 15 mm top and
// bottom margins, 300 dpi, and the face its text is set in. Lists and the overview print
// alike through it. Rendered in memory: the caller puts the bytes in place.
#include <QByteArray>
#include <QFont>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;
class QPainter;
class QPdfWriter;

namespace lerno {

inline constexpr int PdfDpi = 300;

// Millimetres to device pixels at the writer's resolution.
constexpr double PdfMm(double mm) { return mm * PdfDpi / 25.4; }

// Liberation Sans, the face of the printed pages and of the pictures drawn like them.
QFont Druckschrift(double punkt, bool fett = false);

// Puts a writer on Lerno's paper, with the title a PDF viewer shows.
void PdfEinrichten(QPdfWriter& writer, const QString& titel);

// What zeichnen writes into a buffer; nullopt when zeichnen fails.
std::optional<QByteArray> PdfImSpeicher(const std::function<bool(QIODevice&)>& zeichnen);

// Any single page on that paper, drawn by zeichnen into seite (device pixels, origin at
// the top-left of the printable area; mm converts millimetres). Needs a QGuiApplication
// (fonts); nullopt when drawing fails.
using PdfSeite = std::function<bool(QPainter& p, const QRectF& seite, double mm)>;
std::optional<QByteArray> PdfSeiteBauen(const QString& titel, const PdfSeite& zeichnen);

} // namespace lerno
