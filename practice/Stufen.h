#pragma once
// What the end of a practice writes: the stage updates, free of any window.
// The practice window shows the file-error report when the result is not clean.
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

namespace lerno {

struct SichernErgebnis {
    bool ListeGelesen = true;          // false: the practised list could not be read; nothing changed
    QStringList AnfuegenFehlgeschlagen; // stage lists that could not be read or appended to
    bool ErsetzenFehlgeschlagen = false; // stage 1: the .dva keeps its old content, whole
    QStringList EntfernenFehlgeschlagen; // files DateiEntfernen could not delete

    bool Fehlerfrei() const
    {
        return ListeGelesen && AnfuegenFehlgeschlagen.isEmpty() && !ErsetzenFehlgeschlagen
               && EntfernenFehlgeschlagen.isEmpty();
    }
};

// End of stage 1. fehlerzahl[i] is the number of wrong answers for line i + 1; it may be
// shorter or longer than the list. Every record of the .dva with the frame ddd#..#..#X#Y#
// (HatZaehlerRahmen) gets min(9, count + wrong answers) and Reserve 0, a non-digit count
// reading as 0; records reaching 2 go to the .dvb, 4 to the
// .dvc, unless their key is there already. The .dva is replaced in one rename step through
// the .dvd, which is gone afterwards. Other lines stay as they are and go to no stage list.
SichernErgebnis Stufe1Sichern(const QString& dvaPfad, const std::vector<int>& fehlerzahl);

// End of stage 2: records of the .dvb whose summed count reaches 4 go to the .dvc unless
// their key is there. The .dvb stays byte for byte; the .dvd is deleted.
SichernErgebnis Stufe2Sichern(const QString& dvbPfad, const std::vector<int>& fehlerzahl);

// End of stage 3: only the .dvd sibling of pfad is deleted.
SichernErgebnis Stufe3Beenden(const QString& pfad);

// The end of a practice of stage 1, 2 or 3 (any other stage ends as 3).
SichernErgebnis UebenSichern(qint16 stufe, const QString& pfad, const std::vector<int>& fehlerzahl);

} // namespace lerno
