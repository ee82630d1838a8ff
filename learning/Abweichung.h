#pragma once
// Which characters of the solution the pupil's answer does not match, so that a window can
// mark them (colour, underline) and say them to a screen reader.
#include <QList>
#include <QString>

namespace lerno::Abweichung {

struct Unterschied {
    qsizetype von = 0;    // UTF-16 index in the solution as stored in the list
    qsizetype laenge = 0; // characters of the solution typed otherwise or left out; 0: none
    QString zuviel;       // what the answer holds, at von + laenge, that the solution does not

    bool operator==(const Unterschied&) const = default;
};

// Differences in the order of the solution, adjacent ones joined. Lenient (grosszuegig):
// both sides normalised as the answer check does, each part of the answer aligned with the
// written form of the solution nearest to it (an alternative, a gender form, parentheses
// left out); what the pupil was not asked for (other alternatives, optional text) is not
// marked. Strict: the whole solution against the answer, character for character, blanks
// included. Empty when the answer is empty or matches.
QList<Unterschied> Unterschiede(const QString& soll, const QString& eingabe, bool grosszuegig);

// For a screen reader: "Unterschied bei: é", "Unterschied bei: H, é", "Unterschied bei:
// zusätzlich s"; a blank is named "Leerzeichen". Empty when there is no difference.
QString Beschreibung(const QString& soll, const QList<Unterschied>& unterschiede);

} // namespace lerno::Abweichung
