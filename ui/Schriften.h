#pragma once
// The fonts the windows are designed with, mapped to the metric-compatible fonts Debian ships.
#include <QColor>
#include <QFont>

class QLabel;
class QWidget;

namespace lerno {

// Maps "MS Sans Serif" and "Times New Roman" to Liberation fonts; call once after QApplication.
void SchriftenEinrichten();

QFont MsSansSerif(double punkt, bool fett = false);
QFont TimesNewRoman(double punkt, bool fett = false);

inline const QColor Gelb{255, 255, 0};

// A yellow plain text on the window's picture; mouse moves over it count as moves over the
// background.
QLabel* GelbeBeschriftung(const QString& text, QWidget* parent, const QFont& schrift);

// Puts text into the label inside feld without cutting it: on one line at the largest size
// from the font's down to 9 pt that fits, else on two lines at 8 to 7 pt; only a text too long
// even for that ends in "…", whole in its tool tip and for a screen reader.
void TextEinpassen(QLabel* l, const QString& text, const QRect& feld, const QFont& schrift);

} // namespace lerno
