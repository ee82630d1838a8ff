#pragma once
// Paths of the two background pictures, worked out once at start-up.
#include <QString>

namespace lerno::modBackground {

inline QString Programmpfad;
inline QString Hintergrund2Pfad; // start screen
inline QString Hintergrund1Pfad; // every other window

// Sets the three paths from the program folder.
void HintergrundPfade();

} // namespace lerno::modBackground
