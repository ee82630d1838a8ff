#pragma once
// The options the start screen keeps across starts (lists/Einstellungen): read once at
// start, written when the pupil changes one.
class QAction;
class QMenu;
class QWidget;

namespace lerno::modOptionen {

// Reads the settings of the list folder into this run's settings and sets the check mark
// of "Antworten großzügig prüfen" from them.
void EinstellungenLesen(QAction* grosszuegig);

// Adds the check mark "Antworten &großzügig prüfen" to the options menu. Choosing it
// switches the lenient check for this run and writes the settings; when that fails a
// message says so, and the choice still holds until the program ends.
QAction* GrosszuegigAnlegen(QMenu* optionen, QWidget* parent);

} // namespace lerno::modOptionen
