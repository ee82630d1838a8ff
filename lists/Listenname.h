#pragma once
// Checking and completing the name a pupil types for a new list. Plain strings, no
// widget, so the chooser and the fuzz target share one rule.
#include <QString>
#include <QStringList>
#include <optional>

namespace lerno {

// A new name gets the extension ".dva": Englisch -> Englisch.dva,
// Englisch.txt -> Englisch.dva, a.b.c -> a.dva; Englisch.dva stays.
QString ListennameMitEndung(const QString& name);

// The longest file name the folder takes, in bytes of the file system's encoding.
inline constexpr qsizetype MaxDateinameBytes = 255;

// True for a member of the list "afile" (any case): the editor's scratch list, never a
// pupil's list, so no chooser offers it and nothing is written into it.
bool IstHilfsliste(const QString& pfad);

// The lists a chooser offers: the names in ordner matching muster ("*.dva", "*.dvb",
// "*.dvc") in any case, sorted as a user expects; never a hidden file, the scratch list
// "afile" or a stage list without a main list of its name (in any case).
QStringList Listenauswahl(const QString& ordner, const QString& muster);

// Why a typed new name cannot be a list name (a German message), or nullopt when it can.
std::optional<QString> ListennameFehler(const QString& name);

} // namespace lerno
