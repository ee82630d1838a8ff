#pragma once
// What each list of the folder holds per stage, and its tests: the data of the overview
// window, read without a single message box (odd lines are counted, not reported).
#include "lists/Testverlauf.h"

#include <QDate>
#include <QList>
#include <optional>
#include <array>
#include <QString>

namespace lerno {

struct Stufenzahl {
    qsizetype Woerter = 0;   // lines that can be taken apart (three "#" or more)
    qsizetype Ungueltig = 0; // other lines that are not empty
    bool Fehlt = false;      // no such file: an empty stage, as everywhere else
    bool Lesefehler = false; // there, but not readable
};

// Counts one member file without decoding it (a "#" is one byte in Windows-1252 and in
// UTF-8; a UTF-8 mark at the start is skipped).
Stufenzahl WoerterZaehlen(const QString& pfad);

struct Listenstand {
    QString Name;              // "Demo"
    QString Pfad;              // full path of the .dva file
    std::array<Stufenzahl, 3> Stufen; // .dva, .dvb, .dvc
    QList<Testeintrag> Tests;  // this list's tests, oldest first
    // The plan to its class test: the words due today, the test's day (invalid: none ahead)
    // and the grade to expect on that day, or today without a test; nullopt while no word
    // of the list has been practised.
    int Faellig = 0;
    QDate Klassenarbeit;
    std::optional<double> ErwarteteNote;

    const Testeintrag* letzterTest() const { return Tests.isEmpty() ? nullptr : &Tests.constLast(); }
    qsizetype ungueltig() const { return Stufen[0].Ungueltig + Stufen[1].Ungueltig + Stufen[2].Ungueltig; }
    bool lesefehler() const { return Stufen[0].Lesefehler || Stufen[1].Lesefehler || Stufen[2].Lesefehler; }
};

// The lists a pupil can choose: the folder's *.dva files, without hidden ones and without
// the editor's scratch list "afile", sorted as the chooser sorts them.
QStringList ListenImOrdner(const QString& ordner);

struct Uebersicht {
    QList<Listenstand> Listen;
    Verlauf Testverlauf; // the whole history, also of lists that are gone
};

// Every list of the folder with its counts, tests and plan on `heute`. History lines of
// lists that no longer exist are kept in the file but shown nowhere.
Uebersicht UebersichtLesen(const QString& ordner, QDate heute = QDate::currentDate());

} // namespace lerno
