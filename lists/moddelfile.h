#pragma once
// Deleting a whole list: choose it, confirm, remove all its files.
class QWidget;

namespace lerno::moddelfile {

// Runs the chooser on the .dva lists and, unless cancelled, the confirmation.
void ListeLoeschen(QWidget* parent);

} // namespace lerno::moddelfile
