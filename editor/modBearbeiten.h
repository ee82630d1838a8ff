#pragma once
// Editing a list: choose it, load its rows, show them in the editor window, write them
// back. The module owns the rows; the window only shows and changes them.
#include "editor/Editorliste.h"

#include <QString>
#include <vector>

class QWidget;

namespace lerno {
class frmVokBearbeiten;
}

namespace lerno::modBearbeiten {

// The rows of the list being edited, one per line, in file order (one empty row for an
// empty list).
inline std::vector<GridZeile> Zeilen;

// Chooser, list check, editor window, then sound 2. A cancelled chooser does nothing at
// all; a list that cannot be read or is write-protected is reported and not opened.
void BearbeitenStarten(QWidget* parent);

// Fills Zeilen from the list (a .dva path). A missing list or lines that cannot be split
// are reported once and the rows read stay; false when the list exists but cannot be
// read: reported naming it, and no editor may open, so nothing can overwrite it.
bool ListeLaden(const QString& liste, QWidget* parent);

// Writes Zeilen back to the window's list. False when the window must stay open with
// everything typed: a refused cell (selected and reported) or a file error (reported
// with its cause).
bool ListeSpeichern(frmVokBearbeiten& fenster);

} // namespace lerno::modBearbeiten
