#pragma once
// Editing a list: choose it, show it in the editor window, write the grid back.
#include <QString>

class QWidget;

namespace lerno {
class frmVokBearbeiten;
}

namespace lerno::modBearbeiten {

// The .dva of the list being edited; set each time the editor starts.
inline QString BearbeitenDatei;

// Chooser, editor window, then sound 2; a cancelled chooser does nothing at all.
void BearbeitenStarten(QWidget* parent);

// Sets the column widths from the grid's width and fills the grid from BearbeitenDatei.
// A list that cannot be read, or holds lines that cannot be split, is reported once.
void ListeLaden(frmVokBearbeiten& fenster);

// Writes the grid back. False when a cell was refused (reported; nothing written, the
// window stays open); true when the window may close: saved, or a file error reported.
bool ListeSpeichern(frmVokBearbeiten& fenster);

} // namespace lerno::modBearbeiten
