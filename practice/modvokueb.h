#pragma once
// Starting a practice: choose a list of the stage's kind, make sure all its siblings
// exist, then practise it, or say that it is too short.
#include <QString>
#include <QtGlobal>

class QWidget;

namespace lerno::modvokueb {

// The message shown for a list of fewer than two lines (blanks included).
inline const QString ZuWenig = QStringLiteral(" Weniger als 2 Vokabeln ");

// Asks for a list of stage `stufe` (1..3) and practises it.
void UebenStarten(qint16 stufe, QWidget* parent);

inline const QString NichtsFaellig = QStringLiteral("Heute ist nichts fällig.");

// "Heute üben": today's words of all lists in the list folder (the current folder), in
// one practice; or the message window says that nothing is due.
void HeuteUeben(QWidget* parent);

} // namespace lerno::modvokueb
