#pragma once
// What the end of a practice writes: the stage updates, free of any window.
// The practice window shows SichernMeldung when the result is not clean.
#include "lists/Dateizugriff.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

namespace lerno {

struct SichernErgebnis {
    bool ListeGelesen = true;          // false: the practised list could not be read; nothing changed
    QStringList AnfuegenFehlgeschlagen; // stage lists that could not be read or written
    bool ErsetzenFehlgeschlagen = false; // stage 1: the .dva keeps its old content, whole
    QStringList EntfernenFehlgeschlagen; // files DateiLoeschen could not delete
    // The first failure: the errno it left (0 when none tells), the file and whether it
    // was read or written. SichernMeldung names the cause from these.
    int Fehlernummer = 0;
    QString FehlerPfad;
    Zugriff FehlerZugriff = Zugriff::Schreiben;
    // The reviews of the words could not all be written into their memory files.
    bool GedaechtnisFehlgeschlagen = false;

    bool Fehlerfrei() const
    {
        return ListeGelesen && AnfuegenFehlgeschlagen.isEmpty() && !ErsetzenFehlgeschlagen
               && EntfernenFehlgeschlagen.isEmpty() && !GedaechtnisFehlgeschlagen;
    }
    // The lists changed as the practice asked (only the scratch file may have stayed).
    bool Gespeichert() const { return ListeGelesen && AnfuegenFehlgeschlagen.isEmpty() && !ErsetzenFehlgeschlagen; }
};

// What the window says when the end of a practice was not clean; empty when it was.
// "Der Datenträger ist voll. Das Ergebnis dieser Übung wurde nicht gespeichert." and
// likewise with the cause FehlerUrsache names; GedaechtnisNichtGespeichert when only the
// memory of the words failed.
QString SichernMeldung(const SichernErgebnis& ergebnis);
inline const QString GedaechtnisNichtGespeichert =
    QStringLiteral("Was du geübt hast, konnte nicht für den Lernplan gespeichert werden.");

// End of stage 1. fehlerzahl[i] is the number of wrong answers for line i + 1; it may be
// shorter or longer than the list. Every record of the .dva with the frame ddd#..#..#X#Y#
// (HatZaehlerRahmen) gets min(9, count + wrong answers) and Reserve 0, a non-digit count
// reading as 0; records reaching 2 go to the .dvb, 4 to the .dvc, unless their key is there
// already. Other lines stay as they are and go to no stage list.
// All or nothing: every new file is written completely first (the .dva's new content to
// the .dvd, the stage lists' to temporaries), and only then renamed into place, the stage
// lists first and the .dva last; a failed write leaves all three lists as they were and
// no file behind. The lists keep the encoding they were read in; a stage list that gets
// a line beside a main list in UTF-8 with mark turns UTF-8 with mark (InhaltErweitern).
SichernErgebnis Stufe1Sichern(const QString& dvaPfad, const std::vector<int>& fehlerzahl);

// End of stage 2: records of the .dvb whose summed count reaches 4 go to the .dvc unless
// their key is there. The .dvb stays byte for byte; the .dvd is deleted.
SichernErgebnis Stufe2Sichern(const QString& dvbPfad, const std::vector<int>& fehlerzahl);

// End of stage 3: only the .dvd sibling of pfad is deleted.
SichernErgebnis Stufe3Beenden(const QString& pfad);

// The end of a practice of stage 1, 2 or 3 (any other stage ends as 3).
SichernErgebnis UebenSichern(qint16 stufe, const QString& pfad, const std::vector<int>& fehlerzahl);

} // namespace lerno
