#pragma once
// What an interrupted run can leave in the list folder: the crash-safe replace's hidden
// temporaries and the editor's scratch list. Removed at start, before anything lists the folder.
#include <QString>
#include <QStringList>

namespace lerno {

// True for exactly the name a replace of a list member or of its words' memory writes
// before its rename: "." + <name>.dva/.dvb/.dvc/.dvd/.dvg + "." + six letters or digits.
// A list's own name never matches.
bool IstErsetzenRest(const QString& dateiname);

// Removes from the folder every regular file that IstErsetzenRest names, and afile.dva,
// afile.dvb and afile.dvc. Returns the names it removed, sorted.
QStringList ResteEntfernen(const QString& ordner);

} // namespace lerno
