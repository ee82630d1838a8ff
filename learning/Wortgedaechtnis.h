#pragma once
// The memory of every word of one list, kept in a small UTF-8 file beside it: the list's
// path with its last letter replaced by "g" ("Unit 3.dva" -> "Unit 3.dvg"), a sibling like
// the stage lists. No chooser pattern (*.dva, *.dvb, *.dvc) matches it, it is as long as
// the list's own name (so whatever name a list can have, its memory can too), and the
// start-up clean-up removes the crash-safe replace's hidden temporaries of it
// (".Unit 3.dvg.XXXXXX"), never the file itself.
//
// One line per word, CR LF, fields split by tabs, the key last so that it may hold any
// character but a line end:
//   2026-03-14<TAB>3.1729<TAB>5.2821<TAB>4<TAB>1<TAB>the house#das Haus<CR><LF>
// date of the last review, stability (days), difficulty (1..10), reviews, lapses, and the
// pair's text (Vokabel "#" Bedeutung; neither can hold a "#"). The key is the text, so a
// pair changed in the editor starts afresh and an unchanged one keeps its memory wherever
// it moves; the list file itself is never touched.
#include "learning/Antwortpruefung.h"
#include "learning/Gedaechtnis.h"
#include "learning/Lernplan.h"
#include "lists/Vokabeleintrag.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace lerno::Wortgedaechtnis {

struct Eintrag {
    Gedaechtnis::Stand stand{};
    QDate zuletzt;
    int wiederholungen = 0;
    int vergessen = 0; // "Nochmal" at the first asking on a later day: known once, then lost
};

using Woerter = QHash<QString, Eintrag>; // Schluessel(paar) -> memory

struct Inhalt {
    Woerter woerter;
    int uebersprungen = 0;   // damaged lines, left out
    bool lesefehler = false; // the file exists but cannot be read
};

// The memory file of a list, from the path of any of its members.
QString Datei(const QString& liste);
QString Schluessel(const WortPaar& paar);
WortPaar PaarAus(const QString& schluessel);

// A missing file is an empty memory.
Inhalt Lesen(const QString& liste);
// The file's bytes, lines sorted by key; a word that cannot be written so that it reads
// back the same (a line end in the key, a state out of range) is left out.
QByteArray Text(const Woerter& woerter);
// Crash-safe: afterwards the old or the new file is there, whole. False when it failed.
bool Schreiben(const QString& liste, const Woerter& woerter);
// Removes the list's memory (the list was deleted). True when no file is left.
bool Entfernen(const QString& liste);

// The rating of one answer: Richtig 3 (Gut), FastRichtig or right after the hint 2
// (Schwer), Falsch 1 (Nochmal).
int Bewertung(Antwortpruefung::Urteil urteil, bool nachHinweis);
// The word's memory after one answer on `heute`; nullopt `vorher` for its first.
Eintrag Wiederholen(const std::optional<Eintrag>& vorher, int bewertung, QDate heute);

// Records one answer to a pair of the list (any member's path): reads the memory file,
// updates the pair, drops the words no longer in the list's .dva (when it can be read),
// and writes the file back crash-safe. False, with the file unchanged, when it cannot be
// read or written.
bool AntwortVermerken(const QString& liste, const WortPaar& paar, int bewertung, QDate heute);

// One answer not yet in the memory file.
struct Antwort {
    WortPaar paar;
    int bewertung = 1;
    QDate tag;
};
// Several answers to pairs of one list, in the order given, in one read and one write.
// inListe: the keys of the pairs in the list's .dva as the caller has them; without them
// the .dva is read to drop the words no longer in it.
bool AntwortenVermerken(const QString& liste, const QList<Antwort>& antworten,
                        const QSet<QString>* inListe = nullptr);

// The words of a list (its .dva, any member's path) with their memory, as the plan takes
// them: each pair once, in list order, by its key; `zeilen` holds each one's line number
// (from 1).
struct Listenwoerter {
    QStringList schluessel;
    QList<int> zeilen;
    QList<Lernplan::Wort> woerter;
    bool lesefehler = false; // the list or its memory could not be read
};
Listenwoerter WoerterLesen(const QString& liste);

} // namespace lerno::Wortgedaechtnis
