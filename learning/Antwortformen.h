#pragma once
// The pieces of the lenient answer check that the check itself and the marking of
// differences share: how an answer is normalised, which forms of it count as written
// by the pupil, where an article ends (the foldings and the distance: Faltung.h).
#include <QList>
#include <QString>
#include <QStringView>

#include "learning/Faltung.h"

namespace lerno::Antwortformen {

// The forms are compared under the foldings.
using namespace lerno::Faltung;

// A text with, for each of its UTF-16 units, the index in the original answer it came
// from, so that a difference found in a form can be shown in the answer as stored.
struct Text {
    QString s;
    QList<qsizetype> herkunft; // herkunft.size() == s.size() when verfolgt
    bool verfolgt = true;      // the answer check needs no origins and saves their upkeep

    bool operator==(const Text& o) const { return s == o.s; }
};

// NFC, invisible format characters (zero-width space, BOM, soft hyphen) removed, every run
// of blanks (tab and no-break spaces included) one blank, none at the ends, typographic
// apostrophes and the accent keys used as one (’ ‘ ʼ ´ `) made ', and the blank in
// "l' école" dropped.
Text Normalisiert(const QString& roh, bool herkunft = true);

// The parts of an answer separated by ',' or ';' outside parentheses, each without
// blanks and sentence marks (. ! ? … and a leading ¿ ¡) at its ends; empty parts dropped.
QList<Text> Teile(const Text& text);

// Every way one part may be written: as it stands, with its parenthesised text left out
// or kept, with one word of each "a/b" (a spaced " / " between whole phrases), and each
// gender form ("Lehrer/in", "Schüler/-in", "alumno/a") as stem, full form or as written.
// At most 64 forms; the first is always the part as it stands.
QList<Text> Formen(const Text& teil);

// All forms of all parts of an already normalised answer.
QList<Text> AlleFormen(const Text& antwort);

// Length of a leading article with the blank after it ("der ", "l'"), 0 when there is
// none or nothing follows it. Articles of German, English (with "to"), French, Spanish
// and Italian, any case except the Italian "i" (so that "I am" keeps its "I").
qsizetype ArtikelLaenge(QStringView s);

} // namespace lerno::Antwortformen
