#pragma once
// Today's words across all lists of the folder ("Heute üben") and the start screen's line
// about them. A list takes part when it has a planned class test or a memory file; the
// others have nothing due (no word of theirs has been practised yet).
#include "learning/Lernplan.h"
#include "lists/Vokabeleintrag.h"

#include <QDate>
#include <QList>
#include <QString>

namespace lerno::Tagesplan {

struct Liste {
    QString pfad;           // the list's .dva
    QString name;           // "Unit 3"
    QDate arbeit;           // its class test, today or later; invalid when none is ahead
    int hoechstens = 0;     // words a day at most
    QList<int> zeilen;      // today's words: line numbers in the .dva (from 1), most urgent first
    QList<WortPaar> paare;  // the same words
    QList<Lernplan::Wort> woerter; // every word of the list with its memory, in list order
    bool lesefehler = false; // the list or its memory could not be read
};

struct Heute {
    QList<Liste> listen; // nearest class test first, then the lists without one, by name
    int woerter() const;
};

Heute Berechnen(const QString& ordner, QDate heute);

// "Heute: 14 Wörter – Klassenarbeit „Unit 3“ in 4 Tagen" (the nearest class test, "heute",
// "morgen" or "in n Tagen"; without one only "Heute: 14 Wörter"), or "Heute ist nichts fällig.".
QString Startzeile(const Heute& h, QDate heute);

} // namespace lerno::Tagesplan
