#pragma once
// The chosen list, kept for the whole run: only the practice still hands its list and
// stage to its window through here (it sets them after the chooser). Every other window
// gets its list in its constructor.
#include <QString>
#include <QtGlobal>

namespace lerno::GewaehlteListe {

// Full path of the chosen list; empty = nothing chosen or cancelled.
inline QString Filename;
// Which member of a triplet is wanted: 1 .dva, 2 .dvb, 3 .dvc.
inline qint16 FileNr = 0;
// The chosen list is a newly named one.
inline bool Neu = false;
// Mode of the next file chooser: 1 = name a new list, 2 = pick an existing one.
inline qint16 Wahl = 0;

} // namespace lerno::GewaehlteListe
