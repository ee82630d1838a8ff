#pragma once
// The fonts the windows are designed with, mapped to the metric-compatible fonts Debian ships.
#include <QColor>
#include <QFont>

namespace lerno {

// Maps "MS Sans Serif" and "Times New Roman" to Liberation fonts; call once after QApplication.
void SchriftenEinrichten();

QFont MsSansSerif(double punkt, bool fett = false);
QFont TimesNewRoman(double punkt, bool fett = false);

inline const QColor Gelb{255, 255, 0};

} // namespace lerno
