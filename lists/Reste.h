#pragma once
// What an interrupted run can leave in the list folder: the crash-safe replace's hidden
// temporaries (of the lists and of every file kept beside them), the editor's scratch list,
// the practice's scratch files, stage lists whose main list is gone and language lines of
// lists that no longer exist. Removed at start, before anything lists the folder.
#include <QString>
#include <QStringList>

namespace lerno {

// True for exactly the name the crash-safe replace writes before its rename, for any file
// it replaces: "." + <name> + "." + six letters or digits, <name> not hidden itself.
// A list's own name never matches.
bool IstErsetzenRest(const QString& dateiname);

// Removes from the folder every regular file that IstErsetzenRest names, afile.dva,
// afile.dvb and afile.dvc, every practice scratch file (.dvd: no practice runs yet), every
// stage list (.dvb, .dvc) without a main list of its name in any case, and the language
// lines of lists that are gone. Returns the names of the files it removed, sorted.
QStringList ResteEntfernen(const QString& ordner);

} // namespace lerno
