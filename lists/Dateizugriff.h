#pragma once
// Why a file operation failed, in words a pupil understands, and whether a list may be
// written at all. No widgets: the windows put these texts into their message boxes.
#include "lists/DateiErgebnis.h"

#include <QFileDevice>
#include <QString>
#include <vector>

namespace lerno {

enum class Zugriff { Lesen, Schreiben };

// One German sentence naming the cause of a failed operation on pfad: "Der Datenträger
// ist voll.", "Keine Schreibberechtigung für den Ordner „…“." and so on. fehlernummer is
// the errno the failed call left; when it is 0, Qt's error kind is used as far as it
// tells anything.
QString FehlerUrsache(const QString& pfad, int fehlernummer, Zugriff zugriff = Zugriff::Schreiben,
                      QFileDevice::FileError qtFehler = QFileDevice::NoError);
// The same for the failure a file operation handed back.
QString FehlerUrsache(const QString& pfad, const DateiErgebnis& fehler, Zugriff zugriff = Zugriff::Schreiben);

// The list's name as the pupil knows it: the file name without its ending.
QString ListenName(const QString& pfad);

// True when a member of the list (.dva, .dvb, .dvc, .dvd, those that exist) may not be
// written: the user lacks the right, or the file carries no write permission at all
// (which is how a pupil marks a file read-only, and which even the administrator's
// account must respect). Every function that changes a list asks this first.
bool ListeSchreibgeschuetzt(const QString& liste);

// "Die Liste „Englisch“ ist schreibgeschützt."
QString SchreibschutzText(const QString& liste);

// "Zeile 7 der Liste „Demo“ kann nicht gelesen werden und wird übersprungen.", for more
// lines "Zeilen 3 und 7 … können … werden übersprungen." (the first ten, then "weitere");
// without "und … übersprungen" when nothing goes on without them. zeilen: line numbers
// from 1, sorted, at least one.
QString UnlesbarText(const QString& liste, const std::vector<int>& zeilen, bool uebersprungen = true);

} // namespace lerno
