#pragma once
// Starting a practice: choose a list of the stage's kind, make sure all its siblings
// exist, then practise it, or say that it is too short.
#include <QString>
#include <QtGlobal>

class QWidget;

namespace lerno::modvokueb {

// The message shown for a list of fewer than two lines (blanks included).
inline const QString ZuWenig = QStringLiteral(" Weniger als 2 Vokabeln ");

// Chosen path and its line count of the last start; kept for the run.
inline QString Datei;
inline qsizetype Zeilenzahl = 0;

// Asks for a list of stage `stufe` (1..3) and practises it.
void UebenStarten(qint16 stufe, QWidget* parent);

} // namespace lerno::modvokueb
